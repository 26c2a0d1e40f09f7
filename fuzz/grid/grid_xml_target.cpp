// Arbitrary bytes as an XML file read into the grid; the first byte picks
// LevelToRow, LoadFieldDescr and saved fixed rows. A refused document
// leaves the grid's cells and counts as they were.
#include <cstdlib>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"
#include "grid_files_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 20000) return 0;
  Ensure_Fuzz_Application("fuzz_grid_xml");
  const QString path = Fuzz_File("grid_xml", data + 1, size - 1);
  TZadIrururOziz grid;
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCellEx(1, 1, "kept");
  grid.SetSaveFixedRows(data[0] & 4);
  try {
    grid.LoadFromXML(path, data[0] & 1, data[0] & 2);
  } catch (const VAzaZeriVader&) {
    if (grid.ColCount() != 2 || grid.RowCount() != 2 || grid.GetGridCell(1, 1) != "kept") std::abort();
  }
  QFile::remove(path);
  return 0;
}
