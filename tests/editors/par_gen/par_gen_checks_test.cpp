#include "editors/par_gen/par_gen_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Check_Row {
  std::string name;
  int type;
  std::function<void(Par_Gen_Settings&)> edit;
  int expected;  // language text of the first failing field; 0 when all pass
};

void PrintTo(const Check_Row& row, std::ostream* os) { *os << row.name; }

class ParGenChecks : public testing::TestWithParam<Check_Row> {};

TEST_P(ParGenChecks, FirstFailingFieldGivesItsText) {
  const Check_Row& row = GetParam();
  Par_Gen_Settings s;
  row.edit(s);
  const std::optional<int> failed = Check_Par_Gen(s, row.type);
  EXPECT_EQ(failed.value_or(0), row.expected);
}

using S = Par_Gen_Settings;

INSTANTIATE_TEST_SUITE_P(Rows, ParGenChecks,
                         testing::Values(
                             // The defaults of every type pass.
                             Check_Row{"type1_defaults", 1, [](S&) {}, 0}, Check_Row{"type2_defaults", 2, [](S&) {}, 0},
                             Check_Row{"type3_defaults", 3, [](S&) {}, 0}, Check_Row{"type4_defaults", 4, [](S&) {}, 0},
                             Check_Row{"type5_defaults", 5, [](S&) {}, 0}, Check_Row{"type6_defaults", 6, [](S&) {}, 0},
                             // DeviceNet: its own fields first, then M-Bus.
                             Check_Row{"dn_id_64", 1, [](S& s) { s.DN_ID = "64"; }, 450},
                             Check_Row{"dn_id_hex_3F", 1, [](S& s) { s.DN_ID = "0x3F"; }, 0},
                             Check_Row{"dn_id_and_bytes_bad", 1,
                                       [](S& s) {
                                         s.DN_ID = "x";
                                         s.DN_NB_IN = "456";
                                       },
                                       450},
                             Check_Row{"dn_bytes_456", 1, [](S& s) { s.DN_NB_IN = "456"; }, 451},
                             Check_Row{"dn_ignores_ethernet", 1, [](S& s) { s.Eth_IP[0] = "999"; }, 0},
                             Check_Row{"dn_then_mbus_delay", 1, [](S& s) { s.Meter_Req_Delay = "65536"; }, 465},
                             // Ethernet texts: EtherNet/IP for types 2 and 4, Ethernet for 3 and 6.
                             Check_Row{"t2_ip1", 2, [](S& s) { s.Eth_IP[0] = "256"; }, 452},
                             Check_Row{"t2_sm4", 2, [](S& s) { s.Eth_SM[3] = "-1"; }, 459},
                             Check_Row{"t4_ip3", 4, [](S& s) { s.Eth_IP[2] = ""; }, 454},
                             Check_Row{"t3_ip3_while_hidden", 3,
                                       [](S& s) {
                                         s.Hardware_Type = 0;
                                         s.Eth_IP[2] = "300";
                                       },
                                       492},
                             Check_Row{"t6_sm1", 6, [](S& s) { s.Eth_SM[0] = "abc"; }, 494},
                             Check_Row{"ip_before_mask", 6,
                                       [](S& s) {
                                         s.Eth_SM[0] = "abc";
                                         s.Eth_IP[3] = "256";
                                       },
                                       493},
                             // Gateway bytes only while the gateway is in use.
                             Check_Row{"t2_gateway_off_any", 2, [](S& s) { s.Eth_GAT[0] = "bad"; }, 0},
                             Check_Row{"t2_gateway_on_g1", 2,
                                       [](S& s) {
                                         s.Eth_EN_GAT = true;
                                         s.Eth_GAT[0] = "bad";
                                       },
                                       460},
                             Check_Row{"t6_gateway_on_g3", 6,
                                       [](S& s) {
                                         s.Eth_EN_GAT = true;
                                         s.Eth_GAT[2] = "256";
                                       },
                                       1400},
                             Check_Row{"t3_gateway_on_g4", 3,
                                       [](S& s) {
                                         s.Eth_EN_GAT = true;
                                         s.Eth_GAT[3] = "256";
                                       },
                                       1401},
                             Check_Row{"t3_gateway_on_g2", 3,
                                       [](S& s) {
                                         s.Eth_EN_GAT = true;
                                         s.Eth_GAT[1] = "256";
                                       },
                                       499},
                             // The EtherNet/IP byte count belongs to types 2 and 4 only.
                             Check_Row{"t2_bytes_497", 2, [](S& s) { s.Eth_NumByte_OUT = "497"; }, 464},
                             Check_Row{"t4_bytes_496", 4, [](S& s) { s.Eth_NumByte_OUT = "496"; }, 0},
                             Check_Row{"t6_bytes_not_checked", 6, [](S& s) { s.Eth_NumByte_OUT = "497"; }, 0},
                             Check_Row{"t2_bytes_before_mbus", 2,
                                       [](S& s) {
                                         s.Eth_NumByte_OUT = "497";
                                         s.Meter_Req_Delay = "x";
                                       },
                                       464},
                             // M-Bus: type 4 only with its wired port present, type 5 always.
                             Check_Row{"t4_not_present_bad_delay", 4,
                                       [](S& s) {
                                         s.Sel_Dev_MBus_Present = 0;
                                         s.Meter_Req_Delay = "x";
                                       },
                                       0},
                             Check_Row{"t4_present_bad_delay", 4,
                                       [](S& s) {
                                         s.Sel_Dev_MBus_Present = 1;
                                         s.Meter_Req_Delay = "x";
                                       },
                                       465},
                             Check_Row{"t5_not_present_bad_delay", 5,
                                       [](S& s) {
                                         s.Sel_Dev_MBus_Present = 0;
                                         s.Meter_Req_Delay = "x";
                                       },
                                       465},
                             Check_Row{"node_state_0xFF", 6, [](S& s) { s.Meter_NS_Error_Code = "0xFF"; }, 0},
                             Check_Row{"node_state_256", 3, [](S& s) { s.Meter_NS_Error_Code = "256"; }, 466},
                             Check_Row{"delay_65535", 2, [](S& s) { s.Meter_Req_Delay = "65535"; }, 0},
                             // PROFINET.
                             Check_Row{"t5_ip1", 5, [](S& s) { s.PROFINET_IP[0] = "256"; }, 1416},
                             Check_Row{"t5_sm4", 5, [](S& s) { s.PROFINET_SM[3] = "256"; }, 1423},
                             Check_Row{"t5_gateway_off", 5, [](S& s) { s.PROFINET_GAT[3] = "256"; }, 0},
                             Check_Row{"t5_gateway_on_g4", 5,
                                       [](S& s) {
                                         s.PROFINET_EN_GAT = true;
                                         s.PROFINET_GAT[3] = "256";
                                       },
                                       1427},
                             Check_Row{"t5_bytes_0", 5, [](S& s) { s.PROFINET_NB_OUT = "0"; }, 1428},
                             Check_Row{"t5_bytes_1439", 5, [](S& s) { s.PROFINET_NB_OUT = "1439"; }, 0},
                             Check_Row{"t5_auto_count_1440", 5,
                                       [](S& s) {
                                         s.PROFINET_AUTO_CALC_BYTE = true;
                                         s.PROFINET_NB_OUT = "1440";
                                       },
                                       1428},
                             Check_Row{"t5_ignores_ethernet", 5, [](S& s) { s.Eth_IP[0] = "256"; }, 0},
                             Check_Row{"t5_mbus_before_profinet", 5,
                                       [](S& s) {
                                         s.Meter_NS_Error_Code = "-1";
                                         s.PROFINET_IP[0] = "256";
                                       },
                                       466},
                             // CANopen.
                             Check_Row{"t6_id_0", 6, [](S& s) { s.CAN_ID_DEV = "0"; }, 1444},
                             Check_Row{"t6_id_127", 6, [](S& s) { s.CAN_ID_DEV = "127"; }, 0},
                             Check_Row{"t6_ip_before_id", 6,
                                       [](S& s) {
                                         s.Eth_IP[0] = "256";
                                         s.CAN_ID_DEV = "0";
                                       },
                                       490},
                             Check_Row{"t6_delay_unchecked_any", 6, [](S& s) { s.CAN_DELAY = "x"; }, 0},
                             Check_Row{"t6_delay_checked_256", 6,
                                       [](S& s) {
                                         s.CAN_NET_OPE = true;
                                         s.CAN_DELAY = "256";
                                       },
                                       1445},
                             Check_Row{"t6_sdo_0", 6, [](S& s) { s.CAN_SDO_TIMEOUT = "0"; }, 1446},
                             Check_Row{"t6_sdo_max", 6, [](S& s) { s.CAN_SDO_TIMEOUT = "100000000"; }, 0},
                             Check_Row{"t6_sdo_over", 6, [](S& s) { s.CAN_SDO_TIMEOUT = "100000001"; }, 1446},
                             // The sync row is never shown, so a stored bad value cannot block OK.
                             Check_Row{"t6_sync_on_bad_time", 6,
                                       [](S& s) {
                                         s.CANopen_Enable_Sync = true;
                                         s.CANopen_Sync_Time = "4000001";
                                       },
                                       0},
                             // Lists and PROFIBUS fields are never checked.
                             Check_Row{"t3_profibus_free", 3,
                                       [](S& s) {
                                         s.PROFI_ID = "999";
                                         s.PROFI_NB_IN = "abc";
                                         s.PROFI_NB_OUT = "";
                                         s.Working_mode = -1;
                                       },
                                       0}),
                         [](const testing::TestParamInfo<Check_Row>& info) { return info.param.name; });

}  // namespace
