// Layout of the Scan & Decode window: the settings rows by method and the
// panels and buttons of the five states.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>
#include <vector>

#include "controls/zb_button.h"
#include "scan/window/scan_decode_geometry.h"
#include "scan/window/scan_decode_window.h"
#include "shell/core/globals.h"
#include "shell/ui/title_panel.h"

namespace {

using namespace scan_geometry;

// One settings row: the label (at the heading or field x) and the control at x 176.
struct Row {
  QWidget* label;
  QWidget* control = nullptr;
  int label_x = kLabel_X;
};

}  // namespace

void TFScanDecode::Move_Object_Type_Form() {
  const int height = Form_Type == 1 ? kHeight_Wireless : kHeight_Wired;
  setFixedSize(kWidth, height);
  Title->setGeometry(0, 0, kWidth, kTitle_Height);
  const QRect panel(0, kTitle_Height, kWidth, height - kTitle_Height - kButtons_Band);
  for (QFrame* p : {P_Main, P_TreeView, P_View_Wireless}) p->setGeometry(panel);
  LB_AvailableDevice->setGeometry(kHeading_X, 52, panel.width() - 2 * kHeading_X, panel.height() - 60);
  VST->setGeometry(kHeading_X, 32, panel.width() - 2 * kHeading_X, panel.height() - 40);

  const bool wireless = Wireless_Method();
  std::vector<std::vector<Row>> blocks;
  if (Form_Type == 1) blocks.push_back({{L_ScanMethod, CB_ScanMethod}});
  if (!wireless) blocks.push_back({{L_ScanBy, CB_ScanBy}});
  std::vector<Row> link{{L_HardwareType, CB_HardwareType}, {L_IP, E_IP[0]}};
  if (wireless) link.push_back({L_Port, E_Port});
  blocks.push_back(link);
  if (wireless)
    blocks.push_back({{L_MBus_ParGen, nullptr, kHeading_X},
                      {L_wMBus_Mode, CB_wMBus_Mode},
                      {L_wMBus_Radio_Channel, CB_wMBus_Radio_Channel}});
  else
    blocks.push_back(
        {{L_MBus_ParGen, nullptr, kHeading_X}, {L_MBus_Baud, CB_MBus_Baud}, {L_MBus_Parity, CB_MBus_Parity}});
  std::vector<Row> options{{L_Option_Scan, nullptr, kHeading_X}};
  if (!wireless) {
    options.push_back({CB_Opt_App_Reset});
    options.push_back({CB_Opt_SND_NKE});
    options.push_back({L_Opt_Cut_After, E_Opt_Cut_After});
    options.push_back({CB_Opt_Use_Fix_C_Field, CB_Opt_Use_Fix_C_Field_Value});
  }
  options.push_back({CB_Opt_Check_BCD_to_Int});
  options.push_back({CB_Opt_Enable_Remote_Scan});
  blocks.push_back(options);

  // Everything hidden first; the rows of the method come back in their places.
  for (QWidget* child : P_Main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->hide();
  int y = kFirst_Row - kBlock_Step;
  for (const std::vector<Row>& block : blocks) {
    y += kBlock_Step - kRow_Step;
    for (const Row& row : block) {
      y += kRow_Step;
      const bool is_label = qobject_cast<QLabel*>(row.label) != nullptr;
      row.label->move(row.label_x, y + (is_label ? 2 : 0));
      row.label->show();
      if (row.control == nullptr) continue;
      row.control->move(kControl_X, y);
      row.control->show();
    }
  }
  // The address row is always there: its other three edits and the dots.
  const int ip_y = E_IP[0]->y();
  for (int i = 0; i < 4; ++i) {
    E_IP[size_t(i)]->move(kIP_X[i], ip_y);
    E_IP[size_t(i)]->show();
  }
  for (int i = 0; i < 3; ++i) {
    L_IP_Dot[size_t(i)]->move(kIP_Dot_X[i], ip_y + 2);
    L_IP_Dot[size_t(i)]->show();
  }
  Form_Style(state_);
}

void TFScanDecode::Form_Style(int state) {
  state_ = state;
  {
    const QSignalBlocker quiet(CB_HardwareType);
    CB_HardwareType->setCurrentIndex(0);
  }
  CB_HardwareType->setEnabled(false);

  const int height = Form_Type == 1 ? kHeight_Wireless : kHeight_Wired;
  const int button_y = height - kButtons_Band + (kButtons_Band - kButton_Height) / 2;
  const auto place_right_of = [](TZbButton* button, const QWidget* left) {
    button->move(left->x() + left->width() + kButton_Gap, left->y());
  };
  for (TZbButton* button :
       {Btn_StartScan, Btn_StopScan, Btn_AbortScan, Btn_NewScan, Btn_SaveConf, Btn_SaveConfManual}) {
    button->move(kStart_X, button_y);
    button->hide();
  }

  const bool running = state == 2 || state == 4;
  const bool ended = state == 3 || state == 5;
  P_Main->setVisible(state == 1);
  P_TreeView->setVisible(state == 2 || state == 3);
  P_View_Wireless->setVisible(state == 4 || state == 5);
  if (state == 2 || state == 3) {
    P_TreeView->raise();
    L_ScanProgress->setText(Lang(state == 2 ? 718 : 719).replace(QLatin1String("&&"), QLatin1String("&")));
    L_AvailableDevice->setVisible(state == 2);
    LB_AvailableDevice->setVisible(state == 2);
    L_Num_Slave->setVisible(state == 3);
    VST->setVisible(state == 3);
  }
  if (state == 4 || state == 5) P_View_Wireless->raise();

  if (state == 1) {
    Btn_StartScan->show();
  } else if (running) {
    Btn_StopScan->show();
    place_right_of(Btn_AbortScan, Btn_StopScan);
    Btn_AbortScan->show();
  } else if (ended) {
    Btn_NewScan->show();
    place_right_of(Btn_SaveConf, Btn_StopScan);
    Btn_SaveConf->show();
    place_right_of(Btn_SaveConfManual, Btn_SaveConf);
    Btn_SaveConfManual->show();
  }
}
