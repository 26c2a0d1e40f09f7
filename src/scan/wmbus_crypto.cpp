#include "scan/wmbus_crypto.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <memory>

namespace wmbus_crypto {
namespace {

// Fetching an algorithm walks the provider tables; frames arrive continuously, so
// the algorithms are fetched once and shared (fetched objects are thread-safe).
EVP_CIPHER* Cipher() {
  static EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, "AES-128-CBC", nullptr);
  return cipher;
}

EVP_MAC* Mac() {
  static EVP_MAC* mac = EVP_MAC_fetch(nullptr, "CMAC", nullptr);
  return mac;
}

struct Cipher_Ctx_Free {
  void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
struct Mac_Ctx_Free {
  void operator()(EVP_MAC_CTX* ctx) const { EVP_MAC_CTX_free(ctx); }
};

}  // namespace

bool Aes_Cbc_Decrypt(const Block& key, const Block& iv, uint8_t* data, size_t n) {
  if (n % 16 != 0 || (n > 0 && data == nullptr) || n > 0x7FFFFFF0u) return false;
  if (n == 0) return true;
  if (Cipher() == nullptr) return false;
  std::unique_ptr<EVP_CIPHER_CTX, Cipher_Ctx_Free> ctx(EVP_CIPHER_CTX_new());
  if (!ctx) return false;
  if (EVP_DecryptInit_ex2(ctx.get(), Cipher(), key.data(), iv.data(), nullptr) != 1) return false;
  // The frames carry whole blocks without any padding.
  EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
  int written = 0;
  if (EVP_DecryptUpdate(ctx.get(), data, &written, data, static_cast<int>(n)) != 1) return false;
  int tail = 0;
  if (EVP_DecryptFinal_ex(ctx.get(), data + written, &tail) != 1) return false;
  return static_cast<size_t>(written + tail) == n;
}

bool Aes_Cmac(const Block& key, const uint8_t* data, size_t n, Block& mac) {
  if (n > 0 && data == nullptr) return false;
  if (Mac() == nullptr) return false;
  std::unique_ptr<EVP_MAC_CTX, Mac_Ctx_Free> ctx(EVP_MAC_CTX_new(Mac()));
  if (!ctx) return false;
  char cipher_name[] = "AES-128-CBC";
  const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, cipher_name, 0),
                               OSSL_PARAM_construct_end()};
  if (EVP_MAC_init(ctx.get(), key.data(), key.size(), params) != 1) return false;
  if (n > 0 && EVP_MAC_update(ctx.get(), data, n) != 1) return false;
  size_t length = 0;
  if (EVP_MAC_final(ctx.get(), mac.data(), &length, mac.size()) != 1) return false;
  return length == mac.size();
}

}  // namespace wmbus_crypto
