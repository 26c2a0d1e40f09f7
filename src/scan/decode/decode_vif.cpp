// The meaning of one data record: quantity text, unit and VIFE codes, scaled
// value and value text, from its VIF, its VIFE chain and its data bytes.
#include <array>
#include <cmath>

#include "controls/format_settings.h"
#include "scan/decode/record_meaning.h"
#include "scan/decode/telegram_decoder.h"
#include "scan/decode/time_point.h"
#include "scan/decode/value_text.h"
#include "scan/decode/vif_tables.h"

namespace {

using vif_tables::None;
using vif_tables::Row;
using vif_tables::Value_Kind;

constexpr int kLastVifePosition = 9;

// Extended precision keeps every 64-bit raw value exact; dividing for negative
// exponents keeps 12345 * 10^-3 at 12.345 rather than a neighbour of it.
// The value as extended precision, and beside it, while the raw value is an
// integer of at most 15 digits, the same number as an exact decimal for its text.
struct Value {
  long double real = 0;
  bool exact = false;
  int64_t mantissa = 0;
  int exponent = 0;
};

void Scale(Value& v, const Row& row) {
  if (!row.scaled || row.exponent == 0) return;
  v.exponent += row.exponent;
  long double& value = v.real;
  // Powers of ten up to 10^27 are exact in extended precision; the tables never ask for more.
  static const auto kPowers = [] {
    std::array<long double, 28> powers{};
    powers[0] = 1;
    for (size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  const int k = std::abs(row.exponent);
  const long double power = k < static_cast<int>(kPowers.size()) ? kPowers[k] : std::pow(10.0L, k);
  value = row.exponent < 0 ? value / power : value * power;
}

QString Time_Point_Quantity(int data_code) {
  switch (data_code) {
    case 2:
      return QStringLiteral("Time Point Date (Type G)");
    case 4:
      return QStringLiteral("Time Point Date and Time (Type F)");
    case 3:
      return QStringLiteral("Time Point Extended Time Point (Type J)");
    case 6:
      return QStringLiteral("Time Point Extended Date and Time Point (Type I)");
    default:
      return QString();
  }
}

QString Time_Point_Text(int data_code, const uint8_t* data) {
  switch (data_code) {
    case 2:
      return time_point::Type_G(data);
    case 4:
      return time_point::Type_F(data);
    case 3:
      return time_point::Type_J(data);
    case 6:
      return time_point::Type_I(data);
    default:
      return QString();
  }
}

// The codes, the quantity text and the value text in one walk over the tables.
record_meaning::Meaning Decode(const record_meaning::Input& in) {
  const uint8_t VIF = in.vif;
  const uint8_t VIFE0 = in.vife[0];
  const int DataCode = in.data_code;
  Value value;
  value.real = value_text::Raw_Value(DataCode, in.lvar, in.data);
  if (DataCode != 5 && std::fabs(value.real) < 1e15L) {
    value.exact = true;
    value.mantissa = static_cast<int64_t>(value.real);
  }
  int vife_code = None;
  QString text;

  const Row primary = vif_tables::Primary(VIF & 0x7F);
  const int unit_code = primary.code;
  QString quantity = primary.text;
  Scale(value, primary);
  if (primary.kind == Value_Kind::Time_Point) {
    quantity = Time_Point_Quantity(DataCode);
    text = Time_Point_Text(DataCode, in.data);
  } else if (primary.kind == Value_Kind::Plain_Text && DataCode == 13 && in.lvar <= 0xBF) {
    // Only a character field is shown as characters: a number whose unit the
    // telegram spells out (%RH, for instance) is still a number to scale.
    const int count = in.nbyte < 0 ? 0 : in.nbyte;
    text = QString::fromLatin1(reinterpret_cast<const char*>(in.data), count);
  }

  int q = -1;  // position of the first combinable VIFE, -1 when there is none
  if (VIF == 0xFD || VIF == 0xFB) {
    const Row row = VIF == 0xFD ? vif_tables::Extension_FD(VIFE0 & 0x7F) : vif_tables::Extension_FB(VIFE0 & 0x7F);
    vife_code = row.code;
    quantity = row.text;
    Scale(value, row);
    if (VIFE0 & 0x80) q = 1;
  } else if ((VIF & 0x80) && VIF != 0xFE && VIF != 0xFF) {
    q = 0;
  }

  while (q >= 0) {
    const uint8_t vife = in.vife[q];
    if ((vife & 0x7F) == 0x7C) {
      if (q <= kLastVifePosition - 1) {
        ++q;
        quantity += vif_tables::Phase(in.vife[q] & 0x7F);
      }
    } else {
      const Row row = vif_tables::Combinable(vife & 0x7F);
      if (vife_code == None) vife_code = row.code;
      quantity += row.text;
      Scale(value, row);
      if (row.kind == Value_Kind::Date) {
        text = DataCode == 2 ? time_point::Type_G(in.data) : DataCode == 4 ? time_point::Type_F(in.data) : QString();
      }
    }
    if (!(in.vife[q] & 0x80) || q >= kLastVifePosition) break;
    ++q;
  }

  record_meaning::Meaning meaning;
  meaning.unit_code = unit_code == None ? 65535 : unit_code;
  meaning.vife_code = vife_code == None ? 0 : vife_code;
  meaning.quantity = quantity;
  if (text.isEmpty()) {
    const QChar separator = Process_Format_Settings().Decimal_Separator;
    text = value.exact ? value_text::Decimal(value.mantissa, value.exponent, separator)
                       : value_text::General(value.real, separator);
  }
  meaning.value = text;
  return meaning;
}

}  // namespace

namespace record_meaning {

// The walk of Decode over the VIF and VIFE bytes, reading only the codes.
Codes_Only Codes(uint8_t VIF, const uint8_t* vife_chain) {
  const vif_tables::Code_Table& table = vif_tables::Codes();
  const uint8_t VIFE0 = vife_chain[0];
  const int unit_code = table.primary[VIF & 0x7F];
  int vife_code = None;
  int q = -1;
  if (VIF == 0xFD || VIF == 0xFB) {
    vife_code = (VIF == 0xFD ? table.extension_fd : table.extension_fb)[VIFE0 & 0x7F];
    if (VIFE0 & 0x80) q = 1;
  } else if ((VIF & 0x80) && VIF != 0xFE && VIF != 0xFF) {
    q = 0;
  }
  while (q >= 0) {
    const uint8_t vife = vife_chain[q];
    if ((vife & 0x7F) == 0x7C) {
      if (q <= kLastVifePosition - 1) ++q;
    } else if (vife_code == None) {
      vife_code = table.combinable[vife & 0x7F];
    }
    if (!(vife_chain[q] & 0x80) || q >= kLastVifePosition) break;
    ++q;
  }
  Codes_Only codes;
  codes.unit_code = unit_code == None ? 65535 : unit_code;
  codes.vife_code = vife_code == None ? 0 : vife_code;
  return codes;
}

Meaning With_Texts(const Input& record) { return Decode(record); }

}  // namespace record_meaning

// The codes need neither the data-field code nor the data: those serve the texts,
// which the record makes from its own bytes.
void Telegram_Decoder::Decode_VIF(uint8_t VIF, uint8_t VIFE0, int /*DataCode*/, uint8_t /*LVAR*/, int /*NByte*/,
                                  TVariable_MBus& Item) {
  App_Vife_Val[0] = VIFE0;
  const record_meaning::Codes_Only codes = record_meaning::Codes(VIF, App_Vife_Val);
  Item.type_data = static_cast<uint16_t>(codes.unit_code);
  Item.Type_Data_Vife = codes.vife_code;
}
