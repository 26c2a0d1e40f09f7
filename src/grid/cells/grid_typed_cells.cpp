// Typed views of TZadIrururOziz's cell texts (numbers, dates, times, values
// of form controls in mini-HTML cells), the print column metrics, the
// version text and the header lists written into the fixed cells.
#include <cmath>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/progress_paint.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_plain_text.h"
#include "grid/store/text_helpers.h"
#include "platform/number_entry.h"

namespace {

int Read_Int(QString text) {
  text = text.trimmed();
  if (text.isEmpty() || text == QLatin1String("-")) return 0;
  int32_t value = 0;
  if (!Try_Read_Number(text, value)) throw VAzaZeriVader("Cell does not contain integer value");
  return value;
}

double Read_Float(const QString& text) {
  const QString number = grid_text::NormalizeNumberText(text);
  if (number.isEmpty() || number == QLatin1String("-")) return 0.0;
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok || !std::isfinite(value)) throw VAzaZeriVader("Cell does not contain a float value");
  return value;
}

// The zero date stands for "no date": nothing on or before 1899-12-30.
bool Is_Null_Date(const QDateTime& value) { return !value.isValid() || value.date() <= QDate(1899, 12, 30); }

}  // namespace

// ---- numbers

QString TZadIrururOziz::StrippedCells(int ACol, int ARow) { return HtmlToPlainText(GetCellEx(ACol, ARow)); }

int TZadIrururOziz::Ints(int ACol, int ARow) { return Read_Int(StrippedCells(ACol, ARow)); }

void TZadIrururOziz::SetInts(int ACol, int ARow, int Value) {
  SetCellEx(ACol, ARow, QString::number(Value));
  if (FNumHidden > 0) RepaintCell(DisplColIndex(ACol), ARow);
}

int TZadIrururOziz::AllInts(int ACol, int ARow) { return Read_Int(AllCells(ACol, ARow)); }

void TZadIrururOziz::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, QString::number(Value)); }

double TZadIrururOziz::Floats(int ACol, int ARow) { return Read_Float(StrippedCells(ACol, ARow)); }

void TZadIrururOziz::SetFloats(int ACol, int ARow, double Value) {
  QString format;
  GetCellFloatFormat(ACol, ARow, format);
  SetCellEx(ACol, ARow, Format_Progress_Value(format, Value, false));
}

double TZadIrururOziz::AllFloats(int ACol, int ARow) { return Read_Float(AllCells(ACol, ARow)); }

void TZadIrururOziz::SetAllFloats(int ACol, int ARow, double Value) {
  SetAllCells(ACol, ARow, Format_Progress_Value(FFloatFormat, Value, false));
}

// ---- dates and times

QDateTime TZadIrururOziz::Dates(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  QDate date;
  if (!Try_Str_To_Date(text.trimmed(), date))
    throw std::invalid_argument(QStringLiteral("'%1' is not a valid date").arg(text).toStdString());
  return QDateTime(date, QTime(0, 0));
}

void TZadIrururOziz::SetDates(int ACol, int ARow, const QDateTime& Value) {
  if (!Is_Null_Date(Value) || FShowNullDates)
    SetCellEx(ACol, ARow, Value.isValid() ? Date_To_Str(Value.date()) : Date_To_Str(QDate(1899, 12, 30)));
  else
    SetCellEx(ACol, ARow, QString());
}

QTime TZadIrururOziz::Times(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  QTime time;
  if (!Try_Str_To_Time(text.trimmed(), time))
    throw std::invalid_argument(QStringLiteral("'%1' is not a valid time").arg(text).toStdString());
  return time;
}

void TZadIrururOziz::SetTimes(int ACol, int ARow, const QTime& Value) { SetCellEx(ACol, ARow, Time_To_Str(Value)); }

// ---- form controls in mini-HTML cells

QString TZadIrururOziz::ControlValues(int ACol, int ARow, const QString& ID) {
  QString value;
  if (!GetHtmlControlValue(GetCellEx(ACol, ARow), ID, value)) return QString();
  return value;
}

void TZadIrururOziz::SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value) {
  QString text = GetCellEx(ACol, ARow);
  if (SetHtmlControlValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

// ---- print metrics and version

int TZadIrururOziz::PrintColWidth(int ACol) const {
  if (ACol < 0 || ACol >= Print_Columns) throw VAzaZeriVader("Columns is not in valid range");
  return FMaxWidths[size_t(ACol)];
}

int TZadIrururOziz::PrintColOffset(int ACol) const {
  if (ACol < 0 || ACol >= Print_Columns) throw VAzaZeriVader("Columns is not in valid range");
  return FIndents[size_t(ACol)];
}

QString TZadIrururOziz::Version() const {
  const uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// ---- header lists

void TZadIrururOziz::ShowColumnHeaders() {
  if (FixedRows() <= 0) return;
  for (int c = 0; c < FColumnHeaders.size() && c < TotalColCount(); ++c)
    SetCellEx(c, 0, grid_text::UnescapeLineBreaks(FColumnHeaders[c]));
}

void TZadIrururOziz::ClearColumnHeaders() {
  for (int c = 0; c < ColCount(); ++c) SetCellEx(c, 0, QString());
}

void TZadIrururOziz::ShowRowHeaders() {
  if (FixedCols() <= 0) return;
  for (int r = 0; r < FRowHeaders.size() && r < RowCount(); ++r)
    SetCellEx(0, r, grid_text::UnescapeLineBreaks(FRowHeaders[r]));
}

void TZadIrururOziz::ClearRowHeaders() {
  for (int r = 0; r < RowCount(); ++r) SetCellEx(0, r, QString());
}

// ---- lists the grid watches

void TZadIrururOziz::Merged_Columns_Changed() {
  for (int c = 0; c < AllColCount(); ++c) SplitColumnCells(c);
  for (int i = 0; i < FMergedColumns.Count(); ++i) MergeColumnCells(FMergedColumns.GetInteger(i), i == 0);
}

void TZadIrururOziz::Connect_Cell_Lists() {
  FMergedColumns.OnChange = [this](TIntList*, int, int) { Merged_Columns_Changed(); };
}
