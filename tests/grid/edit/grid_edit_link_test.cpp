// An application's own editor in grid cells through the editor link: keys
// the grid takes end the edit (the want flags keep some in the editor),
// Escape brings the old text back before the value is written, and the
// popup style opens one window at the cell and reuses it.
#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

#include "editor_grid.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_link.h"

namespace {

// A link whose control is a multi-line edit; every key of the control goes
// through the link's key routing, as an application wires it.
class Line_Link : public TEditLink {
 public:
  QPointer<QPlainTextEdit> edit;
  int created = 0;

  QWidget* GetEditControl() override { return edit; }
  void CreateEditor(QWidget* AParent) override {
    ++created;
    if (edit && edit->parentWidget() == AParent) return;
    delete edit;
    edit = new QPlainTextEdit(AParent);
    edit->installEventFilter(this);
  }
  void DestroyEditor() override {}
  QString GetEditorValue() override { return edit ? edit->toPlainText() : QString(); }
  void SetEditorValue(const QString& s) override {
    if (edit) edit->setPlainText(s);
  }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Watched == edit.data() && Event->type() == QEvent::KeyPress) {
      auto* key_event = static_cast<QKeyEvent*>(Event);
      int key = key_event->key();
      EditKeyDown(Watched, key, key_event->modifiers());
      if (key == 0) return true;
    }
    return TEditLink::eventFilter(Watched, Event);
  }
};

// The grid's column 2 edits through the link.
struct Link_Grid : Editor_Grid {
  Line_Link link;
  Link_Grid() : Editor_Grid(edCustom) { grid.SetEditLink(&link); }
};

}  // namespace

class GridEditLinkTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opens_in_the_cell_with_its_text() {
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("abc"));
    g.Open(2, 1);
    QVERIFY(g.link.edit);
    QVERIFY(g.link.edit->isVisible());
    QVERIFY(g.link.edit->hasFocus());
    QCOMPARE(g.link.edit->toPlainText(), QStringLiteral("abc"));
    QCOMPARE(g.link.EditCell(), QPoint(2, 1));
    QCOMPARE(g.link.Grid(), &g.grid);
    QCOMPARE(g.grid.EditCtrl(), static_cast<QWidget*>(g.link.edit));
  }

  void keys_end_the_edit_by_the_want_flags_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("want");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << "" << true;
    QTest::newRow("Up wanted") << int(Qt::Key_Up) << 0 << "updown" << false;
    QTest::newRow("Left wanted") << int(Qt::Key_Left) << 0 << "leftright" << false;
    QTest::newRow("Alt+Left wanted") << int(Qt::Key_Left) << int(Qt::AltModifier) << "leftright" << true;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << "" << false;
    QTest::newRow("End") << int(Qt::Key_End) << 0 << "" << true;
    QTest::newRow("End wanted") << int(Qt::Key_End) << 0 << "homeend" << false;
    QTest::newRow("Enter wanted") << int(Qt::Key_Return) << 0 << "return" << false;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << "" << true;
  }
  void keys_end_the_edit_by_the_want_flags() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, want);
    QFETCH(bool, ends);
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.link.SetWantKeyUpDown(want == QLatin1String("updown"));
    g.link.SetWantKeyLeftRight(want == QLatin1String("leftright"));
    g.link.SetWantKeyHomeEnd(want == QLatin1String("homeend"));
    g.link.SetWantKeyReturn(want == QLatin1String("return"));
    g.grid.Store().Set_Text(2, 3, QStringLiteral("old"));
    g.Open(2, 3);
    g.link.edit->setPlainText(QStringLiteral("new"));
    QTest::keyClick(g.link.edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();
    QCOMPARE(!g.grid.EditMode(), ends);
    QCOMPARE(g.Cell(2, 3), ends ? QStringLiteral("new") : QStringLiteral("old"));
  }

  void up_writes_back_and_moves_up() {
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.Open(2, 3);
    g.link.edit->setPlainText(QStringLiteral("typed"));
    QTest::keyClick(g.link.edit, Qt::Key_Up);
    QCOMPARE(g.Cell(2, 3), QStringLiteral("typed"));
    QCOMPARE(g.grid.Row(), 2);
    QVERIFY(!g.link.edit->isVisible());
    QVERIFY(!g.link.SubClassed());
  }

  void escape_puts_the_old_text_back_before_writing() {
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("kept"));
    int done = 0;
    g.grid.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    g.Open(2, 1);
    g.link.edit->setPlainText(QStringLiteral("dropped"));
    QTest::keyClick(g.link.edit, Qt::Key_Escape);
    QVERIFY(!g.grid.EditMode());
    QCOMPARE(g.Cell(2, 1), QStringLiteral("kept"));
    QCOMPARE(done, 1);
  }

  void refused_value_reopens_the_editor() {
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.Store().Set_Text(2, 1, QStringLiteral("ok"));
    g.grid.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) {
      Valid = Value != QLatin1String("bad");
    };
    g.Open(2, 1);
    g.link.edit->setPlainText(QStringLiteral("bad"));
    QTest::keyClick(g.link.edit, Qt::Key_Down);
    QCOMPARE(g.grid.Row(), 1);
    QVERIFY(g.grid.EditMode());
    QVERIFY(g.link.edit->isVisible());
    QVERIFY(g.grid.LastValidation());
  }

  void popup_opens_at_the_cell_and_is_reused() {
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.link.SetEditStyle(esPopup);
    g.link.SetPopupWidth(120);
    g.link.SetPopupHeight(60);
    g.grid.Store().Set_Text(2, 1, QStringLiteral("pop"));
    g.Open(2, 1);
    QWidget* form = g.link.PopupForm();
    QVERIFY(form);
    QCOMPARE(form->objectName(), QStringLiteral("gridform"));
    QVERIFY(form->isVisible());
    const QRect cell = g.grid.CellRect(2, 1).To_QRect();
    QCOMPARE(form->pos(), g.grid.viewport()->mapToGlobal(cell.topLeft()));
    QCOMPARE(form->size(), QSize(120, 60));
    QCOMPARE(g.link.edit->parentWidget(), form);
    QCOMPARE(g.link.edit->toPlainText(), QStringLiteral("pop"));
    g.link.edit->setPlainText(QStringLiteral("changed"));
    QTest::keyClick(g.link.edit, Qt::Key_Return);
    QCOMPARE(g.Cell(2, 1), QStringLiteral("changed"));
    QVERIFY(!form->isVisible());
    g.Open(2, 2);
    QCOMPARE(g.link.PopupForm(), form);
    QCOMPARE(g.link.created, 2);
    int forms = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("gridform")) ++forms;
    QCOMPARE(forms, 1);
  }

  void popup_losing_activation_writes_back() {
    Link_Grid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.link.SetEditStyle(esPopup);
    g.link.SetPopupWidth(100);
    g.link.SetPopupHeight(40);
    g.Open(2, 1);
    g.link.edit->setPlainText(QStringLiteral("left"));
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(g.link.PopupForm(), &deactivate);
    QCOMPARE(g.Cell(2, 1), QStringLiteral("left"));
    QVERIFY(!g.grid.EditMode());
    QVERIFY(!g.link.PopupForm()->isVisible());
  }
};

QTEST_MAIN(GridEditLinkTest)
#include "grid_edit_link_test.moc"
