// Node image bank2.bin of the wireless gateways. Offsets are 32-bit
// little-endian positions from the file's first byte; Nw wired nodes, Nr
// wireless meters; every other multi-byte value little-endian except the node
// identifier (most significant byte first).
//
//   0   1   format byte 0x80
//   1   4   offset of the wired node table: 13
//   5   4   offset of the settings area (= file length without ParGen.xml)
//   9   4   offset of the wireless node table: 13 + 26 Nw
//   13      wired node entries, then wireless node entries, 26 bytes each
//           variable entries (26 bytes, as in canopen_node_image.cpp): the
//           wired nodes' first, each node's in file order
//           VIF texts, reversed, in the same order
//           settings area (26 bytes, gateway_settings.h), only with ParGen.xml
//
// Node entry: the 23-byte entry of mbus_node_image.cpp, then
//   23  1   RSSI flag (wired node: 0)
//   24  2   process-image address of the two-byte signal strength
// A wireless meter's identifier is its wireless address; its identifier type,
// SND_NKE, application reset and cut-after bytes are 0.
//
// Process-image addresses run from 0 (single-slave working mode: every node
// from 4), wired nodes first: the node-state byte, the identification number,
// the signal strength (wireless meters only), then the variables.
//
// The number of wireless meters is not in the image: the gateway record
// carries it (0x234), and the key table holds one entry per meter.
#include "outputs/compiler/wmbus_node_image.h"

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/config_reader.h"
#include "outputs/compiler/gateway_settings.h"

namespace {

constexpr uint32_t kHeader_Size = 13;
constexpr uint32_t kNode_Entry_Size = 26;
constexpr uint32_t kVariable_Entry_Size = 26;
constexpr uint8_t kFormat_Byte = 0x80;
constexpr uint32_t kSingle_Slave_Start = 4;

const QString kM_Bus_File = QStringLiteral("M_Bus.xml");

uint8_t Byte_Of(const Xml_Node& node, const QString& name) {
  return static_cast<uint8_t>(config_reader::Attribute_Number(node, name, 0));
}

// A wireless meter's entry values and its key table entry.
TBank_Nodo Read_Wireless_Meter(const Xml_Node& node, wMBus_Key_Entry& key) {
  using namespace config_reader;
  key.Manufacturer = static_cast<uint16_t>(Attribute_Number(node, QStringLiteral("wMBus_ManID"), 0));
  key.Address = static_cast<uint32_t>(Attribute_Number64(node, QStringLiteral("wMBus_Add"), 0));
  key.Version = Byte_Of(node, QStringLiteral("wMBus_Ver"));
  key.Device_Type = Byte_Of(node, QStringLiteral("wMBus_DevType"));
  key.Key_Enable = Byte_Of(node, QStringLiteral("wMBus_En_Key"));
  key.Key.fill(0);
  if (key.Key_Enable == 1)
    for (int i = 0; i < 16; ++i) key.Key[i] = Byte_Of(node, QStringLiteral("wMBus_Key_%1").arg(i + 1));

  TBank_Nodo nodo;
  nodo.ID = key.Address;
  nodo.Node_State = Byte_Of(node, QStringLiteral("Node_State"));
  nodo.Ident_Num = Byte_Of(node, QStringLiteral("Ident_Num"));
  nodo.RSSI = Byte_Of(node, QStringLiteral("wMBus_RSSI"));
  nodo.BCDtoINT_IN = Byte_Of(node, QStringLiteral("BCDtoINT_IN"));
  nodo.Swap_IN = Byte_Of(node, QStringLiteral("Swap_IN"));
  nodo.Var_Type = Byte_Of(node, QStringLiteral("Var_List_Type"));
  return nodo;
}

void Append_Node_Entry(Bank_Buffer& buffer, const TBank_Nodo& nodo, const TAdd_Nodo& add) {
  bank_network::Append_Flag_Node_Entry(buffer, nodo, add);
  buffer.Append_U8(nodo.RSSI);
  buffer.Append_U16(add.Add_RSSI);
}

}  // namespace

