#include "shell/logic/table_rows.h"

#include "shell/logic/text_trim.h"

namespace table_rows {

namespace {

bool Is_Data_Row(const Table_Cells& table, int row) { return row >= 1 && row < table.Row_Count(); }

void Copy_Texts(Table_Cells& table, int from, int to) {
  for (int c = 1; c <= table.Stored_Columns(); ++c) table.Set_Cell(c, to, table.Cell(c, from));
}

void Empty_Row(Table_Cells& table, int row) {
  for (int c = 1; c <= table.Stored_Columns(); ++c) table.Set_Cell(c, row, QString());
}

}  // namespace

QStringList Copy(const Table_Cells& table, int row) {
  QStringList texts;
  if (!Is_Data_Row(table, row)) return texts;
  for (int c = 1; c <= table.Shown_Columns(); ++c) texts << table.Cell(c, row);
  return texts;
}

Paste_Check Check_Paste(const Table_Cells& table, int row, const QStringList& buffer, bool allowed) {
  if (!allowed) return Paste_Check::Not_Allowed;
  if (buffer.size() != table.Shown_Columns()) return Paste_Check::Other_Width;
  for (int c = 1; c <= table.Shown_Columns(); ++c)
    if (!table.Is_Check_Column(c) && !Trim_Blanks(table.Cell(c, row)).isEmpty()) return Paste_Check::Overwrite;
  return Paste_Check::Free;
}

void Paste(Table_Cells& table, int row, const QStringList& buffer) {
  if (!Is_Data_Row(table, row)) return;
  for (int c = 1; c <= table.Shown_Columns() && c <= buffer.size(); ++c) table.Set_Cell(c, row, buffer[c - 1]);
}

void Insert(Table_Cells& table, int row) {
  if (!Is_Data_Row(table, row)) return;
  for (int r = table.Row_Count() - 2; r >= row; --r) Copy_Texts(table, r, r + 1);
  Empty_Row(table, row);
}

void Delete(Table_Cells& table, int row) {
  if (!Is_Data_Row(table, row)) return;
  for (int r = row; r <= table.Row_Count() - 2; ++r) Copy_Texts(table, r + 1, r);
  Empty_Row(table, table.Row_Count() - 1);
}

std::optional<Cell_Position> Next_Cell(int col, int row, int col_count, int row_count) {
  if (col <= 0 || row <= 0 || col_count < 2 || row_count < 2) return std::nullopt;
  if (col < col_count - 1) return Cell_Position{col + 1, row};
  return Cell_Position{1, row + 1 < row_count ? row + 1 : 1};
}

}  // namespace table_rows
