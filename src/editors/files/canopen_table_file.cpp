// SDO_Server_CANopen.xml, SDO_Client_CANopen.xml and PDO_CANopen.xml.
//
// Top level: the root element, then the comment "SW_VERSION = 2.003". The root
// holds exactly two list elements, always both and in this order, each with
// zero or more `row` elements carrying one attribute per grid column, all of
// them present and in this order, values as typed (hexadecimal, blanks and
// all):
//   server  root DeviceNet_Master_to_SDO_CANopen, lists SDO_Read, SDO_Write:
//           Index SubIndex NByte Address_B1..Address_B4 Mnemonic
//   client  root DeviceNet_Master_to_SDO_CANopen, lists
//           SDO_Read:  Device_ID Index SubIndex NByte Poll_Time
//                      Address_B1..Address_B4 Mnemonic
//           SDO_Write: Device_ID Index SubIndex NByte Poll_Time On_Change
//                      Address_B1..Address_B4 Mnemonic
//   PDO     root DeviceNet_Master_to_PDO, lists
//           Receive_PDO:  COB-ID Dimension Address_B1..Address_B8 TimeOut Mnemonic
//           Transmit_PDO: COB-ID Dimension Address_B1..Address_B8 Send_Time
//                         On_Change Mnemonic
// On_Change is "Y", "N" or empty (a box never clicked). The root's name is not
// checked on reading; lists are found by name.
#include "editors/files/canopen_table_file.h"

#include "platform/config_document.h"
#include "platform/xml_document.h"
#include "shell/core/device_profile.h"

namespace {

QStringList Addresses(int count) {
  QStringList names;
  for (int i = 1; i <= count; ++i) names << QStringLiteral("Address_B%1").arg(i);
  return names;
}

const QString kSdo_Root = QStringLiteral("DeviceNet_Master_to_SDO_CANopen");

const CANopen_File_Layout kServer{
    QStringLiteral("SDO_Server_CANopen.xml"),
    kSdo_Root,
    {{{QStringLiteral("SDO_Read"), QStringList{"Index", "SubIndex", "NByte"} + Addresses(4) + QStringList{"Mnemonic"}},
      {QStringLiteral("SDO_Write"),
       QStringList{"Index", "SubIndex", "NByte"} + Addresses(4) + QStringList{"Mnemonic"}}}},
    500};

const CANopen_File_Layout kClient{
    QStringLiteral("SDO_Client_CANopen.xml"),
    kSdo_Root,
    {{{QStringLiteral("SDO_Read"),
       QStringList{"Device_ID", "Index", "SubIndex", "NByte", "Poll_Time"} + Addresses(4) + QStringList{"Mnemonic"}},
      {QStringLiteral("SDO_Write"), QStringList{"Device_ID", "Index", "SubIndex", "NByte", "Poll_Time", "On_Change"} +
                                        Addresses(4) + QStringList{"Mnemonic"}}}},
    256};

const CANopen_File_Layout kPdo{
    QStringLiteral("PDO_CANopen.xml"),
    QStringLiteral("DeviceNet_Master_to_PDO"),
    {{{QStringLiteral("Receive_PDO"),
       QStringList{"COB-ID", "Dimension"} + Addresses(8) + QStringList{"TimeOut", "Mnemonic"}},
      {QStringLiteral("Transmit_PDO"),
       QStringList{"COB-ID", "Dimension"} + Addresses(8) + QStringList{"Send_Time", "On_Change", "Mnemonic"}}}},
    30};

// Notes in `shortfall` the first row without one of its attributes and rows
// beyond max_rows, which the next save would not keep as they are.
void Read_List(const Xml_Node& list, const CANopen_List_Layout& layout, int max_rows, std::vector<CANopen_Row>& rows,
               QStringList& shortfall) {
  bool lacking_noted = false;
  for (pugi::xml_node raw = list.Raw().first_child(); raw; raw = raw.next_sibling()) {
    // Only elements are rows: a comment or stray text would otherwise become an
    // empty first cell and cut the table short at the next save.
    if (raw.type() != pugi::node_element) continue;
    if (static_cast<int>(rows.size()) == max_rows) {
      shortfall << QStringLiteral("\"%1\" holds more than %2 rows; the rows after row %2 are left out.")
                       .arg(layout.name)
                       .arg(max_rows);
      break;
    }
    const Xml_Node row(raw);
    CANopen_Row cells;
    cells.reserve(layout.columns.size());
    for (const QString& column : layout.columns) {
      const std::optional<QString> value = row.Find_Attribute(column);
      if (!value && !lacking_noted) {
        shortfall << QStringLiteral("Row %1 of \"%2\" has no \"%3\"; it is read as empty.")
                         .arg(rows.size() + 1)
                         .arg(layout.name, column);
        lacking_noted = true;
      }
      cells << value.value_or(QString());
    }
    rows.push_back(cells);
  }
}

void Write_List(Xml_Node root, const CANopen_List_Layout& layout, int max_rows, const std::vector<CANopen_Row>& rows) {
  Xml_Node list = root.Add_Child(layout.name);
  for (int r = 0; r < static_cast<int>(rows.size()) && r < max_rows; ++r) {
    const CANopen_Row& cells = rows[r];
    if (cells.isEmpty() || cells[0].trimmed().isEmpty()) break;
    Xml_Node row = list.Add_Child(QStringLiteral("row"));
    for (int c = 0; c < layout.columns.size(); ++c)
      row.Set_Attribute(layout.columns[c], c < cells.size() ? cells[c] : QString());
  }
}

void Build(Xml_Document& doc, const CANopen_Tables& tables, CANopen_Table_Kind kind, int type) {
  const CANopen_File_Layout& layout = CANopen_Layout(kind);
  Xml_Node root = config_document::Begin(doc, layout.root, SW_Version_Comment(type));
  for (int i = 0; i < 2; ++i) Write_List(root, layout.lists[i], layout.max_rows, tables.lists[i]);
}

}  // namespace

