// Column items, their collection and the column grid built on them.
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/columns/zad_column_grid.h"

namespace {

QStringList Row_Texts(TZadColumnGrid& grid, int r) {
  QStringList texts;
  for (int c = 0; c < grid.ColCount(); ++c) texts << grid.GetCellEx(c, r);
  return texts;
}

}  // namespace

class ColumnGridTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void new_grid_has_one_item_per_column() {
    TZadColumnGrid grid;
    QCOMPARE(grid.Columns().Count(), grid.ColCount());
    TGridColumnItem* item = grid.Columns()[1];
    QCOMPARE(item->Index(), 1);
    QCOMPARE(item->DisplayName(), QString("Column 1"));
    item->SetName("speed");
    QCOMPARE(item->DisplayName(), QString("Col 1: speed"));
    QCOMPARE(grid.GetColumnByName("speed"), item);
    QVERIFY(!grid.GetColumnByName("Speed"));
    QCOMPARE(item->CheckTrue(), QString("Y"));
    QCOMPARE(item->CheckFalse(), QString("N"));
    QCOMPARE(item->DropDownCount(), 8);
    QCOMPARE(item->ColumnPopupType(), cpFixedCellsRClick);
    QCOMPARE(item->PrintBorders(), TCellBorders(cbTop | cbLeft | cbRight | cbBottom));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.Columns().GetItem(grid.ColCount()));
    QCOMPARE(TZadColumnGrid::GetVersionString(), QString("1.1.0.0 Dec, 2026"));
  }

  void header_write_reaches_row_zero_and_the_header_list() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.Columns()[1]->SetHeader("Speed");
    QCOMPARE(grid.GetCellEx(1, 0), QString("Speed"));
    QCOMPARE(grid.ColumnHeaders(), QStringList({"", "Speed", ""}));

    // Without a fixed row, row 0 is data: it stays; the list still follows.
    TZadColumnGrid plain;
    plain.SetColCount(3);
    plain.SetFixedRows(0);
    plain.SetCellEx(1, 0, "data");
    plain.Columns()[1]->SetHeader("Speed");
    QCOMPARE(plain.GetCellEx(1, 0), QString("data"));
    QCOMPARE(plain.ColumnHeaders(), QStringList({"", "Speed", ""}));
  }

  void header_list_and_typed_headers_reach_the_items() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.SetColumnHeaders({"No", "Name", "Value"});
    QCOMPARE(grid.Columns()[2]->Header(), QString("Value"));
    QCOMPARE(grid.GetCellEx(2, 0), QString("Value"));

    TZadColumnGrid typed;
    typed.SetColCount(3);
    typed.SetCellEx(2, 0, "typed");
    typed.Columns()[0]->SetColor(clRed);  // any collection change
    QCOMPARE(typed.Columns()[2]->Header(), QString("typed"));
    QCOMPARE(typed.ColumnHeaders().value(2), QString("typed"));
  }

  void growing_copies_the_last_look_and_shrinking_frees() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.SetColor(0x00F0F0);
    TGridColumnItem* last = grid.Columns()[2];
    last->SetAlignment(taRightJustify);
    last->SetEditor(edDataCheckBox);
    last->SetCheckTrue("J");
    last->SetColor(clRed);
    last->SetHeader("Flag");
    last->SetDropDownCount(3);
    grid.SetColCount(4);
    QCOMPARE(grid.Columns().Count(), 4);
    TGridColumnItem* added = grid.Columns()[3];
    QCOMPARE(added->Alignment(), taRightJustify);
    QCOMPARE(added->Editor(), edDataCheckBox);
    QCOMPARE(added->CheckTrue(), QString("J"));
    QCOMPARE(added->Color(), TColor(0x00F0F0));
    QCOMPARE(added->Header(), QString());
    QCOMPARE(added->DropDownCount(), 8);
    grid.SetColCount(2);
    QCOMPARE(grid.Columns().Count(), 2);
  }

  void collection_changes_resize_the_grid() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.Columns().Add();
    QCOMPARE(grid.ColCount(), 4);
    grid.Columns().BeginUpdate();
    grid.Columns().Add();
    grid.Columns().Add();
    QCOMPARE(grid.ColCount(), 4);
    grid.Columns().EndUpdate();
    QCOMPARE(grid.ColCount(), 6);
    grid.Columns().Delete(5);
    QCOMPARE(grid.ColCount(), 5);
    // Never down to the fixed columns alone.
    grid.Columns().Clear();
    QCOMPARE(grid.ColCount(), 5);
  }

  void hidden_columns_keep_their_items() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.Columns()[2]->SetWidth(77);
    grid.HideColumn(2);
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.Columns().Count(), 4);
    QCOMPARE(grid.Columns()[2]->Width(), 77);
    grid.Columns()[2]->SetWidth(90);
    grid.UnHideColumn(2);
    QCOMPARE(grid.ColWidths(2), 90);
  }

  void width_reads_the_live_column() {
    TZadColumnGrid grid;
    grid.Columns()[1]->SetWidth(120);
    QCOMPARE(grid.ColWidths(1), 120);
    grid.SetColWidths(1, 33);  // the user dragged the border
    QCOMPARE(grid.Columns()[1]->Width(), 33);
    TGridColumnItem spare;
    QCOMPARE(spare.Width(), 0);
  }

  void assign_copies_everything_assign_visuals_the_look() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    TGridColumnItem& a = *grid.Columns()[1];
    a.SetHeader("A");
    a.SetName("a");
    a.SetTag(7);
    a.SetComboItems({"x", "y"});
    a.SetColumnPopupType(cpAllCellsLClick);
    a.SetPrintFontCustom(false);
    a.SetFloatFormat("%.1f");
    a.SetReadOnly(true);
    a.SetBorderPen(TCanvas::Pen_State{clRed, 3});
    TGridColumnItem copy;
    copy.Assign(a);
    QCOMPARE(copy.Header(), QString("A"));
    QCOMPARE(copy.Tag(), 7);
    QCOMPARE(copy.ComboItems(), QStringList({"x", "y"}));
    QCOMPARE(copy.ColumnPopupType(), cpAllCellsLClick);
    QVERIFY(!copy.PrintFontCustom());
    QCOMPARE(copy.BorderPen().Width, 3);

    TGridColumnItem& b = *grid.Columns()[2];
    b.SetHeader("B");
    b.AssignVisuals(a);
    QCOMPARE(b.Header(), QString("B"));
    QCOMPARE(b.Name(), QString());
    QCOMPARE(b.ComboItems(), QStringList());
    QCOMPARE(b.ColumnPopupType(), cpFixedCellsRClick);
    QVERIFY(b.ReadOnly());
    QCOMPARE(b.FloatFormat(), QString("%.1f"));
    QCOMPARE(b.Color(), grid.Color());
  }

  void reset_organization_restores_the_design_order() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.SetFixedCols(0);
    const QStringList names{"A", "B", "C"};
    for (int c = 0; c < 3; ++c) {
      grid.Columns()[c]->SetHeader(names[c]);
      grid.SetCellEx(c, 1, names[c].toLower());
    }
    grid.Columns()[0]->SetDefIdx(2);
    grid.Columns()[1]->SetDefIdx(0);
    grid.Columns()[2]->SetDefIdx(1);
    grid.Columns().ResetOrganization();
    QCOMPARE(grid.ColumnHeaders(), QStringList({"B", "C", "A"}));
    QCOMPARE(Row_Texts(grid, 1), QStringList({"b", "c", "a"}));
    QCOMPARE(grid.Columns()[0]->Header(), QString("B"));

    // Positions that are no permutation leave the order alone (and return).
    for (int c = 0; c < 3; ++c) grid.Columns()[c]->SetDefIdx(0);
    grid.Columns().ResetOrganization();
    QCOMPARE(Row_Texts(grid, 1), QStringList({"b", "c", "a"}));

    grid.Columns().SetOrganization();
    for (int c = 0; c < 3; ++c) QCOMPARE(grid.Columns()[c]->DefIdx(), c);
  }

  void moving_a_column_moves_its_item() {
    TZadColumnGrid grid;
    grid.SetColCount(5);
    for (int c = 0; c < 5; ++c) {
      grid.Columns()[c]->SetHeader(QString("H%1").arg(c));
      grid.Columns()[c]->SetTag(c);
      grid.Columns()[c]->SetDefIdx(c);
    }
    grid.Columns()[3]->SetColumnPopupType(cpNormalCellsLClick);
    QList<QPair<int, int>> moves;
    grid.OnAfterColumnMoved = [&](TZadColumnGrid*, int from, int to) { moves << qMakePair(from, to); };
    grid.MoveColumn(3, 1);
    QCOMPARE(moves, (QList<QPair<int, int>>{{3, 1}}));
    QCOMPARE(grid.Columns().Count(), 5);
    QCOMPARE(grid.Columns()[1]->Tag(), 3);
    QCOMPARE(grid.Columns()[1]->DefIdx(), 3);
    QCOMPARE(grid.Columns()[1]->ColumnPopupType(), cpNormalCellsLClick);
    QCOMPARE(grid.Columns()[2]->Tag(), 1);
    QCOMPARE(Row_Texts(grid, 0), QStringList({"H0", "H3", "H1", "H2", "H4"}));
    QCOMPARE(grid.ColumnHeaders(), QStringList({"H0", "H3", "H1", "H2", "H4"}));
    QVERIFY(!grid.ColumnMoving());
  }

  void insert_and_remove_columns_take_items_along() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    for (int c = 0; c < 4; ++c) grid.Columns()[c]->SetTag(c);
    grid.InsertCols(2, 2);
    QCOMPARE(grid.ColCount(), 6);
    QCOMPARE(grid.Columns().Count(), 6);
    QCOMPARE(grid.Columns()[2]->Tag(), 0);  // fresh
    QCOMPARE(grid.Columns()[4]->Tag(), 2);
    grid.RemoveCols(1, 3);
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.Columns().Count(), 3);
    QCOMPARE(grid.Columns()[1]->Tag(), 2);
  }

  void float_format_is_per_column_with_locale_separators() {
    Format_Settings comma;
    comma.Decimal_Separator = ',';
    comma.Thousand_Separator = '.';
    Format_Settings_Scope scope(comma);
    TZadColumnGrid grid;
    grid.Columns()[1]->SetFloatFormat("%.2f");
    struct Case {
      int col;
      QString text, shown;
    };
    const QList<Case> cases{
        {1, "3,14159", "3,14"}, {1, "abc", "abc"}, {1, "", ""}, {1, "1.234,5", "1234,50"}, {2, "3,14159", "3,14159"}};
    for (const Case& c : cases) {
      grid.SetCellEx(c.col, 1, c.text);
      QCOMPARE(grid.GetFormattedCell(c.col, 1), c.shown);
    }
    QString format;
    grid.GetCellFloatFormat(1, 1, format);
    QCOMPARE(format, QString("%.2f"));
    grid.GetCellFloatFormat(2, 1, format);
    QCOMPARE(format, grid.FloatFormat());
    // Opening an editor in the column leaves the grid's format alone.
    TEditorType editor = edNormal;
    grid.DoGetEditorType(1, 1, editor);
    QCOMPARE(grid.FloatFormat(), QString("%.2f"));
    grid.SetFloatFormat("%.3f");
    grid.DoGetEditorType(1, 1, editor);
    QCOMPARE(grid.FloatFormat(), QString("%.3f"));
    // The event decides the text is no number.
    grid.OnGetFloatFormat = [](TZadIrururOziz*, int, int, bool& is_float, QString&) { is_float = false; };
    grid.SetCellEx(1, 1, "3,14159");
    QCOMPARE(grid.GetFormattedCell(1, 1), QString("3,14159"));
  }

  void size_limits_of_user_and_auto_sizing() {
    TZadColumnGrid grid;
    TGridColumnItem& item = *grid.Columns()[1];
    item.SetMinSize(40);
    item.SetMaxSize(100);
    item.SetAutoMinSize(60);
    item.SetAutoMaxSize(70);
    const QList<QPair<int, int>> user{{20, 40}, {150, 100}, {70, 70}};
    for (auto [in, out] : user) {
      int w = in;
      grid.DoUpdateColumnSize(1, w);
      QCOMPARE(w, out);
    }
    const QList<QPair<int, int>> automatic{{20, 60}, {150, 70}, {65, 65}};
    for (auto [in, out] : automatic) {
      int w = in;
      grid.DoUpdateColumnSizeAuto(1, w);
      QCOMPARE(w, out);
    }
    int w = 500;
    grid.OnUpdateColumnSize = [](TZadIrururOziz*, int, int& width) { width += 1; };
    grid.DoUpdateColumnSize(1, w);
    QCOMPARE(w, 101);  // the event has the last word
  }

  void per_cell_answers_come_from_the_items() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.SetFixedFooters(1);
    TGridColumnItem& item = *grid.Columns()[2];
    item.SetAlignment(taRightJustify);
    item.SetHeaderAlignment(taCenter);
    item.SetEditor(edDataCheckBox);
    item.SetCheckTrue("J");
    item.SetCheckFalse("-");
    item.SetColor(clRed);
    item.SetPassword(true);
    item.SetBorders(cbLeft | cbBottom);

    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    grid.DoGetAlignment(2, 3, h, v);
    QCOMPARE(h, taRightJustify);
    grid.DoGetAlignment(2, 0, h, v);
    QCOMPARE(h, taCenter);

    QString text;
    grid.DoGetCheckTrue(2, 3, text);
    QCOMPARE(text, QString("J"));
    grid.OnGetCheckTrue = [](TZadIrururOziz*, int, int, QString& value) { value = "event"; };
    grid.DoGetCheckTrue(2, 3, text);
    QCOMPARE(text, QString("J"));  // the item wins over the event
    grid.DoGetCheckTrue(2, 0, text);
    QCOMPARE(text, QString("event"));  // header row: not the item's
    grid.DoGetCheckFalse(2, 3, text);
    QCOMPARE(text, QString("-"));

    QCOMPARE(grid.GetCellType(2, 3), ctDataCheckBox);
    QCOMPARE(grid.GetCellType(2, 0), ctEmpty);
    QCOMPARE(grid.GetCellType(2, grid.RowCount() - 1), ctEmpty);  // footer
    QCOMPARE(grid.GetCellGraphic(2, 3)->CellType, ctVirtCheckBox);
    QVERIFY(!grid.GetCellGraphic(2, 0));
    QVERIFY(!grid.GetCellGraphic(1, 3));
    // The column's shared box is no cell's own object: removing leaves it be.
    QVERIFY(grid.RemoveCellGraphic(2, 3));
    QCOMPARE(grid.GetCellGraphic(2, 3)->CellType, ctVirtCheckBox);

    TCanvas::Brush_State brush;
    QFont font;
    TColor font_colour = clNone;
    grid.DoGetCellColor(2, 3, 0, brush, font, font_colour);
    QCOMPARE(brush.Color, TColor(clRed));
    grid.GetCellProperties(2, 4)->SetBrushColor(clBlue);
    grid.DoGetCellColor(2, 4, 0, brush, font, font_colour);
    QCOMPARE(brush.Color, TColor(clBlue));
    item.SetFixed(true);
    grid.DoGetCellColor(2, 3, 0, brush, font, font_colour);
    QCOMPARE(brush.Color, grid.FixedColor());
    QVERIFY(grid.IsFixed(2, 3));
    item.SetFixed(false);
    QVERIFY(!grid.IsFixed(2, 3));

    bool password = false;
    grid.DoIsPasswordCell(2, 3, password);
    QVERIFY(password);

    TCellBorders borders = 0;
    TColor pen_colour = 0;
    int pen_width = 0;
    grid.DoGetCellBorder(2, 3, borders, pen_colour, pen_width);
    QCOMPARE(borders, TCellBorders(cbLeft | cbBottom));
    QCOMPARE(pen_colour, TColor(clSilver));

    TGridColumnItem& combo = *grid.Columns()[1];
    combo.SetEditor(edComboList);
    combo.SetComboItems({"a", "b"});
    combo.SetDropDownCount(4);
    QVERIFY(grid.DoHasComboBox(1, 3));
    QVERIFY(!grid.DoHasComboBox(1, 0));
    TEditorType editor = edNormal;
    grid.DoGetEditorType(1, 3, editor);
    QCOMPARE(editor, edComboList);
    QCOMPARE(grid.EditorSettings().ComboItems, QStringList({"a", "b"}));
    QCOMPARE(grid.EditorSettings().DropDownCount, 4);

    TSortStyle style = ssAutomatic;
    QString prefix, suffix;
    combo.SetSortStyle(ssNumeric);
    combo.SetSortPrefix("$");
    grid.DoGetFormat(1, style, prefix, suffix);
    QCOMPARE(style, ssNumeric);
    QCOMPARE(prefix, QString("$"));
  }

  void editability_from_items_cells_and_event() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.Columns()[2]->SetReadOnly(true);
    grid.Columns()[3]->SetFixed(true);
    grid.GetCellProperties(1, 5)->SetReadOnly(true);
    struct Case {
      int col, row;
      bool editable;
    };
    const QList<Case> cases{{1, 3, true}, {2, 3, false}, {3, 3, false}, {1, 5, false}, {0, 3, false}, {1, 0, false}};
    for (const Case& c : cases) {
      bool can = true;
      grid.CheckCellEditable(c.col, c.row, can);
      QCOMPARE(can, c.editable);
    }
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int ACol, bool& can) { can = can || ACol == 1; };
    bool can = false;
    grid.CheckCellEditable(1, 5, can);
    QVERIFY(can);
  }

  void columns_round_trip_through_a_stream() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    TGridColumnItem& item = *grid.Columns()[2];
    item.SetHeader("Flag");
    item.SetEditor(edDataCheckBox);
    item.SetCheckTrue("J");
    item.SetComboItems({"a", "b <&>"});
    item.SetBorderPen(TCanvas::Pen_State{clRed, 2});
    item.SetFont(TGridFont{QFont("Serif", 13), clBlue});
    item.SetWidth(91);
    item.SetPrintFontCustom(false);
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    grid.SaveColumnsToStream(saved);

    TZadColumnGrid other;
    other.SetColCount(5);
    QBuffer in(&saved.buffer());
    in.open(QIODevice::ReadOnly);
    other.LoadColumnsFromStream(in);
    QCOMPARE(other.ColCount(), 5);
    QCOMPARE(other.Columns().Count(), 5);
    const TGridColumnItem& read = *other.Columns()[2];
    QCOMPARE(read.Header(), QString("Flag"));
    QCOMPARE(read.Editor(), edDataCheckBox);
    QCOMPARE(read.CheckTrue(), QString("J"));
    QCOMPARE(read.ComboItems(), QStringList({"a", "b <&>"}));
    QCOMPARE(read.BorderPen().Color, TColor(clRed));
    QCOMPARE(read.BorderPen().Width, 2);
    QCOMPARE(read.Font().Font.pointSize(), 13);
    QCOMPARE(read.Font().Color, TColor(clBlue));
    QVERIFY(!read.PrintFontCustom());
    QCOMPARE(other.ColWidths(2), 91);
    QCOMPARE(other.GetCellEx(2, 0), QString("Flag"));

    // A stream that does not read leaves the columns as they were; so does one
    // naming a choice outside its list (alignment, editor, sort style, pen style).
    const QList<QByteArray> bad{"",
                                "<Other/>",
                                "<Columns><Item><Width>wide</Width></Item></Columns>",
                                "<Columns><Item><Font>x</Font></Item></Columns>",
                                "<Columns><Item>",
                                "<Columns><Item><Alignment>4</Alignment></Item></Columns>",
                                "<Columns><Item><HeaderAlignment>-1</HeaderAlignment></Item></Columns>",
                                "<Columns><Item><Editor>999</Editor></Item></Columns>",
                                "<Columns><Item><SortStyle>20</SortStyle></Item></Columns>",
                                "<Columns><Item><ColumnPopupType>6</ColumnPopupType></Item></Columns>",
                                "<Columns><Item><BorderPen>0,1,6</BorderPen></Item></Columns>"};
    for (const QByteArray& bytes : bad) {
      QByteArray copy = bytes;
      QBuffer b(&copy);
      b.open(QIODevice::ReadOnly);
      QVERIFY_THROWS_EXCEPTION(std::runtime_error, other.LoadColumnsFromStream(b));
      QCOMPARE(other.Columns()[2]->Header(), QString("Flag"));
      QCOMPARE(other.Columns().Count(), 5);
    }
  }

  void loaded_grid_records_the_design_order() {
    TZadColumnGrid grid;
    grid.SetColCount(3);
    grid.Columns()[1]->SetDefIdx(7);
    grid.Loaded();
    for (int c = 0; c < 3; ++c) QCOMPARE(grid.Columns()[c]->DefIdx(), c);
  }

  void column_popup_by_click_kind() {
    TZadColumnGrid grid;
    grid.resize(400, 250);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QMenu menu;
    grid.Columns()[1]->SetColumnPopup(&menu);
    int events = 0, shown = 0;
    grid.OnColumnPopup = [&](TZadColumnGrid*, int, int, QMenu* m) { events += m == &menu; };
    grid.ShowPopup = [&](QMenu*, const QPoint&) { ++shown; };
    const TRect header = grid.CellRect(1, 0), normal = grid.CellRect(1, 2);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(header.Left + 5, header.Top + 5));
    QCOMPARE(events, 1);
    QCOMPARE(shown, 1);
    // A normal cell with the fixed-cells kind: the event, no menu.
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(normal.Left + 5, normal.Top + 5));
    QCOMPARE(events, 2);
    QCOMPARE(shown, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(header.Left + 5, header.Top + 5));
    QCOMPARE(events, 2);
    grid.Columns()[1]->SetColumnPopupType(cpAllCellsLClick);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(normal.Left + 5, normal.Top + 5));
    QCOMPARE(shown, 2);
    // A destroyed menu is forgotten.
    {
      QMenu gone;
      grid.Columns()[2]->SetColumnPopup(&gone);
    }
    QVERIFY(!grid.Columns()[2]->ColumnPopup());
  }
};

QTEST_MAIN(ColumnGridTest)
#include "column_grid_test.moc"
