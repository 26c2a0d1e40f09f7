#include "scan/decode/variable_mbus.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <thread>

#include "scan/decode/record_fields.h"
#include "scan/decode/record_meaning.h"

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

// Hexadecimal text of bytes, each as prefix, two digits, suffix (either may be 0 = none).
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
  if (n <= 0) return QString();
  if (n != 1) return Hex_Text(bytes, n, prefix, suffix);
  const Byte_Texts& shared = Shared_Byte_Texts();
  if (!prefix) return suffix ? Hex_Text(bytes, n, prefix, suffix) : shared.plain[bytes[0]];
  return suffix ? shared.dollar_blank[bytes[0]] : shared.dollar[bytes[0]];
}

int Clamp(int n, int limit) { return n < 0 ? 0 : n > limit ? limit : n; }

}  // namespace

void TVariable_MBus::Set_Bytes(uint8_t dif, const uint8_t* dife, int dife_count, const uint8_t* vife, int vife_count,
                               const uint8_t* unit, int unit_length, uint8_t lvar, const uint8_t* data,
                               int data_count) {
  kind_ = Kind::Record;
  dif_ = dif;
  lvar_ = lvar;
  numdife = Clamp(dife_count, Max_Extensions);
  if (numdife > 0) std::memcpy(dife_, dife, static_cast<size_t>(numdife));
  numvife = Clamp(vife_count, Max_Extensions);
  std::memset(vife_, 0, sizeof vife_);
  for (int i = 0; i < numvife; ++i) vife_[i] = vife[i];
  unit_length_ = static_cast<uint8_t>(Clamp(unit_length, Max_Unit_Text));
  if (unit_length_ > 0) std::memcpy(unit_, unit, unit_length_);
  nbyte = Clamp(data_count, Max_Data_Bytes);
  if (nbyte > 0) std::memcpy(data_, data, static_cast<size_t>(nbyte));
  static_assert(sizeof data_ >= Max_Data_Bytes + 16);
  std::memset(data_ + nbyte, 0, 16);
  texts_.store(kNot_Made, std::memory_order_relaxed);
}

void TVariable_MBus::Set_Codes() {
  const record_meaning::Codes_Only codes = record_meaning::Codes(VIF, vife_);
  type_data = static_cast<uint16_t>(codes.unit_code);
  Type_Data_Vife = codes.vife_code;
}

QString TVariable_MBus::DIF() const { return kind_ == Kind::None ? QString() : Hex_Text_Shared(&dif_, 1, u'$', 0); }

QString TVariable_MBus::DIFE() const {
  return kind_ == Kind::Record ? Hex_Text_Shared(dife_, numdife, u'$', u' ') : QString();
}

QString TVariable_MBus::VIFE() const {
  return kind_ == Kind::Record ? Hex_Text_Shared(vife_, numvife, u'$', u' ') : QString();
}

QString TVariable_MBus::totdati() const {
  return kind_ == Kind::Record ? Hex_Text_Shared(data_, nbyte, 0, 0) : QString();
}

QString TVariable_MBus::VIF_ASCII() const {
  if (kind_ != Kind::Record || unit_length_ == 0) return QString();
  return QString::fromLatin1(reinterpret_cast<const char*>(unit_), unit_length_);
}

QString TVariable_MBus::DataFieldStr() const {
  if (kind_ == Kind::Filler) return record_fields::Data_Field_Text(0x0F, 0);
  return kind_ == Kind::Record ? record_fields::Data_Field_Text(dif_ & 0x0F, lvar_) : QString();
}

QString TVariable_MBus::FunctionFieldStr() const {
  return kind_ == Kind::Record ? record_fields::Function_Text(function_fild) : QString();
}

void TVariable_MBus::Make_Texts() const {
  if (texts_.load(std::memory_order_acquire) == kMade) return;
  uint8_t expected = kNot_Made;
  if (!texts_.compare_exchange_strong(expected, kMaking, std::memory_order_acquire)) {
    while (texts_.load(std::memory_order_acquire) != kMade) std::this_thread::yield();
    return;
  }
  if (kind_ == Kind::Record) {
    const record_meaning::Meaning meaning =
        record_meaning::With_Texts({static_cast<uint8_t>(VIF), vife_, dif_ & 0x0F, lvar_, nbyte, data_});
    quantity_ = meaning.quantity;
    value_ = meaning.value;
  } else {
    quantity_ = QString();
    value_ = QString();
  }
  texts_.store(kMade, std::memory_order_release);
}

const QString& TVariable_MBus::Desc_Type_Data() const {
  Make_Texts();
  return quantity_;
}

const QString& TVariable_MBus::ValueStr() const {
  Make_Texts();
  return value_;
}

void TVariable_MBus::Set_Texts(const QString& quantity, const QString& value) {
  quantity_ = quantity;
  value_ = value;
  texts_.store(kMade, std::memory_order_release);
}
