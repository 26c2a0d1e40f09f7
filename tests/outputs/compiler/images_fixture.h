#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <utility>
#include <vector>

#include "outputs/compiler/compiler_fixture.h"
#include "support/temp_dir.h"

// Fixtures of the images of device types 1 to 5 (tests/data/images).

// Copies the configuration files of images/<fixture> into `folder`.
inline void Fill_From(const Config_Folder& folder, const QString& fixture) {
  const QDir source(Test_Data(QStringLiteral("images/") + fixture));
  for (const QString& name : source.entryList(QDir::Files)) {
    if (name.startsWith(QStringLiteral("expected_"))) continue;
    QFile file(source.filePath(name));
    if (file.open(QIODevice::ReadOnly)) folder.Write(name, file.readAll());
  }
}

inline QByteArray Images_File(const QString& relative) {
  QFile file(Test_Data(QStringLiteral("images/") + relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An expected image written as hexadecimal byte pairs; "#" starts a comment.
inline QByteArray Hex_File(const QString& relative) {
  QByteArray hex;
  for (QByteArray line : Images_File(relative).split('\n')) {
    const qsizetype comment = line.indexOf('#');
    if (comment >= 0) line.truncate(comment);
    hex += line;
  }
  return QByteArray::fromHex(hex.simplified().replace(' ', ""));
}

// A ParGen.xml holding the elements given, in order.
inline QByteArray Par_Gen(const std::vector<std::pair<const char*, const char*>>& elements) {
  QByteArray text = "<Par_Gen>";
  for (const auto& [name, value] : elements) text += QByteArray("<") + name + ">" + value + "</" + name + ">";
  return text + "</Par_Gen>";
}

// Sets the text of one element of a ParGen.xml written as a single line; an
// nullptr `value` removes the element.
inline QByteArray With_Element(QByteArray par_gen, const char* name, const char* value) {
  const QByteArray open = QByteArray("<") + name + ">", close = QByteArray("</") + name + ">";
  const qsizetype start = par_gen.indexOf(open);
  if (start < 0) return par_gen;
  const qsizetype end = par_gen.indexOf(close, start) + close.size();
  par_gen.remove(start, end - start);
  if (value) par_gen.insert(start, open + value + close);
  return par_gen;
}

inline void Put(QByteArray& bytes, qsizetype offset, const char* hex) {
  const QByteArray data = From_Hex(hex);
  bytes.replace(offset, data.size(), data);
}

// Stores the block sum of a 2048-byte parameter block: its first 2044 bytes
// added as unsigned bytes, little-endian in the last four.
inline void Put_Block_Sum(QByteArray& block) {
  uint32_t sum = 0;
  for (int i = 0; i < 2044; ++i) sum += static_cast<uint8_t>(block.at(i));
  for (int i = 0; i < 4; ++i) block[2044 + i] = static_cast<char>((sum >> (8 * i)) & 0xFF);
}

// The gateway parameter block of a folder without ParGen.xml, from the
// documented defaults: those of the CANopen record with the format byte 0x80
// at 0x03B, sum 4500.
inline QByteArray Default_Gateway_Block() {
  QByteArray block(2048, '\0');
  Put(block, 0x000, "90 D0 03 00 90 D0 03 00 80 25 00 00");  // 250000 twice, 9600
  Put(block, 0x028, "C0 A8 00 05 FF FF FF 00 FF FF FF FF 10 27");
  Put(block, 0x03B, "80 80 25 00 00");
  Put(block, 0x048, "C0 A8 00 0A");
  Put(block, 0x20E, "01 00 00 01 00 00 08 00 00 08");
  Put(block, 0x23A, "BF");
  Put(block, 0x24E, "01");
  Put(block, 0x254, "00 88 06 00 C0 D4 01 00");
  Put(block, 0x7FC, "94 11 00 00");
  return block;
}

// The Ethernet parameter block of a folder without ParGen.xml, sum 2537.
inline QByteArray Default_Ethernet_Block() {
  QByteArray block(2048, '\0');
  Put(block, 0x14, "01");
  Put(block, 0x28, "C0 A8 02 CD FF FF FF 00 FF FF FF FF 10 27");
  Put(block, 0x3A, "80");
  Put(block, 0x44, "01");
  Put(block, 0x7FC, "E9 09 00 00");
  return block;
}
