#pragma once
#include <QString>

#include "grid/theme/style_if.h"

// Questions about the desktop that the controls ask before choosing a look,
// and the Office colour theme read from the user's settings (registry_ini.h).

// This platform always counts as a current desktop: the themed paths are
// chosen by whether a theme backend is loaded and active (theme_api.h).
bool IsWinXPOrLater();
bool IsVistaOrLater();
bool IsComCtl6();
QString DefaultUIFontName();

// 1 "NormalColor", 2 "HomeStead", 3 "Metallic" when the active theme's colour
// scheme names one of them (case-sensitive), else 0; 0 also without an
// active theme.
int CurrentXPColorScheme();

// Keys of the Office settings (below HKEY_CURRENT_USER).
inline const char* const kOffice2003GeneralKey = "Software\\Microsoft\\Office\\11.0\\Common\\General";
inline const char* const kOffice2007GeneralKey = "Software\\Microsoft\\Office\\12.0\\Common\\General";
inline const char* const kOffice2010GeneralKey = "Software\\Microsoft\\Office\\14.0\\Common\\General";
inline const char* const kOffice2010ThemeKey = "Software\\Microsoft\\Office\\14.0\\Common";
inline const char* const kOffice2007ThemeKey = "Software\\Microsoft\\Office\\12.0\\Common";

// 2 when Office 2010 is present, else 1 for Office 2007, else 0.
int OfficeVersionPresent();

// The integer "Theme" of the key; -1 when the key or the value is missing or
// the value is not a number.
int ReadThemeValue(const QString& key);

// The Office 2010 theme, else the Office 2007 one, else the XP colour scheme.
TOfficeTheme ReadOfficeThemeSetting();
