#include "outputs/descriptions/gsd_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/description_steps.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "support/temp_dir.h"

namespace {

QByteArray Fixture(const QString& relative) {
  QFile file(Test_Data(QStringLiteral("descriptions/") + relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Par_Gen(const QString& elements) {
  return QStringLiteral("<Par_Gen>%1</Par_Gen><!--SW_VERSION = 3.007-->").arg(elements).toUtf8();
}

QString Variable(const QString& attributes) {
  return QStringLiteral("<Variabile Desc=\"v\" Fun_Field=\"0\" %1/>").arg(attributes);
}

QByteArray Network(const QString& nodes) { return ("<M-Bus_Network>" + nodes + "</M-Bus_Network>").toUtf8(); }

QString Node(const QString& attributes, const QString& variables) {
  return QStringLiteral("<Nodo Descrizione=\"n\" %1>%2</Nodo>").arg(attributes, variables);
}

GSD_Modules Read(const Temp_Dir& dir) {
  const std::optional<GSD_Modules> m = Read_GSD_Modules(dir.File("ParGen.xml"), dir.Path());
  EXPECT_TRUE(m.has_value());
  return m.value_or(GSD_Modules{});
}

QStringList Lines_Of(const QByteArray& gsd) { return QString::fromLatin1(gsd).split(QStringLiteral("\r\n")); }

QStringList Module_Lines(const QByteArray& gsd) {
  QStringList out;
  for (const QString& line : Lines_Of(gsd))
    if (line.contains(QRegularExpression("^(Module=|Slot\\(|Max_(Module|Input_Len|Output_Len|Data_Len)=)")))
      out << line;
  return out;
}

// Each fixture folder holds ParGen.xml (and M_Bus.xml) and the GSD expected from them.
class GsdFixture : public testing::TestWithParam<const char*> {};

TEST_P(GsdFixture, WritesTheExpectedFileByteForByte) {
  const QString folder = Test_Data(QStringLiteral("descriptions/") + GetParam());
  const std::optional<GSD_Modules> m = Read_GSD_Modules(folder + "/ParGen.xml", folder);
  ASSERT_TRUE(m.has_value());
  Temp_Dir out;
  Write_GSD_File(out.File("a.gsd"), *m);
  const QByteArray written = out.Read("a.gsd");
  if (written != Fixture(QStringLiteral("%1/expected.gsd").arg(GetParam()))) {
    const QString actual = QDir::temp().filePath(QStringLiteral("%1.actual.gsd").arg(GetParam()));
    atomic_file::Write(actual, written);
    ADD_FAILURE() << "differs from expected.gsd; written file: " << actual.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Configurations, GsdFixture, testing::Values("gsd_block_244", "gsd_per_variable"));

TEST(GsdWriter, BlockModeOf244InputBytes) {
  Temp_Dir dir;
  dir.Write("ParGen.xml",
            Par_Gen("<PROFI_NB_IN>244</PROFI_NB_IN><Enable_TX>0</Enable_TX><Working_mode>0</Working_mode>"));
  const QByteArray gsd = GSD_Text(Read(dir));
  EXPECT_EQ(
      Module_Lines(gsd),
      QStringList({"Max_Module=4", "Max_Input_Len=244", "Max_Output_Len=0", "Max_Data_Len=244",
                   "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "Module=\"DI  (PORT2)    \" 0x42,0x3F,0x00,0x02",
                   "Module=\"DI  (PORT3)    \" 0x42,0x3F,0x00,0x03", "Module=\"DI  (PORT4)    \" 0x42,0x33,0x00,0x04",
                   "Slot(1) = \"Slot 1\" 1 1", "Slot(2) = \"Slot 2\" 2 2", "Slot(3) = \"Slot 3\" 3 3",
                   "Slot(4) = \"Slot 4\" 4 4"}));
  EXPECT_TRUE(gsd.endsWith("EndSlotDefinition\r\n\r\n\r\n\r\n\r\n"));
  EXPECT_EQ(gsd.count("\n"), gsd.count("\r\n")) << "every line ends with CR LF";
}

TEST(GsdWriter, ModuleListsOfTheModes) {
  const struct {
    const char* name;
    const char* par_gen;
    QByteArray network;  // empty: no M_Bus.xml
    QStringList modules;
  } rows[] = {
      {"one full block",
       "<PROFI_NB_IN>64</PROFI_NB_IN>",
       {},
       {"Max_Module=1", "Max_Input_Len=64", "0x42,0x3F,0x00,0x01"}},
      {"outputs of 300 bytes keep the low byte",
       "<PROFI_NB_IN>100</PROFI_NB_IN><Enable_TX>1</Enable_TX><PROFI_NB_OUT>300</PROFI_NB_OUT>",
       {},
       {"Max_Module=3", "Max_Input_Len=100", "Max_Output_Len=44", "Max_Data_Len=144", "0x42,0x3F,0x00,0x01",
        "0x42,0x23,0x00,0x02", "DO  (PORT3)    \" 0x82,0x2B,0x00,0x03"}},
      {"outputs only in single slave mode",
       "<PROFI_NB_IN>1</PROFI_NB_IN><PROFI_NB_OUT>128</PROFI_NB_OUT>",
       {},
       {"Max_Module=1", "Max_Output_Len=0"}},
      {"no input bytes", "<PROFI_NB_IN>0</PROFI_NB_IN>", {}, {"Max_Module=0", "Max_Input_Len=0", "Max_Data_Len=0"}},
      {"negative input bytes", "<PROFI_NB_IN>-5</PROFI_NB_IN>", {}, {"Max_Module=0", "Max_Input_Len=0"}},
      {"input length not a number", "<PROFI_NB_IN>lots</PROFI_NB_IN>", {}, {"Max_Module=0"}},
      {"per variable without M_Bus.xml keeps its outputs",
       "<PROFI_GSD>1</PROFI_GSD><Working_mode>1</Working_mode><PROFI_NB_OUT>10</PROFI_NB_OUT>",
       {},
       {"Max_Module=2", "Max_Input_Len=2", "Max_Output_Len=10", "DI  (PORT1)    \" 0x11",
        "DO  (PORT2)    \" 0x82,0x09,0x00,0x02"}},
      {"per variable: enable rules",
       "<PROFI_GSD>1</PROFI_GSD>",
       Network(Node("Enable_Node=\"1\" Node_State=\"1\"", Variable("Enable=\"0\" Dim=\"3\"") + Variable("Dim=\"0\"")) +
               Node("Enable_Node=\"0\" Node_State=\"1\"", Variable("Enable=\"1\" Dim=\"3\"")) +
               Node("Enable_Node=\"2\" Node_State=\"1\"", "") + Node("Enable_Node=\"on\" Ident_Num=\"1\"", "") +
               Node("Node_Enable=\"0\" Node_State=\"1\"", "") + Node("Node_Enable=\"1\" Node_State=\"1\"", "")),
       {"Max_Module=4", "Max_Input_Len=7", "DI  (PORT1)    \" 0x10", "DI  (PORT2)    \" 0x10", "DI  (PORT3)    \" 0x13",
        "DI  (PORT4)    \" 0x10"}},
      {"per variable: item sizes",
       "<PROFI_GSD>1</PROFI_GSD>",
       Network(Node("", Variable("Dim=\"2\" Type=\"20\" TP_Mod_Regs=\"1\"") +
                            Variable("Dim=\"0\" ForceInteger32=\"1\"") + Variable("Dim=\"1\"") + Variable("Dim=\"3\"") +
                            Variable("Dim=\"4\"") + Variable("Dim=\"5\"") + Variable("Dim=\"6\" Scale=\"1\"") +
                            Variable("Dim=\"7\" Length=\"20\"") + Variable("Dim=\"9\""))),
       {"Max_Input_Len=56", "(PORT1)    \" 0x15", "0x13", "0x11", "0x17", "0x12", "0x15", "0x14",
        "DI  (PORT8)    \" 0x42,0x13,0x00,0x08", "DI  (PORT9)    \" 0x11"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Temp_Dir dir;
    dir.Write("ParGen.xml", Par_Gen(QLatin1String(row.par_gen)));
    if (!row.network.isEmpty()) dir.Write("m_bus.xml", row.network);
    const QString modules = Module_Lines(GSD_Text(Read(dir))).join('\n');
    for (const QString& expected : row.modules)
      EXPECT_TRUE(modules.contains(expected)) << expected.toStdString() << "\nin\n" << modules.toStdString();
  }
}

TEST(GsdWriter, VariablesNoModuleCanCarryAreRefused) {
  const struct {
    QString variable;
    const char* message;
  } rows[] = {
      {Variable("Enable=\"1\" Dim=\"x\""), "M_Bus.xml, node 1, variable 2: the Dim is missing or not a number"},
      {Variable("Enable=\"1\""), "node 1, variable 2: the Dim"},
      {Variable("Dim=\"7\" Length=\"65\""), "node 1, variable 2: an item of 65 bytes"},
      {Variable("Dim=\"7\" Length=\"0\""), "an item of 0 bytes"},
  };
  for (const auto& row : rows) {
    Temp_Dir dir;
    dir.Write("ParGen.xml", Par_Gen("<PROFI_GSD>1</PROFI_GSD>"));
    dir.Write("M_Bus.xml", Network(Node("", Variable("Dim=\"0\"") + row.variable)));
    try {
      Read_GSD_Modules(dir.File("ParGen.xml"), dir.Path());
      ADD_FAILURE() << "no error for " << row.variable.toStdString();
    } catch (const Description_File_Error& e) {
      EXPECT_TRUE(QString::fromStdString(e.what()).contains(QLatin1String(row.message))) << e.what();
    }
  }
  // A disabled variable is not looked at.
  Temp_Dir dir;
  dir.Write("ParGen.xml", Par_Gen("<PROFI_GSD>1</PROFI_GSD>"));
  dir.Write("M_Bus.xml", Network(Node("", Variable("Enable=\"0\" Dim=\"x\""))));
  EXPECT_EQ(Read(dir).Input_Modules, 0);
}

TEST(GsdWriter, HeaderBoxIs85ColumnsWide) {
  const QStringList lines = Lines_Of(GSD_Text(GSD_Modules{}));
  EXPECT_EQ(lines[0], ";");
  int box = 0;
  for (int i = 1; i < lines.size() && lines[i].startsWith(';'); ++i, ++box)
    EXPECT_EQ(lines[i].size(), 85) << lines[i].toStdString();
  EXPECT_EQ(box, 20);
  EXPECT_TRUE(lines.contains(";==== Prm-Text-Def-List " + QString(85 - 24, '=')));
  EXPECT_TRUE(lines.contains(";" + QString(85, '=')));  // width 86 banners
}

TEST(GsdWriter, FileNameGetsItsExtensionOnce) {
  const std::pair<const char*, const char*> rows[] = {
      {"/c/Device.GSD", "/c/Device.GSD"}, {"/c/device", "/c/device.gsd"}, {"/c/a.gsd.old", "/c/a.gsd.old.gsd"},
      {"/c/a.gsd", "/c/a.gsd"},           {"/c/a.gsdx", "/c/a.gsdx.gsd"}, {"/c/.gsd.gsd", "/c/.gsd.gsd.gsd"},
  };
  for (const auto& [chosen, name] : rows) EXPECT_EQ(GSD_File_Name(chosen).toStdString(), name);
}

class GsdStep : public testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Texts();
    Active_Conf_Dir = dir_.Path();
    Path_ParGen_XML = dir_.File("ParGen.xml");
    dir_.Write("ParGen.xml", Par_Gen("<PROFI_NB_IN>10</PROFI_NB_IN>"));
  }
  void TearDown() override {
    Active_Conf_Dir.clear();
    Path_ParGen_XML.clear();
  }
  Temp_Dir dir_;
  dialogs::Scripted_Scope script_;
};

TEST_F(GsdStep, WithoutParGenOnlyTellsTheUser) {
  QFile::remove(dir_.File("ParGen.xml"));
  Create_GSD_File(nullptr);
  ASSERT_EQ(script_->messages.size(), 1u);
  EXPECT_EQ(script_->messages[0].kind, dialogs::Kind::Error);
  EXPECT_EQ(script_->messages[0].text, Lang(1301));
  EXPECT_TRUE(script_->file_requests.empty());
}

TEST_F(GsdStep, AsksInTheConfigurationFolderAndAddsTheExtension) {
  script_->file_answers.push_back(dir_.File("a.gsd.old"));
  Create_GSD_File(nullptr);
  ASSERT_EQ(script_->file_requests.size(), 1u);
  EXPECT_EQ(script_->file_requests[0].folder, dir_.Path());
  EXPECT_EQ(script_->file_requests[0].filter, "Generic Station Description (*.gsd)");
  EXPECT_TRUE(script_->messages.empty());
  EXPECT_TRUE(dir_.Read("a.gsd.old.gsd").contains("Max_Input_Len=10\r\n"));
}

TEST_F(GsdStep, ReplacingAFileNeedsYes) {
  dir_.Write("Device.gsd", "old");
  script_->file_answers = {dir_.File("DEVICE.GSD"), dir_.File("device.GSD")};
  script_->message_answers = {dialogs::No, dialogs::Yes};
  Create_GSD_File(nullptr);
  EXPECT_EQ(dir_.Read("Device.gsd"), "old");
  Create_GSD_File(nullptr);
  ASSERT_EQ(script_->messages.size(), 2u);
  EXPECT_EQ(script_->messages[1].kind, dialogs::Kind::Confirmation);
  EXPECT_EQ(script_->messages[1].text, Lang(1300));
  EXPECT_TRUE(dir_.Read("Device.gsd").startsWith(";\r\n"));
  EXPECT_EQ(QDir(dir_.Path()).entryList({"*.gsd", "*.GSD"}, QDir::Files).size(), 1)
      << "the file of another case is replaced";
}

TEST_F(GsdStep, CancelWritesNothing) {
  Create_GSD_File(nullptr);
  EXPECT_EQ(QDir(dir_.Path()).entryList({"*.gsd"}, QDir::Files).size(), 0);
}

}  // namespace
