#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The PROFIBUS device description (GSD, revision 5) of device type 3: a fixed
// text with the lengths and the module list taken from ParGen.xml and, in
// per-variable mode, from M_Bus.xml. See gsd_writer.cpp for the layout.

struct GSD_Modules {
  int32_t Input_Length = 0;   // bytes from the gateway to the master
  int32_t Output_Length = 0;  // bytes from the master to the gateway, 0..255
  uint8_t Enable_TX = 0;
  uint8_t Working_Mode = 0;  // 1 Single Slave
  int32_t Per_Variable = 0;  // PROFI_GSD: 0 64-byte blocks, else one module per data item
  int32_t Input_Modules = 0;
  int32_t Output_Modules = 0;
  std::vector<int32_t> Input_Sizes;  // per-variable mode only
};

// nullopt when ParGen.xml does not exist. M_Bus.xml is looked for in
// `conf_dir`. Throws Description_File_Error for a variable whose Dim is
// missing or not a number, or whose item a module cannot carry, and Xml_Error
// for a file that is not well-formed.
std::optional<GSD_Modules> Read_GSD_Modules(const QString& par_gen_path, const QString& conf_dir);

// The chosen name with ".gsd" appended unless the first ".gsd" in it (any
// case) ends it: "Device.GSD" stays, "a.gsd.old" gets ".gsd".
QString GSD_File_Name(const QString& chosen);

// The file: Windows-1252, every line ended by CR LF.
QByteArray GSD_Text(const GSD_Modules& modules);
// Replaces the file; throws File_Write_Error.
void Write_GSD_File(const QString& path, const GSD_Modules& modules);
