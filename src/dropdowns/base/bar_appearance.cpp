#include "dropdowns/base/bar_appearance.h"

void TDropDownBarAppearance::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (OnChange) OnChange();
}

void TDropDownBarAppearance::AssignColors(const TDropDownBarAppearance& Source) {
  if (!Same_Kind(Source)) return;
  ColorTo = Source.ColorTo;
  Color = Source.Color;
  BorderColor = Source.BorderColor;
  Font = Source.Font;
  FontColor = Source.FontColor;
  GradientHorizontal = Source.GradientHorizontal;
}

THeaderAppearance::THeaderAppearance(QObject* AOwner) : TDropDownBarAppearance(AOwner), FButtons(AOwner) {
  Font.setFamily(QStringLiteral("Tahoma"));
  FButtons.OnChange = [this] { Buttons_Changed(); };
}

void THeaderAppearance::Assign(const TDropDownBarAppearance& Source) {
  const auto* s = dynamic_cast<const THeaderAppearance*>(&Source);
  if (!s || s == this) return;
  ColorTo = s->ColorTo;
  Color = s->Color;
  BorderColor = s->BorderColor;
  Caption = s->Caption;
  Font = s->Font;
  FontColor = s->FontColor;
  ImageIndex = s->ImageIndex;
  BorderWidth = s->BorderWidth;
  GradientHorizontal = s->GradientHorizontal;
  Height = s->Height;
  SetVisible(s->Visible());
  ButtonAlignment = s->ButtonAlignment;
  SetButtons(s->FButtons);
}

TFooterAppearance::TFooterAppearance(QObject* AOwner) : TDropDownBarAppearance(AOwner), FButtons(AOwner) {
  FButtons.OnChange = [this] { Buttons_Changed(); };
}

void TFooterAppearance::Assign(const TDropDownBarAppearance& Source) {
  const auto* s = dynamic_cast<const TFooterAppearance*>(&Source);
  if (!s || s == this) return;
  BorderColor = s->BorderColor;
  Color = s->Color;
  ColorTo = s->ColorTo;
  GradientHorizontal = s->GradientHorizontal;
  Font = s->Font;
  FontColor = s->FontColor;
  Caption = s->Caption;
  SizeGrip = s->SizeGrip;
  BorderWidth = s->BorderWidth;
  Height = s->Height;
  ImageIndex = s->ImageIndex;
  SetVisible(s->Visible());
  ButtonAlignment = s->ButtonAlignment;
  SetButtons(s->FButtons);
}
