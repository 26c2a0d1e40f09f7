#pragma once
#include <QString>
#include <cstdint>

// The one way a typed or stored number is read: leading blanks skipped, one
// optional sign, then decimal digits or hexadecimal digits after "$", "x",
// "X", "0x" or "0X"; nothing may follow. Hexadecimal is a two's-complement bit
// pattern of the width ("$FFFFFFFF" is -1). Not a number gives -1.
int32_t Read_Number(const QString& text);
int64_t Read_Number64(const QString& text);

// Same rules, telling "-1" apart from "not a number".
bool Try_Read_Number(const QString& text, int32_t& value);
bool Try_Read_Number64(const QString& text, int64_t& value);

// Whether the text reads as a number within low..high (both included).
bool Number_In_Range(const QString& text, int32_t low, int32_t high);
bool Number64_In_Range(const QString& text, int64_t low, int64_t high);
