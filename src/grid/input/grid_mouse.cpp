// The left press of TZadIrururOziz and its mouse-down override. A press
// passes the grid's own stages first (selection resizer, click permission,
// cell controls, disjunct selections, fixed-cell selection modes); where it
// lets the press through, the platform grid's press sets the current cell or
// starts range selection, sizing or moving, and calls HandleMouseDown, which
// fires OnMouseDown.
#include <QMouseEvent>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/text_helpers.h"

namespace {
bool Rect_Has_Cell(const TGridRect& r, int c, int r_) {
  return c >= std::min(r.Left, r.Right) && c <= std::max(r.Left, r.Right) && r_ >= std::min(r.Top, r.Bottom) &&
         r_ <= std::max(r.Top, r.Bottom);
}
}  // namespace

void TZadIrururOziz::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    HandleLeftButtonDown(event);
  else if (event->button() == Qt::RightButton)
    HandleRightButtonDown(event);
  else
    TBaseGrid::mousePressEvent(event);
}

void TZadIrururOziz::Framework_Press(QMouseEvent* event, QPoint at) {
  if (at == event->position().toPoint()) {
    TBaseGrid::mousePressEvent(event);
    return;
  }
  QMouseEvent moved(event->type(), QPointF(at), viewport()->mapToGlobal(QPointF(at)), event->button(), event->buttons(),
                    event->modifiers());
  TBaseGrid::mousePressEvent(&moved);
}

// The 6 x 6 square at the bottom corner of the selection's last cell starts
// a resize of the selection; the release pastes the copied block into it.
bool TZadIrururOziz::Press_Selection_Resizer(const QPoint& pos, bool by_hover, bool set_state) {
  const TGridRect sel = Selection();
  const TRect last = CellRect(sel.Right, sel.Bottom);
  if (!by_hover) {
    if (last.Is_Empty()) return false;
    const int left = isRightToLeft() ? last.Left : last.Right - 6;
    if (!TRect{left, last.Bottom - 6, left + 6, last.Bottom}.Contains(pos.x(), pos.y())) return false;
  }
  if (set_state) SetGridState(gsSelecting);
  FDropSelection = sel;
  CopySelectionToClipboard();
  FMouseResize = true;
  const bool skip = by_hover ? Mouse_Editing_Option() : Mouse_Editing_Option() || FMouseActions->RangeSelectAndEdit();
  if (!skip) {
    HandleMouseDown(Qt::LeftButton, Qt::NoModifier, pos.x(), pos.y());
    // The resize keeps the block: its top-left stays the anchor the drag
    // extends from.
    Set_Selection_Anchored(sel);
  }
  SetGridState(gsSelecting);
  return true;
}

