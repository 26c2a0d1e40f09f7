#include "outputs/descriptions/gsdml_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/description_steps.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/xml_document.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "support/temp_dir.h"

namespace {

QByteArray Par_Gen(const QString& elements) {
  return QStringLiteral("<Par_Gen>%1</Par_Gen><!--SW_VERSION = 1.002-->").arg(elements).toUtf8();
}

GSDML_Parameters Read_Text(const QByteArray& par_gen) {
  Temp_Dir dir;
  return Read_GSDML_Parameters(dir.Write("ParGen.xml", par_gen));
}

// The attribute of the first element of that name, as a parser reads it back.
QString Attribute_Of(const QByteArray& gsdml, const char* element, const char* attribute) {
  pugi::xml_document doc;
  EXPECT_TRUE(doc.load_buffer(gsdml.constData(), gsdml.size()));
  const pugi::xpath_node node = doc.select_node((std::string("//") + element).c_str());
  return QString::fromUtf8(node.node().attribute(attribute).value());
}

TEST(GsdmlWriter, FileNameFromTheUserPart) {
  const QDate date(2024, 3, 5);
  const std::pair<const char*, const char*> rows[] = {
      {"abc", "GSDML-V2.31-Kelvra-HD58276_abc-20240305.xml"}, {"_abc", "GSDML-V2.31-Kelvra-HD58276_abc-20240305.xml"},
      {"", "GSDML-V2.31-Kelvra-HD58276-20240305.xml"},        {"   ", "GSDML-V2.31-Kelvra-HD58276-20240305.xml"},
      {" _x", "GSDML-V2.31-Kelvra-HD58276_ _x-20240305.xml"}, {"a b ", "GSDML-V2.31-Kelvra-HD58276_a b -20240305.xml"},
  };
  for (const auto& [user, name] : rows) EXPECT_EQ(GSDML_File_Name(user, date).toStdString(), name) << user;
  EXPECT_EQ(GSDML_Fixed_Last_Part(QDate(2025, 12, 1)), "-20251201.xml");
}

TEST(GsdmlWriter, UserPartsThatCannotBeFileNames) {
  for (const char* good : {"", "abc", "_abc", "a.b", "...", "caf\xc3\xa9", " x"})
    EXPECT_TRUE(Is_Valid_GSDML_User_Part(QString::fromUtf8(good))) << good;
  for (const char* bad : {".", "..", "a/b", "a\\b", "../x", "a\tb", "a\nb", "a:b", "a*b", "a?b", "a|b", "a<b", "a\"b"})
    EXPECT_FALSE(Is_Valid_GSDML_User_Part(QString::fromUtf8(bad))) << bad;
}

TEST(GsdmlWriter, ParametersFromParGen) {
  const struct {
    const char* name;
    QByteArray par_gen;
    int length;
    const char* station;
  } rows[] = {
      {"hexadecimal length",
       Par_Gen("<PROFINET_NB_OUT>0x10</PROFINET_NB_OUT><PROFINET_NAME_STA>gw1</PROFINET_NAME_STA>"), 16, "gw1"},
      {"length not a number", Par_Gen("<PROFINET_NB_OUT>abc</PROFINET_NB_OUT>"), 1439, "devicename9"},
      {"length missing, blank station", Par_Gen("<PROFINET_NAME_STA>   </PROFINET_NAME_STA>"), 1439, "devicename9"},
      {"station kept untrimmed",
       Par_Gen("<PROFINET_NB_OUT>8</PROFINET_NB_OUT><PROFINET_NAME_STA> s </PROFINET_NAME_STA>"), 8, " s "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const GSDML_Parameters p = Read_Text(row.par_gen);
    EXPECT_EQ(p.Input_Length, row.length);
    EXPECT_EQ(p.Output_Length, 4);
    EXPECT_EQ(p.Station_Name, row.station);
  }
  const GSDML_Parameters none = Read_GSDML_Parameters(Temp_Dir().File("ParGen.xml"));
  EXPECT_EQ(none.Input_Length, 0);
  EXPECT_EQ(none.Station_Name, "devicename9");
}

TEST(GsdmlWriter, WritesLatin1XmlThatReadsBack) {
  Temp_Dir dir;
  Write_GSDML_File(dir.File("g.xml"), Test_Data("descriptions/gsdml_station/ParGen.xml"));
  const QByteArray text = dir.Read("g.xml");
  QFile expected(Test_Data("descriptions/gsdml_station/expected.xml"));
  ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
  EXPECT_EQ(text, expected.readAll());
  EXPECT_TRUE(
      text.startsWith("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<!--A fieldbus integration example.-->\r\n"));
  EXPECT_TRUE(text.contains("ImplementationType=\"a&amp;b &lt;gw&gt; caf\xe9\""));
  EXPECT_TRUE(text.endsWith("</ApplicationProcess>\r\n\t</ProfileBody>\r\n</ISO15745Profile>\r\n"));
  EXPECT_EQ(text.count("\n"), text.count("\r\n"));
  EXPECT_EQ(Attribute_Of(text, "DeviceAccessPointItem", "DNS_CompatibleName"),
            QString::fromUtf8("a&b <gw> caf\xc3\xa9"));
  EXPECT_EQ(Attribute_Of(text, "Input/DataItem", "Length"), "16");
  EXPECT_EQ(Attribute_Of(text, "Output/DataItem", "Length"), "4");
  EXPECT_EQ(text.count("<Text "), 40);
  EXPECT_TRUE(text.contains("<Text Value=\"Continue operation\" TextId=\"IDT_ASSIGN_do_continue_counting\"/>"));
  EXPECT_TRUE(text.contains("<Text TextId=\"IDT_NAME_M_PB1\" Value=\"MBUS master \"/>"));

  const QString xmllint = QStandardPaths::findExecutable("xmllint");
  if (xmllint.isEmpty()) GTEST_SKIP() << "xmllint is not installed";
  QProcess lint;
  lint.start(xmllint, {"--noout", dir.File("g.xml")});
  ASSERT_TRUE(lint.waitForFinished(30000));
  EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();
}

TEST(GsdmlWriter, StationNamesBeyondLatin1AndControlCharacters) {
  GSDML_Parameters p;
  p.Station_Name = QString::fromUtf8("gw\xe2\x82\xac\xf0\x9f\x98\x80\tx");  // euro sign, an emoji, a tab
  const QByteArray text = GSDML_Text(p);
  EXPECT_TRUE(text.contains("DNS_CompatibleName=\"gw&#x20AC;&#x1F600;&#9;x\""));
  EXPECT_EQ(Attribute_Of(text, "DeviceAccessPointItem", "ImplementationType"), p.Station_Name);
  p.Station_Name = QStringLiteral("a\x01");
  EXPECT_THROW(GSDML_Text(p), Description_File_Error);
}

TEST(GsdmlWriter, UnwritableTargetIsAnError) {
  Temp_Dir dir;
  EXPECT_THROW(Write_GSDML_File(dir.File("missing/g.xml"), dir.File("ParGen.xml")), File_Write_Error);
}

class GsdmlStep : public testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Texts();
    Active_Conf_Dir = conf_.Path();
    Path_ParGen_XML = conf_.File("ParGen.xml");
  }
  void TearDown() override {
    Active_Conf_Dir.clear();
    Path_ParGen_XML.clear();
  }
  const QString name_ = "GSDML-V2.31-Kelvra-HD58276_abc-20240305.xml";
  Temp_Dir conf_;
  Temp_Dir other_;
  dialogs::Scripted_Scope script_;
};

