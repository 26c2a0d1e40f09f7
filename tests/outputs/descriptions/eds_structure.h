#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

// An EDS read back section by section, and the structural checks every EDS
// this program writes must pass: no header twice, every listed object
// present, SubNumber equal to the sub-sections, mappings of at most 64 bits
// naming objects that exist, and the PDO counts matching the PDO objects.
struct Eds_Section {
  QString header;  // without brackets, upper case
  QMap<QString, QString> keys;
};

inline std::vector<Eds_Section> Parse_Eds(const QByteArray& bytes) {
  std::vector<Eds_Section> sections;
  for (const QByteArray& raw : bytes.split('\n')) {
    const QString line = QString::fromLatin1(raw).trimmed();
    if (line.startsWith('[') && line.endsWith(']')) {
      sections.push_back({line.mid(1, line.size() - 2).toUpper(), {}});
    } else if (!line.isEmpty() && !sections.empty()) {
      const qsizetype eq = line.indexOf('=');
      if (eq > 0) sections.back().keys.insert(line.left(eq), line.mid(eq + 1));
    }
  }
  return sections;
}

inline bool Read_Hex(const QString& text, uint32_t& value) {
  bool ok = false;
  value =
      text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? text.mid(2).toUInt(&ok, 16) : text.toUInt(&ok, 10);
  return ok;
}

// Empty when the file is sound; else one line per fault.
inline QStringList Eds_Structure_Faults(const QByteArray& bytes) {
  QStringList faults;
  const std::vector<Eds_Section> sections = Parse_Eds(bytes);
  QMap<QString, const Eds_Section*> by_header;
  for (const Eds_Section& s : sections) {
    if (by_header.contains(s.header)) faults << "two sections [" + s.header + "]";
    by_header.insert(s.header, &s);
  }
  auto find = [&](const QString& h) { return by_header.value(h.toUpper(), nullptr); };

  int listed_total = 0;
  for (const char* list : {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"}) {
    const Eds_Section* s = find(list);
    if (!s) {
      faults << QStringLiteral("no [%1]").arg(list);
      continue;
    }
    const int count = s->keys.value("SupportedObjects").toInt();
    for (int k = 1; k <= count; ++k) {
      uint32_t index = 0;
      if (!Read_Hex(s->keys.value(QString::number(k)), index)) {
        faults << QStringLiteral("[%1] entry %2 missing").arg(list).arg(k);
        continue;
      }
      ++listed_total;
      if (!find(QStringLiteral("%1").arg(index, 4, 16, QLatin1Char('0'))))
        faults << QStringLiteral("[%1] lists 0x%2 without a section").arg(list).arg(index, 4, 16, QLatin1Char('0'));
    }
    if (s->keys.contains(QString::number(count + 1)))
      faults << QStringLiteral("[%1] lists more than SupportedObjects").arg(list);
  }

  int objects = 0;
  int rx = 0;
  int tx = 0;
  for (const Eds_Section& s : sections) {
    if (s.header.size() != 4) continue;
    bool ok = false;
    const uint32_t index = s.header.toUInt(&ok, 16);
    if (!ok) continue;
    ++objects;
    if (index >= 0x1400 && index <= 0x15FF) ++rx;
    if (index >= 0x1800 && index <= 0x19FF) ++tx;
    int subs = 0;
    for (const Eds_Section& t : sections)
      if (t.header.startsWith(s.header + "SUB")) ++subs;
    if (s.keys.contains("SubNumber") && s.keys.value("SubNumber").toInt() != subs)
      faults << QStringLiteral("[%1] SubNumber=%2 with %3 sub-sections")
                    .arg(s.header, s.keys.value("SubNumber"))
                    .arg(subs);
    if (!s.keys.contains("SubNumber") && subs != 0) faults << "[" + s.header + "] has sub-sections but no SubNumber";
    const bool mapping = (index >= 0x1600 && index <= 0x17FF) || (index >= 0x1A00 && index <= 0x1BFF);
    if (!mapping) continue;
    uint32_t entries = 0;
    const Eds_Section* sub0 = find(s.header + "sub0");
    if (!sub0 || !Read_Hex(sub0->keys.value("DefaultValue"), entries)) {
      faults << "[" + s.header + "sub0] unreadable";
      continue;
    }
    uint32_t bits = 0;
    for (uint32_t j = 1; j <= entries; ++j) {
      const Eds_Section* entry = find(s.header + QStringLiteral("sub%1").arg(j));
      uint32_t value = 0;
      if (!entry || !Read_Hex(entry->keys.value("DefaultValue"), value)) {
        faults << QStringLiteral("[%1sub%2] unreadable").arg(s.header).arg(j);
        continue;
      }
      bits += value & 0xFF;
      const QString target =
          QStringLiteral("%1sub%2").arg(value >> 16, 4, 16, QLatin1Char('0')).arg((value >> 8) & 0xFF);
      if (!find(target)) faults << "[" + s.header + "] maps the missing " + target;
    }
    if (bits > 64) faults << QStringLiteral("[%1] maps %2 bits").arg(s.header).arg(bits);
  }
  if (listed_total != objects) faults << QStringLiteral("%1 objects listed, %2 written").arg(listed_total).arg(objects);
  const Eds_Section* info = find("DeviceInfo");
  if (!info || info->keys.value("NrOfRXPDO").toInt() != rx || info->keys.value("NrOfTXPDO").toInt() != tx)
    faults << "NrOfRXPDO/NrOfTXPDO do not match the PDO objects";
  return faults;
}
