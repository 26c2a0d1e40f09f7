// Testing rows against the grid's filter conditions and hiding the rows that
// fail them.
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/filter/filter_matcher.h"
#include "grid/rowfilter/row_filter_condition.h"
#include "grid/store/text_helpers.h"

namespace {

bool Is_Blank_Or_Control(QChar c) { return c.unicode() <= 0x20 || c.unicode() == 0x7f; }

// Leading and trailing blanks and control characters go; a text without
// them is not copied.
void Trim_Filter_Text(QString& text) {
  qsizetype from = 0, to = text.size();
  while (from < to && Is_Blank_Or_Control(text[from])) ++from;
  while (to > from && Is_Blank_Or_Control(text[to - 1])) --to;
  if (from > 0 || to < text.size()) text = text.mid(from, to - from);
}

QString Ascii_Upper(const QString& text) {
  QString result = text;
  for (QChar& c : result)
    if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
  return result;
}

}  // namespace

bool TZadIrururOziz::Filter_Text(const TFilterData& Item, int ARow, QString& Text) {
  if (Item.Data() == fcRow) {
    Text.clear();
    for (int c = 0; c < AllColCount(); ++c) Text += GetCellEx(c, ARow) + '\n';
    return true;
  }
  const int col = Item.Column();
  if (col < 0 || col >= AllColCount()) return false;
  switch (Item.Data()) {
    case fcNormal:
      Text = GetGridCell(col, ARow);
      break;
    case fcStripHTML:
      Text = StrippedCells(col, ARow);
      break;
    case fcCalculated:
      CalcCellText(col, ARow, Text);
      break;
    default:
      Text = GetCellEx(col, ARow);
  }
  return true;
}

bool TZadIrururOziz::MatchFilter(int ARow) {
  bool result = true;
  const int count = FFilter ? FFilter->Count() : 0;
  QString text;
  for (int i = 0; i < count; ++i) {
    const TFilterData& item = *FFilter->Items(i);
    bool outcome = false;
    // A condition that cannot be tested fails; filtering goes on.
    try {
      if (Filter_Text(item, ARow, text)) {
        Trim_Filter_Text(text);
        if (text.contains(QLatin1String("|\\"))) text = grid_text::DecodeWideCellText(text);
        if (item.Data() == fcRow) {
          outcome = Ascii_Upper(text).contains(Ascii_Upper(item.Condition()));
        } else {
          if (!item.Prefix().isEmpty() && text.startsWith(item.Prefix())) text.remove(0, item.Prefix().size());
          if (!item.Suffix().isEmpty()) {
            const qsizetype at = text.indexOf(item.Suffix());
            if (at >= 0 && at + item.Suffix().size() == text.size()) text.truncate(at);
          }
          if (item.Condition().isEmpty())
            outcome = true;
          else if (item.Method() == fmLiteral)
            outcome = item.Condition() == text;
          else if (FFilterCompiled && i < int(FFilterCompiled->size()))
            outcome = (*FFilterCompiled)[size_t(i)].compiled.Matches(text);
          else
            outcome = grid_filter::MatchFilterExpression(item.Condition(), text, item.CaseSensitive());
        }
      }
    } catch (...) {
      outcome = false;
    }
    switch (item.Operation()) {
      case foSHORT:
        result = outcome;
        if (!outcome) i = count;
        break;
      case foNONE:
        result = outcome;
        break;
      case foAND:
        result = result && outcome;
        break;
      case foXOR:
        result = result != outcome;
        break;
      case foOR:
        result = result || outcome;
        break;
    }
  }
  if (OnCustomFilter) OnCustomFilter(this, ARow, result);
  return result;
}

void TZadIrururOziz::FilterRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  if (!MatchFilter(ARow)) HideRow(RealRowIndex(ARow));
}

void TZadIrururOziz::ApplyFilter() {
  FFilterFixedRows = GetFixedRows();
  const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
  const int total = RowCount() - FFixedFooters - FixedRows();
  // Every expression is read once for the whole run.
  std::vector<Row_Filter_Condition> compiled;
  const int count = FFilter ? FFilter->Count() : 0;
  compiled.reserve(size_t(count));
  for (int i = 0; i < count; ++i)
    compiled.emplace_back(FFilter->Items(i)->Condition(), FFilter->Items(i)->CaseSensitive());
  struct Reset {
    const std::vector<Row_Filter_Condition>*& p;
    ~Reset() { p = nullptr; }
  } reset{FFilterCompiled};
  FFilterCompiled = &compiled;

  auto progress = [&](int tested) {
    if (OnFilterProgress && total > 0) OnFilterProgress(this, int(std::nearbyint(double(tested) / total * 100.0)));
  };
  TIntList failing(0, 0);
  int tested = 0;
  for (int r = first; r <= last; ++r) {
    if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
    if (!MatchFilter(r)) failing.Add(r);
    ++tested;
    progress(tested);
  }
  if (FFilterBase < 0) {
    // The first level. Rows hidden otherwise (HideRow) sit in level 0 by
    // real index; the filter's levels start at 1 then, so that removing them
    // never touches those rows, and the level goes back to 0 after.
    FFilterKeptHidden.clear();
    if (FFilterLevel == 0 && !FGridItems.empty()) {
      FFilterLevel = 1;
      FFilterKeptHidden.push_back(1);
    }
    FFilterBase = FFilterLevel;
  }
  HideRowList(failing);
  progress(tested);
}
