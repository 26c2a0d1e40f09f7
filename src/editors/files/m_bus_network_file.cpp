// M_Bus.xml: the M-Bus network of a configuration.
//
// Editor dialect (written here): root `M-Bus_Network`, then the comment
// "SW_VERSION = x.yyy" beside it. Each node is a `Nodo` element with, in this
// order: Enable_Node ("1"/"0") ID_Primary ID_Secondary Descrizione
// Send_SND_NKE Reset_App Node_State Ident_Num BCDtoINT_IN Swap_IN Node_ID_Type
// Var_List_Type Cut_After, and for device types 4 and 5 then MBus_Type
// wMBus_ManID wMBus_Add wMBus_Ver wMBus_DevType wMBus_En_Key
// wMBus_Key_1..wMBus_Key_16 wMBus_RSSI. Each variable is a `Variabile` child
// with: Enable Desc Type Fun_Field Dim Unit Scale StoNumber Tariff VIFE
// BCDtoINT SWAP VIF_ASCII Length TP_Mod_Regs ForceInteger32 Position.
// Numbers are decimal (StoNumber unsigned), flags "1"/"0", texts as stored.
//
// Scan dialect (written by the scan): no comment; nodes carry Node_Enable in
// place of Enable_Node and, for the scan device code 10, a legacy `ID`;
// variables carry ModReg and ModScale, which nobody reads.
//
// Reading: every child of the root, whatever its name or kind, is a node, and
// every child of a node a variable; attributes are found by name. Numbers
// follow the number entry; 8-bit fields keep the low byte of the number read.
#include "editors/files/m_bus_network_file.h"

#include "platform/config_document.h"
#include "platform/number_entry.h"
#include "platform/xml_document.h"
#include "shell/core/device_profile.h"

