#pragma once
// TZadCalculatorDropdown: a drop-down edit for a floating-point number whose
// popup is a pocket calculator keypad. The edit's value text is the
// calculator's display: every key works on it and writes its result back.
// Digits, the decimal separator and Backspace typed into the edit change the
// display directly; with the popup closed + - * / = % and C typed into the
// edit work the calculator as well.
#include <functional>

#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/calculator/button_appearance.h"
#include "dropdowns/calculator/calculator_core.h"

class TCustomButtonPanel;

class TZadCalculatorDropdown : public TZadCustomDropDown, private Calculator_Display {
 public:
  explicit TZadCalculatorDropdown(QWidget* AOwner = nullptr);
  ~TZadCalculatorDropdown() override;

  // The keypad, made with the popup.
  TCustomButtonPanel* ButtonPanel() const { return FZadButtonPanel; }
  // The calculator's state (accumulator, pending operation, memory).
  const Calculator_Core& Calculator() const { return FCalc; }

  // The display as a number: an empty display becomes "0" first; 0 when it
  // does not read as a number.
  long double Value();
  void SetValue(long double Value);
  // "=".
  void CalcResult();
  bool ShowThousandSeparator() const { return FShowThousandSeparator; }
  void SetShowThousandSeparator(bool Value);
  // Handed to the keypad at every opening.
  TButtonAppearance& CalcButtonAppearance() { return FCalcButtonAppearance; }
  void SetCalcButtonAppearance(const TButtonAppearance& Value) { FCalcButtonAppearance.Assign(Value); }

  // Called before every keypad click and every key pressed in the popup.
  virtual void DoBeforeCalcInput();
  // The keypad's click: Index is the key's position among its keys.
  void Calculator_Button_Click(QObject* Sender, int Index);

  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoDropDownFormKeyPress(QChar& Key) override;
  void DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void SetComponentStyle(TDUDStyle AStyle) override;

 protected:
  void Finish_Construction() override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  // A character typed into (or relayed to) the edit; true when it was
  // dealt with here.
  bool HandleKeyPress(QChar Key);
  bool Popup_Showing() const;
  void Caret_After_First();

  // The display, for the calculator.
  QString Display() const override { return Text(); }
  void Write_Display(const QString& Value) override { SetText(Value); }
  double Display_Value() const override { return GetFloatValue(); }
  void Show(double Value) override { SetFloatValue(Value); }
  int Max_Length() const override { return maxLength(); }
  void Set_Modified() override { SetModified(true); }

  TCustomButtonPanel* FZadButtonPanel = nullptr;
  Calculator_Core FCalc{*this};
  bool FCalcClosed = true;
  TButtonAppearance FCalcButtonAppearance;
  bool FShowThousandSeparator = false;
};
