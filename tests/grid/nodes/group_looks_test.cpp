// The looks grouping gives node and summary rows: the group count after
// the text of column 1 of a node row, and the header underline and summary
// line drawn as cell borders.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Row 1 heads "Pumps" over rows 1..4 (span 4).
void Setup(TZadIrururOziz& grid) {
  grid.SetColCount(4);
  grid.SetRowCount(8);
  grid.SetFixedCols(0);
  grid.SetFixedRows(1);
  grid.SetCellEx(1, 1, "Pumps");
  for (int r = 2; r < 8; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
  grid.AddNode(1, 4);
}

}  // namespace

class GroupLooksTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void group_count_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("sub_nodes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QString() << 0 << "Pumps (3)";
    QTest::newRow("format") << " [%d]" << 0 << "Pumps [3]";
    // A format that does not take one integer falls back to the plain count.
    QTest::newRow("string conversion") << "%s" << 0 << "Pumps (3)";
    QTest::newRow("two integers") << " %d-%d" << 0 << "Pumps (3)";
    // Rows that head sub-groups are not counted.
    QTest::newRow("sub-node") << QString() << 1 << "Pumps (2)";
  }
  void group_count() {
    QFETCH(QString, format);
    QFETCH(int, sub_nodes);
    QFETCH(QString, shown);
    TZadIrururOziz grid;
    Setup(grid);
    grid.UpdateSubNodeCount(1, sub_nodes);
    QCOMPARE(grid.GetCellEx(1, 1), QString("Pumps"));  // off by default
    grid.Grouping().SetShowGroupCount(true);
    grid.Grouping().SetGroupCountFormat(format);
    QCOMPARE(grid.GetCellEx(1, 1), shown);
    // Only column 1 of node rows.
    QCOMPARE(grid.GetCellEx(1, 2), QString("r2"));
    grid.SetCellEx(2, 1, "x");
    QCOMPARE(grid.GetCellEx(2, 1), QString("x"));
  }

  // A span of 0 reaches to the next node row.
  void group_count_of_an_open_ended_group() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(8);
    grid.SetFixedCols(0);
    grid.SetCellEx(1, 1, "A");
    grid.AddNode(1, 0);
    grid.AddNode(5, 2);
    grid.Grouping().SetShowGroupCount(true);
    QCOMPARE(grid.GetCellEx(1, 1), QString("A (3)"));
  }

  void header_underline_and_summary_line() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MarkSummaryRow(6);
    grid.resize(420, 260);
    grid.SetDefaultColWidth(90);
    grid.SetGridDefaultRowHeight(24);
    grid.SetColor(clWhite);
    grid.Grouping().SetHeaderUnderline(true);
    grid.Grouping().SetHeaderLineColor(clRed);
    grid.Grouping().SetHeaderLineWidth(2);
    grid.Grouping().SetSummaryLine(true);
    grid.Grouping().SetSummaryLineColor(clBlue);
    grid.Grouping().SetSummaryLineWidth(2);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    auto row_is = [&](const TRect& cell, int y, QRgb colour) {
      for (int x = cell.Left + 2; x < cell.Right - 2; ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) return false;
      return true;
    };
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    for (int c = 1; c <= 2; ++c) {
      const TRect node = grid.CellRect(c, 1);
      QVERIFY2(row_is(node, node.Bottom - 1, red) && row_is(node, node.Bottom - 2, red), qPrintable(QString::number(c)));
      QVERIFY(!row_is(node, node.Bottom - 3, red));
      const TRect summary = grid.CellRect(c, 6);
      QVERIFY(row_is(summary, summary.Top, blue) && row_is(summary, summary.Top + 1, blue));
      QVERIFY(!row_is(summary, summary.Top + 2, blue));
    }
    // Column 0 (the node column) and other rows keep their plain borders.
    const TRect glyph = grid.CellRect(0, 1);
    QVERIFY(!row_is(glyph, glyph.Bottom - 1, red));
    const TRect plain = grid.CellRect(1, 2);
    QVERIFY(!row_is(plain, plain.Bottom - 1, red));
  }

  // The tree lines of a node column that is a fixed column; one pixel
  // further right on the raised faces of the soft, DUD, XP and list-view
  // looks unless the grid is flat.
  void tree_lines_in_a_fixed_node_column() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetFixedCols(1);
    grid.resize(420, 260);
    grid.SetDefaultColWidth(90);
    grid.SetGridDefaultRowHeight(24);
    grid.CellNode().SetTreeColor(clRed);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const TRect cell = grid.CellRect(0, 3);  // a row inside the group
    auto line_x = [&] {
      grid.RepaintAll();
      const QImage image = grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const int y = (cell.Top + cell.Bottom) / 2 - 3;
      for (int x = cell.Left; x < cell.Right; ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000) return x;
      return -1;
    };
    grid.SetLook(glClassic);
    const int plain = line_x();
    QVERIFY(plain > cell.Left);
    grid.SetLook(glListView);
    QCOMPARE(line_x(), plain + 1);
    grid.SetLook(glXP);
    QCOMPARE(line_x(), plain + 1);
    grid.SetFlat(true);
    QCOMPARE(line_x(), plain);
  }
};

QTEST_MAIN(GroupLooksTest)
#include "group_looks_test.moc"
