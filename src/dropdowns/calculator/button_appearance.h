#pragma once
// TButtonAppearance: colours, font and text colours of the calculator's keys.
// The key faces come from the desktop theme; of these only the font and the
// two text colours show, the rest is carried for assignment and for the
// change notice.
#include <QFont>
#include <functional>

#include "controls/tcolor.h"

class TButtonAppearance {
 public:
  TButtonAppearance();

  // Copies every colour (through the setters; the glow colours directly),
  // the font and the text colours.
  void Assign(const TButtonAppearance& Source);

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
  TColor BorderColorHot() const { return FBorderColorHot; }
  void SetBorderColorHot(TColor Value) { Set(FBorderColorHot, Value); }
  TColor BorderColorDown() const { return FBorderColorDown; }
  void SetBorderColorDown(TColor Value) { Set(FBorderColorDown, Value); }
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
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value) { Set(FTextColor, Value); }
  TColor SpecialTextColor() const { return FSpecialTextColor; }
  void SetSpecialTextColor(TColor Value) { Set(FSpecialTextColor, Value); }
  // Stored without a change notice.
  TColor ShineColor() const { return FShineColor; }
  void SetShineColor(TColor Value) { FShineColor = Value; }
  TColor GlowColorHot() const { return FGlowColorHot; }
  void SetGlowColorHot(TColor Value) { FGlowColorHot = Value; }
  TColor GlowColorDown() const { return FGlowColorDown; }
  void SetGlowColorDown(TColor Value) { FGlowColorDown = Value; }
  const QFont& Font() const { return FFont; }
  void SetFont(const QFont& Value) { FFont = Value; }

  std::function<void()> OnChange;

 private:
  void Set(TColor& Field, TColor Value);
  void Changed();

  TColor FBorderColor = 0x000000, FBorderColorHot = 0x000000, FBorderColorDown = 0x000000;
  TColor FBorderColorChecked = 0xFF0000;
  TColor FColor = 0x9A915F, FColorTo = 0xB0A170;
  TColor FColorDown = 0x4B2F08, FColorDownTo = 0xADB514;
  TColor FColorHot = 0x9F6F1C, FColorHotTo = 0xD5C244;
  TColor FColorCheckedTo;
  TColor FColorDisabled;
  TColor FColorDisabledTo;
  TColor FColorChecked;
  QFont FFont;
  TColor FShineColor = 0xFFFFFF;
  TColor FGlowColorHot = 0xD5C244, FGlowColorDown = 0xD5C244;
  TColor FTextColor = 0x000000;
  TColor FSpecialTextColor = 0x000080;
};
