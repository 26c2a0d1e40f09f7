#pragma once
#include <array>
#include <cstdint>

#include "outputs/compiler/bank_buffer.h"

// The 2048-byte parameter record of the M-Bus / CANopen gateway, the head of
// bank1.bin. Multi-byte fields are unsigned little-endian; an IPv4 address is
// four bytes, first octet first. Every byte not listed is reserved and 0.
//
//   0x000  4  CAN bit rate (bit/s)               default 250000
//   0x004  4  CAN bit rate, second copy           default 250000
//   0x008  4  fixed 9600
//   0x028  4  IPv4 address                        default 192.168.0.5
//   0x02C  4  subnet mask                         default 255.255.255.0
//   0x030  4  default gateway                     default 255.255.255.255
//   0x034  2  fixed 10000
//   0x036  2  10001 with ParGen.xml               default 0
//   0x038  2  10001 with ParGen.xml               default 0
//   0x03B  1  fixed 1
//   0x03C  4  fixed 9600
//   0x048  4  fixed IPv4 address 192.168.0.10
//   0x194  4  CANopen node ID                     default 0
//   0x198  4  start-up flags: bit 0 operational, bit 1 network start
//   0x19C  4  network start delay (ms)            default 0
//   0x1A0  4  SDO client time-out, as entered     default 0
//   0x1A4 24  entry counts of the six object tables
//   0x1D8 24  load addresses of the six object tables
//   0x1F8  4  fixed 19200 (set by the parameter pass, default 0)
//   0x1FC  4  M-Bus baud rate (bit/s)             default 0
//   0x20B  1  M-Bus parity: 0 none, 1 odd, 2 even
//   0x20E  1  fixed 1
//   0x210  1  fixed 1 (set by the parameter pass, default 0)
//   0x211  1  0 with ParGen.xml                   default 1
//   0x214  1  fixed 8
//   0x216  1  fixed 8 (set by the parameter pass, default 0)
//   0x217  1  fixed 8
//   0x234  1  number of wireless nodes
//   0x23A  1  fixed 191
//   0x248  3  fixed 3, 5, 5 (set by the parameter pass, default 0)
//   0x24E  1  fixed 1
//   0x254  4  fixed 0x68800 (the load address of table 0)
//   0x258  4  fixed 120000
//   0x7FC  4  byte sum of offsets 0x000 to 0x7FB, each an unsigned byte
class CANopen_Param_Record {
 public:
  static constexpr int kSize = 2048;
  static constexpr int kSum_Offset = 0x7FC;

  enum Offset : int {
    kCAN_Bit_Rate = 0x000,
    kCAN_Bit_Rate_Copy = 0x004,
    kIP_Address = 0x028,
    kSubnet_Mask = 0x02C,
    kGateway = 0x030,
    kPort_A = 0x036,
    kPort_B = 0x038,
    kCAN_Node_ID = 0x194,
    kStart_Up_Flags = 0x198,
    kNetwork_Start_Delay = 0x19C,
    kSDO_Timeout = 0x1A0,
    kTable_Counts = 0x1A4,
    kTable_Load_Addresses = 0x1D8,
    kMBus_Baud_Rate = 0x1FC,
    kMBus_Parity = 0x20B,
    kFixed_211 = 0x211,
    kFixed_217 = 0x217,
    kWireless_Nodes = 0x234,
  };

  CANopen_Param_Record() { Init_CANopen_Parameters(); }

  // Every byte to its default (the byte sum excepted, which is left 0).
  void Init_CANopen_Parameters();
  // The fixed values that the parameter pass of every compile sets.
  void Set_Pass_Fixed_Values();

  void Set_U8(int offset, uint32_t value);
  void Set_U16(int offset, uint32_t value);
  void Set_U32(int offset, uint32_t value);
  void Set_IPv4(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d);
  uint32_t U32(int offset) const;
  uint8_t U8(int offset) const { return bytes_.at(offset); }

  uint32_t Byte_Sum() const;
  // Stores the byte sum at 0x7FC and appends the 2048 bytes to `buffer`.
  void Write_CANopen_Parameters(Bank_Buffer& buffer);

  const std::array<uint8_t, kSize>& Bytes() const { return bytes_; }

 private:
  std::array<uint8_t, kSize> bytes_{};
};

// CAN_BAUD list position to bit/s; 8 and any other number give 1000000.
uint32_t CAN_Bit_Rate(int32_t position);
// Meter_Baud list position to bit/s; any other number gives 2400.
uint32_t MBus_Baud_Rate(int32_t position);
// Meter_Par list position (NONE, EVEN, ODD) to the record's code (0 none, 2 even, 1 odd).
uint8_t MBus_Parity_Code(int32_t position);
