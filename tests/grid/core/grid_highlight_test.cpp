// Highlighted and marked text: the text functions, the cell round trip
// through HTML escaping, and which cells each grid variant visits.
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// A 5 x 4 grid with one fixed row and column; every cell holds "x" and its
// coordinates, so that a visited cell shows a tag.
void Fill_With_X(TZadIrururOziz& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(4);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.TotalColCount(); ++c) grid.SetGridCell(c, r, QStringLiteral("x%1%2").arg(c).arg(r));
}

// One letter per cell, row by row: 'T' a tagged cell, '.' an untouched one,
// over the store's columns.
QString Tagged_Cells(TZadIrururOziz& grid, const QString& tag) {
  QString map;
  for (int r = 0; r < grid.RowCount(); ++r) {
    if (r) map += QLatin1Char('|');
    for (int c = 0; c < grid.TotalColCount(); ++c)
      map += grid.GetGridCell(c, r).contains(QLatin1Char('<') + tag + QLatin1Char('>')) ? QLatin1Char('T')
                                                                                        : QLatin1Char('.');
  }
  return map;
}

}  // namespace

class GridHighlightTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void text_functions_data() {
    QTest::addColumn<bool>("mark");
    QTest::addColumn<bool>("doCase");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("any case") << false << false << "aBcb"
                              << "b"
                              << "a<hi>B</hi>c<hi>b</hi>";
    QTest::newRow("case") << false << true << "aBcb"
                          << "b"
                          << "aBc<hi>b</hi>";
    QTest::newRow("absent") << false << false << "aBcb"
                            << "z"
                            << "aBcb";
    QTest::newRow("inside tags") << false << false << "<b>ab</b>c"
                                 << "b"
                                 << "<b>a<hi>b</hi></b>c";
    QTest::newRow("mark any case") << true << false << "Err err"
                                   << "ERR"
                                   << "<e>Err</e> <e>err</e>";
    QTest::newRow("mark case") << true << true << "Err err"
                               << "err"
                               << "Err <e>err</e>";
  }
  void text_functions() {
    QFETCH(bool, mark);
    QFETCH(bool, doCase);
    QFETCH(QString, s);
    QFETCH(QString, text);
    QFETCH(QString, result);
    const QString tagged = mark ? MarkText(doCase, s, text) : HilightText(doCase, s, text);
    QCOMPARE(tagged, result);
    QCOMPARE(mark ? UnMarkText(tagged) : UnHilightText(tagged), s);
    // Each family removes only its own tag.
    QCOMPARE(mark ? UnHilightText(tagged) : UnMarkText(tagged), tagged);
  }

  void cell_round_trip_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ampersand") << "a&b"
                               << "b"
                               << "a&amp;<hi>b</hi>";
    QTest::newRow("tags kept as text") << "<b>42</b>"
                                       << "42"
                                       << "&lt;b&gt;<hi>42</hi>&lt;/b&gt;";
    QTest::newRow("search with ampersand") << "R&D, R&D"
                                           << "R&D"
                                           << "<hi>R&amp;D</hi>, <hi>R&amp;D</hi>";
    QTest::newRow("quote") << "say \"hi\""
                           << "hi"
                           << "say &quot;<hi>hi</hi>&quot;";
    QTest::newRow("no hit") << "a<b"
                            << "z"
                            << "a<b";
  }
  void cell_round_trip() {
    QFETCH(QString, cell);
    QFETCH(QString, search);
    QFETCH(QString, stored);
    TZadIrururOziz grid;
    grid.SetCellEx(2, 2, cell);
    grid.HilightInCell(false, 2, 2, search);
    QCOMPARE(grid.GetCellEx(2, 2), stored);
    grid.UnHilightInCell(2, 2);
    QCOMPARE(grid.GetCellEx(2, 2), cell);
  }

  // Highlights and marks in one cell: the text is escaped once, both stay
  // tags, each family comes out alone, the entities only with the last tag.
  void highlight_and_mark_in_one_cell() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "1O kWh & <b>");
    grid.HilightInCell(false, 1, 1, "kwh");
    grid.MarkInCell(true, 1, 1, "O");
    grid.HilightInCell(false, 1, 1, "1");
    QCOMPARE(grid.GetCellEx(1, 1), QString("<hi>1</hi><e>O</e> <hi>kWh</hi> &amp; &lt;b&gt;"));
    grid.UnHilightInCell(1, 1);
    QCOMPARE(grid.GetCellEx(1, 1), QString("1<e>O</e> kWh &amp; &lt;b&gt;"));
    grid.UnMarkInCell(1, 1);
    QCOMPARE(grid.GetCellEx(1, 1), QString("1O kWh & <b>"));
  }

  // Without a hit, or without tags to remove, the cell is not touched: an
  // HTML cell keeps its markup and a typed entity stays as typed.
  void cells_without_hits_stay() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "<b>42</b> &lt;");
    grid.HilightInGrid(false, false, "z");
    QCOMPARE(grid.GetCellEx(1, 1), QString("<b>42</b> &lt;"));
    grid.UnHilightInGrid(false);
    grid.UnMarkInGrid(true);
    QCOMPARE(grid.GetCellEx(1, 1), QString("<b>42</b> &lt;"));
  }

  void merged_block_rewrites_its_base_cell_only() {
    TZadIrururOziz grid;
    Fill_With_X(grid);
    grid.MergeCells(1, 1, 2, 2);
    grid.HilightInGrid(false, false, "x");
    QCOMPARE(Tagged_Cells(grid, "hi"), QString(".....|.T.TT|...TT|.TTTT"));
    QCOMPARE(grid.GetGridCell(2, 1), QString("x21"));
    grid.UnHilightInGrid(false);
    QCOMPARE(grid.GetGridCell(1, 1), QString("x11"));
  }

  // Rows and columns each variant visits: fixed cells only with DoFixed,
  // footers and right fixed columns left out without it.
  void visited_cells_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("map");
    QTest::newRow("cell") << 0 << ".....|.....|...T.|.....";
    QTest::newRow("column") << 1 << ".....|..T..|..T..|.....";
    QTest::newRow("column fixed") << 2 << "..T..|..T..|..T..|..T..";
    QTest::newRow("row") << 3 << ".....|.TTT.|.....|.....";
    QTest::newRow("row fixed") << 4 << ".....|TTTTT|.....|.....";
    QTest::newRow("grid") << 5 << ".....|.TTT.|.TTT.|.....";
    QTest::newRow("grid fixed") << 6 << "TTTTT|TTTTT|TTTTT|TTTTT";
  }
  void visited_cells() {
    QFETCH(int, variant);
    QFETCH(QString, map);
    for (const bool mark : {false, true}) {
      TZadIrururOziz grid;
      Fill_With_X(grid);
      grid.SetFixedFooters(1);
      grid.SetFixedRightCols(1);
      const QString tag = mark ? "e" : "hi";
      auto in_cell = [&](int c, int r) {
        mark ? grid.MarkInCell(true, c, r, "x") : grid.HilightInCell(true, c, r, "x");
      };
      auto in_col = [&](bool f, int c) { mark ? grid.MarkInCol(f, true, c, "x") : grid.HilightInCol(f, true, c, "x"); };
      auto in_row = [&](bool f, int r) { mark ? grid.MarkInRow(f, true, r, "x") : grid.HilightInRow(f, true, r, "x"); };
      auto in_grid = [&](bool f) { mark ? grid.MarkInGrid(f, true, "x") : grid.HilightInGrid(f, true, "x"); };
      switch (variant) {
        case 0:
          in_cell(3, 2);
          break;
        case 1:
          in_col(false, 2);
          break;
        case 2:
          in_col(true, 2);
          break;
        case 3:
          in_row(false, 1);
          break;
        case 4:
          in_row(true, 1);
          break;
        case 5:
          in_grid(false);
          break;
        default:
          in_grid(true);
          break;
      }
      QCOMPARE(Tagged_Cells(grid, tag), map);
      // Removing runs over the same cells (the un-variants of row and grid
      // reach further, which a grid without hidden columns does not show).
      switch (variant) {
        case 0:
          mark ? grid.UnMarkInCell(3, 2) : grid.UnHilightInCell(3, 2);
          break;
        case 1:
        case 2:
          mark ? grid.UnMarkInCol(variant == 2, 2) : grid.UnHilightInCol(variant == 2, 2);
          break;
        case 3:
        case 4:
          mark ? grid.UnMarkInRow(variant == 4, 1) : grid.UnHilightInRow(variant == 4, 1);
          break;
        default:
          mark ? grid.UnMarkInGrid(variant == 6) : grid.UnHilightInGrid(variant == 6);
          break;
      }
      QCOMPARE(Tagged_Cells(grid, tag), QString(".....|.....|.....|....."));
    }
  }

  // A hidden column's cells lie beyond ColCount in the store: removing tags
  // reaches them, adding them (except HilightInGrid) does not.
  void hidden_columns() {
    TZadIrururOziz grid;
    Fill_With_X(grid);
    grid.HideColumn(4);
    QCOMPARE(grid.ColCount(), 4);
    grid.SetGridCell(4, 1, "<hi>x</hi>41");
    grid.HilightInRow(false, false, 1, "x");
    QCOMPARE(Tagged_Cells(grid, "hi"), QString(".....|.TTTT|.....|....."));
    QCOMPARE(grid.GetGridCell(4, 1), QString("<hi>x</hi>41"));
    grid.UnHilightInRow(false, 1);
    QCOMPARE(Tagged_Cells(grid, "hi"), QString(".....|.....|.....|....."));

    grid.HilightInGrid(false, false, "x");
    QCOMPARE(Tagged_Cells(grid, "hi"), QString(".....|.TTTT|.TTTT|.TTTT"));
    grid.MarkInGrid(false, false, "x");
    QCOMPARE(Tagged_Cells(grid, "e"), QString(".....|.TTT.|.TTT.|.TTT."));
    grid.UnMarkInGrid(false);
    grid.UnHilightInGrid(false);
    QCOMPARE(Tagged_Cells(grid, "hi") + Tagged_Cells(grid, "e"), QString(".....|.....|.....|.....").repeated(2));
  }

  // With OnGetDisplText the shown text is what gets tagged and stored.
  void display_text_event() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "7");
    grid.OnGetDisplText = [](TBaseGrid*, int, int, QString& value) {
      if (!value.contains(QLatin1String("kWh"))) value += QLatin1String(" kWh");
    };
    grid.HilightInCell(false, 1, 1, "kwh");
    QCOMPARE(grid.GetGridCell(1, 1), QString("7 <hi>kWh</hi>"));
    grid.UnHilightInCell(1, 1);
    QCOMPARE(grid.GetGridCell(1, 1), QString("7 kWh"));
  }

  // The renderer draws highlighted hits on the highlight colour and marked
  // errors with a red zigzag. GRID_MARKS_SHOT saves the picture.
  void painted() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetColWidths(1, 160);
    grid.SetColWidths(2, 160);
    grid.SetCellEx(1, 1, "meter 12 kWh");
    grid.SetCellEx(1, 2, "flow kwh/h");
    grid.SetCellEx(2, 1, "1O.5 kWh");
    grid.SetCellEx(2, 2, "no hit");
    grid.SetHighlightColor(0x00FFFF);  // yellow
    grid.HilightInGrid(false, false, "kWh");
    grid.MarkInCell(true, 2, 1, "O");
    grid.resize(400, 140);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage shot = grid.grab().toImage();
    const QString file = qEnvironmentVariable("GRID_MARKS_SHOT");
    if (!file.isEmpty()) QVERIFY(shot.save(file));
    auto count = [&](int c, int r, QColor colour) {
      const TRect rect = grid.CellRect(c, r);
      const QPoint origin = grid.viewport()->mapTo(&grid, QPoint(0, 0));
      int n = 0;
      for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
          if (shot.pixelColor(origin + QPoint(x, y)) == colour) ++n;
      return n;
    };
    const QColor yellow(255, 255, 0), red(255, 0, 0);
    QVERIFY(count(1, 1, yellow) > 20);
    QVERIFY(count(1, 2, yellow) > 20);
    QCOMPARE(count(2, 2, yellow), 0);
    QVERIFY(count(2, 1, red) > 3);
    QCOMPARE(count(1, 1, red), 0);
    grid.SetHighlightColor(clHighlight);
  }
};

QTEST_MAIN(GridHighlightTest)
#include "grid_highlight_test.moc"
