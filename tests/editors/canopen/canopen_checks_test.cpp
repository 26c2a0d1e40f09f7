#include "editors/canopen/canopen_checks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editors/canopen/canopen_window_layout.h"
#include "shell/core/lang_table.h"

namespace {

using Kind = CANopen_Table_Kind;
using Cells = std::map<int, QString>;  // grid column -> text

CANopen_Row Make_Row(Kind kind, int grid, const Cells& cells) {
  CANopen_Row row(CANopen_Layout(kind).lists[grid].columns.size());
  for (const auto& [col, text] : cells) {
    EXPECT_LE(col, row.size());
    if (col <= row.size()) row[col - 1] = text;
  }
  return row;
}

// Good rows of each table, changed by a case.
Cells Good_Transmit() { return {{1, "0x181"}, {2, "2"}, {3, "0"}, {4, "1"}, {11, "100"}, {12, "Y"}, {13, "t"}}; }
Cells Good_Receive() { return {{1, "0x201"}, {2, "1"}, {3, "0"}, {11, "0"}, {12, "m"}}; }
Cells Good_Client_Write() { return {{1, "5"}, {2, "0x2001"}, {3, "0"}, {4, "1"}, {5, "0"}, {6, "Y"}, {7, "20"}}; }
Cells Good_Client_Read() { return {{1, "5"}, {2, "0x2001"}, {3, "0"}, {4, "1"}, {5, "1"}, {6, "20"}}; }
Cells Good_Server() { return {{1, "0x2000"}, {2, "1"}, {3, "2"}, {4, "10"}, {5, "11"}}; }

Cells With(Cells cells, const Cells& changes) {
  for (const auto& [col, text] : changes) cells[col] = text;
  return cells;
}

struct Check_Case {
  std::string name;
  Kind kind;
  int grid;
  int row;  // the row under check; the rows before it are good
  Cells cells;
  std::string expected;  // empty: passes
};

void PrintTo(const Check_Case& c, std::ostream* os) { *os << c.name; }
std::string Case_Name(const testing::TestParamInfo<Check_Case>& info) { return info.param.name; }

class CANopenChecks : public testing::TestWithParam<Check_Case> {
 protected:
  static void SetUpTestSuite() { Load_Default_Texts(); }
};

Cells Good_Row(Kind kind, int grid) {
  switch (kind) {
    case Kind::PDO:
      return grid == 0 ? Good_Receive() : Good_Transmit();
    case Kind::SDO_Client:
      return grid == 0 ? Good_Client_Read() : Good_Client_Write();
    case Kind::SDO_Server:
      break;
  }
  return Good_Server();
}

TEST_P(CANopenChecks, FirstFailureGivesItsText) {
  const Check_Case& c = GetParam();
  std::vector<CANopen_Row> rows;
  for (int r = 1; r < c.row; ++r) rows.push_back(Make_Row(c.kind, c.grid, Good_Row(c.kind, c.grid)));
  rows.push_back(Make_Row(c.kind, c.grid, c.cells));
  const std::optional<CANopen_Check_Failure> failure = Check_CANopen_Grid(c.kind, c.grid, rows, 6000);
  EXPECT_EQ(failure ? failure->text.toStdString() : std::string(), c.expected);
  if (failure) {
    EXPECT_EQ(failure->row, c.row);
  }
}

const std::string kTx = "!! [Transmit PDO] ";
const std::string kRx = "!! [Receive PDO] ";

INSTANTIATE_TEST_SUITE_P(
    Pdo, CANopenChecks,
    testing::Values(Check_Case{"transmit_good", Kind::PDO, 1, 1, Good_Transmit(), ""},
                    Check_Case{"transmit_row3_address2", Kind::PDO, 1, 3, With(Good_Transmit(), {{4, "6000"}}),
                               "Error row 3" + kTx + "Address Byte2 must be between 0 and 5999"},
                    Check_Case{"transmit_only_cob_id",
                               Kind::PDO,
                               1,
                               1,
                               {{1, "0x181"}},
                               "Error row 1" + kTx + "Dimension must be between 1 and 8"},
                    Check_Case{"cob_id_without_prefix", Kind::PDO, 1, 1, With(Good_Transmit(), {{1, "7FF"}}),
                               "Error row 1" + kTx + "COB-ID must be between 0x000 and 0x7FF"},
                    Check_Case{"cob_id_dollar", Kind::PDO, 1, 1, With(Good_Transmit(), {{1, "$7FF"}}), ""},
                    Check_Case{"cob_id_0x", Kind::PDO, 1, 1, With(Good_Transmit(), {{1, "0x7FF"}}), ""},
                    Check_Case{"cob_id_0x800", Kind::PDO, 1, 1, With(Good_Transmit(), {{1, "0x800"}}),
                               "Error row 1" + kTx + "COB-ID must be between 0x000 and 0x7FF"},
                    Check_Case{"leading_blank", Kind::PDO, 1, 1, With(Good_Transmit(), {{1, " 5"}}), ""},
                    Check_Case{"trailing_blank", Kind::PDO, 1, 1, With(Good_Transmit(), {{1, "5 "}}),
                               "Error row 1" + kTx + "COB-ID must be between 0x000 and 0x7FF"},
                    Check_Case{"dimension_3_checks_three", Kind::PDO, 1, 1,
                               With(Good_Transmit(), {{2, "3"}, {5, "2"}, {6, "x"}, {10, "x"}}), ""},
                    Check_Case{"dimension_3_third_missing", Kind::PDO, 1, 1, With(Good_Transmit(), {{2, "3"}}),
                               "Error row 1" + kTx + "Address Byte3 must be between 0 and 5999"},
                    Check_Case{
                        "dimension_8_eighth", Kind::PDO, 1, 1,
                        With(Good_Transmit(), {{2, "8"}, {5, "2"}, {6, "3"}, {7, "4"}, {8, "5"}, {9, "6"}, {10, "-1"}}),
                        "Error row 1" + kTx + "Address Byte8 must be between 0 and 5999"},
                    Check_Case{"dimension_9", Kind::PDO, 1, 1, With(Good_Transmit(), {{2, "9"}}),
                               "Error row 1" + kTx + "Dimension must be between 1 and 8"},
                    Check_Case{"send_time_above", Kind::PDO, 1, 1, With(Good_Transmit(), {{11, "100000001"}}),
                               "Error row 1" + kTx + "Send Time must be between 0 and 100000000"},
                    Check_Case{"on_change_unchecked", Kind::PDO, 1, 1, With(Good_Transmit(), {{12, "whatever"}}), ""},
                    Check_Case{"receive_cob_id",
                               Kind::PDO,
                               0,
                               1,
                               {{1, "x"}},
                               "Error row 1" + kRx + "COB-ID must be between 0x000 and 0x7FF"},
                    Check_Case{"receive_address1",
                               Kind::PDO,
                               0,
                               2,
                               {{1, "0x201"}, {2, "1"}, {3, "6000"}, {11, "0"}},
                               "Error row 2" + kRx + "Address Byte1 must be between 0 and 5999"},
                    Check_Case{"receive_timeout",
                               Kind::PDO,
                               0,
                               1,
                               {{1, "0x201"}, {2, "1"}, {3, "0"}, {11, ""}},
                               "Error row 1" + kRx + "TimeOut must be between 0 and 100000000"}),
    Case_Name);

const std::string kWr = "!! [SDO Write] ";
const std::string kRd = "!! [SDO Read] ";
const std::string kIn = "!! [SDO in Read] ";
const std::string kInW = "!! [SDO in Write] ";
const std::string kExcluded = "Index must be different from 0x7000 to 0x701D and from 0x7050 to 0x706D";

INSTANTIATE_TEST_SUITE_P(
    Sdo, CANopenChecks,
    testing::Values(Check_Case{"client_write_good", Kind::SDO_Client, 1, 1, Good_Client_Write(), ""},
                    Check_Case{"client_write_nbyte_3", Kind::SDO_Client, 1, 1, With(Good_Client_Write(), {{4, "3"}}),
                               "Error row 1" + kWr + "N Byte must be 1 or 2 or 4"},
                    Check_Case{"client_write_nbyte_1_only_byte1", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{8, "x"}}), ""},
                    Check_Case{"client_write_nbyte_2_byte2", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{4, "2"}, {8, "x"}}),
                               "Error row 1" + kWr + "Address Byte2 must be between 0 and 5999"},
                    Check_Case{"client_write_nbyte_2_not_byte3", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{4, "2"}, {8, "21"}, {9, "x"}}), ""},
                    Check_Case{"client_write_nbyte_4_byte4", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{4, "4"}, {8, "21"}, {9, "22"}, {10, "6000"}}),
                               "Error row 1" + kWr + "Address Byte4 must be between 0 and 5999"},
                    Check_Case{"client_write_device_0", Kind::SDO_Client, 1, 1, With(Good_Client_Write(), {{1, "0"}}),
                               "Error row 1" + kWr + "Device ID must be between 1 and 127"},
                    Check_Case{"client_write_device_128", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{1, "128"}}),
                               "Error row 1" + kWr + "Device ID must be between 1 and 127"},
                    Check_Case{"client_write_index_low", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{2, "0xFFF"}}),
                               "Error row 1" + kWr + "Index must be between 0x1000 and 0xFFFF"},
                    Check_Case{"client_write_subindex", Kind::SDO_Client, 1, 1, With(Good_Client_Write(), {{3, "256"}}),
                               "Error row 1" + kWr + "SubIndex must be between 0x00 and 0xFF"},
                    Check_Case{"client_write_on_change_unchecked", Kind::SDO_Client, 1, 1,
                               With(Good_Client_Write(), {{6, "?"}}), ""},
                    Check_Case{"client_read_poll_0", Kind::SDO_Client, 0, 1, With(Good_Client_Read(), {{5, "0"}}),
                               "Error row 1" + kRd + "Poll Time must be between 1 and 100000000"},
                    Check_Case{"client_read_good", Kind::SDO_Client, 0, 1, Good_Client_Read(), ""},
                    Check_Case{"client_read_byte1", Kind::SDO_Client, 0, 2, With(Good_Client_Read(), {{6, "6000"}}),
                               "Error row 2" + kRd + "Address Byte1 must be between 0 and 5999"},
                    Check_Case{"server_good", Kind::SDO_Server, 0, 1, Good_Server(), ""},
                    Check_Case{"server_7000", Kind::SDO_Server, 0, 1, With(Good_Server(), {{1, "0x7000"}}),
                               "Error row 1" + kIn + kExcluded},
                    Check_Case{"server_706D", Kind::SDO_Server, 0, 1, With(Good_Server(), {{1, "0x706D"}}),
                               "Error row 1" + kIn + kExcluded},
                    Check_Case{"server_701E", Kind::SDO_Server, 0, 1, With(Good_Server(), {{1, "0x701E"}}), ""},
                    Check_Case{"server_704F", Kind::SDO_Server, 0, 1, With(Good_Server(), {{1, "0x704F"}}), ""},
                    Check_Case{"server_1FFF", Kind::SDO_Server, 0, 1, With(Good_Server(), {{1, "0x1FFF"}}),
                               "Error row 1" + kIn + "Index must be between 0x2000 and 0x7FFF"},
                    Check_Case{"server_8000", Kind::SDO_Server, 0, 1, With(Good_Server(), {{1, "0x8000"}}),
                               "Error row 1" + kIn + "Index must be between 0x2000 and 0x7FFF"},
                    Check_Case{"server_nbyte_2_byte2", Kind::SDO_Server, 0, 1, With(Good_Server(), {{5, "6000"}}),
                               "Error row 1" + kIn + "Address Byte2 must be between 0 and 5999"},
                    Check_Case{"server_write_705A", Kind::SDO_Server, 1, 2, With(Good_Server(), {{1, "$705A"}}),
                               "Error row 2" + kInW + kExcluded},
                    Check_Case{"server_write_subindex", Kind::SDO_Server, 1, 1, With(Good_Server(), {{2, "-1"}}),
                               "Error row 1" + kInW + "SubIndex must be between 0x00 and 0xFF"}),
    Case_Name);

