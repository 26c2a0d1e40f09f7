// The mini-HTML renderer drawn into images: line layout and its outputs, word
// wrap and the ellipsis, hit testing, the text tags and anchors pixel by
// pixel, the block tags (lists, paragraphs, BODY, IND, HR, R, pictures of
// the image list), and malformed markup.
#include "grid/html/draw_html_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <functional>

#include "grid/html/html_highlight.h"

namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kYellow = 0x00FFFF;

void Ensure_Gui() {
  static int argc = 1;
  static char name[] = "draw_html_text_test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// Without antialiasing every text pixel has the exact colour asked for.
QFont Base(int points = 12) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(points);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

int Width(const QString& text, const QFont& font = Base()) {
  Ensure_Gui();
  QImage device(1, 1, QImage::Format_RGB32);
  return QFontMetrics(font, &device).horizontalAdvance(text);
}

int Gh(const QFont& font = Base()) {
  Ensure_Gui();
  QImage device(1, 1, QImage::Format_RGB32);
  return QFontMetrics(font, &device).height();
}

struct Drawn {
  QImage Image;
  THtmlDrawResult Result;
  bool Hit = false;
};

// Draws `text` on white with black as the base colour and a white brush.
Drawn Draw(const QString& text, const TRect& rect, const THtmlDrawParams& params = {}, const QFont& font = Base(),
           QSize size = QSize(300, 120)) {
  Ensure_Gui();
  Drawn d;
  d.Image = QImage(size, QImage::Format_RGB32);
  d.Image.fill(Qt::white);
  QPainter painter(&d.Image);
  TCanvas canvas(painter);
  canvas.Font = font;
  canvas.Font_Color = clBlack;
  canvas.Brush = {clWhite, TBrushStyle::bsSolid};
  d.Hit = DrawHtmlText(canvas, text, rect, params, d.Result);
  return d;
}

// Pixels of `colour` in columns [from, to) (all rows).
int Count(const QImage& image, TColor colour, int from = 0, int to = -1) {
  const QRgb want = To_QColor(colour).rgb();
  if (to < 0) to = image.width();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x)
      if (image.pixel(x, y) == want) ++n;
  return n;
}

bool Blank(const QImage& image) { return Count(image, clWhite) == image.width() * image.height(); }

// Whether some row holds `colour` in every column of [from, to).
bool Has_Line(const QImage& image, TColor colour, int from, int to) {
  const QRgb want = To_QColor(colour).rgb();
  for (int y = 0; y < image.height(); ++y) {
    bool full = true;
    for (int x = from; x < to && full; ++x) full = image.pixel(x, y) == want;
    if (full) return true;
  }
  return false;
}

std::pair<int, int> Ink_Columns(const QImage& image) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 128) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

const TRect kWide{0, 0, 300, 120};

// The ink columns of rows [top, bottom).
std::pair<int, int> Ink_Columns(const QImage& image, int top, int bottom) {
  return Ink_Columns(image.copy(0, top, image.width(), bottom - top));
}

QImage Solid(QColor colour, int size = 16) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

TEST(DrawHtmlText, LayoutOutputs) {
  const struct {
    QString Text;
    QString Plain;
    QStringList Runs;  // the shown runs of the widest line
    int Lines;
  } cases[] = {
      {"a<BR>b", "a\rb", {"a"}, 2},
      {"a\r\nb", "a\rb", {"a"}, 2},
      {"", "", {}, 0},
      {"x&amp;y", "x&y", {"x&y"}, 1},
      // A single "&" only underlines the next character.
      {"a&b", "a&b", {"ab"}, 1},
      {"&sect;&quot;&lt;&gt;&nbsp;z", "§\"<> z", {"§\"<> z"}, 1},
      {"<#b>x", "#bx", {"#bx"}, 1},
      {"<#a&amp;b>", "#a&b", {"#a&b"}, 1},
      {"a<Z>b</Z>c", "abc", {"a", "c"}, 1},
      {"a<xyz>b</xyz>", "ab", {"a", "b"}, 1},
      {"<b>", "", {}, 1},
  };
  for (const auto& c : cases) {
    const Drawn d = Draw(c.Text, kWide);
    SCOPED_TRACE(c.Text.toStdString());
    EXPECT_FALSE(d.Hit);
    EXPECT_EQ(d.Result.PlainText, c.Plain);
    int width = 0;
    for (const QString& run : c.Runs) width += Width(run);
    EXPECT_EQ(d.Result.Width, width);
    EXPECT_EQ(d.Result.Height, Gh() * std::max(1, c.Lines));
    EXPECT_EQ(d.Result.LinkCount, 0);
    EXPECT_EQ(d.Result.MouseLink, -1);
  }
}

// The text call's own prefix rule: "&amp;" shows one "&", a bare "&"
// underlines the next letter.
TEST(DrawHtmlText, AmpersandsAsTheTextCallShowsThem) {
  // The application first: an image made before it has no screen to take
  // its resolution from, so its text would be drawn larger than Draw's.
  Ensure_Gui();
  const std::pair<QString, QString> cases[] = {{"x&amp;y", "x&&y"}, {"a&b", "a&b"}, {"a&&b", "a&&b"}};
  for (const auto& [markup, shown] : cases) {
    QImage expected(300, 120, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
      QPainter painter(&expected);
      TCanvas canvas(painter);
      canvas.Font = Base();
      canvas.Font_Color = clBlack;
      canvas.Brush = {clNone, TBrushStyle::bsClear};
      TRect line{1, 0, 300, Gh()};
      canvas.Draw_Text(shown, line, DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS);
    }
    EXPECT_EQ(Draw(markup, kWide).Image, expected) << markup.toStdString();
  }
  // One "&" drawn, not an underlined "y".
  EXPECT_NE(Draw("x&amp;y", kWide).Image, Draw("x&y", kWide).Image);
}

