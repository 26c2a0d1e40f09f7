#pragma once
// One row of the wireless meter table: what the window writes for a meter.
#include <QString>
#include <QStringList>
#include <array>

#include "controls/tcolor.h"

class TSlave_wMBus;

namespace wireless_row {

inline constexpr int kColumns = 13;
inline constexpr TColor kEncrypted_Color = 12172287;  // RGB 255, 187, 185
inline constexpr TColor kClear_Color = 11075496;      // RGB 168, 255, 168
inline constexpr int kPicture_Column = 12;

// The fixed headers of the table (not language texts) and the columns' widths.
const QStringList& Headers();
const std::array<int, kColumns>& Widths();

struct Row {
  std::array<QString, kColumns> cells;  // column 12 has no text
  TColor color = kClear_Color;          // background of columns 1..12
  int picture = 1;                      // column 12: 0 encrypted, 1 clear
};

// The row of the meter at list position n (row n + 1). Read the meter under the
// scan engine's list lock.
Row Of(const TSlave_wMBus& meter, int n);

}  // namespace wireless_row
