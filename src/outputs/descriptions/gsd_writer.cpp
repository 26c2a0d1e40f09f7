// The GSD file: Windows-1252 text, every line (the last one too) ended by CR LF.
//
//   header box        85 columns of comment: title, vendor block, function, order number
//   #Profibus_DP
//   banners           ";====" comment boxes before each group of keywords
//   Prm-Text-Def-List, Ext-User-Prm-Data-Def-List, General DP Keywords,
//   Supported baudrates, Slave specific values (Max_Module, Max_Input_Len,
//   Max_Output_Len, Max_Data_Len computed), User-Prm-Data, Modulstatus
//   Module-Definition-List
//     Module="DI  (PORTn)    " <identifier bytes>    input modules first,
//     n                                              then the output modules
//     EndModule                                      ("DO  (PORTn)    ")
//   SlotDefinition    Slot(c) = "Slot c" c c, one per module
//
// Identifier bytes. A block of up to 64 bytes uses the special format
// 0x42 (input) or 0x82 (output), then the length minus one, then 0x00 and the
// module number. In per-variable mode an item of up to 16 bytes uses the
// one-byte form 0x10 + length - 1; a longer one the special format.
#include "outputs/descriptions/gsd_writer.h"

#include <QStringList>
#include <algorithm>

#include "outputs/descriptions/description_file_error.h"
#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"
#include "platform/config_document.h"
#include "platform/file_resolver.h"
#include "platform/xml_document.h"

namespace {

constexpr int kBlock = 64;  // bytes of one block module
constexpr int kMax_Compact = 16;

using config_document::Attribute_Number;
using config_document::Attribute_Number_Or;

QString Hex2(int32_t value) {
  return QString::number(static_cast<uint32_t>(value), 16).toUpper().rightJustified(2, '0');
}

int32_t Blocks(int32_t length) { return length > 0 ? (length + kBlock - 1) / kBlock : 0; }

// A node counts unless Enable_Node is a number other than 1; a scan-written
// node without Enable_Node is off only when its Node_Enable is "0".
bool Node_Counts(const Xml_Node& nodo) {
  if (nodo.Find_Attribute(QStringLiteral("Enable_Node"))) {
    const std::optional<int32_t> enable = Attribute_Number(nodo, QStringLiteral("Enable_Node"));
    return !enable || *enable == 1;
  }
  return nodo.Find_Attribute(QStringLiteral("Node_Enable")) != QStringLiteral("0");
}

bool Variable_Counts(const Xml_Node& variabile) {
  const std::optional<int32_t> enable = Attribute_Number(variabile, QStringLiteral("Enable"));
  return !enable || *enable == 1;
}

int32_t Variable_Size(const Xml_Node& v, const QString& where) {
  int32_t size = 0;
  if (Attribute_Number_Or(v, QStringLiteral("Type"), 0) == 20 &&
      Attribute_Number_Or(v, QStringLiteral("TP_Mod_Regs"), 0) == 1) {
    size = 6;
  } else if (v.Find_Attribute(QStringLiteral("ForceInteger32")) == QStringLiteral("1")) {
    size = 4;
  } else {
    const std::optional<int32_t> dim = Attribute_Number(v, QStringLiteral("Dim"));
    if (!dim) throw Description_File_Error(where + QStringLiteral(": the Dim is missing or not a number."));
    // Bytes of the dimensions 8, 16, 32, 64, 24, 48 and 32-bit real; 7 is variable length.
    constexpr int32_t kBytes[] = {1, 2, 4, 8, 3, 6, 4};
    if (*dim >= 0 && *dim < 7)
      size = kBytes[*dim];
    else if (*dim == 7)
      size = static_cast<uint8_t>(Attribute_Number_Or(v, QStringLiteral("Length"), 0));
    else
      size = 2;
  }
  if (v.Find_Attribute(QStringLiteral("Scale")) == QStringLiteral("1")) size += 1;
  // One module carries 1 to 64 bytes; anything else has no identifier.
  if (size < 1 || size > kBlock)
    throw Description_File_Error(
        where + QStringLiteral(": an item of %1 bytes does not fit one module (1 to %2 bytes).").arg(size).arg(kBlock));
  return size;
}

void Add_Network_Modules(const QString& m_bus_path, GSD_Modules& m) {
  Xml_Document doc;
  if (!config_document::Load(doc, m_bus_path)) return;
  const Xml_Node root = doc.Root();
  if (!root.Is_Element()) return;
  auto add = [&m](int32_t size) {
    m.Input_Modules += 1;
    m.Input_Sizes.push_back(size);
    m.Input_Length += size;
  };
  // Element children only, each list walked once: a comment is no node or variable.
  int n = 0;
  for (Xml_Node nodo = root.First_Child(); !nodo.Is_Null(); nodo = nodo.Next_Sibling()) {
    if (!nodo.Is_Element()) continue;
    ++n;
    if (!Node_Counts(nodo)) continue;
    if (Attribute_Number_Or(nodo, QStringLiteral("Node_State"), 0) > 0) add(1);
    if (Attribute_Number_Or(nodo, QStringLiteral("Ident_Num"), 0) > 0) add(4);
    int v = 0;
    for (Xml_Node variable = nodo.First_Child(); !variable.Is_Null(); variable = variable.Next_Sibling()) {
      if (!variable.Is_Element()) continue;
      ++v;
      if (!Variable_Counts(variable)) continue;
      add(Variable_Size(variable, QStringLiteral("M_Bus.xml, node %1, variable %2").arg(n).arg(v)));
    }
  }
}

// --- the text ---

class Lines {
 public:
  void Add(const QString& line) { lines_.push_back(line); }
  void Add(std::initializer_list<const char*> lines) {
    for (const char* line : lines) lines_.push_back(QString::fromLatin1(line));
  }
  void Empty(int count = 1) {
    for (int i = 0; i < count; ++i) lines_.push_back(QString());
  }
  void Banner(const QString& title, int width) {
    const QString rule = QStringLiteral(";") + QString(width - 1, '=');
    const QString middle = QStringLiteral(";==== ") + title + QLatin1Char(' ');
    lines_ << rule << middle + QString(std::max<qsizetype>(0, width - middle.size()), '=') << rule;
  }
  // ";* <text>" padded with blanks to 84 columns and closed by "*".
  void Box(const QString& text) {
    QString line = QStringLiteral(";*") + text;
    lines_.push_back(line.leftJustified(84, ' ') + QLatin1Char('*'));
  }
  QByteArray Bytes() const {
    QString text;
    for (const QString& line : lines_) text += line + QStringLiteral("\r\n");
    return ansi::Encode(text);
  }