void TZadIrururOziz::HandleLeftButtonDown(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const Qt::KeyboardModifiers shift = event->modifiers();
  FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
  FSpinUpClick = FSpinDnClick = false;
  int ACol = -1, ARow = -1;
  MouseToCell(pos.x(), pos.y(), ACol, ARow);
  const TGridRect remembered = Selection();
  FPressSelection = remembered;
  FPressCell = QPoint(ACol, ARow);
  FMoveAnnounced = false;
  FMoveColInd = FMoveRowInd = -1;
  // A press on a hot fixed border sizes the fixed column or row.
  if (!IsDesigning() && Press_Fixed_Sizing(pos)) return;

  if (FPaintLook.SelectionResizer && FPaintLook.SelectionRectangle && Press_Selection_Resizer(pos, false, true)) return;
  if (Mouse_Editing_Option() && FMouseActions->RangeSelectAndEdit() && ACol >= 0 && ARow >= 0 &&
      !Rect_Has_Cell(remembered, ACol, ARow))
    SetOptions(Options() & ~goEditing);
  if (OnCanClickCell && ACol >= 0 && ARow >= 0) {
    bool allow = true;
    OnCanClickCell(this, ARow, ACol, allow);
    if (!allow) return;
  }
  if (FMouseSelectMode == msResize) {
    Press_Selection_Resizer(pos, true, false);
    return;
  }
  const bool ctrl = shift & Qt::ControlModifier;
  if (FMouseActions->DisjunctCellSelect() && !ctrl && ACol >= FixedCols() && ARow >= FixedRows()) {
    ClearSelectedCells();
    InvalidateGrid();
  }

  SetIncrSearchText(QString());
  FSelectionClick = false;
  FPushedCellButton = QPoint(-1, -1);
  FOldTopRow = TopRow();
  FOldKeepLeftCol = LeftCol();
  // The border under the mouse belongs to the column left of it and the row
  // above it.
  const int bx = ACol == 0 ? pos.x() : pos.x() - 5;
  const int by = ARow == 0 ? pos.y() : pos.y() - 4;
  MouseToCell(bx, by, Colclicked, Rowclicked);
  Colclickedsize = Colclicked >= 0 ? ColWidths(Colclicked) : 0;
  Rowclickedsize = Rowclicked >= 0 ? RowHeights(Rowclicked) : 0;
  Clickposx = pos.x();
  Clickposy = pos.y();

  if (ACol < 0 || ARow < 0) {
    HideInplaceEdit();
    if (!FFixedRowAlways) Framework_Press(event, pos);
    return;
  }
  {
    const QPoint base = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndex(base.x());
    ARow = base.y();
  }
  if (FMouseActions->CaretPositioning()) LButFlg = true;
  const bool fixed_cell = ACol < FixedCols() || ARow < FixedRows();
  if (fixed_cell || IsFixed(ACol, ARow)) HideInplaceEdit();

  const int real = RealColIndex(ACol);
  const TRect cell = CellRect(ACol, ARow);
  if (FControlLook.SpinButtonsAlwaysVisible() && DoHasSpinEdit(real, ARow) && pos.x() > cell.Right - 18) {
    if (pos.y() > cell.Top + cell.Height() / 2)
      FSpinDnClick = true;
    else
      FSpinUpClick = true;
  }
  if (Press_Node_Glyph(ACol, ARow, pos, shift)) return;
  if (GetCellType(real, ARow) == ctRadio && (IsEditable(ACol, ARow) || FControlLook.RadioAlwaysActive())) {
    HideInplaceEdit();
    ClickRadioGroup(ACol, ARow, pos.x() - cell.Left, pos.y() - cell.Top);
    setFocus(Qt::MouseFocusReason);
    return;
  }
  if (Press_Node_Column(ACol, ARow, pos, shift)) return;
  if (Press_Cell_Object(ACol, ARow, pos)) return;
  QPoint press_at = pos;
  if (IsMergedCell(real, ARow) && !fixed_cell && !OnMouseDown) {
    // A press anywhere in a merged block acts on its base cell.
    press_at = QPoint(cell.Left + 2, cell.Top + 2);
  }

  if (Colclicked >= 0 && Rowclicked >= 0) {
    const TRect clicked = CellRect(Colclicked, Rowclicked);
    Clickposdx = pos.x() - clicked.Right;
    Clickposdy = pos.y() - clicked.Bottom;
  }

  const bool alt = shift & Qt::AltModifier, with_shift = shift & Qt::ShiftModifier;
  if (FMouseActions->DisjunctRowSelect() && ARow >= FixedRows() && !(ACol == 0 && FMouseActions->HotmailRowSelect())) {
    if (with_shift) {
      Framework_Press(event, press_at);
      SetSelectionRect(TGridRect{std::min(ACol, remembered.Left), std::min(ARow, remembered.Top),
                                 std::max(ACol, remembered.Left), std::max(ARow, remembered.Top)});
      return;
    }
    if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
      const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
      if (RowSelect(row)) FDeselectState = true;
    } else {
      FMouseDown = true;
      if (!alt) ClearRowSelect();
    }
  }
  if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
    if (ctrl) {
      if (ColSelect(ACol)) FDeselectState = true;
    } else {
      FMouseDown = true;
      ClearColSelect();
    }
  }

  // Anchors and form controls of the cell's text.
  if (FPaintLook.URLShow || grid_text::CellTextKind(GetFormattedCell(real, ARow), FEnableHTML) == 1) {
    if (Html_Cell_Click(ACol, ARow, pos)) return;
  }

  Movecell = -1;
  Press_Fixed_Select(ACol, ARow, shift);
  if (ARow < FixedRows() && ACol >= FixedCols()) Movecell = ACol;
  if (ACol < FixedCols() && ARow >= FixedRows()) Movecell = ARow;
  MoveOfsX = pos.x() - cell.Left;
  MoveOfsY = pos.y() - cell.Top;

  // A press inside the selection is kept for a drag out of the grid; the
  // release makes it a plain click.
  if (FDragDropSettings.OleDropSource() && !Mouse_Editing_Option() && !HasButton(real, ARow) &&
      !HasCheckBox(real, ARow) &&
      ((!fixed_cell && Rect_Has_Cell(remembered, ACol, ARow)) || (ARow < FixedRows() && !FEnhRowColMove)) &&
      !(ARow < FixedRows() && (FMouseActions->ColSelect() || FMouseActions->AllSelect()))) {
    const bool inside =
        !(Options() & goColSizing) || ARow >= FixedRows() || (pos.x() - cell.Left > 3 && cell.Right - pos.x() > 3);
    if (inside) {
      setFocus(Qt::MouseFocusReason);
      Fire_Mouse_Down(Qt::LeftButton, shift, pos);
      FSelectionClick = true;
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      return;
    }
  }

  bool editable = Mouse_Editing_Option() || FMouseActions->RangeSelectAndEdit();
  CheckCellEditable(real, ARow, editable);
  if (Press_Check_Box(ACol, ARow, pos, editable, event)) return;

  const bool data_cell = !fixed_cell;
  const bool combo = FControlLook.DropDownAlwaysVisible() && data_cell && DoHasComboBox(real, ARow);
  const bool edit_ok = editable || (FMouseActions->EditOnDblClickOnly() && combo);
  const bool direct = edit_ok && (FMouseActions->DirectEdit() || (FControlLook.DropDownAlwaysVisible() && combo));
  if (data_cell && direct) {
    HideInplaceEdit();
    setFocus(Qt::MouseFocusReason);
  }
  const bool single_selected = remembered.Left == remembered.Right && remembered.Top == remembered.Bottom &&
                               remembered.Left == ACol && remembered.Top == ARow;
  bool select_after = false;
  if (!single_selected && FMouseActions->RangeSelectAndEdit() && !fixed_cell && !IsFixed(ACol, ARow) &&
      !IsEditable(ACol, ARow)) {
    SetOptions(Options() & ~goEditing);
    select_after = true;
  }

  if (!fixed_cell && IsFixed(ACol, ARow)) {
    if (OnClickCell) OnClickCell(this, ARow, ACol);
  } else {
    if (!FSelHidden) {
      const bool always_edit = FNavigation->AlwaysEdit();
      FNavigation->SetAlwaysEdit(false);
      const bool keep_left = (Options() & goRowSelect) && FNavigation->KeepHorizScroll();
      const int left = LeftCol();
      const int top = TopRow();
      if (keep_left) BeginUpdate();
      Framework_Press(event, press_at);
      if (keep_left) {
        SetLeftCol(left);
        EndUpdate();
      }
      FNavigation->SetAlwaysEdit(always_edit);
      // A press on a partly shown cell would scroll while selecting.
      const bool partial = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                           (ACol == FOldKeepLeftCol && ACol >= FixedCols() && cell.Left < FixedWidth());
      if (partial && GridState() == gsSelecting && FMouseActions->NoAutoRangeScroll()) SetGridState(gsNormal);
      if (TopRow() != top && FMouseActions->NoScrollOnPartialRow()) {
        SetTopRow(top);
        if (GridState() == gsSelecting) SetGridState(gsNormal);
      }
    }
    const bool near_border =
        ARow < FixedRows() && (Options() & goColSizing) && (pos.x() - cell.Left < 4 || cell.Right - pos.x() < 4);
    if (!near_border && OnClickCell) OnClickCell(this, ARow, ACol);
  }
  if (select_after) SetGridState(gsSelecting);

  if (IsMergedCell(real, ARow) && !fixed_cell && !IsFixed(ACol, ARow) && editable &&
      (single_selected || FMouseActions->DirectEdit()))
    ShowInplaceEdit();
  if (direct) Press_Direct_Edit(ACol, ARow, pos, combo);
}

