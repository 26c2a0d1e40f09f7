#include "scan/wireless/wmbus_security.h"

#include <algorithm>
#include <array>

namespace wmbus_security {
namespace {

constexpr uint8_t kCI_ELL = 0x8C;
constexpr uint8_t kCI_Short_Header = 0x7A;
constexpr uint8_t kCI_AFL = 0x90;
constexpr uint8_t kIdle = 0x2F;

bool Has(int frame_len, int position) { return position >= 0 && position < frame_len; }

// MAC length of an authentication type; types without a MAC length carry none.
int Mac_Length(int at) {
  switch (at) {
    case 3:
      return 2;
    case 4:
      return 4;
    case 5:
      return 8;
    case 6:
      return 12;
    case 7:
      return 16;
    case 8:
      return 12;
    default:
      return 0;
  }
}

}  // namespace

bool Is_Mode5(const uint8_t* frame, int frame_len) {
  if (!Has(frame_len, 19)) return false;
  return frame[10] == kCI_ELL && frame[13] == kCI_Short_Header && (frame[17] & 0x05) == 0x05 && frame[18] != kIdle &&
         frame[19] != kIdle;
}

bool Is_Mode7(const uint8_t* frame, int frame_len) {
  if (!Has(frame_len, 14)) return false;
  if (frame[10] != kCI_ELL || frame[13] != kCI_AFL) return false;
  const int afll = frame[14];
  if (!Has(frame_len, 22 + afll)) return false;
  return frame[15 + afll] == kCI_Short_Header && (frame[19 + afll] & 0x07) == 0x07 && frame[21 + afll] != kIdle &&
         frame[22 + afll] != kIdle;
}

Outcome Decrypt_Mode5(uint8_t* frame, int frame_len, const wmbus_crypto::Block& key) {
  if (!Is_Mode5(frame, frame_len)) return Outcome::Not_Applicable;
  wmbus_crypto::Block iv{};
  std::copy(frame + 2, frame + 10, iv.begin());
  std::fill(iv.begin() + 8, iv.end(), frame[14]);
  const int length = frame[16] & 0xF0;
  if (length == 0 || 18 + length > frame_len) return Outcome::Undecrypted;
  if (!wmbus_crypto::Aes_Cbc_Decrypt(key, iv, frame + 18, static_cast<size_t>(length))) return Outcome::Undecrypted;
  return Outcome::Decrypted;
}

bool Derive_Mode7_Key(const wmbus_crypto::Block& key, const uint8_t mcr[4], const uint8_t id[4],
                      wmbus_crypto::Block& derived) {
  std::array<uint8_t, 16> input{};
  input[0] = 0x00;
  std::copy(mcr, mcr + 4, input.begin() + 1);
  std::copy(id, id + 4, input.begin() + 5);
  std::fill(input.begin() + 9, input.end(), 0x07);
  return wmbus_crypto::Aes_Cmac(key, input.data(), input.size(), derived);
}

Outcome Decrypt_Mode7(uint8_t* frame, int frame_len, const wmbus_crypto::Block& key) {
  if (!Is_Mode7(frame, frame_len)) return Outcome::Not_Applicable;
  int p = 15;
  const int fcl = frame[p] | (frame[p + 1] << 8);
  p += 2;
  uint8_t mcr[4] = {0, 0, 0, 0};
  int at = 0;
  if (fcl & (1 << 13)) {
    if (!Has(frame_len, p)) return Outcome::Undecrypted;
    at = frame[p] & 0x0F;
    p += 1;
  }
  if (fcl & (1 << 9)) p += 2;
  if (fcl & (1 << 11)) {
    if (!Has(frame_len, p + 3)) return Outcome::Undecrypted;
    std::copy(frame + p, frame + p + 4, mcr);
    p += 4;
  }
  if (fcl & (1 << 10)) p += Mac_Length(at);
  if (fcl & (1 << 12)) p += 2;

  // Short transport header after the AFL.
  if (!Has(frame_len, p + 5) || frame[p] != kCI_Short_Header) return Outcome::Undecrypted;
  const uint8_t word_low = frame[p + 3];
  const uint8_t word_high = frame[p + 4];
  if ((word_high & 0x1F) != 0x07) return Outcome::Undecrypted;
  int payload = p + 6;
  if (word_high & 0x20) payload += 4;
  if (!Has(frame_len, payload + 1) || frame[payload] == kIdle || frame[payload + 1] == kIdle) {
    return Outcome::Undecrypted;
  }
  const int length = 16 * (word_low >> 4);
  if (length == 0 || payload + length > frame_len) return Outcome::Undecrypted;

  wmbus_crypto::Block derived{};
  if (!Derive_Mode7_Key(key, mcr, frame + 4, derived)) return Outcome::Undecrypted;
  std::array<uint8_t, 240> plain;
  std::copy(frame + payload, frame + payload + length, plain.begin());
  if (!wmbus_crypto::Aes_Cbc_Decrypt(derived, wmbus_crypto::Block{}, plain.data(), static_cast<size_t>(length))) {
    return Outcome::Undecrypted;
  }
  if (plain[0] != kIdle || plain[1] != kIdle) return Outcome::Wrong_Key;
  std::copy(plain.begin(), plain.begin() + length, frame + payload);
  return Outcome::Decrypted;
}

}  // namespace wmbus_security
