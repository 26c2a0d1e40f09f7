#pragma once
#include <QString>
#include <cstdint>

// The communication settings window's automatic PROFINET byte count: the
// process-data bytes the configured M-Bus network needs, read straight from
// M_Bus.xml. It differs from the network editor's byte budget on purpose: a
// time point takes 5 bytes here and "Force Integer 32" plays no part.
//
// Returns 1 when the file does not exist or nothing counts. Throws Xml_Error
// when the file is not well-formed and Config_Value_Error when an enabled
// variable of an enabled node has a `Dim` (or, in a node listed by type, a
// `Type`) that is missing or not a number.
int32_t Calcolate_Byte_Used_in_MBus_Configuration(const QString& m_bus_path);
