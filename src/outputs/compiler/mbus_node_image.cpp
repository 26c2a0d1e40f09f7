// Node images of the wired M-Bus gateways. Offsets are 32-bit little-endian
// positions counted from the buffer's first byte; every other multi-byte value
// is little-endian except the node identifier (most significant byte first).
//
//   0        prefix: nothing (DeviceNet, PROFIBUS image), the format byte 0x80
//            (gateway pass), or the Ethernet parameter block and 0x80 (second
//            pass of the EtherNet/IP gateway); P is the prefix's length
//   P        4   offset of the node table, P + 8
//   P + 4    4   offset of the settings area (= image length without ParGen.xml)
//   P + 8        node entries, 23 bytes each, in file order
//                variable entries, 26 bytes each (PROFIBUS image: 28), grouped by node
//                VIF texts, each reversed, one byte per character
//                settings area of the device type (gateway_settings.h), only with ParGen.xml
//
// Node entry (23 bytes):
//   0   1  identifier type (Node_ID_Type)     1   4  identifier, MSB first
//   5   2  number of variable entries         7   4  offset of the first variable entry
//   11  1  Send_SND_NKE                       12  1  Reset_App
//   13  1  Node_State                         14  2  address of the node-state byte
//   16  1  Ident_Num                          17  2  address of the identification number
//   19  1  BCDtoINT_IN                        20  1  Swap_IN
//   21  1  Var_List_Type                      22  1  Cut_After + 1
//
// Variable entry: 26 bytes as in canopen_node_image.cpp. The PROFIBUS image's
// 28-byte entry has BCDtoINT and SWAP bytes in place of the options byte and
// TP_Mod_Regs before the position:
//   0   1  type of data        1   1  function field     2   1  data field code
//   3   2  value address       5   1  scale flag         6   2  scale address
//   8   1  unit                9   4  storage number     13  4  tariff
//   17  1  VIFE                18  1  BCDtoINT           19  1  SWAP
//   20  1  variable length     21  1  VIF text length    22  4  VIF text offset
//   26  1  TP_Mod_Regs         27  1  position
//
// Process-image addresses run from 0 (single-slave working mode: every node
// from 4; PROFIBUS image: 2 more when M-Bus transmit is on): the node-state
// byte when Node_State is 1, the 4-byte identification number when Ident_Num
// is 1, then each variable's value and, when its scale flag is set, a scale
// byte after it.
#include "outputs/compiler/mbus_node_image.h"

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/config_reader.h"
#include "outputs/compiler/gateway_settings.h"
#include "platform/number_entry.h"

namespace {

constexpr uint32_t kNode_Entry_Size = 23;
constexpr uint32_t kVariable_Entry_Size = 26;
constexpr uint32_t kProfibus_Variable_Entry_Size = 28;
constexpr uint8_t kFormat_Byte = 0x80;
constexpr uint8_t kTime_Point = 20;
constexpr uint32_t kSingle_Slave_Start = 4;
constexpr uint32_t kTransmit_Area = 2;

const QString kM_Bus_File = QStringLiteral("M_Bus.xml");

// The PROFIBUS image leaves out only a node marked "0".
bool Profibus_Node_Is_Compiled(const Xml_Node& node) {
  std::optional<QString> enable = config_reader::Attribute_Text(node, QStringLiteral("Enable_Node"));
  if (!enable) enable = config_reader::Attribute_Text(node, QStringLiteral("Node_Enable"));
  return !enable || *enable != QLatin1String("0");
}

// The PROFIBUS image reads ID as a 32-bit number before its fallbacks.
void Apply_Profibus_Node_ID(const Xml_Node& node, TBank_Nodo& nodo) {
  const std::optional<QString> id_text = config_reader::Attribute_Text(node, QStringLiteral("ID"));
  int32_t id = 0;
  if (id_text && Try_Read_Number(*id_text, id)) {
    nodo.ID = static_cast<uint32_t>(id);
    return;
  }
  nodo.ID = static_cast<uint32_t>(config_reader::Attribute_Number(
      node, nodo.ID_Type == 0 ? QStringLiteral("ID_Primary") : QStringLiteral("ID_Secondary"), 1));
}

// Its variables keep the three options as bytes of their own, know no forced
// 32-bit integer, and a time point sent as Modbus registers takes 5 bytes.
void Apply_Profibus_Variable_Rules(TBank_Variabile& var, const Xml_Node& variable, const QString& where) {
  auto byte = [&](const char* name) {
    return static_cast<uint8_t>(config_reader::Attribute_Number(variable, QString::fromLatin1(name), 0));
  };
  var.Options = 0;
  var.BCDtoINT = byte("BCDtoINT");
  var.SWAP = byte("SWAP");
  var.TP_Mod_Regs = byte("TP_Mod_Regs");
  const int32_t dim = config_reader::Strict_Attribute_Number(variable, QStringLiteral("Dim"), where);
  var.Value_Size =
      var.Type_Of_Data == kTime_Point && var.TP_Mod_Regs == 1 ? 5 : bank_network::Value_Bytes(dim, var.Length);
}

void Append_Profibus_Variable_Entry(Bank_Buffer& buffer, const TBank_Variabile& var) {
  buffer.Append_U8(var.Type_Of_Data);
  buffer.Append_U8(var.Function_Field);
  buffer.Append_U8(var.Dimension);
  buffer.Append_U16(var.Value_Address);
  buffer.Append_U8(var.Scale);
  buffer.Append_U16(var.Scale_Address);
  buffer.Append_U8(var.Unita);
  buffer.Append_U32(var.Storage_Num);
  buffer.Append_U32(var.Tarif);
  buffer.Append_U8(var.VIFE);
  buffer.Append_U8(var.BCDtoINT);
  buffer.Append_U8(var.SWAP);
  buffer.Append_U8(var.Length);
  buffer.Append_U8(var.Len_VIF_ASCII);
  buffer.Append_U32(var.Address_VIF_ASCII);
  buffer.Append_U8(var.TP_Mod_Regs);
  buffer.Append_U8(var.Position);
}

}  // namespace

