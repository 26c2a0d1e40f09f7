#pragma once
// Spreadsheet cell addresses: column letters, the used-range address a
// sheet reports ("$B$3:$C$4", "$A$1", "$1:$3") and the range text the cells
// are read through ("B3:C4").
#include <QString>

namespace grid_workbook {

// Column n (1-based) in letters: "A" .. "Z", "AA" .. "ZZ", "AAA" ...;
// empty for n < 1.
QString Column_Letters(int n);
// The column number of one to three letters A..Z; -1 otherwise.
int Column_Number(const QString& letters);

// A used range, 1-based and inclusive; -1 where a number did not read.
struct Used_Range {
  int C1 = -1, R1 = -1, C2 = -1, R2 = -1;
  bool One_Cell = false;  // the address named a single cell
  bool Valid() const { return C1 > 0 && R1 > 0 && C2 >= C1 && R2 >= R1; }
};

// Reads an address as a sheet reports its used range. A whole-row
// reference ("$1:$3") spans columns 1 to 256; an address without "$"
// and ":" is the one cell A1.
Used_Range Parse_Used_Range(const QString& address);
// "B3:C4" for the range, both ends in letters whatever their width.
QString Range_Text(const Used_Range& range);
// The address of a single cell in the sheet's own form, "B3".
QString Cell_Ref(int col, int row);
// Splits "B3" into column 2 and row 3; false unless letters then digits.
bool Split_Cell_Ref(const QString& ref, int& col, int& row);

}  // namespace grid_workbook
