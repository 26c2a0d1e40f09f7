#pragma once
#include <QDialog>
#include <array>
#include <vector>

#include "editors/files/par_gen_settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TZbButton;
class Title_Panel;

// "Set Communication": the modal editor of ParGen.xml. One group box per side
// of the gateway, chosen and stacked by the device type; each group folds to
// its caption line and stays so from one showing to the next. Every showing
// re-reads the file; OK checks every field of the device type and writes the
// file; Cancel asks before dropping edits; the title-bar close box leaves
// without asking.
class TFParGen : public QDialog {
  Q_OBJECT
 public:
  explicit TFParGen(QWidget* parent = nullptr);

  void Set_Lang();
  bool Controllo_Dati();
  void Btn_OKClick();
  void Btn_CancelClick();
  void Move_GroupBoxs();
  // The automatic PROFINET byte count of the configuration's M_Bus.xml.
  int Calcolate_Byte_Used_in_MBus_Configuration();

  // An edit or click happened since the last showing.
  bool Is_Change = false;
  // True while the group is expanded; kept between showings.
  bool GB_EtherNetIP_Visible = true;
  bool GB_DNET_Slave_Visible = true;
  bool GB_MBus_Visible = true;
  bool GB_PROFIBUS_Slave_Visible = true;
  bool GB_Select_Device_Visible = true;
  bool GB_Sel_Dev_Wire_Present_Visible = true;
  bool GB_wMBus_Visible = true;
  bool GB_PROFINET_Visible = true;
  bool GB_CANopen_Visible = true;

  using Address_Fields = std::array<QLineEdit*, 4>;

  Title_Panel* Title;

  QGroupBox* GB_EtherNetIP;
  QLabel* L_EtherNetIP_IP;
  Address_Fields E_EtherNetIP_IP;  // E_EtherNetIP_IP1 .. E_EtherNetIP_IP4
  QLabel* L_EtherNetIP_SM;
  Address_Fields E_EtherNetIP_SM;
  QCheckBox* CB_EtherNetIP_EN_GAT;
  Address_Fields E_EtherNetIP_GAT;
  QLabel* L_EtherNetIP_Port;
  QLineEdit* E_EtherNetIP_Port;
  QLabel* L_EtherNetIP_NB_Output;
  QLineEdit* E_EtherNetIP_NB_Output;
  QLabel* L_EtherNetIP_WM;
  QComboBox* Cmb_EtherNetIP_WM;

  QGroupBox* GB_DNET_Slave;
  QLabel* L_DeviceNet_Slave_ID;
  QLineEdit* E_DeviceNet_Slave_ID;
  QLabel* L_DeviceNet_Slave_Baud;
  QComboBox* Cmb_DeviceNet_Slave_Baud;
  QLabel* L_DeviceNet_Slave_Byte_OUT;
  QLineEdit* E_DeviceNet_Slave_Byte_OUT;
  QLabel* L_DeviceNet_Slave_WM;
  QComboBox* Cmb_DeviceNet_Slave_WM;

  QGroupBox* GB_MBus;
  QLabel* L_MBus_Baud;
  QComboBox* Cmb_MBus_Baud;
  QLabel* L_MBus_Parity;
  QComboBox* Cmb_MBus_Parity;
  QLabel* L_MBus_Delay;
  QLineEdit* E_MBus_Delay;
  QLabel* L_MBus_NodeState1;
  QLabel* L_MBus_NodeState2;
  QLineEdit* E_MBus_NodeState;

  QGroupBox* GB_PROFIBUS_Slave;
  QLabel* L_PROFIBUS_Slave_ID_DEV;
  QLineEdit* E_PROFIBUS_Slave_ID_DEV;
  QLabel* L_PROFIBUS_Slave_Baud;
  QComboBox* Cmb_PROFIBUS_Slave_Baud;
  QLabel* L_PROFIBUS_Slave_Byte_IN;
  QLineEdit* E_PROFIBUS_Slave_Byte_IN;
  QCheckBox* CB_PROFIBUS_Slave_GSD;
  QCheckBox* CB_PROFIBUS_Slave_Enable_TX;
  QLineEdit* E_PROFIBUS_Slave_Byte_OUT;
  QLabel* L_PROFIBUS_Slave_WM;
  QComboBox* Cmb_PROFIBUS_Slave_WM;