 private:
  QStringList lines_;
};

void Add_Header(Lines& out) {
  const QString rule = QStringLiteral(";* ") + QString(80, '=') + QStringLiteral(" *");
  out.Add(QStringLiteral(";"));
  out.Add(QStringLiteral(";*********************** Gateway M-BUS to PROFIBUS Slave ****************************"));
  out.Add(rule);
  out.Box(QString());
  // The vendor block.
  out.Box(QStringLiteral(" Vendor:   Kelvra"));
  const QString indent(11, ' ');
  out.Box(indent + QStringLiteral("Street address"));
  out.Box(indent + QStringLiteral("Postal code and town"));
  out.Box(indent + QStringLiteral("Province and country"));
  out.Box(indent + QStringLiteral("Tel. : telephone number"));
  out.Box(indent + QStringLiteral("FAX. : fax number"));
  out.Box(indent + QStringLiteral("eMail: support address"));
  out.Box(QString());
  out.Add(rule);
  out.Box(QString());
  out.Box(QStringLiteral(" Function:       Gateway M-Bus to ProfiBus Slave"));
  out.Box(QString());
  out.Box(QString());
  out.Box(QStringLiteral(" Order Number : HD58232"));
  out.Box(QString());
  out.Box(QString());
  out.Add(QStringLiteral(";") + QString(84, '*'));
}

void Add_Fixed_Definitions(Lines& out) {
  out.Empty(2);
  out.Add({"#Profibus_DP"});
  out.Empty(2);

  out.Banner(QStringLiteral("Prm-Text-Def-List"), 85);
  out.Add({"",
           "PrmText=1",
           "Text(0)=\"disable\"",
           "Text(1)=\"enable\"",
           "EndPrmText",
           "",
           "PrmText  = 2",
           "Text(0)  = \"clock up\"",
           "Text(1)  = \"clock down\"",
           "EndPrmText",
           "",
           "PrmText  = 3",
           "Text(1)  = \"10\"",
           "Text(2)  = \"20\"",
           "Text(3)  = \"30\"",
           "Text(4)  = \"40\"",
           "Text(5)  = \"50\"",
           "EndPrmText",
           "",
           ""});

  out.Banner(QStringLiteral("Ext-User-Prm-Data-Def-List"), 86);
  out.Add({"",
           "ExtUserPrmData=1 \"[SlotNumber]\"",
           "Unsigned8 0 0-32",
           "EndExtUserPrmData",
           "",
           "ExtUserPrmData=2 \"Diagnostic Alarm\"",
           "Bit(0) 0 0-1",
           "Prm_Text_Ref=1",
           "EndExtUserPrmData",
           "",
           "ExtUserPrmData=3 \"Process Alarm\"",
           "Bit(1) 0 0-1",
           "Prm_Text_Ref=1",
           "EndExtUserPrmData",
           "",
           "ExtUserPrmData=4 \"Counter mode\"",
           "Unsigned8 0 0-1",
           "Prm_Text_Ref=2",
           "EndExtUserPrmData",
           "",
           "ExtUserPrmData=5 \"Counter timebase (ms)\"",
           "Unsigned8 1 1-5",
           "Prm_Text_Ref=3",
           "EndExtUserPrmData",
           "",
           "ExtUserPrmData=6 \"Counter high-limit\"",
           "Unsigned16 65535 0-65535",
           "EndExtUserPrmData",
           "",
           "ExtUserPrmData=7 \"Counter low-limit\"",
           "Unsigned16 0 0-65535",
           "EndExtUserPrmData",
           "",
           ""});

  out.Banner(QStringLiteral("General DP Keywords"), 86);
  out.Add({"", "GSD_Revision = 5", "Vendor_Name = \"Kelvra\"", "Model_Name = \"HD58232\"", "Revision = \"1.00\"",
           "Ident_Number = 0xC7D5", "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0",
           "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2",
           "24V_Pins = 0", "", ""});

  out.Banner(QStringLiteral("Supported baudrates"), 79);
  out.Add({"",
           "9.6_supp = 1",
           "19.2_supp = 1",
           "45.45_supp = 1",
           "93.75_supp = 1",
           "187.5_supp = 1",
           "500_supp = 1",
           "1.5M_supp = 1",
           "3M_supp = 1",
           "6M_supp = 1",
           "12M_supp = 1",
           "",
           "MaxTsdr_9.6=15",
           "MaxTsdr_19.2=15",
           "MaxTsdr_45.45=15",
           "MaxTsdr_93.75=15",
           "MaxTsdr_187.5=15",
           "MaxTsdr_500=15",
           "MaxTsdr_1.5M=20",
           "MaxTsdr_3M=35",
           "MaxTsdr_6M=50",
           "MaxTsdr_12M=95",
           "",
           ""});
}

void Add_Slave_Values(Lines& out, const GSD_Modules& m) {
  out.Banner(QStringLiteral("Slave specific values"), 79);
  out.Add({"", "OrderNumber=\"HD58232\"", "Slave_Family = 9@Kelvra@HD58232", "Implementation_Type = \"VPC3+\"",
           "Info_Text=\"Kelvra: Gateway M-Bus to PROFIBUS Slave\"", "Bitmap_Device = \"DPV0_1N\"",
           "Bitmap_SF=\"DPV0_1S\"", "", "Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1",
           "Set_Slave_Add_supp=0", "", "Min_Slave_Intervall=6", "", "Modular_Station=1"});
  out.Add(QStringLiteral("Max_Module=%1").arg(m.Input_Modules + m.Output_Modules));
  out.Add({"Modul_Offset=1"});
  out.Add(QStringLiteral("Max_Input_Len=%1").arg(m.Input_Length));
  out.Add(QStringLiteral("Max_Output_Len=%1").arg(m.Output_Length));
  out.Add(QStringLiteral("Max_Data_Len=%1").arg(m.Input_Length + m.Output_Length));
  out.Add({"Max_Diag_Data_Len=18", "", "WD_Base_1ms_supp = 1", "Publisher_supp = 1", ""});

  out.Banner(QStringLiteral("User-Prm-Data"), 79);
  out.Add({"", "Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00", ""});

  out.Banner(QStringLiteral("Modulstatus"), 79);
  out.Add({"", "Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"", "Value(2)= \"Slot 1: Wrong module\"",
           "Value(3)= \"Slot 1: No module\"", "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27",
           "Value(1)= \"Slot 2: Module error\"", "Value(2)= \"Slot 2: Wrong module\"",
           "Value(3)= \"Slot 2: No module\"", "Unit_Diag_Area_End", "", ""});
}

void Add_Module(Lines& out, const char* kind, int number, const QString& identifier) {
  out.Add(QStringLiteral("Module=\"%1  (PORT%2)    \" %3").arg(QLatin1String(kind)).arg(number).arg(identifier));
  out.Add(QString::number(number));
  out.Add(QStringLiteral("EndModule"));
}

// The special format: head byte, length minus one, no manufacturer data but
// the module number.
QString Block_Identifier(const char* head, int32_t bytes, int number) {
  return QStringLiteral("0x%1,0x%2,0x00,0x%3").arg(QLatin1String(head), Hex2(bytes - 1), Hex2(number));
}

// Full blocks of 64 bytes and a last one with the rest.
int Add_Block_Modules(Lines& out, const char* kind, const char* head, int32_t length, int32_t modules, int number) {
  int32_t rest = length;
  for (int32_t i = 0; i < modules; ++i, ++number) {
    const int32_t bytes = i + 1 < modules ? kBlock : rest;
    Add_Module(out, kind, number, Block_Identifier(head, bytes, number));
    rest -= kBlock;
  }
  return number;
}

}  // namespace

