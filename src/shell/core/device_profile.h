#pragma once
#include <QString>

// The gateway model (1..6). Fixed for a build; tests may switch it so that one
// binary covers every model. Code that branches on the model asks here.
int Device_Type();
void Override_Device_Type(int type);  // tests only; 0 returns to the build's type

// Per-model codes and texts; `type` defaults to the current model.
struct Device_Model {
  int model;            // 58243, 58254, ...
  const char* sw_code;  // "SW" + model
  const char* description;
  const char* version;   // configurator version for this model
  const char* doc_code;  // "MN" + model
  const char* hw_code;   // "HD" + model
  const char* title;     // main window title, with its trailing blank
};
const Device_Model& Device_Model_Table(int type);
inline const Device_Model& Current_Device_Model() { return Device_Model_Table(Device_Type()); }

// Scan device code handed to the Scan & Decode window.
int Get_XML_Code_Dev(int type);
inline int Get_XML_Code_Dev() { return Get_XML_Code_Dev(Device_Type()); }

bool Is_Wireless_Device(int type);
inline bool Is_Wireless_Device() { return Is_Wireless_Device(Device_Type()); }

// "SW_VERSION = 2.003" for type 6: the comment every configuration writer adds.
QString SW_Version_Comment(int type);
inline QString SW_Version_Comment() { return SW_Version_Comment(Device_Type()); }
