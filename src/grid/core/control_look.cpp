#include "grid/core/control_look.h"

#include "grid/core/zad_irurur_oziz.h"

TControlLook::TControlLook(TZadIrururOziz* AOwner) : FGrid(AOwner), FDropDownHeader(AOwner), FDropDownFooter(AOwner) {
  // The grid's own starting look has set its fixed-cell fills already; at
  // creation the colours are only stored so that look stands.
  Set_Init_Colours(false);
}

void TControlLook::Init() { Set_Init_Colours(true); }

void TControlLook::Set_Init_Colours(bool Through) {
  FColor = clBlack;
  FCommentColor = clRed;
  FProgressBorderColor = clGray;
  FFixedGradientFrom = clNone;
  FFixedGradientTo = clNone;
  FFixedGradientMirrorFrom = clNone;
  FFixedGradientMirrorTo = clNone;
  FFixedGradientHoverFrom = clGray;
  FFixedGradientHoverTo = clWhite;
  FFixedGradientHoverBorder = clSilver;
  FFixedGradientDownFrom = clGray;
  FFixedGradientDownTo = clSilver;
  FFixedGradientDownBorder = clGray;
  if (Through) {
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
  } else {
    FFixedGradientHoverMirrorFrom = FFixedGradientHoverMirrorTo = clNone;
    FFixedGradientDownMirrorFrom = FFixedGradientDownMirrorTo = clNone;
  }
}

void TControlLook::Assign(const TControlLook& Source) {
  if (&Source == this) return;
  FCheckBoxSize = Source.FCheckBoxSize;
  FRadioSize = Source.FRadioSize;
  FControlStyle = Source.FControlStyle;
  FCheckedGlyph = Source.FCheckedGlyph;
  FUnCheckedGlyph = Source.FUnCheckedGlyph;
  FRadioOnGlyph = Source.FRadioOnGlyph;
  FRadioOffGlyph = Source.FRadioOffGlyph;
  FProgressMarginX = Source.FProgressMarginX;
  FProgressMarginY = Source.FProgressMarginY;
  FCommentColor = Source.FCommentColor;
  FColor = Source.FColor;
  FProgressBorderColor = Source.FProgressBorderColor;
  FCheckAlwaysActive = Source.FCheckAlwaysActive;
  FRadioAlwaysActive = Source.FRadioAlwaysActive;
  FFixedGradientFrom = Source.FFixedGradientFrom;
  FFixedGradientTo = Source.FFixedGradientTo;
  FFixedGradientMirrorFrom = Source.FFixedGradientMirrorFrom;
  FFixedGradientMirrorTo = Source.FFixedGradientMirrorTo;
  FFixedGradientHoverFrom = Source.FFixedGradientHoverFrom;
  FFixedGradientHoverTo = Source.FFixedGradientHoverTo;
  FFixedGradientHoverMirrorFrom = Source.FFixedGradientHoverMirrorFrom;
  FFixedGradientHoverMirrorTo = Source.FFixedGradientHoverMirrorTo;
  FFixedGradientHoverBorder = Source.FFixedGradientHoverBorder;
  FFixedGradientDownFrom = Source.FFixedGradientDownFrom;
  FFixedGradientDownTo = Source.FFixedGradientDownTo;
  FFixedGradientDownMirrorFrom = Source.FFixedGradientDownMirrorFrom;
  FFixedGradientDownMirrorTo = Source.FFixedGradientDownMirrorTo;
  FFixedGradientDownBorder = Source.FFixedGradientDownBorder;
  FDropDownAlwaysVisible = Source.FDropDownAlwaysVisible;
  FSpinButtonsAlwaysVisible = Source.FSpinButtonsAlwaysVisible;
  FDropDownCount = Source.FDropDownCount;
  FDropDownFooter.Assign(Source.FDropDownFooter);
  FDropDownHeader.Assign(Source.FDropDownHeader);
  FHintMaxWidth = Source.FHintMaxWidth;
}

void TControlLook::Repaint_Grid() {
  if (FGrid) FGrid->RepaintAll();
}

// --- writers that repaint -------------------------------------------------

void TControlLook::SetCheckSize(int Value) {
  FCheckBoxSize = Value;
  Repaint_Grid();
}

void TControlLook::SetRadioSize(int Value) {
  FRadioSize = Value;
  Repaint_Grid();
}

