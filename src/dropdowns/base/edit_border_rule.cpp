#include "dropdowns/base/edit_border_rule.h"

Edit_Border Choose_Edit_Border(const Edit_Border_State& S) {
  if (S.Enabled && !S.Flat && S.BorderColor == clNone && S.FocusBorderColor == clNone) return {};
  if (!S.Enabled && S.Themed && S.DisabledBorder) return {Edit_Border_Kind::Frame, 0xC0C0C0};
  if (S.BorderColor != clNone && (!S.Focused || S.FocusBorderColor == clNone))
    return {Edit_Border_Kind::Frame, S.BorderColor};
  if (S.FocusBorderColor != clNone) {
    if (S.Focused) return {Edit_Border_Kind::Frame, S.FocusBorderColor};
    return {};
  }
  if (S.Flat) return {Edit_Border_Kind::Flat, clNone};
  return {};
}
