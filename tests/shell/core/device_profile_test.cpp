#include "shell/core/device_profile.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceProfile, ScanCodeAndWirelessFlagPerType) {
  const int codes[] = {10, 10, 3, 16, 17, 19};
  for (int type = 1; type <= 6; ++type) {
    EXPECT_EQ(Get_XML_Code_Dev(type), codes[type - 1]) << type;
    EXPECT_EQ(Is_Wireless_Device(type), type == 4 || type == 5) << type;
  }
}

TEST(DeviceProfile, CodesAreFormedFromTheModelNumber) {
  for (int type = 1; type <= 6; ++type) {
    const Device_Model& m = Device_Model_Table(type);
    const QString model = QString::number(m.model);
    EXPECT_EQ(QString::fromLatin1(m.sw_code), "SW" + model);
    EXPECT_EQ(QString::fromLatin1(m.doc_code), "MN" + model);
    EXPECT_EQ(QString::fromLatin1(m.hw_code), "HD" + model);
    EXPECT_TRUE(QString::fromLatin1(m.title).contains(m.sw_code));
    EXPECT_TRUE(QString::fromLatin1(m.title).endsWith(' '));
  }
}

TEST(DeviceProfile, OverrideSwitchesTheCurrentType) {
  Override_Device_Type(4);
  EXPECT_EQ(Device_Type(), 4);
  EXPECT_TRUE(Is_Wireless_Device());
  EXPECT_EQ(SW_Version_Comment(), "SW_VERSION = 1.001");
  Override_Device_Type(0);
  EXPECT_EQ(Device_Type(), KELVRA_DEVICE_TYPE);
  EXPECT_EQ(SW_Version_Comment(6), "SW_VERSION = 2.003");
}

}  // namespace
