#include "shell/core/globals.h"

QStringList Lang_Table;
int Lang_Table_Size = 0;

QString Active_Conf_Name;
QString Active_Conf_Dir;

QString Dir_Program;
QString Dir_Master;
QString Dir_Projects;
QString Dir_Language;

QString SW_Title;
QString SW_Code;
QString SW_Desc;

QString Last_IP_Address = QStringLiteral("192.168.2.205");
int Update_Option_Index = 0;
bool Update_Read_Back = true;
QString Cur_Language = QStringLiteral("English");

bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Enable_Double_Click_Auto_Size = false;

QString Path_ParGen_XML;
QString Path_M_Bus_XML;
QString Path_SDO_Server_XML;
QString Path_SDO_Client_XML;
QString Path_PDO_XML;

QStringList Row_Copy_Buffer;

QString Lang(int n) {
  if (n < 0 || n >= Lang_Table.size()) return QStringLiteral(" ");
  return Lang_Table[n];
}
