#pragma once
// The colour set of the small buttons of the drop-down family. One instance
// belongs to a drop-down edit; every button of its popup's bars paints with it.
#include <QFont>
#include <functional>

#include "controls/tcolor.h"

class TZadButtonAppearance {
 public:
  TZadButtonAppearance();
  TZadButtonAppearance(const TZadButtonAppearance&) = delete;
  TZadButtonAppearance& operator=(const TZadButtonAppearance&) = delete;

  // Copies the colours and the direction through the setters; not the font.
  void Assign(const TZadButtonAppearance& Source);

  // Fired by the colour and direction setters when a value changes.
  std::function<void()> OnChange;

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor Value) { Set(FBorderColorHot, Value); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor Value) { Set(FBorderColorDown, Value); }
  TColor BorderColorDisabled() const { return FBorderColorDisabled; }
  void SetBorderColorDisabled(TColor Value) { Set(FBorderColorDisabled, Value); }
  TColor BorderColorChecked() const { return FBorderColorChecked; }
  void SetBorderColorChecked(TColor Value) { Set(FBorderColorChecked, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Set(FColor, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { Set(FColorTo, Value); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value) { Set(FColorDown, Value); }
  TColor ColorDownTo() const { return FColorDownTo; }
  void SetColorDownTo(TColor Value) { Set(FColorDownTo, Value); }
  TColor ColorHot() const { return FColorHot; }
  void SetColorHot(TColor Value) { Set(FColorHot, Value); }
  TColor ColorHotTo() const { return FColorHotTo; }
  void SetColorHotTo(TColor Value) { Set(FColorHotTo, Value); }
  TColor ColorCheckedTo() const { return FColorCheckedTo; }
  void SetColorCheckedTo(TColor Value) { Set(FColorCheckedTo, Value); }
  TColor ColorDisabled() const { return FColorDisabled; }
  void SetColorDisabled(TColor Value) { Set(FColorDisabled, Value); }
  TColor ColorDisabledTo() const { return FColorDisabledTo; }
  void SetColorDisabledTo(TColor Value) { Set(FColorDisabledTo, Value); }
  TColor ColorChecked() const { return FColorChecked; }
  void SetColorChecked(TColor Value) { Set(FColorChecked, Value); }
  // True: gradients run left to right; false (the default): top to bottom.
  bool GradientHorizontal() const { return FGradientHorizontal; }
  void SetGradientHorizontal(bool Value);
  const QFont& Font() const { return FFont; }
  QFont& Font() { return FFont; }
  void SetFont(const QFont& Value) { FFont = Value; }

 private:
  void Set(TColor& Field, TColor Value);
  void Changed();

  TColor FBorderColor = clNone;
  TColor FBorderColorHot = 0x808080;
  TColor FBorderColorDown = 0x800000;
  TColor FBorderColorDisabled = 0x808080;
  TColor FBorderColorChecked = 0xFF0000;
  TColor FColor = clNone;
  TColor FColorTo = clNone;
  TColor FColorDown = 0xF5D8CA;
  TColor FColorDownTo = 0xF9BDA0;
  TColor FColorHot = 0xF5F0E1;
  TColor FColorHotTo = 0xF9D2B2;
  TColor FColorCheckedTo;
  TColor FColorDisabled = 0xF2F2F2;
  TColor FColorDisabledTo = clNone;
  TColor FColorChecked;
  bool FGradientHorizontal = false;
  QFont FFont;
};
