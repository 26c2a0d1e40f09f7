#include "grid/input/header_drag_button.h"

#include <QPainter>

#include "controls/canvas.h"
#include "grid/core/base_cell_painter.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/draw_html_text.h"

namespace {

// A popup that stays on top, shows without taking the activation, and lets
// the mouse and keys pass by.
void Make_Drag_Popup(QWidget& w) {
  w.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                   Qt::WindowTransparentForInput);
  w.setAttribute(Qt::WA_ShowWithoutActivating);
  w.setFocusPolicy(Qt::NoFocus);
}

void Frame(QPainter& painter, const QWidget& w) {
  painter.setPen(To_QColor(clWindowFrame, w.palette()));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(w.rect().adjusted(0, 0, -1, -1));
}

}  // namespace

THeaderDragButton::THeaderDragButton(QWidget* AOwner) : QWidget(AOwner) { Make_Drag_Popup(*this); }

void THeaderDragButton::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  update();
}

void THeaderDragButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  update();
}

void THeaderDragButton::SetGrid(TZadIrururOziz* Value) {
  FGrid = Value;
  FGridAlive = Value;
  update();
}

void THeaderDragButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  // Inside the border.
  const TRect client{1, 1, width() - 1, height() - 1};
  TZadIrururOziz* grid = Grid();
  if (grid) {
    // The background of the grid's first fixed cell, whatever its look.
    PaintCellExt(*grid, canvas, 0, 0, client, gdFixed);
    canvas.Font = grid->FixedFont();
    canvas.Font_Color = grid->FixedFontColor() != clNone ? grid->FixedFontColor() : grid->FontColor();
  } else {
    canvas.Brush.Color = clBtnFace;
    canvas.Fill_Rect(client);
    canvas.Font = font();
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  if (FCaption.contains(QLatin1String("</"))) {
    THtmlDrawParams params;
    std::vector<QImage> images;
    if (grid && grid->GridImages()) {
      images.assign(grid->GridImages()->begin(), grid->GridImages()->end());
      params.Images = &images;
    }
    params.WindowHandle = this;
    THtmlDrawResult result;
    DrawHtmlText(canvas, FCaption, client, params, result);
  } else {
    TRect r = client;
    canvas.Draw_Text(FCaption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  Frame(painter, *this);
}

THeaderDragButton* TZadIrururOziz::MoveButton() {
  if (!FMoveButton) {
    FMoveButton = new THeaderDragButton(this);
    FMoveButton->SetGrid(this);
    FMoveButton->setEnabled(false);
    FMoveButton->hide();
  }
  return FMoveButton;
}
