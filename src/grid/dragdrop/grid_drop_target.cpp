#include "grid/dragdrop/grid_drop_target.h"

#include <QFileInfo>
#include <QListWidget>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/input/header_drag_button.h"

TGridDropTarget::TGridDropTarget(TZadIrururOziz* AGrid) : TZSGDropTarget(AGrid), FGrid(AGrid) {}

void TGridDropTarget::GetTextBlockSize(const QString& Text, int& Cols, int& Rows) {
  Cols = 0;
  Rows = 0;
  qsizetype i = 0;
  while (i <= Text.size()) {
    const qsizetype cr = Text.indexOf(u'\r', i);
    const qsizetype end = cr < 0 ? Text.size() : cr;
    const QStringView piece = QStringView(Text).mid(i, end - i);
    Cols = std::max(Cols, int(piece.count(u'\t')) + 1);
    if (cr >= 0) ++Rows;
    if (piece.isEmpty()) --Rows;
    if (cr < 0) break;
    i = cr + 1;
    if (i < Text.size() && Text[i] == u'\n') ++i;
  }
  Rows = std::max(Rows, 0);
}

void TGridDropTarget::Target_Cell(QPoint pt, bool column_drag, int& ACol, int& ARow, bool& append) const {
  append = false;
  ACol = ARow = -1;
  if (FGrid->viewport()->rect().contains(pt)) {
    const TGridCoord cell = FGrid->MouseCoord(pt.x(), pt.y());
    ACol = cell.X;
    ARow = cell.Y;
  }
  const TDragDropSettings& s = FGrid->DragDropSettings();
  if (ARow == -1 && !column_drag && s.OleEntireRows() && s.OleAppendRows() &&
      pt.y() >= FGrid->CellRect(FGrid->LeftCol(), FGrid->RowCount() - 1).Bottom) {
    ACol = FGrid->FixedCols();
    ARow = FGrid->RowCount() - 1;
    append = true;
  }
}

void TGridDropTarget::Hide_Drop_Indicators() {
  FGrid->ArrowWindow(arrLeft)->hide();
  FGrid->ArrowWindow(arrDown)->hide();
}

