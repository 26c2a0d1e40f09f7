#include "outputs/compiler/gateway_settings.h"

#include <QString>

#include "outputs/compiler/canopen_param_record.h"
#include "outputs/compiler/config_reader.h"

namespace gateway_settings {

namespace {

const QString kPar_Gen_File = QStringLiteral("ParGen.xml");

constexpr uint32_t kEtherNetIP_Port = 44818;
constexpr uint32_t kProfibus_Record_Port = 10001;
constexpr uint32_t kProfinet_Port = 34964;
constexpr int32_t kDefault_Fieldbus_Bytes = 20;
constexpr int32_t kDefault_Profibus_Bytes = 244;

class Area {
 public:
  void U8(uint32_t value) { bytes_.append(static_cast<char>(value & 0xFF)); }
  void U16(uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(uint32_t value) {
    U16(value);
    U16(value >> 16);
  }
  const QByteArray& Bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

int32_t Strict(const Xml_Node& par_gen, const char* name) {
  return config_reader::Strict_Element_Number(par_gen, QString::fromLatin1(name), kPar_Gen_File);
}

int32_t Lenient(const Xml_Node& par_gen, const QString& name, int32_t fallback) {
  return config_reader::Element_Number(par_gen, name, fallback);
}

struct Network_Address {
  uint8_t ip[4];
  uint8_t mask[4];
  uint8_t gateway[4];
  uint8_t gateway_enable;
};

Network_Address Read_Network_Address(const Xml_Node& par_gen, const QString& prefix) {
  static constexpr int32_t kIP[4] = {192, 168, 0, 5};
  static constexpr int32_t kMask[4] = {255, 255, 255, 0};
  static constexpr int32_t kGateway[4] = {192, 168, 0, 1};
  Network_Address address{};
  for (int i = 0; i < 4; ++i)
    address.ip[i] = static_cast<uint8_t>(Lenient(par_gen, prefix + QStringLiteral("IP%1").arg(i + 1), kIP[i]));
  for (int i = 0; i < 4; ++i)
    address.mask[i] = static_cast<uint8_t>(Lenient(par_gen, prefix + QStringLiteral("SM%1").arg(i + 1), kMask[i]));
  for (int i = 0; i < 4; ++i)
    address.gateway[i] =
        static_cast<uint8_t>(Lenient(par_gen, prefix + QStringLiteral("GAT%1").arg(i + 1), kGateway[i]));
  address.gateway_enable = static_cast<uint8_t>(Lenient(par_gen, prefix + QStringLiteral("EN_GAT"), 0));
  return address;
}

// The records carry "no gateway" as 255.255.255.255; the image keeps the bytes as read.
template <typename Record>
void Set_Network_Address(Record& record, int ip, int mask, int gateway, const Network_Address& address) {
  for (int i = 0; i < 4; ++i) {
    record.Set_U8(ip + i, address.ip[i]);
    record.Set_U8(mask + i, address.mask[i]);
    record.Set_U8(gateway + i, address.gateway_enable == 0 ? 255 : address.gateway[i]);
  }
}

void Set_Station_Name(const Xml_Node& par_gen, Gateway_Param_Record& record) {
  const QString name =
      config_reader::Element_Text(par_gen, QStringLiteral("PROFINET_NAME_STA")).value_or(QStringLiteral("devicename1"));
  // The field holds 16 bytes; characters beyond them are dropped rather than spill into the next field.
  for (qsizetype i = 0; i < name.size() && i < Gateway_Param_Record::kStation_Name_Size; ++i)
    record.Set_U8(Gateway_Param_Record::kStation_Name + static_cast<int>(i), name[i].unicode() & 0xFF);
}

}  // namespace

uint8_t Element_Byte(const Xml_Node& par_gen, const char* name, int32_t fallback) {
  return static_cast<uint8_t>(Lenient(par_gen, QString::fromLatin1(name), fallback));
}

QByteArray DeviceNet_Settings(const Xml_Node& par_gen, uint32_t node_count) {
  Area area;
  area.U8(Strict(par_gen, "DN_ID"));
  area.U8(Strict(par_gen, "DN_BAUD"));
  area.U16(Strict(par_gen, "DN_NB_IN"));
  area.U8(Strict(par_gen, "Meter_Baud"));
  area.U8(Strict(par_gen, "Meter_Par"));
  area.U16(Strict(par_gen, "Meter_Req_Delay"));
  area.U8(node_count);
  area.U8(Element_Byte(par_gen, "Working_mode", 0));
  area.U8(Element_Byte(par_gen, "Meter_NS_Error_Code", 0));
  return area.Bytes();
}

QByteArray Network_Settings(int device_type, const Xml_Node& par_gen, uint32_t node_count, const Records& records) {
  const bool profinet = device_type == 5;
  const bool profibus = device_type == 3;
  const bool wireless = device_type == 4 || device_type == 5;
  const Network_Address address =
      Read_Network_Address(par_gen, profinet ? QStringLiteral("PROFINET_") : QStringLiteral("Eth_"));

  Area area;
  for (uint8_t byte : address.ip) area.U8(byte);
  for (uint8_t byte : address.mask) area.U8(byte);
  for (uint8_t byte : address.gateway) area.U8(byte);
  area.U8(address.gateway_enable);
  area.U16(profinet ? kProfinet_Port : kEtherNetIP_Port);

  uint32_t fieldbus_bytes = 0;
  if (!profibus) {
    const QString count_name = profinet ? QStringLiteral("PROFINET_NB_OUT") : QStringLiteral("Eth_NumByte_OUT");
    fieldbus_bytes = static_cast<uint32_t>(Lenient(par_gen, count_name, kDefault_Fieldbus_Bytes)) & 0xFFFF;
    area.U16(fieldbus_bytes);
  }
  Gateway_Param_Record* gateway = records.gateway;
  if (gateway && profinet) Set_Station_Name(par_gen, *gateway);
  if (gateway && profibus) {
    gateway->Set_U8(Gateway_Param_Record::kProfibus_ID, Element_Byte(par_gen, "PROFI_ID", 10));
    fieldbus_bytes = static_cast<uint32_t>(Lenient(par_gen, QStringLiteral("PROFI_NB_IN"), kDefault_Profibus_Bytes));
    gateway->Set_U32(Gateway_Param_Record::kProfibus_Bytes_Out,
                     static_cast<uint32_t>(Lenient(par_gen, QStringLiteral("PROFI_NB_OUT"), kDefault_Profibus_Bytes)));
    gateway->Set_U8(Gateway_Param_Record::kProfibus_GSD, Element_Byte(par_gen, "PROFI_GSD", 0));
    gateway->Set_U8(Gateway_Param_Record::kProfibus_Enable_TX, Element_Byte(par_gen, "Enable_TX", 0));
  }

  const uint8_t baud_position = static_cast<uint8_t>(Strict(par_gen, "Meter_Baud"));
  const uint8_t parity_position = static_cast<uint8_t>(Strict(par_gen, "Meter_Par"));
  const uint32_t request_delay = static_cast<uint32_t>(Strict(par_gen, "Meter_Req_Delay"));
  area.U8(baud_position);
  area.U8(parity_position);
  if (profibus)
    area.U16(request_delay);
  else
    area.U32(request_delay);
  area.U8(node_count);
  const uint8_t working_mode = Element_Byte(par_gen, "Working_mode", 0);
  area.U8(working_mode);
  area.U8(Element_Byte(par_gen, "Meter_NS_Error_Code", 0));

  const uint32_t baud_rate = MBus_Baud_Rate(baud_position);
  const uint8_t parity = Gateway_Parity_Code(parity_position);
  if (gateway) {
    Set_Network_Address(*gateway, Gateway_Param_Record::kIP_Address, Gateway_Param_Record::kSubnet_Mask,
                        Gateway_Param_Record::kGateway, address);
    const uint32_t port = profinet ? kProfinet_Port : profibus ? kProfibus_Record_Port : kEtherNetIP_Port;
    gateway->Set_U16(Gateway_Param_Record::kPort_A, port);
    gateway->Set_U16(Gateway_Param_Record::kPort_B, port);
    gateway->Set_U32(Gateway_Param_Record::kFieldbus_Bytes, fieldbus_bytes);
    gateway->Set_U32(Gateway_Param_Record::kMBus_Baud_Rate, baud_rate);
    gateway->Set_U8(Gateway_Param_Record::kMBus_Parity, parity);
    if (profibus) gateway->Set_U8(Gateway_Param_Record::kProfibus_Working_Mode, working_mode);
    if (wireless) {
      gateway->Set_U8(Gateway_Param_Record::kWireless_Mode,
                      wMBus_Mode_Code(Lenient(par_gen, QStringLiteral("wMBus_Mode"), 0)));
      gateway->Set_U8(Gateway_Param_Record::kRadio_Channel, Element_Byte(par_gen, "wMBus_Radio_Channel", 0));
      gateway->Set_U32(Gateway_Param_Record::kWireless_Fixed_1F8, 19200);
      gateway->Set_U8(Gateway_Param_Record::kWireless_Fixed_20A, 0);
      gateway->Set_U8(Gateway_Param_Record::kWireless_Fixed_210, 1);
      gateway->Set_U8(Gateway_Param_Record::kWireless_Fixed_216, 8);
      gateway->Set_U8(Gateway_Param_Record::kWireless_Fixed_248, 3);
      gateway->Set_U8(Gateway_Param_Record::kWireless_Fixed_248 + 1, 5);
      gateway->Set_U8(Gateway_Param_Record::kWireless_Fixed_248 + 2, 5);
      gateway->Set_U32(Gateway_Param_Record::kTable_Load_Address, Gateway_Param_Record::kTable_Load_Address_Value);
    }
  }
  if (Ethernet_Param_Record* ethernet = records.ethernet) {
    Set_Network_Address(*ethernet, Ethernet_Param_Record::kIP_Address, Ethernet_Param_Record::kSubnet_Mask,
                        Ethernet_Param_Record::kGateway, address);
    ethernet->Set_U16(Ethernet_Param_Record::kPort_A, kEtherNetIP_Port);
    ethernet->Set_U16(Ethernet_Param_Record::kPort_B, kEtherNetIP_Port);
    ethernet->Set_U32(Ethernet_Param_Record::kMBus_Baud_Rate, baud_rate);
    ethernet->Set_U32(Ethernet_Param_Record::kMBus_Baud_Rate_Copy, baud_rate);
    ethernet->Set_U16(Ethernet_Param_Record::kMBus_Parity_Position, parity_position);
    ethernet->Set_U16(Ethernet_Param_Record::kMBus_Parity, parity);
    ethernet->Set_U32(Ethernet_Param_Record::kEtherNetIP_Bytes, fieldbus_bytes);
  }
  return area.Bytes();
}

QByteArray Profibus_Settings(const Xml_Node& par_gen, uint32_t node_count) {
  Area area;
  area.U8(Strict(par_gen, "PROFI_ID"));
  area.U8(Strict(par_gen, "PROFI_NB_IN"));
  area.U8(Strict(par_gen, "PROFI_GSD"));
  area.U8(Strict(par_gen, "Meter_Baud"));
  area.U8(Strict(par_gen, "Meter_Par"));
  area.U16(Strict(par_gen, "Meter_Req_Delay"));
  area.U8(node_count);
  area.U8(Element_Byte(par_gen, "Enable_TX", 0));
  area.U8(Element_Byte(par_gen, "PROFI_NB_OUT", 0));
  area.U8(Element_Byte(par_gen, "Working_mode", 0));
  area.U8(Element_Byte(par_gen, "Meter_NS_Error_Code", 255));
  return area.Bytes();
}

}  // namespace gateway_settings
