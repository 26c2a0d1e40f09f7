#include <gtest/gtest.h>

#include <QPainter>

#include "grid/theme/handle_list.h"
#include "grid/theme/office_theme.h"
#include "grid/theme/registry_ini.h"
#include "grid/theme/theme_api.h"
#include "support/temp_dir.h"

namespace {

// A theme backend whose answers the test sets.
class Fake_Backend : public Theme_Backend {
 public:
  bool active = true;
  QString scheme;
  bool Is_Theme_Active() const override { return active; }
  QString Color_Scheme_Name() const override { return scheme; }
  bool Draw_Part(QPainter&, const QObject*, const QString&, int, int, const QRect&) const override { return true; }
};

// The user's registry folder pointed at a temporary one for each test.
class Registry_Test : public ::testing::Test {
 protected:
  void SetUp() override { registry_ini::Override_Root(dir_.Path()); }
  void TearDown() override {
    registry_ini::Override_Root({});
    Install_Theme_Backend(nullptr);
    UnloadThemeApi();
  }
  void Key(const QString& relative_file, const QByteArray& text = {}) { dir_.Write(relative_file, text); }
  Temp_Dir dir_;
};

struct Theme_Case {
  const char* name;
  std::vector<std::pair<const char*, const char*>> files;  // path below the root, contents
  TOfficeTheme expected;
};

class Office_Theme_Cases : public Registry_Test, public ::testing::WithParamInterface<Theme_Case> {};

TEST_P(Office_Theme_Cases, ReadsTheNewestOfficeThemeFirst) {
  for (const auto& [path, text] : GetParam().files) Key(QString::fromLatin1(path), QByteArray(text));
  EXPECT_EQ(ReadOfficeThemeSetting(), GetParam().expected);
}

const char* const k2007 = "Software/Microsoft/Office/12.0/Common.ini";
const char* const k2010 = "Software/Microsoft/Office/14.0/Common.ini";

INSTANTIATE_TEST_SUITE_P(
    Registry, Office_Theme_Cases,
    ::testing::Values(
        Theme_Case{"nothing", {}, ot2003Classic}, Theme_Case{"only_2007_silver", {{k2007, "Theme=2\n"}}, ot2007Silver},
        Theme_Case{"2007_blue", {{k2007, "Theme=1"}}, ot2007Blue},
        Theme_Case{"2007_black_hex", {{k2007, "Theme = $3\r\n"}}, ot2007Black},
        Theme_Case{"2010_wins_over_2007", {{k2010, "Theme=1"}, {k2007, "Theme=3"}}, ot2010Blue},
        Theme_Case{"2010_silver", {{k2010, "theme=2"}}, ot2010Silver},
        Theme_Case{"2010_black", {{k2010, "[General]\nTheme=3"}}, ot2010Black},
        Theme_Case{"unknown_2010_value_skips_2007", {{k2010, "Theme=4"}, {k2007, "Theme=2"}}, ot2003Blue},
        Theme_Case{"unknown_2007_value", {{k2007, "Theme=0"}}, ot2003Blue},
        Theme_Case{"2010_key_without_value_falls_to_2007", {{k2010, "Other=1"}, {k2007, "Theme=2"}}, ot2007Silver},
        Theme_Case{"not_a_number_counts_as_missing", {{k2010, "Theme=blue"}}, ot2003Classic},
        Theme_Case{"key_names_ignore_case", {{"software/MICROSOFT/office/12.0/common.INI", "Theme=2"}}, ot2007Silver}),
    [](const ::testing::TestParamInfo<Theme_Case>& info) { return std::string(info.param.name); });

TEST_F(Registry_Test, OfficeVersionFromTheGeneralKeys) {
  EXPECT_EQ(OfficeVersionPresent(), 0);
  Key("Software/Microsoft/Office/11.0/Common/General.ini");
  EXPECT_EQ(OfficeVersionPresent(), 0);
  Key("Software/Microsoft/Office/12.0/Common/General.ini");
  EXPECT_EQ(OfficeVersionPresent(), 1);
  Key("Software/Microsoft/Office/14.0/Common/General.ini");
  EXPECT_EQ(OfficeVersionPresent(), 2);
}

TEST_F(Registry_Test, ThemeValueMissingKeyOrValue) {
  EXPECT_EQ(ReadThemeValue(kOffice2007ThemeKey), -1);
  Key(k2007, "; comment\nFoo=7\n");
  EXPECT_EQ(ReadThemeValue(kOffice2007ThemeKey), -1);
  Key(k2007, "Foo=7\nTheme=0x2\n");
  EXPECT_EQ(ReadThemeValue(kOffice2007ThemeKey), 2);
  // A key name cannot climb out of the registry folder.
  EXPECT_TRUE(registry_ini::Key_File(QStringLiteral("Software\\..\\..\\etc")).isEmpty());
  EXPECT_FALSE(registry_ini::Key_Exists(QStringLiteral("..\\x")));
}

TEST_F(Registry_Test, XpColourSchemeOnlyWithAnActiveTheme) {
  Fake_Backend backend;
  backend.scheme = QStringLiteral("Metallic");
  EXPECT_EQ(CurrentXPColorScheme(), 0);  // no library bound
  Install_Theme_Backend(&backend);
  ASSERT_TRUE(LoadThemeApi());
  EXPECT_EQ(CurrentXPColorScheme(), 3);
  EXPECT_EQ(ReadOfficeThemeSetting(), ot2003Silver);
  backend.scheme = QStringLiteral("HomeStead");
  EXPECT_EQ(ReadOfficeThemeSetting(), ot2003Olive);
  backend.scheme = QStringLiteral("NormalColor");
  EXPECT_EQ(ReadOfficeThemeSetting(), ot2003Blue);
  backend.scheme = QStringLiteral("normalcolor");  // the search minds case
  EXPECT_EQ(CurrentXPColorScheme(), 0);
  backend.scheme = QStringLiteral("NormalColor");
  backend.active = false;
  EXPECT_EQ(CurrentXPColorScheme(), 0);
}

TEST_F(Registry_Test, ThemeLibraryBindsOnceAndOnlyWithABackend) {
  Theme_Library library;
  EXPECT_FALSE(library.Load());
  EXPECT_FALSE(Themes_In_Use(library));
  EXPECT_FALSE(library.OpenThemeData(nullptr, kThemeButton));
  Fake_Backend backend;
  Install_Theme_Backend(&backend);
  EXPECT_TRUE(library.Load());
  EXPECT_TRUE(library.Load());
  EXPECT_EQ(library.Load_Count(), 1);
  EXPECT_TRUE(Themes_In_Use(library));
  HTHEME theme = library.OpenThemeData(nullptr, kThemeButton);
  EXPECT_TRUE(theme);
  library.CloseThemeData(theme);
  EXPECT_FALSE(theme);
  backend.active = false;
  EXPECT_FALSE(Themes_In_Use(library));
  library.Unload();
  library.Unload();
  EXPECT_FALSE(library.Loaded());
  // The two users keep separate bindings.
  backend.active = true;
  EXPECT_TRUE(Init_Theme_Library());
  EXPECT_FALSE(Zad_Theme_Library().Loaded());
  Free_Theme_Library();
  EXPECT_FALSE(AT_Theme_Library().Loaded());
}

TEST(HandleList, KeepsOrderAndRemovesFirstEqual) {
  QObject a, b, c;
  THandleList list;
  list.Add(&a);
  list.Add(&b);
  list.Insert(1, &c);
  list.Add(&a);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Item(1), &c);
  list.DeleteValue(&a);
  EXPECT_EQ(list.Item(0), &c);
  EXPECT_EQ(list.Item(2), &a);
  list.DeleteValue(&a);
  list.DeleteValue(&a);  // absent: nothing
  EXPECT_EQ(list.Count(), 2);
  list.Delete(7);
  list.Insert(9, &a);
  EXPECT_EQ(list.Count(), 2);
  list.Set_Item(0, &a);
  EXPECT_TRUE(list.HasValue(&a));
  EXPECT_FALSE(list.HasValue(&c));
  {
    QObject gone;
    list.Add(&gone);
  }
  EXPECT_EQ(list.Item(2), nullptr);  // a destroyed control leaves a null entry, not a dangling one
}

}  // namespace
