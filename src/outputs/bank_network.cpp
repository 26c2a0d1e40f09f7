#include "outputs/bank_network.h"

#include "outputs/config_reader.h"

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
