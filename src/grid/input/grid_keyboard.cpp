// Key moves and scrolling a cell into view of TZadIrururOziz.
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/search_panel.h"

void TZadIrururOziz::ScrollInView(int ColIndex, int RowIndex) {
  if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
  int left = LeftCol(), top = TopRow();
  const int visible_cols = VisibleColCount(), visible_rows = VisibleRowCount();
  if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visible_cols) {
    SetCol(ColIndex);
    left = std::max(FixedCols(), ColIndex - visible_cols / 2);
  }
  if (RowIndex < TopRow() || RowIndex >= TopRow() + visible_rows) {
    SetRow(RowIndex);
    top = std::max(FixedRows(), RowIndex - visible_rows / 2);
  }
  left = std::min(left, ColCount() + 1 - visible_cols);
  if (FixedCols() + visible_cols < ColCount()) SetLeftCol(left);
  top = std::min(top, RowCount() + 1 - visible_rows);
  if (FixedRows() + visible_rows >= RowCount()) return;
  SetTopRow(top);
  // The search panel covers the bottom rows: scroll on until the row clears
  // it, or the grid scrolls no further.
  if (const int panel = SearchPanelHeight(); panel > 0) Scroll_Above(0, RowIndex, ClientHeight() - panel);
}

bool TZadIrururOziz::HandleKeyDown(int key, Qt::KeyboardModifiers shift) {
  const TGridRect before = Selection();
  const bool used = Key_Down_Moves(key, shift);
  // Whatever the key did to the selection is reported once.
  const TGridRect after = Selection();
  if (!(after == before)) {
    if (FPaintLook.SelectionRectangle) InvalidateGrid();
    DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
  }
  return used;
}

bool TZadIrururOziz::Key_Down_Moves(int key, Qt::KeyboardModifiers shift) {
  FLastKeyCell = TGridCoord{Col(), Row()};
  if (Move_Scroll_Only(key)) return true;
  const int old_left = LeftCol();
  const bool ctrl = shift & Qt::ControlModifier;
  // Moving rows with Ctrl+Up/Down takes the place of the plain move.
  if (ctrl && FNavigation->CursorMoveRows() && (key == Qt::Key_Down || key == Qt::Key_Up)) {
    const TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    const int count = bottom - top + 1;
    const int step = key == Qt::Key_Down ? 1 : -1;
    if ((step > 0 && bottom < RowCount() - 1) || (step < 0 && top > FixedRows())) {
      if (count == 1)
        MoveRow(top, top + step);
      else
        MoveRows(top, top + step, count);
      SetSelectionRect(TGridRect{sel.Left, top + step, sel.Right, bottom + step});
    }
    return true;
  }
  if ((key == Qt::Key_Home || key == Qt::Key_End) && Handle_Home_End(key, shift)) return true;
  Node_Arrow_Key(key);
  Handle_Cell_Control_Key(key);
  if (Skip_Fixed_Cells(key)) return true;
  if (key == Qt::Key_Down && FNavigation->AppendOnArrowDown() && IsLastDataRow()) AutoAppendRow();
  if (Search_Footer_Key_Before(key)) return true;
  const bool used = Row_Select_Scroll_Key(key, shift) || TBaseGrid::HandleKeyDown(key, shift);
  Keep_Horiz_Scroll(key, old_left);
  Search_Footer_Key_After(key);
  const TCursorAdvance advance = FNavigation->CursorAdvance();
  const int last_data_row = RowCount() - 1 - FFixedFooters;
  const int last_data_col = ColCount() - FFixedRightCols - 1;
  if (advance != caDefault && !(shift & Qt::ShiftModifier)) {
    const bool snake = advance == caSnake;
    int c = FLastKeyCell.X, r = FLastKeyCell.Y;
    bool wrap = false;
    switch (key) {
      case Qt::Key_Left:
        if (c == FixedCols()) {
          c = last_data_col;
          if (snake && r > FixedRows()) --r;
          wrap = true;
        }
        break;
      case Qt::Key_Up:
        if (r == FixedRows()) {
          r = last_data_row;
          if (snake && c > FixedCols()) --c;
          wrap = true;
        }
        break;
      case Qt::Key_Right:
        if (c == ColCount() - 1) {
          c = FixedCols();
          if (snake && r < last_data_row) ++r;
          wrap = true;
        }
        break;
      case Qt::Key_Down:
        if (r == RowCount() - 1) {
          r = FixedRows();
          if (snake && c < last_data_col) ++c;
          wrap = true;
        }
        break;
      default:
        break;
    }
    if (wrap) FocusCell(c, r);
  }
  // Disabled rows are stepped over when the move stayed put on them.
  if (FUseEnabledRows && FNavigation->SkipDisabledRows() && Row() == FLastKeyCell.Y) {
    if (key == Qt::Key_Up) {
      for (int r = Row() - 1; r >= FixedRows(); --r)
        if (RowEnabled(r)) {
          FocusCell(Col(), r);
          break;
        }
    } else if (key == Qt::Key_Down) {
      for (int r = Row() + 1; r < RowCount(); ++r)
        if (RowEnabled(r)) {
          FocusCell(Col(), r);
          break;
        }
    }
  }
  if (auto* sync = qobject_cast<TZadIrururOziz*>(FSyncGrid->Grid())) {
    if (FSyncGrid->SelectionColumn()) sync->SetCol(Col());
    if (FSyncGrid->SelectionRow()) sync->SetRow(Row());
  }
  return Handle_Service_Keys(key, shift) || used;
}