void wMBus_Node_Image::Build_wMBus_Image(int device_type, const Xml_Node* m_bus_root, const Xml_Node* par_gen_root,
                                         Gateway_Param_Record& gateway, wMBus_Key_Table& keys, Bank_Buffer& buffer) {
  gateway.Set_U8(Gateway_Param_Record::kWireless_Meters, 0);
  gateway.Set_U8(Gateway_Param_Record::kFormat_Byte, kFormat_Byte);

  uint8_t working_mode = 0, wired_port = 1;  // without ParGen.xml the wired port counts as present
  if (par_gen_root) {
    working_mode = gateway_settings::Element_Byte(*par_gen_root, "Working_mode", 0);
    wired_port = gateway_settings::Element_Byte(*par_gen_root, "Sel_Dev_MBus_Present", 0);
  }
  bank_nodi_.clear();
  bank_add_nodi_.clear();
  bank_nodi_2_.clear();
  bank_add_nodi_2_.clear();
  if (m_bus_root) Read_Network(*m_bus_root, wired_port == 1, keys);
  Assign_Addresses(working_mode == 1);
  gateway.Set_U8(Gateway_Param_Record::kWireless_Meters, static_cast<uint32_t>(bank_nodi_2_.size()));

  QByteArray settings;
  if (par_gen_root) {
    gateway_settings::Records records;
    records.gateway = &gateway;
    settings = gateway_settings::Network_Settings(device_type, *par_gen_root, static_cast<uint32_t>(bank_nodi_.size()),
                                                  records);
  }
  Write_Image(settings, buffer);
}

void wMBus_Node_Image::Read_Network(const Xml_Node& root, bool wired_port_present, wMBus_Key_Table& keys) {
  int node_number = 0;
  for (const Xml_Node& node : config_reader::Children(root)) {
    ++node_number;
    if (!bank_network::Node_Is_Compiled(node)) continue;
    const bool wired = config_reader::Attribute_Number(node, QStringLiteral("MBus_Type"), 1) == 1;
    if (wired && !wired_port_present) continue;
    std::vector<TBank_Variabile> vars = bank_network::Read_Compiled_Variables(node, node_number);
    // A node joins the image with its first compiled variable, so one without any leaves no trace.
    if (vars.empty()) continue;
    TBank_Nodo nodo;
    if (wired) {
      if (static_cast<int>(bank_nodi_.size()) == bank_network::kMax_Nodes)
        throw Compile_Error(
            QStringLiteral("%1, node %2: more than %3 wired nodes with enabled variables; the device takes at most %3.")
                .arg(kM_Bus_File)
                .arg(node_number)
                .arg(bank_network::kMax_Nodes));
      nodo = bank_network::Read_Node_Values(node);
    } else {
      const int index = static_cast<int>(bank_nodi_2_.size());
      if (index == wMBus_Key_Table::kEntries)
        throw Compile_Error(QStringLiteral("%1, node %2: more than %3 wireless meters with enabled variables; the "
                                           "device's key table holds at most %3.")
                                .arg(kM_Bus_File)
                                .arg(node_number)
                                .arg(wMBus_Key_Table::kEntries));
      nodo = Read_Wireless_Meter(node, keys.Entry(index));
    }
    nodo.Vars = std::move(vars);
    nodo.Source_Index = node_number;
    (wired ? bank_nodi_ : bank_nodi_2_).push_back(std::move(nodo));
  }
}

