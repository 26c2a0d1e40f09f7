#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>

// One in-memory image with a fixed capacity and a used length. Every write is
// bounds-checked: an image that would outgrow its capacity stops the compile
// instead of writing past the buffer. Multi-byte values are little-endian.
class Bank_Buffer {
 public:
  Bank_Buffer(QString name, qsizetype capacity) : name_(std::move(name)), capacity_(capacity) {}

  const QString& Name() const { return name_; }
  qsizetype Capacity() const { return capacity_; }
  qsizetype Used() const { return bytes_.size(); }
  const QByteArray& Bytes() const { return bytes_; }

  void Clear() { bytes_.clear(); }
  void Append(const char* data, qsizetype size);
  void Append(const QByteArray& data) { Append(data.constData(), data.size()); }
  void Append_U8(uint32_t value);
  void Append_U16(uint32_t value);
  void Append_U32(uint32_t value);
  void Append_Zeros(qsizetype count);
  // Overwrites 4 bytes already written (header fields filled in last).
  void Patch_U32(qsizetype position, uint32_t value);

 private:
  void Reserve_More(qsizetype count) const;

  QString name_;
  qsizetype capacity_;
  QByteArray bytes_;
};

// The three image buffers of one compile; which file each becomes depends on
// the device type (see Save_Bank_Files).
struct Bank_Buffers {
  Bank_Buffer Bank_Buffer_A{QStringLiteral("image buffer A"), 200000};
  Bank_Buffer Bank_Buffer_B{QStringLiteral("image buffer B"), 2048};
  Bank_Buffer Bank_Buffer_C{QStringLiteral("image buffer C"), 200000};
};
