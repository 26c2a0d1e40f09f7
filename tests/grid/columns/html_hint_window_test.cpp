// The HTML hint window (measuring, placing, painting, the program-wide
// switch) and the string grid's cell hints that use it.
#include "grid/columns/html_hint_window.h"

#include <QBuffer>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/text_helpers.h"

namespace {

QImage Solid(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

int Count(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) ++n;
  return n;
}

QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A grid of 4 columns of 150 pixels, shown, with one anchor cell.
void Setup(TZadIrururOziz& grid) {
  grid.resize(640, 240);
  grid.SetColCount(4);
  grid.SetRowCount(5);
  grid.SetDefaultColWidth(150);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

}  // namespace

class HtmlHintWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The window is the measured text plus 16 (HTML) or 8 (packed wide)
  // across and 4 down; CalcHintRect gives the text alone.
  void sizes_follow_the_text_data() {
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("margin");
    QTest::newRow("plain") << "a plain hint" << 16;
    QTest::newRow("html") << "<b>bold</b> and <i>italic</i>" << 16;
    QTest::newRow("two lines") << "one<br>two" << 16;
    QTest::newRow("wide") << grid_text::EncodeWideCellText(QString::fromUtf8("wide \u03b1\u03b2\u03b3")) << 8;
  }
  void sizes_follow_the_text() {
    QFETCH(QString, hint);
    QFETCH(int, margin);
    THTMLHintWindow window;
    const TRect calc = window.CalcHintRect(1008, hint);
    QCOMPARE(calc.Left, 0);
    QVERIFY(calc.Width() > 10 && calc.Height() > 5);
    window.ActivateHint(TRect{50, 60, 50, 60}, hint);
    QCOMPARE(window.TextWidth(), calc.Width());
    QCOMPARE(window.TextHeight(), calc.Height());
    QCOMPARE(window.geometry(), QRect(50, 60, calc.Width() + margin, calc.Height() + 4));
    QVERIFY(window.isVisible());
    QCOMPARE(window.Caption(), hint);
  }

  void two_lines_are_taller_than_one() {
    THTMLHintWindow window;
    QVERIFY(window.CalcHintRect(1008, "one<br>two").Height() > window.CalcHintRect(1008, "one").Height());
    // Word wrap within the given width.
    QVERIFY(window.CalcHintRect(60, "several words that need more room").Height() >
            window.CalcHintRect(1008, "several words that need more room").Height());
  }

