#include "editors/par_gen/byte_budget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editors/files/m_bus_network_file.h"
#include "shell/core/lang_table.h"
#include "support/temp_dir.h"

namespace {

TVariabile Variable(int dim, bool enable = true) {
  TVariabile v;
  v.Enable = enable;
  v.Dimension = dim;
  return v;
}

TNodo Node(std::vector<TVariabile> variables = {}) {
  TNodo n;
  n.Enable = true;
  n.MBus_Type = 1;
  n.Var_List = std::move(variables);
  return n;
}

struct Budget_Row {
  std::string name;
  int type;
  const char* file;  // nullptr: no ParGen.xml
  int32_t budget;
  int32_t working_mode;
  bool auto_count;
};

void PrintTo(const Budget_Row& row, std::ostream* os) { *os << row.name; }

class ByteBudgetRead : public testing::TestWithParam<Budget_Row> {};

TEST_P(ByteBudgetRead, BudgetOfTheDeviceType) {
  const Budget_Row& row = GetParam();
  Temp_Dir dir;
  const QString path = row.file ? dir.Write("ParGen.xml", row.file) : dir.File("ParGen.xml");
  const Byte_Budget b = Read_Byte_Budget(path, row.type);
  EXPECT_EQ(b.Num_Byte_Par_Gen, row.budget);
  EXPECT_EQ(b.Working_Mode, row.working_mode);
  EXPECT_EQ(b.Auto_Calc_Num_Byte, row.auto_count);
  EXPECT_TRUE(b.read_error.isEmpty());
}

constexpr const char* kAll =
    "<Par_Gen><DN_NB_IN>100</DN_NB_IN><Eth_NumByte_OUT>200</Eth_NumByte_OUT><PROFI_NB_IN>50</PROFI_NB_IN>"
    "<PROFINET_NB_OUT>0x20</PROFINET_NB_OUT><PROFINET_AUTO_CALC_BYTE>1</PROFINET_AUTO_CALC_BYTE>"
    "<Working_mode>1</Working_mode></Par_Gen>";

INSTANTIATE_TEST_SUITE_P(
    Rows, ByteBudgetRead,
    testing::Values(
        Budget_Row{"t1_no_file", 1, nullptr, 455, 0, false}, Budget_Row{"t2_no_file", 2, nullptr, 496, 0, false},
        Budget_Row{"t3_no_file", 3, nullptr, 244, 0, false}, Budget_Row{"t5_no_file", 5, nullptr, 496, 0, false},
        Budget_Row{"t6_no_file", 6, nullptr, 496, 0, false}, Budget_Row{"t1_file", 1, kAll, 100, 1, false},
        Budget_Row{"t2_file", 2, kAll, 200, 1, false}, Budget_Row{"t3_file", 3, kAll, 50, 1, false},
        Budget_Row{"t4_file", 4, kAll, 200, 1, false}, Budget_Row{"t5_file", 5, kAll, 32, 1, true},
        // Type 6 reads nothing, whatever the file holds.
        Budget_Row{"t6_file", 6, kAll, 496, 0, false},
        Budget_Row{"t1_missing_element", 1, "<Par_Gen><Working_mode>x</Working_mode></Par_Gen>", 455, 0, false},
        Budget_Row{"t2_not_a_number", 2, "<Par_Gen><Eth_NumByte_OUT>many</Eth_NumByte_OUT></Par_Gen>", 496, 0, false},
        Budget_Row{"t5_auto_not_exactly_1", 5,
                   "<Par_Gen><PROFINET_AUTO_CALC_BYTE> 1</PROFINET_AUTO_CALC_BYTE></Par_Gen>", 496, 0, false}),
    [](const testing::TestParamInfo<Budget_Row>& info) { return info.param.name; });

TEST(ByteBudget, UnreadableFileGivesDefaultsAndItsError) {
  Temp_Dir dir;
  const Byte_Budget b = Read_Byte_Budget(dir.Write("ParGen.xml", "<Par_Gen><PROFI_NB_IN>5"), 3);
  EXPECT_EQ(b.Num_Byte_Par_Gen, 244);
  EXPECT_EQ(b.Working_Mode, 0);
  EXPECT_FALSE(b.read_error.isEmpty());
}

struct Count_Row {
  std::string name;
  int type;
  std::vector<TNodo> nodes;
  int32_t expected;
};

void PrintTo(const Count_Row& row, std::ostream* os) { *os << row.name; }

class ByteBudgetCount : public testing::TestWithParam<Count_Row> {};

TEST_P(ByteBudgetCount, CountsTheNetwork) {
  const Count_Row& row = GetParam();
  EXPECT_EQ(Calcola_Byte_Usati(row.nodes, row.type), row.expected);
}

std::vector<Count_Row> Count_Rows() {
  std::vector<Count_Row> rows;
  rows.push_back({"empty", 6, {}, 1});
  TNodo off = Node({Variable(3)});
  off.Enable = false;
  off.Node_State = 1;
  rows.push_back({"disabled_node", 6, {off}, 1});
  rows.push_back({"disabled_variable", 6, {Node({Variable(3, false)})}, 1});
  TNodo flags = Node();
  flags.Node_State = 1;
  flags.Ident_Num = 1;
  rows.push_back({"state_and_ident", 6, {flags}, 5});
  for (int dim = 0; dim <= 8; ++dim) {
    static const int32_t sizes[] = {1, 2, 4, 8, 3, 6, 4, 0, 2};
    rows.push_back({"dim" + std::to_string(dim), 6, {Node({Variable(dim)})}, std::max(sizes[dim], 1)});
  }
  TVariabile length = Variable(7);
  length.Length = 20;
  rows.push_back({"variable_length", 6, {Node({length})}, 20});
  TVariabile empty_scaled = Variable(7);
  empty_scaled.Scale = true;
  TNodo with_state = Node({empty_scaled});
  with_state.Node_State = 1;
  rows.push_back({"length0_with_scale", 6, {with_state}, 2});
  // Time points: by type only for type 20; by position always.
  TVariabile tp = Variable(0);
  tp.TP_Mod_Regs = true;
  tp.Type_Of_Data = 20;
  rows.push_back({"by_type_time_point", 6, {Node({tp})}, 6});
  TVariabile tp_other = tp;
  tp_other.Type_Of_Data = 3;
  rows.push_back({"by_type_other_with_flag", 6, {Node({tp_other})}, 1});
  TVariabile forced = tp_other;
  forced.ForceInteger32 = true;
  rows.push_back({"force_integer", 6, {Node({forced})}, 4});
  TNodo by_position = Node({tp_other});
  by_position.Var_List_Type = 1;
  rows.push_back({"by_position_time_point", 6, {by_position}, 6});
  TVariabile tp_scaled = tp;
  tp_scaled.Scale = true;
  rows.push_back({"time_point_with_scale", 6, {Node({tp_scaled})}, 7});
  // RSSI counts for wireless nodes of types 4 and 5 only.
  TNodo wireless = Node();
  wireless.MBus_Type = 0;
  wireless.RSSI = 1;
  wireless.Node_State = 1;
  rows.push_back({"rssi_type5", 5, {wireless}, 3});
  rows.push_back({"rssi_type4", 4, {wireless}, 3});
  rows.push_back({"rssi_type6", 6, {wireless}, 1});
  TNodo wired = wireless;
  wired.MBus_Type = 1;
  rows.push_back({"rssi_wired", 5, {wired}, 1});
  TVariabile huge = Variable(7);
  huge.Length = 2147483647;
  rows.push_back({"no_overflow", 6, {Node({huge, huge})}, 2147483647});
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, ByteBudgetCount, testing::ValuesIn(Count_Rows()),
                         [](const testing::TestParamInfo<Count_Row>& info) { return info.param.name; });

TEST(ByteBudget, FixtureNetworkCountsTimePointAsSixBytes) {
  const M_Bus_Network_Load load = Read_M_Bus_Network(Test_Data("par_gen_window/m_bus_one_node.xml"), 5);
  ASSERT_TRUE(load.Complete());
  EXPECT_EQ(Calcola_Byte_Usati(load.nodes, 5), 16);
}

struct Allow_Row {
  std::string name;
  int type;
  int32_t working_mode;
  bool auto_count;
  int32_t count;
  bool allowed;
};

void PrintTo(const Allow_Row& row, std::ostream* os) { *os << row.name; }

class ByteBudgetAllows : public testing::TestWithParam<Allow_Row> {};

TEST_P(ByteBudgetAllows, ComparesPerDeviceType) {
  const Allow_Row& row = GetParam();
  Byte_Budget b;
  b.Num_Byte_Par_Gen = 100;
  b.Working_Mode = row.working_mode;
  b.Auto_Calc_Num_Byte = row.auto_count;
  EXPECT_EQ(Budget_Allows(b, row.count, row.type), row.allowed);
}

INSTANTIATE_TEST_SUITE_P(Rows, ByteBudgetAllows,
                         testing::Values(Allow_Row{"equal_passes", 6, 0, false, 100, true},
                                         Allow_Row{"one_over", 6, 0, false, 101, false},
                                         Allow_Row{"t1_single_slave_still_compared", 1, 1, false, 101, false},
                                         Allow_Row{"t3_normal", 3, 0, false, 101, false},
                                         Allow_Row{"t3_single_slave", 3, 1, false, 101, true},
                                         Allow_Row{"t5_normal_manual", 5, 0, false, 101, false},
                                         Allow_Row{"t5_normal_auto", 5, 0, true, 5000, true},
                                         Allow_Row{"t5_single_slave_auto", 5, 1, true, 101, false},
                                         Allow_Row{"t5_other_mode", 5, 2, false, 101, true}),
                         [](const testing::TestParamInfo<Allow_Row>& info) { return info.param.name; });

// 62 variables of 64 bits fill the default budget of type 6 exactly; the node
// state byte is one too many.
TEST(ByteBudget, TypeSixDefaultBudgetBoundary) {
  Load_Default_Texts();
  TNodo node = Node(std::vector<TVariabile>(62, Variable(3)));
  const Byte_Budget budget = Read_Byte_Budget(QString(), 6);
  int32_t count = Calcola_Byte_Usati({node}, 6);
  EXPECT_EQ(Bytes_Used_Text(count), QStringLiteral("Bytes Used : 496"));
  EXPECT_TRUE(Budget_Allows(budget, count, 6));
  node.Node_State = 1;
  count = Calcola_Byte_Usati({node}, 6);
  EXPECT_EQ(count, 497);
  EXPECT_FALSE(Budget_Allows(budget, count, 6));
  EXPECT_EQ(Budget_Warning_Text(budget),
            QStringLiteral("Warning!! Bytes Used for the configuration are major of the Bytes set in the Set "
                           "Communication Section (496)"));
}

}  // namespace
