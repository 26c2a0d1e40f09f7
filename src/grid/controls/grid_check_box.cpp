#include "grid/controls/grid_check_box.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "controls/canvas.h"
#include "grid/theme/theme_api.h"

int Check_Box_Theme_State(TCheckBoxState State, bool Enabled, bool Down, bool Hot) {
  const int base = State == cbChecked ? 5 : State == cbGrayed ? 9 : 1;
  if (!Enabled) return base + 3;
  if (Down) return base + 2;
  if (Hot) return base + 1;
  return base;
}

TZadCheckBox::TZadCheckBox(QWidget* parent) : QWidget(parent) {
  resize(98, 20);
  setFocusPolicy(Qt::StrongFocus);
  Update_Accelerator();
}

void TZadCheckBox::SetCaption(const QString& Value) {
  FCaption = Value;
  setAccessibleName(Value);
  Update_Accelerator();
  update();
}

void TZadCheckBox::SetChecked(bool Value) {
  SetState(Value ? cbChecked : cbUnchecked);
  update();
}

void TZadCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  // The strip of the box.
  update(FAlignment == taRightJustify ? QRect(width() - 20, 0, 20, height()) : QRect(0, 0, 20, height()));
}

void TZadCheckBox::SetAlignment(TLeftRight Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  update();
}

void TZadCheckBox::SetButtonVertAlign(TTextLayout Value) {
  if (FBtnVAlign == Value) return;
  FBtnVAlign = Value;
  update();
}

void TZadCheckBox::SetEllipsis(bool Value) {
  if (FEllipsis == Value) return;
  FEllipsis = Value;
  update();
}

void TZadCheckBox::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  repaint();
}

void TZadCheckBox::Toggle() {
  if (FReadOnly) return;
  SetChecked(!Checked());
}

bool TZadCheckBox::Themed() const { return Themes_In_Use(); }

TRect TZadCheckBox::Box_Rect() const {
  const int h = height();
  if (Themed()) {
    const int x = FAlignment == taRightJustify ? width() - 15 : 0;
    const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 14;
    return {x, y, x + 14, y + 14};
  }
  const int x = FAlignment == taRightJustify ? width() - 13 : 0;
  const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 17;
  return {x, y, x + 13, y + 13};
}

TRect TZadCheckBox::Caption_Rect() const {
  TRect r{0, 0, width(), height()};
  if (FAlignment == taRightJustify) {
    // Kept clear of the box, which the caption would otherwise run into.
    r.Right = std::min(r.Right - 9, Box_Rect().Left - 2);
  } else {
    r.Left += 9;
  }
  r.Top += 4;
  r.Left += 6;
  return r;
}

void TZadCheckBox::Update_Box() {
  const TRect box = Box_Rect();
  update(box.Left, box.Top, 16, 16);
}

// ---- painting

void TZadCheckBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  Paint(canvas);
}

QImage TZadCheckBox::Render() {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  const QWidget* behind = parentWidget() ? parentWidget() : this;
  image.fill(behind->palette().color(behind->backgroundRole()));
  QPainter painter(&image);
  TCanvas canvas(painter);
  Paint(canvas);
  return image;
}

void TZadCheckBox::Paint_Classic_Box(TCanvas& c, const TRect& R) {
  const bool inactive = FState == cbGrayed || !isEnabled();
  auto edge = [&c](const TRect& r, TColor top_left, TColor bottom_right) {
    c.Pen.Color = top_left;
    c.Polyline({{r.Left, r.Bottom - 2}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
    c.Pen.Color = bottom_right;
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}});
  };
  c.Pen.Style = TPenStyle::psSolid;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = inactive ? clBtnFace : clWindow;
  c.Fill_Rect(R.Inflate(-2, -2));
  edge(R, clBtnShadow, clBtnHighlight);
  edge(R.Inflate(-1, -1), cl3DDkShadow, cl3DLight);
  if (FState != cbChecked) return;
  // The classic tick: seven columns of three pixels.
  static const int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
  c.Pen.Color = inactive ? clGrayText : clWindowText;
  for (int i = 0; i < 7; ++i) {
    c.Move_To(R.Left + 3 + i, R.Top + 3 + kTop[i]);
    c.Line_To(R.Left + 3 + i, R.Top + 6 + kTop[i]);
  }
}

