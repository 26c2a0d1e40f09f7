#include "outputs/compiler/bank_network.h"

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/config_reader.h"
#include "platform/number_entry.h"

namespace bank_network {

namespace {

constexpr int32_t kTime_Point = 20;
constexpr int32_t kVIF_In_ASCII = 21;
constexpr int32_t kVariable_Length = 7;

constexpr uint8_t kOption_BCD_To_Int = 0x01;
constexpr uint8_t kOption_Swap = 0x02;
constexpr uint8_t kOption_Six_Byte_Time_Point = 0x04;
constexpr uint8_t kOption_Force_Int32 = 0x08;

}  // namespace

uint8_t Data_Field_Code(int32_t dim) {
  static constexpr uint8_t kCodes[] = {1, 2, 4, 7, 3, 6, 5, 13};
  return dim >= 0 && dim < 8 ? kCodes[dim] : 2;
}

uint32_t Value_Bytes(int32_t dim, uint8_t length) {
  static constexpr uint32_t kBytes[] = {1, 2, 4, 8, 3, 6, 4};
  if (dim == kVariable_Length) return length;
  return dim >= 0 && dim < 7 ? kBytes[dim] : 2;
}

TBank_Variabile Read_Bank_Variable(const Xml_Node& variable, const QString& where) {
  using namespace config_reader;
  TBank_Variabile var;
  const int32_t type = Strict_Attribute_Number(variable, QStringLiteral("Type"), where);
  int32_t function = Strict_Attribute_Number(variable, QStringLiteral("Fun_Field"), where);
  const int32_t dim = Strict_Attribute_Number(variable, QStringLiteral("Dim"), where);
  // The editor lists minimum before maximum; the meter's function field has them the other way round.
  if (function == 1)
    function = 2;
  else if (function == 2)
    function = 1;
  var.Type_Of_Data = static_cast<uint8_t>(type);
  var.Function_Field = static_cast<uint8_t>(function);
  var.Dimension = Data_Field_Code(dim);
  var.Scale = Attribute_Is_One(variable, QStringLiteral("Scale")) ? 1 : 0;
  var.Unita = static_cast<uint8_t>(Attribute_Number(variable, QStringLiteral("Unit"), 0));
  var.Storage_Num = static_cast<uint32_t>(Attribute_Number64(variable, QStringLiteral("StoNumber"), 0));
  var.Tarif = static_cast<uint32_t>(Attribute_Number64(variable, QStringLiteral("Tariff"), 0));
  var.VIFE = static_cast<uint8_t>(Attribute_Number(variable, QStringLiteral("VIFE"), 0));
  if (Attribute_Is_One(variable, QStringLiteral("BCDtoINT"))) var.Options |= kOption_BCD_To_Int;
  if (Attribute_Is_One(variable, QStringLiteral("SWAP"))) var.Options |= kOption_Swap;
  if (Attribute_Is_One(variable, QStringLiteral("TP_Mod_Regs"))) var.Options |= kOption_Six_Byte_Time_Point;
  if (Attribute_Is_One(variable, QStringLiteral("ForceInteger32"))) var.Options |= kOption_Force_Int32;
  if (var.Type_Of_Data == kVIF_In_ASCII)
    var.VIF_ASCII = Attribute_Text(variable, QStringLiteral("VIF_ASCII")).value_or(QString());
  var.Length =
      dim == kVariable_Length ? static_cast<uint8_t>(Attribute_Number(variable, QStringLiteral("Length"), 0)) : 0;
  var.Position = static_cast<uint8_t>(Attribute_Number(variable, QStringLiteral("Position"), 1));

  if (var.Type_Of_Data == kTime_Point && (var.Options & kOption_Six_Byte_Time_Point))
    var.Value_Size = 6;
  else if (var.Options & kOption_Force_Int32)
    var.Value_Size = 4;
  else
    var.Value_Size = Value_Bytes(dim, var.Length);
  return var;
}

}  // namespace bank_network

