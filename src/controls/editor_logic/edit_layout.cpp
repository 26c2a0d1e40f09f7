#include "controls/editor_logic/edit_layout.h"

#include <algorithm>

QRect Embedded_Part_Rect(const QSize& size, int part_width, TBorderStyle style) {
  // Offsets from the window's right and bottom edges as the stored layouts
  // count them (border included), placed in client coordinates.
  const int b = Edit_Border_Width(style);
  const int d = style == bsNone ? 1 : 5;
  return QRect(b + size.width() - part_width - d, b, part_width, std::max(0, size.height() - d));
}

int Spin_Edit_Min_Height(int font_height, int screen_font_height, TBorderStyle style) {
  const int i = std::min(font_height, screen_font_height);
  return font_height + i / 4 + 2 + (style == bsSingle ? 4 : 0);
}

int Edit_Btn_Min_Height(int font_height, int screen_font_height) {
  return font_height + std::min(font_height, screen_font_height) / 4;
}

QMargins Spin_Edit_Text_Margins(const QSize& size, int pair_width, TBorderStyle style) {
  const int b = Edit_Border_Width(style);
  const int a = style == bsNone ? 3 : 0;
  const int client_width = size.width() - 2 * b;
  const int right = client_width - pair_width - 2 - a;
  return QMargins(b + a, b + a, std::max(0, size.width() - (b + right)), b);
}

QMargins Edit_Btn_Text_Margins(const QSize& size, int button_width, int unit_size, TBorderStyle style) {
  const int b = Edit_Border_Width(style);
  const int a = style == bsNone ? 3 : 1;
  const int client_width = size.width() - 2 * b;
  int right = client_width - (button_width + unit_size + 5);
  if (unit_size > 0) right -= 3;
  return QMargins(b + a, b + a, std::max(0, size.width() - (b + right)), b);
}

QRect Unit_Text_Rect(const QSize& size, int button_width, int unit_space, TBorderStyle style) {
  const int b = Edit_Border_Width(style);
  const int client_width = size.width() - 2 * b;
  const int client_height = size.height() - 2 * b;
  const int right = client_width - button_width - 3;
  return QRect(b + right - unit_space, b + 2, unit_space, std::max(0, client_height - 2));
}
