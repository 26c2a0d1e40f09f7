#include "controls/editors/zsg_spin_edit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/editor_logic/spin_char_filter.h"
#include "controls/editors/edit_border.h"
#include "controls/editors/editor_input.h"
#include "controls/format_settings.h"

TZsgSpinEdit::TZsgSpinEdit(QWidget* parent) : QLineEdit(parent) {
  // The border is drawn by paintEvent, in the classic look.
  setFrame(false);
  setAutoFillBackground(true);
  FButton = new TZsgSpinButton(this);
  FButton->resize(15, 17);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](QObject* Sender) { UpClick(Sender); };
  FButton->OnDownClick = [this](QObject* Sender) { DownClick(Sender); };
  FButton->show();
  setText(QStringLiteral("0"));
  resize(121, 21);
  Update_Layout();
}

TZsgSpinEdit::~TZsgSpinEdit() {
  // The pair's clicks call back into this edit; stop them before it goes.
  FButton->OnUpClick = nullptr;
  FButton->OnDownClick = nullptr;
}

// --- values ---------------------------------------------------------------

int TZsgSpinEdit::Value() const { return Spin_Read_Int(text(), FMinValue); }

void TZsgSpinEdit::SetValue(int NewValue) {
  setText(QString::number(Spin_Clamp(NewValue, FMinValue, FMaxValue)));
  if (!FEditorEnabled) selectAll();
}

double TZsgSpinEdit::FloatValue() const { return Spin_Read_Float(text(), FMinFloatValue, Process_Format_Settings()); }

void TZsgSpinEdit::SetFloatValue(double NewValue) {
  setText(
      Spin_Format_Float(Spin_Clamp(NewValue, FMinFloatValue, FMaxFloatValue), FPrecision, Process_Format_Settings()));
}

TDateTime TZsgSpinEdit::DateValue() const {
  return Spin_Read_Date(text(), FMinDateValue, Now_Date_Time(), Process_Format_Settings());
}

void TZsgSpinEdit::SetDateValue(TDateTime NewValue) {
  FDateValue = NewValue;
  FDateValue = Spin_Clamp(NewValue, FMinDateValue, FMaxDateValue);
  Set_Text_Keep_Caret(Spin_Format_Date(FDateValue, Process_Format_Settings()));
}

TDateTime TZsgSpinEdit::TimeValue() const { return Spin_Read_Time(text(), Process_Format_Settings()); }

void TZsgSpinEdit::SetTimeValue(TDateTime NewValue) {
  FTimeValue = NewValue;
  FTimeValue = Spin_Clamp(NewValue, FMinDateValue, FMaxDateValue);
  Set_Text_Keep_Caret(Spin_Format_Time(FTimeValue, FShowSeconds, Process_Format_Settings()));
}

void TZsgSpinEdit::Set_Text_Keep_Caret(const QString& Text) {
  const int caret = Sel_Start();
  setText(Text);
  setCursorPosition(std::min(caret, int(Text.size())));
}

int TZsgSpinEdit::Sel_Start() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TZsgSpinEdit::SetSpinType(TZsgSpinType Value) {
  FSpinType = Value;
  switch (Value) {
    case sptNormal:
      SetValue(this->Value());
      break;
    case sptFloat:
      SetFloatValue(FloatValue());
      break;
    case sptDate:
      SetDateValue(DateValue());
      break;
    case sptTime:
      SetTimeValue(TimeValue());
      break;
  }
}

void TZsgSpinEdit::SetPrecision(int Value) {
  FPrecision = Value;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

// --- stepping -------------------------------------------------------------

void TZsgSpinEdit::StepUp(bool Page) { Step(true, Page); }

void TZsgSpinEdit::StepDown(bool Page) { Step(false, Page); }

void TZsgSpinEdit::Step(bool Up, bool Page) {
  if (isReadOnly()) {
    Editor_Beep();
    return;
  }
  const Format_Settings& settings = Process_Format_Settings();
  switch (FSpinType) {
    case sptNormal:
      SetValue(Spin_Step_Int(Value(), FIncrement, Up));
      break;
    case sptFloat: {
      const double step = Page ? FIncrementFloatPage : FIncrementFloat;
      SetFloatValue(Up ? FloatValue() + step : FloatValue() - step);
      break;
    }
    case sptDate: {
      const Spin_Date_Field field = Spin_Date_Field_At(text(), Sel_Start(), settings, &FUsDates);
      SetDateValue(Spin_Step_Date(DateValue(), field, Up));
      break;
    }
    case sptTime: {
      const Spin_Time_Field field = Spin_Time_Field_At(text(), Sel_Start(), FShowSeconds, settings.Time_Separator);
      const TDateTime step = Spin_Time_Step(field, FIncrementHours, FIncrementMinutes, FIncrementSeconds);
      SetTimeValue(Spin_Step_Time(TimeValue(), step, Up));
      break;
    }
  }
}

void TZsgSpinEdit::UpClick(QObject*) { StepUp(false); }

void TZsgSpinEdit::DownClick(QObject*) { StepDown(false); }

// --- typing ---------------------------------------------------------------

bool TZsgSpinEdit::IsValidChar(QChar Key) const {
  Spin_Char_Input input;
  input.Key = Key;
  input.SpinType = FSpinType;
  input.Text = text();
  input.SelStart = Sel_Start();
  input.SelText = selectedText();
  input.Precision = FPrecision;
  input.EditorEnabled = FEditorEnabled;
  return Spin_Is_Valid_Char(input, Process_Format_Settings());
}

void TZsgSpinEdit::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  switch (key) {
    case Qt::Key_PageUp:
      StepUp(true);
      return;
    case Qt::Key_PageDown:
      StepDown(true);
      return;
    case Qt::Key_Up:
      StepUp(false);
      return;
    case Qt::Key_Down:
      StepDown(false);
      return;
    default:
      break;
  }
  const Qt::KeyboardModifiers shift = event->modifiers();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && FReturnIsTab) {
    key = Qt::Key_Tab;
    QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
  } else if (key == Qt::Key_Delete && !FEditorEnabled) {
    key = 0;
  }
  if (OnKeyDown) OnKeyDown(key, shift);

  QChar ch = Typed_Char(event);
  if (!ch.isNull()) {
    // The keypad's decimal key carries the keypad flag; the main keyboard's period does not.
    if (FExcelStyleDecimalSeparator && ch == QLatin1Char('.') && (shift & Qt::KeypadModifier))
      ch = Process_Format_Settings().Decimal_Separator;
    if (!IsValidChar(ch)) {
      Editor_Beep();
      return;
    }
    if (OnKeyPress) OnKeyPress(ch);
    if (ch.isNull()) return;
    if (Is_Paste_Or_Cut(event) && !Paste_Allowed()) return;
    if (ch.unicode() < 32 || ch == Typed_Char(event)) {
      QLineEdit::keyPressEvent(event);
    } else {
      insert(QString(ch));
    }
    return;
  }
  if (key == 0 || key == Qt::Key_Tab) return;
  if (Is_Paste_Or_Cut(event) && !Paste_Allowed()) return;
  if (key != event->key()) return;
  QLineEdit::keyPressEvent(event);
}

void TZsgSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The selection paste of the middle button is a paste like any other.
  if (event->button() == Qt::MiddleButton && !Paste_Allowed()) return;
  QLineEdit::mouseReleaseEvent(event);
}

void TZsgSpinEdit::contextMenuEvent(QContextMenuEvent* event) { Exec_Edit_Context_Menu(this, event, Paste_Allowed()); }

// --- focus ----------------------------------------------------------------

void TZsgSpinEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // With typing off, a click selects all as well.
  Select_On_Focus_In(this, event, FAutoSelect, !FEditorEnabled);
}

void TZsgSpinEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  Clamp_On_Exit();
}

void TZsgSpinEdit::Clamp_On_Exit() {
  switch (FSpinType) {
    case sptNormal: {
      const int v = Value();
      if (Spin_Clamp(v, FMinValue, FMaxValue) != v) SetValue(v);
      break;
    }
    case sptFloat: {
      const double v = FloatValue();
      if (Spin_Clamp(v, FMinFloatValue, FMaxFloatValue) != v) SetFloatValue(v);
      break;
    }
    case sptDate: {
      const TDateTime v = DateValue();
      if (Spin_Clamp(v, FMinDateValue, FMaxDateValue) != v) SetDateValue(v);
      break;
    }
    case sptTime: {
      const TDateTime v = TimeValue();
      if (Spin_Clamp(v, FMinDateValue, FMaxDateValue) != v) SetTimeValue(v);
      break;
    }
  }
}

// --- look and layout ------------------------------------------------------

void TZsgSpinEdit::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  FButton->SetDirection(Value);
  Update_Layout();
}

void TZsgSpinEdit::SetEditAlign(TEditAlign Value) {
  FEditAlign = Value;
  setAlignment(Value == eaRight    ? Qt::AlignRight | Qt::AlignVCenter
               : Value == eaCenter ? Qt::AlignHCenter | Qt::AlignVCenter
                                   : Qt::AlignLeft | Qt::AlignVCenter);
}

void TZsgSpinEdit::SetSpinFlat(bool Value) {
  FButton->UpButton()->SetFlat(Value);
  FButton->DownButton()->SetFlat(Value);
  FSpinFlat = Value;
}

void TZsgSpinEdit::SetSpinTransparent(bool Value) {
  FButton->UpButton()->SetTransparent(Value);
  FButton->DownButton()->SetTransparent(Value);
  FSpinTransparent = Value;
  Update_Layout();
}

void TZsgSpinEdit::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  Update_Layout();
  update();
}

void TZsgSpinEdit::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->SetIsWinXP(Value);
}

int TZsgSpinEdit::MinHeight() const {
  return Spin_Edit_Min_Height(fontMetrics().height(), QFontMetrics(QApplication::font()).height(), FBorderStyle);
}

QSize TZsgSpinEdit::sizeHint() const { return QSize(121, MinHeight()); }

QSize TZsgSpinEdit::minimumSizeHint() const { return QSize(FButton->width() + 8, MinHeight()); }

void TZsgSpinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  // A hidden edit takes the new height at once but gets no second resize
  // event for it (the one pending is sent on showing, with the size it then
  // has), so the pair is laid out here for the height just set.
  if (height() < MinHeight()) resize(width(), MinHeight());
  Update_Layout();
}

void TZsgSpinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateGeometry();
}

void TZsgSpinEdit::Update_Layout() {
  const QRect pair = Embedded_Part_Rect(size(), FButton->width(), FBorderStyle);
  FButton->setGeometry(pair);
  setTextMargins(Spin_Edit_Text_Margins(size(), FButton->width(), FBorderStyle));
}

void TZsgSpinEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  Paint_Edit_Border(this, FBorderStyle);
}
