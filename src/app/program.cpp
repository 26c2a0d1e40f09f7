#include "app/program.h"

#include "editors/canopen/pdo_access_window.h"
#include "editors/canopen/sdo_client_access_window.h"
#include "editors/canopen/sdo_server_access_window.h"
#include "editors/m_bus/meter_bus_window.h"
#include "editors/par_gen/new_id_node.h"
#include "editors/par_gen/par_gen_window.h"
#include "outputs/compiler/image_compiler.h"
#include "outputs/descriptions/description_steps.h"
#include "outputs/descriptions/eds_writer.h"
#include "outputs/descriptions/profinet_file_name.h"
#include "outputs/update/boot_window.h"
#include "scan/window/scan_decode_window.h"
#include "scan/window/scan_dialogs.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/options/about_window.h"
#include "shell/options/soft_options.h"
#include "shell/ui/main_window.h"
#include "shell/ui/new_project.h"
#include "shell/ui/open_conf.h"
#include "shell/version/version_check.h"

Program::Program() {
  FOrvantoreFirmWare = std::make_unique<TFOrvantoreFirmWare>();
  FNew_Project = std::make_unique<TFNew_Project>();
  FOpenConf = std::make_unique<TFOpenConf>();
  FAbout = std::make_unique<TFAbout>();
  FSoftOptions = std::make_unique<TFSoftOptions>();
  FParGen = std::make_unique<TFParGen>();
  FMeter_Bus = std::make_unique<TFMeter_Bus>();
  FNewIDNode = std::make_unique<TFNewIDNode>();
  FBoot = std::make_unique<TFBoot>();
  FInsertKeyWireless = std::make_unique<TFInsertKeyWireless>();
  FModbusStartAdd_SD = std::make_unique<TFModbusStartAdd_SD>();
  FScanDecode = std::make_unique<TFScanDecode>();
  FScanModbusStart = std::make_unique<TFScanModbusStart>();
  FScanDecode->Set_Dialogs(FInsertKeyWireless.get(), FScanModbusStart.get(), FModbusStartAdd_SD.get());
  FProfinetFileName = std::make_unique<TFProfinetFileName>();
  FSet_PDO_Access = std::make_unique<TFSet_PDO_Access>();
  FSet_SDO_Client_Access = std::make_unique<TFSet_SDO_Client_Access>();
  FSet_SDO_Server_Access = std::make_unique<TFSet_SDO_Server_Access>();

  TFOrvantoreFirmWare& main_window = *FOrvantoreFirmWare;
  main_window.Set_Config_Dialogs(FNew_Project.get(), FOpenConf.get());
  main_window.Windows().show_par_gen = [this] { FParGen->exec(); };
  FMeter_Bus->Set_New_ID_Dialog(FNewIDNode.get());
  main_window.Windows().show_meter_bus = [this] { FMeter_Bus->exec(); };

  Program_Windows& windows = main_window.Windows();
  windows.show_about = [this] { FAbout->exec(); };
  windows.show_options = [this] { return FSoftOptions->exec() == QDialog::Accepted; };
  FSoftOptions->Change_Language = [&main_window] { main_window.Change_Language(); };
  windows.check_version = [] { return Check_Version(); };
  windows.download_page = [] { return Download_Page_Url(Device_Type()); };
  windows.product_page = [] { return Product_Page_Url(Device_Type()); };
  windows.compile_and_save_images = [](Xml_Document&) { Compile_And_Save_Bank_Files(Device_Type(), Active_Conf_Dir); };
  windows.show_boot = [this](int form_type) {
    FBoot->Form_Type = form_type;
    FBoot->exec();
  };
  windows.show_scan_decode = [this](int xml_code_dev, const QString& file_name_mbus, int form_type) {
    FScanDecode->XML_Code_Dev = xml_code_dev;
    FScanDecode->FileName_MBus = file_name_mbus;
    FScanDecode->Form_Type = form_type;
    FScanDecode->exec();
  };
  windows.show_pdo = [this] { FSet_PDO_Access->exec(); };
  windows.show_sdo_client = [this] { FSet_SDO_Client_Access->exec(); };
  windows.show_sdo_server = [this] { FSet_SDO_Server_Access->exec(); };
  windows.write_eds_file = [](const QString& file_name) { Write_EDS_File(file_name); };
  windows.create_gsd_file = [&main_window] { Create_GSD_File(&main_window); };
  windows.profinet_xml = [this, &main_window] {
    if (FProfinetFileName->exec() == QDialog::Accepted) Save_GSDML_File(&main_window, FProfinetFileName->Name_File_XML);
  };

  // A language change reaches the windows in this order, after the main window:
  // TFBoot, TFNew_Project, TFOpenConf, TFSoftOptions, TFParGen, TFMeter_Bus,
  // TFNewIDNode, TFScanDecode, TFInsertKeyWireless, TFModbusStartAdd_SD,
  // TFScanModbusStart, TFProfinetFileName, TFSet_PDO_Access,
  // TFSet_SDO_Client_Access, TFSet_SDO_Server_Access.
  std::vector<std::function<void()>>& set_lang = main_window.Windows().set_lang;
  set_lang.push_back([this] { FBoot->Set_Lang(); });
  set_lang.push_back([this] { FNew_Project->Set_Lang(); });
  set_lang.push_back([this] { FOpenConf->Set_Lang(); });
  set_lang.push_back([this] { FSoftOptions->Set_Lang(); });
  set_lang.push_back([this] { FParGen->Set_Lang(); });
  set_lang.push_back([this] { FMeter_Bus->Set_Lang(); });
  set_lang.push_back([this] { FNewIDNode->Set_Lang(); });
  set_lang.push_back([this] { FScanDecode->Set_Lang(); });
  set_lang.push_back([this] { FInsertKeyWireless->Set_Lang(); });
  set_lang.push_back([this] { FModbusStartAdd_SD->Set_Lang(); });
  set_lang.push_back([this] { FScanModbusStart->Set_Lang(); });
  set_lang.push_back([this] { FProfinetFileName->Set_Lang(); });
  set_lang.push_back([this] { FSet_PDO_Access->Set_Lang(); });
  set_lang.push_back([this] { FSet_SDO_Client_Access->Set_Lang(); });
  set_lang.push_back([this] { FSet_SDO_Server_Access->Set_Lang(); });
}

// Windows go in the reverse order of their creation, the main window last.
Program::~Program() {
  FSet_SDO_Server_Access.reset();
  FSet_SDO_Client_Access.reset();
  FSet_PDO_Access.reset();
  FProfinetFileName.reset();
  FScanModbusStart.reset();
  FScanDecode.reset();
  FModbusStartAdd_SD.reset();
  FInsertKeyWireless.reset();
  FBoot.reset();
  FNewIDNode.reset();
  FMeter_Bus.reset();
  FParGen.reset();
  FSoftOptions.reset();
  FAbout.reset();
  FOpenConf.reset();
  FNew_Project.reset();
  FOrvantoreFirmWare.reset();
}
