// ParGen.xml: root `Par_Gen`, one child element per setting whose text is the
// value, then the comment "SW_VERSION = x.yyy" after the root. A file holds
// only the elements of the device type that wrote it, in this order:
//   1: DN_ID DN_BAUD DN_NB_IN Working_mode <M-Bus>
//   2: <Ethernet> Eth_PORT Eth_NumByte_OUT Working_mode <M-Bus>
//   3: <Ethernet> PROFI_ID PROFI_NB_IN PROFI_GSD Enable_TX PROFI_NB_OUT
//      Working_mode Hardware_Type <M-Bus>
//   4: <Ethernet> Eth_PORT Eth_NumByte_OUT Working_mode Sel_Dev_MBus_Present
//      wMBus_Mode wMBus_Radio_Channel <M-Bus>
//   5: Sel_Dev_MBus_Present wMBus_Mode wMBus_Radio_Channel <M-Bus>
//      PROFINET_IP1..4 PROFINET_SM1..4 PROFINET_GAT1..4 PROFINET_EN_GAT
//      PROFINET_PORT PROFINET_NAME_STA Working_mode PROFINET_NB_OUT
//      PROFINET_AUTO_CALC_BYTE
//   6: <Ethernet> <M-Bus> CAN_ID_DEV CAN_BAUD CAN_SET_OPE CAN_NET_OPE CAN_DELAY
//      CAN_SDO_TIMEOUT CANopen_Enable_Sync CANopen_Sync_Time
// <Ethernet> = Eth_IP1..4 Eth_SM1..4 Eth_GAT1..4 Eth_EN_GAT
// <M-Bus>    = Meter_Baud Meter_Par Meter_Req_Delay Meter_NS_Error_Code
// Value forms: flags "1"/"0", list positions as 0-based decimals, typed texts
// as entered, the ports as fixed texts. Readers ignore order and unknown
// elements; of two elements with one name the first counts.
#include "editors/files/par_gen_settings.h"

#include "platform/config_document.h"
#include "platform/number_entry.h"
#include "platform/xml_document.h"
#include "shell/core/device_profile.h"

namespace {

QString Numbered(const char* prefix, int index) { return QLatin1String(prefix) + QString::number(index + 1); }

class Element_Reader {
 public:
  explicit Element_Reader(const Xml_Node& root) : root_(root) {}

  void Text(const char* name, QString& field) const {
    if (std::optional<QString> text = config_document::Element_Text(root_, QLatin1String(name))) field = *text;
  }

  void Address(const char* prefix, Par_Gen_Settings::Address& address) const {
    for (int i = 0; i < 4; ++i)
      if (std::optional<QString> text = config_document::Element_Text(root_, Numbered(prefix, i))) address[i] = *text;
  }

  void Flag(const char* name, bool& field) const { field = config_document::Element_Flag(root_, QLatin1String(name)); }

  // `field` holds the list's fallback on entry. A position outside the list is
  // refused here so that the window never meets a list without a selection.
  void Position(const char* name, int& field, int count, std::optional<int> not_a_number = std::nullopt) const {
    const std::optional<QString> text = config_document::Element_Text(root_, QLatin1String(name));
    if (!text) return;
    int32_t value = 0;
    if (!Try_Read_Number(*text, value)) {
      if (not_a_number) field = *not_a_number;
      return;
    }
    if (value >= 0 && value < count) field = value;
  }

 private:
  Xml_Node root_;
};

class Element_Writer {
 public:
  explicit Element_Writer(Xml_Node root) : root_(root) {}

  void Text(const char* name, const QString& value) { root_.Add_Child(QLatin1String(name)).Set_Text(value); }
  void Address(const char* prefix, const Par_Gen_Settings::Address& address) {
    for (int i = 0; i < 4; ++i) root_.Add_Child(Numbered(prefix, i)).Set_Text(address[i]);
  }
  void Flag(const char* name, bool on) { Text(name, on ? QStringLiteral("1") : QStringLiteral("0")); }
  void Position(const char* name, int position) { Text(name, QString::number(position)); }

