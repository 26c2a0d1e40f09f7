#pragma once
// A workbook opened for reading: its sheet names, the sheet shown when it
// was saved, and each sheet's used range and cell texts. Opening reads and
// checks the whole file; a file that is no workbook or is damaged raises
// Package_Damaged before anything is returned.
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <utility>

#include "grid/workbook/zip_package.h"

namespace grid_workbook {

// Largest sheet a workbook may address.
inline constexpr int Max_Sheet_Rows = 1048576;
inline constexpr int Max_Sheet_Columns = 16384;
// Most cells a sheet may hold and a read may place in a grid.
inline constexpr long long Max_Sheet_Cells = 4'000'000;

struct Sheet_Cells {
  // The used range as a sheet reports it: "$B$3:$C$4", one cell "$A$1".
  QString Address;
  // Texts and numbers as text by (row, column), 1-based; empty and error
  // cells are absent.
  std::map<std::pair<int, int>, QString> Values;
};

class Workbook_Source {
 public:
  virtual ~Workbook_Source() = default;
  virtual QStringList Sheet_Names() const = 0;
  virtual int Active_Sheet() const = 0;
  virtual Sheet_Cells Read_Sheet(int index) const = 0;
};

// The workbook in the file: an old binary workbook by its compound-file
// signature, else an .xlsx package. The bytes are the file's content.
std::unique_ptr<Workbook_Source> Open_Workbook(const QString& path, const QByteArray& bytes);
std::unique_ptr<Workbook_Source> Open_Xlsx(const QByteArray& bytes);
std::unique_ptr<Workbook_Source> Open_Xls(const QString& path);
// Whether the bytes start with the compound-file signature of the old
// binary office formats.
bool Is_Compound_File(const QByteArray& bytes);

// A number as the grid shows it: whole numbers below 10^15 without a
// fraction, others with up to 15 significant digits, in the process
// locale's decimal separator.
QString Number_Text(double value);
// Whether the text is exactly what Number_Text gives for its number, so
// that it may be stored as a number and read back unchanged.
bool Is_Number_Text(const QString& text, double& value);

// The used-range address in the sheet's form: "$B$3:$C$4", one cell "$B$3".
QString Range_Address(int c1, int r1, int c2, int r2);

}  // namespace grid_workbook
