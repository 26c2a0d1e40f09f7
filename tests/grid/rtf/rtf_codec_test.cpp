// The RTF codec: what the writer stores comes back through the reader with
// its text and looks, the reader takes streams other programs write (font
// and colour tables, code pages, Unicode with fallbacks, pictures and style
// sheets skipped) and never fails on broken ones.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include "grid/rtf/rtf_reader.h"
#include "grid/rtf/rtf_writer.h"

namespace {

void Ensure_Gui() {
  if (QGuiApplication::instance()) return;
  static int argc = 1;
  static char name[] = "rtf_codec_tests";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

// The character format at a plain-text position of the document.
QTextCharFormat Format_At(QTextDocument& doc, int pos) {
  QTextCursor c(&doc);
  c.setPosition(pos + 1);
  return c.charFormat();
}

QTextDocument* Read(const QByteArray& rtf) {
  auto* doc = new QTextDocument;
  rtf::Read_Rtf(rtf, *doc);
  return doc;
}

class RtfCodec : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Ensure_Gui(); }
};

TEST_F(RtfCodec, Looks_Survive_Writing_And_Reading) {
  QTextDocument doc;
  QTextCursor c(&doc);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  c.insertText("x", bold);
  QTextCharFormat red;
  red.setForeground(QColor(255, 0, 0));
  c.insertText("y", red);
  QTextCharFormat rich;
  rich.setFontItalic(true);
  rich.setFontUnderline(true);
  rich.setFontStrikeOut(true);
  rich.setFontFamilies({"Courier New"});
  rich.setFontPointSize(14);
  rich.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  c.insertText("z", rich);
  QTextCharFormat sub;
  sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  c.insertText("w", sub);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  c.insertBlock(centred);
  c.insertText("second", QTextCharFormat());

  const QByteArray rtf = rtf::Write_Rtf(doc);
  for (char ch : rtf) ASSERT_LT(static_cast<unsigned char>(ch), 128u);
  std::unique_ptr<QTextDocument> back(Read(rtf));
  EXPECT_EQ(back->toPlainText(), QString("xyzw\nsecond"));
  EXPECT_EQ(Format_At(*back, 0).fontWeight(), QFont::Bold);
  EXPECT_NE(Format_At(*back, 1).fontWeight(), QFont::Bold);
  EXPECT_EQ(Format_At(*back, 1).foreground().color(), QColor(255, 0, 0));
  const QTextCharFormat z = Format_At(*back, 2);
  EXPECT_TRUE(z.fontItalic());
  EXPECT_TRUE(z.fontUnderline());
  EXPECT_TRUE(z.fontStrikeOut());
  EXPECT_EQ(z.fontFamilies().toStringList().value(0), QString("Courier New"));
  EXPECT_DOUBLE_EQ(z.fontPointSize(), 14.0);
  EXPECT_EQ(z.verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(Format_At(*back, 3).verticalAlignment(), QTextCharFormat::AlignSubScript);
  EXPECT_EQ(back->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(back->begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(RtfCodec, Every_Character_Survives) {
  const QStringList texts = {QString::fromUtf8("é€"),       QString::fromUtf8("中文"),
                             QString::fromUtf8("a\\b{c}d"), QString::fromUtf8("tab\there"),
                             QString::fromUtf8("😀 smile"),  QString("line") + QChar(QChar::LineSeparator) + "break",
                             QString::fromUtf8("ÿ\x01z")};
  for (const QString& text : texts) {
    QTextDocument doc;
    doc.setPlainText(text);
    const QByteArray rtf = rtf::Write_Rtf(doc);
    for (char ch : rtf) ASSERT_LT(static_cast<unsigned char>(ch), 128u) << text.toStdString();
    std::unique_ptr<QTextDocument> back(Read(rtf));
    EXPECT_EQ(back->toPlainText(), doc.toPlainText()) << text.toStdString();
  }
}

TEST_F(RtfCodec, Reads_Streams_Of_Other_Writers) {
  struct Case {
    const char* rtf;
    QString plain;
  };
  const Case cases[] = {
      // Code page bytes, 1252 by default and as named.
      {"{\\rtf1\\ansi caf\\'e9 \\'80}", QString::fromUtf8("café €")},
      {"{\\rtf1\\ansi\\ansicpg1252 na\\'efve}", QString::fromUtf8("naïve")},
      // Unicode with fallbacks of one and of two characters.
      {"{\\rtf1 \\u20013?\\u25991?}", QString::fromUtf8("中文")},
      {"{\\rtf1\\uc2 \\u-10179\\'3f\\'3f\\u-8704??x}", QString::fromUtf8("\xF0\x9F\x98\x80x")},
      {"{\\rtf1 a{\\uc0\\u233}b\\u233?c}", QString::fromUtf8("aébéc")},
      // Escapes, symbols and the special characters.
      {"{\\rtf1 \\\\ \\{ \\} a\\tab c\\par d}", QString::fromUtf8("\\ { } a\tc\nd")},
      {"{\\rtf1 \\ldblquote q\\rdblquote \\emdash}", QString::fromUtf8("\u201Cq\u201D\u2014")},
      // A picture, a style sheet, document information and \* groups.
      {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
       "{\\*\\generator Writer;}before{\\pict\\pngblip 89504e47}after{\\*\\unknown x}.}",
       "beforeafter."},
      // Binary data is skipped by its length, braces inside included.
      {"{\\rtf1 a\\bin3 {}\\b}", "ab"},
      // Field instructions go, field results stay.
      {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", "link"},
      // CR and LF between text are no text.
      {"{\\rtf1 one\r\ntwo}", "onetwo"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<QTextDocument> doc(Read(c.rtf));
    EXPECT_EQ(doc->toPlainText(), c.plain) << c.rtf;
    EXPECT_EQ(rtf::Rtf_Plain_Text(c.rtf), c.plain) << c.rtf;
  }
}

TEST_F(RtfCodec, No_Break_Characters) {
  EXPECT_EQ(rtf::Rtf_Plain_Text("{\\rtf1 a\\~b\\_c\\-d}"), QString::fromUtf8("a\u00A0b\u2011cd"));
}

TEST_F(RtfCodec, Font_And_Colour_Tables) {
  std::unique_ptr<QTextDocument> doc(
      Read("{\\rtf1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fmodern Courier;}}"
           "{\\colortbl ;\\red0\\green0\\blue255;\\red0\\green128\\blue0;}"
           "a\\f1\\fs28\\cf2 b\\plain c{\\b\\cf1 d}\\cf0 e}"));
  ASSERT_EQ(doc->toPlainText(), QString("abcde"));
  EXPECT_EQ(Format_At(*doc, 0).fontFamilies().toStringList().value(0), QString("Times New Roman"));
  const QTextCharFormat b = Format_At(*doc, 1);
  EXPECT_EQ(b.fontFamilies().toStringList().value(0), QString("Courier"));
  EXPECT_DOUBLE_EQ(b.fontPointSize(), 14.0);
  EXPECT_EQ(b.foreground().color(), QColor(0, 128, 0));
  EXPECT_FALSE(Format_At(*doc, 2).hasProperty(QTextFormat::ForegroundBrush));
  EXPECT_EQ(Format_At(*doc, 3).foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(Format_At(*doc, 3).fontWeight(), QFont::Bold);
  EXPECT_NE(Format_At(*doc, 4).fontWeight(), QFont::Bold);
}

TEST_F(RtfCodec, Switches_And_Paragraph_Alignment) {
  std::unique_ptr<QTextDocument> doc(
      Read("{\\rtf1\\qr right\\par\\pard\\qj just\\par\\pard left \\b b\\b0 n\\ul u\\ulnone\\up6 s\\up0 n\\dn4 d"
           "\\nosupersub\\super p\\sub q\\strike k\\strike0}"));
  ASSERT_EQ(doc->toPlainText(), QString("right\njust\nleft bnusndpqk"));
  QTextBlock block = doc->begin();
  EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  block = block.next();
  EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
  block = block.next();
  EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  const int base = block.position();
  const QString t = block.text();
  auto at = [&](QChar ch) { return Format_At(*doc, base + int(t.indexOf(ch, 5))); };
  EXPECT_EQ(at('b').fontWeight(), QFont::Bold);
  EXPECT_NE(at('n').fontWeight(), QFont::Bold);
  EXPECT_TRUE(at('u').fontUnderline());
  EXPECT_EQ(at('s').verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(at('d').verticalAlignment(), QTextCharFormat::AlignSubScript);
  EXPECT_EQ(at('p').verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(at('q').verticalAlignment(), QTextCharFormat::AlignSubScript);
  EXPECT_TRUE(at('k').fontStrikeOut());
}

TEST_F(RtfCodec, Broken_Streams_Give_What_Was_Read) {
  struct Case {
    QByteArray rtf;
    QString plain;
  };
  const Case cases[] = {
      {"{\\rtf1 open{\\b bold", "openbold"},
      {"{\\rtf1 a}}}b}", "ab"},
      {"}}{\\rtf1 x", "x"},
      {"{\\rtf1 cut\\", "cut"},
      {"{\\rtf1 cut\\'4", "cut"},
      {"{\\rtf1 \\u99999999999999999999?x}", QString(QChar(char16_t(2147483647 & 0xFFFF))) + "x"},
      {"{\\rtf1 \\fs99999999999999 big\\bin99999999999", "big"},
      {"{\\rtf1 \\uc999999999\\u65 abc}", "A"},
      {QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "after", "deepafter"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::unique_ptr<QTextDocument> doc(Read(c.rtf));
    EXPECT_EQ(doc->toPlainText(), c.plain) << c.rtf.left(60).toStdString();
  }
}

TEST_F(RtfCodec, Recognises_Rtf) {
  EXPECT_TRUE(rtf::Is_Rtf("{\\rtf1 x}"));
  EXPECT_FALSE(rtf::Is_Rtf("plain"));
  EXPECT_FALSE(rtf::Is_Rtf("{rtf"));
}

}  // namespace
