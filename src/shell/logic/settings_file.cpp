#include "shell/logic/settings_file.h"

#include "platform/config_document.h"
#include "platform/xml_document.h"
#include "shell/core/globals.h"

namespace settings_file {
namespace {

const QString kDefault_IP_Address = QStringLiteral("192.168.2.205");
const QString kDefault_Language = QStringLiteral("English");

void Apply_Defaults() {
  Active_Conf_Name.clear();
  Active_Conf_Dir.clear();
  Last_IP_Address = kDefault_IP_Address;
  Cur_Language = kDefault_Language;
  Enable_Internet = false;
  Enable_Update = false;
  Enable_Jump_Field_Tables = false;
  Enable_Double_Click_Auto_Size = false;
}

Xml_Node Add_Value(Xml_Node parent, const QString& name, const QString& text) {
  Xml_Node child = parent.Add_Child(name);
  child.Set_Text(text);
  return child;
}

QString Flag_Text(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

QString Path() { return Dir_Program + QStringLiteral("/Orvanto.xml"); }

void Read(Xml_Document& document) {
  Active_Conf_Name.clear();
  try {
    if (!config_document::Load(document, Path())) {
      Apply_Defaults();
      return;
    }
  } catch (const Xml_Error&) {
    Apply_Defaults();
    return;
  }
  using config_document::Element_Flag;
  const Xml_Node root = document.Root();
  auto text = [&root](const char* group, const char* value, const QString& fallback) {
    return config_document::Element_Text(root.Child(QLatin1String(group)), QLatin1String(value)).value_or(fallback);
  };
  Active_Conf_Name = text("lastproj", "projectname", QString());
  Last_IP_Address = text("lastipadd", "ipaddress", kDefault_IP_Address);
  Cur_Language = text("lastlang", "language", kDefault_Language);
  // The name becomes a file name in LANGUAGE: one holding a path is none.
  if (Cur_Language.contains(QLatin1Char('/')) || Cur_Language.contains(QLatin1Char('\\')))
    Cur_Language = kDefault_Language;
  const Xml_Node options = root.Child(QStringLiteral("lastinternet"));
  Enable_Internet = Element_Flag(options, QStringLiteral("enable_internet"));
  Enable_Update = Element_Flag(options, QStringLiteral("enable_update"));
  Enable_Jump_Field_Tables = Element_Flag(options, QStringLiteral("enable_jump_field_tables"));
  Enable_Double_Click_Auto_Size = Element_Flag(options, QStringLiteral("Double_Click_Auto_Size"));
}

void Write(Xml_Document& document) {
  document.Clear();
  Xml_Node root = document.Add_Root(QStringLiteral("Conf_Settings"));
  Add_Value(root.Add_Child(QStringLiteral("lastproj")), QStringLiteral("projectname"), Active_Conf_Name);
  Add_Value(root.Add_Child(QStringLiteral("lastipadd")), QStringLiteral("ipaddress"), Last_IP_Address);
  Add_Value(root.Add_Child(QStringLiteral("lastlang")), QStringLiteral("language"), Cur_Language);
  Xml_Node options = root.Add_Child(QStringLiteral("lastinternet"));
  Add_Value(options, QStringLiteral("enable_internet"), Flag_Text(Enable_Internet));
  Add_Value(options, QStringLiteral("enable_update"), Flag_Text(Enable_Update));
  Add_Value(options, QStringLiteral("enable_jump_field_tables"), Flag_Text(Enable_Jump_Field_Tables));
  Add_Value(options, QStringLiteral("Double_Click_Auto_Size"), Flag_Text(Enable_Double_Click_Auto_Size));
  config_document::Save(document, Path());
}

}  // namespace settings_file
