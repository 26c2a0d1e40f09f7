// The GSDML file: an XML declaration naming iso-8859-1, a comment, and the
// ISO15745Profile element with ProfileHeader and ProfileBody (device
// identity, device access point, one module with one input and one output
// data item, value, category and text lists). Each element, end tag or comment
// stands on its own line, indented by one tab per level; every line ends with
// CR LF. Only three values change: the station name (ImplementationType and
// DNS_CompatibleName of the access point) and the two data item lengths.
#include "outputs/descriptions/gsdml_writer.h"

#include <QStringList>
#include <tuple>
#include <utility>
#include <vector>

#include "outputs/descriptions/description_file_error.h"
#include "platform/atomic_file.h"
#include "platform/config_document.h"
#include "platform/xml_document.h"
#include "shell/core/globals.h"

namespace {

using Attributes = std::vector<std::pair<const char*, QString>>;

QString Escape(const QString& value) {
  QString out;
  for (char32_t c : value.toUcs4()) {
    switch (c) {
      case '&':
        out += QStringLiteral("&amp;");
        break;
      case '<':
        out += QStringLiteral("&lt;");
        break;
      case '>':
        out += QStringLiteral("&gt;");
        break;
      case '"':
        out += QStringLiteral("&quot;");
        break;
      case '\'':
        out += QStringLiteral("&apos;");
        break;
      // A parser turns these into blanks in an attribute unless they are references.
      case '\t':
      case '\n':
      case '\r':
        out += QStringLiteral("&#%1;").arg(static_cast<uint32_t>(c));
        break;
      default:
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
          throw Description_File_Error(
              QStringLiteral("The station name holds the control character U+%1, which the GSDML file cannot carry.")
                  .arg(static_cast<uint32_t>(c), 4, 16, QLatin1Char('0')));
        if (c > 0xFF)
          out += QStringLiteral("&#x%1;").arg(QString::number(static_cast<uint32_t>(c), 16).toUpper());
        else
          out += QChar(static_cast<char16_t>(c));
    }
  }
  return out;
}

class Writer {
 public:
  void Line(const QString& text) { lines_ << QString(depth_, '\t') + text; }
  void Open(const char* name, const Attributes& attributes = {}) {
    Line(QLatin1Char('<') + Tag(name, attributes) + QLatin1Char('>'));
    ++depth_;
  }
  void Close(const char* name) {
    --depth_;
    Line(QStringLiteral("</%1>").arg(QLatin1String(name)));
  }
  void Empty(const char* name, const Attributes& attributes) {
    Line(QLatin1Char('<') + Tag(name, attributes) + QStringLiteral("/>"));
  }
  void Text(const char* name, const char* text) {
    Line(QStringLiteral("<%1>%2</%1>").arg(QLatin1String(name), QLatin1String(text)));
  }
  void Comment(const QString& text) { Line(QStringLiteral("<!--") + text + QStringLiteral("-->")); }
  QByteArray Bytes() const {
    QString text;
    for (const QString& line : lines_) text += line + QStringLiteral("\r\n");
    return text.toLatin1();
  }

 private:
  static QString Tag(const char* name, const Attributes& attributes) {
    QString tag = QLatin1String(name);
    for (const auto& [key, value] : attributes)
      tag += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(key), Escape(value));
    return tag;
  }

  QStringList lines_;
  int depth_ = 0;
};

QString S(const char* text) { return QString::fromLatin1(text); }

void Add_Header(Writer& w) {
  w.Open("ProfileHeader");
  w.Text("ProfileIdentification", "PROFINET Device Profile");
  w.Text("ProfileRevision", "1.00");
  w.Text("ProfileName", "Device Profile for PROFINET Devices");
  w.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
  w.Text("ProfileClassID", "Device");
  w.Open("ISO15745Reference");
  w.Text("ISO15745Part", "4");
  w.Text("ISO15745Edition", "1");
  w.Text("ProfileTechnology", "GSDML");
  w.Close("ISO15745Reference");
  w.Close("ProfileHeader");
}

