#include "app/program.h"

#include "editors/new_id_node.h"
#include "editors/par_gen_window.h"
#include "shell/main_window.h"
#include "shell/new_project.h"
#include "shell/open_conf.h"

Program::Program() {
  FOrvantoreFirmWare = std::make_unique<TFOrvantoreFirmWare>();
  FNew_Project = std::make_unique<TFNew_Project>();
  FOpenConf = std::make_unique<TFOpenConf>();
  FParGen = std::make_unique<TFParGen>();
  FNewIDNode = std::make_unique<TFNewIDNode>();
  // Still to come, in this order: TFAbout, TFSoftOptions (before TFParGen),
  // TFMeter_Bus (before TFNewIDNode), TFBoot, TFInsertKeyWireless,
  // TFModbusStartAdd_SD, TFScanDecode (starts the scan thread),
  // TFScanModbusStart, TFProfinetFileName, TFSet_PDO_Access,
  // TFSet_SDO_Client_Access, TFSet_SDO_Server_Access. Each one fills its
  // entries of Main_Window().Windows().

  TFOrvantoreFirmWare& main_window = *FOrvantoreFirmWare;
  main_window.Set_Config_Dialogs(FNew_Project.get(), FOpenConf.get());
  main_window.Windows().show_par_gen = [this] { FParGen->exec(); };

  // A language change reaches the windows in this order, after the main window:
  // TFBoot, TFNew_Project, TFOpenConf, TFSoftOptions, TFParGen, TFMeter_Bus,
  // TFNewIDNode, TFScanDecode, TFInsertKeyWireless, TFModbusStartAdd_SD,
  // TFScanModbusStart, TFProfinetFileName, TFSet_PDO_Access,
  // TFSet_SDO_Client_Access, TFSet_SDO_Server_Access.
  std::vector<std::function<void()>>& set_lang = main_window.Windows().set_lang;
  set_lang.push_back([this] { FNew_Project->Set_Lang(); });
  set_lang.push_back([this] { FOpenConf->Set_Lang(); });
  set_lang.push_back([this] { FParGen->Set_Lang(); });
  set_lang.push_back([this] { FNewIDNode->Set_Lang(); });
}

// Windows go in the reverse order of their creation, the main window last.
Program::~Program() {
  FNewIDNode.reset();
  FParGen.reset();
  FOpenConf.reset();
  FNew_Project.reset();
  FOrvantoreFirmWare.reset();
}