std::optional<GSD_Modules> Read_GSD_Modules(const QString& par_gen_path, const QString& conf_dir) {
  Xml_Document doc;
  if (!config_document::Load(doc, par_gen_path)) return std::nullopt;
  const Xml_Node root = doc.Root();
  using config_document::Element_Number_Or;
  GSD_Modules m;
  // A length below zero has no modules and counts as none.
  m.Input_Length = std::max(0, Element_Number_Or(root, QStringLiteral("PROFI_NB_IN"), 0));
  m.Enable_TX = static_cast<uint8_t>(Element_Number_Or(root, QStringLiteral("Enable_TX"), 0));
  m.Working_Mode = static_cast<uint8_t>(Element_Number_Or(root, QStringLiteral("Working_mode"), 0));
  const bool outputs = m.Enable_TX == 1 || m.Working_Mode == 1;
  if (outputs) m.Output_Length = static_cast<uint8_t>(Element_Number_Or(root, QStringLiteral("PROFI_NB_OUT"), 0));
  m.Per_Variable = Element_Number_Or(root, QStringLiteral("PROFI_GSD"), 0);

  if (m.Per_Variable == 0) {
    m.Input_Modules = Blocks(m.Input_Length);
  } else {
    m.Input_Length = 0;
    if (outputs) {
      // The first module carries the two status bytes of the transmit handshake.
      m.Input_Modules = 1;
      m.Input_Sizes.push_back(2);
      m.Input_Length = 2;
    }
    Add_Network_Modules(file_resolver::Resolve(conf_dir, QStringLiteral("M_Bus.xml")), m);
  }
  // Output modules follow the output length in both modes, with or without M_Bus.xml.
  m.Output_Modules = outputs ? Blocks(m.Output_Length) : 0;
  return m;
}

