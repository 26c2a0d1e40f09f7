#include "dropdowns/calculator/zad_calculator_dropdown.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/number_text.h"
#include "dropdowns/calculator/custom_button_panel.h"

TZadCalculatorDropdown::TZadCalculatorDropdown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

TZadCalculatorDropdown::~TZadCalculatorDropdown() = default;

void TZadCalculatorDropdown::Finish_Construction() {
  SetDropDownColor(0xFFFFFF);
  SetDropDownWidth(230);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
  SetEditType(etFloat);
  FCalc.FPrevop = coNone;
  SetPrecision(2);
  FCalc.FDecim = 0;
  FCalcClosed = true;
  FCalc.FMVal = 0;
  SetModified(false);
}

// ---- value ----

long double TZadCalculatorDropdown::Value() {
  if (Text().isEmpty()) SetText(QStringLiteral("0"));
  return FCalc.Read_Display();
}

void TZadCalculatorDropdown::SetValue(long double Value) {
  SetText(Format_Number(static_cast<double>(Value), Number_Format::General, 0));
}

void TZadCalculatorDropdown::CalcResult() { FCalc.CalcResult(); }

void TZadCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (FShowThousandSeparator == Value) return;
  FShowThousandSeparator = Value;
  SetEditType(Value ? etMoney : etFloat);
  SetFloatValue(GetFloatValue());
}

// ---- popup ----

void TZadCalculatorDropdown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  if (!FZadButtonPanel) {
    FZadButtonPanel = new TCustomButtonPanel(DropDownForm());
    FZadButtonPanel->SetZadDropDown(this);
    FZadButtonPanel->resize(230, 150);
    FZadButtonPanel->CreateCalculatorButtons();
  }
  SetControl(FZadButtonPanel);
  FZadButtonPanel->OnButtonClick = [this](QObject* Sender, int Index) { Calculator_Button_Click(Sender, Index); };
}

void TZadCalculatorDropdown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  // Leaving the popup for another window keeps the display.
  if (DropDownForm()) DropDownForm()->SetCancelOnDeActivate(false);
  if (FZadButtonPanel) {
    FZadButtonPanel->ButtonAppearance().Assign(FCalcButtonAppearance);
    FZadButtonPanel->SetColor(DropDownColor());
    FZadButtonPanel->ArrangeButtons();
  }
  FCalc.FNewval = true;
  FCalc.FDecim = 0;
  FCalcClosed = false;
}

bool TZadCalculatorDropdown::Popup_Showing() const {
  return !FCalcClosed && DropDownForm() && DropDownForm()->isVisible();
}

void TZadCalculatorDropdown::DoBeforeCalcInput() {}

void TZadCalculatorDropdown::Calculator_Button_Click(QObject* Sender, int Index) {
  (void)Sender;
  if (!FZadButtonPanel) return;
  const TButtonItem* item = FZadButtonPanel->Buttons().Items(Index);
  if (!item) return;
  DoBeforeCalcInput();
  FCalc.Key(item->Tag());
}

// ---- keys ----

void TZadCalculatorDropdown::Caret_After_First() { setCursorPosition(static_cast<int>(Prefix().size()) + 1); }

bool TZadCalculatorDropdown::HandleKeyPress(QChar Key) {
  // With the popup closed the operators typed into the edit work the
  // calculator.
  if (!Popup_Showing()) {
    switch (Key.unicode()) {
      case u'=':
        FCalc.CalcResult();
        return true;
      case u'%':
        FCalc.CalcPercent();
        return true;
      case u'*':
        FCalc.CalcMultiply();
        return true;
      case u'+':
        FCalc.CalcAdd();
        return true;
      case u'-':
        FCalc.CalcSubtract();
        return true;
      case u'/':
        FCalc.CalcDivide();
        return true;
      case u'C':
      case u'c':
        SetText(QStringLiteral("0"));
        FCalc.FNewval = true;
        FCalc.FPrevop = coNone;
        return true;
      default:
        break;
    }
  }
  const bool digit = Key >= u'0' && Key <= u'9';
  const QChar dec = Decimal_Separator();
  if (!digit && Key != dec && Key != u'\b' && Key != u'-') return true;
  const QString display = Text();
  // A zero display is replaced by the first digit, unless the caret already
  // stands among its decimals.
  const qsizetype dec_at = display.indexOf(dec);
  const int caret = cursorPosition() - static_cast<int>(Prefix().size());
  const bool zero =
      display == QLatin1String("0") ||
      (display == Value_To_Write(Value_Settings(), QStringLiteral("0")) && (dec_at < 0 || caret <= dec_at));
  if ((zero || FCalc.FNewval) && digit) {
    SetText(QString(Key));
    SetModified(true);
    Caret_After_First();
    FCalc.FNewval = false;
    return true;
  }
  if (display.size() == 1 && Key == u'\b') {
    SetText(QStringLiteral("0"));
    SetModified(true);
    Caret_After_First();
    return true;
  }
  if (Key == Thousand_Separator() && Key != dec) return true;
  // A second decimal separator goes on to the edit, which moves the caret
  // behind the one there is.
  return false;
}

