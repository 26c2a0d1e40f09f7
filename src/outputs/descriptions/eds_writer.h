#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

// The CANopen electronic data sheet (EDS 4.0, INI form) of device type 6,
// built from PDO_CANopen.xml and SDO_Server_CANopen.xml. See eds_writer.cpp
// for the file's layout.

struct SDO_Sub_Type {
  uint8_t Sub = 0;
  uint8_t Quantity = 0;  // object size in bytes
  bool Readonly = false;
  QString Mnemonic;  // never written
};

struct SDO_Index {
  uint16_t Index = 0;
  std::vector<SDO_Sub_Type> Sub_Indexs;
  QString Where;  // list and row of the index's first occurrence, for messages
};

struct EDS_PDO {
  uint32_t COB_ID = 0;
  uint32_t Dimension = 0;  // data bytes, 0..8
};

// At most 30 of each kind, as the PDO window holds.
struct EDS_PDO_Table {
  std::vector<EDS_PDO> Receive;
  std::vector<EDS_PDO> Transmit;
};

constexpr int EDS_Max_PDOs = 30;
// Rows of each list of the SDO server file, as its window holds.
constexpr int EDS_Max_SDO_Rows = 500;

// Both readers throw Description_File_Error naming the file and row for a
// row they cannot describe, and Xml_Error for a file that is not well-formed.
// A missing file reads as empty. A list with more rows than the limit above
// is refused at its first row too many; the rows after it are not read.
EDS_PDO_Table Read_EDS_PDO(const QString& pdo_path);
std::vector<SDO_Index> Read_EDS_SDO(const QString& sdo_server_path);

// Position of the first entry with that index, -1 when none.
int Find_SDO_Index(const std::vector<SDO_Index>& list, uint16_t index);
// Orders every entry's sub-indexes; rows with the same sub-index become one,
// so each sub-index has one section: the size of the first one read (the read
// list comes before the write list), read-only only when every row is.
void Sort_SDO_Sub_Indexs(std::vector<SDO_Index>& list);

// "03-05-2024" and "01:05PM" (a 12-hour clock; seconds are not written).
QString EDS_Date_Text(const QDate& date);
QString EDS_Time_Text(const QTime& time);

// The whole file: Windows-1252 bytes, every line ended by CR LF. Throws
// Description_File_Error when a manufacturer object would take the header of
// an object the gateway already describes.
QByteArray EDS_Text(const EDS_PDO_Table& pdos, const std::vector<SDO_Index>& sdos, const QDateTime& now);

// Builds the EDS of the active configuration (Path_PDO_XML, Path_SDO_Server_XML)
// at the current local time and replaces `FileName`. Throws on any failure;
// then no file is written.
void Write_EDS_File(const QString& FileName);
void Write_EDS_File(const QString& FileName, const QString& pdo_path, const QString& sdo_server_path,
                    const QDateTime& now);
