#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "shell/core/bacnet_units.h"
#include "shell/logic/com_ports.h"
#include "shell/logic/ip_address.h"
#include "shell/logic/program_starter.h"
#include "support/temp_dir.h"

namespace {

struct Split_Case {
  const char* text;
  bool valid;
  const char* parts[4];
};

TEST(SplitIpAddress, TableOfAddresses) {
  const Split_Case cases[] = {
      {"192.168.2.205", true, {"192", "168", "2", "205"}},
      {" 192 . 168 . 2 . 205 ", true, {"192", "168", "2", "205"}},
      {"0.0.0.0", true, {"0", "0", "0", "0"}},
      {"255.255.255.255", true, {"255", "255", "255", "255"}},
      {"$C0.168.2.1", true, {"$C0", "168", "2", "1"}},  // number entry reads hexadecimal
      {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},     // the last part "4.5" is not a number
      {"1..2.3", false, {"1", "", "2", "3"}},
      {"256.1.1.1", false, {"256", "1", "1", "1"}},
      {"1.2.3", false, {"1", "2", "", ""}},
      {"1.2.3.", false, {"1", "2", "3", ""}},
      {"-1.2.3.4", false, {"-1", "2", "3", "4"}},
      {"a.b.c.d", false, {"a", "b", "c", "d"}},
      {"", false, {"", "", "", ""}},
      {"192168", false, {"", "", "", ""}},
  };
  for (const Split_Case& c : cases) {
    QString o1, o2, o3, o4;
    EXPECT_EQ(Split_IP_Address(c.text, o1, o2, o3, o4), c.valid) << c.text;
    EXPECT_EQ(QStringList({o1, o2, o3, o4}), QStringList({c.parts[0], c.parts[1], c.parts[2], c.parts[3]})) << c.text;
  }
}

TEST(DefaultBacnetUnits, IsNoUnits) { EXPECT_EQ(Default_BACnet_Units(), 95); }

TEST(ComPorts, OneNumberingRuleBothWays) {
  const struct {
    const char* device;
    int number;
  } rows[] = {{"ttyS0", 1},      {"ttyS63", 64},   {"ttyS64", 0},    {"ttyUSB0", 65},
              {"ttyUSB95", 160}, {"ttyUSB96", 0},  {"ttyACM0", 161}, {"ttyACM95", 256},
              {"ttyACM96", 0},   {"ttyUSB300", 0}, {"ttyS01", 0},    {"tty0", 0},
              {"ttyUSB", 0},     {"ttyAMA0", 0},   {"xttyS1", 0},    {"ttyS1x", 0}};
  com_ports::Override_Device_Folder("/devices");
  for (const auto& row : rows) {
    EXPECT_EQ(com_ports::Number_Of_Device(row.device), row.number) << row.device;
    if (row.number > 0) {
      EXPECT_EQ(com_ports::Device_Path(row.number), QString("/devices/") + row.device);
    }
  }
  EXPECT_TRUE(com_ports::Device_Path(0).isEmpty());
  EXPECT_TRUE(com_ports::Device_Path(257).isEmpty());
  com_ports::Override_Device_Folder(QString());
  EXPECT_EQ(com_ports::Device_Path(1), "/dev/ttyS0");
}

// Pseudo-terminals stand in for serial devices.
class Pty {
 public:
  Pty() { EXPECT_EQ(openpty(&master_, &slave_, name_, nullptr, nullptr), 0); }
  ~Pty() {
    ::close(master_);
    ::close(slave_);
  }
  QString Slave_Name() const { return QString::fromLocal8Bit(name_); }

