#include "scan/decode/time_point.h"

namespace time_point {
namespace {

// Texts are laid out in a small buffer and made into one string at the end:
// a scan decodes dates by the thousand, and joining pieces costs a block each.
class Text_Buffer {
 public:
  void Add(char16_t c) { out_[n_++] = c; }
  void Add(const char* text) {
    while (*text) out_[n_++] = static_cast<char16_t>(*text++);
  }
  // The decimal digits of n (0..999), with a leading "0" when there is only one.
  void Two_Digits(int n) {
    if (n >= 100) Add(static_cast<char16_t>(u'0' + n / 100));
    Add(static_cast<char16_t>(u'0' + n / 10 % 10));
    Add(static_cast<char16_t>(u'0' + n % 10));
  }
  void Date(uint8_t day_byte, uint8_t month_byte) {
    const int year = (day_byte >> 5) + ((month_byte >> 1) & 0x78);
    Two_Digits(day_byte & 0x1F);
    Add(u'/');
    Two_Digits(month_byte & 0x0F);
    Add(u'/');
    Two_Digits(year);
  }
  void Time(uint8_t hour, uint8_t minute) {
    Two_Digits(hour);
    Add(u':');
    Two_Digits(minute);
  }
  QString Text() const { return QString(reinterpret_cast<const QChar*>(out_), n_); }

 private:
  char16_t out_[48];
  int n_ = 0;
};

void Add_Type_J(Text_Buffer& text, const uint8_t* b) {
  text.Time(b[2] & 0x1F, b[1] & 0x3F);
  text.Add(u':');
  text.Two_Digits(b[0] & 0x3F);
}

}  // namespace

QString Type_G(const uint8_t* b) {
  Text_Buffer text;
  text.Date(b[0], b[1]);
  return text.Text();
}

QString Type_F(const uint8_t* b) {
  Text_Buffer text;
  text.Date(b[2], b[3]);
  text.Add(u' ');
  text.Time(b[1] & 0x1F, b[0] & 0x3F);
  return text.Text();
}

QString Type_J(const uint8_t* b) {
  Text_Buffer text;
  Add_Type_J(text, b);
  return text.Text();
}

QString Type_I(const uint8_t* b) {
  static const char* const kDays[7] = {"Monday ", "Tuesday ",  "Wednesday ", "Thursday ",
                                       "Friday ", "Saturday ", "Sunday "};
  Text_Buffer text;
  const int day = b[2] >> 5;
  if (day >= 1 && day <= 7) text.Add(kDays[day - 1]);
  text.Date(b[3], b[4]);
  text.Add(u' ');
  Add_Type_J(text, b);
  return text.Text();
}

}  // namespace time_point
