#include "scan/wireless/wmbus_readability.h"

namespace wmbus_readability {
namespace {

constexpr uint8_t kIdle = 0x2F;

struct Bytes {
  const uint8_t* frame;
  int length;
  bool Has(int position) const { return position >= 0 && position < length; }
  bool Idle_Pair(int position) const {
    return Has(position + 1) && frame[position] == kIdle && frame[position + 1] == kIdle;
  }
  // Plain (mode 0), or mode 5 whose decrypted data open with the idle pair.
  bool Plain_Or_Open(int config, int data) const {
    if (!Has(config)) return false;
    const int mode = frame[config] & 0x0F;
    return mode == 0 || (mode == 5 && Idle_Pair(data));
  }
};

int Inner(const Bytes& b, int inner_ci_at, int offset) {
  if (!b.Has(inner_ci_at)) return -1;
  switch (b.frame[inner_ci_at]) {
    case 0x72:
      return b.Plain_Or_Open(25 + offset, 26 + offset) ? 26 + offset : -1;
    case 0x78:
      return 14 + offset;
    case 0x7A:
      return b.Plain_Or_Open(17 + offset, 18 + offset) ? 18 + offset : -1;
    default:
      return -1;
  }
}

}  // namespace

int Records_Start(const uint8_t* frame, int frame_len) {
  const Bytes b{frame, frame_len};
  if (frame == nullptr || !b.Has(10)) return -1;
  switch (frame[10]) {
    case 0x7A:
      return b.Plain_Or_Open(14, 15) ? 15 : -1;
    case 0x72:
      return b.Idle_Pair(23) ? 23 : -1;
    case 0x8C: {
      if (b.Has(13) && frame[13] == 0x90) {
        if (!b.Has(14)) return -1;
        const int start = 21 + frame[14];
        return b.Idle_Pair(start) ? start : -1;
      }
      return Inner(b, 13, 0);
    }
    case 0x8D:
      return Inner(b, 19, 6);
    default:
      return -1;
  }
}

}  // namespace wmbus_readability
