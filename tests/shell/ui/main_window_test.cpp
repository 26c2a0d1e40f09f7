#include "shell/ui/main_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>

#include "app/program.h"
#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/logic/config_folders.h"
#include "shell/shell_fixture.h"
#include "shell/ui/new_project.h"
#include "shell/ui/open_conf.h"

namespace {

const QString kNot_Valid = QStringLiteral("Error! Project not Valid");

// Runs `answer` on the next modal window that opens.
void On_Next_Modal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    answer(modal);
  });
}

// Counts every step the main window hands to another subsystem.
struct Step_Log {
  QStringList calls;
  int boot_form_type = -1;
  QString scan_file;
  bool options_ok = false;

  void Install(Program_Windows& w) {
    auto note = [this](const char* name) { return [this, name] { calls << name; }; };
    w.show_par_gen = note("par_gen");
    w.show_meter_bus = note("meter_bus");
    w.create_gsd_file = note("gsd");
    w.profinet_xml = note("gsdml");
    w.show_sdo_server = note("sdo_server");
    w.show_sdo_client = note("sdo_client");
    w.show_pdo = note("pdo");
    w.write_eds_file = [this](const QString& file) { calls << "eds " + file; };
    w.compile_and_save_images = [this](Xml_Document&) { calls << "compile"; };
    w.show_boot = [this](int form_type) {
      calls << "boot";
      boot_form_type = form_type;
    };
    w.show_scan_decode = [this](int code, const QString& file, int form_type) {
      calls << QStringLiteral("scan %1 %2").arg(code).arg(form_type);
      scan_file = file;
    };
    w.show_about = note("about");
    w.show_options = [this] {
      calls << "options";
      return options_ok;
    };
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Shell_Globals_Scope> scope;
  std::unique_ptr<Program> program;
  Step_Log log;

  TFOrvantoreFirmWare& Main() { return program->Main_Window(); }
  void Start(int device_type) {
    Override_Device_Type(device_type);
    program = std::make_unique<Program>();
    log = Step_Log();
    log.Install(Main().Windows());
  }
  QString Settings() const { return QString::fromUtf8(scope->Temp().Read("Orvanto.xml")); }
  void Make_Project(const QString& name) { QVERIFY(QDir().mkpath(scope->Temp().File("PROJECTS/" + name + "/bin"))); }

 private Q_SLOTS:
  void init() { scope = std::make_unique<Shell_Globals_Scope>(); }
  void cleanup() {
    program.reset();
    scope.reset();
  }

  void layoutPerDeviceType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("create_bin_top");
    QTest::addColumn<int>("labels");
    QTest::addColumn<QString>("own_steps");
    QTest::newRow("type 1") << 1 << 396 << 244 << 4 << "";
    QTest::newRow("type 2") << 2 << 396 << 244 << 4 << "";
    QTest::newRow("type 3") << 3 << 440 << 288 << 5 << "Btn_PROFIBUS_GSD";
    QTest::newRow("type 4") << 4 << 396 << 244 << 4 << "";
    QTest::newRow("type 5") << 5 << 440 << 288 << 5 << "Btn_PROFINET_XML";
    QTest::newRow("type 6") << 6 << 572 << 420 << 8
                            << "Btn_SDO_Server_CANopen Btn_SDO_Client_CANopen Btn_PDO_CANopen Btn_CANopen_EDS";
  }
  void layoutPerDeviceType() {
    QFETCH(int, type);
    QFETCH(int, height);
    QFETCH(int, create_bin_top);
    QFETCH(int, labels);
    QFETCH(QString, own_steps);
    Start(type);
    TFOrvantoreFirmWare& w = Main();
    QCOMPARE(w.size(), QSize(694, height));
    QCOMPARE(w.Btn_CreateBin->geometry(), QRect(80, create_bin_top, 170, 36));
    QCOMPARE(w.Shape1->y(), create_bin_top + 51);
    QCOMPARE(w.L_Kelvra->y(), create_bin_top + 16);
    for (int n = 1; n <= 8; ++n) {
      QCOMPARE(!w.L_Step[n - 1]->isHidden(), n <= labels);
      QCOMPARE(w.L_Step[n - 1]->pos(), QPoint(16, 128 + 44 * (n - 1)));
    }
    QCOMPARE(w.L_Step[labels - 1]->text(), QStringLiteral("Step %1").arg(labels));
    QCOMPARE(w.Btn_ScanDecode->isHidden(), type == 1);
    QCOMPARE(w.Btn_MBus->geometry(), QRect(80, 200, 170, 36));
    const QStringList shown = own_steps.split(' ', Qt::SkipEmptyParts);
    for (const char* name : {"Btn_PROFIBUS_GSD", "Btn_PROFINET_XML", "Btn_SDO_Server_CANopen", "Btn_SDO_Client_CANopen",
                             "Btn_PDO_CANopen", "Btn_CANopen_EDS"})
      QCOMPARE(!w.findChild<TZbButton*>(name)->isHidden(), shown.contains(name));
    if (type == 6) {
      QCOMPARE(w.L_Step[7]->pos(), QPoint(16, 436));
      QCOMPARE(w.Btn_CANopen_EDS->pos(), QPoint(80, 376));
    }
    QCOMPARE(w.windowTitle(), QString::fromLatin1(Device_Model_Table(type).title));
    QCOMPARE(w.L_SW_Code->text(), QString::fromLatin1(Device_Model_Table(type).sw_code));
    QCOMPARE(w.Btn_ScanDecode->Caption(), QStringLiteral("Scan && Decode"));
    QVERIFY(QFileInfo(scope->Temp().File("PROJECTS")).isDir());
    QVERIFY(QFileInfo(scope->Temp().File("MASTER")).isDir());
    QVERIFY(QFileInfo(scope->Temp().File("LANGUAGE")).isDir());
  }

