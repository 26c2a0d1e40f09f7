#include "dropdowns/trackbar/zad_track_bar_drop_down.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "dropdowns/base/drop_down_form.h"

TZadTrackBarDropDown::TZadTrackBarDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

void TZadTrackBarDropDown::Finish_Construction() {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etNumeric);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
  SetForceShadow(true);
  SetDropDownShadow(true);
}

// ---- properties ----

void TZadTrackBarDropDown::Sync_Range() {
  if (!FTrackBar) return;
  // Only the user's moves of the slider count as its changes.
  const QSignalBlocker block(FTrackBar);
  FTrackBar->setMinimum(FMin);
  FTrackBar->setMaximum(FMax);
  FTrackBar->setValue(FPosition);
  FMin = FTrackBar->minimum();
  FMax = FTrackBar->maximum();
  FPosition = FTrackBar->value();
}

void TZadTrackBarDropDown::SetMin(int Value) {
  FMin = Value;
  if (FTrackBar) {
    const QSignalBlocker block(FTrackBar);
    FTrackBar->setMinimum(Value);
    FMin = FTrackBar->minimum();
    FMax = FTrackBar->maximum();
    FPosition = FTrackBar->value();
  }
}

void TZadTrackBarDropDown::SetMax(int Value) {
  FMax = Value;
  if (FTrackBar) {
    const QSignalBlocker block(FTrackBar);
    FTrackBar->setMaximum(Value);
    FMin = FTrackBar->minimum();
    FMax = FTrackBar->maximum();
    FPosition = FTrackBar->value();
  }
}

void TZadTrackBarDropDown::SetPosition(int Value) {
  FPosition = Value;
  if (FTrackBar) {
    const QSignalBlocker block(FTrackBar);
    FTrackBar->setValue(Value);
    FPosition = FTrackBar->value();
  }
}

void TZadTrackBarDropDown::SetFrequency(int Value) {
  FFrequency = Value;
  if (FTrackBar) FTrackBar->setTickInterval(Value);
}

void TZadTrackBarDropDown::SetPageSize(int Value) {
  FPageSize = Value;
  if (FTrackBar) FTrackBar->setPageStep(Value);
}

// ---- popup ----

void TZadTrackBarDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!FTrackBar && DropDownForm()) {
    FTrackBar = new QSlider(Qt::Horizontal, DropDownForm());
    FTrackBar->setTickPosition(QSlider::TicksBelow);
    FTrackBar->setGeometry(0, 0, width(), 40);
    FTrackBar->setTickInterval(FFrequency);
    FTrackBar->setPageStep(FPageSize);
    Sync_Range();
    connect(FTrackBar, &QSlider::valueChanged, this, [this] { TrackBarChange(); });
    SetFocusControl(FTrackBar);
  }
}

void TZadTrackBarDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  if (DropDownForm()) DropDownForm()->SetCancelOnDeActivate(false);
  FOpenPosition = FPosition;
  if (FTrackBar) {
    Sync_Range();
    FTrackBar->setPageStep(FPageSize);
    FTrackBar->setTickInterval(FFrequency);
    FTrackBar->resize(width(), FTrackBar->height());
    SetControl(FTrackBar);
  }
}

void TZadTrackBarDropDown::DoHideDropDown(bool CancelChanges) {
  // A cancel puts back the position the popup opened with (the edit's text
  // follows it through HandleTextChange).
  if (CancelChanges && DropDownForm() && DropDownForm()->isVisible()) FOldText = QString::number(FOpenPosition);
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
}

void TZadTrackBarDropDown::TrackBarChange() {
  if (!FTrackBar) return;
  FPosition = FTrackBar->value();
  // Raw: no prefix, suffix or formatting; this fires OnChange.
  SetRawText(QString::number(FPosition));
  if (OnTrackChange) OnTrackChange(this);
}

void TZadTrackBarDropDown::HandleTextChange() {
  // The position first, so that OnChange reads the one the text shows. A
  // text that is no integer leaves the position as it was.
  bool ok = false;
  const int value = Text().trimmed().toInt(&ok);
  if (ok) SetPosition(value);
  TZadCustomDropDown::HandleTextChange();
}

void TZadTrackBarDropDown::Take_Position(int Value) {
  SetPosition(Value);
  const QString shown = QString::number(FPosition);
  if (Text() != shown) SetRawText(shown);
}

// ---- keys and mouse ----

void TZadTrackBarDropDown::keyPressEvent(QKeyEvent* Event) {
  TZadCustomDropDown::keyPressEvent(Event);
  if (EditorEnabled() || (Event->modifiers() & Qt::AltModifier)) return;
  // While the popup is open the slider takes its own arrow keys.
  if (DropDownForm() && DropDownForm()->isVisible()) return;
  // A step that would leave the range is not taken at all.
  if (Event->key() == Qt::Key_Up && FPosition - FFrequency >= FMin) Take_Position(FPosition - FFrequency);
  if (Event->key() == Qt::Key_Down && FPosition + FFrequency <= FMax) Take_Position(FPosition + FFrequency);
}

void TZadTrackBarDropDown::mousePressEvent(QMouseEvent* Event) {
  TZadCustomDropDown::mousePressEvent(Event);
  if (DropDownEnabled() && !EditorEnabled()) {
    FMouseX = Event->position().toPoint().x();
    FMouseDraging = true;
  }
}

void TZadTrackBarDropDown::mouseMoveEvent(QMouseEvent* Event) {
  TZadCustomDropDown::mouseMoveEvent(Event);
  if (!DropDownEnabled() || EditorEnabled() || !FMouseDraging) return;
  const int x = Event->position().toPoint().x();
  // Whatever is left of a move shorter than PageSize is dropped.
  const int divisor = FPageSize < 1 ? 1 : FPageSize;
  const int step = (x - FMouseX) / divisor;
  if (step != 0) Take_Position(FPosition + step);
  FMouseX = x;
}

void TZadTrackBarDropDown::mouseReleaseEvent(QMouseEvent* Event) {
  TZadCustomDropDown::mouseReleaseEvent(Event);
  FMouseDraging = false;
}