namespace bank_network {

namespace {

const QString kM_Bus_File = QStringLiteral("M_Bus.xml");

}  // namespace

bool Node_Is_Compiled(const Xml_Node& node) {
  std::optional<QString> enable = config_reader::Attribute_Text(node, QStringLiteral("Enable_Node"));
  if (!enable) enable = config_reader::Attribute_Text(node, QStringLiteral("Node_Enable"));
  int32_t value = 1;
  if (!enable || !Try_Read_Number(*enable, value)) value = 1;
  return (value & 0xFF) == 1;
}

TBank_Nodo Read_Node_Values(const Xml_Node& node) {
  using namespace config_reader;
  TBank_Nodo nodo;
  auto byte = [&](const char* name, int32_t fallback) {
    return static_cast<uint8_t>(Attribute_Number(node, QString::fromLatin1(name), fallback));
  };
  nodo.ID_Type = byte("Node_ID_Type", 0);
  int64_t id = 0;
  const std::optional<QString> id_text = Attribute_Text(node, QStringLiteral("ID"));
  if (id_text && Try_Read_Number64(*id_text, id))
    nodo.ID = static_cast<uint32_t>(id);
  else
    nodo.ID = static_cast<uint32_t>(
        Attribute_Number(node, nodo.ID_Type == 0 ? QStringLiteral("ID_Primary") : QStringLiteral("ID_Secondary"), 1));
  nodo.SND_NKE = byte("Send_SND_NKE", 0);
  nodo.Reset_App = byte("Reset_App", 0);
  nodo.Node_State = byte("Node_State", 0);
  nodo.Ident_Num = byte("Ident_Num", 0);
  nodo.BCDtoINT_IN = byte("BCDtoINT_IN", 0);
  nodo.Swap_IN = byte("Swap_IN", 0);
  nodo.Var_Type = byte("Var_List_Type", 0);
  // The stored position 0..249 means 1..250 frames; without it the gateway reads them all.
  const std::optional<QString> cut_text = Attribute_Text(node, QStringLiteral("Cut_After"));
  int32_t cut = 0;
  nodo.Cut_After = cut_text && Try_Read_Number(*cut_text, cut) ? static_cast<uint8_t>(cut + 1) : 250;
  return nodo;
}

std::vector<TBank_Variabile> Read_Compiled_Variables(const Xml_Node& node, int node_number,
                                                     const Variable_Rule& adjust) {
  std::vector<TBank_Variabile> vars;
  int variable_number = 0;
  for (const Xml_Node& variable : config_reader::Children(node)) {
    ++variable_number;
    if (!config_reader::Attribute_Is_One(variable, QStringLiteral("Enable"))) continue;
    const QString where =
        QStringLiteral("%1, node %2, variable %3").arg(kM_Bus_File).arg(node_number).arg(variable_number);
    if (static_cast<int>(vars.size()) == kMax_Node_Variables)
      throw Compile_Error(
          QStringLiteral("%1: more than %2 enabled variables in one node.").arg(where).arg(kMax_Node_Variables));
    TBank_Variabile var = Read_Bank_Variable(variable, where);
    if (adjust) adjust(var, variable, where);
    if (var.VIF_ASCII.size() > kMax_VIF_Text)
      throw Compile_Error(
          QStringLiteral("%1: the VIF text is longer than %2 characters.").arg(where).arg(kMax_VIF_Text));
    var.Len_VIF_ASCII = static_cast<uint8_t>(var.VIF_ASCII.size());
    var.Source_Index = variable_number;
    vars.push_back(std::move(var));
  }
  return vars;
}

void Check_Address(uint32_t address, int node_number, int variable_number) {
  if (address <= kMax_Address) return;
  const QString item = variable_number > 0
                           ? QStringLiteral("node %1, variable %2").arg(node_number).arg(variable_number)
                           : QStringLiteral("node %1").arg(node_number);
  throw Compile_Error(QStringLiteral("%1, %2: the process image would need more than %3 bytes.")
                          .arg(kM_Bus_File, item)
                          .arg(kMax_Address + 1));
}

uint32_t Assign_Variable_Addresses(TBank_Nodo& nodo, uint32_t address) {
  Check_Address(address, nodo.Source_Index, 0);
  for (TBank_Variabile& var : nodo.Vars) {
    var.Value_Address = address;
    address += var.Value_Size;
    var.Scale_Address = address;
    if (var.Scale) address += 1;
    Check_Address(var.Scale_Address, nodo.Source_Index, var.Source_Index);
  }
  return address;
}

void Append_Node_ID(Bank_Buffer& buffer, uint32_t id) {
  const char bytes[4] = {static_cast<char>(id >> 24), static_cast<char>(id >> 16), static_cast<char>(id >> 8),
                         static_cast<char>(id)};
  buffer.Append(bytes, 4);
}

void Append_Flag_Node_Entry(Bank_Buffer& buffer, const TBank_Nodo& nodo, const TAdd_Nodo& add) {
  buffer.Append_U8(nodo.ID_Type);
  Append_Node_ID(buffer, nodo.ID);
  buffer.Append_U16(static_cast<uint32_t>(nodo.Vars.size()));
  buffer.Append_U32(nodo.Add);
  buffer.Append_U8(nodo.SND_NKE);
  buffer.Append_U8(nodo.Reset_App);
  buffer.Append_U8(nodo.Node_State);
  buffer.Append_U16(add.Add_NS);
  buffer.Append_U8(nodo.Ident_Num);
  buffer.Append_U16(add.Add_IN);
  buffer.Append_U8(nodo.BCDtoINT_IN);
  buffer.Append_U8(nodo.Swap_IN);
  buffer.Append_U8(nodo.Var_Type);
  buffer.Append_U8(nodo.Cut_After);
}

void Append_Variable_Entry(Bank_Buffer& buffer, const TBank_Variabile& var) {
  buffer.Append_U8(var.Type_Of_Data);
  buffer.Append_U8(var.Function_Field);
  buffer.Append_U8(var.Dimension);
  buffer.Append_U16(var.Value_Address);
  buffer.Append_U8(var.Scale);
  buffer.Append_U16(var.Scale_Address);
  buffer.Append_U8(var.Unita);
  buffer.Append_U32(var.Storage_Num);
  buffer.Append_U32(var.Tarif);
  buffer.Append_U8(var.VIFE);
  buffer.Append_U8(var.Options);
  buffer.Append_U8(var.Length);
  buffer.Append_U8(var.Len_VIF_ASCII);
  buffer.Append_U32(var.Address_VIF_ASCII);
  buffer.Append_U8(var.Position);
}

void Append_VIF_Text(Bank_Buffer& buffer, const TBank_Variabile& var) {
  for (qsizetype i = var.VIF_ASCII.size() - 1; i >= 0; --i) buffer.Append_U8(var.VIF_ASCII[i].unicode() & 0xFF);
}

}  // namespace bank_network
