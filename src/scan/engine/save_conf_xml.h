#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "scan/decode/slave_mbus.h"
#include "scan/decode/slave_wmbus.h"

// What the scan window hands to the writers of the network file.
struct TSaveConfXML {
  int32_t Append = 0;        // 1: add to the existing file, 0: write a new one
  int32_t XML_Code_Dev = 0;  // scan device code of the device type (3, 10, 16, 17 or 19)
  int32_t Mod_Start = 1;     // first value of the register counter
  int32_t Index_Baud = 0;    // not written by any device code of this program
  int32_t Index_Par = 0;     // not written by any device code of this program
  int32_t Node_ID_Type = 0;  // 0 primary, 1 secondary addressing
  int32_t SND_NKE = 0;
  int32_t Reset_App = 0;
  int32_t Cut_After = 0;
  int32_t StartModnode = 0;  // 1: each meter's counter starts at its SMN_Array value
  std::vector<int32_t> SMN_Array;
  bool En_NodeState = false;  // not written by any device code of this program
  bool En_IdeNum = false;     // not written by any device code of this program
  QString File_Name;
};

// Whether the window's tree entry of a meter or record is checked. It may throw (the
// entry is gone): that counts as checked, as does a meter or record without an entry.
using Tree_Check_State = std::function<bool(void* node)>;

// Writes the meters into the network file in the scan's dialect:
//
//   <M-Bus_Network>
//     <Nodo Node_Enable [ID] ID_Primary ID_Secondary Node_ID_Type Descrizione Send_SND_NKE
//           Reset_App Cut_After [MBus_Type wMBus_ManID wMBus_Add wMBus_Ver wMBus_DevType
//           wMBus_En_Key wMBus_Key_1..16]>
//       <Variabile Enable Position Desc Type VIF_ASCII Fun_Field Length ModReg Dim Unit
//                  StoNumber Tariff VIFE ModScale BCDtoINT SWAP/>
//
// attributes in exactly this order, all numbers decimal. ID is written for scan device
// code 10 only; the bracketed wireless attributes for wireless meters only. A new file
// has no XML declaration and no version comment; appending adds the nodes after the
// existing root's children and keeps everything else. ModReg is the register counter,
// which starts at Mod_Start (or per meter at SMN_Array) and advances by the value's size.
// The file is written atomically. Returns false, writing nothing, for an empty list.
// XML and file errors (Xml_Error, File_Write_Error) reach the caller.
bool Save_XML_Conf_Wired(const TList_Slave_MBus& list, const TSaveConfXML& DataIn, bool Check_BCD,
                         const Tree_Check_State& checked = {});
bool Save_XML_Conf_Wireless(const TList_Slave_wMBus& list, const TSaveConfXML& DataIn, bool Check_BCD);

// Dim value and register-counter step of a record's data-field code.
int32_t Scan_Dim(uint8_t dimension);
int32_t Scan_Register_Step(uint8_t dimension, int32_t nbyte);
