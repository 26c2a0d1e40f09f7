// Pasting into the selection of TZadIrururOziz. With
// Navigation.AllowSmartClipboard the selection is completed from what was
// pasted: one value fills it; two values in one column or row continue as a
// date, time, number or integer series, other values repeat; a one-row or
// one-column block is pasted again for every further row or column.
//
// The pasted values are counted as they are (a final line break adds none),
// so text copied from a single row repeats from its last value on.
#include <QDateTime>
#include <algorithm>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/progress_paint.h"
#include "grid/store/text_helpers.h"
#include "platform/number_entry.h"

namespace {

enum class Series { None, Date_Time, Number, Integer, Repeat };

// A date (it holds the date separator) or a time of day, as a date-time.
bool Read_Date_Time(const QString& text, QDateTime& value) {
  const Format_Settings& fs = Process_Format_Settings();
  if (text.contains(fs.Date_Separator)) {
    QDate date;
    if (!Try_Str_To_Date(text.trimmed(), date)) return false;
    value = QDateTime(date, QTime(0, 0));
    return true;
  }
  QTime time;
  if (!Try_Str_To_Time(text.trimmed(), time)) return false;
  value = QDateTime(QDate(1899, 12, 30), time);
  return true;
}

}  // namespace

bool TZadIrururOziz::Smart_Store(int c, int r, QString Value, bool TopLeft) {
  bool allow = true;
  if (!TopLeft && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, c, r, Value, allow);
  if (!allow) return false;
  StorePastedCell(c, r, Value);
  MarkRowsModified(FClipTopLeft, TGridRect{c, r, c, r}, coCopy);
  if (!TopLeft && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, c, r, Value);
  return true;
}

