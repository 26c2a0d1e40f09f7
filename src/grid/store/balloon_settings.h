#pragma once
// TBalloonSettings: the grid's balloon tooltips. Writing Enable always tells
// the owner (OnEnableChange), which sets the tooltips up or ends them.
#include <functional>

#include "controls/tcolor.h"
#include "grid/store/stored_setting.h"

class TBalloonSettings {
 public:
  std::function<void(TBalloonSettings* Sender)> OnEnableChange;

  // Copies the colours, the delays and Enable (without the event);
  // Transparency stays.
  void Assign(const TBalloonSettings& Source);

  bool Enable() const { return FEnable; }
  void SetEnable(bool Value) {
    FEnable = Value;
    if (OnEnableChange) OnEnableChange(this);
  }
  STORED_SETTING(TColor, TextColor, clNone)
  STORED_SETTING(TColor, BackgroundColor, clNone)
  // -1: the system's delay.
  STORED_SETTING(int, InitialDelay, -1)
  STORED_SETTING(int, AutoHideDelay, -1)
  STORED_SETTING(int, ReshowDelay, -1)
  STORED_SETTING(unsigned char, Transparency, 0)

 private:
  bool FEnable = false;
};

inline void TBalloonSettings::Assign(const TBalloonSettings& Source) {
  FTextColor = Source.FTextColor;
  FBackgroundColor = Source.FBackgroundColor;
  FInitialDelay = Source.FInitialDelay;
  FAutoHideDelay = Source.FAutoHideDelay;
  FReshowDelay = Source.FReshowDelay;
  FEnable = Source.FEnable;
}
