#pragma once
#include <QString>
#include <cstdint>

// Fixed English texts of the telegram header and small number helpers shared by
// the record decoder and the value tables.

// Character of code 65..90 ('A'..'Z'), otherwise "?".
QString Man_Letter(int code);
// Three-letter manufacturer code of the 16-bit manufacturer field (five bits a letter, 'A' = 1).
QString Trova_Man(int num);
// Medium text of the medium byte; "Other" for codes without a text.
QString Desc_Medium(int code);
// Decimal text of n with a leading "0" when it has one character.
QString Two_Digits(int n);
// Ten to the power n, computed in floating point and truncated (0..18; 0 below, INT64_MAX above).
int64_t Pow10_Int(int n);
// BCD digits of n bytes, least significant byte first. Nibbles A..F count at face
// value; an F in the top nibble of the last byte negates the sum instead. At most
// 9 bytes (18 digits) are read.
int64_t Bcd_To_Int(const uint8_t* bytes, int n);