TEST(DrawHtmlText, WordWrap) {
  // Room for "aaa bbb " with its blank: the third word wraps.
  const int room = Width("aaa ") + Width("bbb ");
  Drawn d = Draw("aaa bbb ccc", TRect{0, 0, 1 + room, 100});
  EXPECT_EQ(d.Result.Height, 2 * Gh());
  EXPECT_EQ(d.Result.Width, room - Width(" "));
  EXPECT_EQ(d.Result.PlainText, "aaa bbb ccc");
  // A word wider than the line overflows it; the next word starts a line.
  d = Draw("verylongword", TRect{0, 0, 30, 100});
  EXPECT_EQ(d.Result.Height, Gh());
  EXPECT_EQ(d.Result.Width, Width("verylongword"));
  d = Draw("a verylongword b", TRect{0, 0, 30, 100});
  EXPECT_EQ(d.Result.Height, 2 * Gh());
  EXPECT_EQ(d.Result.Width, Width("a ") + Width("verylongword"));
  // The rest of a word split by a tag stays with its start.
  QFont bold = Base();
  bold.setBold(true);
  d = Draw("aaa b<B>bb</B>b", TRect{0, 0, 1 + Width("aaa ") + Width("b"), 100});
  EXPECT_EQ(d.Result.Height, Gh());
  EXPECT_EQ(d.Result.Width, Width("aaa ") + Width("b") + Width("bb", bold) + Width("b"));
}

TEST(DrawHtmlText, WithoutWordWrapOneLineEndsInAnEllipsis) {
  THtmlDrawParams p;
  p.WordWrap = false;
  const TRect rect{0, 0, 60, 40};
  const Drawn d = Draw("aaa bbb ccc ddd", rect, p);
  EXPECT_EQ(d.Result.Height, Gh());
  QImage expected(300, 120, QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    QPainter painter(&expected);
    TCanvas canvas(painter);
    canvas.Font = Base();
    canvas.Font_Color = clBlack;
    canvas.Brush = {clNone, TBrushStyle::bsClear};
    TRect line{1, 0, 60, Gh()};
    canvas.Draw_Text("aaa bbb ccc ddd", line, DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS);
  }
  EXPECT_EQ(d.Image, expected);
  EXPECT_LT(Ink_Columns(d.Image).second, 60);
  // Line breaks still start new lines.
  EXPECT_EQ(Draw("aaa<BR>bbb", rect, p).Result.Height, 2 * Gh());
}

TEST(DrawHtmlText, LinesBelowTheRectangleAreDropped) {
  const TRect rect{0, 0, 100, 2 * Gh()};
  Drawn d = Draw("a<BR>b<BR>c", rect);
  EXPECT_EQ(d.Result.PlainText, "a\rb\r");
  EXPECT_EQ(d.Result.Height, 2 * Gh());
  THtmlDrawParams measure;
  measure.MeasureOnly = true;
  d = Draw("a<BR>b<BR>c", rect, measure);
  EXPECT_EQ(d.Result.PlainText, "a\rb\rc");
  EXPECT_EQ(d.Result.Height, 3 * Gh());
}

const QString kLinks = "<A href=\"x1\" title=\"First\">one</A> two <A href=\"x2\">three</A>";

TEST(DrawHtmlText, HitTesting) {
  const int one = 1 + Width("one") / 2;
  const int two = 1 + Width("one") + Width(" ") + Width("two") / 2;
  const int three = 1 + Width("one") + Width(" ") + Width("two ") + Width("three") / 2;
  const int y = Gh() / 2;
  const struct {
    int X;
    bool HitTestOnly;
    bool Hit;
    QString Anchor;
    int MouseLink;
  } cases[] = {
      {one, true, true, "x1", 1},  {two, true, false, "", -1}, {three, true, true, "x2", 2},
      {one, false, false, "", -1}, {one, true, true, "x1", 1},
  };
  for (const auto& c : cases) {
    THtmlDrawParams p;
    p.XPos = c.X;
    p.YPos = y;
    p.HitTestOnly = c.HitTestOnly;
    const Drawn d = Draw(kLinks, kWide, p);
    SCOPED_TRACE(c.X);
    EXPECT_EQ(d.Hit, c.Hit);
    EXPECT_EQ(d.Result.AnchorValue, c.Anchor);
    EXPECT_EQ(d.Result.MouseLink, c.MouseLink);
    EXPECT_EQ(d.Result.LinkCount, 2);
    EXPECT_EQ(d.Result.PlainText, "one two three");
  }
  THtmlDrawParams p;
  p.XPos = one;
  p.YPos = y;
  p.HitTestOnly = true;
  const Drawn d = Draw(kLinks, TRect{5, 10, 300, 120}, p);
  EXPECT_FALSE(d.Hit);  // the point is above the text now
  const Drawn on = Draw(kLinks, kWide, p);
  EXPECT_EQ(on.Result.AnchorTitle, "First");
  EXPECT_EQ(on.Result.AnchorRect, (TRect{1, 0, 1 + Width("one"), Gh()}));
  // Below the last line nothing is hit.
  p.YPos = Gh() + 2;
  EXPECT_FALSE(Draw(kLinks, kWide, p).Hit);
}