bool TZadIrururOziz::Handle_Service_Keys(int key, Qt::KeyboardModifiers shift) {
  const bool ctrl = shift & Qt::ControlModifier, with_shift = shift & Qt::ShiftModifier, alt = shift & Qt::AltModifier;
  if (ctrl && key == Qt::Key_F && FSearchFooter->Visible() && FSearchPanel) FSearchPanel->EditControl()->setFocus();
  auto clipboard = [&](const std::function<void(TZadIrururOziz*, bool&)>& event, void (TZadIrururOziz::*action)()) {
    bool allow = true;
    if (event) event(this, allow);
    if (allow) (this->*action)();
    return true;
  };
  if (FNavigation->AllowClipboardShortCuts()) {
    if (ctrl && key == Qt::Key_X) return clipboard(OnClipboardCut, &TZadIrururOziz::CutSelectionToClipboard);
    if (ctrl && key == Qt::Key_V) return clipboard(OnClipboardPaste, &TZadIrururOziz::PasteSelectionFromClipboard);
    if (ctrl && (key == Qt::Key_C || key == Qt::Key_Insert))
      return clipboard(OnClipboardCopy, &TZadIrururOziz::CopySelectionToClipboard);
    if (with_shift && key == Qt::Key_Insert)
      return clipboard(OnClipboardPaste, &TZadIrururOziz::PasteSelectionFromClipboard);
    if (with_shift && key == Qt::Key_Delete) return clipboard(OnClipboardCut, &TZadIrururOziz::CutSelectionToClipboard);
  }
  if (key == Qt::Key_Insert && FNavigation->AllowInsertRow() && !ctrl && !with_shift && !alt) {
    bool can_insert = true;
    int row_for_focus = Row();
    DoCanInsertRow(Row(), can_insert);
    if (!can_insert) return true;
    // The row goes into the unfiltered grid; the filter comes back after.
    const bool refilter = FFilterActive;
    if (refilter) {
      const int real_row = RealRowIndex(Row());
      SetFilterActive(false);
      FocusCell(Col(), DisplRowIndex(real_row));
    }
    // Rows are inserted at their display position (rows hidden otherwise
    // stay where they are); the event gets the new row's real index.
    int at = Row();
    int current = Row();
    if (FNavigation->InsertPosition() == pInsertAfter) {
      if (FFixedRowAlways && RowCount() == FixedRows()) {
        current = 1;
      } else {
        at = Row() + 1;
        current = Row() + 1;
      }
    }
    const int real = RealRowIndex(at);
    InsertOneRow(at);
    if (OnAutoInsertRow) OnAutoInsertRow(this, real);
    FGridModified = true;
    row_for_focus = current;
    FocusCell(Col(), std::min(row_for_focus, RowCount() - 1));
    if (refilter) SetFilterActive(true);
    return true;
  }
  if (key == Qt::Key_Delete && FNavigation->AllowDeleteRow() && !alt && RowCount() > FixedRows()) {
    const int real = RealRowIndex(Row());
    bool can_delete = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, real, can_delete);
    if (can_delete) {
      // The row goes from the unfiltered grid; the filter comes back after.
      const bool refilter = FFilterActive;
      if (refilter) {
        SetFilterActive(false);
        FocusCell(Col(), DisplRowIndex(real));
      }
      DoAutoDeleteRow(Row());
      RememberOldCell(Col(), Row());
      FGridModified = true;
      if (refilter) SetFilterActive(true);
    }
    return true;
  }
  if (ctrl && key == Qt::Key_A && (Options() & (goRowSelect | goRangeSelect))) {
    SelectAll();
    return true;
  }
  Handle_Disjunct_Keys(key, shift);
  return false;
}

