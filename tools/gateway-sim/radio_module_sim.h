#pragma once
// The gateway's radio module as the simulator plays it while configuration mode is on:
// the Telit and Radiocrafts dialogues of scan/radio_module_commands.h, and, while the
// module receives, a scripted stream of wireless datagrams.
//
// Wireless frame script (--wmbus-frames <file>): one datagram a line, hexadecimal bytes
// separated by blanks, exactly as the module hands it to the gateway (for a Telit
// module the frame, a module byte and the signal-strength byte, as in
// tests/data/wmbus-frames.md). Blank lines and lines starting with "#" are ignored.
// The datagrams are sent in turn, starting again after the last.
//
// Telit: "+++" enters command mode (reception stops), register writes and "ATR" are
// confirmed with "OK" CR in command mode, "ATO" confirms and starts reception. Anything
// else is answered "ERROR" CR.
// Radiocrafts: 00 enters command mode with the prompt ">"; "0" answers the 256 bytes of
// its memory and the prompt; "M" takes the 16-byte configuration block until FF; "B",
// "K" and "A" take a position byte and then the address block (8 bytes), the key
// (16 bytes) or the activation (2 bytes). Each is confirmed with the prompt (the scan
// takes any answer to the configuration block and the position byte, so a quick one
// only saves it the wait). "X" starts reception without an answer.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gateway_sim {

// Parses the frame script; on a bad line returns nullopt and puts its number and the reason in `error`.
std::optional<std::vector<std::string>> Parse_Wireless_Frames(const std::string& text, std::string& error);

class Radio_Module_Sim {
 public:
  Radio_Module_Sim(bool radiocrafts, std::vector<std::string> frames);

  // The answer to one datagram passed to the module; empty when it answers nothing.
  std::string Handle(const std::string& in);
  // The gateway left configuration mode: the module goes quiet.
  void Reset();
  bool Receiving() const { return receiving_; }
  // The next datagram of the stream, or empty when the script has none.
  std::string Next_Frame();

  // What the module has learned, for tests and the verbose log.
  const std::map<int, int>& Telit_Registers() const { return registers_; }
  int Radiocrafts_Mode() const { return config_.size() > 1 ? static_cast<uint8_t>(config_[1]) : -1; }

 private:
  std::string Telit(const std::string& in);
  std::string Radiocrafts(const std::string& in);

  bool radiocrafts_;
  std::vector<std::string> frames_;
  size_t next_frame_ = 0;
  bool receiving_ = false;
  bool command_mode_ = false;
  std::map<int, int> registers_;
  // Radiocrafts: what the next datagram is (a command, the configuration block, a
  // position byte or the block that follows it).
  enum class Expect { Command, Config, Position, Block } expect_ = Expect::Command;
  char block_command_ = 0;
  std::string config_;
};

}  // namespace gateway_sim
