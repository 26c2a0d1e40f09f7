#include "scan/engine/engine_fakes.h"

#include "scan/engine/gateway_commands.h"

namespace {

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::function<std::optional<QByteArray>(const QByteArray&)> Gateway_Answers(
    std::function<std::optional<QByteArray>(const QByteArray&)> line) {
  return [line](const QByteArray& in) -> std::optional<QByteArray> {
    if (in == Bytes(gateway::kEnable_Analyzer_Mode)) return Bytes(gateway::kAnalyzer_Mode_Enabled);
    if (in.startsWith(Bytes(gateway::kSet_MBus_Line))) return Bytes(gateway::kDone);
    if (in == Bytes(gateway::kDisable_Analyzer_Mode)) return Bytes(gateway::kAnalyzer_Mode_Disabled);
    return line ? line(in) : std::nullopt;
  };
}

QByteArray Hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

QByteArray Long_Frame(uint8_t address, const char* id, const QByteArray& records) {
  // "ABC": (1 << 10) | (2 << 5) | 3 = 0x0443
  QByteArray body;
  body.append(char(0x08)).append(char(address)).append(char(0x72));
  const QByteArray digits(id);
  for (int pair = 3; pair >= 0; --pair)
    body.append(char(((digits[2 * pair] - '0') << 4) | (digits[2 * pair + 1] - '0')));
  body.append(Hex("43 04 01 07 00 00 00 00"));
  body.append(records);
  uint8_t sum = 0;
  for (char c : body) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
  QByteArray frame;
  frame.append(char(0x68)).append(char(body.size())).append(char(body.size())).append(char(0x68));
  frame.append(body).append(char(sum)).append(char(0x16));
  return frame;
}