TEST(DrawHtmlText, MeasuringAndHitTestingDrawNothing) {
  for (const bool measure : {true, false}) {
    THtmlDrawParams p;
    p.MeasureOnly = measure;
    p.HitTestOnly = !measure;
    p.XPos = 1 + Width("one") / 2;
    p.YPos = Gh() / 2;
    p.FocusLink = 0;
    const Drawn d = Draw("<HI><E>" + kLinks + "</E></HI>", kWide, p);
    EXPECT_TRUE(Blank(d.Image));
    EXPECT_EQ(d.Hit, !measure);  // MeasureOnly never hits
    EXPECT_EQ(d.Result.Width, Draw(kLinks, kWide).Result.Width);
    EXPECT_EQ(d.Result.Height, Gh());
  }
  EXPECT_FALSE(Blank(Draw(kLinks, kWide).Image));
}

// Markup against the same text drawn in the font the tag asks for.
TEST(DrawHtmlText, StyleTagsDrawTheirFonts) {
  const struct {
    QString Markup;
    std::function<void(QFont&)> Change;
  } cases[] = {
      {"<B>Text</B>", [](QFont& f) { f.setBold(true); }},
      {"<i>Text</i>", [](QFont& f) { f.setItalic(true); }},
      {"<S>Text</S>", [](QFont& f) { f.setStrikeOut(true); }},
      {"<U>Text</U>", [](QFont& f) { f.setUnderline(true); }},
      {"<b><i>Text</i></b>", [](QFont& f) { f.setBold(true), f.setItalic(true); }},
      {"<FONT SIZE=\"20\">Text</FONT>", [](QFont& f) { f.setPointSize(20); }},
      {"<FONT size=\"5\">Text</FONT>", [](QFont& f) { f.setPointSize(16); }},
      {"<FONT FACE=\"DejaVu Serif\">Text</FONT>", [](QFont& f) { f.setFamily("DejaVu Serif"); }},
      {"<FONT COLOR=\"#000000\">Text</FONT>", [](QFont&) {}},
  };
  for (const auto& c : cases) {
    QFont font = Base();
    c.Change(font);
    SCOPED_TRACE(c.Markup.toStdString());
    EXPECT_EQ(Draw(c.Markup, kWide).Image, Draw("Text", kWide, {}, font).Image);
  }
  // Smaller sizes stand on the line of the base font.
  const std::pair<QString, int> sizes[] = {{"1", 8}, {"2", 10}, {"3", 12}, {"4", 14}, {"+1", 8}, {"-2", 10}, {"9", 9}};
  for (const auto& [size, points] : sizes) {
    const Drawn d = Draw("<FONT SIZE=\"" + size + "\">Text</FONT>", kWide);
    EXPECT_EQ(d.Result.Width, Width("Text", Base(points))) << size.toStdString();
    EXPECT_EQ(d.Result.Height, std::max(Gh(), Gh(Base(points))));
  }
  // The closing FONT takes the base font's name and size back.
  EXPECT_EQ(Draw("<FONT SIZE=\"20\" FACE=\"DejaVu Serif\">a</FONT>b", kWide).Result.Width,
            Width("a",
                  [] {
                    QFont f = Base(20);
                    f.setFamily("DejaVu Serif");
                    return f;
                  }()) +
                Width("b"));
}

TEST(DrawHtmlText, Colours) {
  // After a red FONT closes inside a blue one the text is in the base colour.
  Drawn d = Draw("<FONT COLOR=\"#0000FF\">aa<FONT COLOR=\"#FF0000\">bb</FONT>cc</FONT>", kWide);
  int x = 1;
  const int a_end = x + Width("aa"), b_end = a_end + Width("bb"), c_end = b_end + Width("cc");
  EXPECT_GT(Count(d.Image, kBlue, x, a_end), 10);
  EXPECT_EQ(Count(d.Image, kRed, x, a_end), 0);
  EXPECT_GT(Count(d.Image, kRed, a_end, b_end), 10);
  EXPECT_GT(Count(d.Image, clBlack, b_end, c_end), 10);
  EXPECT_EQ(Count(d.Image, kBlue, b_end, c_end) + Count(d.Image, kRed, b_end, c_end), 0);

  // "</B>" keeps the colour.
  d = Draw("<FONT COLOR=\"#FF0000\"><B>x</B>yy</FONT>", kWide);
  const int y_start = 1 + Width("x", [] {
                        QFont f = Base();
                        f.setBold(true);
                        return f;
                      }());
  EXPECT_GT(Count(d.Image, kRed, y_start, y_start + Width("yy")), 10);
  EXPECT_EQ(Count(d.Image, clBlack), 0);

  // A colour name; on a selection FONT leaves the colours alone.
  EXPECT_GT(Count(Draw("<FONT COLOR=\"clRed\">xx</FONT>", kWide).Image, kRed), 10);
  THtmlDrawParams selected;
  selected.Selected = true;
  d = Draw("<FONT COLOR=\"#FF0000\" BGCOLOR=\"#00FF00\">xx</FONT>", kWide, selected);
  EXPECT_EQ(Count(d.Image, kRed) + Count(d.Image, kGreen), 0);

  // BGCOLOR fills behind the text and leaves its colour as it was.
  d = Draw("<FONT BGCOLOR=\"#00FF00\">xx</FONT>yy", kWide);
  EXPECT_GT(Count(d.Image, kGreen, 1, 1 + Width("xx")), 10);
  EXPECT_GT(Count(d.Image, clBlack, 1, 1 + Width("xx")), 10);
  EXPECT_EQ(Count(d.Image, kGreen, 1 + Width("xx") + 2, 300), 0);
}

