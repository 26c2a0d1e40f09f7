// Pasting into TZadIrururOziz: the clipboard's cell block, rich text or text
// at a cell, and the selection written as text.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "grid/binfmt/bin_cell_carriers.h"
#include "grid/clipboard/pasted_text.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_formats.h"
#include "grid/store/text_helpers.h"
#include "grid/undo/zad_grid_undo_redo.h"

namespace {

bool Is_Wide(const QString& text) { return text.startsWith(QLatin1String("|\\")); }

}  // namespace

void TZadIrururOziz::StorePastedCell(int ACol, int ARow, const QString& Value) {
  const int real = RealColIndex(ACol);
  // The undo list keeps store columns: a hidden column to the left must not
  // send an undo to the wrong cell.
  if (TZadGridUndoRedo* undo = UndoRedo()) undo->RegisterChange(real, ARow, GetGridCell(real, ARow), Value);
  if (HasCheckBox(real, ARow)) {
    QString check_true;
    DoGetCheckTrue(real, ARow, check_true);
    ChangeCheckBoxState(real, ARow, Value == check_true);
  } else {
    SetCellEx(real, ARow, Value);
  }
  if (real != ACol) RepaintCell(ACol, ARow);
}

bool TZadIrururOziz::Paste_Field(int c, int r, QString Field) {
  Field = grid_clipboard::Decode_Pasted_Field(Field);
  if (ColCount() < c + 1 && FNavigation->AllowClipboardColGrow()) SetColCount(c + 1);
  if (c >= ColCount() || r >= RowCount()) return false;
  if (!FNavigation->AllowClipboardAlways() && !IsEditable(RealColIndex(c), r)) return false;
  bool allow = true;
  const bool wide = Is_Wide(Field);
  if (wide) {
    QString text = grid_text::DecodeWideCellText(Field);
    if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, c, r, text, allow);
    Field = grid_text::EncodeWideCellText(text);
  } else if (OnClipboardBeforePasteCell) {
    OnClipboardBeforePasteCell(this, c, r, Field, allow);
  }
  if (!allow) return false;
  StorePastedCell(c, r, Field);
  if (wide) {
    if (OnClipboardAfterPasteWideCell) OnClipboardAfterPasteWideCell(this, c, r, grid_text::DecodeWideCellText(Field));
  } else if (OnClipboardAfterPasteCell) {
    OnClipboardAfterPasteCell(this, c, r, Field);
  }
  return true;
}

int TZadIrururOziz::PasteText(int ACol, int ARow, int& Rows, int& Cols, const QString& Text) {
  FPastedValues = FPastedRows = FPastedCols = 0;
  if (ACol < 0 || ARow < 0) return 0;
  if (!((Options() & goEditing) || FNavigation->AllowClipboardAlways() || FMouseActions->RangeSelectAndEdit()))
    return 0;
  const std::vector<grid_clipboard::Pasted_Line> lines = grid_clipboard::Split_Pasted_Text(Text);
  TZadGridUndoRedo* undo = UndoRedo();
  if (undo) undo->StartSequence();
  const bool footer_row = FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow;
  Rows = 0;
  int count = 0, r = ARow, last_col = -1, last_row = -1;
  for (size_t l = 0; l < lines.size(); ++l) {
    const grid_clipboard::Pasted_Line& line = lines[l];
    ++Rows;
    ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, r);
    if (!line.Empty && FNavigation->ClipboardPasteAction() == paInsert && r <= RowCount()) InsertRows(r, 1, true);
    Cols = int(line.Fields.size());
    int c = ACol;
    for (qsizetype i = 0; i < line.Fields.size(); ++i, ++c) {
      const bool rest = i == line.Fields.size() - 1;
      // An empty rest at the very end of the text is counted, not stored.
      if (!rest || !line.Fields[i].isEmpty() || line.Line_Break) {
        if (Paste_Field(c, r, line.Fields[i])) {
          last_col = std::max(last_col, c);
          last_row = std::max(last_row, r);
        }
      }
      ++count;
    }
    // More text follows unless only the empty line after a final line break
    // is left; the grid then grows when the next line would start on the
    // footer row or past the last row.
    const bool more = l + 1 < lines.size() && !(l + 2 == lines.size() && lines[l + 1].Empty);
    if (more) {
      ++r;
      const int limit = RowCount() - (footer_row ? 1 : 0);
      if (r == limit && FNavigation->AllowClipboardRowGrow()) SetRowCount(RowCount() + 1);
    }
  }
  if (undo) undo->StopSequence();
  const bool empty_tail = lines.size() > 1 && lines.back().Empty;
  FPastedValues = count - (empty_tail ? 1 : 0);
  FPastedRows = Rows - (empty_tail ? 1 : 0);
  FPastedCols = int(lines[lines.size() - (empty_tail ? 2 : 1)].Fields.size());
  if (last_col >= 0) {
    MarkRowsModified(FClipTopLeft, TGridRect{ACol, ARow, last_col, last_row}, FClipLastOp);
    DoCellsChanged(TGridRect{RealColIndex(ACol), ARow, RealColIndex(last_col), last_row});
  }
  return count;
}

