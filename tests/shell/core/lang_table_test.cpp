#include "shell/core/lang_table.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include "shell/core/globals.h"
#include "support/temp_dir.h"

namespace {

class LangTable : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Texts();
    english1_ = Lang_Table[1];
    english12_ = Lang_Table[12];
  }
  QString english1_, english12_;
  Temp_Dir dir_;
};

TEST_F(LangTable, DefaultsFillEveryNumber) {
  ASSERT_EQ(Lang_Table.size(), 1900);
  EXPECT_EQ(Lang_Table_Size, 1900);
  for (const QString& text : Lang_Table) EXPECT_FALSE(text.isEmpty());
}

TEST_F(LangTable, FileEncodingsAreRecognised) {
  const QString line = QStringLiteral("STR17 = Aktualisieren\r\n");
  QStringEncoder utf16(QStringEncoder::Utf16LE);
  const QByteArray utf16_bytes = QByteArray("\xFF\xFE", 2) + QByteArray(utf16.encode(line));
  const QByteArray utf8_bom = QByteArray("\xEF\xBB\xBF") + line.toUtf8();
  const QByteArray ansi = QByteArray("STR17 = Mise \xE0 jour\r\n");
  const QByteArray plain_utf8 = QStringLiteral("STR17 = Mise à jour\n").toUtf8();

  const struct {
    QByteArray bytes;
    QString expected;
  } cases[] = {{utf16_bytes, "Aktualisieren"},
               {utf8_bom, "Aktualisieren"},
               {ansi, QStringLiteral("Mise à jour")},
               {plain_utf8, QStringLiteral("Mise à jour")}};
  for (const auto& c : cases) {
    Load_Default_Texts();
    ASSERT_TRUE(Load_Language_File(dir_.Write("x.lng", c.bytes)));
    EXPECT_EQ(Lang_Table[17], c.expected);
  }
}

TEST_F(LangTable, LineGrammar) {
  const struct {
    const char* line;
    int number;
    const char* expected;  // nullptr: the line is ignored
  } cases[] = {
      {"STR12 = Hello", 12, "Hello"},
      {"   STR12 = Hello  \t", 12, "Hello"},
      {"STR12 = \xC2\xB6  Hello \xC2\xB6 more", 12, "  Hello "},
      {"STR12 = \xC2\xB6\xC2\xB6", 12, ""},
      {"STR12 = Hello /#/ x", 12, "Hello"},
      {"STR12 = /#/ x", 12, nullptr},
      {"str12 = x", 12, nullptr},
      {"STR12 =", 12, nullptr},
      {"STR12 x", 12, nullptr},
      {"STRab = x", 12, nullptr},
      {"STR$C = hex", 12, "hex"},
      {"STR0 = zero", 0, "zero"},
      {"STR1899 = last", 1899, "last"},
  };
  for (const auto& c : cases) {
    Load_Default_Texts();
    const QString before = Lang_Table[c.number];
    Apply_Language_Line(QString::fromUtf8(c.line));
    EXPECT_EQ(Lang_Table[c.number], c.expected ? QString::fromUtf8(c.expected) : before) << c.line;
  }
}

// A text longer than any window shows is cut, so a broken file cannot make
// every caption measure a line of hundreds of thousands of characters.
TEST_F(LangTable, LongTextsAreCut) {
  const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
  const struct {
    const char* name;
    QString text;
    QString expected;
  } cases[] = {
      {"at the limit", QString(1024, 'a'), QString(1024, 'a')},
      {"one over", QString(1025, 'b'), QString(1024, 'b')},
      {"from a file's endless line", QString(200000, 'c'), QString(1024, 'c')},
      {"kept blanks", QChar(0x00B6) + QString(3000, ' ') + "x", QString(1024, ' ')},
      {"pair across the limit", QString(1023, 'd') + smile, QString(1023, 'd')},
  };
  for (const auto& c : cases) {
    Load_Default_Texts();
    ASSERT_TRUE(Load_Language_File(dir_.Write("long.lng", ("STR12 = " + c.text + "\nSTR13 = next\n").toUtf8())));
    EXPECT_EQ(Lang_Table[12], c.expected) << c.name;
    EXPECT_EQ(Lang_Table[13], "next") << c.name;
  }
}

TEST_F(LangTable, CharacterBeforeEqualsIsNotPartOfTheNumber) {
  Apply_Language_Line("STR12=Hello");
  EXPECT_EQ(Lang_Table[1], "Hello");
  EXPECT_EQ(Lang_Table[12], english12_);
}

TEST_F(LangTable, OutOfRangeNumbersAreIgnored) {
  const QStringList before = Lang_Table;
  Apply_Language_Line("STR1900 = x");
  Apply_Language_Line("STR-1 = x");
  Apply_Language_Line("STR99999999999 = x");
  EXPECT_EQ(Lang_Table, before);
}

TEST_F(LangTable, LaterLinesWinAndOthersStayEnglish) {
  Load_Language_File(dir_.Write("x.lng", "STR12 = first\nSTR12 = second\n"));
  EXPECT_EQ(Lang_Table[12], "second");
  EXPECT_EQ(Lang_Table[1], english1_);
}

TEST_F(LangTable, MissingLanguageFallsBackToEnglish) {
  Dir_Language = dir_.Path();
  dir_.Write("English.lng", "STR12 = from English file\n");
  Cur_Language = "Klingon";
  Load_Language();
  EXPECT_EQ(Cur_Language, "English");
  EXPECT_EQ(Lang_Table[12], "from English file");

  dir_.Write("Deutsch.lng", "STR12 = Hallo\n");
  Cur_Language = "Deutsch";
  Load_Language();
  EXPECT_EQ(Cur_Language, "Deutsch");
  EXPECT_EQ(Lang_Table[12], "Hallo");
}

TEST_F(LangTable, NoFilesLeavesTheDefaults) {
  Dir_Language = dir_.File("absent");
  Cur_Language = "Deutsch";
  Load_Language();
  EXPECT_EQ(Cur_Language, "English");
  EXPECT_EQ(Lang_Table[12], english12_);
}

TEST_F(LangTable, UnreadableFileIsReported) { EXPECT_FALSE(Load_Language_File(dir_.File("none.lng"))); }

}  // namespace