void wMBus_Node_Image::Assign_Addresses(bool single_slave) {
  const uint32_t start = single_slave ? kSingle_Slave_Start : 0;
  uint32_t address = start;
  bank_add_nodi_.assign(bank_nodi_.size(), TAdd_Nodo{});
  bank_add_nodi_2_.assign(bank_nodi_2_.size(), TAdd_Nodo{});
  auto assign = [&](TBank_Nodo& nodo, TAdd_Nodo& add) {
    // In single-slave mode the nodes share one window of the process image.
    if (single_slave) address = start;
    add.Add_NS = address;
    if (nodo.Node_State == 1) address += 1;
    add.Add_IN = address;
    if (nodo.Ident_Num == 1) address += 4;
    add.Add_RSSI = address;
    if (nodo.RSSI == 1) address += 2;
    add.Add_Start_Var = address;
    address = bank_network::Assign_Variable_Addresses(nodo, address);
  };
  for (size_t n = 0; n < bank_nodi_.size(); ++n) assign(bank_nodi_[n], bank_add_nodi_[n]);
  for (size_t n = 0; n < bank_nodi_2_.size(); ++n) assign(bank_nodi_2_[n], bank_add_nodi_2_[n]);
}

void wMBus_Node_Image::Write_Image(const QByteArray& settings, Bank_Buffer& buffer) {
  uint64_t variable_count = 0, text_bytes = 0;
  for (const auto* nodes : {&bank_nodi_, &bank_nodi_2_})
    for (const TBank_Nodo& nodo : *nodes) {
      variable_count += nodo.Vars.size();
      for (const TBank_Variabile& var : nodo.Vars) text_bytes += var.Len_VIF_ASCII;
    }
  const uint64_t wireless_start = kHeader_Size + kNode_Entry_Size * uint64_t{bank_nodi_.size()};
  const uint64_t variables_start = wireless_start + kNode_Entry_Size * uint64_t{bank_nodi_2_.size()};
  const uint64_t texts_start = variables_start + kVariable_Entry_Size * variable_count;
  const uint64_t settings_start = texts_start + text_bytes;
  const uint64_t total = settings_start + static_cast<uint64_t>(settings.size());
  if (total > static_cast<uint64_t>(buffer.Capacity()))
    throw Compile_Error(QStringLiteral("The node image (bank2.bin) would need %1 bytes; the device takes at most %2.")
                            .arg(total)
                            .arg(buffer.Capacity()));

  uint32_t entry_offset = static_cast<uint32_t>(variables_start);
  uint32_t text_offset = static_cast<uint32_t>(texts_start);
  for (auto* nodes : {&bank_nodi_, &bank_nodi_2_})
    for (TBank_Nodo& nodo : *nodes) {
      nodo.Add = entry_offset;
      entry_offset += kVariable_Entry_Size * static_cast<uint32_t>(nodo.Vars.size());
      for (TBank_Variabile& var : nodo.Vars) {
        var.Address_VIF_ASCII = text_offset;
        text_offset += var.Len_VIF_ASCII;
      }
    }

  buffer.Clear();
  buffer.Append_U8(kFormat_Byte);
  buffer.Append_U32(kHeader_Size);
  buffer.Append_U32(static_cast<uint32_t>(settings_start));
  buffer.Append_U32(static_cast<uint32_t>(wireless_start));
  for (size_t n = 0; n < bank_nodi_.size(); ++n) Append_Node_Entry(buffer, bank_nodi_[n], bank_add_nodi_[n]);
  for (size_t n = 0; n < bank_nodi_2_.size(); ++n) Append_Node_Entry(buffer, bank_nodi_2_[n], bank_add_nodi_2_[n]);
  for (const auto* nodes : {&bank_nodi_, &bank_nodi_2_})
    for (const TBank_Nodo& nodo : *nodes)
      for (const TBank_Variabile& var : nodo.Vars) bank_network::Append_Variable_Entry(buffer, var);
  for (const auto* nodes : {&bank_nodi_, &bank_nodi_2_})
    for (const TBank_Nodo& nodo : *nodes)
      for (const TBank_Variabile& var : nodo.Vars) bank_network::Append_VIF_Text(buffer, var);
  buffer.Append(settings);
}
