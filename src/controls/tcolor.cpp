#include "controls/tcolor.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <optional>

namespace {

// The classic desktop scheme: used for colours the palette has no role for,
// and for every system colour when there is no GUI application.
constexpr std::array<TColor, 31> kClassic = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3D dark shadow
    RGB(212, 208, 200),  // 3D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(181, 181, 181),  // (unused index)
    RGB(0, 0, 128),      // hot light
    RGB(166, 202, 240),  // gradient active caption
    RGB(192, 192, 192),  // gradient inactive caption
    RGB(49, 106, 197),   // menu highlight
    RGB(212, 208, 200),  // menu bar
};

QColor Plain(TColor c) { return QColor(Get_R(c), Get_G(c), Get_B(c)); }

std::optional<QColor> From_Palette(int index, const QPalette& p) {
  switch (index) {
    case 4:
    case 30:
      return p.color(QPalette::Active, QPalette::Window);
    case 7:
      return p.color(QPalette::Active, QPalette::WindowText);
    case 5:
      return p.color(QPalette::Active, QPalette::Base);
    case 8:
      return p.color(QPalette::Active, QPalette::Text);
    case 13:
    case 29:
      return p.color(QPalette::Active, QPalette::Highlight);
    case 14:
      return p.color(QPalette::Active, QPalette::HighlightedText);
    case 15:
      return p.color(QPalette::Active, QPalette::Button);
    case 16:
      return p.color(QPalette::Active, QPalette::Dark);
    case 17:
      return p.color(QPalette::Disabled, QPalette::Text);
    case 18:
      return p.color(QPalette::Active, QPalette::ButtonText);
    case 20:
      return p.color(QPalette::Active, QPalette::Light);
    case 21:
      return p.color(QPalette::Active, QPalette::Shadow);
    case 22:
      return p.color(QPalette::Active, QPalette::Midlight);
    case 23:
      return p.color(QPalette::Active, QPalette::ToolTipText);
    case 24:
      return p.color(QPalette::Active, QPalette::ToolTipBase);
    case 26:
      return p.color(QPalette::Active, QPalette::Link);
    default:
      return std::nullopt;
  }
}

QColor System(TColor c, const QPalette* palette) {
  const int index = static_cast<int>(c & 0xFF);
  if (palette != nullptr) {
    if (auto from_palette = From_Palette(index, *palette)) return *from_palette;
  }
  if (index < static_cast<int>(kClassic.size())) return Plain(kClassic[index]);
  return Plain(clBlack);
}

const QPalette* Application_Palette(QPalette& storage) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  storage = QGuiApplication::palette();
  return &storage;
}

QColor Convert(TColor c, const QPalette* palette) {
  if (Is_System_Color(c)) return System(c, palette);
  if ((c & 0xFF000000u) != 0) return QColor(0, 0, 0, 0);  // clNone, clDefault
  return Plain(c);
}

}  // namespace

QColor To_QColor(TColor c) {
  QPalette storage;
  return Convert(c, Is_System_Color(c) ? Application_Palette(storage) : nullptr);
}

QColor To_QColor(TColor c, const QPalette& palette) { return Convert(c, &palette); }

TColor From_QColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

TColor Color_To_RGB(TColor c) { return Is_System_Color(c) ? From_QColor(To_QColor(c)) : c; }

TColor Color_To_RGB(TColor c, const QPalette& palette) {
  return Is_System_Color(c) ? From_QColor(To_QColor(c, palette)) : c;
}