void Add_Access_Point(Writer& w, const GSDML_Parameters& p) {
  w.Open("DeviceAccessPointList");
  w.Open("DeviceAccessPointItem", {{"PNIO_Version", S("V2.3")},
                                   {"RequiredSchemaVersion", S("V2.25")},
                                   {"ID", S("IDD_1")},
                                   {"PhysicalSlots", S("0..4")},
                                   {"ModuleIdentNumber", S("0x00000001")},
                                   {"MinDeviceInterval", S("64")},
                                   {"ImplementationType", p.Station_Name},
                                   {"DNS_CompatibleName", p.Station_Name},
                                   {"FixedInSlots", S("0")},
                                   {"ObjectUUID_LocalIndex", S("1")},
                                   {"MultipleWriteSupported", S("true")},
                                   {"MaxSupportedRecordSize", S("8192")},
                                   {"ParameterizationSpeedupSupported", S("true")},
                                   {"PowerOnToCommReady", S("350")},
                                   {"DeviceAccessSupported", S("true")},
                                   {"SharedDeviceSupported", S("true")},
                                   {"CheckDeviceID_Allowed", S("false")},
                                   {"NameOfStationNotTransferable", S("true")}});
  w.Open("ModuleInfo");
  w.Empty("Name", {{"TextId", S("IDT_NAME_DAP1")}});
  w.Empty("InfoText", {{"TextId", S("IDT_INFO_DAP1")}});
  w.Empty("VendorName", {{"Value", S("Kelvra")}});
  w.Empty("OrderNumber", {{"Value", S("HD58276-B2")}});
  w.Close("ModuleInfo");
  w.Open("SubslotList");
  w.Empty("SubslotItem", {{"SubslotNumber", S("1")}, {"TextId", S("IDT_SUBSLOT_1")}});
  w.Empty("SubslotItem", {{"SubslotNumber", S("32768")}, {"TextId", S("IDT_SUBSLOT_Interface")}});
  w.Empty("SubslotItem", {{"SubslotNumber", S("32769")}, {"TextId", S("IDT_SUBSLOT_Port1")}});
  w.Empty("SubslotItem", {{"SubslotNumber", S("32770")}, {"TextId", S("IDT_SUBSLOT_Port2")}});
  w.Close("SubslotList");
  w.Empty("IOConfigData",
          {{"MaxInputLength", S("1440")}, {"MaxOutputLength", S("1440")}, {"MaxDataLength", S("2880")}});
  w.Open("UseableModules");
  w.Empty("ModuleItemRef", {{"ModuleItemTarget", S("IDM_1")}, {"FixedInSlots", S("1")}});
  w.Close("UseableModules");
  w.Open("VirtualSubmoduleList");
  w.Open("VirtualSubmoduleItem", {{"ID", S("IDS_V1")}, {"SubmoduleIdentNumber", S("0x00000000")}});
  w.Empty("IOData", {{"IOPS_Length", S("1")}, {"IOCS_Length", S("1")}});
  w.Open("ModuleInfo");
  w.Empty("Name", {{"TextId", S("IDT_NAME_VS1")}});
  w.Empty("InfoText", {{"TextId", S("IDT_INFO_VS1")}});
  w.Close("ModuleInfo");
  w.Close("VirtualSubmoduleItem");
  w.Close("VirtualSubmoduleList");
  w.Open("SystemDefinedSubmoduleList");
  w.Open("InterfaceSubmoduleItem", {{"ID", S("IDS_I")},
                                    {"SubmoduleIdentNumber", S("0x00000001")},
                                    {"SubslotNumber", S("32768")},
                                    {"TextId", S("IDT_NAME_IS")},
                                    {"SupportedRT_Classes", S("RT_CLASS_1")},
                                    {"SupportedProtocols", S("SNMP;LLDP")},
                                    {"SupportedMibs", S("MIB2")}});
  w.Open("ApplicationRelations", {{"NumberOfAR", S("2")}});
  w.Empty("TimingProperties", {{"SendClock", S("32")}, {"ReductionRatio", S("1 2 4 8 16 32 64 128 256 512")}});
  w.Close("ApplicationRelations");
  w.Close("InterfaceSubmoduleItem");
  for (const auto& [id, slot, text] :
       {std::tuple{"IDS_P1", "32769", "IDT_NAME_PS1"}, {"IDS_P2", "32770", "IDT_NAME_PS2"}})
    w.Empty("PortSubmoduleItem", {{"ID", S(id)},
                                  {"SubmoduleIdentNumber", S("0x00000002")},
                                  {"SubslotNumber", S(slot)},
                                  {"TextId", S(text)},
                                  {"MaxPortRxDelay", S("350")},
                                  {"MaxPortTxDelay", S("160")}});
  w.Close("SystemDefinedSubmoduleList");
  w.Comment(S("This element tells the engineering tool that the DAP supports fieldbus integration (slot clusters)."));
  w.Comment(S("<FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/>"));
  w.Close("DeviceAccessPointItem");
  w.Close("DeviceAccessPointList");
}

