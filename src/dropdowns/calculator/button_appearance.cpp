#include "dropdowns/calculator/button_appearance.h"

#include "dropdowns/base/drop_down_colors.h"

TButtonAppearance::TButtonAppearance()
    : FColorCheckedTo(Shade_Color(0xF9D2B2, -10, -10, 0)),
      FColorDisabled(Shade_Color(0xFFFFFF, -5, -5, -5)),
      FColorDisabledTo(FColorDisabled),
      FColorChecked(Shade_Color(0xF5F0E1, -10, -10, 0)) {
  FFont.setPointSize(10);
  FFont.setBold(true);
}

void TButtonAppearance::Set(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TButtonAppearance::Changed() {
  if (OnChange) OnChange();
}

void TButtonAppearance::Assign(const TButtonAppearance& Source) {
  SetBorderColor(Source.FBorderColor);
  SetBorderColorHot(Source.FBorderColorHot);
  SetBorderColorDown(Source.FBorderColorDown);
  SetBorderColorChecked(Source.FBorderColorChecked);
  SetColor(Source.FColor);
  SetColorTo(Source.FColorTo);
  SetColorDown(Source.FColorDown);
  SetColorDownTo(Source.FColorDownTo);
  SetColorHot(Source.FColorHot);
  SetColorHotTo(Source.FColorHotTo);
  SetColorCheckedTo(Source.FColorCheckedTo);
  SetColorDisabled(Source.FColorDisabled);
  SetColorDisabledTo(Source.FColorDisabledTo);
  SetColorChecked(Source.FColorChecked);
  FShineColor = Source.FShineColor;
  FGlowColorHot = Source.FGlowColorHot;
  FGlowColorDown = Source.FGlowColorDown;
  FFont = Source.FFont;
  SetTextColor(Source.FTextColor);
  SetSpecialTextColor(Source.FSpecialTextColor);
}
