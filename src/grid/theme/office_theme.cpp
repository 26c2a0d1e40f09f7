#include "grid/theme/office_theme.h"

#include "grid/theme/registry_ini.h"
#include "grid/theme/theme_api.h"

bool IsWinXPOrLater() { return true; }
bool IsVistaOrLater() { return true; }
bool IsComCtl6() { return true; }

QString DefaultUIFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

int CurrentXPColorScheme() {
  const Theme_Library& library = Zad_Theme_Library();
  if (!IsWinXPOrLater() || !library.Loaded() || !library.IsThemeActive() || !IsComCtl6()) return 0;
  const QString scheme = library.GetCurrentThemeColorScheme();
  if (scheme.contains(QLatin1String("NormalColor"))) return 1;
  if (scheme.contains(QLatin1String("HomeStead"))) return 2;
  if (scheme.contains(QLatin1String("Metallic"))) return 3;
  return 0;
}

int OfficeVersionPresent() {
  if (registry_ini::Key_Exists(QString::fromLatin1(kOffice2010GeneralKey))) return 2;
  if (registry_ini::Key_Exists(QString::fromLatin1(kOffice2007GeneralKey))) return 1;
  return 0;
}

int ReadThemeValue(const QString& key) {
  if (!registry_ini::Key_Exists(key)) return -1;
  return registry_ini::Read_Integer(key, QStringLiteral("Theme")).value_or(-1);
}

TOfficeTheme ReadOfficeThemeSetting() {
  const int office2010 = ReadThemeValue(QString::fromLatin1(kOffice2010ThemeKey));
  if (office2010 != -1) {
    switch (office2010) {
      case 1:
        return ot2010Blue;
      case 2:
        return ot2010Silver;
      case 3:
        return ot2010Black;
      default:
        return ot2003Blue;
    }
  }
  const int office2007 = ReadThemeValue(QString::fromLatin1(kOffice2007ThemeKey));
  if (office2007 != -1) {
    switch (office2007) {
      case 1:
        return ot2007Blue;
      case 2:
        return ot2007Silver;
      case 3:
        return ot2007Black;
      default:
        return ot2003Blue;
    }
  }
  switch (CurrentXPColorScheme()) {
    case 1:
      return ot2003Blue;
    case 2:
      return ot2003Olive;
    case 3:
      return ot2003Silver;
    default:
      return ot2003Classic;
  }
}
