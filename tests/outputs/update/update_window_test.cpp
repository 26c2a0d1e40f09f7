#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "controls/zb_button.h"
#include "outputs/update/boot_window.h"
#include "outputs/update/update_fixture.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "shell/core/lang_table.h"
#include "shell/ui/title_panel.h"

namespace {

const QString kNot_Found = QStringLiteral("Device Not Found!");
const QString kCheck_Address = QStringLiteral("Error!!! Check the Ip Address");

// Keys go where the window's focus is, as typing does.
void Type_Into_Focus(QWidget& window, const QString& keys) {
  for (QChar key : keys) QTest::keyClick(window.focusWidget(), key.toLatin1());
}

void Set_Address(TFBoot& boot, const QString& address) {
  const QStringList parts = address.split('.');
  QLineEdit* edits[] = {boot.E_IP1, boot.E_IP2, boot.E_IP3, boot.E_IP4};
  for (int n = 0; n < 4; ++n) edits[n]->setText(parts.value(n));
}

// Saves what the window looks like when KELVRA_SCREENSHOTS names a folder.
void Snapshot(QWidget& window, const QString& name) {
  const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
  if (!folder.isEmpty()) window.grab().save(folder + "/" + name + ".png");
}

}  // namespace

class UpdateWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    Load_Default_Texts();
    SW_Code = "SW58221";
    Last_IP_Address = "192.168.2.205";
    Update_Option_Index = 0;
    Update_Read_Back = true;
  }

  void layoutPerFormType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("form_type");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("com_label");
    QTest::newRow("ethernet") << 6 << 1 << 230 << "Update Device by Ethernet (UDP)"
                              << "";
    QTest::newRow("serial type 1") << 1 << 0 << 232 << "Update Device by Serial"
                                   << "Select the COM Port for the Update";
    QTest::newRow("serial type 3") << 3 << 0 << 232 << "Update Device by Serial"
                                   << "Select the COM port for the Update";
  }
  void layoutPerFormType() {
    QFETCH(int, type);
    QFETCH(int, form_type);
    QFETCH(int, height);
    QFETCH(QString, caption);
    QFETCH(QString, com_label);
    Update_Scope scope(type);
    com_ports::Override_Device_Folder(scope.Temp().File("dev"));
    scope.Temp().Write("dev/ttyS2", "");
    scope.Temp().Write("dev/ttyUSB0", "");
    Update_Option_Index = 2;
    Update_Read_Back = false;
    TFBoot boot;
    boot.Form_Type = form_type;
    boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boot));
    QCOMPARE(boot.size(), QSize(449, height));
    QCOMPARE(boot.windowTitle(), caption);
    QCOMPARE(boot.L_SW_Code->text(), QStringLiteral("SW58221"));
    QCOMPARE(boot.L_SW_Desc->text(), form_type == 0 ? QStringLiteral("Update Device Using the Serial Port")
                                                    : QStringLiteral("Update Device Using the Ethernet Port"));
    QCOMPARE(boot.P_IP_Address->isVisible(), form_type == 1);
    QCOMPARE(boot.P_Serial->isVisible(), form_type == 0);
    QVERIFY(boot.P_Options->isVisible());
    // Panels stacked under the title in their order, the buttons at the bottom.
    QCOMPARE(boot.P_Title->geometry(), QRect(0, 0, 449, 69));
    QCOMPARE((form_type == 0 ? boot.P_Serial : boot.P_IP_Address)->y(), 69);
    QCOMPARE(boot.P_Options->y(), form_type == 0 ? 120 : 118);
    QCOMPARE(boot.P_Button->geometry(), QRect(0, height - 40, 449, 40));
    QCOMPARE(boot.CB_Update_Options->count(), 3);
    QCOMPARE(boot.CB_Update_Options->itemText(0), QStringLiteral("Firmware + Configuration"));
    QCOMPARE(boot.CB_Update_Options->currentIndex(), 2);
    QVERIFY(!boot.CB_Update_Option_Read_Back->isChecked());
    QCOMPARE(boot.Btn_Update->Caption(), QStringLiteral("Execute Update Firmware"));
    if (form_type == 0) {
      QCOMPARE(boot.L_COM_Port->text(), com_label);
      QCOMPARE(boot.CB_COM_Port->count(), 2);
      QCOMPARE(boot.CB_COM_Port->itemText(0), QStringLiteral("COM3"));
      QCOMPARE(boot.CB_COM_Port->itemText(1), QStringLiteral("COM65"));
      QCOMPARE(boot.CB_COM_Port->currentIndex(), 0);
      QCOMPARE(boot.focusWidget(), static_cast<QWidget*>(boot.CB_COM_Port));
      // The refresh button reads the ports again.
      scope.Temp().Write("dev/ttyS0", "");
      boot.Btn_COM_List->Click();
      QCOMPARE(boot.CB_COM_Port->itemText(0), QStringLiteral("COM1"));
    } else {
      QCOMPARE(boot.E_IP4->text(), QStringLiteral("205"));
      QCOMPARE(boot.E_IP1->toolTip(), QStringLiteral("Insert first byte of IP Address"));
      QCOMPARE(boot.focusWidget(), static_cast<QWidget*>(boot.E_IP1));
    }
    Snapshot(boot, QStringLiteral("update_window_%1").arg(QTest::currentDataTag()).replace(' ', '_'));
    boot.hide();

    // The other layout on the next show, texts and all.
    boot.Form_Type = 1 - form_type;
    boot.show();
    QCOMPARE(boot.height(), form_type == 0 ? 230 : 232);
    QCOMPARE(boot.windowTitle(), form_type == 0 ? QStringLiteral("Update Device by Ethernet (UDP)")
                                                : QStringLiteral("Update Device by Serial"));
  }

  void storedAddressFillsTheEdits_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid") << "192.168.2.205"
                           << "192.168.2.205";
    QTest::newRow("blanks") << " 10 . 0 .1. 7 "
                            << "10.0.1.7";
    QTest::newRow("empty") << ""
                           << "1.2.3.4";
    QTest::newRow("three parts") << "1.2.3"
                                 << "1.2.3.4";
    QTest::newRow("out of range") << "256.1.1.1"
                                  << "1.2.3.4";
  }
  void storedAddressFillsTheEdits() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Update_Scope scope(6);
    TFBoot boot;
    Set_Address(boot, "1.2.3.4");
    Last_IP_Address = stored;
    boot.show();
    QCOMPARE(boot.E_IP1->text() + "." + boot.E_IP2->text() + "." + boot.E_IP3->text() + "." + boot.E_IP4->text(),
             shown);
  }

  void dotMovesToTheNextPart() {
    Update_Scope scope(6);
    Last_IP_Address.clear();
    TFBoot boot;
    Set_Address(boot, "...");
    boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boot));
    QCOMPARE(boot.focusWidget(), static_cast<QWidget*>(boot.E_IP1));
    Type_Into_Focus(boot, "10.20.30.40.");
    QCOMPARE(boot.E_IP1->text(), QStringLiteral("10"));
    QCOMPARE(boot.E_IP2->text(), QStringLiteral("20"));
    QCOMPARE(boot.E_IP3->text(), QStringLiteral("30"));
    QCOMPARE(boot.E_IP4->text(), QStringLiteral("40"));  // the last "." is swallowed too
    QCOMPARE(boot.focusWidget(), static_cast<QWidget*>(boot.E_IP4));
    // Other keys are not filtered.
    Type_Into_Focus(boot, "x");
    QCOMPARE(boot.E_IP4->text(), QStringLiteral("40x"));
  }

  // A language file's text is shown as written, whatever markup it holds.
  void labelsShowLanguageTextsAsWritten() {
    Update_Scope scope(6);
    Lang_Table[606] = QStringLiteral("Address <b>of</b> the device");
    TFBoot boot;
    for (QLabel* label : boot.findChildren<QLabel*>()) QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(boot.L_IP_Address->text(), Lang_Table[606]);
  }

  // Each part is selected when "." reaches it, so a new address typed over a
  // remembered one replaces it part by part.
  void addressTypedOverTheRememberedOneReplacesIt_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("typed");
    QTest::newRow("shorter parts") << "127.0.0.1"
                                   << "10.0.0.2";
    QTest::newRow("longer parts") << "1.2.3.4"
                                  << "192.168.100.254";
  }
  void addressTypedOverTheRememberedOneReplacesIt() {
    QFETCH(QString, remembered);
    QFETCH(QString, typed);
    Update_Scope scope(6);
    Last_IP_Address = remembered;
    TFBoot boot;
    boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boot));
    QCOMPARE(boot.focusWidget(), static_cast<QWidget*>(boot.E_IP1));
    Type_Into_Focus(boot, typed);
    QCOMPARE(boot.E_IP1->text() + "." + boot.E_IP2->text() + "." + boot.E_IP3->text() + "." + boot.E_IP4->text(),
             typed);
  }

  void realPingRunsTheUpdaterAndWaitsForIt() {
    Update_Scope scope(6);
    scope.Stand_In("Ethernet_Update.exe", 2);
    dialogs::Scripted_Scope script;
    TFBoot boot;
    boot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boot));
    Set_Address(boot, "127.0.0.1");
    QVERIFY(boot.CB_Update_Option_Read_Back->isChecked());
    QCOMPARE(boot.CB_Update_Options->currentIndex(), 0);
    QElapsedTimer clock;
    clock.start();
    boot.Btn_Update->Click();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(script->messages.empty(), qPrintable(script->messages.empty() ? "" : script->messages[0].text));
    QCOMPARE(boot.ping_res, 1);
    QVERIFY(scope.Started());
    QVERIFY2(elapsed >= 1900 && elapsed < 10000, qPrintable(QString::number(elapsed)));
    QCOMPARE(Last_IP_Address, QStringLiteral("127.0.0.1"));
    QVERIFY(boot.isVisible());  // the window stays open for further updates
    QVERIFY(boot.Btn_Update->isEnabled());
    const QString file = QString::fromUtf8(scope.Temp().Read("Ethernet_Update.xml"));
    const QString head =
        "<Ethernet_Update><Version>1000</Version><Title>Kelvra - SW58221 Ethernet Update</Title>"
        "<IP_Address_Dev>127.0.0.1</IP_Address_Dev><Application_Port>10000</Application_Port>"
        "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
        "<Address_Protection>0x78000</Address_Protection>"
        "<Protections><Protection>0x1DF</Protection></Protections><Operations><Operation>";
    QVERIFY2(file.startsWith(head), qPrintable(file));
    const QStringList files = {Dir_Master + "/Sim58221.sim", Active_Conf_Dir + "/bin/bank2.bin",
                               Active_Conf_Dir + "/bin/bank1.bin"};
    const QStringList starts = {"0x8000", "0x50800", "0x68000"};
    qsizetype at = 0;
    for (int n = 0; n < 3; ++n) {
      at = file.indexOf("<Ope_FileName>" + files[n] + "</Ope_FileName><Ope_Start_Address>" + starts[n], at);
      QVERIFY2(at > 0, qPrintable(files[n]));
    }
    QCOMPARE(file.count("<Ope_Read_Back>1</Ope_Read_Back>"), 3);
    QVERIFY(file.endsWith("<Ope_GoToApp_After>1</Ope_GoToApp_After></Operation></Operations></Ethernet_Update>"));
  }

  void addressThatIsNoneGivesTheAddressError() {
    Update_Scope scope(6);
    scope.Stand_In("Ethernet_Update.exe", 0);
    dialogs::Scripted_Scope script;
    TFBoot boot;
    boot.show();
    Set_Address(boot, "999.1.1.1");
    boot.Btn_Update->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, kCheck_Address);
    QCOMPARE(Last_IP_Address, QStringLiteral("192.168.2.205"));
    QVERIFY(!QFile::exists(scope.Temp().File("Ethernet_Update.xml")));
    QVERIFY(!scope.Started());
  }

  // A device that never answers, through a pinger that waits out each echo.
  // Meanwhile the window repaints, but neither Update nor Cancel acts.
  void silentDeviceGivesNotFoundAndWritesNothing() {
    Update_Scope scope(6);
    scope.Stand_In("Ethernet_Update.exe", 0);
    dialogs::Scripted_Scope script;
    TFBoot boot;
    Scripted_Echo echo;
    boot.Set_Echo_Client(&echo);
    boot.show();
    Set_Address(boot, "10.9.9.9");
    int reentered = 0;
    echo.during_echo = [&] {
      QTest::qWait(400);
      if (!boot.Btn_Update->isEnabled() && !boot.Btn_Cancel->isEnabled()) ++reentered;
      boot.Btn_Update->Click();  // ignored while busy
      boot.Btn_Cancel->Click();
      boot.reject();
    };
    QElapsedTimer clock;
    clock.start();
    boot.Btn_Update->Click();
    QVERIFY(clock.elapsed() >= 5000);
    QCOMPARE(reentered, static_cast<int>(echo.hosts.size()));
    QVERIFY(echo.hosts.size() >= 12 && echo.hosts.size() <= 14);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Warning);
    QCOMPARE(script->messages[0].text, kNot_Found);
    QCOMPARE(boot.ping_res, 2);
    QCOMPARE(Last_IP_Address, QStringLiteral("192.168.2.205"));
    QVERIFY(!QFile::exists(scope.Temp().File("Ethernet_Update.xml")));
    QVERIFY(!scope.Started());
    QVERIFY(boot.isVisible());
    QVERIFY(boot.Btn_Update->isEnabled());
  }

  void missingUpdaterIsNamedInAnErrorBox() {
    Update_Scope scope(6);
    dialogs::Scripted_Scope script;
    Last_IP_Address = "127.0.0.1";
    TFBoot boot;
    boot.show();
    boot.Btn_Update->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY2(script->messages[0].text.contains(scope.Temp().File("Ethernet_Update.exe")),
             qPrintable(script->messages[0].text));
    QVERIFY(script->messages[0].text.contains("does not exist"));
  }

  void unwritableParameterFileIsReported() {
    Update_Scope scope(6);
    scope.Stand_In("Ethernet_Update.exe", 0);
    QDir().mkpath(scope.Temp().File("Ethernet_Update.xml/blocked"));
    dialogs::Scripted_Scope script;
    Last_IP_Address = "127.0.0.1";
    TFBoot boot;
    boot.show();
    boot.Btn_Update->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY(script->messages[0].text.contains("Ethernet_Update.xml"));
    QVERIFY(!scope.Started());
    QVERIFY(boot.Btn_Update->isEnabled());
  }

  void serialUpdaterGetsThePortDevice() {
    Update_Scope scope(1);
    com_ports::Override_Device_Folder(scope.Temp().File("dev"));
    scope.Temp().Write("dev/ttyS2", "");
    scope.Stand_In("Ser_58243_Update.exe", 0);
    dialogs::Scripted_Scope script;
    TFBoot boot;
    boot.Form_Type = 0;
    boot.show();
    QCOMPARE(boot.CB_COM_Port->currentText(), QStringLiteral("COM3"));
    boot.CB_Update_Options->setCurrentIndex(2);
    boot.CB_Update_Option_Read_Back->setChecked(false);
    boot.Btn_Update->Click();
    QVERIFY(script->messages.empty());
    QCOMPARE(scope.Arguments(), QStringList({scope.Temp().File("dev/ttyS2"), "NO", "NO", "PW", "NO",
                                             Dir_Master + "/sim58243.sim", Active_Conf_Dir + "/bin/"}));
    QCOMPARE(Update_Option_Index, 2);
    QVERIFY(!Update_Read_Back);
    // The choice comes back at the next show.
    boot.hide();
    boot.show();
    QCOMPARE(boot.CB_Update_Options->currentIndex(), 2);
    QVERIFY(!boot.CB_Update_Option_Read_Back->isChecked());
  }

  void languageTextsApplyAtEachShow() {
    Update_Scope scope(6);
    TFBoot boot;
    Lang_Table[620] = QStringLiteral("Aggiorna");
    Lang_Table[615] = QStringLiteral("Tutto");
    boot.show();
    QCOMPARE(boot.Btn_Update->Caption(), QStringLiteral("Aggiorna"));
    QCOMPARE(boot.CB_Update_Options->itemText(0), QStringLiteral("Tutto"));
  }
};

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  UpdateWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "update_window_test.moc"
