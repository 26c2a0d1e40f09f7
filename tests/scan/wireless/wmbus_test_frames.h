#pragma once
// The wireless frames of tests/data/wmbus-frames.md with their keys, read from the
// table of that file (name | security | key | datagram) so the tests use the real data.
#include <QFile>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct Wmbus_Test_Frame {
  std::vector<uint8_t> datagram;
  std::optional<std::array<uint8_t, 16>> key;
};

inline std::vector<uint8_t> Hex_Bytes(const QString& text) {
  std::vector<uint8_t> bytes;
  for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    bool ok = false;
    const uint value = part.toUInt(&ok, 16);
    if (ok) bytes.push_back(static_cast<uint8_t>(value));
  }
  return bytes;
}

// Frames by name ("plain-7a", "ell-mode5", "afl-mode7"); empty when the file is missing.
inline std::map<std::string, Wmbus_Test_Frame> Load_Wmbus_Frames() {
  std::map<std::string, Wmbus_Test_Frame> frames;
  const char* dir = std::getenv("KELVRA_TESTDATA");
  QFile file(QString::fromLocal8Bit(dir ? dir : KELVRA_TESTDATA_DIR) + QStringLiteral("/wmbus-frames.md"));
  if (!file.open(QIODevice::ReadOnly)) return frames;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QStringList cells = QString::fromUtf8(raw).split(QLatin1Char('|'));
    if (cells.size() < 6) continue;
    const std::vector<uint8_t> datagram = Hex_Bytes(cells[4].trimmed());
    if (datagram.size() < 11) continue;  // the header and separator rows
    Wmbus_Test_Frame frame;
    frame.datagram = datagram;
    const std::vector<uint8_t> key = Hex_Bytes(cells[3].trimmed());
    if (key.size() == 16) {
      std::array<uint8_t, 16> k{};
      std::copy(key.begin(), key.end(), k.begin());
      frame.key = k;
    }
    frames[cells[1].trimmed().toStdString()] = frame;
  }
  return frames;
}
