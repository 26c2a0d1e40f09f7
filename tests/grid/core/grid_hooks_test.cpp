// The string grid's hooks: rows deleted and inserted from the keyboard (with
// and without row nodes), the texts cells give to export and take from
// import, tri-state check boxes read through hidden rows, the edit mask and
// the header-cell editor.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_trans_edit.h"

namespace {

QString Saved(TZadIrururOziz& grid, int c, int r) {
  QString value = QStringLiteral("stale");
  grid.DoSaveCell(c, r, value);
  return value;
}

// Rows 1..6 named "a".."f" in column 1; a group from row 2 spanning rows
// 2..4 (node row and two children).
void Grouped(TZadIrururOziz& grid) {
  grid.SetRowCount(7);
  for (int r = 1; r < 7; ++r) grid.SetCellEx(1, r, QString(QChar('a' + r - 1)));
  grid.AddNode(2, 3);
}

QStringList Column_1(TZadIrururOziz& grid) {
  QStringList texts;
  for (int r = 1; r < grid.RowCount(); ++r) texts << grid.GetCellEx(1, r);
  return texts;
}

}  // namespace

class GridHooksTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // ---- rows from the keyboard

  void auto_delete_row_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("fixedRowAlways");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<QString>("textAfter");
    QTest::newRow("only data row is emptied") << 2 << false << 2 << QString();
    QTest::newRow("FixedRowAlways removes it") << 2 << true << 1 << QString();
    QTest::newRow("one of several is removed") << 4 << false << 3 << QStringLiteral("next");
  }
  void auto_delete_row() {
    QFETCH(int, rows);
    QFETCH(bool, fixedRowAlways);
    TZadIrururOziz grid;
    grid.SetRowCount(rows);
    grid.SetFixedRowAlways(fixedRowAlways);
    grid.SetCellEx(1, 1, QStringLiteral("gone"));
    grid.SetCellEx(1, 2, QStringLiteral("next"));
    grid.AddCheckBox(2, 1, true, false);
    QList<int> reported;
    grid.OnAutoDeleteRow = [&](TZadIrururOziz*, int ARow) { reported << ARow; };
    grid.DoAutoDeleteRow(1);
    QTEST(grid.RowCount(), "rowsAfter");
    if (grid.RowCount() > 1) {
      QTEST(grid.GetCellEx(1, 1), "textAfter");
      QVERIFY(!grid.HasCheckBox(2, 1));
    }
    QCOMPARE(reported, QList<int>{1});
  }

  void auto_delete_row_drops_the_rows_cell_controls() {
    TZadIrururOziz grid;
    grid.SetRowCount(5);
    QWidget goes(grid.viewport()), stays(grid.viewport());
    grid.ControlList().AddControl(1, 2, &goes);
    grid.ControlList().AddControl(1, 3, &stays);
    grid.DoAutoDeleteRow(2);
    QCOMPARE(grid.ControlList().Count(), 1);
    QCOMPARE(grid.ControlList().GetControl(0)->Control(), static_cast<QObject*>(&stays));
    QCOMPARE(grid.ControlList().GetControl(0)->Y(), 2);
    QVERIFY(goes.isHidden());
  }

  void rows_in_and_out_of_a_group() {
    TZadIrururOziz grid;
    Grouped(grid);
    // Inside the group a new row joins it.
    grid.InsertOneRow(4);
    QCOMPARE(grid.GetNodeSpan(2), 4);
    QCOMPARE(Column_1(grid), (QStringList{"a", "b", "c", "", "d", "e", "f"}));
    // Below the group it stays outside.
    grid.InsertOneRow(7);
    QCOMPARE(grid.GetNodeSpan(2), 4);
    grid.InsertOneRow(grid.RowCount());
    QCOMPARE(grid.RowCount(), 10);
    QCOMPARE(grid.GetParentRow(9), -1);

    QList<int> reported;
    grid.OnAutoDeleteRow = [&](TZadIrururOziz*, int ARow) { reported << ARow; };
    grid.DoAutoDeleteRow(3);  // "c", a child
    QCOMPARE(grid.GetNodeSpan(2), 3);
    QCOMPARE(Column_1(grid), (QStringList{"a", "b", "", "d", "e", "", "f", ""}));
    grid.DoAutoDeleteRow(1);  // "a", outside every group
    QCOMPARE(grid.GetNodeSpan(1), 3);
    QVERIFY(grid.IsNode(1));
    // A node row is not deleted from the keyboard, and nothing is reported.
    grid.DoAutoDeleteRow(1);
    QVERIFY(grid.IsNode(1));
    QCOMPARE(Column_1(grid), (QStringList{"b", "", "d", "e", "", "f", ""}));
    QCOMPARE(reported, (QList<int>{3, 1}));
  }

  // ---- export and import texts

  void save_cell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("saveWithHTML");
    QTest::addColumn<bool>("saveWithRTF");
    QTest::addColumn<QString>("saved");
    QTest::newRow("plain") << "abc" << false << false << "abc";
    QTest::newRow("html loses its tags") << "<b>x</b>" << false << false << "x";
    QTest::newRow("html kept") << "<b>x</b>" << true << false << "<b>x</b>";
    QTest::newRow("rtf as plain text") << "{\\rtf1\\ansi Hello\\par\r\nWorld}" << true << false << "Hello\nWorld";
    QTest::newRow("rtf codes kept, break after a word is a blank")
        << "{\\rtf1\\ansi\r\n Hello\\par\r\nWorld}" << true << true << "{\\rtf1\\ansi Hello\\par World}";
    QTest::newRow("rtf break after text or an escaped backslash goes")
        << "{\\rtf1 a\r\nb\\\\par\nc}" << true << true << "{\\rtf1 ab\\\\parc}";
  }
  void save_cell() {
    QFETCH(QString, text);
    TZadIrururOziz grid;
    QFETCH(bool, saveWithHTML);
    QFETCH(bool, saveWithRTF);
    grid.SetSaveWithHTML(saveWithHTML);
    grid.SetSaveWithRTF(saveWithRTF);
    grid.SetCellEx(1, 1, text);
    QTEST(Saved(grid, 1, 1), "saved");
  }

  void save_cell_virtual_or_raw_then_event() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, QStringLiteral("raw"));
    grid.OnGetDisplText = [](auto*, int, int, QString& Value) { Value = "shown " + Value; };
    QCOMPARE(Saved(grid, 1, 1), QStringLiteral("shown raw"));
    grid.SetSaveVirtCells(false);
    QCOMPARE(Saved(grid, 1, 1), QStringLiteral("raw"));
    grid.OnSaveCell = [](TZadIrururOziz*, int ACol, int ARow, QString& Value) {
      Value += QStringLiteral("@%1,%2").arg(ACol).arg(ARow);
    };
    QCOMPARE(Saved(grid, 1, 1), QStringLiteral("raw@1,1"));
  }

  void save_cell_of_empty_check_boxes() {
    TZadIrururOziz grid;
    grid.AddCheckBox(1, 3, true, false);
    grid.AddCheckBox(1, 4, false, false);
    grid.AddCheckBox(1, 5, cbChecked);
    grid.AddCheckBox(1, 6, cbGrayed);
    grid.AddCheckBox(1, 7, true, false);
    grid.SetCellEx(1, 7, QStringLiteral("own text"));
    const QStringList expected{"Y", "N", "Y", "N", "own text"};
    QStringList saved;
    for (int r = 3; r <= 7; ++r) saved << Saved(grid, 1, r);
    QCOMPARE(saved, expected);
    // With a row above hidden the boxes are read at their real rows.
    grid.HideRow(1);
    saved.clear();
    for (int r = 2; r <= 6; ++r) saved << Saved(grid, 1, r);
    QCOMPARE(saved, expected);
    grid.SetCheckTrue(QStringLiteral("yes"));
    QCOMPARE(Saved(grid, 1, 2), QStringLiteral("yes"));
  }

  void load_cell_goes_through_the_event_into_the_raw_cell() {
    TZadIrururOziz grid;
    int shown = 0;
    grid.OnGetDisplText = [&](auto*, int, int, QString&) { ++shown; };
    grid.OnLoadCell = [](TZadIrururOziz*, int ACol, int, QString& Value) {
      if (ACol == 2) Value = Value.trimmed();
    };
    grid.DoLoadCell(2, 1, QStringLiteral("  padded "));
    grid.DoLoadCell(3, 1, QStringLiteral("  kept "));
    QCOMPARE(grid.GetGridCell(2, 1), QStringLiteral("padded"));
    QCOMPARE(grid.GetGridCell(3, 1), QStringLiteral("  kept "));
    QCOMPARE(shown, 0);
  }

  // ---- tri-state check boxes

  void tri_state_column_and_range() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.AddTriStateCheckBoxColumn(2, cbGrayed);
    QVERIFY(!grid.HasCheckBox(2, 0));
    TCheckBoxState state = cbUnchecked;
    QVERIFY(grid.GetCheckBoxState(2, 3, state));
    QCOMPARE(state, cbGrayed);
    grid.MouseActions().SetCheckAllCheck(true);
    grid.AddTriStateCheckBoxColumn(3, cbChecked);
    QVERIFY(grid.GetCheckBoxState(3, 0, state));
    QCOMPARE(state, cbChecked);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, grid.AddCheckBox(-1, 1, cbChecked));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, grid.AddCheckBox(1, grid.RowCount(), cbChecked));
    grid.HideRow(1);
    // One beyond the shown rows is still a cell while a row is hidden.
    grid.AddCheckBox(1, grid.RowCount(), cbChecked);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, grid.AddCheckBox(grid.ColCount(), 1, cbChecked));
  }

  void check_box_state_is_read_in_hidden_rows() {
    TZadIrururOziz grid;
    grid.SetRowCount(6);
    grid.AddCheckBox(1, 2, true, false);
    grid.AddCheckBox(1, 3, cbGrayed);
    grid.AddCheckBox(1, 4, false, true);
    grid.SetCellEx(1, 4, QStringLiteral("Y"));
    grid.HideRows(2, 4);
    struct Case {
      int row;
      bool found;
      TCheckBoxState tri;
      bool two_way_found;
      bool two_way;
    };
    // Real rows 2..4 hidden, 5 shown without a box.
    const Case cases[] = {{2, true, cbChecked, true, true},
                          {3, true, cbGrayed, false, false},
                          {4, true, cbChecked, true, true},
                          {5, false, cbUnchecked, false, false}};
    for (const Case& c : cases) {
      TCheckBoxState tri = cbUnchecked;
      bool two_way = false;
      QCOMPARE(grid.GetCheckBoxState(1, c.row, tri), c.found);
      QCOMPARE(tri, c.tri);
      QCOMPARE(grid.GetCheckBoxState(1, c.row, two_way), c.two_way_found);
      QCOMPARE(two_way, c.two_way);
    }
    grid.UnHideRowsAll();
    TCheckBoxState tri = cbUnchecked;
    QVERIFY(grid.GetCheckBoxState(1, 3, tri));
    QCOMPARE(tri, cbGrayed);
  }

  void check_box_state_without_a_box_leaves_state() {
    TZadIrururOziz grid;
    TCheckBoxState tri = cbGrayed;
    QVERIFY(!grid.GetCheckBoxState(1, 1, tri));
    QVERIFY(!grid.GetCheckBoxState(-1, 1, tri));
    QCOMPARE(tri, cbGrayed);
    grid.MouseActions().SetHotmailRowSelect(true);
    grid.SetRowSelect(2, true);
    QVERIFY(grid.GetCheckBoxState(0, 2, tri));
    QCOMPARE(tri, cbChecked);
    QCOMPARE(TZadIrururOziz::BoolToCheckBoxState(false), cbUnchecked);
  }

  // ---- edit mask, filter and fixed-edit hooks

  void edit_mask_per_cell() {
    TZadIrururOziz grid;
    grid.SetEditMask(QStringLiteral("000"));
    QCOMPARE(grid.QueryEditMask(1, 1), QStringLiteral("000"));
    grid.OnGetEditMask = [](TZadIrururOziz*, int ACol, int, QString& Value) {
      if (ACol == 2) Value = QStringLiteral("aa");
    };
    QCOMPARE(grid.QueryEditMask(2, 1), QStringLiteral("aa"));
    QCOMPARE(grid.QueryEditMask(1, 1), QStringLiteral("000"));
    int done = 0;
    grid.OnFilterDone = [&](TZadIrururOziz*) { ++done; };
    grid.DoFilterDone();
    QCOMPARE(done, 1);
    QString value;
    grid.SetCellEx(1, 1, QStringLiteral("=1+2"));
    grid.CalcCellText(1, 1, value);
    QCOMPARE(value, QStringLiteral("=1+2"));
  }

  // ---- the header-cell editor

  void header_double_click_opens_the_editor_unless_refused() {
    TZadIrururOziz grid;
    grid.resize(500, 250);
    grid.SetCellEx(2, 0, QStringLiteral("Name"));
    grid.MouseActions().SetFixedRowsEdit(fceDblClick);
    grid.show();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    bool allow = false;
    QList<QPoint> asked;
    grid.OnCanEditCell = [&](TZadIrururOziz*, int ARow, int ACol, bool& CanEdit) {
      asked << QPoint(ACol, ARow);
      CanEdit = allow;
    };
    const TRect r = grid.CellRect(2, 0);
    const QPoint p(r.Left + r.Width() / 2, r.Top + 5);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, p);
    QCOMPARE(asked, QList<QPoint>{QPoint(2, 0)});
    QVERIFY(!grid.FixedEdit()->isVisible());

    allow = true;
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, p);
    TGridTransEdit* edit = grid.FixedEdit();
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("Name"));
    QCOMPARE(edit->geometry(), r.Inflate(-1, -1).To_QRect());
    QCOMPARE(QPoint(grid.FixedColEdit(), grid.FixedRowEdit()), QPoint(2, 0));
    edit->setText(QStringLiteral("Renamed"));
    grid.setFocus();
    QVERIFY(!edit->isVisible());
    QCOMPARE(grid.GetCellEx(2, 0), QStringLiteral("Renamed"));
  }

  void header_combo_kind_and_items_from_the_event() {
    TZadIrururOziz grid;
    grid.resize(500, 250);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetCellEx(0, 3, QStringLiteral("Two"));
    grid.MouseActions().SetFixedColsEditor(fceComboList);
    grid.MouseActions().SetFixedComboValues({QStringLiteral("One"), QStringLiteral("Two")});
    QList<int> kinds;
    grid.OnFixedEdit = [&](TZadIrururOziz*, int ACol, int, TGridFixedCellEditor& AEditor, QStringList& Values) {
      kinds << int(AEditor);
      if (ACol == 0) Values << QStringLiteral("Three");
      if (ACol == 1) AEditor = fceComboEdit;
    };
    grid.EditFixedCell(0, 3);
    TGridTransCombo* combo = grid.FixedCombo();
    QVERIFY(combo->isVisible());
    QCOMPARE(combo->Style(), csDropDownList);
    QCOMPARE(combo->Items().Count(), 3);
    QCOMPARE(combo->Text(), QStringLiteral("Two"));
    const TRect r = grid.CellRect(0, 3).Inflate(-1, -1);
    QCOMPARE(combo->geometry(), QRect(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height()));
    QVERIFY(combo->StopEdit());
    // A header of a data column takes the row editor, changed by the event.
    grid.EditFixedCell(1, 0);
    QCOMPARE(combo->Style(), csDropDown);
    QVERIFY(!grid.FixedEdit()->isVisible());
    QCOMPARE(kinds, (QList<int>{fceComboList, fceEdit}));
  }

  // The grid hears of every change the user makes in a header editor, for
  // the header cell, and of its end once; opening it is no change.
  void header_editors_report_changes_and_the_end() {
    TZadIrururOziz grid;
    grid.resize(500, 250);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetCellEx(2, 0, QStringLiteral("Nm"));
    QStringList changes;
    grid.OnEditChange = [&](TZadIrururOziz*, int ACol, int ARow, const QString& Value) {
      changes << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Value);
    };
    QList<QPoint> validated;
    grid.OnCellValidate = [&](TZadIrururOziz*, int ACol, int ARow, QString&, bool&) {
      validated << QPoint(ACol, ARow);
    };
    int done = 0;
    grid.OnEditingDone = [&](TZadIrururOziz*) { ++done; };
    grid.EditFixedCell(2, 0);
    TGridTransEdit* edit = grid.FixedEdit();
    QVERIFY(changes.isEmpty());
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("e"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(changes, (QStringList{QStringLiteral("2,0 Nme"), QStringLiteral("2,0 Nm")}));
    QVERIFY(edit->StopEdit());
    QCOMPARE(validated, QList<QPoint>{QPoint(2, 0)});
    QCOMPARE(done, 1);

    changes.clear();
    grid.MouseActions().SetFixedRowsEditor(fceComboEdit);
    grid.MouseActions().SetFixedComboValues({QStringLiteral("One"), QStringLiteral("Two")});
    grid.SetCellEx(1, 0, QStringLiteral("One"));
    grid.EditFixedCell(1, 0);
    TGridTransCombo* combo = grid.FixedCombo();
    QVERIFY(changes.isEmpty());
    QTest::keyClick(combo->EditPart(), Qt::Key_Down);
    QTest::keyClicks(combo->EditPart(), QStringLiteral("!"));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes[0], QStringLiteral("1,0 Two"));
    QCOMPARE(changes[1], QStringLiteral("1,0 ") + combo->Text());
    QVERIFY(combo->StopEdit());
    QCOMPARE(grid.GetCellEx(1, 0), combo->Text());
    QCOMPARE(done, 2);
  }

  void open_header_editor_refusing_its_value_keeps_others_closed() {
    TZadIrururOziz grid;
    grid.resize(500, 250);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.OnCellValidate = [](TZadIrururOziz*, int, int, QString& Value, bool& Valid) { Valid = !Value.isEmpty(); };
    grid.EditFixedCell(1, 0);
    grid.FixedEdit()->setText(QString());
    int asked = 0;
    grid.OnCanEditCell = [&](TZadIrururOziz*, int, int, bool&) { ++asked; };
    grid.EditFixedCell(2, 0);
    QCOMPARE(asked, 0);
    QCOMPARE(grid.FixedColEdit(), 1);
    QCOMPARE(grid.FixedEdit()->Col(), 1);
  }
};

QTEST_MAIN(GridHooksTest)
#include "grid_hooks_test.moc"
