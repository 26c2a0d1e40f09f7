#pragma once
// The M-Bus link-layer frames the wired scan sends through the gateway, and the
// tests it applies to the answers. CS is the 8-bit sum of the bytes it covers.
//
//   SND_NKE            10 40 A CS 16                          CS = 40 + A
//   REQ_UD2            10 C A CS 16                           C = 7B (FCB set) or 5B
//   application reset  68 03 03 68 C A 50 CS 16               C = 73, or 53 with the FCB clear
//   select             68 0B 0B 68 C FD 52 I1 I2 I3 I4 FF FF FF FF CS 16
//
// The select's identification number is little-endian BCD of the eight search digits
// (digit 1 most significant); a digit of -1 is the wildcard nibble F; manufacturer,
// version and medium are always wildcards.
#include <QByteArray>
#include <array>
#include <cstdint>

namespace mbus_frame {

QByteArray SND_NKE(uint8_t address);
QByteArray REQ_UD2(uint8_t c_field, uint8_t address);
QByteArray Application_Reset(uint8_t c_field, uint8_t address);
QByteArray Select(uint8_t c_field, const std::array<int32_t, 8>& digits);

// A single E5 byte.
bool Is_Single_Character(const QByteArray& answer);
// The gateway's "NO_SLAVE" LF CR.
bool Is_No_Slave(const QByteArray& answer);
// A long frame the scan may decode (long_frame::Is_Valid).
bool Is_Valid_Long_Frame(const QByteArray& answer);

// Milliseconds to wait for the answer to a frame of `bits_times_1000` (330000 for the short
// and control frames, 3245000 for REQ_UD2) at `baudrate`, plus the remote-scan extra.
// A baud rate of 0 or below counts as 2400.
int32_t Frame_TimeOut(int32_t bits_times_1000, int32_t baudrate, int32_t add_timeout);

constexpr int32_t kShort_Frame_Bits = 330000;
constexpr int32_t kREQ_UD2_Bits = 3245000;

}  // namespace mbus_frame
