// Small operations of TZadIrururOziz that other parts call: the row insert
// and delete hooks of the keyboard, the filter and fixed-cell hooks, the
// texts a cell gives to export and takes from import, the edit mask, and
// the tri-state check-box operations.
#include <QTextDocument>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"
#include "grid/store/text_helpers.h"

namespace {

// Whether the RTF text before `end` finishes with a control word (a
// backslash, letters, an optional signed number), so that the next
// character would be read as part of it.
bool Ends_With_Control_Word(const QString& text) {
  int i = int(text.size());
  while (i > 0 && text[i - 1].isDigit()) --i;
  if (i > 0 && text[i - 1] == u'-') --i;
  const int letters_end = i;
  while (i > 0 && text[i - 1].isLetter() && text[i - 1].unicode() < 128) --i;
  if (i == letters_end || i == 0 || text[i - 1] != u'\\') return false;
  // An even run of backslashes is escaped backslashes, not a control word.
  int slashes = 0;
  for (int k = i - 1; k >= 0 && text[k] == u'\\'; --k) ++slashes;
  return slashes % 2 == 1;
}

// Line breaks mean nothing in RTF and are dropped, but one that ends a
// control word delimits it: it becomes the blank that keeps the word apart
// from the text after it.
QString Rtf_Without_Line_Breaks(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size();) {
    if (text[i] != u'\r' && text[i] != u'\n') {
      out += text[i++];
      continue;
    }
    while (i < text.size() && (text[i] == u'\r' || text[i] == u'\n')) ++i;
    if (Ends_With_Control_Word(out) && i < text.size() && text[i] != u' ') out += u' ';
  }
  return out;
}

}  // namespace

// ---- row insert and delete from the keyboard

void TZadIrururOziz::InsertOneRow(int ARow) {
  if (!HasNodes()) {
    InsertRows(ARow, 1, true);
    return;
  }
  // Past the last row the new row ends the grid, outside every group.
  if (ARow >= RowCount()) {
    InsertNormalRow(TotalRowCount());
    return;
  }
  const int real = RealRowIndex(ARow);
  if (GetParentRow(ARow) < 0)
    InsertNormalRow(real);
  else
    InsertChildRow(real, 0);
}

void TZadIrururOziz::DoAutoDeleteRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  if (HasNodes()) {
    // A node row leaves its group only through RemoveNode; deleting it here
    // would take the node out of the rows it spans, so nothing happens and
    // no deletion is reported.
    if (IsNode(ARow)) return;
    if (GetParentRow(ARow) < 0)
      RemoveNormalRow(ARow);
    else
      RemoveChildRow(RealRowIndex(ARow));
  } else if (RowCount() - FixedRows() - FFixedFooters != 1 || FFixedRowAlways) {
    ClearAndRemoveRows(ARow, 1);
  } else {
    // The only data row stays, emptied.
    ClearRows(ARow, 1);
  }
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

// ---- hooks

void TZadIrururOziz::DoFilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

void TZadIrururOziz::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values) {
  if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TZadIrururOziz::CalcCellText(int ACol, int ARow, QString& Value) { Value = GetCellEx(ACol, ARow); }

QString TZadIrururOziz::QueryEditMask(int ACol, int ARow) {
  QString mask = FEditMask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
  return mask;
}

// ---- export and import texts

void TZadIrururOziz::DoSaveCell(int ACol, int ARow, QString& Value) {
  Value = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
  if (Value.isEmpty()) {
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
      TCheckBoxState state = cbUnchecked;
      Read_Check_Box(ACol, RealRowIndex(ARow), state);
      if (state == cbChecked)
        DoGetCheckTrue(ACol, ARow, Value);
      else
        DoGetCheckFalse(ACol, ARow, Value);
    }
  }
  switch (grid_text::CellTextKind(Value, true)) {
    case 1:
      if (!FSaveWithHTML) Value = HtmlToPlainText(Value);
      break;
    case 2:
      if (FSaveWithRTF) {
        Value = Rtf_Without_Line_Breaks(Value);
      } else {
        QTextDocument plain;
        CellToRich(ACol, ARow, plain);
        Value = plain.toPlainText();
      }
      break;
    default:
      break;
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TZadIrururOziz::DoLoadCell(int ACol, int ARow, const QString& Value) {
  QString text = Value;
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, text);
  SetGridCell(ACol, ARow, text);
}

// ---- tri-state check boxes

void TZadIrururOziz::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState state) {
  for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r) AddCheckBox(ACol, r, state);
}

const TCellGraphic* TZadIrururOziz::Check_Box_Object(int ACol, int ARow, int& Displ) {
  Displ = -1;
  if (ACol < 0 || ARow < 0) return nullptr;
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    const Cell_Store::Cell_Copy* entry = Hidden_Entry(*item, ACol, false);
    if (entry && entry->props)
      if (auto* own = dynamic_cast<const TCellGraphic*>(entry->props->GraphicObject())) return own;
    // A column's shared box (the column grid's data check box) stands for
    // hidden rows too; the row check box needs a shown row.
    if (RowCount() <= FixedRows()) return nullptr;
    const TCellGraphic* shared = GetCellGraphic(ACol, FixedRows());
    return shared && shared->CellType == ctVirtCheckBox ? shared : nullptr;
  }
  Displ = NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow;
  if (Displ < 0 || Displ >= RowCount()) return nullptr;
  return GetCellGraphic(ACol, Displ);
}

bool TZadIrururOziz::Read_Check_Box(int ACol, int ARow, TCheckBoxState& state) {
  int displ = -1;
  const TCellGraphic* graphic = Check_Box_Object(ACol, ARow, displ);
  if (!graphic) return false;
  switch (graphic->CellType) {
    case ctCheckBox:
      state = BoolToCheckBoxState(graphic->CellBoolean);
      return true;
    case ctTriStateCheckBox:
      state = graphic->CellCheckBoxState;
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString check_true;
      DoGetCheckTrue(ACol, displ >= 0 ? displ : ARow, check_true);
      state = BoolToCheckBoxState(AllCells(ACol, ARow) == check_true);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0 || displ < 0) return false;
      state = BoolToCheckBoxState(RowSelect(displ));
      return true;
    default:
      return false;
  }
}

bool TZadIrururOziz::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& state) {
  return Read_Check_Box(ACol, ARow, state);
}

bool TZadIrururOziz::GetCheckBoxState(int ACol, int ARow, bool& State) {
  // A tri-state box has no two-way answer; the three-way overload reads it.
  int displ = -1;
  const TCellGraphic* graphic = Check_Box_Object(ACol, ARow, displ);
  TCheckBoxState state = cbUnchecked;
  if (!graphic || graphic->CellType == ctTriStateCheckBox || !Read_Check_Box(ACol, ARow, state)) return false;
  State = state == cbChecked;
  return true;
}
