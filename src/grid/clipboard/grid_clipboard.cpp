// Copying and cutting cells of TZadIrururOziz through the system clipboard.
//
// Clipboard formats written by a copy, all in one data object:
//   text/plain   the rectangle as text: cells joined by TAB, every row ending
//                in CR LF when there is more than one row; a text holding a
//                line break goes out in double quotes with its line breaks
//                as single LFs, so that pasting it back restores CR LF.
//   text/rtf     the top-left cell's raw rich text (Navigation.AllowRTFClipboard)
//   application/x-zadirururoziz-cells
//                the rectangle in the grid's binary cell format
//                (Navigation.AllowFmtClipboard), framed as for a cell drag.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocument>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_formats.h"
#include "grid/store/text_helpers.h"
#include "grid/undo/zad_grid_undo_redo.h"

namespace {

TGridRect Normalized(const TGridRect& r) {
  return TGridRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                   std::max(r.Top, r.Bottom)};
}

}  // namespace

QString TZadIrururOziz::Clip_Cell_Text(int ACol, int ARow) {
  const int real = RealColIndex(ACol);
  QString text;
  DoSaveCell(real, ARow, text);
  if (text.startsWith(QLatin1String("|\\"))) text = grid_text::DecodeWideCellText(text);
  if (!FNavigation->CopyHTMLTagsToClipboard() && text.contains(QLatin1String("</"))) {
    text = StrippedCells(real, ARow);
  } else if (text.contains(QLatin1String("{\\"))) {
    QTextDocument plain;
    CellToRich(real, ARow, plain);
    text = plain.toPlainText().replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  }
  if (FExcelClipboardFormat && grid_text::CountTextLines(text, FPaintLook.Multilinecells) > 1) {
    text = grid_text::QuoteMultiLineText(text);
  } else if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
    // One LF per line break: a CR LF would read as two breaks on the way back.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text = QLatin1Char('"') + text + QLatin1Char('"');
  }
  return text;
}

QString TZadIrururOziz::SelectionToText(const TGridRect& Rect, bool SelectedOnly) {
  const TGridRect rect = Normalized(Rect);
  FClipTopLeft = QPoint(rect.Left, rect.Top);
  const bool skip_rows =
      SelectedOnly && FMouseActions->DisjunctRowSelect() && !FMouseActions->DisjunctColSelect();
  const bool skip_cols = SelectedOnly && FMouseActions->DisjunctColSelect();
  const bool persistent = FMouseActions->RowSelectPersistent();
  ExportNotification(esExportStart, -1);
  QString result;
  for (int r = rect.Top; r <= rect.Bottom; ++r) {
    if (skip_rows && !RowSelect(persistent ? RealRowIndex(r) : r)) continue;
    ExportNotification(esExportNewRow, r);
    for (int c = rect.Left; c <= rect.Right; ++c) {
      if (skip_cols && !ColSelect(c)) continue;
      result += Clip_Cell_Text(c, r);
      if (c < rect.Right) result += QLatin1Char('\t');
    }
    if (rect.Bottom > rect.Top) result += QLatin1String("\r\n");
  }
  ExportNotification(esExportDone, -1);
  return result;
}

void TZadIrururOziz::Copy_Rect_To_Clipboard(const TGridRect& Rect, bool SelectedOnly) {
  auto* data = new QMimeData;
  data->setText(SelectionToText(Rect, SelectedOnly));
  const TGridRect rect = Normalized(Rect);
  if (FNavigation->AllowRTFClipboard()) {
    const QString raw = GetGridCell(RealColIndex(rect.Left), rect.Top);
    if (raw.contains(QLatin1String("{\\"))) data->setData(grid_dragdrop::Rtf_Mime, raw.toLatin1());
  }
  if (FNavigation->AllowFmtClipboard()) {
    QByteArray stream;
    try {
      SaveRectToBinStream(rect, stream);
    } catch (const VAzaZeriVader&) {
      // A block beyond the format's 16-bit indexes goes as text only.
      stream.clear();
    }
    if (!stream.isEmpty()) data->setData(grid_dragdrop::Cells_Mime, grid_dragdrop::Encode_Cells(stream));
  }
  QGuiApplication::clipboard()->setMimeData(data);
}

