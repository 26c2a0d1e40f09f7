#pragma once
#include <QString>
#include <cstdint>

// The meaning of one data record: quantity text, unit and VIFE codes, scaled
// value and value text, from its VIF, its VIFE chain and its data bytes.
namespace record_meaning {

struct Input {
  uint8_t vif = 0;
  const uint8_t* vife = nullptr;  // the VIFE chain, zero-padded to at least 11 bytes
  int data_code = 0;              // DIF bits 0..3
  uint8_t lvar = 0;               // the LVAR byte of data-field code 13
  int nbyte = 0;
  const uint8_t* data = nullptr;  // the data bytes, zero-padded to at least 9 bytes
};

struct Meaning {
  int unit_code = 65535;  // 65535 for none
  int vife_code = 0;      // 0 for none
  QString quantity;
  QString value;
};

struct Codes_Only {
  int unit_code = 65535;
  int vife_code = 0;
};

// The two codes alone cost no text: the record walk asks for them on every
// record, the texts are made when a record is shown. They depend on the VIF and
// the VIFE chain only (zero-padded as in Input).
Codes_Only Codes(uint8_t vif, const uint8_t* vife);
// Codes and texts; the value text follows the process number format.
Meaning With_Texts(const Input& record);

}  // namespace record_meaning
