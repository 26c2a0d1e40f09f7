#pragma once
// TGridProgressAppearance: the look of the grid's progress-bar cells as the
// grid publishes it (its own defaults; the painter's record is filled from
// it). A writer stores only a new value and then tells OnChange; Assign
// copies everything and tells it once.
#include <functional>

#include "controls/tcolor.h"

enum TProgressStyle { psXP, psClassic };

#define PROGRESS_SETTING(Type, Name, Default) \
 public:                                      \
  Type Name() const { return F##Name; }       \
  void Set##Name(Type Value) {                \
    if (Value == F##Name) return;             \
    F##Name = Value;                          \
    Changed();                                \
  }                                           \
                                              \
 private:                                     \
  Type F##Name = Default;

class TGridProgressAppearance {
 public:
  std::function<void(TGridProgressAppearance* Sender)> OnChange;

  void Assign(const TGridProgressAppearance& Source);

  PROGRESS_SETTING(TColor, CompleteColor, clRed)
  PROGRESS_SETTING(TColor, CompleteFontColor, clBlue)
  PROGRESS_SETTING(TColor, UnCompleteColor, clNone)
  PROGRESS_SETTING(TColor, UnCompleteFontColor, clWindowText)
  PROGRESS_SETTING(TColor, Level0Color, clLime)
  PROGRESS_SETTING(TColor, Level0ColorTo, 0xE1FFE1)
  PROGRESS_SETTING(TColor, Level1Color, clYellow)
  PROGRESS_SETTING(TColor, Level1ColorTo, 0xCAFFFF)
  PROGRESS_SETTING(TColor, Level2Color, 0x53A9FF)
  PROGRESS_SETTING(TColor, Level2ColorTo, 0xA8D3FF)
  PROGRESS_SETTING(TColor, Level3Color, clRed)
  PROGRESS_SETTING(TColor, Level3ColorTo, 0xCACAFF)
  // Percent thresholds between the levels.
  PROGRESS_SETTING(int, Level1Perc, 70)
  PROGRESS_SETTING(int, Level2Perc, 90)
  PROGRESS_SETTING(TColor, BorderColor, clBlack)
  PROGRESS_SETTING(bool, ShowBorder, false)
  PROGRESS_SETTING(bool, Stacked, false)
  PROGRESS_SETTING(bool, ShowPercentage, true)
  PROGRESS_SETTING(bool, CompletionSmooth, true)
  PROGRESS_SETTING(bool, ShowGradient, true)
  PROGRESS_SETTING(int, Steps, 11)
  PROGRESS_SETTING(TProgressStyle, Style, psXP)

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};

#undef PROGRESS_SETTING