TEST(DrawHtmlText, HighlightShadowAndBlink) {
  SetHtmlHighlightColors(kYellow, kRed);
  Drawn d = Draw("<HI>a<FONT COLOR=\"#0000FF\">b</FONT>c</HI>d", kWide);
  SetHtmlHighlightColors(clHighlight, clHighlightText);
  const int b_end = 1 + Width("a") + Width("b"), c_end = b_end + Width("c");
  EXPECT_GT(Count(d.Image, kRed, 1, 1 + Width("a")), 5);
  // The highlight goes on after a FONT inside it closes.
  EXPECT_GT(Count(d.Image, kYellow, b_end, c_end), 10);
  EXPECT_EQ(Count(d.Image, kYellow, c_end + 2, 300), 0);

  THtmlDrawParams p;
  p.ShadowColor = kGreen;
  p.ShadowOffset = 2;
  d = Draw("<SHAD>xx</SHAD>", kWide, p);
  EXPECT_GT(Count(d.Image, kGreen), 5);
  EXPECT_GT(Count(d.Image, clBlack), 5);

  // Blinking text off shows in the brush colour the call found (white).
  p.BlinkVisible = false;
  EXPECT_TRUE(Blank(Draw("<BLINK>xx</BLINK>", kWide, p).Image));
  EXPECT_FALSE(Blank(Draw("<BLINK>xx</BLINK>yy", kWide, p).Image));
  p.BlinkVisible = true;
  EXPECT_FALSE(Blank(Draw("<BLINK>xx</BLINK>", kWide, p).Image));
}

TEST(DrawHtmlText, HotAnchors) {
  const QString links = "<A href=\"1\">aaa</A> <A href=\"2\">bbb</A>";
  const int a_from = 1, a_to = 1 + Width("aaa");
  const int b_from = a_to + Width(" "), b_to = b_from + Width("bbb");
  THtmlDrawParams p;
  p.URLColor = kBlue;
  p.HoverUnderlineOnly = true;
  p.HoverLink = 2;
  Drawn d = Draw(links, kWide, p);
  EXPECT_FALSE(Has_Line(d.Image, kBlue, a_from + 1, a_to - 1));
  EXPECT_TRUE(Has_Line(d.Image, kBlue, b_from + 1, b_to - 1));
  EXPECT_GT(Count(d.Image, kBlue, a_from, a_to), 10);  // both in the URL colour
  EXPECT_EQ(Count(d.Image, clBlack), 0);
  p.HoverUnderlineOnly = false;
  d = Draw(links, kWide, p);
  EXPECT_TRUE(Has_Line(d.Image, kBlue, a_from + 1, a_to - 1));
  EXPECT_TRUE(Has_Line(d.Image, kBlue, b_from + 1, b_to - 1));
  // Hot colours: the background only behind the anchors.
  p.HoverColor = kYellow;
  d = Draw(links, kWide, p);
  EXPECT_GT(Count(d.Image, kYellow, a_from, a_to), 10);
  EXPECT_EQ(Count(d.Image, kYellow, a_to + 1, b_from - 1), 0);
  // The hovered anchor keeps the hover text colour when only it is hot.
  p.HoverColor = clNone;
  p.HoverUnderlineOnly = true;
  p.HoverLink = 1;
  p.HoverFontColor = kGreen;
  d = Draw(links, kWide, p);
  EXPECT_GT(Count(d.Image, kGreen, a_from, a_to), 10);
  EXPECT_EQ(Count(d.Image, kGreen, b_from, b_to), 0);
  EXPECT_GT(Count(d.Image, kBlue, b_from, b_to), 10);
  // Text after an anchor is in the base colour again.
  d = Draw("<A href=\"1\">aaa</A>ccc", kWide, p);
  EXPECT_GT(Count(d.Image, clBlack, a_to, a_to + Width("ccc")), 10);
}

TEST(DrawHtmlText, ErrorZigzag) {
  // The line starts at 11; the zigzag starts at the even x 10.
  const TRect rect{10, 0, 300, 120};
  const Drawn d = Draw("<E>ace</E>", rect);
  const int bottom = Gh();
  const QRgb red = To_QColor(kRed).rgb();
  const int end = 11 + Width("ace");
  for (int x = 10; x < end - 1; ++x) {
    const int phase = (x - 10) % 4;
    const int y = phase == 0 ? bottom - 1 : phase == 2 ? bottom + 1 : bottom;
    EXPECT_EQ(d.Image.pixel(x, y), red) << x;
  }
  EXPECT_EQ(Count(d.Image, kRed, 0, 10), 0);
  EXPECT_EQ(Count(Draw("<E>ace</E>x", rect).Image, kRed, end + 2, 300), 0);
}

TEST(DrawHtmlText, SuperscriptAndSubscriptEndWithTheirLine) {
  const int raise = Gh() / 4;
  Drawn sup = Draw("<SUP>x<BR>y", kWide);
  const Drawn plain = Draw("x<BR>y", kWide);
  EXPECT_EQ(sup.Result.Height, 2 * Gh() + raise);
  // The second line looks like a plain second line, one raise lower.
  EXPECT_EQ(sup.Image.copy(0, Gh() + raise, 300, Gh()), plain.Image.copy(0, Gh(), 300, Gh()));
  // The raised x sits on the first line's top.
  EXPECT_EQ(sup.Image.copy(0, 0, 300, Gh()), plain.Image.copy(0, 0, 300, Gh()));
  const Drawn sub = Draw("a<SUB>x</SUB><BR>y", kWide);
  EXPECT_EQ(sub.Result.Height, 2 * Gh() + raise);
  EXPECT_EQ(sub.Image.copy(0, Gh() + raise, 300, Gh()), plain.Image.copy(0, Gh(), 300, Gh()));
}

TEST(DrawHtmlText, FocusRectangle) {
  THtmlDrawParams p;
  p.FocusLink = 1;
  Drawn d = Draw(kLinks, kWide, p);
  EXPECT_EQ(d.Result.FocusAnchor, "x2");
  const int left = 1 + Width("one") + Width(" ") + Width("two ") - 1;
  EXPECT_EQ(d.Image.pixel(left, 0), QColor(Qt::black).rgb());
  EXPECT_EQ(d.Image.pixel(left, 1), QColor(Qt::white).rgb());  // dotted
  p.FocusLink = -1;
  d = Draw(kLinks, kWide, p);
  EXPECT_EQ(d.Result.FocusAnchor, "");
  EXPECT_EQ(d.Image.pixel(left, 0), QColor(Qt::white).rgb());
  // Across lines: the second line's part starts at the line's left edge.
  p.FocusLink = 0;
  d = Draw("<A href=\"w\">aaa bbb</A>", TRect{0, 0, 1 + Width("aaa "), 100}, p);
  EXPECT_EQ(d.Result.Height, 2 * Gh());
  int dots = 0;
  for (int y = Gh(); y < 2 * Gh(); ++y) dots += d.Image.pixel(0, y) == QColor(Qt::black).rgb();
  EXPECT_GT(dots, 3);
}

TEST(DrawHtmlText, RightToLeftRunsFromTheRightEdge) {
  THtmlDrawParams p;
  p.BiDiMode = bdRightToLeft;
  const TRect rect{0, 0, 200, 60};
  Drawn d = Draw("abc", rect, p);
  const auto [first, last] = Ink_Columns(d.Image);
  EXPECT_GT(first, 200 - 1 - Width("abc") - 2);
  EXPECT_LT(last, 200);
  p.HitTestOnly = true;
  p.XPos = 200 - 2 - Width("abc") / 2;
  p.YPos = Gh() / 2;
  d = Draw("<A href=\"r\">abc</A>", rect, p);
  EXPECT_TRUE(d.Hit);
  EXPECT_EQ(d.Result.AnchorRect, (TRect{199 - Width("abc"), 0, 199, Gh()}));
}

TEST(DrawHtmlText, CanvasComesBackAsItWas) {
  Ensure_Gui();
  QImage image(100, 40, QImage::Format_RGB32);
  QPainter painter(&image);
  TCanvas canvas(painter);
  canvas.Font = Base();
  canvas.Font_Color = clGreen;
  canvas.Brush = {kYellow, TBrushStyle::bsSolid};
  canvas.Pen = {kRed, 2, TPenStyle::psDot};
  THtmlDrawResult r;
  DrawHtmlText(canvas, "<B><I><FONT COLOR=\"#FF0000\" SIZE=\"20\"><HI><E><A href=\"x\">open", TRect{0, 0, 100, 40}, {},
               r);
  EXPECT_EQ(canvas.Font, Base());
  EXPECT_EQ(canvas.Font_Color, clGreen);
  EXPECT_EQ(canvas.Brush.Color, kYellow);
  EXPECT_EQ(canvas.Brush.Style, TBrushStyle::bsSolid);
  EXPECT_EQ(canvas.Pen.Color, kRed);
  EXPECT_EQ(canvas.Pen.Width, 2);
  EXPECT_EQ(canvas.Pen.Style, TPenStyle::psDot);
}

TEST(DrawHtmlText, Lists) {
  // The UL line stays empty; each item is a line of its own, its text 12
  // pixels in per level, a bullet in front.
  Drawn d = Draw("<UL><LI>a</LI><LI>b</LI></UL>", kWide);
  EXPECT_EQ(d.Result.PlainText, "ab");
  EXPECT_EQ(d.Result.Height, 4 * Gh());
  EXPECT_EQ(d.Result.Width, 12 + Width("b"));
  EXPECT_EQ(Ink_Columns(d.Image, 0, Gh()).first, -1);
  for (const int line : {1, 2}) {
    const auto [first, last] = Ink_Columns(d.Image, line * Gh(), (line + 1) * Gh());
    EXPECT_GE(first, 1);  // the bullet
    EXPECT_LT(first, 13);
    EXPECT_GE(last, 13);
  }
  // A second item on the same line goes to the next one.
  EXPECT_EQ(Draw("<UL><LI>a<LI>b", kWide).Result.Height, 3 * Gh());
  // Nested: 24 pixels in and the "o" bullet.
  d = Draw("<UL><UL><LI>c</LI></UL></UL>", kWide);
  EXPECT_EQ(d.Result.Width, 24 + Width("c"));
  const QImage item = d.Image.copy(0, 2 * Gh(), 300, Gh());
  // IND counts from the rectangle's left, the line from one pixel in.
  const Drawn o = Draw("<IND x=\"13\">o", kWide);
  EXPECT_EQ(item.copy(0, 0, 24, Gh()), o.Image.copy(0, 0, 24, Gh()));
  // Closing a list with none open switches underline off.
  EXPECT_EQ(Draw("<U>a</UL>b", kWide).Image, Draw("<U>a</U>b", kWide).Image);
}

