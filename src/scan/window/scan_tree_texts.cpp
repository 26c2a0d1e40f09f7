#include "scan/window/scan_tree_texts.h"

#include "scan/decode/slave_mbus.h"
#include "scan/decode/slave_wmbus.h"
#include "scan/decode/variable_mbus.h"

namespace scan_tree {

QString Meter_Text(const TSlave_MBus& meter) {
  return QStringLiteral("Primary Address = ") + QString::number(meter.Primary_Addresss) +
         QStringLiteral(" - Secondary Address = ") + meter.Secondary_Addresss + QStringLiteral(" - Manufacturer = ") +
         meter.descManufacture + '(' + QString::number(meter.Manufacture) + QStringLiteral(") - Version = ") +
         QString::number(meter.Version) + QStringLiteral(" - Type = ") + QString::number(meter.Medium) +
         (meter.Not_Readable.isEmpty() ? QString()
                                       : QStringLiteral(" - not readable (") + meter.Not_Readable + QLatin1Char(')'));
}

QString Meter_Text(const TSlave_wMBus& meter) {
  return QStringLiteral("Manufacturer = ") + meter.ALA_Manu_str + QStringLiteral(" - Address = ") +
         QStringLiteral("%1").arg(uint32_t(meter.ALA_Address), 8, 16, QLatin1Char('0')).toUpper() +
         QStringLiteral(" - Version = ") + QString::number(meter.ALA_Version) + QStringLiteral(" - Device Type = ") +
         QString::number(meter.ALA_DeviceType) + QStringLiteral(" - ") +
         (meter.Cripted ? QStringLiteral("CRIPTED!!") : QString());
}

QString Record_Text(const TVariable_MBus& record) {
  return QStringLiteral("Value = ") + record.ValueStr() + QStringLiteral(" - Type = ") + record.Desc_Type_Data() +
         QStringLiteral(" (U") + QString::number(record.device) + 'S' + QString::number(record.storage_number) + 'T' +
         QString::number(record.tarif) + ')';
}

QString Wireless_Record_Text(const TVariable_MBus& record) {
  return record.Real_Wireless_Var ? Record_Text(record) : QStringLiteral("Idle Filler");
}

QString Detail_Text(const TVariable_MBus& record, int line) {
  switch (line) {
    case 0:
      return QStringLiteral("Storage Number = ") + QString::number(record.storage_number);
    case 1:
      return QStringLiteral("Tariff = ") + QString::number(record.tarif);
    case 2:
      return QStringLiteral("Unit = ") + QString::number(record.device);
    case 3:
      return QStringLiteral("Data Field = ") + record.DataFieldStr();
    case 4:
      return QStringLiteral("Function Field = ") + record.FunctionFieldStr();
    case 5:
      return QStringLiteral("Type = ") + record.Desc_Type_Data();
    case 6:
      return QStringLiteral("Value = ") + record.ValueStr();
    case 7:
      return QStringLiteral("DIF = ") + record.DIF();
    case 8:
      return QStringLiteral("VIF = $") + QStringLiteral("%1").arg(record.VIF, 2, 16, QLatin1Char('0')).toUpper();
    case 9:
      return QStringLiteral("DIFE = ") + record.DIFE();
    case 10:
      return QStringLiteral("VIFE = ") + record.VIFE();
    case 11:
      return QStringLiteral("DATA = $") + record.totdati();
    default:
      return QString();
  }
}

}  // namespace scan_tree
