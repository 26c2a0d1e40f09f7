#include "shell/logic/settings_file.h"

#include <gtest/gtest.h>

#include "platform/xml_document.h"
#include "shell/core/globals.h"
#include "shell/shell_fixture.h"

namespace {

const QByteArray kDemo_Settings =
    "<Conf_Settings><lastproj><projectname>Demo</projectname></lastproj><lastipadd><ipaddress>192.168.2.205"
    "</ipaddress></lastipadd><lastlang><language>English</language></lastlang><lastinternet><enable_internet>0"
    "</enable_internet><enable_update>0</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

class SettingsFile : public ::testing::Test {
 protected:
  Shell_Globals_Scope scope;
  Xml_Document document;

  void Write_File(const QByteArray& text) { scope.Temp().Write("Orvanto.xml", text); }
  void Scramble_Globals() {
    Active_Conf_Name = "stale";
    Active_Conf_Dir = "/stale";
    Last_IP_Address = "10.0.0.1";
    Cur_Language = "Italiano";
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Enable_Double_Click_Auto_Size = true;
  }
};

TEST_F(SettingsFile, WritesExactlyTheSevenValues) {
  Active_Conf_Name = "Demo";
  settings_file::Write(document);
  EXPECT_EQ(scope.Temp().Read("Orvanto.xml"), kDemo_Settings);
}

TEST_F(SettingsFile, WrittenValuesReadBack) {
  Active_Conf_Name = "Zählerwerk";
  Last_IP_Address = "10.1.2.3";
  Cur_Language = "Deutsch";
  Enable_Internet = true;
  Enable_Double_Click_Auto_Size = true;
  settings_file::Write(document);
  Scramble_Globals();
  Enable_Internet = Enable_Double_Click_Auto_Size = false;
  settings_file::Read(document);
  EXPECT_EQ(Active_Conf_Name, "Zählerwerk");
  EXPECT_EQ(Last_IP_Address, "10.1.2.3");
  EXPECT_EQ(Cur_Language, "Deutsch");
  EXPECT_TRUE(Enable_Internet);
  EXPECT_FALSE(Enable_Update);
  EXPECT_FALSE(Enable_Jump_Field_Tables);
  EXPECT_TRUE(Enable_Double_Click_Auto_Size);
}

TEST_F(SettingsFile, MissingOrBrokenFileGivesEveryDefault) {
  for (const char* content : {static_cast<const char*>(nullptr), "<Conf_Settings><lastproj>", "", "not xml"}) {
    if (content) Write_File(content);
    Scramble_Globals();
    settings_file::Read(document);
    EXPECT_TRUE(Active_Conf_Name.isEmpty());
    EXPECT_TRUE(Active_Conf_Dir.isEmpty());
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(Cur_Language, "English");
    EXPECT_FALSE(Enable_Internet || Enable_Update || Enable_Jump_Field_Tables || Enable_Double_Click_Auto_Size);
  }
}

TEST_F(SettingsFile, EachValueFallsBackAlone) {
  // Another root name, a declaration, no lastinternet, a "true" that is not "1",
  // an empty address that stays empty and an element holding elements.
  Write_File(
      "<?xml version=\"1.0\"?><Other><lastlang><language><b>x</b></language></lastlang>"
      "<lastipadd><ipaddress/></lastipadd><lastproj><projectname>P1</projectname></lastproj></Other>");
  Scramble_Globals();
  settings_file::Read(document);
  EXPECT_EQ(Active_Conf_Name, "P1");
  EXPECT_EQ(Last_IP_Address, "");
  EXPECT_EQ(Cur_Language, "English");
  EXPECT_FALSE(Enable_Internet || Enable_Update || Enable_Jump_Field_Tables || Enable_Double_Click_Auto_Size);

  Write_File(
      "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update>1</enable_update>"
      "<Double_Click_Auto_Size>1 </Double_Click_Auto_Size><enable_jump_field_tables>1</enable_jump_field_tables>"
      "</lastinternet></Conf_Settings>");
  Scramble_Globals();
  settings_file::Read(document);
  EXPECT_TRUE(Active_Conf_Name.isEmpty());
  EXPECT_EQ(Last_IP_Address, "192.168.2.205");
  EXPECT_FALSE(Enable_Internet);
  EXPECT_TRUE(Enable_Update);
  EXPECT_TRUE(Enable_Jump_Field_Tables);
  EXPECT_FALSE(Enable_Double_Click_Auto_Size);
}

}  // namespace
