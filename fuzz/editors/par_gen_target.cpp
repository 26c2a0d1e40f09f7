// Feeds arbitrary bytes as ParGen.xml to the communication settings reader.
// The first byte picks the device type. Every list position read must lie in
// its list, and whatever was read must survive a write and a read unchanged.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "editors/files/par_gen_settings.h"
#include "platform/xml_document.h"

namespace {

void Check_Position(int value, int count) {
  if (value < 0 || value >= count) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const QTemporaryDir folder;
  const int type = 1 + data[0] % 6;
  const QString path = folder.filePath(QStringLiteral("ParGen.xml"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) std::abort();
    file.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
  }
  Par_Gen_Settings read;
  try {
    read = Read_Par_Gen(path, type);
  } catch (const Xml_Error&) {
    return 0;
  }
  Check_Position(read.DN_BAUD, 3);
  Check_Position(read.Working_mode, 2);
  Check_Position(read.Hardware_Type, 3);
  Check_Position(read.Sel_Dev_MBus_Present, 2);
  Check_Position(read.wMBus_Mode, 5);
  Check_Position(read.wMBus_Radio_Channel, 9);
  Check_Position(read.Meter_Baud, 8);
  Check_Position(read.Meter_Par, 3);

  Xml_Document again;
  again.Load_Text(Par_Gen_Text(read, type));
  if (Read_Par_Gen(again.Root(), type) != read) std::abort();
  return 0;
}
