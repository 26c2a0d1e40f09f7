#include "scan/decode/telegram_decoder.h"

#include <array>
#include <cstring>

#include "scan/decode/long_frame.h"
#include "scan/decode/mbus_texts.h"
#include "scan/decode/record_fields.h"

namespace {

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

// Upper-case hexadecimal digits of the identification number, at least two, made as one text.
QString Id_Text(uint32_t id) {
  QChar digits[8];
  int n = 0;
  for (int shift = 28; shift >= 0; shift -= 4) {
    const int digit = (id >> shift) & 0x0F;
    if (n > 0 || digit != 0 || shift < 8) digits[n++] = QChar(u"0123456789ABCDEF"[digit]);
  }
  return QString(digits, n);
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
    slave->Secondary_Addresss = Id_Text(id);
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
        TVariable_MBus& filler = Add_Record(List);
        filler.Set_Filler();
        filler.Real_Wireless_Var = false;
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
    // The telegram stores a plain-text unit last character first.
    uint8_t unit_text[Max_Unit_Text];
    int unit_length = 0;
    if ((vif & 0x7F) == 0x7C) {
      if (p + 1 > LastIndex) break;
      const int length = Data[++p];
      if (length > Max_Unit_Text || p + length > LastIndex) break;
      for (int i = length; i >= 1; --i) unit_text[unit_length++] = Data[p + i];
      p += length;
    }
    int numvife = 0;
    if ((vif & 0x80) && !Read_Chain(Data, LastIndex, p, vife, numvife)) break;

    if (code == 0x0F) continue;  // 8F..FF: a special function the records do not carry

    int bytes = record_fields::Data_Bytes(code);
    uint8_t lvar = 0;
    if (code == 13) {
      if (p + 1 > LastIndex) break;
      lvar = Data[++p];
      bytes = record_fields::Lvar_Bytes(lvar);
    }
    if (bytes > Max_Data_Bytes || p + bytes > LastIndex) break;
    const uint8_t* bytes_at = Data + p + 1;
    p += bytes;

    TVariable_MBus& record = Add_Record(List);
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
    record.storage_number = storage;
    record.tarif = static_cast<uint16_t>(tariff);
    record.device = static_cast<uint16_t>(subunit);
    record.VIF = vif;
    record.Set_Bytes(dif, dife, numdife, vife, numvife, unit_text, unit_length, lvar, bytes_at, bytes);
    record.Is_BCD = code == 9 || code == 10 || code == 11 || code == 12 || code == 14;
    record.Real_Wireless_Var = true;

    Fill_Scratch(bytes_at, bytes, vife, numvife);
    Decode_VIF(vif, numvife > 0 ? vife[0] : 0, code, lvar, bytes, record);
  }
  return result;
}

void Telegram_Decoder::Recycle_Records(TList_Var& list) {
  if (spare_.empty()) {
    // The whole list at once; the meter keeps the emptied list of an earlier frame and its room.
    spare_.swap(list);
    return;
  }
  // Enough for the records of the longest frame; the rest are freed.
  constexpr size_t kKept = 256;
  while (!list.empty()) {
    if (spare_.size() < kKept) spare_.push_back(std::move(list.back()));
    list.pop_back();
  }
}

inline TVariable_MBus& Telegram_Decoder::Add_Record(TList_Var& list) {
  if (spare_.empty()) {
    list.push_back(std::make_unique<TVariable_MBus>());
  } else {
    list.push_back(std::move(spare_.back()));
    spare_.pop_back();
    list.back()->Reset();
  }
  return *list.back();
}

void Telegram_Decoder::Fill_Scratch(const uint8_t* data, int n, const uint8_t* vife, int numvife) {
  // Only the bytes the last record left behind are cleared, not all 256 every time.
  std::memcpy(App_Data_Val, data, static_cast<size_t>(n));
  if (scratch_used_ > n) std::memset(App_Data_Val + n, 0, static_cast<size_t>(scratch_used_ - n));
  scratch_used_ = n;
  std::memset(App_Vife_Val, 0, sizeof App_Vife_Val);
  std::memcpy(App_Vife_Val, vife, static_cast<size_t>(numvife));
}

int64_t Telegram_Decoder::BCD_To_Int(int n) const {
  if (n < 0) n = 0;
  if (n > static_cast<int>(sizeof App_Data_Val)) n = sizeof App_Data_Val;
  return Bcd_To_Int(App_Data_Val, n);
}
