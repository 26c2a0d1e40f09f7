#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "controls/zb_button.h"
#include "editors/files/par_gen_settings.h"
#include "editors/par_gen/par_gen_window.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/step_session.h"
#include "shell/ui/main_window.h"

// The "Set Communication" step of the main window opens the window that
// program start created, on the active configuration's ParGen.xml.
class ParGenStepTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Step_Opens_The_Window_On_The_Active_Configuration() {
    Step_Session session;
    QVERIFY(session.Open_Configuration());
    TFOrvantoreFirmWare& main_window = session.Main_Window();

    TFParGen* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
      shown = qobject_cast<TFParGen*>(QApplication::activeModalWidget());
      QVERIFY(shown);
      shown->E_ID_CANopen->setText("5");
      shown->Btn_OK->Click();
    });
    main_window.Btn_Click(main_window.Btn_Prm_Gen);
    QVERIFY(shown);
    QCOMPARE(session.Script().messages.size(), size_t(0));
    QCOMPARE(Read_Par_Gen(Active_Conf_Dir + "/ParGen.xml", 6).CAN_ID_DEV, QString("5"));
  }
};

QTEST_MAIN(ParGenStepTest)
#include "par_gen_step_test.moc"
