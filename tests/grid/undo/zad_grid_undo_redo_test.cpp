// The undo list of cell texts on a real grid: single changes, sequences,
// the MaxLevel limit, dropping undone changes, the events, and the check
// boxes that register their toggles.
#include "grid/undo/zad_grid_undo_redo.h"

#include <QApplication>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// A grid with its undo list; Change writes a cell and registers it as an
// edit commit would.
struct Fixture {
  TZadIrururOziz grid;
  TZadGridUndoRedo undo;
  Fixture() { grid.SetUndoRedo(&undo); }
  void Change(int c, int r, const QString& text) {
    undo.RegisterChange(c, r, grid.GetCellEx(c, r), text);
    grid.SetCellEx(c, r, text);
  }
};

}  // namespace

class UndoRedoTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void single_changes_walk_back_and_forth() {
    Fixture f;
    f.grid.SetCellEx(1, 1, "0");
    for (const char* text : {"1", "2", "3"}) f.Change(1, 1, text);
    QCOMPARE(f.undo.Level(), 3);
    QVERIFY(f.undo.CanUndo() && !f.undo.CanRedo());
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("2"));
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("1"));
    QVERIFY(f.undo.CanRedo());
    f.undo.Redo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("2"));
    QCOMPARE(f.undo.Level(), 2);
    f.undo.Undo();
    f.undo.Undo();
    f.undo.Undo();  // nothing left to undo
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("0"));
    QCOMPARE(f.undo.Level(), 0);
  }

  // A change after undoing drops what was undone: the next Undo gives the
  // text before the new change, then the one before that, never "3".
  void change_after_undo_drops_the_undone() {
    Fixture f;
    f.grid.SetCellEx(1, 1, "0");
    for (const char* text : {"1", "2", "3"}) f.Change(1, 1, text);
    f.undo.Undo();
    f.undo.Undo();
    f.Change(1, 1, "9");
    QCOMPARE(f.undo.Items().Count(), 2);
    QCOMPARE(f.undo.Level(), 2);
    QVERIFY(!f.undo.CanRedo());
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("1"));
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("0"));
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("0"));
  }

  void sequence_is_one_step() {
    Fixture f;
    f.grid.SetCellEx(1, 1, "a");
    f.grid.SetCellEx(2, 3, "b");
    f.undo.StartSequence();
    f.Change(1, 1, "x");
    f.Change(2, 3, "y");
    f.undo.StopSequence();
    QCOMPARE(f.undo.Level(), 4);
    QStringList undone;
    f.undo.OnUndo = [&](TZadGridUndoRedo*, TBaseGrid*, int c, int r, const QString& now, const QString& next) {
      undone << QStringLiteral("%1,%2:%3>%4").arg(c).arg(r).arg(now, next);
    };
    f.undo.Undo();
    QCOMPARE(undone, QStringList({"2,3:y>b", "1,1:x>a"}));
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("a"));
    QCOMPARE(f.grid.GetCellEx(2, 3), QString("b"));
    QCOMPARE(f.undo.Level(), 0);
    // The cell undone last is current.
    QCOMPARE(QPoint(f.grid.Col(), f.grid.Row()), QPoint(1, 1));
    f.undo.Redo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("x"));
    QCOMPARE(f.grid.GetCellEx(2, 3), QString("y"));
    QCOMPARE(f.undo.Level(), 4);
    QCOMPARE(QPoint(f.grid.Col(), f.grid.Row()), QPoint(2, 3));
  }

  // The events see the cell as it is now, also when it changed by other
  // means since it was registered.
  void events_see_the_current_text() {
    Fixture f;
    f.Change(1, 1, "new");
    f.grid.SetCellEx(1, 1, "other");
    QString seen;
    f.undo.OnUndo = [&](TZadGridUndoRedo*, TBaseGrid* grid, int, int, const QString& now, const QString& next) {
      QCOMPARE(grid, static_cast<TBaseGrid*>(&f.grid));
      seen = now + ">" + next;
    };
    f.undo.Undo();
    QCOMPARE(seen, QString("other>"));
    f.undo.OnRedo = [&](TZadGridUndoRedo*, TBaseGrid*, int, int, const QString& now, const QString& next) {
      seen = now + ">" + next;
    };
    f.undo.Redo();
    QCOMPARE(seen, QString(">new"));
  }

  void max_level_drops_the_oldest() {
    Fixture f;
    f.undo.SetMaxLevel(2);
    f.Change(1, 1, "a");
    f.Change(1, 2, "b");
    f.Change(1, 3, "c");
    QCOMPARE(f.undo.Items().Count(), 2);
    QCOMPARE(f.undo.Level(), 2);
    QCOMPARE(f.undo.Items()[0].Value, QString("b"));
  }

  // The start of a sequence went with MaxLevel: one Undo undoes what is
  // left of it and stops at the start of the list.
  void sequence_without_its_start() {
    Fixture f;
    f.undo.SetMaxLevel(2);
    f.undo.StartSequence();
    f.Change(1, 1, "a");
    f.Change(1, 2, "b");
    f.undo.StopSequence();
    QCOMPARE(f.undo.Items().Count(), 3);
    QVERIFY(!f.undo.Items()[0].SequenceStart);
    f.undo.Undo();
    QCOMPARE(f.undo.Level(), 0);
    QCOMPARE(f.grid.GetCellEx(1, 1), QString(""));
    QCOMPARE(f.grid.GetCellEx(1, 2), QString(""));
  }

  // A sequence not closed yet redoes to the end of the list.
  void open_sequence_redoes_everything() {
    Fixture f;
    f.undo.StartSequence();
    f.Change(1, 1, "a");
    f.Change(1, 2, "b");
    f.undo.SetLevel(0);
    f.grid.SetCellEx(1, 1, "");
    f.grid.SetCellEx(1, 2, "");
    f.undo.Redo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("a"));
    QCOMPARE(f.grid.GetCellEx(1, 2), QString("b"));
    QCOMPARE(f.undo.Level(), 3);
  }

  void without_a_grid_nothing_changes() {
    TZadGridUndoRedo undo;
    undo.RegisterChange(1, 1, "a", "b");
    undo.Undo();
    QCOMPARE(undo.Level(), 1);
    undo.SetLevel(0);
    undo.Redo();
    QCOMPARE(undo.Level(), 0);
    // A grid that went is forgotten by the list, and the list by the grid.
    auto grid = std::make_unique<TZadIrururOziz>();
    grid->SetUndoRedo(&undo);
    QCOMPARE(undo.Grid(), static_cast<TBaseGrid*>(grid.get()));
    grid.reset();
    QVERIFY(!undo.Grid());
    TZadIrururOziz other;
    auto owned = std::make_unique<TZadGridUndoRedo>();
    other.SetUndoRedo(owned.get());
    owned.reset();
    QVERIFY(!other.UndoRedo());
  }

  void reset_empties_the_list() {
    Fixture f;
    f.Change(1, 1, "a");
    f.undo.Reset();
    QCOMPARE(f.undo.Items().Count(), 0);
    QCOMPARE(f.undo.Level(), 0);
    QVERIFY(!f.undo.CanUndo() && !f.undo.CanRedo());
    f.Change(1, 1, "b");
    QCOMPARE(f.undo.Level(), 1);
  }

  // A change registered for a cell the grid no longer has is skipped.
  void removed_rows_are_not_written() {
    Fixture f;
    f.Change(1, 4, "a");
    f.grid.SetRowCount(3);
    f.undo.Undo();
    QCOMPARE(f.undo.Level(), 0);
    QCOMPARE(f.grid.RowCount(), 3);
  }

  // Ticked by a click, a data check box is unticked by Undo; a plain box is
  // not registered, so Undo does not write check texts over its label.
  void check_box_toggles() {
    Fixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.grid.AddCheckBox(1, 1, false, true);
    f.grid.SetCellEx(2, 2, "label");
    f.grid.AddCheckBox(2, 2, false, false);
    f.grid.resize(640, 300);
    f.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    auto click = [&](int c, int r) {
      const TRect rect = f.grid.CellRect(c, r);
      const QPoint p(rect.Left + 5, rect.Top + 5);
      QTest::mousePress(f.grid.viewport(), Qt::LeftButton, {}, p);
      QTest::mouseRelease(f.grid.viewport(), Qt::LeftButton, {}, p);
    };
    click(1, 1);
    QVERIFY(f.grid.IsChecked(1, 1));
    QCOMPARE(f.undo.Level(), 1);
    QCOMPARE(f.undo.Items()[0].OrigValue, f.grid.CheckFalse());
    f.undo.Undo();
    QVERIFY(!f.grid.IsChecked(1, 1));
    QCOMPARE(f.grid.GetCellEx(1, 1), f.grid.CheckFalse());
    f.undo.Redo();
    QVERIFY(f.grid.IsChecked(1, 1));

    click(2, 2);
    QVERIFY(f.grid.IsChecked(2, 2));
    QCOMPARE(f.undo.Level(), 1);
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(2, 2), QString("label"));
    QVERIFY(!f.grid.IsChecked(1, 1));
  }

  // A committed edit is registered: Undo brings the old text back.
  void edit_commit_registers() {
    Fixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.grid.SetCellEx(1, 1, "old");
    f.grid.resize(400, 200);
    f.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    f.grid.FocusCell(1, 1);
    QTest::keyClick(&f.grid, Qt::Key_F2);
    QVERIFY(f.grid.EditorMode());
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "new");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("new"));
    QCOMPARE(f.undo.Level(), 1);
    f.undo.Undo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("old"));
    f.undo.Redo();
    QCOMPARE(f.grid.GetCellEx(1, 1), QString("new"));
  }
};

QTEST_MAIN(UndoRedoTest)
#include "zad_grid_undo_redo_test.moc"
