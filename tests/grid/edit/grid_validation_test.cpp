// Validation of an edited value as a user meets it: a refused value keeps
// the cell, reopens the editor and shows the balloon; an accepted one is
// stored (into a merged block's base cell), registered for undo, reported
// once and summed by the footer. The wide variant and re-entry as well.
#include <QtTest>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/zad_inplace_edit.h"
#include "grid/undo/zad_grid_undo_redo.h"
#include "grid/windows/balloon_window.h"

namespace {

struct Validate_Grid {
  TZadIrururOziz grid;
  TZadGridUndoRedo undo;
  QList<TGridRect> changed;
  int validations = 0;
  Validate_Grid() {
    grid.SetRowCount(6);
    grid.SetColCount(5);
    grid.resize(500, 300);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetUndoRedo(&undo);
    undo.SetGrid(&grid);
    grid.Store().Set_Text(2, 2, QStringLiteral("old"));
    grid.OnCellsChanged = [this](TZadIrururOziz*, const TGridRect& R) { changed << R; };
    grid.show();
  }
  // The user edits (c, r) to Text and presses Return; the editor.
  TZadInplaceEdit* Edit(int c, int r, const QString& Text) {
    grid.setFocus();
    grid.FocusCell(c, r);
    QTest::keyClick(&grid, Qt::Key_F2);
    TZadInplaceEdit* edit = grid.NormalEdit();
    if (!edit || !grid.EditorMode()) return nullptr;
    edit->selectAll();
    if (Text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, Text);
    QTest::keyClick(edit, Qt::Key_Return);
    return edit;
  }
  // Refuses every value; Replace, when set, is put in its place.
  void Refuse(const QString& Replace = QString()) {
    grid.OnCellValidate = [this, Replace](TZadIrururOziz*, int, int, QString& Value, bool& Valid) {
      ++validations;
      Valid = false;
      if (!Replace.isEmpty()) Value = Replace;
    };
  }
};

bool Row_Cell_Pair(const TGridRect& R, int c, int r) {
  return R.Left == c && R.Right == c && R.Top == r && R.Bottom == r;
}

}  // namespace

class GridValidationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void unchanged_value_is_validated_only_when_asked_data() {
    QTest::addColumn<bool>("always");
    QTest::newRow("plain") << false;
    QTest::newRow("always validate") << true;
  }
  void unchanged_value_is_validated_only_when_asked() {
    QFETCH(bool, always);
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.SetAlwaysValidate(always);
    g.grid.OnCellValidate = [&g](TZadIrururOziz*, int, int, QString&, bool&) { ++g.validations; };
    QVERIFY(g.Edit(2, 2, QStringLiteral("old")));
    QCOMPARE(g.validations, always ? 1 : 0);
    QVERIFY(g.changed.isEmpty());
    QCOMPARE(g.undo.Items().Count(), 0);
    QVERIFY(!g.grid.Modified());
  }

  void refused_value_keeps_the_cell_and_the_editor() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.SetInvalidEntryTitle(QStringLiteral("Invalid"));
    g.grid.SetInvalidEntryText(QStringLiteral("Enter a number"));
    g.grid.SetInvalidEntryIcon(TZadIrururOziz::ieWarning);
    g.Refuse();
    TZadInplaceEdit* edit = g.Edit(2, 2, QStringLiteral("bad"));
    QVERIFY(edit);
    QCOMPARE(g.validations, 1);
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("old"));
    QVERIFY(g.grid.EditorMode());
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(2, 2));
    QVERIFY(!g.grid.LastValidation());
    // Neither the grid nor the row counts as modified.
    QVERIFY(!g.grid.Modified());
    QVERIFY(!g.grid.RowModified(2));
    QVERIFY(g.changed.isEmpty());
    QCOMPARE(g.undo.Items().Count(), 0);
    // The balloon points at the editor with the configured texts.
    TBalloonWindow* balloon = g.grid.InvalidEntryBalloon();
    QVERIFY(balloon);
    QVERIFY(balloon->isVisible());
    QCOMPARE(balloon->Text(), QStringLiteral("Enter a number"));
    QCOMPARE(balloon->Icon(), 2);
    QVERIFY(balloon->geometry().top() >= edit->mapToGlobal(QPoint(0, 0)).y());
  }

  void refused_value_with_a_replacement_stores_it() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.Refuse(QStringLiteral("fixed"));
    TZadInplaceEdit* edit = g.Edit(2, 2, QStringLiteral("bad"));
    QVERIFY(edit);
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("fixed"));
    QCOMPARE(edit->text(), QStringLiteral("fixed"));
    QVERIFY(g.grid.EditorMode());
    // No texts, no balloon.
    QVERIFY(!g.grid.InvalidEntryBalloon() || !g.grid.InvalidEntryBalloon()->isVisible());
  }

  void modified_flag_comes_back_after_a_refusal() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.SetModified(true);
    g.Refuse();
    QVERIFY(g.Edit(2, 2, QStringLiteral("bad")));
    QVERIFY(g.grid.Modified());
  }

  void accepted_value_is_stored_registered_and_reported() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.SetFixedCols(1);
    g.grid.FloatingFooter().SetVisible(true);
    g.grid.FloatingFooter().SetColumnCalc(2, acCUSTOM);
    // The footer shows what column 2 of row 2 holds when it is calculated.
    g.grid.OnFooterCalc = [](TZadIrururOziz* Sender, int, QString& Value) { Value = Sender->Store().Text(2, 2); };
    g.grid.OnCellValidate = [&g](TZadIrururOziz*, int, int, QString& Value, bool&) {
      ++g.validations;
      Value = QStringLiteral("X");
    };
    QVERIFY(g.Edit(2, 2, QStringLiteral("typed")));
    QCOMPARE(g.validations, 1);
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("X"));
    QVERIFY(!g.grid.EditorMode());
    QCOMPARE(g.undo.Items().Count(), 1);
    QCOMPARE(g.undo.Items()[0].OrigValue, QStringLiteral("old"));
    QCOMPARE(g.undo.Items()[0].Value, QStringLiteral("X"));
    QCOMPARE(g.changed.size(), 1);
    QVERIFY(Row_Cell_Pair(g.changed[0], 2, 2));
    QCOMPARE(g.grid.Store().Text(2, g.grid.RowCount() - 1), QStringLiteral("X"));
    QVERIFY(g.grid.Modified());
    QVERIFY(g.grid.RowModified(2));
  }

  void merged_block_stores_in_its_base_cell() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.Store().Set_Text(1, 1, QStringLiteral("base"));
    g.grid.MergeCells(1, 1, 2, 2);
    g.grid.OnCellValidate = [&g](TZadIrururOziz*, int, int, QString&, bool&) { ++g.validations; };
    QVERIFY(g.Edit(2, 2, QStringLiteral("merged")));
    QCOMPARE(g.validations, 1);
    QCOMPARE(g.grid.Store().Text(1, 1), QStringLiteral("merged"));
  }

  void wide_validation_refuses_and_accepts() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.SetInvalidEntryText(QStringLiteral("no balloon here"));
    bool accept = false;
    g.grid.OnCellValidateWide = [&](TZadIrururOziz*, int ACol, int ARow, QString& Value, bool& Valid) {
      QCOMPARE(QPoint(ACol, ARow), QPoint(2, 2));
      Valid = accept;
      if (accept) Value += QStringLiteral("\u00e9");
    };
    g.grid.FocusCell(2, 2);
    QTest::keyClick(&g.grid, Qt::Key_F2);
    QVERIFY(g.grid.Editing());
    QCOMPARE(g.grid.OldCellTextWide(), QStringLiteral("old"));
    QVERIFY(!g.grid.ValidateCellWide(QStringLiteral("new")));
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("old"));
    QVERIFY(g.grid.Editing());
    QVERIFY(!g.grid.InvalidEntryBalloon());
    accept = true;
    QVERIFY(g.grid.ValidateCellWide(QStringLiteral("new")));
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("new\u00e9"));
    QCOMPARE(g.changed.size(), 1);
    QCOMPARE(g.undo.Items().Count(), 0);
  }

  void validation_started_inside_a_validation_passes() {
    Validate_Grid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    bool inner = false;
    g.grid.OnCellValidate = [&](TZadIrururOziz* Sender, int, int, QString&, bool& Valid) {
      inner = Sender->ValidateCell(QStringLiteral("inner"));
      Valid = false;
    };
    QVERIFY(g.Edit(2, 2, QStringLiteral("outer")));
    QVERIFY(inner);
    QCOMPARE(g.grid.Store().Text(2, 2), QStringLiteral("old"));
  }
};

QTEST_MAIN(GridValidationTest)
#include "grid_validation_test.moc"
