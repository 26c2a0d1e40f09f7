#include "meter_script.h"

#include <cctype>
#include <sstream>

namespace gateway_sim {

namespace {

void Fix_Telegram(std::vector<uint8_t>& t, int primary, const std::string& secondary) {
  if (t.size() < 21 || t[0] != 0x68 || t[3] != 0x68) return;
  t[5] = static_cast<uint8_t>(primary);
  if (secondary.size() == 8) {
    // BCD, least significant digit pair first.
    for (int i = 0; i < 4; ++i) {
      const int hi = secondary[6 - 2 * i] - '0';
      const int lo = secondary[7 - 2 * i] - '0';
      t[7 + i] = static_cast<uint8_t>((hi << 4) | lo);
    }
  }
  uint8_t sum = 0;
  for (size_t i = 4; i + 2 < t.size(); ++i) sum = static_cast<uint8_t>(sum + t[i]);
  t[t.size() - 2] = sum;
}

bool Parse_Hex_Byte(const std::string& token, uint8_t& out) {
  if (token.size() != 2 || !std::isxdigit(static_cast<unsigned char>(token[0])) ||
      !std::isxdigit(static_cast<unsigned char>(token[1])))
    return false;
  out = static_cast<uint8_t>(std::stoi(token, nullptr, 16));
  return true;
}

}  // namespace

std::string Telegram_Id(const std::vector<uint8_t>& t) {
  if (t.size() < 11) return {};
  static const char kHex[] = "0123456789ABCDEF";
  std::string id;
  for (int i = 3; i >= 0; --i) {
    id += kHex[t[7 + i] >> 4];
    id += kHex[t[7 + i] & 0x0F];
  }
  return id;
}

std::optional<std::vector<Scripted_Meter>> Parse_Meters(const std::string& text, std::string& error) {
  std::vector<Scripted_Meter> meters;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    std::istringstream tokens(line);
    std::string token;
    if (!(tokens >> token) || token[0] == '#') continue;
    const auto fail = [&](const std::string& why) {
      error = "line " + std::to_string(number) + ": " + why;
      return std::nullopt;
    };
    Scripted_Meter meter;
    try {
      meter.primary = std::stoi(token);
    } catch (...) {
      return fail("primary address is not a number");
    }
    if (meter.primary < 0 || meter.primary > 250) return fail("primary address out of 0..250");
    if (!(tokens >> token)) return fail("secondary id missing");
    if (token != "-") {
      if (token.size() != 8 || token.find_first_not_of("0123456789") != std::string::npos)
        return fail("secondary id must be eight digits or -");
      meter.secondary = token;
    }
    meter.telegrams.emplace_back();
    while (tokens >> token) {
      if (token.rfind("delay=", 0) == 0) {
        try {
          meter.delay_ms = std::stoi(token.substr(6));
        } catch (...) {
          return fail("bad delay");
        }
        if (meter.delay_ms < 0) return fail("delay must not be negative");
        continue;
      }
      if (token == "|") {
        meter.telegrams.emplace_back();
        continue;
      }
      uint8_t byte = 0;
      if (!Parse_Hex_Byte(token, byte)) return fail("bad telegram byte '" + token + "'");
      meter.telegrams.back().push_back(byte);
    }
    for (auto& telegram : meter.telegrams) {
      if (telegram.empty()) return fail("empty telegram");
      Fix_Telegram(telegram, meter.primary, meter.secondary);
    }
    if (meter.secondary.empty()) meter.secondary = Telegram_Id(meter.telegrams.front());
    meters.push_back(std::move(meter));
  }
  return meters;
}

}  // namespace gateway_sim
