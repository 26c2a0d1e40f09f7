// Printing the string grid: page breaking, strips, page numbers, header and
// footer texts, repeated fixed rows and columns, fitting, forced breaks, the
// cells on a page (merges, border sides, cut merges, gradients) and the print,
// preview and page-draw operations. Pages are recorded by a paint device at
// 254 pixels per inch, so one recorded pixel is one print unit.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <set>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "canopen_sample_grid.h"
#include "recording_device.h"

namespace {

// A grid that remembers the export notifications of a run.
class Noting_Grid : public TZadIrururOziz {
 public:
  std::vector<std::pair<TGridExportState, int>> Notes;
  void ExportNotification(TGridExportState AState, int ARow) override { Notes.emplace_back(AState, ARow); }
  int Count(TGridExportState s) const {
    int n = 0;
    for (const auto& note : Notes) n += note.first == s;
    return n;
  }
};

// Rows of fixed height 100 print units; texts "c<col>r<row>", the fixed row
// "H<col>", the fixed column "F<row>".
void Fill(TZadIrururOziz& g, int cols, int rows, int fixedRows = 0, int fixedCols = 0) {
  g.SetColCount(cols);
  g.SetRowCount(rows);
  g.SetFixedRows(fixedRows);
  g.SetFixedCols(fixedCols);
  for (int c = 0; c < cols; ++c)
    for (int r = 0; r < rows; ++r) {
      QString t = QString("c%1r%2").arg(c).arg(r);
      if (r < fixedRows) t = QString("H%1").arg(c);
      if (c < fixedCols && r >= fixedRows) t = QString("F%1").arg(r);
      g.SetCellEx(c, r, t);
    }
  TPrintSettings& ps = g.PrintSettings();
  const QFont font(QStringLiteral("DejaVu Sans"), 10);
  ps.SetFont(font);
  ps.SetHeaderFont(font);
  ps.SetFooterFont(font);
  ps.SetUseFixedHeight(true);
  ps.SetFixedHeight(100);
  ps.SetCentered(false);
}

// Every page of a preview on a page of w x h print units, each recorded item
// marked with its page number.
int Preview_All(TZadIrururOziz& g, Recording_Device& dev) {
  dev.Clear();
  auto previous = g.OnPrintPage;
  g.OnPrintPage = [&dev](TZadIrururOziz*, TCanvas&, int PageNr, int, int) { dev.Page = PageNr; };
  g.PrintState().FPrintPageFrom = 1;
  g.PrintState().FPrintPageTo = 1000;
  QPainter p(&dev);
  g.PrintPreview(p, TRect{0, 0, dev.width(), dev.height()});
  p.end();
  g.OnPrintPage = previous;
  return g.PrintState().FPrintPageNum;
}

// Pages on which a text appears.
std::vector<int> Pages_Of(const Recording_Device& dev, const QString& text) {
  std::vector<int> pages;
  for (const auto& t : dev.Find(text)) pages.push_back(t.Page);
  return pages;
}

// The page number texts in drawing order.
QStringList Page_Numbers(const Recording_Device& dev) {
  static const QRegularExpression number(QStringLiteral("^\\d+[-/]\\d+$|^\\d+$"));
  QStringList out;
  for (const auto& t : dev.Texts)
    if (number.match(t.Text.trimmed()).hasMatch()) out << t.Text.trimmed();
  return out;
}

Format_Settings Slash_Dates() {
  Format_Settings s;
  s.Date_Separator = '/';
  s.Time_Separator = ':';
  return s;
}

}  // namespace

class GridPrintTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void page_numbers_one_strip_and_counting_pass() {
    TZadIrururOziz g;
    Fill(g, 3, 20);
    g.PrintSettings().SetPageNr(ppBottomRight);
    int counted = -1;
    g.OnPrintStart = [&](TZadIrururOziz*, int n, int&, int&) { counted = n; };
    Recording_Device dev(1000, 1000);
    QCOMPARE(Preview_All(g, dev), 3);
    QCOMPARE(counted, 3);
    QCOMPARE(Page_Numbers(dev), (QStringList{"1/3", "2/3", "3/3"}));
    // Every row is printed exactly once, in order over the pages.
    int lastPage = 0;
    for (int r = 0; r < 20; ++r) {
      const auto pages = Pages_Of(dev, QString("c1r%1").arg(r));
      QCOMPARE(int(pages.size()), 1);
      QVERIFY(pages[0] >= lastPage);
      lastPage = pages[0];
    }
    // Page number on the right of the footer line, inside the page.
    const auto nr = dev.Find("1/3");
    QVERIFY(nr[0].Pos.x() > 800 && nr[0].Pos.y() < 1000 && nr[0].Pos.y() > 900);
  }

  void strips_number_pages_down_then_across() {
    TZadIrururOziz g;
    Fill(g, 6, 12);
    TPrintSettings& ps = g.PrintSettings();
    ps.SetPageNr(ppTopCenter);
    ps.SetNoAutoSize(true);
    for (int c = 0; c < 6; ++c) g.SetColWidths(c, 150);  // two columns fill a page width
    Recording_Device dev(1000, 1000);
    QCOMPARE(Preview_All(g, dev), 6);
    QCOMPARE(Page_Numbers(dev), (QStringList{"1-1", "2-1", "1-2", "2-2", "1-3", "2-3"}));
    // Strip 2 holds columns 2 and 3 only.
    QCOMPARE(Pages_Of(dev, "c2r0"), (std::vector<int>{3}));
    QCOMPARE(Pages_Of(dev, "c3r11"), (std::vector<int>{4}));
    QVERIFY(Pages_Of(dev, "c4r0") == std::vector<int>{5});
  }

  void time_and_date_join_by_position_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");
    QTest::newRow("top left: date first") << int(ppTopLeft) << "05/03/2024 14:07 ";
    QTest::newRow("top right: time first") << int(ppTopRight) << " 14:07 05/03/2024";
    QTest::newRow("bottom centre: time first") << int(ppBottomCenter) << " 14:07 05/03/2024";
  }
  void time_and_date_join_by_position() {
    QFETCH(int, position);
    QFETCH(QString, expected);
    Format_Settings_Scope scope(Slash_Dates());
    TZadIrururOziz g;
    Fill(g, 2, 2);
    TPrintSettings& ps = g.PrintSettings();
    ps.SetTime(TPrintPosition(position));
    ps.SetDate(TPrintPosition(position));
    g.PrintClock = [] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 31)); };
    Recording_Device dev(1000, 1000);
    Preview_All(g, dev);
    QVERIFY2(dev.All_Texts().contains(expected), qPrintable(dev.All_Texts().join('|')));
  }

  // Cells print in the display's fonts by default; without UseDisplayFont
  // normal cells take the print settings' Font and fixed cells their FixedFont.
  void cells_print_in_the_print_fonts_unless_told_otherwise() {
    TZadIrururOziz g;
    Fill(g, 3, 4, 1, 1);
    QFont display = g.GridFont();
    display.setFamily("DejaVu Sans");
    g.SetGridFont(display);
    QFont cells("DejaVu Serif"), fixed("DejaVu Sans Mono");
    g.PrintSettings().SetFont(cells);
    g.PrintSettings().SetFixedFont(fixed);
    auto family_of = [&](const char* text) {
      Recording_Device dev(1000, 1000);
      Preview_All(g, dev);
      const auto found = dev.Find(text);
      return found.empty() ? QString() : found[0].Font.family();
    };
    QCOMPARE(family_of("c1r1"), QString("DejaVu Sans"));
    g.PrintSettings().SetUseDisplayFont(false);
    QCOMPARE(family_of("c1r1"), QString("DejaVu Serif"));
    QCOMPARE(family_of("H1"), QString("DejaVu Sans Mono"));
  }

  void repeated_fixed_rows_head_every_page() {
    TZadIrururOziz g;
    Fill(g, 3, 41, 1);
    Recording_Device dev(1000, 1000);
    Preview_All(g, dev);
    QCOMPARE(Pages_Of(dev, "H1"), (std::vector<int>{1}));

    g.PrintSettings().SetRepeatFixedRows(true);
    const int pages = Preview_All(g, dev);
    QVERIFY(pages >= 5);
    std::vector<int> expected;
    for (int p = 1; p <= pages; ++p) expected.push_back(p);
    QCOMPARE(Pages_Of(dev, "H1"), expected);

    // A range that starts below the fixed rows gets them on its first page.
    dev.Clear();
    g.OnPrintPage = [&dev](TZadIrururOziz*, TCanvas&, int PageNr, int, int) { dev.Page = PageNr; };
    g.PrintState().FPrintPageFrom = 1;
    g.PrintState().FPrintPageTo = 1000;
    QPainter p(&dev);
    g.PrintPreviewRect(p, TRect{0, 0, 1000, 1000}, TGridRect{0, 5, 2, 40});
    p.end();
    const auto heads = Pages_Of(dev, "H1");
    QVERIFY(!heads.empty());
    QCOMPARE(heads.front(), 1);
    QVERIFY(Pages_Of(dev, "c1r4").empty());
    QCOMPARE(Pages_Of(dev, "c1r5"), (std::vector<int>{1}));
    // The head stands above the first row of the range.
    QVERIFY(dev.Find("H1")[0].Pos.y() < dev.Find("c1r5")[0].Pos.y());
  }

  void repeated_fixed_columns_start_every_strip() {
    TZadIrururOziz g;
    Fill(g, 7, 4, 0, 1);
    TPrintSettings& ps = g.PrintSettings();
    ps.SetNoAutoSize(true);
    for (int c = 0; c < 7; ++c) g.SetColWidths(c, 150);
    Recording_Device dev(1000, 1000);
    Preview_All(g, dev);
    QCOMPARE(Pages_Of(dev, "F2"), (std::vector<int>{1}));

    ps.SetRepeatFixedCols(true);
    const int pages = Preview_All(g, dev);
    QVERIFY(pages >= 3);
    std::vector<int> all;
    for (int p = 1; p <= pages; ++p) all.push_back(p);
    QCOMPARE(Pages_Of(dev, "F2"), all);
    // The fixed column stands left of the strip's first column.
    for (const auto& f : dev.Find("F2")) {
      for (const auto& t : dev.Texts)
        if (t.Page == f.Page && t.Text.endsWith("r2") && t.Text != "F2") QVERIFY(t.Pos.x() > f.Pos.x());
    }

    // Printing from column 1 repeats it on the first strip too.
    dev.Clear();
    g.OnPrintPage = [&dev](TZadIrururOziz*, TCanvas&, int PageNr, int, int) { dev.Page = PageNr; };
    QPainter p(&dev);
    g.PrintPreviewRect(p, TRect{0, 0, 1000, 1000}, TGridRect{1, 0, 6, 3});
    p.end();
    QCOMPARE(Pages_Of(dev, "F2").front(), 1);
  }

  void fitting_to_the_page_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("allow");  // fpCustom: -1 no handler, 0 refused, 1 allowed
    QTest::addColumn<QString>("expect");  // "same", "fill"
    QTest::newRow("never") << int(fpNever) << -1 << "same";
    QTest::newRow("shrink leaves narrow columns") << int(fpShrink) << -1 << "same";
    QTest::newRow("grow fills the width") << int(fpGrow) << -1 << "fill";
    QTest::newRow("always fills the width") << int(fpAlways) << -1 << "fill";
    QTest::newRow("custom refused prints unscaled") << int(fpCustom) << 0 << "same";
    QTest::newRow("custom allowed") << int(fpCustom) << 1 << "fill";
  }
  void fitting_to_the_page() {
    QFETCH(int, mode);
    QFETCH(int, allow);
    QFETCH(QString, expect);
    TZadIrururOziz g;
    Fill(g, 3, 3);
    TPrintSettings& ps = g.PrintSettings();
    ps.SetNoAutoSize(true);
    ps.SetLeftSize(50);
    ps.SetRightSize(30);
    for (int c = 0; c < 3; ++c) g.SetColWidths(c, 60);  // 159 print units each
    auto widths = [&g](int fitMode) {
      g.PrintSettings().SetFitToPage(TFitToPage(fitMode));
      std::map<int, int> w;
      g.OnPrintSetColumnWidth = [&w](TZadIrururOziz*, int c, int& width) { w[c] = width; };
      Recording_Device dev(1000, 1000);
      Preview_All(g, dev);
      g.OnPrintSetColumnWidth = nullptr;
      return w;
    };
    const auto plain = widths(fpNever);
    QCOMPARE(plain.at(0), 159);
    double offered = 0;
    if (allow >= 0)
      g.OnFitToPage = [&](TZadIrururOziz*, double& f, bool& a) {
        offered = f;
        a = allow == 1;
      };
    const auto fitted = widths(mode);
    if (expect == "same") {
      QCOMPARE(fitted, plain);
    } else {
      const int m = 20;  // ColumnSpacing 0 + 20
      int sum = 0;
      for (const auto& [c, w] : fitted) sum += w + m;
      QVERIFY2(sum <= 1000 - 50 - 30 && sum >= 1000 - 50 - 30 - 3, qPrintable(QString::number(sum)));
    }
    if (allow >= 0) QVERIFY(offered > 1.0);
  }

  void forced_breaks_and_over_tall_rows_data() {
    QTest::addColumn<bool>("forceEveryRow");
    QTest::addColumn<int>("rowHeight");
    QTest::newRow("OnPrintNewPage on every row") << true << 100;
    QTest::newRow("a row twice the page height") << false << 2000;
  }
  void forced_breaks_and_over_tall_rows() {
    QFETCH(bool, forceEveryRow);
    QFETCH(int, rowHeight);
    TZadIrururOziz g;
    Fill(g, 2, 5);
    g.PrintSettings().SetFixedHeight(rowHeight);
    if (forceEveryRow) g.OnPrintNewPage = [](TZadIrururOziz*, int, bool& NewPage) { NewPage = true; };
    int done = 0;
    g.OnPrintPageDone = [&](TZadIrururOziz*, TCanvas&, int, int, int, int, int) { ++done; };
    Recording_Device dev(1000, 1000);
    QCOMPARE(Preview_All(g, dev), 5);
    QCOMPARE(done, 5);
    for (int r = 0; r < 5; ++r) QCOMPARE(Pages_Of(dev, QString("c1r%1").arg(r)), (std::vector<int>{r + 1}));
  }

  // ---- cells on a page

  void merged_cells_print_as_one_rectangle() {
    TZadIrururOziz g;
    Fill(g, 3, 3);
    TPrintSettings& ps = g.PrintSettings();
    ps.SetNoAutoSize(true);
    for (int c = 0; c < 3; ++c) g.SetColWidths(c, 60);
    g.MergeCells(1, 1, 2, 1);
    g.SetColors(1, 1, TColor(0x00FF00));
    Recording_Device dev(1000, 1000);
    QPainter p(&dev);
    g.PrintDraw(p, TRect{0, 0, 1000, 1000});
    p.end();
    // Widths 159 each plus spacing 20: the merge's fill is 2 * 179 wide.
    bool found = false;
    for (const auto& r : dev.Rects)
      if (r.Fill == QColor(0, 255, 0)) {
        found = true;
        QCOMPARE(qRound(r.Rect.width()), 2 * 179);
      }
    QVERIFY(found);
    QVERIFY(dev.Find("c2r1").empty());
    // No vertical line at the inner edge of the merge within its row.
    const auto cell = dev.Find("c1r1");
    QCOMPARE(int(cell.size()), 1);
    const qreal rowY = cell[0].Pos.y();
    const qreal inner = 179 * 2;  // left edge of column 2
    for (const auto& l : dev.Lines) {
      const bool vertical = qFuzzyCompare(l.Line.x1(), l.Line.x2());
      if (!vertical) continue;
      const qreal top = std::min(l.Line.y1(), l.Line.y2()), bottom = std::max(l.Line.y1(), l.Line.y2());
      if (top < rowY && bottom > rowY) QVERIFY2(std::abs(l.Line.x1() - inner) > 5, "inner line drawn");
    }
  }

  void border_sides_by_setting_and_event() {
    TZadIrururOziz g;
    Fill(g, 3, 3);
    g.PrintSettings().SetBorders(pbHorizontal);
    auto verticals = [&g]() {
      Recording_Device dev(1000, 1000);
      QPainter p(&dev);
      g.PrintDraw(p, TRect{0, 0, 1000, 1000});
      p.end();
      int n = 0, h = 0;
      for (const auto& l : dev.Lines) {
        if (qFuzzyCompare(l.Line.x1(), l.Line.x2()))
          ++n;
        else
          ++h;
      }
      return std::pair(n, h);
    };
    const auto [v0, h0] = verticals();
    QCOMPARE(v0, 0);
    QVERIFY(h0 >= 9 * 2);
    g.OnGetCellPrintBorder = [](TZadIrururOziz*, int ARow, int ACol, TCanvas::Pen_State&, TCellBorders& b) {
      if (ACol == 2 && ARow == 1) b |= cbLeft;
    };
    QCOMPARE(verticals().first, 1);
  }

  void merge_reaching_below_the_page_is_cut() {
    TZadIrururOziz g;
    Fill(g, 2, 12);
    g.MergeCells(1, 8, 1, 4);  // rows 8..11, the last row on page 1 is row 8
    g.PrintSettings().SetRowSpacing(0);
    int lastRowOnPage = -1, lastY = 0;
    g.OnPrintPageDone = [&](TZadIrururOziz*, TCanvas&, int LastRow, int LastRowOffset, int LastPage, int, int) {
      if (LastPage == 1) lastRowOnPage = LastRow, lastY = LastRowOffset;
    };
    // 1000 units: rows of 100 + 2 * gap, footer about 50: rows 0..8 fit.
    Recording_Device dev(1000, 1100);
    QPainter p(&dev);
    g.PrintDraw(p, TRect{0, 0, 1000, 1100});
    p.end();
    QCOMPARE(lastRowOnPage, 9);
    const auto base = dev.Find("c1r8");
    QCOMPARE(int(base.size()), 1);
    // The merge's sides end where its first row ends; nothing runs below it.
    for (const auto& l : dev.Lines) {
      QVERIFY(std::max(l.Line.y1(), l.Line.y2()) <= -lastY + 10);
      const bool horizontal = qFuzzyCompare(l.Line.y1(), l.Line.y2());
      // No bottom line under the cut merge (column 1 spans x 179..358).
      if (horizontal && std::abs(l.Line.y1() - (-lastY)) < 2)
        QVERIFY(!(std::min(l.Line.x1(), l.Line.x2()) >= 170 && std::max(l.Line.x1(), l.Line.x2()) <= 370));
    }
  }

  void gradient_runs_from_color_to_at_the_bottom() {
    TZadIrururOziz g;
    Fill(g, 2, 2);
    g.SetColors(1, 1, TColor(0x0000FF));    // red
    g.SetColorsTo(1, 1, TColor(0xFF0000));  // blue
    Recording_Device dev(1000, 1000);
    QPainter p(&dev);
    g.PrintDraw(p, TRect{0, 0, 1000, 1000});
    p.end();
    const Recorded_Rect* top = nullptr;
    const Recorded_Rect* bottom = nullptr;
    int bands = 0;
    for (const auto& r : dev.Rects) {
      if (!r.Fill.isValid() || r.Fill == QColor(Qt::white)) continue;
      if (r.Rect.left() < 150) continue;  // column 0
      ++bands;
      if (!top || r.Rect.top() < top->Rect.top()) top = &r;
      if (!bottom || r.Rect.top() > bottom->Rect.top()) bottom = &r;
    }
    QVERIFY(bands > 1 && bands <= 64);
    QVERIFY(top->Fill.red() > 200 && top->Fill.blue() < 60);
    QVERIFY(bottom->Fill.blue() > 200 && bottom->Fill.red() < 60);
  }

  void rotated_text_turns_by_the_printer_driver_data() {
    QTest::addColumn<bool>("driverFix");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("expected");
    QTest::newRow("no fix") << false << 90 << 90;
    QTest::newRow("fix, driver 270") << true << 270 << 90;
    QTest::newRow("fix, driver 90") << true << 90 << -90;
  }
  void rotated_text_turns_by_the_printer_driver() {
    QFETCH(bool, driverFix);
    QFETCH(int, degrees);
    QFETCH(int, expected);
    TZadIrururOziz g;
    Fill(g, 2, 2);
    g.AddRotated(1, 1, 90, "turned");
    g.SetPrinterDriverFix(driverFix);
    g.PrinterOrientationQuery = [degrees] { return degrees; };
    Recording_Device dev(1000, 1000);
    QPainter p(&dev);
    g.PrintDraw(p, TRect{0, 0, 1000, 1000});
    p.end();
    const auto t = dev.Find("turned");
    QCOMPARE(int(t.size()), 1);
    QCOMPARE(qRound(t[0].Angle), expected);
  }

  void html_cells_print_in_their_cell() {
    TZadIrururOziz g;
    Fill(g, 3, 3);
    g.PrintSettings().SetNoAutoSize(true);
    for (int c = 0; c < 3; ++c) g.SetColWidths(c, 100);
    g.SetCellEx(1, 1, "<b>bold</b> and plain");
    Recording_Device dev(1000, 1000);
    QPainter p(&dev);
    g.PrintDraw(p, TRect{0, 0, 1000, 1000});
    p.end();
    QStringList texts = dev.All_Texts();
    const QString joined = texts.join(' ');
    QVERIFY2(joined.contains("bold") && joined.contains("plain") && !joined.contains("<b>"), qPrintable(joined));
    const auto plain = dev.Find("c2r1");
    for (const auto& t : dev.Texts)
      if (t.Text.contains("bold")) {
        QVERIFY(t.Font.bold());
        // Column 1 starts at 100 * 254 / 96 + 20 = 284 print units.
        QVERIFY(t.Pos.x() >= 284 && t.Pos.x() < 560);
        QVERIFY(std::abs(t.Pos.y() - plain[0].Pos.y()) < 40);
      }
  }

  void centred_table_with_an_outline_data() {
    QTest::addColumn<bool>("centered");
    QTest::addColumn<int>("left");
    QTest::newRow("centred: half the free width") << true << (1000 - 2 * 179) / 2;
    QTest::newRow("at the left margin") << false << 70;
  }
  void centred_table_with_an_outline() {
    QFETCH(bool, centered);
    QFETCH(int, left);
    TZadIrururOziz g;
    Fill(g, 2, 3);
    TPrintSettings& ps = g.PrintSettings();
    ps.SetNoAutoSize(true);
    ps.SetCentered(centered);
    ps.SetLeftSize(70);
    ps.SetBorders(pbAround);
    for (int c = 0; c < 2; ++c) g.SetColWidths(c, 60);  // 159 + 20 print units each
    Recording_Device dev(1000, 1000);
    QPainter p(&dev);
    g.PrintDraw(p, TRect{0, 0, 1000, 1000});
    p.end();
    // The cells draw no lines of their own; the outline is the only frame.
    std::multiset<int> verticals;
    int horizontals = 0;
    for (const auto& l : dev.Lines) {
      if (qFuzzyCompare(l.Line.x1(), l.Line.x2()))
        verticals.insert(qRound(l.Line.x1()));
      else
        ++horizontals;
    }
    QCOMPARE(verticals, (std::multiset<int>{left, left + 2 * 179}));
    QCOMPARE(horizontals, 2);
    QVERIFY(dev.Find("c0r0")[0].Pos.x() > left);
  }

  // ---- entry points

  void preview_page_draws_one_page_of_five() {
    Noting_Grid g;
    Fill(g, 2, 40);
    int reported = 0;
    g.OnPrintStart = [&](TZadIrururOziz*, int n, int&, int&) { reported = n; };
    std::set<int> started;
    Recording_Device dev(1000, 1000);
    g.OnPrintPage = [&](TZadIrururOziz*, TCanvas&, int PageNr, int, int) {
      started.insert(PageNr);
      dev.Page = PageNr;
    };
    g.SetPreviewPage(3);
    QPainter p(&dev);
    g.PrintPreview(p, TRect{0, 0, 1000, 1000});
    p.end();
    QCOMPARE(reported, 5);
    QCOMPARE(g.PreviewPage(), 3);
    QVERIFY(started.count(3) == 1);
    // Only rows of page 3 were drawn (8 rows a page: rows 16..23).
    QVERIFY(!dev.Texts.empty());
    for (const auto& t : dev.Texts) {
      QCOMPARE(t.Page, 3);
      const int row = t.Text.mid(t.Text.indexOf('r') + 1).toInt();
      QVERIFY2(row >= 16 && row <= 23, qPrintable(t.Text));
    }
    QCOMPARE(g.Count(esExportStart), 1);
    QCOMPARE(g.Count(esExportDone), 1);
    QVERIFY(!g.PrintState().FIsPrintPreview);
  }

  void preview_refused_by_print_start_draws_nothing() {
    Noting_Grid g;
    Fill(g, 2, 10);
    g.OnPrintStart = [](TZadIrururOziz*, int, int& from, int&) { from = 0; };
    Recording_Device dev(1000, 1000);
    QPainter p(&dev);
    g.SetPreviewPage(1);
    g.PrintPreview(p, TRect{0, 0, 1000, 1000});
    p.end();
    QVERIFY(dev.Texts.empty());
    QCOMPARE(g.Count(esExportStart), 1);
    QCOMPARE(g.Count(esExportDone), 1);
  }

  void print_selection_prints_the_selected_rows() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    Noting_Grid g;
    Fill(g, 3, 8, 1);
    g.SetSelection(TGridRect{0, 2, 2, 4});
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sel.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    g.PrintSelection(printer);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    for (int r = 2; r <= 4; ++r) QVERIFY2(out.contains(QString("c1r%1").arg(r)), qPrintable(out));
    QVERIFY(!out.contains("c1r1") && !out.contains("c1r5") && !out.contains("H1"));
    std::set<int> selRows;
    for (const auto& [s, row] : g.Notes) {
      QVERIFY(s != esExportNewRow);
      if (s == esExportSelRow) selRows.insert(row);
    }
    QCOMPARE(selRows, (std::set<int>{2, 3, 4}));
    QCOMPARE(g.Count(esExportDone), 1);
  }

  void print_start_cancel_still_ends_the_progress() {
    Noting_Grid g;
    Fill(g, 2, 4);
    g.OnPrintStart = [](TZadIrururOziz*, int, int&, int& to) { to = 0; };
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("none.pdf"));
    g.Print(printer);
    QVERIFY(!QFileInfo::exists(dir.filePath("none.pdf")));
    QCOMPARE(g.Count(esExportStart), 1);
    QCOMPARE(g.Count(esExportDone), 1);
  }

  void print_draw_on_a_bitmap_draws_the_first_page() {
    TZadIrururOziz g;
    Fill(g, 2, 30);
    QImage bitmap(1000, 1000, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    bitmap.setDotsPerMeterX(10000);
    bitmap.setDotsPerMeterY(10000);
    std::vector<int> pages;
    int lastRow = -1;
    g.OnPrintPage = [&](TZadIrururOziz*, TCanvas&, int PageNr, int, int) { pages.push_back(PageNr); };
    g.OnPrintPageDone = [&](TZadIrururOziz*, TCanvas&, int LastRow, int, int, int, int) {
      if (lastRow < 0) lastRow = LastRow;
    };
    QPainter p(&bitmap);
    g.PrintDraw(p, TRect{0, 0, 1000, 1000});
    p.end();
    QCOMPARE(pages, std::vector<int>{1});
    QCOMPARE(lastRow, 8);
    // Ink on the page, none below the last printed row's page.
    int dark = 0;
    for (int y = 0; y < 1000; y += 2)
      for (int x = 0; x < 1000; x += 2) dark += qGray(bitmap.pixel(x, y)) < 128;
    QVERIFY(dark > 100);
  }
  void fast_print_numbers_pages_against_the_largest_count() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    TZadIrururOziz g;
    Fill(g, 2, 3);
    g.PrintSettings().SetPageNr(ppBottomLeft);
    g.PrintSettings().SetMaxPagesOffset(1);
    g.SetFastPrint(true);
    int reported = 0;
    g.OnPrintStart = [&](TZadIrururOziz*, int n, int&, int&) { reported = n; };
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("fast.pdf"));
    g.Print(printer);
    QCOMPARE(reported, 2147483647);
    QProcess text;
    text.start("pdftotext", {dir.filePath("fast.pdf"), "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(out.contains("1/2147483648"), qPrintable(out));
  }

  void canopen_grid_printed_to_pdf() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
      QSKIP("poppler-utils are not installed");
    TZadIrururOziz g;
    Fill_Canopen_Sample(g);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("dictionary.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    int started = 0;
    g.OnPrintStart = [&](TZadIrururOziz*, int n, int&, int&) { started = n; };
    g.Print(printer);
    QCOMPARE(started, 2);
    auto pageText = [&](int page) {
      QProcess text;
      text.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
      if (!text.waitForFinished(20000)) return QString();
      return QString::fromUtf8(text.readAllStandardOutput());
    };
    const QString one = pageText(1), two = pageText(2);
    QVERIFY2(one.contains("CANopen object dictionary") && two.contains("CANopen object dictionary"), qPrintable(one));
    QVERIFY(one.contains("Page 1/2") && two.contains("Page 2/2"));
    QVERIFY(one.contains("Index") && two.contains("Index"));  // the header row repeats
    QVERIFY(one.contains("Device type 1") && two.contains("Producer heartbeat time 56"));
    QVERIFY(!one.contains("Producer heartbeat time 56") && !two.contains("Device type 1 "));
    QVERIFY(pageText(3).trimmed().isEmpty());
    // The pages render; the picture of page 1 carries the grid's lines.
    QProcess render;
    render.start("pdftoppm", {"-r", "50", "-png", "-f", "1", "-l", "1", pdf, dir.filePath("page")});
    QVERIFY(render.waitForFinished(20000));
    QImage picture(dir.filePath("page-1.png"));
    QVERIFY(!picture.isNull());
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 100;
    QVERIFY(dark > 2000);
  }
};

QTEST_MAIN(GridPrintTest)
#include "grid_print_test.moc"
