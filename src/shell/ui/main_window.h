#pragma once
#include <QWidget>

#include "platform/xml_document.h"
#include "shell/ui/program_windows.h"

class QFrame;
class QLabel;
class QTimer;
class TZbButton;
class TFNew_Project;
class TFOpenConf;

// The main window: product title, active configuration and the numbered step
// buttons of the device type. Every button goes through Btn_Click; with no
// active configuration only New, Open, Information, Options and Close act.
class TFOrvantoreFirmWare : public QWidget {
  Q_OBJECT
 public:
  // Runs the creation steps: layout for Device_Type, program folders,
  // settings file, titles, language, the remembered configuration, texts
  // and file paths.
  explicit TFOrvantoreFirmWare(QWidget* parent = nullptr);
  ~TFOrvantoreFirmWare() override;

  // The shell's own dialogs, created right after this window.
  void Set_Config_Dialogs(TFNew_Project* new_project, TFOpenConf* open_conf);
  // The other subsystems' windows, as they are created.
  Program_Windows& Windows() { return windows_; }

  void Btn_Click(QObject* sender);
  void Update_Device();
  bool Check_Update_Serial_232();
  void Build_EDS_File();
  void PROFINET_XML();

  void Set_Lang();
  // Re-applies the texts of this window and then of every other window.
  void Change_Language();

  void Create_New_Project();
  void Open_Project();
  void Set_Files();
  void Save_Setting();

  // Enabled exactly while both internet options are on; the first check then
  // runs a minute later.
  void Set_Update_Timer();
  void Timer_UpdateTimer();

  static void Start_Program(const QString& NomeSW, const QString& Parameter, int tipo);

  // The document through which the settings file, the hardware-type test and
  // the image compiler read.
  Xml_Document& XML1() { return xml1_; }
  QTimer* Timer_Update;

  QLabel* L_SW_Code;
  QLabel* L_SW_Desc;
  QLabel* LL_Update;
  TZbButton* Btn_Info;
  TZbButton* Btn_Opz;
  TZbButton* Btn_Close;
  QLabel* L_Begin;
  QFrame* Shape2;
  QLabel* L_Name_Conf;
  QLabel* L_Name_Conf_L2;
  TZbButton* Btn_ScanDecode;
  QLabel* L_Step[8];
  TZbButton* Btn_New;
  TZbButton* Btn_Open;
  TZbButton* Btn_Prm_Gen;
  TZbButton* Btn_MBus;
  TZbButton* Btn_PROFIBUS_GSD;
  TZbButton* Btn_PROFINET_XML;
  TZbButton* Btn_SDO_Server_CANopen;
  TZbButton* Btn_SDO_Client_CANopen;
  TZbButton* Btn_PDO_CANopen;
  TZbButton* Btn_CANopen_EDS;
  TZbButton* Btn_CreateBin;
  QFrame* Shape1;
  QLabel* L_Kelvra;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Create_Controls();
  void Apply_Device_Layout();
  void Show_Configuration_Labels();
  void Show_In_Name_Box(QLabel* label, const QString& text);
  // Runs a step of another subsystem, or says it is not available yet.
  void Run_Step(const std::function<void()>& step);
  void Show_Scan_Decode();
  void Guarded(const std::function<void()>& handler);

  Program_Windows windows_;
  Xml_Document xml1_;
  TFNew_Project* new_project_ = nullptr;
  TFOpenConf* open_conf_ = nullptr;
};
