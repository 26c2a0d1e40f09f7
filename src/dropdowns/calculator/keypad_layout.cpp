#include "dropdowns/calculator/keypad_layout.h"

const std::array<Calculator_Key, kCalculatorKeyCount> kCalculatorKeys = {{
    {"", "BTN_ON", 30, false, 0, 0},      {"Back", "BTN_BACK", 31, true, 0, -1}, {"CE", "BTN_CE", 32, true, 0, -1},
    {"C", "BTN_C", 16, true, 0, -1},      {"MC", "BTN_MC", 33, true, 1, 0},      {"MR", "BTN_MR", 34, true, 2, 0},
    {"MS", "BTN_MS", 35, true, 3, 0},     {"M+", "BTN_M+", 36, true, 4, 0},      {"0", "BTN_0", 0, false, 4, 1},
    {"1", "BTN_1", 1, false, 3, 1},       {"4", "BTN_4", 4, false, 2, 1},        {"7", "BTN_7", 7, false, 1, 1},
    {"8", "BTN_8", 8, false, 1, 2},       {"5", "BTN_5", 5, false, 2, 2},        {"2", "BTN_2", 2, false, 3, 2},
    {"+/-", "BTN_+/-", 14, false, 4, 2},  {".", "BTN_.", 15, false, 4, 3},       {"3", "BTN_3", 3, false, 3, 3},
    {"6", "BTN_6", 6, false, 2, 3},       {"9", "BTN_9", 9, false, 1, 3},        {"/", "BTN_/", 13, true, 1, 4},
    {"*", "BTN_*", 12, true, 2, 4},       {"-", "BTN_-", 11, true, 3, 4},        {"+", "BTN_+", 10, true, 4, 4},
    {"=", "BTN_=", 17, true, 4, 5},       {"1/x", "BTN_1/x", 38, false, 3, 5},   {"%", "BTN_%", 18, false, 2, 5},
    {"sqrt", "BTN_sqrt", 37, true, 1, 5},
}};

std::array<TRect, kCalculatorKeyCount> Calculator_Key_Rects(const TRect& Area) {
  constexpr int g = 4;
  const int w = (Area.Right - Area.Left - 2 * g) / 6;
  const int h = (Area.Bottom - Area.Top - g) / 5;
  std::array<int, 6> c{};
  c[0] = Area.Left;
  c[1] = c[0] + w + g;
  c[2] = c[1] + w - 1;
  c[3] = c[2] + w - 1;
  c[4] = c[3] + w + g;
  c[5] = c[4] + w - 1;
  const int right = c[5] + w;
  std::array<int, 5> r{};
  r[0] = Area.Top;
  r[1] = r[0] + h + g;
  r[2] = r[1] + h - 1;
  r[3] = r[2] + h - 1;
  r[4] = r[3] + h - 1;
  const int w3 = (right - c[1] - 2 * g) / 3;

  std::array<TRect, kCalculatorKeyCount> rects{};
  for (int i = 0; i < kCalculatorKeyCount; ++i) {
    const Calculator_Key& k = kCalculatorKeys[static_cast<size_t>(i)];
    if (k.Column >= 0) {
      const int x = c[static_cast<size_t>(k.Column)], y = r[static_cast<size_t>(k.Row)];
      rects[static_cast<size_t>(i)] = TRect{x, y, x + w, y + h};
    }
  }
  // Back and CE take w3 each; C reaches the grid's right edge.
  rects[1] = TRect{c[1], r[0], c[1] + w3, r[0] + h};
  rects[2] = TRect{c[1] + w3 + g, r[0], c[1] + 2 * w3 + g, r[0] + h};
  rects[3] = TRect{c[1] + 2 * (w3 + g), r[0], right, r[0] + h};
  return rects;
}
