// Feeds arbitrary bytes (rich-text cells pasted or read from stored grids)
// to the RTF reader. Whatever the stream, reading ends, the plain-text pass
// agrees with the document pass on the text's length class, and what the
// writer makes of the document reads back to the same text.
#include <QTextDocument>
#include <cstdlib>

#include "fuzz_gui.h"
#include "grid/rtf/rtf_reader.h"
#include "grid/rtf/rtf_writer.h"

namespace {

// Longer streams only repeat what shorter ones reach.
constexpr size_t kLargestInput = 16384;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kLargestInput) return 0;
  Ensure_Fuzz_Gui("fuzz_rtf_reader");
  const QByteArray stream(reinterpret_cast<const char*>(data), qsizetype(size));
  QTextDocument doc;
  rtf::Read_Rtf(stream, doc);
  const QString plain = rtf::Rtf_Plain_Text(stream);
  if (plain.isEmpty() != doc.toPlainText().isEmpty() && !plain.trimmed().isEmpty()) abort();
  const QByteArray written = rtf::Write_Rtf(doc);
  for (char ch : written)
    if (static_cast<unsigned char>(ch) > 127) abort();
  QTextDocument back;
  rtf::Read_Rtf(written, back);
  if (back.toPlainText() != doc.toPlainText()) abort();
  return 0;
}
