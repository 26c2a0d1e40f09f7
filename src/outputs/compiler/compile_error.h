#pragma once
#include <QString>
#include <stdexcept>

// A compile that cannot produce sound images: a value read strictly is missing
// or not a number, a capacity of the image format is exceeded, or a
// configuration file cannot be read. what() names the file, value or limit, so
// the user can tell what to mend; nothing is saved after it.
class Compile_Error : public std::runtime_error {
 public:
  explicit Compile_Error(const QString& message) : std::runtime_error(message.toStdString()) {}
};
