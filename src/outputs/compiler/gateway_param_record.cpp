#include "outputs/compiler/gateway_param_record.h"

#include "outputs/compiler/canopen_param_record.h"

namespace {

// The block sum covers the 2044 bytes before it; the caller gives the record
// bytes and the block is padded with zeros up to them.
void Append_Parameter_Block(Bank_Buffer& buffer, const uint8_t* record, int record_size) {
  constexpr int kSummed = 2044;
  QByteArray block(kSummed, '\0');
  uint32_t sum = 0;
  for (int i = 0; i < record_size && i < kSummed; ++i) {
    block[i] = static_cast<char>(record[i]);
    sum += record[i];
  }
  buffer.Append(block);
  buffer.Append_U32(sum);
}

}  // namespace

void Gateway_Param_Record::Init_Gateway_Parameters() {
  // The same defaults as the CANopen gateway's record but for one byte.
  const CANopen_Param_Record defaults;
  bytes_ = defaults.Bytes();
  Set_U8(kFormat_Byte, 192);
}

void Gateway_Param_Record::Write_Gateway_Parameters(Bank_Buffer& buffer) const {
  Append_Parameter_Block(buffer, bytes_.data(), kSize);
}

void Ethernet_Param_Record::Init_Ethernet_Parameters() {
  bytes_.fill(0);
  Set_U32(0x14, 1);
  Set_U32(0x44, 1);
  Set_IPv4(kIP_Address, 192, 168, 2, 205);
  Set_IPv4(kSubnet_Mask, 255, 255, 255, 0);
  Set_IPv4(kGateway, 255, 255, 255, 255);
  Set_U16(0x34, 10000);
}

void Ethernet_Param_Record::Write_Ethernet_Parameters(Bank_Buffer& buffer) const {
  Append_Parameter_Block(buffer, bytes_.data(), kSize);
}

uint8_t Gateway_Parity_Code(uint8_t position) { return position == 0 ? 0 : static_cast<uint8_t>(position + 1); }

uint8_t wMBus_Mode_Code(int32_t position) {
  static constexpr uint8_t kCodes[] = {1, 5, 15, 17, 11};
  return position >= 0 && position < 5 ? kCodes[position] : 1;
}
