#pragma once
// TZadTimePickerDropDown: a drop-down edit for a time of day. The edit shows
// the time through a mask as hh:mm:ss (or hh:mm) with the locale's time
// separator; with the editor enabled Up and Down step the field under the
// caret. The popup holds an analogue watch and, with ShowTimePicker, a time
// picker below it; the watch follows the time when the popup opens, and
// closing the popup takes the watch's time (Esc brings back the time the
// popup opened with). The grid uses it as its time drop-down editor.
//
// Make one with Create_Drop_Down<TZadTimePickerDropDown>(parent).
#include <QPointer>
#include <functional>

#include "controls/datetime/date_time_picker.h"
#include "controls/editor_logic/date_time_value.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/timepicker/watch_appearance.h"
#include "dropdowns/timepicker/watch_settings.h"
#include "dropdowns/timepicker/zad_watch.h"

class QWidget;

class TZadTimePickerDropDown : public TZadCustomDropDown {
 public:
  explicit TZadTimePickerDropDown(QWidget* AOwner = nullptr);
  ~TZadTimePickerDropDown() override;

  // The time; the edit's text follows it and the time keeps what the text
  // shows (whole seconds, whole minutes without seconds). A write fires no
  // OnTimeChange.
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  // The parts of Time: out-of-range values (hour above 23, minute or second
  // above 59) and the value already held do nothing; a change fires
  // OnTimeChange.
  void SetHourPart(int Hour);
  void SetMinutePart(int Minute);
  void SetSecondPart(int Second);
  // The text of a time in the present format.
  QString FormatTime(int Hour, int Minute, int Second) const;

  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value);
  bool ShowTimePicker() const { return FShowTimePicker; }
  void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
  // Copied into the watch each time the popup opens.
  TWatchAppearance& WatchAppearance() { return FWatchAppearance; }
  void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance.Assign(Value); }
  TWatchSettings& WatchSettings() { return FWatchSettings; }
  void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings.Assign(Value); }
  bool ShowWatchAMPM() const { return FShowWatchAMPM; }
  void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
  bool ShowWatchNumbers() const { return FShowWatchNumbers; }
  void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  int AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
  int MaxLength() const { return maxLength(); }
  void SetMaxLength(int Value) { setMaxLength(Value); }

  // The popup's parts (null until first opened; the picker until first shown).
  TZadWatch* Watch() const { return FZadWatch; }
  TDateTimePicker* TimePicker() const { return FDateTimePicker; }
  QWidget* Panel() const { return FPanelCtrl; }

  // The time changed by the user (a part setter, the edit's Up and Down,
  // the watch).
  std::function<void(TZadTimePickerDropDown* Sender)> OnTimeChange;

  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormHide() override;
  void DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoDropDownFormKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void SetComponentStyle(TDUDStyle AStyle) override;

 protected:
  void Finish_Construction() override;
  // After the edit's change notice: a text set from outside becomes the time.
  void HandleTextChange() override;
  void keyPressEvent(QKeyEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void WatchChanged();
  void PickerChanged();
  // Reads a text set from outside into the time.
  void Read_Time_Text();
  void Fire_Time_Change();
  void Apply_Mask();

  bool FShowTimePicker = false;
  QPointer<TZadWatch> FZadWatch;
  QPointer<TDateTimePicker> FDateTimePicker;
  QPointer<QWidget> FPanelCtrl;
  TWatchAppearance FWatchAppearance;
  bool FShowWatchAMPM = true;
  bool FShowWatchNumbers = true;
  bool FAnimation = true;
  int FAnimationFactor = 10;
  TDateTime FTime = 0;
  TWatchSettings FWatchSettings;
  bool FInternalCall = false;
  bool FShowSeconds = true;
  // The time when the popup opened, and a cancel in progress.
  TDateTime FOpenTime = 0;
  bool FCancelling = false;
};
