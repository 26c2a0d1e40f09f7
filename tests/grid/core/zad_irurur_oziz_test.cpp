#include "grid/core/zad_irurur_oziz.h"

#include <QtTest>

namespace {

class Sized_Picture : public TCellPicture {
 public:
  Sized_Picture(int w, int h) : w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }

 private:
  int w_, h_;
};

void Fill_Rows(TZadIrururOziz& grid) {
  for (int r = 0; r < grid.RowCount(); ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
}

QStringList Column(TZadIrururOziz& grid, int c) {
  QStringList texts;
  for (int r = 0; r < grid.RowCount(); ++r) texts << grid.GetCellEx(c, r);
  return texts;
}

}  // namespace

class ZadIrururOzizTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void fresh_grid_defaults() {
    TZadIrururOziz grid;
    QCOMPARE(grid.RowCount(), 10);
    QCOMPARE(grid.ColCount(), 5);
    QCOMPARE(grid.width(), 400);
    QCOMPARE(grid.height(), 250);
    QCOMPARE(grid.DefaultRowHeight(), 22);
    QCOMPARE(grid.RowHeights(4), 22);
    QCOMPARE(grid.FloatFormat(), QString("%.2f"));
    QCOMPARE(grid.CheckTrue(), QString("Y"));
    QCOMPARE(grid.CheckFalse(), QString("N"));
    QCOMPARE(grid.SelectionColor(), TColor(0xEACAB6));
    QCOMPARE(grid.Options() & (goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect),
             TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect));
    QCOMPARE(grid.MinColWidth(), 0);
    QVERIFY(!grid.IsDesigning());
    grid.Loaded();
    QCOMPARE(grid.MinColWidth(), 10);
    QCOMPARE(grid.MaxRowCount(), 10);
  }

  void hidden_rows_translate_and_come_back() {
    TZadIrururOziz grid;
    Fill_Rows(grid);
    grid.SetRowHeights(4, 40);
    TCellProperties* props = grid.GetCellProperties(1, 4);
    grid.HideRows(3, 4);
    QCOMPARE(grid.RowCount(), 8);
    QCOMPARE(grid.NumHiddenRows(), 2);
    QCOMPARE(grid.RealRowIndex(3), 5);
    QCOMPARE(grid.DisplRowIndex(5), 3);
    QVERIFY(grid.IsHiddenRow(4));
    QCOMPARE(grid.GetCellEx(1, 3), QString("r5"));
    QCOMPARE(grid.RealRowIndex(20), 22);  // past the shown rows
    grid.UnHideRows(3, 4);
    QCOMPARE(grid.RowCount(), 10);
    QCOMPARE(grid.GetCellEx(1, 3), QString("r3"));
    QCOMPARE(grid.GetCellEx(1, 4), QString("r4"));
    QCOMPARE(grid.RowHeights(4), 40);
    QCOMPARE(grid.GetGridObject(1, 4), props);
  }

  void hiding_around_already_hidden_rows() {
    TZadIrururOziz grid;
    Fill_Rows(grid);
    grid.HideRow(5);
    grid.HideRows(3, 6);
    QCOMPARE(grid.NumHiddenRows(), 4);
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(grid.GetCellEx(1, 3), QString("r7"));
    grid.UnHideRows(4, 6);  // row 3 stays hidden
    QCOMPARE(grid.NumHiddenRows(), 1);
    QCOMPARE(grid.GetCellEx(1, 3), QString("r4"));
    grid.HideRows(4, 6);
    grid.UnHideRowsAll();
    QCOMPARE(grid.NumHiddenRows(), 0);
    QCOMPARE(Column(grid, 1), QStringList({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
    // A range that does not start at a hidden row restores nothing.
    grid.HideRows(4, 6);
    grid.UnHideRows(3, 6);
    QCOMPARE(grid.NumHiddenRows(), 3);
    grid.UnHideRowsAll();
    QCOMPARE(grid.RowCount(), 10);
  }

  // Thousands of hidden rows, shown again out of order and hidden anew:
  // their records are reused in place, and every row comes back intact.
  void many_hidden_rows_come_back_intact() {
    TZadIrururOziz grid;
    grid.SetRowCount(5000);
    for (int r = 0; r < 5000; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
    grid.SetRowHeights(2500, 33);
    grid.HideRows(1000, 4998);
    QCOMPARE(grid.NumHiddenRows(), 3999);
    grid.UnHideRows(2000, 2999);
    grid.HideRows(100, 199);
    QCOMPARE(grid.NumHiddenRows(), 3099);
    QCOMPARE(grid.GetCellEx(1, 100), QString("r200"));
    QCOMPARE(grid.GetCellEx(1, 1400), QString("r2500"));
    grid.UnHideRowsAll();
    QCOMPARE(grid.RowCount(), 5000);
    for (int r = 0; r < 5000; ++r)
      if (grid.GetCellEx(1, r) != QString("r%1").arg(r)) QFAIL(qPrintable(QString("row %1 lost its text").arg(r)));
    QCOMPARE(grid.RowHeights(2500), 33);
  }

  void hide_row_list_stacks_levels() {
    TZadIrururOziz grid;
    Fill_Rows(grid);
    TIntList list(0, 0);
    list.Add(2);
    list.Add(5);
    grid.HideRowList(list);
    QCOMPARE(grid.RowCount(), 8);
    QCOMPARE(grid.GetCellEx(1, 2), QString("r3"));
    grid.HideRowList(list);  // display rows 2 and 5 now hold r3 and r7
    QCOMPARE(grid.FilterLevel(), 2);
    QCOMPARE(grid.RowCount(), 6);
    grid.UnHideRowList();
    grid.SetFilterLevel(grid.FilterLevel() - 1);
    QCOMPARE(grid.RowCount(), 8);
    QCOMPARE(grid.NumHiddenRows(), 2);
    QCOMPARE(Column(grid, 1), QStringList({"r0", "r1", "r3", "r4", "r6", "r7", "r8", "r9"}));
    grid.UnHideRowList();
    QCOMPARE(Column(grid, 1), QStringList({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
  }

  void hidden_columns_translate() {
    TZadIrururOziz grid;
    for (int c = 0; c < 5; ++c) grid.SetCellEx(c, 1, QString("c%1").arg(c));
    grid.SetColWidths(2, 77);
    grid.HideColumns(2, 2);
    QCOMPARE(grid.ColCount(), 4);
    QCOMPARE(grid.NumHiddenColumns(), 1);
    QCOMPARE(grid.TotalColCount(), 5);
    QCOMPARE(grid.RealColIndex(2), 3);
    QCOMPARE(grid.DisplColIndex(3), 2);
    QCOMPARE(grid.GetCellEx(grid.RealColIndex(2), 1), QString("c3"));
    QCOMPARE(grid.RealColIndex(9), 10);  // past the shown columns
    grid.UnHideColumn(2);
    QCOMPARE(grid.ColCount(), 5);
    QCOMPARE(grid.ColWidths(2), 77);
    // The last shown column is never hidden.
    TZadIrururOziz narrow;
    narrow.SetColCount(1);
    narrow.HideColumn(0);
    QCOMPARE(narrow.ColCount(), 1);
    QCOMPARE(narrow.NumHiddenColumns(), 0);
  }

  void remove_rows_keeps_flags_with_rows() {
    TZadIrururOziz grid;
    Fill_Rows(grid);
    grid.SetShowModifiedEnabled(true);
    grid.SetRowModified(7, true);
    grid.SetRowModified(8, true);
    grid.RemoveRows(5, 2);
    QCOMPARE(grid.RowCount(), 8);
    QVERIFY(grid.RowModified(5));
    QVERIFY(grid.RowModified(6));
    QVERIFY(!grid.RowModified(7));
    QCOMPARE(grid.GetCellEx(1, 5), QString("r7"));
    // Storage rows that slid out are empty when the grid grows again.
    grid.SetRowCount(10);
    QCOMPARE(grid.GetCellEx(1, 8), QString());
    grid.SetRowCount(10);
    grid.RemoveRows(8, 5);
    QCOMPARE(grid.RowCount(), 8);
    grid.RemoveRows(-1, 2);
    grid.RemoveRows(20, 2);
    QCOMPARE(grid.RowCount(), 8);
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SetRowModified(-1, true));
  }

  void remove_rows_shifts_hidden_records() {
    TZadIrururOziz grid;
    Fill_Rows(grid);
    grid.HideRow(6);
    grid.RemoveRows(3, 1);
    QCOMPARE(grid.GridItems().front()->Idx, 5);
    grid.UnHideRowsAll();
    QCOMPARE(grid.GetCellEx(1, 5), QString("r6"));
  }

  void remove_duplicates_by_case() {
    TZadIrururOziz grid;
    grid.SetRowCount(5);
    const QStringList texts{"abc", "ABC", "abc", "x"};
    for (int i = 0; i < texts.size(); ++i) grid.SetCellEx(1, i + 1, texts[i]);
    TZadIrururOziz other;
    other.SetRowCount(5);
    for (int i = 0; i < texts.size(); ++i) other.SetCellEx(1, i + 1, texts[i]);
    grid.RemoveDuplicates(1, true);
    QCOMPARE(Column(grid, 1), QStringList({"", "abc", "ABC", "x"}));
    other.RemoveDuplicates(1, false);
    QCOMPARE(Column(other, 1), QStringList({"", "abc", "x"}));
  }

  void insert_move_and_columns() {
    TZadIrururOziz grid;
    Fill_Rows(grid);
    grid.InsertRows(2, 1);
    QCOMPARE(grid.RowCount(), 11);
    QCOMPARE(grid.GetCellEx(1, 2), QString());
    QCOMPARE(grid.GetCellEx(1, 3), QString("r2"));
    grid.RemoveRows(2, 1);
    grid.SetRowModified(2, true);
    grid.MoveRows(2, 6, 2);  // r2, r3 go below r5
    QCOMPARE(Column(grid, 1).mid(0, 7), QStringList({"r0", "r1", "r4", "r5", "r2", "r3", "r6"}));
    QVERIFY(grid.RowModified(4));
    QVERIFY(!grid.RowModified(2));
    grid.AddRow();
    QCOMPARE(grid.RowCount(), 11);
    grid.SetCellEx(3, 1, "three");
    grid.InsertCols(2, 1);
    QCOMPARE(grid.ColCount(), 6);
    QCOMPARE(grid.GetCellEx(4, 1), QString("three"));
    grid.RemoveCols(2, 2);
    QCOMPARE(grid.ColCount(), 4);
    QCOMPARE(grid.GetCellEx(2, 1), QString("three"));
    grid.RemoveCols(1, 99);  // cut to the columns there are
    QCOMPARE(grid.ColCount(), 1);
  }

  void clear_trim_merge_and_queries() {
    TZadIrururOziz grid;
    QCOMPARE(grid.UsedCells(), (TGridRect{0, 0, 0, 0}));
    grid.SetCellEx(2, 3, "x");
    QCOMPARE(grid.UsedCells(), (TGridRect{2, 3, 2, 3}));
    int c = -1, r = -1;
    QVERIFY(grid.IsCell("x", c, r));
    QCOMPARE(QPoint(c, r), QPoint(2, 3));
    QVERIFY(!grid.IsCell("X", c, r));
    grid.SetCellEx(1, 2, " \tpadded\r\n");
    grid.TrimAll();
    QCOMPARE(grid.GetCellEx(1, 2), QString("padded"));
    grid.GetCellProperties(1, 1);
    grid.ClearRect(1, 1, 2, 2);
    QVERIFY(grid.HasCellProps());
    grid.ClearRect(0, 0, grid.ColCount() - 1, grid.RowCount() - 1);
    QVERIFY(!grid.HasCellProps());
    QCOMPARE(grid.GetCellEx(2, 3), QString());
    for (int col = 1; col <= 3; ++col) grid.SetCellEx(col, 1, col < 3 ? "A" : "B");
    grid.MergeRowCells(1, true);
    QCOMPARE(grid.FullCell(2, 1), (TGridRect{1, 1, 2, 1}));
    QVERIFY(!grid.IsMergedCell(3, 1));
    QVERIFY(grid.HasCellProperties(3, 1));  // a 1 x 1 merge
    grid.SplitAllCells();
    QVERIFY(!grid.IsMergedCell(1, 1));
  }

  void row_writer_fires_update_once() {
    TZadIrururOziz grid;
    QList<QPoint> updates;
    grid.OnRowUpdate = [&](TZadIrururOziz*, int old_row, int new_row) { updates << QPoint(old_row, new_row); };
    grid.SetRow(3);
    QCOMPARE(updates.size(), 1);
    QCOMPARE(updates.back().y(), 3);
    grid.SetRow(3);
    QCOMPARE(updates.size(), 1);
    grid.SetRow(5);
    QCOMPARE(updates.back(), QPoint(3, 5));
    const int top = grid.TopRow();
    grid.SetTopRow(grid.RowCount());
    QCOMPARE(grid.TopRow(), top);
    grid.SetFixedRowAlways(true);
    grid.SetRowCount(1);
    grid.SetFixedRows(1);
    QCOMPARE(grid.FixedRows(), 0);
    QCOMPARE(grid.GetFixedRows(), 1);
    grid.SetRowCount(5);
    QCOMPARE(grid.FixedRows(), 1);
    grid.SetVAlignment(vtaBottom);
    QCOMPARE(grid.VAlignFlag(), 8u);
    QCOMPARE(grid.MaxRowCount(), 10);
  }

  void cell_objects_and_sizes() {
    TCellGraphic graphic;
    graphic.SetAngle(-30);
    QCOMPARE(graphic.CellAngle, 330);
    graphic.SetAngle(720);
    QCOMPARE(graphic.CellAngle, 360);
    Sized_Picture picture(200, 100);
    graphic.SetPicture(&picture, false, ShrinkWithAspectRatio, 0, haLeft, vaTop);
    QCOMPARE(graphic.GetPictureSize(100, 100, false), QPoint(100, 50));
    QCOMPARE(graphic.GetPictureSize(300, 300, false), QPoint(200, 100));
    graphic.CellAngle = StretchWithAspectRatio;
    QCOMPARE(graphic.GetPictureSize(300, 300, false), QPoint(300, 150));

    TZadIrururOziz grid;
    QCOMPARE(grid.GetCellType(-1, 0), ctEmpty);
    grid.SetCellEx(2, 2, "text");
    grid.AddCheckBox(2, 2, true, false);
    QCOMPARE(grid.GetCellType(2, 2), ctCheckBox);
    QCOMPARE(grid.GetCellEx(2, 2), QString("text"));
    QVERIFY(grid.HasCellControl(2, 2));
    QVERIFY(!grid.RemoveCellGraphicOfType(2, 2, ctButton));
    grid.AddButton(2, 2, 40, 18, "Go", haLeft, vaTop);  // replaces the check box
    QCOMPARE(grid.GetCellType(2, 2), ctButton);
    QVERIFY(grid.RemoveCellGraphicOfType(2, 2, ctButton));
    QCOMPARE(grid.GetCellType(2, 2), ctEmpty);
    QCOMPARE(grid.GetCellEx(3, 3), QString());
    grid.AddCheckBox(3, 3, false, false);
    QCOMPARE(grid.GetCellEx(3, 3), QString());

    // The shared row check box answers for column 0 and is never freed.
    grid.MouseActions().SetHotmailRowSelect(true);
    TCellGraphic* shared = grid.GetCellGraphic(0, 1);
    QCOMPARE(grid.GetCellGraphic(0, 5), shared);
    QCOMPARE(shared->CellType, ctRowCheckBox);
    grid.AddCheckBox(0, 2, true, false);
    QCOMPARE(grid.GetCellGraphic(0, 2), shared);
    grid.ClearRect(0, 0, 4, 9);
    QVERIFY(grid.RemoveCellGraphic(0, 1));
    QCOMPARE(grid.GetCellGraphic(0, 1), shared);
  }

  void per_cell_questions() {
    TZadIrururOziz grid;
    int fixed_events = 0;
    grid.OnIsFixedCell = [&](TZadIrururOziz*, int, int, bool&) { ++fixed_events; };
    bool fixed = false;
    grid.DoIsFixedCell(0, 0, fixed);
    QVERIFY(fixed);
    QCOMPARE(fixed_events, 0);
    fixed = false;
    grid.DoIsFixedCell(2, 2, fixed);
    QCOMPARE(fixed_events, 1);

    const QStringList texts{" New York", "Boston", "Boston", "Rome ", "a=\"b\""};
    for (int i = 0; i < texts.size(); ++i) grid.SetCellEx(1, i + 1, texts[i]);
    grid.SetFilterDropDownAuto(true);
    QVERIFY(grid.DoGetColumnFilter(1));
    QCOMPARE(grid.FilterList(), QStringList({"(All)", "", "Boston", "New York", "Rome", "a=\"b\""}));
    QCOMPARE(grid.FilterConditions(), QStringList({"", "", "Boston", "\"New York\"", "Rome", "a=\"b\""}));

    // Editability: properties without goEditing keep a cell from editing
    // unless the event allows it; a cell without properties keeps CanEdit.
    grid.GetCellProperties(2, 2);
    bool can_edit = true;
    grid.CheckCellEditable(2, 2, can_edit);
    QVERIFY(!can_edit);
    can_edit = true;
    grid.CheckCellEditable(3, 3, can_edit);
    QVERIFY(can_edit);
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int, bool& value) { value = true; };
    can_edit = true;
    grid.CheckCellEditable(2, 2, can_edit);
    QVERIFY(can_edit);

    // A check box cell keeps the incoming brush; the font still follows the properties.
    grid.GetCellProperties(3, 3)->SetBrushColor(clRed);
    grid.GetCellProperties(3, 3)->SetFontColor(clBlue);
    grid.AddCheckBox(3, 3, true, false);
    TCanvas::Brush_State brush;
    brush.Color = clWhite;
    QFont font;
    TColor font_color = clBlack;
    grid.DoGetCellColor(3, 3, 0, brush, font, font_color);
    QCOMPARE(brush.Color, clWhite);
    QCOMPARE(font_color, clBlue);
    QString check;
    grid.DoGetCheckTrue(1, 1, check);
    QCOMPARE(check, QString("Y"));
    QVERIFY(!grid.DoHasSpinEdit(0, 3));
  }

  void assign_copies_settings_and_cells() {
    TZadIrururOziz source;
    source.SetColCount(7);
    source.SetRowCount(12);
    source.SetColWidths(3, 99);
    source.SetCellEx(3, 4, "copied");
    source.GetCellProperties(3, 4)->SetBrushColor(clYellow);
    source.Bands().SetPrimaryLength(3);
    TZadIrururOziz target;
    target.Assign(source);
    QCOMPARE(target.ColCount(), 7);
    QCOMPARE(target.RowCount(), 12);
    QCOMPARE(target.ColWidths(3), 99);
    QCOMPARE(target.GetCellEx(3, 4), QString("copied"));
    QCOMPARE(target.GetCellProperties(3, 4)->BrushColor(), clYellow);
    QVERIFY(target.GetCellProperties(3, 4) != source.GetCellProperties(3, 4));
    QCOMPARE(target.Bands().TotalLength(), 4);
  }

  void window_resize_reaches_the_grid() {
    QWidget form;
    auto* grid = new TZadIrururOziz(&form);
    int resizes = 0;
    grid->OnResize = [&](TZadIrururOziz*) { ++resizes; };
    form.resize(500, 400);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(grid->GridTimer().isActive());
    grid->resize(300, 200);
    QVERIFY(resizes >= 1);
    delete grid;  // the form's resize no longer reaches a filter
    form.resize(600, 400);
  }

  void shows_headers_and_hidden_columns() {
    TZadIrururOziz grid;
    grid.SetColumnHeaders({"", "Index", "Name", "Value", "Unit"});
    for (int r = 1; r < 6; ++r) {
      grid.SetCellEx(1, r, QString::number(r));
      grid.SetCellEx(2, r, QString("name %1").arg(r));
      grid.SetCellEx(3, r, QString::number(r * 1.5));
      grid.SetCellEx(4, r, "kWh");
    }
    grid.HideColumn(3);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.GetCellEx(grid.RealColIndex(3), 0), QString("Unit"));
    const QImage image = grid.grab().toImage();
    if (!qEnvironmentVariableIsEmpty("KELVRA_GRID_SHOT")) image.save(qEnvironmentVariable("KELVRA_GRID_SHOT"));
  }
};

QTEST_MAIN(ZadIrururOzizTest)
#include "zad_irurur_oziz_test.moc"