const CANopen_File_Layout& CANopen_Layout(CANopen_Table_Kind kind) {
  switch (kind) {
    case CANopen_Table_Kind::SDO_Server:
      return kServer;
    case CANopen_Table_Kind::SDO_Client:
      return kClient;
    case CANopen_Table_Kind::PDO:
      break;
  }
  return kPdo;
}

CANopen_Tables_Load Read_CANopen_Tables(const QString& path, CANopen_Table_Kind kind) {
  CANopen_Tables_Load load;
  Xml_Document doc;
  try {
    if (!config_document::Load(doc, path)) return load;
  } catch (const Xml_Error& e) {
    load.error = QString::fromStdString(e.what());
    return load;
  }
  const CANopen_File_Layout& layout = CANopen_Layout(kind);
  const Xml_Node root = doc.Root();
  QStringList missing, shortfall;
  for (int i = 0; i < 2; ++i) {
    const Xml_Node list = root.Is_Element() ? root.Child(layout.lists[i].name) : Xml_Node();
    if (list.Is_Null())
      missing << layout.lists[i].name;
    else
      Read_List(list, layout.lists[i], layout.max_rows, load.tables.lists[i], shortfall);
  }
  if (!shortfall.isEmpty()) load.shortfall = path + QStringLiteral(": ") + shortfall.join(QLatin1Char(' '));
  if (!missing.isEmpty())
    load.error = (missing.size() == 1 ? QStringLiteral("%1: the list \"%2\" is missing")
                                      : QStringLiteral("%1: the lists \"%2\" are missing"))
                     .arg(path, missing.join(QStringLiteral("\", \"")));
  return load;
}

QByteArray CANopen_Tables_Text(const CANopen_Tables& tables, CANopen_Table_Kind kind, int type) {
  Xml_Document doc;
  Build(doc, tables, kind, type);
  return doc.Save_Text();
}

void Write_CANopen_Tables(const QString& path, const CANopen_Tables& tables, CANopen_Table_Kind kind, int type) {
  Xml_Document doc;
  Build(doc, tables, kind, type);
  config_document::Save(doc, path);
}
