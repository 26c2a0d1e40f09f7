// The mbus-decode tool as a user runs it: telegrams as arguments or on
// standard input, one header and record lines each, an error line and a
// failing exit status for a telegram it cannot read.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include "support/temp_dir.h"

namespace {

struct Tool_Run {
  int exit_code = -1;
  QStringList lines;
};

Tool_Run Decode(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QStringLiteral(MBUS_DECODE_PATH), arguments);
  EXPECT_TRUE(process.waitForStarted(10000));
  process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(10000));
  Tool_Run run;
  run.exit_code = process.exitCode();
  run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return run;
}

// Identification 12345678, manufacturer ABC, version 1, water, access 0x11, status 0;
// one record: 12345 litres.
const char* kTelegram = "68 15 15 68 08 05 72 78 56 34 12 43 04 01 07 11 00 00 00 04 13 39 30 00 00 73 16";

TEST(Mbus_Decode_Tool, PrintsHeaderAndRecordsOfEachArgument) {
  const QString unspaced = QString::fromLatin1(kTelegram).remove(QLatin1Char(' '));
  const Tool_Run run = Decode({QString::fromLatin1(kTelegram), unspaced});
  EXPECT_EQ(run.exit_code, 0);
  const QString header = QStringLiteral("header id=12345678 man=ABC version=1 medium=7 access=17 status=00");
  const QString record =
      QStringLiteral("record 0 storage=0 tariff=0 subunit=0 function=0 unit=2 vife=0 value=12.345 quantity=Volume m3");
  EXPECT_EQ(run.lines, (QStringList{header, record, header, record}));
}

TEST(Mbus_Decode_Tool, ReadsLinesFromStandardInputAndFailsOnABadOne) {
  const QByteArray input = QByteArray(kTelegram) + "\n\n68 03 03 68 08 01 70 79 16\n" + "68 1Z\n";
  const Tool_Run run = Decode({}, input);
  EXPECT_EQ(run.exit_code, 1);
  ASSERT_EQ(run.lines.size(), 4);
  EXPECT_TRUE(run.lines[0].startsWith(QLatin1String("header ")));
  EXPECT_EQ(run.lines[2], QStringLiteral("error too short for a long frame with data (9 bytes)"));
  EXPECT_TRUE(run.lines[3].startsWith(QLatin1String("error not a hexadecimal digit"))) << run.lines[3].toStdString();
}

TEST(Mbus_Decode_Tool, ReadsTheTelegramsOfAHexFile) {
  Temp_Dir dir;
  const QString path =
      dir.Write(QStringLiteral("meter.hex"), QByteArray(kTelegram) + " \r\n" + QByteArray(kTelegram) + "\r\n");
  const Tool_Run run = Decode({path});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.lines.size(), 4);
  const Tool_Run missing = Decode({dir.File(QStringLiteral("meter.hex")), QStringLiteral("68 1")});
  EXPECT_EQ(missing.exit_code, 1);
}

TEST(Mbus_Decode_Tool, NamesTheBrokenFrameRule) {
  QString bad_sum = QString::fromLatin1(kTelegram);
  bad_sum.replace(QLatin1String("73 16"), QLatin1String("74 16"));
  const Tool_Run run = Decode({bad_sum});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.lines, QStringList{QStringLiteral("error checksum does not match")});
}

// A line longer than the longest telegram (261 bytes as hexadecimal with
// blanks) is refused as such without being kept; the next line is read.
TEST(Mbus_Decode_Tool, RefusesLinesLongerThanTheLongestTelegram) {
  const QByteArray longest = QByteArray(kTelegram) + QByteArray(" AA").repeated(261 - 27);
  ASSERT_EQ(longest.size(), 261 * 3 - 1);
  const QByteArray megabyte = QByteArray("AA ").repeated(350000);
  const Tool_Run run = Decode({}, megabyte + "\n" + longest + " \r\n" + kTelegram + "\n");
  EXPECT_EQ(run.exit_code, 1);
  ASSERT_EQ(run.lines.size(), 4);
  EXPECT_TRUE(run.lines[0].startsWith(QLatin1String("error longer than the longest telegram (783 characters")))
      << run.lines[0].toStdString();
  EXPECT_TRUE(run.lines[1].startsWith(QLatin1String("error ")) && !run.lines[1].contains("longer"))
      << run.lines[1].toStdString();
  EXPECT_TRUE(run.lines[2].startsWith(QLatin1String("header ")));

  Temp_Dir dir;
  // An argument cannot be a megabyte long; 90 kB will do.
  const QString long_argument = QString::fromLatin1(QByteArray("AA ").repeated(30000));
  const Tool_Run file = Decode({dir.Write(QStringLiteral("long.hex"), megabyte), long_argument});
  EXPECT_EQ(file.exit_code, 1);
  ASSERT_EQ(file.lines.size(), 2);
  for (const QString& line : file.lines)
    EXPECT_TRUE(line.startsWith(QLatin1String("error longer than the longest telegram"))) << line.toStdString();
}

// The refusal comes as soon as the line is too long: a megabyte with no end
// of line yet, the input still open, already has its answer.
TEST(Mbus_Decode_Tool, RefusesALongLineBeforeItEnds) {
  QProcess process;
  process.start(QStringLiteral(MBUS_DECODE_PATH), QStringList{});
  ASSERT_TRUE(process.waitForStarted(10000));
  process.write(QByteArray("AA ").repeated(350000));
  QByteArray out;
  while (!out.contains('\n') && process.waitForReadyRead(10000)) out += process.readAllStandardOutput();
  EXPECT_TRUE(out.startsWith("error longer than the longest telegram")) << out.left(200).constData();
  process.write(QByteArray("\n") + kTelegram + "\n");
  process.closeWriteChannel();
  ASSERT_TRUE(process.waitForFinished(10000));
  out += process.readAllStandardOutput();
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_TRUE(out.contains("\nheader id=12345678 ")) << out.left(400).constData();
}

}  // namespace
