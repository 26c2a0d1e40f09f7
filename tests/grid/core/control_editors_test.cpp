#include "grid/core/control_editors.h"

#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

class ControlEditorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Tab leaves the cell only with AdvanceAuto; Enter never moves on.
  void enter_and_tab_in_a_grid() {
    struct Case {
      const char* name;
      bool combo;
      bool advance_auto;
      Qt::Key key;
      int col_after;
    };
    const Case cases[] = {
        {"edit Tab advance", false, true, Qt::Key_Tab, 2}, {"edit Tab stays", false, false, Qt::Key_Tab, 1},
        {"edit Enter", false, true, Qt::Key_Return, 1},    {"combo Tab advance", true, true, Qt::Key_Tab, 2},
        {"combo Tab stays", true, false, Qt::Key_Tab, 1},  {"combo Enter", true, true, Qt::Key_Return, 1},
    };
    for (const Case& c : cases) {
      TZadIrururOziz grid;
      grid.SetColCount(5);
      grid.SetRowCount(5);
      grid.SetCol(1);
      grid.SetRow(1);
      grid.Navigation().SetAdvanceAuto(c.advance_auto);
      QWidget* editor = nullptr;
      if (c.combo) {
        auto* combo = new TControlCombo(&grid);
        combo->SetStyle(csDropDown);
        editor = combo->findChild<QLineEdit*>();
        QVERIFY2(editor, c.name);
      } else {
        editor = new TControlEdit(&grid);
      }
      QVERIFY2(!(c.combo ? editor->parentWidget() : editor)->isVisible(), c.name);
      QTest::keyClick(editor, c.key);
      QVERIFY2(grid.Col() == c.col_after, c.name);
      QVERIFY2(grid.Row() == 1, c.name);
    }
  }

  void outside_a_grid_the_keys_are_the_editors() {
    QWidget form;
    TControlEdit edit(&form);
    QVERIFY(!Form_Control_Key(&edit, Qt::Key_Tab));
    QVERIFY(!Form_Control_Key(&edit, Qt::Key_Return));
  }

  void other_keys_type() {
    TZadIrururOziz grid;
    TControlEdit edit(&grid);
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    QCOMPARE(edit.text(), QStringLiteral("ab"));
    QVERIFY(!Form_Control_Key(&edit, Qt::Key_A));
  }
};

QTEST_MAIN(ControlEditorsTest)
#include "control_editors_test.moc"
