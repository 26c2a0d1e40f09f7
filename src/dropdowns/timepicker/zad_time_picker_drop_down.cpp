#include "dropdowns/timepicker/zad_time_picker_drop_down.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "controls/datetime/date_time_picker.h"
#include "controls/format_settings.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/timepicker/time_text.h"
#include "dropdowns/timepicker/watch_styles.h"
#include "dropdowns/timepicker/zad_watch.h"

namespace {

// The keys the watch takes in the popup; the edit sees them only with Alt.
bool Is_Watch_Key(int Key) {
  return Key == Qt::Key_PageUp || Key == Qt::Key_PageDown || Key == Qt::Key_Up || Key == Qt::Key_Down;
}

bool Passes_To_Edit(int Key, Qt::KeyboardModifiers Shift) { return !Is_Watch_Key(Key) || (Shift & Qt::AltModifier); }

QChar Separator() { return Process_Format_Settings().Time_Separator; }

// A hand animation still running when the popup closes is finished first:
// the time the user pointed at is the one taken.
void Finish_Animation(TZadWatch* Watch) {
  for (int i = 0; Watch && Watch->Animating() && i < 1000; ++i) Watch->AnimationTimerTick();
}

}  // namespace

TZadTimePickerDropDown::TZadTimePickerDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {
  SetEditorEnabled(false);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
}

TZadTimePickerDropDown::~TZadTimePickerDropDown() {
  if (FZadWatch) FZadWatch->OnChange = nullptr;
  if (FDateTimePicker) {
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->OnKeyDown = nullptr;
    FDateTimePicker->OnKeyPress = nullptr;
    FDateTimePicker->removeEventFilter(this);
  }
}

QString TZadTimePickerDropDown::FormatTime(int Hour, int Minute, int Second) const {
  return ::FormatTime(Hour, Minute, Second, FShowSeconds, Separator());
}

void TZadTimePickerDropDown::Apply_Mask() { SetEditMask(Time_Edit_Mask(FShowSeconds, Separator())); }

// ---- time ----

void TZadTimePickerDropDown::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  const QTime t = Time_Of(Value);
  // The text is read back like any other: the time keeps what it shows
  // (whole seconds, or whole minutes without seconds).
  SetRawText(FormatTime(t.hour(), t.minute(), t.second()));
  if (FDroppedDown && FZadWatch) {
    FZadWatch->SetTime(FTime);
    if (FShowTimePicker && FDateTimePicker) FDateTimePicker->SetTime(Time_Of_Day(FTime));
  }
}

void TZadTimePickerDropDown::SetHourPart(int Hour) {
  const QTime t = Time_Of(FTime);
  if (Hour == t.hour() || Hour < 0 || Hour > 23) return;
  SetTime(Day_Part(FTime) + Encode_Time(QTime(Hour, t.minute(), t.second(), t.msec())));
  Fire_Time_Change();
}

void TZadTimePickerDropDown::SetMinutePart(int Minute) {
  const QTime t = Time_Of(FTime);
  if (Minute == t.minute() || Minute < 0 || Minute > 59) return;
  SetTime(Day_Part(FTime) + Encode_Time(QTime(t.hour(), Minute, t.second(), t.msec())));
  Fire_Time_Change();
}

void TZadTimePickerDropDown::SetSecondPart(int Second) {
  const QTime t = Time_Of(FTime);
  if (Second == t.second() || Second < 0 || Second > 59) return;
  SetTime(Day_Part(FTime) + Encode_Time(QTime(t.hour(), t.minute(), Second, t.msec())));
  Fire_Time_Change();
}

void TZadTimePickerDropDown::Fire_Time_Change() {
  if (OnTimeChange) OnTimeChange(this);
}

void TZadTimePickerDropDown::SetShowSeconds(bool Value) {
  if (FShowSeconds == Value) return;
  FShowSeconds = Value;
  FInternalCall = true;
  SetEditMask(QString());
  SetRawText(QString());
  Apply_Mask();
  FInternalCall = false;
  // A different time first, so that writing the former one rewrites the text
  // in the new format.
  const TDateTime former = FTime;
  FTime = former + 1;
  SetTime(former);
}

