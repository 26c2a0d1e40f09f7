#pragma once
// Which wireless frames can be read, and where their data records begin.
//
// Byte numbers count from the L field of the frame after any decryption; the mode
// of a configuration byte is its low nibble. A frame is readable when one row holds:
//
//   CI at 10   inner CI       readable when                               records at
//   7A         -              mode(14) = 0, or 5 with 15-16 = 2F 2F       15
//   72         -              23-24 = 2F 2F                               23
//   8C         72 at 13       mode(25) = 0, or 5 with 26-27 = 2F 2F       26
//   8C         78 at 13       always                                      14
//   8C         7A at 13       mode(17) = 0, or 5 with 18-19 = 2F 2F       18
//   8C         90 at 13       21+AFLL and 22+AFLL = 2F 2F (AFLL = 14)     21 + AFLL
//   8D         72 at 19       mode(31) = 0, or 5 with 32-33 = 2F 2F       32
//   8D         78 at 19       always                                      20
//   8D         7A at 19       mode(23) = 0, or 5 with 24-25 = 2F 2F       24
//
// Every other frame is not readable, CI 8D with an AFL among them: its records
// would need the AFL walk of a layout this program never decrypts.
#include <cstdint>

namespace wmbus_readability {

// The position of the first data record, or -1 when the frame is not readable. A
// byte the rule needs that lies at or past frame_len makes the frame not readable.
int Records_Start(const uint8_t* frame, int frame_len);

}  // namespace wmbus_readability
