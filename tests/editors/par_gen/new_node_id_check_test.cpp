#include "editors/par_gen/new_node_id_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Range_Row {
  std::string name;
  New_Node_ID_Entry entry;
  int expected;  // 0: passes
};

void PrintTo(const Range_Row& row, std::ostream* os) { *os << row.name; }

class NewNodeIDRange : public testing::TestWithParam<Range_Row> {};

TEST_P(NewNodeIDRange, ChecksTheSelectedFieldOnly) {
  const Range_Row& row = GetParam();
  EXPECT_EQ(New_Node_ID_Range_Error(row.entry).value_or(0), row.expected);
}

New_Node_ID_Entry Primary(const char* id, const char* other = "1") { return {1, false, id, other, "x"}; }
New_Node_ID_Entry Secondary(const char* id, const char* other = "1") { return {1, true, other, id, "x"}; }
New_Node_ID_Entry Address(const char* address) { return {2, false, "x", "x", address}; }

INSTANTIATE_TEST_SUITE_P(
    Rows, NewNodeIDRange,
    testing::Values(
        Range_Row{"primary_0", Primary("0"), 0}, Range_Row{"primary_255", Primary("255"), 0},
        Range_Row{"primary_256", Primary("256"), 1108}, Range_Row{"primary_empty", Primary(""), 1108},
        Range_Row{"primary_hex", Primary("$FF"), 0}, Range_Row{"primary_ignores_secondary", Primary("7", "junk"), 0},
        Range_Row{"secondary_max", Secondary("99999999"), 0}, Range_Row{"secondary_over", Secondary("100000000"), 1109},
        Range_Row{"secondary_empty", Secondary(""), 1109},
        Range_Row{"secondary_ignores_primary", Secondary("12", "999"), 0},
        Range_Row{"address_max", Address("0xFFFFFFFF"), 0}, Range_Row{"address_zero", Address("0"), 0},
        Range_Row{"address_decimal_max", Address("4294967295"), 0}, Range_Row{"address_negative", Address("-1"), 1110},
        Range_Row{"address_33_bits", Address("4294967296"), 1110}, Range_Row{"address_empty", Address(""), 1110},
        Range_Row{"other_form_type", New_Node_ID_Entry{3, false, "x", "x", "x"}, 0}),
    [](const testing::TestParamInfo<Range_Row>& info) { return info.param.name; });

TEST(NewNodeID, DuplicateTestComparesIDsOfTheSameType) {
  TNodo primary5;
  primary5.Node_ID_Type = 0;
  primary5.Node_ID_Primary = 5;
  primary5.Node_ID_Secondary = 77;
  TNodo secondary9;
  secondary9.Node_ID_Type = 1;
  secondary9.Node_ID_Primary = 1;
  secondary9.Node_ID_Secondary = 9;
  TNodo wireless;  // wireless nodes take part too
  wireless.MBus_Type = 0;
  wireless.Node_ID_Type = 0;
  wireless.Node_ID_Primary = 1;
  const std::vector<TNodo> nodes = {primary5, secondary9, wireless};

  EXPECT_FALSE(Check_Node_ID2(nodes, 5, 0));
  EXPECT_TRUE(Check_Node_ID2(nodes, 5, 1));
  EXPECT_TRUE(Check_Node_ID2(nodes, 77, 1));  // a secondary ID the node is not addressed by
  EXPECT_FALSE(Check_Node_ID2(nodes, 9, 1));
  EXPECT_TRUE(Check_Node_ID2(nodes, 9, 0));
  EXPECT_FALSE(Check_Node_ID2(nodes, 1, 0));  // the wireless node's primary ID
  EXPECT_TRUE(Check_Node_ID2({}, 1, 0));
}

TEST(NewNodeID, IdOfTheEntry) {
  EXPECT_EQ(New_Node_ID_Of(Primary("0x10"))->id, 16);
  EXPECT_EQ(New_Node_ID_Of(Primary("0x10"))->type_id, 0);
  EXPECT_EQ(New_Node_ID_Of(Secondary("123"))->id, 123);
  EXPECT_EQ(New_Node_ID_Of(Secondary("123"))->type_id, 1);
  EXPECT_FALSE(New_Node_ID_Of(Primary("256")));
  EXPECT_FALSE(New_Node_ID_Of(Address("5")));
}

}  // namespace
