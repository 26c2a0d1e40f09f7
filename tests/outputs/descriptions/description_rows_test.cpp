// The description writers' readers walk each list once and stop a table at
// its row limit: the EDS tables at 30 PDOs and 500 SDO server rows of a list,
// refused at the first row too many without reading the rows after it.
#include <gtest/gtest.h>

#include <functional>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/eds_writer.h"
#include "outputs/descriptions/gsd_writer.h"
#include "support/temp_dir.h"

namespace {

QByteArray Rows(int count, const char* row) {
  QByteArray rows;
  for (int i = 0; i < count; ++i) rows += row;
  return rows;
}

std::string Refusal(const std::function<void()>& read) {
  try {
    read();
  } catch (const Description_File_Error& e) {
    return e.what();
  }
  return "no error";
}

const char* kPdo_Row = "<row COB-ID=\"0x181\" Dimension=\"1\"/>";
const char* kSdo_Row = "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"2\"/>";

// A row that breaks the file comes after the first row too many: the refusal
// names the limit, so the broken row was never read.
TEST(DescriptionRows, TablesAreRefusedAtTheFirstRowTooMany) {
  Temp_Dir dir;
  const QString pdo =
      dir.Write("PDO_CANopen.xml", "<DeviceNet_Master_to_PDO><Receive_PDO>" + Rows(31, kPdo_Row) +
                                       "<row Dimension=\"1\"/></Receive_PDO><Transmit_PDO/></DeviceNet_Master_to_PDO>");
  std::string error = Refusal([&] { Read_EDS_PDO(pdo); });
  EXPECT_NE(error.find("Receive_PDO row 31: an EDS describes at most 30 PDOs"), std::string::npos) << error;

  const QString sdo = dir.Write("SDO_Server_CANopen.xml", "<DeviceNet_Master_to_SDO_CANopen><SDO_Read/><SDO_Write>" +
                                                              Rows(501, kSdo_Row) +
                                                              "<row Index=\"x\"/></SDO_Write>"
                                                              "</DeviceNet_Master_to_SDO_CANopen>");
  error = Refusal([&] { Read_EDS_SDO(sdo); });
  EXPECT_NE(error.find("SDO_Write row 501: an SDO server list holds at most 500 rows"), std::string::npos) << error;
}

// Comments between rows are no rows; a full table of each list is read.
TEST(DescriptionRows, FullTablesAreReadAndCommentsAreNoRows) {
  Temp_Dir dir;
  const QByteArray pdo_rows = "<!-- first -->" + Rows(30, kPdo_Row) + "<!-- last -->";
  const QString pdo = dir.Write("PDO_CANopen.xml", "<DeviceNet_Master_to_PDO><Receive_PDO>" + pdo_rows +
                                                       "</Receive_PDO><Transmit_PDO>" + pdo_rows +
                                                       "</Transmit_PDO></DeviceNet_Master_to_PDO>");
  const EDS_PDO_Table table = Read_EDS_PDO(pdo);
  EXPECT_EQ(table.Receive.size(), 30u);
  EXPECT_EQ(table.Transmit.size(), 30u);

  const QByteArray sdo_rows = Rows(250, kSdo_Row) + "<!-- middle -->" + Rows(250, kSdo_Row);
  const QString sdo = dir.Write("SDO_Server_CANopen.xml", "<DeviceNet_Master_to_SDO_CANopen><SDO_Read>" + sdo_rows +
                                                              "</SDO_Read><SDO_Write>" + sdo_rows +
                                                              "</SDO_Write></DeviceNet_Master_to_SDO_CANopen>");
  const std::vector<SDO_Index> list = Read_EDS_SDO(sdo);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Sub_Indexs.size(), 1000u);
}

// M_Bus.xml has no row limit: a network of thousands of variables is read in
// full, and the message of a bad variable counts elements only.
TEST(DescriptionRows, LargeNetworkOfTheGsdIsReadInFull) {
  Temp_Dir dir;
  const QString par_gen = dir.Write("ParGen.xml", "<Par_Gen><PROFI_GSD>1</PROFI_GSD></Par_Gen>");
  const QByteArray node = "<Nodo><!-- meter -->" + Rows(100, "<Variabile Dim=\"2\"/>") + "</Nodo><!-- next -->";
  dir.Write("M_Bus.xml", "<M-Bus_Network>" + Rows(50, node) + "</M-Bus_Network>");
  const std::optional<GSD_Modules> modules = Read_GSD_Modules(par_gen, dir.Path());
  ASSERT_TRUE(modules);
  EXPECT_EQ(modules->Input_Modules, 5000);
  EXPECT_EQ(modules->Input_Length, 20000);

  dir.Write("M_Bus.xml", "<M-Bus_Network>" + Rows(2, node) +
                             "<Nodo><!-- x --><Variabile Dim=\"2\"/><Variabile/></Nodo>" + "</M-Bus_Network>");
  const std::string error = Refusal([&] { Read_GSD_Modules(par_gen, dir.Path()); });
  EXPECT_NE(error.find("M_Bus.xml, node 3, variable 2"), std::string::npos) << error;
}

}  // namespace