int TZadIrururOziz::Paste_Cell_Block(int ACol, int ARow, int& Rows, int& Cols, const QByteArray& Stream) {
  BeginSmartPaste();
  // The smart paste is ended also when the block turns out damaged.
  struct End_Paste {
    TZadIrururOziz& grid;
    ~End_Paste() { grid.EndSmartPaste(); }
  } end_paste{*this};
  grid_binfmt::Grid_Header header;
  try {
    grid_binfmt::Carrier_Reader in(Stream, 0);
    header = grid_binfmt::Read_Header(in);
  } catch (const grid_binfmt::Bin_Stream_Error& e) {
    throw VAzaZeriVader(e.what());
  }
  // No block of the format is wider or higher than 16-bit indexes reach.
  if (header.ColCount < 1 || header.RowCount < 1 || header.ColCount > 65536 || header.RowCount > 65536)
    throw VAzaZeriVader(
        QStringLiteral("Invalid cell block size %1,%2").arg(header.ColCount).arg(header.RowCount).toStdString());
  if (ACol + header.ColCount >= ColCount() && FNavigation->AllowClipboardColGrow()) SetColCount(ACol + header.ColCount);
  if (ARow + header.RowCount >= RowCount() && FNavigation->AllowClipboardRowGrow()) SetRowCount(ARow + header.RowCount);
  if (FNavigation->ClipboardPasteAction() == paInsert) InsertRows(ARow, header.RowCount, true);
  Rows = header.RowCount;
  Cols = header.ColCount;
  LoadAtPointFromBinStream(QPoint(ACol, ARow), Stream, 0);
  const TGridRect block{ACol, ARow, ACol + header.ColCount - 1, ARow + header.RowCount - 1};
  MarkRowsModified(header.ID == BinStreamID() ? FClipTopLeft : QPoint(-1, -1), block, FClipLastOp);
  FPastedRows = Rows;
  FPastedCols = Cols;
  FPastedValues = header.ColCount * header.RowCount;
  return FPastedValues;
}

int TZadIrururOziz::PasteCells(int ACol, int ARow, int& Rows, int& Cols) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  FPastedValues = FPastedRows = FPastedCols = 0;
  if (!data) return 0;
  QByteArray cells;
  if (UsesFormattedClipboard() && data->hasFormat(grid_dragdrop::Cells_Mime) &&
      grid_dragdrop::Decode_Cells(data->data(grid_dragdrop::Cells_Mime), cells))
    return Paste_Cell_Block(ACol, ARow, Rows, Cols, cells);
  if (FNavigation->AllowRTFClipboard() && data->hasFormat(grid_dragdrop::Rtf_Mime)) {
    QByteArray bytes = data->data(grid_dragdrop::Rtf_Mime);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) bytes.truncate(nul);
    if (IsEditable(RealColIndex(ACol), ARow)) StorePastedCell(ACol, ARow, QString::fromLatin1(bytes));
    Rows = Cols = 1;
    return 0;
  }
  if (data->hasText()) return PasteText(ACol, ARow, Rows, Cols, data->text());
  return 0;
}

void TZadIrururOziz::PasteFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = true;
  int rows = 0, cols = 0;
  PasteCells(SaveStartCol(), SaveStartRow(), rows, cols);
  FPasteAll = false;
  ImportNotification(isImportDone, -1);
  RecalcFooter();
}

void TZadIrururOziz::SetSelectionAsText(const QString& Value) {
  const TGridRect sel = Selection();
  const int left = std::min(sel.Left, sel.Right);
  const int top = std::min(sel.Top, sel.Bottom);
  const bool footer_row = FloatingFooter().Visible() && FloatingFooter().FooterStyle() == fsFixedLastRow;
  const std::vector<grid_clipboard::Pasted_Line> lines = grid_clipboard::Split_Pasted_Text(Value);
  int r = top, last_col = left, last_row = top;
  for (size_t i = 0; i < lines.size(); ++i) {
    const grid_clipboard::Pasted_Line& line = lines[i];
    if (i + 1 == lines.size() && line.Empty && i > 0) break;  // after a final line break
    int c = left;
    for (const QString& raw : line.Fields) {
      QString field = grid_clipboard::Decode_Pasted_Field(raw);
      if (Is_Wide(field)) field = grid_text::EncodeWideCellText(grid_text::DecodeWideCellText(field));
      if (c >= ColCount()) SetColCount(c + 1);
      if (r >= RowCount()) SetRowCount(r + 1);
      SetGridCell(RealColIndex(c), r, field);
      last_col = std::max(last_col, c);
      last_row = std::max(last_row, r);
      ++c;
    }
    const bool more = i + 1 < lines.size() && !(i + 2 == lines.size() && lines[i + 1].Empty);
    if (more) {
      ++r;
      if (r == RowCount() - (footer_row ? 1 : 0)) SetRowCount(RowCount() + 1);
    }
  }
  DoCellsChanged(TGridRect{RealColIndex(left), top, RealColIndex(last_col), last_row});
  InvalidateGrid();
}
