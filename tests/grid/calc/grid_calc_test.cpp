// Column and row calculations: counted cells, range defaults, real rows
// past the displayed ones, grouped rows, merged cells and the export
// notices around a column run.
#include <QApplication>
#include <QtTest>
#include <cmath>
#include <utility>
#include <vector>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Records the export notices; grouping is set directly.
class Calc_Grid : public TZadIrururOziz {
 public:
  using TZadIrururOziz::Set_Group_Column;
  void ExportNotification(TGridExportState AState, int ARow) override { notices.emplace_back(AState, ARow); }
  std::vector<std::pair<TGridExportState, int>> notices;
};

// Column 1 holds the texts from row 1 down, below one fixed row; the last
// `footers` of them are footer rows.
void Column(Calc_Grid& grid, const QStringList& texts, int footers = 0) {
  grid.SetColCount(3);
  grid.SetRowCount(int(texts.size()) + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.SetFixedFooters(footers);
  grid.SetCellEx(1, 0, "999");
  for (int i = 0; i < texts.size(); ++i) grid.SetCellEx(1, i + 1, texts[i]);
}

}  // namespace

class GridCalcTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void column_calculations_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("calc");
    QTest::addColumn<double>("expected");
    const QStringList mixed{"1", "2", "x", "3"};
    QTest::newRow("sum skips text") << mixed << "sum" << 6.0;
    QTest::newRow("average divides by all rows") << mixed << "avg" << 1.5;
    QTest::newRow("minimum skips text") << QStringList{"x", "5", "3"} << "min" << 3.0;
    QTest::newRow("maximum skips text") << QStringList{"x", "5", "7", "y"} << "max" << 7.0;
    QTest::newRow("minimum of negatives") << QStringList{"-2", "-7", "4"} << "min" << -7.0;
    QTest::newRow("no numbers give 0") << QStringList{"a", "b"} << "max" << 0.0;
    QTest::newRow("html and separators") << QStringList{"<b>1,000.5</b>", "2"} << "sum" << 1002.5;
    QTest::newRow("distinct ignores case, counts empty") << QStringList{"a", "A", "b", ""} << "distinct" << 3.0;
    QTest::newRow("standard deviation") << QStringList{"2", "4", "4", "4", "5", "5", "7", "9"} << "stddev" << 2.0;
  }
  void column_calculations() {
    QFETCH(QStringList, texts);
    QFETCH(QString, calc);
    QFETCH(double, expected);
    Calc_Grid grid;
    Column(grid, texts);
    const int last = int(texts.size());
    double result = 0;
    if (calc == "sum") result = grid.ColumnSum(1, 1, last);
    if (calc == "avg") result = grid.ColumnAvg(1, 1, last);
    if (calc == "min") result = grid.ColumnMin(1, 1, last);
    if (calc == "max") result = grid.ColumnMax(1, 1, last);
    if (calc == "distinct") result = grid.ColumnDistinct(1, 1, last);
    if (calc == "stddev") result = grid.ColumnStdDev(1, 1, last);
    QCOMPARE(result, expected);
  }

  void default_range_is_the_normal_rows() {
    Calc_Grid grid;
    Column(grid, {"1", "2", "3", "4", "1000"}, 1);  // the last row is the footer
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(grid.ColumnSum(1), 10.0);
    QCOMPARE(grid.ColumnSum(1, -1, 3), 10.0);  // one -1 is enough
    QCOMPARE(grid.ColumnAvg(1), 2.5);
    QCOMPARE(grid.ColumnMax(1), 4.0);
    QCOMPARE(grid.ColumnDistinct(1), 4.0);
  }

  void empty_ranges() {
    Calc_Grid grid;
    Column(grid, {"5", "6"});
    QCOMPARE(grid.ColumnSum(1, 2, 1), 0.0);
    QCOMPARE(grid.ColumnAvg(1, 2, 1), 0.0);
    QCOMPARE(grid.ColumnStdDev(1, 2, 1), 0.0);
    QCOMPARE(grid.ColumnDistinct(1, 2, 1), 0.0);
    QCOMPARE(grid.ColumnMin(1, 2, 1), 0.0);
  }

  void standard_deviation_fails_on_text() {
    Calc_Grid grid;
    Column(grid, {"1", "x"});
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.ColumnStdDev(1, 1, 2));
    // The run was closed all the same.
    QCOMPARE(grid.notices.back(), std::make_pair(esExportDone, -1));
  }

  void notices_of_a_column_run() {
    Calc_Grid grid;
    Column(grid, {"1", "2", "3", "4"});
    grid.MergeCells(1, 2, 1, 2);  // row 3 is covered in column 1
    QCOMPARE(grid.ColumnSum(1, 1, 4), 7.0);
    const std::vector<std::pair<TGridExportState, int>> expected{
        {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportNextRow, 4}, {esExportDone, -1}};
    QCOMPARE(grid.notices, expected);

    grid.notices.clear();
    grid.ColumnDistinct(1, 1, 2);
    const std::vector<std::pair<TGridExportState, int>> distinct{
        {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}};
    QCOMPARE(grid.notices, distinct);
  }

  void node_rows_count_only_while_not_grouped() {
    Calc_Grid grid;
    Column(grid, {"10", "1", "2", "20", "3"});
    grid.AddNode(1, 3);
    grid.AddNode(4, 2);
    QCOMPARE(grid.ColumnSum(1, 1, 5), 36.0);
    grid.Set_Group_Column(1);
    QCOMPARE(grid.ColumnSum(1, 1, 5), 6.0);
    grid.MarkSummaryRow(5);
    QCOMPARE(grid.ColumnSum(1, 1, 5), 3.0);
  }

  void a_range_past_the_displayed_rows_reads_real_rows() {
    Calc_Grid grid;
    Column(grid, {"1", "2", "4", "8"});
    grid.HideRow(2);
    QCOMPARE(grid.RowCount(), 4);
    QCOMPARE(grid.ColumnSum(1, 1, 3), 13.0);  // display rows 1..3: 1, 4, 8
    QCOMPARE(grid.ColumnSum(1, 1, 4), 15.0);  // real rows 1..4, the hidden one too
    QCOMPARE(grid.ColumnMin(1, 2, 4), 2.0);
    QCOMPARE(grid.ColumnDistinct(1, 1, 4), 4.0);
  }

  void custom_calculations() {
    Calc_Grid grid;
    Column(grid, {"1", "2"});
    QCOMPARE(grid.ColumnCustomCalc(1), 0.0);
    QCOMPARE(grid.DoGroupCalc(1, 1, 2), 0.0);
    int from = 0, to = 0;
    grid.OnColumnCalc = [&](TZadIrururOziz*, int, int FromRow, int ToRow, double& Res) {
      from = FromRow, to = ToRow;
      Res = 42;
    };
    grid.OnGroupCalc = [](TZadIrururOziz*, int, int FromRow, int ToRow, double& Res) { Res = FromRow + ToRow; };
    QCOMPARE(grid.ColumnCustomCalc(1), 42.0);
    QCOMPARE(std::make_pair(from, to), std::make_pair(1, 2));
    QCOMPARE(grid.DoGroupCalc(1, 3, 4), 7.0);
  }

  void row_calculations() {
    Calc_Grid grid;
    grid.SetColCount(6);
    grid.SetRowCount(2);
    const QStringList texts{"h", "4", "x", "-1", "6", "5"};
    for (int c = 0; c < 6; ++c) grid.SetCellEx(c, 1, texts[c]);
    QCOMPARE(grid.RowSum(1, 1, 5), 14.0);
    QCOMPARE(grid.RowAvg(1, 1, 5), 2.8);
    QCOMPARE(grid.RowMin(1, 1, 5), -1.0);
    QCOMPARE(grid.RowMax(1, 1, 5), 6.0);
    QCOMPARE(grid.RowAvg(1, 3, 2), 0.0);
    QCOMPARE(grid.RowSum(1, 3, 2), 0.0);
    QCOMPARE(grid.RowMin(1, 2, 2), 0.0);  // text only
    grid.MergeCells(3, 1, 2, 1);          // column 4 is covered
    QCOMPARE(grid.RowSum(1, 1, 5), 8.0);
    QVERIFY(grid.notices.empty());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridCalcTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_calc_test.moc"
