#pragma once
// The pocket calculator behind the calculator drop-down, apart from the
// window. It works on a display (the drop-down's value text): every key reads
// the display, computes and writes the result back into it. Operations chain
// from left to right without precedence: 2 + 3 * 4 = gives 20.
//
// A display that does not read as a number counts as 0 wherever the
// calculator reads it; "Error" shows after a division by zero, the square
// root of a negative number or the reciprocal of 0.
#include <QChar>
#include <QString>
#include <cstdint>

// What the calculator sees of the edit.
class Calculator_Display {
 public:
  virtual ~Calculator_Display() = default;
  // The value text (without prefix and suffix).
  virtual QString Display() const = 0;
  // Writes the value text the way the edit's Text write does (numbers are
  // re-formatted with the edit's decimals).
  virtual void Write_Display(const QString& Value) = 0;
  // The display as a number (0 for empty, "Error" or "-").
  virtual double Display_Value() const = 0;
  // Shows a number formatted for the edit and marks the edit modified.
  virtual void Show(double Value) = 0;
  // 0 or less for no limit.
  virtual int Max_Length() const = 0;
  virtual void Set_Modified() = 0;
};

// Pending operations, as FPrevop holds them.
enum Calculator_Operation { coNone = -1, coAdd = 0, coMultiply = 1, coSubtract = 2, coDivide = 3 };

class Calculator_Core {
 public:
  explicit Calculator_Core(Calculator_Display& Display) : FDisplay(Display) {}

  // The operator keys: the pending operation is applied, then theirs waits.
  void CalcAdd();
  void CalcSubtract();
  void CalcMultiply();
  void CalcDivide();
  // "=": applies the pending operation and leaves none pending.
  void CalcResult();
  // "%": the accumulator times the display over 100, nothing else changes.
  void CalcPercent();
  // One keypad key by its tag (the guard for a full display and the
  // modified state included).
  void Key(int Tag);
  // A digit 0 to 9 entered into the display.
  void Digit(int Value);
  // Display "0", accumulator 0 and nothing pending.
  void Clear();

  // The display as a number: thousand separators removed, then the locale's
  // conversion; 0 for a text that does not convert.
  long double Read_Display() const;

  // The state, kept by the drop-down between openings.
  int64_t FDecim = 0;
  bool FNewval = false;
  long double FPrevval = 0;
  int FPrevop = coNone;
  long double FMVal = 0;

 private:
  void ApplyPendingOperation();
  void Show(long double Value);
  void Sign();
  void Decimal_Point();
  void Back();

  Calculator_Display& FDisplay;
};

// The divisor of a fractional digit stops here; finer digits are ignored.
constexpr int64_t kMaxDecimalDivisor = 1000000000000000LL;
