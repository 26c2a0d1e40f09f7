// The EDS file, section by section (every line ends with CR LF, the text is
// Windows-1252, numbers in hexadecimal are upper case with a fixed least
// number of digits: hex2, hex4, hex8):
//
//   [FileInfo]            file name "MBus_CANopen.eds" whatever the real name,
//                         creation and modification date "mm-dd-yyyy" and
//                         time "hh:mmAM"/"hh:mmPM"
//   [DeviceInfo]          baud rates, NrOfRXPDO, NrOfTXPDO
//   [Comments], [DummyUsage]
//   [MandatoryObjects]    0x1000, 0x1001, 0x1018
//   [OptionalObjects]     8 fixed objects, then per PDO row: 0x1400+i, 0x1600+i
//                         (receive), 0x1800+i, 0x1A00+i (transmit), 0x7000+i,
//                         0x7050+i (the PDOs' data objects)
//   [ManufacturerObjects] one per distinct index of the SDO server file
//   fixed objects         1000 .. 1280sub3 (1280sub3 is followed directly by
//                         the next header, without an empty line)
//   PDO objects           communication, mapping (one 8-bit entry per data
//                         byte), data objects b1.., l1.. named per PDO
//   manufacturer objects  "App Vars"; a sub 0 "Largest Sub-Index supported"
//                         when the list does not start with sub-index 0;
//                         sub-index numbers in hexadecimal in the headers
//   one last empty line
#include "outputs/descriptions/eds_writer.h"

#include <QStringList>
#include <algorithm>
#include <array>

#include "outputs/descriptions/description_file_error.h"
#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"
#include "platform/config_document.h"
#include "platform/number_entry.h"
#include "platform/xml_document.h"
#include "shell/core/globals.h"