  void stepsNeedAConfiguration() {
    Start(6);
    dialogs::Scripted_Scope script;
    TFOrvantoreFirmWare& w = Main();
    QCOMPARE(w.L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
    for (TZbButton* button :
         {w.Btn_Prm_Gen, w.Btn_MBus, w.Btn_SDO_Server_CANopen, w.Btn_SDO_Client_CANopen, w.Btn_PDO_CANopen,
          w.Btn_CANopen_EDS, w.Btn_CreateBin, w.Btn_ScanDecode, w.Btn_PROFIBUS_GSD, w.Btn_PROFINET_XML}) {
      script->messages.clear();
      w.Btn_Click(button);
      QCOMPARE(script->messages.size(), size_t(1));
      QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
      QCOMPARE(script->messages[0].text, kNot_Valid);
    }
    QVERIFY(log.calls.isEmpty());
    QVERIFY(script->file_requests.empty());

    script->messages.clear();
    w.Btn_Click(w.Btn_Info);
    w.Btn_Click(w.Btn_Opz);
    QCOMPARE(log.calls, QStringList({"about", "options"}));
    QVERIFY(script->messages.empty());
    On_Next_Modal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    w.Btn_Click(w.Btn_New);
    On_Next_Modal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    w.Btn_Click(w.Btn_Open);
    QVERIFY(Active_Conf_Dir.isEmpty());
    w.show();
    w.Btn_Click(w.Btn_Close);
    QVERIFY(!w.isVisible());
    QVERIFY(Settings().startsWith("<Conf_Settings><lastproj><projectname"));
  }

  void newConfigurationThroughTheDialog() {
    Start(6);
    dialogs::Scripted_Scope script;
    TFOrvantoreFirmWare& w = Main();
    On_Next_Modal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFNew_Project*>(modal);
      QVERIFY(dialog);
      QVERIFY(dialog->E_New_Proj->text().isEmpty());
      for (const char* refused : {"", "../evil"}) {
        dialog->E_New_Proj->setText(refused);
        dialog->Btn_OK->Click();
        QVERIFY(dialog->isVisible());
      }
      dialog->E_New_Proj->setText("Demo");
      QTest::keyClick(dialog->E_New_Proj, Qt::Key_Return);  // Enter acts as OK
    });
    w.Btn_Click(w.Btn_New);
    QCOMPARE(script->messages.size(), size_t(2));
    QCOMPARE(script->messages[0].text, QStringLiteral("Error! Name Project is not valid"));
    QCOMPARE(script->messages[1].text, QStringLiteral("Error! Name project is not valid"));
    QVERIFY(!QFileInfo::exists(scope->Temp().File("evil")));
    QVERIFY(QFileInfo(scope->Temp().File("PROJECTS/Demo/bin")).isDir());
    QCOMPARE(w.L_Name_Conf->text(), QStringLiteral("Opened Configuration of the Converter : "));
    QCOMPARE(w.L_Name_Conf_L2->text(), QStringLiteral("Demo"));
    QVERIFY(Path_PDO_XML.endsWith("/PROJECTS/Demo/PDO_CANopen.xml"));

