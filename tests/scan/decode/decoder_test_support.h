#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "scan/decode/telegram_decoder.h"

// Walks raw record bytes the way a scan does and keeps what it produced.
struct Walk_Result {
  TList_Var records;
  uint8_t result = 1;
};

inline Walk_Result Walk(const std::vector<uint8_t>& bytes, TMBusType link = mtWired) {
  Walk_Result walk;
  Telegram_Decoder decoder;
  decoder.MBusType = link;
  walk.result = decoder.Decode_Data_Records(walk.records, static_cast<int>(bytes.size()) - 1, bytes.data());
  return walk;
}

// A complete RSP_UD long frame around the given record bytes, with a valid checksum.
inline std::vector<uint8_t> Long_Frame(const std::vector<uint8_t>& header_from_c, const std::vector<uint8_t>& records) {
  std::vector<uint8_t> body = header_from_c;
  body.insert(body.end(), records.begin(), records.end());
  std::vector<uint8_t> frame = {0x68, static_cast<uint8_t>(body.size()), static_cast<uint8_t>(body.size()), 0x68};
  frame.insert(frame.end(), body.begin(), body.end());
  uint8_t sum = 0;
  for (uint8_t b : body) sum = static_cast<uint8_t>(sum + b);
  frame.push_back(sum);
  frame.push_back(0x16);
  return frame;
}
