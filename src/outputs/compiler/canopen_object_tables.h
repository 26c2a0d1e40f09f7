#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "outputs/compiler/bank_buffer.h"

class CANopen_Param_Record;

// One 32-byte entry of a CANopen object table (layout in the .cpp).
struct Bank_Object_Entry {
  uint32_t COB_ID = 0;
  uint16_t Index = 0;
  uint8_t SubIndex = 0;
  uint8_t Device_ID = 0;
  uint32_t Time = 0;  // Poll_Time of an SDO client entry, Send_Time of a PDO
  std::array<uint16_t, 8> Address{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  uint8_t Size = 0;  // NByte of an SDO, Dimension of a PDO
  uint8_t Mode = 0;  // 3 send on change, 1 otherwise
};

// The six object tables that follow the parameter record in bank1.bin. Only
// tables 0 (SDO server reads), 3 (SDO client writes) and 5 (transmit PDOs) are
// filled; 1, 2 and 4 belong to the format and always stay cleared.
class CANopen_Object_Tables {
 public:
  static constexpr int kTable_Count = 6;
  static constexpr int kEntry_Size = 32;
  static constexpr int kTotal_Entries = 1792;

  static int Capacity(int table);
  // Where the gateway holds the table: bank1.bin is loaded at 0x68000.
  static uint32_t Load_Address(int table);

  CANopen_Object_Tables();

  // Every entry to its cleared state and the six counts in the record to 0.
  void Clear_CANopen_Objects(CANopen_Param_Record& record);
  // Fills tables 0, 3 and 5 from the three CANopen files of the folder and
  // stores the counts and load addresses in the record. A missing file leaves
  // its table empty; a missing list, a row value that is absent or not a number,
  // or more rows than a table holds stops the compile.
  void Read_CANopen_Objects(const QString& conf_dir, CANopen_Param_Record& record);
  // Appends all 1792 entries, used or not, table 0 first (57344 bytes).
  void Write_CANopen_Objects(Bank_Buffer& buffer) const;

  int Count(int table) const { return counts_.at(table); }
  const Bank_Object_Entry& Entry(int table, int index) const { return tables_.at(table).at(index); }

 private:
  enum class Row_Kind { SDO_Server, SDO_Client, Transmit_PDO };
  void Read_Table(const QString& conf_dir, const QString& file, const QString& list, int table, Row_Kind kind);

  std::array<std::vector<Bank_Object_Entry>, kTable_Count> tables_;
  std::array<int, kTable_Count> counts_{};
};
