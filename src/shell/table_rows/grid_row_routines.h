#pragma once
#include <QChar>

class TZadColumnGrid;
class TZadIrururOziz;

// The row routines of the CANopen tables on their column grids, with the
// global Row_Copy_Buffer and the table options Enable_Jump_Field_Tables and
// Enable_Double_Click_Auto_Size. The grids keep their row count: insert and
// delete move cell texts.

// Row_Copy_Buffer := the texts of columns 1 .. ColCount - 1 of the row.
void Grid_Copy_Row(TZadColumnGrid& grid, int row);
// Pastes Row_Copy_Buffer into the row. Refused with an error box when Allowed
// is false (nothing was copied from this grid) or the copied row has another
// number of columns; asks before overwriting a row that holds text outside
// its check-box columns.
void Grid_Paste_Row(TZadColumnGrid& grid, int row, bool Allowed);
void Grid_Insert_Row(int row, TZadColumnGrid& grid);
void Grid_Delete_Row(int row, TZadColumnGrid& grid);
// With Enable_Jump_Field_Tables, Enter (character 13) moves to the next data
// cell and is consumed (Key becomes 0); otherwise Key is untouched.
void Grid_Enter_Next_Cell(TZadIrururOziz& grid, QChar& Key);
// With Enable_Double_Click_Auto_Size, a double click on a header cell fits
// that column to its texts.
void Grid_DblClick_AutoSize(TZadIrururOziz& grid, int row, int col);