TEST(DrawHtmlText, Paragraphs) {
  // ALIGN CENTER centres its own line; a later ALIGN LEFT switches back.
  Drawn d = Draw("<P ALIGN=\"CENTER\">ab</P><P ALIGN=\"LEFT\">cd</P>", kWide);
  const int centred = 1 + (300 - 1 - Width("ab")) / 2;
  EXPECT_NEAR(Ink_Columns(d.Image, 0, Gh()).first, centred, 2);
  EXPECT_LE(Ink_Columns(d.Image, Gh(), 2 * Gh()).first, 3);
  d = Draw("<P ALIGN=\"RIGHT\">ab", kWide);
  EXPECT_NEAR(Ink_Columns(d.Image).second, 300 - 1, 2);
  // INDENT moves the following lines.
  d = Draw("<P INDENT=\"40\">a<BR>b", kWide);
  EXPECT_LE(Ink_Columns(d.Image, 0, Gh()).first, 3);
  EXPECT_GE(Ink_Columns(d.Image, Gh(), 2 * Gh()).first, 41);
  // BGCOLOR fills each line's full width until the paragraph closes.
  d = Draw("<P BGCOLOR=\"#00FF00\">a<BR>b</P>c", kWide);
  const QRgb green = To_QColor(kGreen).rgb();
  for (const int y : {0, Gh() + 1}) {
    EXPECT_EQ(d.Image.pixel(0, y), green) << y;
    EXPECT_EQ(d.Image.pixel(299, y), green) << y;
  }
  EXPECT_EQ(Count(d.Image.copy(0, 2 * Gh(), 300, 120 - 2 * Gh()), kGreen), 0);
}

TEST(DrawHtmlText, BodyRuleIndentAndRotation) {
  // BODY BGCOLOR fills the whole rectangle, by name or in hex.
  for (const QString& colour : {QStringLiteral("clYellow"), QStringLiteral("#FFFF00")}) {
    const Drawn d = Draw("<BODY BGCOLOR=\"" + colour + "\">x", TRect{10, 10, 110, 60});
    EXPECT_EQ(Count(d.Image, kYellow),
              100 * 50 - Count(d.Image, clBlack) - Count(d.Image.copy(10, 10, 100, 50), clWhite))
        << colour.toStdString();
    EXPECT_EQ(d.Image.pixel(109, 59), To_QColor(kYellow).rgb());
    EXPECT_EQ(d.Image.pixel(110, 60), QColor(Qt::white).rgb());
  }
  // HR ends its line and rules it one pixel below.
  Drawn d = Draw("a<HR>b", TRect{0, 0, 200, 120});
  EXPECT_EQ(d.Result.Height, 2 * Gh());
  EXPECT_TRUE(Has_Line(d.Image, clBlack, 1, 199));
  EXPECT_EQ(d.Image.pixel(100, Gh() + 1), QColor(Qt::black).rgb());
  // IND moves to its x when that is further right.
  d = Draw("a<IND x=\"50\">b", kWide);
  EXPECT_EQ(d.Result.Width, 50 + Width("b"));
  EXPECT_GE(Ink_Columns(d.Image, 0, Gh()).second, 50);
  EXPECT_EQ(Draw("abc<IND x=\"1\">", kWide).Result.Width, Width("abc"));
  // R turns the text until its closing tag.
  d = Draw("<R a=\"90\">abcdef</R>", kWide);
  const auto [first, last] = Ink_Columns(d.Image);
  EXPECT_LT(last - first + 1, Gh());
  const Drawn after = Draw("<R a=\"90\"></R>abcdef", kWide);
  EXPECT_EQ(after.Image, Draw("abcdef", kWide).Image);
}

TEST(DrawHtmlText, ImageListPictures) {
  const std::vector<QImage> images{Solid(Qt::red), Solid(Qt::green), Solid(Qt::blue)};
  THtmlDrawParams p;
  p.Images = &images;
  Drawn d = Draw("<IMG SRC=\"IDX:2\">", kWide, p);
  EXPECT_EQ(d.Result.Width, 16);
  EXPECT_EQ(d.Result.Height, std::max(Gh(), 16));
  EXPECT_EQ(Count(d.Image, kBlue), 16 * 16);
  EXPECT_EQ(d.Image.pixel(1, 0), QColor(Qt::blue).rgb());
  // On a 120-dpi canvas the box is 20 x 20.
  {
    QImage image(100, 100, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(120 / 0.0254));
    image.setDotsPerMeterY(qRound(120 / 0.0254));
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.Font = Base();
    THtmlDrawResult r;
    DrawHtmlText(canvas, "<IMG SRC=\"IDX:2\">", TRect{0, 0, 100, 100}, p, r);
    EXPECT_EQ(r.Width, 20);
    EXPECT_GE(r.Height, 20);
  }
  // Printing stretches the picture by ResFactor; its box stays.
  THtmlDrawParams print = p;
  print.Print = true;
  print.ResFactor = 2;
  d = Draw("<IMG SRC=\"IDX:0\">", kWide, print);
  EXPECT_EQ(d.Result.Width, 16);
  EXPECT_EQ(Count(d.Image, kRed), 32 * 32);
  // Missing pictures take no room.
  for (const QString& source : {"IDX:3", "IDX:-1", "IDX:x", "logo", "file://x.png"})
    EXPECT_EQ(Draw("<IMG SRC=\"" + source + "\">a", kWide, p).Result.Width, Width("a")) << source.toStdString();
  EXPECT_EQ(Draw("<IMG SRC=\"IDX:0\">a", kWide).Result.Width, Width("a"));
  // Wider than the room left: the next line; wider than the line: stays.
  const int room = Width("ab") + 8;
  d = Draw("ab<IMG SRC=\"IDX:0\">", TRect{0, 0, 1 + room, 100}, p);
  EXPECT_EQ(d.Result.Height, Gh() + std::max(Gh(), 16));
  EXPECT_EQ(Count(d.Image.copy(0, Gh(), 20, 16), kRed), 16 * 16);
  d = Draw("<IMG SRC=\"IDX:0\">", TRect{0, 0, 9, 100}, p);
  EXPECT_EQ(d.Result.Height, std::max(Gh(), 16));
  // ALIGN TOP lifts the text to the picture's top.
  QImage tall(10, 3 * Gh(), QImage::Format_RGB32);
  tall.fill(Qt::red);
  const std::vector<QImage> tall_list{tall};
  p.Images = &tall_list;
  d = Draw("<IMG SRC=\"IDX:0\" ALIGN=\"TOP\">x", kWide, p);
  EXPECT_EQ(d.Result.Height, 3 * Gh());
  EXPECT_GE(Count(d.Image.copy(11, 0, 50, Gh()), clBlack), 5);
  EXPECT_EQ(Count(d.Image.copy(11, Gh(), 50, 2 * Gh()), clBlack), 0);
  d = Draw("<IMG SRC=\"IDX:0\">x", kWide, p);
  EXPECT_EQ(Count(d.Image.copy(11, 0, 50, 2 * Gh()), clBlack), 0);
}

