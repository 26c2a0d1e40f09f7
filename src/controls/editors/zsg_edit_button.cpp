#include "controls/editors/zsg_edit_button.h"

#include "controls/editors/editor_input.h"

TZsgEditButton::TZsgEditButton(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  FButton = new TZadSpeedButton(this);
  FButton->OnMouseUp = [this](TZadSpeedButton* Sender, bool Inside) { Button_Released(Sender, Inside); };
  FButton->show();
  resize(20, 25);
}

void TZsgEditButton::SetFlat(bool Value) {
  FFlat = Value;
  FButton->SetFlat(Value);
}

void TZsgEditButton::SetButtonColor(TColor Value) {
  FButtonColor = Value;
  FButton->update();
}

void TZsgEditButton::SetButtonColorHot(TColor Value) {
  FButtonColorHot = Value;
  FButton->update();
}

void TZsgEditButton::SetButtonColorDown(TColor Value) {
  FButtonColorDown = Value;
  FButton->update();
}

void TZsgEditButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FButton->setGeometry(0, 0, width(), height());
}

void TZsgEditButton::Button_Released(TZadSpeedButton* Sender, bool Inside) {
  // A press that ends off the button is a change of mind, not a click.
  if (Sender == FButton && Inside && OnClick) OnClick(this);
  Focus_After_Button_Press(FFocusControl, this);
}
