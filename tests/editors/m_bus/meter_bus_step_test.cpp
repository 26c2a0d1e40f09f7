#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "controls/zb_button.h"
#include "editors/files/m_bus_network_file.h"
#include "editors/m_bus/meter_bus_window.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/step_session.h"
#include "shell/ui/main_window.h"

// The "M-Bus Access" step of the main window opens the editor that program
// start created, on the active configuration's M_Bus.xml.
class MeterBusStepTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Step_Opens_The_Editor_On_The_Active_Configuration() {
    Step_Session session;
    QVERIFY(session.Open_Configuration());
    TFOrvantoreFirmWare& main_window = session.Main_Window();

    TFMeter_Bus* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
      shown = qobject_cast<TFMeter_Bus*>(QApplication::activeModalWidget());
      QVERIFY(shown);
      shown->E_Node_Desc->setText("Heat");
      shown->E_ID_Primary->setText("12");
      shown->btn_Add_Node->Click();
      shown->ZbButton2->Click();
    });
    main_window.Btn_Click(main_window.Btn_MBus);
    QVERIFY(shown);
    QCOMPARE(session.Script().messages.size(), size_t(0));
    const M_Bus_Network_Load saved = Read_M_Bus_Network(Active_Conf_Dir + "/M_Bus.xml", 6);
    QCOMPARE(saved.nodes.size(), size_t(1));
    QCOMPARE(saved.nodes[0].Node_ID_Primary, 12);
  }
};

QTEST_MAIN(MeterBusStepTest)
#include "meter_bus_step_test.moc"