TEST_F(GsdmlStep, OnlyTheChosenFolderCounts) {
  script_->file_answers.push_back(other_.File("typed-another-name.xml"));
  Save_GSDML_File(nullptr, name_);
  ASSERT_EQ(script_->file_requests.size(), 1u);
  EXPECT_EQ(script_->file_requests[0].folder, conf_.Path());
  EXPECT_EQ(script_->file_requests[0].default_name, name_);
  EXPECT_EQ(script_->file_requests[0].filter, "PROFINET XML (" + name_ + ")");
  EXPECT_TRUE(QFile::exists(other_.File(name_)));
  EXPECT_FALSE(QFile::exists(other_.File("typed-another-name.xml")));
  EXPECT_TRUE(script_->messages.empty());
}

TEST_F(GsdmlStep, ReplacingAFileNeedsYes) {
  other_.Write(name_, "old");
  script_->file_answers = {other_.File("x.xml"), other_.File("x.xml")};
  script_->message_answers = {dialogs::No, dialogs::Yes};
  Save_GSDML_File(nullptr, name_);
  EXPECT_EQ(other_.Read(name_), "old");
  Save_GSDML_File(nullptr, name_);
  ASSERT_EQ(script_->messages.size(), 2u);
  EXPECT_EQ(script_->messages[0].text, Lang(1511));
  EXPECT_EQ(script_->messages[0].kind, dialogs::Kind::Confirmation);
  EXPECT_TRUE(other_.Read(name_).startsWith("<?xml"));
}

TEST_F(GsdmlStep, CancelWritesNothing) {
  Save_GSDML_File(nullptr, name_);
  EXPECT_TRUE(QDir(conf_.Path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
