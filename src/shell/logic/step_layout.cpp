#include "shell/logic/step_layout.h"

Step_Layout Layout_For_Device(int device_type) {
  Step_Layout layout;
  layout.scan_decode = device_type != 1;
  switch (device_type) {
    case 3:
      layout.step_labels = 5;
      layout.profibus_gsd_top = 244;
      layout.create_bin_top = 288;
      break;
    case 5:
      layout.step_labels = 5;
      layout.profinet_xml_top = 244;
      layout.create_bin_top = 288;
      break;
    case 6:
      layout.step_labels = 8;
      layout.sdo_server_top = 244;
      layout.sdo_client_top = 288;
      layout.pdo_top = 332;
      layout.eds_top = 376;
      layout.create_bin_top = 420;
      break;
    default:  // types 1, 2 and 4: the common steps only
      break;
  }
  return layout;
}
