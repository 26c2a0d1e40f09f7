#pragma once
// The 28 keys of the calculator keypad and where they sit. The keys form a
// grid of six columns and five rows: the memory column, the digit block
// (three columns) and the operator block (two columns) are 4 pixels apart,
// and keys inside a block share their border pixel with their neighbours.
// Row 0 holds the blank key over the memory column and Back, CE and C,
// which share the width of the other five columns.
#include <array>

#include "controls/canvas.h"

struct Calculator_Key {
  const char* Caption;
  const char* Name;
  int Tag;       // the action the calculator takes
  bool Special;  // caption in the special text colour
  int Row;
  int Column;  // -1 for the three keys of the top row that share its width
};

constexpr int kCalculatorKeyCount = 28;
extern const std::array<Calculator_Key, kCalculatorKeyCount> kCalculatorKeys;

// The key rectangles (right and bottom outside) for the key area Area, in
// the order of kCalculatorKeys.
std::array<TRect, kCalculatorKeyCount> Calculator_Key_Rects(const TRect& Area);
