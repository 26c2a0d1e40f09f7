#include "shell/options/language_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "support/temp_dir.h"

namespace {

TEST(LanguageFiles, AnyCaseOfTheExtensionSortedWithoutRegardToCase) {
  Temp_Dir dir;
  for (const char* name : {"italiano.lng", "English.lng", "Deutsch.LNG", "Français.Lng", "notes.txt", "lng", "x.lngx"})
    dir.Write(name, "STR0 = x\n");
  QDir().mkpath(dir.File("Folder.lng"));
  EXPECT_EQ(language_list::Language_Files(dir.Path()),
            QStringList({"Deutsch.LNG", "English.lng", "Français.Lng", "italiano.lng"}));
  EXPECT_TRUE(language_list::Language_Files(dir.File("missing")).isEmpty());
  EXPECT_EQ(language_list::Language_Name("Deutsch.LNG"), "Deutsch");
}

TEST(LanguageFiles, UnreadableFileIsLeftOut) {
  if (geteuid() == 0) GTEST_SKIP() << "every file is readable for root";
  Temp_Dir dir;
  dir.Write("English.lng", "");
  QFile::setPermissions(dir.Write("Locked.lng", ""), QFile::WriteOwner);
  EXPECT_EQ(language_list::Language_Files(dir.Path()), QStringList({"English.lng"}));
}

// English (the built-in texts) is always offered, in its sorted place.
TEST(LanguageFiles, EnglishIsAlwaysOffered) {
  const struct {
    QStringList files;
    QStringList offered;
  } rows[] = {
      {{}, {"English.lng"}},
      {{"Deutsch.lng", "Polski.lng"}, {"Deutsch.lng", "English.lng", "Polski.lng"}},
      {{"english.LNG", "Deutsch.lng"}, {"Deutsch.lng", "english.LNG"}},
      {{"Aa.lng", "Zz.lng"}, {"Aa.lng", "English.lng", "Zz.lng"}},
      {{"ENGLISH2.lng"}, {"English.lng", "ENGLISH2.lng"}},
  };
  for (const auto& row : rows) {
    Temp_Dir dir;
    for (const QString& name : row.files) dir.Write(name, "STR0 = x\n");
    EXPECT_EQ(language_list::Offered_Languages(dir.Path()), row.offered) << row.files.join(',').toStdString();
  }
  EXPECT_EQ(language_list::Offered_Languages("/nonexistent/folder"), QStringList{"English.lng"});
}

TEST(LanguagePage, SixSlotsAPage) {
  const struct {
    int entries, page;
    int pages, first, shown;
    bool prev, next;
  } rows[] = {
      {7, 1, 2, 0, 6, false, true},  {7, 2, 2, 6, 1, true, false}, {6, 1, 1, 0, 6, false, false},
      {0, 1, 0, 0, 0, false, false},  // an empty list: no page to go to
      {1, 1, 1, 0, 1, false, false}, {13, 2, 3, 6, 6, true, true}, {13, 3, 3, 12, 1, true, false},
  };
  for (const auto& row : rows) {
    const language_list::Page page = language_list::Language_Page(row.entries, row.page);
    EXPECT_EQ(page.pages, row.pages) << row.entries << "/" << row.page;
    EXPECT_EQ(page.first, row.first) << row.entries << "/" << row.page;
    EXPECT_EQ(page.shown, row.shown) << row.entries << "/" << row.page;
    EXPECT_EQ(page.show_prev, row.prev) << row.entries << "/" << row.page;
    EXPECT_EQ(page.show_next, row.next) << row.entries << "/" << row.page;
  }
}

TEST(FlagPicture, OwnThenDefaultThenNone) {
  Temp_Dir dir;
  dir.Write("italiano.BMP", "bmp");
  EXPECT_EQ(language_list::Flag_Picture(dir.Path(), "Italiano"), dir.File("italiano.BMP"));
  EXPECT_TRUE(language_list::Flag_Picture(dir.Path(), "Deutsch").isEmpty());
  dir.Write("DefaultFlag.bmp", "bmp");
  EXPECT_EQ(language_list::Flag_Picture(dir.Path(), "Deutsch"), dir.File("DefaultFlag.bmp"));
}

class LanguageTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir_Language = dir_.Path();
    Cur_Language = "English";
  }
  void TearDown() override {
    Dir_Language.clear();
    Cur_Language = "English";
    Load_Default_Texts();
  }
  Temp_Dir dir_;
};

TEST_F(LanguageTexts, QuestionInTheCurrentLanguage) {
  Load_Default_Texts();
  EXPECT_EQ(language_list::Change_Question("English", "Italiano"),
            "Do you want to change the Language from English to Italiano?");
}

TEST_F(LanguageTexts, LoadingALanguageLeavesTheChosenOneAlone) {
  dir_.Write("Italiano.LNG", "STR312 = Conferma\n");
  language_list::Load_Language_Texts("Italiano");
  EXPECT_EQ(Lang(312), "Conferma");
  EXPECT_EQ(Lang(313), "Cancel");
  EXPECT_EQ(Cur_Language, "English");
  // A file gone since the list was made: English texts, the choice untouched.
  Cur_Language = "Italiano";
  language_list::Load_Language_Texts("Klingon");
  EXPECT_EQ(Lang(312), "OK");
  EXPECT_EQ(Cur_Language, "Italiano");
  // At the next start the upper-case file is found.
  Load_Language();
  EXPECT_EQ(Lang(312), "Conferma");
  EXPECT_EQ(Cur_Language, "Italiano");
}

}  // namespace
