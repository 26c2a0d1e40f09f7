#include "dropdowns/base/drop_down_edit_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "controls/editor_logic/classic_paint.h"
#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "grid/theme/theme_api.h"

TZadDropDownSpeedButton::TZadDropDownSpeedButton(QWidget* AOwner) : QWidget(AOwner) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TZadDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
  FButtonStyle = Value;
  update();
}

void TZadDropDownSpeedButton::SetEtched(bool Value) {
  if (FEtched == Value) return;
  FEtched = Value;
  update();
}

void TZadDropDownSpeedButton::SetFocused(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  update();
}

void TZadDropDownSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  update();
}

void TZadDropDownSpeedButton::SetGlyph(const QImage& Value) {
  FGlyph = Value;
  update();
}

void TZadDropDownSpeedButton::SetCaption(const QString& Value) {
  FCaption = Value;
  update();
}

TDropDownEditButton* TZadDropDownSpeedButton::Container() const {
  return dynamic_cast<TDropDownEditButton*>(parentWidget());
}

TZadCustomDropDown* TZadDropDownSpeedButton::Edit() const {
  TDropDownEditButton* c = Container();
  return c ? dynamic_cast<TZadCustomDropDown*>(c->parentWidget()) : nullptr;
}

bool TZadDropDownSpeedButton::Themed() const { return FIsWinXP && Themes_In_Use(); }

int TZadDropDownSpeedButton::Theme_State() const {
  if (!isEnabled()) return CBXS_DISABLED;
  if (Pressed()) return CBXS_PRESSED;
  if (FHot) return CBXS_HOT;
  return CBXS_NORMAL;
}

void TZadDropDownSpeedButton::enterEvent(QEnterEvent* Event) {
  QWidget::enterEvent(Event);
  FHot = true;
  update();
}

void TZadDropDownSpeedButton::leaveEvent(QEvent* Event) {
  QWidget::leaveEvent(Event);
  FHot = false;
  update();
}

void TZadDropDownSpeedButton::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton) {
    FDown = true;
    update();
  }
  if (OnMouseDown) OnMouseDown(Event->button());
}

void TZadDropDownSpeedButton::mouseReleaseEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton) {
    FDown = false;
    update();
  }
  if (OnMouseUp) OnMouseUp(Event->button());
}

void TZadDropDownSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (FButtonStyle == bsButton)
    Paint_Push_Button(painter);
  else
    Paint_Arrow(painter);
}

// The plain speed button: a button face, raised, sunken while pressed.
void TZadDropDownSpeedButton::Paint_Classic_Face(QPainter& Painter) {
  TCanvas canvas(Painter);
  TRect r{0, 0, width(), height()};
  unsigned state = DFCS_BUTTONPUSH;
  if (Pressed()) state |= DFCS_PUSHED;
  if (!isEnabled()) state |= DFCS_INACTIVE;
  Draw_Frame_Control(canvas, r, DFC_BUTTON, state);
}

void TZadDropDownSpeedButton::Paint_Arrow(QPainter& Painter) {
  TCanvas canvas(Painter);
  const TDropDownEditButton* c = Container();
  const TZadCustomDropDown* edit = Edit();
  const TRect client{0, 0, width(), height()};
  if (c && c->ButtonColor != clNone) {
    TColor fill = c->ButtonColor, text = c->ButtonTextColor;
    if (FHot && c->ButtonColorHot != clNone) fill = c->ButtonColorHot;
    if (FHot && c->ButtonTextColorHot != clNone) text = c->ButtonTextColorHot;
    if (Pressed() && c->ButtonColorDown != clNone) fill = c->ButtonColorDown;
    if (Pressed() && c->ButtonTextColorDown != clNone) text = c->ButtonTextColorDown;
    canvas.Brush.Color = fill;
    canvas.Fill_Rect(client);
    if (edit && edit->BorderColor() != clNone) {
      canvas.Pen.Color = edit->BorderColor();
      canvas.Move_To(0, 0);
      canvas.Line_To(0, height());
    }
    if (text != clNone) Fill_Triangle(canvas, {5, 7}, {11, 7}, {8, 10}, text);
    return;
  }
  if (!FGlyph.isNull()) {
    canvas.Pen.Color = 0x808080;
    canvas.Brush.Color = clBtnFace;
    canvas.Rectangle(client);
    Draw_Transparent_Glyph(canvas, 0, 0, FGlyph, isEnabled());
    return;
  }
  setEnabled(edit ? edit->isEnabled() && !edit->isReadOnly() : isEnabled());
  if (Themed()) {
    canvas.Brush.Color = clWindow;
    canvas.Fill_Rect(client);
    const Theme_Library& lib = Zad_Theme_Library();
    HTHEME theme = lib.OpenThemeData(this, kThemeComboBox);
    lib.DrawThemeBackground(theme, Painter, CP_DROPDOWNBUTTON, Theme_State(), TRect{1, 0, width(), height()}.To_QRect(),
                            this);
    lib.CloseThemeData(theme);
    return;
  }
  Paint_Classic_Face(Painter);
  canvas.Pen.Color = clBtnFace;
  canvas.Polyline({{width() - 2, 0}, {0, 0}, {0, height() - 1}});
  canvas.Pen.Color = clWhite;
  canvas.Polyline({{width() - 3, 1}, {1, 1}, {1, height() - 2}});
  Fill_Triangle(canvas, {5, 7}, {11, 7}, {8, 10}, clBlack);
}

