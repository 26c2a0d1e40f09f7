#include "outputs/compiler/canopen_compiler.h"

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/config_reader.h"

namespace {

const QString kM_Bus_File = QStringLiteral("M_Bus.xml");
const QString kPar_Gen_File = QStringLiteral("ParGen.xml");

bool Has_Enabled_Variable(const Xml_Node& node) {
  for (const Xml_Node& variable : config_reader::Children(node))
    if (config_reader::Attribute_Is_One(variable, QStringLiteral("Enable"))) return true;
  return false;
}

// Absent or not a number counts as `absent_value`.
int32_t Number_Or(const Xml_Node& node, const QString& name, int32_t absent_value) {
  return config_reader::Attribute_Number(node, name, absent_value);
}

}  // namespace

void Read_CANopen_Parameters(const Xml_Node* m_bus_root, const Xml_Node* par_gen_root, CANopen_Param_Record& record) {
  int wireless_nodes = 0;
  if (m_bus_root) {
    int node_number = 0;
    for (const Xml_Node& node : config_reader::Children(*m_bus_root)) {
      ++node_number;
      if (Number_Or(node, QStringLiteral("Node_Enable"), 1) != 1) continue;
      int variable_number = 0;
      for (const Xml_Node& variable : config_reader::Children(node)) {
        ++variable_number;
        if (!config_reader::Attribute_Is_One(variable, QStringLiteral("Enable"))) continue;
        const QString where =
            QStringLiteral("%1, node %2, variable %3").arg(kM_Bus_File).arg(node_number).arg(variable_number);
        config_reader::Strict_Attribute_Number(variable, QStringLiteral("Type"), where);
        config_reader::Strict_Attribute_Number(variable, QStringLiteral("Fun_Field"), where);
        config_reader::Strict_Attribute_Number(variable, QStringLiteral("Dim"), where);
      }
      if (Number_Or(node, QStringLiteral("MBus_Type"), 1) != 1 && Has_Enabled_Variable(node)) ++wireless_nodes;
    }
  }
  if (wireless_nodes > 255)
    throw Compile_Error(
        QStringLiteral("%1: %2 wireless nodes; the device counts at most 255.").arg(kM_Bus_File).arg(wireless_nodes));
  record.Set_U8(CANopen_Param_Record::kWireless_Nodes, static_cast<uint32_t>(wireless_nodes));
  record.Set_Pass_Fixed_Values();

  if (!par_gen_root) return;
  static const char* const kStrict[] = {
      "Eth_IP1",  "Eth_IP2",  "Eth_IP3",  "Eth_IP4",  "Eth_SM1",    "Eth_SM2",    "Eth_SM3",   "Eth_SM4",
      "Eth_GAT1", "Eth_GAT2", "Eth_GAT3", "Eth_GAT4", "Eth_EN_GAT", "Meter_Baud", "Meter_Par", "Meter_Req_Delay"};
  for (const char* name : kStrict)
    config_reader::Strict_Element_Number(*par_gen_root, QString::fromLatin1(name), kPar_Gen_File);
}

void CANopen_Compiler::Compile_CANopen(const QString& conf_dir, Bank_Buffers& buffers) {
  Xml_Document m_bus;
  Xml_Document par_gen;
  const bool has_m_bus = config_reader::Load(conf_dir, kM_Bus_File, m_bus);
  const bool has_par_gen = config_reader::Load(conf_dir, kPar_Gen_File, par_gen);
  const Xml_Node m_bus_root = m_bus.Root();
  const Xml_Node par_gen_root = par_gen.Root();
  const Xml_Node* m_bus_ptr = has_m_bus ? &m_bus_root : nullptr;
  const Xml_Node* par_gen_ptr = has_par_gen ? &par_gen_root : nullptr;

  record_.Init_CANopen_Parameters();
  tables_.Clear_CANopen_Objects(record_);
  tables_.Read_CANopen_Objects(conf_dir, record_);
  Read_CANopen_Parameters(m_bus_ptr, par_gen_ptr, record_);

  buffers.Bank_Buffer_A.Clear();
  node_image_.Build_CANopen_Node_Image(m_bus_ptr, par_gen_ptr, record_, buffers.Bank_Buffer_A);

  // The byte sum must cover every field set above, the table counts included.
  buffers.Bank_Buffer_C.Clear();
  record_.Write_CANopen_Parameters(buffers.Bank_Buffer_C);
  tables_.Write_CANopen_Objects(buffers.Bank_Buffer_C);
}
