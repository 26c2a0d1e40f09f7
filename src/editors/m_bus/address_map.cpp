#include "editors/m_bus/address_map.h"

#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"

namespace {

QString Line(const TNodo& node, const QString& item, int position, int length) {
  const int32_t id = node.Node_ID_Type != 0 ? node.Node_ID_Secondary : node.Node_ID_Primary;
  return QStringLiteral("%1; %2; %3; %4; %5;\r\n").arg(id).arg(node.Description, item).arg(position).arg(length);
}

}  // namespace

int Address_Map_Length(const TVariabile& v) {
  if (v.Type_Of_Data == 20 && v.TP_Mod_Regs) return 6;
  if (v.ForceInteger32) return 4;
  // Bytes of the dimensions 8, 16, 32, 64, 24, 48 and 32-bit real; 7 is variable length.
  constexpr int kBytes[] = {1, 2, 4, 8, 3, 6, 4};
  if (v.Dimension >= 0 && v.Dimension < 7) return kBytes[v.Dimension];
  if (v.Dimension == 7) return v.Length;
  return 2;
}

QByteArray Address_Map_Text(const std::vector<TNodo>& nodes) {
  QString text = QStringLiteral("ID Node; Node Description; Variable Description; Position; Length;\r\n");
  int p = 0;
  for (const TNodo& node : nodes) {
    if (!node.Enable) continue;
    if (node.Node_State == 1) {
      text += Line(node, QStringLiteral("Node State"), p, 1);
      p += 1;
    }
    if (node.Ident_Num == 1) {
      text += Line(node, QStringLiteral("Identification Number"), p, 4);
      p += 4;
    }
    for (const TVariabile& v : node.Var_List) {
      if (!v.Enable) continue;
      const int length = Address_Map_Length(v);
      text += Line(node, v.Description, p, length);
      p += length;
      if (v.Scale) {
        text += Line(node, QStringLiteral("Scale - ") + v.Description, p, 1);
        p += 1;
      }
    }
  }
  return ansi::Encode(text);
}

QString Address_Map_File_Name(const QString& chosen) {
  if (chosen.contains(QStringLiteral(".csv"), Qt::CaseInsensitive)) return chosen;
  return chosen + QStringLiteral(".csv");
}

Address_Map_Result Export_Address_Map(const QString& chosen_name, const std::vector<TNodo>& nodes) {
  Address_Map_Result result;
  result.file = Address_Map_File_Name(chosen_name);
  try {
    atomic_file::Write(result.file, Address_Map_Text(nodes));
  } catch (const File_Write_Error& e) {
    result.error = QString::fromStdString(e.what());
  }
  return result;
}
