// CANopen object tables of bank1.bin, after the 2048-byte parameter record.
//
//   table  entries  file offset  load address  filled from
//   0      512      0x0800       0x68800       SDO_Server_CANopen.xml, SDO_Read
//   1      512      0x4800       0x6C800       (always cleared)
//   2      256      0x8800       0x70800       (always cleared)
//   3      256      0xA800       0x72800       SDO_Client_CANopen.xml, SDO_Write
//   4      128      0xC800       0x74800       (always cleared)
//   5      128      0xD800       0x75800       PDO_CANopen.xml, Transmit_PDO
//
// Entry, 32 bytes, little-endian:
//   off size cleared  SDO server     SDO client     transmit PDO
//   0   4    0        0              0              COB-ID
//   4   2    0        Index          Index          0
//   6   1    0        SubIndex       SubIndex       0
//   7   1    0        0              Device_ID      0
//   8   4    0        0              Poll_Time      Send_Time
//   12  2x8  FFFF     0,0,0,0,B1..B4 0,0,0,0,B1..B4 B1..B8
//   28  1    0        NByte          NByte          Dimension
//   29  1    0        0              mode           mode
//   30  2    0        0              0              0
// The address fields hold process-image byte addresses, one per byte of the
// object; an SDO uses B2 from NByte 2 on and B3, B4 from NByte 4 on, a PDO
// uses Bk when k <= Dimension; unused ones are 0. Mode is 3 when On_Change is
// exactly "Y", else 1. Index and addresses keep 16 bits, SubIndex, Device_ID,
// NByte and Dimension 8; COB-ID and the times are read over 64 bits and keep 32.
#include "outputs/compiler/canopen_object_tables.h"

#include "outputs/compiler/canopen_param_record.h"
#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/config_reader.h"

namespace {

constexpr int kCapacities[CANopen_Object_Tables::kTable_Count] = {512, 512, 256, 256, 128, 128};
constexpr uint32_t kBank1_Load_Address = 0x68000;
constexpr uint32_t kTables_File_Offset = 0x800;
static_assert(512 + 512 + 256 + 256 + 128 + 128 == CANopen_Object_Tables::kTotal_Entries);

uint8_t Send_Mode(const Xml_Node& row) {
  const std::optional<QString> on_change = config_reader::Attribute_Text(row, QStringLiteral("On_Change"));
  return on_change && *on_change == QLatin1String("Y") ? 3 : 1;
}

QString Address_Name(int k) { return QStringLiteral("Address_B%1").arg(k); }

// The four SDO address fields (offsets 20 to 26); the first four stay 0.
void Read_SDO_Addresses(const Xml_Node& row, int32_t n_byte, const QString& where, Bank_Object_Entry& entry) {
  entry.Address.fill(0);
  entry.Address[4] = static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, Address_Name(1), where));
  if (n_byte >= 2)
    entry.Address[5] = static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, Address_Name(2), where));
  if (n_byte >= 4) {
    entry.Address[6] = static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, Address_Name(3), where));
    entry.Address[7] = static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, Address_Name(4), where));
  }
}

}  // namespace

int CANopen_Object_Tables::Capacity(int table) { return kCapacities[table]; }

uint32_t CANopen_Object_Tables::Load_Address(int table) {
  uint32_t offset = kTables_File_Offset;
  for (int i = 0; i < table; ++i) offset += static_cast<uint32_t>(kCapacities[i] * kEntry_Size);
  return kBank1_Load_Address + offset;
}

CANopen_Object_Tables::CANopen_Object_Tables() {
  for (int table = 0; table < kTable_Count; ++table) tables_[table].resize(kCapacities[table]);
}

void CANopen_Object_Tables::Clear_CANopen_Objects(CANopen_Param_Record& record) {
  for (int table = 0; table < kTable_Count; ++table) {
    counts_[table] = 0;
    record.Set_U32(CANopen_Param_Record::kTable_Counts + 4 * table, 0);
    for (Bank_Object_Entry& entry : tables_[table]) entry = Bank_Object_Entry{};
  }
}

