// The whole decoding of the wireless test frames (tests/data/wmbus-frames.md)
// against the bare OpenSSL work for the same frame, with contexts made once and
// the algorithms fetched once:
//   mode 5: the AES-128-CBC decryption of its two blocks;
//   mode 7: the AES-CMAC key derivation plus the AES-128-CBC decryption.
// Both are timed in alternating rounds; the fastest round of each counts. Each
// mode's decoding may take at most twice the bare work, else the program
// exits with 1.
#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <array>
#include <mutex>
#include <stdexcept>
#include <string>

#include "scan/wireless/wireless_frame_decoder.h"
#include "support/ratio_check.h"

namespace {

constexpr int kFrames_Per_Round = 2000;
constexpr int kRounds = 15;

const uint8_t kMode5[] = {0x31, 0x44, 0x93, 0x15, 0x78, 0x56, 0x34, 0x12, 0x33, 0x03, 0x8C, 0x20, 0x75,
                          0x7A, 0x2A, 0x00, 0x20, 0x25, 0x59, 0x23, 0xC9, 0x5A, 0xAA, 0x26, 0xD1, 0xB2,
                          0xE7, 0x49, 0x3B, 0x01, 0x3E, 0xC4, 0xA6, 0xF6, 0xD3, 0x52, 0x9B, 0x52, 0x0E,
                          0xDF, 0xF0, 0xEA, 0x6D, 0xEF, 0xC9, 0x9D, 0x6D, 0x69, 0xEB, 0xF3, 0x00, 0x50};
const std::array<uint8_t, 16> kMode5_Key = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                            0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x11};

const uint8_t kMode7[] = {0x43, 0x44, 0x93, 0x15, 0x78, 0x56, 0x34, 0x12, 0x33, 0x03, 0x8C, 0x20, 0x75, 0x90,
                          0x0F, 0x00, 0x2C, 0x25, 0xB3, 0x0A, 0x00, 0x00, 0x21, 0x92, 0x4D, 0x4F, 0x2F, 0xB6,
                          0x6E, 0x01, 0x7A, 0x75, 0x00, 0x20, 0x07, 0x10, 0x90, 0x58, 0x47, 0x5F, 0x4B, 0xC9,
                          0x1D, 0xF8, 0x78, 0xB8, 0x0A, 0x1B, 0x0F, 0x98, 0xB6, 0x29, 0x02, 0x4A, 0xAC, 0x72,
                          0x79, 0x42, 0xBF, 0xC5, 0x49, 0x23, 0x3C, 0x01, 0x40, 0x82, 0x9B, 0x93, 0x00, 0x50};
const std::array<uint8_t, 16> kMode7_Key = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                            0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};

// A meter heard once and then given its key, as after the user registered it.
struct Decoding {
  TList_Slave_wMBus list;
  std::mutex lock;
  Wireless_Frame_Decoder decoder{list, lock};
  const uint8_t* frame;
  int length;
  Decoding(const uint8_t* f, int n, const std::array<uint8_t, 16>& key) : frame(f), length(n) {
    decoder.Decode_Wireless_Frame(frame, length, rmTelit);
    list[0]->Enable_Key = true;
    list[0]->Key = key;
    Once();
  }
  void Once() {
    if (decoder.Decode_Wireless_Frame(frame, length, rmTelit) != Wireless_Frame_Result::Readable ||
        list[0]->List_Var.empty()) {
      throw std::runtime_error("test frame not readable");
    }
  }
};

// The cryptographic work alone, contexts made and algorithms fetched once.
struct Bare {
  EVP_MAC* mac = EVP_MAC_fetch(nullptr, "CMAC", nullptr);
  EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, "AES-128-CBC", nullptr);
  EVP_MAC_CTX* mac_ctx = nullptr;
  EVP_CIPHER_CTX* cipher_ctx = EVP_CIPHER_CTX_new();
  Bare() {
    mac_ctx = EVP_MAC_CTX_new(mac);
    char name[] = "AES-128-CBC";
    const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, name, 0),
                                 OSSL_PARAM_construct_end()};
    EVP_MAC_CTX_set_params(mac_ctx, params);
  }
  ~Bare() {
    EVP_MAC_CTX_free(mac_ctx);
    EVP_CIPHER_CTX_free(cipher_ctx);
    EVP_MAC_free(mac);
    EVP_CIPHER_free(cipher);
  }
  void Cbc(const uint8_t* key, const uint8_t* iv, uint8_t* data, int n) {
    int out = 0;
    EVP_DecryptInit_ex2(cipher_ctx, cipher, key, iv, nullptr);
    EVP_CIPHER_CTX_set_padding(cipher_ctx, 0);
    EVP_DecryptUpdate(cipher_ctx, data, &out, data, n);
    EVP_DecryptFinal_ex(cipher_ctx, data + out, &out);
  }
  void Mode5() {
    uint8_t iv[16] = {0x93, 0x15, 0x78, 0x56, 0x34, 0x12, 0x33, 0x03};
    std::fill(iv + 8, iv + 16, kMode5[14]);
    uint8_t data[32];
    std::copy(kMode5 + 18, kMode5 + 50, data);
    Cbc(kMode5_Key.data(), iv, data, sizeof data);
    if (data[0] != 0x2F || data[1] != 0x2F) throw std::runtime_error("mode-5 baseline: wrong plain text");
  }
  void Mode7() {
    const uint8_t input[16] = {0x00, 0xB3, 0x0A, 0x00, 0x00, 0x78, 0x56, 0x34, 0x12, 7, 7, 7, 7, 7, 7, 7};
    uint8_t derived[16];
    size_t length = 0;
    EVP_MAC_init(mac_ctx, kMode7_Key.data(), kMode7_Key.size(), nullptr);
    EVP_MAC_update(mac_ctx, input, sizeof input);
    EVP_MAC_final(mac_ctx, derived, &length, sizeof derived);
    uint8_t data[32];
    std::copy(kMode7 + 36, kMode7 + 68, data);
    const uint8_t iv[16] = {};
    Cbc(derived, iv, data, sizeof data);
    if (data[0] != 0x2F || data[1] != 0x2F) throw std::runtime_error("mode-7 baseline: wrong plain text");
  }
};

bool Check(const char* mode, Decoding& decoding, void (Bare::*bare_once)(), Bare& bare) {
  const auto [decode, baseline] = bench_support::Fastest_Alternating(
      [&] {
        for (int i = 0; i < kFrames_Per_Round; ++i) decoding.Once();
      },
      [&] {
        for (int i = 0; i < kFrames_Per_Round; ++i) (bare.*bare_once)();
      },
      kRounds);
  const double us = 1e6 / kFrames_Per_Round;
  return bench_support::Report_Goal(std::string("wireless ") + mode + " decode vs bare OpenSSL (us per frame)",
                                    decode * us, baseline * us, 2.0);
}

}  // namespace

int main() {
  Bare bare;
  Decoding mode5(kMode5, sizeof kMode5, kMode5_Key);
  Decoding mode7(kMode7, sizeof kMode7, kMode7_Key);
  const bool ok5 = Check("mode 5", mode5, &Bare::Mode5, bare);
  const bool ok7 = Check("mode 7", mode7, &Bare::Mode7, bare);
  return ok5 && ok7 ? 0 : 1;
}
