// Finding and replacing in a grid: scan order, where a scan starts and ends,
// the parameters that narrow or widen the cells searched, going to a found
// cell, replacing, and the prefix search of the type-ahead.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

Q_DECLARE_METATYPE(TFindParams)

namespace {

const QPoint None(-1, -1);

// A 5 x 12 grid, one fixed row and column, every data cell "-" except the
// cells given "m" (display column, row).
struct Find_Grid {
  TZadIrururOziz grid;
  explicit Find_Grid(std::initializer_list<QPoint> hits = {}) {
    grid.SetColCount(5);
    grid.SetRowCount(12);
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    for (int r = 1; r < 12; ++r)
      for (int c = 1; c < 5; ++c) grid.SetGridCell(c, r, QStringLiteral("-"));
    for (QPoint p : hits) grid.SetGridCell(p.x(), p.y(), QStringLiteral("m"));
  }
  // Every cell a repeated FindNext reaches after FindFirst, in order.
  QList<QPoint> All(const QString& s, TFindParams params) {
    QList<QPoint> found;
    for (QPoint p = grid.FindFirst(s, params); p != None && found.size() < 50; p = grid.FindNext()) found << p;
    return found;
  }
};

}  // namespace

class GridFindTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void scan_order_data() {
    QTest::addColumn<TFindParams>("params");
    QTest::addColumn<QList<QPoint>>("expected");
    const QList<QPoint> down{{2, 9}, {3, 1}, {3, 5}};
    const QList<QPoint> across{{3, 1}, {3, 5}, {2, 9}};
    QTest::newRow("column by column") << TFindParams{} << down;
    QTest::newRow("row by row") << TFindParams{fnDirectionLeftRight} << across;
    QTest::newRow("backward, column by column") << TFindParams{fnBackward} << QList<QPoint>{{3, 5}, {3, 1}, {2, 9}};
    QTest::newRow("backward, row by row")
        << TFindParams{fnBackward, fnDirectionLeftRight} << QList<QPoint>{{2, 9}, {3, 5}, {3, 1}};
  }
  void scan_order() {
    QFETCH(TFindParams, params);
    QFETCH(QList<QPoint>, expected);
    Find_Grid g({{2, 9}, {3, 1}, {3, 5}});
    QCOMPARE(g.All("m", params), expected);
  }

  void the_scan_ends_at_the_last_cell_and_starts_over_after() {
    Find_Grid g({{2, 9}, {3, 1}});
    QCOMPARE(g.grid.Find(QPoint(4, 11), "m", {}), None);
    QCOMPARE(g.grid.Find(QPoint(4, 11), "m", {fnDirectionLeftRight}), None);
    QCOMPARE(g.grid.FindFirst("m", {}), QPoint(2, 9));
    QCOMPARE(g.grid.FindNext(), QPoint(3, 1));
    QCOMPARE(g.grid.FindNext(), None);
    QVERIFY(!g.grid.FindBusy());
    QCOMPARE(g.grid.SearchCell(), None);
    QCOMPARE(g.grid.FindNext(), QPoint(2, 9));
  }

  void case_and_cache() {
    Find_Grid g;
    g.grid.SetGridCell(2, 3, "Meter");
    QCOMPARE(g.grid.FindFirst("meter", {}), QPoint(2, 3));
    QCOMPARE(g.grid.SearchCache(), QString("METER"));
    QCOMPARE(g.grid.FindFirst("meter", {fnMatchCase}), None);
    QCOMPARE(g.grid.SearchCache(), QString("meter"));
    QCOMPARE(g.grid.FindFirst("Meter", {fnMatchCase, fnMatchFull}), QPoint(2, 3));
  }

  void two_quotes_find_the_first_empty_cell() {
    Find_Grid g;
    g.grid.SetGridCell(3, 4, "");
    g.grid.SetGridCell(4, 2, "");
    QCOMPARE(g.grid.FindFirst("\"\"", {}), QPoint(3, 4));
    QCOMPARE(g.grid.FindFirst("\"\"", {fnDirectionLeftRight}), QPoint(4, 2));
  }

  void tags_ignored_or_searched() {
    Find_Grid g;
    g.grid.SetGridCell(2, 3, "x<b>bold</b>y");
    QCOMPARE(g.grid.FindFirst("xbo", {fnIgnoreHTMLTags}), QPoint(2, 3));
    QCOMPARE(g.grid.FindFirst("xbo", {}), None);
    QCOMPARE(g.grid.FindFirst("<b>", {}), QPoint(2, 3));
    QCOMPARE(g.grid.FindFirst("<b>", {fnIgnoreHTMLTags}), None);
  }

  // Each restriction keeps the scan to its line, and a FindNext along that
  // line ends at its end instead of going round it again.
  void restrictions_data() {
    QTest::addColumn<TFindParams>("params");
    QTest::addColumn<QList<QPoint>>("expected");
    QTest::newRow("current row, row by row")
        << TFindParams{fnFindInCurrentRow, fnDirectionLeftRight} << QList<QPoint>{{2, 5}, {4, 5}};
    QTest::newRow("current row, column by column") << TFindParams{fnFindInCurrentRow} << QList<QPoint>{{2, 5}, {4, 5}};
    QTest::newRow("current column") << TFindParams{fnFindInCurrentCol} << QList<QPoint>{{4, 5}, {4, 8}};
    QTest::newRow("current column, row by row")
        << TFindParams{fnFindInCurrentCol, fnDirectionLeftRight} << QList<QPoint>{{4, 5}, {4, 8}};
    QTest::newRow("preset column") << TFindParams{fnFindInPresetCol} << QList<QPoint>{{2, 5}, {2, 10}};
    QTest::newRow("preset row") << TFindParams{fnFindInPresetRow} << QList<QPoint>{{1, 8}, {4, 8}};
    QTest::newRow("selection") << TFindParams{fnSelectedCells} << QList<QPoint>{{2, 5}, {2, 10}, {3, 6}};
  }
  void restrictions() {
    QFETCH(TFindParams, params);
    QFETCH(QList<QPoint>, expected);
    Find_Grid g({{2, 5}, {4, 5}, {4, 8}, {1, 8}, {2, 10}, {3, 6}});
    g.grid.FocusCell(4, 5);
    g.grid.SetFindCol(2);
    g.grid.SetFindRow(8);
    if (params.Has(fnSelectedCells)) g.grid.SetSelectionRect({2, 4, 3, 10});
    QCOMPARE(g.All("m", params), expected);
  }

  void fixed_cells_only_when_asked() {
    Find_Grid g;
    g.grid.SetGridCell(3, 0, "Head");
    g.grid.SetGridCell(0, 6, "Head");
    QCOMPARE(g.grid.FindFirst("head", {}), None);
    QCOMPARE(g.All("head", {fnIncludeFixed}), (QList<QPoint>{{0, 6}, {3, 0}}));
  }

  void ignored_columns_are_skipped_row_by_row_only() {
    Find_Grid g({{3, 2}});
    g.grid.IgnoreColumns().Add(3);
    QCOMPARE(g.grid.FindFirst("m", {fnDirectionLeftRight}), None);
    QCOMPARE(g.grid.FindFirst("m", {}), QPoint(3, 2));
  }

  void hidden_columns_and_rows() {
    Find_Grid g({{2, 9}, {3, 4}});
    g.grid.HideColumn(2);
    g.grid.HideRow(4);
    QCOMPARE(g.grid.FindFirst("m", {}), None);
    // Real indexes once the hidden ones are searched.
    QCOMPARE(g.grid.FindFirst("m", {fnIncludeHiddenColumns}), QPoint(2, 8));
    QCOMPARE(g.grid.FindFirst("m", {fnIncludeHiddenRows}), QPoint(2, 4));
    QCOMPARE(g.All("m", {fnIncludeHiddenColumns, fnIncludeHiddenRows}), (QList<QPoint>{{2, 9}, {3, 4}}));
  }

  void auto_goto_makes_the_cell_current() {
    Find_Grid g({{3, 7}});
    QCOMPARE(g.grid.FindFirst("m", {}), QPoint(3, 7));
    QCOMPARE(g.grid.Row(), 1);
    g.grid.FindFirst("m", {fnAutoGoto});
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(3, 7));
  }

  void auto_goto_opens_the_group_of_a_hidden_hit() {
    Find_Grid g({{3, 5}});
    g.grid.AddNode(3, 4);
    g.grid.ContractNode(3);
    QVERIFY(g.grid.IsHiddenRow(5));
    QCOMPARE(g.grid.FindFirst("m", {fnAutoGoto}), None);
    QCOMPARE(g.grid.FindFirst("m", {fnAutoGoto, fnIncludeHiddenRows}), QPoint(3, 5));
    QVERIFY(!g.grid.IsHiddenRow(5));
    QCOMPARE(QPoint(g.grid.Col(), g.grid.Row()), QPoint(3, g.grid.DisplRowIndex(5)));
  }

  void auto_goto_with_disjunct_rows_selects_the_row() {
    Find_Grid g({{3, 7}});
    g.grid.MouseActions().SetDisjunctRowSelect(true);
    g.grid.SetRowSelect(2, true);
    g.grid.FindFirst("m", {fnAutoGoto});
    QVERIFY(g.grid.RowSelect(7));
    QVERIFY(!g.grid.RowSelect(2));
    QCOMPARE(g.grid.Row(), 7);
  }

  void progress_is_told_of_each_cell() {
    struct Counting_Grid : TZadIrururOziz {
      QList<int> states;
      int rows = 0;
      void ExportNotification(TGridExportState AState, int) override {
        if (AState == esExportNewRow)
          ++rows;
        else
          states << AState;
      }
    } grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetGridCell(2, 2, "m");
    grid.FindFirst("m", {});
    QCOMPARE(grid.states, (QList<int>{esExportStart, esExportFail}));
    QCOMPARE(grid.rows, 5);  // (1,1) (1,2) (1,3) (2,1) (2,2)
    grid.states.clear();
    grid.FindFirst("z", {});
    QCOMPARE(grid.states, (QList<int>{esExportStart, esExportDone}));
  }

  void replace_data() {
    QTest::addColumn<TFindParams>("params");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("count");
    QTest::newRow("any case") << TFindParams{} << "yyA" << 1;
    QTest::newRow("matching case") << TFindParams{fnMatchCase} << "XyA" << 1;
  }
  void replace() {
    QFETCH(TFindParams, params);
    QFETCH(QString, after);
    QFETCH(int, count);
    Find_Grid g;
    g.grid.SetGridCell(2, 3, "XxA");
    g.grid.SetGridCell(3, 6, "none");
    QCOMPARE(g.grid.Replace("x", "y", params), count);
    QCOMPARE(g.grid.GetGridCell(2, 3), after);
    QCOMPARE(g.grid.GetGridCell(3, 6), QString("none"));
  }

  void replace_edits_the_stored_text_and_flags_the_row() {
    Find_Grid g;
    g.grid.ShowModified().SetEnabled(true);
    g.grid.SetGridCell(2, 3, "ab");
    g.grid.SetGridCell(3, 5, "ab");
    g.grid.MergeCells(3, 5, 2, 2);
    // A display hook's text is searched, but what is stored is edited.
    g.grid.OnGetDisplText = [](TBaseGrid*, int, int, QString& value) {
      if (value == "ab") value = "ab (shown)";
    };
    QCOMPARE(g.grid.Replace("ab", "cd", {}), 2);
    QCOMPARE(g.grid.GetGridCell(2, 3), QString("cd"));
    QCOMPARE(g.grid.GetGridCell(3, 5), QString("cd"));
    QVERIFY(g.grid.RowModified(3));
    QVERIFY(g.grid.RowModified(5));
    QVERIFY(!g.grid.RowModified(4));
  }

  // A hit that replacing leaves as it is counts for nothing, and a text
  // that grows by the replacement does not make the scan run for ever.
  void replace_counts_changed_cells_and_ends() {
    Find_Grid g;
    g.grid.SetGridCell(2, 3, "a<b>b</b>");
    g.grid.SetGridCell(2, 4, "ab");
    QCOMPARE(g.grid.Replace("ab", "ab", {fnIgnoreHTMLTags}), 0);
    g.grid.FocusCell(2, 4);
    QCOMPARE(g.grid.Replace("ab", "abab", {fnFindInCurrentRow, fnDirectionLeftRight}), 1);
    QCOMPARE(g.grid.GetGridCell(2, 4), QString("abab"));
  }

  void prefix_search_in_the_sort_column() {
    Find_Grid g;
    g.grid.SetGridCell(1, 4, "<b>abc</b>");
    g.grid.SetGridCell(1, 6, "xab");
    QCOMPARE(g.grid.Search("AB"), 4);
    QCOMPARE(g.grid.Search("ab"), 4);
    QCOMPARE(g.grid.Search("abd"), -1);
    g.grid.SetRowCount(1);
    QCOMPARE(g.grid.Search("ab"), -1);
  }
};

QTEST_MAIN(GridFindTest)
#include "grid_find_test.moc"
