#include "controls/datetime/custom_date_time_picker.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/datetime/metro_drop_button.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/editor_logic/editor_theme.h"

TCustomDateTimePicker::TCustomDateTimePicker(QWidget* parent) : TFlatDateTimePicker(parent, clBlack) {
  SetCtl3D(false);
  TDateTimePicker::SetBorderStyle(bsNone);
}

TColor TCustomDateTimePicker::Parent_Color() const {
  const QWidget* parent = parentWidget();
  if (!parent) return clBtnFace;
  if (auto* picker = qobject_cast<const TDateTimePicker*>(parent)) return picker->Color();
  return From_QColor(parent->palette().color(parent->backgroundRole()));
}

// --- automatic advance -----------------------------------------------------------

void TCustomDateTimePicker::KeyPress(QChar& Key) {
  const bool digit = Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
  if (digit && FAutoTab) FTypedFrom = Value().time();
  TDateTimePicker::KeyPress(Key);
  if (digit && FAutoTab) Post_Shift_Focus();
}

void TCustomDateTimePicker::Post_Shift_Focus() {
  QMetaObject::invokeMethod(
      this, [this] { ShiftFocus(); }, Qt::QueuedConnection);
}

void TCustomDateTimePicker::Post_Right() {
  QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
}

void TCustomDateTimePicker::ShiftFocus() {
  if (Kind() != dtkTime) return;
  const QTime now = Value().time();
  if (now.hour() != FTypedFrom.hour() || now.minute() != FTypedFrom.minute() || now.second() != FTypedFrom.second())
    Post_Right();
}

// --- mouse and focus -------------------------------------------------------------

void TCustomDateTimePicker::mouseMoveEvent(QMouseEvent* event) {
  TFlatDateTimePicker::mouseMoveEvent(event);
  const int x = event->position().toPoint().x();
  const bool hover = width() - FButtonWidth < x && x < width();
  if (hover != FButtonHover) {
    FButtonHover = hover;
    update();
  }
}

// --- painting ----------------------------------------------------------------------

TRect TCustomDateTimePicker::Metro_Button_Rect() const {
  const int client_width = width() - 2 * Border_Width();
  return TRect{client_width - FButtonWidth + 2, 0, width(), height()}.Inflate(-1, -1);
}

void TCustomDateTimePicker::Draw_Flat_Frame(TCanvas& Canvas, bool Inner) {
  const int w = width(), h = height();
  TColor pen = clNone;
  if (BorderStyle() == bsNone && parentWidget())
    pen = Parent_Color();
  else
    pen = RGB(127, 157, 185);  // the platform draws visual styles
  QPainter& p = Canvas.Painter();
  const QColor color = To_QColor(pen, palette());
  p.fillRect(QRect(0, 0, 1, h), color);
  p.fillRect(QRect(0, 0, w, 1), color);
  p.fillRect(QRect(w - 1, 0, 1, h), color);
  p.fillRect(QRect(0, h - 1, w, 1), color);
  if (Inner && (BorderStyle() == bsNone || (BorderStyle() == bsSingle && parentWidget()))) {
    const QColor inner = BorderStyle() == bsSingle ? To_QColor(Parent_Color(), palette()) : color;
    p.fillRect(QRect(1, 1, 1, h - 2), inner);
    p.fillRect(QRect(1, 1, w - 2, 1), inner);
  }
}

void TCustomDateTimePicker::Paint_Border(TCanvas& Canvas) {
  if (!FMetroStyle || SuppressMetroBorder()) return;
  // FocusBorder stays off here, so no focus border shows.
  if (!Draw_Metro_Border(Canvas, Parent_Color(), true)) return;
  if (!(FIsWinXP && Editor_Theme_Active()))
    Draw_Flat_Button_Face(Canvas, width(), height(), FButtonWidth, Hot(), true, DroppedDown());
}

void TCustomDateTimePicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint_Base(painter);
  TCanvas canvas(painter);
  const bool themes = Editor_Theme_Active();
  if (!Ctl3D()) Draw_Flat_Frame(canvas, true);
  if (Ctl3D() && !FMetroStyle) {
    Paint_Border(canvas);
    return;
  }
  if (FMetroStyle && Kind() == dtkDate) {
    // The platform's button gives way to the Metro button.
    const int b = Border_Width();
    const int right = width() - b;
    const QRect strip = themes ? QRect(QPoint(right - FButtonWidth - 4, b + 1), QPoint(right - 1, height() - 1))
                               : QRect(QPoint(right - FButtonWidth - 2, b + 4), QPoint(right - 3, height() - 5));
    painter.fillRect(strip, To_QColor(Color(), palette()));
    const TRect B = Metro_Button_Rect();
    const bool down = Button_Pressed() && FButtonHover;
    // The fill stays inside the 3D edge, one pixel in from the button's
    // top, right and bottom, as the combo's does.
    const TRect fill{B.Left, B.Top + 1, B.Right - 1, B.Bottom - 1};
    Paint_Metro_Drop_Button(canvas, this, B, fill, Metro_Button_Colors(), FButtonHover, down, DroppedDown());
  }
  if (!Ctl3D()) {
    Draw_Flat_Frame(canvas, false);
    if (!themes) {
      const QColor color =
          To_QColor(BorderStyle() == bsNone && parentWidget() ? Parent_Color() : RGB(127, 157, 185), palette());
      painter.fillRect(QRect(1, 1, 1, height() - 2), color);
      painter.fillRect(QRect(1, 1, width() - 2, 1), color);
      painter.fillRect(QRect(width() - 2, 1, 1, height() - 2), color);
      painter.fillRect(QRect(1, height() - 2, width() - 2, 1), color);
    }
  }
  Paint_Border(canvas);
}
