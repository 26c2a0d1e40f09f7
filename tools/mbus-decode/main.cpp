// mbus-decode: reads wired M-Bus RSP_UD telegrams as hexadecimal bytes (one
// telegram per argument, one per line of a .hex file named as an argument, or
// one per line on standard input when there are no arguments) and prints per
// telegram its header line and one line per record, or "error <reason>". The
// exit status is 1 when any telegram was not read. Values use "." as the
// decimal point whatever the locale.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <iostream>
#include <string>

#include "controls/format_settings.h"
#include "scan/decode/telegram_report.h"

namespace {

bool Print_Telegram(const QString& hex) {
  const telegram_report::Decoded_Telegram telegram = telegram_report::Decode(hex);
  for (const QString& line : telegram_report::Lines(telegram)) std::cout << line.toStdString() << '\n';
  return telegram.error.isEmpty();
}

// Every non-empty line of a file is one telegram.
bool Print_File(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::cout << "error cannot read " << path.toStdString() << ": " << file.errorString().toStdString() << '\n';
    return false;
  }
  bool all_read = true;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.trimmed().isEmpty()) continue;
    all_read = Print_Telegram(QString::fromLatin1(line)) && all_read;
  }
  return all_read;
}

}  // namespace

int main(int argc, char** argv) {
  Format_Settings settings = Process_Format_Settings();
  settings.Decimal_Separator = QLatin1Char('.');
  Set_Process_Format_Settings(settings);

  bool all_read = true;
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) {
      const QString argument = QString::fromLocal8Bit(argv[i]);
      const bool read = QFileInfo(argument).isFile() ? Print_File(argument) : Print_Telegram(argument);
      all_read = read && all_read;
    }
  } else {
    std::string line;
    while (std::getline(std::cin, line)) {
      if (QString::fromStdString(line).trimmed().isEmpty()) continue;
      all_read = Print_Telegram(QString::fromStdString(line)) && all_read;
    }
  }
  std::cout.flush();
  return all_read ? 0 : 1;
}
