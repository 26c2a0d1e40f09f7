#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>

#include "support/temp_dir.h"

// A configuration folder in a temporary place, filled from a fixture folder of
// tests/data/compiler (or by hand), with the bin/ folder a new configuration has.
class Config_Folder {
 public:
  explicit Config_Folder(const QString& fixture = QString()) {
    QDir().mkpath(dir_.File(QStringLiteral("bin")));
    if (fixture.isEmpty()) return;
    const QDir source(Test_Data(QStringLiteral("compiler/") + fixture));
    for (const QString& name : source.entryList(QDir::Files))
      if (!name.startsWith(QStringLiteral("expected_"))) QFile::copy(source.filePath(name), dir_.File(name));
  }

  QString Path() const { return dir_.Path(); }
  void Write(const QString& name, const QByteArray& text) const { dir_.Write(name, text); }
  QByteArray Read(const QString& name) const { return dir_.Read(name); }
  bool Exists(const QString& name) const { return QFile::exists(dir_.File(name)); }
  QByteArray Bank1() const { return Read(QStringLiteral("bin/bank1.bin")); }
  QByteArray Bank2() const { return Read(QStringLiteral("bin/bank2.bin")); }

 private:
  Temp_Dir dir_;
};

inline QByteArray Expected_File(const QString& relative) {
  QFile file(Test_Data(QStringLiteral("compiler/") + relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline uint32_t U32_At(const QByteArray& bytes, qsizetype offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes.at(offset + i));
  return value;
}

inline uint32_t U16_At(const QByteArray& bytes, qsizetype offset) {
  return static_cast<uint8_t>(bytes.at(offset)) |
         (static_cast<uint32_t>(static_cast<uint8_t>(bytes.at(offset + 1))) << 8);
}

inline uint32_t U8_At(const QByteArray& bytes, qsizetype offset) { return static_cast<uint8_t>(bytes.at(offset)); }

// "00 20 01": the bytes at offset in upper-case hexadecimal, for readable comparisons.
inline std::string Hex_At(const QByteArray& bytes, qsizetype offset, qsizetype count) {
  if (offset < 0 || offset + count > bytes.size()) return "<outside the file>";
  return bytes.mid(offset, count).toHex(' ').toUpper().toStdString();
}

inline QByteArray From_Hex(const char* text) { return QByteArray::fromHex(QByteArray(text)); }
