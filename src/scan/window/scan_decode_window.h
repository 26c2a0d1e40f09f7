#pragma once
#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "scan/engine/mbus_scan_decode.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTimer;
class QTreeView;
struct Scan_Report;
class Scan_Report_Queue;
class Scan_Tree_Model;
class TFInsertKeyWireless;
class TFModbusStartAdd_SD;
class TFScanModbusStart;
class TZadIrururOziz;
class TZbButton;
class Title_Panel;

// "Scan & Decode": collects the scan settings, starts, stops and aborts the scan
// engine, follows its progress and shows what it found. Created once at program
// start (its engine's thread with it) and shown modally from the main window,
// which sets XML_Code_Dev, FileName_MBus and Form_Type before each showing.
//
// States: 1 settings, 2 wired scan running, 3 wired scan ended, 4 wireless
// reception running, 5 wireless reception ended.
//
// The engine's threads never touch the window: their reports are queued and
// applied here in arrival order; the meter lists are read only while no scan
// runs (wired) or under the engine's list lock (wireless).
class TFScanDecode : public QDialog {
  Q_OBJECT
 public:
  explicit TFScanDecode(QWidget* parent = nullptr, Scan_Platform platform = {});
  ~TFScanDecode() override;

  int32_t XML_Code_Dev = 0;
  QString FileName_MBus;
  int32_t Form_Type = 0;

  TMBusScanDecode& TR_ScanDecode() { return *engine_; }
  int State() const { return state_; }
  // Whether the wireless method is the one selected (Form_Type 1 only).
  bool Wireless_Method() const;

  void Form_Style(int state);
  void Move_Object_Type_Form();
  void Select_Scan();
  void StartScan();
  void StarScanWireless();
  void StopScan();
  void AbortScan();
  void NewScan();
  void Cancel_Device_List();
  void Cancel_Device_List_Wireless();
  void Cancel_Grid_Wireless();
  void Colomns_Width_Init();
  void Update_List_of_COM_Port();
  void Set_Lang();
  void T_InScanTimer();

  // The dialogs that program start created; a window without them makes its own.
  void Set_Dialogs(TFInsertKeyWireless* key, TFScanModbusStart* start, TFModbusStartAdd_SD* per_node);
  TFInsertKeyWireless& Key_Dialog();
  TFScanModbusStart& Start_Dialog();
  TFModbusStartAdd_SD& Per_Node_Dialog();

  // Results: the wired tree after a wired scan, one wireless meter's tree, saving.
  void Show_Slave_in_Tree();
  void Show_Slave_in_Tree_Wireless(int32_t n);
  void ZSG_WirelessClickCell(int ARow, int ACol);
  void ZSG_WirelessDblClickCell(int ARow, int ACol);
  void Select_SaveXML(int kind);
  void Carica_Dati_Modbus_Start_Add();
  Scan_Tree_Model& Wired_Tree() { return *wired_tree_; }
  Scan_Tree_Model& Wireless_Tree() { return *wireless_tree_; }
  // The wireless meter whose tree is shown, -1 for none.
  int Shown_Wireless_Meter() const { return shown_wireless_meter_; }

  // The reports, applied on this window's thread.
  void Update_Device_List(int32_t Event, int32_t Value, int32_t Found, int32_t Kind);
  void Update_Wireless_Grid(int32_t n);

  Title_Panel* Title;
  QFrame* P_Main;
  QLabel* L_ScanMethod;
  QComboBox* CB_ScanMethod;
  QLabel* L_ScanBy;
  QComboBox* CB_ScanBy;
  QLabel* L_HardwareType;
  QComboBox* CB_HardwareType;
  QLabel* L_IP;
  std::array<QLineEdit*, 4> E_IP;  // E_IP1 .. E_IP4
  std::array<QLabel*, 3> L_IP_Dot;
  QLabel* L_ComPort;
  QComboBox* CB_ComPort;
  TZbButton* Btn_COM_List;
  QLabel* L_Port;
  QLineEdit* E_Port;
  QLabel* L_MBus_ParGen;
  QLabel* L_MBus_Baud;
  QComboBox* CB_MBus_Baud;
  QLabel* L_MBus_Parity;
  QComboBox* CB_MBus_Parity;
  QLabel* L_wMBus_Mode;
  QComboBox* CB_wMBus_Mode;
  QLabel* L_wMBus_Radio_Channel;
  QComboBox* CB_wMBus_Radio_Channel;
  QLabel* L_Option_Scan;
  QCheckBox* CB_Opt_App_Reset;
  QCheckBox* CB_Opt_SND_NKE;
  QLabel* L_Opt_Cut_After;
  QLineEdit* E_Opt_Cut_After;
  QCheckBox* CB_Opt_Use_Fix_C_Field;
  QComboBox* CB_Opt_Use_Fix_C_Field_Value;
  QCheckBox* CB_Opt_Check_BCD_to_Int;
  QCheckBox* CB_Opt_Enable_Remote_Scan;

  QFrame* P_TreeView;
  QLabel* L_ScanProgress;
  QLabel* L_Num_Slave;
  QLabel* L_AvailableDevice;
  QListWidget* LB_AvailableDevice;
  QTreeView* VST;

  QFrame* P_View_Wireless;
  QSplitter* Splitter_Wireless;
  QFrame* P_W_Table;
  TZadIrururOziz* ZSG_Wireless;
  QFrame* P_W_Tree;
  QTreeView* VST_Wireless;

  TZbButton* Btn_StartScan;
  TZbButton* Btn_StopScan;
  TZbButton* Btn_AbortScan;
  TZbButton* Btn_NewScan;
  TZbButton* Btn_SaveConf;
  TZbButton* Btn_SaveConfManual;

  QTimer* T_InScan;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // Every way of closing ends here: the scan is aborted first.
  void done(int result) override;

 private:
  void Create_Settings();
  void Create_Result_Panels();
  void Create_Buttons();
  void FormShow();
  void FormClose();
  void BtnClick(TZbButton* sender);
  void Apply_Report(const Scan_Report& report);
  // The "." key in an address edit; whether it was taken.
  bool IP_Key(QLineEdit* edit, QKeyEvent* key);
  // Hides the engine's loop once a scan aborted by closing has sent its end sequence.
  void Watch_Closing_Scan();
  // A start the link refused: its reason, and the window stays in settings.
  void Start_Refused(const std::exception& error);
  QString Gateway_Address() const;
  void Create_Trees();
  // Writes the network file; false when the writer wrote nothing. Errors reach the caller.
  bool SaveXML(bool append, int32_t start, int kind);
  bool SaveXMLWireless(bool append, int32_t start, int kind);
  void Apply_Wireless_Check(int record, bool checked);

  std::unique_ptr<Scan_Report_Queue> reports_;
  std::unique_ptr<TMBusScanDecode> engine_;
  QList<QImage> wireless_pictures_;
  QTimer* closing_watch_ = nullptr;
  int state_ = 1;
  Scan_Tree_Model* wired_tree_ = nullptr;
  Scan_Tree_Model* wireless_tree_ = nullptr;
  int shown_wireless_meter_ = -1;
  TFInsertKeyWireless* key_dialog_ = nullptr;
  TFScanModbusStart* start_dialog_ = nullptr;
  TFModbusStartAdd_SD* per_node_dialog_ = nullptr;
};
