#pragma once
#include <QByteArray>
#include <cstdint>

#include "outputs/compiler/gateway_param_record.h"
#include "platform/xml_document.h"

// The settings areas that close the node images of the M-Bus gateways with a
// fieldbus of their own, read from ParGen.xml, and the parameter-record fields
// that the same reads set. Values of one byte are the low byte of the number
// read, of two bytes its low 16 bits. Meter_Baud, Meter_Par and
// Meter_Req_Delay are read strictly everywhere (a missing element or a text
// that is not a number stops the compile); the values marked strict below too.
//
// DeviceNet (device type 1), 11 bytes:
//   DN_ID (1, strict), DN_BAUD (1, strict), DN_NB_IN (2, strict), Meter_Baud (1),
//   Meter_Par (1), Meter_Req_Delay (2), node count (1), Working_mode (1, fallback 0),
//   Meter_NS_Error_Code (1, fallback 0)
//
// Network gateways, 26 bytes (types 2, 4, 5) or 22 bytes (type 3):
//   IPv4 address (4×1, fallback 192.168.0.5), subnet mask (4×1, 255.255.255.0),
//   default gateway (4×1, 192.168.0.1, as read even when disabled),
//   gateway enable (1, fallback 0), port (2: 44818, type 5 34964),
//   byte count (2, types 2, 4, 5 only; Eth_NumByte_OUT or PROFINET_NB_OUT, fallback 20),
//   Meter_Baud (1), Meter_Par (1), Meter_Req_Delay (4; type 3: 2), node count (1),
//   Working_mode (1, fallback 0), Meter_NS_Error_Code (1, fallback 0)
//   Type 5 reads the PROFINET_ elements in place of the Eth_ ones.
//
// PROFIBUS image (bank.bin of device type 3), 12 bytes:
//   PROFI_ID (1, strict), PROFI_NB_IN (1, strict), PROFI_GSD (1, strict), Meter_Baud (1),
//   Meter_Par (1), Meter_Req_Delay (2), node count (1), Enable_TX (1, fallback 0),
//   PROFI_NB_OUT (1, fallback 0), Working_mode (1, fallback 0),
//   Meter_NS_Error_Code (1, fallback 255)
namespace gateway_settings {

// The records the values also go into; either may be absent.
struct Records {
  Gateway_Param_Record* gateway = nullptr;
  Ethernet_Param_Record* ethernet = nullptr;
};

QByteArray DeviceNet_Settings(const Xml_Node& par_gen, uint32_t node_count);

// Device types 2 to 5. Also sets the fields of `records` that come from
// ParGen.xml; for types 4 and 5 the wireless mode, radio channel and the
// wireless fixed values as well.
QByteArray Network_Settings(int device_type, const Xml_Node& par_gen, uint32_t node_count, const Records& records);

QByteArray Profibus_Settings(const Xml_Node& par_gen, uint32_t node_count);

// The byte value of a lenient element: its low byte, `fallback` when absent or not a number.
uint8_t Element_Byte(const Xml_Node& par_gen, const char* name, int32_t fallback);

}  // namespace gateway_settings
