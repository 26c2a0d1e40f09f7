#include "scan/decode/long_frame.h"

namespace long_frame {

bool Is_Valid(const uint8_t* frame, int len) {
  if (frame == nullptr || len <= Overhead) return false;
  if (frame[0] != 0x68 || frame[3] != 0x68 || frame[1] != frame[2] || frame[len - 1] != 0x16) return false;
  uint8_t sum = 0;
  for (int i = 4; i < len - 2; ++i) sum = static_cast<uint8_t>(sum + frame[i]);
  return sum == frame[len - 2];
}

}  // namespace long_frame