namespace {

const QString kPDO_File = QStringLiteral("PDO_CANopen.xml");
const QString kSDO_File = QStringLiteral("SDO_Server_CANopen.xml");

constexpr std::array<const char*, EDS_Max_PDOs> RPDO_Entry_Names = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr std::array<const char*, EDS_Max_PDOs> TPDO_Entry_Names = {
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

QString Hex(uint32_t value, int digits) { return QString::number(value, 16).toUpper().rightJustified(digits, '0'); }

// Calls `read(row, place)` for each element child of the list, in one pass (a
// comment in a hand-edited list is not a row). A list with more than
// `max_rows` rows is refused at the first row too many, without reading on.
template <class Read>
void For_Each_Row(const Xml_Node& list, const QString& file, const QString& name, int max_rows,
                  const QString& limit_text, Read read) {
  int number = 0;
  for (Xml_Node row = list.First_Child(); !row.Is_Null(); row = row.Next_Sibling()) {
    if (!row.Is_Element()) continue;
    ++number;
    const QString place = QStringLiteral("%1, %2 row %3").arg(file, name).arg(number);
    if (number > max_rows) throw Description_File_Error(place + QStringLiteral(": ") + limit_text);
    read(row, place);
  }
}

Xml_Node List_Element(const Xml_Node& root, const QString& file, const QString& name) {
  const Xml_Node list = root.Is_Element() ? root.Child(name) : Xml_Node();
  if (list.Is_Null()) throw Description_File_Error(QStringLiteral("%1 has no %2 list.").arg(file, name));
  return list;
}

void Read_PDO_List(const Xml_Node& root, const QString& name, std::vector<EDS_PDO>& out) {
  const QString limit = QStringLiteral("an EDS describes at most %1 PDOs of a kind.").arg(EDS_Max_PDOs);
  For_Each_Row(
      List_Element(root, kPDO_File, name), kPDO_File, name, EDS_Max_PDOs, limit,
      [&out](const Xml_Node& row, const QString& place) {
        const std::optional<QString> cob_id = row.Find_Attribute(QStringLiteral("COB-ID"));
        const std::optional<QString> dimension = row.Find_Attribute(QStringLiteral("Dimension"));
        if (!cob_id) throw Description_File_Error(place + QStringLiteral(": the COB-ID is missing."));
        if (!dimension) throw Description_File_Error(place + QStringLiteral(": the Dimension is missing."));
        // A value that is present but not a number is described as COB-ID 0 or 8 bytes.
        int32_t cob = 0;
        int32_t dim = 8;
        if (!Try_Read_Number(*cob_id, cob)) cob = 0;
        if (!Try_Read_Number(*dimension, dim)) dim = 8;
        // A mapping holds at most 64 bits: more than 8 bytes would describe a PDO
        // that no CANopen master accepts.
        if (dim < 0 || dim > 8)
          throw Description_File_Error(place + QStringLiteral(": the Dimension %1 is outside 0..8.").arg(*dimension));
        out.push_back({static_cast<uint32_t>(cob), static_cast<uint32_t>(dim)});
      });
}

int32_t SDO_Number(const Xml_Node& row, const QString& name, const QString& place) {
  const std::optional<QString> text = row.Find_Attribute(name);
  if (!text) throw Description_File_Error(place + QStringLiteral(": the %1 is missing.").arg(name));
  int32_t value = 0;
  if (!Try_Read_Number(*text, value))
    throw Description_File_Error(place + QStringLiteral(": the %1 \"%2\" is not a number.").arg(name, *text));
  return value;
}

void Read_SDO_List(const Xml_Node& root, const QString& name, bool read_only, std::vector<SDO_Index>& list) {
  const QString limit = QStringLiteral("an SDO server list holds at most %1 rows.").arg(EDS_Max_SDO_Rows);
  For_Each_Row(List_Element(root, kSDO_File, name), kSDO_File, name, EDS_Max_SDO_Rows, limit,
               [&list, read_only](const Xml_Node& row, const QString& place) {
                 const auto index = static_cast<uint16_t>(SDO_Number(row, QStringLiteral("Index"), place));
                 const auto sub = static_cast<uint8_t>(SDO_Number(row, QStringLiteral("SubIndex"), place));
                 const auto size = static_cast<uint8_t>(SDO_Number(row, QStringLiteral("NByte"), place));
                 const int p = Find_SDO_Index(list, index);
                 SDO_Index* entry = nullptr;
                 if (p < 0) {
                   list.push_back({index, {}, place});
                   entry = &list.back();
                 } else {
                   entry = &list[static_cast<size_t>(p)];
                 }
                 entry->Sub_Indexs.push_back({sub, size, read_only, QString()});
               });
}

// --- the text ---

class Lines {
 public:
  void Add(const QString& line) { lines_.push_back(line); }
  void Add(const char* line) { lines_.push_back(QString::fromLatin1(line)); }
  void Empty() { lines_.push_back(QString()); }
  QByteArray Bytes() const {
    QString text;
    for (const QString& line : lines_) text += line + QStringLiteral("\r\n");
    return ansi::Encode(text);
  }

 private:
  QStringList lines_;
};

struct Fixed_Object {
  const char* header;
  const char* sub_number;
  const char* name;
  const char* object_type;
  const char* data_type;
  const char* access;
  const char* default_value;
  const char* pdo_mapping;
};

// The gateway's own communication objects, written as they stand.
constexpr Fixed_Object Fixed_Objects[] = {
    {"[1000]", nullptr, "ParameterName=Device Type", "ObjectType=0x07", "DataType=0x0007", "AccessType=const",
     "DefaultValue=0x000101A4", "PDOMapping=0"},
    {"[1001]", nullptr, "ParameterName=Error Register", "ObjectType=0x07", "DataType=0x0005", "AccessType=ro",
     "DefaultValue=0x00", "PDOMapping=0"},
    {"[1005]", nullptr, "ParameterName=COB-ID SYNC", "ObjectType=0x07", "DataType=0x0007", "AccessType=rw",
     "DefaultValue=0x80000080", "PDOMapping=0"},
    {"[1006]", nullptr, "ParameterName=Communication Cycle Period", "ObjectType=0x07", "DataType=0x0007",
     "AccessType=rw", "DefaultValue=0x00000000", "PDOMapping=0"},
    {"[1008]", nullptr, "ParameterName=Manufacturer Device Name", "ObjectType=0x07", "DataType=0x0009",
     "AccessType=const", "DefaultValue=s1", "PDOMapping=0"},
    {"[1014]", nullptr, "ParameterName=COB-ID EMCY", "ObjectType=0x07", "DataType=0x0007", "AccessType=ro",
     "DefaultValue=$NODEID+0x80", "PDOMapping=0"},
    {"[1016]", "SubNumber=3", "ParameterName=Heartbeat Consumer Entries", "ObjectType=0x08", nullptr, nullptr, nullptr,
     nullptr},
    {"[1016sub0]", nullptr, "ParameterName=Number of Entries", "ObjectType=0x07", "DataType=0x0005", "AccessType=ro",
     "DefaultValue=0x02", "PDOMapping=0"},
    {"[1016sub1]", nullptr, "ParameterName=Consumer Heartbeat Time 1", "ObjectType=0x07", "DataType=0x0007",
     "AccessType=rw", "DefaultValue=0x00000000", "PDOMapping=0"},
    {"[1016sub2]", nullptr, "ParameterName=Consumer Heartbeat Time 2", "ObjectType=0x07", "DataType=0x0007",
     "AccessType=rw", "DefaultValue=0x00000000", "PDOMapping=0"},
    {"[1017]", nullptr, "ParameterName=Producer Heartbeat Time", "ObjectType=0x07", "DataType=0x0006", "AccessType=rw",
     "DefaultValue=0x000003E8", "PDOMapping=0"},
    {"[1018]", "SubNumber=5", "ParameterName=Identity Object", "ObjectType=0x09", nullptr, nullptr, nullptr, nullptr},
    {"[1018sub0]", nullptr, "ParameterName=number of entries", "ObjectType=0x07", "DataType=0x0005", "AccessType=ro",
     "DefaultValue=0x4", "PDOMapping=0"},
    {"[1018sub1]", nullptr, "ParameterName=Vendor Id", "ObjectType=0x07", "DataType=0x0007", "AccessType=ro", nullptr,
     "PDOMapping=0"},
    {"[1018sub2]", nullptr, "ParameterName=Product Code", "ObjectType=0x07", "DataType=0x0007", "AccessType=ro",
     nullptr, "PDOMapping=0"},
    {"[1018sub3]", nullptr, "ParameterName=Revision number", "ObjectType=0x07", "DataType=0x0007", "AccessType=ro",
     nullptr, "PDOMapping=0"},
    {"[1018sub4]", nullptr, "ParameterName=Serial number", "ObjectType=0x07", "DataType=0x0007", "AccessType=ro",
     nullptr, "PDOMapping=0"},
    {"[1029]", "SubNumber=2", "ParameterName=Error Behaviour", "ObjectType=0x08", nullptr, nullptr, nullptr, nullptr},
    {"[1029sub0]", nullptr, "ParameterName=Number of Entries", "ObjectType=0x07", "DataType=0x0005", "AccessType=ro",
     "DefaultValue=1", "PDOMapping=0"},
    {"[1029sub1]", nullptr, "ParameterName=Communication Error", "ObjectType=0x07", "DataType=0x0005", "AccessType=rw",
     "DefaultValue=0x0", "PDOMapping=0"},
    {"[1280]", "SubNumber=4", "ParameterName=Client SDO Parameter 1", "ObjectType=0x09", nullptr, nullptr, nullptr,
     nullptr},
    {"[1280sub0]", nullptr, "ParameterName=Number of Entries", "ObjectType=0x07", "DataType=0x0005", "AccessType=ro",
     "DefaultValue=0x03", "PDOMapping=0"},
    {"[1280sub1]", nullptr, "ParameterName=COB-ID Client -> Server", "ObjectType=0x07", "DataType=0x0007",
     "AccessType=rw", nullptr, "PDOMapping=0"},
    {"[1280sub2]", nullptr, "ParameterName=COB-ID Server -> Client", "ObjectType=0x07", "DataType=0x0007",
     "AccessType=rw", nullptr, "PDOMapping=0"},
    {"[1280sub3]", nullptr, "ParameterName=Node ID of the SDO Server", "ObjectType=0x07", "DataType=0x0005",
     "AccessType=rw", nullptr, "PDOMapping=0"},
};

constexpr uint16_t Fixed_Indexes[] = {0x1000, 0x1001, 0x1005, 0x1006, 0x1008, 0x1014,
                                      0x1016, 0x1017, 0x1018, 0x1029, 0x1280};

void Add_Fixed_Objects(Lines& out) {
  const size_t count = std::size(Fixed_Objects);
  for (size_t i = 0; i < count; ++i) {
    const Fixed_Object& o = Fixed_Objects[i];
    for (const char* line :
         {o.header, o.sub_number, o.name, o.object_type, o.data_type, o.access, o.default_value, o.pdo_mapping})
      if (line) out.Add(line);
    if (i + 1 < count) out.Empty();
  }
}

// One VAR sub-section of the PDO objects.
void Add_Var(Lines& out, const QString& header, const QString& name, const char* data_type, const char* access,
             const QString& default_value, int pdo_mapping) {
  out.Add(QStringLiteral("[%1]").arg(header));
  out.Add(QStringLiteral("ParameterName=") + name);
  out.Add("ObjectType=0x07");
  out.Add(QStringLiteral("DataType=") + QLatin1String(data_type));
  out.Add(QStringLiteral("AccessType=") + QLatin1String(access));
  out.Add(QStringLiteral("DefaultValue=") + default_value);
  out.Add(QStringLiteral("PDOMapping=%1").arg(pdo_mapping));
  out.Empty();
}

void Add_Record_Header(Lines& out, const QString& s, uint32_t sub_number, const QString& name, const char* type) {
  out.Add(QStringLiteral("[%1]").arg(s));
  out.Add(QStringLiteral("SubNumber=%1").arg(sub_number));
  out.Add(QStringLiteral("ParameterName=") + name);
  out.Add(QStringLiteral("ObjectType=") + QLatin1String(type));
  out.Empty();
}

void Add_Communication(Lines& out, uint32_t index, const EDS_PDO& pdo, const QString& name) {
  const QString s = Hex(index, 4);
  Add_Record_Header(out, s, 4, name, "0x09");
  Add_Var(out, s + "sub0", QStringLiteral("Number of Entries"), "0x0005", "ro", QStringLiteral("0x03"), 0);
  Add_Var(out, s + "sub1", QStringLiteral("COB-ID"), "0x0007", "rw", QStringLiteral("0x") + Hex(pdo.COB_ID, 8), 0);
  Add_Var(out, s + "sub2", QStringLiteral("Transmission Type"), "0x0005", "rw", QStringLiteral("0xFE"), 0);
  Add_Var(out, s + "sub3", QStringLiteral("Inhibit Time"), "0x0006", "rw", QStringLiteral("0x0"), 0);
}

void Add_Mapping(Lines& out, uint32_t index, uint32_t data_index, const EDS_PDO& pdo, const QString& name) {
  const QString s = Hex(index, 4);
  Add_Record_Header(out, s, pdo.Dimension + 1, name, "0x09");
  Add_Var(out, s + "sub0", QStringLiteral("Number of Entries"), "0x0005", "ro",
          QStringLiteral("0x") + Hex(pdo.Dimension, 2), 0);
  for (uint32_t j = 1; j <= pdo.Dimension; ++j)
    Add_Var(out, s + QStringLiteral("sub%1").arg(j), QStringLiteral("Mapping Entry %1").arg(j), "0x0007", "ro",
            QStringLiteral("0x") + Hex(data_index, 4) + Hex(j, 2) + QStringLiteral("08"), 0);
}

void Add_Data_Object(Lines& out, uint32_t index, const EDS_PDO& pdo, const QString& name, const char* entry_name,
                     const char* sub0_access, const char* byte_access) {
  const QString s = Hex(index, 4);
  Add_Record_Header(out, s, pdo.Dimension + 1, name, "0x08");
  Add_Var(out, s + "sub0", QStringLiteral("Number of Entries"), "0x0005", sub0_access,
          QStringLiteral("0x") + Hex(pdo.Dimension, 2), 0);
  for (uint32_t j = 1; j <= pdo.Dimension; ++j)
    Add_Var(out, s + QStringLiteral("sub%1").arg(j), QLatin1String(entry_name) + QString::number(j), "0x0005",
            byte_access, QStringLiteral("0x00"), 1);
}

void Add_Manufacturer_Object(Lines& out, const SDO_Index& entry) {
  const QString s = Hex(entry.Index, 4);
  const std::vector<SDO_Sub_Type>& subs = entry.Sub_Indexs;
  const bool starts_at_zero = subs.front().Sub == 0;
  out.Add(QStringLiteral("[%1]").arg(s));
  out.Add(QStringLiteral("SubNumber=%1").arg(subs.size() + (starts_at_zero ? 0 : 1)));
  out.Add("ParameterName=App Vars");
  out.Add("ObjectType=0x9");
  out.Empty();
  if (!starts_at_zero) {
    out.Add(QStringLiteral("[%1sub0]").arg(s));
    out.Add("ParameterName=Largest Sub-Index supported");
    out.Add("ObjectType=0x7");
    out.Add("DataType=0x0005");
    out.Add("AccessType=ro");
    out.Add(QStringLiteral("DefaultValue=0x") + Hex(subs.back().Sub, 2));
    out.Add("PDOMapping=0");
    out.Empty();
  }
  for (const SDO_Sub_Type& sub : subs) {
    // Sub-indexes in section names are hexadecimal, as every EDS reader takes them;
    // in decimal a sub-index of 10 or more would name another object.
    out.Add(QStringLiteral("[%1sub%2]").arg(s, QString::number(sub.Sub, 16).toUpper()));
    out.Add("ParameterName=Application Variable");
    out.Add("ObjectType=0x7");
    if (sub.Quantity == 1) {
      out.Add("DataType=0x0005");
      out.Add("LowLimit=0x00");
      out.Add("HighLimit=0xFF");
      out.Add("DefaultValue=0x00");
    } else if (sub.Quantity == 2) {
      out.Add("DataType=0x0006");
      out.Add("LowLimit=0x0000");
      out.Add("HighLimit=0xFFFF");
      out.Add("DefaultValue=0x0000");
    } else {
      out.Add("DataType=0x0007");
      out.Add("LowLimit=0x00000000");
      out.Add("HighLimit=0xFFFFFFFF");
      out.Add("DefaultValue=0x00000000");
    }
    out.Add(sub.Readonly ? "AccessType=ro" : "AccessType=rw");
    out.Add("PDOMapping=0");
    out.Empty();
  }
}

// A manufacturer object whose index the gateway already uses would give two
// sections of one header, which a configuration tool reads as one object
// with mixed keys.
void Check_Manufacturer_Indexes(const EDS_PDO_Table& pdos, const std::vector<SDO_Index>& sdos) {
  std::vector<uint32_t> used(std::begin(Fixed_Indexes), std::end(Fixed_Indexes));
  for (uint32_t i = 0; i < pdos.Receive.size(); ++i) used.insert(used.end(), {0x1400 + i, 0x1600 + i, 0x7000 + i});
  for (uint32_t i = 0; i < pdos.Transmit.size(); ++i) used.insert(used.end(), {0x1800 + i, 0x1A00 + i, 0x7050 + i});
  for (const SDO_Index& entry : sdos)
    if (std::find(used.begin(), used.end(), entry.Index) != used.end())
      throw Description_File_Error(QStringLiteral("%1: the index 0x%2 is an object the gateway describes itself.")
                                       .arg(entry.Where, Hex(entry.Index, 4)));
}

}  // namespace

EDS_PDO_Table Read_EDS_PDO(const QString& pdo_path) {
  EDS_PDO_Table table;
  Xml_Document doc;
  if (!config_document::Load(doc, pdo_path)) return table;
  const Xml_Node root = doc.Root();
  Read_PDO_List(root, QStringLiteral("Receive_PDO"), table.Receive);
  Read_PDO_List(root, QStringLiteral("Transmit_PDO"), table.Transmit);
  return table;
}

std::vector<SDO_Index> Read_EDS_SDO(const QString& sdo_server_path) {
  std::vector<SDO_Index> list;
  Xml_Document doc;
  if (!config_document::Load(doc, sdo_server_path)) return list;
  const Xml_Node root = doc.Root();
  Read_SDO_List(root, QStringLiteral("SDO_Read"), true, list);
  Read_SDO_List(root, QStringLiteral("SDO_Write"), false, list);
  return list;
}

int Find_SDO_Index(const std::vector<SDO_Index>& list, uint16_t index) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].Index == index) return static_cast<int>(i);
  return -1;
}