void TGridDropTarget::DragMouseMove(QPoint pt, bool& Allow, TDropFormats DropFormats) {
  TZSGDropTarget::DragMouseMove(pt, Allow, DropFormats);
  const bool column_drag = DropFormats & Drop_Format_Bit(dfCol);
  const bool files = DropFormats & Drop_Format_Bit(dfFile);
  int ACol = -1, ARow = -1;
  bool append = false;
  Target_Cell(pt, column_drag, ACol, ARow, append);
  TZadIrururOziz& g = *FGrid;
  Allow = ACol >= 0 && ARow >= 0;

  if (Allow && !column_drag) {
    if ((ARow == 0 && g.TopRow() > g.FixedRows()) || (pt.y() < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
      g.SetTopRow(g.TopRow() - 1);
    else if (ARow == g.TopRow() + g.VisibleRowCount() && ARow < g.RowCount())
      g.SetTopRow(g.TopRow() + 1);
    if (g.FTimerTicks % 2 == 0) {
      ++g.FTimerTicks;
      if (ACol == 0 && g.LeftCol() > g.FixedCols())
        g.SetLeftCol(g.LeftCol() - 1);
      else if (ACol == g.LeftCol() + g.VisibleColCount() && ACol < g.ColCount())
        g.SetLeftCol(g.LeftCol() + 1);
    }
  }

  if (!column_drag) {
    if (ARow < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways())) Allow = false;
  } else if (ACol < 0) {
    ACol = g.ColCount();
    ARow = 0;
    Allow = true;
  } else {
    Allow = Allow && ARow < g.FixedRows() && ACol >= g.FixedCols();
  }
  Allow = Allow || files || (DropFormats & Drop_Format_Bit(dfGridCells));
  if (g.OnOleDragOver) g.OnOleDragOver(&g, ARow, ACol, Allow);
  Allow = Allow && ((ARow >= 0 && ACol >= 0) || files);

  TArrowWindow* left = g.ArrowWindow(arrLeft);
  TArrowWindow* down = g.ArrowWindow(arrDown);
  TArrowWindow* up = g.ArrowWindow(arrUp);
  if (column_drag && Allow) {
    // Past the last column the arrows stand at its right edge.
    TRect cell = g.CellRect(std::min(ACol, g.ColCount() - 1), 0);
    if (ACol >= g.ColCount()) cell.Left = cell.Right;
    down->move(g.viewport()->mapToGlobal(QPoint(cell.Left - down->width() / 2, cell.Top - 8 - down->height())));
    up->move(g.viewport()->mapToGlobal(QPoint(cell.Left - up->width() / 2, cell.Bottom)));
    down->show();
    up->show();
    left->hide();
  } else if (Allow && ARow >= 0 && ACol >= 0) {
    if (ARow == 0 && g.FixedRowAlways()) {
      ARow = 1;
      append = false;
    }
    TRect cell = g.CellRect(g.DragDropSettings().OleEntireRows() ? g.FixedCols() : ACol, ARow);
    if (append) {
      cell.Top += g.RowHeights(ARow);
      cell.Bottom += g.RowHeights(ARow);
    }
    left->move(g.viewport()->mapToGlobal(QPoint(cell.Left - 10, cell.Top - left->height() / 2)));
    left->show();
    down->hide();
    up->hide();
  } else {
    left->hide();
    down->hide();
    up->hide();
  }
}

void TGridDropTarget::DragMouseLeave() {
  FGrid->ArrowWindow(arrDown)->hide();
  FGrid->ArrowWindow(arrUp)->hide();
  FGrid->ArrowWindow(arrLeft)->hide();
}

void TGridDropTarget::DropText(QPoint pt, const QString& s) {
  TZadIrururOziz& g = *FGrid;
  const TDragDropSettings& settings = g.DragDropSettings();
  int ACol = -1, ARow = -1;
  bool append = false;
  Target_Cell(pt, false, ACol, ARow, append);
  bool Allow = true;
  int Cols = 0, Rows = 0;
  GetTextBlockSize(s, Cols, Rows);
  const bool row_select = g.Options() & goRowSelect;
  if (row_select) ACol = settings.OleEntireRows() ? 0 : g.FixedCols();
  if (g.OnOleDrop) g.OnOleDrop(&g, ARow, ACol, s, Allow);
  // Outside the cells nothing is stored.
  if (ARow < 0 || ACol < 0) Allow = false;
  if (Allow) {
    TGridRect drop = g.FDropSelection;
    if (drop.Top >= ARow && settings.OleRemoveRows()) {
      drop.Top += Rows + 1;
      drop.Bottom += Rows + 1;
      if (g.MouseActions().DisjunctRowSelect() && ARow <= int(g.FRowSelect.size()))
        g.FRowSelect.insert(g.FRowSelect.begin() + ARow, size_t(Rows + 1), false);
    }
    g.FDropSelection = drop;
    if (ARow == 0 && g.FixedRowAlways() && g.RowCount() == 1) ARow = 1;
    if (settings.OleInsertRows()) {
      int top = g.TopRow();
      if (append) {
        g.SetRowCount(g.RowCount() + Rows + 1);
        ++ARow;
      } else {
        g.InsertRows(ARow, Rows + 1, true);
      }
      if (top > g.FixedRows()) ++top;
      if (top > 0) g.SetTopRow(std::min(top, g.RowCount() - 1));
    } else if (append) {
      // Appending without inserting still needs the rows below the last.
      g.SetRowCount(g.RowCount() + Rows + 1);
      ++ARow;
    }
    int pasted_rows = 0, pasted_cols = 0;
    Paste_Text(ACol, ARow, pasted_rows, pasted_cols, s);
    ACol = std::max(ACol, g.FixedCols());
    const TGridRect sel = row_select ? TGridRect{ACol, ARow, ACol + Cols - g.FixedCols(), ARow + Rows}
                                     : TGridRect{ACol, ARow, ACol + Cols - 1, ARow + Rows};
    g.SetSelectionRect(TGridRect{sel.Left, sel.Top, std::min(sel.Right, g.ColCount() - 1),
                                 std::min(sel.Bottom, g.RowCount() - 1)});
    g.NoteOwnDrop(g.Selection());
  }
  Hide_Drop_Indicators();
  if (g.FMoveButton) g.FMoveButton->hide();
  // A refused drop reports the selection as it stands.
  if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::Paste_Text(int ACol, int ARow, int& Rows, int& Cols, const QString& s) {
  // Fields go into the cells inside the grid that may be edited (or any
  // with AllowClipboardAlways), from the drop cell right and down.
  TZadIrururOziz& g = *FGrid;
  Rows = Cols = 0;
  const bool always = g.Navigation().AllowClipboardAlways();
  int r = ARow, last_c = ACol, last_r = ARow;
  qsizetype i = 0;
  while (i <= s.size()) {
    const qsizetype cr = s.indexOf(u'\r', i);
    const qsizetype end = cr < 0 ? s.size() : cr;
    const QStringList fields = s.mid(i, end - i).split(u'\t');
    ++Rows;
    Cols = std::max(Cols, int(fields.size()));
    for (qsizetype k = 0; k < fields.size(); ++k) {
      const int c = ACol + int(k);
      if (c >= g.ColCount() || r >= g.RowCount()) continue;
      if (!always && !g.IsEditable(g.RealColIndex(c), r)) continue;
      g.SetCellEx(c, r, fields[k]);
      last_c = std::max(last_c, c);
      last_r = std::max(last_r, r);
    }
    if (cr < 0) break;
    i = cr + 1;
    if (i < s.size() && s[i] == u'\n') ++i;
    if (i >= s.size()) break;
    ++r;
  }
  g.DoCellsChanged(TGridRect{g.RealColIndex(ACol), ARow, g.RealColIndex(last_c), last_r});
}

void TGridDropTarget::DropStream(QPoint pt, const QByteArray& ms) {
  TZadIrururOziz& g = *FGrid;
  int ACol = -1, ARow = -1;
  bool append = false;
  Target_Cell(pt, false, ACol, ARow, append);
  {
    // Damaged cells from another program raise (to the application's error
    // box, the cells read before it kept); the drag's marks go either way.
    struct Hide_Marks {
      TGridDropTarget* target;
      ~Hide_Marks() {
        target->Hide_Drop_Indicators();
        if (target->FGrid->FMoveButton) target->FGrid->FMoveButton->hide();
      }
    } hide{this};
    if (ACol >= 0 && ARow >= 0) g.LoadAtPointFromBinStream(QPoint(ACol, ARow), ms, 0);
  }
  if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropCol(QPoint pt, int Col) {
  TZadIrururOziz& g = *FGrid;
  int ACol = -1, ARow = -1;
  bool append = false;
  Target_Cell(pt, true, ACol, ARow, append);
  if (ACol < 0) ACol = g.ColCount();
  if (DropFormats() & Drop_Format_Bit(dfCol)) {
    g.ArrowWindow(arrDown)->hide();
    g.ArrowWindow(arrUp)->hide();
    if (g.FMoveButton) g.FMoveButton->hide();
  }
  auto move_to = [&g](int from, int to) {
    const bool enhanced = g.EnhRowColMove();
    g.SetEnhRowColMove(true);
    g.MoveColumn(from, std::min(to, g.ColCount() - 1));
    g.SetEnhRowColMove(enhanced);
  };
  if (g.FOleDragList) {
    // A column coming back from the column chooser.
    if (auto* list = qobject_cast<QListWidget*>(g.FOleDragList.data()))
      delete list->takeItem(g.FOleDragIndex);
    const int real = g.FOleDragCol;
    // A column the grid does not know moves nothing.
    if (real >= 0 && real < g.ColCount() + g.NumHiddenColumns()) {
      g.UnHideColumn(real);
      move_to(g.DisplColIndex(real), ACol);
    }
    g.FOleDragCol = g.FOleDragIndex = -1;
    g.FOleDragList = nullptr;
  } else if (g.DragDropSettings().OleColumnReorder()) {
    ACol = std::min(ACol, g.ColCount() - 1);
    const int from = g.DisplColIndex(Col);
    if (from >= 0 && from != ACol) move_to(from, ACol);
  }
  if (g.OnOleDropCol) g.OnOleDropCol(&g, ARow, ACol, Col);
}

void TGridDropTarget::Drop_Raw(QPoint pt, const QString& s, bool url) {
  TZadIrururOziz& g = *FGrid;
  int ACol = -1, ARow = -1;
  bool append = false;
  Target_Cell(pt, false, ACol, ARow, append);
  bool Allow = ACol >= 0 && ARow >= 0 && g.IsEditable(g.RealColIndex(ACol), ARow);
  if (url) {
    if (g.OnOleDropURL) g.OnOleDropURL(&g, ARow, ACol, s, Allow);
  } else if (g.OnOleDrop) {
    g.OnOleDrop(&g, ARow, ACol, s, Allow);
  }
  if (Allow && ACol >= 0 && ARow >= 0) g.SetCellEx(ACol, ARow, s);
  Hide_Drop_Indicators();
}

void TGridDropTarget::DropRTF(QPoint pt, const QString& s) { Drop_Raw(pt, s, false); }

void TGridDropTarget::DropURL(QPoint pt, const QString& s) { Drop_Raw(pt, s, true); }

// Errors of the loaders pass on to the application's error box.
void TGridDropTarget::DropFiles(QPoint pt, const QStringList& files) {
  TZadIrururOziz& g = *FGrid;
  if (files.size() == 1) {
    const QString& name = files.front();
    int ACol = -1, ARow = -1;
    bool append = false;
    Target_Cell(pt, false, ACol, ARow, append);
    bool Allow = true;
    if (g.OnOleDropFile) g.OnOleDropFile(&g, ARow, ACol, name, Allow);
    // The last suffix alone decides: "data.xls.csv" is CSV.
    const QString suffix = QFileInfo(name).suffix().toUpper();
    if (Allow && suffix == QLatin1String("CSV")) {
      if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, Allow);
      if (Allow) g.LoadFromCSV(name, -1);
    } else if (Allow && (suffix == QLatin1String("XLS") || suffix == QLatin1String("XLSX"))) {
      if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, Allow);
      if (Allow) g.LoadFromXLS(name);
    }
  }
  Hide_Drop_Indicators();
}
