#pragma once
// Writing cell texts into .xlsx workbooks: a new one-sheet workbook, or one
// sheet of an existing workbook added or overwritten with the others kept.
// Values go to the range from column A at the start row down; a text that
// is exactly a number's shown form is stored as that number, every other
// text as an inline string, an empty text clears its cell.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace grid_workbook {

// Rows of values, each row the texts from column A on.
using Sheet_Values = std::vector<QStringList>;

// A new workbook holding one sheet of that name.
QByteArray New_Xlsx(const QString& sheet_name, int start_row, const Sheet_Values& values);
// The workbook with the values written into the last sheet of that name,
// a new sheet at the end when there is none; its other cells and sheets are
// kept. Package_Damaged when the workbook cannot be read.
QByteArray Put_Xlsx_Sheet(const QByteArray& workbook, const QString& sheet_name, int start_row,
                          const Sheet_Values& values);

}  // namespace grid_workbook
