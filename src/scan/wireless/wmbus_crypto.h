#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// AES-128 for wireless meter frames: CBC decryption without padding and AES-CMAC.
// Both return false when the cryptographic library fails; the data are then left
// in an unspecified state and must not be used.
namespace wmbus_crypto {

using Block = std::array<uint8_t, 16>;

// Decrypts n bytes in place; n must be a multiple of 16 (false otherwise).
bool Aes_Cbc_Decrypt(const Block& key, const Block& iv, uint8_t* data, size_t n);

// AES-CMAC of n bytes keyed with key.
bool Aes_Cmac(const Block& key, const uint8_t* data, size_t n, Block& mac);

}  // namespace wmbus_crypto