void Add_Module(Writer& w, const GSDML_Parameters& p) {
  w.Open("ModuleList");
  w.Comment(S("The \"normal\" module carrying the FAP."));
  w.Open("ModuleItem", {{"ID", S("IDM_1")}, {"ModuleIdentNumber", S("0x00000002")}});
  w.Open("ModuleInfo");
  w.Empty("Name", {{"TextId", S("IDT_NAME_M1")}});
  w.Empty("InfoText", {{"TextId", S("IDT_INFO_M1")}});
  w.Empty("OrderNumber", {{"Value", S("12345-0040-M")}});
  w.Close("ModuleInfo");
  w.Open("VirtualSubmoduleList");
  w.Open("VirtualSubmoduleItem", {{"ID", S("IDM_1")}, {"SubmoduleIdentNumber", S("0x00000001")}});
  w.Open("IOData", {{"IOPS_Length", S("1")}, {"IOCS_Length", S("1")}});
  w.Open("Input");
  w.Empty("DataItem",
          {{"DataType", S("OctetString")}, {"Length", QString::number(p.Input_Length)}, {"TextId", S("IDT_Input_1")}});
  w.Close("Input");
  w.Open("Output");
  w.Empty(
      "DataItem",
      {{"DataType", S("OctetString")}, {"Length", QString::number(p.Output_Length)}, {"TextId", S("IDT_Output_1")}});
  w.Close("Output");
  w.Close("IOData");
  w.Open("RecordDataList");
  w.Open("ParameterRecordDataItem", {{"Index", S("128")}, {"Length", S("2")}});
  w.Empty("Name", {{"TextId", S("IDT_NAME_M1_IDT_REF_channel")}});
  w.Empty("Const", {{"ByteOffset", S("0")}, {"Data", S("0x00,0x00")}});
  w.Empty("Ref", {{"TextId", S("IDT_REF_reaction_to_cpu_stop")},
                  {"Visible", S("true")},
                  {"DataType", S("BitArea")},
                  {"ByteOffset", S("0")},
                  {"BitOffset", S("0")},
                  {"BitLength", S("2")},
                  {"DefaultValue", S("2")},
                  {"AllowedValues", S("0..2")},
                  {"ValueItemTarget", S("IDV_reaction_to_cpu_stop")},
                  {"ID", S("IDT_REF_reaction_to_cpu_stop")}});
  w.Open("MenuList");
  w.Open("MenuItem", {{"ID", S("IDT_NAME_M1_IDT_REF_channel")}});
  w.Empty("Name", {{"TextId", S("IDT_NAME_M1_IDT_REF_channel")}});
  w.Empty("MenuRef", {{"MenuTarget", S("IDT_NAME_M1_Base_Parameters")}});
  w.Close("MenuItem");
  w.Open("MenuItem", {{"ID", S("IDT_NAME_M1_Base_Parameters")}});
  w.Empty("Name", {{"TextId", S("IDT_NAME_M1_Base_Parameters")}});
  w.Empty("ParameterRef", {{"ParameterTarget", S("IDT_REF_reaction_to_cpu_stop")}});
  w.Close("MenuItem");
  w.Close("MenuList");
  w.Close("ParameterRecordDataItem");
  w.Close("RecordDataList");
  w.Open("ModuleInfo");
  w.Empty("Name", {{"TextId", S("IDT_NAME_M1")}});
  w.Empty("InfoText", {{"TextId", S("IDT_INFO_M1")}});
  w.Close("ModuleInfo");
  w.Close("VirtualSubmoduleItem");
  w.Close("VirtualSubmoduleList");
  w.Close("ModuleItem");
  w.Close("ModuleList");
}

