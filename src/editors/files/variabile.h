#pragma once
#include <QString>
#include <cstdint>

// One value that the gateway takes from a meter's telegrams and presents on
// the fieldbus (a `Variabile` element of M_Bus.xml). The list fields hold
// positions in the editor's lists, not raw M-Bus field values. A variable
// created empty has every field zero, false or empty.
struct TVariabile {
  bool Enable = false;
  QString Description;          // Desc
  int32_t Type_Of_Data = 0;     // Type: 0..25
  int32_t Function_Field = 0;   // Fun_Field: instantaneous, minimum, maximum, during error
  int32_t Dimension = 0;        // Dim: 8, 16, 32, 64, 24, 48, 32 real, variable length (bits)
  int32_t Unita = 0;            // Unit: 0..10
  bool Scale = false;           // a one-byte scale item follows the value
  uint32_t Storage_Number = 0;  // StoNumber
  int32_t Tariff = 0;
  uint8_t VIFE = 0;  // 0..151, 0 "Not Selected"
  bool BCDtoINT = false;
  uint8_t SWAP = 0;
  int32_t Length = 0;        // byte length of a variable-length value
  QString VIF_ASCII;         // the VIF text when Type_Of_Data is 21
  bool TP_Mod_Regs = false;  // time point in six bytes
  uint8_t Position = 0;      // 1..100 among the telegram's data records
  bool ForceInteger32 = false;

  bool operator==(const TVariabile&) const = default;
};
