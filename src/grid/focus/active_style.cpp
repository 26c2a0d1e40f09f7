// The active style setting and the grid's colours taken from it.
#include "grid/focus/active_style.h"

#include "grid/core/zad_irurur_oziz.h"

TActiveStyle& ActiveApplicationStyle() {
  static TActiveStyle style;
  return style;
}

void TZadIrururOziz::ApplyActiveStyleColors() {
  FStyled = false;
  const TActiveStyle& style = ActiveApplicationStyle();
  if (!style.Enabled || style.Name == QLatin1String("Windows")) return;
  FStyled = true;
  SetColor(style.NormalCell.Fill);
  SetGridLineColor(style.NormalCell.Border);
  SetGridFixedLineColor(style.FixedCell.Border);
  SetOptions(Options() & ~(goFixedVertLine | goFixedHorzLine));
  if (style.NormalCell.Text != clNone) SetFontColor(style.NormalCell.Text);
  if (style.SelectedCell.Text != clNone) SetSelectionTextColor(style.SelectedCell.Text);
  if (style.FixedCell.Text != clNone) SetFixedFontColor(style.FixedCell.Text);
}
