#include "outputs/compiler/wmbus_key_table.h"

void wMBus_Key_Table::Write_wMBus_Key_Table(Bank_Buffer& buffer) const {
  for (const wMBus_Key_Entry& entry : entries_) {
    buffer.Append_U16(entry.Manufacturer);
    buffer.Append_U32(entry.Address);
    buffer.Append_U8(entry.Version);
    buffer.Append_U8(entry.Device_Type);
    buffer.Append(reinterpret_cast<const char*>(entry.Key.data()), static_cast<qsizetype>(entry.Key.size()));
    buffer.Append_U8(entry.Key_Enable);
    buffer.Append_Zeros(7);
  }
}
