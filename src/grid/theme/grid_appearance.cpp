// The grid's appearance properties whose writers only store, forward or
// repaint, and the notices of the settings objects it owns.
#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_highlight.h"

void TZadIrururOziz::Connect_Appearance_Settings() {
  FShowModified.OnChange = [this](TShowModified*) {
    FPaintLook.ShowModifiedColor = FShowModified.Color();
    RepaintAll();
  };
  FPaintLook.ShowModifiedColor = FShowModified.Color();
  FProgressAppearance.OnChange = [this](TGridProgressAppearance*) { Progress_Appearance_Changed(); };
  Progress_Appearance_Changed();
  // The glyphs are drawn on the header's filter buttons.
  FFilterDropDown.OnChange = [this](TFilterDropDown*) { RepaintAll(); };
  // Re-stretching the columns comes with the column stretching code; until
  // then the flag is only stored.
}

// The painter's record follows the published settings.
void TZadIrururOziz::Progress_Appearance_Changed() {
  const TGridProgressAppearance& a = FProgressAppearance;
  TProgressLook& look = FPaintLook.ProgressAppearance;
  look.Level0Color = a.Level0Color();
  look.Level0ColorTo = a.Level0ColorTo();
  look.Level1Color = a.Level1Color();
  look.Level1ColorTo = a.Level1ColorTo();
  look.Level2Color = a.Level2Color();
  look.Level2ColorTo = a.Level2ColorTo();
  look.Level3Color = a.Level3Color();
  look.Level3ColorTo = a.Level3ColorTo();
  look.Level1Perc = a.Level1Perc();
  look.Level2Perc = a.Level2Perc();
  look.BorderColor = a.BorderColor();
  look.ShowBorder = a.ShowBorder();
  look.Stacked = a.Stacked();
  look.ShowPercentage = a.ShowPercentage();
  look.TextColor = a.CompleteFontColor();
  look.CompletionSmooth = a.CompletionSmooth();
  look.ShowGradient = a.ShowGradient();
  look.Steps = a.Steps();
  // clNone: the cell's brush colour at paint time.
  look.BackgroundColor = a.UnCompleteColor();
  RepaintAll();
}

void TZadIrururOziz::SetShowModified(const TShowModified& Value) {
  FShowModified.Assign(Value);
  FPaintLook.ShowModifiedColor = FShowModified.Color();
}

// ---- frame and fixed cells

void TZadIrururOziz::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  // A single border is the two-pixel sunken edge the modern looks paint
  // their own border over (PaintBorder).
  setFrameStyle(Value == bsNone ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
}

void TZadIrururOziz::SetBorderColor(TColor Value) {
  FBorderColor = Value;
  RepaintAll();
}

void TZadIrururOziz::SetFixedFontColor(TColor Value) {
  FFixedFontColor = Value;
  RepaintAll();
}

// ---- selection and active cell: a changed value repaints

namespace {

template <typename T>
bool Changed(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TZadIrururOziz::SetSelectionColorTo(TColor Value) {
  if (Changed(FPaintLook.SelectionColorTo, Value)) RepaintAll();
}

void TZadIrururOziz::SetSelectionMirrorColor(TColor Value) {
  if (Changed(FPaintLook.SelectionMirrorColor, Value)) RepaintAll();
}

void TZadIrururOziz::SetSelectionMirrorColorTo(TColor Value) {
  if (Changed(FPaintLook.SelectionMirrorColorTo, Value)) RepaintAll();
}

void TZadIrururOziz::SetSelectionColorMixer(bool Value) {
  if (Changed(FPaintLook.SelectionColorMixer, Value)) RepaintAll();
}

void TZadIrururOziz::SetSelectionRectangle(bool Value) {
  if (Changed(FPaintLook.SelectionRectangle, Value)) RepaintAll();
}

void TZadIrururOziz::SetSelectionResizer(bool Value) {
  if (Changed(FPaintLook.SelectionResizer, Value)) RepaintAll();
}

void TZadIrururOziz::SetActiveCellColor(TColor Value) {
  FActiveCellColor = Value;
  RepaintAll();
}

void TZadIrururOziz::SetActiveCellColorTo(TColor Value) {
  FActiveCellColorTo = Value;
  RepaintAll();
}

void TZadIrururOziz::SetActiveCellFont(const QFont& Value) {
  FActiveCellFont = Value;
  RepaintAll();
}

// ---- helpers and highlights

void TZadIrururOziz::SetShowDesignHelper(bool Value) {
  if (Changed(FShowDesignHelper, Value)) RepaintAll();
}

void TZadIrururOziz::SetRowIndicator(const QImage& Value) {
  FPaintLook.RowIndicator = Value;
  RepaintRect(TGridRect{0, Row(), 0, Row()});
}

void TZadIrururOziz::SetHighlightColor(TColor Value) {
  if (!Changed(FHighlightColor, Value)) return;
  SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
  RepaintAll();
}

void TZadIrururOziz::SetHighlightTextColor(TColor Value) {
  if (!Changed(FHighlightTextColor, Value)) return;
  SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
  RepaintAll();
}
