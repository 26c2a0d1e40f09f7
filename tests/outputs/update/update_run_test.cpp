#include "outputs/update/update_run.h"

#include <gtest/gtest.h>

#include <QFile>
#include <chrono>

#include "outputs/update/update_fixture.h"
#include "outputs/update/updater_start.h"

namespace {

Ping_Clock Fast_Clock(int64_t& now) {
  return {[&now] { return now += 100; }, [] {}};
}

TEST(StartUpdater, ReportsWhyAnUpdaterCannotRun) {
  Update_Scope scope(6);
  const QString folder = scope.Temp().File("MASTER");
  const QString not_executable = scope.Temp().Write("Plain.exe", "#!/bin/sh\n");
  const struct {
    QString program;
    const char* reason;
  } rows[] = {{scope.Temp().File("Ethernet_Update.exe"), "the file does not exist"},
              {not_executable, "the file is not executable"},
              {folder, "it is a folder"}};
  for (const auto& row : rows) {
    const Updater_Start_Result result = Start_Updater(row.program, QString(), 0);
    EXPECT_FALSE(result.started) << row.reason;
    EXPECT_TRUE(result.error.contains("\"" + row.program + "\"")) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(row.reason)) << result.error.toStdString();
  }
}

TEST(StartUpdater, WaitsForTheUpdaterToEnd) {
  Update_Scope scope(6);
  const QString program = scope.Stand_In("Ethernet_Update.exe", 1);
  const auto start = std::chrono::steady_clock::now();
  const Updater_Start_Result result = Start_Updater(program, "A \"B C\"", 0);
  EXPECT_TRUE(result.started);
  EXPECT_TRUE(result.ended);
  EXPECT_TRUE(result.error.isEmpty());
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  EXPECT_EQ(scope.Arguments(), QStringList({"A", "B C"}));
}

TEST(EthernetUpdateRun, FailedPingWritesNothingAndKeepsTheChoices) {
  const struct {
    std::deque<Echo_Outcome> answers;
    Echo_Outcome otherwise;
    Update_Run_Result expected;
    int ping_res;
  } rows[] = {
      {{}, Echo_Outcome::Reply_Without_Data, Update_Run_Result::Ping_No_Answer, 2},
      {{}, Echo_Outcome::Failed, Update_Run_Result::Ping_Error, 0},
      // One reply, then silence: the last request decides.
      {{Echo_Outcome::Reply_With_Data}, Echo_Outcome::Reply_Without_Data, Update_Run_Result::Ping_No_Answer, 2},
      // Replies, then an error: ping_res stays as it stood.
      {{Echo_Outcome::Reply_With_Data}, Echo_Outcome::Failed, Update_Run_Result::Ping_Error, 1},
  };
  for (const auto& row : rows) {
    Update_Scope scope(6);
    scope.Stand_In("Ethernet_Update.exe", 0);
    Last_IP_Address = "10.0.0.1";
    Update_Option_Index = 0;
    Scripted_Echo echo;
    echo.answers = row.answers;
    echo.otherwise = row.otherwise;
    int64_t now = 0;
    const Update_Run_Outcome outcome = Run_Ethernet_Update(echo, Fast_Clock(now), "192.168.2.9", 2, false);
    EXPECT_EQ(outcome.result, row.expected);
    EXPECT_EQ(outcome.ping_res, row.ping_res);
    EXPECT_EQ(Last_IP_Address, "10.0.0.1");
    EXPECT_EQ(Update_Option_Index, 0);
    EXPECT_FALSE(QFile::exists(scope.Temp().File("Ethernet_Update.xml")));
    EXPECT_FALSE(scope.Started());
  }
}

TEST(EthernetUpdateRun, SuccessfulPingWritesTheFileAndRunsTheUpdater) {
  Update_Scope scope(4);
  scope.Stand_In("Ethernet_Update.exe", 0);
  Scripted_Echo echo;
  echo.otherwise = Echo_Outcome::Reply_With_Data;
  int64_t now = 0;
  const Update_Run_Outcome outcome = Run_Ethernet_Update(echo, Fast_Clock(now), "10.1.2.3", 1, false);
  EXPECT_EQ(outcome.result, Update_Run_Result::Done);
  EXPECT_EQ(echo.hosts, QStringList({"10.1.2.3", "10.1.2.3"}));
  EXPECT_EQ(Last_IP_Address, "10.1.2.3");
  EXPECT_EQ(Update_Option_Index, 1);
  EXPECT_FALSE(Update_Read_Back);
  const QString file = QString::fromUtf8(scope.Temp().Read("Ethernet_Update.xml"));
  EXPECT_TRUE(
      file.startsWith("<Ethernet_Update><Version>1000</Version><Title>Kelvra - SW58287 Ethernet Update</Title>"
                      "<IP_Address_Dev>10.1.2.3</IP_Address_Dev>"));
  EXPECT_TRUE(file.contains("<Protection>0x1A2</Protection><Protection>0x1A3</Protection>"));
  EXPECT_TRUE(file.contains("<Ope_FileName>" + Dir_Master + "/Sim58287.sim</Ope_FileName>"));
  EXPECT_EQ(file.count("<Operation>"), 1);
  EXPECT_TRUE(scope.Started());
  EXPECT_TRUE(scope.Arguments().isEmpty());
}

