#pragma once
#include <cstdint>

#include "scan/decode/mbus_type.h"
#include "scan/decode/slave_mbus.h"
#include "scan/decode/variable_mbus.h"

// Turns the application layer of an M-Bus telegram into meter objects. One
// decoder belongs to one scan engine: its scratch buffers hold the record being
// decoded, so only one walk may run on a decoder at a time.
//
// A data record:
//   DIF      bits 0..3 data-field code, 4..5 function, 6 storage bit, 7 extension
//   DIFE*    (at most 10) bits 0..3 storage, 4..5 tariff, 6 subunit, 7 extension
//   VIF      bit 7 extension; VIF 7C/FC: length byte + unit text stored reversed,
//            read directly after the VIF, before the VIFE chain
//   VIFE*    (at most 10) bit 7 extension
//   data     length by the data-field code; code 13 has a leading LVAR byte
// DIF 0F/1F end the records (1F: more telegrams follow), 2F is an idle filler.
class Telegram_Decoder {
 public:
  static constexpr int Max_Extensions = TVariable_MBus::Max_Extensions;
  static constexpr int Max_Unit_Text = TVariable_MBus::Max_Unit_Text;
  static constexpr int Max_Data_Bytes = TVariable_MBus::Max_Data_Bytes;

  TMBusType MBusType = mtWired;
  uint8_t App_Data_Val[256] = {};
  uint8_t App_Vife_Val[12] = {};

  // Reads the fixed header of a wired long frame (Ans_Len bytes, checked with
  // long_frame::Is_Valid by the caller) and walks its records. Index -1 appends a
  // new meter to List; a valid position appends the records to that meter.
  // Returns the meter's position; Last gets 1, or 0 when the telegram announced
  // further telegrams. A frame too short to hold the header changes nothing. A
  // telegram in the fixed data structure (CI 73, 77) adds no records: the meter
  // keeps only its addresses and says why in Not_Readable.
  int Add_Slave_From_Answer(const uint8_t* Ans_Array, int Ans_Len, int Index, TList_Slave_MBus& List, uint8_t& Last);

  // Takes a meter's records off it (last first) and keeps their objects for the
  // next walks of this decoder: a wireless meter's records are replaced with
  // every frame heard, and the new ones then need no heap blocks of their own.
  void Recycle_Records(TList_Var& list);

  // Walks Data[0..LastIndex] and appends one record per kept data record.
  // Returns 1, or 0 when a DIF 1F was met. Stops before any record that would
  // run past LastIndex or past a record's limits, keeping the records before it.
  uint8_t Decode_Data_Records(TList_Var& List, int LastIndex, const uint8_t* Data);

  // Gives a record its unit and VIFE codes from the VIF, its first VIFE and the
  // bytes in App_Data_Val / App_Vife_Val. Its quantity and value texts are made
  // from the record's own bytes when they are first read.
  void Decode_VIF(uint8_t VIF, uint8_t VIFE0, int DataCode, uint8_t LVAR, int NByte, TVariable_MBus& Item);

  // BCD value of the first n bytes of App_Data_Val.
  int64_t BCD_To_Int(int n) const;

 private:
  // Copies a kept record's data bytes (zero-padded to 256) and VIFE bytes into the scratch buffers.
  void Fill_Scratch(const uint8_t* data, int n, const uint8_t* vife, int numvife);
  // The same from a kept record, whose buffers are zero-padded: short records copy in fixed-size blocks.
  void Fill_Scratch(const TVariable_MBus& record);
  class Walk_Slots;
  // Recycled objects kept beyond that are freed: enough for the records of the longest frame.
  static constexpr size_t kKept_Spares = 256;

  int scratch_used_ = 0;  // bytes of App_Data_Val that may be non-zero
  TList_Var spare_;       // recycled record objects
};