void TZadIrururOziz::SelectAll() {
  const int first_col = FirstTabCol();
  TGridRect all{first_col, FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
  if (all.Right < all.Left || all.Bottom < all.Top) return;
  if (FMouseActions->DisjunctRowSelect()) SelectRows(FixedRows(), all.Bottom - all.Top + 1);
  AdjustKeySelection(all);
  SetSelectionRect(all);
}

bool TZadIrururOziz::Handle_Home_End(int key, Qt::KeyboardModifiers shift) {
  const bool ctrl = shift & Qt::ControlModifier, with_shift = shift & Qt::ShiftModifier;
  const THomeEndAction mode = FNavigation->HomeEndKey();
  const bool home = key == Qt::Key_Home;
  const int last_data_row = RowCount() - 1 - FFixedFooters;
  // A grid shrunk to its one fixed row takes the plain moves.
  const bool minimal = FFixedRowAlways && RowCount() == 1;
  // A row without a cell to tab to keeps the plain first column.
  auto first_col = [this](int r) {
    const int c = FirstTabColInRow(r);
    return c < 0 ? FixedCols() : c;
  };
  auto rows_to_selection = [&](int from_row) {
    if (with_shift) {
      SetSelectionRect(TGridRect{0, std::min(from_row, Row()), ColCount() - 1, std::max(from_row, Row())});
      if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    } else if (FMouseActions->DisjunctRowSelect()) {
      ClearRowSelect();
      SelectionToRowSelect(false);
    }
  };
  if (mode == heFirstLastCell && !ctrl) {
    if (home)
      FocusCell(FixedCols(), FixedRows());
    else
      FocusCell(ColCount() - 1, RowCount() - 1);
    MoveToBaseCell();
    return true;
  }
  if (mode == heFirstLastRow && !ctrl && !minimal) {
    const int from_row = Row(), left = LeftCol();
    FocusCell(Col(), home ? FixedRows() : last_data_row);
    // The footer rows come into view with the last data row.
    if (!home && FFixedFooters > 0) SetTopRow(RowCount() - VisibleRowCount());
    MoveToBaseCell();
    rows_to_selection(from_row);
    if ((Options() & goRowSelect) && FNavigation->KeepHorizScroll()) SetLeftCol(left);
    return true;
  }
  if (mode == heFirstLastColumn && ctrl && home) {
    FocusCell(first_col(FixedRows()), FixedRows());
    MoveToBaseCell();
    SetLeftCol(FirstTabCol());
    return true;
  }
  if (mode == heFirstLastColumn && !ctrl && !(Options() & goRowSelect) && !minimal) {
    if (with_shift) {
      const int edge = home ? FixedCols() : ColCount() - FFixedRightCols - 1;
      SetSelectionRect(TGridRect{std::min(edge, Col()), Row(), std::max(edge, Col()), Row()});
      RepaintRow(Row());
    } else if (home) {
      FocusCell(first_col(Row()), Row());
      MoveToBaseCell();
      SetLeftCol(FirstTabCol());
    } else {
      FocusCell(ColCount() - 1, Row());
      MoveToBaseCell();
      SetLeftCol(ColCount() - VisibleColCount());
    }
    return true;
  }
  return false;
}
