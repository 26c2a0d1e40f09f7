// mbus-decode: reads wired M-Bus RSP_UD telegrams as hexadecimal bytes (one
// telegram per argument, or one per line on standard input when there are no
// arguments) and prints per telegram its header line and one line per record,
// or "error <reason>". The exit status is 1 when any telegram was not read.
// Values use "." as the decimal point whatever the locale.
#include <QString>
#include <cstdio>
#include <iostream>
#include <string>

#include "controls/format_settings.h"
#include "scan/telegram_report.h"

namespace {

bool Print_Telegram(const QString& hex) {
  const telegram_report::Decoded_Telegram telegram = telegram_report::Decode(hex);
  for (const QString& line : telegram_report::Lines(telegram)) std::cout << line.toStdString() << '\n';
  return telegram.error.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  Format_Settings settings = Process_Format_Settings();
  settings.Decimal_Separator = QLatin1Char('.');
  Set_Process_Format_Settings(settings);

  bool all_read = true;
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) all_read = Print_Telegram(QString::fromLocal8Bit(argv[i])) && all_read;
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
