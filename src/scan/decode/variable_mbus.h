#pragma once
#include <QString>
#include <atomic>
#include <cstdint>

// The plain fields of a data record, apart from its texts: a record object
// taken up again for another record gets them back in one copy.
struct TVariable_MBus_Fields {
  int32_t dato_A = 0;          // data bytes 0..3, little-endian
  int32_t dato_B = 0;          // data bytes 4..7, little-endian
  uint8_t dimension = 0;       // data-field code, DIF bits 0..3
  uint16_t function_fild = 0;  // 0 instantaneous, 1 maximum, 2 minimum, 3 during error state
  int64_t storage_number = 0;
  uint16_t tarif = 0;
  uint16_t device = 0;     // subunit
  uint16_t type_data = 0;  // unit code, 65535 for none
  uint16_t scale = 0;      // not filled by the scan
  int32_t nbyte = 0;       // number of data bytes
  int32_t numdife = 0;
  int32_t numvife = 0;
  int32_t vifvalue = -1;  // the VIF byte, -1 while none was read
  int32_t PrinVIFE = 0;   // the first VIFE byte
  uint8_t casovif = 0;
  int32_t numdato = 0;  // not filled by the scan
  uint8_t VIF = 0;
  int32_t Type_Data_Vife = 0;  // VIFE code, 0 for none (written to the network file as VIFE)
  bool Enable = true;
  bool Real_Wireless_Var = false;  // false for the filler records kept from wireless telegrams
  bool Is_BCD = false;
  void* Node = nullptr;  // the window's tree entry showing this record; opaque here
};

// One decoded data record of a meter telegram. The record walk fills the
// numbers and keeps the record's bytes; the texts that the window and the scan
// report show are made from those bytes only when they are read: a scan decodes
// records by the thousand and shows few of them. Fields keep the names the rest
// of the program uses.
class TVariable_MBus : public TVariable_MBus_Fields {
 public:
  static constexpr int Max_Extensions = 10;
  static constexpr int Max_Unit_Text = 192;
  static constexpr int Max_Data_Bytes = 255;

  // The byte buffers are left unset: only the part that Set_Bytes fills is read.
  TVariable_MBus() {}
  TVariable_MBus(const TVariable_MBus&) = delete;
  TVariable_MBus& operator=(const TVariable_MBus&) = delete;

  QString Description;  // not filled by the scan
  QString datagiorno;
  QString tempo;
  QString icon;  // not filled by the scan

  // Back to the state of a new record, without giving up the object. Inline
  // wherever it is used: a walk resets a record object for every record it keeps.
  [[gnu::always_inline]] void Reset() {
    static constexpr TVariable_MBus_Fields kInitial{};
    static_cast<TVariable_MBus_Fields&>(*this) = kInitial;
    Description.clear();
    datagiorno.clear();
    tempo.clear();
    icon.clear();
    quantity_.clear();
    value_.clear();
    kind_ = Kind::None;
    texts_.store(kNot_Made, std::memory_order_relaxed);
  }

  // Keeps the bytes of a data record as the telegram carried them: its DIF, DIFE
  // and VIFE chains (at most Max_Extensions each), its plain-text unit in reading
  // order, its LVAR byte (data-field code 13) and its data bytes. Sets numdife,
  // numvife and nbyte; longer chains, texts and data are cut to the limits.
  void Set_Bytes(uint8_t dif, const uint8_t* dife, int dife_count, const uint8_t* vife, int vife_count,
                 const uint8_t* unit, int unit_length, uint8_t lvar, const uint8_t* data, int data_count);
  // Gives the record its unit and VIFE codes (type_data, Type_Data_Vife) from the kept bytes.
  void Set_Codes();
  // Makes this record, in its initial state, an idle filler of a wireless telegram (DIF 2F).
  void Set_Filler() {
    kind_ = Kind::Filler;
    dif_ = 0x2F;
    Real_Wireless_Var = false;
  }

  // The kept data bytes (nbyte of them, zeros after) and VIFE bytes (numvife of them, zeros after).
  const uint8_t* Data_Bytes() const { return data_; }
  const uint8_t* Vife_Bytes() const { return vife_; }

  // Texts of the record's bytes, made on each call from the kept bytes (a
  // one-byte text is shared). Empty for a record without bytes.
  QString DIF() const;        // "$hh"
  QString DIFE() const;       // "$hh " per DIFE byte
  QString VIFE() const;       // "$hh " per VIFE byte
  QString totdati() const;    // data bytes as hexadecimal text, no separator
  QString VIF_ASCII() const;  // plain-text unit carried by the telegram
  QString DataFieldStr() const;
  QString FunctionFieldStr() const;

  // Quantity and value texts: made together from the record's bytes when either
  // is first read, in the process's number format of that moment, and kept. A
  // text given with Set_Texts stands instead. Two threads may read them at once
  // (the window and the scan report): one makes them, the other waits for it.
  const QString& Desc_Type_Data() const;
  const QString& ValueStr() const;
  void Set_Texts(const QString& quantity, const QString& value);

 private:
  enum class Kind : uint8_t { None, Filler, Record };
  enum Texts_State : uint8_t { kNot_Made, kMaking, kMade };
  void Make_Texts() const;

  Kind kind_ = Kind::None;
  uint8_t dif_ = 0;
  uint8_t lvar_ = 0;
  uint8_t unit_length_ = 0;
  mutable std::atomic<uint8_t> texts_{kNot_Made};  // whether the quantity and value texts are made
  // Before the byte buffers, so that a reset touches only the object's first lines.
  mutable QString quantity_;
  mutable QString value_;
  uint8_t dife_[Max_Extensions];
  // The VIFE chain with two zero bytes after it: a phase extension may name the byte past the chain.
  uint8_t vife_[Max_Extensions + 2];
  uint8_t unit_[Max_Unit_Text];
  // The data bytes with zeros after them up to at least 16 bytes: readers of a
  // fixed-size value never see bytes of another record.
  uint8_t data_[Max_Data_Bytes + 17];
};
