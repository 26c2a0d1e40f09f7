// Check boxes, radio buttons, radio groups and push buttons in cells of
// TZadIrururOziz: where their state lives, how it is read, written and
// toggled, and the events a change reports. Columns are cell-store (real)
// columns; rows display rows unless a comment says real.
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/undo/zad_grid_undo_redo.h"

namespace {

TCellVAlign Placement(TVAlignment v) { return v == vtaCenter ? vaCenter : v == vtaBottom ? vaBottom : vaTop; }

}  // namespace

void TZadIrururOziz::DoCheckBoxChange(int ACol, int ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

// ---- check boxes

void TZadIrururOziz::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
    throw std::runtime_error("Invalid cell");
  CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, Placement(FVAlignment));
}

void TZadIrururOziz::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r) {
    if (GetCellType(0, r) == ctSummary) continue;
    if (GetCellType(0, r) == ctNode)
      AddCheckBox(ACol, r, cbUnchecked);
    else
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
  }
}

void TZadIrururOziz::RemoveCheckBox(int ACol, int ARow) {
  const TCellType kind = GetCellType(ACol, ARow);
  if (kind != ctCheckBox && kind != ctDataCheckBox && kind != ctTriStateCheckBox) return;
  RemoveCellGraphic(ACol, ARow);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveCheckBoxColumn(int ACol) {
  for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
    if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

bool TZadIrururOziz::HasCheckBox(int ACol, int ARow) {
  return HasCellType(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TZadIrururOziz::HasDataCheckBox(int ACol, int ARow) {
  return HasCellType(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TZadIrururOziz::IsChecked(int ACol, int ARow) {
  bool state = false;
  GetCheckBoxState(ACol, ARow, state);
  return state;
}

bool TZadIrururOziz::SetCheckBoxState(int ACol, int ARow, bool State) {
  if (ACol < 0 || ARow < 0 || IsHiddenRow(ARow)) return false;
  const int row = NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow;
  if (row < 0 || row >= RowCount()) return false;
  TCellGraphic* graphic = GetCellGraphic(ACol, row);
  if (!graphic) return false;
  switch (graphic->CellType) {
    case ctCheckBox:
      graphic->CellBoolean = State;
      RepaintCell(DisplColIndex(ACol), row);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString text;
      if (State)
        DoGetCheckTrue(ACol, row, text);
      else
        DoGetCheckFalse(ACol, row, text);
      SetCellEx(ACol, row, text);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      SetRowSelect(row, State);
      return true;
    default:
      return false;
  }
}

bool TZadIrururOziz::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
  if (ACol < 0 || ARow < 0 || IsHiddenRow(ARow)) return false;
  const int row = NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow;
  if (row < 0 || row >= RowCount()) return false;
  TCellGraphic* graphic = GetCellGraphic(ACol, row);
  if (!graphic || graphic->CellType != ctTriStateCheckBox) return false;
  graphic->CellCheckBoxState = State;
  RepaintCell(DisplColIndex(ACol), row);
  return true;
}

bool TZadIrururOziz::ChangeCheckBoxState(int ACol, int ARow, bool State) {
  if (ACol < 0 || ARow < 0 || ARow >= RowCount()) return false;
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  switch (graphic->CellType) {
    case ctCheckBox:
      if (graphic->CellBoolean != State) {
        graphic->CellBoolean = State;
        DoCheckBoxChange(ACol, ARow, State);
        RepaintCell(DisplColIndex(ACol), ARow);
      }
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString check_true, check_false;
      DoGetCheckTrue(ACol, ARow, check_true);
      DoGetCheckFalse(ACol, ARow, check_false);
      const bool was = GetCellEx(ACol, ARow) == check_true;
      SetCellEx(ACol, ARow, State ? check_true : check_false);
      if (was != State) DoCheckBoxChange(ACol, ARow, State);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      if (RowSelect(ARow) != State) {
        SetRowSelect(ARow, State);
        DoCheckBoxChange(ACol, ARow, State);
      }
      return true;
    default:
      return false;
  }
}

void TZadIrururOziz::CheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
  if (NumHiddenColumns() > 0) RepaintCol(DisplColIndex(ACol));
}

void TZadIrururOziz::UnCheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TZadIrururOziz::FlipCheckBox(int ACol, int ARow, bool ByClick) {
  if (ACol < 0 || ARow < 0 || ARow >= RowCount()) return false;
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  const TCellType kind = graphic->CellType;
  if (kind != ctCheckBox && kind != ctDataCheckBox && kind != ctVirtCheckBox && kind != ctRowCheckBox &&
      kind != ctTriStateCheckBox)
    return false;
  if (ByClick && !FControlLook.CheckAlwaysActive()) {
    bool can_edit = true;
    CheckCellEditable(ACol, ARow, can_edit);
    if (!can_edit) return false;
  }
  bool state = false;
  switch (kind) {
    case ctCheckBox:
      graphic->CellBoolean = !graphic->CellBoolean;
      state = graphic->CellBoolean;
      break;
    case ctTriStateCheckBox:
      graphic->CellCheckBoxState = graphic->CellCheckBoxState == cbChecked  ? cbUnchecked
                                   : graphic->CellCheckBoxState == cbGrayed ? cbChecked
                                                                            : cbGrayed;
      // Every row reports whether its box ends up checked.
      state = graphic->CellCheckBoxState == cbChecked;
      break;
    case ctRowCheckBox:
      state = !RowSelect(ARow);
      SetRowSelect(ARow, state);
      break;
    default: {
      QString check_true, check_false;
      DoGetCheckTrue(ACol, ARow, check_true);
      DoGetCheckFalse(ACol, ARow, check_false);
      state = GetCellEx(ACol, ARow) != check_true;
      SetCellEx(ACol, ARow, state ? check_true : check_false);
      break;
    }
  }
  RepaintCell(DisplColIndex(ACol), ARow);
  DoCheckBoxChange(ACol, ARow, state);
  // Only boxes whose state is their text are registered: Undo writes texts,
  // and writing check texts over a plain box's label would lose it.
  if (UndoRedo() && (kind == ctDataCheckBox || kind == ctVirtCheckBox)) {
    QString check_true, check_false;
    DoGetCheckTrue(ACol, ARow, check_true);
    DoGetCheckFalse(ACol, ARow, check_false);
    if (state)
      UndoRedo()->RegisterChange(ACol, ARow, check_false, check_true);
    else
      UndoRedo()->RegisterChange(ACol, ARow, check_true, check_false);
  }
  return true;
}

bool TZadIrururOziz::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  switch (graphic->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
      break;
    default:
      return false;
  }
  if (!FMouseActions->PreciseCheckBoxCheck()) return true;
  const int size = FControlLook.CheckSize();
  const TRect r = CellRect(DisplColIndex(ACol), ARow);
  int top = r.Top + 2;
  if (graphic->CellVAlign == vaBottom) top = r.Bottom - size - 2;
  if (graphic->CellVAlign == vaCenter) top = r.Top + (r.Height() - size) / 2;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  CellAlignment(ACol, ARow, ha, va);
  int left = r.Left + 2;
  if (ha == taRightJustify) {
    left = r.Right - size - 2;
    if (!GetCellEx(ACol, ARow).isEmpty()) left -= GetCellTextSize(ACol, ARow, false, false).width();
  } else if (ha == taCenter) {
    left = r.Left + (r.Width() - size) / 2;
  }
  return XPos >= left && XPos < left + size && YPos >= top && YPos < top + size;
}

// ---- radio buttons

void TZadIrururOziz::AddRadioButton(int ACol, int ARow, bool State) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
    throw std::runtime_error("Invalid cell");
  CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, Placement(FVAlignment));
}

void TZadIrururOziz::AddRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TZadIrururOziz::RemoveRadioButton(int ACol, int ARow) {
  if (RemoveCellGraphicOfType(ACol, ARow, ctRadioButton)) RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) RemoveRadioButton(ACol, r);
}

