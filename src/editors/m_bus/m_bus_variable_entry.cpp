#include "editors/m_bus/m_bus_variable_entry.h"

#include "platform/number_entry.h"

std::optional<int> Variable_Entry_Error(const Variable_Entry& e) {
  if (!Number64_In_Range(e.storage_number, 0, 0xFFFFFFFFLL)) return 542;
  if (!Number64_In_Range(e.tariff, 0, 0xFFFFF)) return 543;
  if (e.dimension == kVariable_Length && !Number_In_Range(e.length, 0, 191)) return 544;
  if (!Number_In_Range(e.position, 1, 100)) return 545;
  return std::nullopt;
}

TVariabile Variable_From_Entry(const Variable_Entry& e) {
  TVariabile v;
  v.Enable = e.enable;
  v.Description = e.description;
  v.Type_Of_Data = e.type_of_data;
  v.Function_Field = e.function_field;
  v.Dimension = e.dimension;
  v.Unita = e.unit;
  v.Scale = e.scale;
  v.Storage_Number = static_cast<uint32_t>(Read_Number64(e.storage_number));
  v.Tariff = static_cast<int32_t>(Read_Number64(e.tariff));
  v.VIFE = static_cast<uint8_t>(e.vife);
  v.BCDtoINT = e.bcd;
  v.SWAP = e.swap ? 1 : 0;
  v.VIF_ASCII = e.vif_ascii;
  int32_t length = 0;
  v.Length = Try_Read_Number(e.length, length) ? length : 0;
  v.TP_Mod_Regs = e.time_point;
  v.Position = static_cast<uint8_t>(Read_Number(e.position));
  v.ForceInteger32 = e.force_integer32;
  return v;
}

Variable_Entry Entry_Of_Variable(const TVariabile& v) {
  Variable_Entry e;
  e.enable = v.Enable;
  e.description = v.Description;
  e.type_of_data = v.Type_Of_Data;
  e.function_field = v.Function_Field;
  e.dimension = v.Dimension;
  e.unit = v.Unita;
  e.scale = v.Scale;
  e.storage_number = QString::number(v.Storage_Number);
  e.tariff = QString::number(v.Tariff);
  e.vife = v.VIFE;
  e.bcd = v.BCDtoINT;
  e.swap = v.SWAP == 1;
  e.vif_ascii = v.VIF_ASCII;
  e.length = QString::number(v.Length);
  e.time_point = v.TP_Mod_Regs;
  e.position = QString::number(v.Position);
  e.force_integer32 = v.ForceInteger32;
  return e;
}
