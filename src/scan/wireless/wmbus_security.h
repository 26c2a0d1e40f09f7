#pragma once
// Decryption of wireless M-Bus frames in OMS security modes 5 and 7.
//
// Frame bytes (from the L field, without block CRCs; multi-byte fields little-endian):
//   0 L, 1 C, 2-3 manufacturer, 4-7 identification number, 8 version, 9 device type,
//   10 CI. With CI 8C (extended link layer): 11 CC, 12 ACC, 13 inner CI.
//
// Mode 5 behind CI 8C with inner CI 7A (short transport header):
//   14 access number, 15 status, 16-17 configuration word; 16 with its low nibble
//   cleared is the encrypted length; the encrypted blocks start at 18.
//   IV = bytes 2..9 followed by the access number eight times. AES-128-CBC.
//
// Mode 7 behind CI 8C with inner CI 90 (authentication and fragmentation layer):
//   14 AFLL, 15-16 FCL, then by FCL bit and in this order: MCL (bit 13, 1 byte, low
//   nibble the authentication type AT), key information (bit 9, 2), message counter
//   MCR (bit 11, 4), MAC (bit 10, length by AT), message length (bit 12, 2).
//   Then 7A, access number, status, configuration word (2), configuration field
//   extension (1); the payload follows (4 bytes later when bit 5 of the word's high
//   byte is set) and is 16 times the high nibble of the word's low byte long.
//   Key = AES-CMAC(meter key, 00 | MCR | bytes 4..7 | 07 x 7); AES-128-CBC, IV zero.
#include <cstdint>

#include "scan/wireless/wmbus_crypto.h"

namespace wmbus_security {

enum class Outcome {
  Not_Applicable,  // the frame does not have this mode's layout: decode it as it stands
  Undecrypted,     // the layout was recognised but nothing could be decrypted
  Decrypted,       // the plain text has been written back into the frame
  Wrong_Key,       // mode 7 only: the plain text failed its check; the frame was not changed
};

// Whether the frame asks for mode-5 decryption (layout and flags only, no key needed).
bool Is_Mode5(const uint8_t* frame, int frame_len);
// Whether the frame asks for mode-7 decryption.
bool Is_Mode7(const uint8_t* frame, int frame_len);

// Decrypts a mode-5 frame in place. Blocks that would run past frame_len are not touched.
Outcome Decrypt_Mode5(uint8_t* frame, int frame_len, const wmbus_crypto::Block& key);

// Decrypts a mode-7 frame in place; a plain text that does not begin with 2F 2F is
// not written back (Wrong_Key). An AFL without message counter derives the key
// with four zero counter bytes.
Outcome Decrypt_Mode7(uint8_t* frame, int frame_len, const wmbus_crypto::Block& key);

// The mode-7 encryption key of a meter key, a message counter and an identification number.
bool Derive_Mode7_Key(const wmbus_crypto::Block& key, const uint8_t mcr[4], const uint8_t id[4],
                      wmbus_crypto::Block& derived);

}  // namespace wmbus_security
