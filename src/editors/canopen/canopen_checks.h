#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "editors/files/canopen_table_file.h"

// The checks of the CANopen tables before their file is written. A grid's
// rows are checked from row 1 up to the first whose column-1 cell is blank
// after trimming; each row's cells in a fixed order, each number read by the
// number entry without trimming (so "5 " is no number), and the first
// failure ends the check with its language text.

struct CANopen_Check_Failure {
  int row;       // 1-based grid row
  QString text;  // "Error row " + row + the check's text (+ the area limit)
};

// rows: cells of grid columns 1 .. of the data rows 1 .., grid 0 or 1 of the
// table kind; area_size: the process-data area the addresses point into
// (NByte_IN for the first grid, NByte_OUT for the second).
std::optional<CANopen_Check_Failure> Check_CANopen_Grid(CANopen_Table_Kind kind, int grid,
                                                        const std::vector<CANopen_Row>& rows, int area_size);

// The first row whose column-1 cell is blank, when a later row, or that row
// itself, still holds text outside the check-box column: the file would end
// there and lose them. check_column is the grid column of the check box (0
// for none).
std::optional<int> CANopen_Dropped_Rows(const std::vector<CANopen_Row>& rows, int check_column);