void TZadIrururOziz::CopyToClipBoard() {
  Copy_Rect_To_Clipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
  FClipLastOp = coCopy;
}

QString TZadIrururOziz::GetSelectionAsText() { return SelectionToText(Selection(), false); }

void TZadIrururOziz::ExtendSelectionToMergedCells() {
  TGridRect s = Normalized(Selection());
  const TGridRect before = s;
  if (IsMergedCell(s.Left, s.Top)) {
    const QPoint base = BaseCell(s.Left, s.Top);
    s.Left = std::min(s.Left, base.x());
    s.Top = std::min(s.Top, base.y());
  }
  if (IsMergedCell(s.Right, s.Bottom)) {
    const QPoint base = BaseCell(s.Right, s.Bottom);
    const QPoint span = CellSpan(base.x(), base.y());
    s.Right = std::max(s.Right, base.x() + span.x());
    s.Bottom = std::max(s.Bottom, base.y() + span.y());
  }
  if (!(s == before)) SetSelectionRect(s);
}

void TZadIrururOziz::CopySelectionToClipboard() {
  ExtendSelectionToMergedCells();
  if (FMouseActions->DisjunctRowSelect() && !FNavigation->AllowFmtClipboard())
    Copy_Rect_To_Clipboard(TGridRect{FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()},
                           true);
  else if (FMouseActions->DisjunctColSelect() && !FNavigation->AllowFmtClipboard())
    Copy_Rect_To_Clipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
  else
    Copy_Rect_To_Clipboard(Selection(), false);
  FClipLastOp = coCopy;
}

void TZadIrururOziz::CutToClipboard() {
  CopyToClipBoard();
  const bool always = FNavigation->AllowClipboardAlways();
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
      const int real = RealColIndex(c);
      if (always || IsEditable(real, r)) SetCellEx(real, r, QString());
    }
    if (FShowModifiedEnabled) SetRowModified(r, true);
  }
  FClipLastOp = coCut;
}

void TZadIrururOziz::CutSelectionToClipboard() {
  const TGridRect s = Normalized(Selection());
  CopySelectionToClipboard();
  const bool always = FNavigation->AllowClipboardAlways();
  TZadGridUndoRedo* undo = UndoRedo();
  // Empties one cell the user may change, recorded for undo.
  auto clear = [&](int c, int r) {
    const int real = RealColIndex(c);
    if (!always && !IsEditable(real, r)) return;
    const QString old = GetGridCell(real, r);
    if (old.isEmpty()) return;
    if (undo) undo->RegisterChange(real, r, old, QString());
    SetCellEx(real, r, QString());
  };
  if (undo) undo->StartSequence();
  if (FMouseActions->DisjunctRowSelect()) {
    // Read-only cells of a selected row stay, as in a rectangle cut.
    const bool persistent = FMouseActions->RowSelectPersistent();
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (!RowSelect(persistent ? RealRowIndex(r) : r)) continue;
      for (int c = FixedCols(); c < ColCount(); ++c) clear(c, r);
      if (FShowModifiedEnabled) SetRowModified(r, true);
    }
  } else if (FMouseActions->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (ColSelect(c))
        for (int r = FixedRows(); r < RowCount(); ++r) clear(c, r);
  } else {
    for (int c = s.Left; c <= s.Right; ++c)
      for (int r = s.Top; r <= s.Bottom; ++r) clear(c, r);
    if (FShowModifiedEnabled)
      for (int r = s.Top; r <= s.Bottom; ++r) SetRowModified(r, true);
    if (FNavigation->AllowFmtClipboard())
      FreeCellPropertiesRange(RealColIndex(s.Left), s.Top, RealColIndex(s.Right), s.Bottom);
  }
  if (undo) undo->StopSequence();
  FClipLastOp = coCut;
  DoCellsChanged(s);
  if (FNumHidden > 0) RepaintAll();
}

void TZadIrururOziz::MarkRowsModified(QPoint FromPoint, const TGridRect& Rect, TClipOperation Operation) {
  (void)FromPoint, (void)Operation;
  if (!FShowModifiedEnabled) return;
  for (int r = std::min(Rect.Top, Rect.Bottom); r <= std::max(Rect.Top, Rect.Bottom); ++r) SetRowModified(r, true);
}