void TControlLook::SetControlStyle(TControlStyle Value) {
  FControlStyle = Value;
  Repaint_Grid();
}

void TControlLook::SetColor(TColor Value) {
  FColor = Value;
  Repaint_Grid();
}

void TControlLook::SetCheckedGlyph(const QImage& Value) {
  FCheckedGlyph = Value;
  Repaint_Grid();
}

void TControlLook::SetUnCheckedGlyph(const QImage& Value) {
  FUnCheckedGlyph = Value;
  Repaint_Grid();
}

void TControlLook::SetRadioOnGlyph(const QImage& Value) {
  FRadioOnGlyph = Value;
  Repaint_Grid();
}

void TControlLook::SetRadioOffGlyph(const QImage& Value) {
  FRadioOffGlyph = Value;
  Repaint_Grid();
}

void TControlLook::SetFlatButton(bool Value) {
  FFlatButton = Value;
  Repaint_Grid();
}

void TControlLook::SetProgressMarginX(int Value) {
  FProgressMarginX = Value;
  Repaint_Grid();
}

void TControlLook::SetProgressMarginY(int Value) {
  FProgressMarginY = Value;
  Repaint_Grid();
}

void TControlLook::SetProgressXP(bool Value) {
  FProgressXP = Value;
  Repaint_Grid();
}

void TControlLook::SetDropDownAlwaysVisible(bool Value) {
  FDropDownAlwaysVisible = Value;
  Repaint_Grid();
}

void TControlLook::SetSpinButtonsAlwaysVisible(bool Value) {
  FSpinButtonsAlwaysVisible = Value;
  Repaint_Grid();
}

void TControlLook::SetNoDisabledCheckRadioLook(bool Value) {
  FNoDisabledCheckRadioLook = Value;
  Repaint_Grid();
}

void TControlLook::SetNoDisabledButtonLook(bool Value) {
  FNoDisabledButtonLook = Value;
  Repaint_Grid();
}

void TControlLook::SetCommentColor(TColor Value) {
  FCommentColor = Value;
  Repaint_Grid();
}

// --- fixed-cell gradients -------------------------------------------------

void TControlLook::Write_Grid_Fill(TColor* Target, TColor Value, bool Repaint) {
  if (!FGrid) return;
  *Target = Color_To_RGB(Value);
  if (Repaint) Repaint_Grid();
}

void TControlLook::SetFixedGradientFrom(TColor Value) {
  FFixedGradientFrom = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradFrom, Value, true);
}

void TControlLook::SetFixedGradientTo(TColor Value) {
  FFixedGradientTo = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradTo, Value, true);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
  FFixedGradientMirrorFrom = Value;
  if (FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradMirrorFrom, Value, true);
}

void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
  FFixedGradientMirrorTo = Value;
  if (FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradMirrorTo, Value, true);
}

void TControlLook::SetFixedGradientHoverFrom(TColor Value) {
  FFixedGradientHoverFrom = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradHoverFrom, Value, false);
}

void TControlLook::SetFixedGradientHoverTo(TColor Value) {
  FFixedGradientHoverTo = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradHoverTo, Value, false);
}

void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value) {
  FFixedGradientHoverMirrorFrom = Value;
  if (FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradHoverMirrorFrom, Value, false);
}

void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value) {
  FFixedGradientHoverMirrorTo = Value;
  if (FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradHoverMirrorTo, Value, false);
}

void TControlLook::SetFixedGradientHoverBorder(TColor Value) {
  FFixedGradientHoverBorder = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradHoverBorder, Value, false);
}

void TControlLook::SetFixedGradientDownFrom(TColor Value) {
  FFixedGradientDownFrom = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradDownFrom, Value, false);
}

void TControlLook::SetFixedGradientDownTo(TColor Value) {
  FFixedGradientDownTo = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradDownTo, Value, false);
}

void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value) {
  FFixedGradientDownMirrorFrom = Value;
  if (FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradDownMirrorFrom, Value, false);
}

void TControlLook::SetFixedGradientDownMirrorTo(TColor Value) {
  FFixedGradientDownMirrorTo = Value;
  if (FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradDownMirrorTo, Value, false);
}

void TControlLook::SetFixedGradientDownBorder(TColor Value) {
  FFixedGradientDownBorder = Value;
  if (Value != clNone && FGrid) Write_Grid_Fill(&FGrid->PaintLook().DUDGradDownBorder, Value, false);
}
