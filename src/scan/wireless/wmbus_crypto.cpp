#include "scan/wireless/wmbus_crypto.h"

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

// One context of each kind per thread, re-keyed for every frame: a context costs
// allocations of its own that would otherwise dominate a two-block decryption.
EVP_CIPHER_CTX* Cipher_Context() {
  thread_local std::unique_ptr<EVP_CIPHER_CTX, Cipher_Ctx_Free> ctx(EVP_CIPHER_CTX_new());
  return ctx.get();
}

// The block cipher is named once: naming it at every key fetches it again by name.
EVP_MAC_CTX* New_Mac_Context() {
  if (Mac() == nullptr) return nullptr;
  EVP_MAC_CTX* ctx = EVP_MAC_CTX_new(Mac());
  char cipher_name[] = "AES-128-CBC";
  const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, cipher_name, 0),
                               OSSL_PARAM_construct_end()};
  if (ctx != nullptr && EVP_MAC_CTX_set_params(ctx, params) != 1) {
    EVP_MAC_CTX_free(ctx);
    return nullptr;
  }
  return ctx;
}

EVP_MAC_CTX* Mac_Context() {
  thread_local std::unique_ptr<EVP_MAC_CTX, Mac_Ctx_Free> ctx(New_Mac_Context());
  return ctx.get();
}

}  // namespace

bool Aes_Cbc_Decrypt(const Block& key, const Block& iv, uint8_t* data, size_t n) {
  if (n % 16 != 0 || (n > 0 && data == nullptr) || n > 0x7FFFFFF0u) return false;
  if (n == 0) return true;
  if (Cipher() == nullptr) return false;
  EVP_CIPHER_CTX* ctx = Cipher_Context();
  if (ctx == nullptr) return false;
  if (EVP_DecryptInit_ex2(ctx, Cipher(), key.data(), iv.data(), nullptr) != 1) return false;
  // The frames carry whole blocks without any padding.
  EVP_CIPHER_CTX_set_padding(ctx, 0);
  int written = 0;
  if (EVP_DecryptUpdate(ctx, data, &written, data, static_cast<int>(n)) != 1) return false;
  int tail = 0;
  if (EVP_DecryptFinal_ex(ctx, data + written, &tail) != 1) return false;
  return static_cast<size_t>(written + tail) == n;
}

bool Aes_Cmac(const Block& key, const uint8_t* data, size_t n, Block& mac) {
  if (n > 0 && data == nullptr) return false;
  if (Mac() == nullptr) return false;
  EVP_MAC_CTX* ctx = Mac_Context();
  if (ctx == nullptr) return false;
  if (EVP_MAC_init(ctx, key.data(), key.size(), nullptr) != 1) return false;
  if (n > 0 && EVP_MAC_update(ctx, data, n) != 1) return false;
  size_t length = 0;
  if (EVP_MAC_final(ctx, mac.data(), &length, mac.size()) != 1) return false;
  return length == mac.size();
}

}  // namespace wmbus_crypto
