// Decodes every telegram of the reference corpus (tests/data/mbus-frames) the
// way the mbus-decode tool does and compares each record of valid/ with the
// reference decoding beside it: the numeric value after bringing both to one
// unit, the storage number and the tariff. Dates are compared field by field;
// reference values that are raw byte or character texts are not numbers and
// only their storage number and tariff are compared.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <set>

#include "controls/format_settings.h"
#include "scan/decode/telegram_report.h"
#include "support/temp_dir.h"

namespace {

struct Reference_Record {
  QString function;
  qint64 storage = 0;
  int tariff = 0;
  QString unit;
  QString value;
};

std::vector<Reference_Record> Read_Reference(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<Reference_Record> records;
  Reference_Record* current = nullptr;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    if (name == QLatin1String("DataRecord")) {
      records.emplace_back();
      current = &records.back();
    } else if (current != nullptr && name == QLatin1String("Function")) {
      current->function = xml.readElementText();
    } else if (current != nullptr && name == QLatin1String("StorageNumber")) {
      current->storage = xml.readElementText().toLongLong();
    } else if (current != nullptr && name == QLatin1String("Tariff")) {
      current->tariff = xml.readElementText().toInt();
    } else if (current != nullptr && name == QLatin1String("Unit")) {
      current->unit = xml.readElementText();
    } else if (current != nullptr && name == QLatin1String("Value")) {
      current->value = xml.readElementText().trimmed();
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return records;
}

// Durations are kept in the meter's own time unit; the reference gives seconds.
double Seconds_Per_Unit(const QString& quantity) {
  if (quantity.endsWith(QLatin1String("Minutes"))) return 60;
  if (quantity.endsWith(QLatin1String("Hours"))) return 3600;
  if (quantity.endsWith(QLatin1String("Days"))) return 86400;
  return 1;
}

bool Is_Duration(int unit_code) { return unit_code == 4 || unit_code == 5 || unit_code == 17 || unit_code == 18; }

// "dd/mm/yy[ hh:mm[:ss]]" against "yyyy-mm-dd[Thh:mm:ssZ]".
bool Same_Date(const QString& ours, const QString& reference) {
  static const QRegularExpression our_form(QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d\\d)(?: (\\d\\d):(\\d\\d))?"));
  static const QRegularExpression ref_form(QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)(?:T(\\d\\d):(\\d\\d))?"));
  const auto a = our_form.match(ours);
  const auto b = ref_form.match(reference);
  if (!a.hasMatch() || !b.hasMatch()) return false;
  if (a.captured(1).toInt() != b.captured(3).toInt() || a.captured(2).toInt() != b.captured(2).toInt() ||
      a.captured(3).toInt() != b.captured(1).toInt() % 100) {
    return false;
  }
  if (b.captured(4).isEmpty()) return true;
  return a.captured(4).toInt() == b.captured(4).toInt() && a.captured(5).toInt() == b.captured(5).toInt();
}

// The reference turns the manufacturer-specific tail after DIF 0F or 1F into a
// last pseudo-record; the record walk ends there instead.
bool Is_Tail(const Reference_Record& ref) {
  return ref.function == QLatin1String("Manufacturer specific") || ref.function == QLatin1String("More records follow");
}

bool Is_Reference_Date(const QString& value) {
  static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d"));
  return form.match(value).hasMatch();
}

// Why a decoded record differs from its reference; empty when they agree.
QString Compare(const TVariable_MBus& ours, const Reference_Record& ref) {
  if (ours.storage_number != ref.storage) {
    return QStringLiteral("storage %1, reference %2").arg(ours.storage_number).arg(ref.storage);
  }
  if (ours.tarif != ref.tariff) return QStringLiteral("tariff %1, reference %2").arg(ours.tarif).arg(ref.tariff);
  if (Is_Reference_Date(ref.value)) {
    if (Same_Date(ours.ValueStr(), ref.value)) return QString();
    return QStringLiteral("date %1, reference %2").arg(ours.ValueStr(), ref.value);
  }
  bool ref_numeric = false;
  const double expected = ref.value.toDouble(&ref_numeric);
  if (!ref_numeric) return QString();  // raw bytes or characters: no number to compare
  bool numeric = false;
  double value = ours.ValueStr().toDouble(&numeric);
  if (!numeric) return QStringLiteral("value text '%1', reference %2").arg(ours.ValueStr(), ref.value);
  if (Is_Duration(ours.type_data)) value *= Seconds_Per_Unit(ours.Desc_Type_Data());
  // The reference prints six decimals.
  if (std::fabs(value - expected) <= 1e-6 + 1e-12 * std::fabs(expected)) return QString();
  return QStringLiteral("value %1 (%2), reference %3 %4").arg(value).arg(ours.Desc_Type_Data(), ref.value, ref.unit);
}

// Every record where this decoder and the reference part, and why. A record
// number -1 stands for the whole telegram.
struct Known_Difference {
  const char* frame;
  int record;
  const char* reason;
};

const Known_Difference kKnownDifferences[] = {
    // BCD digits A..F mark a meter's error state. This decoder counts each such
    // nibble at its face value in its decimal place (DD DD EB BD: 144445223);
    // the reference prints only the low nibbles side by side (13131113).
    {"ELS_Elster-F96-Plus", 4, "BCD with hex digits (error state)"},
    {"ELS_Elster-F96-Plus", 5, "BCD with hex digits (error state)"},
    {"abb_f95", 2, "BCD with hex digits (error state)"},
    {"abb_f95", 3, "BCD with hex digits (error state)"},
    // Type F date with the invalid flag (bit 7 of the minute byte) set: the
    // reference gives a null date, this decoder shows the fields as they stand.
    {"REL-Relay-Padpuls2", 1, "date marked invalid"},
};

// CI 73 announces the fixed data structure, which this decoder does not read:
// these telegrams are reported as not readable instead of as variable records.
const char* const kFixedDataStructure[] = {"manual_frame2", "sen_pollusonic_2"};

QStringList Frames(const QString& folder) {
  QDir dir(Test_Data(QStringLiteral("mbus-frames/") + folder));
  QStringList files = dir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name);
  for (QString& file : files) file = dir.filePath(file);
  return files;
}

QString Read_Text(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromLatin1(file.readAll());
}

class Telegram_Corpus : public ::testing::Test {
 protected:
  Telegram_Corpus() : decimal_point_(Point_Settings()) {}

