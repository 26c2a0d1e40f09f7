#pragma once
// TControlLook: the look of the controls the string grid draws inside cells
// (check boxes, radio buttons, buttons, progress bars, comment markers, combo
// and spin buttons), the drop-down editors' rows, header and footer, and the
// fixed-cell gradient colours, which its writers pass on to the grid's
// painting fields. Owned by the grid (ControlLook).
#include <QImage>

#include "controls/tcolor.h"
#include "dropdowns/base/bar_appearance.h"

class TZadIrururOziz;

enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csDUD, csGlyph, csTheme };

class TControlLook {
 public:
  explicit TControlLook(TZadIrururOziz* AOwner = nullptr);

  // Colours, gradients and the comment and progress-border colours back to
  // their starting values; the gradient mirrors reach the grid.
  void Init();
  // Copies another look except FlatButton, ProgressXP, the two "no disabled
  // look" flags and FixedDropDownButton. The gradient colours are stored only,
  // not passed on to the grid.
  void Assign(const TControlLook& Source);

  TZadIrururOziz* Grid() const { return FGrid; }

  // Side of drawn check boxes and radio buttons.
  int CheckSize() const { return FCheckBoxSize; }
  void SetCheckSize(int Value);
  int RadioSize() const { return FRadioSize; }
  void SetRadioSize(int Value);
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value);
  // Check mark and radio dot of csBorland.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The pictures of csGlyph.
  const QImage& CheckedGlyph() const { return FCheckedGlyph; }
  void SetCheckedGlyph(const QImage& Value);
  const QImage& UnCheckedGlyph() const { return FUnCheckedGlyph; }
  void SetUnCheckedGlyph(const QImage& Value);
  const QImage& RadioOnGlyph() const { return FRadioOnGlyph; }
  void SetRadioOnGlyph(const QImage& Value);
  const QImage& RadioOffGlyph() const { return FRadioOffGlyph; }
  void SetRadioOffGlyph(const QImage& Value);
  bool FlatButton() const { return FFlatButton; }
  void SetFlatButton(bool Value);
  int ProgressMarginX() const { return FProgressMarginX; }
  void SetProgressMarginX(int Value);
  int ProgressMarginY() const { return FProgressMarginY; }
  void SetProgressMarginY(int Value);
  bool ProgressXP() const { return FProgressXP; }
  void SetProgressXP(bool Value);
  TColor ProgressBorderColor() const { return FProgressBorderColor; }
  void SetProgressBorderColor(TColor Value) { FProgressBorderColor = Value; }
  // Combo and spin buttons shown in cells without editing.
  bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool Value);
  bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
  void SetSpinButtonsAlwaysVisible(bool Value);
  // Never draw check boxes and radios / buttons disabled.
  bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool Value);
  bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool Value);
  TColor CommentColor() const { return FCommentColor; }
  void SetCommentColor(TColor Value);
  bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
  void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
  bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
  void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
  bool FixedDropDownButton() const { return FFixedDropdownButton; }
  void SetFixedDropDownButton(bool Value) { FFixedDropdownButton = Value; }
  // Rows of the combo drop-downs.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  // Header and footer of the drop-down editors; the writers copy.
  THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
  const THeaderAppearance& DropDownHeader() const { return FDropDownHeader; }
  void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader.Assign(Value); }
  TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
  const TFooterAppearance& DropDownFooter() const { return FDropDownFooter; }
  void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter.Assign(Value); }
  // Widest cell hint.
  int HintMaxWidth() const { return FHintMaxWidth; }
  void SetHintMaxWidth(int Value) { FHintMaxWidth = Value; }

  // Fixed-cell gradients. From and To reach the grid's fill only when not
  // clNone (clNone keeps the grid's colour); the mirrors always reach it
  // (clNone clears the mirror). Plain fills repaint the grid; hover and
  // pressed fills are used at the next hover or press.
  TColor FixedGradientFrom() const { return FFixedGradientFrom; }
  void SetFixedGradientFrom(TColor Value);
  TColor FixedGradientTo() const { return FFixedGradientTo; }
  void SetFixedGradientTo(TColor Value);
  TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
  void SetFixedGradientMirrorFrom(TColor Value);
  TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
  void SetFixedGradientMirrorTo(TColor Value);
  TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
  void SetFixedGradientHoverFrom(TColor Value);
  TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
  void SetFixedGradientHoverTo(TColor Value);
  TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
  void SetFixedGradientHoverMirrorFrom(TColor Value);
  TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
  void SetFixedGradientHoverMirrorTo(TColor Value);
  TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
  void SetFixedGradientHoverBorder(TColor Value);
  TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
  void SetFixedGradientDownFrom(TColor Value);
  TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
  void SetFixedGradientDownTo(TColor Value);
  TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
  void SetFixedGradientDownMirrorFrom(TColor Value);
  TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
  void SetFixedGradientDownMirrorTo(TColor Value);
  TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
  void SetFixedGradientDownBorder(TColor Value);

 private:
  void Repaint_Grid();
  // Stores into one of the grid's fixed-cell fill fields (as RGB).
  void Write_Grid_Fill(TColor* Target, TColor Value, bool Repaint);
  void Set_Init_Colours(bool Through);

  TZadIrururOziz* FGrid;
  int FCheckBoxSize = 15;
  QImage FUnCheckedGlyph, FCheckedGlyph;
  TControlStyle FControlStyle = csTheme;
  TColor FColor = clBlack;
  int FRadioSize = 10;
  QImage FRadioOffGlyph, FRadioOnGlyph;
  bool FFlatButton = false;
  int FProgressMarginY = 2, FProgressMarginX = 2;
  bool FProgressXP = false;
  bool FDropDownAlwaysVisible = false, FSpinButtonsAlwaysVisible = false;
  bool FNoDisabledCheckRadioLook = false, FNoDisabledButtonLook = false;
  TColor FCommentColor = clRed;
  TColor FProgressBorderColor = clGray;
  TColor FFixedGradientFrom = clNone, FFixedGradientTo = clNone;
  TColor FFixedGradientMirrorFrom = clNone, FFixedGradientMirrorTo = clNone;
  TColor FFixedGradientHoverFrom = clNone, FFixedGradientHoverTo = clNone;
  TColor FFixedGradientHoverMirrorFrom = clNone, FFixedGradientHoverMirrorTo = clNone;
  TColor FFixedGradientHoverBorder = clNone;
  TColor FFixedGradientDownFrom = clNone, FFixedGradientDownTo = clNone;
  TColor FFixedGradientDownMirrorFrom = clNone, FFixedGradientDownMirrorTo = clNone;
  TColor FFixedGradientDownBorder = clNone;
  bool FFixedDropdownButton = false;
  bool FCheckAlwaysActive = false, FRadioAlwaysActive = false;
  int FDropDownCount = 8;
  THeaderAppearance FDropDownHeader;
  TFooterAppearance FDropDownFooter;
  int FHintMaxWidth = 0;
};
