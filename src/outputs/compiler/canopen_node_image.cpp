// Node image bank2.bin of the M-Bus / CANopen gateway. Little-endian except
// the node identifier, which is most significant byte first. Offsets count
// from the file's first byte.
//
// Header (13 bytes):
//   0   1  format byte 0x80
//   1   4  offset of the first node entry: 13
//   5   4  offset of the settings area (= file length without ParGen.xml)
//   9   4  0
// Node entries (29 bytes each, N compiled nodes, from 13):
//   0   1  identifier type: 0 primary, otherwise secondary
//   1   4  node identifier, most significant byte first (the plain number)
//   5   2  number of variable entries
//   7   4  offset of the node's first variable entry
//   11  1  send SND_NKE
//   12  1  application reset
//   13  1  options: bit 0 node state, bit 1 identification number, bit 2 its BCD to integer
//   14  2  process-image address of the node state byte
//   16  2  process-image address of the identification number
//   18  1  swap identification number
//   19  1  variable list type: 0 by type, 1 by position
//   20  1  cut after (the stored Cut_After + 1)
//   21  2  0 (manufacturer-specific data length and offset)
//   23  2  process-image address after the identification number
//   25  4  0 (RSSI address, access number)
// Variable entries (26 bytes each, grouped by node, from 13 + 29 N):
//   0   1  type of data          1  1  function field      2  1  data field code
//   3   2  value address         5  1  scale flag          6  2  scale address
//   8   1  unit                  9  4  storage number      13 4  tariff
//   17  1  VIFE                  18 1  options             19 1  variable length
//   20  1  VIF text length       21 4  VIF text offset     25 1  position
// VIF texts: each text one byte per character, last character first.
// Settings area (26 bytes, only with ParGen.xml): 19 zero bytes,
//   Meter_Req_Delay (4), node count (1), 0 (1), Meter_NS_Error_Code (1).
//
// Process-image addresses run from 0 through the nodes in order: the node
// state byte (1 byte when enabled), the identification number (4 bytes when
// enabled), then each variable's value and, when its scale flag is set, one
// scale byte right after it. The CANopen tables name these addresses.
#include "outputs/compiler/canopen_node_image.h"

#include "outputs/compiler/canopen_param_record.h"
#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/config_reader.h"
#include "platform/number_entry.h"

namespace {

constexpr uint32_t kHeader_Size = 13;
constexpr uint32_t kNode_Entry_Size = 29;
constexpr uint32_t kVariable_Entry_Size = 26;
constexpr uint32_t kSettings_Size = 26;
constexpr uint8_t kFormat_Byte = 0x80;
constexpr int kMax_Nodes = 255;  // the settings area counts nodes in one byte
constexpr int kMax_Node_Variables = 65535;
constexpr int kMax_VIF_Text = 255;  // its length is a 1-byte field

const QString kM_Bus_File = QStringLiteral("M_Bus.xml");
const QString kPar_Gen_File = QStringLiteral("ParGen.xml");

TBank_Nodo Read_Node(const Xml_Node& node) {
  using namespace config_reader;
  TBank_Nodo nodo;
  nodo.ID_Type = static_cast<uint8_t>(Attribute_Number(node, QStringLiteral("Node_ID_Type"), 0));
  int64_t id = 0;
  const std::optional<QString> id_text = Attribute_Text(node, QStringLiteral("ID"));
  if (id_text && Try_Read_Number64(*id_text, id))
    nodo.ID = static_cast<uint32_t>(id);
  else
    nodo.ID = static_cast<uint32_t>(
        Attribute_Number(node, nodo.ID_Type == 0 ? QStringLiteral("ID_Primary") : QStringLiteral("ID_Secondary"), 1));
  nodo.SND_NKE = static_cast<uint8_t>(Attribute_Number(node, QStringLiteral("Send_SND_NKE"), 0));
  nodo.Reset_App = static_cast<uint8_t>(Attribute_Number(node, QStringLiteral("Reset_App"), 0));
  if (Attribute_Number(node, QStringLiteral("Node_State"), 0) == 1) nodo.Opzioni_Check |= 0x01;
  if (Attribute_Number(node, QStringLiteral("Ident_Num"), 0) == 1) nodo.Opzioni_Check |= 0x02;
  if (Attribute_Number(node, QStringLiteral("BCDtoINT_IN"), 0) == 1) nodo.Opzioni_Check |= 0x04;
  nodo.Swap_IN = static_cast<uint8_t>(Attribute_Number(node, QStringLiteral("Swap_IN"), 0));
  nodo.Var_Type = static_cast<uint8_t>(Attribute_Number(node, QStringLiteral("Var_List_Type"), 0));
  // The stored position 0..249 means 1..250 frames; without it the gateway reads them all.
  const std::optional<QString> cut_text = Attribute_Text(node, QStringLiteral("Cut_After"));
  int32_t cut = 0;
  nodo.Cut_After = cut_text && Try_Read_Number(*cut_text, cut) ? static_cast<uint8_t>(cut + 1) : 250;
  return nodo;
}

}  // namespace

