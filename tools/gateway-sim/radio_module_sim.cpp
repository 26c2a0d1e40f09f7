#include "radio_module_sim.h"

#include <cstdio>
#include <sstream>

#include "scan/wireless/radio_module_commands.h"

namespace gateway_sim {

std::optional<std::vector<std::string>> Parse_Wireless_Frames(const std::string& text, std::string& error) {
  std::vector<std::string> frames;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::istringstream words(line);
    std::string word;
    std::string frame;
    while (words >> word) {
      if (frame.empty() && word[0] == '#') break;
      size_t used = 0;
      int value = -1;
      try {
        value = std::stoi(word, &used, 16);
      } catch (...) {
      }
      if (word.size() > 2 || used != word.size() || value < 0 || value > 255) {
        error = "line " + std::to_string(number) + ": bad frame byte '" + word + "'";
        return std::nullopt;
      }
      frame += static_cast<char>(value);
    }
    if (!frame.empty()) frames.push_back(frame);
  }
  return frames;
}

Radio_Module_Sim::Radio_Module_Sim(bool radiocrafts, std::vector<std::string> frames)
    : radiocrafts_(radiocrafts), frames_(std::move(frames)) {}

void Radio_Module_Sim::Reset() {
  receiving_ = false;
  command_mode_ = false;
  expect_ = Expect::Command;
}

std::string Radio_Module_Sim::Next_Frame() {
  if (frames_.empty()) return {};
  const std::string frame = frames_[next_frame_];
  next_frame_ = (next_frame_ + 1) % frames_.size();
  return frame;
}

std::string Radio_Module_Sim::Handle(const std::string& in) { return radiocrafts_ ? Radiocrafts(in) : Telit(in); }

std::string Radio_Module_Sim::Telit(const std::string& in) {
  const std::string ok(radio_module::kTelit_OK);
  if (in == radio_module::kTelit_Command_Mode) {
    receiving_ = false;
    command_mode_ = true;
    return ok;
  }
  if (!command_mode_) return {};
  if (in == radio_module::kTelit_Reset) {
    registers_.clear();
    return ok;
  }
  if (in == radio_module::kTelit_Online) {
    command_mode_ = false;
    receiving_ = true;
    return ok;
  }
  int reg = -1;
  int value = -1;
  char cr = 0;
  if (in.size() > 4 && in.back() == '\r' && std::sscanf(in.c_str(), "ATS%d=%d%c", &reg, &value, &cr) == 3 &&
      cr == '\r' && value >= 0 && value <= 255 && radio_module::Telit_Register(reg, value) == in) {
    registers_[reg] = value;
    return ok;
  }
  return "ERROR\r";
}

std::string Radio_Module_Sim::Radiocrafts(const std::string& in) {
  const std::string prompt(radio_module::kRadiocrafts_Prompt);
  if (in.size() == 1 && static_cast<uint8_t>(in[0]) == radio_module::kRadiocrafts_Wake) {
    receiving_ = false;
    command_mode_ = true;
    expect_ = Expect::Command;
    return prompt;
  }
  if (!command_mode_) return {};
  switch (expect_) {
    case Expect::Config:
      if (in.size() == 1 && static_cast<uint8_t>(in[0]) == radio_module::kRadiocrafts_Config_End) {
        expect_ = Expect::Command;
        return prompt;
      }
      config_ = in;
      return prompt;
    case Expect::Position:
      expect_ = Expect::Block;
      return prompt;
    case Expect::Block: {
      expect_ = Expect::Command;
      const size_t wanted = block_command_ == 'B' ? 8 : block_command_ == 'K' ? 16 : 2;
      return in.size() == wanted ? prompt : std::string("?");
    }
    case Expect::Command:
      break;
  }
  if (in.size() != 1) return "?";
  switch (in[0]) {
    case '0':
      return std::string(radio_module::kRadiocrafts_Memory_Size, '\0') + prompt;
    case 'M':
      expect_ = Expect::Config;
      return prompt;
    case 'B':
    case 'K':
    case 'A':
      block_command_ = in[0];
      expect_ = Expect::Position;
      return prompt;
    case 'X':
      command_mode_ = false;
      receiving_ = true;
      return {};
    default:
      return "?";
  }
}

}  // namespace gateway_sim