TEST(EthernetUpdateRun, MissingUpdaterIsAFailureAfterTheFileIsWritten) {
  Update_Scope scope(6);
  Scripted_Echo echo;
  echo.otherwise = Echo_Outcome::Reply_With_Data;
  int64_t now = 0;
  const Update_Run_Outcome outcome = Run_Ethernet_Update(echo, Fast_Clock(now), "10.1.2.3", 0, true);
  EXPECT_EQ(outcome.result, Update_Run_Result::Start_Failed);
  EXPECT_TRUE(outcome.error.contains(scope.Temp().File("Ethernet_Update.exe")));
  EXPECT_TRUE(QFile::exists(scope.Temp().File("Ethernet_Update.xml")));
}

TEST(EthernetUpdateRun, UnwritableParameterFileThrowsAndStartsNothing) {
  Update_Scope scope(6);
  scope.Stand_In("Ethernet_Update.exe", 0);
  QDir().mkpath(scope.Temp().File("Ethernet_Update.xml/blocked"));  // a folder where the file goes
  Scripted_Echo echo;
  echo.otherwise = Echo_Outcome::Reply_With_Data;
  int64_t now = 0;
  EXPECT_THROW(Run_Ethernet_Update(echo, Fast_Clock(now), "10.1.2.3", 0, true), std::exception);
  EXPECT_FALSE(scope.Started());
}

TEST(SerialUpdateRun, CommandLinePerTypeNamesThePortByItsDevice) {
  const struct {
    int type;
    const char* par_gen;  // nullptr: no ParGen.xml
    const char* port;
    int option;
    bool read_back;
    const char* program;
    const char* first_words;
    const char* firmware;
  } rows[] = {
      {1, nullptr, "COM3", 2, false, "Ser_58243_Update.exe", "ttyS2 NO NO PW NO", "sim58243.sim"},
      {1, nullptr, "COM66", 0, true, "Ser_58243_Update.exe", "ttyUSB1 FW FR PW PR", "sim58243.sim"},
      {3, "<Par_Gen><Hardware_Type>1</Hardware_Type></Par_Gen>", "COM3", 1, true, "USB_58232_Update.exe",
       "ttyS2 FW FR NO NO", "sim58232-B2.sim"},
      {3, "<Par_Gen><Hardware_Type>0</Hardware_Type></Par_Gen>", "COM3", 1, false, "Ser_58232_Update.exe",
       "ttyS2 FW NO NO NO", "sim58232.sim"},
  };
  for (const auto& row : rows) {
    Update_Scope scope(row.type);
    com_ports::Override_Device_Folder(scope.Temp().File("dev"));
    if (row.par_gen) scope.Temp().Write("PROJECTS/Plant/pargen.XML", row.par_gen);
    scope.Stand_In(row.program, 0);
    const Update_Run_Outcome outcome = Run_Serial_Update(row.port, row.option, row.read_back);
    EXPECT_EQ(outcome.result, Update_Run_Result::Done) << row.program;
    EXPECT_EQ(outcome.program, scope.Temp().File(row.program));
    const QString dev = scope.Temp().File("dev") + "/";
    QStringList words = QString::fromLatin1(row.first_words).split(' ');
    words[0] = dev + words[0];
    EXPECT_EQ(outcome.command_line,
              words.join(' ') + " \"" + Dir_Master + "/" + row.firmware + "\" \"" + Active_Conf_Dir + "/bin/\"");
    EXPECT_EQ(scope.Arguments(), words + QStringList({Dir_Master + "/" + row.firmware, Active_Conf_Dir + "/bin/"}));
    EXPECT_EQ(Update_Option_Index, row.option);
    EXPECT_EQ(Update_Read_Back, row.read_back);
  }
}

TEST(SerialUpdateRun, TypesWithoutASerialUpdaterStartNothing) {
  Update_Scope scope(6);
  EXPECT_EQ(Run_Serial_Update("COM1", 0, true).result, Update_Run_Result::Nothing_To_Start);
}

}  // namespace
