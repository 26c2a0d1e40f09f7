#include "outputs/update/update_run.h"

#include "outputs/compiler/image_compiler.h"
#include "outputs/update/update_parameters.h"
#include "outputs/update/updater_start.h"
#include "platform/file_resolver.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/logic/com_ports.h"

namespace {

Update_Request Request(const QString& ip_address, int option, bool read_back) {
  Update_Request request;
  request.device_type = Device_Type();
  request.ip_address = ip_address;
  request.option = option;
  request.read_back = read_back;
  request.dir_master = Dir_Master;
  request.active_conf_dir = Active_Conf_Dir;
  return request;
}

void Start(Update_Run_Outcome& outcome) {
  const Updater_Start_Result run = Start_Updater(outcome.program, outcome.command_line, 0);
  if (!run.started) {
    outcome.result = Update_Run_Result::Start_Failed;
    outcome.error = run.error;
    return;
  }
  outcome.result = Update_Run_Result::Done;
}

// Images of two different saves must never reach the device together.
bool Images_Belong_Together(Update_Run_Outcome& outcome) {
  outcome.error = Bank_Files_Mismatch(Active_Conf_Dir);
  if (outcome.error.isEmpty()) return true;
  outcome.result = Update_Run_Result::Start_Failed;
  return false;
}

// "COM3" -> the device behind COM 3; empty when the text names no port.
QString Port_Device_Path(const QString& port_name) {
  if (!port_name.startsWith(QLatin1String("COM"))) return {};
  bool ok = false;
  const int number = port_name.mid(3).toInt(&ok);
  return ok ? com_ports::Device_Path(number) : QString();
}

}  // namespace

Update_Run_Outcome Run_Ethernet_Update(Echo_Client& echo, const Ping_Clock& clock, const QString& ip_address,
                                       int option, bool read_back) {
  Update_Run_Outcome outcome;
  if (!Images_Belong_Together(outcome)) return outcome;
  const Ping_Outcome ping = Send_Ping(echo, ip_address, clock);
  outcome.ping_res = ping.ping_res;
  if (!ping.success) {
    outcome.result = ping.ping_res == 2 ? Update_Run_Result::Ping_No_Answer : Update_Run_Result::Ping_Error;
    return outcome;
  }
  Last_IP_Address = ip_address;
  Update_Option_Index = option;
  Update_Read_Back = read_back;
  Compile_XML_Parameter(Dir_Program, Request(ip_address, option, read_back));
  outcome.program = Dir_Program + QStringLiteral("/Ethernet_Update.exe");
  Start(outcome);
  return outcome;
}

Update_Run_Outcome Run_Serial_Update(const QString& port_name, int option, bool read_back) {
  Update_Run_Outcome outcome;
  if (!Images_Belong_Together(outcome)) return outcome;
  Update_Option_Index = option;
  Update_Read_Back = read_back;
  const int hardware_type = Device_Type() == 3 ? Select_Hard_Type_232(file_resolver::Resolve_Path(Path_ParGen_XML)) : 0;
  const std::optional<Serial_Update_Command> command = Build_Serial_Update_Command_For_Device(
      Request(QString(), option, read_back), Dir_Program, Port_Device_Path(port_name), hardware_type);
  if (!command) {
    outcome.result = Update_Run_Result::Nothing_To_Start;
    return outcome;
  }
  outcome.program = command->program;
  outcome.command_line = command->command_line;
  Start(outcome);
  return outcome;
}
