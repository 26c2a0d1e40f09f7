// Feeds arbitrary bytes as the program's settings file to its reader. What
// was read must survive a write and a read unchanged.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <tuple>

#include "platform/xml_document.h"
#include "shell/core/globals.h"
#include "shell/logic/settings_file.h"

namespace {

auto Settings() {
  return std::make_tuple(Active_Conf_Name, Last_IP_Address, Cur_Language, Enable_Internet, Enable_Update,
                         Enable_Jump_Field_Tables, Enable_Double_Click_Auto_Size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QTemporaryDir folder;
  Dir_Program = folder.path();
  {
    QFile file(settings_file::Path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  Xml_Document document;
  settings_file::Read(document);
  const auto read = Settings();
  settings_file::Write(document);
  settings_file::Read(document);
  if (Settings() != read) std::abort();
  return 0;
}
