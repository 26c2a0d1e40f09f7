#include "grid/undo/zad_grid_undo_redo.h"

#include "grid/core/base_grid.h"

TZadGridUndoRedo::TZadGridUndoRedo(QObject* AOwner) : QObject(AOwner) {}

TZadGridUndoRedo::~TZadGridUndoRedo() = default;

TBaseGrid* TZadGridUndoRedo::Grid() const { return FGrid.data(); }

void TZadGridUndoRedo::SetGrid(TBaseGrid* Value) { FGrid = Value; }

void TZadGridUndoRedo::Drop_Undone() {
  auto& items = FItems.items_;
  if (FLevel >= 0 && FLevel < int(items.size())) items.erase(items.begin() + FLevel, items.end());
}

void TZadGridUndoRedo::Append(TUndoRedoItem Item) {
  FItems.items_.push_back(std::move(Item));
  FLevel = FItems.Count();
}

void TZadGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue) {
  // The undone items go first: left in the list they would count as done
  // again, and a later Undo would write their old texts over newer edits.
  Drop_Undone();
  if (FMaxLevel > 0 && FItems.Count() >= FMaxLevel) FItems.items_.pop_front();
  TUndoRedoItem item;
  item.Col = ACol;
  item.Row = ARow;
  item.Value = NewValue;
  item.OrigValue = OldValue;
  Append(std::move(item));
}

void TZadGridUndoRedo::StartSequence() {
  Drop_Undone();
  TUndoRedoItem item;
  item.SequenceStart = true;
  Append(std::move(item));
}

void TZadGridUndoRedo::StopSequence() {
  Drop_Undone();
  TUndoRedoItem item;
  item.SequenceStop = true;
  Append(std::move(item));
}

void TZadGridUndoRedo::Reset() {
  FItems.items_.clear();
  FLevel = 0;
}

void TZadGridUndoRedo::Write_Cell(const TUndoRedoItem& Item, bool Redoing) {
  TBaseGrid* grid = FGrid.data();
  // Brackets carry no cell; a cell the grid no longer has is left alone
  // rather than written outside it.
  if (Item.Col < 0 || Item.Row < 0 || Item.Col >= grid->TotalColCount() || Item.Row >= grid->RowCount()) return;
  const QString& text = Redoing ? Item.Value : Item.OrigValue;
  const TZadGridUndoRedoEvent& event = Redoing ? OnRedo : OnUndo;
  if (event) event(this, grid, Item.Col, Item.Row, grid->GetCellEx(Item.Col, Item.Row), text);
  grid->SetCellEx(Item.Col, Item.Row, text);
  // The edited cell becomes current (a hidden column has no display place).
  const int display_col = grid->DisplColIndex(Item.Col);
  if (display_col < 0 || display_col >= grid->ColCount()) return;
  grid->SetCol(display_col);
  grid->SetRow(Item.Row);
}

void TZadGridUndoRedo::Undo() {
  if (!FGrid || FLevel <= 0 || FItems.Count() < FLevel) return;
  const TUndoRedoItem& item = FItems.Items(FLevel - 1);
  if (item.SequenceStop) {
    --FLevel;
    while (FLevel > 0 && !FItems.Items(FLevel - 1).SequenceStart) {
      Write_Cell(FItems.Items(FLevel - 1), false);
      --FLevel;
    }
    // Over the start item; a sequence whose start was dropped by MaxLevel
    // ends at the start of the list.
    if (FLevel > 0) --FLevel;
    FGrid->InvalidateGrid();
    return;
  }
  Write_Cell(item, false);
  FGrid->RepaintCell(FGrid->Col(), item.Row);
  --FLevel;
}

void TZadGridUndoRedo::Redo() {
  if (!FGrid || FLevel < 0 || FLevel >= FItems.Count()) return;
  const int i = FLevel;
  FLevel = i + 1;
  if (!FItems.Items(i).SequenceStart) {
    Write_Cell(FItems.Items(i), true);
    return;
  }
  // Every change up to the stop item; a sequence left open redoes to the end.
  int j = i + 1;
  while (j < FItems.Count() && !FItems.Items(j).SequenceStop) Write_Cell(FItems.Items(j++), true);
  FLevel = j < FItems.Count() ? j + 1 : FItems.Count();
  FGrid->InvalidateGrid();
}