void Add_Lists(Writer& w) {
  w.Open("ValueList");
  w.Open("ValueItem", {{"ID", S("IDV_reaction_to_cpu_stop")}});
  w.Open("Assignments");
  w.Empty("Assign", {{"Content", S("0")}, {"TextId", S("IDT_ASSIGN_do_set_substitude_values")}});
  w.Empty("Assign", {{"Content", S("1")}, {"TextId", S("IDT_ASSIGN_do_values_will_hold")}});
  w.Empty("Assign", {{"Content", S("2")}, {"TextId", S("IDT_ASSIGN_do_continue_counting")}});
  w.Close("Assignments");
  w.Close("ValueItem");
  w.Close("ValueList");

  w.Open("CategoryList");
  for (const auto& [id, text, info] :
       {std::tuple{"IDC_DI", "IDT_CATEGORY_DI", "IDT_INFO_DI"}, {"IDC_DO", "IDT_CATEGORY_DO", "IDT_INFO_DO"}}) {
    w.Open("CategoryItem", {{"ID", S(id)}, {"TextId", S(text)}});
    w.Empty("InfoText", {{"TextId", S(info)}});
    w.Close("CategoryItem");
  }
  w.Close("CategoryList");

  static constexpr std::pair<const char*, const char*> Texts[] = {
      {"IDT_INFO_Device", "Kelvra Gateways"},
      {"IDT_NAME_DAP1", "ZOzeriza"},
      {"IDT_INFO_DAP1", "Profinet MBUS master Adapter"},
      {"IDT_SUBSLOT_1", "Subslot 1"},
      {"IDT_SUBSLOT_Interface", "Interface"},
      {"IDT_SUBSLOT_Port1", "Port 1"},
      {"IDT_SUBSLOT_Port2", "Port 2"},
      {"IDT_RECORD_NAME_Head", "Parameters of head module"},
      {"IDT_REF_Power", "Percent power"},
      {"IDT_NAME_VS1", "Submodule V1"},
      {"IDT_INFO_VS1", "Description of submodule V1"},
      {"IDT_NAME_IS", "I"},
      {"IDT_NAME_PS1", "P1"},
      {"IDT_NAME_PS2", "P2"},
      {"IDT_NAME_M1", "Module"},
      {"IDT_INFO_M1", "dispositivo MBUS"},
      {"IDT_NAME_FAP", "FAP for MBUS"},
      {"IDT_INFO_FAP", "Description of FAP for MBUS"},
      {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
      {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
      {"IDT_NAME_M_PB1", "MBUS master "},
      {"IDT_INFO_M_PB1", "Description of MBUS master"},
      {"IDT_NAME_S_PB1", "Module of a MBUS master"},
      {"IDT_INFO_S_PB1", "Description of module of a MBUS master"},
      {"IDT_PB_Input", "Digital input MBUS master"},
      {"IDT_PB_InputBit0", "Digital input bit MBUS master"},
      {"IDT_NAME_S1", "Submodule 1"},
      {"IDT_INFO_S1", "Description of submodule 1"},
      {"IDT_Input_1", "Input byte"},
      {"IDT_Output_1", "Output word"},
      {"IDT_CATEGORY_DI", "Digital Input"},
      {"IDT_INFO_DI", "Description of digital input"},
      {"IDT_CATEGORY_DO", "Digital output"},
      {"IDT_INFO_DO", "Description of digital output"},
      {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
      {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
      {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
      {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
      {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
      {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
  };
  constexpr size_t count = std::size(Texts);
  w.Open("ExternalTextList");
  w.Open("PrimaryLanguage");
  for (size_t i = 0; i < count; ++i) {
    const auto& [id, value] = Texts[i];
    // The last three carry Value first, as the template always had them.
    if (i + 3 >= count)
      w.Empty("Text", {{"Value", S(value)}, {"TextId", S(id)}});
    else
      w.Empty("Text", {{"TextId", S(id)}, {"Value", S(value)}});
  }
  w.Close("PrimaryLanguage");
  w.Close("ExternalTextList");
}

}  // namespace

QString GSDML_Fixed_First_Part() { return QStringLiteral("GSDML-V2.31-Kelvra-HD58276"); }

QString GSDML_Fixed_Last_Part(const QDate& date) {
  return QStringLiteral("-") + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".xml");
}

bool Is_Valid_GSDML_User_Part(const QString& user_part) {
  if (user_part == QLatin1String(".") || user_part == QLatin1String("..")) return false;
  for (QChar c : user_part) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    if (QStringLiteral("/\\<>:\"|?*").contains(c)) return false;
  }
  return true;
}

QString GSDML_File_Name(const QString& user_part, const QDate& date) {
  QString middle;
  if (!user_part.trimmed().isEmpty())
    middle = user_part.startsWith(QLatin1Char('_')) ? user_part : QStringLiteral("_") + user_part;
  return GSDML_Fixed_First_Part() + middle + GSDML_Fixed_Last_Part(date);
}

GSDML_Parameters Read_GSDML_Parameters(const QString& par_gen_path) {
  GSDML_Parameters p;
  Xml_Document doc;
  if (config_document::Load(doc, par_gen_path)) {
    const Xml_Node root = doc.Root();
    p.Input_Length = config_document::Element_Number_Or(root, QStringLiteral("PROFINET_NB_OUT"), 1439);
    p.Station_Name = config_document::Element_Text(root, QStringLiteral("PROFINET_NAME_STA")).value_or(QString());
  }
  if (p.Station_Name.trimmed().isEmpty()) p.Station_Name = QStringLiteral("devicename9");
  return p;
}

QByteArray GSDML_Text(const GSDML_Parameters& p) {
  Writer w;
  w.Line(S("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>"));
  w.Comment(S("A fieldbus integration example."));
  const QString ns = QStringLiteral("http://www.profibus.com/GSDML/2003/11/DeviceProfile");
  w.Open("ISO15745Profile", {{"xmlns", ns},
                             {"xmlns:xsi", S("http://www.w3.org/2001/XMLSchema-instance")},
                             {"xsi:schemaLocation", ns + QStringLiteral(" ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd")}});
  Add_Header(w);
  w.Open("ProfileBody");
  w.Open("DeviceIdentity", {{"VendorID", S("0x3A2C")}, {"DeviceID", S("0x00E4")}});
  w.Empty("InfoText", {{"TextId", S("IDT_INFO_Device")}});
  w.Empty("VendorName", {{"Value", S("Kelvra")}});
  w.Close("DeviceIdentity");
  w.Open("DeviceFunction");
  w.Empty("Family", {{"MainFamily", S("Gateway")}, {"ProductFamily", S("HD58276")}});
  w.Close("DeviceFunction");
  w.Open("ApplicationProcess");
  Add_Access_Point(w, p);
  Add_Module(w, p);
  Add_Lists(w);
  w.Close("ApplicationProcess");
  w.Close("ProfileBody");
  w.Close("ISO15745Profile");
  return w.Bytes();
}

void Write_GSDML_File(const QString& path, const QString& par_gen_path) {
  atomic_file::Write(path, GSDML_Text(Read_GSDML_Parameters(par_gen_path)));
}

void Write_GSDML_File(const QString& path) { Write_GSDML_File(path, Path_ParGen_XML); }
