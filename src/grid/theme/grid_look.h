#pragma once
// The string grid's look vocabulary: the look of its fixed cells and frame
// (TGridLook), its colour styles (TZadGridStyle, the same ordinals as
// TDUDStyle) and the XP colour schemes. Stored visual settings hold the
// ordinals, so the order stays.
#include <QString>

enum TGridLook { glStandard, glSoft, glClassic, glDUD, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };

enum TZadGridStyle {
  gsOffice2003Blue,
  gsOffice2003Silver,
  gsOffice2003Olive,
  gsOffice2003Classic,
  gsOffice2007Luna,
  gsOffice2007Obsidian,
  gsWindowsXP,
  gsWhidbey,
  gsCustom,
  gsOffice2007Silver,
  gsWindowsVista,
  gsWindows7,
  gsTerminal,
  gsOffice2010Blue,
  gsOffice2010Silver,
  gsOffice2010Black
};

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// The name a saved look carries ("glXP"); glCustom has none, so Text stays
// as it was.
void LookToString(TGridLook Look, QString& Text);
// The look's caption in menus ("Windows XP"); glCustom leaves Text as it was.
void LookCaption(TGridLook Look, QString& Text);
