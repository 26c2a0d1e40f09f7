#include "shell/table_rows/grid_row_routines.h"

#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/logic/table_rows.h"

namespace {

// Columns are the grid's real columns: the tables hide none, and the texts
// of hidden ones move with their rows.
class Grid_Cells : public Table_Cells {
 public:
  explicit Grid_Cells(TZadColumnGrid& grid) : grid_(grid) {}

  int Row_Count() const override { return grid_.RowCount(); }
  int Shown_Columns() const override { return grid_.ColCount() - 1; }
  int Stored_Columns() const override { return grid_.ColCount() + grid_.NumHiddenColumns() - 1; }
  bool Is_Check_Column(int c) const override {
    const TGridColumnItem* item = c < grid_.Columns().Count() ? grid_.Columns()[c] : nullptr;
    return item != nullptr && item->Editor() == edDataCheckBox;
  }
  QString Cell(int c, int r) const override { return grid_.GetCellEx(c, r); }
  void Set_Cell(int c, int r, const QString& text) override { grid_.SetCellEx(c, r, text); }

 private:
  TZadColumnGrid& grid_;
};

}  // namespace

void Grid_Copy_Row(TZadColumnGrid& grid, int row) { Row_Copy_Buffer = table_rows::Copy(Grid_Cells(grid), row); }

void Grid_Paste_Row(TZadColumnGrid& grid, int row, bool Allowed) {
  Grid_Cells cells(grid);
  QWidget* parent = grid.window();
  switch (table_rows::Check_Paste(cells, row, Row_Copy_Buffer, Allowed)) {
    case table_rows::Paste_Check::Not_Allowed:
      dialogs::Error(parent, QStringLiteral("No row of this table has been copied: copy a row of this table first."));
      return;
    case table_rows::Paste_Check::Other_Width:
      dialogs::Error(parent, QStringLiteral("The copied row does not fit the columns of this table."));
      return;
    case table_rows::Paste_Check::Overwrite:
      if (dialogs::Message(
              parent, dialogs::Kind::Confirmation,
              QStringLiteral("Row %1 is not empty. Do you want to overwrite it with the copied row?").arg(row),
              dialogs::Yes | dialogs::No) != dialogs::Yes)
        return;
      break;
    case table_rows::Paste_Check::Free:
      break;
  }
  table_rows::Paste(cells, row, Row_Copy_Buffer);
}

void Grid_Insert_Row(int row, TZadColumnGrid& grid) {
  Grid_Cells cells(grid);
  table_rows::Insert(cells, row);
}

void Grid_Delete_Row(int row, TZadColumnGrid& grid) {
  Grid_Cells cells(grid);
  table_rows::Delete(cells, row);
}

void Grid_Enter_Next_Cell(TZadIrururOziz& grid, QChar& Key) {
  if (!Enable_Jump_Field_Tables || Key != QChar::CarriageReturn) return;
  if (const auto next = table_rows::Next_Cell(grid.Col(), grid.Row(), grid.ColCount(), grid.RowCount()))
    grid.FocusCell(next->col, next->row);
  Key = QChar();
}

void Grid_DblClick_AutoSize(TZadIrururOziz& grid, int row, int col) {
  if (Enable_Double_Click_Auto_Size && row == 0) grid.AutoSizeCol(col, 0);
}
