#pragma once
// The grid's floating footer settings. With style fsFixedLastRow the footer
// is the grid's last row, kept as a fixed footer row that never becomes
// current; the other styles show a panel of their own over the grid's foot.
#include <functional>

#include "controls/tcolor.h"

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

class TFloatingFooter {
 public:
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Set(FVisible, Value); }
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle Value) { Set(FFooterStyle, Value); }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { Set(FHeight, Value); }
  bool EnableCalculation() const { return FEnableCalculation; }
  void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
  bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
  void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
  // The footer's fill (the colour tones set it).
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }

  // The grid follows every change of visibility, style and height.
  std::function<void()> OnChange;

 private:
  template <typename T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }
  bool FVisible = false;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  int FHeight = 24;
  bool FEnableCalculation = true;
  bool FCalculateHiddenRows = true;
  TColor FColor = clBtnFace;
};
