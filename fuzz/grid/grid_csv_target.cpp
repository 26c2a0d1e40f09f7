// Arbitrary bytes as a CSV stream; the first byte picks the delimiter (or
// detection), Java-style values and insertion. The grid reads them without
// harm, and what it holds, written as CSV and read again, comes back.
#include <QBuffer>
#include <QDir>
#include <cstdlib>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"
#include "grid_files_fuzz.h"

namespace {

QStringList Cells(TZadIrururOziz& grid) {
  QStringList cells;
  for (int r = grid.SaveStartRow(); r <= grid.SaveEndRow(); ++r)
    for (int c = grid.SaveStartCol(); c <= grid.SaveEndCol(); ++c) cells.append(grid.GetGridCell(c, r));
  return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 20000) return 0;
  Ensure_Fuzz_Application("fuzz_grid_csv");
  static const QChar delimiters[] = {QChar(), u',', u';', u'\t'};
  TZadIrururOziz grid;
  grid.SetDelimiter(delimiters[data[0] % 4]);
  grid.SetJavaCSV(data[0] & 4);
  QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  try {
    grid.LoadFromCSVStream(in);
  } catch (const VAzaZeriVader&) {
    return 0;
  }
  if (data[0] & 4) return 0;  // Java-style values do not all come back
  const QStringList cells = Cells(grid);
  // Leading blanks are dropped on reading and a lone line break comes back
  // as CR LF; a UTF-16 file can hold a lone surrogate, which no UTF-8 file
  // can. Such cells are left out of the comparison.
  for (const QString& cell : cells)
    if (!cell.isValidUtf16() || cell.startsWith(u' ') || cell.contains(u'\r') || cell.contains(u'\n') || cell.contains(QChar(0x0B)) ||
        cell.contains(QChar(0)))
      return 0;
  const QString path = QDir::tempPath() + QStringLiteral("/grid_csv-%1.csv").arg(QCoreApplication::applicationPid());
  grid.SetDelimiter(u';');
  grid.SaveToCSV(path, true);
  TZadIrururOziz back;
  back.SetDelimiter(u';');
  back.SetColCount(grid.ColCount());
  back.LoadFromCSV(path);
  QFile::remove(path);
  if (Cells(back) != cells) std::abort();
  return 0;
}
