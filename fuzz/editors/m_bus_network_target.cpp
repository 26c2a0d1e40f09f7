// Feeds arbitrary bytes to the M_Bus.xml reader. The first byte picks the
// device type, so the wireless attributes are read as well. Whatever was read
// must survive a write and a read unchanged.
#include <cstdlib>

#include "editors/files/m_bus_network_file.h"
#include "platform/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int type = 1 + data[0] % 6;
  Xml_Document doc;
  try {
    doc.Load_Text(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
  } catch (const Xml_Error&) {
    return 0;
  }
  const M_Bus_Network_Load load = Read_M_Bus_Network(doc, type);
  Xml_Document again;
  again.Load_Text(M_Bus_Network_Text(load.nodes, type));
  const M_Bus_Network_Load reread = Read_M_Bus_Network(again, type);
  if (!reread.Complete() || reread.nodes != load.nodes) std::abort();
  return 0;
}
