#include "scan/window/scan_settings.h"

#include <QFileInfo>
#include <exception>

#include "platform/file_resolver.h"
#include "platform/number_entry.h"
#include "platform/xml_document.h"

namespace scan_settings {

int32_t Number_Or(const QString& text, int32_t fallback) {
  int32_t value = 0;
  return Try_Read_Number(text, value) ? value : fallback;
}

int32_t Mode_Code(int index) {
  static constexpr std::array<int32_t, 5> kCodes{1, 5, 15, 17, 11};
  return index >= 0 && index < int(kCodes.size()) ? kCodes[size_t(index)] : kCodes[0];
}

std::optional<uint16_t> Port(const QString& text) {
  int32_t value = 0;
  if (!Try_Read_Number(text, value) || value < 1 || value > 65535) return std::nullopt;
  return static_cast<uint16_t>(value);
}

QString Address(const std::array<QString, 4>& parts) {
  return parts[0] + QLatin1Char('.') + parts[1] + QLatin1Char('.') + parts[2] + QLatin1Char('.') + parts[3];
}

std::array<std::optional<QString>, 4> Gateway_Address_In_Par_Gen(const QString& path, int xml_code_dev) {
  std::array<std::optional<QString>, 4> parts;
  QString prefix;
  switch (xml_code_dev) {
    case 10:
    case 16:
    case 19:
      prefix = QStringLiteral("Eth_IP");
      break;
    case 17:
      prefix = QStringLiteral("PROFINET_IP");
      break;
    case 3:
      prefix = QStringLiteral("IP_");
      break;
    default:
      return parts;
  }
  const QString file = file_resolver::Resolve_Path(path);
  if (path.isEmpty() || !QFileInfo::exists(file)) return parts;
  try {
    Xml_Document xml;
    xml.Load_File(file);
    const Xml_Node root = xml.Root();
    for (int i = 0; i < 4; ++i) {
      const Xml_Node element = root.Child(prefix + QString::number(i + 1));
      if (!element.Is_Null()) parts[size_t(i)] = element.Text();
    }
  } catch (const std::exception&) {
    // An unreadable file leaves the address as the window shows it.
  }
  return parts;
}

}  // namespace scan_settings
