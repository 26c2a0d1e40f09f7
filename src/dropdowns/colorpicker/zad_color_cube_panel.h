#pragma once
// TZadColorCubePanel: 127 colours as a honeycomb of hexagonal cells. The cell
// under the mouse is hot (red and white frame, kept after the mouse leaves)
// and its red, green and blue values show as the hint; a press selects a
// cell (black and white frame) and fires OnSelect.
#include <functional>

#include "dropdowns/colorpicker/cube_cells.h"
#include "dropdowns/colorpicker/zad_custom_color_selector_panel.h"

class TCanvas;

class TZadColorCubePanel : public TZadCustomColorSelectorPanel {
 public:
  explicit TZadColorCubePanel(QWidget* AOwner = nullptr);

  // Lays the cells out and gives them their colours.
  void InitCubeCells();
  // No hot cell; the panel's size (182 x 160).
  void ResetPanel();
  // Selects cell Index when it is one, else the first cell of colour Color
  // (none when no cell has it). Repaints nothing.
  void SelectColor(TColor Color, int Index);
  int CellAtPoint(int X, int Y) const { return Cube_Cell_At(FCubeCells, X, Y); }

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { SelectColor(Value, -1); }
  int SelectedIndex() const { return FSelectedIndex; }
  int HotIndex() const { return FHotIndex; }
  bool ShowRGBHint() const { return FShowRGBHint; }
  void SetShowRGBHint(bool Value);
  const Cube_Cells& CubeCells() const { return FCubeCells; }

  // A cell was clicked.
  std::function<void(QWidget* Sender)> OnSelect;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;

 private:
  void DrawCell(TCanvas& Canvas, int Index);
  void Set_Hint(const QString& Text);

  Cube_Cells FCubeCells{};
  TColor FSelectedColor = clNone;
  int FSelectedIndex = -1;
  int FHotIndex = -1;
  bool FShowRGBHint = true;
};
