#include "shell/logic/config_folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "shell/core/globals.h"
#include "shell/shell_fixture.h"

namespace {

using config_folders::Create_Result;

class ConfigFolders : public ::testing::Test {
 protected:
  Shell_Globals_Scope scope;
  void SetUp() override {
    config_folders::Set_Program_Folders();
    config_folders::Set_Files();
  }
  QStringList Projects() const {
    return QDir(Dir_Projects).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
  }
};

TEST_F(ConfigFolders, ProgramFoldersAreCreatedBesideTheProgram) {
  const QString base = scope.Temp().Path();
  EXPECT_EQ(Dir_Program, base);
  EXPECT_EQ(Dir_Projects, base + "/PROJECTS");
  EXPECT_EQ(Dir_Master, base + "/MASTER");
  EXPECT_EQ(Dir_Language, base + "/LANGUAGE");
  for (const QString& folder : {Dir_Projects, Dir_Master, Dir_Language}) EXPECT_TRUE(QFileInfo(folder).isDir());
  // Existing folders are left as they are.
  scope.Temp().Write("PROJECTS/Keep/x.xml", "<x/>");
  EXPECT_EQ(config_folders::Set_Program_Folders(), "");
  EXPECT_TRUE(QFileInfo::exists(Dir_Projects + "/Keep/x.xml"));
}

// A program folder that cannot be written is said at start, with the folder
// and the system's reason; New then names the real cause, not the name.
TEST_F(ConfigFolders, UnwritableProgramFolderIsReportedWithTheReason) {
  for (const QString& folder : {Dir_Projects, Dir_Master, Dir_Language}) ASSERT_TRUE(QDir(folder).removeRecursively());
  const QString base = scope.Temp().Path();
  ASSERT_TRUE(QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  if (QDir(base).mkdir("probe")) {
    QDir(base).rmdir("probe");
    QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    GTEST_SKIP() << "running with the privilege to write anywhere";
  }
  const QString problem = config_folders::Set_Program_Folders();
  EXPECT_TRUE(problem.contains(base + "/PROJECTS")) << problem.toStdString();
  EXPECT_TRUE(problem.contains(base + "/MASTER")) << problem.toStdString();
  EXPECT_TRUE(problem.contains("Permission denied")) << problem.toStdString();

  QString reason;
  EXPECT_EQ(config_folders::Create_Configuration("Demo", &reason), Create_Result::Cannot_Create);
  EXPECT_TRUE(reason.contains(base + "/PROJECTS/Demo")) << reason.toStdString();
  EXPECT_TRUE(reason.contains("No such file or directory")) << reason.toStdString();
  QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// The same for anyone, however privileged: a file where PROJECTS should be.
TEST_F(ConfigFolders, AFileInTheWayOfTheProjectsFolderIsReported) {
  ASSERT_TRUE(QDir(Dir_Projects).removeRecursively());
  scope.Temp().Write("PROJECTS", "not a folder");
  EXPECT_EQ(config_folders::Set_Program_Folders(), "Cannot create the folder \"" + Dir_Projects + "\": File exists");
  QString reason;
  EXPECT_EQ(config_folders::Create_Configuration("Demo", &reason), Create_Result::Cannot_Create);
  EXPECT_EQ(reason, "Cannot create the folder \"" + Dir_Projects + "/Demo\": Not a directory");
  EXPECT_TRUE(Active_Conf_Name.isEmpty());
}

TEST_F(ConfigFolders, NoActiveConfigurationGivesBareFileNames) {
  EXPECT_TRUE(Active_Conf_Dir.isEmpty());
  EXPECT_EQ(Path_ParGen_XML, "/ParGen.xml");
  EXPECT_EQ(Path_M_Bus_XML, "/M_Bus.xml");
  EXPECT_EQ(Path_SDO_Server_XML, "/SDO_Server_CANopen.xml");
  EXPECT_EQ(Path_SDO_Client_XML, "/SDO_Client_CANopen.xml");
  EXPECT_EQ(Path_PDO_XML, "/PDO_CANopen.xml");
}

TEST_F(ConfigFolders, NewConfigurationBecomesActiveWithItsBinFolder) {
  ASSERT_EQ(config_folders::Create_Configuration("Demo"), Create_Result::Created);
  EXPECT_TRUE(QFileInfo(Dir_Projects + "/Demo/bin").isDir());
  EXPECT_EQ(Active_Conf_Name, "Demo");
  EXPECT_EQ(Active_Conf_Dir, Dir_Projects + "/Demo");
  EXPECT_TRUE(Path_PDO_XML.endsWith("/PROJECTS/Demo/PDO_CANopen.xml"));
  EXPECT_EQ(Path_ParGen_XML, Dir_Projects + "/Demo/ParGen.xml");
  EXPECT_EQ(config_folders::Active_Name_From_Dir(), "Demo");
  // The name is taken as typed, blanks inside included.
  EXPECT_EQ(config_folders::Create_Configuration("Plant  2"), Create_Result::Created);
  EXPECT_TRUE(QFileInfo(Dir_Projects + "/Plant  2/bin").isDir());
}

TEST_F(ConfigFolders, RefusedNamesCreateNothingAndKeepTheActiveOne) {
  ASSERT_EQ(config_folders::Create_Configuration("Demo"), Create_Result::Created);
  const QStringList before = Projects();
  const struct {
    QString name;
    Create_Result result;
  } rows[] = {
      {"", Create_Result::Empty_Name},         {"Demo", Create_Result::Already_Exists},
      {"DEMO", Create_Result::Already_Exists}, {"../evil", Create_Result::Not_Valid},
      {"a/b", Create_Result::Not_Valid},       {"a\\b", Create_Result::Not_Valid},
      {".", Create_Result::Not_Valid},         {"..", Create_Result::Not_Valid},
      {"tab\tname", Create_Result::Not_Valid}, {QString("line\nbreak"), Create_Result::Not_Valid},
      {"   ", Create_Result::Not_Valid},       {" x", Create_Result::Not_Valid},
      {"x ", Create_Result::Not_Valid},        {" Demo", Create_Result::Not_Valid},
      {"\tx", Create_Result::Not_Valid},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(config_folders::Create_Configuration(row.name), row.result) << row.name.toStdString();
    EXPECT_EQ(Active_Conf_Name, "Demo");
    EXPECT_EQ(Active_Conf_Dir, Dir_Projects + "/Demo");
  }
  EXPECT_EQ(Projects(), before);
  EXPECT_FALSE(QFileInfo::exists(Dir_Program + "/evil"));
}

TEST_F(ConfigFolders, CreationFailsWhenProjectsFolderIsGone) {
  ASSERT_TRUE(QDir(Dir_Projects).removeRecursively());
  QString reason;
  EXPECT_EQ(config_folders::Create_Configuration("Demo", &reason), Create_Result::Cannot_Create);
  EXPECT_EQ(reason, "Cannot create the folder \"" + Dir_Projects + "/Demo\": No such file or directory");
  EXPECT_TRUE(Active_Conf_Name.isEmpty());
}

TEST_F(ConfigFolders, ListHoldsFoldersOnly) {
  for (const char* name : {"B", "a", "C"}) QDir(Dir_Projects).mkdir(name);
  scope.Temp().Write("PROJECTS/file.xml", "<x/>");
  QStringList names = config_folders::Load_Existing_Configuration();
  names.sort();
  EXPECT_EQ(names, QStringList({"B", "C", "a"}));
  QDir(Dir_Projects).removeRecursively();
  EXPECT_TRUE(config_folders::Load_Existing_Configuration().isEmpty());
}

TEST_F(ConfigFolders, SearchIgnoresTheCaseOfPlainLettersOnly) {
  const QStringList names = {"Alpha", "beta", "Ärger", "x_1"};
  EXPECT_EQ(config_folders::Search_Open_Conf(names, "ALPHA"), 0);
  EXPECT_EQ(config_folders::Search_Open_Conf(names, "Beta"), 1);
  EXPECT_EQ(config_folders::Search_Open_Conf(names, "X_1"), 3);
  EXPECT_EQ(config_folders::Search_Open_Conf(names, "ärger"), -1);
  EXPECT_EQ(config_folders::Search_Open_Conf(names, ""), -1);
  EXPECT_EQ(config_folders::Search_Open_Conf({}, "Alpha"), -1);
}

TEST_F(ConfigFolders, OpenSetsOrClearsTheActiveConfiguration) {
  config_folders::Open_Configuration("Site");
  EXPECT_EQ(Active_Conf_Name, "Site");
  EXPECT_EQ(Active_Conf_Dir, Dir_Projects + "/Site");
  EXPECT_EQ(Path_M_Bus_XML, Dir_Projects + "/Site/M_Bus.xml");
  config_folders::Open_Configuration("");
  EXPECT_TRUE(Active_Conf_Dir.isEmpty());
  EXPECT_EQ(Path_M_Bus_XML, "/M_Bus.xml");
  EXPECT_TRUE(config_folders::Active_Name_From_Dir().isEmpty());
}

TEST_F(ConfigFolders, RestoreKeepsTheNameOfAFolderThatIsGone) {
  QDir(Dir_Projects).mkdir("Here");
  const struct {
    QString remembered;
    bool active;
  } rows[] = {{"Here", true}, {"Gone", false}, {"", false}, {"..", false}, {"../PROJECTS", false}, {".", false}};
  for (const auto& row : rows) {
    Active_Conf_Name = row.remembered;
    EXPECT_EQ(config_folders::Restore_Active_Configuration(), row.active) << row.remembered.toStdString();
    EXPECT_EQ(Active_Conf_Name, row.remembered);
    EXPECT_EQ(Active_Conf_Dir, row.active ? Dir_Projects + "/" + row.remembered : QString());
  }
}

}  // namespace