void TZadDropDownSpeedButton::Paint_Push_Button(QPainter& Painter) {
  TCanvas canvas(Painter);
  const TZadCustomDropDown* edit = Edit();
  if (edit) canvas.Font = edit->font();
  const TRect client{0, 0, width(), height()};
  const int shift = Pressed() ? 1 : 0;
  canvas.Font_Color = isEnabled() ? clBtnText : clGrayText;
  if (Themed()) {
    canvas.Brush.Color = clBtnFace;
    canvas.Fill_Rect(client);
    const Theme_Library& lib = Zad_Theme_Library();
    HTHEME theme = lib.OpenThemeData(this, kThemeButton);
    const int state = !isEnabled() ? PBS_DISABLED : Pressed() ? PBS_PRESSED : FHot ? PBS_HOT : PBS_NORMAL;
    lib.DrawThemeBackground(theme, Painter, BP_PUSHBUTTON, state, QRect(0, 0, width() + 1, height() + 1), this);
    lib.CloseThemeData(theme);
    const TRect inner = client.Inflate(2, 2);
    int glyph_right = inner.Left;
    if (!FGlyph.isNull()) {
      int x = inner.Left, y = inner.Top;
      if (!FCaption.isEmpty())
        x = inner.Left + 2;
      else if (FGlyph.width() < inner.Width())
        x = inner.Left + (inner.Width() - FGlyph.width()) / 2;
      if (FGlyph.height() < inner.Height()) y = inner.Top + (inner.Height() - FGlyph.height()) / 2;
      Draw_Transparent_Glyph(canvas, x + shift, y + shift, FGlyph, isEnabled());
      glyph_right = x + FGlyph.width() + 2;
    }
    if (!FCaption.isEmpty()) {
      canvas.Brush.Style = TBrushStyle::bsClear;
      if (FGlyph.isNull()) {
        TRect r = client.Inflate(3, 1).Offset(shift, shift);
        canvas.Draw_Text(FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      } else {
        TRect r{glyph_right, client.Top - 1, client.Right, client.Bottom - 1};
        canvas.Draw_Text(FCaption, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
      }
    }
    return;
  }
  if (FFlat) {
    canvas.Brush.Color = clBtnFace;
    canvas.Fill_Rect(client);
    TRect edge{0, 0, width() + 1, height() + 1};
    Draw_Edge(canvas, edge, FEtched ? (BDR_SUNKENOUTER | BDR_RAISEDINNER) : EDGE_RAISED,
              BF_RECT | (Pressed() ? BF_FLAT : 0));
    if (!FGlyph.isNull()) Draw_Glyph_Masked(canvas, FGlyph, clBtnFace, client.Inflate(3, 3).Offset(shift, shift));
    if (!FCaption.isEmpty()) {
      canvas.Brush.Style = TBrushStyle::bsClear;
      TRect r = client.Inflate(3, 1).Offset(shift, shift);
      canvas.Draw_Text(FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return;
  }
  Paint_Classic_Face(Painter);
  if (!FGlyph.isNull())
    Draw_Transparent_Glyph(canvas, (width() - FGlyph.width()) / 2 + shift, (height() - FGlyph.height()) / 2 + shift,
                           FGlyph, isEnabled());
  else if (!FCaption.isEmpty()) {
    canvas.Brush.Style = TBrushStyle::bsClear;
    TRect r = client.Offset(shift, shift);
    canvas.Draw_Text(FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

TDropDownEditButton::TDropDownEditButton(QWidget* AOwner) : QWidget(AOwner) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  FButton = new TZadDropDownSpeedButton(this);
  FButton->OnMouseDown = [this](Qt::MouseButton b) {
    if (b == Qt::LeftButton && OnPress) OnPress();
  };
  // The click is the release: by then an open popup has closed and stamped
  // the time its reopen guard compares.
  FButton->OnMouseUp = [this](Qt::MouseButton b) {
    if (b == Qt::LeftButton && OnClick) OnClick();
  };
  FButton->setEnabled(isEnabled());
  FButton->SetButtonStyle(bsDropDown);
  FButton->setGeometry(0, 0, 16, 25);
  resize(16, 25);
}

void TDropDownEditButton::SetButtonWidth(int Value) {
  FBWidth = Value;
  SetBounds(x(), y(), width(), height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  (void)AWidth;
  setGeometry(ALeft, ATop, FBWidth, AHeight);
  FButton->setGeometry(0, 0, FBWidth, AHeight);
}

void TDropDownEditButton::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  if (width() != FBWidth)
    SetBounds(x(), y(), width(), height());
  else
    FButton->setGeometry(0, 0, FBWidth, height());
}

void TDropDownEditButton::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() == QEvent::EnabledChange) FButton->setEnabled(isEnabled());
}
