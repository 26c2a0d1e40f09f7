// Ethernet_Update.xml, the updater's parameter file (no declaration, values as
// element text), in this order under the root Ethernet_Update:
//   Version "1000", Title, IP_Address_Dev, Application_Port "10000",
//   Boot_Port "2008", Boot_Port_Sec "2007", Address_Protection "0x78000",
//   Protections/Protection..., Operations/Operation...
// Each Operation lists its protection, boot/app jumps, ports, the file and its
// start address, bank type, read-back, CSS write, optional internal-data write
// (Ope_Write_Internal_Data .. Ope_WID_Data) and Ope_GoToApp_After.
#include "outputs/update/update_parameters.h"

#include <QFileInfo>
#include <vector>

#include "platform/number_entry.h"
#include "platform/xml_document.h"
#include "shell/core/device_profile.h"

namespace {

struct Internal_Data {
  QString write;
  QString data;
};

struct Operation {
  QString protection;
  QString file_name;
  QString start_address;
  bool firmware = false;
  std::optional<Internal_Data> internal_data;
  QString go_to_app_after;
};

QStringList Protections(int type) {
  switch (type) {
    case 6:
      return {"0x1DF"};
    case 5:
      return {"0x1BC", "0x1BD"};
    case 4:
      return {"0x1A2", "0x1A3"};
    case 3:
      return {"0x1A0"};
    default:
      return {"0x69", "0xD9", "0x19C"};
  }
}

QString Firmware_File(int type) {
  switch (type) {
    case 6:
      return "/Sim58221.sim";
    case 3:
      return "/Sim58232K.sim";
    case 4:
      return "/Sim58287.sim";
    case 5:
      return "/Sim58276.sim";
    default:
      return "/Sim58254.sim";
  }
}

std::vector<Operation> Operations(const Update_Request& r) {
  const bool firmware = r.option == 0 || r.option == 1;
  const bool configuration = r.option == 0 || r.option == 2;
  const QString go_after_firmware = r.option == 1 ? "1" : "0";
  const QString bin = r.active_conf_dir + "/bin/";
  const Internal_Data firmware_data{"0", ""};
  std::vector<Operation> ops;
  if (r.device_type >= 3 && r.device_type <= 6) {
    if (firmware)
      ops.push_back(
          {"", r.dir_master + Firmware_File(r.device_type), "0x8000", true, firmware_data, go_after_firmware});
    if (configuration) {
      ops.push_back({"", bin + "bank2.bin", "0x50800", false, std::nullopt, "0"});
      const QString write = (r.device_type == 4 || r.device_type == 5) ? "1" : "0";
      ops.push_back({"", bin + "bank1.bin", "0x68000", false, Internal_Data{write, "0x00, 0x00, 0x00, 0x01"}, "1"});
    }
    return ops;
  }
  if (firmware) {
    ops.push_back({"0x69, 0xD9", r.dir_master + "/Sim58254.sim", "0x8000", true, firmware_data, go_after_firmware});
    ops.push_back({"0x19C", r.dir_master + "/Sim58254_B209.sim", "0x8000", true, firmware_data, go_after_firmware});
  }
  if (configuration) {
    ops.push_back({"0x69, 0xD9", bin + "bank.bin", "0x50000", false, std::nullopt, "1"});
    ops.push_back({"0x19C", bin + "bank1.bin", "0x68000", false, std::nullopt, "0"});
    ops.push_back({"0x19C", bin + "bank2.bin", "0x50800", false, std::nullopt, "1"});
  }
  return ops;
}

void Add(Xml_Node parent, const char* name, const QString& value) {
  parent.Add_Child(QString::fromLatin1(name)).Set_Text(value);
}

QString Title(int type) {
  if (type < 1 || type > 6) return "Kelvra - Ethernet Update";
  return "Kelvra - " + QString::fromLatin1(Device_Model_Table(type).sw_code) + " Ethernet Update";
}

}  // namespace

