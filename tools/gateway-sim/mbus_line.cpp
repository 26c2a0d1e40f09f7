#include "mbus_line.h"

#include <algorithm>

namespace gateway_sim {

namespace {

uint8_t Sum(const std::string& s, size_t from, size_t to) {
  uint8_t sum = 0;
  for (size_t i = from; i < to; ++i) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(s[i]));
  return sum;
}

uint8_t At(const std::string& s, size_t i) { return static_cast<uint8_t>(s[i]); }

}  // namespace

MBus_Line::MBus_Line(std::vector<Scripted_Meter> meters) {
  for (auto& m : meters) meters_.push_back(Meter{std::move(m)});
}

const std::string& MBus_Line::Collision_Bytes() {
  static const std::string kGarbled("\xE5\xE5", 2);
  return kGarbled;
}

std::vector<MBus_Line::Meter*> MBus_Line::Addressed(int address) {
  std::vector<Meter*> out;
  for (auto& m : meters_) {
    if ((address == 253 && m.selected) || address == 254 || address == 255 || m.script.primary == address)
      out.push_back(&m);
  }
  return out;
}

MBus_Line::Answer MBus_Line::Answer_Of(const std::vector<Meter*>& meters, bool telegram, int fcb) {
  Answer answer;
  if (meters.empty()) return answer;
  for (const Meter* m : meters) answer.delay_ms = std::max(answer.delay_ms, m->script.delay_ms);
  if (meters.size() > 1) {
    answer.bytes = Collision_Bytes();
    return answer;
  }
  Meter& m = *meters.front();
  if (!telegram) {
    answer.bytes = "\xE5";
    return answer;
  }
  if (m.last_fcb >= 0 && fcb != m.last_fcb) m.next = (m.next + 1) % m.script.telegrams.size();
  m.last_fcb = fcb;
  const auto& t = m.script.telegrams[m.next];
  answer.bytes.assign(t.begin(), t.end());
  return answer;
}

bool MBus_Line::Matches(const Meter& meter, const uint8_t* id) const {
  const std::string& digits = meter.script.secondary;
  if (digits.size() != 8) return false;
  for (int i = 0; i < 4; ++i) {
    // Byte i holds digits 7-2i (high nibble) and 8-2i (low nibble), counted from 1.
    const int hi = id[i] >> 4, lo = id[i] & 0x0F;
    const int d_hi = digits[6 - 2 * i] - '0', d_lo = digits[7 - 2 * i] - '0';
    if (hi != 0x0F && hi != d_hi) return false;
    if (lo != 0x0F && lo != d_lo) return false;
  }
  return true;
}

MBus_Line::Answer MBus_Line::Handle_Frame(const std::string& f) {
  // Short frame.
  if (f.size() == 5 && At(f, 0) == 0x10 && At(f, 4) == 0x16 && Sum(f, 1, 3) == At(f, 3)) {
    const uint8_t c = At(f, 1);
    const int a = At(f, 2);
    if (c == 0x40) {
      auto meters = Addressed(a);
      for (Meter* m : meters) {
        m->next = 0;
        m->last_fcb = -1;
        if (a == 253) m->selected = false;  // SND_NKE to the selected meter also deselects it
      }
      if (a == 253 && meters.empty())
        for (auto& m : meters_) m.selected = false;
      if (a == 255) return {};
      return Answer_Of(meters, false, 0);
    }
    if ((c & 0xDF) == 0x5B) {
      if (a == 255) return {};
      return Answer_Of(Addressed(a), true, (c >> 5) & 1);
    }
    return {};
  }
  // Control frame.
  if (f.size() >= 9 && At(f, 0) == 0x68 && At(f, 3) == 0x68 && At(f, 1) == At(f, 2) &&
      f.size() == static_cast<size_t>(At(f, 1)) + 6 && At(f, f.size() - 1) == 0x16 &&
      Sum(f, 4, f.size() - 2) == At(f, f.size() - 2)) {
    const int a = At(f, 5);
    const uint8_t ci = At(f, 6);
    if (ci == 0x50) {
      auto meters = Addressed(a);
      for (Meter* m : meters) {
        m->next = 0;
        m->last_fcb = -1;
      }
      if (a == 255) return {};
      return Answer_Of(meters, false, 0);
    }
    if (ci == 0x52 && a == 0xFD && f.size() == 17) {
      uint8_t id[4];
      for (int i = 0; i < 4; ++i) id[i] = At(f, 7 + i);
      std::vector<Meter*> matched;
      for (auto& m : meters_) {
        m.selected = Matches(m, id);
        if (m.selected) matched.push_back(&m);
      }
      return Answer_Of(matched, false, 0);
    }
  }
  return {};  // nothing a meter recognises: the line stays silent
}

}  // namespace gateway_sim
