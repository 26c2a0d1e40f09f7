#pragma once

// Where the main window's numbered steps stand for a device type. All step
// buttons sit at left 80; step label n stands at left 16, top 128 + 44 (n - 1),
// 16 pixels below the top of its button.
struct Step_Layout {
  static constexpr int kHidden = -1;

  int step_labels = 4;  // labels "Step 1" .. "Step <n>" shown
  bool scan_decode = true;
  int profibus_gsd_top = kHidden;
  int profinet_xml_top = kHidden;
  int sdo_server_top = kHidden;
  int sdo_client_top = kHidden;
  int pdo_top = kHidden;
  int eds_top = kHidden;
  int create_bin_top = 244;

  int Client_Width() const { return 694; }
  int Client_Height() const { return create_bin_top + 152; }
  int Rule_Top() const { return create_bin_top + 51; }  // Shape1
  int Kelvra_Top() const { return Step_Label_Top(step_labels); }
  static int Step_Label_Top(int n) { return 128 + 44 * (n - 1); }
};

Step_Layout Layout_For_Device(int device_type);
