// Selection services of TZadIrururOziz: selecting a block, asking whether a
// cell is selected, the selected cells' texts and wide cell access.
#include <QTextDocument>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/text_helpers.h"

void TZadIrururOziz::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  SetSelectionRect(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

bool TZadIrururOziz::IsSelected(int ACol, int ARow) { return Paint_Is_Selected(ACol, ARow); }

QString TZadIrururOziz::SelectedText() {
  const TGridRect sel = Selection();
  int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
  if ((Options() & goRowSelect) && FDragDropSettings.OleEntireRows()) {
    left = 0;
    right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (FMouseActions->DisjunctRowSelect()) {
    const bool persistent = FMouseActions->RowSelectPersistent();
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (Paint_Row_Selected(persistent ? RealRowIndex(r) : r)) rows.push_back(r);
  } else {
    for (int r = std::min(sel.Top, sel.Bottom); r <= std::max(sel.Top, sel.Bottom); ++r) rows.push_back(r);
  }
  QString result;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) result += QLatin1String("\r\n");
    for (int c = left; c <= right; ++c) {
      QString text = GetCellEx(RealColIndex(c), rows[i]);
      if (text.contains(QLatin1String("{\\"))) {
        QTextDocument plain;
        CellToRich(RealColIndex(c), rows[i], plain);
        text = plain.toPlainText().replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
      }
      if (FExcelClipboardFormat && grid_text::CountTextLines(text, FPaintLook.Multilinecells) > 1)
        text = grid_text::QuoteMultiLineText(text);
      if (c > left) result += QLatin1Char('\t');
      result += text;
    }
  }
  return result;
}

QString TZadIrururOziz::GetWideCells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

void TZadIrururOziz::SetWideCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }
