#include "outputs/compiler/bank_buffer.h"

#include "outputs/compiler/compile_error.h"

void Bank_Buffer::Reserve_More(qsizetype count) const {
  if (count < 0 || count > capacity_ - bytes_.size())
    throw Compile_Error(
        QStringLiteral("The configuration does not fit in the %1 bytes of the %2.").arg(capacity_).arg(name_));
}

void Bank_Buffer::Append(const char* data, qsizetype size) {
  Reserve_More(size);
  bytes_.append(data, size);
}

void Bank_Buffer::Append_U8(uint32_t value) {
  const char byte = static_cast<char>(value & 0xFF);
  Append(&byte, 1);
}

void Bank_Buffer::Append_U16(uint32_t value) {
  const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
  Append(bytes, 2);
}

void Bank_Buffer::Append_U32(uint32_t value) {
  const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                         static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
  Append(bytes, 4);
}

void Bank_Buffer::Append_Zeros(qsizetype count) {
  Reserve_More(count);
  bytes_.append(count, '\0');
}

void Bank_Buffer::Patch_U32(qsizetype position, uint32_t value) {
  if (position < 0 || position > bytes_.size() - 4)
    throw Compile_Error(QStringLiteral("Internal error: field at %1 lies outside the %2.").arg(position).arg(name_));
  for (int i = 0; i < 4; ++i) bytes_[position + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