  // A hint that would end past the monitor's right or bottom edge is moved
  // to end 2 pixels inside it.
  void stays_on_its_monitor() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    THTMLHintWindow window;
    const int w = window.CalcHintRect(1008, "edge").Width() + 16;
    const int h = window.CalcHintRect(1008, "edge").Height() + 4;
    const int right = screen.x() + screen.width(), bottom = screen.y() + screen.height();
    window.ActivateHint(TRect{right - w + 10, 100, 0, 0}, "edge");
    QCOMPARE(window.geometry().x() + window.width(), right - 2);
    QCOMPARE(window.geometry().y(), 100);
    window.ActivateHint(TRect{100, bottom - 3, 0, 0}, "edge");
    QCOMPARE(window.geometry().y() + window.height(), bottom - 2);
    QCOMPARE(window.height(), h);
    window.ActivateHint(TRect{100, 100, 0, 0}, "edge");
    QCOMPARE(window.geometry().topLeft(), QPoint(100, 100));
  }

  void shows_on_top_without_focus() {
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    THTMLHintWindow window;
    window.ActivateHint(TRect{10, 10, 0, 0}, "hint");
    QVERIFY(window.windowFlags().testFlag(Qt::ToolTip));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(QApplication::activeWindow() != &window);
  }

  // The fill in the window's colour, the raised frame and an image-list
  // picture taken from the grid.
  void paints_frame_fill_and_grid_pictures() {
    TZadIrururOziz grid;
    QList<QImage> images{Solid(16, 16, QColor(200, 30, 30)), Solid(16, 16, QColor(30, 160, 30))};
    grid.SetGridImages(&images);
    THTMLHintWindow window;
    window.SetColor(0xCCFFFF);
    window.ActivateHintData(TRect{20, 20, 0, 0}, "<IMG src=\"IDX:1\"> pic", &grid);
    QCOMPARE(window.Images().size(), size_t(2));
    const QImage image = Shot(window);
    QCOMPARE(Count(image, QColor(30, 160, 30)), 16 * 16);
    QCOMPARE(image.pixel(image.width() - 4, image.height() / 2), To_QColor(TColor(0xCCFFFF)).rgb());
    QCOMPARE(image.pixel(0, 1), To_QColor(cl3DLight).rgb());
    QCOMPARE(image.pixel(image.width() / 2, 0), To_QColor(cl3DLight).rgb());
    QCOMPARE(image.pixel(image.width() / 2, image.height() - 1), To_QColor(cl3DDkShadow).rgb());
    QCOMPARE(image.pixel(image.width() - 1, image.height() / 2), To_QColor(cl3DDkShadow).rgb());
    // Without a grid, the image tag finds no picture.
    THTMLHintWindow bare;
    bare.ActivateHint(TRect{20, 20, 0, 0}, "<IMG src=\"IDX:1\"> pic");
    QCOMPARE(Count(Shot(bare), QColor(30, 160, 30)), 0);
  }

  void anchors_are_blue_and_blinking_text_hidden() {
    THTMLHintWindow window;
    window.ActivateHint(TRect{20, 20, 0, 0}, "<a href=\"x\">link link link</a>");
    QVERIFY(Count(Shot(window), QColor(0, 0, 255)) > 10);
    window.ActivateHint(TRect{20, 20, 0, 0}, "<font color=\"clRed\"><blink>gone</blink></font>");
    QCOMPARE(Count(Shot(window), QColor(255, 0, 0)), 0);
  }

  // An anchor's title, else the anchor itself, placed at the cursor plus
  // (8, -16); the application may replace it.
  void anchor_hints_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("hint");
    QTest::newRow("title") << "<a href=\"x\" title=\"T\">linked text</a>" << false << "T";
    QTest::newRow("no title") << "<a href=\"x\">linked text</a>" << false << "x";
    QTest::newRow("replaced") << "<a href=\"x\" title=\"T\">linked text</a>" << true << "R";
  }
  void anchor_hints() {
    QFETCH(QString, cell);
    QFETCH(bool, replace);
    QFETCH(QString, hint);
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetAnchorHint(true);
    grid.SetHintColor(0x80FFFF);
    grid.ControlLook().SetHintMaxWidth(300);
    int asked_row = -1, asked_col = -1;
    if (replace)
      grid.OnAnchorHint = [&](TZadIrururOziz*, int ARow, int ACol, QString& anchor) {
        asked_row = ARow, asked_col = ACol;
        anchor = "R";
      };
    grid.SetCellEx(1, 2, cell);
    const TRect rect = grid.CellRect(1, 2);
    const QPoint on_text(rect.Left + 10, rect.Top + 8);
    TZadIrururOziz::TCellHintInfo info;
    QVERIFY(grid.CellHintInfo(on_text, info));
    QCOMPARE(info.HintStr, hint);
    QCOMPARE(info.HintPos, on_text + QPoint(8, -16));
    QCOMPARE(info.HintColor, TColor(0x80FFFF));
    QCOMPARE(info.HintMaxWidth, 300);
    QVERIFY(!info.HTMLWindow);
    QCOMPARE(grid.LastAnchorHint(), hint);
    if (replace) QCOMPARE(QPoint(asked_col, asked_row), QPoint(1, 2));
    // Beside the text, no anchor and no hint.
    QVERIFY(grid.CellHintInfo(QPoint(rect.Right - 4, rect.Bottom - 4), info));
    QCOMPARE(info.HintStr, QString());
    // Without AnchorHint the anchor gives nothing.
    grid.SetAnchorHint(false);
    QVERIFY(grid.CellHintInfo(on_text, info));
    QCOMPARE(info.HintStr, QString());
  }

  // HTML and packed wide hints go to the grid's HTML window (with its
  // pictures) unless UseInternalHintClass is off.
  void html_cell_hints_show_in_the_html_window() {
    TZadIrururOziz grid;
    Setup(grid);
    QList<QImage> images{Solid(16, 16, QColor(200, 30, 30))};
    grid.SetGridImages(&images);
    grid.SetHintShowCells(true);
    grid.SetHTMLHint(true);
    grid.SetHintColor(0xE0FFE0);
    grid.SetCellEx(1, 1, "<IMG src=\"IDX:0\"> <b>red</b>");
    grid.SetCellEx(2, 1, grid_text::EncodeWideCellText(QString::fromUtf8("\u03b1\u03b2")));
    grid.SetCellEx(3, 1, "plain");
    auto tip_at = [&](int c, int r) {
      const TRect rect = grid.CellRect(c, r);
      const QPoint at(rect.Left + 3, rect.Top + 3);
      QHelpEvent tip(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
      QApplication::sendEvent(grid.viewport(), &tip);
    };
    tip_at(1, 1);
    THTMLHintWindow* window = grid.HTMLHintWindow();
    QVERIFY(window->isVisible());
    QCOMPARE(window->Caption(), grid.GetCellEx(1, 1));
    QCOMPARE(window->Color(), TColor(0xE0FFE0));
    const TRect first = grid.CellRect(1, 1);
    QCOMPARE(window->geometry().topLeft(), grid.viewport()->mapToGlobal(QPoint(first.Left + 3, first.Top)));
    QCOMPARE(Count(Shot(*window), QColor(200, 30, 30)), 16 * 16);
    // The hint goes as the mouse leaves its cell.
    const TRect next = grid.CellRect(3, 3);
    QTest::mouseMove(grid.viewport(), QPoint(next.Left + 5, next.Top + 5));
    QTRY_VERIFY(!window->isVisible());

    tip_at(2, 1);
    QVERIFY(window->isVisible());
    QCOMPARE(window->Caption(), grid.GetCellEx(2, 1));

    tip_at(3, 1);
    QVERIFY(!window->isVisible());
    QCOMPARE(QToolTip::text(), QString("plain"));

    grid.SetUseInternalHintClass(false);
    tip_at(1, 1);
    QVERIFY(!window->isVisible());
    QCOMPARE(QToolTip::text(), grid.GetCellEx(1, 1));
    tip_at(2, 1);
    QCOMPARE(QToolTip::text(), QString::fromUtf8("\u03b1\u03b2"));
    QToolTip::hideText();
  }

  // UseHTMLHints sends every tool tip of the program to the HTML hint
  // window; off gives the platform's tool tips back.
  void use_html_hints_switches_every_tool_tip() {
    TZadIrururOziz grid;
    // Any widget of the program with a tool tip.
    QWidget widget;
    widget.resize(80, 24);
    widget.setToolTip("<b>tip</b>");
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    auto tip = [&] {
      QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(&widget, &event);
    };
    QVERIFY(!Application_HTML_Hints());
    grid.SetUseHTMLHints(true);
    QVERIFY(grid.UseHTMLHints());
    QToolTip::hideText();
    tip();
    QVERIFY(Application_Hint_Window());
    QVERIFY(Application_Hint_Window()->isVisible());
    QCOMPARE(Application_Hint_Window()->Caption(), QString("<b>tip</b>"));
    QVERIFY(!QToolTip::isVisible());
    // A click takes it away.
    QTest::mouseClick(&widget, Qt::LeftButton);
    QVERIFY(!Application_Hint_Window()->isVisible());

    grid.SetUseHTMLHints(false);
    QVERIFY(!Application_HTML_Hints());
    QVERIFY(!Application_Hint_Window());
    tip();
    QCOMPARE(QToolTip::text(), QString("<b>tip</b>"));
    QToolTip::hideText();
  }

  // A grid of HTML cells with container pictures, controls and lists and an
  // HTML hint over it, for a look under a display: KELVRA_HINT_SHOW_MS
  // keeps it up that long.
  void showcase() {
    TZadIrururOziz grid;
    grid.setWindowTitle("HTML cells and hints");
    grid.move(40, 40);
    grid.resize(760, 330);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(180);
    grid.SetColWidths(0, 40);
    grid.SetGridDefaultRowHeight(90);
    grid.SetRowHeights(0, 24);
    QList<QImage> images{Solid(16, 16, QColor(200, 40, 40)), Solid(16, 16, QColor(40, 150, 40))};
    grid.SetGridImages(&images);
    TPictureContainer container;
    QImage logo(48, 32, QImage::Format_RGB32);
    logo.fill(QColor(30, 70, 190));
    QPainter(&logo).fillRect(8, 8, 32, 16, QColor(250, 200, 40));
    QBuffer bytes;
    bytes.open(QIODevice::ReadWrite);
    logo.save(&bytes, "PNG");
    bytes.seek(0);
    TPictureItem* item = container.Items.Add();
    item->Name = "logo";
    item->Picture.LoadFromStream(&bytes);
    grid.SetPictureContainer(&container);
    grid.SetColumnHeaders({"", "<b>Lists</b>", "<b>Controls</b>", "<b>Pictures</b>"});
    grid.SetCellEx(1, 1, "<UL><LI>first</LI><LI><b>second</b></LI><UL><LI>nested</LI></UL></UL>");
    grid.SetCellEx(2, 1,
                   "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"70\" VALUE=\"text\"> "
                   "<CONTROL TYPE=\"CHECK\" ID=\"k\" WIDTH=\"16\" VALUE=\"TRUE\"> on");
    grid.SetCellEx(3, 1, "<IMG SRC=\"LOGO\"> from the container");
    grid.SetCellEx(1, 2, "<P ALIGN=\"CENTER\">centred</P><P BGCOLOR=\"clYellow\">yellow line</P>");
    grid.SetCellEx(2, 2,
                   "<CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"80\" VALUE=\"one\"> "
                   "<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" VALUE=\"Go\">");
    grid.SetCellEx(3, 2, "<IMG SRC=\"IDX:0\"> red <IMG SRC=\"IDX:1\" ALIGN=\"MIDDLE\"> green");
    grid.SetCellEx(3, 3, "<A href=\"x\" title=\"anchor title\">hover <IMG SRC=\"logo\" WIDTH=\"24\"></A>");
    grid.SetHintShowCells(true);
    grid.SetHTMLHint(true);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetCellEx(1, 3,
                   "<b>Hint</b> with a <IMG SRC=\"IDX:1\"> picture<br><font color=\"clRed\">and</font> "
                   "<a href=\"y\">an anchor</a> <IMG SRC=\"LOGO\" WIDTH=\"24\">");
    const TRect rect = grid.CellRect(1, 3);
    const QPoint at(rect.Left + 3, rect.Top + 3);
    QHelpEvent tip(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid.viewport(), &tip);
    QVERIFY(grid.HTMLHintWindow()->isVisible());
    QCOMPARE(Count(Shot(*grid.HTMLHintWindow()), QColor(30, 70, 190)) > 0, true);
    if (!qEnvironmentVariableIsEmpty("KELVRA_HINT_SHOW_MS"))
      QTest::qWait(qEnvironmentVariableIntValue("KELVRA_HINT_SHOW_MS"));
  }
};

QTEST_MAIN(HtmlHintWindowTest)
#include "html_hint_window_test.moc"