void TZadIrururOziz::Smart_Fill(const TGridRect& S, int N) {
  const int rows = FPastedRows, cols = FPastedCols;
  const bool always = FNavigation->AllowClipboardAlways();
  const bool one_col = S.Left == S.Right, one_row = S.Top == S.Bottom;
  // The selection's cells, columns left to right, rows top to bottom within
  // a column.
  std::vector<QPoint> cells;
  for (int c = S.Left; c <= S.Right; ++c)
    for (int r = S.Top; r <= S.Bottom; ++r) cells.emplace_back(c, r);
  auto editable = [&](QPoint p, bool with_always) {
    return IsEditable(RealColIndex(p.x()), p.y()) || (with_always && always);
  };
  bool blocks = true;
  BeginSmartPaste();
  if (N == 1 && cells.size() > 1) {
    const int real = RealColIndex(S.Left);
    QString value = GetGridCell(real, S.Top);
    bool state = false;
    if (HasCheckBox(real, S.Top) && GetCheckBoxState(real, S.Top, state)) {
      if (state)
        DoGetCheckTrue(real, S.Top, value);
      else
        DoGetCheckFalse(real, S.Top, value);
    }
    for (QPoint p : cells)
      if (editable(p, true)) Smart_Store(p.x(), p.y(), value, p == QPoint(S.Left, S.Top));
  } else if (N > 1 && (one_col || one_row)) {
    const Format_Settings& fs = Process_Format_Settings();
    const QString v1 = GetGridCell(RealColIndex(S.Left), S.Top);
    const QString v2 = one_col ? GetGridCell(RealColIndex(S.Left), S.Top + 1) : GetGridCell(RealColIndex(S.Left + 1), S.Top);
    auto date_like = [&](const QString& v) { return grid_text::LooksLikeDate(v) || v.contains(fs.Time_Separator); };
    Series kind = Series::Repeat;
    int32_t i1 = 0, i2 = 0;
    if (date_like(v1) && date_like(v2))
      kind = Series::Date_Time;
    else if (v1.contains(fs.Decimal_Separator) || v2.contains(fs.Decimal_Separator))
      kind = Series::Number;
    else if (Try_Read_Number(v1.trimmed(), i1) && Try_Read_Number(v2.trimmed(), i2))
      kind = Series::Integer;
    // The k-th cell's text, false when the series cannot be read.
    std::function<bool(int, QString&)> value_at;
    QDateTime d1, d2;
    double f1 = 0, f2 = 0;
    if (kind == Series::Date_Time) {
      if (!Read_Date_Time(v1, d1) || !Read_Date_Time(v2, d2)) kind = Series::None;
      const bool as_date = v1.contains(fs.Date_Separator);
      const int months = (d2.date().year() - d1.date().year()) * 12 + d2.date().month() - d1.date().month();
      const bool by_months = as_date && d2.date().day() == d1.date().day() && months != 0;
      const qint64 days = d1.date().daysTo(d2.date());
      const qint64 msecs = d1.msecsTo(d2);
      value_at = [=](int k, QString& text) {
        // Whole months from the first date: a day past the month's end
        // lands on its last day and the next month keeps the first day.
        if (by_months) {
          text = Date_To_Str(d1.date().addMonths(k * months));
        } else if (as_date) {
          text = Date_To_Str(d1.date().addDays(k * days));
        } else {
          text = Time_To_Str(d1.addMSecs(k * msecs).time());
        }
        return true;
      };
    } else if (kind == Series::Number) {
      if (!Try_Str_To_Float(v1.trimmed(), f1) || !Try_Str_To_Float(v2.trimmed(), f2)) kind = Series::None;
      value_at = [=, this](int k, QString& text) {
        text = Format_Progress_Value(FFloatFormat, f1 + k * (f2 - f1), false);
        return true;
      };
    } else if (kind == Series::Integer) {
      value_at = [=](int k, QString& text) {
        text = QString::number(qint64(i1) + qint64(k) * (qint64(i2) - i1));
        return true;
      };
    }
    if (kind == Series::Repeat) {
      if (one_col) {
        for (int r = S.Top + N; r <= S.Bottom; ++r)
          if (editable(QPoint(S.Left, r), false))
            Smart_Store(S.Left, r, GetGridCell(RealColIndex(S.Left), r - N), false);
      } else {
        for (int c = S.Left + N; c <= S.Right; ++c)
          if (editable(QPoint(c, S.Top), false)) Smart_Store(c, S.Top, GetGridCell(RealColIndex(c - N), S.Top), false);
      }
    } else {
      blocks = false;
      if (kind != Series::None)
        for (size_t k = 0; k < cells.size(); ++k) {
          QString text;
          if (!value_at(int(k), text)) break;
          if (editable(cells[k], false)) Smart_Store(cells[k].x(), cells[k].y(), text, k == 0);
        }
    }
  }
  EndSmartPaste();
  if (!blocks || S.Bottom == S.Top || S.Right == S.Left) return;
  int r_unused = 0, c_unused = 0;
  if (rows == 1) {
    for (int r = S.Top + 1; r <= S.Bottom; ++r) PasteCells(S.Left, r, r_unused, c_unused);
    SetSelectionRect(S);
  } else if (cols == 1) {
    for (int c = S.Left + 1; c <= S.Right; ++c) PasteCells(c, S.Top, r_unused, c_unused);
    SetSelectionRect(S);
  }
}

void TZadIrururOziz::PasteSelectionFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = false;
  ExtendSelectionToMergedCells();
  const TGridRect sel = Selection();
  const TGridRect S{std::min(sel.Left, sel.Right), std::min(sel.Top, sel.Bottom), std::max(sel.Left, sel.Right),
                    std::max(sel.Top, sel.Bottom)};
  int rows = 0, cols = 0;
  PasteCells((Options() & goRowSelect) ? FixedCols() : S.Left, S.Top, rows, cols);
  const int values = FPastedValues;
  const int cells = (S.Right - S.Left + 1) * (S.Bottom - S.Top + 1);
  if (FNavigation->AllowSmartClipboard() && cells != values) Smart_Fill(S, values);
  ImportNotification(isImportDone, -1);
  DoCellsChanged(S);
  RecalcFooter();
}
