#include "scan/decode/telegram_decoder.h"

#include <array>
#include <cstring>

#include "scan/decode/long_frame.h"
#include "scan/decode/mbus_texts.h"

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// Hexadecimal text of bytes, each as prefix, two digits, suffix (either may be 0 = none).
// Sized once: records are decoded by the thousand in a scan.
QString Hex_Text(const uint8_t* bytes, int n, char16_t prefix, char16_t suffix) {
  const int per_byte = 2 + (prefix ? 1 : 0) + (suffix ? 1 : 0);
  QString text(per_byte * n, Qt::Uninitialized);
  QChar* out = text.data();
  for (int i = 0; i < n; ++i) {
    if (prefix) *out++ = QChar(prefix);
    *out++ = QChar(kHexDigits[bytes[i] >> 4]);
    *out++ = QChar(kHexDigits[bytes[i] & 0x0F]);
    if (suffix) *out++ = QChar(suffix);
  }
  return text;
}

// The one-byte hexadecimal texts, made once and shared by every record that
// shows one: "$hh" for a DIF, "$hh " for a lone DIFE or VIFE, "hh" for one data byte.
struct Byte_Texts {
  std::array<QString, 256> dollar, dollar_blank, plain;
  Byte_Texts() {
    for (int b = 0; b < 256; ++b) {
      const uint8_t byte = static_cast<uint8_t>(b);
      dollar[b] = Hex_Text(&byte, 1, u'$', 0);
      dollar_blank[b] = Hex_Text(&byte, 1, u'$', u' ');
      plain[b] = Hex_Text(&byte, 1, 0, 0);
    }
  }
};

const Byte_Texts& Shared_Byte_Texts() {
  static const Byte_Texts texts;
  return texts;
}

// Hex_Text through the shared texts where the bytes are one or none.
QString Hex_Text_Shared(const uint8_t* bytes, int n, char16_t prefix, char16_t suffix) {
  if (n != 1) return Hex_Text(bytes, n, prefix, suffix);
  const Byte_Texts& shared = Shared_Byte_Texts();
  if (!prefix) return suffix ? Hex_Text(bytes, n, prefix, suffix) : shared.plain[bytes[0]];
  return suffix ? shared.dollar_blank[bytes[0]] : shared.dollar[bytes[0]];
}

// Data bytes and text of the fixed-length data-field codes; code 13 is sized by its LVAR byte.
struct Data_Field {
  int bytes;
  const char* text;
};
constexpr Data_Field kDataFields[16] = {
    {0, ""},
    {1, "8 Bit Integer"},
    {2, "16 Bit Integer"},
    {3, "24 Bit Integer"},
    {4, "32 Bit Integer"},
    {4, "32 Bit Real"},
    {6, "48 Bit Integer"},
    {8, "64 Bit Integer"},
    {0, ""},
    {1, "2 Digit BCD"},
    {2, "4 Digit BCD"},
    {3, "6 Digit BCD"},
    {4, "8 Digit BCD"},
    {0, ""},
    {6, "12 Digit BCD"},
    {0, "Special Function"},
};

// Number of data bytes and the data-field text that an LVAR byte announces.
void Lvar_Field(uint8_t lvar, int& bytes, QString& text) {
  if (lvar <= 0xBF) {
    bytes = lvar;
    text = QStringLiteral("Variable Length - ASCII String with %1characters").arg(bytes);
  } else if (lvar <= 0xCF) {
    bytes = lvar - 0xC0;
    text = QStringLiteral("Variable Length - Positive BCD Number with %1 digits").arg(2 * bytes);
  } else if (lvar <= 0xDF) {
    bytes = lvar - 0xD0;
    text = QStringLiteral("Variable Length - Negative BCD Number with %1 digits").arg(2 * bytes);
  } else if (lvar <= 0xEF) {
    bytes = lvar - 0xE0;
    text = QStringLiteral("Variable Length - Binary Number with %1 Bytes").arg(bytes);
  } else if (lvar <= 0xF4) {
    // Long binary numbers: 16, 20, 24, 28 or 32 bytes.
    bytes = 4 * (lvar - 0xEC);
    text = QStringLiteral("Variable Length - Binary Number with %1 Bytes").arg(bytes);
  } else if (lvar <= 0xFA) {
    bytes = lvar - 0xF0;
    text = QStringLiteral("Variable Length - Floating Point Number with %1 Bytes").arg(bytes);
  } else {
    bytes = 0;
    text = QStringLiteral("Variable Length - Reserved");
  }
}