void CANopen_Node_Image::Build_CANopen_Node_Image(const Xml_Node* m_bus_root, const Xml_Node* par_gen_root,
                                                  CANopen_Param_Record& record, Bank_Buffer& buffer) {
  bank_nodi_.clear();
  bank_add_nodi_.clear();
  if (m_bus_root) Read_Network(*m_bus_root);
  Assign_Addresses();
  Write_Image(par_gen_root, buffer);
  if (par_gen_root) Apply_CANopen_Par_Gen(*par_gen_root, record);
}

void CANopen_Node_Image::Read_Network(const Xml_Node& root) {
  int node_number = 0;
  for (const Xml_Node& node : config_reader::Children(root)) {
    ++node_number;
    if (!bank_network::Node_Is_Compiled(node)) continue;
    bool appended = false;
    int variable_number = 0;
    for (const Xml_Node& variable : config_reader::Children(node)) {
      ++variable_number;
      if (!config_reader::Attribute_Is_One(variable, QStringLiteral("Enable"))) continue;
      const QString where =
          QStringLiteral("%1, node %2, variable %3").arg(kM_Bus_File).arg(node_number).arg(variable_number);
      // A node joins the image with its first compiled variable, so one without any leaves no trace.
      if (!appended) {
        if (static_cast<int>(bank_nodi_.size()) == kMax_Nodes)
          throw Compile_Error(
              QStringLiteral("%1: more than %2 nodes with enabled variables; the device takes at most %2.")
                  .arg(kM_Bus_File)
                  .arg(kMax_Nodes));
        bank_nodi_.push_back(Read_Node(node));
        bank_nodi_.back().Source_Index = node_number;
        appended = true;
      }
      TBank_Nodo& nodo = bank_nodi_.back();
      if (static_cast<int>(nodo.Vars.size()) == kMax_Node_Variables)
        throw Compile_Error(QStringLiteral("%1, node %2: more than %3 enabled variables.")
                                .arg(kM_Bus_File)
                                .arg(node_number)
                                .arg(kMax_Node_Variables));
      TBank_Variabile var = bank_network::Read_Bank_Variable(variable, where);
      if (var.VIF_ASCII.size() > kMax_VIF_Text)
        throw Compile_Error(
            QStringLiteral("%1: the VIF text is longer than %2 characters.").arg(where).arg(kMax_VIF_Text));
      var.Len_VIF_ASCII = static_cast<uint8_t>(var.VIF_ASCII.size());
      var.Source_Index = variable_number;
      nodo.Vars.push_back(std::move(var));
    }
  }
}

