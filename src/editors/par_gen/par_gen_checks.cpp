#include "editors/par_gen/par_gen_checks.h"

#include <cstdint>

#include "platform/number_entry.h"

namespace {

bool In_Range(const QString& text, int32_t low, int32_t high) {
  const int32_t value = Read_Number(text);
  return value >= low && value <= high;
}

// The four bytes of an address, 0..255 each, with one text per byte.
std::optional<int> Check_Address(const Par_Gen_Settings::Address& address, const int (&texts)[4]) {
  for (int i = 0; i < 4; ++i)
    if (!In_Range(address[i], 0, 255)) return texts[i];
  return std::nullopt;
}

std::optional<int> Check_Ethernet(const Par_Gen_Settings& s, int type) {
  // Types 2 and 4 speak of EtherNet/IP, types 3 and 6 of Ethernet.
  const bool ethernet_ip = type == 2 || type == 4;
  static const int kIP_EtherNetIP[4] = {452, 453, 454, 455};
  static const int kSM_EtherNetIP[4] = {456, 457, 458, 459};
  static const int kGAT_EtherNetIP[4] = {460, 461, 462, 463};
  static const int kIP_Ethernet[4] = {490, 491, 492, 493};
  static const int kSM_Ethernet[4] = {494, 495, 496, 497};
  static const int kGAT_Ethernet[4] = {498, 499, 1400, 1401};
  if (auto failed = Check_Address(s.Eth_IP, ethernet_ip ? kIP_EtherNetIP : kIP_Ethernet)) return failed;
  if (auto failed = Check_Address(s.Eth_SM, ethernet_ip ? kSM_EtherNetIP : kSM_Ethernet)) return failed;
  if (s.Eth_EN_GAT)
    if (auto failed = Check_Address(s.Eth_GAT, ethernet_ip ? kGAT_EtherNetIP : kGAT_Ethernet)) return failed;
  if (ethernet_ip && !In_Range(s.Eth_NumByte_OUT, 0, 496)) return 464;
  return std::nullopt;
}

std::optional<int> Check_MBus(const Par_Gen_Settings& s) {
  if (!In_Range(s.Meter_Req_Delay, 0, 65535)) return 465;
  if (!In_Range(s.Meter_NS_Error_Code, 0, 255)) return 466;
  return std::nullopt;
}

std::optional<int> Check_PROFINET(const Par_Gen_Settings& s) {
  static const int kIP[4] = {1416, 1417, 1418, 1419};
  static const int kSM[4] = {1420, 1421, 1422, 1423};
  static const int kGAT[4] = {1424, 1425, 1426, 1427};
  if (auto failed = Check_Address(s.PROFINET_IP, kIP)) return failed;
  if (auto failed = Check_Address(s.PROFINET_SM, kSM)) return failed;
  if (s.PROFINET_EN_GAT)
    if (auto failed = Check_Address(s.PROFINET_GAT, kGAT)) return failed;
  // Also when the count is automatic: a network needing more than the device
  // can hold must not reach the file unnoticed.
  if (!In_Range(s.PROFINET_NB_OUT, 1, 1439)) return 1428;
  return std::nullopt;
}

std::optional<int> Check_CANopen(const Par_Gen_Settings& s) {
  if (!In_Range(s.CAN_ID_DEV, 1, 127)) return 1444;
  if (s.CAN_NET_OPE && !In_Range(s.CAN_DELAY, 0, 255)) return 1445;
  if (!In_Range(s.CAN_SDO_TIMEOUT, 1, 100000000)) return 1446;
  return std::nullopt;
}

}  // namespace

std::optional<int> Check_Par_Gen(const Par_Gen_Settings& s, int type) {
  if (type == 1) {
    if (!In_Range(s.DN_ID, 0, 63)) return 450;
    if (!In_Range(s.DN_NB_IN, 0, 455)) return 451;
  }
  if (type == 2 || type == 3 || type == 4 || type == 6)
    if (auto failed = Check_Ethernet(s, type)) return failed;
  const bool wired_mbus = type != 4 || s.Sel_Dev_MBus_Present != 0;
  if (type >= 1 && type <= 6 && wired_mbus)
    if (auto failed = Check_MBus(s)) return failed;
  if (type == 5)
    if (auto failed = Check_PROFINET(s)) return failed;
  if (type == 6)
    if (auto failed = Check_CANopen(s)) return failed;
  return std::nullopt;
}