    script->messages.clear();
    On_Next_Modal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFNew_Project*>(modal);
      dialog->E_New_Proj->setText("Demo");
      dialog->Btn_OK->Click();
      dialog->Btn_Cancel->Click();
    });
    w.Btn_Click(w.Btn_New);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text,
             QStringLiteral("Error! Name project is not valid because directory already exists"));

    // The steps act now.
    w.Btn_Click(w.Btn_Prm_Gen);
    QCOMPARE(log.calls, QStringList({"par_gen"}));

    w.close();
    QCOMPARE(Settings(),
             QStringLiteral("<Conf_Settings><lastproj><projectname>Demo</projectname></lastproj><lastipadd><ipaddress>"
                            "192.168.2.205</ipaddress></lastipadd><lastlang><language>English</language></lastlang>"
                            "<lastinternet><enable_internet>0</enable_internet><enable_update>0</enable_update>"
                            "<enable_jump_field_tables>0</enable_jump_field_tables><Double_Click_Auto_Size>0"
                            "</Double_Click_Auto_Size></lastinternet></Conf_Settings>"));
  }

  void rememberedConfigurationWhoseFolderIsGone() {
    scope->Temp().Write("Orvanto.xml",
                        "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj>"
                        "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd></Conf_Settings>");
    Start(6);
    dialogs::Scripted_Scope script;
    TFOrvantoreFirmWare& w = Main();
    QCOMPARE(w.L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
    QCOMPARE(w.L_Name_Conf_L2->text(), QStringLiteral("Use Step1 to open or create new configuration"));
    w.Btn_Click(w.Btn_MBus);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text, kNot_Valid);
    w.close();
    QVERIFY(
        Settings().startsWith("<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj>"
                              "<lastipadd><ipaddress>10.0.0.7</ipaddress>"));
  }

  void rememberedConfigurationIsRestored() {
    Make_Project("Plant");
    scope->Temp().Write("Orvanto.xml",
                        "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
                        "</Conf_Settings>");
    Start(6);
    QCOMPARE(Main().L_Name_Conf_L2->text(), QStringLiteral("Plant"));
    QCOMPARE(Active_Conf_Dir, scope->Temp().File("PROJECTS/Plant"));
    QCOMPARE(Path_ParGen_XML, scope->Temp().File("PROJECTS/Plant/ParGen.xml"));
  }

  // A name is shown as typed, never as markup, and cut to its box with the
  // whole name in the tool tip when it is too long for it.
  void configurationNameIsShownAsTypedInItsBox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cut");
    QTest::newRow("markup") << "a<b>c" << false;
    QTest::newRow("entity") << "x &amp; <i>y" << false;
    QTest::newRow("250 characters") << QString("Long configuration name ").repeated(11).left(250) << true;
  }
  void configurationNameIsShownAsTypedInItsBox() {
    QFETCH(QString, name);
    QFETCH(bool, cut);
    Make_Project(name);
    scope->Temp().Write("Orvanto.xml", "<Conf_Settings><lastproj><projectname>" + name.toHtmlEscaped().toUtf8() +
                                           "</projectname></lastproj></Conf_Settings>");
    Start(6);
    TFOrvantoreFirmWare& w = Main();
    QCOMPARE(Active_Conf_Name, name);
    QCOMPARE(w.L_Name_Conf_L2->textFormat(), Qt::PlainText);
    QVERIFY(w.L_Name_Conf_L2->geometry().right() < w.Shape2->geometry().right());
    if (!cut) {
      QCOMPARE(w.L_Name_Conf_L2->text(), name);
      QVERIFY(w.L_Name_Conf_L2->toolTip().isEmpty());
      return;
    }
    const QString shown = w.L_Name_Conf_L2->text();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(name.startsWith(shown.chopped(1)));
    QTextDocument tip;
    tip.setHtml(w.L_Name_Conf_L2->toolTip());
    QCOMPARE(tip.toPlainText(), name);
  }

  void mainWindowHasTheProgramIcon() {
    Start(6);
    const QIcon icon = Main().windowIcon();
    QVERIFY(!icon.isNull());
    const QImage small = icon.pixmap(16, 16).toImage();
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(small.pixelColor(8, 3).alpha(), 255);  // the tile, not a blank picture
  }

  // A program folder where the configurations' folder cannot be made is said
  // at start, and New names the folder and the system's reason instead of
  // blaming the name. A read-only folder stops only an unprivileged user; a
  // file in the way of PROJECTS stops anyone.
  void unwritableProgramFolderIsSaidAtStart_data() {
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<QString>("start_reason");
    QTest::addColumn<QString>("new_reason");
    QTest::newRow("read-only folder") << true << "Permission denied"
                                      << "No such file or directory";
    QTest::newRow("a file named PROJECTS") << false << "File exists"
                                           << "Not a directory";
  }
  void unwritableProgramFolderIsSaidAtStart() {
    QFETCH(bool, read_only);
    QFETCH(QString, start_reason);
    QFETCH(QString, new_reason);
    const QString base = scope->Temp().Path();
    const auto restore = qScopeGuard(
        [&] { QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); });
    if (read_only) {
      QVERIFY(QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
      if (QDir(base).mkdir("probe")) QSKIP("running with the privilege to write anywhere");
    } else {
      scope->Temp().Write("PROJECTS", "not a folder");
    }
    dialogs::Scripted_Scope script;
    Start(6);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY2(script->messages[0].text.contains("\"" + base + "/PROJECTS\": " + start_reason),
             qPrintable(script->messages[0].text));

    script->messages.clear();
    On_Next_Modal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFNew_Project*>(modal);
      dialog->E_New_Proj->setText("Demo");
      dialog->Btn_OK->Click();
      dialog->Btn_Cancel->Click();
    });
    Main().Btn_Click(Main().Btn_New);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text, "Cannot create the folder \"" + base + "/PROJECTS/Demo\": " + new_reason);
    QVERIFY(Active_Conf_Name.isEmpty());
  }

  void openPreselectsTheActiveConfiguration() {
    for (const char* name : {"Alpha", "Demo", "Zeta"}) Make_Project(name);
    scope->Temp().Write("PROJECTS/readme.txt", "not a configuration");
    Start(6);
    TFOrvantoreFirmWare& w = Main();
    Active_Conf_Dir = Dir_Projects + "/DEMO";  // letter case differs from the folder
    QString chosen;
    QStringList listed;
    On_Next_Modal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TFOpenConf*>(modal);
      QVERIFY(dialog);
      for (int i = 0; i < dialog->ListBox1->count(); ++i) listed << dialog->ListBox1->item(i)->text();
      chosen = dialog->Name_Conf;
      dialog->Btn_OK->Click();
    });
    w.Btn_Click(w.Btn_Open);
    listed.sort();
    QCOMPARE(listed, QStringList({"Alpha", "Demo", "Zeta"}));
    QCOMPARE(chosen, QStringLiteral("Demo"));
    QCOMPARE(Active_Conf_Name, QStringLiteral("Demo"));
    QCOMPARE(w.L_Name_Conf_L2->text(), QStringLiteral("Demo"));

    // A click picks another; Cancel leaves the active one alone.
    On_Next_Modal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFOpenConf*>(modal);
      dialog->ListBox1->setCurrentRow(dialog->SL.indexOf("Zeta"));
      QCOMPARE(dialog->Name_Conf, QStringLiteral("Zeta"));
      dialog->Btn_Cancel->Click();
    });
    w.Btn_Click(w.Btn_Open);
    QCOMPARE(Active_Conf_Name, QStringLiteral("Demo"));

    // An empty PROJECTS folder: OK leaves no configuration active.
    QDir(Dir_Projects).removeRecursively();
    QDir().mkpath(Dir_Projects);
    On_Next_Modal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFOpenConf*>(modal);
      QCOMPARE(dialog->ListBox1->count(), 0);
      QVERIFY(dialog->Name_Conf.isEmpty());
      dialog->Btn_OK->Click();
    });
    w.Btn_Click(w.Btn_Open);
    QVERIFY(Active_Conf_Dir.isEmpty());
    QCOMPARE(Path_M_Bus_XML, QStringLiteral("/M_Bus.xml"));
    QCOMPARE(w.L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
  }

  void scanDecodeAsksBeforeReplacingTheNetwork_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("type 6 wired") << 6 << "scan 19 0";
    QTest::newRow("type 4 wireless") << 4 << "scan 16 1";
    QTest::newRow("type 2") << 2 << "scan 10 0";
  }
  void scanDecodeAsksBeforeReplacingTheNetwork() {
    QFETCH(int, type);
    QFETCH(QString, expected);
    Make_Project("Demo");
    Start(type);
    dialogs::Scripted_Scope script;
    TFOrvantoreFirmWare& w = Main();
    config_folders::Open_Configuration("Demo");
    w.Btn_Click(w.Btn_ScanDecode);  // no M_Bus.xml yet: no question
    QVERIFY(script->messages.empty());
    QCOMPARE(log.calls, QStringList({expected}));
    QCOMPARE(log.scan_file, Path_M_Bus_XML);

    scope->Temp().Write("PROJECTS/Demo/m_bus.xml", "<M-Bus_Network/>");
    log.calls.clear();
    script->message_answers = {dialogs::No, dialogs::Yes};
    w.Btn_Click(w.Btn_ScanDecode);
    QVERIFY(log.calls.isEmpty());
    w.Btn_Click(w.Btn_ScanDecode);
    QCOMPARE(log.calls, QStringList({expected}));
    QCOMPARE(script->messages.size(), size_t(2));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Warning);
    QCOMPARE(script->messages[0].buttons, dialogs::Yes | dialogs::No);
    QVERIFY(script->messages[0].text.startsWith("M_Bus network configuration already exists"));
  }

  void updateDeviceChoosesTheUpdater_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("par_gen");  // "-" for no file
    QTest::addColumn<int>("form_type");
    QTest::newRow("type 1 serial") << 1 << "-" << 0;
    QTest::newRow("type 6 ethernet") << 6 << "-" << 1;
    QTest::newRow("type 2 ethernet") << 2 << "<Par_Gen><Hardware_Type>0</Hardware_Type></Par_Gen>" << 1;
    QTest::newRow("type 3 hw 2") << 3 << "<Par_Gen><Hardware_Type>2</Hardware_Type></Par_Gen>" << 1;
    QTest::newRow("type 3 hw 0") << 3 << "<Par_Gen><Hardware_Type>0</Hardware_Type></Par_Gen>" << 0;
    QTest::newRow("type 3 hw empty") << 3 << "<Par_Gen><Hardware_Type/></Par_Gen>" << 0;
    QTest::newRow("type 3 hw abc") << 3 << "<Par_Gen><Hardware_Type>abc</Hardware_Type></Par_Gen>" << 0;
    QTest::newRow("type 3 no element") << 3 << "<Par_Gen/>" << 1;
    QTest::newRow("type 3 no file") << 3 << "-" << 1;
  }
  void updateDeviceChoosesTheUpdater() {
    QFETCH(int, type);
    QFETCH(QString, par_gen);
    QFETCH(int, form_type);
    Make_Project("Demo");
    if (par_gen != "-") scope->Temp().Write("PROJECTS/Demo/ParGen.xml", par_gen.toUtf8());
    Start(type);
    config_folders::Open_Configuration("Demo");
    Main().Btn_Click(Main().Btn_CreateBin);
    QCOMPARE(log.calls, QStringList({"compile", "boot"}));
    QCOMPARE(log.boot_form_type, form_type);
  }

  void failedCompileKeepsTheUpdateWindowClosed() {
    Make_Project("Demo");
    Start(6);
    config_folders::Open_Configuration("Demo");
    Main().Windows().compile_and_save_images = [](Xml_Document&) {
      throw std::runtime_error("Element \"Baud_Rate\" is missing");
    };
    dialogs::Scripted_Scope script;
    Main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    // Through the event loop, as a user's click: the error box shows the text.
    QTest::mouseClick(Main().Btn_CreateBin, Qt::LeftButton);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, QStringLiteral("Element \"Baud_Rate\" is missing"));
    QVERIFY(!log.calls.contains("boot"));
  }

  void edsStepAsksForTheFileInTheConfigurationFolder() {
    Make_Project("Demo");
    Start(6);
    config_folders::Open_Configuration("Demo");
    dialogs::Scripted_Scope script;
    script->file_answers = {"", scope->Temp().File("out/gateway"), scope->Temp().File("out/x.EDS")};
    for (int i = 0; i < 3; ++i) Main().Btn_Click(Main().Btn_CANopen_EDS);
    QCOMPARE(script->file_requests.size(), size_t(3));
    QCOMPARE(script->file_requests[0].folder, Active_Conf_Dir);
    QVERIFY(script->file_requests[0].filter.contains("*.eds"));
    QCOMPARE(log.calls,
             QStringList({"eds " + scope->Temp().File("out/gateway.eds"), "eds " + scope->Temp().File("out/x.EDS")}));
  }

  void missingStepsSayTheyAreNotAvailable() {
    Make_Project("Demo");
    Start(5);
    Main().Windows() = Program_Windows();
    config_folders::Open_Configuration("Demo");
    dialogs::Scripted_Scope script;
    for (TZbButton* button : {Main().Btn_Prm_Gen, Main().Btn_PROFINET_XML, Main().Btn_CreateBin, Main().Btn_ScanDecode,
                              Main().Btn_Info, Main().Btn_Opz}) {
      script->messages.clear();
      Main().Btn_Click(button);
      QCOMPARE(script->messages.size(), size_t(1));
      QCOMPARE(script->messages[0].kind, dialogs::Kind::Information);
    }
  }

  void optionsOkWritesTheSettingsAndSetsTheTimer() {
    Start(6);
    TFOrvantoreFirmWare& w = Main();
    QVERIFY(!w.Timer_Update->isActive());
    QCOMPARE(w.Timer_Update->interval(), 60000);
    w.Windows().show_options = [] {
      Enable_Internet = Enable_Update = true;
      Cur_Language = "Deutsch";
      return true;
    };
    w.Btn_Click(w.Btn_Opz);
    QVERIFY(w.Timer_Update->isActive());
    QVERIFY(Settings().contains("<language>Deutsch</language>"));
    QVERIFY(Settings().contains("<enable_internet>1</enable_internet><enable_update>1</enable_update>"));

    bool newer = true;
    w.Windows().check_version = [&newer] { return newer; };
    w.Windows().download_page = [] { return QStringLiteral("http://example.invalid/dl#HD58221"); };
    w.Timer_UpdateTimer();
    QVERIFY(!w.LL_Update->isHidden());
    QVERIFY(w.LL_Update->text().contains("http://example.invalid/dl#HD58221"));
    QVERIFY(w.LL_Update->text().contains("New Version Available. Click Here for more Details"));
    QCOMPARE(w.Timer_Update->interval(), 7200000);
    QVERIFY(w.Timer_Update->isActive());
    newer = false;
    w.Timer_UpdateTimer();
    QVERIFY(w.LL_Update->isHidden());

    w.Windows().show_options = [] {
      Enable_Update = false;
      return true;
    };
    w.Btn_Click(w.Btn_Opz);
    QVERIFY(!w.Timer_Update->isActive());
  }

  void settingsWithBothInternetOptionsStartTheTimer() {
    scope->Temp().Write("Orvanto.xml",
                        "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                        "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    Start(6);
    QVERIFY(Main().Timer_Update->isActive());
    QCOMPARE(Main().Timer_Update->interval(), 60000);
  }

  void languageChangeReachesEveryWindow() {
    scope->Temp().Write("LANGUAGE/Deutsch.lng",
                        "STR15 = Neue Konfiguration\nSTR100 = Neu anlegen\n"
                        "STR200 = Öffnen\nSTR9 = Keine Konfiguration\n");
    scope->Temp().Write("Orvanto.xml",
                        "<Conf_Settings><lastlang><language>Deutsch</language></lastlang>"
                        "</Conf_Settings>");
    Start(6);
    TFOrvantoreFirmWare& w = Main();
    QCOMPARE(w.Btn_New->Caption(), QStringLiteral("Neue Konfiguration"));
    QCOMPARE(w.L_Name_Conf->text(), QStringLiteral("Keine Konfiguration"));
    TFNew_Project* new_project = nullptr;
    On_Next_Modal([&new_project](QWidget* modal) {
      new_project = qobject_cast<TFNew_Project*>(modal);
      static_cast<QDialog*>(modal)->reject();
    });
    w.Btn_Click(w.Btn_New);
    QVERIFY(new_project);
    QCOMPARE(new_project->windowTitle(), QStringLiteral("Neu anlegen"));

    Cur_Language = "English";
    Load_Language();
    w.Change_Language();
    QCOMPARE(w.Btn_New->Caption(), QStringLiteral("New Configuration"));
    QCOMPARE(new_project->windowTitle(), QStringLiteral("Create New Configuration"));
  }

  void failedSettingsWriteAtCloseIsReported() {
    Start(6);
    QVERIFY(QDir().mkpath(scope->Temp().File("Orvanto.xml/blocked")));  // a folder where the file goes
    dialogs::Scripted_Scope script;
    Main().show();
    Main().close();
    QVERIFY(!Main().isVisible());
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY(script->messages[0].text.contains("Orvanto.xml"));
  }

  void missingLanguageFallsBackToEnglish() {
    scope->Temp().Write("Orvanto.xml",
                        "<Conf_Settings><lastlang><language>Klingon</language></lastlang>"
                        "</Conf_Settings>");
    Start(6);
    QCOMPARE(Cur_Language, QStringLiteral("English"));
    Main().close();
    QVERIFY(Settings().contains("<language>English</language>"));
  }
};

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
