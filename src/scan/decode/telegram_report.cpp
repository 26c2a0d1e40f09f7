#include "scan/decode/telegram_report.h"

#include <QRegularExpression>

#include "scan/decode/long_frame.h"
#include "scan/decode/telegram_decoder.h"

namespace telegram_report {
namespace {

int Hex_Digit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

}  // namespace

bool Parse_Hex(const QString& text, std::vector<uint8_t>& bytes, QString& error) {
  bytes.clear();
  const QStringList tokens = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  for (const QString& token : tokens) {
    for (QChar c : token) {
      if (Hex_Digit(c) < 0) {
        error = QStringLiteral("not a hexadecimal digit: '%1'").arg(c);
        return false;
      }
    }
    if (token.size() == 1) {
      bytes.push_back(static_cast<uint8_t>(Hex_Digit(token[0])));
      continue;
    }
    if (token.size() % 2 != 0) {
      error = QStringLiteral("odd number of hexadecimal digits in '%1'").arg(token);
      return false;
    }
    for (int i = 0; i < token.size(); i += 2) {
      bytes.push_back(static_cast<uint8_t>(Hex_Digit(token[i]) << 4 | Hex_Digit(token[i + 1])));
    }
  }
  if (bytes.empty()) {
    error = QStringLiteral("no bytes");
    return false;
  }
  return true;
}

QString Frame_Error(const std::vector<uint8_t>& frame) {
  const int len = static_cast<int>(frame.size());
  if (len <= long_frame::Overhead) return QStringLiteral("too short for a long frame with data (%1 bytes)").arg(len);
  if (frame[0] != 0x68 || frame[3] != 0x68) return QStringLiteral("no long frame start 68 L L 68");
  if (frame[1] != frame[2]) return QStringLiteral("the two length bytes differ");
  if (frame[len - 1] != 0x16) return QStringLiteral("no stop byte 16 at the end");
  if (!long_frame::Is_Valid(frame.data(), len)) return QStringLiteral("checksum does not match");
  return QString();
}

Decoded_Telegram Decode(const QString& hex_text) {
  Decoded_Telegram telegram;
  if (!Parse_Hex(hex_text, telegram.bytes, telegram.error)) return telegram;
  telegram.error = Frame_Error(telegram.bytes);
  if (!telegram.error.isEmpty()) return telegram;
  TList_Slave_MBus list;
  Telegram_Decoder decoder;
  decoder.Add_Slave_From_Answer(telegram.bytes.data(), static_cast<int>(telegram.bytes.size()), -1, list,
                                telegram.last);
  if (!list.front()->Not_Readable.isEmpty()) {
    telegram.error = QStringLiteral("not readable (%1)").arg(list.front()->Not_Readable);
    return telegram;
  }
  telegram.slave = std::move(list.front());
  return telegram;
}

QStringList Lines(const Decoded_Telegram& telegram) {
  if (!telegram.slave) return {QStringLiteral("error ") + telegram.error};
  const TSlave_MBus& slave = *telegram.slave;
  QStringList lines;
  lines << QStringLiteral("header id=%1 man=%2 version=%3 medium=%4 access=%5 status=%6")
               .arg(slave.Secondary_Addresss, slave.descManufacture)
               .arg(slave.Version)
               .arg(slave.Medium)
               .arg(telegram.bytes[15])
               .arg(QStringLiteral("%1").arg(slave.Status, 2, 16, QLatin1Char('0')).toUpper());
  int i = 0;
  for (const auto& record : slave.List_Var) {
    const QString unit = record->type_data == 65535 ? QStringLiteral("none") : QString::number(record->type_data);
    lines << QStringLiteral(
                 "record %1 storage=%2 tariff=%3 subunit=%4 function=%5 unit=%6 vife=%7 value=%8 quantity=%9")
                 .arg(i++)
                 .arg(record->storage_number)
                 .arg(record->tarif)
                 .arg(record->device)
                 .arg(record->function_fild)
                 .arg(unit)
                 .arg(record->Type_Data_Vife)
                 .arg(record->ValueStr(), record->Desc_Type_Data());
  }
  return lines;
}

}  // namespace telegram_report
