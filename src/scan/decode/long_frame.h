#pragma once
#include <cstdint>

// An M-Bus long frame (RSP_UD) as a meter sends it:
//   0 68 | 1 L | 2 L | 3 68 | 4 C | 5 A | 6 CI | 7..10 identification (BCD, LSB first)
//   11..12 manufacturer | 13 version | 14 medium | 15 access number | 16 status
//   17..18 signature | 19.. data records | checksum | 16
// The checksum is the 8-bit sum of the bytes from the C field to the last record byte.
namespace long_frame {

constexpr int CI_Field = 6;
constexpr int Records_Start = 19;
// Bytes that are not records: the fixed header plus checksum and stop byte.
constexpr int Overhead = 21;

// Valid for the scan: more than 21 bytes, 68 at 0 and 3, equal length bytes,
// stop byte 16 and a matching checksum. The L field is not compared with the length.
bool Is_Valid(const uint8_t* frame, int len);

// CI 73 and 77 announce the fixed data structure (counters in a fixed layout,
// least or most significant byte first) instead of variable data records.
constexpr bool Is_Fixed_Data_Structure(uint8_t ci) { return ci == 0x73 || ci == 0x77; }

}  // namespace long_frame
