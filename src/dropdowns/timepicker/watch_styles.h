#pragma once
// The two preset tables that fill a watch appearance: the colours of each
// control style of the drop-down family, and the watch's twelve looks.
#include <optional>

#include "dropdowns/timepicker/watch_appearance.h"
#include "grid/theme/style_if.h"

// The colours of AStyle. Every style blackens the two fonts and the outer
// centre ring; tsCustom changes nothing more.
void ApplyControlStyle(TWatchAppearance& Appearance, TDUDStyle AStyle);

// What a look sets on the watch itself besides its appearance (unset: left
// as it is).
struct Watch_Look_Flags {
  std::optional<bool> Animation;
  std::optional<int> AnimationFactor;
  std::optional<bool> ShowAMPM;
  std::optional<bool> ShowNumbers;
};

// Resets the appearance and writes the look of AStyle into it. Width and
// Height are the watch's size: some looks scale their marks and centre with
// it (clamped to the 255 a byte holds).
Watch_Look_Flags ApplyWatchStyle(TWatchAppearance& Appearance, TWatchStyle AStyle, int Width, int Height);