namespace {

using config_document::Attribute_Number_Or;

QString Name(const char* text) { return QLatin1String(text); }

uint8_t Low_Byte(int32_t value) { return static_cast<uint8_t>(value & 0xFF); }

uint8_t Byte_Or(const Xml_Node& e, const char* name, int32_t fallback) {
  return Low_Byte(Attribute_Number_Or(e, Name(name), fallback));
}

QString Text_Or_Empty(const Xml_Node& e, const char* name) { return e.Find_Attribute(Name(name)).value_or(QString()); }

QString Key_Name(int index) { return QStringLiteral("wMBus_Key_%1").arg(index + 1); }

bool Is_Wireless(int type) { return type == 4 || type == 5; }

// Fills the node's own fields; throws Config_Value_Error without Descrizione.
TNodo Read_Node(const Xml_Node& e, int type) {
  TNodo n;
  n.Enable = Is_Node_Enabled(e);
  n.Description = config_document::Required_Attribute(e, Name("Descrizione"));
  n.Node_ID_Type = Byte_Or(e, "Node_ID_Type", 0);
  // Older files hold one `ID` whose meaning follows the node's ID type.
  if (const std::optional<int32_t> id = config_document::Attribute_Number(e, Name("ID"))) {
    n.Node_ID_Primary = n.Node_ID_Type == 0 ? *id : 1;
    n.Node_ID_Secondary = n.Node_ID_Type == 0 ? 1 : *id;
  } else {
    n.Node_ID_Primary = Attribute_Number_Or(e, Name("ID_Primary"), 1);
    n.Node_ID_Secondary = Attribute_Number_Or(e, Name("ID_Secondary"), 1);
  }
  n.Send_SNK = Byte_Or(e, "Send_SND_NKE", 0);
  n.Reset_App = Byte_Or(e, "Reset_App", 0);
  n.Node_State = Byte_Or(e, "Node_State", 0);
  n.Ident_Num = Byte_Or(e, "Ident_Num", 0);
  n.BCDtoINT_IN = Byte_Or(e, "BCDtoINT_IN", 0);
  n.Swap_Ident = Attribute_Number_Or(e, Name("Swap_IN"), 0);
  n.Var_List_Type = Byte_Or(e, "Var_List_Type", 0);
  n.Cut_After = Byte_Or(e, "Cut_After", 0);
  n.MBus_Type = 1;
  if (Is_Wireless(type)) {
    n.MBus_Type = Byte_Or(e, "MBus_Type", 1);
    n.wMBus_ManID = Text_Or_Empty(e, "wMBus_ManID");
    n.wMBus_Add = Text_Or_Empty(e, "wMBus_Add");
    n.wMBus_Ver = Text_Or_Empty(e, "wMBus_Ver");
    n.wMBus_DevType = Text_Or_Empty(e, "wMBus_DevType");
    n.wMBus_En_Key = Byte_Or(e, "wMBus_En_Key", 0);
    for (int i = 0; i < 16; ++i) n.wMBus_Key[i] = e.Find_Attribute(Key_Name(i)).value_or(QString());
    n.RSSI = Byte_Or(e, "wMBus_RSSI", 0);
  }
  return n;
}

// Throws Config_Value_Error without Desc, or when Type, Fun_Field or Dim is
// missing or not a number.
TVariabile Read_Variable(const Xml_Node& e) {
  TVariabile v;
  v.Enable = config_document::Attribute_Flag(e, Name("Enable"));
  v.Description = config_document::Required_Attribute(e, Name("Desc"));
  v.Type_Of_Data = config_document::Required_Attribute_Number(e, Name("Type"));
  v.Function_Field = config_document::Required_Attribute_Number(e, Name("Fun_Field"));
  v.Dimension = config_document::Required_Attribute_Number(e, Name("Dim"));
  v.Unita = Attribute_Number_Or(e, Name("Unit"), 0);
  v.Scale = config_document::Attribute_Flag(e, Name("Scale"));
  int64_t storage = 0;
  if (const std::optional<QString> text = e.Find_Attribute(Name("StoNumber"));
      text && Try_Read_Number64(*text, storage))
    v.Storage_Number = static_cast<uint32_t>(static_cast<uint64_t>(storage) & 0xFFFFFFFFu);
  v.Tariff = Attribute_Number_Or(e, Name("Tariff"), 0);
  v.VIFE = Byte_Or(e, "VIFE", 0);
  v.BCDtoINT = config_document::Attribute_Flag(e, Name("BCDtoINT"));
  v.SWAP = Byte_Or(e, "SWAP", 0);
  v.Length = Attribute_Number_Or(e, Name("Length"), 0);
  v.VIF_ASCII = Text_Or_Empty(e, "VIF_ASCII");
  v.TP_Mod_Regs = config_document::Attribute_Flag(e, Name("TP_Mod_Regs"));
  v.Position = Byte_Or(e, "Position", 1);
  v.ForceInteger32 = config_document::Attribute_Flag(e, Name("ForceInteger32"));
  return v;
}

QString Flag_Text(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

void Write_Node(Xml_Node e, const TNodo& n, int type) {
  e.Set_Attribute(Name("Enable_Node"), Flag_Text(n.Enable));
  e.Set_Attribute(Name("ID_Primary"), QString::number(n.Node_ID_Primary));
  e.Set_Attribute(Name("ID_Secondary"), QString::number(n.Node_ID_Secondary));
  e.Set_Attribute(Name("Descrizione"), n.Description);
  e.Set_Attribute(Name("Send_SND_NKE"), QString::number(n.Send_SNK));
  e.Set_Attribute(Name("Reset_App"), QString::number(n.Reset_App));
  e.Set_Attribute(Name("Node_State"), QString::number(n.Node_State));
  e.Set_Attribute(Name("Ident_Num"), QString::number(n.Ident_Num));
  e.Set_Attribute(Name("BCDtoINT_IN"), QString::number(n.BCDtoINT_IN));
  e.Set_Attribute(Name("Swap_IN"), QString::number(n.Swap_Ident));
  e.Set_Attribute(Name("Node_ID_Type"), QString::number(n.Node_ID_Type));
  e.Set_Attribute(Name("Var_List_Type"), QString::number(n.Var_List_Type));
  e.Set_Attribute(Name("Cut_After"), QString::number(n.Cut_After));
  if (Is_Wireless(type)) {
    e.Set_Attribute(Name("MBus_Type"), QString::number(n.MBus_Type));
    e.Set_Attribute(Name("wMBus_ManID"), n.wMBus_ManID);
    e.Set_Attribute(Name("wMBus_Add"), n.wMBus_Add);
    e.Set_Attribute(Name("wMBus_Ver"), n.wMBus_Ver);
    e.Set_Attribute(Name("wMBus_DevType"), n.wMBus_DevType);
    e.Set_Attribute(Name("wMBus_En_Key"), QString::number(n.wMBus_En_Key));
    for (int i = 0; i < 16; ++i) e.Set_Attribute(Key_Name(i), n.wMBus_Key[i]);
    e.Set_Attribute(Name("wMBus_RSSI"), QString::number(n.RSSI));
  }
}

void Write_Variable(Xml_Node e, const TVariabile& v) {
  e.Set_Attribute(Name("Enable"), Flag_Text(v.Enable));
  e.Set_Attribute(Name("Desc"), v.Description);
  e.Set_Attribute(Name("Type"), QString::number(v.Type_Of_Data));
  e.Set_Attribute(Name("Fun_Field"), QString::number(v.Function_Field));
  e.Set_Attribute(Name("Dim"), QString::number(v.Dimension));
  e.Set_Attribute(Name("Unit"), QString::number(v.Unita));
  e.Set_Attribute(Name("Scale"), Flag_Text(v.Scale));
  e.Set_Attribute(Name("StoNumber"), QString::number(v.Storage_Number));
  e.Set_Attribute(Name("Tariff"), QString::number(v.Tariff));
  e.Set_Attribute(Name("VIFE"), QString::number(v.VIFE));
  e.Set_Attribute(Name("BCDtoINT"), Flag_Text(v.BCDtoINT));
  e.Set_Attribute(Name("SWAP"), QString::number(v.SWAP));
  e.Set_Attribute(Name("VIF_ASCII"), v.VIF_ASCII);
  e.Set_Attribute(Name("Length"), QString::number(v.Length));
  e.Set_Attribute(Name("TP_Mod_Regs"), Flag_Text(v.TP_Mod_Regs));
  e.Set_Attribute(Name("ForceInteger32"), Flag_Text(v.ForceInteger32));
  e.Set_Attribute(Name("Position"), QString::number(v.Position));
}

void Build(Xml_Document& doc, const std::vector<TNodo>& nodes, int type) {
  Xml_Node root = config_document::Begin(doc, QStringLiteral("M-Bus_Network"), SW_Version_Comment(type));
  for (const TNodo& node : nodes) {
    Xml_Node e = root.Add_Child(QStringLiteral("Nodo"));
    Write_Node(e, node, type);
    for (const TVariabile& variable : node.Var_List) Write_Variable(e.Add_Child(QStringLiteral("Variabile")), variable);
  }
}

}  // namespace

bool Is_Node_Enabled(const Xml_Node& nodo) {
  if (const std::optional<QString> enable = nodo.Find_Attribute(QStringLiteral("Enable_Node")))
    return *enable != QLatin1String("0");
  return nodo.Find_Attribute(QStringLiteral("Node_Enable")) != QStringLiteral("0");
}

M_Bus_Network_Load Read_M_Bus_Network(const Xml_Document& doc, int type) {
  M_Bus_Network_Load load;
  const Xml_Node root = doc.Root();
  if (root.Is_Null()) return load;
  try {
    for (pugi::xml_node raw_node = root.Raw().first_child(); raw_node; raw_node = raw_node.next_sibling()) {
      const Xml_Node node_element(raw_node);
      load.nodes.push_back(Read_Node(node_element, type));
      std::vector<TVariabile>& variables = load.nodes.back().Var_List;
      for (pugi::xml_node raw_variable = raw_node.first_child(); raw_variable;
           raw_variable = raw_variable.next_sibling())
        variables.push_back(Read_Variable(Xml_Node(raw_variable)));
    }
  } catch (const Config_Value_Error& e) {
    load.error = QString::fromStdString(e.what());
  }
  return load;
}

M_Bus_Network_Load Read_M_Bus_Network(const QString& path, int type) {
  Xml_Document doc;
  try {
    if (!config_document::Load(doc, path)) return {};
  } catch (const Xml_Error& e) {
    return {{}, QString::fromStdString(e.what())};
  }
  M_Bus_Network_Load load = Read_M_Bus_Network(doc, type);
  if (!load.Complete()) load.error = path + QStringLiteral(": ") + load.error;
  return load;
}

QByteArray M_Bus_Network_Text(const std::vector<TNodo>& nodes, int type) {
  Xml_Document doc;
  Build(doc, nodes, type);
  return doc.Save_Text();
}

void Write_M_Bus_Network(const QString& path, const std::vector<TNodo>& nodes, int type) {
  Xml_Document doc;
  Build(doc, nodes, type);
  config_document::Save(doc, path);
}
