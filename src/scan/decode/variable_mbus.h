#pragma once
#include <QString>
#include <cstdint>

// One decoded data record of a meter telegram. A plain object: the record
// decoder writes its fields directly, the window and the network-file writer
// read them. Fields keep the names and order the rest of the program uses.
class TVariable_MBus {
 public:
  int32_t dato_A = 0;          // data bytes 0..3, little-endian
  int32_t dato_B = 0;          // data bytes 4..7, little-endian
  uint8_t dimension = 0;       // data-field code, DIF bits 0..3
  uint16_t function_fild = 0;  // 0 instantaneous, 1 maximum, 2 minimum, 3 during error state
  int64_t storage_number = 0;
  uint16_t tarif = 0;
  uint16_t device = 0;     // subunit
  uint16_t type_data = 0;  // unit code, 65535 for none
  uint16_t scale = 0;      // not filled by the scan
  int32_t nbyte = 0;       // number of data bytes
  int32_t numdife = 0;
  int32_t numvife = 0;
  int32_t vifvalue = -1;  // the VIF byte, -1 while none was read
  int32_t PrinVIFE = 0;   // the first VIFE byte
  uint8_t casovif = 0;
  int32_t numdato = 0;  // not filled by the scan
  uint8_t VIF = 0;
  QString VIFE;         // "$hh " per VIFE byte
  QString DIF;          // "$hh"
  QString DIFE;         // "$hh " per DIFE byte
  QString totdati;      // data bytes as hexadecimal text, no separator
  QString VIF_ASCII;    // plain-text unit carried by the telegram
  QString Description;  // not filled by the scan
  QString datagiorno;
  QString tempo;
  QString icon;                // not filled by the scan
  int32_t Type_Data_Vife = 0;  // VIFE code, 0 for none (written to the network file as VIFE)
  QString Desc_Type_Data;      // quantity text
  QString ValueStr;            // value text
  QString FunctionFieldStr;
  QString DataFieldStr;
  bool Enable = true;
  bool Real_Wireless_Var = false;  // false for the filler records kept from wireless telegrams
  bool Is_BCD = false;
  void* Node = nullptr;  // the window's tree entry showing this record; opaque here
};
