#include "editors/files/canopen_table_file.h"

#include <gtest/gtest.h>

#include <QFile>

#include "support/temp_dir.h"

namespace {

QByteArray Test_File(const QString& name) {
  QFile file(Test_Data("config_files/" + name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

CANopen_Tables_Load Read_Text(const QByteArray& text, CANopen_Table_Kind kind) {
  Temp_Dir dir;
  return Read_CANopen_Tables(dir.Write("table.xml", text), kind);
}

// A row of the layout's width whose cells name their column, so that a cell in
// the wrong attribute shows.
CANopen_Row Numbered_Row(const CANopen_List_Layout& list, int row) {
  CANopen_Row cells;
  for (int c = 0; c < list.columns.size(); ++c) cells << QStringLiteral("r%1c%2").arg(row).arg(c + 1);
  return cells;
}

TEST(CANopenTableFile, PdoRowIsWrittenWithEveryAttributeInOrder) {
  CANopen_Tables tables;
  tables.lists[1].push_back({"0x181", "2", "0", "1", "", "", "", "", "", "", "100", "Y", "t"});
  Temp_Dir dir;
  Write_CANopen_Tables(dir.File("PDO_CANopen.xml"), tables, CANopen_Table_Kind::PDO, 6);
  EXPECT_EQ(dir.Read("PDO_CANopen.xml"), Test_File("pdo_one_transmit_row.xml"));
  const CANopen_Tables_Load load = Read_CANopen_Tables(dir.File("pdo_canopen.xml"), CANopen_Table_Kind::PDO);
  EXPECT_TRUE(load.Complete()) << load.error.toStdString();
  EXPECT_EQ(load.tables, tables);
}

TEST(CANopenTableFile, EveryFileRoundTripsBothListsCellForCell) {
  for (CANopen_Table_Kind kind :
       {CANopen_Table_Kind::SDO_Server, CANopen_Table_Kind::SDO_Client, CANopen_Table_Kind::PDO}) {
    const CANopen_File_Layout& layout = CANopen_Layout(kind);
    SCOPED_TRACE(layout.file_name.toStdString());
    CANopen_Tables tables;
    for (int list = 0; list < 2; ++list)
      for (int r = 1; r <= 3; ++r) tables.lists[list].push_back(Numbered_Row(layout.lists[list], r + 10 * list));
    // Cells as typed: blanks, hexadecimal forms and markup characters stay.
    tables.lists[1][0][0] = " 5";
    tables.lists[1][1][0] = "$2000";
    tables.lists[1][2].back() = "a&b <c> \"d\"";
    const QByteArray text = CANopen_Tables_Text(tables, kind, 6);
    EXPECT_TRUE(text.startsWith("<" + layout.root.toUtf8() + "><" + layout.lists[0].name.toUtf8() + "><row "));
    EXPECT_TRUE(text.endsWith("</" + layout.root.toUtf8() + "><!--SW_VERSION = 2.003-->"));
    const CANopen_Tables_Load load = Read_Text(text, kind);
    EXPECT_TRUE(load.Complete()) << load.error.toStdString();
    EXPECT_EQ(load.tables, tables);
  }
}

TEST(CANopenTableFile, ServerWriteListSurvivesARewriteUnchanged) {
  const QByteArray file =
      "<DeviceNet_Master_to_SDO_CANopen><SDO_Read><row Index=\"$2000\" SubIndex=\" 5\" NByte=\"1\" Address_B1=\"0\" "
      "Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"\"/></SDO_Read><SDO_Write><row Index=\"0x2001\" "
      "SubIndex=\"0\" NByte=\"4\" Address_B1=\"10\" Address_B2=\"11\" Address_B3=\"12\" Address_B4=\"13\" "
      "Mnemonic=\"w\"/></SDO_Write></DeviceNet_Master_to_SDO_CANopen><!--SW_VERSION = 2.003-->";
  Temp_Dir dir;
  const QString path = dir.Write("SDO_Server_CANopen.xml", file);
  const CANopen_Tables_Load load = Read_CANopen_Tables(path, CANopen_Table_Kind::SDO_Server);
  ASSERT_TRUE(load.Complete()) << load.error.toStdString();
  EXPECT_EQ(load.tables.lists[0][0][0], "$2000");
  EXPECT_EQ(load.tables.lists[0][0][1], " 5");
  Write_CANopen_Tables(path, load.tables, CANopen_Table_Kind::SDO_Server, 6);
  EXPECT_EQ(dir.Read("SDO_Server_CANopen.xml"), file);
}

TEST(CANopenTableFile, WrittenRowsEndAtTheFirstBlankFirstCell) {
  const CANopen_List_Layout& list = CANopen_Layout(CANopen_Table_Kind::SDO_Client).lists[1];
  CANopen_Tables tables;
  tables.lists[0] = {{" ", "x"}, Numbered_Row(CANopen_Layout(CANopen_Table_Kind::SDO_Client).lists[0], 2)};
  tables.lists[1] = {Numbered_Row(list, 1), {"7"}, {"\t"}, Numbered_Row(list, 4)};
  const CANopen_Tables_Load load =
      Read_Text(CANopen_Tables_Text(tables, CANopen_Table_Kind::SDO_Client, 6), CANopen_Table_Kind::SDO_Client);
  ASSERT_TRUE(load.Complete());
  EXPECT_TRUE(load.tables.lists[0].empty());
  ASSERT_EQ(load.tables.lists[1].size(), 2u);
  EXPECT_EQ(load.tables.lists[1][0], Numbered_Row(list, 1));
  CANopen_Row short_row(list.columns.size());  // the missing cells were written empty
  short_row[0] = "7";
  EXPECT_EQ(load.tables.lists[1][1], short_row);
}

TEST(CANopenTableFile, ListsHoldAtMostTheGridsDataRows) {
  for (CANopen_Table_Kind kind :
       {CANopen_Table_Kind::SDO_Server, CANopen_Table_Kind::SDO_Client, CANopen_Table_Kind::PDO}) {
    const CANopen_File_Layout& layout = CANopen_Layout(kind);
    CANopen_Tables tables;
    for (int r = 0; r < layout.max_rows + 5; ++r) tables.lists[0].push_back(Numbered_Row(layout.lists[0], r));
    const QByteArray text = CANopen_Tables_Text(tables, kind, 6);
    EXPECT_EQ(text.count("<row "), layout.max_rows) << layout.file_name.toStdString();
    // A hand-made file with more rows shows only as many.
    QByteArray rows;
    for (int r = 0; r < layout.max_rows + 5; ++r) rows += "<row/>";
    const CANopen_Tables_Load load =
        Read_Text("<R><" + layout.lists[0].name.toUtf8() + ">" + rows + "</" + layout.lists[0].name.toUtf8() + "><" +
                      layout.lists[1].name.toUtf8() + "/></R>",
                  kind);
    EXPECT_EQ(load.tables.lists[0].size(), static_cast<size_t>(layout.max_rows));
  }
  EXPECT_EQ(CANopen_Layout(CANopen_Table_Kind::PDO).max_rows, 30);
}

TEST(CANopenTableFile, MissingAttributesReadAsEmptyCellsAndOnlyElementsAreRows) {
  const CANopen_Tables_Load load = Read_Text(
      "<Any><Receive_PDO><!-- c --><row COB-ID=\"0x201\" Mnemonic=\"m\"/>text<row Dimension=\"1\"/></Receive_PDO>"
      "<Transmit_PDO/></Any>",
      CANopen_Table_Kind::PDO);
  ASSERT_TRUE(load.Complete()) << load.error.toStdString();
  ASSERT_EQ(load.tables.lists[0].size(), 2u);
  const CANopen_Row& first = load.tables.lists[0][0];
  EXPECT_EQ(first.size(), 12);
  EXPECT_EQ(first[0], "0x201");
  EXPECT_EQ(first[11], "m");
  EXPECT_EQ(first[1], "");
  EXPECT_EQ(load.tables.lists[0][1][1], "1");
}

TEST(CANopenTableFile, DamagedFilesAreReported) {
  struct Case {
    const char* text;
    const char* message;
    size_t first_list_rows;
  };
  const Case cases[] = {
      {"<DeviceNet_Master_to_PDO><Receive_PDO><row COB-ID=\"1\"/></DeviceNet_Master_to_PDO>", "table.xml", 0},
      {"<DeviceNet_Master_to_PDO><Receive_PDO><row COB-ID=\"1\"/></Receive_PDO></DeviceNet_Master_to_PDO>",
       "\"Transmit_PDO\" is missing", 1},
      {"<DeviceNet_Master_to_SDO_CANopen><SDO_Read/><SDO_Write/></DeviceNet_Master_to_SDO_CANopen>",
       "\"Receive_PDO\", \"Transmit_PDO\" are missing", 0},
      // A comment before the root does not hide the lists.
      {"<!--c--><DeviceNet_Master_to_PDO><Receive_PDO><row COB-ID=\"1\"/></Receive_PDO></DeviceNet_Master_to_PDO>",
       "\"Transmit_PDO\" is missing", 1},
  };
  for (const Case& c : cases) {
    const CANopen_Tables_Load load = Read_Text(c.text, CANopen_Table_Kind::PDO);
    EXPECT_TRUE(load.error.contains(c.message)) << c.text << " -> " << load.error.toStdString();
    EXPECT_EQ(load.tables.lists[0].size(), c.first_list_rows) << c.text;
  }
  Temp_Dir dir;
  const CANopen_Tables_Load none = Read_CANopen_Tables(dir.File("PDO_CANopen.xml"), CANopen_Table_Kind::PDO);
  EXPECT_TRUE(none.Complete());
  EXPECT_EQ(none.tables, CANopen_Tables{});
}

// A readable file whose rows the tables cannot hold as they are: the rows are
// still read, and the shortfall says what the next save would change.
TEST(CANopenTableFile, RowsTheTablesCannotHoldAreToldApart) {
  const CANopen_File_Layout& pdo = CANopen_Layout(CANopen_Table_Kind::PDO);
  QByteArray many;
  for (int r = 0; r < pdo.max_rows + 1; ++r) many += "<row COB-ID=\"1\"/>";
  struct Case {
    QByteArray text;
    QStringList told;  // parts of the shortfall, empty when there is none
    size_t second_list_rows;
  };
  const QByteArray full_row =
      "<row COB-ID=\"1\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" "
      "Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" Send_Time=\"0\" On_Change=\"\" "
      "Mnemonic=\"\"/>";
  const Case cases[] = {
      {"<R><Receive_PDO/><Transmit_PDO>" + full_row + full_row + "</Transmit_PDO></R>", {}, 2},
      {"<R><Receive_PDO/><Transmit_PDO>" + full_row + "<row COB-ID=\"2\"/></Transmit_PDO></R>",
       {"Row 2 of \"Transmit_PDO\" has no \"Dimension\""},
       2},
      {"<R><Receive_PDO/><Transmit_PDO>" + many + "</Transmit_PDO></R>",
       {"Row 1 of \"Transmit_PDO\"", "\"Transmit_PDO\" holds more than 30 rows"},
       30},
  };
  for (const Case& c : cases) {
    const CANopen_Tables_Load load = Read_Text(c.text, CANopen_Table_Kind::PDO);
    EXPECT_TRUE(load.Complete()) << load.error.toStdString();
    EXPECT_EQ(load.tables.lists[1].size(), c.second_list_rows);
    EXPECT_EQ(load.shortfall.isEmpty(), c.told.isEmpty()) << load.shortfall.toStdString();
    for (const QString& part : c.told) EXPECT_TRUE(load.shortfall.contains(part)) << load.shortfall.toStdString();
  }
}

}  // namespace
