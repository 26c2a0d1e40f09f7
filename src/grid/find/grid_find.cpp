// Finding and replacing cell texts: the scan over the cells a set of find
// parameters allows, the test of one cell, and replacing in the cells found.
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/filter/filter_matcher.h"
#include "grid/find/find_match.h"
#include "grid/html/html_plain_text.h"

namespace {

// The cells a scan may visit and the order it visits them in.
struct Scan_Area {
  int first_col, last_col, first_row, last_row;
  bool row_by_row, backward;
  bool Holds(int c, int r) const { return c >= first_col && c <= last_col && r >= first_row && r <= last_row; }
};

// One step on from a cell in scan order. A step past the end of a line goes
// to the start of the next line; past the last line it leaves the area.
QPoint Step(const Scan_Area& a, QPoint p) {
  const int d = a.backward ? -1 : 1;
  int& inner = a.row_by_row ? p.rx() : p.ry();
  int& outer = a.row_by_row ? p.ry() : p.rx();
  const int inner_first = a.row_by_row ? a.first_col : a.first_row;
  const int inner_last = a.row_by_row ? a.last_col : a.last_row;
  inner += d;
  if (inner < inner_first || inner > inner_last) {
    inner = a.backward ? inner_last : inner_first;
    outer += d;
  }
  return p;
}

// Keeps the scan to the line at Index; a start on another line moves onto
// it. A start on the line steps along it afterwards, and a step past its end
// ends the scan rather than going round the line again.
void Pin(int& first, int& last, int& start, int Index, int before_step) {
  first = last = Index;
  if (before_step != Index) start = Index;
}

}  // namespace

QPoint TZadIrururOziz::Find(QPoint StartCell, const QString& s, TFindParams FindParams) {
  ExportNotification(esExportStart, 0);
  const QPoint found = Find_Cell(StartCell, s, FindParams, false);
  ExportNotification(found.x() < 0 ? esExportDone : esExportFail, 0);
  if (FindParams.Has(fnAutoGoto)) {
    // A found row must not hide behind the floating footer.
    const int f = FloatingFooter().Visible() ? 2 : 0;
    if (TopRow() + VisibleRowCount() - 2 - f < Row() && VisibleRowCount() + FixedRows() + f < RowCount())
      SetTopRow(TopRow() + f + 1);
  }
  return found;
}

QPoint TZadIrururOziz::FindWide(QPoint StartCell, const QString& s, TFindParams FindParams) {
  ExportNotification(esExportStart, 0);
  const QPoint found = Find_Cell(StartCell, s, FindParams, true);
  ExportNotification(found.x() < 0 ? esExportDone : esExportFail, 0);
  return found;
}

QPoint TZadIrururOziz::FindFirst(const QString& s, TFindParams FindParams) {
  FSearchCell = Find(QPoint(-1, -1), s, FindParams);
  return FSearchCell;
}

QPoint TZadIrururOziz::FindNext() {
  FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
  return FSearchCell;
}

QPoint TZadIrururOziz::Find_Cell(QPoint StartCell, const QString& s, TFindParams FindParams, bool Wide) {
  FFindParams = FindParams;
  FFindBusy = true;
  const bool match_case = FindParams.Has(fnMatchCase);
  FSearchCache = match_case ? s : s.toUpper();
  FSearchCacheWide = FSearchCache;
  if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() || RowCount() == 0) {
    FFindBusy = false;
    return QPoint(-1, -1);
  }

  Scan_Area a{};
  a.row_by_row = FindParams.Has(fnDirectionLeftRight);
  a.backward = FindParams.Has(fnBackward);
  if (FindParams.Has(fnIncludeFixed)) {
    a.first_col = 0, a.last_col = ColCount() - 1;
    a.first_row = 0, a.last_row = RowCount() - 1;
  } else {
    a.first_col = FixedCols(), a.last_col = ColCount() - 1 - FixedRightCols();
    a.first_row = FixedRows(), a.last_row = RowCount() - 1 - FixedFooters();
  }
  if (FindParams.Has(fnSelectedCells)) {
    const TGridRect sel = Selection();
    a.first_col = std::min(sel.Left, sel.Right), a.last_col = std::max(sel.Left, sel.Right);
    a.first_row = std::min(sel.Top, sel.Bottom), a.last_row = std::max(sel.Top, sel.Bottom);
  }
  if (FindParams.Has(fnIncludeHiddenColumns)) a.last_col += NumHiddenColumns();
  if (FindParams.Has(fnIncludeHiddenRows)) a.last_row += NumHiddenRows();

  // The restrictions narrow the area before the start steps on in it, so
  // that the step from a found cell goes to the next cell of the same line.
  const QPoint before = StartCell;
  QPoint start = StartCell;
  if (FindParams.Has(fnFindInCurrentRow)) Pin(a.first_row, a.last_row, start.ry(), Row(), before.y());
  if (FindParams.Has(fnFindInPresetRow)) Pin(a.first_row, a.last_row, start.ry(), FFindRow, before.y());
  if (FindParams.Has(fnFindInCurrentCol)) Pin(a.first_col, a.last_col, start.rx(), Col(), before.x());
  if (FindParams.Has(fnFindInPresetCol)) Pin(a.first_col, a.last_col, start.rx(), FFindCol, before.x());
  if (before == QPoint(-1, -1))
    start = a.backward ? QPoint(a.last_col, a.last_row) : QPoint(a.first_col, a.first_row);
  else if (start == before)
    start = Step(a, start);

  // Row by row the ignored columns are passed over; column by column every
  // column is searched.
  for (QPoint p = start; a.Holds(p.x(), p.y()); p = Step(a, p)) {
    if (a.row_by_row && IsIgnoredColumn(p.x())) continue;
    ExportNotification(esExportNewRow, p.y());
    if (!Match_Find_Cell(p.x(), p.y(), Wide)) continue;
    FSearchCell = p;
    if (FindParams.Has(fnAutoGoto)) Goto_Found_Cell(p);
    return p;
  }
  FFindBusy = false;
  return QPoint(-1, -1);
}

