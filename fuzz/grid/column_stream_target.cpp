// Feeds arbitrary bytes as a saved column settings stream to the column
// grid. The first byte picks the grid's column count. A stream the grid
// refuses must leave its columns as they were; one it takes, written and
// read again, must give the same stream.
#include <QApplication>
#include <QBuffer>
#include <cstdlib>
#include <stdexcept>

#include "grid/columns/zad_column_grid.h"

namespace {

void Start_Application() {
  static int argc = 1;
  static char name[] = "fuzz_column_stream";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(argc, argv);  // lives for the whole run
}

QByteArray Saved(TZadColumnGrid& grid) {
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  grid.SaveColumnsToStream(out);
  return out.buffer();
}

bool Load(TZadColumnGrid& grid, QByteArray bytes) {
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  try {
    grid.LoadColumnsFromStream(in);
  } catch (const std::runtime_error&) {
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  Start_Application();
  const int columns = 1 + data[0] % 6;
  TZadColumnGrid grid;
  grid.SetColCount(columns);
  const QByteArray before = Saved(grid);
  if (!Load(grid, QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)))) {
    if (Saved(grid) != before) std::abort();
    return 0;
  }
  if (grid.ColCount() != columns || grid.Columns().Count() != columns) std::abort();
  const QByteArray saved = Saved(grid);
  TZadColumnGrid other;
  other.SetColCount(columns);
  if (!Load(other, saved) || Saved(other) != saved) std::abort();
  return 0;
}