void Build_Ethernet_Update(Xml_Document& doc, const Update_Request& r) {
  doc.Clear();
  Xml_Node root = doc.Add_Root("Ethernet_Update");
  Add(root, "Version", "1000");
  Add(root, "Title", Title(r.device_type));
  Add(root, "IP_Address_Dev", r.ip_address);
  Add(root, "Application_Port", "10000");
  Add(root, "Boot_Port", "2008");
  Add(root, "Boot_Port_Sec", "2007");
  Add(root, "Address_Protection", "0x78000");
  Xml_Node protections = root.Add_Child("Protections");
  for (const QString& p : Protections(r.device_type)) Add(protections, "Protection", p);
  Xml_Node operations = root.Add_Child("Operations");
  for (const Operation& op : Operations(r)) {
    Xml_Node o = operations.Add_Child("Operation");
    Add(o, "Ope_Protection_Enabled", op.protection);
    Add(o, "Ope_GoToBoot_Before", "0");
    Add(o, "Ope_GoToApp_Before", "0");
    Add(o, "Ope_IP_Address", "");
    Add(o, "Ope_Port", "2008");
    Add(o, "Ope_Port_Sec", "2007");
    Add(o, "Ope_Erase_Memory", "0");
    Add(o, "Ope_FileName", op.file_name);
    Add(o, "Ope_Start_Address", op.start_address);
    Add(o, "Ope_Memory_Type", "0");
    Add(o, "Ope_Bank_Type", op.firmware ? "1" : "2");
    Add(o, "Ope_Read_Back", r.read_back ? "1" : "0");
    Add(o, "Ope_Write_CSS", op.firmware ? "1" : "0");
    Add(o, "Ope_Address_CSS", op.firmware ? "0x78100" : "0x50100");
    Add(o, "Ope_Command_CSS", "0x0B");
    if (op.internal_data) {
      Add(o, "Ope_Write_Internal_Data", op.internal_data->write);
      Add(o, "Ope_WID_Address", "0x78200");
      Add(o, "Ope_WID_Command", "0x0B");
      Add(o, "Ope_WID_Data", op.internal_data->data);
    }
    Add(o, "Ope_GoToApp_After", op.go_to_app_after);
  }
}

void Compile_XML_Parameter(const QString& dir_program, const Update_Request& request) {
  Xml_Document doc;
  Build_Ethernet_Update(doc, request);
  doc.Save(dir_program + "/Ethernet_Update.xml");
}

QString Update_Options(int option, bool read_back) {
  const QString fr = read_back ? "FR " : "NO ";
  const QString pr = read_back ? "PR " : "NO ";
  switch (option) {
    case 1:
      return "FW " + fr + "NO " + "NO ";
    case 2:
      return QString("NO ") + "NO " + "PW " + pr;
    default:
      return "FW " + fr + "PW " + pr;
  }
}

namespace {

// `port` is the command line's first word as the updater reads it.
std::optional<Serial_Update_Command> Serial_Command(const Update_Request& r, const QString& dir_program,
                                                    const QString& port, int hardware_type) {
  QString program, firmware;
  if (r.device_type == 1) {
    program = "/Ser_58243_Update.exe";
    firmware = "/sim58243.sim";
  } else if (r.device_type == 3 && hardware_type == 1) {
    program = "/USB_58232_Update.exe";
    firmware = "/sim58232-B2.sim";
  } else if (r.device_type == 3) {
    program = "/Ser_58232_Update.exe";
    firmware = "/sim58232.sim";
  } else {
    return std::nullopt;
  }
  const QString line = port + " " + Update_Options(r.option, r.read_back) + "\"" + r.dir_master + firmware + "\" \"" +
                       r.active_conf_dir + "/bin/\"";
  return Serial_Update_Command{dir_program + program, line};
}

}  // namespace

std::optional<Serial_Update_Command> Build_Serial_Update_Command(const Update_Request& r, const QString& dir_program,
                                                                 const QString& port_name, int hardware_type) {
  return Serial_Command(r, dir_program, "\\\\.\\" + port_name, hardware_type);
}

std::optional<Serial_Update_Command> Build_Serial_Update_Command_For_Device(const Update_Request& r,
                                                                            const QString& dir_program,
                                                                            const QString& device_path,
                                                                            int hardware_type) {
  return Serial_Command(r, dir_program, device_path, hardware_type);
}

int Select_Hard_Type_232(const QString& pargen_path) {
  if (!QFileInfo(pargen_path).isFile()) return 0;
  try {
    Xml_Document doc;
    doc.Load_File(pargen_path);
    const std::optional<QString> text = doc.Root().Child("Hardware_Type").Single_Text();
    if (!text) return 0;
    int32_t value = 0;
    if (!Try_Read_Number(*text, value)) return 0;
    return value == 1 ? 1 : 0;
  } catch (const std::exception&) {
    return 0;
  }
}
