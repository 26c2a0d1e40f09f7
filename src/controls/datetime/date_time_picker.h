#pragma once
// TDateTimePicker: the plain date-time picker the labelled and in-cell
// pickers build on. It shows a date or a time in fields taken from Format,
// which the user types into digit by digit, steps with Up and Down and
// walks with Left and Right; a date picker drops down a month calendar (or
// shows up-down arrows), a time picker always shows up-down arrows. With a
// check box the value can be switched off (Checked false: shown grey and
// left alone by the keys).
//
// Changes made by the user are announced through Date_Time_Changed (then
// OnChange); values written by the program go through Set_System_Time and
// announce nothing.
#include <QDateTime>
#include <QWidget>
#include <functional>
#include <vector>

#include "controls/datetime/date_time_fields.h"
#include "controls/editor_logic/date_time_value.h"
#include "controls/editor_logic/edit_layout.h"
#include "controls/tcolor.h"

class TMonthCalendar;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public QWidget {
  Q_OBJECT

 public:
  explicit TDateTimePicker(QWidget* parent = nullptr);
  ~TDateTimePicker() override;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnClick;
  std::function<void(QObject* Sender)> OnDropDown;
  std::function<void(QObject* Sender)> OnCloseUp;
  std::function<void(int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
  std::function<void(QChar& Key)> OnKeyPress;

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  // Empty: the short date or long time format of the format settings.
  QString Format() const { return FFormat; }
  void SetFormat(const QString& Value);
  // The format in force.
  QString Shown_Format() const;

  TDateTime DateTime() const { return Encode_Date_Time(FValue); }
  void SetDateTime(TDateTime Value);
  TDateTime Date() const { return Encode_Date(FValue.date()); }
  void SetDate(TDateTime Value);
  TDateTime Time() const { return Encode_Time(FValue.time()); }
  void SetTime(TDateTime Value);
  QDateTime Value() const { return FValue; }

  // 0: no limit (both must be set and MinDate below MaxDate).
  TDateTime MinDate() const { return FMinDate; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDateTime Value);

  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);

  // The drop-down calendar's look.
  bool WeekNumbers() const { return FWeekNumbers; }
  void SetWeekNumbers(bool Value) { FWeekNumbers = Value; }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { FShowToday = Value; }
  bool ShowTodayCircle() const { return FShowTodayCircle; }
  void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }

  TColor Color() const { return FColor; }
  virtual void SetColor(TColor Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);

  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  TMonthCalendar* Calendar() const { return FCalendar; }

  // The field the keys work on (-1: the check box).
  int FieldIndex() const { return FField; }
  void SetFieldIndex(int Value);
  const std::vector<Dtp_Field>& Fields() const { return FFields; }
  // The text the picker shows.
  QString Shown_Text() const;

  QSize sizeHint() const override;

 protected:
  // The user changed the value (Valid false: the check box was cleared).
  virtual void Date_Time_Changed(bool Valid);
  // The program sets the value (Valid false: clears the check box).
  virtual void Set_System_Time(bool Valid, const QDateTime& Value);
  // A typed character after OnKeyPress.
  virtual void KeyPress(QChar& Key);

  // Inset of the text area from the widget's edges (the border drawn).
  int Border_Width() const;
  // The text area's right end, the button (drop-down or up-down) and check box.
  QRect Button_Rect() const;
  QRect Check_Rect() const;
  // Width of the platform's drop-down button.
  static constexpr int kNativeButtonWidth = 17;
  // The platform look: border, face, check box, fields and button.
  void Paint_Base(QPainter& painter);
  bool Button_Pressed() const { return FButtonDown; }

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Rebuild_Fields();
  void User_Set(const QDateTime& Value);
  void User_Check(bool Value);
  void Step_Current(int Delta);
  void Next_Field(int Delta);
  int Field_At(int X) const;
  void Calendar_Closed();
  QDateTime Min_Value() const;
  QDateTime Max_Value() const;
  bool Uses_Up_Down() const { return FKind == dtkTime || FDateMode == dmUpDown; }

  TDateTimeKind FKind = dtkDate;
  TDTDateMode FDateMode = dmComboBox;
  QString FFormat;
  std::vector<Dtp_Field> FFields;
  QDateTime FValue;
  TDateTime FMinDate = 0;
  TDateTime FMaxDate = 0;
  bool FShowCheckbox = false;
  bool FChecked = true;
  bool FWeekNumbers = false;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
  TColor FColor = clWindow;
  TBorderStyle FBorderStyle = bsSingle;
  bool FCtl3D = true;
  int FField = 0;
  Dtp_Typing FTyping;
  TMonthCalendar* FCalendar = nullptr;
  bool FDropped = false;
  bool FButtonDown = false;
  // -1 down arrow, +1 up arrow held.
  int FArrowDown = 0;
};