QString GSD_File_Name(const QString& chosen) {
  const qsizetype at = chosen.toLower().indexOf(QStringLiteral(".gsd"));
  if (at >= 0 && at + 4 == chosen.size()) return chosen;
  return chosen + QStringLiteral(".gsd");
}

QByteArray GSD_Text(const GSD_Modules& m) {
  Lines out;
  Add_Header(out);
  Add_Fixed_Definitions(out);
  Add_Slave_Values(out, m);

  out.Banner(QStringLiteral("Module-Definition-List"), 79);
  out.Empty();
  int number = 1;
  if (m.Per_Variable != 0) {
    for (int32_t size : m.Input_Sizes) {
      const QString identifier =
          size <= kMax_Compact ? QStringLiteral("0x") + Hex2(size + 15) : Block_Identifier("42", size, number);
      Add_Module(out, "DI", number++, identifier);
    }
  } else {
    number = Add_Block_Modules(out, "DI", "42", m.Input_Length, m.Input_Modules, number);
  }
  Add_Block_Modules(out, "DO", "82", m.Output_Length, m.Output_Modules, number);

  out.Empty(3);
  out.Add(QStringLiteral("SlotDefinition"));
  const int32_t slots = m.Input_Modules + m.Output_Modules;
  for (int32_t c = 1; c <= slots; ++c) out.Add(QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1").arg(c));
  out.Add(QStringLiteral("EndSlotDefinition"));
  out.Empty(4);
  return out.Bytes();
}

void Write_GSD_File(const QString& path, const GSD_Modules& modules) { atomic_file::Write(path, GSD_Text(modules)); }