  static Format_Settings Point_Settings() {
    Format_Settings settings = Process_Format_Settings();
    settings.Decimal_Separator = QLatin1Char('.');
    return settings;
  }

  Format_Settings_Scope decimal_point_;
};

TEST_F(Telegram_Corpus, ValidFramesAgreeWithTheReferenceRecordByRecord) {
  const QStringList frames = Frames(QStringLiteral("valid"));
  ASSERT_GE(frames.size(), 20);
  std::set<std::pair<std::string, int>> known;
  for (const Known_Difference& row : kKnownDifferences) known.insert({row.frame, row.record});
  std::set<std::pair<std::string, int>> seen;
  int compared = 0;
  int agreeing = 0;
  for (const QString& path : frames) {
    const std::string name = QFileInfo(path).completeBaseName().toStdString();
    SCOPED_TRACE(name);
    const telegram_report::Decoded_Telegram telegram = telegram_report::Decode(Read_Text(path));
    if (std::find(std::begin(kFixedDataStructure), std::end(kFixedDataStructure), name) !=
        std::end(kFixedDataStructure)) {
      EXPECT_EQ(telegram.error.toStdString(), "not readable (fixed data structure)");
      continue;
    }
    ASSERT_TRUE(telegram.error.isEmpty()) << telegram.error.toStdString();
    QString reference_path = path;
    reference_path.replace(QLatin1String(".hex"), QLatin1String(".norm.xml"));
    const std::vector<Reference_Record> reference = Read_Reference(reference_path);
    const TList_Var& records = telegram.slave->List_Var;
    const size_t count = std::max(records.size(), reference.size());
    for (size_t i = 0; i < count; ++i) {
      if (i < reference.size() && Is_Tail(reference[i])) {
        EXPECT_EQ(i, records.size()) << "the walk should end where the reference's manufacturer data begin";
        EXPECT_EQ(i + 1, reference.size());
        continue;
      }
      ++compared;
      QString difference;
      if (i >= records.size()) {
        difference = QStringLiteral("no record here, the reference has one");
      } else if (i >= reference.size()) {
        difference = QStringLiteral("the reference has no record here");
      } else {
        difference = Compare(*records[i], reference[i]);
      }
      const int index = static_cast<int>(i);
      if (difference.isEmpty()) {
        ++agreeing;
        continue;
      }
      seen.insert({name, index});
      EXPECT_TRUE(known.count({name, index}) || known.count({name, -1}))
          << "record " << i << ": " << difference.toStdString();
    }
  }
  // The table stays honest: every row still names a real difference.
  for (const Known_Difference& row : kKnownDifferences) {
    const bool found = row.record >= 0
                           ? seen.count({row.frame, row.record}) > 0
                           : std::any_of(seen.begin(), seen.end(), [&](const auto& s) { return s.first == row.frame; });
    EXPECT_TRUE(found) << row.frame << " record " << row.record << " agrees now: drop it from the known differences";
  }
  EXPECT_GE(agreeing * 100, compared * 95) << agreeing << " of " << compared << " records agree";
  std::cout << agreeing << " of " << compared << " records agree with the reference\n";
}

// Frames that are cut short or malformed either fail the frame check with a
// reason or decode only the records before the fault; never a crash or a read
// past the telegram (the sanitizer build checks the latter).
TEST_F(Telegram_Corpus, ErrorAndUnsupportedFramesEndCleanly) {
  QStringList frames = Frames(QStringLiteral("error")) + Frames(QStringLiteral("unsupported"));
  ASSERT_GE(frames.size(), 20);
  for (const QString& path : frames) {
    SCOPED_TRACE(QFileInfo(path).fileName().toStdString());
    const telegram_report::Decoded_Telegram telegram = telegram_report::Decode(Read_Text(path));
    const QStringList lines = telegram_report::Lines(telegram);
    ASSERT_FALSE(lines.isEmpty());
    if (!telegram.error.isEmpty()) {
      EXPECT_EQ(lines, QStringList{QStringLiteral("error ") + telegram.error});
      continue;
    }
    // A frame that passes the check holds at most one record per record byte.
    const int record_bytes = static_cast<int>(telegram.bytes.size()) - 21;
    EXPECT_LE(static_cast<int>(telegram.slave->List_Var.size()), record_bytes);
    EXPECT_EQ(lines.size(), 1 + static_cast<int>(telegram.slave->List_Var.size()));
  }
}

}  // namespace
