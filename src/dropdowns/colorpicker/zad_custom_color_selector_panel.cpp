#include "dropdowns/colorpicker/zad_custom_color_selector_panel.h"

#include <QEvent>
#include <QPainter>

#include "controls/canvas.h"

TZadCustomColorSelectorPanel::TZadCustomColorSelectorPanel(QWidget* AOwner) : QWidget(AOwner) {
  // Keys go to the popup and from there to the picker.
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
}

void TZadCustomColorSelectorPanel::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  update();
}

bool TZadCustomColorSelectorPanel::event(QEvent* Event) {
  if (Event->type() == QEvent::ToolTip && !FShowHint) return true;
  return QWidget::event(Event);
}

void TZadCustomColorSelectorPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), To_QColor(FColor, palette()));
}