void Sort_SDO_Sub_Indexs(std::vector<SDO_Index>& list) {
  for (SDO_Index& entry : list) {
    std::vector<SDO_Sub_Type>& subs = entry.Sub_Indexs;
    std::stable_sort(subs.begin(), subs.end(),
                     [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
    std::vector<SDO_Sub_Type> merged;
    for (const SDO_Sub_Type& sub : subs) {
      if (merged.empty() || merged.back().Sub != sub.Sub) {
        merged.push_back(sub);
        continue;
      }
      // In the read list and in the write list: the master may do both, so
      // the one section must not say read-only.
      merged.back().Readonly = merged.back().Readonly && sub.Readonly;
    }
    subs = std::move(merged);
  }
}

QString EDS_Date_Text(const QDate& date) { return date.toString(QStringLiteral("MM-dd-yyyy")); }

QString EDS_Time_Text(const QTime& time) {
  const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
  return QStringLiteral("%1:%2%3")
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(time.minute(), 2, 10, QLatin1Char('0'))
      .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QByteArray EDS_Text(const EDS_PDO_Table& pdos, const std::vector<SDO_Index>& sdos, const QDateTime& now) {
  Check_Manufacturer_Indexes(pdos, sdos);
  const auto n_rx = static_cast<uint32_t>(pdos.Receive.size());
  const auto n_tx = static_cast<uint32_t>(pdos.Transmit.size());
  const QString date = EDS_Date_Text(now.date());
  const QString time = EDS_Time_Text(now.time());
  Lines out;

  for (const QString& line :
       {QStringLiteral("[FileInfo]"), QStringLiteral("FileName=MBus_CANopen.eds"), QStringLiteral("FileVersion=1"),
        QStringLiteral("FileRevision=0"), QStringLiteral("EDSVersion=4.0"),
        QStringLiteral("Description=Converter M-Bus / CANopen"), QStringLiteral("CreationTime=") + time,
        QStringLiteral("CreationDate=") + date, QStringLiteral("CreatedBy=Kelvra"),
        QStringLiteral("ModificationTime=") + time, QStringLiteral("ModificationDate=") + date,
        QStringLiteral("ModifiedBy=Kelvra"), QString()})
    out.Add(line);

  for (const char* line :
       {"[DeviceInfo]",        "VendorName=Kelvra",  "VendorNumber=0x00", "ProductName=Converter M-Bus / CANopen",
        "ProductNumber=221",   "RevisionNumber=0x0", "OrderCode=HD58221", "BaudRate_10=1",
        "BaudRate_20=1",       "BaudRate_50=1",      "BaudRate_125=1",    "BaudRate_250=1",
        "BaudRate_500=1",      "BaudRate_800=0",     "BaudRate_1000=1",   "DynamicChannelsSupported=0",
        "GroupMessaging=0",    "LSS_Supported=0",    "Granularity=0",     "SimpleBootUpSlave=1",
        "SimpleBootUpMaster=0"})
    out.Add(line);
  out.Add(QStringLiteral("NrOfRXPDO=%1").arg(n_rx));
  out.Add(QStringLiteral("NrOfTXPDO=%1").arg(n_tx));
  out.Empty();

  for (const char* line : {"[Comments]", "Lines=0", "", "[DummyUsage]", "Dummy0001=0", "Dummy0002=0", "Dummy0003=0",
                           "Dummy0004=0", "Dummy0005=0", "Dummy0006=0", "Dummy0007=0", "", "[MandatoryObjects]",
                           "SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018", "", "[OptionalObjects]"})
    out.Add(line);
  out.Add(QStringLiteral("SupportedObjects=%1").arg(8 + 3 * n_rx + 3 * n_tx));
  for (const char* line :
       {"1=0x1005", "2=0x1006", "3=0x1008", "4=0x1014", "5=0x1016", "6=0x1017", "7=0x1029", "8=0x1280"})
    out.Add(line);
  int k = 9;
  auto list_objects = [&](uint32_t base, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) out.Add(QStringLiteral("%1=0x%2").arg(k++).arg(Hex(base + i, 4)));
  };
  list_objects(0x1400, n_rx);
  list_objects(0x1600, n_rx);
  list_objects(0x1800, n_tx);
  list_objects(0x1A00, n_tx);
  list_objects(0x7000, n_rx);
  list_objects(0x7050, n_tx);
  out.Empty();

  out.Add("[ManufacturerObjects]");
  out.Add(QStringLiteral("SupportedObjects=%1").arg(sdos.size()));
  for (size_t i = 0; i < sdos.size(); ++i) out.Add(QStringLiteral("%1=0x%2").arg(i + 1).arg(Hex(sdos[i].Index, 4)));
  out.Empty();

  Add_Fixed_Objects(out);

  for (uint32_t i = 0; i < n_rx; ++i)
    Add_Communication(out, 0x1400 + i, pdos.Receive[i],
                      QStringLiteral("Receive PDO Communication Parameter %1").arg(i + 1));
  for (uint32_t i = 0; i < n_rx; ++i)
    Add_Mapping(out, 0x1600 + i, 0x7000 + i, pdos.Receive[i], QStringLiteral("Receive PDO Mapping Parameter"));
  for (uint32_t i = 0; i < n_tx; ++i)
    Add_Communication(out, 0x1800 + i, pdos.Transmit[i],
                      QStringLiteral("Transmit PDO Communication Parameter %1").arg(i + 1));
  for (uint32_t i = 0; i < n_tx; ++i)
    Add_Mapping(out, 0x1A00 + i, 0x7050 + i, pdos.Transmit[i],
                QStringLiteral("Transmit PDO Mapping Parameter %1").arg(i + 1));
  for (uint32_t i = 0; i < n_rx; ++i)
    Add_Data_Object(out, 0x7000 + i, pdos.Receive[i], QStringLiteral("RPDO%1").arg(i + 1), RPDO_Entry_Names[i], "ro",
                    "rww");
  for (uint32_t i = 0; i < n_tx; ++i)
    Add_Data_Object(out, 0x7050 + i, pdos.Transmit[i], QStringLiteral("TPDO%1").arg(i + 1), TPDO_Entry_Names[i], "rw",
                    "rwr");

  for (const SDO_Index& entry : sdos)
    if (!entry.Sub_Indexs.empty()) Add_Manufacturer_Object(out, entry);

  out.Empty();
  return out.Bytes();
}

void Write_EDS_File(const QString& FileName, const QString& pdo_path, const QString& sdo_server_path,
                    const QDateTime& now) {
  const EDS_PDO_Table pdos = Read_EDS_PDO(pdo_path);
  std::vector<SDO_Index> sdos = Read_EDS_SDO(sdo_server_path);
  Sort_SDO_Sub_Indexs(sdos);
  atomic_file::Write(FileName, EDS_Text(pdos, sdos, now));
}

void Write_EDS_File(const QString& FileName) {
  Write_EDS_File(FileName, Path_PDO_XML, Path_SDO_Server_XML, QDateTime::currentDateTime());
}
