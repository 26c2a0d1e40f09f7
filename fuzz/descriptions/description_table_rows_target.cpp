// Builds configuration files of thousands of rows from a few bytes and reads
// them with the description-file writers' readers: each list is walked once
// and a table is refused at its row limit, so even the largest input here is
// read in a few milliseconds.
//
// Input: byte 0 picks the list (PDO receive or transmit, SDO server read or
// write, the variables of M_Bus.xml for the GSD), bytes 1 and 2 the number of
// rows (up to 20,000), the rest is the text inside each row element ("#" is
// replaced by the row's number); a comment follows every tenth row.
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/eds_writer.h"
#include "outputs/descriptions/gsd_writer.h"
#include "platform/xml_document.h"

namespace {

constexpr int kMax_Rows = 20000;
constexpr qsizetype kMax_Row_Text = 96;

const QTemporaryDir& Folder() {
  static const QTemporaryDir folder;
  return folder;
}

QString Put(const QString& name, const QByteArray& bytes) {
  const QString path = Folder().filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(bytes);
  return path;
}

QByteArray Rows(const char* element, int count, const QByteArray& text) {
  QByteArray rows;
  for (int i = 0; i < count; ++i) {
    rows += '<' + QByteArray(element) + ' ' + QByteArray(text).replace('#', QByteArray::number(i)) + "/>";
    if (i % 10 == 9) rows += "<!-- row -->";
  }
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int kind = data[0] % 5;
  const int count = (data[1] | data[2] << 8) % (kMax_Rows + 1);
  const QByteArray text =
      QByteArray(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3)).left(kMax_Row_Text);
  try {
    switch (kind) {
      case 0:
      case 1: {
        const QByteArray rows = Rows("row", count, text);
        const EDS_PDO_Table table = Read_EDS_PDO(
            Put("PDO_CANopen.xml", "<DeviceNet_Master_to_PDO><Receive_PDO>" + (kind == 0 ? rows : QByteArray()) +
                                       "</Receive_PDO><Transmit_PDO>" + (kind == 1 ? rows : QByteArray()) +
                                       "</Transmit_PDO></DeviceNet_Master_to_PDO>"));
        if (table.Receive.size() > EDS_Max_PDOs || table.Transmit.size() > EDS_Max_PDOs) std::abort();
        break;
      }
      case 2:
      case 3: {
        const QByteArray rows = Rows("row", count, text);
        const std::vector<SDO_Index> list =
            Read_EDS_SDO(Put("SDO_Server_CANopen.xml",
                             "<DeviceNet_Master_to_SDO_CANopen><SDO_Read>" + (kind == 2 ? rows : QByteArray()) +
                                 "</SDO_Read><SDO_Write>" + (kind == 3 ? rows : QByteArray()) +
                                 "</SDO_Write></DeviceNet_Master_to_SDO_CANopen>"));
        size_t subs = 0;
        for (const SDO_Index& entry : list) subs += entry.Sub_Indexs.size();
        if (subs > static_cast<size_t>(EDS_Max_SDO_Rows)) std::abort();
        break;
      }
      default: {
        const QString par_gen = Put("ParGen.xml", "<Par_Gen><PROFI_GSD>1</PROFI_GSD></Par_Gen>");
        // Up to 100 variables a node.
        QByteArray network = "<M-Bus_Network>";
        for (int done = 0; done < count; done += 100)
          network += "<Nodo>" + Rows("Variabile", std::min(100, count - done), text) + "</Nodo>";
        Put("M_Bus.xml", network + "</M-Bus_Network>");
        const std::optional<GSD_Modules> m = Read_GSD_Modules(par_gen, Folder().path());
        if (!m || m->Input_Modules != static_cast<int32_t>(m->Input_Sizes.size())) std::abort();
        if (m->Input_Modules > count) std::abort();
        break;
      }
    }
  } catch (const Description_File_Error&) {
  } catch (const Xml_Error&) {
  }
  return 0;
}
