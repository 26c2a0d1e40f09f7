#include "editors/par_gen/new_id_node.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "controls/zb_button.h"
#include "editors/par_gen/new_node_id_check.h"
#include "platform/dialogs.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"

class NewIDNodeTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TFNewIDNode> dialog;
  std::vector<TNodo> nodes;

 private Q_SLOTS:
  void initTestCase() {
    Load_Default_Texts();
    SW_Code = "SW58221";
  }

  void init() {
    dialog = std::make_unique<TFNewIDNode>();
    TNodo copied;
    copied.Enable = true;
    copied.MBus_Type = 1;
    copied.Node_ID_Primary = 7;
    copied.Node_ID_Secondary = 12345678;
    TNodo by_secondary;
    by_secondary.Enable = true;
    by_secondary.MBus_Type = 1;
    by_secondary.Node_ID_Type = 1;
    by_secondary.Node_ID_Primary = 1;
    by_secondary.Node_ID_Secondary = 99;
    nodes = {copied, by_secondary};
    dialog->Node_ID_Free = [this](int32_t id, int type_id) { return Check_Node_ID2(nodes, id, type_id); };
  }

  void cleanup() { dialog.reset(); }

  // Pasting a copy unchanged hits its own ID; a free one closes with OK.
  void Prefilled_Duplicate_Stays_Open() {
    dialogs::Scripted_Scope script;
    dialog->Prepare_Wired(0, 7, 12345678);
    dialog->show();
    QVERIFY(dialog->RB_Primary->isChecked());
    QCOMPARE(dialog->E_ID_Primary->text(), QString("7"));
    dialog->Btn_OK->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, QString("Error!! ID Node is already used "));
    QVERIFY(dialog->isVisible());

    dialog->E_ID_Primary->setText("8");
    dialog->Btn_OK->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), mrOk);
    const New_Node_ID_Entry entry = dialog->Entry();
    QCOMPARE(entry.primary_id, QString("8"));
    QVERIFY(!entry.secondary_selected);
  }

  void Entries_data() {
    QTest::addColumn<int>("form_type");
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty: closes with OK
    QTest::newRow("primary 256") << 1 << false << "256"
                                 << "Error!! Primary ID Node M-Bus must be between 0 and 255";
    QTest::newRow("primary empty") << 1 << false << ""
                                   << "Error!! Primary ID Node M-Bus must be between 0 and 255";
    QTest::newRow("secondary over") << 1 << true << "100000000"
                                    << "Error!! Secondary ID Node M-Bus must be between 0 and 99999999";
    QTest::newRow("secondary duplicate") << 1 << true << "99"
                                         << "Error!! ID Node is already used ";
    // IDs of the other type never clash.
    QTest::newRow("primary equal to a secondary id") << 1 << false << "99" << QString();
    QTest::newRow("secondary equal to a primary id") << 1 << true << "7" << QString();
    // The copy is addressed by its primary ID: its secondary number is free.
    QTest::newRow("secondary number of a primary node") << 1 << true << "12345678" << QString();
    QTest::newRow("address max") << 2 << false << "0xFFFFFFFF" << QString();
    QTest::newRow("address negative") << 2 << false << "-1"
                                      << "Error!! Address for a Node wM-Bus must be between 0x00000000 and 0xFFFFFFFF";
    QTest::newRow("address 33 bits") << 2 << false << "4294967296"
                                     << "Error!! Address for a Node wM-Bus must be between 0x00000000 and 0xFFFFFFFF";
    QTest::newRow("address empty") << 2 << false << ""
                                   << "Error!! Address for a Node wM-Bus must be between 0x00000000 and 0xFFFFFFFF";
    QTest::newRow("address used by nobody is not tested") << 2 << false << "7" << QString();
  }

  void Entries() {
    QFETCH(int, form_type);
    QFETCH(bool, secondary);
    QFETCH(QString, text);
    QFETCH(QString, message);
    dialogs::Scripted_Scope script;
    if (form_type == 1) {
      dialog->Prepare_Wired(secondary ? 1 : 0, 1, 1);
      (secondary ? dialog->E_ID_Secondary : dialog->E_ID_Primary)->setText(text);
    } else {
      dialog->Prepare_Wireless(text);
    }
    dialog->show();
    dialog->Btn_OK->Click();
    if (message.isEmpty()) {
      QCOMPARE(script->messages.size(), size_t(0));
      QVERIFY(!dialog->isVisible());
      QCOMPARE(dialog->result(), mrOk);
    } else {
      QCOMPARE(script->messages.size(), size_t(1));
      QCOMPARE(script->messages[0].text, message);
      QVERIFY(dialog->isVisible());
    }
  }

  // Form type 1 shows the two IDs, any other the address in their place.
  void Fields_By_Form_Type() {
    dialog->Prepare_Wireless("0x1234");
    dialog->show();
    QVERIFY(!dialog->RB_Primary->isVisible() && !dialog->E_ID_Secondary->isVisible());
    QVERIFY(dialog->E_wMBus_Add->isVisible() && dialog->L_wMBus_Add->isVisible());
    QCOMPARE(dialog->E_wMBus_Add->pos(), QPoint(152, 115));
    QCOMPARE(dialog->L_wMBus_Add->pos(), QPoint(16, 118));
    QVERIFY(dialog->L_Prompt->isVisible());
    dialog->hide();
    dialog->Prepare_Wired(1, 3, 4);
    dialog->show();
    QVERIFY(dialog->RB_Secondary->isChecked());
    QVERIFY(dialog->E_ID_Primary->isVisible() && !dialog->E_wMBus_Add->isVisible());
    QCOMPARE(dialog->size(), QSize(265, 195));
    QCOMPARE(dialog->windowTitle(), QString("New Node ID"));
  }

  void Cancel_Ends_With_Cancel() {
    dialogs::Scripted_Scope script;
    dialog->Prepare_Wired(0, 7, 1);
    dialog->show();
    dialog->Btn_Cancel->Click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), mrCancel);
    QCOMPARE(script->messages.size(), size_t(0));
  }

  void Screenshot() {
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("set KELVRA_SCREENSHOTS to a folder to save pictures of the dialog");
    dialog->Prepare_Wired(0, 7, 1);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->grab().save(folder + "/new_id_node_wired.png");
    dialog->hide();
    dialog->Prepare_Wireless("0x12345678");
    dialog->show();
    dialog->grab().save(folder + "/new_id_node_wireless.png");
  }
};

QTEST_MAIN(NewIDNodeTest)
#include "new_id_node_test.moc"