 private:
  Xml_Node root_;
};

bool Has_Ethernet(int type) { return type == 2 || type == 3 || type == 4 || type == 6; }
bool Has_Working_Mode(int type) { return type >= 1 && type <= 5; }
bool Is_Wireless(int type) { return type == 4 || type == 5; }

void Write_Ethernet(Element_Writer& w, const Par_Gen_Settings& s) {
  w.Address("Eth_IP", s.Eth_IP);
  w.Address("Eth_SM", s.Eth_SM);
  w.Address("Eth_GAT", s.Eth_GAT);
  w.Flag("Eth_EN_GAT", s.Eth_EN_GAT);
}

void Write_EtherNetIP_Port(Element_Writer& w, const Par_Gen_Settings& s) {
  w.Text("Eth_PORT", kEth_Port);
  w.Text("Eth_NumByte_OUT", s.Eth_NumByte_OUT);
  w.Position("Working_mode", s.Working_mode);
}

void Write_Wireless(Element_Writer& w, const Par_Gen_Settings& s) {
  w.Position("Sel_Dev_MBus_Present", s.Sel_Dev_MBus_Present);
  w.Position("wMBus_Mode", s.wMBus_Mode);
  w.Position("wMBus_Radio_Channel", s.wMBus_Radio_Channel);
}

void Write_MBus(Element_Writer& w, const Par_Gen_Settings& s) {
  w.Position("Meter_Baud", s.Meter_Baud);
  w.Position("Meter_Par", s.Meter_Par);
  w.Text("Meter_Req_Delay", s.Meter_Req_Delay);
  w.Text("Meter_NS_Error_Code", s.Meter_NS_Error_Code);
}

void Write_Elements(Element_Writer& w, const Par_Gen_Settings& s, int type) {
  switch (type) {
    case 1:
      w.Text("DN_ID", s.DN_ID);
      w.Position("DN_BAUD", s.DN_BAUD);
      w.Text("DN_NB_IN", s.DN_NB_IN);
      w.Position("Working_mode", s.Working_mode);
      Write_MBus(w, s);
      break;
    case 2:
      Write_Ethernet(w, s);
      Write_EtherNetIP_Port(w, s);
      Write_MBus(w, s);
      break;
    case 3:
      Write_Ethernet(w, s);
      w.Text("PROFI_ID", s.PROFI_ID);
      w.Text("PROFI_NB_IN", s.PROFI_NB_IN);
      w.Flag("PROFI_GSD", s.PROFI_GSD);
      w.Flag("Enable_TX", s.Enable_TX);
      w.Text("PROFI_NB_OUT", s.PROFI_NB_OUT);
      w.Position("Working_mode", s.Working_mode);
      w.Position("Hardware_Type", s.Hardware_Type);
      Write_MBus(w, s);
      break;
    case 4:
      Write_Ethernet(w, s);
      Write_EtherNetIP_Port(w, s);
      Write_Wireless(w, s);
      Write_MBus(w, s);
      break;
    case 5:
      Write_Wireless(w, s);
      Write_MBus(w, s);
      w.Address("PROFINET_IP", s.PROFINET_IP);
      w.Address("PROFINET_SM", s.PROFINET_SM);
      w.Address("PROFINET_GAT", s.PROFINET_GAT);
      w.Flag("PROFINET_EN_GAT", s.PROFINET_EN_GAT);
      w.Text("PROFINET_PORT", kPROFINET_Port);
      w.Text("PROFINET_NAME_STA", s.PROFINET_NAME_STA);
      w.Position("Working_mode", s.Working_mode);
      w.Text("PROFINET_NB_OUT", s.PROFINET_NB_OUT);
      w.Flag("PROFINET_AUTO_CALC_BYTE", s.PROFINET_AUTO_CALC_BYTE);
      break;
    case 6:
      Write_Ethernet(w, s);
      Write_MBus(w, s);
      w.Text("CAN_ID_DEV", s.CAN_ID_DEV);
      w.Position("CAN_BAUD", s.CAN_BAUD);
      w.Flag("CAN_SET_OPE", s.CAN_SET_OPE);
      w.Flag("CAN_NET_OPE", s.CAN_NET_OPE);
      w.Text("CAN_DELAY", s.CAN_DELAY);
      w.Text("CAN_SDO_TIMEOUT", s.CAN_SDO_TIMEOUT);
      w.Flag("CANopen_Enable_Sync", s.CANopen_Enable_Sync);
      w.Text("CANopen_Sync_Time", s.CANopen_Sync_Time);
      break;
    default:
      break;
  }
}

}  // namespace

