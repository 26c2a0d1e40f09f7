// Arbitrary bytes as a workbook read into the grid, as a workbook a sheet
// is written into and as a document a table is inserted into. Old binary
// workbooks go to FreeXL, which is not ours to fuzz, so they are left out.
// A refused file leaves the grid's cells and counts as they were.
#include <cstdlib>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/workbook/docx_writer.h"
#include "grid/workbook/workbook_source.h"
#include "grid/workbook/xlsx_writer.h"
#include "grid_files_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 200000) return 0;
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (grid_workbook::Is_Compound_File(bytes)) return 0;
  Ensure_Fuzz_Application("fuzz_grid_workbook");
  const QString path = Fuzz_File("grid_workbook", data, size);
  TZadIrururOziz grid;
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCellEx(1, 1, "kept");
  try {
    grid.LoadFromXLS(path);
    if (grid.ColCount() < 1 || grid.RowCount() < 1) std::abort();
  } catch (const std::runtime_error&) {
    if (grid.ColCount() != 2 || grid.RowCount() != 2 || grid.GetGridCell(1, 1) != "kept") std::abort();
  }
  try {
    grid_workbook::Put_Xlsx_Sheet(bytes, "Data", 1, {{"a", "1"}});
  } catch (const std::runtime_error&) {
  }
  try {
    grid_workbook::Append_Docx_Table(bytes, {{{"a", grid_workbook::Doc_Align::Right}}}, "b");
  } catch (const std::runtime_error&) {
  }
  QFile::remove(path);
  return 0;
}
