// The images in bin/ reach the device only as one set: a save killed between
// two renames leaves images of two compiles, which the update refuses before
// it pings or starts anything; the next compile mends the set.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "outputs/compiler/image_compiler.h"
#include "outputs/update/update_fixture.h"
#include "outputs/update/update_run.h"
#include "platform/atomic_file.h"

namespace {

Ping_Clock Fast_Clock(int64_t& now) {
  return {[&now] { return now += 100; }, [] {}};
}

QByteArray Test_File(const QString& relative) {
  QFile file(Test_Data(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A configuration whose images all change with `variant`: it is the gateway's
// last address byte and the meter's primary address.
void Write_Configuration(const Update_Scope& scope, int device_type, int variant) {
  const QByteArray v = QByteArray::number(variant);
  QByteArray par_gen, network;
  if (device_type == 3) {
    par_gen = Test_File("images/profibus/PARGEN.XML");
    network = Test_File("images/profibus/M_Bus.xml");
  } else {
    par_gen =
        "<Par_Gen><Eth_IP1>192</Eth_IP1><Eth_IP2>168</Eth_IP2><Eth_IP3>0</Eth_IP3><Eth_IP4>5</Eth_IP4>"
        "<Eth_SM1>255</Eth_SM1><Eth_SM2>255</Eth_SM2><Eth_SM3>255</Eth_SM3><Eth_SM4>0</Eth_SM4>"
        "<Eth_GAT1>192</Eth_GAT1><Eth_GAT2>168</Eth_GAT2><Eth_GAT3>0</Eth_GAT3><Eth_GAT4>1</Eth_GAT4>"
        "<Eth_EN_GAT>0</Eth_EN_GAT><Meter_Baud>0</Meter_Baud><Meter_Par>1</Meter_Par>"
        "<Meter_Req_Delay>100</Meter_Req_Delay></Par_Gen>";
    network =
        "<M-Bus_Network><Nodo Enable_Node=\"1\" ID_Primary=\"3\" Descrizione=\"Meter\"><Variabile Enable=\"1\" "
        "Desc=\"Energy\" Type=\"0\" Fun_Field=\"0\" Dim=\"2\" Unit=\"3\" Scale=\"0\" StoNumber=\"0\" Tariff=\"0\" "
        "VIFE=\"0\" Position=\"1\"/></Nodo></M-Bus_Network>";
  }
  scope.Temp().Write("PROJECTS/Plant/ParGen.xml", par_gen.replace("<Eth_IP4>5<", "<Eth_IP4>" + v + "<"));
  scope.Temp().Write("PROJECTS/Plant/M_Bus.xml", network.replace("ID_Primary=\"3\"", "ID_Primary=\"" + v + "\""));
}

// Every image of the device type differs between the two variants, so that a
// mixture of them is a mixture indeed.
void Expect_All_Images_Differ(const Update_Scope& scope, int device_type) {
  Write_Configuration(scope, device_type, 5);
  const Bank_Buffers first = Compile_Bank_Files(device_type, Active_Conf_Dir);
  Write_Configuration(scope, device_type, 6);
  const Bank_Buffers second = Compile_Bank_Files(device_type, Active_Conf_Dir);
  for (const Bank_File& file : Bank_Files(device_type))
    EXPECT_NE((first.*file.buffer).Bytes(), (second.*file.buffer).Bytes()) << file.name.toStdString();
}

// Compiles and saves in a child that is killed right after the rename number `renames`.
void Save_Killed_After(int device_type, int renames) {
  const Bank_Buffers buffers = Compile_Bank_Files(device_type, Active_Conf_Dir);
  const pid_t pid = fork();
  if (pid == 0) {
    int done = 0;
    Save_Bank_Files(device_type, Active_Conf_Dir, buffers, [&] {
      if (++done == renames) raise(SIGKILL);
    });
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child was not killed";
}

QStringList Bin(const Update_Scope& scope) {
  return QDir(scope.Temp().File("PROJECTS/Plant/bin")).entryList(QDir::Files, QDir::Name);
}

// Type 6: the stamp, bank1.bin, bank2.bin; killed after bank1.bin.
TEST(UpdateImages, KillBetweenTheTwoBankRenamesIsRefusedBeforeTheUpdate) {
  Update_Scope scope(6);
  scope.Stand_In("Ethernet_Update.exe", 0);
  Expect_All_Images_Differ(scope, 6);
  Write_Configuration(scope, 6, 5);
  Compile_And_Save_Bank_Files(6, Active_Conf_Dir);
  const QByteArray old_bank2 = scope.Temp().Read("PROJECTS/Plant/bin/bank2.bin");
  Write_Configuration(scope, 6, 6);
  Save_Killed_After(6, 2);
  EXPECT_EQ(scope.Temp().Read("PROJECTS/Plant/bin/bank2.bin"), old_bank2) << "the kill came too late";
  EXPECT_TRUE(Bin(scope).contains("bank2.bin.saving"));

  Scripted_Echo echo;
  echo.otherwise = Echo_Outcome::Reply_With_Data;
  int64_t now = 0;
  const Update_Run_Outcome outcome = Run_Ethernet_Update(echo, Fast_Clock(now), "10.1.2.3", 0, false);
  EXPECT_EQ(outcome.result, Update_Run_Result::Start_Failed);
  EXPECT_TRUE(outcome.error.contains("bank1.bin, bank2.bin")) << outcome.error.toStdString();
  EXPECT_TRUE(outcome.error.contains("bank2.bin differs")) << outcome.error.toStdString();
  EXPECT_TRUE(echo.hosts.isEmpty()) << "nothing is sent to the device";
  EXPECT_FALSE(QFile::exists(scope.Temp().File("Ethernet_Update.xml")));
  EXPECT_FALSE(scope.Started());

  // The next compile writes a whole set and clears what the killed save left.
  Compile_And_Save_Bank_Files(6, Active_Conf_Dir);
  EXPECT_EQ(Bin(scope), (QStringList{"bank1.bin", "bank2.bin", "banks.stamp"}));
  EXPECT_EQ(Bank_Files_Mismatch(Active_Conf_Dir), "");
  EXPECT_EQ(Run_Ethernet_Update(echo, Fast_Clock(now), "10.1.2.3", 0, false).result, Update_Run_Result::Done);
}

// Type 3 writes three files; any kill between its renames is found, also by the serial run.
TEST(UpdateImages, EveryCutShortSaveOfThreeFilesIsFound) {
  for (int renames : {1, 2, 3}) {
    SCOPED_TRACE(renames);
    Update_Scope scope(3);
    com_ports::Override_Device_Folder(scope.Temp().File("dev"));
    if (renames == 1) Expect_All_Images_Differ(scope, 3);
    Write_Configuration(scope, 3, 5);
    Compile_And_Save_Bank_Files(3, Active_Conf_Dir);
    EXPECT_EQ(Bank_Files_Mismatch(Active_Conf_Dir), "");
    Write_Configuration(scope, 3, 6);
    Save_Killed_After(3, renames);
    const Update_Run_Outcome outcome = Run_Serial_Update("COM3", 0, false);
    EXPECT_EQ(outcome.result, Update_Run_Result::Start_Failed);
    EXPECT_TRUE(outcome.error.contains("do not belong together")) << outcome.error.toStdString();
    EXPECT_FALSE(scope.Started());
  }
}

// The fifth way out of PROJECTS: a bin folder that is a link to elsewhere.
TEST(UpdateImages, BinFolderLinkedOutsideIsRefusedAndNothingIsWritten) {
  Update_Scope scope(6);
  Temp_Dir outside;
  ASSERT_TRUE(QDir(Active_Conf_Dir + "/bin").removeRecursively());
  ASSERT_TRUE(QFile::link(outside.Path(), Active_Conf_Dir + "/bin"));
  atomic_file::Guard_Folder(Dir_Projects);
  try {
    Compile_And_Save_Bank_Files(6, Active_Conf_Dir);
    ADD_FAILURE() << "the images were saved";
  } catch (const File_Write_Error& e) {
    EXPECT_TRUE(QString(e.what()).contains(Active_Conf_Dir + "/bin/")) << e.what();
    EXPECT_TRUE(QString(e.what()).contains("outside the folder")) << e.what();
  }
  atomic_file::Guard_Folder(QString());
  EXPECT_TRUE(QDir(outside.Path()).isEmpty());
}

}  // namespace
