// The scan's writers of the network file and of the scan report.
#include "scan/engine/save_conf_xml.h"

#include <gtest/gtest.h>

#include <QFile>

#include "editors/files/m_bus_network_file.h"
#include "platform/xml_document.h"
#include "scan/decode/telegram_decoder.h"
#include "scan/engine/engine_fakes.h"
#include "scan/engine/scan_report.h"
#include "support/temp_dir.h"

namespace {

std::unique_ptr<TVariable_MBus> Record(uint8_t dimension, int32_t nbyte = 0) {
  auto v = std::make_unique<TVariable_MBus>();
  v->dimension = dimension;
  v->nbyte = nbyte;
  v->type_data = 2;
  v->Set_Texts("Volume m3", QString());
  return v;
}

std::unique_ptr<TSlave_MBus> Meter(uint16_t primary, const char* secondary, int records = 0, uint8_t dimension = 2) {
  auto m = std::make_unique<TSlave_MBus>();
  m->Primary_Addresss = primary;
  m->Secondary_Addresss = secondary;
  m->descManufacture = "ABC";
  for (int i = 0; i < records; ++i) m->List_Var.push_back(Record(dimension));
  return m;
}

TSaveConfXML Conf(const QString& file) {
  TSaveConfXML conf;
  conf.XML_Code_Dev = 19;
  conf.Mod_Start = 1;
  conf.Cut_After = 3;
  conf.File_Name = file;
  return conf;
}

QString Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// ModReg of every Variabile, meter after meter.
std::vector<int> ModRegs(const QString& path) {
  Xml_Document doc;
  doc.Load_File(path);
  std::vector<int> out;
  const Xml_Node root = doc.Root();
  for (Xml_Node nodo = root.First_Child(); !nodo.Is_Null(); nodo = nodo.Next_Sibling())
    for (Xml_Node v = nodo.First_Child(); !v.Is_Null(); v = v.Next_Sibling())
      out.push_back(v.Attribute("ModReg").toInt());
  return out;
}

TEST(Scan_Network_File, Decoded_Meter_Written_Exactly) {
  TList_Slave_MBus list;
  Telegram_Decoder decoder;
  const QByteArray telegram = Long_Frame(5, "12345678", Hex("04 13 39 30 00 00"));
  uint8_t last = 0;
  decoder.Add_Slave_From_Answer(reinterpret_cast<const uint8_t*>(telegram.constData()), int(telegram.size()), -1, list,
                                last);
  ASSERT_EQ(list.size(), 1u);
  Temp_Dir dir;
  TSaveConfXML conf = Conf(dir.File("M_Bus.xml"));
  conf.SND_NKE = 1;
  ASSERT_TRUE(Save_XML_Conf_Wired(list, conf, false));
  EXPECT_EQ(Read(conf.File_Name),
            "<M-Bus_Network><Nodo Node_Enable=\"1\" ID_Primary=\"5\" ID_Secondary=\"12345678\" Node_ID_Type=\"0\" "
            "Descrizione=\"ABC\" Send_SND_NKE=\"1\" Reset_App=\"0\" Cut_After=\"3\"><Variabile Enable=\"1\" "
            "Position=\"1\" Desc=\"Volume m3 (U0S0T0)\" Type=\"2\" VIF_ASCII=\"\" Fun_Field=\"0\" Length=\"0\" "
            "ModReg=\"1\" Dim=\"2\" Unit=\"0\" StoNumber=\"0\" Tariff=\"0\" VIFE=\"0\" ModScale=\"0\" BCDtoINT=\"0\" "
            "SWAP=\"0\"/></Nodo></M-Bus_Network>");
}

TEST(Scan_Network_File, Dim_And_Register_Steps) {
  struct Row {
    uint8_t dimension;
    int32_t nbyte, dim, step;
  };
  const Row rows[] = {{1, 1, 0, 1},   {2, 2, 1, 1},   {3, 3, 4, 2},   {4, 4, 2, 2},  {5, 4, 6, 2},  {6, 6, 5, 3},
                      {7, 8, 3, 4},   {9, 1, 0, 1},   {10, 2, 1, 1},  {11, 3, 4, 2}, {12, 4, 2, 2}, {14, 6, 5, 3},
                      {13, 2, 7, 2},  {13, 4, 7, 2},  {13, 6, 7, 4},  {13, 1, 7, 1}, {13, 0, 7, 0}, {13, -4, 7, 0},
                      {0, 0, 255, 0}, {8, 0, 255, 0}, {15, 0, 255, 0}};
  for (const Row& r : rows) {
    EXPECT_EQ(Scan_Dim(r.dimension), r.dim) << int(r.dimension);
    EXPECT_EQ(Scan_Register_Step(r.dimension, r.nbyte), r.step) << int(r.dimension) << "/" << r.nbyte;
  }
}

TEST(Scan_Network_File, Register_Counter) {
  Temp_Dir dir;
  {
    TList_Slave_MBus list;
    list.push_back(Meter(1, "11111111", 4));
    list.push_back(Meter(2, "22222222", 4));
    ASSERT_TRUE(Save_XML_Conf_Wired(list, Conf(dir.File("a.xml")), false));
    EXPECT_EQ(ModRegs(dir.File("a.xml")), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  }
  {
    // Per meter: the second meter starts at its own value; an unchecked record does not count;
    // a meter beyond the values handed over starts at 1.
    TList_Slave_MBus list;
    list.push_back(Meter(1, "11111111", 3, 4));
    list.push_back(Meter(2, "22222222", 2));
    list.push_back(Meter(3, "33333333", 2));
    int unchecked_entry = 0;
    list[0]->List_Var[1]->Node = &unchecked_entry;
    TSaveConfXML conf = Conf(dir.File("b.xml"));
    conf.StartModnode = 1;
    conf.SMN_Array = {100, 200};
    ASSERT_TRUE(Save_XML_Conf_Wired(list, conf, false, [&](void* node) { return node != &unchecked_entry; }));
    EXPECT_EQ(ModRegs(conf.File_Name), (std::vector<int>{100, 102, 102, 200, 201, 1, 2}));
    EXPECT_TRUE(Read(conf.File_Name).contains("<Variabile Enable=\"0\" Position=\"2\""));
  }
}

TEST(Scan_Network_File, Node_Attributes) {
  Temp_Dir dir;
  TList_Slave_MBus list;
  list.push_back(Meter(7, "00123456", 1));
  list.push_back(Meter(8, "99", 0));
  list[0]->descManufacture = QString("A\x01") + QChar(0xFFFF);
  list[0]->List_Var[0]->type_data = 21;
  const uint8_t unit[] = {'k', 'W', 0x02, 'h'};
  list[0]->List_Var[0]->Set_Bytes(0x02, nullptr, 0, nullptr, 0, unit, 4, 0, nullptr, 0);
  list[0]->List_Var[0]->Set_Texts("Volume m3", QString());
  list[0]->List_Var[0]->function_fild = 1;
  list[0]->List_Var[0]->Is_BCD = true;
  int gone = 0;
  list[1]->Node = &gone;
  struct Row {
    int code, id_type;
    const char* id;
  };
  const Row rows[] = {{10, 0, " ID=\"7\""}, {10, 1, " ID=\"00123456\""}, {19, 0, nullptr}, {3, 1, nullptr}};
  for (const Row& row : rows) {
    TSaveConfXML conf = Conf(dir.File("n.xml"));
    conf.XML_Code_Dev = row.code;
    conf.Node_ID_Type = row.id_type;
    conf.Reset_App = 1;
    // A tree entry that can no longer be read counts as checked.
    ASSERT_TRUE(Save_XML_Conf_Wired(list, conf, true, [](void*) -> bool { throw std::runtime_error("gone"); }));
    const QString text = Read(conf.File_Name);
    if (row.id)
      EXPECT_TRUE(text.contains(QString("<Nodo Node_Enable=\"1\"") + row.id + " ID_Primary=\"7\""))
          << text.toStdString();
    else
      EXPECT_FALSE(text.contains(" ID=\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("Node_ID_Type=\"" + QString::number(row.id_type) +
                              "\" Descrizione=\"A??\" Send_SND_NKE=\"0\" Reset_App=\"1\""));
    EXPECT_TRUE(text.contains("VIF_ASCII=\"kW?h\" Fun_Field=\"2\""));
    EXPECT_TRUE(text.contains("BCDtoINT=\"1\""));
    Xml_Document doc;
    EXPECT_NO_THROW(doc.Load_File(conf.File_Name));
  }
}

TEST(Scan_Network_File, Append_Keeps_Editor_File_And_Reads_Back) {
  Temp_Dir dir;
  const QString path = dir.Write("M_Bus.xml",
                                 "<M-Bus_Network><Nodo Enable_Node=\"1\" ID_Primary=\"1\" ID_Secondary=\"1\" "
                                 "Descrizione=\"Editor\"/></M-Bus_Network><!--SW_VERSION = 2.003-->");
  TList_Slave_MBus list;
  list.push_back(Meter(9, "12345678", 1));
  TSaveConfXML conf = Conf(path);
  conf.Append = 1;
  ASSERT_TRUE(Save_XML_Conf_Wired(list, conf, false));
  const QString text = Read(path);
  EXPECT_TRUE(
      text.startsWith("<M-Bus_Network><Nodo Enable_Node=\"1\" ID_Primary=\"1\" ID_Secondary=\"1\" "
                      "Descrizione=\"Editor\"/><Nodo Node_Enable=\"1\" ID_Primary=\"9\""));
  EXPECT_TRUE(text.endsWith("</M-Bus_Network><!--SW_VERSION = 2.003-->"));

  const M_Bus_Network_Load load = Read_M_Bus_Network(path, 6);
  ASSERT_TRUE(load.Complete()) << load.error.toStdString();
  ASSERT_EQ(load.nodes.size(), 2u);
  EXPECT_EQ(load.nodes[1].Node_ID_Primary, 9);
  EXPECT_EQ(load.nodes[1].Node_ID_Secondary, 12345678);
  EXPECT_EQ(load.nodes[1].Var_List.size(), 1u);
}

TEST(Scan_Network_File, Nothing_Written_On_Empty_List_Or_Missing_File) {
  Temp_Dir dir;
  TList_Slave_MBus empty;
  TSaveConfXML conf = Conf(dir.File("M_Bus.xml"));
  EXPECT_FALSE(Save_XML_Conf_Wired(empty, conf, false));
  EXPECT_FALSE(QFile::exists(conf.File_Name));
  TList_Slave_wMBus empty_wireless;
  EXPECT_FALSE(Save_XML_Conf_Wireless(empty_wireless, conf, false));

  TList_Slave_MBus list;
  list.push_back(Meter(1, "1", 1));
  conf.Append = 1;
  EXPECT_THROW(Save_XML_Conf_Wired(list, conf, false), Xml_Error);
  EXPECT_FALSE(QFile::exists(conf.File_Name));

  // A file that cannot be parsed stays as it was.
  const QString broken = dir.Write("broken.xml", "<M-Bus_Network><Nodo");
  conf.File_Name = broken;
  EXPECT_THROW(Save_XML_Conf_Wired(list, conf, false), Xml_Error);
  EXPECT_EQ(Read(broken), "<M-Bus_Network><Nodo");
}

TEST(Scan_Network_File, Wireless_Meters) {
  Temp_Dir dir;
  TList_Slave_wMBus list;
  auto meter = std::make_unique<TSlave_wMBus>();
  meter->ALA_Manufacturer = 0x2C2D;
  meter->ALA_Manu_str = "KAM";
  meter->ALA_Address = int32_t(0x87654321);
  meter->ALA_Version = 0x1B;
  meter->ALA_DeviceType = 0x16;
  meter->Enable = false;
  meter->Enable_Key = true;
  for (int k = 0; k < 16; ++k) meter->Key[size_t(k)] = uint8_t(k * 17);
  for (int i = 0; i < 3; ++i) {
    auto v = Record(4);
    v->Real_Wireless_Var = i != 1;  // a filler between two ordinary records
    v->Enable = i != 2;
    meter->List_Var.push_back(std::move(v));
  }
  list.push_back(std::move(meter));
  TSaveConfXML conf = Conf(dir.File("w.xml"));
  conf.XML_Code_Dev = 10;
  ASSERT_TRUE(Save_XML_Conf_Wireless(list, conf, false));
  const QString text = Read(conf.File_Name);
  EXPECT_TRUE(text.startsWith(
      "<M-Bus_Network><Nodo Node_Enable=\"0\" ID=\"1\" ID_Primary=\"1\" ID_Secondary=\"1\" Node_ID_Type=\"0\" "
      "Descrizione=\"KAM\" Send_SND_NKE=\"0\" Reset_App=\"0\" Cut_After=\"3\" MBus_Type=\"0\" wMBus_ManID=\"11309\" "
      "wMBus_Add=\"2271560481\" wMBus_Ver=\"27\" wMBus_DevType=\"22\" wMBus_En_Key=\"1\" wMBus_Key_1=\"0\" "
      "wMBus_Key_2=\"17\""))
      << text.toStdString();
  EXPECT_TRUE(text.contains("wMBus_Key_16=\"255\">"));
  EXPECT_TRUE(text.contains("<Variabile Enable=\"1\" Position=\"1\""));
  EXPECT_TRUE(text.contains("<Variabile Enable=\"0\" Position=\"3\""));
  EXPECT_FALSE(text.contains("Position=\"2\""));
  EXPECT_EQ(ModRegs(conf.File_Name), (std::vector<int>{1, 3}));
}

TEST(Scan_Report, Wired_Report) {
  Temp_Dir dir;
  TList_Slave_MBus list;
  list.push_back(Meter(5, "12345678", 1));
  list[0]->Manufacture = 0x0443;
  list[0]->List_Var[0]->VIF = 0x13;
  const uint8_t data[] = {0x39, 0x30, 0x00, 0x00};
  list[0]->List_Var[0]->Set_Bytes(0x04, nullptr, 0, nullptr, 0, nullptr, 0, 0, data, 4);
  list[0]->List_Var[0]->Set_Texts("Volume m3", "12.345");
  Save_XML_File_DLL(list, dir.File("report.xml"));
  const QString text = Read(dir.File("report.xml"));
  EXPECT_TRUE(
      text.startsWith("<SCAN_M-Bus_Wired><Node Primary_Address=\"5\" Secondary_Address=\"12345678\" "
                      "Manufacturer=\"ABC (1091)\" Version=\"0\" Type=\"0\"><Variable Value=\"12.345\" "
                      "Type=\"Volume m3\" UST=\"(U0S0T0)\"><Storage_Number>0</Storage_Number>"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("<DIF>$04</DIF><VIF>$13</VIF><DIFE></DIFE><VIFE></VIFE><DATA>$39300000</DATA>") ||
              text.contains("<DIF>$04</DIF><VIF>$13</VIF><DIFE/><VIFE/><DATA>$39300000</DATA>"))
      << text.toStdString();
}

}  // namespace
