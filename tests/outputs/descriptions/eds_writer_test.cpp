#include "outputs/descriptions/eds_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/eds_structure.h"
#include "platform/atomic_file.h"
#include "platform/xml_document.h"
#include "support/temp_dir.h"

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(13, 5, 42));

QByteArray Fixture(const QString& relative) {
  QFile file(Test_Data(QStringLiteral("descriptions/") + relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Fixture_Path(const QString& folder, const QString& name) {
  return Test_Data(QStringLiteral("descriptions/%1/%2").arg(folder, name));
}

QString Pdo_Row(const QString& cob_id, const QString& dimension) {
  return QStringLiteral("<row COB-ID=\"%1\" Dimension=\"%2\" Address_B1=\"\" Mnemonic=\"\"/>").arg(cob_id, dimension);
}

QByteArray Pdo_File(const QString& receive_rows, const QString& transmit_rows) {
  return QStringLiteral(
             "<DeviceNet_Master_to_PDO><Receive_PDO>%1</Receive_PDO><Transmit_PDO>%2</Transmit_PDO>"
             "</DeviceNet_Master_to_PDO>")
      .arg(receive_rows, transmit_rows)
      .toUtf8();
}

QByteArray Sdo_File(const QString& read_rows, const QString& write_rows) {
  return QStringLiteral(
             "<DeviceNet_Master_to_SDO_CANopen><SDO_Read>%1</SDO_Read><SDO_Write>%2</SDO_Write>"
             "</DeviceNet_Master_to_SDO_CANopen>")
      .arg(read_rows, write_rows)
      .toUtf8();
}

QString Sdo_Row(const QString& index, const QString& sub, const QString& size) {
  return QStringLiteral("<row Index=\"%1\" SubIndex=\"%2\" NByte=\"%3\" Mnemonic=\"\"/>").arg(index, sub, size);
}

// The lines of one section, from its header up to the next header.
QStringList Section(const QByteArray& eds, const QString& header) {
  const QStringList lines = QString::fromLatin1(eds).split(QStringLiteral("\r\n"));
  QStringList out;
  bool inside = false;
  for (const QString& line : lines) {
    if (line.startsWith('[')) inside = line == "[" + header + "]";
    if (inside && !line.isEmpty()) out << line;
  }
  return out;
}

// Each fixture folder holds the configuration's table files (either may be
// missing) and the EDS expected from them at 13:05 on 5 March 2024.
class EdsFixture : public testing::TestWithParam<const char*> {};

TEST_P(EdsFixture, WritesTheExpectedFileByteForByte) {
  const QString folder = QString::fromLatin1(GetParam());
  Temp_Dir out;
  Write_EDS_File(out.File("out.eds"), Fixture_Path(folder, "PDO_CANopen.xml"),
                 Fixture_Path(folder, "SDO_Server_CANopen.xml"), kNow);
  const QByteArray written = out.Read("out.eds");
  const QByteArray expected = Fixture(folder + "/expected.eds");
  if (written != expected) {
    // Left for comparison with a text tool.
    const QString actual = QDir::temp().filePath(folder + ".actual.eds");
    atomic_file::Write(actual, written);
    ADD_FAILURE() << "differs from expected.eds; written file: " << actual.toStdString();
  }
  EXPECT_EQ(Eds_Structure_Faults(written).join('\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Configurations, EdsFixture,
                         testing::Values("eds_empty", "eds_transmit_one", "eds_sdo_subs", "eds_mixed", "eds_full"));

TEST(EdsWriter, WithoutTablesHoldsTheFixedPartOnly) {
  const QByteArray eds = EDS_Text({}, {}, kNow);
  const QString text = QString::fromLatin1(eds);
  EXPECT_TRUE(text.contains("NrOfRXPDO=0\r\nNrOfTXPDO=0\r\n"));
  EXPECT_EQ(Section(eds, "OptionalObjects").at(1), "SupportedObjects=8");
  EXPECT_EQ(Section(eds, "ManufacturerObjects").at(1), "SupportedObjects=0");
  EXPECT_TRUE(
      text.endsWith("[1280sub3]\r\nParameterName=Node ID of the SDO Server\r\nObjectType=0x07\r\n"
                    "DataType=0x0005\r\nAccessType=rw\r\nPDOMapping=0\r\n\r\n"));
  EXPECT_FALSE(text.contains("\r\n\r\n\r\n"));
  EXPECT_FALSE(eds.contains("\n\n")) << "every line ends with CR LF";
}

TEST(EdsWriter, TransmitPdoGetsItsThreeObjects) {
  EDS_PDO_Table pdos;
  pdos.Transmit.push_back({0x181, 2});
  const QByteArray eds = EDS_Text(pdos, {}, kNow);
  const QStringList optional = Section(eds, "OptionalObjects");
  EXPECT_TRUE(optional.contains("9=0x1800"));
  EXPECT_TRUE(optional.contains("10=0x1A00"));
  EXPECT_TRUE(optional.contains("11=0x7050"));
  EXPECT_TRUE(optional.contains("SupportedObjects=11"));
  EXPECT_TRUE(Section(eds, "1800sub1").contains("DefaultValue=0x00000181"));
  EXPECT_TRUE(Section(eds, "1A00").contains("SubNumber=3"));
  EXPECT_TRUE(Section(eds, "1A00").contains("ParameterName=Transmit PDO Mapping Parameter 1"));
  EXPECT_TRUE(Section(eds, "1A00sub1").contains("DefaultValue=0x70500108"));
  EXPECT_TRUE(Section(eds, "1A00sub2").contains("DefaultValue=0x70500208"));
  EXPECT_TRUE(Section(eds, "7050sub1").contains("ParameterName=l1"));
  EXPECT_TRUE(Section(eds, "7050sub2").contains("ParameterName=l2"));
  EXPECT_TRUE(Section(eds, "7050sub0").contains("AccessType=rw"));
  EXPECT_TRUE(Section(eds, "7050sub1").contains("AccessType=rwr"));
}

TEST(EdsWriter, ManufacturerObjectsFollowTheServerRows) {
  Temp_Dir dir;
  dir.Write("SDO_Server_CANopen.xml",
            Sdo_File(Sdo_Row("0x2000", "1", "2") + Sdo_Row("0x2000", "3", "4") + Sdo_Row("0x2001", "0", "1"),
                     Sdo_Row("0x2000", "10", "1")));
  Write_EDS_File(dir.File("a.eds"), dir.File("PDO_CANopen.xml"), dir.File("SDO_Server_CANopen.xml"), kNow);
  const QByteArray eds = dir.Read("a.eds");
  EXPECT_EQ(Section(eds, "ManufacturerObjects"),
            QStringList({"[ManufacturerObjects]", "SupportedObjects=2", "1=0x2000", "2=0x2001"}));
  EXPECT_TRUE(Section(eds, "2000").contains("SubNumber=4"));  // sub 0 and three sub-indexes
  EXPECT_TRUE(Section(eds, "2000sub0").contains("DefaultValue=0x0A"));
  EXPECT_TRUE(Section(eds, "2000sub1").contains("DataType=0x0006"));
  EXPECT_TRUE(Section(eds, "2000sub3").contains("DataType=0x0007"));
  EXPECT_TRUE(Section(eds, "2000subA").contains("DataType=0x0005"));
  EXPECT_TRUE(Section(eds, "2000subA").contains("AccessType=rw"));
  EXPECT_TRUE(Section(eds, "2000sub1").contains("AccessType=ro"));
  EXPECT_TRUE(Section(eds, "2001").contains("SubNumber=1"));
  EXPECT_TRUE(Section(eds, "2001sub0").contains("ParameterName=Application Variable"));
  EXPECT_EQ(Eds_Structure_Faults(eds).join('\n').toStdString(), "");
}

TEST(EdsWriter, ServerRowsWithoutSubIndexZeroGetALargestSubIndexSection) {
  std::vector<SDO_Index> list = {{0x2000, {{1, 2, true, {}}, {3, 4, true, {}}}, {}}, {0x2001, {{0, 1, true, {}}}, {}}};
  const QByteArray eds = EDS_Text({}, list, kNow);
  EXPECT_TRUE(Section(eds, "2000").contains("SubNumber=3"));
  EXPECT_TRUE(Section(eds, "2000sub0").contains("ParameterName=Largest Sub-Index supported"));
  EXPECT_TRUE(Section(eds, "2000sub0").contains("DefaultValue=0x03"));
  EXPECT_TRUE(Section(eds, "2001").contains("SubNumber=1"));
  EXPECT_EQ(Eds_Structure_Faults(eds).join('\n').toStdString(), "");
}

TEST(EdsWriter, SameSubIndexInBothListsIsOneReadWriteSection) {
  Temp_Dir dir;
  dir.Write("sdo.xml",
            Sdo_File(Sdo_Row("0x2000", "1", "1"), Sdo_Row("0x2000", "1", "4") + Sdo_Row("0x2000", "2", "2")));
  std::vector<SDO_Index> list = Read_EDS_SDO(dir.File("sdo.xml"));
  Sort_SDO_Sub_Indexs(list);
  ASSERT_EQ(list.size(), 1u);
  ASSERT_EQ(list[0].Sub_Indexs.size(), 2u);
  EXPECT_FALSE(list[0].Sub_Indexs[0].Readonly);
  EXPECT_EQ(list[0].Sub_Indexs[0].Quantity, 1) << "the size of the read row";
  const QByteArray eds = EDS_Text({}, list, kNow);
  EXPECT_EQ(QString::fromLatin1(eds).count("[2000sub1]"), 1);
  EXPECT_TRUE(Section(eds, "2000sub1").contains("AccessType=rw"));
  EXPECT_FALSE(Section(eds, "2000sub1").contains("AccessType=ro"));
  EXPECT_TRUE(Section(eds, "2000").contains("SubNumber=3"));
  EXPECT_EQ(Eds_Structure_Faults(eds).join('\n').toStdString(), "");
}

TEST(EdsWriter, SortKeepsFileOrderOfEqualSubIndexesAndFindsIndexes) {
  std::vector<SDO_Index> list = {
      {0x2000, {{5, 1, false, {}}, {2, 2, true, {}}, {5, 4, true, {}}, {0, 1, false, {}}}, {}}, {0x2100, {}, {}}};
  EXPECT_EQ(Find_SDO_Index(list, 0x2100), 1);
  EXPECT_EQ(Find_SDO_Index(list, 0x2200), -1);
  Sort_SDO_Sub_Indexs(list);
  ASSERT_EQ(list[0].Sub_Indexs.size(), 3u);
  EXPECT_EQ(list[0].Sub_Indexs[0].Sub, 0);
  EXPECT_EQ(list[0].Sub_Indexs[1].Sub, 2);
  EXPECT_EQ(list[0].Sub_Indexs[2].Sub, 5);
  EXPECT_EQ(list[0].Sub_Indexs[2].Quantity, 1) << "the first row of sub-index 5 is kept";
  EXPECT_FALSE(list[0].Sub_Indexs[2].Readonly) << "one of its rows is writable";
  EXPECT_TRUE(list[0].Sub_Indexs[1].Readonly);

  // Two rows of one list keep that list's access.
  std::vector<SDO_Index> read_twice = {{0x2000, {{1, 1, true, {}}, {1, 2, true, {}}}, {}}};
  Sort_SDO_Sub_Indexs(read_twice);
  ASSERT_EQ(read_twice[0].Sub_Indexs.size(), 1u);
  EXPECT_TRUE(read_twice[0].Sub_Indexs[0].Readonly);
}

TEST(EdsWriter, DateAndTwelveHourTime) {
  const struct {
    QTime time;
    const char* text;
  } rows[] = {
      {QTime(13, 5), "01:05PM"},      {QTime(12, 0), "12:00PM"}, {QTime(12, 30), "12:30PM"},
      {QTime(12, 1), "12:01PM"},      {QTime(0, 15), "12:15AM"}, {QTime(0, 0), "12:00AM"},
      {QTime(11, 59, 59), "11:59AM"}, {QTime(9, 7), "09:07AM"},  {QTime(23, 59), "11:59PM"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(EDS_Time_Text(row.time).toStdString(), row.text) << row.time.toString().toStdString();
  EXPECT_EQ(EDS_Date_Text(QDate(2024, 3, 5)), "03-05-2024");
  EXPECT_EQ(EDS_Date_Text(QDate(2025, 12, 31)), "12-31-2025");
}

TEST(EdsWriter, ThirtyPdosOfEachKindAreDescribed) {
  QString receive;
  QString transmit;
  for (int i = 0; i < EDS_Max_PDOs; ++i) {
    receive += Pdo_Row(QStringLiteral("0x%1").arg(0x201 + i, 0, 16), QString::number(i % 9));
    transmit += Pdo_Row(QStringLiteral("0x%1").arg(0x181 + i, 0, 16), "8");
  }
  Temp_Dir dir;
  dir.Write("pdo.xml", Pdo_File(receive, transmit));
  Write_EDS_File(dir.File("a.eds"), dir.File("pdo.xml"), dir.File("none.xml"), kNow);
  const QByteArray eds = dir.Read("a.eds");
  EXPECT_EQ(Eds_Structure_Faults(eds).join('\n').toStdString(), "");
  EXPECT_TRUE(Section(eds, "OptionalObjects").contains("SupportedObjects=188"));
  EXPECT_TRUE(Section(eds, "701Dsub2").contains("ParameterName=av2"));
  EXPECT_TRUE(Section(eds, "706Dsub8").contains("ParameterName=cv8"));
  EXPECT_TRUE(Section(eds, "1A1Dsub8").contains("DefaultValue=0x706D0808"));
}

// A table the EDS cannot describe stops the export before anything is
// written, and the message names the file and the row.
TEST(EdsWriter, RefusedTablesWriteNothing) {
  QString thirty_one;
  for (int i = 0; i <= EDS_Max_PDOs; ++i) thirty_one += Pdo_Row("0x181", "1");
  const struct {
    const char* name;
    QByteArray pdo;
    QByteArray sdo;
    const char* message;
  } rows[] = {
      {"31 transmit rows", Pdo_File("", thirty_one), {}, "PDO_CANopen.xml, Transmit_PDO row 31"},
      {"dimension 9", Pdo_File(Pdo_Row("0x201", "9"), ""), {}, "PDO_CANopen.xml, Receive_PDO row 1"},
      {"dimension -1", Pdo_File(Pdo_Row("0x201", "1") + Pdo_Row("0x202", "-1"), ""), {}, "Receive_PDO row 2"},
      {"no COB-ID", Pdo_File("", "<row Dimension=\"1\"/>"), {}, "COB-ID is missing"},
      {"no Dimension", Pdo_File("", "<row COB-ID=\"1\"/>"), {}, "Dimension is missing"},
      {"no transmit list", "<DeviceNet_Master_to_PDO><Receive_PDO/></DeviceNet_Master_to_PDO>", {}, "Transmit_PDO"},
      {"index not a number",
       {},
       Sdo_File(Sdo_Row("0x2000", "1", "1"), Sdo_Row("abc", "1", "1")),
       "SDO_Server_CANopen.xml, SDO_Write row 1: the Index \"abc\" is not a number"},
      {"no NByte", {}, Sdo_File("<row Index=\"0x2000\" SubIndex=\"1\"/>", ""), "NByte is missing"},
      {"no write list",
       {},
       "<DeviceNet_Master_to_SDO_CANopen><SDO_Read/></DeviceNet_Master_to_SDO_CANopen>",
       "SDO_Write"},
      {"index of a fixed object", {}, Sdo_File(Sdo_Row("0x1018", "1", "1"), ""), "SDO_Read row 1: the index 0x1018"},
      {"index of a PDO data object", Pdo_File(Pdo_Row("0x201", "1"), ""),
       Sdo_File(Sdo_Row("0x2000", "1", "1"), Sdo_Row("0x7000", "1", "1")), "SDO_Write row 1: the index 0x7000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Temp_Dir dir;
    if (!row.pdo.isEmpty()) dir.Write("PDO_CANopen.xml", row.pdo);
    if (!row.sdo.isEmpty()) dir.Write("SDO_Server_CANopen.xml", row.sdo);
    dir.Write("old.eds", "old");
    try {
      Write_EDS_File(dir.File("old.eds"), dir.File("PDO_CANopen.xml"), dir.File("SDO_Server_CANopen.xml"), kNow);
      ADD_FAILURE() << "no error";
    } catch (const Description_File_Error& e) {
      EXPECT_TRUE(QString::fromStdString(e.what()).contains(QLatin1String(row.message))) << e.what();
    }
    EXPECT_EQ(dir.Read("old.eds"), "old");
  }
}

TEST(EdsWriter, UnusedDataObjectIndexIsFreeForTheServerTable) {
  // The index of a PDO data object that is not written is free for the server table.
  Temp_Dir dir;
  dir.Write("sdo.xml", Sdo_File(Sdo_Row("0x7001", "1", "1"), ""));
  dir.Write("pdo.xml", Pdo_File(Pdo_Row("0x201", "1"), ""));
  Write_EDS_File(dir.File("a.eds"), dir.File("pdo.xml"), dir.File("sdo.xml"), kNow);
  EXPECT_EQ(Eds_Structure_Faults(dir.Read("a.eds")).join('\n').toStdString(), "");
}

TEST(EdsWriter, MalformedTableAndUnwritableTargetAreErrors) {
  Temp_Dir dir;
  dir.Write("pdo.xml", "<DeviceNet_Master_to_PDO><Receive_PDO>");
  EXPECT_THROW(Write_EDS_File(dir.File("a.eds"), dir.File("pdo.xml"), dir.File("none.xml"), kNow), Xml_Error);
  EXPECT_FALSE(QFileInfo::exists(dir.File("a.eds")));
  EXPECT_THROW(Write_EDS_File(dir.File("missing/a.eds"), dir.File("none.xml"), dir.File("none.xml"), kNow),
               File_Write_Error);
}

TEST(EdsWriter, TableFilesAreFoundWhateverTheirCase) {
  Temp_Dir dir;
  dir.Write("pdo_canopen.xml", Pdo_File("", Pdo_Row("0x181", "2")));
  Write_EDS_File(dir.File("a.eds"), dir.File("PDO_CANopen.xml"), dir.File("SDO_Server_CANopen.xml"), kNow);
  EXPECT_TRUE(Section(dir.Read("a.eds"), "DeviceInfo").contains("NrOfTXPDO=1"));
}

}  // namespace
