// The whole decoding of the mode-7 test frame (tests/data/wmbus-frames.md: AFL walk,
// CMAC key derivation, CBC decryption, records) against the bare OpenSSL work for the
// same frame: one AES-CMAC and one two-block AES-CBC decryption with fresh contexts.
// Target: Decode_Mode7 within twice Bare_OpenSSL (the "ratio" counter of Both).
#include <benchmark/benchmark.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <array>
#include <chrono>
#include <mutex>

#include "scan/wireless/wireless_frame_decoder.h"

namespace {

const uint8_t kFrame[] = {0x43, 0x44, 0x93, 0x15, 0x78, 0x56, 0x34, 0x12, 0x33, 0x03, 0x8C, 0x20, 0x75, 0x90,
                          0x0F, 0x00, 0x2C, 0x25, 0xB3, 0x0A, 0x00, 0x00, 0x21, 0x92, 0x4D, 0x4F, 0x2F, 0xB6,
                          0x6E, 0x01, 0x7A, 0x75, 0x00, 0x20, 0x07, 0x10, 0x90, 0x58, 0x47, 0x5F, 0x4B, 0xC9,
                          0x1D, 0xF8, 0x78, 0xB8, 0x0A, 0x1B, 0x0F, 0x98, 0xB6, 0x29, 0x02, 0x4A, 0xAC, 0x72,
                          0x79, 0x42, 0xBF, 0xC5, 0x49, 0x23, 0x3C, 0x01, 0x40, 0x82, 0x9B, 0x93, 0x00, 0x50};
const std::array<uint8_t, 16> kKey = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                      0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};

struct Decoding {
  TList_Slave_wMBus list;
  std::mutex lock;
  Wireless_Frame_Decoder decoder{list, lock};
  Decoding() {
    decoder.Decode_Wireless_Frame(kFrame, sizeof kFrame, rmTelit);
    list[0]->Enable_Key = true;
    list[0]->Key = kKey;
  }
  void Once() {
    if (decoder.Decode_Wireless_Frame(kFrame, sizeof kFrame, rmTelit) != Wireless_Frame_Result::Readable) {
      throw std::runtime_error("mode-7 frame not readable");
    }
  }
};

struct Bare {
  EVP_MAC* mac = EVP_MAC_fetch(nullptr, "CMAC", nullptr);
  EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, "AES-128-CBC", nullptr);
  ~Bare() {
    EVP_MAC_free(mac);
    EVP_CIPHER_free(cipher);
  }
  void Once() {
    uint8_t input[16] = {0x00, 0xB3, 0x0A, 0x00, 0x00, 0x78, 0x56, 0x34, 0x12, 7, 7, 7, 7, 7, 7, 7};
    uint8_t derived[16];
    size_t length = 0;
    char name[] = "AES-128-CBC";
    const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, name, 0),
                                 OSSL_PARAM_construct_end()};
    EVP_MAC_CTX* m = EVP_MAC_CTX_new(mac);
    EVP_MAC_init(m, kKey.data(), kKey.size(), params);
    EVP_MAC_update(m, input, sizeof input);
    EVP_MAC_final(m, derived, &length, sizeof derived);
    EVP_MAC_CTX_free(m);

    uint8_t data[32];
    std::copy(kFrame + 36, kFrame + 68, data);
    const uint8_t iv[16] = {};
    int out = 0;
    EVP_CIPHER_CTX* c = EVP_CIPHER_CTX_new();
    EVP_DecryptInit_ex2(c, cipher, derived, iv, nullptr);
    EVP_CIPHER_CTX_set_padding(c, 0);
    EVP_DecryptUpdate(c, data, &out, data, sizeof data);
    EVP_DecryptFinal_ex(c, data + out, &out);
    EVP_CIPHER_CTX_free(c);
    benchmark::DoNotOptimize(data);
  }
};

void Decode_Mode7(benchmark::State& state) {
  Decoding d;
  for (auto _ : state) d.Once();
}
BENCHMARK(Decode_Mode7);

void Bare_OpenSSL(benchmark::State& state) {
  Bare b;
  for (auto _ : state) b.Once();
}
BENCHMARK(Bare_OpenSSL);

// Both in the same run, interleaved, so that the ratio does not depend on the machine.
void Both(benchmark::State& state) {
  Decoding d;
  Bare b;
  using Clock = std::chrono::steady_clock;
  Clock::duration decode{}, bare{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    d.Once();
    const auto t1 = Clock::now();
    b.Once();
    decode += t1 - t0;
    bare += Clock::now() - t1;
  }
  state.counters["ratio"] =
      static_cast<double>(decode.count()) / static_cast<double>(std::max<Clock::rep>(bare.count(), 1));
}
BENCHMARK(Both);

}  // namespace

BENCHMARK_MAIN();