void MBus_Node_Image::Build_MBus_Image(int device_type, bool gateway_pass, const Xml_Node* m_bus_root,
                                       const Xml_Node* par_gen_root, Gateway_Param_Record& gateway,
                                       Ethernet_Param_Record& ethernet, Bank_Buffers& buffers) {
  const bool devicenet = device_type == 1;
  const bool ethernet_pass = !devicenet && !gateway_pass;
  if (!devicenet && gateway_pass) {
    gateway.Init_Gateway_Parameters();
    gateway.Set_U8(Gateway_Param_Record::kFormat_Byte, kFormat_Byte);
  }
  if (ethernet_pass) {
    ethernet.Init_Ethernet_Parameters();
    ethernet.Set_U16(Ethernet_Param_Record::kFormat_Field, kFormat_Byte);
  }

  const uint8_t working_mode =
      par_gen_root ? gateway_settings::Element_Byte(*par_gen_root, "Working_mode", 0) : uint8_t{0};
  bank_nodi_.clear();
  bank_add_nodi_.clear();
  if (m_bus_root) Read_Network(*m_bus_root, Variant::Plain);
  const bool single_slave = working_mode == 1;
  Assign_Addresses(single_slave ? kSingle_Slave_Start : 0, single_slave);

  QByteArray settings;
  if (par_gen_root) {
    const uint32_t node_count = static_cast<uint32_t>(bank_nodi_.size());
    if (devicenet) {
      settings = gateway_settings::DeviceNet_Settings(*par_gen_root, node_count);
    } else {
      gateway_settings::Records records;
      if (gateway_pass)
        records.gateway = &gateway;
      else
        records.ethernet = &ethernet;
      settings = gateway_settings::Network_Settings(device_type, *par_gen_root, node_count, records);
    }
  }

  QByteArray prefix;
  if (ethernet_pass) {
    Bank_Buffer block(QStringLiteral("Ethernet parameter block"), 2048);
    ethernet.Write_Ethernet_Parameters(block);
    prefix = block.Bytes();
  }
  if (!devicenet) prefix.append(static_cast<char>(kFormat_Byte));
  Write_Image(prefix, Variant::Plain, settings, buffers.Bank_Buffer_A);

  if (!devicenet && gateway_pass) {
    buffers.Bank_Buffer_B.Clear();
    gateway.Write_Gateway_Parameters(buffers.Bank_Buffer_B);
  }
}

void MBus_Node_Image::Build_Profibus_Image(const Xml_Node* m_bus_root, const Xml_Node* par_gen_root,
                                           Bank_Buffer& buffer) {
  uint8_t transmit = 0, working_mode = 0;
  if (par_gen_root) {
    transmit = gateway_settings::Element_Byte(*par_gen_root, "Enable_TX", 0);
    working_mode = gateway_settings::Element_Byte(*par_gen_root, "Working_mode", 0);
  }
  bank_nodi_.clear();
  bank_add_nodi_.clear();
  if (m_bus_root) Read_Network(*m_bus_root, Variant::Profibus);
  const bool single_slave = working_mode == 1;
  const uint32_t start = (transmit != 0 ? kTransmit_Area : 0) + (single_slave ? kSingle_Slave_Start : 0);
  Assign_Addresses(start, single_slave);

  QByteArray settings;
  if (par_gen_root)
    settings = gateway_settings::Profibus_Settings(*par_gen_root, static_cast<uint32_t>(bank_nodi_.size()));
  Write_Image(QByteArray(), Variant::Profibus, settings, buffer);
}

