// Grouping the string grid: the grouped layout (headers, nodes, summaries,
// the column taken out), ungrouping back to the flat rows, sub-groups, the
// group values and the calls that must leave the grid alone.
#include <QtTest>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// Rows of the grid as "text|text|..." over the shown columns.
QStringList Rows(TZadIrururOziz& grid) {
  QStringList out;
  for (int r = 0; r < grid.RowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.ColCount(); ++c) cells << grid.GetCellEx(c, r);
    out << cells.join('|');
  }
  return out;
}

// Per row: "N<span>" for a node row, "S" for a summary row, "." otherwise.
QString Shape(TZadIrururOziz& grid) {
  QStringList out;
  for (int r = grid.FixedRows(); r < grid.RowCount() - grid.FixedFooters(); ++r) {
    if (grid.IsNode(r))
      out << QString("N%1").arg(grid.GetNodeSpan(r));
    else if (grid.IsSummary(r))
      out << "S";
    else
      out << ".";
  }
  return out.join(' ');
}

// One fixed row, no fixed column; columns id, grp and n.
void Fill(TZadIrururOziz& grid, const QStringList& groups, bool summary) {
  grid.SetColCount(3);
  grid.SetRowCount(groups.size() + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(0);
  grid.SetCellEx(0, 0, "id");
  grid.SetCellEx(1, 0, "grp");
  grid.SetCellEx(2, 0, "n");
  for (int i = 0; i < groups.size(); ++i) {
    grid.SetCellEx(0, i + 1, QString("id%1").arg(i + 1));
    grid.SetCellEx(1, i + 1, groups[i]);
    grid.SetCellEx(2, i + 1, QString::number(i + 1));
  }
  grid.Grouping().SetSummary(summary);
}

}  // namespace

class GridGroupingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void group_lays_out_headers_data_and_summaries() {
    TZadIrururOziz grid;
    Fill(grid, {"A", "A", "B"}, true);
    grid.Group(1);
    QCOMPARE(grid.RowCount(), 8);
    QCOMPARE(grid.GroupColumn(), 1);
    QCOMPARE(grid.ColCount(), 2);
    QCOMPARE(Shape(grid), QString("N3 . . S N2 . S"));
    QCOMPARE(Rows(grid), QStringList({"id|n", "|A", "id1|1", "id2|2", "|", "|B", "id3|3", "|"}));
    QVERIFY(!grid.IsGrouping());
  }

  void group_without_summary_and_on_a_later_column() {
    // The group column is 2 here: the value lands in column 1 directly and
    // the rows come sorted on the group column first.
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(5);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    const QStringList grp{"y", "x", "y", "x"};
    for (int i = 0; i < 4; ++i) {
      grid.SetCellEx(1, i + 1, QString("a%1").arg(i + 1));
      grid.SetCellEx(2, i + 1, grp[i]);
      grid.SetCellEx(3, i + 1, QString("b%1").arg(i + 1));
    }
    grid.Group(2);
    QCOMPARE(Shape(grid), QString("N3 . . N3 . ."));
    QCOMPARE(Rows(grid), QStringList({"||", "|x|", "|a2|b2", "|a4|b4", "|y|", "|a1|b1", "|a3|b3"}));
  }

  void group_keeps_row_looks_and_flags_with_their_rows() {
    // Modified marks follow the rows they belong to; the rows in between
    // (headers and summaries) come unmarked.
    TZadIrururOziz grid;
    Fill(grid, {"B", "A", "A"}, true);
    grid.SetShowModifiedEnabled(true);
    grid.SetRowModified(1, true);  // id1, group B, ends last
    grid.Group(1);
    QCOMPARE(Rows(grid).at(6), QString("id1|1"));
    for (int r = 0; r < grid.RowCount(); ++r) QCOMPARE(grid.RowModified(r), r == 6);
  }

  void group_merges_and_colours_headers_and_summaries() {
    TZadIrururOziz grid;
    grid.SetColCount(4);
    Fill(grid, {"A", "A", "B"}, true);
    grid.SetColCount(4);
    grid.Grouping().SetMergeHeader(true);
    grid.Grouping().SetMergeSummary(true);
    grid.Grouping().SetHeaderColor(clYellow);
    grid.Grouping().SetSummaryColor(clAqua);
    grid.Group(1);
    // Columns id, n and the empty fourth: headers and summaries are merged
    // from column 1 to the last column.
    QCOMPARE(grid.ColCount(), 3);
    for (int r : {1, 5, 4, 7}) {
      QVERIFY(grid.IsMergedCell(2, r));
      QCOMPARE(grid.BaseCell(2, r), QPoint(1, r));
      QCOMPARE(grid.Colors(1, r), TColor(r == 1 || r == 5 ? clYellow : clAqua));
    }
    QVERIFY(!grid.IsMergedCell(1, 2));
    grid.UnGroup();
    QCOMPARE(grid.RowCount(), 4);
    for (int r = 0; r < 4; ++r) QVERIFY(!grid.IsMergedCell(1, r));
    QCOMPARE(grid.Store().MergeCount(), 0);
  }

  void expand_one_leaves_only_the_first_group_open() {
    TZadIrururOziz grid;
    Fill(grid, {"A", "B", "C"}, false);
    grid.CellNode().SetExpandOne(true);
    grid.Group(1);
    QCOMPARE(grid.RowCount(), 1 + 2 + 1 + 1);  // A open; B, C closed
    QVERIFY(!grid.GetNodeState(1));
    QVERIFY(grid.GetNodeState(3));
    QVERIFY(grid.GetNodeState(4));
    grid.UnGroup();
    QVERIFY(grid.CellNode().ExpandOne());
    QCOMPARE(Rows(grid), QStringList({"id|grp|n", "id1|A|1", "id2|B|2", "id3|C|3"}));
  }

  void ungroup_restores_column_width_caption_and_footer() {
    TZadIrururOziz grid;
    Fill(grid, {"B", "A", "B"}, true);
    grid.SetRowCount(5);
    grid.SetFixedFooters(1);
    grid.SetCellEx(1, 4, "total");
    grid.SetColWidths(1, 77);
    grid.Group(1);
    QCOMPARE(Rows(grid).last(), QString("|"));
    grid.UnGroup();
    QCOMPARE(grid.GroupColumn(), -1);
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.ColWidths(1), 77);
    QCOMPARE(grid.NumNodes(), 0);
    QCOMPARE(Rows(grid), QStringList({"id|grp|n", "id2|A|2", "id1|B|1", "id3|B|3", "|total|"}));
    for (int r = 0; r < grid.RowCount(); ++r) {
      QVERIFY(!grid.IsNode(r));
      QVERIFY(!grid.IsSummary(r));
    }
  }

  void group_and_ungroup_round_trip_on_many_runs() {
    // Runs of different lengths, some of one row, with and without summary
    // rows: ungrouping gives back the sorted flat grid.
    for (const bool summary : {false, true}) {
      TZadIrururOziz grid;
      QStringList groups;
      for (int i = 0; i < 60; ++i) groups << QString("g%1").arg((i * 7) % 13, 2, 10, QChar('0'));
      Fill(grid, groups, summary);
      grid.SortSettings().Column = 1;
      grid.QSort();
      const QStringList flat = Rows(grid);
      grid.Group(1);
      QCOMPARE(grid.NumNodes(), 13);
      QCOMPARE(grid.RowCount(), 61 + 13 * (summary ? 2 : 1));
      grid.UnGroup();
      QCOMPARE(Rows(grid), flat);
    }
  }

  void group_on_a_grouped_grid_regroups() {
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    const QStringList a{"A", "A", "B"}, b{"x", "y", "y"};
    for (int i = 0; i < 3; ++i) {
      grid.SetCellEx(1, i + 1, a[i]);
      grid.SetCellEx(2, i + 1, b[i]);
      grid.SetCellEx(3, i + 1, QString::number(i + 1));
    }
    grid.Group(1);
    grid.Group(2);
    QCOMPARE(grid.GroupColumn(), 2);
    QCOMPARE(Shape(grid), QString("N2 . N3 . ."));
    QCOMPARE(Rows(grid), QStringList({"||", "|x|", "|A|1", "|y|", "|A|2", "|B|3"}));
  }

  void calls_that_change_nothing_data() {
    QTest::addColumn<int>("call");  // 0 Group(0), 1 GroupColumn := 0, 2 Group(fixed col), 3 two columns,
                                    // 4 UnGroup ungrouped, 5 no data rows, 6 column past the grid
    QTest::newRow("group on column 0") << 0;
    QTest::newRow("group column 0 written") << 1;
    QTest::newRow("group on a fixed column") << 2;
    QTest::newRow("no column left for the value") << 3;
    QTest::newRow("ungroup when not grouped") << 4;
    QTest::newRow("no data rows") << 5;
    QTest::newRow("column past the grid") << 6;
  }
  void calls_that_change_nothing() {
    QFETCH(int, call);
    TZadIrururOziz grid;
    Fill(grid, {"A", "A", "B"}, true);
    if (call == 2) grid.SetFixedCols(2);
    if (call == 3) grid.SetColCount(2);
    if (call == 5) {
      // Only the header row and a footer row.
      grid.SetRowCount(2);
      grid.SetFixedFooters(1);
    }
    const QStringList before = Rows(grid);
    switch (call) {
      case 0: grid.Group(0); break;
      case 1: grid.SetGroupColumn(0); break;
      case 2: grid.Group(1); break;
      case 3: grid.Group(1); break;
      case 4: grid.UnGroup(); break;
      case 5: grid.Group(1); break;
      case 6: grid.Group(3); break;
    }
    QCOMPARE(grid.GroupColumn(), -1);
    QCOMPARE(grid.NumNodes(), 0);
    QCOMPARE(Rows(grid), before);
  }

  void group_column_writer() {
    TZadIrururOziz grid;
    Fill(grid, {"A", "A", "B"}, false);
    grid.SetGroupColumn(1);
    QCOMPARE(grid.GroupColumn(), 1);
    QCOMPARE(grid.NumNodes(), 2);
    grid.SetGroupColumn(0);
    QCOMPARE(grid.GroupColumn(), 1);
    grid.SetGroupColumn(-1);
    QCOMPARE(grid.GroupColumn(), -1);
    QCOMPARE(grid.RowCount(), 4);
  }

  void group_values_data() {
    QTest::addColumn<bool>("summary");
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("expected");  // texts of column 1 in the target rows
    // Group A holds n = 1, 2; group B n = 3.
    QTest::newRow("sum into summaries") << true << 1 << QStringList{"3", "3"};
    QTest::newRow("sum into headers") << false << 1 << QStringList{"3", "3"};
    QTest::newRow("average") << true << 2 << QStringList{"1.5", "3"};
    QTest::newRow("minimum") << true << 3 << QStringList{"1", "3"};
    QTest::newRow("maximum") << true << 4 << QStringList{"2", "3"};
    QTest::newRow("count") << true << 5 << QStringList{"2", "1"};
    QTest::newRow("count into headers") << false << 5 << QStringList{"2", "1"};
    QTest::newRow("distinct") << true << 7 << QStringList{"2", "1"};
    QTest::newRow("standard deviation") << true << 8 << QStringList{"0.5", "0"};
  }
  void group_values() {
    QFETCH(bool, summary);
    QFETCH(int, method);
    QFETCH(QStringList, expected);
    TZadIrururOziz grid;
    Fill(grid, {"A", "A", "B"}, summary);
    grid.SetFloatFormat("%g");
    grid.Group(1);
    grid.GroupCalc(1, method);
    const QList<int> targets = summary ? QList<int>{4, 7} : QList<int>{1, 4};
    QCOMPARE((QStringList{grid.GetCellEx(1, targets[0]), grid.GetCellEx(1, targets[1])}), expected);
    // The data rows keep their values.
    QCOMPARE(grid.GetCellEx(1, 2), QString("1"));
  }

  void group_values_skip_contracted_groups_and_ask_the_handler() {
    TZadIrururOziz grid;
    Fill(grid, {"A", "A", "B"}, true);
    grid.SetFloatFormat("%g");
    grid.Group(1);
    grid.ContractNode(1);  // A: header, summary, then B at row 3
    QList<QList<int>> asked;
    grid.OnGroupCalc = [&](TZadIrururOziz*, int ACol, int FromRow, int ToRow, double& Res) {
      asked << QList<int>{ACol, FromRow, ToRow};
      Res = 42;
    };
    grid.GroupCustomCalc(1);
    QCOMPARE(asked, (QList<QList<int>>{{1, 4, 4}}));
    QCOMPARE(grid.GetCellEx(1, 2), QString());
    QCOMPARE(grid.GetCellEx(1, 5), QString("42"));
    grid.GroupSum(1);
    QCOMPARE(grid.GetCellEx(1, 2), QString());
    QCOMPARE(grid.GetCellEx(1, 5), QString("3"));
  }

  void group_sum_sets_the_footer_calculation_when_shown() {
    TZadIrururOziz grid;
    Fill(grid, {"A", "A", "B"}, true);
    grid.Group(1);
    grid.GroupSum(1);
    QCOMPARE(grid.FloatingFooter().GetColumnCalc(1), acNONE);
    grid.FloatingFooter().SetVisible(true);
    grid.GroupCount(1);
    QCOMPARE(grid.FloatingFooter().GetColumnCalc(1), acCOUNT);
    grid.GroupAvg(1);
    QCOMPARE(grid.FloatingFooter().GetColumnCalc(1), acAVG);
  }

  void sub_group_and_back() {
    // Grouped on grp; inside, runs of the tag column become sub-groups whose
    // header holds the tag in the column right of it.
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    const QStringList grp{"A", "A", "A", "B", "B"}, tag{"p", "p", "q", "r", "r"};
    for (int i = 0; i < 5; ++i) {
      grid.SetCellEx(1, i + 1, grp[i]);
      grid.SetCellEx(2, i + 1, tag[i]);
      grid.SetCellEx(3, i + 1, QString("v%1").arg(i + 1));
      grid.SetCellEx(4, i + 1, QString("w%1").arg(i + 1));
    }
    grid.Grouping().SetSummary(true);
    grid.Group(1);
    const QStringList grouped = Rows(grid);
    // Columns now: 0, tag, v, w.
    grid.SubGroup(1);
    QCOMPARE(Shape(grid), QString("N6 N3 . . N2 . S N4 N3 . . S"));
    QCOMPARE(Rows(grid).mid(1), QStringList({"|A||", "||p|", "||v1|w1", "||v2|w2", "||q|", "||v3|w3", "|||", "|B||",
                                             "||r|", "||v4|w4", "||v5|w5", "|||"}));
    QCOMPARE(grid.GetNodeLevel(1), 1);
    QCOMPARE(grid.GetNodeLevel(2), 2);
    // The group values leave the sub-group headers out.
    grid.SetFloatFormat("%g");
    grid.GroupCount(2);
    QCOMPARE(grid.GetCellEx(2, 7), QString("3"));
    QCOMPARE(grid.GetCellEx(2, 12), QString("2"));
    grid.SetCellEx(2, 7, "");
    grid.SetCellEx(2, 12, "");
    grid.SubUnGroup(1);
    QCOMPARE(Rows(grid), grouped);
    QCOMPARE(Shape(grid), QString("N4 . . . S N3 . . S"));
    grid.UnGroup();
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(grid.GetCellEx(2, 3), QString("q"));
  }

  void standard_deviation_over_sub_grouped_rows() {
    // The sub-group headers hold their tag in the value column: the standard
    // deviation is that of the group's data rows and is not upset by them.
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.SetFixedRows(1);
    const QStringList grp{"A", "A", "A", "B", "B"}, tag{"p", "p", "q", "r", "r"}, value{"1", "3", "5", "2", "2"};
    for (int i = 0; i < 5; ++i) {
      grid.SetCellEx(1, i + 1, grp[i]);
      grid.SetCellEx(2, i + 1, tag[i]);
      grid.SetCellEx(3, i + 1, value[i]);
    }
    grid.Grouping().SetSummary(true);
    grid.Group(1);
    grid.SubGroup(1);
    QCOMPARE(grid.GetCellEx(2, 2), QString("p"));
    grid.SetFloatFormat("%.4f");
    grid.GroupStdDev(2);
    QCOMPARE(grid.GetCellEx(2, 7), QString("1.6330"));  // sqrt(8 / 3)
    QCOMPARE(grid.GetCellEx(2, 12), QString("0.0000"));
  }

  void ungroup_removes_sub_groups_too() {
    // Sub-group headers hold another column's value: ungrouping without
    // SubUnGroup still gives back every data row as it was.
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.SetFixedRows(1);
    const QStringList grp{"A", "A", "A", "B", "B"}, tag{"p", "p", "q", "r", "s"};
    for (int i = 0; i < 5; ++i) {
      grid.SetCellEx(1, i + 1, grp[i]);
      grid.SetCellEx(2, i + 1, tag[i]);
      grid.SetCellEx(3, i + 1, QString("v%1").arg(i + 1));
    }
    grid.Grouping().SetSummary(true);
    const QStringList flat = Rows(grid);
    grid.Group(1);
    grid.SubGroup(1);
    QCOMPARE(grid.NumNodes(), 2 + 4);
    grid.UnGroup();
    QCOMPARE(grid.NumNodes(), 0);
    QCOMPARE(Rows(grid), flat);
  }
};

QTEST_MAIN(GridGroupingTest)
#include "grid_grouping_test.moc"
