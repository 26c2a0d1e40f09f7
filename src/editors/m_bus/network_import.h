#pragma once
#include <QString>

// "Import Network": replaces the configuration's M_Bus.xml by a copy of
// another file, after which the editor reloads as when it opens.
//
// The editor window's button runs, in order:
//   1. the open dialog (filter "XML File (*.xml)"); cancel ends;
//   2. when Network_Import_Asks(Path_M_Bus_XML): the question of text 558
//      (Yes/No); No ends;
//   3. Import_M_Bus_Network(chosen, Path_M_Bus_XML, Device_Type()); an error
//      is shown in an error box and ends: the network on disk and in the
//      editor stays as it was;
//   4. the reload (byte budget, network, nothing selected, no unsaved change).

// Whether M_Bus.xml exists (in any letter case), so importing overwrites it.
bool Network_Import_Asks(const QString& m_bus_path);

struct Network_Import_Result {
  QString error;  // empty when M_Bus.xml now holds the chosen file's bytes

  bool Ok() const { return error.isEmpty(); }
};

// The source must read as a whole network (root element `M-Bus_Network`, read
// by the reader of M_Bus.xml without an error) before anything is written: a
// file of another kind would replace the network by nothing. A source that reads cleanly is copied byte for byte
// to a temporary file in the configuration folder and renamed over M_Bus.xml,
// so a disk that fills leaves the old file as it was. Choosing M_Bus.xml
// itself copies nothing (the reload is all there is to do).
Network_Import_Result Import_M_Bus_Network(const QString& source, const QString& m_bus_path, int device_type);
