#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "editors/files/nodo.h"

// The CSV address map of the M-Bus network: where each data item of the
// enabled nodes and variables lies in the gateway's data, for the fieldbus
// side's configuration. Windows-1252 text, one line per item, CR LF after
// every line, fields separated by "; " and each line closed by ";":
//
//   ID Node; Node Description; Variable Description; Position; Length;
//   <id>; <node>; Node State; <p>; 1;                when Node_State is 1
//   <id>; <node>; Identification Number; <p>; 4;    when Ident_Num is 1
//   <id>; <node>; <variable>; <p>; <length>;         each enabled variable
//   <id>; <node>; Scale - <variable>; <p>; 1;        after it, when Scale is set
//
// <id> is the secondary ID when the node is addressed by it, else the primary
// ID; positions count bytes from 0 over the whole map. Wireless nodes get no
// RSSI item and a time point takes six bytes only when its type of data is
// 20, so the totals may differ from the byte budget's, which counts both.

// Length of a variable's item in the map.
int Address_Map_Length(const TVariabile& variable);

QByteArray Address_Map_Text(const std::vector<TNodo>& nodes);

// The chosen name with ".csv" appended unless it holds ".csv" in any case.
QString Address_Map_File_Name(const QString& chosen);

struct Address_Map_Result {
  QString file;   // the file written (the chosen name with its extension)
  QString error;  // empty on success; else names the file and the reason

  bool Ok() const { return error.isEmpty(); }
};

// "Export Add Map": writes the map of `nodes` (the network as the editor holds
// it, saved or not) to the chosen name, replacing any file there. A failed
// write leaves no partial file and reports why.
Address_Map_Result Export_Address_Map(const QString& chosen_name, const std::vector<TNodo>& nodes);
