// The CANopen steps of the main window open the table windows that program
// start created, on the active configuration's files, and Update Device
// compiles what they wrote into bank1.bin.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/program.h"
#include "controls/zb_button.h"
#include "editors/canopen/pdo_access_window.h"
#include "grid/columns/zad_column_grid.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/shell_fixture.h"
#include "shell/ui/main_window.h"

namespace {

// Runs `act` on the next modal window once it is up.
void On_Next_Modal(const std::function<void(QWidget*)>& act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    act(modal);
  });
}

QByteArray Bytes_At(const QByteArray& image, int offset, int count) { return image.mid(offset, count); }

}  // namespace

class CANopenStepsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pdo_step_then_update_device_fills_the_transmit_table() {
    Shell_Globals_Scope scope;
    Override_Device_Type(6);
    dialogs::Scripted_Scope script;
    auto program = std::make_unique<Program>();
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    QVERIFY(scope.Activate_Configuration("Plant"));
    main_window.Set_Files();

    bool shown = false;
    On_Next_Modal([&shown](QWidget* modal) {
      auto* window = qobject_cast<TFSet_PDO_Access*>(modal);
      QVERIFY(window);
      shown = true;
      const QStringList row{"0x181", "2", "0", "1", "", "", "", "", "", "", "100", "Y", "t"};
      for (int c = 1; c <= row.size(); ++c) window->sgb->SetCellEx(c, 1, row[c - 1]);
      window->Btn_OK->Click();
    });
    main_window.Btn_Click(main_window.Btn_PDO_CANopen);
    QVERIFY(shown);
    QCOMPARE(script->messages.size(), size_t(0));
    QVERIFY(QFile::exists(Active_Conf_Dir + "/PDO_CANopen.xml"));

    On_Next_Modal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    main_window.Btn_Click(main_window.Btn_CreateBin);
    QCOMPARE(script->messages.size(), size_t(0));
    QFile bank(Active_Conf_Dir + "/bin/bank1.bin");
    QVERIFY(bank.open(QIODevice::ReadOnly));
    const QByteArray image = bank.readAll();
    QCOMPARE(image.size(), 59392);
    QCOMPARE(Bytes_At(image, 0x1B8, 4), QByteArray::fromHex("01000000"));
    QCOMPARE(Bytes_At(image, 0xD800, 4), QByteArray::fromHex("81010000"));
    QCOMPARE(Bytes_At(image, 0xD800 + 8, 4), QByteArray::fromHex("64000000"));
    QCOMPARE(Bytes_At(image, 0xD800 + 12, 4), QByteArray::fromHex("00000100"));
    QCOMPARE(Bytes_At(image, 0xD800 + 28, 2), QByteArray::fromHex("0203"));
    program.reset();
    Override_Device_Type(0);
  }
};

QTEST_MAIN(CANopenStepsTest)
#include "canopen_steps_test.moc"
