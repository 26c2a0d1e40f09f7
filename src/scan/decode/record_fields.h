#pragma once
#include <QString>
#include <cstdint>

// The data field of a record: how many bytes its data-field code (DIF bits
// 0..3) or its LVAR byte (code 13) announce, and the texts shown for the data
// field and the function field.
namespace record_fields {

// Data bytes of a fixed-length data-field code; 0 for codes 0, 8, 13 and 15.
int Data_Bytes(int code);
// Data bytes that an LVAR byte announces.
int Lvar_Bytes(uint8_t lvar);
// "32 Bit Integer", "Variable Length - ..." (code 13, by the LVAR byte), "Special Function" (15).
QString Data_Field_Text(int code, uint8_t lvar);
// "Istantaneous value", "Maximum value", "Minimum value", "Value during error state".
QString Function_Text(int function);

}  // namespace record_fields
