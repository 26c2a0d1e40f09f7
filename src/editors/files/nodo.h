#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "editors/files/variabile.h"

// One meter of the M-Bus network (a `Nodo` element of M_Bus.xml) with the
// variables it owns, in file and tree order. A node created empty has these
// values; every node read from the file or added in the editor then gets
// MBus_Type 1 (wired) unless the device type reads it from the file.
struct TNodo {
  bool Enable = false;            // Enable_Node
  QString Description;            // Descrizione
  int32_t Node_ID_Primary = 0;    // 0..255
  int32_t Node_ID_Secondary = 0;  // 0..99999999
  uint8_t Send_SNK = 0;           // Send_SND_NKE
  uint8_t Reset_App = 0;
  std::vector<TVariabile> Var_List;
  uint8_t Node_State = 0;  // adds the one-byte node state item
  uint8_t Ident_Num = 0;   // adds the four-byte identification number item
  uint8_t BCDtoINT_IN = 0;
  int32_t Swap_Ident = 0;     // Swap_IN: 0 none, 1 type 1
  uint8_t Node_ID_Type = 0;   // 0 by primary ID, 1 by secondary ID
  uint8_t Var_List_Type = 0;  // 0 by type, 1 by position
  uint8_t Cut_After = 0;      // position in the list 1..250: frames minus one
  uint8_t MBus_Type = 0;      // 0 wireless, 1 wired (types 4 and 5 tell them apart)

  // Wireless node (types 4 and 5): the numbers as the user typed them.
  QString wMBus_ManID;
  QString wMBus_Add;
  QString wMBus_Ver;
  QString wMBus_DevType;
  uint8_t wMBus_En_Key = 0;
  std::array<QString, 16> wMBus_Key;  // key byte 1 first
  uint8_t RSSI = 0;                   // wMBus_RSSI: adds the two-byte signal strength item

  bool operator==(const TNodo&) const = default;
};
