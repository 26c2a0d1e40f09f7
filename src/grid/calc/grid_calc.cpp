// Column and row calculations of TZadIrururOziz: sums, averages, minima,
// maxima, standard deviation and distinct counts over a range of cells, and
// the application's own calculations through OnColumnCalc and OnGroupCalc.
//
// A column range whose last row lies past the displayed rows is a range of
// real rows: hidden rows are read from their records. Texts that are no
// numbers are left out of sums, minima and maxima but count in the averages'
// divisor.
#include <cmath>
#include <map>
#include <optional>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"
#include "grid/store/text_helpers.h"

namespace {

// The -1 bounds: every normal row.
void Default_Rows(TZadIrururOziz& g, int& FromRow, int& ToRow) {
  if (FromRow != -1 && ToRow != -1) return;
  FromRow = g.FixedRows();
  ToRow = g.RowCount() - g.FixedFooters() - 1;
}

bool Reaches_Real_Rows(TZadIrururOziz& g, int ToRow) { return ToRow > g.RowCount() - 1; }

// Start of an export run, with its done notice sent however the run ends.
class Export_Run {
 public:
  Export_Run(TZadIrururOziz& g, int FromRow) : g_(g) { g_.ExportNotification(esExportStart, FromRow); }
  ~Export_Run() { g_.ExportNotification(esExportDone, -1); }
  Export_Run(const Export_Run&) = delete;
  Export_Run& operator=(const Export_Run&) = delete;

 private:
  TZadIrururOziz& g_;
};

// A text in which no number starts (the number reading would take it for 0).
bool Holds_No_Number(const QString& text) {
  const QString plain = HtmlToPlainText(text).trimmed();
  if (plain.isEmpty() || plain == QLatin1String("-")) return false;
  const QString number = grid_text::NormalizeNumberText(plain);
  return number.isEmpty() || number == QLatin1String("-");
}

// The value of a cell of the range (a real row when Real); none for a text
// that is no number.
std::optional<double> Range_Value(TZadIrururOziz& g, int ACol, int ARow, bool Real) {
  try {
    if (Holds_No_Number(Real ? g.AllCells(ACol, ARow) : g.GetCellEx(ACol, ARow))) return std::nullopt;
    return Real ? g.AllFloats(ACol, ARow) : g.Floats(ACol, ARow);
  } catch (const VAzaZeriVader&) {
    return std::nullopt;
  }
}

// The value of a cell that must hold a number (or be empty).
double Required_Value(TZadIrururOziz& g, int ACol, int ARow, bool Real) {
  if (Holds_No_Number(Real ? g.AllCells(ACol, ARow) : g.GetCellEx(ACol, ARow)))
    throw VAzaZeriVader("Cell does not contain a float value");
  return Real ? g.AllFloats(ACol, ARow) : g.Floats(ACol, ARow);
}

// Visits the counted cells of a column range: group header and summary rows
// of a grouped grid and cells covered by a merged block are left out.
template <typename Visit>
void Counted_Cells(TZadIrururOziz& g, int ACol, int FromRow, int ToRow, Visit visit) {
  const bool real = Reaches_Real_Rows(g, ToRow);
  const bool grouped = g.GroupColumn() != -1;
  Export_Run run(g, FromRow);
  for (int r = FromRow; r <= ToRow; ++r) {
    const bool hidden = real && g.IsHiddenRow(r);
    const int shown = real ? g.DisplRowIndex(r) : r;
    if (grouped && !hidden && (g.IsNode(shown) || g.IsSummary(shown))) continue;
    if (!hidden && !g.IsBaseCell(ACol, shown)) continue;
    g.ExportNotification(esExportNextRow, r);
    if (const auto value = Range_Value(g, ACol, r, real)) visit(*value);
  }
}

template <typename Better>
double Column_Extreme(TZadIrururOziz& g, int ACol, int FromRow, int ToRow, Better better) {
  Default_Rows(g, FromRow, ToRow);
  std::optional<double> result;
  Counted_Cells(g, ACol, FromRow, ToRow, [&](double v) {
    if (!result || better(v, *result)) result = v;
  });
  return result.value_or(0.0);
}

template <typename Better>
double Row_Extreme(TZadIrururOziz& g, int ARow, int FromCol, int ToCol, Better better) {
  std::optional<double> result;
  for (int c = FromCol; c <= ToCol; ++c) {
    if (!g.IsBaseCell(c, ARow)) continue;
    if (const auto v = Range_Value(g, c, ARow, false))
      if (!result || better(*v, *result)) result = *v;
  }
  return result.value_or(0.0);
}

bool Less(double a, double b) { return a < b; }
bool Greater(double a, double b) { return a > b; }

}  // namespace

