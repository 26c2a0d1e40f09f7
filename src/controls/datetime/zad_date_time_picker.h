#pragma once
// TZadDateTimePicker: the date-time picker with a caption label beside it, a
// third kind that edits a date and a time at once (dkDateTime: a time picker
// sits in its right part), automatic advance to the next field while digits
// are typed (a digit that completes the date moves into the time picker),
// and the check box coupled to the time picker.
#include <QLabel>
#include <QPointer>

#include "controls/datetime/custom_date_time_picker.h"
#include "controls/editor_logic/label_placement.h"

enum TZadDateTimeKind { dkDate, dkTime, dkDateTime };

class TZadDateTimePicker : public TCustomDateTimePicker {
  Q_OBJECT

 public:
  explicit TZadDateTimePicker(QWidget* parent = nullptr);
  ~TZadDateTimePicker() override;

  std::function<void(QObject* Sender)> OnTimeChange;
  std::function<void(QObject* Sender)> OnLabelClick;
  std::function<void(QObject* Sender)> OnLabelDblClick;

  TZadDateTimeKind Kind() const { return FKind; }
  void SetKind(TZadDateTimeKind Value);
  // For dkDateTime the time comes from the time picker.
  TDateTime DateTime();
  void SetDateTime(TDateTime Value) { ApplyDateTime(Value); }
  TDateTime Date() const { return TDateTimePicker::Date(); }
  // Keeps the time of day.
  void SetDate(TDateTime Value);
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  QString TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const QString& Value);
  void SetAutoTab(bool Value) override;
  void SetBorderStyle(TBorderStyle Value) override;
  void SetColor(TColor Value) override;

  QLabel* PickerLabel() const { return FLabel; }
  QString LabelCaption() const { return FLabel ? FLabel->text() : QString(); }
  void SetLabelCaption(const QString& Value);
  QFont LabelFont() const { return FLabelFont; }
  void SetLabelFont(const QFont& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }

  QString Version() const { return QStringLiteral("1.2.0.0"); }
  // The embedded time picker (dkDateTime only; null before it is made).
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }
  // The first paint has happened.
  bool FirstRun() const { return FFirstRun; }

  void setVisible(bool visible) override;

 protected:
  virtual void DoChange();
  virtual void DoClick();
  virtual void ApplyDateTime(TDateTime Value);
  virtual void TimePickerKeyPress(QChar& Key);
  void ShiftFocus() override;
  bool SuppressMetroBorder() const override { return false; }
  void KeyPress(QChar& Key) override;
  void Date_Time_Changed(bool Valid) override;
  void Set_System_Time(bool Valid, const QDateTime& Value) override;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateTimePicker();
  void UpdateTimePicker();
  void CreateLabel();
  void PlaceLabel();
  void Time_Picker_Enabled_By_Check();

  TZadDateTimeKind FKind = dkDateTime;
  QString FTimeFormat;
  QDate FTypedDate;
  QPointer<QLabel> FLabel;
  const QObject* FLabelObject = nullptr;  // the label's identity for the event filter
  QFont FLabelFont;
  TLabelPosition FLabelPosition = lpLeftTop;
  int FLabelMargin = 4;
  bool FLabelTransparent = false;
  bool FFocusLabel = false;
  bool FLabelAlwaysEnabled = false;
  bool FIgnoreTimePickerCheck = false;
  bool FFirstRun = true;
  TCustomDateTimePicker* FTimePicker = nullptr;
};
