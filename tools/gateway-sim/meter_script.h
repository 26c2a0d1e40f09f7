#pragma once
// The simulator's meters, read from a small text file, one meter a line:
//
//   <primary address> <secondary id> [delay=<ms>] <telegram> [| <telegram> ...]
//
// - primary address: 0..250 (decimal)
// - secondary id: the eight identification digits ("12345678"), or "-" to keep the
//   identification number the telegram already carries
// - delay: the meter answers this many milliseconds late (slow meters, time-outs)
// - telegram: the RSP_UD long frame as hexadecimal bytes separated by blanks, for
//   example a line of tests/data/mbus-frames/valid/*.hex; further telegrams after "|"
//   are sent in turn when the master toggles the FCB (multi-telegram meters)
// Blank lines and lines starting with "#" are ignored. The A field, the identification
// number and the checksum of every telegram are rewritten to match the line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gateway_sim {

struct Scripted_Meter {
  int primary = 0;
  std::string secondary;  // eight digits, or empty to keep the telegram's own
  int delay_ms = 0;
  std::vector<std::vector<uint8_t>> telegrams;
};

// Parses the file's text; on a bad line returns nullopt and puts its number and the reason in `error`.
std::optional<std::vector<Scripted_Meter>> Parse_Meters(const std::string& text, std::string& error);

// The eight BCD digits of a telegram's identification number (bytes 7..10, LSB first).
std::string Telegram_Id(const std::vector<uint8_t>& telegram);

}  // namespace gateway_sim