void TZadCalculatorDropdown::keyPressEvent(QKeyEvent* Event) {
  const bool typing = EditorEnabled() && !isReadOnly() && isEnabled();
  const bool shortcut = Event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
  QChar key;
  if (Event->key() == Qt::Key_Backspace && !shortcut)
    key = QLatin1Char('\b');
  else if (Event->text().size() == 1 && Event->text()[0].isPrint() && !shortcut)
    key = Event->text()[0];
  if (typing && !key.isNull() && HandleKeyPress(key)) {
    Event->accept();
    return;
  }
  TZadCustomDropDown::keyPressEvent(Event);
  // Delete repairs an "Error" display.
  if (Event->key() == Qt::Key_Delete && (Text().isEmpty() || Text() == QLatin1String("Error")))
    SetText(QStringLiteral("0"));
}

void TZadCalculatorDropdown::DoDropDownFormKeyPress(QChar& Key) {
  // Enter, Esc and Backspace are the popup's own; everything else is also
  // typed into the edit, whose filter drops what is not a digit.
  const bool own = Key == u'\r' || Key == QChar(0x1B) || Key == u'\b';
  if (!own) TZadCustomDropDown::DoDropDownFormKeyPress(Key);
  DoBeforeCalcInput();
  const QChar dec = Decimal_Separator();
  if (Key == dec) {
    if (!Text().contains(dec)) SetText(Text() + dec);
    FCalc.FDecim = 10;
  }
  const bool digit = Key >= u'0' && Key <= u'9';
  if (digit && maxLength() > 0 && Text().size() == maxLength()) return;
  switch (Key.unicode()) {
    case u'\r':
      FCalc.CalcResult();
      DoHideDropDown(false);
      break;
    case 0x1B:
      DoHideDropDown(true);
      break;
    case u'%':
      FCalc.CalcPercent();
      break;
    case u'*':
      FCalc.CalcMultiply();
      break;
    case u'+':
      FCalc.CalcAdd();
      break;
    case u'-':
      FCalc.CalcSubtract();
      break;
    case u'/':
      FCalc.CalcDivide();
      break;
    case u'=':
      FCalc.CalcResult();
      break;
    case u'C':
    case u'c':
      SetText(QStringLiteral("0"));
      FCalc.FPrevval = 0;
      FCalc.FNewval = true;
      FCalc.FPrevop = coNone;
      break;
    default:
      if (digit && (Text() == QLatin1String("0") || FCalc.FNewval)) FCalc.FNewval = false;
      break;
  }
}

void TZadCalculatorDropdown::DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  if (Key == Qt::Key_Backspace) {
    QString t = Text();
    t.chop(1);
    if (t.isEmpty() || t == QLatin1String("Error")) t = QStringLiteral("0");
    SetText(t);
    SetModified(true);
    return;
  }
  // Enter and Esc close through their characters (computing first).
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Escape) return;
  TZadCustomDropDown::DoDropDownFormKeyDown(Key, Shift);
  if (Key == Qt::Key_Tab || Key == Qt::Key_F4) DoHideDropDown(false);
}

void TZadCalculatorDropdown::focusInEvent(QFocusEvent* Event) {
  TZadCustomDropDown::focusInEvent(Event);
  if (AutoSelect() && !(QApplication::mouseButtons() & Qt::LeftButton)) SelectAll();
}

// ---- style ----

void TZadCalculatorDropdown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  const TZadButtonAppearance& b = ButtonAppearance();
  TButtonAppearance& c = FCalcButtonAppearance;
  c.SetBorderColor(b.BorderColor());
  c.SetBorderColorHot(b.BorderColorHot());
  c.SetBorderColorDown(b.BorderColorDown());
  c.SetColor(b.Color());
  c.SetColorTo(b.ColorTo());
  c.SetColorDown(b.ColorDown());
  c.SetColorDownTo(b.ColorDownTo());
  c.SetColorHot(b.ColorHot());
  c.SetColorHotTo(b.ColorHotTo());
  if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
    c.SetGlowColorHot(b.ColorHot());
    c.SetGlowColorDown(b.ColorHot());
  } else {
    c.SetGlowColorHot(b.ColorDownTo());
    c.SetGlowColorDown(0xD5C244);
  }
}
