#pragma once
// Formats integers by a format text given at run time ("%d-%d", "%0:3d",
// "%x"), checking every conversion against its argument instead of trusting
// the text: a conversion that does not take an integer, or one without an
// argument left, raises EConvertError, so no format text can read memory it
// was not given. Arguments the format does not use are ignored.
//
// A conversion is "%" [index ":"] ["-"] [width | "*"] ["." precision | ".*"]
// type, with the types d (decimal), u (unsigned 32-bit) and x (upper-case
// hexadecimal), in either letter case; "%%" is a percent sign. The index
// picks the argument (later ones follow it); "*" takes the width or
// precision from the next argument. Precision is the least number of digits.
#include <QString>
#include <initializer_list>
#include <stdexcept>

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

QString Format_Integers(const QString& Format, std::initializer_list<long long> Args);