TEST(DrawHtmlText, PicturesInAnchors) {
  const std::vector<QImage> images{Solid(Qt::red), Solid(Qt::green)};
  const QString markup = "<A href=\"pic\" title=\"T\"><IMG SRC=\"IDX:0\" ALT=\"IDX:1\"></A>";
  THtmlDrawParams p;
  p.Images = &images;
  p.XPos = 8;
  p.YPos = 8;
  // The point on the picture: a hit while drawing too, and the ALT picture.
  Drawn d = Draw(markup, kWide, p);
  EXPECT_TRUE(d.Hit);
  EXPECT_EQ(d.Result.AnchorValue, "pic");
  EXPECT_EQ(d.Result.AnchorTitle, "T");
  EXPECT_EQ(Count(d.Image, kGreen), 16 * 16);
  EXPECT_EQ(Count(d.Image, kRed), 0);
  p.XPos = 40;
  d = Draw(markup, kWide, p);
  EXPECT_FALSE(d.Hit);
  EXPECT_EQ(d.Result.AnchorValue, "");
  EXPECT_EQ(Count(d.Image, kRed), 16 * 16);
  // Outside an anchor a picture is never hit.
  p.XPos = 8;
  EXPECT_FALSE(Draw("<IMG SRC=\"IDX:0\" ALT=\"IDX:1\">", kWide, p).Hit);
}

TEST(DrawHtmlText, FormControls) {
  auto control = [](const QString& type, const QString& value, const QString& more = {}) {
    return "<CONTROL TYPE=\"" + type + "\" ID=\"c\" VALUE=\"" + value + "\" WIDTH=\"60\"" + more + ">";
  };
  // A checked box differs from an unchecked one only inside its glyph.
  const Drawn on = Draw("ab" + control("CHECK", "TRUE"), kWide);
  const Drawn off = Draw("ab" + control("CHECK", "false"), kWide);
  const int x = 1 + Width("ab");
  EXPECT_EQ(on.Result.Width, Width("ab") + 16);
  EXPECT_EQ(on.Result.Height, std::max(Gh(), 16));
  EXPECT_NE(on.Image, off.Image);
  EXPECT_EQ(on.Image.copy(0, 0, x, 120), off.Image.copy(0, 0, x, 120));
  EXPECT_GT(Count(on.Image.copy(x, 0, 16, 16), clBlack), Count(off.Image.copy(x, 0, 16, 16), clBlack) + 5);
  EXPECT_NE(Draw(control("RADIO", "TRUE"), kWide).Image, Draw(control("RADIO", "FALSE"), kWide).Image);

  // HitTestOnly with the control's ID finds it without a point.
  THtmlDrawParams p;
  p.HitTestOnly = true;
  p.ControlID = "c";
  Drawn d = Draw("ab" + control("CHECK", "TRUE"), kWide, p);
  EXPECT_TRUE(d.Hit);
  EXPECT_TRUE(Blank(d.Image));
  EXPECT_EQ(d.Result.AnchorValue, "ctrl");
  EXPECT_EQ(d.Result.ControlRect, (TRect{x, 0, x + 16, 16}));
  EXPECT_EQ(d.Result.ControlType, "CHECK");
  EXPECT_EQ(d.Result.ControlValue, "TRUE");
  EXPECT_EQ(d.Result.ControlID, "c");
  p.ControlID = "other";
  d = Draw("ab" + control("CHECK", "TRUE"), kWide, p);
  EXPECT_FALSE(d.Hit);
  EXPECT_EQ(d.Result.ControlID, "other");  // kept as given
  EXPECT_EQ(d.Result.ControlRect, TRect{});
  // The point on a control hits it in a drawing pass too.
  THtmlDrawParams point;
  point.XPos = x + 30;
  point.YPos = 5;
  d = Draw("ab" + control("EDIT", "v&amp;w"), kWide, point);
  EXPECT_TRUE(d.Hit);
  EXPECT_EQ(d.Result.ControlValue, "v&w");
  // Entities inside a tag stay for its reader: a decoded quote would end the
  // value early.
  d = Draw("ab" + control("EDIT", "say &quot;hi&quot;"), kWide, point);
  EXPECT_EQ(d.Result.ControlValue, "say \"hi\"");
  EXPECT_EQ(d.Result.ControlType, "EDIT");
  EXPECT_EQ(d.Result.ControlRect, (TRect{x, 0, x + 60, Gh() + 10}));
  EXPECT_EQ(d.Result.Height, std::max(23, Gh() + 10));

  // A password shows one "*" per character; an edit its value.
  EXPECT_EQ(Draw(control("PASSWORD", "abc"), kWide).Image, Draw(control("EDIT", "***"), kWide).Image);
  EXPECT_NE(Draw(control("EDIT", "abc"), kWide).Image, Draw(control("EDIT", ""), kWide).Image);
  // A button drawn pressed while the mouse is down on it.
  THtmlDrawParams down = point;
  down.MouseDown = true;
  const QString button = "ab" + control("BUTTON", "Go");
  EXPECT_NE(Draw(button, kWide, down).Image, Draw(button, kWide, point).Image);
  EXPECT_EQ(Draw(button, kWide, down).Result.Height, std::max(Gh(), 25));
  // Without WIDTH a control is ignored.
  d = Draw("a<CONTROL TYPE=\"EDIT\" ID=\"c\">b", kWide);
  EXPECT_EQ(d.Result.Width, Width("ab"));
  EXPECT_TRUE(Draw("<CONTROL TYPE=\"EDIT\" ID=\"c\">", kWide).Image == Draw("", kWide).Image);
  // A control wider than the room left goes to the next line.
  EXPECT_EQ(Draw("abc " + control("EDIT", "x"), TRect{0, 0, 1 + Width("abc ") + 30, 120}).Result.Height,
            Gh() + std::max(23, Gh() + 10));
}

