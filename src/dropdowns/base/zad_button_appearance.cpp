#include "dropdowns/base/zad_button_appearance.h"

#include "dropdowns/base/drop_down_colors.h"

TZadButtonAppearance::TZadButtonAppearance()
    : FColorCheckedTo(Shade_Color(0xF9D2B2, -10, -10, 0)),
      FColorChecked(Shade_Color(0xF5F0E1, -10, -10, 0)),
      FFont(QStringLiteral("Tahoma")) {}

void TZadButtonAppearance::Assign(const TZadButtonAppearance& Source) {
  SetColor(Source.Color());
  SetColorTo(Source.ColorTo());
  SetColorHot(Source.ColorHot());
  SetColorHotTo(Source.ColorHotTo());
  SetColorDown(Source.ColorDown());
  SetColorDownTo(Source.ColorDownTo());
  SetColorChecked(Source.ColorChecked());
  SetColorCheckedTo(Source.ColorCheckedTo());
  SetColorDisabled(Source.ColorDisabled());
  SetColorDisabledTo(Source.ColorDisabledTo());
  SetBorderColor(Source.BorderColor());
  SetBorderColorHot(Source.BorderColorHot());
  SetBorderColorDown(Source.BorderColorDown());
  SetBorderColorChecked(Source.BorderColorChecked());
  SetBorderColorDisabled(Source.BorderColorDisabled());
  SetGradientHorizontal(Source.GradientHorizontal());
}

void TZadButtonAppearance::SetGradientHorizontal(bool Value) {
  if (FGradientHorizontal == Value) return;
  FGradientHorizontal = Value;
  Changed();
}

void TZadButtonAppearance::Set(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TZadButtonAppearance::Changed() {
  if (OnChange) OnChange();
}
