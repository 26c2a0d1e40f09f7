#include "outputs/compiler/gateway_compiler.h"

#include "outputs/compiler/config_reader.h"

namespace {

const QString kM_Bus_File = QStringLiteral("M_Bus.xml");
const QString kPar_Gen_File = QStringLiteral("ParGen.xml");

}  // namespace

void Copy_Bank_To_Bank2(Bank_Buffers& buffers) {
  buffers.Bank_Buffer_C.Clear();
  buffers.Bank_Buffer_C.Append(buffers.Bank_Buffer_A.Bytes());
}

void Gateway_Compiler::Compile(int device_type, const QString& conf_dir, Bank_Buffers& buffers) {
  Xml_Document m_bus, par_gen;
  const bool has_m_bus = config_reader::Load(conf_dir, kM_Bus_File, m_bus);
  const bool has_par_gen = config_reader::Load(conf_dir, kPar_Gen_File, par_gen);
  const Xml_Node m_bus_root = m_bus.Root(), par_gen_root = par_gen.Root();
  const Xml_Node* m_bus_ptr = has_m_bus ? &m_bus_root : nullptr;
  const Xml_Node* par_gen_ptr = has_par_gen ? &par_gen_root : nullptr;
  switch (device_type) {
    case 1:
      Compile_DeviceNet(m_bus_ptr, par_gen_ptr, buffers);
      break;
    case 2:
      Compile_EtherNetIP(m_bus_ptr, par_gen_ptr, buffers);
      break;
    case 3:
      Compile_Profibus(m_bus_ptr, par_gen_ptr, buffers);
      break;
    case 4:
    case 5:
      Compile_wMBus(device_type, m_bus_ptr, par_gen_ptr, buffers);
      break;
    default:
      break;
  }
}

void Gateway_Compiler::Compile_DeviceNet(const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers) {
  mbus_image_.Build_MBus_Image(1, false, m_bus, par_gen, gateway_, ethernet_, buffers);
}

// The first pass must be copied before the second overwrites Bank_Buffer_A.
void Gateway_Compiler::Compile_EtherNetIP(const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers) {
  Build_Gateway_Images(2, m_bus, par_gen, buffers);
  mbus_image_.Build_MBus_Image(2, false, m_bus, par_gen, gateway_, ethernet_, buffers);
}

void Gateway_Compiler::Compile_Profibus(const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers) {
  Build_Gateway_Images(3, m_bus, par_gen, buffers);
  mbus_image_.Build_Profibus_Image(m_bus, par_gen, buffers.Bank_Buffer_A);
}

void Gateway_Compiler::Build_Gateway_Images(int device_type, const Xml_Node* m_bus, const Xml_Node* par_gen,
                                            Bank_Buffers& buffers) {
  mbus_image_.Build_MBus_Image(device_type, true, m_bus, par_gen, gateway_, ethernet_, buffers);
  Copy_Bank_To_Bank2(buffers);
}

// The record must be complete before its block sum is computed.
void Gateway_Compiler::Compile_wMBus(int device_type, const Xml_Node* m_bus, const Xml_Node* par_gen,
                                     Bank_Buffers& buffers) {
  gateway_.Init_Gateway_Parameters();
  keys_.Clear_wMBus_Key_Table();
  gateway_.Set_U32(Gateway_Param_Record::kTable_Load_Address, Gateway_Param_Record::kTable_Load_Address_Value);
  buffers.Bank_Buffer_A.Clear();
  wmbus_image_.Build_wMBus_Image(device_type, m_bus, par_gen, gateway_, keys_, buffers.Bank_Buffer_A);
  buffers.Bank_Buffer_C.Clear();
  gateway_.Write_Gateway_Parameters(buffers.Bank_Buffer_C);
  keys_.Write_wMBus_Key_Table(buffers.Bank_Buffer_C);
}