TEST(DrawHtmlText, MalformedMarkupEnds) {
  const std::pair<QString, QString> cases[] = {
      {"a<", "a"},
      {"a<b", "a"},
      {"<", ""},
      {"<<<<", ""},
      {"<>x", "x"},
      {"a<#", "a#"},
      {"<#<#>>", "##"},
      {"<A href=\"x>one", "one"},
      {"<FONT SIZE=\"99999999999999\">x</FONT>", "x"},
      {"<FONT SIZE=\"0\" COLOR=\"\" FACE=\"\">x", "x"},
      {"</>x", "x"},
      {"&amp;amp;&amp", "&&amp"},
  };
  for (const auto& [text, plain] : cases) {
    for (const TRect& rect : {kWide, TRect{10, 0, 10, 100}, TRect{50, 0, 10, 100}, TRect{0, 0, 0, 0}}) {
      THtmlDrawParams p;
      p.XPos = 5;
      p.YPos = 5;
      for (bool wrap : {true, false}) {
        p.WordWrap = wrap;
        const Drawn d = Draw(text, rect, p);
        EXPECT_EQ(d.Result.PlainText, plain) << text.toStdString();
      }
    }
  }
  // Many words in no room: each is wider than the line and stays on it.
  QString words;
  for (int i = 0; i < 200; ++i) words += "w ";
  THtmlDrawParams measure;
  measure.MeasureOnly = true;
  const Drawn d = Draw(words, TRect{0, 0, 0, 10}, measure);
  EXPECT_EQ(d.Result.Height, Gh());
  EXPECT_EQ(d.Result.PlainText, words);
}

}  // namespace

namespace {

// Lists, paragraphs, rules, pictures and turned text together: saved where
// KELVRA_HTML_BLOCKS_SHOT points, to be looked at.
TEST(DrawHtmlText, BlockShowcase) {
  const std::vector<QImage> images{Solid(Qt::red), Solid(QColor(0, 160, 0)), Solid(Qt::blue, 24)};
  THtmlDrawParams p;
  p.Images = &images;
  const QString markup =
      "<P ALIGN=\"CENTER\"><B>Centred title</B></P>"
      "<UL><LI>first item</LI><LI>second <IMG SRC=\"IDX:0\"> item</LI><UL><LI>nested</LI></UL></UL>"
      "<HR><P BGCOLOR=\"clYellow\">yellow paragraph</P>"
      "<IMG SRC=\"IDX:2\" ALIGN=\"MIDDLE\"> middle <IMG SRC=\"IDX:1\" ALIGN=\"TOP\"> top"
      "<IND x=\"200\">at 200<BR><R a=\"90\">up</R> and back<BR>"
      "<CONTROL TYPE=\"EDIT\" WIDTH=\"60\" VALUE=\"edit\"> <CONTROL TYPE=\"CHECK\" WIDTH=\"16\" VALUE=\"TRUE\">"
      " <CONTROL TYPE=\"RADIO\" WIDTH=\"16\" VALUE=\"TRUE\"> <CONTROL TYPE=\"COMBO\" WIDTH=\"70\" VALUE=\"one\">"
      " <CONTROL TYPE=\"BUTTON\" WIDTH=\"50\" VALUE=\"Go\">";
  const Drawn d = Draw(markup, TRect{0, 0, 300, 300}, p, Base(), QSize(300, 300));
  EXPECT_GT(d.Result.Height, 8 * Gh());
  if (!qEnvironmentVariableIsEmpty("KELVRA_HTML_BLOCKS_SHOT"))
    d.Image.save(qEnvironmentVariable("KELVRA_HTML_BLOCKS_SHOT"));
}

}  // namespace
