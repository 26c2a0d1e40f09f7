// Arbitrary bytes as a fixed-width file; the first bytes give the field
// positions, trimming and the line limit. A refused position list leaves
// the grid as it was; otherwise every line up to the limit becomes a row.
#include <cstdlib>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"
#include "grid_files_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2 || size > 20000) return 0;
  Ensure_Fuzz_Application("fuzz_grid_fixed_text");
  const int count = data[0] % 8;
  if (size < size_t(2 + count)) return 0;
  TIntList positions(0, 0);
  for (int k = 0; k < count; ++k) positions.Add(int(data[2 + k]) - 8);
  const bool trim = data[1] & 1;
  const int max_rows = data[1] & 2 ? (data[1] >> 2) - 1 : -1;
  const QString path = Fuzz_File("grid_fixed_text", data + 2 + count, size - 2 - count);
  TZadIrururOziz grid;
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetCellEx(1, 1, "kept");
  try {
    grid.LoadFromFixed(path, positions, trim, max_rows);
    for (int k = 1; k < positions.Count(); ++k)
      if (positions.GetInteger(k - 1) > positions.GetInteger(k)) std::abort();
  } catch (const VAzaZeriVader&) {
    if (grid.ColCount() != 2 || grid.GetGridCell(1, 1) != "kept") std::abort();
  }
  QFile::remove(path);
  return 0;
}
