// The CANopen steps of the main window open the table windows that program
// start created, on the active configuration's files, and Update Device
// compiles what they wrote into bank1.bin.
#include <QApplication>
#include <QFile>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "controls/zb_button.h"
#include "editors/canopen/pdo_access_window.h"
#include "editors/canopen/sdo_client_access_window.h"
#include "editors/canopen/sdo_server_access_window.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/shell_fixture.h"
#include "shell/step_session.h"
#include "shell/ui/main_window.h"

namespace {

QByteArray Bytes_At(const QByteArray& image, int offset, int count) { return image.mid(offset, count); }

// Clicks Update Device, closes the window it opens, and gives the bank1.bin
// it wrote (empty when there is none).
QByteArray Update_Device(TFOrvantoreFirmWare& main_window) {
  On_Next_Modal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  main_window.Btn_Click(main_window.Btn_CreateBin);
  QFile bank(Active_Conf_Dir + "/bin/bank1.bin");
  return bank.open(QIODevice::ReadOnly) ? bank.readAll() : QByteArray();
}

// Fills row 1 of the window's shown grid (the PDO window shows its transmit
// grid) and presses OK, on the next modal window of type Window.
template <typename Window>
void Fill_And_Confirm(bool& shown, const QStringList& row) {
  On_Next_Modal([&shown, row](QWidget* modal) {
    auto* window = qobject_cast<Window*>(modal);
    QVERIFY(window);
    shown = true;
    TZadColumnGrid* grid = window->Active_Grid();
    for (int c = 1; c <= row.size(); ++c) grid->SetCellEx(c, 1, row[c - 1]);
    window->Btn_OK->Click();
  });
}

}  // namespace

class CANopenStepsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pdo_step_then_update_device_fills_the_transmit_table() {
    Step_Session session;
    QVERIFY(session.Open_Configuration());
    TFOrvantoreFirmWare& main_window = session.Main_Window();

    bool shown = false;
    Fill_And_Confirm<TFSet_PDO_Access>(shown, {"0x181", "2", "0", "1", "", "", "", "", "", "", "100", "Y", "t"});
    main_window.Btn_Click(main_window.Btn_PDO_CANopen);
    QVERIFY(shown);
    QCOMPARE(session.Script().messages.size(), size_t(0));
    QVERIFY(QFile::exists(Active_Conf_Dir + "/PDO_CANopen.xml"));

    const QByteArray image = Update_Device(main_window);
    QCOMPARE(session.Script().messages.size(), size_t(0));
    QVERIFY(!image.isEmpty());
    QCOMPARE(image.size(), 59392);
    QCOMPARE(Bytes_At(image, 0x1B8, 4), QByteArray::fromHex("01000000"));
    QCOMPARE(Bytes_At(image, 0xD800, 4), QByteArray::fromHex("81010000"));
    QCOMPARE(Bytes_At(image, 0xD800 + 8, 4), QByteArray::fromHex("64000000"));
    QCOMPARE(Bytes_At(image, 0xD800 + 12, 4), QByteArray::fromHex("00000100"));
    QCOMPARE(Bytes_At(image, 0xD800 + 28, 2), QByteArray::fromHex("0203"));
  }

  void sdo_steps_then_update_device_and_eds_fill_their_tables() {
    Step_Session session;
    QVERIFY(session.Open_Configuration());
    TFOrvantoreFirmWare& main_window = session.Main_Window();

    bool server_shown = false, client_shown = false;
    Fill_And_Confirm<TFSet_SDO_Server_Access>(server_shown, {"0x2000", "1", "2", "10", "11"});
    main_window.Btn_Click(main_window.Btn_SDO_Server_CANopen);
    QVERIFY(server_shown);
    Fill_And_Confirm<TFSet_SDO_Client_Access>(client_shown, {"5", "0x2001", "0", "1", "0", "Y", "20"});
    main_window.Btn_Click(main_window.Btn_SDO_Client_CANopen);
    QVERIFY(client_shown);
    QCOMPARE(session.Script().messages.size(), size_t(0));

    const QByteArray image = Update_Device(main_window);
    QCOMPARE(session.Script().messages.size(), size_t(0));
    QVERIFY(!image.isEmpty());
    QCOMPARE(Bytes_At(image, 0x1A4, 4), QByteArray::fromHex("01000000"));
    QCOMPARE(Bytes_At(image, 0x1B0, 4), QByteArray::fromHex("01000000"));
    // The server's read object.
    QCOMPARE(Bytes_At(image, 0x0800 + 4, 3), QByteArray::fromHex("002001"));
    QCOMPARE(Bytes_At(image, 0x0800 + 20, 4), QByteArray::fromHex("0a000b00"));
    QCOMPARE(Bytes_At(image, 0x0800 + 28, 1), QByteArray::fromHex("02"));
    // The client's write request.
    QCOMPARE(Bytes_At(image, 0xA800 + 4, 2), QByteArray::fromHex("0120"));
    QCOMPARE(Bytes_At(image, 0xA800 + 7, 1), QByteArray::fromHex("05"));
    QCOMPARE(Bytes_At(image, 0xA800 + 20, 2), QByteArray::fromHex("1400"));
    QCOMPARE(Bytes_At(image, 0xA800 + 28, 2), QByteArray::fromHex("0103"));

    const QString eds = Active_Conf_Dir + "/Plant.eds";
    session.Script().file_answers = {eds};
    main_window.Btn_Click(main_window.Btn_CANopen_EDS);
    QFile eds_file(eds);
    QVERIFY(eds_file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(eds_file.readAll());
    const qsizetype at = text.indexOf("[2000sub1]");
    QVERIFY(at >= 0);
    const QString section = text.mid(at, text.indexOf("\n[", at + 1) - at);
    QVERIFY2(section.contains("DataType=0x0006"), qPrintable(section));
    QVERIFY2(section.contains("AccessType=ro"), qPrintable(section));
  }

  // A language change re-texts the three table windows, after the others.
  void a_language_change_reaches_the_table_windows() {
    Shell_Globals_Scope scope;
    Override_Device_Type(6);
    auto program = std::make_unique<Program>();
    const QStringList saved = Lang_Table;
    for (int n : {1600, 1700, 1800}) Lang_Table[n] = QString("IT%1").arg(n);
    QStringList titles;
    for (const auto& set_lang : program->Main_Window().Windows().set_lang) set_lang();
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (qobject_cast<CANopen_Table_Window*>(widget)) titles << widget->windowTitle();
    titles.sort();
    QCOMPARE(titles, (QStringList{"IT1600", "IT1700", "IT1800"}));
    Lang_Table = saved;
    program.reset();
    Override_Device_Type(0);
  }
};

QTEST_MAIN(CANopenStepsTest)
#include "canopen_steps_test.moc"
