#include "scan/engine/scan_report.h"

#include "platform/xml_document.h"

namespace {

QString Num(int64_t value) { return QString::number(value); }

QString Xml_Safe(const QString& text) {
  QString out = text;
  for (qsizetype i = 0; i < out.size(); ++i) {
    const char16_t c = out[i].unicode();
    if ((c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || c == 0xFFFE || c == 0xFFFF) out[i] = '?';
  }
  return out;
}

void Text_Child(Xml_Node parent, const char* name, const QString& text) {
  parent.Add_Child(QString::fromLatin1(name)).Set_Text(Xml_Safe(text));
}

void Write_Records(Xml_Node node, const TList_Var& records) {
  for (const auto& record : records) {
    const TVariable_MBus& v = *record;
    Xml_Node var = node.Add_Child(QStringLiteral("Variable"));
    var.Set_Attribute("Value", Xml_Safe(v.ValueStr()));
    var.Set_Attribute("Type", Xml_Safe(v.Desc_Type_Data()));
    var.Set_Attribute("UST", "(U" + Num(v.device) + "S" + Num(v.storage_number) + "T" + Num(v.tarif) + ")");
    Text_Child(var, "Storage_Number", Num(v.storage_number));
    Text_Child(var, "Tariff", Num(v.tarif));
    Text_Child(var, "Unit", Num(v.device));
    Text_Child(var, "Data_Field", v.DataFieldStr());
    Text_Child(var, "Function_Field", v.FunctionFieldStr());
    Text_Child(var, "Type", v.Desc_Type_Data());
    Text_Child(var, "Value", v.ValueStr());
    Text_Child(var, "DIF", v.DIF());
    Text_Child(var, "VIF", QStringLiteral("$%1").arg(v.VIF, 2, 16, QLatin1Char('0')).toUpper());
    Text_Child(var, "DIFE", v.DIFE());
    Text_Child(var, "VIFE", v.VIFE());
    Text_Child(var, "DATA", "$" + v.totdati());
  }
}

}  // namespace

void Save_XML_File_DLL(const TList_Slave_MBus& list, const QString& path) {
  Xml_Document doc;
  Xml_Node root = doc.Add_Root(QStringLiteral("SCAN_M-Bus_Wired"));
  for (const auto& meter : list) {
    Xml_Node node = root.Add_Child(QStringLiteral("Node"));
    node.Set_Attribute("Primary_Address", Num(meter->Primary_Addresss));
    node.Set_Attribute("Secondary_Address", Xml_Safe(meter->Secondary_Addresss));
    node.Set_Attribute("Manufacturer", Xml_Safe(meter->descManufacture) + " (" + Num(meter->Manufacture) + ")");
    node.Set_Attribute("Version", Num(meter->Version));
    node.Set_Attribute("Type", Num(meter->Medium));
    Write_Records(node, meter->List_Var);
  }
  doc.Save(path);
}

void Save_Wireless_XML_File_DLL(const TList_Slave_wMBus& list, const QString& path) {
  Xml_Document doc;
  Xml_Node root = doc.Add_Root(QStringLiteral("SCAN_M-Bus_Wireless"));
  for (const auto& meter : list) {
    Xml_Node node = root.Add_Child(QStringLiteral("Node"));
    node.Set_Attribute("Manufacturer", Xml_Safe(meter->ALA_Manu_str));
    node.Set_Attribute(
        "Address",
        QStringLiteral("%1").arg(static_cast<uint32_t>(meter->ALA_Address), 8, 16, QLatin1Char('0')).toUpper());
    node.Set_Attribute("Version", Num(meter->ALA_Version));
    node.Set_Attribute("Device_Type", Num(meter->ALA_DeviceType));
    node.Set_Attribute("Cripted", meter->Cripted ? "True" : "False");
    Write_Records(node, meter->List_Var);
  }
  doc.Save(path);
}