void CANopen_Node_Image::Assign_Addresses() {
  bank_add_nodi_.assign(bank_nodi_.size(), TAdd_Nodo{});
  uint32_t address = 0;
  for (size_t n = 0; n < bank_nodi_.size(); ++n) {
    TBank_Nodo& nodo = bank_nodi_[n];
    TAdd_Nodo& add = bank_add_nodi_[n];
    add.Add_NS = address;
    if (nodo.Opzioni_Check & 0x01) address += 1;
    add.Add_IN = address;
    if (nodo.Opzioni_Check & 0x02) address += 4;
    add.Add_MSD = address;
    add.Add_Start_Var = address;
    bank_network::Check_Address(address, nodo.Source_Index, 0);
    for (TBank_Variabile& var : nodo.Vars) {
      var.Value_Address = address;
      address += var.Value_Size;
      var.Scale_Address = address;
      if (var.Scale) address += 1;
      bank_network::Check_Address(var.Scale_Address, nodo.Source_Index, var.Source_Index);
    }
  }
}

void CANopen_Node_Image::Write_Image(const Xml_Node* par_gen_root, Bank_Buffer& buffer) {
  // Offsets first, so an image too large for the device is refused before anything is written.
  uint64_t variable_count = 0;
  uint64_t text_bytes = 0;
  for (const TBank_Nodo& nodo : bank_nodi_) {
    variable_count += nodo.Vars.size();
    for (const TBank_Variabile& var : nodo.Vars) text_bytes += var.Len_VIF_ASCII;
  }
  const uint64_t variables_start = kHeader_Size + kNode_Entry_Size * uint64_t{bank_nodi_.size()};
  const uint64_t texts_start = variables_start + kVariable_Entry_Size * variable_count;
  const uint64_t settings_start = texts_start + text_bytes;
  const uint64_t total = settings_start + (par_gen_root ? kSettings_Size : 0);
  if (total > static_cast<uint64_t>(buffer.Capacity()))
    throw Compile_Error(QStringLiteral("The node image (bank2.bin) would need %1 bytes; the device takes at most %2.")
                            .arg(total)
                            .arg(buffer.Capacity()));

  uint32_t entry_offset = static_cast<uint32_t>(variables_start);
  uint32_t text_offset = static_cast<uint32_t>(texts_start);
  for (TBank_Nodo& nodo : bank_nodi_) {
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
  buffer.Append_Zeros(8);  // settings offset and 0, filled in below

  for (size_t n = 0; n < bank_nodi_.size(); ++n) {
    const TBank_Nodo& nodo = bank_nodi_[n];
    const TAdd_Nodo& add = bank_add_nodi_[n];
    buffer.Append_U8(nodo.ID_Type);
    bank_network::Append_Node_ID(buffer, nodo.ID);
    buffer.Append_U16(static_cast<uint32_t>(nodo.Vars.size()));
    buffer.Append_U32(nodo.Add);
    buffer.Append_U8(nodo.SND_NKE);
    buffer.Append_U8(nodo.Reset_App);
    buffer.Append_U8(nodo.Opzioni_Check);
    buffer.Append_U16(add.Add_NS);
    buffer.Append_U16(add.Add_IN);
    buffer.Append_U8(nodo.Swap_IN);
    buffer.Append_U8(nodo.Var_Type);
    buffer.Append_U8(nodo.Cut_After);
    buffer.Append_U8(nodo.MSD_Length);
    buffer.Append_U8(nodo.MSD_Offset);
    buffer.Append_U16(add.Add_MSD);
    buffer.Append_U16(add.Add_RSSI);
    buffer.Append_U16(nodo.Access_Number);
  }

  for (const TBank_Nodo& nodo : bank_nodi_)
    for (const TBank_Variabile& var : nodo.Vars) bank_network::Append_Variable_Entry(buffer, var);

  for (const TBank_Nodo& nodo : bank_nodi_)
    for (const TBank_Variabile& var : nodo.Vars) bank_network::Append_VIF_Text(buffer, var);

  buffer.Patch_U32(5, static_cast<uint32_t>(buffer.Used()));

  if (!par_gen_root) return;
  const Xml_Node& root = *par_gen_root;
  buffer.Append_Zeros(19);
  buffer.Append_U32(static_cast<uint32_t>(config_reader::Element_Number(root, QStringLiteral("Meter_Req_Delay"), 0)));
  buffer.Append_U8(static_cast<uint32_t>(bank_nodi_.size()));
  buffer.Append_U8(0);
  buffer.Append_U8(
      static_cast<uint32_t>(config_reader::Element_Number(root, QStringLiteral("Meter_NS_Error_Code"), 0)));
}

void Apply_CANopen_Par_Gen(const Xml_Node& root, CANopen_Param_Record& record) {
  using namespace config_reader;
  auto strict_byte = [&](const QString& name) {
    return static_cast<uint8_t>(Strict_Element_Number(root, name, kPar_Gen_File));
  };
  const QString ip = QStringLiteral("Eth_IP%1"), mask = QStringLiteral("Eth_SM%1"),
                gateway = QStringLiteral("Eth_GAT%1");
  for (int i = 0; i < 4; ++i) {
    record.Set_U8(CANopen_Param_Record::kIP_Address + i, strict_byte(ip.arg(i + 1)));
    record.Set_U8(CANopen_Param_Record::kSubnet_Mask + i, strict_byte(mask.arg(i + 1)));
    record.Set_U8(CANopen_Param_Record::kGateway + i, strict_byte(gateway.arg(i + 1)));
  }
  if (Strict_Element_Number(root, QStringLiteral("Eth_EN_GAT"), kPar_Gen_File) != 1)
    record.Set_IPv4(CANopen_Param_Record::kGateway, 255, 255, 255, 255);
  record.Set_U16(CANopen_Param_Record::kPort_A, 10001);
  record.Set_U16(CANopen_Param_Record::kPort_B, 10001);
  record.Set_U32(CANopen_Param_Record::kMBus_Baud_Rate,
                 MBus_Baud_Rate(Strict_Element_Number(root, QStringLiteral("Meter_Baud"), kPar_Gen_File)));
  record.Set_U8(CANopen_Param_Record::kMBus_Parity,
                MBus_Parity_Code(Strict_Element_Number(root, QStringLiteral("Meter_Par"), kPar_Gen_File)));
  record.Set_U8(CANopen_Param_Record::kFixed_211, 0);
  record.Set_U8(CANopen_Param_Record::kFixed_217, 8);
  record.Set_U32(CANopen_Param_Record::kCAN_Node_ID,
                 static_cast<uint32_t>(Element_Number(root, QStringLiteral("CAN_ID_DEV"), 1)));
  const uint32_t bit_rate = CAN_Bit_Rate(Element_Number(root, QStringLiteral("CAN_BAUD"), 8));
  record.Set_U32(CANopen_Param_Record::kCAN_Bit_Rate, bit_rate);
  record.Set_U32(CANopen_Param_Record::kCAN_Bit_Rate_Copy, bit_rate);
  uint32_t flags = 0;
  if (Element_Is_One(root, QStringLiteral("CAN_SET_OPE"))) flags |= 0x01;
  if (Element_Is_One(root, QStringLiteral("CAN_NET_OPE"))) flags |= 0x02;
  record.Set_U32(CANopen_Param_Record::kStart_Up_Flags, flags);
  record.Set_U32(CANopen_Param_Record::kNetwork_Start_Delay,
                 static_cast<uint32_t>(Element_Number(root, QStringLiteral("CAN_DELAY"), 10)) * 1000u);
  record.Set_U32(CANopen_Param_Record::kSDO_Timeout,
                 static_cast<uint32_t>(Element_Number(root, QStringLiteral("CAN_SDO_TIMEOUT"), 10000)));
}
