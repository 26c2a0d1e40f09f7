#include "grid/html/html_colors.h"

namespace {

struct Named_Color {
  const char* Name;
  TColor Color;
};

constexpr Named_Color kNames[] = {
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

int Hex_Digit(QChar c) {
  if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
  if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
  return 0;
}

int Hex_Pair(const QString& text, qsizetype at) {
  const QChar high = at < text.size() ? text[at] : QChar(u'0');
  const QChar low = at + 1 < text.size() ? text[at + 1] : QChar(u'0');
  return Hex_Digit(high) * 16 + Hex_Digit(low);
}

}  // namespace

TColor ColorFromHtmlName(const QString& name) {
  for (const Named_Color& n : kNames)
    if (name == QLatin1String(n.Name)) return n.Color;
  return clBlack;
}

TColor HexToColor(const QString& text) { return RGB(Hex_Pair(text, 1), Hex_Pair(text, 3), Hex_Pair(text, 5)); }

QString ColorToHtmlHex(TColor color) {
  return QStringLiteral("%1%2%3")
      .arg(Get_R(color), 2, 16, QLatin1Char('0'))
      .arg(Get_G(color), 2, 16, QLatin1Char('0'))
      .arg(Get_B(color), 2, 16, QLatin1Char('0'))
      .toUpper();
}

TColor Html_Attribute_Color(const QString& value) {
  return value.startsWith(u'#') ? HexToColor(value) : ColorFromHtmlName(value.toLower());
}
