#include "platform/config_document.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <memory>

#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace {

std::unique_ptr<Xml_Document> Parse(const char* text) {
  auto doc = std::make_unique<Xml_Document>();
  doc->Load_Text(QByteArray(text));
  return doc;
}

TEST(ConfigDocument, WritesRootThenVersionCommentWithoutDeclaration) {
  Xml_Document doc;
  doc.Load_Text("<?xml version=\"1.0\"?><Old><A>1</A></Old><!--x-->");
  Xml_Node root = config_document::Begin(doc, "Par_Gen", "SW_VERSION = 3.007");
  root.Add_Child("A").Set_Text("a&b");
  EXPECT_EQ(doc.Save_Text(), QByteArray("<Par_Gen><A>a&amp;b</A></Par_Gen><!--SW_VERSION = 3.007-->"));
}

TEST(ConfigDocument, SaveReplacesTheFileWhateverItsLetterCase) {
  Temp_Dir dir;
  dir.Write("pargen.xml", "<old/>");
  Xml_Document doc;
  config_document::Begin(doc, "Par_Gen", "SW_VERSION = 2.003");
  config_document::Save(doc, dir.File("ParGen.xml"));
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{"pargen.xml"});
  EXPECT_EQ(dir.Read("pargen.xml"), QByteArray("<Par_Gen/><!--SW_VERSION = 2.003-->"));
}

TEST(ConfigDocument, SaveIntoAMissingFolderNamesTheFile) {
  Temp_Dir dir;
  Xml_Document doc;
  config_document::Begin(doc, "Par_Gen", "SW_VERSION = 2.003");
  try {
    config_document::Save(doc, dir.File("gone/ParGen.xml"));
    FAIL() << "no error";
  } catch (const File_Write_Error& e) {
    EXPECT_TRUE(QString::fromStdString(e.what()).contains("ParGen.xml")) << e.what();
  }
}

TEST(ConfigDocument, LoadTellsMissingFromMalformed) {
  Temp_Dir dir;
  Xml_Document doc;
  EXPECT_FALSE(config_document::Load(doc, dir.File("ParGen.xml")));
  dir.Write("PARGEN.XML", "<Par_Gen><A>1</A></Par_Gen>");
  EXPECT_TRUE(config_document::Load(doc, dir.File("ParGen.xml")));
  EXPECT_EQ(config_document::Element_Text(doc.Root(), "A"), QString("1"));
  dir.Write("PARGEN.XML", "<Par_Gen><A>1</Par_Gen>");
  EXPECT_THROW(config_document::Load(doc, dir.File("ParGen.xml")), Xml_Error);
}

TEST(ConfigDocument, ElementValuesEachTakeTheirOwnFallback) {
  const auto doc = Parse(
      "<R><Empty/><Nested><X>1</X></Nested><Dup>1</Dup><Dup>2</Dup><Hex>$1f</Hex><Blank> 12</Blank>"
      "<Trail>12 </Trail><On>1</On><OnBlank> 1</OnBlank><True>true</True></R>");
  const Xml_Node root = doc->Root();
  EXPECT_EQ(config_document::Element_Text(root, "Empty"), QString(""));
  EXPECT_EQ(config_document::Element_Text(root, "Nested"), std::nullopt);
  EXPECT_EQ(config_document::Element_Text(root, "dup"), std::nullopt);  // names are case-sensitive
  EXPECT_EQ(config_document::Element_Text(root, "Dup"), QString("1"));
  EXPECT_EQ(config_document::Element_Number(root, "Hex"), 31);
  EXPECT_EQ(config_document::Element_Number(root, "Blank"), 12);
  EXPECT_EQ(config_document::Element_Number_Or(root, "Trail", 7), 7);
  EXPECT_EQ(config_document::Element_Number_Or(root, "Empty", 7), 7);
  EXPECT_EQ(config_document::Element_Number_Or(root, "Missing", 7), 7);
  EXPECT_TRUE(config_document::Element_Flag(root, "On"));
  EXPECT_FALSE(config_document::Element_Flag(root, "OnBlank"));
  EXPECT_FALSE(config_document::Element_Flag(root, "True"));
  EXPECT_FALSE(config_document::Element_Flag(root, "Missing"));
}

TEST(ConfigDocument, WhateverPrecedesTheRootElementIsSkipped) {
  EXPECT_EQ(config_document::Element_Text(Parse("<?xml version=\"1.0\"?><R><A>1</A></R>")->Root(), "A"), QString("1"));
  EXPECT_EQ(config_document::Element_Text(Parse("<!--c--><R><A>1</A></R>")->Root(), "A"), QString("1"));
  EXPECT_EQ(config_document::Element_Text(Parse("<?pi x?><!--c--><R><A>1</A></R>")->Root(), "A"), QString("1"));
}

TEST(ConfigDocument, RequiredValuesNameWhatIsWrong) {
  const auto doc = Parse("<R><N>abc</N><V T=\"x\"/></R>");
  const Xml_Node root = doc->Root();
  const Xml_Node v = root.Child("V");
  struct Case {
    std::function<void()> read;
    const char* expected;
  };
  const Case cases[] = {
      {[&] { config_document::Required_Element_Number(root, "Missing"); }, "Element \"Missing\" is missing"},
      {[&] { config_document::Required_Element_Number(root, "N"); }, "\"abc\" is not a valid integer value"},
      {[&] { config_document::Required_Attribute(v, "Desc"); }, "Attribute \"Desc\" is missing on element \"V\""},
      {[&] { config_document::Required_Attribute_Number(v, "T"); },
       "\"x\" is not a valid integer value for attribute \"T\""},
  };
  for (const Case& c : cases) {
    try {
      c.read();
      ADD_FAILURE() << "no error for " << c.expected;
    } catch (const Config_Value_Error& e) {
      EXPECT_TRUE(QString::fromStdString(e.what()).contains(c.expected)) << e.what();
    }
  }
}

}  // namespace
