// Addresses, number texts, string escapes, the zip bounds, and workbooks
// written, merged and read back without the grid.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "controls/format_settings.h"
#include "grid/workbook/workbook_address.h"
#include "grid/workbook/workbook_dates.h"
#include "grid/workbook/workbook_source.h"
#include "grid/workbook/xlsx_writer.h"
#include "grid/workbook/zip_package.h"

using namespace grid_workbook;

TEST(WorkbookAddress, ColumnLettersBothWays) {
  const std::pair<int, const char*> cases[] = {{1, "A"},   {26, "Z"},   {27, "AA"},   {30, "AD"},
                                               {52, "AZ"}, {53, "BA"},  {702, "ZZ"},  {703, "AAA"}};
  for (const auto& [n, letters] : cases) {
    EXPECT_EQ(Column_Letters(n), QString(letters)) << n;
    EXPECT_EQ(Column_Number(letters), n) << letters;
  }
  EXPECT_EQ(Column_Letters(0), QString());
  for (const char* bad : {"", "a", "A1", "ABCD", "$A"}) EXPECT_EQ(Column_Number(bad), -1) << bad;
}

TEST(WorkbookAddress, UsedRanges) {
  struct Case {
    const char* address;
    int c1, r1, c2, r2;
    const char* range;  // nullptr: not a valid range
  };
  const Case cases[] = {
      {"$B$3:$C$4", 2, 3, 3, 4, "B3:C4"},
      {"$AA$1:$AB$2", 27, 1, 28, 2, "AA1:AB2"},
      {"$Z$9:$AD$10", 26, 9, 30, 10, "Z9:AD10"},
      {"$1:$3", 1, 1, 256, 3, "A1:IV3"},
      {"$D$7", 4, 7, 4, 7, "D7:D7"},
      {"A1", 1, 1, 1, 1, "A1:A1"},
      {"$B3:$C$4", 1, -1, 256, -1, nullptr},
      {"$B$3:$C4", 2, 3, -1, -1, nullptr},
      {"$B$0:$C$4", -1, -1, 3, 4, nullptr},
      {"$b$3:$C$4", -1, -1, 3, 4, nullptr},
      {"$ABCD$1", -1, -1, -1, -1, nullptr},
      {"$B$x", -1, -1, -1, -1, nullptr},
      {"$:$", 1, -1, 256, -1, nullptr},
  };
  for (const Case& c : cases) {
    const Used_Range r = Parse_Used_Range(c.address);
    EXPECT_EQ(r.C1, c.c1) << c.address;
    EXPECT_EQ(r.R1, c.r1) << c.address;
    EXPECT_EQ(r.C2, c.c2) << c.address;
    EXPECT_EQ(r.R2, c.r2) << c.address;
    EXPECT_EQ(r.Valid(), c.range != nullptr) << c.address;
    if (c.range) EXPECT_EQ(Range_Text(r), QString(c.range)) << c.address;
  }
}

TEST(WorkbookNumbers, ShownFormAndWhatMayBeStoredAsNumber) {
  EXPECT_EQ(Number_Text(12), QString("12"));
  EXPECT_EQ(Number_Text(-7), QString("-7"));
  EXPECT_EQ(Number_Text(1.5), QString("1.5"));
  EXPECT_EQ(Number_Text(0.1), QString("0.1"));
  EXPECT_EQ(Number_Text(1e20), QString("1e+20"));
  double v = 0;
  for (const char* number : {"12", "-7", "1.5", "0.1"}) EXPECT_TRUE(Is_Number_Text(number, v)) << number;
  for (const char* text : {"007", "1.50", "+3", " 4", "1e3", "abc", "", "1,000"})
    EXPECT_FALSE(Is_Number_Text(text, v)) << text;
}

TEST(WorkbookPackage, DamagedAndOversizedArchivesAreRefused) {
  EXPECT_THROW(Read_Package("not a zip archive"), Package_Damaged);
  const QByteArray book = New_Xlsx("S", 1, {{"a"}});
  EXPECT_THROW(Read_Package(book.left(book.size() / 2)), Package_Damaged);
  QByteArray flipped = book;
  flipped[60] = char(flipped[60] ^ 0x55);  // inside the first entry's data
  EXPECT_THROW(Read_Package(flipped), Package_Damaged);
  Package_Entries many;
  for (int i = 0; i <= Max_Entries; ++i) many.emplace_back(QStringLiteral("e%1").arg(i), QByteArray());
  EXPECT_THROW(Read_Package(Write_Package(many)), Package_Damaged);
  // A small file that unpacks past the bound.
  const QByteArray bomb = Write_Package({{"big", QByteArray(Max_Entry_Bytes + 1, 'x')}});
  EXPECT_LT(bomb.size(), 1 << 20);
  EXPECT_THROW(Read_Package(bomb), Package_Damaged);
}

