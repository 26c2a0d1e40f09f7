#include "scan/window/scan_save.h"

#include "platform/number_entry.h"
#include "shell/core/globals.h"

namespace scan_save {

namespace {

int32_t Number_Or_Minus_One(const QString& text) {
  int32_t value = 0;
  return Try_Read_Number(text, value) ? value : -1;
}

}  // namespace

TSaveConfXML Save_Record(const Choices& choices) {
  TSaveConfXML data;
  data.Append = choices.append ? 1 : 0;
  data.XML_Code_Dev = choices.xml_code_dev;
  data.Mod_Start = choices.start_register;
  data.Node_ID_Type = choices.scan_by;
  if (choices.wireless) {
    data.Index_Baud = 0;
    data.Index_Par = 0;
    data.SND_NKE = 0;
    data.Reset_App = 0;
    data.Cut_After = 3;
  } else {
    data.Index_Baud = choices.baud_index;
    data.Index_Par = choices.parity_index;
    data.SND_NKE = choices.snd_nke ? 1 : 0;
    data.Reset_App = choices.app_reset ? 1 : 0;
    int32_t cut_after = 0;
    data.Cut_After = Try_Read_Number(choices.cut_after, cut_after) ? cut_after : 3;
  }
  data.StartModnode = choices.kind == 1 ? 1 : 0;
  for (const QString& start : choices.per_node_starts) {
    int32_t value = 0;
    data.SMN_Array.push_back(!start.isEmpty() && Try_Read_Number(start, value) ? value : 1);
  }
  data.En_NodeState = choices.en_node_state;
  data.En_IdeNum = choices.en_ide_num;
  data.File_Name = choices.file_name;
  return data;
}

bool Asks_Start_Addresses(int32_t xml_code_dev) {
  switch (xml_code_dev) {
    case 0:
    case 1:
    case 9:
    case 13:
    case 14:
      return true;
    default:
      return false;
  }
}

int Key_Problem(const QString& key) {
  if (key.size() != 32) return 904;
  for (const QChar c : key)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return 903;
  return 0;
}

std::array<uint8_t, 16> Key_Bytes(const QString& key) {
  std::array<uint8_t, 16> bytes{};
  for (int i = 0; i < 16 && 2 * i + 1 < key.size(); ++i) {
    bool ok = false;
    const uint value = key.mid(2 * i, 2).toUInt(&ok, 16);
    bytes[size_t(i)] = ok ? uint8_t(value) : 0;
  }
  return bytes;
}

std::optional<int32_t> Start_Register(const QString& text) {
  const int32_t value = Number_Or_Minus_One(text);
  if (value < 1 || value > 65535) return std::nullopt;
  return value;
}

std::optional<QString> Per_Node_Problem(const QStringList& starts) {
  for (int r = 1; r <= starts.size(); ++r) {
    const QString& cell = starts[r - 1];
    if (cell.isEmpty()) return Lang(1008) + QString::number(r) + Lang(1009);
    const int32_t value = Number_Or_Minus_One(cell);
    if (value < 1 || value > 59999) return Lang(1008) + QString::number(r) + Lang(1010);
  }
  return std::nullopt;
}

}  // namespace scan_save
