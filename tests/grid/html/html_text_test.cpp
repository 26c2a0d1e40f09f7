// The HTML text utilities of cell texts: entities, plain and visible text,
// highlighting, colours, form-control tags, automatic links and the clipboard
// fragment.
#include <gtest/gtest.h>

#include <QSet>

#include "grid/html/html_auto_link.h"
#include "grid/html/html_clipboard.h"
#include "grid/html/html_colors.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_entities.h"
#include "grid/html/html_highlight.h"
#include "grid/html/html_plain_text.h"

namespace {

const QString kAllAccented = QStringLiteral("éèëêóòöôíìïîúùüûáàäâÉÈËÊÓÒÖÔÍÌÏÎÚÙÜÛÁÀÄÂçÇøØåÅ©®€«»ãÃõÕ");

TEST(HtmlEntities, Escape) {
  const struct {
    QString Text;
    bool Accented;
    QString Escaped;
  } cases[] = {
      {"a < b & c", false, "a &lt; b &amp; c"},
      {"say \"hi\" >", false, "say &quot;hi&quot; &gt;"},
      {"é", true, "&eacute;"},
      {"Õ", true, "&Otilde;"},
      {"© 5 €", true, "&copy; 5 &euro;"},
      {"é", false, "é"},
      // Escaping "&" in one step leaves a "*amp;" that was there alone.
      {"*amp;", false, "*amp;"},
      {"&amp;", false, "&amp;amp;"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeHtmlChars(c.Text, c.Accented), c.Escaped) << c.Text.toStdString();
}

TEST(HtmlEntities, EveryTableLetterHasItsOwnEntity) {
  ASSERT_EQ(kAllAccented.size(), 55);
  QSet<QString> entities;
  for (const QChar c : kAllAccented) {
    const QString e = EscapeHtmlChars(QString(c), true);
    EXPECT_TRUE(e.startsWith('&') && e.endsWith(';')) << e.toStdString();
    entities.insert(e);
    EXPECT_EQ(UnescapeHtmlChars(e, true), QString(c));
  }
  EXPECT_EQ(entities.size(), 55);
  EXPECT_EQ(EscapeHtmlChars(QStringLiteral("«»"), true), QStringLiteral("&laquo;&raquo;"));
}

TEST(HtmlEntities, Unescape) {
  const struct {
    QString Text;
    bool Accented;
    QString Plain;
  } cases[] = {
      {"&AMP;", false, "&"},
      {"&Lt;b&GT; &quot;", false, "<b> \""},
      {"&Eacute;&eacute;", true, "Éé"},
      {"&Eacute;", false, "&Eacute;"},
      // The table's entities match only in their own letter case.
      {"&EACUTE;", true, "&EACUTE;"},
      // One pass: what an entity gives is not read again.
      {"&amp;quot;", false, "&quot;"},
      {"&amp;lt;", false, "&lt;"},
      {"&unknown; & &", false, "&unknown; & &"},
      {"&", true, "&"},
  };
  for (const auto& c : cases) EXPECT_EQ(UnescapeHtmlChars(c.Text, c.Accented), c.Plain) << c.Text.toStdString();
}

TEST(HtmlEntities, RoundTrips) {
  for (const QString& s : {QString("&quot;"), QString("*amp;"), QString("&eacute;"), QString("&amp;quot;"),
                           QString("a <b> \"c\" & é"), kAllAccented, QString("&&;&amp")})
    for (bool accented : {false, true})
      EXPECT_EQ(UnescapeHtmlChars(EscapeHtmlChars(s, accented), accented), s) << s.toStdString();
}

TEST(HtmlEntities, SpacesAndReplacing) {
  EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
  QString text = "a<BR>b<br>";
  EXPECT_TRUE(ReplaceFirstNoCase("<br>", "|", text));
  EXPECT_EQ(text, "a|b<br>");
  EXPECT_TRUE(ReplaceFirstNoCase("<BR>", "", text));
  EXPECT_EQ(text, "a|b");
  EXPECT_FALSE(ReplaceFirstNoCase("<br>", "|", text));
  EXPECT_EQ(text, "a|b");
  // Only ASCII letters are matched without regard to case.
  text = "É";
  EXPECT_FALSE(ReplaceFirstNoCase("é", "e", text));
  EXPECT_FALSE(ReplaceFirstNoCase("", "x", text));
}

TEST(HtmlPlainText, Cases) {
  const std::pair<QString, QString> cases[] = {
      {"a<BR>b", "a\r\nb"},
      {"a<br>b<Hr>c", "a\r\nb\r\nc"},
      {"<b>bold</b> text", "bold text"},
      {"<font color=\"red\">x</font>", "x"},
      {"a < b", "a < b"},
      {"open <tag without end", "open <tag without end"},
      {"a &amp; b", "a &amp; b"},
      // Line breaks first, then tags: a break inside a tag goes with it.
      {"<a <BR> b>c", "c"},
      {"<br/>x", "x"},
      {"", ""},
  };
  for (const auto& [html, plain] : cases) EXPECT_EQ(HtmlToPlainText(html), plain) << html.toStdString();
}

TEST(HtmlPlainText, VisiblePositions) {
  const QString html = "<b>ab</b>c";
  EXPECT_EQ(VisibleText(html), "abc");
  EXPECT_EQ(VisibleText("x < y"), "x < y");
  EXPECT_EQ(VisibleText("<i>a<b>"), "a");
  const std::pair<int, int> to_html[] = {{0, 1}, {1, 1}, {2, 5}, {3, 6}, {4, 11}, {9, 11}};
  for (const auto& [n, pos] : to_html) EXPECT_EQ(VisibleToHtmlIndex(html, n), pos) << n;
  const std::pair<int, int> char_at[] = {{1, 4}, {2, 5}, {3, 10}, {4, 11}};
  for (const auto& [n, pos] : char_at) EXPECT_EQ(VisibleCharHtmlIndex(html, n), pos) << n;
}

TEST(HtmlPlainText, FindVisibleText) {
  int pos = -1;
  EXPECT_EQ(FindVisibleText("b", "abcb", 0, pos, true), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(FindVisibleText("b", "abcb", 2, pos, true), 4);
  EXPECT_EQ(FindVisibleText("B", "abcb", 0, pos, true), 0);
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(FindVisibleText("B", "abcb", 0, pos, false), 2);
  EXPECT_EQ(FindVisibleText("É", "café", 0, pos, false), 4);
  EXPECT_EQ(FindVisibleText("", "abc", 0, pos, false), 0);
  EXPECT_EQ(FindVisibleText("a", "abc", 5, pos, false), 0);
}

TEST(HtmlHighlight, WrapsHits) {
  const struct {
    QString Html, Search;
    bool CaseSensitive;
    QString Result;
  } cases[] = {
      {"aa", "a", true, "<hi>a</hi><hi>a</hi>"},
      {"aaa", "aa", true, "<hi>aa</hi>a"},
      {"<b>abcd</b>", "bc", true, "<b>a<hi>bc</hi>d</b>"},
      {"<b>abc</b>", "abc", true, "<b><hi>abc</b></hi>"},
      {"Abc abc", "ABC", false, "<hi>Abc</hi> <hi>abc</hi>"},
      {"Abc", "ABC", true, "Abc"},
      // Angle brackets that are no tags: the text is taken as plain text.
      {"x > y", "y", true, "x &gt; <hi>y</hi>"},
      {"abc", "", true, "abc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HighlightInHtml(c.Html, c.Search, "hi", c.CaseSensitive), c.Result) << c.Html.toStdString();
}

TEST(HtmlHighlight, RemoveGivesTheTextBack) {
  for (const QString& html : {QString("<b>abcd</b>"), QString("x > y"), QString("a<i>b</i>a")}) {
    const QString marked = HighlightInHtml(html, html.contains('y') ? "y" : "a", "e", true);
    EXPECT_NE(marked, html);
    EXPECT_EQ(RemoveHighlightFromHtml(marked, "e"), html) << html.toStdString();
  }
  EXPECT_EQ(RemoveHighlightFromHtml("<HI>a</Hi>&LT;", "hi"), "a<");
}

TEST(HtmlHighlight, Colours) {
  EXPECT_EQ(HtmlHighlightBackground(), clHighlight);
  EXPECT_EQ(HtmlHighlightText(), clHighlightText);
  SetHtmlHighlightColors(clYellow, clRed);
  EXPECT_EQ(HtmlHighlightBackground(), clYellow);
  EXPECT_EQ(HtmlHighlightText(), clRed);
  SetHtmlHighlightColors(clHighlight, clHighlightText);
}

TEST(HtmlColors, Names) {
  const std::pair<QString, TColor> cases[] = {
      {"clred", 0x0000FF},
      {"clblack", 0},
      {"clblue", 0xFF0000},
      {"clgreen", 0x008000},
      {"claqua", 0xFFFF00},
      {"clyellow", 0x00FFFF},
      {"clfuchsia", 0xFF00FF},
      {"clwhite", 0xFFFFFF},
      {"cllime", 0x00FF00},
      {"clsilver", 0xC0C0C0},
      {"clgray", 0x808080},
      {"clolive", 0x008080},
      {"clnavy", 0x800000},
      {"clpurple", 0x800080},
      {"clteal", 0x808000},
      {"clmaroon", 0x000080},
      {"clbackground", 0xFF000001},
      {"clbtnface", 0xFF00000F},
      {"clinfobk", 0xFF000018},
      {"cl3dlight", 0xFF000016},
      {"clRed", 0},
      {"red", 0},
      {"", 0},
  };
  for (const auto& [name, colour] : cases) EXPECT_EQ(ColorFromHtmlName(name), colour) << name.toStdString();
}

TEST(HtmlColors, Hex) {
  const std::pair<QString, TColor> cases[] = {
      {"#FF0000", 0x0000FF},
      {"#00FF00", 0x00FF00},
      {"#0000FF", 0xFF0000},
      {"#123456", 0x563412},
      // Lower-case digits and other characters read as 0; a short text too.
      {"#ff0000", 0},
      {"#F", 0xF0},
      {"", 0},
  };
  for (const auto& [text, colour] : cases) EXPECT_EQ(HexToColor(text), colour) << text.toStdString();
  EXPECT_EQ(ColorToHtmlHex(0x0000FF), "FF0000");
  EXPECT_EQ(ColorToHtmlHex(0x0A0B0C), "0C0B0A");
  for (TColor c : {TColor(0), TColor(0xFFFFFF), TColor(0x123456), TColor(0xA0B0C0)})
    EXPECT_EQ(HexToColor("#" + ColorToHtmlHex(c)), c);
}

const QString kControls =
    "Name <CONTROL TYPE=\"edit\" ID=\"n\" VALUE=\"a &quot;b&quot; &eacute;\" WIDTH=\"80\" HEIGHT=\"30\" MAXLEN=\"12\" "
    "PROP=\"p&amp;q\"> on <control type=\"CHECK\" id=\"c\" value=\"TRUE\" width=\"20\"> and "
    "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"TRUE\" WIDTH=\"20\"><CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" "
    "WIDTH=\"60\"> end";

TEST(HtmlControls, ReadAndFind) {
  const THtmlControlAttributes a = ReadHtmlControlAttributes(
      "<control type=\"check\" id=\"Box\" value=\"&lt;v&gt;\" width=\"20\" height=\"16\" prop=\"&eacute;\">");
  EXPECT_EQ(a.Type, "CHECK");
  EXPECT_EQ(a.ID, "Box");
  EXPECT_EQ(a.Value, "<v>");
  EXPECT_EQ(a.Prop, "é");
  EXPECT_EQ(a.Width, "20");
  EXPECT_EQ(a.Height, "16");
  EXPECT_EQ(a.MaxLen, "");

  EXPECT_TRUE(HasHtmlControls(kControls));
  EXPECT_FALSE(HasHtmlControls("<b>no</b>"));
  QString value;
  EXPECT_TRUE(GetHtmlControlValue(kControls, "n", value));
  EXPECT_EQ(value, "a \"b\" é");
  EXPECT_TRUE(GetHtmlControlValue(kControls, "c", value));
  EXPECT_EQ(value, "TRUE");
  EXPECT_FALSE(GetHtmlControlValue(kControls, "N", value));
  EXPECT_EQ(GetHtmlControlProp(kControls, "n"), "p&q");
  EXPECT_EQ(GetHtmlControlProp(kControls, "c"), "");
  EXPECT_EQ(GetHtmlControlMaxLen(kControls, "n"), 12);
  EXPECT_EQ(GetHtmlControlMaxLen(kControls, "c"), 0);
  // The controls one types into: EDIT, then COMBO after the CHECK and RADIO.
  EXPECT_EQ(NextHtmlEditControlID(kControls, ""), "n");
  EXPECT_EQ(NextHtmlEditControlID(kControls, "n"), "k");
  EXPECT_EQ(NextHtmlEditControlID(kControls, "k"), "");
  EXPECT_EQ(NextHtmlEditControlID(kControls, "missing"), "");
}

TEST(HtmlControls, SetValueRewritesOneTag) {
  QString text = kControls;
  EXPECT_TRUE(SetHtmlControlValue(text, "n", "<new> \"é\""));
  const QString rewritten =
      "<CONTROL ID=\"n\" VALUE=\"&lt;new&gt; &quot;&eacute;&quot;\" WIDTH=\"80\" TYPE=\"EDIT\" PROP=\"p&amp;q\" "
      "MAXLEN=\"12\" HEIGHT=\"30\">";
  EXPECT_TRUE(text.startsWith("Name " + rewritten + " on <control type=\"CHECK\""));
  EXPECT_TRUE(text.endsWith("WIDTH=\"60\"> end"));
  // The other controls stay as written.
  EXPECT_EQ(text.mid(text.indexOf(" on ")), kControls.mid(kControls.indexOf(" on ")));
  QString value;
  EXPECT_TRUE(GetHtmlControlValue(text, "n", value));
  EXPECT_EQ(value, "<new> \"é\"");
  EXPECT_EQ(ReadHtmlControlAttributes(rewritten).Height, "30");
  EXPECT_FALSE(SetHtmlControlValue(text, "none", "x"));
}

TEST(HtmlControls, RadiosAndMasks) {
  const QString two =
      "<CONTROL TYPE=\"RADIO\" VALUE=\"TRUE\" WIDTH=\"20\"><CONTROL TYPE=\"RADIO\" ID=\"b\" "
      "VALUE=\"TRUE\" WIDTH=\"20\"><CONTROL TYPE=\"EDIT\" VALUE=\"TRUE\" WIDTH=\"20\">";
  const QString reset = ResetHtmlRadioControls(two);
  // Each radio is reset, also the one without an ID; the edit keeps its value.
  EXPECT_EQ(reset.count("VALUE=\"FALSE\""), 2);
  EXPECT_TRUE(reset.endsWith("<CONTROL TYPE=\"EDIT\" VALUE=\"TRUE\" WIDTH=\"20\">"));
  QString value;
  EXPECT_TRUE(GetHtmlControlValue(ResetHtmlRadioControls(kControls), "r", value));
  EXPECT_EQ(value, "FALSE");
  EXPECT_EQ(PasswordMask("abc"), "***");
  EXPECT_EQ(PasswordMask(""), "");
}

TEST(HtmlAutoLink, WrapsTheFirstUrl) {
  EXPECT_EQ(kAutoLinkPrefixes.size(), 7u);
  const struct {
    QString Text, Prefix;
    bool Found;
    QString Result;
  } cases[] = {
      {"see www.x.org now", "WWW.", true, "see <a href=\"www.x.org\">www.x.org</a> now"},
      {"see WWW.X.org", "WWW.", true, "see <a href=\"WWW.X.org\">WWW.X.org</a>"},
      {"a<b> http://x.org/p?q", "HTTP://", true, "a&lt;b&gt; <a href=\"http://x.org/p\">http://x.org/p</a>?q"},
      {"mail mailto:a@b.c, done", "MAILTO:", true, "mail <a href=\"mailto:a@b.c\">mailto:a@b.c</a>, done"},
      {"no link here", "HTTP://", false, ""},
  };
  for (const auto& c : cases) {
    QString result;
    EXPECT_EQ(InsertAutoLink(c.Text, c.Prefix, result), c.Found) << c.Text.toStdString();
    if (c.Found) {
      EXPECT_EQ(result, c.Result);
    }
  }
}

TEST(HtmlClipboard, HeaderOffsets) {
  QString text = "0123456789";
  WrapHtmlClipboardFragment(text);
  EXPECT_TRUE(text.startsWith(
      "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000316\r\nStartFragment:00000274\r\nEndFragment:00000284\r\n"));
  EXPECT_EQ(text.indexOf("<!DOCTYPE"), 97);
  EXPECT_EQ(text.mid(274, 10), "0123456789");
  EXPECT_EQ(text.size(), 316);
  EXPECT_TRUE(text.endsWith("<!--EndFragment--></body></html>"));
  QString empty;
  WrapHtmlClipboardFragment(empty);
  EXPECT_TRUE(empty.contains("EndFragment:00000274"));
  EXPECT_EQ(empty.size(), 306);
}

}  // namespace
