// Arbitrary bytes as the grid's binary cell format, read into a 4 x 4 grid
// at a point given by the first byte. A refused stream raises the grid's
// error; an accepted one was read to its end (a last single byte aside), and
// what the grid then holds writes and reads back to the same cells.
#include <cstdlib>

#include "grid/binfmt/bin_cell_carriers.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid_files_fuzz.h"

namespace {

// A full grid asking for more cells than a fuzz run should build is skipped.
bool Small_Enough(const QByteArray& bytes) {
  try {
    grid_binfmt::Carrier_Reader in(bytes, 0);
    const grid_binfmt::Grid_Header header = grid_binfmt::Read_Header(in);
    if (!header.FullGrid) return true;
    if ((long long)header.ColCount * header.RowCount > 20000) return false;
    if (in.Remaining() < 2) return true;
    const grid_binfmt::Cell_Record first = grid_binfmt::Read_Cell(in);
    return first.Col <= 200 && first.Row <= 2000;
  } catch (const grid_binfmt::Bin_Stream_Error&) {
    return true;
  }
}

// The grid's cells written whole, without the header (it names the grid).
QByteArray Cells_Of(TZadIrururOziz& grid) {
  QByteArray bytes;
  grid.SaveRectToBinStream(TGridRect{0, 0, grid.ColCount() - 1, grid.RowCount() - 1}, bytes);
  grid_binfmt::Carrier_Reader in(bytes, 0);
  grid_binfmt::Read_Header(in);
  return bytes.mid(in.Position());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 20000) return 0;
  Ensure_Fuzz_Application("fuzz_grid_bin_cells");
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  if (!Small_Enough(bytes)) return 0;
  TZadIrururOziz grid;
  grid.SetColCount(4);
  grid.SetRowCount(4);
  const QPoint at(data[0] % 4, (data[0] / 4) % 4);
  try {
    const qsizetype end = grid.LoadAtPointFromBinStream(at, bytes, 0);
    if (end > bytes.size() || bytes.size() - end >= 2) std::abort();
  } catch (const VAzaZeriVader&) {
    return 0;
  }
  const QByteArray saved = Cells_Of(grid);
  TZadIrururOziz other;
  other.SetColCount(grid.ColCount());
  other.SetRowCount(grid.RowCount());
  QByteArray stream;
  grid.SaveRectToBinStream(TGridRect{0, 0, grid.ColCount() - 1, grid.RowCount() - 1}, stream);
  try {
    other.LoadAtPointFromBinStream(QPoint(0, 0), stream, 0);
  } catch (const VAzaZeriVader&) {
    std::abort();
  }
  if (Cells_Of(other) != saved) std::abort();
  return 0;
}
