#include "shell/core/device_profile.h"

#include <array>

#ifndef KELVRA_DEVICE_TYPE
#define KELVRA_DEVICE_TYPE 6
#endif

namespace {

int g_override = 0;

constexpr std::array<Device_Model, 6> kModels = {{
    {58243, "SW58243", "M-Bus / DeviceNet Slave - Converter", "2.000", "MN58243", "HD58243",
     "Kelvra - Configurator SW58243 - M-Bus / DeviceNet Slave "},
    {58254, "SW58254", "M-Bus / EtherNet/IP - Converter", "2.002", "MN58254", "HD58254",
     "Kelvra - Configurator SW58254 - M-Bus / EtherNet/IP "},
    {58232, "SW58232", "M-Bus / PROFIBUS Slave - Converter", "3.007", "MN58232", "HD58232",
     "Kelvra - Configurator SW58232 - M-Bus / PROFIBUS Slave "},
    {58287, "SW58287", "wM-Bus / M-Bus / EtherNet/IP - Converter", "1.001", "MN58287", "HD58287",
     "Kelvra - Configurator SW58287 - wM-Bus / M-Bus / EtherNet/IP "},
    {58276, "SW58276", "wM-Bus / M-Bus / PROFINET - Converter", "1.002", "MN58276", "HD58276",
     "Kelvra - Configurator SW58276 - wM-Bus / M-Bus / PROFINET "},
    {58221, "SW58221", "M-Bus / CANopen - Converter", "2.003", "MN58221", "HD58221",
     "Kelvra - Configurator SW58221 - M-Bus / CANopen "},
}};

}  // namespace

int Device_Type() { return g_override != 0 ? g_override : KELVRA_DEVICE_TYPE; }

void Override_Device_Type(int type) { g_override = (type >= 1 && type <= 6) ? type : 0; }

const Device_Model& Device_Model_Table(int type) {
  // Out-of-range types do not occur; answer with type 1, the tables' fallback.
  if (type < 1 || type > 6) return kModels[0];
  return kModels[type - 1];
}

int Get_XML_Code_Dev(int type) {
  switch (type) {
    case 3:
      return 3;
    case 4:
      return 16;
    case 5:
      return 17;
    case 6:
      return 19;
    default:
      return 10;
  }
}

bool Is_Wireless_Device(int type) { return type == 4 || type == 5; }

QString SW_Version_Comment(int type) {
  return QStringLiteral("SW_VERSION = ") + QString::fromLatin1(Device_Model_Table(type).version);
}
