// The string grid's sizing and measuring, check-box, radio and image cells
// and cell hints, in a plain string grid and in a column grid.
#include <QToolTip>
#include <QtTest>

#include "grid/columns/zad_column_grid.h"

class GridCellsSizingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void auto_fit_shares_the_room_in_proportion() {
    TZadIrururOziz grid;
    grid.resize(400, 250);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    const QList<int> widths{50, 50, 100, 50};
    for (int c = 0; c < 4; ++c) grid.SetColWidths(c, widths[c]);
    grid.AutoFitColumns(false);
    QCOMPARE(grid.ColWidths(0), 50);
    QCOMPARE(grid.ColWidths(1), 87);
    QCOMPARE(grid.ColWidths(2), 176);
    QCOMPARE(grid.ColWidths(3), 87);
    // Columns that fill the room already stay.
    grid.AutoFitColumns(false);
    QCOMPARE(grid.ColWidths(2), 176);
  }

  // The room for an always-shown drop-down button is asked by the real
  // column, as the painter asks it, also after a hidden column.
  void auto_size_leaves_room_for_the_drop_down_after_a_hidden_column() {
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.SetRowCount(3);
    grid.SetCellEx(3, 1, "some text");
    grid.OnHasComboBox = [](TZadIrururOziz*, int ACol, int, bool& has) { has = ACol == 3; };
    grid.HideColumn(1);
    grid.AutoSizeCol(2, 0);
    const int plain = grid.ColWidths(2);
    grid.ControlLook().SetDropDownAlwaysVisible(true);
    grid.AutoSizeCol(2, 0);
    QCOMPARE(grid.ColWidths(2), plain + 16);
  }

  void auto_size_col_fits_the_widest_text_within_limits() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.SetCellEx(1, 0, "Id");
    grid.SetCellEx(1, 2, "a rather long cell text");
    grid.SetCellEx(1, 3, "short");
    const int text = grid.GetCellTextSize(1, 2, false, false).width();
    const int expected = grid.HorzCellMargin() + text + 2 * (grid.GridLineWidth() + 1);
    grid.SetColWidths(1, 400);
    grid.AutoSizeCol(1, 0);
    QCOMPARE(grid.ColWidths(1), expected);
    grid.SetSizeGrowOnly(true);
    grid.SetColWidths(1, 400);
    grid.AutoSizeCol(1, 0);
    QCOMPARE(grid.ColWidths(1), 400);
    grid.SetSizeGrowOnly(false);
    grid.SetMaxColWidth(60);
    grid.SetMinColWidth(20);
    grid.AutoSizeCol(1, 0);
    QCOMPARE(grid.ColWidths(1), 60);
    grid.AutoSizeCol(1, 500);  // padding within the limits too
    QCOMPARE(grid.ColWidths(1), 60);
    grid.SetMaxColWidth(0);
    grid.Columns()[1]->SetAutoMaxSize(45);
    grid.AutoSizeCol(1, 0);
    QCOMPARE(grid.ColWidths(1), 45);
    // Only the header rows decide.
    grid.Columns()[1]->SetAutoMaxSize(0);
    grid.SetColumnSizeRows(TZadIrururOziz::arFixed);
    grid.AutoSizeCol(1, 0);
    QVERIFY(grid.ColWidths(1) < expected);
  }

  void margins_lines_and_font_heights() {
    TZadIrururOziz grid;
    QCOMPARE(grid.HorzCellMargin(), 4);
    QCOMPARE(grid.VertCellMargin(), 4);
    grid.PaintLook().XYOffsetTopLeftOnly = true;
    QCOMPARE(grid.HorzCellMargin(), 2);
    grid.SetCellEx(1, 1, "a");
    grid.SetCellEx(2, 1, "b\r\nc");
    grid.SetCellEx(1, 2, "abc\r\ndefgh");
    grid.SetCellEx(1, 3, "xy");
    QCOMPARE(grid.MaxLinesInRow(1), 1);
    QCOMPARE(grid.MaxCharsInCol(1), 3);
    grid.PaintLook().Multilinecells = true;
    QCOMPARE(grid.MaxLinesInRow(1), 2);
    QCOMPARE(grid.MaxCharsInCol(1), 5);
    const QList<QPair<int, int>> heights{{10, -35}, {8, -28}, {12, -42}};
    for (auto [points, height] : heights) QCOMPARE(grid.MapFontHeight(points), height);
    grid.SetFontscalefactor(0.5);
    QCOMPARE(grid.MapFontHeight(10), -17);
    QCOMPARE(TZadIrururOziz::MapFontSize(35), 9);
    QCOMPARE(TZadIrururOziz::MapFontSize(-35), -9);
  }

  void rows_sized_by_lines_or_by_content() {
    TZadIrururOziz grid;
    grid.SetRowCount(4);
    grid.PaintLook().Multilinecells = true;
    grid.SetGridWordWrap(false);
    grid.SetCellEx(1, 1, "one");
    grid.SetCellEx(2, 2, "a\r\nb\r\nc");
    grid.AutoSizeRows(false, 3);
    const int h = QFontMetrics(grid.GridFont()).height();
    QCOMPARE(grid.RowHeights(1), 3 + (h + h / 8));
    QCOMPARE(grid.RowHeights(2), 3 + 3 * (h + h / 8));
    grid.SetMaxRowHeight(30);
    grid.SetMinRowHeight(20);
    grid.AutoSizeRows(false, 3);
    QCOMPARE(grid.RowHeights(2), 30);
    QCOMPARE(grid.RowHeights(3), 20);
    // Fitting by content: a check box row is a default row high.
    grid.SetMaxRowHeight(0);
    grid.SetMinRowHeight(0);
    grid.AddCheckBox(3, 3, true, false);
    grid.AutoSizeRow(3, 0);
    QCOMPARE(grid.RowHeights(3), grid.VertCellMargin() + grid.DefaultRowHeight() + 2 * grid.GridLineWidth());
  }

  void data_check_box_column_toggles_between_its_texts() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.Columns()[2]->SetEditor(edDataCheckBox);
    QList<bool> changes;
    grid.OnCheckBoxChange = [&](TZadIrururOziz*, int, int, bool state) { changes << state; };
    QVERIFY(grid.HasCheckBox(2, 1));
    QVERIFY(grid.FlipCheckBox(2, 1, true));
    QCOMPARE(grid.GetCellEx(2, 1), QString("Y"));
    QVERIFY(grid.IsChecked(2, 1));
    QVERIFY(grid.FlipCheckBox(2, 1, true));
    QCOMPARE(grid.GetCellEx(2, 1), QString("N"));
    QCOMPARE(changes, QList<bool>({true, false}));
    // The item's texts, not the grid's.
    grid.Columns()[2]->SetCheckTrue("J");
    grid.FlipCheckBox(2, 1, true);
    QCOMPARE(grid.GetCellEx(2, 1), QString("J"));
    // A read-only column refuses a click but not the program.
    grid.Columns()[2]->SetReadOnly(true);
    QVERIFY(!grid.FlipCheckBox(2, 1, true));
    QVERIFY(grid.ToggleCheckBox(2, 1));
    QCOMPARE(grid.GetCellEx(2, 1), QString("N"));
    // No box in header rows or plain columns.
    QVERIFY(!grid.FlipCheckBox(2, 0, false));
    QVERIFY(!grid.FlipCheckBox(1, 1, false));
    // Setting the state reports nothing; changing it reports a change only.
    changes.clear();
    QVERIFY(grid.SetCheckBoxState(2, 3, true));
    QVERIFY(grid.ChangeCheckBoxState(2, 3, true));
    QVERIFY(grid.ChangeCheckBoxState(2, 3, false));
    QCOMPARE(changes, QList<bool>({false}));
  }

  void added_check_boxes_and_tri_state() {
    TZadIrururOziz grid;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, grid.AddCheckBox(grid.ColCount(), 1, true, false));
    grid.SetCellEx(1, 1, "N");
    grid.AddCheckBox(1, 1, true, true);
    QCOMPARE(grid.GetCellEx(1, 1), QString("N"));  // a check text stays
    grid.AddCheckBox(1, 2, true, true);
    QCOMPARE(grid.GetCellEx(1, 2), QString("Y"));
    QCOMPARE(grid.GetCellGraphic(1, 2)->CellHAlign, haBeforeText);
    grid.AddCheckBox(2, 1, cbUnchecked);
    grid.SetOptions(grid.Options() | goEditing);
    QList<bool> reported;
    grid.OnCheckBoxChange = [&](TZadIrururOziz*, int, int, bool state) { reported << state; };
    const QList<TCheckBoxState> cycle{cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState expected : cycle) {
      QVERIFY(grid.FlipCheckBox(2, 1, true));
      QCOMPARE(grid.GetCellGraphic(2, 1)->CellCheckBoxState, expected);
    }
    QCOMPARE(reported, QList<bool>({false, true, false}));
    grid.RemoveCheckBox(2, 1);
    QVERIFY(!grid.HasCheckBox(2, 1));
  }

  void radio_groups_and_radio_buttons() {
    TZadIrururOziz grid;
    grid.SetOptions(grid.Options() | goEditing);
    QStringList* items = grid.CreateRadio(1, 1, 0, 2);
    *items << "one"
           << "two"
           << "three";
    grid.SelectNextRadioItem(1, 1, false);  // the space key's step
    int idx = -5;
    QVERIFY(grid.GetRadioIdx(1, 1, idx));
    QCOMPARE(idx, 0);
    QCOMPARE(grid.GetCellEx(1, 1), QString("one"));
    QStringList follow{"a", "b", "c"};
    grid.AddRadio(2, 1, 0, -1, &follow);
    grid.SetCellEx(2, 1, "b");
    grid.SelectNextRadioItem(2, 1, false);
    QCOMPARE(grid.GetCellEx(2, 1), QString("c"));

    for (int r = 1; r < 4; ++r) grid.AddRadioButton(3, r, false);
    grid.AddRadioButton(3, 0, true);  // in a fixed row
    QVERIFY(grid.SelectRadioButton(3, 2, true));
    QVERIFY(grid.SelectRadioButton(3, 2, true));
    QCOMPARE(grid.GetRadioButtonColumnIndex(3), 2);
    QVERIFY(!grid.IsRadioButtonChecked(3, 0));
    grid.RemoveCheckBox(3, 2);
    QVERIFY(grid.HasRadioButton(3, 2));
    grid.RemoveRadioButton(3, 2);
    QVERIFY(!grid.HasRadioButton(3, 2));
  }

  void image_cells_need_the_image_list() {
    TZadIrururOziz grid;
    grid.AddCheckBox(1, 1, true, false);
    grid.AddImageIdx(1, 1, 0, haCenter, vaCenter);
    QCOMPARE(grid.GetCellType(1, 1), ctCheckBox);
    QList<QImage> images;
    images << QImage(16, 16, QImage::Format_ARGB32) << QImage(16, 16, QImage::Format_ARGB32);
    grid.SetGridImages(&images);
    QCOMPARE(grid.PaintLook().CellImageList.size(), size_t(2));
    grid.AddImageIdx(1, 1, 1, haCenter, vaCenter);
    grid.AddImageIdx(1, 1, 0, haCenter, vaCenter);
    int idx = -1;
    QVERIFY(grid.GetImageIdx(1, 1, idx));
    QCOMPARE(idx, 0);
    grid.AddDataImage(2, 1, 3, haLeft, vaTop);
    QCOMPARE(grid.GetCellEx(2, 1), QString("3"));
    grid.SetCellEx(2, 2, "5");
    grid.AddDataImage(2, 2, 3, haLeft, vaTop);
    QCOMPARE(grid.GetCellEx(2, 2), QString("5"));
    grid.RemoveDataImage(2, 2);
    QCOMPARE(grid.GetCellEx(2, 2), QString());
    // Not a data image: the text and the object stay.
    grid.SetCellEx(3, 1, "keep");
    grid.AddImageIdx(3, 1, 1, haLeft, vaTop);
    grid.RemoveDataImage(3, 1);
    QCOMPARE(grid.GetCellEx(3, 1), QString("keep"));
    QCOMPARE(grid.GetCellType(3, 1), ctImageList);
    grid.SetImageIdx(3, 1, 1);
    QVERIFY(grid.GetImageIdx(3, 1, idx));
    QCOMPARE(idx, 1);
  }

  void hints_show_large_texts_but_never_passwords() {
    TZadColumnGrid grid;
    grid.resize(400, 250);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetColWidths(1, 40);
    grid.SetHintShowLargeText(true);
    grid.SetCellEx(1, 2, "a text far wider than its column");
    grid.SetCellEx(1, 3, "ok");
    auto hint_at = [&](int c, int r) {
      const TRect rect = grid.CellRect(c, r);
      QString text;
      QPoint at;
      grid.CellHint(QPoint(rect.Left + 3, rect.Top + 3), text, at);
      return text;
    };
    QCOMPARE(hint_at(1, 2), QString("a text far wider than its column"));
    QCOMPARE(hint_at(1, 3), QString());
    grid.Columns()[1]->SetPassword(true);
    QCOMPARE(hint_at(1, 2), QString());
    grid.Columns()[1]->SetPassword(false);
    grid.OnGridHint = [](TZadIrururOziz*, int ARow, int ACol, QString& hint) {
      if (ARow == 3 && ACol == 1) hint = "from the window";
    };
    QCOMPARE(hint_at(1, 3), QString("from the window"));
    grid.SetHintShowCells(true);
    grid.SetCellEx(2, 4, "<b>bold</b>");
    QCOMPARE(hint_at(2, 4), QString("bold"));
    // A merged area answers from its base cell.
    grid.MergeCells(2, 5, 2, 1);
    grid.SetCellEx(2, 5, "merged");
    QCOMPARE(hint_at(3, 5), QString("merged"));
    QCOMPARE(grid.LastHintPos(), (TGridCoord{2, 5}));
    // The tooltip event shows the same text.
    const TRect rect = grid.CellRect(1, 2);
    const QPoint at(rect.Left + 3, rect.Top + 3);
    QHelpEvent tip(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid.viewport(), &tip);
    QCOMPARE(QToolTip::text(), QString("a text far wider than its column"));
  }

  // A column grid laid out like the CANopen tables, saved as a picture for a
  // look at it.
  void canopen_like_table_picture() {
    TZadColumnGrid grid;
    grid.resize(620, 420);
    grid.SetColCount(6);
    grid.SetRowCount(31);
    QList<QImage> images;
    for (QColor colour : {QColor(Qt::green), QColor(Qt::red)}) {
      QImage image(12, 12, QImage::Format_ARGB32);
      image.fill(colour);
      images << image;
    }
    grid.SetGridImages(&images);
    const QStringList headers{"", "Index", "Sub", "Name", "Change", "State"};
    for (int c = 0; c < 6; ++c) grid.Columns()[c]->SetHeader(headers[c]);
    grid.Columns()[4]->SetEditor(edDataCheckBox);
    grid.Columns()[1]->SetAlignment(taRightJustify);
    grid.Columns()[3]->SetColor(0xE0FFFF);
    for (int r = 1; r < 31; ++r) {
      grid.SetCellEx(0, r, QString::number(r));
      grid.SetCellEx(1, r, QString("0x%1").arg(0x2000 + r, 0, 16));
      grid.SetCellEx(2, r, QString::number(r % 4));
      grid.SetCellEx(3, r, QString("Variable %1").arg(r));
      grid.SetCellEx(4, r, r % 3 ? "Y" : "N");
      grid.AddImageIdx(5, r, r % 2, haCenter, vaCenter);
    }
    grid.AutoSizeCol(3, 0);
    grid.HideColumn(2);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FlipCheckBox(4, 3, true);
    QCOMPARE(grid.GetCellEx(4, 3), QString("Y"));  // was "N"
    const QString path = qEnvironmentVariable("COLUMN_GRID_PICTURE");
    if (!path.isEmpty()) QVERIFY(grid.grab().save(path));
  }
};

QTEST_MAIN(GridCellsSizingTest)
#include "grid_cells_sizing_test.moc"
