#include "shell/config_document.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "shell/device_profile.h"
#include "support/temp_dir.h"

namespace {

using namespace config_document;

TEST(ConfigDocument, WrittenFileHasRootFirstNoLineBreaksAndTheVersionCommentLast) {
  const char* versions[] = {"2.000", "2.002", "3.007", "1.001", "1.002", "2.003"};
  Temp_Dir dir;
  for (int type = 1; type <= 6; ++type) {
    Override_Device_Type(type);
    Xml_Document document;
    document.Load_Text("<?xml version=\"1.0\"?><old><x/></old><!--old comment-->");
    Xml_Node root = Begin(document, "Par_Gen");
    Add_Value(root, "Hardware_Type", "2");
    Add_Value(root, "Typed", " 0x1F ");
    Xml_Node row = root.Add_Child("Riga");
    row.Set_Attribute("Z", "1");
    row.Set_Attribute("A", "2");
    Save(document, dir.File("ParGen.xml"));

    const std::string text = dir.Read("ParGen.xml").toStdString();
    EXPECT_EQ(text, std::string("<Par_Gen><Hardware_Type>2</Hardware_Type><Typed> 0x1F </Typed>"
                               "<Riga Z=\"1\" A=\"2\"/></Par_Gen><!--SW_VERSION = ") +
                        versions[type - 1] + "-->")
        << type;
  }
  Override_Device_Type(0);
}

TEST(ConfigDocument, PlainDocumentsCarryNoComment) {
  Xml_Document document;
  Add_Value(Begin_Plain(document, "Conf_Settings"), "a", "");
  EXPECT_EQ(document.Save_Text(), QByteArray("<Conf_Settings><a/></Conf_Settings>"));
}

TEST(ConfigDocument, RootIsTheFirstTopLevelElement) {
  const char* files[] = {
      "<Par_Gen><v>7</v></Par_Gen><!--SW_VERSION = 2.003-->",
      "<?xml version=\"1.0\"?><Par_Gen><v>7</v></Par_Gen>",
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Any_Name>\r\n  <v>7</v>\r\n</Any_Name>\r\n",
      "<!--leading comment--><?pi x?><Other><v>7</v></Other>",
  };
  for (const char* file : files) {
    Xml_Document document;
    document.Load_Text(file);
    EXPECT_EQ(Read_Number_Value(Root(document), "v", -5), 7) << file;
  }
  Xml_Document empty;
  EXPECT_TRUE(Root(empty).Is_Null());
  EXPECT_FALSE(Read_Text(Root(empty), "v").has_value());
}

TEST(ConfigDocument, EachValueFallsBackOnItsOwn) {
  Xml_Document document;
  document.Load_Text(
      "<r><flag1>1</flag1><flagTrue>true</flagTrue><flag0>0</flag0><empty/><nested><x>1</x></nested>"
      "<hex>$10</hex><neg>-$10</neg><bad>12 </bad><dup>first</dup><dup>second</dup><Case>c</Case></r>");
  const Xml_Node root = Root(document);
  EXPECT_TRUE(Read_Flag(root, "flag1"));
  EXPECT_FALSE(Read_Flag(root, "flagTrue"));
  EXPECT_FALSE(Read_Flag(root, "flag0"));
  EXPECT_FALSE(Read_Flag(root, "missing"));
  EXPECT_FALSE(Read_Flag(root, "empty"));

  EXPECT_EQ(Read_Text(root, "empty"), QString(""));
  EXPECT_FALSE(Read_Text(root, "nested").has_value());
  EXPECT_EQ(Read_Text_Or(root, "nested", "fb"), "fb");
  EXPECT_EQ(Read_Text_Or(root, "missing", "fb"), "fb");
  EXPECT_EQ(Read_Text_Or(root, "dup", "fb"), "first");
  EXPECT_EQ(Read_Text_Or(root, "case", "fb"), "fb");  // names are case-sensitive

  EXPECT_EQ(Read_Number_Value(root, "hex", 3), 16);
  EXPECT_EQ(Read_Number_Value(root, "neg", 3), -16);
  EXPECT_EQ(Read_Number_Value(root, "bad", 3), 3);
  EXPECT_EQ(Read_Number_Value(root, "empty", 3), 3);
  EXPECT_EQ(Read_Number_Value(root, "nested", 3), 3);
}

TEST(ConfigDocument, LoadFindsTheFileWhateverItsCase) {
  Temp_Dir dir;
  dir.Write("pargen.xml", "<Par_Gen><v>1</v></Par_Gen>");
  Xml_Document document;
  ASSERT_TRUE(Load(document, dir.File("ParGen.xml")));
  EXPECT_EQ(Read_Text_Or(Root(document), "v", ""), "1");

  // Saving replaces that same file rather than adding a second one.
  Add_Value(Begin(document, "Par_Gen"), "v", "2");
  Save(document, dir.File("ParGen.xml"));
  EXPECT_FALSE(QFileInfo::exists(dir.File("ParGen.xml")));
  EXPECT_TRUE(dir.Read("pargen.xml").startsWith("<Par_Gen><v>2</v>"));
}

TEST(ConfigDocument, MissingFileMeansDefaultsAndBrokenFileThrows) {
  Temp_Dir dir;
  Xml_Document document;
  document.Load_Text("<stale/>");
  EXPECT_FALSE(Load(document, dir.File("M_Bus.xml")));
  EXPECT_TRUE(Root(document).Is_Null());

  dir.Write("M_Bus.xml", "<M-Bus_Network><Nodo>");
  EXPECT_THROW(Load(document, dir.File("M_Bus.xml")), Xml_Error);
}

TEST(ConfigDocument, FailedSaveKeepsTheOldFile) {
  Temp_Dir dir;
  Xml_Document document;
  Begin(document, "Par_Gen");
  EXPECT_THROW(Save(document, dir.File("no_such_folder/ParGen.xml")), File_Write_Error);
}

}  // namespace
