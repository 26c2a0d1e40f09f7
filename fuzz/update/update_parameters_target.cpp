// The Ethernet update's parameters over arbitrary bytes. An even first byte
// feeds the rest as ParGen.xml to the hardware type look-up, which must answer
// 0 or 1 whatever the file holds. An odd one builds Ethernet_Update.xml from
// the rest (the typed address and the two folders, split at zero bytes, the
// device type and the options from the first byte) and reads it back as the
// updater does: the address and every file name come back as they went in
// (line ends aside, which every XML reader turns into LF, and a text of
// nothing but white space, which the XML reader drops).
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "outputs/update/update_parameters.h"
#include "platform/xml_document.h"

namespace {

QString Read_As_Xml(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  const bool only_white_space =
      std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == ' ' || c == '\t' || c == '\n'; });
  return only_white_space ? QString() : text;
}

void Check_Read_Back(const Update_Request& request) {
  Xml_Document doc;
  Build_Ethernet_Update(doc, request);
  Xml_Document again;
  again.Load_Text(doc.Save_Text());
  const Xml_Node root = again.Root();
  if (root.Child(QStringLiteral("IP_Address_Dev")).Single_Text().value_or(QString()) != Read_As_Xml(request.ip_address))
    std::abort();
  const Xml_Node operations = root.Child(QStringLiteral("Operations"));
  for (int i = 0; i < operations.Child_Count(); ++i) {
    const QString file = operations.Child_At(i).Child(QStringLiteral("Ope_FileName")).Single_Text().value_or(QString());
    if (!file.startsWith(Read_As_Xml(request.dir_master + '/')) &&
        !file.startsWith(Read_As_Xml(request.active_conf_dir + "/bin/")))
      std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  if (data[0] % 2 == 0) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ParGen.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) std::abort();
    file.write(rest);
    file.close();
    const int type = Select_Hard_Type_232(path);
    if (type != 0 && type != 1) std::abort();
    return 0;
  }
  const QList<QByteArray> parts = rest.split('\0');
  Update_Request request;
  request.device_type = 1 + (data[0] >> 1) % 6;
  request.option = (data[0] >> 4) % 3;
  request.read_back = data[0] & 0x40;
  request.ip_address = QString::fromUtf8(parts.value(0));
  request.dir_master = QString::fromUtf8(parts.value(1));
  request.active_conf_dir = QString::fromUtf8(parts.value(2));
  Check_Read_Back(request);
  return 0;
}