TEST(CANopenChecksRows, CheckingEndsAtTheFirstBlankFirstCell) {
  Load_Default_Texts();
  const std::vector<CANopen_Row> rows = {Make_Row(Kind::PDO, 1, Good_Transmit()), Make_Row(Kind::PDO, 1, {{1, " "}}),
                                         Make_Row(Kind::PDO, 1, {{1, "bad"}})};
  EXPECT_FALSE(Check_CANopen_Grid(Kind::PDO, 1, rows, 6000));
  // The area sizes are the window's: a smaller one moves the limit.
  const std::optional<CANopen_Check_Failure> small =
      Check_CANopen_Grid(Kind::PDO, 1, {Make_Row(Kind::PDO, 1, With(Good_Transmit(), {{4, "100"}}))}, 100);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->text, "Error row 1" + QString::fromStdString(kTx) + "Address Byte2 must be between 0 and 99");
}

TEST(CANopenChecksRows, RowsAfterABlankFirstCellAreFound) {
  struct Case {
    const char* name;
    std::vector<Cells> rows;
    std::optional<int> dropped;
  };
  const Case cases[] = {
      {"all filled", {Good_Transmit(), Good_Transmit()}, std::nullopt},
      {"empty after", {Good_Transmit(), {}, {}}, std::nullopt},
      {"row 2 after an empty row 1", {{}, Good_Transmit()}, 1},
      {"blank first cell with a mnemonic", {Good_Transmit(), {{1, " "}, {13, "m"}}}, 2},
      {"only the check box after", {Good_Transmit(), {}, {{12, "N"}}}, std::nullopt},
      {"only blanks after", {{}, {{3, "  "}}}, std::nullopt},
  };
  for (const Case& c : cases) {
    std::vector<CANopen_Row> rows;
    for (const Cells& cells : c.rows) rows.push_back(Make_Row(Kind::PDO, 1, cells));
    EXPECT_EQ(CANopen_Dropped_Rows(rows, 12), c.dropped) << c.name;
  }
}

TEST(CANopenWindowLayout, GridsMatchTheirFilesAndTexts) {
  for (Kind kind : {Kind::PDO, Kind::SDO_Client, Kind::SDO_Server}) {
    const CANopen_Window_Layout& window = CANopen_Window(kind);
    const CANopen_File_Layout& file = CANopen_Layout(kind);
    for (int g = 0; g < 2; ++g) {
      const CANopen_Grid_Layout& grid = window.grids[g];
      EXPECT_EQ(grid.Columns(), file.lists[g].columns.size() + 1) << file.file_name.toStdString() << g;
      EXPECT_EQ(grid.groups.size(), grid.widths.size());
      EXPECT_EQ(grid.rows, file.max_rows + 1);
      if (grid.check_column != 0) {
        EXPECT_EQ(file.lists[g].columns[grid.check_column - 1], "On_Change");
      }
    }
  }
  EXPECT_EQ(CANopen_Group_Color(CANopen_Column_Group::Identity), TColor(0xFEFAE0));
  EXPECT_EQ(CANopen_Group_Color(CANopen_Column_Group::Address), TColor(0xF4D6FC));
  EXPECT_EQ(CANopen_Group_Color(CANopen_Column_Group::Time), TColor(0xA8FFA8));
}

}  // namespace