bool TZadIrururOziz::HasRadioButton(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctRadioButton}); }

bool TZadIrururOziz::IsRadioButtonChecked(int ACol, int ARow) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const QPoint base = BaseCell(ACol, ARow);
  return GetCellGraphic(base.x(), base.y())->CellBoolean;
}

bool TZadIrururOziz::SetRadioButtonState(int ACol, int ARow, bool State) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const QPoint base = BaseCell(ACol, ARow);
  TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
  if (graphic->CellBoolean != State) {
    graphic->CellBoolean = State;
    RepaintCell(DisplColIndex(ACol), ARow);
  }
  return true;
}

void TZadIrururOziz::SetRadioButtonColumnIndex(int ACol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TZadIrururOziz::GetRadioButtonColumnIndex(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(ACol, r)) return r;
  return -1;
}

bool TZadIrururOziz::SelectRadioButton(int ACol, int ARow, bool ByClick) {
  if (GetCellType(ACol, ARow) != ctRadioButton) return false;
  if (ByClick && !FControlLook.CheckAlwaysActive()) {
    bool can_edit = true;
    CheckCellEditable(ACol, ARow, can_edit);
    if (!can_edit) return false;
  }
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic->CellBoolean) {
    graphic->CellBoolean = true;
    RepaintCell(DisplColIndex(ACol), ARow);
    for (int r = 0; r < RowCount(); ++r) {
      if (r == ARow || GetCellType(ACol, r) != ctRadioButton) continue;
      TCellGraphic* other = GetCellGraphic(ACol, r);
      if (!other->CellBoolean) continue;
      other->CellBoolean = false;
      RepaintCell(DisplColIndex(ACol), r);
    }
  }
  return true;
}

