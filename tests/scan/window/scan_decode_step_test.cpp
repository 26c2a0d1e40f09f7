// The Scan & Decode step of the main window opens the window that program
// start created, with the device's code, the configuration's network file
// and the device's form; a language change reaches it.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/program.h"
#include "controls/zb_button.h"
#include "platform/dialogs.h"
#include "scan/window/scan_decode_window.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/shell_fixture.h"
#include "shell/step_session.h"
#include "shell/ui/main_window.h"

namespace {

struct Seen {
  bool shown = false;
  int xml_code_dev = -1;
  int form_type = -1;
  QString file_name;
  QString address;
  bool run_event = false;
};

// Reads what the window was given and closes it.
void Look_And_Close(Seen& seen) {
  On_Next_Modal([&seen](QWidget* modal) {
    auto* window = qobject_cast<TFScanDecode*>(modal);
    QVERIFY(window);
    seen.shown = true;
    seen.xml_code_dev = window->XML_Code_Dev;
    seen.form_type = window->Form_Type;
    seen.file_name = window->FileName_MBus;
    QStringList parts;
    for (QLineEdit* edit : window->E_IP) parts << edit->text();
    seen.address = parts.join('.');
    seen.run_event = window->TR_ScanDecode().Event_Run().Is_Set();
    window->close();
  });
}

}  // namespace

class ScanDecodeStepTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void step_opens_the_window_for_the_device_data() {
    QTest::addColumn<int>("device_type");
    QTest::addColumn<int>("xml_code_dev");
    QTest::addColumn<int>("form_type");
    QTest::newRow("type 6") << 6 << 19 << 0;
    QTest::newRow("type 4") << 4 << 16 << 1;
    QTest::newRow("type 3") << 3 << 3 << 0;
  }

  void step_opens_the_window_for_the_device() {
    QFETCH(int, device_type);
    QFETCH(int, xml_code_dev);
    QFETCH(int, form_type);
    Step_Session session(device_type);
    TFOrvantoreFirmWare& main_window = session.Main_Window();
    QVERIFY(session.Open_Configuration());

    Seen seen;
    Look_And_Close(seen);
    main_window.Btn_Click(main_window.Btn_ScanDecode);
    QVERIFY(seen.shown);
    QCOMPARE(seen.xml_code_dev, xml_code_dev);
    QCOMPARE(seen.form_type, form_type);
    QCOMPARE(seen.file_name, Path_M_Bus_XML);
    QCOMPARE(seen.address, QStringLiteral("192.168.2.205"));
    QVERIFY(seen.run_event);
    QVERIFY(session.Script().messages.empty());
  }

  // An existing network file is asked about first; No opens nothing.
  void existing_network_file_no_opens_nothing() {
    Step_Session session;
    TFOrvantoreFirmWare& main_window = session.Main_Window();
    QVERIFY(session.Open_Configuration());
    QFile file(Path_M_Bus_XML);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<M-Bus_Network/>");
    file.close();

    session.Script().message_answers.push_back(dialogs::No);
    main_window.Btn_Click(main_window.Btn_ScanDecode);
    QCOMPARE(session.Script().messages.size(), size_t(1));
    QCOMPARE(session.Script().messages[0].text, Lang(29));
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<TFScanDecode*>(top)) QVERIFY(!window->isVisible());

    Seen seen;
    Look_And_Close(seen);
    session.Script().message_answers.push_back(dialogs::Yes);
    main_window.Btn_Click(main_window.Btn_ScanDecode);
    QVERIFY(seen.shown);
  }

  // The window takes part in a language change.
  void language_change_reaches_the_window() {
    Shell_Globals_Scope scope;
    Override_Device_Type(6);
    auto program = std::make_unique<Program>();
    TFScanDecode* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<TFScanDecode*>(top)) window = found;
    QVERIFY(window);
    const QStringList saved = Lang_Table;
    Lang_Table[721] = QStringLiteral("Avvia Scansione");
    for (const auto& set_lang : program->Main_Window().Windows().set_lang) set_lang();
    Lang_Table = saved;
    QCOMPARE(window->Btn_StartScan->Caption(), QStringLiteral("Avvia Scansione"));
  }
};

QTEST_MAIN(ScanDecodeStepTest)
#include "scan_decode_step_test.moc"
