#include "grid/find/find_match.h"

#include "grid/filter/filter_matcher.h"

bool Find_Text_Matches(const QString& CellText, const QString& Search, TFindParams Params) {
  if (Search == QLatin1String("\"\"")) return CellText.isEmpty();
  if (Params.Has(fnMatchRegular)) return grid_filter::MatchFilterExpression(Search, CellText, Params.Has(fnMatchCase));
  if (Search.isEmpty()) return false;
  const qsizetype p = CellText.indexOf(Search);
  const bool found = Params.Has(fnMatchStart) ? p == 0 : p >= 0;
  return found && (!Params.Has(fnMatchFull) || CellText == Search);
}
