#pragma once
#include <QString>
#include <QStringList>

// Process-wide state of the application shell. Set on the user-interface
// thread only, by the main window's creation and the windows named beside each.

extern QStringList Lang_Table;  // numbered user texts, index = text number
extern int Lang_Table_Size;     // 1900 once the defaults are loaded

extern QString Active_Conf_Name;  // empty when no configuration is active
extern QString Active_Conf_Dir;   // Dir_Projects + "/" + Active_Conf_Name, or empty

extern QString Dir_Program;  // folders hold no trailing separator
extern QString Dir_Master;
extern QString Dir_Projects;
extern QString Dir_Language;

extern QString SW_Title;
extern QString SW_Code;
extern QString SW_Desc;

extern QString Last_IP_Address;  // "192.168.2.205" until the settings say otherwise
extern int Update_Option_Index;  // 0 firmware and configuration, 1 firmware, 2 configuration
extern bool Update_Read_Back;
extern QString Cur_Language;  // "English" by default

extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field_Tables;
extern bool Enable_Double_Click_Auto_Size;

extern QString Path_ParGen_XML;
extern QString Path_M_Bus_XML;
extern QString Path_SDO_Server_XML;
extern QString Path_SDO_Client_XML;
extern QString Path_PDO_XML;

extern QStringList Row_Copy_Buffer;  // cells of the last copied table row

// Text number n of Lang_Table; " " when the table does not hold it.
QString Lang(int n);
