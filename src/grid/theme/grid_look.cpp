#include "grid/theme/grid_look.h"

namespace {

struct Look_Texts {
  const char* name;
  const char* caption;
};

// Indexed by TGridLook up to glOffice2007.
constexpr Look_Texts kLookTexts[] = {
    {"glStandard", "Standard"},     {"glSoft", "Soft"},         {"glClassic", "Classic"},     {"glDUD", "DUD"},
    {"glXP", "Windows XP"},         {"glListView", "ListView"}, {"glVista", "Windows Vista"}, {"glWin7", "Windows 7"},
    {"glOffice2007", "Office2007"},
};

}  // namespace

void LookToString(TGridLook Look, QString& Text) {
  if (Look >= glStandard && Look < glCustom) Text = QLatin1String(kLookTexts[Look].name);
}

void LookCaption(TGridLook Look, QString& Text) {
  if (Look >= glStandard && Look < glCustom) Text = QLatin1String(kLookTexts[Look].caption);
}
