#pragma once
// The simulated M-Bus line behind the gateway: scripted meters that answer the frames
// a master sends, as EN 13757-2 link-layer slaves do.
//
// Frames understood (CS is the 8-bit sum of the bytes it covers):
//   SND_NKE          10 40 A CS 16          -> E5 from the addressed meter(s); resets its FCB
//   REQ_UD2          10 5B|7B A CS 16       -> the meter's current telegram; a toggled FCB moves
//                                              it to its next telegram, a repeated FCB repeats
//   application reset 68 03 03 68 C A 50 CS 16      -> E5
//   select           68 0B 0B 68 C FD 52 ID(4) M(2) V Med CS 16
//                                           -> E5 when exactly one meter matches the BCD
//                                              pattern (nibble F is a wildcard); it becomes
//                                              the selected meter (address 253)
// Address 253 is the selected meter, 254 every meter, 255 a broadcast nobody answers.
// Several meters answering at once give a garbled answer; no answer is empty.
#include <cstdint>
#include <string>
#include <vector>

#include "meter_script.h"

namespace gateway_sim {

class MBus_Line {
 public:
  explicit MBus_Line(std::vector<Scripted_Meter> meters);

  struct Answer {
    std::string bytes;  // empty: no meter answered
    int delay_ms = 0;
  };
  Answer Handle_Frame(const std::string& frame);

  // Bytes the simulator sends for two or more meters answering at once.
  static const std::string& Collision_Bytes();

 private:
  struct Meter {
    Scripted_Meter script;
    bool selected = false;
    size_t next = 0;
    int last_fcb = -1;
  };

  std::vector<Meter*> Addressed(int address);
  Answer Answer_Of(const std::vector<Meter*>& meters, bool telegram, int fcb);
  bool Matches(const Meter& meter, const uint8_t* id) const;

  std::vector<Meter> meters_;
};

}  // namespace gateway_sim
