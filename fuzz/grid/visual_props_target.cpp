// Arbitrary bytes as a visual-properties file: the grid refuses them with
// its error, or takes them, and what it took saves and loads again to the
// same file.
#include <QDir>
#include <cstdlib>

#include "grid/core/zad_irurur_oziz.h"
#include "grid_files_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 50000) return 0;
  Ensure_Fuzz_Application("fuzz_visual_props");
  const QString path = Fuzz_File("visual_props", data, size);
  TZadIrururOziz grid;
  try {
    grid.LoadVisualProps(path);
  } catch (const VAzaZeriVader&) {
    return 0;
  }
  const QString saved = path + QStringLiteral(".saved"), again = path + QStringLiteral(".again");
  grid.SaveVisualProps(saved);
  TZadIrururOziz back;
  back.LoadVisualProps(saved);
  back.SaveVisualProps(again);
  QFile a(saved), b(again);
  if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll()) std::abort();
  QFile::remove(saved);
  QFile::remove(again);
  return 0;
}