void TZadIrururOziz::Press_Fixed_Select(int ACol, int ARow, Qt::KeyboardModifiers shift) {
  const bool with_shift = shift & Qt::ShiftModifier;
  const TGridRect before = Selection();
  if (ACol < FixedCols() && ARow < FixedRows()) {
    if (FMouseActions->AllSelect() && (Options() & goRangeSelect) && FMouseSelectMode == msAll) {
      setFocus(Qt::MouseFocusReason);
      HideSelection();
      SetSelectionRect(TGridRect{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
      if (FActiveCellShow) InvalidateGrid();
    }
  } else if (ACol < FixedCols()) {
    if (FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
      if (Mouse_Editing_Option()) setFocus(Qt::MouseFocusReason);
      HideSelection();
      if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
      const int from = with_shift ? before.Top : ARow;
      SetSelectionRect(TGridRect{FixedCols(), std::min(from, ARow), ColCount() - 1, std::max(from, ARow)});
      FMouseSelectStart = ARow;
      if (FActiveCellShow || !FPaintLook.RowIndicator.isNull()) InvalidateGrid();
    }
  } else if (ARow < FixedRows()) {
    if (FMouseActions->ColSelect() && (Options() & goRangeSelect) && FMouseSelectMode == msColumn) {
      setFocus(Qt::MouseFocusReason);
      HideSelection();
      if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
      int from = ACol;
      if (with_shift) from = ACol < before.Left ? before.Right : before.Left;
      SetSelectionRect(TGridRect{std::min(from, ACol), FixedRows(), std::max(from, ACol), RowCount() - 1});
      FMouseSelectStart = ACol;
      if (FActiveCellShow) InvalidateGrid();
    }
  }
}

bool TZadIrururOziz::Press_Check_Box(int ACol, int ARow, const QPoint& pos, bool editable, QMouseEvent* event) {
  const int real = RealColIndex(ACol);
  const bool hotmail = ACol == 0 && FMouseActions->HotmailRowSelect();
  if (!(editable || FControlLook.CheckAlwaysActive() || hotmail)) return false;
  const bool radio = HasRadioButton(real, ARow);
  if (!radio && !HasCheckBox(real, ARow)) return false;
  if (!IsInCheckBox(real, ARow, pos.x(), pos.y())) return false;
  HideInplaceEdit();
  setFocus(Qt::MouseFocusReason);
  if (radio) {
    SelectRadioButton(real, ARow, true);
    if (OnRadioButtonClick) OnRadioButtonClick(this, ACol, ARow);
  } else if (!hotmail) {
    FlipCheckBox(real, ARow, true);
  }
  if (FShowModifiedEnabled) {
    SetRowModified(ARow, true);
    RepaintCell(0, ARow);
  }
  if (hotmail) {
    SetSelectionRect(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
    SetRowSelect(ARow, !RowSelect(ARow));
    if (Row() == ARow && !RowSelect(ARow)) HideSelection();
  }
  const bool state = radio ? IsRadioButtonChecked(real, ARow) : IsChecked(real, ARow);
  if (!FNavigation->AlwaysEdit() && ACol >= FixedCols() && ARow >= FixedRows()) FocusCell(ACol, ARow);
  if (!radio) DoCheckBoxClick(ACol, ARow, state);
  if (FPaintLook.HideFocusRect) RepaintCell(ACol, ARow);
  if (ARow < FixedRows() && FMouseActions->CheckAllCheck()) {
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (hotmail)
        SetRowSelect(r, state);
      else
        SetCheckBoxState(real, r, state);
    }
    InvalidateGrid();
  }
  Fire_Mouse_Down(Qt::LeftButton, event->modifiers(), pos);
  if (OnClick) OnClick(this);
  return true;
}

void TZadIrururOziz::Press_Direct_Edit(int ACol, int ARow, const QPoint& pos, bool combo) {
  if (ACol < FixedCols() || ARow < FixedRows() || HasCellControl(RealColIndex(ACol), ARow)) return;
  const TRect cell = CellRect(ACol, ARow);
  if (pos.x() - cell.Left <= 3 || cell.Right - pos.x() <= 3) return;
  if (FMouseActions->EditOnDblClickOnly() && combo) {
    SetOptions(Options() | goEditing);
    setFocus(Qt::MouseFocusReason);
  }
  bool allow = true;
  if (Row() != ARow && OnRowChanging) OnRowChanging(this, Row(), ARow, allow);
  if (Col() != ACol && OnColChanging) OnColChanging(this, Col(), ACol, allow);
  if ((Row() != ARow || Col() != ACol) && OnCellChanging) OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
  if (!allow) return;
  FocusCell(ACol, ARow);
  if (Col() == ACol && Row() == ARow && !EditorMode()) ShowEditor();
}

// The grid's mouse-down override: the platform press runs inside it and
// OnMouseDown fires after it; header editors open on their press.
void TZadIrururOziz::HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const QPoint pos(X, Y);
  if (FMouseActions->RangeSelectAndEdit() && !FMouseActions->EditOnDblClickOnly() && Button == Qt::LeftButton) {
    if (ACol == Col() && ARow == Row() && !Mouse_Editing_Option()) {
      if (IsEditable(ACol, ARow)) {
        SetOptions(Options() | goEditing);
        TBaseGrid::HandleMouseDown(Button, Shift, X, Y);
        Fire_Mouse_Down(Button, Shift, pos);
        ShowInplaceEdit();
        return;
      }
    } else if ((ACol != Col() || ARow != Row()) && (Shift & Qt::ShiftModifier) && Mouse_Editing_Option()) {
      SetOptions(Options() & ~goEditing);
      TBaseGrid::HandleMouseDown(Button, Shift, X, Y);
      Fire_Mouse_Down(Button, Shift, pos);
      return;
    }
  }
  TBaseGrid::HandleMouseDown(Button, Shift, X, Y);
  if (GridState() == gsColSizing) FPressWidth = ColWidths(SizingIndex());
  Fire_Mouse_Down(Button, Shift, pos);
  if ((Shift & Qt::ShiftModifier) && FPaintLook.SelectionRectangle) RepaintRect(Selection());
  if (ACol < 0 || ARow < 0) return;
  const TRect cell = CellRect(ACol, ARow);
  const bool inner = cell.Inflate(-4, -4).Contains(X, Y);
  const TGridFixedCellEdit wanted = Button == Qt::LeftButton    ? fceLeftClick
                                    : Button == Qt::RightButton ? fceRightClick
                                                                : fceNone;
  if (wanted == fceNone) return;
  if (ARow < FixedRows() && FMouseActions->FixedRowsEdit() == wanted && (!(Options() & goColSizing) || inner)) {
    EditFixedCell(ACol, ARow);
  } else if (ACol < FixedCols() && FMouseActions->FixedColsEdit() == wanted && (!(Options() & goRowSizing) || inner)) {
    EditFixedCell(ACol, ARow);
  }
}

void TZadIrururOziz::UserColumnSize(int c, int& width) { DoUpdateColumnSize(RealColIndex(c), width); }