void TZadCheckBox::Paint(TCanvas& c) {
  c.Font = font();
  if (!FTransparent) {
    // Transparent, the parent shows through: the widget draws no background.
    c.Brush.Color = From_QColor(palette().color(backgroundRole()));
    c.Fill_Rect({0, 0, width(), height()});
  }
  const TRect box = Box_Rect();
  bool drawn = false;
  if (Themed()) {
    Theme_Library& library = Zad_Theme_Library();
    HTHEME theme = library.OpenThemeData(this, kThemeButton);
    drawn = library.DrawThemeBackground(theme, c.Painter(), BP_CHECKBOX,
                                        Check_Box_Theme_State(FState, isEnabled(), FDown, FHot), box.To_QRect(), this);
    library.CloseThemeData(theme);
  }
  if (!drawn) Paint_Classic_Box(c, box);

  TRect text = Caption_Rect();
  const unsigned flags = DT_LEFT | DT_TOP | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
  c.Brush.Style = TBrushStyle::bsClear;
  if (isEnabled()) {
    c.Font_Color = From_QColor(palette().color(QPalette::WindowText));
    c.Draw_Text(FCaption, text, flags);
  } else {
    TRect shadow = text.Offset(1, 1);
    c.Font_Color = clWhite;
    c.Draw_Text(FCaption, shadow, flags);
    c.Font_Color = clGray;
    c.Draw_Text(FCaption, text, flags);
  }
  c.Brush.Style = TBrushStyle::bsSolid;
  if (FFocused) {
    TRect extent = text;
    c.Draw_Text(FCaption, extent, flags | DT_CALCRECT);
    const int w = std::min(extent.Width(), text.Width()), h = extent.Height();
    c.Draw_Focus_Rect({text.Left - 2, text.Top, text.Left + w + 1, text.Top + h + 1});
  }
}

// ---- mouse, keys, focus

void TZadCheckBox::mousePressEvent(QMouseEvent* event) {
  FMouseDown = true;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  FDown = true;
  Update_Box();
  event->accept();
}

void TZadCheckBox::mouseMoveEvent(QMouseEvent* event) {
  if (!FMouseDown) return;
  const bool inside = rect().contains(event->position().toPoint());
  if (inside == FDown) return;
  FDown = inside;
  Update_Box();
}

void TZadCheckBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool pressed_here = FMouseDown;
  FMouseDown = false;
  FDown = false;
  const QPoint p = event->position().toPoint();
  const bool inside = p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height();
  if (inside && hasFocus() && pressed_here) {
    Toggle();
    if (OnClick) OnClick();
  }
  Update_Box();
}

void TZadCheckBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    if (!event->isAutoRepeat()) {
      FDown = true;
      Update_Box();
    }
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && FReturnIsTab) {
    focusNextChild();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TZadCheckBox::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  FDown = false;
  Toggle();
  if (OnClick) OnClick();
  Update_Box();
}

void TZadCheckBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  FFocused = true;
  update();
}

void TZadCheckBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  FFocused = false;
  FDown = false;
  update();
}

void TZadCheckBox::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  FHot = true;
  Update_Box();
}

void TZadCheckBox::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FHot = false;
  Update_Box();
}

void TZadCheckBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) update();
}

void TZadCheckBox::Update_Accelerator() {
  if (FAccelerator != 0) releaseShortcut(FAccelerator);
  FAccelerator = 0;
  const QKeySequence sequence = QKeySequence::mnemonic(FCaption);
  if (!sequence.isEmpty()) FAccelerator = grabShortcut(sequence);
}

bool TZadCheckBox::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && FAccelerator != 0 &&
      static_cast<QShortcutEvent*>(event)->shortcutId() == FAccelerator) {
    if (isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus) {
      Toggle();
      if (focusPolicy() & Qt::TabFocus) setFocus(Qt::ShortcutFocusReason);
    }
    return true;
  }
  return QWidget::event(event);
}