void TZadTimePickerDropDown::Finish_Construction() {
  SetDropDownEnabled(true);
  FInternalCall = true;
  Apply_Mask();
  SetRawText(FormatTime(0, 0, 0));
  FInternalCall = false;
}

void TZadTimePickerDropDown::HandleTextChange() {
  TZadCustomDropDown::HandleTextChange();
  Read_Time_Text();
}

void TZadTimePickerDropDown::Read_Time_Text() {
  if (FInternalCall) return;
  const QString text = Text();
  const std::optional<Time_Parts> parts = Parse_Time_Text(text, FShowSeconds, Separator());
  if (!parts) return;
  FTime = Encode_Time(QTime(parts->Hour, parts->Minute, parts->Second));
  const QString formatted = FormatTime(parts->Hour, parts->Minute, parts->Second);
  if (formatted != text && parts->Minute == 0 && parts->Second == 0) {
    FInternalCall = true;
    SetRawText(formatted);
    FInternalCall = false;
  }
}

// ---- keys in the edit ----

void TZadTimePickerDropDown::keyPressEvent(QKeyEvent* Event) {
  const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
  TZadCustomDropDown::keyPressEvent(Event);
  const int key = Event->key();
  if (key != Qt::Key_Up && key != Qt::Key_Down) return;
  if (!EditorEnabled() || (Event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) return;
  // Up lowers the field under the caret, Down raises it, both wrapping.
  const int delta = key == Qt::Key_Up ? -1 : 1;
  const QTime t = Time_Of(FTime);
  switch (Field_At_Caret(Text(), caret, FShowSeconds, Separator())) {
    case Time_Field::Hour:
      SetHourPart(Step_Field(Time_Field::Hour, t.hour(), delta));
      break;
    case Time_Field::Minute:
      SetMinutePart(Step_Field(Time_Field::Minute, t.minute(), delta));
      break;
    case Time_Field::Second:
      SetSecondPart(Step_Field(Time_Field::Second, t.second(), delta));
      break;
  }
  setCursorPosition(caret);
  Event->accept();
}

// ---- popup ----

void TZadTimePickerDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!FPanelCtrl) {
    FPanelCtrl = new QWidget(FDropDownForm);
    auto* layout = new QVBoxLayout(FPanelCtrl);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FPanelCtrl->setAutoFillBackground(true);
  }
  FPanelCtrl->move(0, 0);
  FPanelCtrl->resize(FPanelCtrl->width(), 180);
  if (!FZadWatch) {
    FZadWatch = new TZadWatch(FPanelCtrl);
    static_cast<QVBoxLayout*>(FPanelCtrl->layout())->addWidget(FZadWatch, 1);
  }
  SetControl(FPanelCtrl);
}

void TZadTimePickerDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  if (!FPanelCtrl || !FZadWatch) return;
  FPanelCtrl->resize(170, 170);
  if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
  QPalette palette = FPanelCtrl->palette();
  palette.setColor(QPalette::Window, To_QColor(DropDownColor()));
  FPanelCtrl->setPalette(palette);
  TZadWatch* watch = FZadWatch;
  watch->SetAppearance(FWatchAppearance);
  watch->SetSettings(FWatchSettings);
  watch->SetShowAMPM(FShowWatchAMPM);
  watch->SetShowNumbers(FShowWatchNumbers);
  watch->SetAnimation(FAnimation);
  watch->SetAnimationFactor(FAnimationFactor);
  watch->OnChange = nullptr;
  if (!FWatchSettings.Auto()) watch->SetTime(FTime);
  watch->OnChange = [this](TZadWatch*) { WatchChanged(); };
  // What Esc brings back.
  FOpenTime = FTime;
  FOldText = Text();
  if (!FShowTimePicker) {
    if (FDateTimePicker) FDateTimePicker->hide();
    return;
  }
  if (!FDateTimePicker) {
    FDateTimePicker = new TDateTimePicker(FPanelCtrl);
    FDateTimePicker->SetKind(dtkTime);
    static_cast<QVBoxLayout*>(FPanelCtrl->layout())->addWidget(FDateTimePicker, 0);
    FDateTimePicker->installEventFilter(this);
  }
  TDateTimePicker* picker = FDateTimePicker;
  picker->OnChange = nullptr;
  picker->show();
  picker->SetTime(Time_Of_Day(FTime));
  picker->raise();
  picker->OnChange = [this](QObject*) { PickerChanged(); };
  picker->OnKeyDown = [this](int& Key, Qt::KeyboardModifiers Shift) { DoControlKeyDown(Key, Shift); };
  picker->OnKeyPress = [this](QChar& Key) { DoControlKeyPress(Key); };
  picker->SetFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
  FPanelCtrl->resize(170, picker->sizeHint().height() + 170);
}

