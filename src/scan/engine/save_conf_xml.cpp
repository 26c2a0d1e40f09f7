#include "scan/engine/save_conf_xml.h"

#include "platform/xml_document.h"

namespace {

QString Num(int64_t value) { return QString::number(value); }

// Meter texts come off the wire; characters XML cannot carry would make the file unreadable.
QString Xml_Safe(const QString& text) {
  QString out = text;
  for (qsizetype i = 0; i < out.size(); ++i) {
    const char16_t c = out[i].unicode();
    const bool high = QChar::isHighSurrogate(c), low = QChar::isLowSurrogate(c);
    if (high && i + 1 < out.size() && QChar::isLowSurrogate(out[i + 1].unicode())) {
      ++i;
      continue;
    }
    if ((c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || c == 0xFFFE || c == 0xFFFF || high || low) out[i] = '?';
  }
  return out;
}

bool Is_Checked(const Tree_Check_State& checked, void* node) {
  if (node == nullptr || !checked) return true;
  try {
    return checked(node);
  } catch (...) {
    return true;
  }
}

// The register counter runs on 32 bits and wraps rather than overflow.
void Advance(int32_t& counter, int32_t step) {
  counter = static_cast<int32_t>(static_cast<uint32_t>(counter) + static_cast<uint32_t>(step));
}

Xml_Node Open_Root(Xml_Document& doc, const TSaveConfXML& data) {
  if (data.Append == 1) {
    doc.Load_File(data.File_Name);
    Xml_Node root = doc.Root();
    if (root.Is_Null() || !root.Is_Element()) throw Xml_Error(data.File_Name.toStdString() + ": no root element");
    return root;
  }
  return doc.Add_Root(QStringLiteral("M-Bus_Network"));
}

int32_t Start_Value(const TSaveConfXML& data, size_t meter) {
  if (data.StartModnode != 1) return data.Mod_Start;
  // Meters beyond the values the window handed over start at 1.
  return meter < data.SMN_Array.size() ? data.SMN_Array[meter] : 1;
}

void Write_Variable(Xml_Node nodo, const TVariable_MBus& v, int position, bool enabled, bool check_bcd,
                    int32_t register_value) {
  Xml_Node var = nodo.Add_Child(QStringLiteral("Variabile"));
  var.Set_Attribute("Enable", enabled ? "1" : "0");
  var.Set_Attribute("Position", Num(position));
  var.Set_Attribute("Desc", Xml_Safe(v.Desc_Type_Data()) + " (U" + Num(v.device) + "S" + Num(v.storage_number) + "T" +
                                Num(v.tarif) + ")");
  var.Set_Attribute("Type", Num(v.type_data));
  var.Set_Attribute("VIF_ASCII", v.type_data == 21 ? Xml_Safe(v.VIF_ASCII()) : QString());
  var.Set_Attribute("Fun_Field", Num(v.function_fild == 1 ? 2 : v.function_fild == 2 ? 1 : v.function_fild));
  var.Set_Attribute("Length", Num(v.dimension == 13 ? v.nbyte : 0));
  var.Set_Attribute("ModReg", Num(register_value));
  var.Set_Attribute("Dim", Num(Scan_Dim(v.dimension)));
  var.Set_Attribute("Unit", Num(v.device));
  var.Set_Attribute("StoNumber", Num(v.storage_number));
  var.Set_Attribute("Tariff", Num(v.tarif));
  var.Set_Attribute("VIFE", Num(v.Type_Data_Vife));
  var.Set_Attribute("ModScale", "0");
  var.Set_Attribute("BCDtoINT", v.Is_BCD && check_bcd ? "1" : "0");
  var.Set_Attribute("SWAP", "0");
}

}  // namespace

int32_t Scan_Dim(uint8_t dimension) {
  switch (dimension) {
    case 1:
    case 9:
      return 0;
    case 2:
    case 10:
      return 1;
    case 3:
    case 11:
      return 4;
    case 4:
    case 12:
      return 2;
    case 5:
      return 6;
    case 6:
    case 14:
      return 5;
    case 7:
      return 3;
    case 13:
      return 7;
    default:
      return 255;
  }
}

int32_t Scan_Register_Step(uint8_t dimension, int32_t nbyte) {
  switch (dimension) {
    case 1:
    case 2:
    case 9:
    case 10:
      return 1;
    case 3:
    case 4:
    case 5:
    case 11:
    case 12:
      return 2;
    case 6:
    case 14:
      return 3;
    case 7:
      return 4;
    case 13: {
      // (nbyte + 1) / 2 rounded to the nearest integer, a tie to the even one.
      const int32_t n = (nbyte < 0 ? 0 : nbyte) + 1;
      const int32_t half = n / 2;
      return n % 2 == 0 || half % 2 == 0 ? half : half + 1;
    }
    default:
      return 0;
  }
}

bool Save_XML_Conf_Wired(const TList_Slave_MBus& list, const TSaveConfXML& DataIn, bool Check_BCD,
                         const Tree_Check_State& checked) {
  if (list.empty()) return false;
  Xml_Document doc;
  Xml_Node root = Open_Root(doc, DataIn);
  int32_t counter = DataIn.Mod_Start;
  for (size_t m = 0; m < list.size(); ++m) {
    const TSlave_MBus& meter = *list[m];
    Xml_Node nodo = root.Add_Child(QStringLiteral("Nodo"));
    nodo.Set_Attribute("Node_Enable", Is_Checked(checked, meter.Node) ? "1" : "0");
    // Device types 1 and 2 read ID as the address of the node's addressing kind.
    if (DataIn.XML_Code_Dev == 10)
      nodo.Set_Attribute("ID",
                         DataIn.Node_ID_Type == 0 ? Num(meter.Primary_Addresss) : Xml_Safe(meter.Secondary_Addresss));
    nodo.Set_Attribute("ID_Primary", Num(meter.Primary_Addresss));
    nodo.Set_Attribute("ID_Secondary", Xml_Safe(meter.Secondary_Addresss));
    nodo.Set_Attribute("Node_ID_Type", Num(DataIn.Node_ID_Type));
    nodo.Set_Attribute("Descrizione", Xml_Safe(meter.descManufacture));
    nodo.Set_Attribute("Send_SND_NKE", DataIn.SND_NKE == 1 ? "1" : "0");
    nodo.Set_Attribute("Reset_App", DataIn.Reset_App == 1 ? "1" : "0");
    nodo.Set_Attribute("Cut_After", Num(DataIn.Cut_After));
    if (DataIn.StartModnode == 1) counter = Start_Value(DataIn, m);
    for (size_t r = 0; r < meter.List_Var.size(); ++r) {
      const TVariable_MBus& v = *meter.List_Var[r];
      const bool enabled = Is_Checked(checked, v.Node);
      Write_Variable(nodo, v, static_cast<int>(r) + 1, enabled, Check_BCD, counter);
      if (DataIn.StartModnode != 1 || enabled) Advance(counter, Scan_Register_Step(v.dimension, v.nbyte));
    }
  }
  doc.Save(DataIn.File_Name);
  return true;
}

bool Save_XML_Conf_Wireless(const TList_Slave_wMBus& list, const TSaveConfXML& DataIn, bool Check_BCD) {
  if (list.empty()) return false;
  Xml_Document doc;
  Xml_Node root = Open_Root(doc, DataIn);
  int32_t counter = DataIn.Mod_Start;
  for (size_t m = 0; m < list.size(); ++m) {
    const TSlave_wMBus& meter = *list[m];
    Xml_Node nodo = root.Add_Child(QStringLiteral("Nodo"));
    nodo.Set_Attribute("Node_Enable", meter.Enable ? "1" : "0");
    if (DataIn.XML_Code_Dev == 10) nodo.Set_Attribute("ID", "1");
    nodo.Set_Attribute("ID_Primary", "1");
    nodo.Set_Attribute("ID_Secondary", "1");
    nodo.Set_Attribute("Node_ID_Type", "0");
    nodo.Set_Attribute("Descrizione", Xml_Safe(meter.ALA_Manu_str));
    nodo.Set_Attribute("Send_SND_NKE", "0");
    nodo.Set_Attribute("Reset_App", "0");
    nodo.Set_Attribute("Cut_After", "3");
    nodo.Set_Attribute("MBus_Type", "0");
    nodo.Set_Attribute("wMBus_ManID", Num(meter.ALA_Manufacturer));
    // The editor reads the address as 0..0xFFFFFFFF: write it unsigned.
    nodo.Set_Attribute("wMBus_Add", Num(static_cast<uint32_t>(meter.ALA_Address)));
    nodo.Set_Attribute("wMBus_Ver", Num(meter.ALA_Version));
    nodo.Set_Attribute("wMBus_DevType", Num(meter.ALA_DeviceType));
    nodo.Set_Attribute("wMBus_En_Key", meter.Enable_Key ? "1" : "0");
    for (size_t k = 0; k < meter.Key.size(); ++k)
      nodo.Set_Attribute(QStringLiteral("wMBus_Key_%1").arg(k + 1), Num(meter.Key[k]));
    if (DataIn.StartModnode == 1) counter = Start_Value(DataIn, m);
    for (size_t r = 0; r < meter.List_Var.size(); ++r) {
      const TVariable_MBus& v = *meter.List_Var[r];
      if (!v.Real_Wireless_Var) continue;  // fillers keep their place in the numbering
      Write_Variable(nodo, v, static_cast<int>(r) + 1, v.Enable, Check_BCD, counter);
      if (DataIn.StartModnode != 1 || v.Enable) Advance(counter, Scan_Register_Step(v.dimension, v.nbyte));
    }
  }
  doc.Save(DataIn.File_Name);
  return true;
}
