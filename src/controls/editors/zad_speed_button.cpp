#include "controls/editors/zad_speed_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/editor_logic/classic_paint.h"
#include "controls/editor_logic/editor_theme.h"
#include "controls/editors/zsg_edit_button.h"

TZadSpeedButton::TZadSpeedButton(TZsgEditButton* owner) : QWidget(owner), FOwner(owner) { setFocusPolicy(Qt::NoFocus); }

void TZadSpeedButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  update();
}

void TZadSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  update();
}

void TZadSpeedButton::SetGlyph(const QImage& Value) {
  FGlyph = Value;
  update();
}

void TZadSpeedButton::SetNumGlyphs(int Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  update();
}

void TZadSpeedButton::SetCaption(const QString& Value) {
  FCaption = Value;
  update();
}

void TZadSpeedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  FHeld = true;
  FDown = true;
  repaint();
}

void TZadSpeedButton::mouseMoveEvent(QMouseEvent* event) {
  if (!FHeld) return;
  const bool over = rect().contains(event->position().toPoint());
  if (over != FDown) {
    FDown = over;
    repaint();
  }
}

void TZadSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FHeld) return;
  FHeld = false;
  FDown = false;
  repaint();
  if (OnMouseUp) OnMouseUp(this, rect().contains(event->position().toPoint()));
}

void TZadSpeedButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  FHot = true;
  update();
}

void TZadSpeedButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FHot = false;
  update();
}

void TZadSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  TRect R{0, 0, width(), height()};
  painter.setFont(font());
  const TColor color = FOwner ? FOwner->ButtonColor() : clNone;
  if (color != clNone) {
    // Custom colours make the button flat; a state colour left at clNone
    // falls back to the plain button colour.
    FFlat = true;
    TColor fill = color;
    if (FHot && FOwner->ButtonColorHot() != clNone) fill = FOwner->ButtonColorHot();
    if (FDown && FOwner->ButtonColorDown() != clNone) fill = FOwner->ButtonColorDown();
    painter.fillRect(R.To_QRect(), To_QColor(fill, palette()));
  } else {
    bool themed = false;
    if (FIsWinXP) {
      const int state = FDown ? 3 : FHot ? 2 : 1;
      themed = Draw_Editor_Theme_Part(painter, parentWidget(), kEditorThemeButton, 1, state, R.To_QRect());
    }
    if (!themed) {
      if (!FFlat) {
        Draw_Frame_Control(canvas, R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (FDown ? DFCS_PUSHED : 0));
      } else {
        TRect edge = R;
        painter.fillRect(R.To_QRect(), To_QColor(clBtnFace, palette()));
        Draw_Edge(canvas, edge, FDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_ADJUST);
        R = R.Inflate(-1, -1);
      }
    }
  }
  if (!FGlyph.isNull()) {
    const int count = std::max(1, FNumGlyphs);
    const QImage glyph = FGlyph.copy(0, 0, FGlyph.width() / count, FGlyph.height());
    int x = glyph.width() < width() ? (width() - glyph.width()) >> 1 : 0;
    int y = glyph.height() < height() ? (height() - glyph.height()) >> 1 : 0;
    if (FDown) {
      ++x;
      ++y;
    }
    Draw_Transparent_Glyph(canvas, x, y, glyph, isEnabled());
  }
  if (!FCaption.isEmpty()) {
    canvas.Font = font();
    canvas.Font_Color = clBlack;
    canvas.Brush.Style = TBrushStyle::bsClear;
    TRect text = FDown ? R.Offset(1, 1) : R;
    canvas.Draw_Text(FCaption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}