void TZadTimePickerDropDown::WatchChanged() {
  if (!FZadWatch) return;
  const TDateTime watch_time = FZadWatch->Time();
  if (FShowTimePicker && FDateTimePicker && FDateTimePicker->Time() != Time_Of_Day(watch_time))
    FDateTimePicker->SetTime(Time_Of_Day(watch_time));
  if (watch_time == FTime) return;
  SetTime(watch_time);
  Fire_Time_Change();
}

void TZadTimePickerDropDown::PickerChanged() {
  if (!FDateTimePicker || !FZadWatch || FWatchSettings.Auto()) return;
  FZadWatch->SetTime(Day_Part(FZadWatch->Time()) + FDateTimePicker->Time());
}

void TZadTimePickerDropDown::DoHideDropDown(bool CancelChanges) {
  if (!FDropDownForm || !FDropDownForm->isVisible()) {
    TZadCustomDropDown::DoHideDropDown(CancelChanges);
    return;
  }
  if (CancelChanges) {
    // Back to the time the popup opened with, before anyone hears of the
    // close; the text the close writes back is that time's text.
    if (FZadWatch) {
      FZadWatch->OnChange = nullptr;
      FZadWatch->StopAnimation();
    }
    const TDateTime open = FOpenTime;
    FTime = open + 1;
    SetTime(open);
    FCancelling = true;
    FInternalCall = true;
    TZadCustomDropDown::DoHideDropDown(true);
    FInternalCall = false;
    FCancelling = false;
    return;
  }
  Finish_Animation(FZadWatch);
  if (FZadWatch) SetTime(FZadWatch->Time());
  TZadCustomDropDown::DoHideDropDown(false);
}

void TZadTimePickerDropDown::DoDropDownFormHide() {
  TZadCustomDropDown::DoDropDownFormHide();
  if (FCancelling || !FZadWatch) return;
  Finish_Animation(FZadWatch);
  SetTime(FZadWatch->Time());
}

void TZadTimePickerDropDown::DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  if (Passes_To_Edit(Key, Shift)) TZadCustomDropDown::DoDropDownFormKeyDown(Key, Shift);
  if (FDropDownForm && FDropDownForm->isVisible() && FZadWatch) FZadWatch->ProcessKey(Key);
}

void TZadTimePickerDropDown::DoDropDownFormKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  if (Passes_To_Edit(Key, Shift)) TZadCustomDropDown::DoDropDownFormKeyUp(Key, Shift);
}

void TZadTimePickerDropDown::DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  if (Passes_To_Edit(Key, Shift)) TZadCustomDropDown::DoControlKeyDown(Key, Shift);
}

void TZadTimePickerDropDown::DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  if (Passes_To_Edit(Key, Shift)) TZadCustomDropDown::DoControlKeyUp(Key, Shift);
}

bool TZadTimePickerDropDown::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FDateTimePicker.data() && FDroppedDown && Event->type() == QEvent::KeyRelease) {
    auto* key_event = static_cast<QKeyEvent*>(Event);
    int key = key_event->key();
    DoControlKeyUp(key, key_event->modifiers());
  }
  return TZadCustomDropDown::eventFilter(Watched, Event);
}

void TZadTimePickerDropDown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  ApplyControlStyle(FWatchAppearance, AStyle);
}
