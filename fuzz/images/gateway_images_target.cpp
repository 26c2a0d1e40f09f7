// Feeds arbitrary bytes as M_Bus.xml to the node-image builders of device
// types 1 to 5. The first byte picks the device type and whether a ParGen.xml
// with every element is present. A network the images cannot hold must stop
// with a Compile_Error; an image that is built must hold its own offsets.
#include <cstdlib>

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/gateway_compiler.h"
#include "platform/xml_document.h"

namespace {

const char kPar_Gen[] =
    "<Par_Gen><DN_ID>1</DN_ID><DN_BAUD>1</DN_BAUD><DN_NB_IN>8</DN_NB_IN><PROFI_ID>3</PROFI_ID>"
    "<PROFI_NB_IN>8</PROFI_NB_IN><PROFI_GSD>0</PROFI_GSD><Enable_TX>1</Enable_TX><Working_mode>0</Working_mode>"
    "<Sel_Dev_MBus_Present>1</Sel_Dev_MBus_Present><Meter_Baud>3</Meter_Baud><Meter_Par>1</Meter_Par>"
    "<Meter_Req_Delay>100</Meter_Req_Delay></Par_Gen>";

uint32_t U32_At(const QByteArray& bytes, qsizetype offset) {
  if (offset < 0 || offset + 4 > bytes.size()) std::abort();
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes.at(offset + i));
  return value;
}

void Check_Settings_Offset(const Bank_Buffer& buffer, qsizetype field) {
  if (buffer.Used() == 0) return;
  if (U32_At(buffer.Bytes(), field) > static_cast<uint32_t>(buffer.Used())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int type = 1 + data[0] % 5;
  const bool with_par_gen = (data[0] / 5) % 2 == 1;
  Xml_Document m_bus, par_gen;
  try {
    m_bus.Load_Text(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
  } catch (const Xml_Error&) {
    return 0;
  }
  par_gen.Load_Text(kPar_Gen);
  const Xml_Node m_bus_root = m_bus.Root(), par_gen_root = par_gen.Root();
  const Xml_Node* par_gen_ptr = with_par_gen ? &par_gen_root : nullptr;

  Bank_Buffers buffers;
  Gateway_Param_Record gateway;
  Ethernet_Param_Record ethernet;
  wMBus_Key_Table keys;
  try {
    if (type <= 3) {
      MBus_Node_Image image;
      image.Build_MBus_Image(type, type != 1, &m_bus_root, par_gen_ptr, gateway, ethernet, buffers);
      Check_Settings_Offset(buffers.Bank_Buffer_A, type == 1 ? 4 : 5);
      if (type == 3) {
        image.Build_Profibus_Image(&m_bus_root, par_gen_ptr, buffers.Bank_Buffer_A);
        Check_Settings_Offset(buffers.Bank_Buffer_A, 4);
      }
    } else {
      wMBus_Node_Image image;
      image.Build_wMBus_Image(type, &m_bus_root, par_gen_ptr, gateway, keys, buffers.Bank_Buffer_A);
      Check_Settings_Offset(buffers.Bank_Buffer_A, 5);
      if (gateway.U8(Gateway_Param_Record::kWireless_Meters) > wMBus_Key_Table::kEntries) std::abort();
    }
  } catch (const Compile_Error&) {
  }
  return 0;
}
