#include "grid/sort/sort_text_compare.h"

#include <QCollator>
#include <QDate>
#include <QLocale>
#include <QTime>
#include <charconv>
#include <string>

#include "controls/format_settings.h"
#include "grid/store/text_helpers.h"

namespace grid_sort {

int Compare_Code_Units(const QString& a, const QString& b) { return Sign(QStringView(a).compare(QStringView(b))); }

int Compare_Ascii_No_Case(const QString& a, const QString& b) {
  auto fold = [](char16_t c) -> char16_t { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
  const qsizetype n = std::min(a.size(), b.size());
  const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
  const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t ca = fold(pa[i]), cb = fold(pb[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return Sign(int(a.size() > b.size()) - int(a.size() < b.size()));
}

int Compare_Locale(const QString& a, const QString& b, bool CaseSensitive) {
  // One collator per case mode, made again only when the locale changes.
  static QLocale made_for;
  static QCollator with_case, without_case;
  static bool ready = false;
  if (!ready || made_for != QLocale()) {
    made_for = QLocale();
    with_case = QCollator(made_for);
    with_case.setCaseSensitivity(Qt::CaseSensitive);
    without_case = QCollator(made_for);
    without_case.setCaseSensitivity(Qt::CaseInsensitive);
    ready = true;
  }
  return Sign((CaseSensitive ? with_case : without_case).compare(a, b));
}

bool Parse_Sort_Number(const QString& text, const QString& prefix, const QString& suffix, bool financial,
                       double& value) {
  QStringView t(text);
  QString cut;  // only made when a prefix or suffix is taken out
  auto take_out = [&](const QString& part) {
    if (part.isEmpty()) return;
    const qsizetype at = t.indexOf(part);
    if (at < 0) return;
    cut = t.left(at).toString() + t.mid(at + part.size()).toString();
    t = QStringView(cut);
  };
  take_out(suffix);
  take_out(prefix);
  const Format_Settings& seps = Process_Format_Settings();
  const char16_t decimal = seps.Decimal_Separator.unicode();
  const char16_t thousand = seps.Thousand_Separator.unicode();
  char small[64];
  std::string large;
  char* out = small;
  qsizetype n = 0;
  bool decimal_seen = false;
  qsizetype i = 0;
  while (i < t.size() && (t[i] == u' ' || t[i] == u'\t')) ++i;
  if (i < t.size() && t[i] == u'+') ++i;  // the number reader takes no "+"
  if (t.size() - i >= qsizetype(sizeof small)) {
    large.resize(size_t(t.size() - i));
    out = large.data();
  }
  for (; i < t.size(); ++i) {
    char16_t c = t[i].unicode();
    if (financial && c == thousand) continue;
    if (c == decimal && decimal != u'.' && !decimal_seen) {
      decimal_seen = true;
      c = u'.';
    }
    if (c >= 128) return false;
    out[n++] = char(c);
  }
  if (n == 0) return false;
  const char* first = out;
  const char* body = first + (*first == '-' ? 1 : 0);
  // Only plain decimal numbers: no "inf", "nan" or a second sign.
  if (body == first + n || !((*body >= '0' && *body <= '9') || *body == '.')) return false;
  double result = 0;
  const auto [end, ec] = std::from_chars(first, first + n, result);
  if (ec != std::errc() || end != first + n) return false;
  value = result;
  return true;
}

Plain_Number_Reader::Plain_Number_Reader() {
  const Format_Settings& seps = Process_Format_Settings();
  const char16_t decimal = seps.Decimal_Separator.unicode();
  const char16_t thousand = seps.Thousand_Separator.unicode();
  auto plain_char = [](char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'e' || c == u'E' || c == u' ' || c == u'\t';
  };
  decimal_ = decimal;
  // Separators that could be taken for a digit, a sign or each other leave
  // every text to the general way.
  usable_ = !plain_char(decimal) && decimal != thousand && !(thousand >= u'0' && thousand <= u'9') && thousand != u'-';
}

bool Plain_Number_Reader::Read(const char16_t* text, qsizetype size, double& value) const {
  if (!usable_ || size <= 0) return false;
  const char16_t* p = text;
  const char16_t* const end = text + size;
  const bool negative = *p == u'-';
  if (negative) ++p;
  uint64_t mantissa = 0;
  int significant = 0, fraction = 0, digits = 0;
  bool decimal_seen = false;
  for (; p != end; ++p) {
    const char16_t c = *p;
    if (c >= u'0' && c <= u'9') {
      ++digits;
      if (decimal_seen) ++fraction;
      if (mantissa != 0 || c != u'0') ++significant;
      if (significant <= 19) mantissa = mantissa * 10 + uint64_t(c - u'0');
    } else if (c == decimal_ && !decimal_seen) {
      decimal_seen = true;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  // Both parts exact as doubles: one correctly rounded division gives the
  // correctly rounded value, as the general reader does.
  static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (significant <= 19 && mantissa <= (uint64_t(1) << 53) && fraction <= 22) {
    const double v = double(mantissa) / Powers[fraction];
    value = negative ? -v : v;
    return true;
  }
  // Long digit strings: the general number reader on the ASCII copy.
  std::string ascii;
  ascii.reserve(size_t(size));
  for (const char16_t* q = text; q != end; ++q) ascii.push_back(*q == decimal_ ? '.' : char(*q));
  double result = 0;
  const auto [stop, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), result);
  if (ec != std::errc() || stop != ascii.data() + ascii.size()) return false;
  value = result;
  return true;
}

double Parse_Sort_Date_Time(const QString& text) {
  const QString body = text.trimmed();
  if (body.isEmpty()) return 0;
  const Format_Settings& seps = Process_Format_Settings();
  const qsizetype blank = body.indexOf(QLatin1Char(' '));
  const QString date_part = blank < 0 ? body : body.left(blank);
  QDate date;
  if (Try_Str_To_Date(date_part, date)) {
    double days = double(QDate(1899, 12, 30).daysTo(date));
    if (blank >= 0) {
      QTime time;
      if (!Try_Str_To_Time(body.mid(blank + 1), time)) return 0;
      days += time.msecsSinceStartOfDay() / 86400000.0;
    }
    return days;
  }
  if (body.contains(seps.Time_Separator)) return Parse_Sort_Time(body);
  return 0;
}

double Parse_Sort_Time(const QString& text) {
  QTime time;
  if (!Try_Str_To_Time(text, time)) return 0;
  return time.msecsSinceStartOfDay() / 86400000.0;
}

namespace {
// 1-based window test of a separator: at position 2 or 3, text after it,
// and whether a digit stands on each side.
void Window(const QString& text, QChar sep, bool& has, bool& in_window, bool& digits) {
  const qsizetype p = text.indexOf(sep) + 1;
  has = p > 0;
  in_window = p > 1 && p < 4 && p < text.size();
  auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
  digits = in_window && digit(text[p - 2]) && digit(text[p]);
}
}  // namespace

Text_Traits Read_Text_Traits(const QString& text) {
  Text_Traits t;
  const int kind = grid_text::ClassifyNumberText(text);
  t.number = kind == 0 || kind == 1 || kind == 5;
  const Format_Settings& seps = Process_Format_Settings();
  Window(text, seps.Date_Separator, t.has_date_sep, t.date_in_window, t.date_digits);
  Window(text, seps.Time_Separator, t.has_time_sep, t.time_in_window, t.time_digits);
  return t;
}

TSortStyle Detect_Text_Style(const Text_Traits& t1, const Text_Traits& t2, bool IgnoreCase) {
  const TSortStyle text_style = IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
  if (t1.date_in_window) {
    if (t1.date_digits && t2.has_date_sep) return t1.has_time_sep ? ssDateTime : ssDate;
    return text_style;
  }
  if (t1.time_in_window && t1.time_digits && t2.has_time_sep) return ssTime;
  return text_style;
}

int Place_Blanks(int r, bool empty1, bool empty2, TSortDirection Direction, TSortBlankPosition BlankPos) {
  if (empty1 == empty2) return r;
  int first = empty1 ? -1 : 1;  // ascending, blanks first
  if (BlankPos == blLast) first = -first;
  if (Direction == sdDescending) first = -first;
  return first;
}

}  // namespace grid_sort
