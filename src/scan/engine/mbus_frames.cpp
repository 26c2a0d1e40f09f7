#include "scan/engine/mbus_frames.h"

#include "scan/decode/long_frame.h"
#include "scan/engine/gateway_commands.h"

namespace mbus_frame {

namespace {

uint8_t Sum(const QByteArray& bytes, int from, int to) {
  uint8_t sum = 0;
  for (int i = from; i < to; ++i) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(bytes[i]));
  return sum;
}

QByteArray Short_Frame(uint8_t c, uint8_t a) {
  QByteArray f;
  f.append(char(0x10)).append(char(c)).append(char(a)).append(char(uint8_t(c + a))).append(char(0x16));
  return f;
}

// 68 L L 68 <body> CS 16
QByteArray Control_Frame(const QByteArray& body) {
  QByteArray f;
  f.append(char(0x68)).append(char(body.size())).append(char(body.size())).append(char(0x68));
  f.append(body);
  f.append(char(Sum(body, 0, body.size()))).append(char(0x16));
  return f;
}

}  // namespace

QByteArray SND_NKE(uint8_t address) { return Short_Frame(0x40, address); }

QByteArray REQ_UD2(uint8_t c_field, uint8_t address) { return Short_Frame(c_field, address); }

QByteArray Application_Reset(uint8_t c_field, uint8_t address) {
  QByteArray body;
  body.append(char(c_field)).append(char(address)).append(char(0x50));
  return Control_Frame(body);
}

QByteArray Select(uint8_t c_field, const std::array<int32_t, 8>& digits) {
  const auto nibble = [&](int i) -> uint8_t {
    const int32_t d = digits[static_cast<size_t>(i)];
    return d < 0 || d > 9 ? 0x0F : static_cast<uint8_t>(d);
  };
  QByteArray body;
  body.append(char(c_field)).append(char(0xFD)).append(char(0x52));
  // Least significant digit pair first: digits 7 and 8, then 5 and 6, ...
  for (int pair = 3; pair >= 0; --pair) body.append(char((nibble(2 * pair) << 4) | nibble(2 * pair + 1)));
  body.append(4, char(0xFF));
  return Control_Frame(body);
}

bool Is_Single_Character(const QByteArray& answer) { return answer.size() == 1 && uint8_t(answer[0]) == 0xE5; }

bool Is_No_Slave(const QByteArray& answer) {
  return answer.size() == static_cast<int>(gateway::kNo_Slave.size()) &&
         std::string_view(answer.constData(), size_t(answer.size())) == gateway::kNo_Slave;
}

bool Is_Valid_Long_Frame(const QByteArray& answer) {
  return long_frame::Is_Valid(reinterpret_cast<const uint8_t*>(answer.constData()), answer.size());
}

int32_t Frame_TimeOut(int32_t bits_times_1000, int32_t baudrate, int32_t add_timeout) {
  const int32_t baud = baudrate > 0 ? baudrate : 2400;
  return bits_times_1000 / baud + 400 + 50 + add_timeout;
}

}  // namespace mbus_frame