 private:
  int master_ = -1;
  int slave_ = -1;
  char name_[256] = {};
};

TEST(ComPorts, ListsOpenableDevicesInAscendingOrder) {
  Temp_Dir dev;
  Pty usb, acm, serial, busy;
  ASSERT_TRUE(QFile::link(usb.Slave_Name(), dev.File("ttyUSB2")));
  ASSERT_TRUE(QFile::link(acm.Slave_Name(), dev.File("ttyACM0")));
  ASSERT_TRUE(QFile::link(serial.Slave_Name(), dev.File("ttyS3")));
  ASSERT_TRUE(QFile::link(serial.Slave_Name(), dev.File("ttyS64")));     // beyond the numbered range
  ASSERT_TRUE(QFile::link(serial.Slave_Name(), dev.File("ttyUSB200")));  // likewise
  ASSERT_TRUE(QFile::link(dev.File("gone"), dev.File("ttyS1")));         // no device behind the name
  ASSERT_TRUE(QDir(dev.Path()).mkdir("ttyS4"));                          // not a device at all
  ASSERT_TRUE(QFile::link(busy.Slave_Name(), dev.File("ttyS9")));
  // A port kept open by another program is still listed.
  const int held = ::open(QFile::encodeName(busy.Slave_Name()).constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(held, 0);

  com_ports::Override_Device_Folder(dev.Path());
  EXPECT_EQ(List_COM_Ports(), QStringList({"4", "10", "67", "161"}));
  ::close(held);

  Temp_Dir empty;
  com_ports::Override_Device_Folder(empty.Path());
  EXPECT_TRUE(List_COM_Ports().isEmpty());
  com_ports::Override_Device_Folder(QString());
}

// A clock that moves one second each time it is read, so the full limit
// passes in a moment.
Wait_Clock Fast_Clock(int64_t& now) {
  return {[&now] { return now += 1000; }, [](int) { usleep(1000); }};
}

bool Is_Alive(int64_t pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0; }

TEST(StartProgram, WaitsForTheProgramToEnd) {
  QElapsedTimer timer;
  timer.start();
  const Start_Result result = Start_Program_Waiting("sh", "-c \"sleep 1\"", Steady_Wait_Clock());
  EXPECT_TRUE(result.started);
  EXPECT_TRUE(result.ended);
  EXPECT_GE(timer.elapsed(), 900);
  // Already reaped: no zombie left behind.
  EXPECT_EQ(::waitpid(static_cast<pid_t>(result.pid), nullptr, WNOHANG), -1);
}

TEST(StartProgram, PassesQuotedParametersAsOneArgument) {
  Temp_Dir dir;
  const QString script =
      dir.Write("Ethernet_Update.sh", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out.txt\"\n");
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  Start_Program(script, "\"a b\" c", 0);
  EXPECT_EQ(dir.Read("out.txt"), QByteArray("a b|c|"));
}

TEST(StartProgram, StopsWaitingAtTheLimitAndLeavesTheProgramRunning) {
  int64_t now = 0;
  const Start_Result result = Start_Program_Waiting("sleep", "200", Fast_Clock(now));
  EXPECT_TRUE(result.started);
  EXPECT_FALSE(result.ended);
  EXPECT_GE(now, kStart_Program_Limit_Ms);
  EXPECT_LE(now, kStart_Program_Limit_Ms + 2000);
  EXPECT_TRUE(Is_Alive(result.pid));
  ::kill(static_cast<pid_t>(result.pid), SIGKILL);
  // The background reaper collects it once it ends.
  for (int i = 0; i < 200 && ::kill(static_cast<pid_t>(result.pid), 0) == 0; ++i) usleep(10000);
  EXPECT_FALSE(Is_Alive(result.pid));
}

TEST(StartProgram, ProgramThatCannotStartReturnsSilently) {
  for (const char* program : {"/nonexistent/Ethernet_Update.exe", "", "no-such-program-here"}) {
    const Start_Result result = Start_Program_Waiting(program, "-x", Steady_Wait_Clock());
    EXPECT_FALSE(result.started) << program;
  }
  Temp_Dir dir;
  const QString not_executable = dir.Write("Ethernet_Update.exe", "not a program");
  EXPECT_FALSE(Start_Program_Waiting(not_executable, "", Steady_Wait_Clock()).started);
  Start_Program(not_executable, "", 1);
}

}  // namespace
