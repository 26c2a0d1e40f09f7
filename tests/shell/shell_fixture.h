#pragma once
#include <QDir>

#include "platform/atomic_file.h"
#include "platform/program_folder.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "support/temp_dir.h"

// The shell's globals as at a fresh start, with the program folder pointed at
// a temporary folder (PROJECTS, MASTER and LANGUAGE not yet created).
class Shell_Globals_Scope {
 public:
  Shell_Globals_Scope() {
    program_folder::Override(temp_.Path());
    Reset();
    Dir_Program = temp_.Path();
    Dir_Projects = Dir_Program + "/PROJECTS";
    Dir_Master = Dir_Program + "/MASTER";
    Dir_Language = Dir_Program + "/LANGUAGE";
  }
  ~Shell_Globals_Scope() {
    program_folder::Override(QString());
    atomic_file::Guard_Folder(QString());  // Set_Program_Folders guarded this test's PROJECTS
    Override_Device_Type(0);
    Reset();
  }
  const Temp_Dir& Temp() const { return temp_; }

  // Makes PROJECTS/<name>/bin and <name> the active configuration; false
  // when the folder cannot be made.
  static bool Activate_Configuration(const QString& name) {
    Active_Conf_Name = name;
    Active_Conf_Dir = Dir_Projects + "/" + name;
    return QDir().mkpath(Active_Conf_Dir + "/bin");
  }

  static void Reset() {
    Active_Conf_Name.clear();
    Active_Conf_Dir.clear();
    Dir_Program.clear();
    Dir_Master.clear();
    Dir_Projects.clear();
    Dir_Language.clear();
    Last_IP_Address = "192.168.2.205";
    Cur_Language = "English";
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Enable_Double_Click_Auto_Size = false;
    Update_Option_Index = 0;
    Update_Read_Back = true;
    Path_ParGen_XML.clear();
    Path_M_Bus_XML.clear();
    Path_SDO_Server_XML.clear();
    Path_SDO_Client_XML.clear();
    Path_PDO_XML.clear();
    Row_Copy_Buffer.clear();
  }

 private:
  Temp_Dir temp_;
};
