#include "controls/editors/zad_timer_speed_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "controls/canvas.h"
#include "controls/editor_logic/editor_theme.h"
#include "controls/editors/zsg_spin_button.h"

TZadTimerSpeedButton::TZadTimerSpeedButton(TZsgSpinButton* owner) : QWidget(owner), FOwner(owner) {
  setAttribute(Qt::WA_Hover, false);
  setFocusPolicy(Qt::NoFocus);
}

void TZadTimerSpeedButton::SetTimeBtnState(TTimeBtnState Value) {
  FTimeBtnState = Value;
  update();
}

void TZadTimerSpeedButton::SetButtonDirection(TButtonDirection Value) {
  FButtonDirection = Value;
  update();
}

void TZadTimerSpeedButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  update();
}

void TZadTimerSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  update();
}

void TZadTimerSpeedButton::SetTransparent(bool Value) {
  FTransparent = Value;
  update();
}

void TZadTimerSpeedButton::SetGlyph(const QImage& Value) {
  FGlyph = Value;
  update();
}

void TZadTimerSpeedButton::SetNumGlyphs(int Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  update();
}

void TZadTimerSpeedButton::Click() {
  if (OnClick) OnClick(this);
}

void TZadTimerSpeedButton::RepeatTick() {
  if (FRepeatTimer) FRepeatTimer->setInterval(100);
  if (!(FDown && FHeld)) return;
  try {
    Click();
  } catch (...) {
    if (FRepeatTimer) FRepeatTimer->stop();
    throw;
  }
}

void TZadTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  FHeld = true;
  FDown = true;
  repaint();
  if (FTimeBtnState & tbAllowTimer) {
    if (!FRepeatTimer) {
      FRepeatTimer = new QTimer(this);
      connect(FRepeatTimer, &QTimer::timeout, this, &TZadTimerSpeedButton::RepeatTick);
    }
    FRepeatTimer->setInterval(400);
    FRepeatTimer->start();
  }
  if (OnMouseDown) OnMouseDown(this, event->button());
  if (parentWidget()) parentWidget()->update();
}

void TZadTimerSpeedButton::mouseMoveEvent(QMouseEvent* event) {
  if (!FHeld) return;
  const bool over = rect().contains(event->position().toPoint());
  if (over != FDown) {
    FDown = over;
    repaint();
  }
}

void TZadTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FHeld) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  FHeld = false;
  const bool click = FDown && rect().contains(event->position().toPoint());
  FDown = false;
  if (FRepeatTimer) FRepeatTimer->stop();
  repaint();
  if (parentWidget()) parentWidget()->update();
  if (click) Click();
}

void TZadTimerSpeedButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  FHasMouse = true;
  update();
}

void TZadTimerSpeedButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FHasMouse = false;
  update();
}

QImage TZadTimerSpeedButton::Glyph_Part(int Index) const {
  if (FGlyph.isNull()) return {};
  const int count = std::max(1, FNumGlyphs);
  const int w = FGlyph.width() / count;
  if (Index >= count) Index = 0;
  return FGlyph.copy(Index * w, 0, w, FGlyph.height());
}

void TZadTimerSpeedButton::Paint_Classic(TCanvas& Canvas, const TRect& R) {
  if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
    unsigned state = FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    if (FDown) state |= DFCS_PUSHED;
    if (FFlat) state |= DFCS_FLAT;
    if (!isEnabled()) state |= DFCS_INACTIVE;
    TRect r = R;
    Draw_Frame_Control(Canvas, r, DFC_SCROLL, state);
    return;
  }
  // The speed button's own face: raised, sunken while down; flat buttons
  // show an edge only under the mouse or while down.
  TRect r = R;
  if (!FFlat) {
    Draw_Frame_Control(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (FDown ? DFCS_PUSHED : 0));
  } else {
    if (!FTransparent) Canvas.Painter().fillRect(R.To_QRect(), To_QColor(clBtnFace, palette()));
    if (FDown)
      Draw_Edge(Canvas, r, BDR_SUNKENOUTER, BF_RECT);
    else if (FHasMouse && isEnabled())
      Draw_Edge(Canvas, r, BDR_RAISEDINNER, BF_RECT);
  }
  const QImage glyph = Glyph_Part(isEnabled() ? (FDown && FNumGlyphs > 2 ? 2 : 0) : (FNumGlyphs > 1 ? 1 : 0));
  if (glyph.isNull()) return;
  int x = (R.Width() - glyph.width()) / 2;
  int y = (R.Height() - glyph.height()) / 2;
  if (FDown) {
    ++x;
    ++y;
  }
  Draw_Transparent_Glyph(Canvas, R.Left + x, R.Top + y, glyph, isEnabled() || FNumGlyphs > 1);
}

void TZadTimerSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  const TRect R{0, 0, width(), height()};
  const TColor color = FOwner ? FOwner->ButtonColor() : clNone;
  if (color != clNone) {
    // A state colour left at clNone falls back to the plain button colour.
    TColor fill = color;
    if (FDown && FOwner->ButtonColorDown() != clNone)
      fill = FOwner->ButtonColorDown();
    else if (!FDown && FHasMouse && FOwner->ButtonColorHot() != clNone)
      fill = FOwner->ButtonColorHot();
    painter.fillRect(R.To_QRect(), To_QColor(fill, palette()));
    const QPoint o(R.Left, R.Top);
    switch (FButtonDirection) {
      case bdLeft:
        Fill_Triangle(canvas, o + QPoint(5, 5), o + QPoint(3, 7), o + QPoint(5, 9), clBlack);
        break;
      case bdRight:
        Fill_Triangle(canvas, o + QPoint(3, 5), o + QPoint(5, 7), o + QPoint(3, 9), clBlack);
        break;
      case bdUp:
        Fill_Triangle(canvas, o + QPoint(4, 4), o + QPoint(8, 4), o + QPoint(6, 2), clBlack);
        break;
      case bdDown:
        Fill_Triangle(canvas, o + QPoint(4, 2), o + QPoint(8, 2), o + QPoint(6, 4), clBlack);
        break;
    }
  } else {
    bool themed = false;
    if (FIsWinXP) {
      static const int parts[] = {4, 3, 1, 2};  // left, right, up, down
      const int state = FDown ? 3 : FHasMouse ? 2 : 1;
      themed = Draw_Editor_Theme_Part(painter, FOwner, kEditorThemeSpin, parts[FButtonDirection], state, R.To_QRect());
    }
    if (!themed) Paint_Classic(canvas, R);
  }
  if (FTimeBtnState & tbFocusRect) canvas.Draw_Focus_Rect(R.Inflate(-3, -3));
}