bool TZadIrururOziz::Match_Find_Cell(int ACol, int ARow, bool Wide) {
  const TFindParams params = FFindParams;
  const int col = params.Has(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
  QString text = params.Has(fnIncludeHiddenRows) ? AllCells(col, ARow) : GetCellEx(col, ARow);
  if (!Wide && params.Has(fnIgnoreHTMLTags)) text = HtmlToPlainText(text);
  if (!params.Has(fnMatchCase)) text = text.toUpper();
  const QString& search = Wide ? FSearchCacheWide : FSearchCache;
  return Find_Text_Matches(text, search, params);
}

void TZadIrururOziz::Goto_Found_Cell(QPoint Cell) {
  int row = Cell.y();
  if (FFindParams.Has(fnIncludeHiddenRows)) {
    if (NumHiddenRows() > 0 && IsHiddenRow(row) && HasNodes()) Expand_Covering_Node(row);
    // A row still hidden has no place on screen to go to.
    if (IsHiddenRow(row)) return;
    row = DisplRowIndex(row);
  }
  int col = Cell.x();
  if (FFindParams.Has(fnIncludeHiddenColumns)) {
    if (IsHiddenColumn(col)) col = Col();
    col = DisplColIndex(col);
  }
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
  if (FMouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(row, true);
    SetRow(row);
  } else {
    GotoCell(col, row);
  }
}

// Opens the groups around a hidden row, the outer ones first, until the row
// shows or no shown node covers it.
void TZadIrururOziz::Expand_Covering_Node(int ARowReal) {
  while (IsHiddenRow(ARowReal)) {
    int node = -1;
    for (int real = ARowReal - 1; real >= FixedRows() && node < 0; --real) {
      if (IsHiddenRow(real)) continue;
      const int display = DisplRowIndex(real);
      if (IsNode(display) && real + GetNodeSpan(display) > ARowReal) node = real;
    }
    if (node < 0) return;
    ExpandNode(node);
  }
}

int TZadIrururOziz::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams) {
  const Qt::CaseSensitivity cs = FindParams.Has(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
  int count = 0;
  QPoint cell = Find(QPoint(-1, -1), OrigStr, FindParams);
  while (cell.x() >= 0) {
    const int col = FindParams.Has(fnIncludeHiddenColumns) ? cell.x() : RealColIndex(cell.x());
    const bool hidden_rows = FindParams.Has(fnIncludeHiddenRows);
    // The stored text, not the one a display hook shows.
    QString text;
    if (hidden_rows) {
      text = AllGridCells(col, cell.y());
    } else {
      const QPoint base = HasCellProperties(col, cell.y()) ? BaseCell(col, cell.y()) : QPoint(col, cell.y());
      text = GetGridCell(base.x(), base.y());
    }
    QString replaced = text;
    replaced.replace(OrigStr, NewStr, cs);
    if (replaced != text) {
      if (hidden_rows)
        SetAllGridCells(col, cell.y(), replaced);
      else
        SetCellEx(col, cell.y(), replaced);
      if (FShowModifiedEnabled) {
        const int real_row = hidden_rows ? cell.y() : RealRowIndex(cell.y());
        SetRowModified(real_row, true);
      }
      ++count;
    }
    cell = Find(cell, OrigStr, FindParams);
  }
  return count;
}