  QGroupBox* GB_Select_Device;
  QComboBox* Cmb_Select_Device;

  QGroupBox* GB_Sel_Dev_Wire_Present;
  QLabel* L_MBus_On_Wire;
  QComboBox* Cmb_MBus_On_Wire;

  QGroupBox* GB_wMBus;
  QLabel* L_wMBus_Mode;
  QComboBox* Cmb_wMBus_Mode;
  QLabel* L_wMBus_Radio_Channel;
  QComboBox* Cmb_wMBus_Radio_Channel;

  QGroupBox* GB_PROFINET;
  QLabel* L_PROFINET_IP;
  Address_Fields E_IP;  // E_IP1 .. E_IP4
  QLabel* L_PROFINET_SM;
  Address_Fields E_SM;
  QCheckBox* CB_EN_GAT;
  Address_Fields E_GAT;
  QLabel* L_PROFINET_Port;
  QLineEdit* E_PROFINET_Port;
  QLabel* L_PROFINET_Name;
  QLineEdit* E_PROFINET_Name;
  QLabel* L_PROFINET_WM;
  QComboBox* Cmb_PROFINET_WM;
  QCheckBox* CB_Auto_Calc_Byte;
  QLabel* L_NB_OUT_PROFINET;
  QLineEdit* E_NB_OUT_PROFINET;

  QGroupBox* GB_CANopen;
  QLabel* L_ID_CANopen;
  QLineEdit* E_ID_CANopen;
  QLabel* L_CANopen_Baud;
  QComboBox* Cmb_CANopen_Baud;
  QCheckBox* CB_CANopen_Set_Ope;
  QCheckBox* CB_CANopen_Net_Ope;
  QLineEdit* E_NO_Delay_CANopen;
  QLabel* L_SDO_TO_CANopen;
  QLineEdit* E_SDO_TO_CANopen;
  QCheckBox* CB_CANopen_Enable_Sync;
  QLineEdit* E_CANopen_Sync_Time;

  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One foldable group: its buttons, its flag and the controls of its first
  // row, which folding hides.
  struct Fold {
    QGroupBox* group;
    bool* expanded;
    std::vector<QWidget*> first_row;
    TZbButton* collapse = nullptr;
    TZbButton* expand = nullptr;
  };
  // A group of a layout routine with the control whose bottom ends it.
  struct Stacked {
    QGroupBox* group;
    QWidget* last;
  };

  void Create_EtherNetIP();
  void Create_DNET_Slave();
  void Create_MBus();
  void Create_PROFIBUS_Slave();
  void Create_Select_Device();
  void Create_Sel_Dev_Wire_Present();
  void Create_wMBus();
  void Create_PROFINET();
  void Create_CANopen();
  void Create_Buttons();
  void Collapse_Expand_Creation();
  void Set_Hints();

  void FormShow();
  void Place_Window();
  void Load_Controls(const Par_Gen_Settings& s);
  Par_Gen_Settings Collect_Settings() const;

  void Btn_GB_Collapse(Fold& fold);
  void Btn_GB_Expande(Fold& fold);
  void Stack_Groups(const std::vector<Stacked>& groups);
  void RePosition_Objects_243();
  void RePosition_Objects_254();
  void RePosition_Objects_232();
  void RePosition_Objects_287();
  void RePosition_Objects_276();
  void RePosition_Objects_221();
  void Show_EtherNetIP_Port_Rows(bool shown);

  void On_Change();
  void On_Click();
  void Auto_Calc_Click();
  // The "." key in an address field: never typed; may move to the next field.
  bool Address_Key(QLineEdit* field, QKeyEvent* key);
  Fold& Fold_Of(QGroupBox* group);

  std::vector<Fold> folds_;
};