double TZadIrururOziz::ColumnSum(int ACol, int FromRow, int ToRow) {
  Default_Rows(*this, FromRow, ToRow);
  double sum = 0;
  Counted_Cells(*this, ACol, FromRow, ToRow, [&](double v) { sum += v; });
  return sum;
}

double TZadIrururOziz::ColumnAvg(int ACol, int FromRow, int ToRow) {
  Default_Rows(*this, FromRow, ToRow);
  const int rows = ToRow - FromRow + 1;
  if (rows <= 0) return 0;
  return ColumnSum(ACol, FromRow, ToRow) / rows;
}

double TZadIrururOziz::ColumnMin(int ACol, int FromRow, int ToRow) {
  return Column_Extreme(*this, ACol, FromRow, ToRow, Less);
}

double TZadIrururOziz::ColumnMax(int ACol, int FromRow, int ToRow) {
  return Column_Extreme(*this, ACol, FromRow, ToRow, Greater);
}

double TZadIrururOziz::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  Default_Rows(*this, FromRow, ToRow);
  const int rows = ToRow - FromRow + 1;
  if (rows <= 0) return 0;
  const double avg = ColumnAvg(ACol, FromRow, ToRow);
  const bool real = Reaches_Real_Rows(*this, ToRow);
  Export_Run run(*this, FromRow);
  double squares = 0;
  // Every cell takes part: one that holds no number fails the calculation.
  for (int r = FromRow; r <= ToRow; ++r) {
    const double d = Required_Value(*this, ACol, r, real) - avg;
    squares += d * d;
  }
  return std::sqrt(squares / rows);
}

double TZadIrururOziz::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  Default_Rows(*this, FromRow, ToRow);
  const bool real = Reaches_Real_Rows(*this, ToRow);
  Export_Run run(*this, FromRow);
  const auto no_case = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
  std::map<QString, bool, decltype(no_case)> seen(no_case);
  for (int r = FromRow; r <= ToRow; ++r) {
    seen.emplace(real ? AllCells(ACol, r) : GetCellEx(ACol, r), true);
    ExportNotification(esExportNextRow, r);
  }
  return double(seen.size());
}

double TZadIrururOziz::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  Default_Rows(*this, FromRow, ToRow);
  double result = 0;
  if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, result);
  return result;
}

double TZadIrururOziz::DoGroupCalc(int ACol, int FromRow, int ToRow) {
  double result = 0;
  if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, result);
  return result;
}

double TZadIrururOziz::RowSum(int ARow, int FromCol, int ToCol) {
  double sum = 0;
  for (int c = FromCol; c <= ToCol; ++c) {
    if (!IsBaseCell(c, ARow)) continue;
    if (const auto v = Range_Value(*this, c, ARow, false)) sum += *v;
  }
  return sum;
}

double TZadIrururOziz::RowAvg(int ARow, int FromCol, int ToCol) {
  const int cols = ToCol - FromCol + 1;
  if (cols <= 0) return 0;
  return RowSum(ARow, FromCol, ToCol) / cols;
}

double TZadIrururOziz::RowMin(int ARow, int FromCol, int ToCol) {
  return Row_Extreme(*this, ARow, FromCol, ToCol, Less);
}

double TZadIrururOziz::RowMax(int ARow, int FromCol, int ToCol) {
  return Row_Extreme(*this, ARow, FromCol, ToCol, Greater);
}
