#include "dropdowns/colorpicker/zad_color_cube_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "controls/canvas.h"

TZadColorCubePanel::TZadColorCubePanel(QWidget* AOwner) : TZadCustomColorSelectorPanel(AOwner) {
  InitCubeCells();
  SetShowRGBHint(true);
}

void TZadColorCubePanel::InitCubeCells() { FCubeCells = Make_Cube_Cells(); }

void TZadColorCubePanel::ResetPanel() {
  FHotIndex = -1;
  SetPanelSize(182, 160);
}

void TZadColorCubePanel::SelectColor(TColor Color, int Index) {
  FSelectedColor = Color;
  FSelectedIndex = Index >= 1 && Index <= kCubeCellCount ? Index : Cube_Cell_Of_Color(FCubeCells, Color);
}

void TZadColorCubePanel::SetShowRGBHint(bool Value) {
  FShowRGBHint = Value;
  SetShowHint(Value);
}

void TZadColorCubePanel::DrawCell(TCanvas& Canvas, int Index) {
  if (Index < 1 || Index > kCubeCellCount) return;
  const Cube_Cell& cell = FCubeCells[static_cast<size_t>(Index)];
  QPainter& p = Canvas.Painter();
  const int w = kCubeSize.x(), h = kCubeSize.y();
  const auto polygon = [&](int H, int W) {
    const auto corners = Cube_Hexagon(cell.Center, H, W);
    p.drawPolygon(corners.data(), static_cast<int>(corners.size()));
  };
  p.setPen(To_QColor(cell.Color));
  p.setBrush(To_QColor(cell.Color));
  polygon(h, w);
  // Selected is drawn after hot, so a cell that is both shows as selected.
  const auto frame = [&](TColor Outer) {
    p.setBrush(Qt::NoBrush);
    p.setPen(To_QColor(Outer));
    polygon(h, w - 1);
    p.setPen(To_QColor(clWhite));
    polygon(h - 1, w - 2);
  };
  if (Index == FHotIndex) frame(clRed);
  if (Index == FSelectedIndex) frame(clBlack);
}

void TZadColorCubePanel::paintEvent(QPaintEvent* Event) {
  TZadCustomColorSelectorPanel::paintEvent(Event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  TCanvas canvas(painter);
  for (int i = 1; i <= kCubeCellCount; ++i) DrawCell(canvas, i);
}

void TZadColorCubePanel::mousePressEvent(QMouseEvent* Event) {
  TZadCustomColorSelectorPanel::mousePressEvent(Event);
  const QPoint at = Event->position().toPoint();
  const int i = CellAtPoint(at.x(), at.y());
  if (i < 1) return;
  FSelectedIndex = -1;
  SelectColor(FCubeCells[static_cast<size_t>(i)].Color, i);
  update();
  if (OnSelect) OnSelect(this);
}

void TZadColorCubePanel::Set_Hint(const QString& Text) {
  setToolTip(Text);
  // The shown hint goes, so that the new text shows at the next hover.
  QToolTip::hideText();
}

void TZadColorCubePanel::mouseMoveEvent(QMouseEvent* Event) {
  TZadCustomColorSelectorPanel::mouseMoveEvent(Event);
  const QPoint at = Event->position().toPoint();
  const int i = CellAtPoint(at.x(), at.y());
  if (i >= 1) {
    if (i == FHotIndex) return;
    FHotIndex = i;
    update();
    if (FShowRGBHint) {
      const TColor c = FCubeCells[static_cast<size_t>(i)].Color;
      Set_Hint(QStringLiteral("Red: %1,  Green: %2,  Blue: %3").arg(Get_R(c)).arg(Get_G(c)).arg(Get_B(c)));
    }
    return;
  }
  // Off the cells the hint goes but the hot cell keeps its frame.
  if (FShowRGBHint) Set_Hint(QString());
}
