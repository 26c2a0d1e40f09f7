// Arbitrary bytes as the grid's own text file (first byte even) or stream
// (odd). A refused file leaves the grid's counts and cells as they were; a
// stream reader stops inside the bytes; a grid read from a stream, saved
// and read again gives the same stream.
#include <QBuffer>
#include <cstdlib>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid_files_fuzz.h"

namespace {

// Headers asking for more cells than a fuzz run should build are skipped.
bool Small_Header(const QString& line) {
  const qsizetype comma = line.indexOf(u',');
  if (comma < 0) return true;
  const long long c = grid_files::Lenient_Number(line.left(comma));
  const long long r = grid_files::Lenient_Number(line.mid(comma + 1));
  return c <= 200 && r <= 2000 && c * r <= 20000;
}

QByteArray Streamed(TZadIrururOziz& grid) {
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  grid.SaveToStream(out);
  return out.buffer();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 20000) return 0;
  Ensure_Fuzz_Application("fuzz_grid_text_file");
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  TZadIrururOziz grid;
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetCellEx(1, 1, "kept");
  if (data[0] % 2 == 0) {
    if (!Small_Header(grid_files::Split_Lines(bytes).value(0))) return 0;
    const QString path = Fuzz_File("grid_text_file", data + 1, size - 1);
    try {
      grid.LoadFromFile(path);
    } catch (const VAzaZeriVader&) {
      if (grid.ColCount() != 3 || grid.RowCount() != 3 || grid.GetGridCell(1, 1) != "kept") std::abort();
    }
    QFile::remove(path);
    return 0;
  }
  QString header;
  for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
    const QChar ch(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    if (ch == u'\r') break;
    header += ch;
  }
  if (!Small_Header(header)) return 0;
  QByteArray copy = bytes;
  QBuffer in(&copy);
  in.open(QIODevice::ReadOnly);
  try {
    grid.LoadFromStream(in);
  } catch (const VAzaZeriVader&) {
    return 0;
  }
  if (in.pos() > copy.size()) std::abort();
  const QByteArray saved = Streamed(grid);
  TZadIrururOziz other;
  QByteArray again = saved;
  QBuffer second(&again);
  second.open(QIODevice::ReadOnly);
  other.SetColCount(3);
  other.SetRowCount(3);
  try {
    other.LoadFromStream(second);
  } catch (const VAzaZeriVader&) {
    std::abort();
  }
  if (Streamed(other) != saved) std::abort();
  return 0;
}
