#pragma once
#include <array>
#include <cstdint>

#include "outputs/compiler/bank_buffer.h"

// The wireless meter key table of the wireless gateways: one entry per
// wireless meter of the node image, in the order of its wireless node table.
// The number of entries in use is byte 0x234 of the gateway parameter record.
//
// Key table block (bank1.bin at 2048, right after the parameter block):
// 32 entries of 32 bytes, 1024 bytes, no check value. Entry (little-endian):
//   0   2   manufacturer code        2   4   wireless address
//   6   1   version                  7   1   device type
//   8   16  key bytes 1 to 16 (all 0 when the key is not enabled)
//   24  1   key enable               25  7   0
struct wMBus_Key_Entry {
  uint16_t Manufacturer = 0;
  uint32_t Address = 0;
  uint8_t Version = 0;
  uint8_t Device_Type = 0;
  std::array<uint8_t, 16> Key{};
  uint8_t Key_Enable = 0;
};

class wMBus_Key_Table {
 public:
  static constexpr int kEntries = 32;
  static constexpr int kEntry_Size = 32;

  void Clear_wMBus_Key_Table() { entries_.fill(wMBus_Key_Entry{}); }
  wMBus_Key_Entry& Entry(int index) { return entries_.at(index); }
  const wMBus_Key_Entry& Entry(int index) const { return entries_.at(index); }
  // Appends the 1024-byte block.
  void Write_wMBus_Key_Table(Bank_Buffer& buffer) const;

 private:
  std::array<wMBus_Key_Entry, kEntries> entries_{};
};
