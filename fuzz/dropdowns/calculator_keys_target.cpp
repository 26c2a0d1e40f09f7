// Keypad keys against the calculator over the drop-down's value model: no
// crash, no exception, the accumulator and the memory stay finite, the
// fractional divisor stays bounded, and the display is "Error" or a number.
//   byte 0  bit 0 money display (thousand separators), bits 1..3 decimals
//           0..7, bit 4 de_DE separators
//   byte 1  display length limit (0 none)
//   then    keys: 0xFF starts a text written into the display, running to
//           the next 0x00 (Latin-1); any other byte is a key tag (mod 40)
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "controls/format_settings.h"
#include "dropdowns/base/drop_down_value.h"
#include "dropdowns/calculator/calculator_core.h"

namespace {

class Model_Display : public Calculator_Display {
 public:
  QString Display() const override { return text; }
  void Write_Display(const QString& Value) override { text = Value_To_Write(settings, Value); }
  double Display_Value() const override { return Float_Value(settings, text); }
  void Show(double Value) override {
    Write_Display(Float_Text(settings, Value));
    if (settings.EditType == etMoney) {
      Edit_State s;
      s.Text = text;
      Regroup_Money(settings, s);
      text = s.Text;
    }
  }
  int Max_Length() const override { return max_length; }
  void Set_Modified() override {}

  Drop_Down_Value_Settings settings;
  QString text;
  int max_length = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 2) return 0;
  Format_Settings separators;
  if (Data[0] & 0x10) {
    separators.Decimal_Separator = QLatin1Char(',');
    separators.Thousand_Separator = QLatin1Char('.');
  }
  Set_Process_Format_Settings(separators);
  Model_Display d;
  d.settings.EditType = (Data[0] & 1) ? etMoney : etFloat;
  d.settings.Precision = (Data[0] >> 1) & 7;
  d.max_length = Data[1];
  d.Write_Display(QString());
  Calculator_Core calc(d);
  for (size_t i = 2; i < Size; ++i) {
    if (Data[i] == 0xFF) {
      QString text;
      while (++i < Size && Data[i] != 0) text += QChar(Data[i]);
      d.text = text;
      continue;
    }
    calc.Key(Data[i] % 40);
    if (!std::isfinite(static_cast<double>(calc.FPrevval)) || !std::isfinite(static_cast<double>(calc.FMVal)))
      std::abort();
    if (calc.FDecim < 0 || calc.FDecim > kMaxDecimalDivisor * 10) std::abort();
    if (!std::isfinite(d.Display_Value())) std::abort();
  }
  (void)calc.Read_Display();
  return 0;
}
