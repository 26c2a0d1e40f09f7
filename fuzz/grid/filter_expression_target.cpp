// Feeds typed filter conditions and cell values to the filter matcher. The
// first byte picks the case rule and the separators (point or comma decimal,
// day-first or month-first dates); the rest is UTF-8, the expression up to
// the first line feed and the value after it. The compiled form must answer
// exactly as the direct matcher, and nothing may loop, raise or overrun.
#include <cstdlib>

#include "controls/format_settings.h"
#include "grid/filter/compiled_filter.h"
#include "grid/filter/filter_matcher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  Format_Settings settings;
  if (data[0] & 2) {
    settings.Decimal_Separator = ',';
    settings.Thousand_Separator = '.';
    settings.Short_Date_Format = "dd/mm/yyyy";
  }
  if (data[0] & 4) settings.Date_Separator = '-';
  Format_Settings_Scope scope(settings);
  const bool case_sensitive = data[0] & 1;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  const qsizetype cut = text.indexOf('\n');
  const QString expression = cut < 0 ? text : text.left(cut);
  const QString value = cut < 0 ? QString() : text.mid(cut + 1);
  const bool direct = grid_filter::MatchFilterExpression(expression, value, case_sensitive);
  if (grid_filter::TCompiledFilter(expression, case_sensitive).Matches(value) != direct) std::abort();
  grid_filter::TDateTime date = 0;
  grid_filter::ParseDateByFormat(value, date);
  return 0;
}
