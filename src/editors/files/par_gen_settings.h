#pragma once
#include <QByteArray>
#include <QString>
#include <array>

// The communication settings of one configuration, as the "Set Communication"
// window shows them and ParGen.xml stores them. Field names are the element
// names. Typed texts stay as the user typed them; list positions are 0-based;
// flags are on/off. Every field starts at the value a missing element reads as.
struct Par_Gen_Settings {
  using Address = std::array<QString, 4>;  // the four bytes of an IPv4 address, as typed

  // DeviceNet (type 1)
  QString DN_ID = QStringLiteral("10");
  int DN_BAUD = 1;  // 125K, 250K, 500K
  QString DN_NB_IN = QStringLiteral("455");

  int Working_mode = 0;  // Normal, Single Slave (types 1 to 5)

  // Ethernet (types 2, 3, 4, 6)
  Address Eth_IP = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("5")};
  Address Eth_SM = {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("0")};
  Address Eth_GAT = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("1")};
  bool Eth_EN_GAT = false;
  QString Eth_NumByte_OUT = QStringLiteral("496");  // types 2, 4

  // PROFIBUS (type 3)
  QString PROFI_ID = QStringLiteral("10");
  QString PROFI_NB_IN = QStringLiteral("244");
  bool PROFI_GSD = false;
  bool Enable_TX = false;
  QString PROFI_NB_OUT = QStringLiteral("244");
  int Hardware_Type = 2;  // DA58232D, HD58232-B2 without / with Ethernet port

  // Wireless M-Bus (types 4, 5)
  int Sel_Dev_MBus_Present = 0;  // wired M-Bus port: Not Present, Present
  int wMBus_Mode = 0;            // S, T, N1, N2, C
  int wMBus_Radio_Channel = 0;   // nine channels

  // M-Bus line (every type)
  int Meter_Baud = 0;  // 300 .. 38400
  int Meter_Par = 1;   // NONE, EVEN, ODD
  QString Meter_Req_Delay = QStringLiteral("100");
  QString Meter_NS_Error_Code = QStringLiteral("0");

  // PROFINET (type 5)
  Address PROFINET_IP = Eth_IP;
  Address PROFINET_SM = Eth_SM;
  Address PROFINET_GAT = Eth_GAT;
  bool PROFINET_EN_GAT = false;
  QString PROFINET_NAME_STA = QStringLiteral("devicename1");
  QString PROFINET_NB_OUT = QStringLiteral("1439");
  bool PROFINET_AUTO_CALC_BYTE = false;

  // CANopen (type 6)
  QString CAN_ID_DEV = QStringLiteral("1");
  int CAN_BAUD = 8;  // 10K .. 1000K
  bool CAN_SET_OPE = false;
  bool CAN_NET_OPE = false;
  QString CAN_DELAY = QStringLiteral("10");
  QString CAN_SDO_TIMEOUT = QStringLiteral("10000");
  bool CANopen_Enable_Sync = false;
  QString CANopen_Sync_Time = QStringLiteral("1000");

  bool operator==(const Par_Gen_Settings&) const = default;
};

// The ports are fixed: the window shows these whatever the file holds, and the
// writer always stores them.
inline const QString kEth_Port = QStringLiteral("44818");
inline const QString kPROFINET_Port = QStringLiteral("34964");

class Xml_Node;

// Reads the elements of `device_type` from ParGen.xml, each with its own
// fallback; a missing file gives the defaults. A list position that is not a
// number or lies outside its list reads as that list's fallback. Throws
// Xml_Error when the file exists but is not well-formed: no value is applied.
Par_Gen_Settings Read_Par_Gen(const QString& path, int device_type);
Par_Gen_Settings Read_Par_Gen(const Xml_Node& root, int device_type);

// The document text of `device_type`: its elements in its order, then the
// version comment. Write_Par_Gen replaces the file with it (File_Write_Error).
QByteArray Par_Gen_Text(const Par_Gen_Settings& settings, int device_type);
void Write_Par_Gen(const QString& path, const Par_Gen_Settings& settings, int device_type);
