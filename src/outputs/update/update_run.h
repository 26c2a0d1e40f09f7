#pragma once
#include <QString>

#include "outputs/update/device_ping.h"

// What the Update button does, apart from the window: the ping, the stored
// choices, the parameter file or command line, and the updater's run.
enum class Update_Run_Result {
  Ping_No_Answer,    // the device did not answer with data: warning, text 636
  Ping_Error,        // the ping itself failed (an address that is none): error, text 637
  Nothing_To_Start,  // a device type without a serial updater
  Start_Failed,      // the updater could not be started (also: the images in bin/ are not
                     // of one save): `error` says why
  Done               // the updater ran and ended, or was left running at the limit
};

struct Update_Run_Outcome {
  Update_Run_Result result = Update_Run_Result::Done;
  int ping_res = 0;
  QString program;
  QString command_line;
  QString error;
};

// Both runs first check that the images in the active configuration's bin/
// belong together (Bank_Files_Mismatch); when not, nothing is sent or started.
//
// Over Ethernet: pings `ip_address`; only when that succeeds stores the
// address, option and read-back state in the globals, writes
// Ethernet_Update.xml beside the program (throws File_Write_Error when it
// cannot, and nothing starts) and runs Ethernet_Update.exe.
Update_Run_Outcome Run_Ethernet_Update(Echo_Client& echo, const Ping_Clock& clock, const QString& ip_address,
                                       int option, bool read_back);

// Through the serial port or USB: stores the option and read-back state and
// runs the device type's serial updater on the port `port_name` ("COM3"),
// which the command line names by its device path.
Update_Run_Outcome Run_Serial_Update(const QString& port_name, int option, bool read_back);
