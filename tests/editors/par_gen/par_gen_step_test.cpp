#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "controls/zb_button.h"
#include "editors/files/par_gen_settings.h"
#include "editors/par_gen/par_gen_window.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/shell_fixture.h"
#include "shell/ui/main_window.h"

// The "Set Communication" step of the main window opens the window that
// program start created, on the active configuration's ParGen.xml.
class ParGenStepTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Step_Opens_The_Window_On_The_Active_Configuration() {
    Shell_Globals_Scope scope;
    Override_Device_Type(6);
    dialogs::Scripted_Scope script;
    auto program = std::make_unique<Program>();
    TFOrvantoreFirmWare& main_window = program->Main_Window();
    QVERIFY(scope.Activate_Configuration("Plant"));
    main_window.Set_Files();

    TFParGen* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
      shown = qobject_cast<TFParGen*>(QApplication::activeModalWidget());
      QVERIFY(shown);
      shown->E_ID_CANopen->setText("5");
      shown->Btn_OK->Click();
    });
    main_window.Btn_Click(main_window.Btn_Prm_Gen);
    QVERIFY(shown);
    QCOMPARE(script->messages.size(), size_t(0));
    QCOMPARE(Read_Par_Gen(Active_Conf_Dir + "/ParGen.xml", 6).CAN_ID_DEV, QString("5"));
    program.reset();
  }
};

QTEST_MAIN(ParGenStepTest)
#include "par_gen_step_test.moc"
