#include "dropdowns/base/item_appearance.h"

TItemAppearance::TItemAppearance(QObject* AOwner) : FOwner(AOwner) {
  Font.setFamily(QStringLiteral("Tahoma"));
  SetColorStyle(scOffice2007);
  ColorSelectedText = clBlack;
  ColorHotText = clBlack;
  BorderColorHot = clNone;
  BorderColorSelected = clNone;
}

void TItemAppearance::Assign(const TItemAppearance& Source) {
  if (&Source == this) return;
  ColorHot = Source.ColorHot;
  ColorHotTo = Source.ColorHotTo;
  ColorMirrorHot = Source.ColorMirrorHot;
  ColorMirrorHotTo = Source.ColorMirrorHotTo;
  BorderColorTop = Source.BorderColorTop;
  BorderColorBottom = Source.BorderColorBottom;
  BorderColor = Source.BorderColor;
  EdgeColor = Source.EdgeColor;
  ColorSelected = Source.ColorSelected;
  ColorSelectedTo = Source.ColorSelectedTo;
  ColorMirrorSelected = Source.ColorMirrorSelected;
  ColorMirrorSelectedTo = Source.ColorMirrorSelectedTo;
  Font = Source.Font;
  FontColor = Source.FontColor;
  SetColorStyle(Source.FColorStyle);
  ColorSelectedText = Source.ColorSelectedText;
  ColorHotText = Source.ColorHotText;
  BorderColorHot = Source.BorderColorHot;
  BorderColorSelected = Source.BorderColorSelected;
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Style) {
  if (Style == FColorStyle) return;
  FColorStyle = Style;
  struct Preset {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Selected, SelectedTo, MirrorSelected,
        MirrorSelectedTo;
  };
  static constexpr Preset kOffice2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                      0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
  static constexpr Preset kWindowsVista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                                        0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
  static constexpr Preset kWindows7{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                    0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
  const Preset* p = Style == scOffice2007     ? &kOffice2007
                    : Style == scWindowsVista ? &kWindowsVista
                    : Style == scWindows7     ? &kWindows7
                                              : nullptr;
  if (!p) return;
  ColorHot = p->Hot;
  ColorHotTo = p->HotTo;
  ColorMirrorHot = p->MirrorHot;
  ColorMirrorHotTo = p->MirrorHotTo;
  BorderColorTop = p->Top;
  BorderColorBottom = p->Bottom;
  BorderColor = p->Border;
  EdgeColor = p->Edge;
  ColorSelected = p->Selected;
  ColorSelectedTo = p->SelectedTo;
  ColorMirrorSelected = p->MirrorSelected;
  ColorMirrorSelectedTo = p->MirrorSelectedTo;
}
