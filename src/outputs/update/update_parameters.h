#pragma once
#include <QString>
#include <optional>

class Xml_Document;

// What the Update Device window hands to the external updaters.
struct Update_Request {
  int device_type = 6;
  QString ip_address;  // the four address parts joined with "." as typed
  int option = 0;      // 0 firmware and configuration, 1 firmware, 2 configuration
  bool read_back = true;
  QString dir_master;       // firmware files
  QString active_conf_dir;  // configuration folder (images in its bin/ folder)
};

// Builds the tree of Ethernet_Update.xml into `doc` (cleared first).
void Build_Ethernet_Update(Xml_Document& doc, const Update_Request& request);
// Writes Dir_Program/Ethernet_Update.xml; throws File_Write_Error on failure.
void Compile_XML_Parameter(const QString& dir_program, const Update_Request& request);

// The four option tokens of the serial and USB updaters' command line.
QString Update_Options(int option, bool read_back);

struct Serial_Update_Command {
  QString program;       // full path of the updater in the program folder
  QString command_line;  // \\.\COMn FW FR PW PR "firmware" "conf/bin/"
};
// Types 1 and 3 only; nullopt for the others, which start nothing.
std::optional<Serial_Update_Command> Build_Serial_Update_Command(const Update_Request& request,
                                                                 const QString& dir_program, const QString& port_name,
                                                                 int hardware_type);
// The same command line with the port given by its device path ("/dev/ttyS2")
// in place of "\\.\COMn": the name the updaters open on this system.
std::optional<Serial_Update_Command> Build_Serial_Update_Command_For_Device(const Update_Request& request,
                                                                            const QString& dir_program,
                                                                            const QString& device_path,
                                                                            int hardware_type);

// Hardware_Type of ParGen.xml read as 0 or 1; any failure or other value is 0.
int Select_Hard_Type_232(const QString& pargen_path);