namespace {

// A workbook of one sheet "S" whose <sheetData> is the text given, and the
// shared strings "zero", "one".
QByteArray Book_With_Sheet_Data(const QByteArray& sheet_data) {
  const QByteArray main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
  return Write_Package({
      {"_rels/.rels",
       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
       "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
       "officeDocument\" Target=\"/xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml", "<x:workbook xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                          "<x:sheets><x:sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></x:sheets></x:workbook>"},
      {"xl/_rels/workbook.xml.rels",
       "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
       "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
       "worksheet\" Target=\"sheets/../worksheets/s.xml\"/>"
       "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
       "sharedStrings\" Target=\"strings.xml\"/></Relationships>"},
      {"xl/strings.xml", "<sst " + main + "><si><t>zero</t></si><si><r><t>o</t></r><r><t>ne</t></r></si></sst>"},
      {"xl/worksheets/s.xml", "<worksheet " + main + "><sheetData>" + sheet_data + "</sheetData></worksheet>"},
  });
}

}  // namespace

TEST(WorkbookRead, CellKindsPrefixesAndImplicitPositions) {
  const auto book = Open_Xlsx(Book_With_Sheet_Data(
      "<row r=\"2\"><c r=\"B2\" t=\"s\"><v>1</v></c><c t=\"e\"><v>#N/A</v></c><c t=\"b\"><v>1</v></c></row>"
      "<row><c><v>2.50</v></c><c t=\"inlineStr\"><is><t>a_x000D_b</t></is></c><c t=\"str\"><v>f</v></c></row>"));
  EXPECT_EQ(book->Sheet_Names(), QStringList{"S"});
  const Sheet_Cells sheet = book->Read_Sheet(0);
  EXPECT_EQ(sheet.Address, QString("$A$2:$D$3"));
  const std::map<std::pair<int, int>, QString> expected{
      {{2, 2}, "one"}, {{2, 4}, "True"}, {{3, 1}, "2.5"}, {{3, 2}, "a\rb"}, {{3, 3}, "f"}};
  EXPECT_EQ(sheet.Values, expected);
}

TEST(WorkbookRead, BrokenSheetsAreDamaged) {
  const char* sheets[] = {
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>2</v></c></row>",           // no such shared string
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>x</v></c></row>",           // no index
      "<row r=\"0\"><c r=\"A0\"><v>1</v></c></row>",                   // row 0
      "<row r=\"1\"><c r=\"A2\"><v>1</v></c></row>",                   // cell of another row
      "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>",                 // past the last column
      "<row r=\"1048577\"><c r=\"A1048577\"><v>1</v></c></row>",       // past the last row
      "<row r=\"1\"><c r=\"A1\"><v>1</v></c>",                         // no XML
  };
  for (const char* data : sheets) {
    const auto book = Open_Xlsx(Book_With_Sheet_Data(data));
    EXPECT_THROW(book->Read_Sheet(0), Package_Damaged) << data;
  }
  EXPECT_THROW(Open_Xlsx(Write_Package({{"xl/workbook.xml", "<workbook/>"}})), Package_Damaged);
}

TEST(WorkbookWrite, MergingKeepsOtherCellsAndClearsEmptyTexts) {
  QByteArray book = New_Xlsx("Data", 1, {{"a", "b", "c"}, {"d"}});
  book = Put_Xlsx_Sheet(book, "Data", 2, {{"", "1.5", "007"}});
  book = Put_Xlsx_Sheet(book, "More", 3, {{"x\ty", "", "z_x0041_\x01"}});
  const auto read = Open_Xlsx(book);
  EXPECT_EQ(read->Sheet_Names(), (QStringList{"Data", "More"}));
  const Sheet_Cells data = read->Read_Sheet(0);
  const std::map<std::pair<int, int>, QString> expected{
      {{1, 1}, "a"}, {{1, 2}, "b"}, {{1, 3}, "c"}, {{2, 2}, "1.5"}, {{2, 3}, "007"}};
  EXPECT_EQ(data.Values, expected);
  EXPECT_EQ(data.Address, QString("$A$1:$C$2"));
  const Sheet_Cells more = read->Read_Sheet(1);
  const std::map<std::pair<int, int>, QString> expected_more{{{3, 1}, "x\ty"}, {{3, 3}, "z_x0041_\x01"}};
  EXPECT_EQ(more.Values, expected_more);

  // The number is stored as one, the text with leading zeros as text.
  const Package_Entries entries = Read_Package(book);
  pugi::xml_document sheet;
  const QByteArray* part = Find_Entry(entries, "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(part);
  ASSERT_TRUE(sheet.load_buffer(part->constData(), size_t(part->size())));
  EXPECT_STREQ(sheet.select_node("//c[@r='B2']").node().attribute("t").value(), "");
  EXPECT_STREQ(sheet.select_node("//c[@r='C2']").node().attribute("t").value(), "inlineStr");
  EXPECT_FALSE(sheet.select_node("//c[@r='A2']"));
}

TEST(WorkbookDates, NumberFormatsThatShowDates) {
  const struct {
    int id;
    const char* code;
    Date_Kind kind;
  } cases[] = {
      {0, "", Date_Kind::None},
      {2, "", Date_Kind::None},
      {14, "", Date_Kind::Date},
      {18, "", Date_Kind::Time},
      {22, "", Date_Kind::Date_Time},
      {46, "", Date_Kind::Time},
      {164, "yyyy-mm-dd", Date_Kind::Date},
      {164, "yyyy-mm-dd h:mm:ss", Date_Kind::Date_Time},
      {164, "[h]:mm", Date_Kind::Time},
      {164, "mm:ss", Date_Kind::Time},
      {164, "0.00", Date_Kind::None},
      {164, "0.00E+00", Date_Kind::None},
      {164, "#,##0 \"days\"", Date_Kind::None},  // a quoted d is no day
      {164, "[Red]0.0;[Blue]-0.0", Date_Kind::None},
      {164, "0\\d", Date_Kind::None},
      {164, "[$-407]dd. mmmm yyyy", Date_Kind::Date},
      {164, "General", Date_Kind::None},
  };
  for (const auto& c : cases) EXPECT_EQ(Format_Date_Kind(c.id, c.code), c.kind) << c.id << " " << c.code;
}

TEST(WorkbookDates, SerialsAsTheGridsDateTexts) {
  Format_Settings settings;
  settings.Short_Date_Format = "dd.mm.yyyy";
  settings.Date_Separator = '.';
  settings.Long_Time_Format = "hh:nn:ss";
  const Format_Settings_Scope scope(settings);
  const struct {
    double serial;
    Date_Kind kind;
    bool date1904;
    const char* text;  // nullptr: stays a number
  } cases[] = {
      {46367, Date_Kind::Date, false, "11.12.2026"},
      {46367.5, Date_Kind::Date_Time, false, "11.12.2026 12:00:00"},
      {0.25, Date_Kind::Time, false, "06:00:00"},
      {0.9999999, Date_Kind::Time, false, "00:00:00"},  // rounds into the next day's midnight
      {44905, Date_Kind::Date, true, "11.12.2026"},
      {1, Date_Kind::Date, false, "01.01.1900"},
      {59, Date_Kind::Date, false, "28.02.1900"},
      {61, Date_Kind::Date, false, "01.03.1900"},
      {60, Date_Kind::Date, false, nullptr},  // 29 February 1900 never was
      {-1, Date_Kind::Date, false, nullptr},
      {2958466, Date_Kind::Date, false, nullptr},
      {46367, Date_Kind::None, false, nullptr},
      {1.5, Date_Kind::Time, false, nullptr},  // 36 hours: a duration
  };
  for (const auto& c : cases) {
    QString text;
    const bool date = Serial_Date_Text(c.serial, c.kind, c.date1904, text);
    EXPECT_EQ(date, c.text != nullptr) << c.serial;
    if (date && c.text) EXPECT_EQ(text, QString(c.text)) << c.serial;
  }
  EXPECT_EQ(Iso_Date_Text("2026-12-11", Date_Kind::Date), QString("11.12.2026"));
  EXPECT_EQ(Iso_Date_Text("2026-12-11 08:30:00", Date_Kind::Date_Time), QString("11.12.2026 08:30:00"));
  EXPECT_EQ(Iso_Date_Text("14:05:00", Date_Kind::Time), QString("14:05:00"));
  EXPECT_EQ(Iso_Date_Text("not a date", Date_Kind::Date), QString("not a date"));
}
