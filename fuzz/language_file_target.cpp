#include <QByteArray>

#include "platform/text_file.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (Lang_Table.isEmpty()) Load_Default_Texts();
  const QString text = text_file::Decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (const QString& line : text.split(QLatin1Char('\n'))) Apply_Language_Line(line);
  return 0;
}
