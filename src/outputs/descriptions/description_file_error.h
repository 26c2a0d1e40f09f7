#pragma once
#include <QString>
#include <stdexcept>

// A description file that cannot be written from the configuration as it
// stands; what() names the file and the row or value at fault. Nothing has
// been written when it is thrown.
class Description_File_Error : public std::runtime_error {
 public:
  explicit Description_File_Error(const QString& text) : std::runtime_error(text.toStdString()) {}
};
