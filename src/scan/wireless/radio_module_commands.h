#pragma once
// What the wireless scan says to the gateway's radio module while the gateway's
// configuration mode passes bytes through, shared by the scan and the gateway
// simulator so that both sides agree byte for byte.
//
// Telit: text commands; every one but "+++" ends with CR and each is answered "OK" CR.
//   "+++"            command mode          "ATR\r"          reset to defaults
//   "ATS<reg>=<v>\r" register write (decimal)   "ATO\r"     back to reception
//   Set-up registers: 400 mode, 401, 402, 420 channel, 421, 422, 430, 431, 440, 441,
//   442, 452, 453, 454. Key registration: 461-462 manufacturer (low, high), 463-466
//   identification number (least significant byte first), 467 version, 468 device
//   type, 470-485 the key bytes, 460=5 stores the entry.
//
// Radiocrafts: single command bytes and binary blocks, each answered by the prompt ">".
//   00 wake / command mode   "0" memory read (answer: 256 bytes and ">")
//   "M" configuration memory, then the 16-byte block; FF ends it
//   "B" key address: position byte, then the 8-byte address block
//   "K" key: position byte, then the 16 key bytes
//   "A" key activation: position byte, then 00 40
//   "X" back to reception
//   Configuration block: 03 M 04 00 05 01 12 01 16 17 3A 01 3D 02 37 01 with M the mode:
//   01 T, 0A C, 11 N1, 10 N2, 03 S (any other).
//   Key address block: identification number (4 bytes LE), manufacturer (2 bytes LE),
//   version, device type.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace radio_module {

// Wireless mode codes of the scan.
inline constexpr int kMode_S = 1;
inline constexpr int kMode_T = 5;
inline constexpr int kMode_C = 11;
inline constexpr int kMode_N1 = 15;
inline constexpr int kMode_N2 = 17;

inline constexpr std::string_view kTelit_Command_Mode = "+++";
inline constexpr std::string_view kTelit_Reset = "ATR\r";
inline constexpr std::string_view kTelit_Online = "ATO\r";
inline constexpr std::string_view kTelit_OK = "OK\r";

inline std::string Telit_Register(int reg, int value) {
  return "ATS" + std::to_string(reg) + "=" + std::to_string(value) + "\r";
}

inline constexpr std::string_view kRadiocrafts_Prompt = ">";
inline constexpr uint8_t kRadiocrafts_Wake = 0x00;
inline constexpr uint8_t kRadiocrafts_Memory_Read = '0';
inline constexpr uint8_t kRadiocrafts_Memory_Config = 'M';
inline constexpr uint8_t kRadiocrafts_Config_End = 0xFF;
inline constexpr uint8_t kRadiocrafts_Key_Address = 'B';
inline constexpr uint8_t kRadiocrafts_Key = 'K';
inline constexpr uint8_t kRadiocrafts_Key_Activate = 'A';
inline constexpr uint8_t kRadiocrafts_Receive = 'X';
inline constexpr size_t kRadiocrafts_Memory_Size = 256;
// Key-table positions: 1..64 hold keys; the set-up erases 1..63.
inline constexpr int kRadiocrafts_Last_Position = 64;
inline constexpr int kRadiocrafts_Erase_Last = 63;

inline uint8_t Radiocrafts_Mode_Byte(int mode) {
  switch (mode) {
    case kMode_T:
      return 0x01;
    case kMode_C:
      return 0x0A;
    case kMode_N1:
      return 0x11;
    case kMode_N2:
      return 0x10;
    default:
      return 0x03;
  }
}

inline std::array<uint8_t, 16> Radiocrafts_Config_Block(int mode) {
  return {
      0x03, Radiocrafts_Mode_Byte(mode), 0x04, 0x00, 0x05, 0x01, 0x12, 0x01, 0x16, 0x17, 0x3A, 0x01, 0x3D, 0x02, 0x37,
      0x01};
}

inline std::array<uint8_t, 8> Key_Address_Block(int32_t address, uint16_t manufacturer, uint8_t version,
                                                uint8_t device_type) {
  const auto a = static_cast<uint32_t>(address);
  return {static_cast<uint8_t>(a),
          static_cast<uint8_t>(a >> 8),
          static_cast<uint8_t>(a >> 16),
          static_cast<uint8_t>(a >> 24),
          static_cast<uint8_t>(manufacturer),
          static_cast<uint8_t>(manufacturer >> 8),
          version,
          device_type};
}

}  // namespace radio_module