void CANopen_Object_Tables::Read_CANopen_Objects(const QString& conf_dir, CANopen_Param_Record& record) {
  for (int table = 0; table < kTable_Count; ++table)
    record.Set_U32(CANopen_Param_Record::kTable_Load_Addresses + 4 * table, Load_Address(table));
  Read_Table(conf_dir, QStringLiteral("SDO_Server_CANopen.xml"), QStringLiteral("SDO_Read"), 0, Row_Kind::SDO_Server);
  Read_Table(conf_dir, QStringLiteral("SDO_Client_CANopen.xml"), QStringLiteral("SDO_Write"), 3, Row_Kind::SDO_Client);
  Read_Table(conf_dir, QStringLiteral("PDO_CANopen.xml"), QStringLiteral("Transmit_PDO"), 5, Row_Kind::Transmit_PDO);
  for (int table = 0; table < kTable_Count; ++table)
    record.Set_U32(CANopen_Param_Record::kTable_Counts + 4 * table, static_cast<uint32_t>(counts_[table]));
}

void CANopen_Object_Tables::Read_Table(const QString& conf_dir, const QString& file, const QString& list, int table,
                                       Row_Kind kind) {
  counts_[table] = 0;
  Xml_Document document;
  if (!config_reader::Load(conf_dir, file, document)) return;
  const Xml_Node list_node = document.Root().Child(list);
  if (list_node.Is_Null()) throw Compile_Error(QStringLiteral("%1: the list \"%2\" is missing.").arg(file, list));
  const std::vector<Xml_Node> rows = config_reader::Children(list_node);
  if (static_cast<qsizetype>(rows.size()) > kCapacities[table])
    throw Compile_Error(QStringLiteral("%1: the list \"%2\" holds %3 rows; the device takes at most %4.")
                            .arg(file, list)
                            .arg(rows.size())
                            .arg(kCapacities[table]));

  for (const Xml_Node& row : rows) {
    const QString where = QStringLiteral("%1, %2 row %3").arg(file, list).arg(counts_[table] + 1);
    Bank_Object_Entry entry;
    switch (kind) {
      case Row_Kind::SDO_Server:
      case Row_Kind::SDO_Client: {
        entry.Index =
            static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, QStringLiteral("Index"), where));
        entry.SubIndex =
            static_cast<uint8_t>(config_reader::Strict_Attribute_Number(row, QStringLiteral("SubIndex"), where));
        if (kind == Row_Kind::SDO_Client) {
          entry.Device_ID =
              static_cast<uint8_t>(config_reader::Strict_Attribute_Number(row, QStringLiteral("Device_ID"), where));
          entry.Time =
              static_cast<uint32_t>(config_reader::Strict_Attribute_Number64(row, QStringLiteral("Poll_Time"), where));
        }
        const int32_t n_byte = config_reader::Strict_Attribute_Number(row, QStringLiteral("NByte"), where);
        Read_SDO_Addresses(row, n_byte, where, entry);
        entry.Size = static_cast<uint8_t>(n_byte);
        entry.Mode = kind == Row_Kind::SDO_Client ? Send_Mode(row) : 0;
        break;
      }
      case Row_Kind::Transmit_PDO: {
        entry.COB_ID =
            static_cast<uint32_t>(config_reader::Strict_Attribute_Number64(row, QStringLiteral("COB-ID"), where));
        entry.Time =
            static_cast<uint32_t>(config_reader::Strict_Attribute_Number64(row, QStringLiteral("Send_Time"), where));
        const int32_t dimension = config_reader::Strict_Attribute_Number(row, QStringLiteral("Dimension"), where);
        entry.Address.fill(0);
        entry.Address[0] = static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, Address_Name(1), where));
        for (int k = 2; k <= 8 && k <= dimension; ++k)
          entry.Address[k - 1] =
              static_cast<uint16_t>(config_reader::Strict_Attribute_Number(row, Address_Name(k), where));
        entry.Size = static_cast<uint8_t>(dimension);
        entry.Mode = Send_Mode(row);
        break;
      }
    }
    tables_[table][counts_[table]++] = entry;
  }
}

void CANopen_Object_Tables::Write_CANopen_Objects(Bank_Buffer& buffer) const {
  QByteArray bytes(kTotal_Entries * kEntry_Size, '\0');
  uint8_t* out = reinterpret_cast<uint8_t*>(bytes.data());
  auto put = [&out](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) *out++ = static_cast<uint8_t>(value >> (8 * i));
  };
  for (const std::vector<Bank_Object_Entry>& table : tables_) {
    for (const Bank_Object_Entry& entry : table) {
      put(entry.COB_ID, 4);
      put(entry.Index, 2);
      put(entry.SubIndex, 1);
      put(entry.Device_ID, 1);
      put(entry.Time, 4);
      for (uint16_t address : entry.Address) put(address, 2);
      put(entry.Size, 1);
      put(entry.Mode, 1);
      put(0, 2);
    }
  }
  buffer.Append(bytes);
}
