#pragma once
#include <QString>

class Xml_Document;

// The program's own settings, "Orvanto.xml" in the program folder:
//   <Conf_Settings>
//     <lastproj><projectname>last configuration</projectname></lastproj>
//     <lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>
//     <lastlang><language>English</language></lastlang>
//     <lastinternet><enable_internet>0</enable_internet><enable_update>0</enable_update>
//       <enable_jump_field_tables>0</enable_jump_field_tables>
//       <Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet>
//   </Conf_Settings>
// written on one line, without declaration or comment. Flags are "1" or "0";
// on reading only "1" is on. Each value falls back to its default alone when
// it is missing; a missing or unparsable file gives every default. A language
// name holding a path separator reads as the default ("English").
namespace settings_file {

QString Path();  // Dir_Program + "/Orvanto.xml"

// Sets Active_Conf_Name, Last_IP_Address, Cur_Language and the four option
// flags from the file; Active_Conf_Dir is cleared when the file is missing.
void Read(Xml_Document& document);

// Writes the file from those globals; throws File_Write_Error.
void Write(Xml_Document& document);

}  // namespace settings_file
