#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "scan/decode/slave_mbus.h"

// One wired RSP_UD telegram read the way the scan reads it, for people and
// tests that check a meter outside a scan (the mbus-decode tool, the corpus test).
//
// Hex text: bytes as two hexadecimal digits, separated by blanks or not; a
// blank-separated token of one digit is one byte. Anything else is refused.
namespace telegram_report {

struct Decoded_Telegram {
  QString error;  // empty when the telegram was read
  std::vector<uint8_t> bytes;
  std::unique_ptr<TSlave_MBus> slave;  // set when the telegram was read
  uint8_t last = 1;                    // 0 when the telegram announced further telegrams
};

// False with a reason when the text is not hexadecimal bytes.
bool Parse_Hex(const QString& text, std::vector<uint8_t>& bytes, QString& error);

// Why a frame is not a valid long frame for the scan; empty when it is one.
QString Frame_Error(const std::vector<uint8_t>& frame);

// Parses and decodes one telegram. The value texts follow the process format
// settings. A telegram whose records cannot be read (fixed data structure) is
// an error "not readable (<why>)", not a meter without records.
Decoded_Telegram Decode(const QString& hex_text);

// "header id=.. man=.. version=.. medium=.. access=.. status=.." then one
// "record <i> storage=.. tariff=.. subunit=.. function=.. unit=.. vife=.. value=.. quantity=.."
// line per record; "error <reason>" alone for a telegram that was not read.
QStringList Lines(const Decoded_Telegram& telegram);

}  // namespace telegram_report
