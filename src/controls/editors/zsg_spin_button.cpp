#include "controls/editors/zsg_spin_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "controls/editors/editor_input.h"

TZsgSpinButton::TZsgSpinButton(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  FUpButton = CreateSpinButton();
  FDownButton = CreateSpinButton();
  SetUpGlyph({});
  SetDownGlyph({});
  FUpButton->SetButtonDirection(bdUp);
  FDownButton->SetButtonDirection(bdDown);
  FFocusedButton = FUpButton;
  resize(15, 25);
}

TZadTimerSpeedButton* TZsgSpinButton::CreateSpinButton() {
  auto* button = new TZadTimerSpeedButton(this);
  button->OnClick = [this](TZadTimerSpeedButton* Sender) { ButtonClicked(Sender); };
  button->OnMouseDown = [this](TZadTimerSpeedButton* Sender, Qt::MouseButton Button) {
    ButtonMouseDown(Sender, Button);
  };
  button->SetTimeBtnState(tbAllowTimer);
  button->show();
  return button;
}

void TZsgSpinButton::SetUpGlyph(const QImage& Value) {
  if (Value.isNull()) {
    FUpButton->SetGlyph(Spin_Arrow_Glyph(Arrow_Direction::Up));
    FUpButton->SetNumGlyphs(1);
  } else {
    FUpButton->SetGlyph(Value);
  }
}

void TZsgSpinButton::SetDownGlyph(const QImage& Value) {
  if (Value.isNull()) {
    FDownButton->SetGlyph(Spin_Arrow_Glyph(Arrow_Direction::Down));
    FDownButton->SetNumGlyphs(1);
  } else {
    FDownButton->SetGlyph(Value);
  }
}

void TZsgSpinButton::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  if (Value == spHorizontal) {
    FUpButton->SetButtonDirection(bdRight);
    FDownButton->SetButtonDirection(bdLeft);
    resize(20, height());
  } else {
    FUpButton->SetButtonDirection(bdUp);
    FDownButton->SetButtonDirection(bdDown);
    resize(15, height());
  }
  int w = width(), h = height();
  ArrangeButtons(w, h);
}

void TZsgSpinButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FUpButton->SetIsWinXP(Value);
  FDownButton->SetIsWinXP(Value);
}

void TZsgSpinButton::Repaint_Buttons() {
  FUpButton->update();
  FDownButton->update();
}

void TZsgSpinButton::SetButtonColor(TColor Value) {
  FButtonColor = Value;
  Repaint_Buttons();
}

void TZsgSpinButton::SetButtonColorHot(TColor Value) {
  FButtonColorHot = Value;
  Repaint_Buttons();
}

void TZsgSpinButton::SetButtonColorDown(TColor Value) {
  FButtonColorDown = Value;
  Repaint_Buttons();
}

void TZsgSpinButton::ArrangeButtons(int& W, int& H) {
  if (!FUpButton || !FDownButton) return;
  if (FDirection == spVertical) {
    W = std::max(W, 15);
    const int up_height = H / 2;
    FUpButton->setGeometry(0, 0, W, up_height);
    // The down button overlaps the up button by one pixel.
    FDownButton->setGeometry(0, up_height - 1, W, H - up_height + 1);
  } else {
    W = std::max(W, 20);
    FDownButton->setGeometry(0, 0, W / 2, H);
    FUpButton->setGeometry(W / 2 + 1, 0, W / 2, H);
  }
}

void TZsgSpinButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  int w = width(), h = height();
  ArrangeButtons(w, h);
  if (w != width() || h != height()) resize(w, h);
}

void TZsgSpinButton::paintEvent(QPaintEvent*) {
  // Only the pixel between the buttons of a horizontal pair shows.
  QPainter painter(this);
  painter.fillRect(rect(), To_QColor(clBtnFace, palette()));
}

void TZsgSpinButton::MoveFocusTo(TZadTimerSpeedButton* Button) {
  if (!TabStop() || !isEnabled() || Button == FFocusedButton) return;
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~tbFocusRect);
  FFocusedButton = Button;
  if (hasFocus()) FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
}

void TZsgSpinButton::ButtonMouseDown(TZadTimerSpeedButton* Sender, Qt::MouseButton Button) {
  if (Button != Qt::LeftButton) return;
  MoveFocusTo(Sender);
  Focus_After_Button_Press(FFocusControl, this);
}

void TZsgSpinButton::ButtonClicked(TZadTimerSpeedButton* Sender) {
  if (Sender == FUpButton) {
    if (OnUpClick) OnUpClick(this);
  } else if (Sender == FDownButton) {
    if (OnDownClick) OnDownClick(this);
  }
}

void TZsgSpinButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      FFocusedButton->Click();
      break;
    case Qt::Key_Up:
      MoveFocusTo(FUpButton);
      FUpButton->Click();
      break;
    case Qt::Key_Down:
      MoveFocusTo(FDownButton);
      FDownButton->Click();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TZsgSpinButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() | tbFocusRect);
}

void TZsgSpinButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() & ~tbFocusRect);
}
