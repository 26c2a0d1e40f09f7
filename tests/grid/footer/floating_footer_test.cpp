// The floating footer under a grid: its settings and the grid flags they
// switch, the footer row that follows the row count, the template of the
// custom preview, and the panel's painting, hints and clicks.
#include "grid/core/floating_footer.h"

#include <QImage>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/filter/filter_drop_lists.h"
#include "grid/footer/footer_panel.h"
#include "grid/footer/footer_template.h"

namespace {

// A 6 x 8 grid with a fixed row and column, columns 50 pixels wide.
struct Footer_Grid {
  TZadIrururOziz grid;
  Footer_Grid() {
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.SetDefaultColWidth(50);
    for (int c = 0; c < 6; ++c) grid.SetColWidths(c, 50);
    grid.resize(220, 260);
  }
  TFloatingFooter& footer() { return grid.FloatingFooter(); }
  TFooterPanel& panel() { return *grid.FooterPanel(); }
  void Show(TFooterStyle style) {
    footer().SetFooterStyle(style);
    footer().SetVisible(true);
  }
  QImage Picture() { return panel().grab().toImage(); }
};

}  // namespace

class FloatingFooterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void fixed_last_row_makes_a_footer_row_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("footers");
    QTest::newRow("fixed last row") << int(fsFixedLastRow) << 1;
    QTest::newRow("column preview") << int(fsColumnPreview) << 0;
    QTest::newRow("custom preview") << int(fsCustomPreview) << 0;
    QTest::newRow("custom paint") << int(fsCustomPaint) << 0;
  }
  void fixed_last_row_makes_a_footer_row() {
    QFETCH(int, style);
    QFETCH(int, footers);
    Footer_Grid g;
    g.Show(TFooterStyle(style));
    QCOMPARE(g.grid.FixedFooters(), footers);
    QCOMPARE(g.grid.HideLastRow(), footers == 1);
    QVERIFY(g.panel().isVisibleTo(&g.grid));
    QCOMPARE(g.panel().height(), g.footer().Height() - 1);
    // The panel lies along the bottom of the cell area.
    QCOMPARE(g.panel().geometry().bottom(), g.grid.viewport()->geometry().bottom());
    g.footer().SetVisible(false);
    QCOMPARE(g.grid.FixedFooters(), 0);
    QVERIFY(!g.grid.HideLastRow());
    QVERIFY(!g.panel().isVisibleTo(&g.grid));
  }

  void height_follows_the_default_row_height() {
    Footer_Grid g;
    QCOMPARE(g.footer().Height(), g.grid.DefaultRowHeight());
    g.Show(fsFixedLastRow);
    g.grid.SetGridDefaultRowHeight(30);
    QCOMPARE(g.footer().Height(), 30);
    QCOMPARE(g.panel().height(), 29);
  }

  void column_calc_lives_in_the_last_row() {
    Footer_Grid g;
    g.Show(fsFixedLastRow);
    g.footer().SetColumnCalc(2, acSUM);
    QCOMPARE(g.footer().GetColumnCalc(2), acSUM);
    QCOMPARE(g.footer().GetColumnCalc(3), acNONE);
    QCOMPARE(g.footer().GetColumnCalc(-1), acNONE);
    // The row count moves the footer row, its calculations and texts with it.
    g.grid.Store().Set_Text(4, 7, QStringLiteral("T"));
    g.grid.SetRowCount(12);
    QCOMPARE(g.footer().GetColumnCalc(2), acSUM);
    QCOMPARE(g.grid.Store().Text(4, 11), QStringLiteral("T"));
    QCOMPARE(g.grid.Store().Text(4, 7), QString());
    g.grid.SetRowCount(5);
    QCOMPARE(g.footer().GetColumnCalc(2), acSUM);
    QCOMPARE(g.grid.Store().Text(4, 4), QStringLiteral("T"));
    // Without a footer the last row stays where it is.
    g.footer().SetVisible(false);
    g.grid.SetRowCount(7);
    QCOMPARE(g.grid.Store().Text(4, 4), QStringLiteral("T"));
    QCOMPARE(g.footer().GetColumnCalc(2), acNONE);
  }

  void count_and_custom_columns_are_calculated() {
    Footer_Grid g;
    g.Show(fsFixedLastRow);
    int asked = -1;
    g.footer().OnCalcFooter = [&](TZadIrururOziz*, int ACol, QString& Value) {
      asked = ACol;
      Value = QStringLiteral("footer");
    };
    g.footer().SetColumnCalc(1, acCOUNT);
    g.footer().SetColumnCalc(3, acCUSTOM);
    // Rows 1 .. 6 are data rows: the fixed row and the footer row are not.
    QCOMPARE(g.grid.Store().Text(1, 7), QStringLiteral("6"));
    QCOMPARE(asked, 3);
    QCOMPARE(g.grid.Store().Text(3, 7), QStringLiteral("footer"));
    // The grid's own event comes first.
    g.grid.OnFooterCalc = [](TZadIrururOziz*, int, QString& Value) { Value = QStringLiteral("grid"); };
    g.grid.RecalcFooter();
    QCOMPARE(g.grid.Store().Text(3, 7), QStringLiteral("grid"));
    // Switched off, nothing is written.
    g.footer().SetEnableCalculation(false);
    g.grid.SetRowCount(10);
    QCOMPARE(g.grid.Store().Text(1, 9), QStringLiteral("6"));
  }

  void column_calculations_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sum") << int(acSUM) << "12.00";
    QTest::newRow("average over six rows") << int(acAVG) << "2.00";
    QTest::newRow("minimum") << int(acMIN) << "0.00";
    QTest::newRow("maximum") << int(acMAX) << "5.00";
    QTest::newRow("spread") << int(acSPREAD) << "5.00";
    QTest::newRow("distinct texts, the empty one too") << int(acDISTINCT) << "6";
  }
  void column_calculations() {
    QFETCH(int, kind);
    QFETCH(QString, expected);
    Footer_Grid g;
    g.grid.SetFloatFormat(QStringLiteral("%.2f"));
    const char* values[] = {"1", "2", "4", "5", "", "x"};
    for (int r = 1; r <= 6; ++r) g.grid.Store().Set_Text(2, r, QString::fromLatin1(values[r - 1]));
    g.Show(fsFixedLastRow);
    g.footer().SetColumnCalc(2, TColumnCalcType(kind));
    QCOMPARE(g.grid.Store().Text(2, 7), expected);
  }

  void sum_follows_edits_and_rows() {
    Footer_Grid g;
    g.grid.SetFloatFormat(QStringLiteral("%.0f"));
    g.Show(fsFixedLastRow);
    g.footer().SetColumnCalc(3, acSUM);
    QCOMPARE(g.grid.Store().Text(3, 7), QStringLiteral("0"));
    g.grid.SetOptions(g.grid.Options() | goEditing);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.FocusCell(3, 2);
    QTest::keyClick(&g.grid, Qt::Key_F2);
    QVERIFY(g.grid.EditorMode());
    QTest::keyClicks(g.grid.InplaceEditor(), "40");
    QTest::keyClick(g.grid.InplaceEditor(), Qt::Key_Return);
    QCOMPARE(g.grid.Store().Text(3, 7), QStringLiteral("40"));
    // A new row from the row count keeps the footer at the bottom.
    g.grid.SetRowCount(9);
    g.grid.Store().Set_Text(3, 7, QStringLiteral("2"));
    g.grid.RecalcFooter();
    QCOMPARE(g.grid.Store().Text(3, 8), QStringLiteral("42"));
    // Hidden rows count while CalculateHiddenRows is on.
    g.grid.HideRows(1, 2);
    g.grid.RecalcFooter();
    QCOMPARE(g.grid.Store().Text(3, g.grid.RowCount() - 1), QStringLiteral("42"));
    g.footer().SetCalculateHiddenRows(false);
    g.grid.RecalcFooter();
    QCOMPARE(g.grid.Store().Text(3, g.grid.RowCount() - 1), QStringLiteral("2"));
  }

  void template_expansion_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("column value") << "Total: <#3>"
                                  << "Total: 42";
    QTest::newRow("two tags") << "<#3>/<#1>"
                              << "42/one";
    QTest::newRow("tag of letters dropped") << "a<#x>b"
                                            << "ab";
    QTest::newRow("empty tag dropped") << "a<#>b"
                                       << "ab";
    QTest::newRow("unclosed tag kept") << "A<#3"
                                       << "A<#3";
    QTest::newRow("after a closed one") << "<#3> and <#1"
                                        << "42 and <#1";
    QTest::newRow("beyond the columns") << "[<#99>]"
                                        << "[]";
    QTest::newRow("huge number") << "[<#99999999999999999999>]"
                                 << "[]";
    QTest::newRow("no tags") << "plain"
                             << "plain";
  }
  void template_expansion() {
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    Footer_Grid g;
    g.grid.Store().Set_Text(3, 2, QStringLiteral("42"));
    g.grid.Store().Set_Text(1, 2, QStringLiteral("one"));
    const QString text = ExpandFooterTemplate(pattern, [&g](int n) { return g.grid.FooterCellText(n, 2); });
    QCOMPARE(text, expected);
  }

  void custom_preview_paints_the_current_row() {
    Footer_Grid g;
    g.grid.SetColWidths(3, 120);
    g.grid.Store().Set_Text(3, 2, QStringLiteral("<b>42</b>"));
    g.grid.FocusCell(3, 2);
    g.footer().SetCustomTemplate(QStringLiteral("<#3>"));
    g.Show(fsCustomPreview);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    const QImage picture = g.Picture();
    // Dark text pixels on the footer's face, right of the frame.
    int dark = 0;
    for (int y = 2; y < picture.height() - 2; ++y)
      for (int x = 2; x < 60; ++x)
        if (qGray(picture.pixel(x, y)) < 80) ++dark;
    QVERIFY(dark > 5);
  }

  void footer_cells_scroll_with_the_columns() {
    Footer_Grid g;
    g.Show(fsFixedLastRow);
    g.grid.SetColors(4, 7, 0x0000FF);  // red
    g.grid.resize(270, 260);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    auto red_from = [&g] {
      const QImage picture = g.Picture();
      const int y = picture.height() / 2;
      for (int x = 0; x < picture.width(); ++x)
        if (picture.pixelColor(x, y) == QColor(255, 0, 0)) return x;
      return -1;
    };
    QCOMPARE(g.panel().ColumnAt(5), 0);
    QCOMPARE(g.panel().ColumnAt(55), 1);
    const int before = red_from();
    QVERIFY(before >= 200 - 2 && before <= 200 + 2);
    g.grid.SetLeftCol(2);
    QCOMPARE(g.panel().ColumnAt(5), 0);  // the fixed column stays
    QCOMPARE(g.panel().ColumnAt(55), 2);
    QTRY_COMPARE(red_from(), before - 50);
  }

  void right_to_left_puts_the_footer_at_the_right() {
    Footer_Grid g;
    g.grid.setLayoutDirection(Qt::RightToLeft);
    g.Show(fsFixedLastRow);
    g.grid.resize(500, 260);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    const TRect area = g.panel().FooterArea();
    QCOMPARE(area.Right, g.panel().width());
    QCOMPARE(area.Width(), 300);
    QCOMPARE(g.panel().ColumnAt(g.panel().width() - 1), 0);
    QCOMPARE(g.panel().ColumnAt(g.panel().width() - 60), 1);
    QCOMPARE(g.panel().ColumnAt(10), -1);
  }

  void click_reports_the_footer_cell() {
    Footer_Grid g;
    g.Show(fsFixedLastRow);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    QStringList calls;
    g.grid.OnClick = [&](TZadIrururOziz*) { calls << QStringLiteral("click"); };
    g.grid.OnClickCell = [&](TZadIrururOziz*, int ARow, int ACol) {
      calls << QStringLiteral("cell %1,%2").arg(ARow).arg(ACol);
    };
    QTest::mouseClick(&g.panel(), Qt::LeftButton, {}, QPoint(125, 5));
    QCOMPARE(calls, QStringList({QStringLiteral("click"), QStringLiteral("cell 7,2")}));
  }

  // A header filter list open over the cells closes at a click on the
  // footer as at a click on the cells.
  void footer_click_closes_an_open_filter_list() {
    Footer_Grid g;
    g.Show(fsFixedLastRow);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    for (QListWidget* list :
         {static_cast<QListWidget*>(g.grid.FilterDropCheckList()), static_cast<QListWidget*>(g.grid.FilterDropList())}) {
      list->setGeometry(10, 10, 80, 60);
      list->show();
      list->setFocus();
      QTest::mouseClick(&g.panel(), Qt::LeftButton, {}, QPoint(125, 5));
      QVERIFY(!list->isVisible());
    }
  }

  void hints_ask_for_the_footer_cell() {
    Footer_Grid g;
    g.Show(fsFixedLastRow);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    QPoint asked(-1, -1);
    g.grid.OnGridHint = [&](TZadIrururOziz*, int ARow, int ACol, QString& hint) {
      asked = QPoint(ACol, ARow);
      hint = QStringLiteral("sum");
    };
    auto hint_at = [&g](int x) {
      QHelpEvent help(QEvent::ToolTip, QPoint(x, 3), g.panel().mapToGlobal(QPoint(x, 3)));
      QApplication::sendEvent(&g.panel(), &help);
    };
    hint_at(75);
    QCOMPARE(asked, QPoint(1, 7));
    QCOMPARE(g.panel().LastHintX(), -1);  // hints are off
    g.footer().SetShowHint(true);
    hint_at(175);
    QCOMPARE(asked, QPoint(3, 7));
    QCOMPARE(g.panel().LastHintX(), 3);
    // Moving to another column forgets the hint's column; leaving resets it.
    QTest::mouseMove(&g.panel(), QPoint(25, 3));
    QCOMPARE(g.panel().LastHintX(), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&g.panel(), &leave);
    QCOMPARE(g.panel().LastHintX(), -1);
  }

  void border_and_custom_paint() {
    Footer_Grid g;
    g.footer().SetBorderColor(0x00FF00);
    int column = -1;
    g.footer().SetColumn(4);
    g.grid.OnFooterPaint = [&](QWidget*, int AColumn, TCanvas& Canvas, const TRect& R) {
      column = AColumn;
      Canvas.Brush.Color = 0xFF0000;  // blue
      Canvas.Fill_Rect(R.Inflate(0, -2));
    };
    g.Show(fsCustomPaint);
    g.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    const QImage picture = g.Picture();
    QCOMPARE(column, 4);
    QCOMPARE(picture.pixelColor(picture.width() - 1, 0), QColor(0, 255, 0));
    QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(0, 0, 255));
  }

  void assign_copies_the_settings() {
    TFloatingFooter source;
    source.SetColor(0x123456);
    source.SetColumn(3);
    source.SetCustomTemplate(QStringLiteral("<#1>"));
    source.SetFooterStyle(fsCustomPreview);
    source.SetVisible(true);
    source.SetShowHint(true);
    source.SetCalculateHiddenRows(false);
    Footer_Grid g;
    g.footer().Assign(source);
    QCOMPARE(g.footer().Color(), TColor(0x123456));
    QCOMPARE(g.footer().Column(), 3);
    QCOMPARE(g.footer().CustomTemplate(), QStringLiteral("<#1>"));
    QCOMPARE(g.footer().FooterStyle(), fsCustomPreview);
    QVERIFY(g.footer().Visible() && g.footer().ShowHint() && !g.footer().CalculateHiddenRows());
    QVERIFY(g.panel().isVisibleTo(&g.grid));
    QCOMPARE(g.grid.FixedFooters(), 0);
  }
};

QTEST_MAIN(FloatingFooterTest)
#include "floating_footer_test.moc"
