#include "dropdowns/calculator/calculator_core.h"

#include <cmath>

#include "dropdowns/base/drop_down_value.h"
#include "dropdowns/base/number_text.h"

namespace {

const QString kError = QStringLiteral("Error");

bool Empty_Or_Error(const QString& Display) { return Display.isEmpty() || Display == kError; }

}  // namespace

long double Calculator_Core::Read_Display() const { return Text_To_Float(FDisplay.Display()); }

void Calculator_Core::Show(long double Value) {
  // A result beyond the number range clears the accumulator and shows 0.
  if (!std::isfinite(static_cast<double>(Value))) {
    FPrevval = 0;
    FDisplay.Show(0);
    return;
  }
  FDisplay.Show(static_cast<double>(Value));
}

void Calculator_Core::ApplyPendingOperation() {
  if (Empty_Or_Error(FDisplay.Display())) FDisplay.Write_Display(QStringLiteral("0"));
  const long double x = Read_Display();
  switch (FPrevop) {
    case coAdd:
      FPrevval = x + FPrevval;
      break;
    case coMultiply:
      FPrevval = x * FPrevval;
      break;
    case coSubtract:
      FPrevval = FPrevval - x;
      break;
    case coDivide:
      if (x == 0) {
        FPrevval = 0;
        FDisplay.Write_Display(kError);
        return;
      }
      FPrevval = FPrevval / x;
      break;
    default:
      FPrevval = x;
      break;
  }
  if (!std::isfinite(static_cast<double>(FPrevval))) FPrevval = 0;
  Show(FPrevval);
  FNewval = true;
}

void Calculator_Core::CalcAdd() {
  ApplyPendingOperation();
  FPrevop = coAdd;
}

void Calculator_Core::CalcSubtract() {
  ApplyPendingOperation();
  FPrevop = coSubtract;
}

void Calculator_Core::CalcMultiply() {
  ApplyPendingOperation();
  FPrevop = coMultiply;
}

void Calculator_Core::CalcDivide() {
  ApplyPendingOperation();
  FPrevop = coDivide;
}

void Calculator_Core::CalcResult() {
  ApplyPendingOperation();
  if (FDisplay.Display().isEmpty()) FDisplay.Write_Display(QStringLiteral("0"));
  FPrevop = coNone;
  if (FDisplay.Display() != kError) FPrevval = Read_Display();
}

void Calculator_Core::CalcPercent() {
  if (Empty_Or_Error(FDisplay.Display())) FDisplay.Write_Display(QStringLiteral("0"));
  const long double x = Read_Display();
  const long double percent = FPrevval * x / 100;
  if (!std::isfinite(static_cast<double>(percent))) {
    FDisplay.Write_Display(QStringLiteral("0"));
    return;
  }
  FDisplay.Write_Display(Format_Number(static_cast<double>(percent), Number_Format::General, 0));
}

void Calculator_Core::Clear() {
  FDisplay.Write_Display(QStringLiteral("0"));
  FPrevval = 0;
  FPrevop = coNone;
}

void Calculator_Core::Digit(int Value) {
  const double v = FDisplay.Display_Value();
  if ((v == 0 && FDecim == 0) || FNewval) {
    FDisplay.Write_Display(QString::number(Value));
    FNewval = false;
    return;
  }
  double next = v;
  const double digit = v < 0 ? -Value : Value;
  if (FDecim == 0) {
    next = v * 10 + digit;
  } else {
    // Digits finer than the largest divisor are ignored.
    if (FDecim > kMaxDecimalDivisor) return;
    next = v + digit / static_cast<double>(FDecim);
    FDecim *= 10;
  }
  Show(next);
}

void Calculator_Core::Sign() {
  const QString d = FDisplay.Display();
  if (d.contains(QLatin1Char('-')))
    FDisplay.Write_Display(d.mid(1));
  else
    FDisplay.Write_Display(QLatin1Char('-') + d);
}

void Calculator_Core::Decimal_Point() {
  const QChar sep = Decimal_Separator();
  if (!FDisplay.Display().contains(sep)) FDisplay.Write_Display(FDisplay.Display() + sep);
  FDecim = 10;
  if (FNewval) FDisplay.Write_Display(QStringLiteral("0"));
  FNewval = false;
}

void Calculator_Core::Back() {
  if (FPrevop >= 0) return;
  QString t = Format_Number(FDisplay.Display_Value(), Number_Format::General, 0);
  t.chop(1);
  FDisplay.Write_Display(t);
}

void Calculator_Core::Key(int Tag) {
  if ((Tag >= 10 && Tag <= 14) || (Tag >= 16 && Tag <= 18) || Tag == 30 || Tag == 32) FDecim = 0;
  // A full display takes no more digits, signs or decimal points.
  if (((Tag >= 0 && Tag <= 9) || Tag == 14 || Tag == 15) && FDisplay.Max_Length() > 0 &&
      FDisplay.Display().size() == FDisplay.Max_Length())
    return;
  switch (Tag) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
      Digit(Tag);
      break;
    case 10:
      CalcAdd();
      break;
    case 11:
      CalcSubtract();
      break;
    case 12:
      CalcMultiply();
      break;
    case 13:
      CalcDivide();
      break;
    case 14:
      Sign();
      break;
    case 15:
      Decimal_Point();
      break;
    case 16:
    case 30:
    case 32:
      Clear();
      break;
    case 17:
      CalcResult();
      break;
    case 18:
      CalcPercent();
      break;
    case 31:
      Back();
      break;
    case 33:
      FMVal = 0;
      break;
    case 34:
      Show(FMVal);
      break;
    case 35:
      FMVal = Read_Display();
      break;
    case 36:
      FMVal = Read_Display() + FMVal;
      if (!std::isfinite(static_cast<double>(FMVal))) FMVal = 0;
      break;
    case 37: {
      const double v = FDisplay.Display_Value();
      if (v >= 0)
        Show(std::sqrt(static_cast<long double>(v)));
      else
        FDisplay.Write_Display(kError);
      break;
    }
    case 38: {
      const double v = FDisplay.Display_Value();
      if (v != 0)
        Show(1.0L / v);
      else
        FDisplay.Write_Display(kError);
      break;
    }
    default:
      break;
  }
  FDisplay.Set_Modified();
}