void MBus_Node_Image::Read_Network(const Xml_Node& root, Variant variant) {
  const bool profibus = variant == Variant::Profibus;
  const bank_network::Variable_Rule rule =
      profibus ? bank_network::Variable_Rule(Apply_Profibus_Variable_Rules) : bank_network::Variable_Rule();
  int node_number = 0;
  for (const Xml_Node& node : config_reader::Children(root)) {
    ++node_number;
    if (!(profibus ? Profibus_Node_Is_Compiled(node) : bank_network::Node_Is_Compiled(node))) continue;
    std::vector<TBank_Variabile> vars = bank_network::Read_Compiled_Variables(node, node_number, rule);
    // A node joins the image with its first compiled variable, so one without any leaves no trace.
    if (vars.empty()) continue;
    if (static_cast<int>(bank_nodi_.size()) == bank_network::kMax_Nodes)
      throw Compile_Error(QStringLiteral("%1: more than %2 nodes with enabled variables; the device takes at most %2.")
                              .arg(kM_Bus_File)
                              .arg(bank_network::kMax_Nodes));
    TBank_Nodo nodo = bank_network::Read_Node_Values(node);
    if (profibus) Apply_Profibus_Node_ID(node, nodo);
    nodo.Vars = std::move(vars);
    nodo.Source_Index = node_number;
    bank_nodi_.push_back(std::move(nodo));
  }
}

void MBus_Node_Image::Assign_Addresses(uint32_t start, bool single_slave) {
  bank_add_nodi_.assign(bank_nodi_.size(), TAdd_Nodo{});
  uint32_t address = start;
  for (size_t n = 0; n < bank_nodi_.size(); ++n) {
    TBank_Nodo& nodo = bank_nodi_[n];
    TAdd_Nodo& add = bank_add_nodi_[n];
    // In single-slave mode the nodes share one window of the process image.
    if (single_slave) address = start;
    add.Add_NS = address;
    if (nodo.Node_State == 1) address += 1;
    add.Add_IN = address;
    if (nodo.Ident_Num == 1) address += 4;
    add.Add_Start_Var = address;
    address = bank_network::Assign_Variable_Addresses(nodo, address);
  }
}

void MBus_Node_Image::Write_Image(const QByteArray& prefix, Variant variant, const QByteArray& settings,
                                  Bank_Buffer& buffer) {
  const bool profibus = variant == Variant::Profibus;
  const uint64_t entry_size = profibus ? kProfibus_Variable_Entry_Size : kVariable_Entry_Size;
  uint64_t variable_count = 0, text_bytes = 0;
  for (const TBank_Nodo& nodo : bank_nodi_) {
    variable_count += nodo.Vars.size();
    for (const TBank_Variabile& var : nodo.Vars) text_bytes += var.Len_VIF_ASCII;
  }
  const uint64_t head = static_cast<uint64_t>(prefix.size());
  const uint64_t nodes_start = head + 8;
  const uint64_t variables_start = nodes_start + kNode_Entry_Size * uint64_t{bank_nodi_.size()};
  const uint64_t texts_start = variables_start + entry_size * variable_count;
  const uint64_t settings_start = texts_start + text_bytes;
  const uint64_t total = settings_start + static_cast<uint64_t>(settings.size());
  if (total > static_cast<uint64_t>(buffer.Capacity()))
    throw Compile_Error(QStringLiteral("The node image would need %1 bytes; the device takes at most %2.")
                            .arg(total)
                            .arg(buffer.Capacity()));

  uint32_t entry_offset = static_cast<uint32_t>(variables_start);
  uint32_t text_offset = static_cast<uint32_t>(texts_start);
  for (TBank_Nodo& nodo : bank_nodi_) {
    nodo.Add = entry_offset;
    entry_offset += static_cast<uint32_t>(entry_size * nodo.Vars.size());
    for (TBank_Variabile& var : nodo.Vars) {
      var.Address_VIF_ASCII = text_offset;
      text_offset += var.Len_VIF_ASCII;
    }
  }

  buffer.Clear();
  buffer.Append(prefix);
  buffer.Append_U32(static_cast<uint32_t>(nodes_start));
  buffer.Append_U32(static_cast<uint32_t>(settings_start));
  for (size_t n = 0; n < bank_nodi_.size(); ++n)
    bank_network::Append_Flag_Node_Entry(buffer, bank_nodi_[n], bank_add_nodi_[n]);
  for (const TBank_Nodo& nodo : bank_nodi_)
    for (const TBank_Variabile& var : nodo.Vars) {
      if (profibus)
        Append_Profibus_Variable_Entry(buffer, var);
      else
        bank_network::Append_Variable_Entry(buffer, var);
    }
  for (const TBank_Nodo& nodo : bank_nodi_)
    for (const TBank_Variabile& var : nodo.Vars) bank_network::Append_VIF_Text(buffer, var);
  buffer.Append(settings);
}
