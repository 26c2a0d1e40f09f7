#include <gtest/gtest.h>

#include "platform/xml_document.h"
#include "shell/logic/hardware_type.h"
#include "shell/logic/step_layout.h"
#include "support/temp_dir.h"

namespace {

TEST(CheckUpdateSerial232, HardwareTypeTwoMeansEthernet) {
  const struct {
    const char* file;  // nullptr: no ParGen.xml at all
    bool serial;
  } rows[] = {
      {"<Par_Gen><Hardware_Type>2</Hardware_Type></Par_Gen>", false},
      {"<Par_Gen><Hardware_Type>0</Hardware_Type></Par_Gen>", true},
      {"<Par_Gen><Hardware_Type>1</Hardware_Type></Par_Gen>", true},
      {"<Par_Gen><Hardware_Type></Hardware_Type></Par_Gen>", true},
      {"<Par_Gen><Hardware_Type/></Par_Gen>", true},
      {"<Par_Gen><Hardware_Type>abc</Hardware_Type></Par_Gen>", true},
      {"<Par_Gen><Hardware_Type> 2</Hardware_Type></Par_Gen>", true},
      {"<?xml version=\"1.0\"?><Par_Gen><Hardware_Type>2</Hardware_Type></Par_Gen>", false},
      {"<Par_Gen><Other>0</Other></Par_Gen>", false},
      {"<Par_Gen><Hardware_Type><x>0</x></Hardware_Type></Par_Gen>", false},
      {nullptr, false},
  };
  for (const auto& row : rows) {
    Temp_Dir dir;
    if (row.file) dir.Write("ParGen.xml", row.file);
    Xml_Document document;
    EXPECT_EQ(Check_Update_Serial_232(document, dir.File("ParGen.xml")), row.serial) << (row.file ? row.file : "none");
  }
}

TEST(CheckUpdateSerial232, BrokenFileIsAnError) {
  Temp_Dir dir;
  dir.Write("ParGen.xml", "<Par_Gen><Hardware_Type>0</Par_Gen>");
  Xml_Document document;
  EXPECT_THROW(Check_Update_Serial_232(document, dir.File("ParGen.xml")), Xml_Error);
}

TEST(StepLayout, PerDeviceType) {
  const struct {
    int type, labels, create_bin, height;
    bool scan;
  } rows[] = {{1, 4, 244, 396, false}, {2, 4, 244, 396, true}, {3, 5, 288, 440, true},
              {4, 4, 244, 396, true},  {5, 5, 288, 440, true}, {6, 8, 420, 572, true}};
  for (const auto& row : rows) {
    const Step_Layout layout = Layout_For_Device(row.type);
    EXPECT_EQ(layout.step_labels, row.labels) << row.type;
    EXPECT_EQ(layout.create_bin_top, row.create_bin) << row.type;
    EXPECT_EQ(layout.Client_Height(), row.height) << row.type;
    EXPECT_EQ(layout.Client_Width(), 694);
    EXPECT_EQ(layout.scan_decode, row.scan) << row.type;
    EXPECT_EQ(layout.Rule_Top(), row.create_bin + 51);
    // The last label stands 16 pixels below Update Device, and the link beside it.
    EXPECT_EQ(Step_Layout::Step_Label_Top(layout.step_labels), row.create_bin + 16);
    EXPECT_EQ(layout.Kelvra_Top(), row.create_bin + 16);
    EXPECT_EQ(layout.profibus_gsd_top, row.type == 3 ? 244 : Step_Layout::kHidden);
    EXPECT_EQ(layout.profinet_xml_top, row.type == 5 ? 244 : Step_Layout::kHidden);
  }
  const Step_Layout canopen = Layout_For_Device(6);
  EXPECT_EQ(canopen.sdo_server_top, 244);
  EXPECT_EQ(canopen.sdo_client_top, 288);
  EXPECT_EQ(canopen.pdo_top, 332);
  EXPECT_EQ(canopen.eds_top, 376);
  EXPECT_EQ(Step_Layout::Step_Label_Top(8), 436);
  EXPECT_EQ(Layout_For_Device(3).sdo_server_top, Step_Layout::kHidden);
}

}  // namespace
