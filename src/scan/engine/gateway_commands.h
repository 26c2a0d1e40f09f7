#pragma once
// The gateway's text protocol over UDP, shared by the scan engine and the gateway
// simulator so that both sides always agree byte for byte.
//
// Every command is one datagram of ASCII bytes without terminator; the gateway answers
// each with one datagram to the sender's address and port. LF is 0A, CR is 0D, and the
// answers really are LF first, then CR. An answer is accepted only when the whole
// datagram equals it.
//
//   "Kelvra_Enable_Analyzer_Mode"        -> LF CR "Analyzer_Mode Enabled!" LF CR
//   "Kelvra_S_M:" baud(4, big-endian) "," parity(1)
//                                        -> LF CR "Done!"
//   "Kelvra_Disable_Analyzer_Mode"       -> LF CR "Analyzer_Mode Disabled!" LF CR
//   "Kelvra_Enable_Configuration_Mode"   -> LF CR "Configuration_Mode Enabled!" LF CR
//   "Kelvra_Type_Radio_Module"           -> LF CR "TELIT" LF CR  or  LF CR "RADIOCRAFTS" LF CR
//   "Kelvra_Disable_Configuration_Mode"  -> LF CR "Configuration_Mode Disabled!" LF CR
//
// While analyzer mode is on, any other datagram is an M-Bus frame for the line; the
// answer is the meter's reply as it came off the line, or "NO_SLAVE" LF CR.
// Parity byte of the line command: 0 none, 2 even, 1 odd.
#include <cstdint>
#include <string>
#include <string_view>

namespace gateway {

inline constexpr uint16_t kGateway_Command_Port = 10000;

inline constexpr std::string_view kEnable_Analyzer_Mode = "Kelvra_Enable_Analyzer_Mode";
inline constexpr std::string_view kAnalyzer_Mode_Enabled = "\n\rAnalyzer_Mode Enabled!\n\r";
inline constexpr std::string_view kSet_MBus_Line = "Kelvra_S_M:";
inline constexpr std::string_view kDone = "\n\rDone!";
inline constexpr std::string_view kDisable_Analyzer_Mode = "Kelvra_Disable_Analyzer_Mode";
inline constexpr std::string_view kAnalyzer_Mode_Disabled = "\n\rAnalyzer_Mode Disabled!\n\r";

inline constexpr std::string_view kEnable_Configuration_Mode = "Kelvra_Enable_Configuration_Mode";
inline constexpr std::string_view kConfiguration_Mode_Enabled = "\n\rConfiguration_Mode Enabled!\n\r";
inline constexpr std::string_view kType_Radio_Module = "Kelvra_Type_Radio_Module";
inline constexpr std::string_view kRadio_Telit = "\n\rTELIT\n\r";
inline constexpr std::string_view kRadio_Radiocrafts = "\n\rRADIOCRAFTS\n\r";
inline constexpr std::string_view kDisable_Configuration_Mode = "Kelvra_Disable_Configuration_Mode";
inline constexpr std::string_view kConfiguration_Mode_Disabled = "\n\rConfiguration_Mode Disabled!\n\r";

inline constexpr std::string_view kNo_Slave = "NO_SLAVE\n\r";

// Parity index of the scan (0 none, 1 even, 2 odd) to the byte the gateway expects.
inline uint8_t Line_Parity_Byte(int parity_index) {
  switch (parity_index) {
    case 0:
      return 0;
    case 1:
      return 2;
    case 2:
      return 1;
    default:
      return 0;
  }
}

// The 17-byte set-M-Bus-line command.
inline std::string Set_MBus_Line_Command(int32_t baudrate, int parity_index) {
  std::string out(kSet_MBus_Line);
  const auto baud = static_cast<uint32_t>(baudrate);
  out += static_cast<char>(baud >> 24);
  out += static_cast<char>(baud >> 16);
  out += static_cast<char>(baud >> 8);
  out += static_cast<char>(baud);
  out += ',';
  out += static_cast<char>(Line_Parity_Byte(parity_index));
  return out;
}

}  // namespace gateway
