#pragma once
#include <array>
#include <cstdint>

#include "outputs/compiler/bank_buffer.h"

// The parameter records of the M-Bus gateways with a fieldbus of their own
// (EtherNet/IP, PROFIBUS, wireless with EtherNet/IP or PROFINET) and the
// 2048-byte parameter blocks they are written as.
//
// Parameter block (both kinds), written at the buffer's end:
//   0     2044  the record's bytes in record order (Ethernet: 132 bytes, then 0)
//   2044  4     block sum: the 2044 bytes before it added as unsigned bytes
//
// Gateway_Param_Record (2048 bytes, bank1.bin): the layout and defaults of the
// CANopen gateway's record (canopen_param_record.h) with 192 at 0x03B. The
// fields these devices use besides the defaults (little-endian):
//   0x028  4×1  IPv4 address                 0x02C  4×1  subnet mask
//   0x030  4×1  default gateway, 255.255.255.255 when the gateway is disabled
//   0x036  2    port (44818, 10001 PROFIBUS, 34964 PROFINET), 0x038 the same
//   0x03B  1    0x80, the node image's format byte
//   0x158  16   PROFINET station name, one byte per character
//   0x168  4    fieldbus byte count         0x16C  4  PROFIBUS output byte count
//   0x1F8  4    19200 (wireless)             0x1FC  4  M-Bus bit rate (bit/s)
//   0x20A  1    0 (wireless)                 0x20B  1  M-Bus parity: 0 none, 2 even, 3 odd
//   0x210  1    1 (wireless)                 0x216  1  8 (wireless)
//   0x234  1    number of wireless meters    0x238  1  wireless M-Bus mode code
//   0x246  1    radio channel position       0x248  3  3, 5, 5 (wireless)
//   0x254  4    0x68800
//   0x2DC  4×1  PROFIBUS station address, module per variable, M-Bus transmit, working mode
//
// Ethernet_Param_Record (132 bytes, head of bank.bin of the EtherNet/IP
// gateway); defaults 0 but for the fields shown:
//   0x0C  4  M-Bus bit rate (bit/s)          0x12  2  Meter_Par list position
//   0x14  4  1                               0x28  4×1  IPv4 address (192.168.2.205)
//   0x2C  4×1  subnet mask (255.255.255.0)   0x30  4×1  default gateway (255.255.255.255)
//   0x34  2  10000                           0x36  2  44818, 0x38 the same
//   0x3A  2  0x80, the node image's format byte
//   0x3C  4  M-Bus bit rate (bit/s)          0x42  2  M-Bus parity code
//   0x44  4  1                               0x74  4  EtherNet/IP byte count

template <int N>
class Byte_Record {
 public:
  static constexpr int kSize = N;

  void Set_U8(int offset, uint32_t value) { bytes_.at(offset) = static_cast<uint8_t>(value); }
  void Set_U16(int offset, uint32_t value) {
    for (int i = 0; i < 2; ++i) Set_U8(offset + i, (value >> (8 * i)) & 0xFF);
  }
  void Set_U32(int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) Set_U8(offset + i, (value >> (8 * i)) & 0xFF);
  }
  void Set_IPv4(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    Set_U8(offset, a);
    Set_U8(offset + 1, b);
    Set_U8(offset + 2, c);
    Set_U8(offset + 3, d);
  }
  uint8_t U8(int offset) const { return bytes_.at(offset); }
  uint32_t U16(int offset) const { return U8(offset) | (uint32_t{U8(offset + 1)} << 8); }
  uint32_t U32(int offset) const { return U16(offset) | (U16(offset + 2) << 16); }
  const std::array<uint8_t, N>& Bytes() const { return bytes_; }

 protected:
  std::array<uint8_t, N> bytes_{};
};

class Gateway_Param_Record : public Byte_Record<2048> {
 public:
  enum Offset : int {
    kIP_Address = 0x028,
    kSubnet_Mask = 0x02C,
    kGateway = 0x030,
    kPort_A = 0x036,
    kPort_B = 0x038,
    kFormat_Byte = 0x03B,
    kStation_Name = 0x158,
    kFieldbus_Bytes = 0x168,
    kProfibus_Bytes_Out = 0x16C,
    kWireless_Fixed_1F8 = 0x1F8,
    kMBus_Baud_Rate = 0x1FC,
    kWireless_Fixed_20A = 0x20A,
    kMBus_Parity = 0x20B,
    kWireless_Fixed_210 = 0x210,
    kWireless_Fixed_216 = 0x216,
    kWireless_Meters = 0x234,
    kWireless_Mode = 0x238,
    kRadio_Channel = 0x246,
    kWireless_Fixed_248 = 0x248,
    kTable_Load_Address = 0x254,
    kProfibus_ID = 0x2DC,
    kProfibus_GSD = 0x2DD,
    kProfibus_Enable_TX = 0x2DE,
    kProfibus_Working_Mode = 0x2DF,
  };
  static constexpr int kStation_Name_Size = 16;
  static constexpr uint32_t kTable_Load_Address_Value = 0x68800;

  Gateway_Param_Record() { Init_Gateway_Parameters(); }
  void Init_Gateway_Parameters();
  // Appends the 2048-byte gateway parameter block.
  void Write_Gateway_Parameters(Bank_Buffer& buffer) const;
};

class Ethernet_Param_Record : public Byte_Record<132> {
 public:
  enum Offset : int {
    kMBus_Baud_Rate = 0x0C,
    kMBus_Parity_Position = 0x12,
    kIP_Address = 0x28,
    kSubnet_Mask = 0x2C,
    kGateway = 0x30,
    kPort_A = 0x36,
    kPort_B = 0x38,
    kFormat_Field = 0x3A,
    kMBus_Baud_Rate_Copy = 0x3C,
    kMBus_Parity = 0x42,
    kEtherNetIP_Bytes = 0x74,
  };

  Ethernet_Param_Record() { Init_Ethernet_Parameters(); }
  void Init_Ethernet_Parameters();
  // Appends the 2048-byte Ethernet parameter block.
  void Write_Ethernet_Parameters(Bank_Buffer& buffer) const;
};

// Meter_Par list position to these devices' parity code: 0 stays 0, any other p gives
// p + 1 (so NONE, EVEN, ODD give 0, 2, 3).
uint8_t Gateway_Parity_Code(uint8_t position);
// wMBus_Mode list position (S, T, N1, N2, C) to the radio module's mode code; any other gives 1 (S).
uint8_t wMBus_Mode_Code(int32_t position);