QString Function_Text(int function) {
  switch (function) {
    case 0:
      return QStringLiteral("Istantaneous value");  // stored spelling
    case 1:
      return QStringLiteral("Maximum value");
    case 2:
      return QStringLiteral("Minimum value");
    default:
      return QStringLiteral("Value during error state");
  }
}

// Reads an extension chain (DIFE or VIFE) after position p: each byte with bit 7
// set announces one more. False when the chain runs past the last index or
// needs more than the record's limit: the record then cannot be read.
bool Read_Chain(const uint8_t* data, int last, int& p, uint8_t* chain, int& count) {
  count = 0;
  do {
    if (count == Telegram_Decoder::Max_Extensions || p + 1 > last) return false;
    chain[count++] = data[++p];
  } while (chain[count - 1] & 0x80);
  return true;
}

}  // namespace

int Telegram_Decoder::Add_Slave_From_Answer(const uint8_t* Ans_Array, int Ans_Len, int Index, TList_Slave_MBus& List,
                                            uint8_t& Last) {
  Last = 1;
  if (Ans_Array == nullptr || Ans_Len < long_frame::Overhead) return Index;
  // The fixed data structure shares only the identification number with the
  // variable one; the bytes after it are counters, not header fields or records.
  const bool fixed = long_frame::Is_Fixed_Data_Structure(Ans_Array[long_frame::CI_Field]);
  TSlave_MBus* slave = nullptr;
  if (Index >= 0 && Index < static_cast<int>(List.size())) {
    slave = List[Index].get();
  } else {
    List.push_back(std::make_unique<TSlave_MBus>());
    Index = static_cast<int>(List.size()) - 1;
    slave = List.back().get();
    slave->Primary_Addresss = Ans_Array[5];
    const uint32_t id =
        Ans_Array[7] | Ans_Array[8] << 8 | Ans_Array[9] << 16 | static_cast<uint32_t>(Ans_Array[10]) << 24;
    slave->Secondary_Addresss = QStringLiteral("%1").arg(id, 2, 16, QLatin1Char('0')).toUpper();
    if (!fixed) {
      slave->Manufacture = Ans_Array[11] | Ans_Array[12] << 8;
      slave->Version = Ans_Array[13];
      slave->Medium = Ans_Array[14];
      slave->Status = Ans_Array[16];
    }
    slave->descManufacture = Trova_Man(slave->Manufacture);
    slave->descmedium = Desc_Medium(slave->Medium);
  }
  if (fixed) {
    slave->Not_Readable = QStringLiteral("fixed data structure");
    return Index;
  }
  Last = Decode_Data_Records(slave->List_Var, Ans_Len - 22, Ans_Array + long_frame::Records_Start);
  return Index;
}

