#pragma once
// TZsgSpinEdit: a single-line edit with a pair of arrow buttons inside its
// right edge. It edits one value of one kind (integer, floating, date, time),
// keeps it within its limits, steps it with the buttons, the arrow keys and
// Page Up/Down (dates and times by the field under the caret), and refuses
// typed characters that cannot belong to a value of its kind, with a beep.
// The value rules themselves are spin_value's and spin_char_filter's.
#include <QLineEdit>
#include <functional>

#include "controls/editor_logic/date_time_value.h"
#include "controls/editor_logic/edit_layout.h"
#include "controls/editor_logic/spin_value.h"
#include "controls/editors/zsg_spin_button.h"

enum TEditAlign { eaLeft, eaRight, eaCenter };

class TZsgSpinEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TZsgSpinEdit(QWidget* parent = nullptr);
  ~TZsgSpinEdit() override;

  // Events: a handler may change or clear (0) the key.
  std::function<void(int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
  std::function<void(QChar& Key)> OnKeyPress;

  TZsgSpinButton* Button() const { return FButton; }

  // Values read from the text and written as text (clamped and formatted).
  int Value() const;
  void SetValue(int NewValue);
  double FloatValue() const;
  void SetFloatValue(double NewValue);
  TDateTime DateValue() const;
  void SetDateValue(TDateTime NewValue);
  TDateTime TimeValue() const;
  void SetTimeValue(TDateTime NewValue);

  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value) { FMinValue = Value; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value) { FMaxValue = Value; }
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
  // Limits of dates and of times (equal: no limit).
  TDateTime MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(TDateTime Value) { FMinDateValue = Value; }
  TDateTime MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(TDateTime Value) { FMaxDateValue = Value; }

  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
  double IncrementFloatPage() const { return FIncrementFloatPage; }
  void SetIncrementFloatPage(double Value) { FIncrementFloatPage = Value; }
  int IncrementHours() const { return FIncrementHours; }
  void SetIncrementHours(int Value) { FIncrementHours = Value; }
  int IncrementMinutes() const { return FIncrementMinutes; }
  void SetIncrementMinutes(int Value) { FIncrementMinutes = Value; }
  int IncrementSeconds() const { return FIncrementSeconds; }
  void SetIncrementSeconds(int Value) { FIncrementSeconds = Value; }

  TZsgSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TZsgSpinType Value);
  // Decimals of a floating value; 0: the general form.
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value) { FShowSeconds = Value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  // The keypad's decimal key types the decimal separator.
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool AllowEmptyValue() const { return FAllowEmptyValue; }
  void SetAllowEmptyValue(bool Value) { FAllowEmptyValue = Value; }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // Set by each date step: the short date format puts the month first.
  bool UsDates() const { return FUsDates; }

  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  void SetIsWinXP(bool Value);

  virtual void StepUp(bool Page);
  virtual void StepDown(bool Page);
  virtual bool IsValidChar(QChar Key) const;
  virtual void UpClick(QObject* Sender);
  virtual void DownClick(QObject* Sender);

  // The smallest height the font allows.
  int MinHeight() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Step(bool Up, bool Page);
  // Start of the selection, or the caret.
  int Sel_Start() const;
  // Sets the text keeping the caret where it was.
  void Set_Text_Keep_Caret(const QString& Text);
  bool Paste_Allowed() const { return FEditorEnabled && !isReadOnly(); }
  void Update_Layout();
  void Clamp_On_Exit();

  TZsgSpinButton* FButton = nullptr;
  int FMinValue = 0;
  int FMaxValue = 100;
  double FMinFloatValue = 0.0;
  double FMaxFloatValue = 100.0;
  TDateTime FMinDateValue = 0;
  TDateTime FMaxDateValue = 0;
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
  int FIncrement = 1;
  double FIncrementFloat = 0.1;
  bool FEditorEnabled = true;
  TSpinDirection FDirection = spVertical;
  TZsgSpinType FSpinType = sptNormal;
  int FPrecision = 0;
  bool FReturnIsTab = false;
  bool FIsWinXP = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FUsDates = false;
  bool FShowSeconds = true;
  int FIncrementSeconds = 1;
  int FIncrementMinutes = 1;
  int FIncrementHours = 1;
  TEditAlign FEditAlign = eaLeft;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  bool FAllowEmptyValue = false;
  double FIncrementFloatPage = 1.0;
  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = bsSingle;
};
