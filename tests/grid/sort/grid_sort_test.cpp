// Sorting the string grid: the styles through real cells, the rows that
// stay, what travels with a row, unsorting, the sort state text, group
// sorts and header clicks.
#include <QRandomGenerator>
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// A grid with one fixed row and the given texts in column 1 (rows 1..n);
// column 2 holds "r<i>" so the original row of each line stays visible.
void Fill(TZadIrururOziz& grid, const QStringList& texts, int cols = 4) {
  grid.SetColCount(cols);
  grid.SetRowCount(texts.size() + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int i = 0; i < texts.size(); ++i) {
    grid.SetCellEx(1, i + 1, texts[i]);
    grid.SetCellEx(2, i + 1, QString("r%1").arg(i + 1));
  }
}

QStringList Column(TZadIrururOziz& grid, int col, int from = 1, int to = -1) {
  QStringList out;
  if (to < 0) to = grid.RowCount() - 1;
  for (int r = from; r <= to; ++r) out << grid.GetCellEx(col, r);
  return out;
}

Format_Settings European() {
  Format_Settings s;
  s.Decimal_Separator = ',';
  s.Thousand_Separator = '.';
  s.Date_Separator = '/';
  s.Time_Separator = ':';
  s.Short_Date_Format = "dd/mm/yyyy";
  return s;
}

QPoint Header(TZadIrururOziz& grid, int c) {
  const TRect rect = grid.CellRect(c, 0);
  return QPoint(rect.Left + rect.Width() / 2, rect.Top + 5);
}

void Click(TZadIrururOziz& grid, QPoint p, Qt::KeyboardModifiers mods = {}) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, mods, p);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, mods, p);
}

// Sorts pair by pair as the grid always did: an override of SortSwapRows
// sees every exchange, and a display-text handler that changes nothing
// makes every column go the general comparison.
class Pairwise_Grid : public TZadIrururOziz {
 public:
  Pairwise_Grid() {
    OnGetDisplText = [](TBaseGrid*, int, int, QString&) {};
  }
  void SortSwapRows(int ARow1, int ARow2) override {
    ++exchanges;
    TZadIrururOziz::SortSwapRows(ARow1, ARow2);
  }
  int exchanges = 0;
};

// Rows of numbers, words and small counts with many ties, some heights,
// modified flags and coloured cells, alike in both grids.
void Fill_Random(TZadIrururOziz& grid, int rows, quint32 seed, bool wide) {
  QRandomGenerator random(seed);
  grid.SetColCount(5);
  grid.SetRowCount(rows + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.SetShowModifiedEnabled(true);
  const QStringList numbers{"0",    "-0",   "1.5", "-2",  "10",  "007",
                            "3.25", "-0.5", "2.5", "100", "1e3", "12345678901234567890"};
  QStringList words{"apple",  "Apple", "apricot", "app",   "b",      "",
                    "banana", "appLe", "APPLE",   "zebra", "apples", QString::fromUtf8("\xc3\x9cber")};
  // A text beyond Latin-1 makes the column's keys hold fewer units.
  if (wide) words << QString::fromUtf8("\xc4\x89apelo");
  for (int r = 1; r <= rows; ++r) {
    grid.SetCellEx(1, r, numbers[int(random.bounded(numbers.size()))]);
    // No word reads as a number: the automatic style would compare such a
    // pair by the first text's look, which no sort can order consistently.
    const QString word = words[int(random.bounded(words.size()))];
    grid.SetCellEx(2, r, word.isEmpty() ? word : word + QString::number(random.bounded(3)));
    grid.SetCellEx(3, r, QString::number(random.bounded(4)));
    grid.SetCellEx(4, r, QString("r%1").arg(r));
    if (random.bounded(7) == 0) grid.SetRowHeights(r, 20 + int(random.bounded(30)));
    if (random.bounded(5) == 0) grid.SetRowModified(r, true);
    if (random.bounded(11) == 0) grid.SetColors(int(1 + random.bounded(4)), r, clRed);
  }
  grid.SetRow(int(1 + random.bounded(rows)));
}

// Everything a sort moves, row by row.
QStringList Rows_Of(TZadIrururOziz& grid) {
  QStringList out;
  for (int r = 0; r < grid.RowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.ColCount(); ++c) cells << grid.GetCellEx(c, r);
    cells << QString::number(grid.RowHeights(r)) << QString::number(grid.RowModified(r))
          << QString::number(grid.Colors(1, r)) << QString::number(grid.Colors(3, r))
          << QString::number(grid.SortRowXRef().GetInteger(r));
    out << cells.join('|');
  }
  return out;
}

}  // namespace

class GridSortTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void styles_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("options");  // 1 IgnoreBlanks+blLast, 2 descending+IgnoreBlanks+blFirst, 4 European
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("numeric, empty counts as 0")
        << int(ssNumeric) << QStringList{"10", "9", ""} << 0 << QStringList{"", "9", "10"};
    QTest::newRow("numeric, blanks last")
        << int(ssNumeric) << QStringList{"10", "", "9"} << 1 << QStringList{"9", "10", ""};
    QTest::newRow("numeric descending, blanks first")
        << int(ssNumeric) << QStringList{"10", "", "9", "11"} << 2 << QStringList{"", "11", "10", "9"};
    QTest::newRow("financial with . thousands and , decimals")
        << int(ssFinancial) << QStringList{"1.234,5", "999", "12,5"} << 4 << QStringList{"12,5", "999", "1.234,5"};
    QTest::newRow("automatic: day-first dates")
        << int(ssAutomatic) << QStringList{"01/02/2020", "15/01/2020", "03/01/2020"} << 4
        << QStringList{"03/01/2020", "15/01/2020", "01/02/2020"};
    QTest::newRow("automatic: times") << int(ssAutomatic) << QStringList{"10:00", "9:30", "12:15"} << 4
                                      << QStringList{"9:30", "10:00", "12:15"};
    QTest::newRow("automatic: year first is text")
        << int(ssAutomatic) << QStringList{"2020/01/10", "2020/01/02", "2019/12/31"} << 4
        << QStringList{"2019/12/31", "2020/01/02", "2020/01/10"};
    QTest::newRow("automatic: numbers") << int(ssAutomatic) << QStringList{"10", "9", "100"} << 0
                                        << QStringList{"9", "10", "100"};
    QTest::newRow("alphabetic by code units")
        << int(ssAlphabetic) << QStringList{"b", "B", "a"} << 0 << QStringList{"B", "a", "b"};
    QTest::newRow("no case") << int(ssAlphaNoCase) << QStringList{"b", "C", "a"} << 0 << QStringList{"a", "b", "C"};
    QTest::newRow("HTML ignores tags") << int(ssHTML) << QStringList{"<b>b</b>", "c", "<i>a</i>"} << 0
                                       << QStringList{"<i>a</i>", "<b>b</b>", "c"};
    QTest::newRow("short dates month first") << int(ssShortDateUS) << QStringList{"02/01/2020", "01/15/2020"} << 0
                                             << QStringList{"01/15/2020", "02/01/2020"};
    QTest::newRow("short dates day first") << int(ssShortDateEU) << QStringList{"02/01/2020", "15/12/2019"} << 0
                                           << QStringList{"15/12/2019", "02/01/2020"};
    QTest::newRow("alphanumeric: numbers as numbers")
        << int(ssAlphaNumeric) << QStringList{"10", "9"} << 0 << QStringList{"9", "10"};
    QTest::newRow("alphanumeric: else as text")
        << int(ssAlphaNumeric) << QStringList{"b10", "9", "a"} << 0 << QStringList{"9", "a", "b10"};
  }

  void styles() {
    QFETCH(int, style);
    QFETCH(QStringList, texts);
    QFETCH(int, options);
    QFETCH(QStringList, expected);
    Format_Settings_Scope scope((options & 4) ? European() : Format_Settings());
    TZadIrururOziz grid;
    Fill(grid, texts);
    grid.OnGetFormat = [&](TZadIrururOziz*, int, TSortStyle& s, QString&, QString&) { s = TSortStyle(style); };
    grid.SortSettings().IgnoreBlanks = options & 3;
    grid.SortSettings().BlankPos = (options & 1) ? blLast : blFirst;
    grid.Sort(1, (options & 2) ? sdDescending : sdAscending);
    QCOMPARE(Column(grid, 1), expected);
  }

  void prefix_and_suffix_from_the_format_event() {
    TZadIrururOziz grid;
    Fill(grid, {"$100 kg", "$25 kg", "$3 kg"});
    grid.OnGetFormat = [](TZadIrururOziz*, int, TSortStyle& s, QString& prefix, QString& suffix) {
      s = ssNumeric;
      prefix = "$";
      suffix = " kg";
    };
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1), (QStringList{"$3 kg", "$25 kg", "$100 kg"}));
  }

  void check_boxes_unchecked_first() {
    TZadIrururOziz grid;
    Fill(grid, {"", "", "", ""});
    const bool states[] = {true, false, true, false};
    for (int r = 1; r <= 4; ++r) grid.AddCheckBox(1, r, states[r - 1], false);
    grid.Sort(1, sdAscending);  // automatic: the check boxes are seen
    QCOMPARE(Column(grid, 2), (QStringList{"r2", "r4", "r1", "r3"}));
    bool state = true;
    QVERIFY(grid.GetCheckBoxState(1, 1, state));
    QVERIFY(!state);
  }

  void custom_style_without_handler_and_full() {
    // Every pair is equal: without Full the rows keep their order (the sort
    // is stable), with Full the column to the right decides.
    TZadIrururOziz grid;
    Fill(grid, {"x", "y", "z"});
    for (int r = 1; r <= 3; ++r) grid.SetCellEx(2, r, QString("r%1").arg(4 - r));
    grid.OnGetFormat = [](TZadIrururOziz*, int col, TSortStyle& s, QString&, QString&) {
      if (col == 1) s = ssCustom;
    };
    grid.SortSettings().Full = false;
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1), (QStringList{"x", "y", "z"}));
    grid.SortSettings().Full = true;
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1), (QStringList{"z", "y", "x"}));
    // A handler decides.
    grid.OnCustomCompare = [](TZadIrururOziz*, const QString& a, const QString& b, int& res) {
      res = a < b ? 5 : (a > b ? -5 : 0);  // reversed, any size
    };
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1), (QStringList{"z", "y", "x"}));
  }

  void raw_compare_sees_rows() {
    TZadIrururOziz grid;
    Fill(grid, {"3", "1", "2"});
    grid.OnGetFormat = [](TZadIrururOziz*, int, TSortStyle& s, QString&, QString&) { s = ssRaw; };
    grid.OnRawCompare = [](TZadIrururOziz* g, int col, int r1, int r2, int& res) {
      res = g->GetCellEx(col, r1).toInt() - g->GetCellEx(col, r2).toInt();
    };
    grid.Sort(1, sdDescending);
    QCOMPARE(Column(grid, 1), (QStringList{"3", "2", "1"}));
  }

  void fixed_and_footer_rows_stay() {
    TZadIrururOziz grid;
    Fill(grid, {"c", "b", "a", "total"});
    grid.SetCellEx(1, 0, "header");
    grid.SetFixedFooters(1);
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1, 0), (QStringList{"header", "a", "b", "c", "total"}));
    grid.Sort(1, sdDescending);
    QCOMPARE(Column(grid, 1, 0), (QStringList{"header", "c", "b", "a", "total"}));
    QCOMPARE(grid.RowCount(), 5);
  }

  void normal_cells_only_keeps_column_0() {
    TZadIrururOziz grid;
    Fill(grid, {"c", "a", "b"});
    for (int r = 1; r <= 3; ++r) grid.SetCellEx(0, r, QString::number(r));
    grid.SortSettings().NormalCellsOnly = true;
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1), (QStringList{"a", "b", "c"}));
    QCOMPARE(Column(grid, 0), (QStringList{"1", "2", "3"}));
    QCOMPARE(Column(grid, 2), (QStringList{"r2", "r3", "r1"}));
    // Unsorting keeps it too.
    grid.QUnSort();
    QCOMPARE(Column(grid, 1), (QStringList{"c", "a", "b"}));
    QCOMPARE(Column(grid, 0), (QStringList{"1", "2", "3"}));
    // Without the option column 0 travels.
    grid.SortSettings().NormalCellsOnly = false;
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 0), (QStringList{"2", "3", "1"}));
  }

  void hidden_cells_heights_and_hidden_rows() {
    TZadIrururOziz grid;
    Fill(grid, {"d", "b", "m", "a", "c"}, 5);
    for (int r = 1; r <= 5; ++r) grid.SetCellEx(3, r, "hidden " + grid.GetCellEx(1, r));
    grid.SetRowHeights(2, 40);  // "b"
    grid.HideColumn(3);
    grid.HideRow(3);  // "m" is filtered out
    QCOMPARE(grid.RowCount(), 5);
    grid.Sort(1, sdAscending);
    QCOMPARE(Column(grid, 1), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(grid.RowHeights(2), 40);
    QCOMPARE(grid.NumHiddenRows(), 1);
    grid.UnHideColumnsAll();
    QCOMPARE(Column(grid, 3), (QStringList{"hidden a", "hidden b", "hidden c", "hidden d"}));
    grid.UnHideRowsAll();
    QVERIFY(Column(grid, 1).contains("m"));
  }

  // The sorts on keys read from the store and the order applied in one pass
  // leave the grid as the pairwise sort with one exchange at a time does.
  void key_sorts_match_the_pairwise_sort_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("full");
    QTest::addColumn<bool>("ignore_case");
    QTest::newRow("numbers") << 1 << false << int(ssAutomatic) << true << false;
    QTest::newRow("numbers descending") << 1 << true << int(ssAutomatic) << true << false;
    QTest::newRow("numbers fixed style") << 1 << false << int(ssNumeric) << true << false;
    QTest::newRow("numbers financial") << 1 << true << int(ssFinancial) << false << false;
    QTest::newRow("words") << 2 << false << int(ssAutomatic) << true << false;
    QTest::newRow("words descending") << 2 << true << int(ssAutomatic) << true << false;
    QTest::newRow("words without case") << 2 << false << int(ssAutomatic) << true << true;
    QTest::newRow("words alpha no case") << 2 << true << int(ssAlphaNoCase) << true << false;
    QTest::newRow("words not full") << 2 << false << int(ssAlphabetic) << false << false;
    QTest::newRow("counts, ties to the right") << 3 << false << int(ssAutomatic) << true << false;
    QTest::newRow("counts descending") << 3 << true << int(ssAlphaNumeric) << true << false;
  }
  void key_sorts_match_the_pairwise_sort() {
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(int, style);
    QFETCH(bool, full);
    QFETCH(bool, ignore_case);
    for (const bool wide : {false, true}) {
      TZadIrururOziz grid;
      Pairwise_Grid pairwise;
      for (TZadIrururOziz* g : {static_cast<TZadIrururOziz*>(&grid), static_cast<TZadIrururOziz*>(&pairwise)}) {
        Fill_Random(*g, 700, 11, wide);
        g->SortSettings().Full = full;
        g->SortSettings().IgnoreCase = ignore_case;
        g->OnGetFormat = [style](TZadIrururOziz*, int, TSortStyle& s, QString&, QString&) { s = TSortStyle(style); };
        g->SetSwaps(0);
        g->InitSortXRef();
      }
      QCOMPARE(Rows_Of(grid), Rows_Of(pairwise));
      // Twice: the second sort starts from the order the first one left.
      for (int round = 0; round < 2; ++round) {
        grid.Sort(column, descending ? sdDescending : sdAscending);
        pairwise.Sort(column, descending ? sdDescending : sdAscending);
        QCOMPARE(Rows_Of(grid), Rows_Of(pairwise));
        QCOMPARE(grid.Swaps(), pairwise.Swaps());
        QCOMPARE(grid.SortRow(), pairwise.SortRow());
        QCOMPARE(grid.Row(), pairwise.Row());
        grid.Sort(4, sdDescending);
        pairwise.Sort(4, sdDescending);
      }
      QCOMPARE(pairwise.exchanges, pairwise.Swaps());
      QVERIFY(grid.Compares > 0);
      grid.QUnSort();
      pairwise.QUnSort();
      QCOMPARE(Rows_Of(grid), Rows_Of(pairwise));
    }
  }

  // Cells of a merged block sort by their base cell's text, as shown.
  void key_sort_reads_merged_cells_through_their_base() {
    TZadIrururOziz grid;
    Pairwise_Grid pairwise;
    for (TZadIrururOziz* g : {static_cast<TZadIrururOziz*>(&grid), static_cast<TZadIrururOziz*>(&pairwise)}) {
      Fill(*g, {"d", "b", "x", "a", "c"});
      g->MergeCells(1, 3, 2, 1);  // column 1 of row 3 is the base of (1..2, 3)
      g->Sort(2, sdAscending);
    }
    QCOMPARE(Column(grid, 1), Column(pairwise, 1));
    QCOMPARE(Column(grid, 2), Column(pairwise, 2));
  }

  void swaps_count_exchanges() {
    TZadIrururOziz grid;
    Fill(grid, {"a", "b", "c", "d"});
    grid.SetSwaps(0);
    grid.Sort(1, sdAscending);
    QCOMPARE(grid.Swaps(), 0);
    grid.Sort(1, sdDescending);  // two pairs change places
    QCOMPARE(grid.Swaps(), 2);
    QVERIFY(grid.Compares > 0);
  }

  void unsort_restores_the_first_order() {
    TZadIrururOziz grid;
    Fill(grid, {"b", "c", "a", "d"});
    for (int r = 1; r <= 4; ++r) grid.SetCellEx(3, r, QString::number(5 - r));
    grid.Sort(1, sdAscending);
    grid.Sort(3, sdAscending);
    QCOMPARE(Column(grid, 2), (QStringList{"r4", "r3", "r2", "r1"}));
    grid.QUnSort();
    QCOMPARE(Column(grid, 1), (QStringList{"b", "c", "a", "d"}));
    // Rows added since: the record no longer fits, nothing moves.
    grid.Sort(1, sdDescending);
    const QStringList sorted = Column(grid, 1);
    grid.AddRow();
    grid.QUnSort();
    QCOMPARE(Column(grid, 1, 1, 4), sorted);
  }

  void column_minus_one_does_nothing() {
    TZadIrururOziz grid;
    Fill(grid, {"b", "a"});
    grid.SortSettings().Column = -1;
    grid.QSort();
    QCOMPARE(Column(grid, 1), (QStringList{"b", "a"}));
  }

  void sort_state_text() {
    TZadIrururOziz grid;
    Fill(grid, {"b", "a", "c"}, 14);
    for (int r = 1; r <= 3; ++r) grid.SetCellEx(12, r, grid.GetCellEx(1, r));
    grid.SetCellEx(3, 1, "2");
    grid.SetCellEx(3, 2, "3");
    grid.SetCellEx(3, 3, "1");
    TSortSettings& s = grid.SortSettings();
    s.LoadFromString("u3");
    QVERIFY(s.Show);
    QCOMPARE(s.Column, 3);
    QCOMPARE(Column(grid, 3), (QStringList{"1", "2", "3"}));
    QCOMPARE(s.SaveToString(), QString("u3"));
    s.LoadFromString("d12");
    QCOMPARE(s.Direction, sdDescending);
    QCOMPARE(Column(grid, 12), (QStringList{"c", "b", "a"}));
    QCOMPARE(s.SaveToString(), QString("d12"));

    // Indexed: column 1 ascending, ties by column 2 descending.
    grid.SetCellEx(1, 1, "x");
    grid.SetCellEx(1, 2, "x");
    grid.SetCellEx(1, 3, "a");
    s.LoadFromString("i;u1;d2");
    QVERIFY(s.IndexShow);
    QCOMPARE(Column(grid, 1), (QStringList{"a", "x", "x"}));
    const QStringList indexed = Column(grid, 2);
    QVERIFY(indexed[1] > indexed[2]);
    QCOMPARE(s.SaveToString(), QString("i;u1;d2"));

    // Bad texts.
    const QStringList before = Column(grid, 2);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, s.LoadFromString("x"));
    for (const char* bad : {"u99", "i;u1;dz", "uab"}) {
      s.IndexShow = false;
      s.Column = 1;
      s.LoadFromString(bad);
      QCOMPARE(s.Column, 1);
      QVERIFY(!s.IndexShow);
      QCOMPARE(Column(grid, 2), before);
    }
    s.LoadFromString("");
    QCOMPARE(Column(grid, 2), before);
    try {
      s.LoadFromString("x");
      QFAIL("no exception");
    } catch (const std::runtime_error& e) {
      QCOMPARE(QString(e.what()), QString("Invalid sort settings specifier"));
    }
  }

  void indexed_sort_without_indexes_raises() {
    TZadIrururOziz grid;
    Fill(grid, {"b", "a"});
    grid.SortIndexes().Clear();
    try {
      grid.QSortIndexed();
      QFAIL("no exception");
    } catch (const VAzaZeriVader& e) {
      QCOMPARE(QString(e.what()), QString("No indexes specified for indexed sort"));
    }
    QCOMPARE(Column(grid, 1), (QStringList{"b", "a"}));
  }

  void sort_row_must_be_fixed() {
    TZadIrururOziz grid;
    Fill(grid, {"b", "a"});
    try {
      grid.SortSettings().SetRow(grid.FixedRows());
      QFAIL("no exception");
    } catch (const std::runtime_error& e) {
      QCOMPARE(QString(e.what()), QString("Sort row should be smaller than number of fixed rows"));
    }
    QCOMPARE(grid.SortSettings().Row, 0);
  }

  void event_exception_leaves_the_grid() {
    TZadIrururOziz grid;
    Fill(grid, {"c", "a", "b"});
    int calls = 0;
    grid.OnGetFormat = [](TZadIrururOziz*, int, TSortStyle& s, QString&, QString&) { s = ssCustom; };
    grid.OnCustomCompare = [&](TZadIrururOziz*, const QString& a, const QString& b, int& res) {
      if (++calls == 2) throw std::runtime_error("stop");
      res = a < b ? -1 : (a > b ? 1 : 0);
    };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, grid.Sort(1, sdAscending));
    QCOMPARE(Column(grid, 1), (QStringList{"c", "a", "b"}));
    QCOMPARE(grid.UpdateCount(), 0);
  }

  void group_sort_only_inner_expanded_groups() {
    // 1 outer node, 2 inner node "z" with three children, 6 inner node "a"
    // with one child, 8 inner node with two children, then contracted.
    TZadIrururOziz grid;
    Fill(grid, {"outer", "z", "c", "a", "b", "a", "q", "y", "k", "j"});
    grid.AddNode(1, 10);
    grid.AddNode(2, 4);
    grid.AddNode(6, 2);
    grid.AddNode(8, 3);
    grid.ContractNode(8);
    grid.SortSettings().Column = 1;
    grid.QSortGroup();
    QCOMPARE(Column(grid, 1, 1, 8), (QStringList{"outer", "z", "a", "b", "c", "a", "q", "y"}));
    grid.ExpandNode(8);
    QCOMPARE(Column(grid, 1, 9, 10), (QStringList{"k", "j"}));
    grid.QSortGroup();
    QCOMPARE(Column(grid, 1, 9, 10), (QStringList{"j", "k"}));
  }

  void header_clicks_sort_flip_and_unsort() {
    TZadIrururOziz grid;
    Fill(grid, {"b", "c", "a"});
    grid.SortSettings().Show = true;
    grid.SortSettings().UndoSort = true;
    QList<int> clicked;
    grid.OnClickSort = [&](TZadIrururOziz*, int c) { clicked << c; };
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    Click(grid, Header(grid, 1));
    QCOMPARE(Column(grid, 1), (QStringList{"a", "b", "c"}));
    Click(grid, Header(grid, 1));
    QCOMPARE(Column(grid, 1), (QStringList{"c", "b", "a"}));
    QCOMPARE(grid.SortSettings().Direction, sdDescending);
    Click(grid, Header(grid, 1));
    QCOMPARE(Column(grid, 1), (QStringList{"b", "c", "a"}));
    QCOMPARE(grid.SortSettings().Column, -1);
    QCOMPARE(clicked, (QList<int>{1, 1, -1}));
    // Another column starts with the initial direction.
    grid.SortSettings().InitSortDirection = sdDescending;
    Click(grid, Header(grid, 2));
    QCOMPARE(Column(grid, 2), (QStringList{"r3", "r2", "r1"}));
  }

  void header_clicks_build_sort_indexes() {
    TZadIrururOziz grid;
    Fill(grid, {"x", "a", "x"});
    grid.SortSettings().Show = true;
    grid.SortSettings().IndexShow = true;
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    Click(grid, Header(grid, 1));
    QCOMPARE(grid.SortIndexes().SaveToString(), QString("u1"));
    Click(grid, Header(grid, 2), Qt::ShiftModifier);
    QCOMPARE(grid.SortIndexes().SaveToString(), QString("u1;u2"));
    Click(grid, Header(grid, 2), Qt::ShiftModifier);
    QCOMPARE(grid.SortIndexes().SaveToString(), QString("u1;d2"));
    QCOMPARE(Column(grid, 2), (QStringList{"r2", "r3", "r1"}));
    QCOMPARE(grid.SortSettings().Column, 1);
    // A plain click reduces the list to that column.
    Click(grid, Header(grid, 2));
    QCOMPARE(grid.SortIndexes().SaveToString(), QString("u2"));
    QCOMPARE(grid.SortSettings().Column, 2);
    // With Ctrl as the key, Shift does not add.
    grid.SortSettings().IndexSortKey = ikCtrl;
    Click(grid, Header(grid, 1), Qt::ShiftModifier);
    QCOMPARE(grid.SortIndexes().SaveToString(), QString("u1"));
    Click(grid, Header(grid, 2), Qt::ControlModifier);
    QCOMPARE(grid.SortIndexes().SaveToString(), QString("u1;u2"));
  }
};

QTEST_MAIN(GridSortTest)
#include "grid_sort_test.moc"
