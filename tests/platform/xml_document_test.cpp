#include "platform/xml_document.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace {

TEST(XmlDocument, RootIsTheFirstTopLevelElement) {
  const char* const texts[] = {
      "<Par_Gen><A>1</A></Par_Gen><!--SW_VERSION = 2.003-->",
      "<?xml version=\"1.0\"?><Par_Gen><A>1</A></Par_Gen>",
      "<!--x--><Par_Gen><A>1</A></Par_Gen>",
      "<?xml version=\"1.0\"?>\n<!-- note -->\n<?style x?>\n<!DOCTYPE Par_Gen>\n<Par_Gen><A>1</A></Par_Gen>",
  };
  for (const char* text : texts) {
    Xml_Document doc;
    doc.Load_Text(text);
    EXPECT_TRUE(doc.Root().Is_Element()) << text;
    EXPECT_EQ(doc.Root().Name(), "Par_Gen") << text;
    EXPECT_EQ(doc.Root().Child("A").Single_Text(), QString("1")) << text;
  }

  Xml_Document only_comment;
  EXPECT_THROW(only_comment.Load_Text("<!--x-->"), Xml_Error) << "a document needs an element";
  EXPECT_TRUE(only_comment.Root().Is_Null());
}

TEST(XmlDocument, SingleTextRules) {
  Xml_Document doc;
  doc.Load_Text("<R><Empty/><Text>ab</Text><Nested><X>1</X></Nested><a>lower</a></R>");
  const Xml_Node root = doc.Root();
  EXPECT_EQ(root.Child("Empty").Single_Text(), QString(""));
  EXPECT_EQ(root.Child("Text").Single_Text(), QString("ab"));
  EXPECT_FALSE(root.Child("Nested").Single_Text());
  EXPECT_FALSE(root.Child("A").Single_Text()) << "names are case-sensitive";
  EXPECT_FALSE(root.Child("Missing").Single_Text());
  EXPECT_EQ(root.Child_Count(), 4);
  EXPECT_EQ(root.Child_At(1).Name(), "Text");
  EXPECT_TRUE(root.Child_At(9).Is_Null());
}

TEST(XmlDocument, MissingAttributeFails) {
  Xml_Document doc;
  doc.Load_Text("<R><Nodo ID=\"5\"/></R>");
  const Xml_Node node = doc.Root().Child("Nodo");
  EXPECT_EQ(node.Attribute("ID"), "5");
  EXPECT_THROW(node.Attribute("Descrizione"), Xml_Error);
  EXPECT_FALSE(node.Find_Attribute("Descrizione"));
}

TEST(XmlDocument, SavesWithoutDeclarationOrIndentation) {
  Xml_Document doc;
  Xml_Node root = doc.Add_Root("M-Bus_Network");
  Xml_Node nodo = root.Add_Child("Nodo");
  nodo.Set_Attribute("ID", "1");
  nodo.Set_Attribute("Descrizione", "caf\xC3\xA9 & <co>");
  doc.Add_Comment("SW_VERSION = 2.003");
  EXPECT_EQ(doc.Save_Text().toStdString(),
            QByteArray("<M-Bus_Network><Nodo ID=\"1\" Descrizione=\"caf\xC3\xA9 &amp; &lt;co>\"/></M-Bus_Network>"
                       "<!--SW_VERSION = 2.003-->")
                .toStdString());

  Temp_Dir dir;
  doc.Save(dir.File("M_Bus.xml"));
  Xml_Document back;
  back.Load_File(dir.File("M_Bus.xml"));
  EXPECT_EQ(back.Root().Child("Nodo").Attribute("Descrizione"), QString::fromUtf8("caf\xC3\xA9 & <co>"));
}

TEST(XmlDocument, MalformedInputGivesAClearError) {
  Xml_Document doc;
  const char* bad[] = {"<R><A></R>", "", "<R", "\x01\x02\x03"};
  for (const char* text : bad) {
    EXPECT_THROW(doc.Load_Text(text), Xml_Error) << text;
    EXPECT_TRUE(doc.Root().Is_Null());
  }
  Temp_Dir dir;
  try {
    doc.Load_File(dir.Write("ParGen.xml", "<Par_Gen><A>"));
    FAIL();
  } catch (const Xml_Error& e) {
    EXPECT_NE(std::string(e.what()).find("ParGen.xml"), std::string::npos);
  }
  EXPECT_THROW(doc.Load_File(dir.File("missing.xml")), Xml_Error);
  EXPECT_THROW(doc.Save(dir.File("no/folder/x.xml")), File_Write_Error);
}

}  // namespace
