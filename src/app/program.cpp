#include "app/program.h"

#include "shell/main_window.h"
#include "shell/new_project.h"
#include "shell/open_conf.h"

Program::Program() {
  FOrvantoreFirmWare = std::make_unique<TFOrvantoreFirmWare>();
  FNew_Project = std::make_unique<TFNew_Project>();
  FOpenConf = std::make_unique<TFOpenConf>();
  // Still to come, in this order: TFAbout, TFSoftOptions, TFParGen,
  // TFMeter_Bus, TFNewIDNode, TFBoot, TFInsertKeyWireless,
  // TFModbusStartAdd_SD, TFScanDecode (starts the scan thread),
  // TFScanModbusStart, TFProfinetFileName, TFSet_PDO_Access,
  // TFSet_SDO_Client_Access, TFSet_SDO_Server_Access. Each one fills its
  // entries of Main_Window().Windows().

  TFOrvantoreFirmWare& main_window = *FOrvantoreFirmWare;
  main_window.Set_Config_Dialogs(FNew_Project.get(), FOpenConf.get());

  // A language change reaches the windows in this order, after the main window:
  // TFBoot, TFNew_Project, TFOpenConf, TFSoftOptions, TFParGen, TFMeter_Bus,
  // TFNewIDNode, TFScanDecode, TFInsertKeyWireless, TFModbusStartAdd_SD,
  // TFScanModbusStart, TFProfinetFileName, TFSet_PDO_Access,
  // TFSet_SDO_Client_Access, TFSet_SDO_Server_Access.
  std::vector<std::function<void()>>& set_lang = main_window.Windows().set_lang;
  set_lang.push_back([this] { FNew_Project->Set_Lang(); });
  set_lang.push_back([this] { FOpenConf->Set_Lang(); });
}

// Windows go in the reverse order of their creation, the main window last.
Program::~Program() {
  FOpenConf.reset();
  FNew_Project.reset();
  FOrvantoreFirmWare.reset();
}
