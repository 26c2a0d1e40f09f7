// Configuration folders reached through symbolic links: every save meant for
// a configuration stays inside the real PROJECTS folder, and the Open list
// and the restore at start leave out folders that lead outside.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/config_document.h"
#include "platform/xml_document.h"
#include "shell/core/globals.h"
#include "shell/logic/config_folders.h"
#include "shell/logic/settings_file.h"
#include "shell/shell_fixture.h"

namespace {

class Projects_Links : public ::testing::Test {
 protected:
  Shell_Globals_Scope scope;
  Temp_Dir outside;
  Xml_Document doc;
  void SetUp() override {
    config_folders::Set_Program_Folders();
    ASSERT_TRUE(QDir().mkpath(Dir_Projects + "/Plant/bin"));
    outside.Write("old.xml", "<old/>");
    doc.Load_Text("<M-Bus_Network/>");
  }
  static bool Link(const QString& target, const QString& link) { return QFile::link(target, link); }
  QStringList Outside() const {
    return QDir(outside.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
  }
  // Saves as the editors save their files: the file of any letter case in the active folder.
  void Expect_Save_Refused(const QString& conf, const QString& file) {
    config_folders::Open_Configuration(conf);
    const QString path = Active_Conf_Dir + "/" + file;
    try {
      config_document::Save(doc, path);
      ADD_FAILURE() << "saved " << path.toStdString();
    } catch (const File_Write_Error& e) {
      EXPECT_TRUE(QString(e.what()).contains(Dir_Projects + "/" + conf + "/")) << e.what();
      EXPECT_TRUE(QString(e.what()).contains("outside the folder")) << e.what();
    }
  }
};

TEST_F(Projects_Links, SavesThatALinkWouldCarryOutsideAreRefused) {
  ASSERT_TRUE(Link(outside.Path(), Dir_Projects + "/Linked"));
  Expect_Save_Refused("Linked", "M_Bus.xml");

  ASSERT_TRUE(Link(outside.File("old.xml"), Dir_Projects + "/Plant/M_Bus.xml"));
  Expect_Save_Refused("Plant", "M_Bus.xml");

  // The resolver finds ParGen.xml whatever its case; that one is a link too.
  ASSERT_TRUE(Link(outside.File("old.xml"), Dir_Projects + "/Plant/PARGEN.XML"));
  Expect_Save_Refused("Plant", "ParGen.xml");

  ASSERT_TRUE(Link(outside.File("new.xml"), Dir_Projects + "/Plant/SDO_Server_CANopen.xml"));
  Expect_Save_Refused("Plant", "SDO_Server_CANopen.xml");

  EXPECT_EQ(Outside(), QStringList{"old.xml"});
  EXPECT_EQ(outside.Read("old.xml"), "<old/>");
  // A plain file of the same configuration is saved as before.
  config_document::Save(doc, Active_Conf_Dir + "/PDO_CANopen.xml");
  EXPECT_TRUE(QFileInfo(Dir_Projects + "/Plant/PDO_CANopen.xml").isFile());
}

TEST_F(Projects_Links, OpenListAndRestoreLeaveOutFoldersLeadingOutside) {
  ASSERT_TRUE(Link(outside.Path(), Dir_Projects + "/Linked"));
  ASSERT_TRUE(Link(Dir_Projects + "/Plant", Dir_Projects + "/Alias"));  // stays inside
  QStringList names = config_folders::Load_Existing_Configuration();
  names.sort();
  EXPECT_EQ(names, (QStringList{"Alias", "Plant"}));

  for (const char* name : {"Linked", "linked"}) {
    Active_Conf_Name = name;
    EXPECT_FALSE(config_folders::Restore_Active_Configuration()) << name;
    EXPECT_TRUE(Active_Conf_Dir.isEmpty()) << name;
  }
  Active_Conf_Name = "Alias";
  EXPECT_TRUE(config_folders::Restore_Active_Configuration());
}

TEST_F(Projects_Links, LanguageNameHoldingAPathReadsAsEnglish) {
  const struct {
    const char* stored;
    const char* read;
  } rows[] = {{"../../etc/passwd", "English"}, {"..\\..\\x", "English"}, {"/tmp/x", "English"}, {"Deutsch", "Deutsch"}};
  for (const auto& row : rows) {
    scope.Temp().Write("Orvanto.xml", QByteArray("<Conf_Settings><lastlang><language>") + row.stored +
                                          "</language></lastlang></Conf_Settings>");
    Xml_Document settings;
    settings_file::Read(settings);
    EXPECT_EQ(Cur_Language, row.read) << row.stored;
  }
}

}  // namespace
