// mbus-decode: reads wired M-Bus RSP_UD telegrams as hexadecimal bytes (one
// telegram per argument, one per line of a .hex file named as an argument, or
// one per line on standard input when there are no arguments) and prints per
// telegram its header line and one line per record, or "error <reason>". The
// exit status is 1 when any telegram was not read. Values use "." as the
// decimal point whatever the locale. A line longer than the longest telegram
// can be is refused as soon as that is seen, without waiting for its end or
// keeping it.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "controls/format_settings.h"
#include "scan/decode/telegram_report.h"

namespace {

// The longest telegram: 255 bytes of L field and 6 of frame, each as two
// hexadecimal digits and a blank.
constexpr size_t kMax_Telegram_Text = (255 + 6) * 3;
// Kept of a line: room for blanks and a CR after the longest telegram.
constexpr size_t kKept = kMax_Telegram_Text + 256;

const std::string kToo_Long = "error longer than the longest telegram (" + std::to_string(kMax_Telegram_Text) +
                              " characters: 261 bytes as hexadecimal with blanks)";

bool Print_Telegram(const QString& hex) {
  if (static_cast<size_t>(hex.trimmed().size()) > kMax_Telegram_Text) {
    std::cout << kToo_Long << '\n';
    return false;
  }
  const telegram_report::Decoded_Telegram telegram = telegram_report::Decode(hex);
  for (const QString& line : telegram_report::Lines(telegram)) std::cout << line.toStdString() << '\n';
  return telegram.error.isEmpty();
}

// One line of at most kKept characters. A longer one stops at its first
// character too many (too_long), so it is refused before the rest arrives.
// False at the end of the input.
bool Read_Line(std::streambuf& in, std::string& line, bool& too_long) {
  line.clear();
  too_long = false;
  int c = in.sbumpc();
  if (c == std::char_traits<char>::eof()) return false;
  for (; c != std::char_traits<char>::eof() && c != '\n'; c = in.sbumpc()) {
    if (line.size() == kKept) {
      too_long = true;
      break;
    }
    line.push_back(static_cast<char>(c));
  }
  return true;
}

// The rest of a line that was refused, read and dropped.
void Skip_Line(std::streambuf& in) {
  for (int c = in.sbumpc(); c != std::char_traits<char>::eof() && c != '\n'; c = in.sbumpc()) {
  }
}

// Every non-empty line is one telegram.
bool Print_Lines(std::streambuf& in) {
  bool all_read = true;
  std::string line;
  bool too_long = false;
  while (Read_Line(in, line, too_long)) {
    if (too_long) {
      std::cout << kToo_Long << std::endl;
      all_read = false;
      Skip_Line(in);
      continue;
    }
    const QString text = QString::fromLatin1(line);
    if (text.trimmed().isEmpty()) continue;
    all_read = Print_Telegram(text) && all_read;
  }
  return all_read;
}

bool Print_File(const QString& path) {
  std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
  if (!file) {
    QFile probe(path);
    probe.open(QIODevice::ReadOnly);
    std::cout << "error cannot read " << path.toStdString() << ": " << probe.errorString().toStdString() << '\n';
    return false;
  }
  return Print_Lines(*file.rdbuf());
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
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
    all_read = Print_Lines(*std::cin.rdbuf());
  }
  std::cout.flush();
  return all_read ? 0 : 1;
}
