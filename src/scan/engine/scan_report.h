#pragma once
// The scan report written at the end of a scan when a report path is set:
//
//   <SCAN_M-Bus_Wired>
//     <Node Primary_Address Secondary_Address Manufacturer="ABC (1234)" Version Type>
//       <Variable Value Type UST="(U0S0T0)">
//         <Storage_Number/> <Tariff/> <Unit/> <Data_Field/> <Function_Field/> <Type/>
//         <Value/> <DIF/> <VIF>$hh</VIF> <DIFE/> <VIFE/> <DATA>$hex</DATA>
//
// and <SCAN_M-Bus_Wireless> with Node Manufacturer, Address (8 hexadecimal digits),
// Version, Device_Type, Cripted ("True"/"False") and the same Variable elements.
// Every record is listed. The file is written atomically; errors reach the caller.
#include <QString>

#include "scan/decode/slave_mbus.h"
#include "scan/decode/slave_wmbus.h"

void Save_XML_File_DLL(const TList_Slave_MBus& list, const QString& path);
void Save_Wireless_XML_File_DLL(const TList_Slave_wMBus& list, const QString& path);
