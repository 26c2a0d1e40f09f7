#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The cells of a fixed-size table as the row routines of the CANopen tables
// see them: header row 0 and row-number column 0 around the data rows
// 1 .. Row_Count() - 1. Data columns run from 1 to Shown_Columns() (the ones
// the table shows) or to Stored_Columns() (hidden ones included).
class Table_Cells {
 public:
  virtual ~Table_Cells() = default;
  virtual int Row_Count() const = 0;
  virtual int Shown_Columns() const = 0;
  virtual int Stored_Columns() const = 0;
  // A check-box column: its "N" does not make a row worth keeping.
  virtual bool Is_Check_Column(int c) const = 0;
  virtual QString Cell(int c, int r) const = 0;
  virtual void Set_Cell(int c, int r, const QString& text) = 0;
};

// Row copy, paste, insert and delete by moving cell texts: the tables never
// change their row count. Rows outside 1 .. Row_Count() - 1 are left alone.
namespace table_rows {

// The texts of the shown data columns of the row, column 1 first.
QStringList Copy(const Table_Cells& table, int row);

enum class Paste_Check {
  Not_Allowed,  // the copy was not made in this table
  Other_Width,  // the copied row has another number of columns
  Overwrite,    // the row holds text outside check-box columns: ask first
  Free,
};
Paste_Check Check_Paste(const Table_Cells& table, int row, const QStringList& buffer, bool allowed);
// Writes the buffer into columns 1 .. of the row; checked by Check_Paste.
void Paste(Table_Cells& table, int row, const QStringList& buffer);

// Rows from `row` move down one (the last row's texts are lost) and `row` is
// emptied; hidden columns move with their rows.
void Insert(Table_Cells& table, int row);
// Rows after `row` move up one and the last row is emptied.
void Delete(Table_Cells& table, int row);

struct Cell_Position {
  int col;
  int row;
  friend bool operator==(const Cell_Position&, const Cell_Position&) = default;
};
// Where Enter goes from a data cell: right along the row, then to column 1
// of the next row, from the last row back to row 1. Nothing from a fixed
// cell (column or row 0).
std::optional<Cell_Position> Next_Cell(int col, int row, int col_count, int row_count);

}  // namespace table_rows
