#pragma once
// The grid's floating footer settings. With style fsFixedLastRow the footer
// is the grid's last row, kept as a fixed footer row that never becomes
// current and shown on the footer panel instead of in the cells; the other
// styles show a column of the current row, a template filled from it, or
// what the application paints. The panel itself is grid/footer/.
#include <QString>
#include <functional>

#include "controls/tcolor.h"
#include "grid/store/grid_types.h"

class TZadIrururOziz;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

class TFloatingFooter {
 public:
  using TCalcFooterEvent = std::function<void(TZadIrururOziz* Sender, int ACol, QString& Value)>;

  explicit TFloatingFooter(TZadIrururOziz* AOwner = nullptr) : FOwner(AOwner) {}

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Set(FVisible, Value); }
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle Value) { Set(FFooterStyle, Value); }
  // Follows the grid's default row height; the panel is one pixel lower.
  int Height() const { return FHeight; }
  void SetHeight(int Value) {
    if (FHeight == Value) return;
    FHeight = Value;
    if (OnHeight) OnHeight();
  }
  bool EnableCalculation() const { return FEnableCalculation; }
  void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
  bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
  void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
  // The footer's fill (the colour tones set it).
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  // The column of fsColumnPreview, passed to OnFooterPaint by fsCustomPaint.
  int Column() const { return FColumn; }
  void SetColumn(int Value) { Store(FColumn, Value); }
  // fsCustomPreview: the text with "<#n>" standing for column n of the
  // current row.
  QString CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const QString& Value) { Store(FCustomTemplate, Value); }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) {
    FShowHint = Value;
    if (OnShowHint) OnShowHint();
  }
  // A line along the top of the painted footer; clNone: none.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) {
    if (FBorderColor != Value) Store(FBorderColor, Value);
  }

  // The calculation of a footer column, kept in the cell properties of the
  // grid's last row; acNONE where that cell has none.
  TColumnCalcType GetColumnCalc(int c) const;
  void SetColumnCalc(int c, TColumnCalcType Value);
  void Assign(const TFloatingFooter& Source);
  // The panel paints again.
  void Invalidate() {
    if (OnInvalidate) OnInvalidate();
  }

  // The text of an acCUSTOM column while the grid's OnFooterCalc is unset.
  TCalcFooterEvent OnCalcFooter;
  // The grid follows every change of visibility and style, the panel every
  // change of height, hint setting and look.
  std::function<void()> OnChange;
  std::function<void()> OnHeight;
  std::function<void()> OnShowHint;
  std::function<void()> OnInvalidate;

 private:
  template <typename T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }
  template <typename T>
  void Store(T& field, const T& value) {
    field = value;
    Invalidate();
  }
  TZadIrururOziz* FOwner;
  bool FVisible = false;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  int FHeight = 0;
  bool FEnableCalculation = true;
  bool FCalculateHiddenRows = true;
  TColor FColor = clBtnFace;
  int FColumn = 0;
  QString FCustomTemplate;
  bool FShowHint = false;
  TColor FBorderColor = clNone;
};