uint8_t Telegram_Decoder::Decode_Data_Records(TList_Var& List, int LastIndex, const uint8_t* Data) {
  uint8_t result = 1;
  if (Data == nullptr) return result;
  uint8_t dife[Max_Extensions];
  uint8_t vife[Max_Extensions];
  // A record takes at least two bytes: room for all of them at once, not
  // one list growth after another.
  if (LastIndex >= 0) List.reserve(List.size() + static_cast<size_t>(LastIndex / 2 + 1));
  for (int p = 0; p <= LastIndex; ++p) {
    const uint8_t dif = Data[p];
    const int code = dif & 0x0F;
    if (dif == 0x0F) break;
    if (dif == 0x1F) {
      result = 0;
      break;
    }
    if (dif == 0x2F) {
      if (MBusType == mtWireless) {
        auto filler = std::make_unique<TVariable_MBus>();
        filler->DIF = QStringLiteral("$2F");
        filler->DataFieldStr = QStringLiteral("Special Function");
        filler->Real_Wireless_Var = false;
        List.push_back(std::move(filler));
      }
      continue;
    }
    if (code == 0x0F && !(dif & 0x80)) break;  // 3F..7F
    if (code == 8) break;                      // selection for readout

    int numdife = 0;
    if ((dif & 0x80) && !Read_Chain(Data, LastIndex, p, dife, numdife)) break;

    if (p + 1 > LastIndex) break;
    const uint8_t vif = Data[++p];
    if ((vif & 0x7F) == 0x7E) break;
    QString unit_text;
    if ((vif & 0x7F) == 0x7C) {
      if (p + 1 > LastIndex) break;
      const int length = Data[++p];
      if (length > Max_Unit_Text || p + length > LastIndex) break;
      // The telegram stores the text last character first.
      for (int i = length; i >= 1; --i) unit_text += QChar(Data[p + i]);
      p += length;
    }
    int numvife = 0;
    if ((vif & 0x80) && !Read_Chain(Data, LastIndex, p, vife, numvife)) break;

    if (code == 0x0F) continue;  // 8F..FF: a special function the records do not carry

    int bytes = kDataFields[code].bytes;
    // Shared texts: each record then holds a reference, not a copy.
    static const std::array<QString, 16> kFieldTexts = [] {
      std::array<QString, 16> texts;
      for (int i = 0; i < 16; ++i) texts[i] = QString::fromLatin1(kDataFields[i].text);
      return texts;
    }();
    QString field_text = kFieldTexts[code];
    uint8_t lvar = 0;
    if (code == 13) {
      if (p + 1 > LastIndex) break;
      lvar = Data[++p];
      Lvar_Field(lvar, bytes, field_text);
    }
    if (bytes > Max_Data_Bytes || p + bytes > LastIndex) break;
    const uint8_t* bytes_at = Data + p + 1;
    p += bytes;

    auto item = std::make_unique<TVariable_MBus>();
    TVariable_MBus& record = *item;
    record.dimension = static_cast<uint8_t>(code);
    record.function_fild = (dif >> 4) & 3;
    int64_t storage = (dif >> 6) & 1;
    int tariff = 0;
    int subunit = 0;
    for (int i = 0; i < numdife; ++i) {
      storage += static_cast<int64_t>(dife[i] & 0x0F) << (1 + 4 * i);
      tariff += ((dife[i] >> 4) & 3) << (2 * i);
      subunit += ((dife[i] >> 6) & 1) << i;
    }
    record.DIFE = Hex_Text_Shared(dife, numdife, u'$', u' ');
    record.storage_number = storage;
    record.tarif = static_cast<uint16_t>(tariff);
    record.device = static_cast<uint16_t>(subunit);
    record.DIF = Hex_Text_Shared(&dif, 1, u'$', 0);
    record.numdife = numdife;
    record.VIF = vif;
    record.VIFE = Hex_Text_Shared(vife, numvife, u'$', u' ');
    record.VIF_ASCII = unit_text;
    record.totdati = Hex_Text_Shared(bytes_at, bytes, 0, 0);
    record.nbyte = bytes;
    record.DataFieldStr = field_text;
    record.Is_BCD = code == 9 || code == 10 || code == 11 || code == 12 || code == 14;
    record.Real_Wireless_Var = true;

    std::memset(App_Data_Val, 0, sizeof App_Data_Val);
    std::memcpy(App_Data_Val, bytes_at, bytes);
    std::memset(App_Vife_Val, 0, sizeof App_Vife_Val);
    std::memcpy(App_Vife_Val, vife, numvife);
    List.push_back(std::move(item));
    Decode_VIF(vif, numvife > 0 ? vife[0] : 0, code, lvar, bytes, record);
    record.FunctionFieldStr = Function_Text(record.function_fild);
  }
  return result;
}

int64_t Telegram_Decoder::BCD_To_Int(int n) const {
  if (n < 0) n = 0;
  if (n > static_cast<int>(sizeof App_Data_Val)) n = sizeof App_Data_Val;
  return Bcd_To_Int(App_Data_Val, n);
}
