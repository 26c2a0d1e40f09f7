#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>

// The PROFINET device description (GSDML 2.31) of device type 5: a fixed
// template filled with the station name and the input length of ParGen.xml.

// "GSDML-V2.31-Kelvra-HD58276"
QString GSDML_Fixed_First_Part();
// "-" and the date as yyyymmdd, then ".xml".
QString GSDML_Fixed_Last_Part(const QDate& date);

// A user part that may go into a file name: empty, or free of path
// separators, control characters and the characters Windows refuses in file
// names (< > : " | ? *), and not "." or "..".
bool Is_Valid_GSDML_User_Part(const QString& user_part);

// The file name: first part, then the user part (with a "_" put before it
// unless it starts with one; left out when it is only blanks), then the last
// part. The user part goes in as typed.
QString GSDML_File_Name(const QString& user_part, const QDate& date);

struct GSDML_Parameters {
  int Input_Length = 0;
  int Output_Length = 4;
  QString Station_Name;
};

// Input length from PROFINET_NB_OUT (1439 when missing or not a number), the
// station name from PROFINET_NAME_STA ("devicename9" when blank). Without
// ParGen.xml: length 0, "devicename9".
GSDML_Parameters Read_GSDML_Parameters(const QString& par_gen_path);

// The file: ISO-8859-1 as its declaration says, no byte-order mark, lines
// ended by CR LF; the station name is escaped for XML (characters beyond
// Latin-1 as character references). Throws Description_File_Error when the
// station name holds a control character XML cannot carry.
QByteArray GSDML_Text(const GSDML_Parameters& parameters);

// Reads the parameters from `par_gen_path` and replaces `path`; throws
// File_Write_Error, Xml_Error or Description_File_Error, writing nothing then.
void Write_GSDML_File(const QString& path, const QString& par_gen_path);
// Same with the active configuration's ParGen.xml.
void Write_GSDML_File(const QString& path);
