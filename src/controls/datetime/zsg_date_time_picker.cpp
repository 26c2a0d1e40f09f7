#include "controls/datetime/zsg_date_time_picker.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/datetime/metro_drop_button.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/editor_logic/editor_theme.h"

TZsgDateTimePicker::TZsgDateTimePicker(QWidget* parent) : TFlatDateTimePicker(parent, clNone) {
  SetCtl3D(true);
  TDateTimePicker::SetBorderStyle(bsNone);
}

void TZsgDateTimePicker::SetFocusBorderColor(TColor Value) {
  FFocusBorderColor = Value;
  update();
}

void TZsgDateTimePicker::SetDisabledBorder(bool Value) {
  FDisabledBorder = Value;
  update();
}

void TZsgDateTimePicker::SetFocusBorder(bool Value) {
  FFocusBorder = Value;
  update();
}

TColor TZsgDateTimePicker::Parent_Color() const {
  const QWidget* parent = parentWidget();
  if (!parent) return clBtnFace;
  return From_QColor(parent->palette().color(parent->backgroundRole()));
}

void TZsgDateTimePicker::mouseMoveEvent(QMouseEvent* event) {
  TFlatDateTimePicker::mouseMoveEvent(event);
  const int x = event->position().toPoint().x();
  const bool hover = x > width() - FButtonWidth;
  if (hover != FButtonHover) {
    FButtonHover = hover;
    update();
  }
}

TRect TZsgDateTimePicker::Metro_Button_Rect() const {
  const int client_width = width() - 2 * Border_Width();
  return TRect{client_width - FButtonWidth + 3, 1, width() - 1, height() - 1};
}

void TZsgDateTimePicker::Flat_Border(TCanvas& Canvas) {
  if (!Metro_Active()) return;
  if (!Draw_Metro_Border(Canvas, Parent_Color(), Editor_Theme_Active())) return;
  if (!Editor_Theme_Active()) {
    // The button's frame: raised (sunken while dropped down) when hot, else a plain face.
    TRect r{width() - FButtonWidth - 2, 0, width(), height()};
    r = r.Inflate(-2, -2);
    if (Hot())
      Draw_Edge(Canvas, r, DroppedDown() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    else
      Draw_Flat_Button_Face(Canvas, width(), height(), FButtonWidth, false);
  }
}

void TZsgDateTimePicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint_Base(painter);
  TCanvas canvas(painter);
  const bool themes = Editor_Theme_Active();
  if (!Ctl3D() && FBorderColor != clNone) {
    const TColor pen = BorderStyle() == bsNone ? Parent_Color() : themes ? RGB(127, 157, 185) : FBorderColor;
    canvas.Brush.Color = pen;
    canvas.Frame_Rect(TRect{0, 0, width(), height()});
  }
  if (!(!Ctl3D() || Metro_Active())) return;
  if (Metro_Active() && Kind() != dtkTime) {
    const int b = Border_Width();
    const int right = width() - b;
    const QRect strip = themes ? QRect(QPoint(right - FButtonWidth - 15, b + 1), QPoint(right - 1, height() - b - 1))
                               : QRect(QPoint(right - FButtonWidth - 2, b + 4), QPoint(right - 3, height() - b - 5));
    painter.fillRect(strip, To_QColor(Color(), palette()));
    const TRect B = Metro_Button_Rect();
    const bool down = Button_Pressed() && FButtonHover;
    Paint_Metro_Drop_Button(canvas, this, B, B, Metro_Button_Colors(), FButtonHover, down, DroppedDown());
  }
  Flat_Border(canvas);
}
