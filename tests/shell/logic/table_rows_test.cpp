#include "shell/logic/table_rows.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace {

// A table of `rows` rows (header included) with `shown` shown data columns
// and `hidden` hidden ones after them.
class Fake_Table : public Table_Cells {
 public:
  Fake_Table(int rows, int shown, int hidden = 0) : rows_(rows), shown_(shown), hidden_(hidden) {}

  int Row_Count() const override { return rows_; }
  int Shown_Columns() const override { return shown_; }
  int Stored_Columns() const override { return shown_ + hidden_; }
  bool Is_Check_Column(int c) const override { return checks.count(c) > 0; }
  QString Cell(int c, int r) const override {
    const auto it = cells_.find({c, r});
    return it == cells_.end() ? QString() : it->second;
  }
  void Set_Cell(int c, int r, const QString& text) override { cells_[{c, r}] = text; }

  // "r<row>c<col>" in every data cell of rows 1 .. last.
  void Fill(int last) {
    for (int r = 1; r <= last; ++r)
      for (int c = 1; c <= Stored_Columns(); ++c) Set_Cell(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
  }
  QStringList Row_Texts(int r) const {
    QStringList texts;
    for (int c = 1; c <= Stored_Columns(); ++c) texts << Cell(c, r);
    return texts;
  }

  std::set<int> checks;

 private:
  int rows_, shown_, hidden_;
  std::map<std::pair<int, int>, QString> cells_;
};

QStringList Filled(int r, int columns) {
  QStringList texts;
  for (int c = 1; c <= columns; ++c) texts << QStringLiteral("r%1c%2").arg(r).arg(c);
  return texts;
}

TEST(TableRows, InsertMovesEveryRowDownAndLosesTheLast) {
  Fake_Table table(31, 3, 1);  // hidden columns move with their rows
  table.Fill(30);
  table.Set_Cell(0, 5, "5");  // the row numbers stay
  table_rows::Insert(table, 1);
  EXPECT_EQ(table.Row_Texts(1), QStringList({"", "", "", ""}));
  EXPECT_EQ(table.Row_Texts(2), Filled(1, 4));
  EXPECT_EQ(table.Row_Texts(30), Filled(29, 4));
  EXPECT_EQ(table.Cell(0, 5), "5");
  EXPECT_EQ(table.Row_Count(), 31);
}

TEST(TableRows, DeleteMovesRowsUpAndEmptiesTheLast) {
  Fake_Table table(31, 3, 1);
  table.Fill(30);
  table_rows::Delete(table, 2);
  EXPECT_EQ(table.Row_Texts(1), Filled(1, 4));
  EXPECT_EQ(table.Row_Texts(2), Filled(3, 4));
  EXPECT_EQ(table.Row_Texts(29), Filled(30, 4));
  EXPECT_EQ(table.Row_Texts(30), QStringList({"", "", "", ""}));
}

TEST(TableRows, InsertOrDeleteAtTheLastRowOnlyEmptiesIt) {
  for (bool insert : {true, false}) {
    Fake_Table table(31, 2);
    table.Fill(30);
    insert ? table_rows::Insert(table, 30) : table_rows::Delete(table, 30);
    EXPECT_EQ(table.Row_Texts(30), QStringList({"", ""})) << insert;
    for (int r = 1; r < 30; ++r) EXPECT_EQ(table.Row_Texts(r), Filled(r, 2)) << insert << " row " << r;
  }
}

TEST(TableRows, RowsOutsideTheDataRowsAreLeftAlone) {
  for (int row : {0, 31, -1}) {
    Fake_Table table(31, 2);
    table.Fill(30);
    table.Set_Cell(1, 0, "header");
    table_rows::Insert(table, row);
    table_rows::Delete(table, row);
    table_rows::Paste(table, row, {"a", "b"});
    EXPECT_EQ(table.Cell(1, 0), "header") << row;
    EXPECT_EQ(table.Row_Texts(1), Filled(1, 2)) << row;
    EXPECT_EQ(table.Row_Texts(30), Filled(30, 2)) << row;
    EXPECT_TRUE(table_rows::Copy(table, row).isEmpty()) << row;
  }
}

TEST(TableRows, CopyTakesTheShownColumnsAndPasteWritesThemBack) {
  Fake_Table table(31, 3, 1);
  table.Fill(2);
  const QStringList copied = table_rows::Copy(table, 2);
  EXPECT_EQ(copied, Filled(2, 3));
  table_rows::Paste(table, 7, copied);
  EXPECT_EQ(table.Row_Texts(7), QStringList({"r2c1", "r2c2", "r2c3", ""}));
}

TEST(TableRows, PasteChecksInTheirOrder) {
  struct Case {
    const char* what;
    bool allowed;
    int buffer_columns;
    QStringList row;  // columns 1..3; column 2 is a check-box column
    table_rows::Paste_Check expected;
  };
  using table_rows::Paste_Check;
  const Case cases[] = {
      {"empty row", true, 3, {"", "", ""}, Paste_Check::Free},
      {"only the check box", true, 3, {"", "Y", ""}, Paste_Check::Free},
      {"blanks only", true, 3, {" ", "", "\t"}, Paste_Check::Free},
      {"a text", true, 3, {"", "", "x"}, Paste_Check::Overwrite},
      {"a first cell", true, 3, {"0x181", "N", ""}, Paste_Check::Overwrite},
      {"other width", true, 2, {"", "", ""}, Paste_Check::Other_Width},
      {"other width before overwrite", true, 4, {"x", "", ""}, Paste_Check::Other_Width},
      {"not allowed first", false, 2, {"x", "", ""}, Paste_Check::Not_Allowed},
  };
  for (const Case& c : cases) {
    Fake_Table table(31, 3);
    table.checks = {2};
    for (int col = 1; col <= 3; ++col) table.Set_Cell(col, 4, c.row[col - 1]);
    QStringList buffer;
    for (int i = 0; i < c.buffer_columns; ++i) buffer << QString::number(i);
    EXPECT_EQ(table_rows::Check_Paste(table, 4, buffer, c.allowed), c.expected) << c.what;
  }
}

TEST(TableRows, EnterGoesRightThenToTheNextRowAndWrapsToRowOne) {
  struct Case {
    int col, row;
    std::optional<table_rows::Cell_Position> next;
  };
  // 14 columns (13 data) and 31 rows (30 data), as the transmit PDO table.
  const Case cases[] = {
      {1, 1, table_rows::Cell_Position{2, 1}},
      {12, 5, table_rows::Cell_Position{13, 5}},
      {13, 5, table_rows::Cell_Position{1, 6}},
      {13, 30, table_rows::Cell_Position{1, 1}},
      {0, 4, std::nullopt},
      {4, 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(table_rows::Next_Cell(c.col, c.row, 14, 31), c.next) << c.col << "," << c.row;
}

}  // namespace
