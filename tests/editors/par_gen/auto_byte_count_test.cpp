#include "editors/par_gen/auto_byte_count.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/config_document.h"
#include "platform/xml_document.h"
#include "support/temp_dir.h"

namespace {

int32_t Count_Text(const QByteArray& text) {
  Temp_Dir dir;
  return Calcolate_Byte_Used_in_MBus_Configuration(dir.Write("M_Bus.xml", text));
}

// One node with the given attributes holding one variable with the given ones.
QByteArray One_Variable(const char* node, const char* variable) {
  return QByteArray("<M-Bus_Network><Nodo Descrizione=\"n\" ") + node + "><Variabile Desc=\"v\" " + variable +
         "/></Nodo></M-Bus_Network>";
}

TEST(AutoByteCount, FixtureNetworkCountsTimePointAsFiveBytes) {
  // Node state 1 + ident 4 + (32-bit 4 + scale 1) + time point 5; the
  // disabled variable counts nothing.
  EXPECT_EQ(Calcolate_Byte_Used_in_MBus_Configuration(Test_Data("par_gen_window/m_bus_one_node.xml")), 15);
}

TEST(AutoByteCount, NoFileOrNothingEnabledCountsOne) {
  Temp_Dir dir;
  EXPECT_EQ(Calcolate_Byte_Used_in_MBus_Configuration(dir.File("M_Bus.xml")), 1);
  EXPECT_EQ(Count_Text("<M-Bus_Network/>"), 1);
  EXPECT_EQ(Count_Text(One_Variable("Enable_Node=\"0\" Node_State=\"1\"", "Enable=\"1\" Type=\"0\" Dim=\"3\"")), 1);
  // A meter left unchecked by a scan stays off here too.
  EXPECT_EQ(Count_Text(One_Variable("Node_Enable=\"0\" Ident_Num=\"1\"", "Enable=\"1\" Type=\"0\" Dim=\"3\"")), 1);
}

struct Count_Row {
  std::string name;
  const char* node;
  const char* variable;
  int32_t expected;
};

void PrintTo(const Count_Row& row, std::ostream* os) { *os << row.name; }

class AutoByteCountRows : public testing::TestWithParam<Count_Row> {};

TEST_P(AutoByteCountRows, CountsOneNode) {
  const Count_Row& row = GetParam();
  EXPECT_EQ(Count_Text(One_Variable(row.node, row.variable)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AutoByteCountRows,
    testing::Values(
        Count_Row{"dim0", "", "Enable=\"1\" Type=\"0\" Dim=\"0\"", 1},
        Count_Row{"dim1", "", "Enable=\"1\" Type=\"0\" Dim=\"1\"", 2},
        Count_Row{"dim3", "", "Enable=\"1\" Type=\"0\" Dim=\"3\"", 8},
        Count_Row{"dim4", "", "Enable=\"1\" Type=\"0\" Dim=\"4\"", 3},
        Count_Row{"dim5", "", "Enable=\"1\" Type=\"0\" Dim=\"5\"", 6},
        Count_Row{"dim6", "", "Enable=\"1\" Type=\"0\" Dim=\"6\"", 4},
        Count_Row{"dim7_length", "", "Enable=\"1\" Type=\"0\" Dim=\"7\" Length=\"17\"", 17},
        Count_Row{"dim7_no_length_scale", "", "Enable=\"1\" Type=\"0\" Dim=\"7\" Scale=\"1\"", 1},
        Count_Row{"dim7_negative_length", "Node_State=\"1\"", "Enable=\"1\" Type=\"0\" Dim=\"7\" Length=\"-9\"", 1},
        Count_Row{"dim_other", "", "Enable=\"1\" Type=\"0\" Dim=\"255\"", 2},
        Count_Row{"enable_not_exactly_1", "Node_State=\"1\"", "Enable=\"true\" Type=\"0\" Dim=\"3\"", 1},
        Count_Row{"force_integer_plays_no_part", "", "Enable=\"1\" Type=\"0\" Dim=\"3\" ForceInteger32=\"1\"", 8},
        Count_Row{"by_type_time_point_other_type", "", "Enable=\"1\" Type=\"5\" Dim=\"3\" TP_Mod_Regs=\"1\"", 8},
        Count_Row{"by_position_time_point", "Var_List_Type=\"1\"",
                  "Enable=\"1\" Type=\"5\" Dim=\"3\" TP_Mod_Regs=\"1\" Scale=\"1\"", 6},
        // A node listed by position never reads Type.
        Count_Row{"by_position_without_type", "Var_List_Type=\"1\"", "Enable=\"1\" Dim=\"2\"", 4},
        Count_Row{"wireless_rssi", "MBus_Type=\"0\" wMBus_RSSI=\"1\"", "Enable=\"0\"", 2},
        Count_Row{"wired_rssi_ignored", "MBus_Type=\"1\" wMBus_RSSI=\"1\" Ident_Num=\"1\"", "Enable=\"0\"", 4},
        Count_Row{"missing_type_is_wired", "wMBus_RSSI=\"1\" Node_State=\"1\"", "Enable=\"0\"", 1},
        Count_Row{"node_flags_as_numbers", "Node_State=\"0x1\" Ident_Num=\"$1\"", "Enable=\"0\"", 5},
        Count_Row{"disabled_variable_bad_dim", "Node_State=\"1\"", "Enable=\"0\" Dim=\"x\"", 1}),
    [](const testing::TestParamInfo<Count_Row>& info) { return info.param.name; });

TEST(AutoByteCount, BadValuesOfCountedVariablesStopTheCount) {
  EXPECT_THROW(Count_Text(One_Variable("", "Enable=\"1\" Type=\"0\" Dim=\"x\"")), Config_Value_Error);
  EXPECT_THROW(Count_Text(One_Variable("", "Enable=\"1\" Type=\"0\"")), Config_Value_Error);
  EXPECT_THROW(Count_Text(One_Variable("Var_List_Type=\"0\"", "Enable=\"1\" Type=\"t\" Dim=\"2\"")),
               Config_Value_Error);
  EXPECT_THROW(Count_Text("<M-Bus_Network><Nodo"), Xml_Error);
}

TEST(AutoByteCount, HugeLengthsDoNotOverflow) {
  QByteArray text = "<M-Bus_Network><Nodo>";
  for (int i = 0; i < 3; ++i) text += "<Variabile Enable=\"1\" Type=\"0\" Dim=\"7\" Length=\"2147483647\"/>";
  text += "</Nodo></M-Bus_Network>";
  EXPECT_EQ(Count_Text(text), 2147483647);
}

}  // namespace