// ---- radio groups

void TZadIrururOziz::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, QStringList* sl) {
  TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
  graphic->CellType = ctRadio;
  graphic->CellBitmap = sl;
  graphic->CellAngle = sl ? int(sl->size()) : 0;
  graphic->CellBoolean = DirRadio != 0;
  graphic->CellIndex = IdxRadio;
}

QStringList* TZadIrururOziz::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  auto* list = new QStringList();
  AddRadio(ACol, ARow, DirRadio, IdxRadio, list);
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  graphic->CellAngle = 0;
  graphic->CellCreated = true;
  graphic->Bitmap_Deleter = [](void* p) { delete static_cast<QStringList*>(p); };
  return list;
}

bool TZadIrururOziz::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctRadio) return false;
  IdxRadio = graphic->CellIndex;
  return true;
}

bool TZadIrururOziz::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctRadio) return false;
  graphic->CellIndex = IdxRadio;
  if (IdxRadio == -1) SetCellEx(ACol, ARow, QString());
  RepaintCell(DisplColIndex(ACol), ARow);
  return true;
}

QStringList* TZadIrururOziz::GetRadioStrings(int ACol, int ARow) {
  if (!IsRadio(ACol, ARow)) return nullptr;
  const QPoint base = BaseCell(ACol, ARow);
  return static_cast<QStringList*>(GetCellGraphic(base.x(), base.y())->CellBitmap);
}

bool TZadIrururOziz::IsRadio(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctRadio}); }

void TZadIrururOziz::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

void TZadIrururOziz::SelectNextRadioItem(int ACol, int ARow, bool ByClick) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctRadio) return;
  if (ByClick && !FControlLook.RadioAlwaysActive()) {
    bool can_edit = true;
    CheckCellEditable(ACol, ARow, can_edit);
    if (!can_edit) return;
  }
  const auto* items = static_cast<const QStringList*>(graphic->CellBitmap);
  // A group without items has nothing to move to.
  if (!items || items->isEmpty()) return;
  int next = graphic->CellIndex >= 0 ? graphic->CellIndex + 1 : int(items->indexOf(GetCellEx(ACol, ARow))) + 1;
  if (next >= items->size() || next < 0) next = 0;
  if (graphic->CellIndex >= -1) graphic->CellIndex = next;
  graphic->CellVar = next;
  SetCellEx(ACol, ARow, (*items)[next]);
}

// ---- push buttons

void TZadIrururOziz::SetButtonText(int ACol, int ARow, const QString& Caption) {
  TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!graphic) return;
  graphic->CellText = Caption;
  RepaintCell(ACol, ARow);
}

QString TZadIrururOziz::GetButtonText(int ACol, int ARow) {
  const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
  return graphic ? graphic->CellText : QString();
}

void TZadIrururOziz::PushButton(int ACol, int ARow, bool push) {
  TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!graphic || graphic->CellType == ctNode) return;
  graphic->CellBoolean = push;
  RepaintCell(ACol, ARow);
}

void TZadIrururOziz::RemoveButton(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctButton);
  RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

bool TZadIrururOziz::HasButton(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctButton, ctBitButton}); }
