// Feeds arbitrary bytes as a configuration file to the description-file
// writers. The first byte picks the file: the PDO table or the SDO server
// table of the EDS, M_Bus.xml of the GSD in per-variable mode, or ParGen.xml
// of the GSDML. A file the writer cannot describe must be refused with its
// own error; one it accepts must give a file within the format's limits.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/eds_writer.h"
#include "outputs/descriptions/gsd_writer.h"
#include "outputs/descriptions/gsdml_writer.h"
#include "platform/xml_document.h"

namespace {

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

void Check_Eds(const EDS_PDO_Table& pdos, std::vector<SDO_Index> sdos) {
  if (pdos.Receive.size() > EDS_Max_PDOs || pdos.Transmit.size() > EDS_Max_PDOs) std::abort();
  for (const auto* list : {&pdos.Receive, &pdos.Transmit})
    for (const EDS_PDO& pdo : *list)
      if (pdo.Dimension > 8) std::abort();
  Sort_SDO_Sub_Indexs(sdos);
  for (const SDO_Index& entry : sdos)
    for (size_t i = 1; i < entry.Sub_Indexs.size(); ++i)
      if (entry.Sub_Indexs[i - 1].Sub >= entry.Sub_Indexs[i].Sub) std::abort();
  EDS_Text(pdos, sdos, QDateTime(QDate(2024, 3, 5), QTime(12, 0)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  try {
    switch (data[0] % 4) {
      case 0:
        Check_Eds(Read_EDS_PDO(Put("PDO_CANopen.xml", bytes)), {});
        break;
      case 1:
        Check_Eds({}, Read_EDS_SDO(Put("SDO_Server_CANopen.xml", bytes)));
        break;
      case 2: {
        const QString par_gen = Put("ParGen.xml",
                                    "<Par_Gen><PROFI_GSD>1</PROFI_GSD><Working_mode>1</Working_mode>"
                                    "<PROFI_NB_OUT>300</PROFI_NB_OUT></Par_Gen>");
        Put("M_Bus.xml", bytes);
        const std::optional<GSD_Modules> m = Read_GSD_Modules(par_gen, Folder().path());
        if (!m || m->Input_Modules != static_cast<int32_t>(m->Input_Sizes.size())) std::abort();
        for (int32_t item : m->Input_Sizes)
          if (item < 1 || item > 64) std::abort();
        GSD_Text(*m);
        break;
      }
      default: {
        const QByteArray text = GSDML_Text(Read_GSDML_Parameters(Put("ParGen.xml", bytes)));
        // Whatever the station name, the file stays well-formed XML.
        Xml_Document doc;
        doc.Load_Text(text);
        break;
      }
    }
  } catch (const Description_File_Error&) {
  } catch (const Xml_Error&) {
  }
  return 0;
}
