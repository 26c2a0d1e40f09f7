#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The three CANopen mapping tables of device type 6, each kept in its own file
// of two lists whose rows hold the grid cells exactly as the user typed them.
enum class CANopen_Table_Kind { SDO_Server, SDO_Client, PDO };

struct CANopen_List_Layout {
  QString name;         // list element, e.g. "SDO_Read"
  QStringList columns;  // `row` attribute of grid column 1, 2, ... in written order
};

struct CANopen_File_Layout {
  QString file_name;  // e.g. "SDO_Server_CANopen.xml"
  QString root;
  std::array<CANopen_List_Layout, 2> lists;
  int max_rows;  // data rows of each grid
};

const CANopen_File_Layout& CANopen_Layout(CANopen_Table_Kind kind);

// Cells of grid columns 1..n (column 0, the row number, is not stored).
using CANopen_Row = QStringList;

struct CANopen_Tables {
  std::array<std::vector<CANopen_Row>, 2> lists;  // first and second page

  bool operator==(const CANopen_Tables&) const = default;
};

struct CANopen_Tables_Load {
  CANopen_Tables tables;  // what could be read
  QString error;          // empty when the whole file was read
  // What a readable file held that the tables do not: the first row that
  // lacks an attribute, rows beyond max_rows. Empty when nothing was.
  QString shortfall;

  bool Complete() const { return error.isEmpty(); }
};

// Reads both lists into rows of the layout's width, in file order, at most
// max_rows each; a cell whose attribute is missing is empty, and the first
// such row and any rows left out are told in shortfall. A missing file gives
// empty tables without error; a file that cannot be parsed gives empty tables
// and the parser's error; a missing list is reported and the other list is
// still read.
CANopen_Tables_Load Read_CANopen_Tables(const QString& path, CANopen_Table_Kind kind);

// Each list holds the rows up to, not including, the first whose column-1 cell
// is blank after trimming, at most max_rows; every attribute is written with
// its cell's untrimmed text (missing cells as ""). Write_CANopen_Tables
// replaces the file; throws File_Write_Error.
QByteArray CANopen_Tables_Text(const CANopen_Tables& tables, CANopen_Table_Kind kind, int device_type);
void Write_CANopen_Tables(const QString& path, const CANopen_Tables& tables, CANopen_Table_Kind kind, int device_type);
