#include "outputs/compiler/canopen_param_record.h"

#include <cstring>

#include "outputs/compiler/canopen_object_tables.h"

void CANopen_Param_Record::Init_CANopen_Parameters() {
  bytes_.fill(0);
  Set_U32(kCAN_Bit_Rate, 250000);
  Set_U32(kCAN_Bit_Rate_Copy, 250000);
  Set_U32(0x008, 9600);
  Set_IPv4(kIP_Address, 192, 168, 0, 5);
  Set_IPv4(kSubnet_Mask, 255, 255, 255, 0);
  Set_IPv4(kGateway, 255, 255, 255, 255);
  Set_U16(0x034, 10000);
  Set_U8(0x03B, 1);
  Set_U32(0x03C, 9600);
  Set_IPv4(0x048, 192, 168, 0, 10);
  Set_U8(0x20E, 1);
  Set_U8(kFixed_211, 1);
  Set_U8(0x214, 8);
  Set_U8(kFixed_217, 8);
  Set_U8(0x23A, 191);
  Set_U8(0x24E, 1);
  Set_U32(0x254, CANopen_Object_Tables::Load_Address(0));
  Set_U32(0x258, 120000);
}

void CANopen_Param_Record::Set_Pass_Fixed_Values() {
  Set_U32(0x1F8, 19200);
  Set_U8(0x210, 1);
  Set_U8(0x216, 8);
  Set_U8(0x248, 3);
  Set_U8(0x249, 5);
  Set_U8(0x24A, 5);
}

void CANopen_Param_Record::Set_U8(int offset, uint32_t value) { bytes_.at(offset) = static_cast<uint8_t>(value); }

void CANopen_Param_Record::Set_U16(int offset, uint32_t value) {
  Set_U8(offset, value & 0xFF);
  Set_U8(offset + 1, (value >> 8) & 0xFF);
}

void CANopen_Param_Record::Set_U32(int offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) Set_U8(offset + i, (value >> (8 * i)) & 0xFF);
}

void CANopen_Param_Record::Set_IPv4(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  Set_U8(offset, a);
  Set_U8(offset + 1, b);
  Set_U8(offset + 2, c);
  Set_U8(offset + 3, d);
}

uint32_t CANopen_Param_Record::U32(int offset) const {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_.at(offset + i);
  return value;
}

uint32_t CANopen_Param_Record::Byte_Sum() const {
  uint32_t sum = 0;
  for (int i = 0; i < kSum_Offset; ++i) sum += bytes_[i];
  return sum;
}

void CANopen_Param_Record::Write_CANopen_Parameters(Bank_Buffer& buffer) {
  Set_U32(kSum_Offset, Byte_Sum());
  buffer.Append(reinterpret_cast<const char*>(bytes_.data()), kSize);
}

uint32_t CAN_Bit_Rate(int32_t position) {
  static constexpr uint32_t kRates[] = {10000, 20000, 50000, 100000, 125000, 250000, 500000, 800000};
  return position >= 0 && position < 8 ? kRates[position] : 1000000;
}

uint32_t MBus_Baud_Rate(int32_t position) {
  static constexpr uint32_t kRates[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400};
  return position >= 0 && position < 8 ? kRates[position] : 2400;
}

uint8_t MBus_Parity_Code(int32_t position) {
  const uint8_t list_position = static_cast<uint8_t>(position & 0xFF);
  if (list_position == 1) return 2;
  if (list_position == 2) return 1;
  return list_position;
}
