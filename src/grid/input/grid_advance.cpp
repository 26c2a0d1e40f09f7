// Moving on by itself, for TZadIrururOziz: the Enter advance in the
// direction of Navigation.AdvanceDirection (wrapping, appending rows or
// columns, passing over read-only cells, the editor following), the
// type-ahead search while the user types in a sorted grid, and the Tab step
// over the cells that can take the focus.
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"

namespace {
bool Is_Enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
}  // namespace

// ---- terms shared by Enter and Tab

int TZadIrururOziz::FirstTabCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

int TZadIrururOziz::VisibleRightFixedCols() const {
  if (NumHiddenColumns() == 0) return FFixedRightCols;
  int count = 0;
  for (int c = TotalColCount() - FFixedRightCols; c < TotalColCount(); ++c)
    if (c >= 0 && !IsHiddenColumn(c)) ++count;
  return count;
}

bool TZadIrururOziz::CanTabTo(int ACol, int ARow) {
  bool can = (Options() & goEditing) ? IsEditable(ACol, ARow) : !IsFixed(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

int TZadIrururOziz::FirstTabColInRow(int ARow) {
  for (int c = 0; c < ColCount(); ++c)
    if (CanTabTo(c, ARow)) return c;
  return -1;
}

int TZadIrururOziz::LastTabColInRow(int ARow) {
  for (int c = ColCount() - 1; c >= 0; --c)
    if (CanTabTo(c, ARow)) return c;
  return -1;
}

void TZadIrururOziz::GotoFirstRow() { FocusCell(Col(), FixedRows()); }

// ---- Enter advance

void TZadIrururOziz::AdvanceToNextCell(bool Forward) {
  // Inside an editor the editor is open; it follows to the new cell as the
  // grid's own Enter would reopen it there.
  AdvanceToNextCell(Col(), Row(), true, false, Forward, true, false);
}

void TZadIrururOziz::AdvanceToNextCell(int ACol, int ARow, bool ShowEditor, bool Repeating, bool Forward, bool AutoEdit,
                                       bool Force) {
  if (!FNavigation->AdvanceOnEnter() && !Force) return;
  if (FMouseActions->RangeSelectAndEdit() && !(Options() & goEditing)) SetOptions(Options() | goEditing);
  if (!Repeating) {
    FAECol = ACol;
    FAERow = ARow;
  }
  FStartEditChar = QChar();
  const int c0 = ACol, r0 = ARow;
  const TAdvanceDirection dir = FNavigation->AdvanceDirection();
  int c = ACol, r = ARow;
  // Passing over read-only cells ends once the walk has had as many steps
  // as the grid has cells, or stands still.
  const long long max_steps = (long long)(RowCount() + 1) * (ColCount() + 1) + 2;
  bool can_edit = false;
  for (long long step = 0;; ++step) {
    const int pc = c, pr = r;
    const QPoint span = CellSpan(RealColIndex(c), r);
    const int last_row = RowCount() - FFixedFooters - 1;
    if (Forward && (dir == adLeftRight || dir == adLeftRightInRow)) {
      if (c + span.x() < ColCount() - VisibleRightFixedCols() - 1) {
        c += span.x() + 1;
      } else if (dir == adLeftRightInRow) {
        if (FNavigation->AdvanceOnEnterLoop()) c = FirstTabCol();
      } else if (r == last_row) {
        if (FNavigation->AdvanceInsert()) {
          bool can_add = true;
          DoCanAddRow(can_add);
          c = FirstTabCol();
          if (can_add) {
            AddRow();
            ++r;
            if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
            bool any = false;
            for (int x = FixedCols(); x < ColCount() && !any; ++x) any = IsEditable(x, r);
            if (!any) return;
          }
        } else if (FNavigation->AdvanceOnEnterLoop()) {
          r = FixedRows();
          c = FirstTabCol();
        }
      } else {
        ++r;
        c = FirstTabCol();
      }
    } else if (Forward && (dir == adTopBottom || dir == adTopBottomInCol)) {
      if (r + 1 < RowCount() - FFixedFooters) {
        ++r;
      } else if (dir == adTopBottomInCol) {
        r = FixedRows();
      } else {
        if (c + 1 != ColCount() - FFixedRightCols) {
          r = FixedRows();
          if (++c >= ColCount()) c = FirstTabCol();
        } else if (FNavigation->AdvanceInsert()) {
          SetColCount(ColCount() + 1);
          c += span.x() + 1;
          r = FixedRows();
          if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
        } else {
          r = FixedRows();
          c = FirstTabCol();
        }
        InvalidateGrid();
      }
    } else if (!Forward && dir == adLeftRight) {
      if (c > FirstTabCol()) {
        --c;
      } else {
        r = r <= FixedRows() ? last_row : r - 1;
        c = ColCount() - FFixedRightCols - 1;
      }
    } else if (!Forward && dir == adTopBottom) {
      if (r > FixedRows()) {
        --r;
      } else {
        c = c <= FirstTabCol() ? ColCount() - FFixedRightCols - 1 : c - 1;
        r = last_row;
      }
    }
    c = std::clamp(c, 0, ColCount() - 1);
    r = std::clamp(r, 0, RowCount() - 1);
    can_edit = true;
    CheckCellEditable(RealColIndex(c), r, can_edit);
    if (can_edit || !FNavigation->AdvanceSkipReadOnlyCells()) break;
    // Every cell of the path visited, back at the start, or no step taken:
    // the current cell stays.
    if (step >= max_steps || (c == FAECol && r == FAERow) || (c == pc && r == pr)) return;
  }
  if (can_edit) {
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, r, c, allow);
    if (!allow) return;
    if (OnCellChanging) OnCellChanging(this, FAERow, FAECol, r, c, allow);
    if (!allow) return;
    FDisableChange = true;
    FocusCell(c, r);
    FDisableChange = false;
  } else {
    FocusCell(c, r);
  }
  if (!ShowEditor) return;
  const int rc = RealColIndex(Col());
  const bool control = HasCellControl(rc, Row());
  if ((AutoEdit && FNavigation->AdvanceAutoEdit()) || control) {
    if (!IsEditable(Col(), Row())) return;
    if (control) {
      // A cell control takes no text editor; the move is reported as the
      // grid's own.
      bool allow = true;
      if (OnCellChanging) OnCellChanging(this, r0, c0, Row(), Col(), allow);
      HideEditor();
    } else {
      ShowInplaceEdit();
    }
  }
  if (FMouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(Row(), true);
  }
}

// ---- type-ahead

int TZadIrururOziz::Search(const QString& s) {
  if (RowCount() < 2) return -1;
  int column = FixedCols();
  if (FSortSettings.Show) {
    if (FSortSettings.IndexShow)
      column = FSortIndexes.Count() > 0 ? FSortIndexes.GetSortColumns(0) : FixedCols();
    else
      column = FSortSettings.Column;
  }
  if (column < 0) return -1;
  // Both sides upper-cased: a lower-case s finds the row as well.
  const QString search = s.toUpper();
  for (int r = FixedRows(); r < RowCount(); ++r) {
    const QString text = HtmlToPlainText(GetCellEx(column, r));
    if (text.left(search.size()).toUpper() == search) return r;
  }
  return -1;
}

// ---- keys

bool TZadIrururOziz::Advance_Key_Press(QKeyEvent* event) {
  const int key = event->key();
  auto key_press = [&] {
    QChar typed = event->text().isEmpty() ? QChar(QChar::CarriageReturn) : event->text()[0];
    if (OnKeyPress) OnKeyPress(this, typed);
  };
  if (Is_Enter(key)) {
    const bool editable = IsEditable(Col(), Row());
    if (!FNavigation->AdvanceOnEnter() && !editable) {
      key_press();
      return true;
    }
    if (!EditorMode() && !HasCellControl(RealCol(), Row())) return false;
    AdvanceToNextCell(Col(), Row(), EditorMode(), false, true, false, false);
    if (!FNavigation->AdvanceAutoEdit()) {
      key_press();
      return true;
    }
    if (HasCellControl(RealCol(), Row())) {
      key_press();
      return true;
    }
    // The grid's own Enter opens the editor on the new cell.
    return false;
  }
  const QString text = event->text();
  const bool backspace = key == Qt::Key_Backspace;
  if ((Options() & goEditing) || !FNavigation->AutoGotoWhenSorted() || (event->modifiers() & Qt::ControlModifier) ||
      (!backspace && (text.isEmpty() || !text[0].isPrint())))
    return false;
  if (FNavigation->AutoGotoIncremental()) {
    if (backspace)
      SearchInc.chop(1);
    else
      SearchInc += text;
    FSearchTics = 0;
  } else {
    SearchInc = backspace ? QString() : text;
  }
  const int row = Search(SearchInc.toUpper());
  if (row >= 0)
    FocusCell(Col(), row);
  else
    SearchInc.clear();
  return false;
}

// ---- Tab

bool TZadIrururOziz::TabAdvance(bool Backward) {
  if (OnKeyDown) {
    int key = Qt::Key_Tab;
    OnKeyDown(this, key, Backward ? Qt::ShiftModifier : Qt::NoModifier);
    if (key != Qt::Key_Tab) return true;
  }
  if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
  FLastTabCol = Col();
  FLastTabRow = Row();
  const int start_col = Col(), start_row = Row();
  bool result = true;
  // Covered cells and, while editing, cells that cannot be edited are
  // stepped over; one pass over every cell at most.
  const long long max_steps = (long long)(RowCount() + 1) * (ColCount() + 1) + 2;
  for (long long step = 0; step < max_steps; ++step) {
    const int pc = Col(), pr = Row();
    result = Tab_Step(Backward) && result;
    if (!result) break;
    const bool covered = IsMergedNonBaseCell(RealColIndex(Col()), Row());
    const bool skip = (Options() & goEditing) && !IsEditable(Col(), Row());
    if (!covered && !skip) break;
    if ((Col() == pc && Row() == pr) || (Col() == start_col && Row() == start_row)) break;
  }
  if (result && FNavigation->AdvanceAutoEdit() && !HasCellControl(RealCol(), Row()) && (Options() & goEditing) &&
      IsEditable(Col(), Row()))
    ShowInplaceEdit();
  FLastTabCol = FLastTabRow = -1;
  if (FNavigation->AlwaysEdit()) setFocus();
  return result;
}

bool TZadIrururOziz::Tab_Step(bool Backward) {
  const int c = Col(), r = Row();
  const int first = FirstTabCol();
  const int last_col = ColCount() - VisibleRightFixedCols() - 1;
  const int last_row = RowCount() - FFixedFooters - 1;
  const bool columns_first = FNavigation->TabAdvanceDirection() != adLeftRight;
  auto force = [this](int col, int row) {
    FForceSel = true;
    FocusCell(col, row);
    FForceSel = false;
  };
  // Past the end the focus may go on to the next control of the window.
  auto end_of_grid = [this] {
    if (!parentWidget() || !FNavigation->TabToNextAtEnd()) return true;
    QMetaObject::invokeMethod(
        this, [this] { focusNextChild(); }, Qt::QueuedConnection);
    return false;
  };
  if (Backward) {
    if (columns_first) {
      if (r > FixedRows())
        force(c, r - 1);
      else
        force(c > first ? c - 1 : last_col, last_row);
    } else if (c > first) {
      for (int x = c - 1; x >= first; --x)
        if (CanTabTo(x, r) && !IsMergedNonBaseCell(RealColIndex(x), r)) {
          force(x, r);
          return true;
        }
      const int row = r > FixedRows() ? r - 1 : last_row;
      const int target = LastTabColInRow(row);
      if (target != -1) {
        force(target, row);
        if (IsMergedNonBaseCell(RealColIndex(Col()), Row())) MoveToBaseCell();
      }
    } else {
      const int row = r > FixedRows() ? r - 1 : last_row;
      int col = last_col;
      for (int x = last_col; x >= FixedCols(); --x)
        if (CanTabTo(x, row)) {
          col = x;
          break;
        }
      force(col, row);
    }
    return true;
  }
  const QPoint span = CellSpan(RealColIndex(c), r);
  if (columns_first) {
    if (r + span.y() + 1 <= last_row) {
      force(c, r + span.y() + 1);
      return true;
    }
    GotoFirstRow();
    if (c < last_col) {
      force(c + 1, FixedRows());
      return true;
    }
    force(first, FixedRows());
    return end_of_grid();
  }
  if (c + span.x() + 1 <= last_col) {
    for (int x = c + span.x() + 1; x <= last_col; ++x)
      if (CanTabTo(x, r)) {
        force(x, r);
        return true;
      }
    if (r < last_row) {
      int col = FirstTabColInRow(r + 1);
      if (col == -1) col = FixedCols();
      bool allow = true;
      if (OnRowChanging) OnRowChanging(this, r, r + 1, allow);
      if (allow && OnCellChanging) OnCellChanging(this, r, c, r + 1, col, allow);
      if (allow && col != c && OnColChanging) OnColChanging(this, c, col, allow);
      if (allow) force(col, r + 1);
      return true;
    }
    const int target = FirstTabColInRow(FixedRows());
    if (target != -1) force(target, FixedRows());
    return end_of_grid();
  }
  // At the last column.
  if (r < last_row) {
    for (int x = 0; x < ColCount(); ++x)
      if (!IsMergedNonBaseCell(RealColIndex(x), r + 1) && CanTabTo(x, r + 1)) {
        force(x, r + 1);
        return true;
      }
    for (int row = r + 2; row <= last_row; ++row)
      if (const int col = FirstTabColInRow(row); col >= 0) {
        force(col, row);
        return true;
      }
    force(ColCount() - 1, RowCount() - 1);
    return true;
  }
  if (FNavigation->TabToNextAtEnd() || !FNavigation->AdvanceInsert()) {
    GotoFirstRow();
  } else {
    const int rows = RowCount();
    AutoAppendRow();
    if (RowCount() > rows)
      force(Col(), RowCount() - FFixedFooters - 1);
    else
      GotoFirstRow();
  }
  if (const int col = FirstTabColInRow(Row()); col >= 0) force(col, Row());
  return end_of_grid();
}

bool TZadIrururOziz::Tab_Key(QKeyEvent* event) {
  const int key = event->key();
  if ((key != Qt::Key_Tab && key != Qt::Key_Backtab) || !(Options() & goTabs) ||
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  const TGridRect before = Selection();
  TabAdvance(key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier));
  const TGridRect after = Selection();
  if (!(after == before)) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
  return true;
}

bool TZadIrururOziz::Enter_F2_Key_Down(QKeyEvent* event) {
  const int key = event->key();
  const bool enter = Is_Enter(key);
  if (!enter && key != Qt::Key_F2) return false;
  auto own_key_down = [&] {
    int copy = key;
    if (OnKeyDown) OnKeyDown(this, copy, event->modifiers());
    return true;
  };
  if (FMouseActions->EditOnDblClickOnly() && !(Options() & goEditing)) {
    if (Editable_As_Range_Edit(Col(), Row())) SetOptions(Options() | goEditing);
  }
  if (FMouseActions->RangeSelectAndEdit() && !(Options() & goEditing)) {
    if (!IsEditable(Col(), Row())) return own_key_down();
    SetOptions(Options() | goEditing);
    ShowInplaceEdit();
    return true;
  }
  const bool editable = IsEditable(Col(), Row());
  if ((Options() & goEditing) && !editable) return own_key_down();
  if (enter && !editable) return own_key_down();
  return false;
}

bool TZadIrururOziz::Advance_Keys(QKeyEvent* event) {
  // A key ends panning and then does what it does.
  EndPanning();
  if (Tab_Key(event)) return true;
  if (Html_Control_Key(event)) return true;
  const bool enter = Is_Enter(event->key());
  if (Enter_F2_Key_Down(event)) {
    // The key-down stage used the key; Enter still reaches the advance.
    if (enter) Advance_Key_Press(event);
    return true;
  }
  if (enter && HasCellControl(RealCol(), Row())) {
    // The control works first (a button clicks), then the grid moves on.
    HandleKeyDown(event->key(), event->modifiers());
    Advance_Key_Press(event);
    return true;
  }
  return Advance_Key_Press(event);
}

bool TZadIrururOziz::event(QEvent* event) {
  // With goTabs, Tab moves inside the grid instead of to the next control.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (Options() & goTabs) &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      keyPressEvent(key);
      return true;
    }
  }
  // The border of the modern looks goes over the frame the base paints.
  if (event->type() == QEvent::Paint) {
    const bool done = TBaseGrid::event(event);
    if (FUpdateCount <= 0) PaintBorder();
    return done;
  }
  return TBaseGrid::event(event);
}