Par_Gen_Settings Read_Par_Gen(const Xml_Node& root, int type) {
  Par_Gen_Settings s;
  const Element_Reader r(root);
  if (type == 1) {
    r.Text("DN_ID", s.DN_ID);
    r.Position("DN_BAUD", s.DN_BAUD, 3);
    r.Text("DN_NB_IN", s.DN_NB_IN);
  }
  if (Has_Working_Mode(type)) r.Position("Working_mode", s.Working_mode, 2);
  if (Has_Ethernet(type)) {
    r.Address("Eth_IP", s.Eth_IP);
    r.Address("Eth_SM", s.Eth_SM);
    r.Address("Eth_GAT", s.Eth_GAT);
    r.Flag("Eth_EN_GAT", s.Eth_EN_GAT);
  }
  if (type == 2 || type == 4) r.Text("Eth_NumByte_OUT", s.Eth_NumByte_OUT);
  if (type == 3) {
    r.Text("PROFI_ID", s.PROFI_ID);
    r.Text("PROFI_NB_IN", s.PROFI_NB_IN);
    r.Flag("PROFI_GSD", s.PROFI_GSD);
    r.Flag("Enable_TX", s.Enable_TX);
    r.Text("PROFI_NB_OUT", s.PROFI_NB_OUT);
    // Not a number selects the first hardware, a missing element the last.
    r.Position("Hardware_Type", s.Hardware_Type, 3, 0);
  }
  if (Is_Wireless(type)) {
    r.Position("Sel_Dev_MBus_Present", s.Sel_Dev_MBus_Present, 2);
    r.Position("wMBus_Mode", s.wMBus_Mode, 5);
    r.Position("wMBus_Radio_Channel", s.wMBus_Radio_Channel, 9);
  }
  if (type >= 1 && type <= 6) {
    r.Position("Meter_Baud", s.Meter_Baud, 8);
    r.Position("Meter_Par", s.Meter_Par, 3);
    r.Text("Meter_Req_Delay", s.Meter_Req_Delay);
    r.Text("Meter_NS_Error_Code", s.Meter_NS_Error_Code);
  }
  if (type == 5) {
    r.Address("PROFINET_IP", s.PROFINET_IP);
    r.Address("PROFINET_SM", s.PROFINET_SM);
    r.Address("PROFINET_GAT", s.PROFINET_GAT);
    r.Flag("PROFINET_EN_GAT", s.PROFINET_EN_GAT);
    r.Text("PROFINET_NAME_STA", s.PROFINET_NAME_STA);
    r.Text("PROFINET_NB_OUT", s.PROFINET_NB_OUT);
    r.Flag("PROFINET_AUTO_CALC_BYTE", s.PROFINET_AUTO_CALC_BYTE);
  }
  if (type == 6) {
    r.Text("CAN_ID_DEV", s.CAN_ID_DEV);
    r.Position("CAN_BAUD", s.CAN_BAUD, 9);
    r.Flag("CAN_SET_OPE", s.CAN_SET_OPE);
    r.Flag("CAN_NET_OPE", s.CAN_NET_OPE);
    r.Text("CAN_DELAY", s.CAN_DELAY);
    r.Text("CAN_SDO_TIMEOUT", s.CAN_SDO_TIMEOUT);
    r.Flag("CANopen_Enable_Sync", s.CANopen_Enable_Sync);
    r.Text("CANopen_Sync_Time", s.CANopen_Sync_Time);
  }
  return s;
}

Par_Gen_Settings Read_Par_Gen(const QString& path, int type) {
  Xml_Document doc;
  if (!config_document::Load(doc, path)) return {};
  return Read_Par_Gen(doc.Root(), type);
}

namespace {

void Build(Xml_Document& doc, const Par_Gen_Settings& settings, int type) {
  Element_Writer writer(config_document::Begin(doc, QStringLiteral("Par_Gen"), SW_Version_Comment(type)));
  Write_Elements(writer, settings, type);
}

}  // namespace

QByteArray Par_Gen_Text(const Par_Gen_Settings& settings, int type) {
  Xml_Document doc;
  Build(doc, settings, type);
  return doc.Save_Text();
}

void Write_Par_Gen(const QString& path, const Par_Gen_Settings& settings, int type) {
  Xml_Document doc;
  Build(doc, settings, type);
  config_document::Save(doc, path);
}
