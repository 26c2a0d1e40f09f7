#include "outputs/descriptions/description_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "controls/zb_button.h"
#include "outputs/descriptions/profinet_file_name.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/shell_fixture.h"
#include "shell/ui/main_window.h"

// The description-file steps of the main window, from the button to the file
// in the configuration folder, through the writers program start wired in.
class DescriptionStepsTest : public QObject {
  Q_OBJECT

  // A started program of the device type with the configuration "Plant" active.
  std::unique_ptr<Program> Start(Shell_Globals_Scope& scope, int device_type) {
    Override_Device_Type(device_type);
    auto program = std::make_unique<Program>();
    [&] { QVERIFY(scope.Activate_Configuration("Plant")); }();
    program->Main_Window().Set_Files();
    return program;
  }

  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // What the real dialogs asked while a step ran: the save dialog is given
  // `name` and accepted, each question box that follows is recorded and
  // answered with `answer`. Whatever is still open after ten seconds is closed.
  struct Real_Dialogs {
    bool file_dialog_seen = false;
    QStringList questions;
    QTimer watch;
    QTimer give_up;
  };
  static void Answer_Real_Dialogs(Real_Dialogs& seen, const QString& name, QMessageBox::StandardButton answer) {
    QObject::connect(&seen.watch, &QTimer::timeout, [&seen, name, answer] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.questions << box->text();
        if (QAbstractButton* button = box->button(answer)) button->click();
        return;
      }
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (dialog == nullptr || seen.file_dialog_seen) return;
      seen.file_dialog_seen = true;
      dialog->selectFile(name);
      // Accepting may open the dialog's own question, answered in a later round.
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    QObject::connect(&seen.give_up, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    seen.watch.start(5);
    seen.give_up.start(10000);
  }

  static QByteArray Pdo_Rows(int transmit_rows) {
    QByteArray rows;
    for (int i = 0; i < transmit_rows; ++i) rows += "<row COB-ID=\"0x181\" Dimension=\"2\"/>";
    return "<DeviceNet_Master_to_PDO><Receive_PDO/><Transmit_PDO>" + rows + "</Transmit_PDO></DeviceNet_Master_to_PDO>";
  }

 private Q_SLOTS:
  void Eds_Step_Writes_The_Chosen_File() {
    Shell_Globals_Scope scope;
    dialogs::Scripted_Scope script;
    auto program = Start(scope, 6);
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    Write(Path_PDO_XML, Pdo_Rows(1));
    script->file_answers.push_back(Active_Conf_Dir + "/Gateway");
    main_window.Btn_Click(main_window.Btn_CANopen_EDS);
    QCOMPARE(script->file_requests.size(), size_t(1));
    QCOMPARE(script->file_requests[0].folder, Active_Conf_Dir);
    QCOMPARE(script->messages.size(), size_t(0));
    const QByteArray eds = Read(Active_Conf_Dir + "/Gateway.eds");
    QVERIFY(eds.startsWith("[FileInfo]\r\nFileName=MBus_CANopen.eds\r\n"));
    QVERIFY(eds.contains("NrOfTXPDO=1\r\n"));
    QVERIFY(
        eds.contains("[1A00sub2]\r\nParameterName=Mapping Entry 2\r\nObjectType=0x07\r\nDataType=0x0007\r\n"
                     "AccessType=ro\r\nDefaultValue=0x70500208\r\n"));
    program.reset();
  }

  void Eds_Step_Refusal_Reaches_The_Error_Box() {
    Shell_Globals_Scope scope;
    dialogs::Scripted_Scope script;
    auto program = Start(scope, 6);
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    Write(Path_PDO_XML, Pdo_Rows(31));
    script->file_answers.push_back(Active_Conf_Dir + "/Gateway.eds");
    // As a click does: through the handler boundary that shows errors.
    main_window.Btn_CANopen_EDS->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY2(script->messages[0].text.contains("Transmit_PDO row 31"), qPrintable(script->messages[0].text));
    QVERIFY(!QFile::exists(Active_Conf_Dir + "/Gateway.eds"));
    program.reset();
  }

  void Gsd_Step_Writes_The_File() {
    Shell_Globals_Scope scope;
    dialogs::Scripted_Scope script;
    auto program = Start(scope, 3);
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    Write(Path_ParGen_XML, "<Par_Gen><PROFI_NB_IN>244</PROFI_NB_IN></Par_Gen>");
    script->file_answers.push_back(Active_Conf_Dir + "/Device.GSD");
    main_window.Btn_PROFIBUS_GSD->Click();
    QCOMPARE(script->messages.size(), size_t(0));
    QVERIFY(Read(Active_Conf_Dir + "/Device.GSD").contains("Slot(4) = \"Slot 4\" 4 4\r\n"));
    program.reset();
  }

  void Profinet_Step_Names_The_File_In_The_Chosen_Folder() {
    Shell_Globals_Scope scope;
    dialogs::Scripted_Scope script;
    auto program = Start(scope, 5);
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    Write(Path_ParGen_XML, "<Par_Gen><PROFINET_NB_OUT>32</PROFINET_NB_OUT></Par_Gen>");
    const QString folder = scope.Temp().File("export");
    QVERIFY(QDir().mkpath(folder));
    script->file_answers.push_back(folder + "/whatever.xml");
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
      auto* dialog = qobject_cast<TFProfinetFileName*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      shown = true;
      dialog->E_XML_User->setText("abc");
      dialog->Btn_OK->Click();
    });
    main_window.Btn_PROFINET_XML->Click();
    QVERIFY(shown);
    QCOMPARE(script->messages.size(), size_t(0));
    const QString name = "GSDML-V2.31-Kelvra-HD58276_abc-" + QDate::currentDate().toString("yyyyMMdd") + ".xml";
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{name});
    QVERIFY(Read(folder + "/" + name)
                .contains("<DataItem DataType=\"OctetString\" Length=\"32\" TextId=\"IDT_Input_1\"/>"));
    program.reset();
  }
  // The GSD and GSDML steps ask their own question about the file they write,
  // so their save dialogs ask none; the EDS step keeps the dialog's question.
  void Save_Requests_Carry_The_Dialog_Question_Setting() {
    const struct {
      int device_type;
      bool confirm_overwrite;
    } rows[] = {{3, false}, {5, false}, {6, true}};
    for (const auto& row : rows) {
      Shell_Globals_Scope scope;
      dialogs::Scripted_Scope script;
      auto program = Start(scope, row.device_type);
      TFOrvantoreFirmWare& main_window = program->Main_Window();
      Write(Path_ParGen_XML, "<Par_Gen/>");
      if (row.device_type == 3) main_window.Btn_PROFIBUS_GSD->Click();
      if (row.device_type == 5) Save_GSDML_File(&main_window, QStringLiteral("GSDML-x.xml"));
      if (row.device_type == 6) main_window.Btn_CANopen_EDS->Click();
      QCOMPARE(script->file_requests.size(), size_t(1));
      QCOMPARE(script->file_requests[0].confirm_overwrite, row.confirm_overwrite);
      program.reset();
    }
  }

  // Plant.gsd present: picking it, or "Plant", asks text 1300 once; No keeps
  // the file byte for byte, Yes rewrites it.
  void Gsd_Step_Asks_Once_Before_Replacing() {
    Shell_Globals_Scope scope;
    dialogs::Scripted_Scope script;
    auto program = Start(scope, 3);
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    Write(Path_ParGen_XML, "<Par_Gen><PROFI_NB_IN>244</PROFI_NB_IN></Par_Gen>");
    const QString plant = Active_Conf_Dir + "/Plant.gsd";
    Write(plant, "old file\r\n");
    const struct {
      const char* chosen;
      int answer;
      bool rewritten;
    } rows[] = {{"Plant.gsd", dialogs::No, false}, {"Plant", dialogs::No, false}, {"Plant", dialogs::Yes, true}};
    for (const auto& row : rows) {
      script->messages.clear();
      script->file_answers.push_back(Active_Conf_Dir + "/" + row.chosen);
      script->message_answers.push_back(row.answer);
      main_window.Btn_PROFIBUS_GSD->Click();
      QCOMPARE(script->messages.size(), size_t(1));
      QCOMPARE(script->messages[0].kind, dialogs::Kind::Confirmation);
      QCOMPARE(script->messages[0].text, Lang(1300));
      QCOMPARE(Read(plant) != "old file\r\n", row.rewritten);
    }
    QVERIFY(Read(plant).contains("Slot(4) = \"Slot 4\" 4 4\r\n"));
    QCOMPARE(QDir(Active_Conf_Dir).entryList({"*.gsd"}, QDir::Files), QStringList{"Plant.gsd"});
    program.reset();
  }

  // The composed GSDML name present in the chosen folder: text 1511 once, No keeps it.
  void Gsdml_Step_Asks_Once_Before_Replacing() {
    Shell_Globals_Scope scope;
    dialogs::Scripted_Scope script;
    auto program = Start(scope, 5);
    Write(Path_ParGen_XML, "<Par_Gen><PROFINET_NB_OUT>32</PROFINET_NB_OUT></Par_Gen>");
    const QString name = QStringLiteral("GSDML-V2.31-Kelvra-HD58276_abc-20260101.xml");
    Write(Active_Conf_Dir + "/" + name, "<old/>");
    for (int answer : {dialogs::No, dialogs::Yes}) {
      script->messages.clear();
      script->file_answers.push_back(Active_Conf_Dir + "/other.xml");
      script->message_answers.push_back(answer);
      Save_GSDML_File(&program->Main_Window(), name);
      QCOMPARE(script->messages.size(), size_t(1));
      QCOMPARE(script->messages[0].kind, dialogs::Kind::Confirmation);
      QCOMPARE(script->messages[0].text, Lang(1511));
      QCOMPARE(Read(Active_Conf_Dir + "/" + name) == "<old/>", answer == dialogs::No);
    }
    QVERIFY(!QFile::exists(Active_Conf_Dir + "/other.xml"));
    program.reset();
  }

  // With the real file dialog: picking an existing .gsd brings one question,
  // the step's own, and the file is written after Yes.
  void Real_Dialog_Asks_One_Question_For_An_Existing_Gsd() {
    Shell_Globals_Scope scope;
    auto program = Start(scope, 3);
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    main_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main_window));
    Write(Path_ParGen_XML, "<Par_Gen><PROFI_NB_IN>244</PROFI_NB_IN></Par_Gen>");
    Write(Active_Conf_Dir + "/Plant.gsd", "old");
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      Real_Dialogs seen;
      Answer_Real_Dialogs(seen, QStringLiteral("Plant.gsd"), answer);
      main_window.Btn_PROFIBUS_GSD->Click();
      QVERIFY(seen.file_dialog_seen);
      QCOMPARE(seen.questions, QStringList{Lang(1300)});
      QCOMPARE(Read(Active_Conf_Dir + "/Plant.gsd") == "old", answer == QMessageBox::No);
    }
    program.reset();
  }
};

QTEST_MAIN(DescriptionStepsTest)
#include "description_steps_test.moc"
