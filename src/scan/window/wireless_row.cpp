#include "scan/window/wireless_row.h"

#include <QLocale>

#include "scan/decode/slave_wmbus.h"

namespace wireless_row {
namespace {

QString Hex(uint32_t value, int digits) {
  return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString Byte_Both_Ways(uint8_t value) { return QString::number(value) + QStringLiteral(" (") + Hex(value, 2) + ')'; }

QString Manufacturer(const QString& text, uint16_t code) { return text + '(' + Hex(code, 4) + ')'; }

}  // namespace

const QStringList& Headers() {
  static const QStringList headers{"N",
                                   "Date Time",
                                   "Message Type",
                                   "Manufacturer (LLA)",
                                   "Address (LLA)",
                                   "Version (LLA)",
                                   "Device Type (LLA)",
                                   "Manufacturer (ALA)",
                                   "Address (ALA)",
                                   "Version (ALA)",
                                   "Device Type (ALA)",
                                   "RSSI",
                                   "Cripted"};
  return headers;
}

const std::array<int, kColumns>& Widths() {
  static constexpr std::array<int, kColumns> widths{40, 65, 90, 120, 90, 85, 110, 120, 90, 85, 110, 50, 70};
  return widths;
}

Row Of(const TSlave_wMBus& meter, int n) {
  Row row;
  const QLocale locale = QLocale::system();
  row.cells[0] = QString::number(n + 1);
  if (meter.DateTime.isValid()) {
    const QDateTime local = meter.DateTime.toLocalTime();
    row.cells[1] =
        locale.toString(local.date(), QLocale::ShortFormat) + ' ' + local.time().toString(QStringLiteral("HH:mm:ss"));
  }
  row.cells[2] = QStringLiteral("0x") + Hex(meter.Message_Type, 2);
  row.cells[3] = Manufacturer(meter.LLA_Manu_str, meter.LLA_Manufacturer);
  row.cells[4] = Hex(uint32_t(meter.LLA_Address), 8);
  row.cells[5] = Byte_Both_Ways(meter.LLA_Version);
  row.cells[6] = Byte_Both_Ways(meter.LLA_DeviceType);
  row.cells[7] = Manufacturer(meter.ALA_Manu_str, meter.ALA_Manufacturer);
  row.cells[8] = Hex(uint32_t(meter.ALA_Address), 8);
  row.cells[9] = Byte_Both_Ways(meter.ALA_Version);
  row.cells[10] = Byte_Both_Ways(meter.ALA_DeviceType);
  row.cells[11] = QString::number(meter.RSSI);
  row.color = meter.Cripted ? kEncrypted_Color : kClear_Color;
  row.picture = meter.Cripted ? 0 : 1;
  return row;
}

}  // namespace wireless_row
