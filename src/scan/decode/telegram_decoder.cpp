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

// The record objects of one walk. A list that comes empty takes the recycled
// objects into itself and hands them out in place, one after the other, so that a
// record costs no list growth and no move; further records take spares, then new
// objects. When the walk ends, however it ends, the objects it did not use go
// back to the spares.
class Telegram_Decoder::Walk_Slots {
 public:
  Walk_Slots(TList_Var& list, TList_Var& spare) : list_(list), spare_(spare) {
    const bool in_place = list_.empty();
    if (in_place) list_.swap(spare_);
    end_ = list_.size();
    next_ = in_place ? 0 : end_;
  }
  Walk_Slots(const Walk_Slots&) = delete;
  Walk_Slots& operator=(const Walk_Slots&) = delete;
  ~Walk_Slots() {
    for (size_t i = next_; i < end_ && spare_.size() < kKept_Spares; ++i) {
      try {
        spare_.push_back(std::move(list_[i]));
      } catch (...) {
        break;  // the rest is freed with the list's tail
      }
    }
    list_.resize(next_);
  }

  TVariable_MBus& Take() {
    if (next_ < end_) {
      TVariable_MBus& record = *list_[next_++];
      record.Reset();
      return record;
    }
    return Take_Appended();
  }

 private:
  // A record beyond the list's own objects: a spare, else a new object.
  [[gnu::noinline]] TVariable_MBus& Take_Appended() {
    if (spare_.empty()) {
      list_.push_back(std::make_unique<TVariable_MBus>());
    } else {
      list_.push_back(std::move(spare_.back()));
      spare_.pop_back();
      list_.back()->Reset();
    }
    end_ = next_ = list_.size();
    return *list_.back();
  }

  TList_Var& list_;
  TList_Var& spare_;
  size_t next_ = 0;
  size_t end_ = 0;
};

uint8_t Telegram_Decoder::Decode_Data_Records(TList_Var& List, int LastIndex, const uint8_t* Data) {
  uint8_t result = 1;
  if (Data == nullptr) return result;
  uint8_t dife[Max_Extensions];
  uint8_t vife[Max_Extensions];
  Walk_Slots slots(List, spare_);
  // A record takes at least two bytes: room for all of them at once, not
  // one list growth after another.
  if (LastIndex >= 0) List.reserve(List.size() + static_cast<size_t>(LastIndex / 2 + 1));
  const bool keep_fillers = MBusType == mtWireless;
  const TVariable_MBus* last_kept = nullptr;
  for (int p = 0; p <= LastIndex; ++p) {
    const uint8_t dif = Data[p];
    const int code = dif & 0x0F;
    if (dif == 0x2F) {
      if (keep_fillers) slots.Take().Set_Filler();
      continue;
    }
    if (dif == 0x0F) break;
    if (dif == 0x1F) {
      result = 0;
      break;
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

    TVariable_MBus& record = slots.Take();
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
    record.Set_Codes();
    last_kept = &record;
  }
  // The scratch buffers hold the last kept record, as a decoding of each record
  // in turn would have left them; the codes were read from the records' own bytes.
  if (last_kept != nullptr) {
    Fill_Scratch(*last_kept);
  }
  return result;
}

void Telegram_Decoder::Recycle_Records(TList_Var& list) {
  if (spare_.empty()) {
    // The whole list at once; the meter keeps the emptied list of an earlier frame and its room.
    spare_.swap(list);
    return;
  }
  while (!list.empty()) {
    if (spare_.size() < kKept_Spares) spare_.push_back(std::move(list.back()));
    list.pop_back();
  }
}

void Telegram_Decoder::Fill_Scratch(const TVariable_MBus& record) {
  constexpr int kBlock = 16;  // a kept record has at least this many zero-padded data bytes
  static_assert(sizeof App_Vife_Val == TVariable_MBus::Max_Extensions + 2);
  if (record.nbyte > kBlock || scratch_used_ > kBlock) {
    Fill_Scratch(record.Data_Bytes(), record.nbyte, record.Vife_Bytes(), record.numvife);
    return;
  }
  std::memcpy(App_Data_Val, record.Data_Bytes(), kBlock);
  scratch_used_ = record.nbyte;
  std::memcpy(App_Vife_Val, record.Vife_Bytes(), sizeof App_Vife_Val);
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
