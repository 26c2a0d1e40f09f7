#pragma once
// TShowModified: modified rows are flagged and shown in Color while Enabled.
#include <functional>

#include "controls/tcolor.h"

class TShowModified {
 public:
  std::function<void(TShowModified* Sender)> OnChange;

  void Assign(const TShowModified& Source) {
    FColor = Source.FColor;
    FEnabled = Source.FEnabled;
  }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // The grid's row code switches the flag off and back in place while it
  // moves rows, without a notice.
  bool& Enabled_Field() { return FEnabled; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) {
    FColor = Value;
    if (OnChange) OnChange(this);
  }

 private:
  bool FEnabled = false;
  TColor FColor = clYellow;
};
