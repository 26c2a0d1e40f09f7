#include "editors/par_gen/par_gen_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "controls/zb_button.h"
#include "editors/files/par_gen_settings.h"
#include "platform/dialogs.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"
#include "support/temp_dir.h"

class ParGenWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Temp_Dir> dir;
  std::unique_ptr<TFParGen> window;

  // A window of device type `type` over a configuration folder that holds the
  // default ParGen.xml of that type, shown as the Set Communication step does.
  TFParGen& Open(int type, bool with_file = true) {
    Override_Device_Type(type);
    window = std::make_unique<TFParGen>();
    if (with_file) Write_Par_Gen(Path_ParGen_XML, Par_Gen_Settings{}, type);
    window->show();
    return *window;
  }

  QByteArray Par_Gen_File() const { return dir->Read("ParGen.xml"); }

  // "Name=value" edits: text of an edit, position of a list, "1"/"0" of a check box.
  void Apply(const QStringList& edits) {
    for (const QString& edit : edits) {
      const QString name = edit.section('=', 0, 0);
      const QString value = edit.section('=', 1);
      QObject* control = window->findChild<QObject*>(name);
      QVERIFY2(control, qPrintable(name));
      if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(value);
      else if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentIndex(value.toInt());
      else if (auto* check = qobject_cast<QCheckBox*>(control))
        check->setChecked(value == "1");
    }
  }

 private Q_SLOTS:
  void initTestCase() {
    Load_Default_Texts();
    SW_Code = "SW58221";
  }

  void init() {
    dir = std::make_unique<Temp_Dir>();
    Path_ParGen_XML = dir->File("ParGen.xml");
    Path_M_Bus_XML = dir->File("M_Bus.xml");
  }

  void cleanup() {
    window.reset();
    Override_Device_Type(0);
  }

  // OK runs the checks of the device type in order; the first failing field
  // shows its text alone and nothing is written.
  void Checks_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("message");  // empty: OK saves and closes

    QTest::newRow("type6 first of two faults") << 6 << QStringList{"E_EtherNetIP_IP1=256", "E_ID_CANopen=0"}
                                               << "Error Ethernet!! IP Address 1 must be between 0 and 255";
    QTest::newRow("type6 id after ip fixed")
        << 6 << QStringList{"E_ID_CANopen=0"} << "Error CANopen!! ID Device must be between 1 and 127";
    QTest::newRow("type3 hidden ethernet still checked")
        << 3 << QStringList{"Cmb_Select_Device=0", "E_EtherNetIP_IP3=300"}
        << "Error Ethernet!! IP Address 3 must be between 0 and 255";
    QTest::newRow("type4 no wired mbus") << 4 << QStringList{"Cmb_MBus_On_Wire=0", "E_MBus_Delay=x"} << QString();
    QTest::newRow("type4 wired mbus") << 4 << QStringList{"Cmb_MBus_On_Wire=1", "E_MBus_Delay=x"}
                                      << "Error M-Bus!! Cyclic Delay must be between 0 and 65535 seconds";
    QTest::newRow("type5 no wired mbus still checked")
        << 5 << QStringList{"Cmb_MBus_On_Wire=0", "E_MBus_Delay=x"}
        << "Error M-Bus!! Cyclic Delay must be between 0 and 65535 seconds";
    QTest::newRow("type5 byte count 0") << 5 << QStringList{"E_NB_OUT_PROFINET=0"}
                                        << "Error PROFINET!! Number Byte IN must be between 1 and 1439";
    QTest::newRow("type5 gateway used") << 5 << QStringList{"CB_EN_GAT=1", "E_GAT2=x"}
                                        << "Error PROFINET!! Gateway 2 must be between 0 and 255";
    QTest::newRow("type2 byte count") << 2 << QStringList{"E_EtherNetIP_NB_Output=497"}
                                      << "Error EtherNet/IP!! Number Byte Out must be between 0 and 496";
    QTest::newRow("type1 id") << 1 << QStringList{"E_DeviceNet_Slave_ID=64"}
                              << "Error DeviceNet Slave!! ID Device must be between 0 and 63";
    QTest::newRow("type6 network delay unchecked") << 6 << QStringList{"E_NO_Delay_CANopen=x"} << QString();
    QTest::newRow("type6 network delay checked")
        << 6 << QStringList{"CB_CANopen_Net_Ope=1", "E_NO_Delay_CANopen=256"}
        << "Error CANopen!! Network Start at Start-up Delay must be between 0 and 255 seconds";
    QTest::newRow("type6 sdo timeout") << 6 << QStringList{"E_SDO_TO_CANopen=0"}
                                       << "Error CANopen!! SDO Client TimeOut must be between 1 and 100000000 "
                                          "tenths of millisecond";
  }

  void Checks() {
    QFETCH(int, type);
    QFETCH(QStringList, edits);
    QFETCH(QString, message);
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(type);
    const QByteArray before = Par_Gen_File();
    Apply(edits);
    w.Btn_OK->Click();
    if (message.isEmpty()) {
      QCOMPARE(script->messages.size(), size_t(0));
      QVERIFY(!w.isVisible());
      QCOMPARE(w.result(), mrOk);
      return;
    }
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, message);
    QVERIFY(w.isVisible());
    QCOMPARE(Par_Gen_File(), before);
  }

  // The window shows the file's values; OK writes them back with the edits,
  // and the hidden sync row of type 6 keeps what the file held.
  void Load_And_Save() {
    Override_Device_Type(6);
    Par_Gen_Settings s;
    s.Eth_IP = {"10", "0", "0", "$7"};
    s.CAN_ID_DEV = "0x10";
    s.CAN_BAUD = 3;
    s.CAN_NET_OPE = true;
    s.CANopen_Enable_Sync = true;
    s.CANopen_Sync_Time = "forever";
    Write_Par_Gen(Path_ParGen_XML, s, 6);
    dialogs::Scripted_Scope script;
    window = std::make_unique<TFParGen>();
    window->show();
    QCOMPARE(window->E_EtherNetIP_IP[3]->text(), QString("$7"));
    QCOMPARE(window->E_ID_CANopen->text(), QString("0x10"));
    QCOMPARE(window->Cmb_CANopen_Baud->currentIndex(), 3);
    QVERIFY(window->CB_CANopen_Net_Ope->isChecked());
    QVERIFY(!window->CB_CANopen_Enable_Sync->isVisibleTo(window.get()));
    QVERIFY(!window->Is_Change);
    window->E_MBus_Delay->setText("250");
    window->Btn_OK->Click();
    QCOMPARE(script->messages.size(), size_t(0));
    s.Meter_Req_Delay = "250";
    QCOMPARE(Read_Par_Gen(Path_ParGen_XML, 6), s);
  }

  // Every showing reads the file afresh: a cancelled edit is gone.
  void Cancelled_Edit_Does_Not_Survive() {
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(6);
    w.E_ID_CANopen->setText("99");
    script->message_answers.push_back(dialogs::Yes);
    w.Btn_Cancel->Click();
    QVERIFY(!w.isVisible());
    w.show();
    QCOMPARE(w.E_ID_CANopen->text(), QString("1"));
  }

  void Malformed_File_Shows_Its_Error_And_Defaults() {
    dialogs::Scripted_Scope script;
    Override_Device_Type(6);
    dir->Write("ParGen.xml", "<Par_Gen><CAN_ID_DEV>5</CAN_ID_DEV");
    window = std::make_unique<TFParGen>();
    window->show();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(window->E_ID_CANopen->text(), QString("1"));
  }

  // Cancel and Escape ask with text 467 once something was edited; the
  // title-bar close box never asks.
  void Cancel_Question_data() {
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("how");  // "button", "escape", "escape in edit", "close"
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::newRow("unedited cancel") << false << "button" << 0 << false << true;
    QTest::newRow("edited cancel no") << true << "button" << int(dialogs::No) << true << false;
    QTest::newRow("edited cancel yes") << true << "button" << int(dialogs::Yes) << true << true;
    QTest::newRow("edited escape no") << true << "escape" << int(dialogs::No) << true << false;
    QTest::newRow("edited escape in edit yes") << true << "escape in edit" << int(dialogs::Yes) << true << true;
    QTest::newRow("check box click counts as edit")
        << false << "click then button" << int(dialogs::No) << true << false;
    QTest::newRow("edited close box") << true << "close" << 0 << false << true;
  }

  void Cancel_Question() {
    QFETCH(bool, edited);
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(6);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QByteArray before = Par_Gen_File();
    if (edited) QTest::keyClicks(w.E_MBus_Delay, "5");
    if (answer != 0) script->message_answers.push_back(answer);
    if (how == "button") {
      w.Btn_Cancel->Click();
    } else if (how == "click then button") {
      QTest::mouseClick(w.CB_CANopen_Set_Ope, Qt::LeftButton, {}, QPoint(5, w.CB_CANopen_Set_Ope->height() / 2));
      w.Btn_Cancel->Click();
    } else if (how == "escape") {
      QTest::keyClick(&w, Qt::Key_Escape);
    } else if (how == "escape in edit") {
      QTest::keyClick(w.E_MBus_Delay, Qt::Key_Escape);
    } else {
      w.close();
    }
    QCOMPARE(script->messages.size(), size_t(asked ? 1 : 0));
    if (asked) {
      QCOMPARE(script->messages[0].kind, dialogs::Kind::Confirmation);
      QCOMPARE(script->messages[0].text, QString("Do you want to exit without saving changes?"));
      QCOMPARE(script->messages[0].buttons, dialogs::Yes | dialogs::No);
    }
    QCOMPARE(!w.isVisible(), closed);
    QCOMPARE(Par_Gen_File(), before);
  }

  // Groups stack from 70 with 6 pixels between them; OK and Cancel sit 13
  // under the last one and the window ends 54 under it.
  void Layout_Per_Type_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("groups");
    QTest::newRow("type1") << 1 << QStringList{"GB_DNET_Slave", "GB_MBus"};
    QTest::newRow("type2") << 2 << QStringList{"GB_EtherNetIP", "GB_MBus"};
    QTest::newRow("type3") << 3 << QStringList{"GB_Select_Device", "GB_PROFIBUS_Slave", "GB_MBus", "GB_EtherNetIP"};
    QTest::newRow("type4") << 4 << QStringList{"GB_Sel_Dev_Wire_Present", "GB_EtherNetIP", "GB_wMBus"};
    QTest::newRow("type5") << 5 << QStringList{"GB_Sel_Dev_Wire_Present", "GB_wMBus", "GB_PROFINET"};
    QTest::newRow("type6") << 6 << QStringList{"GB_MBus", "GB_CANopen", "GB_EtherNetIP"};
  }

  void Layout_Per_Type() {
    QFETCH(int, type);
    QFETCH(QStringList, groups);
    TFParGen& w = Open(type);
    int top = 70;
    for (const QString& name : groups) {
      auto* group = w.findChild<QGroupBox*>(name);
      QVERIFY2(group && group->isVisible(), qPrintable(name));
      QCOMPARE(group->geometry().topLeft(), QPoint(8, top));
      top = group->geometry().bottom() + 1 + 6;
    }
    const int bottom = top - 6;
    int shown = 0;
    for (QGroupBox* group : w.findChildren<QGroupBox*>()) shown += group->isVisible() ? 1 : 0;
    QCOMPARE(shown, int(groups.size()));
    QCOMPARE(w.Btn_OK->y(), bottom + 13);
    QCOMPARE(w.Btn_Cancel->y(), bottom + 13);
    QCOMPARE(w.size(), QSize(312, bottom + 54));
  }

  // The group's height ends 15 under its last control; rows the type does not
  // use are hidden.
  void Group_Heights() {
    TFParGen& w = Open(6);
    QCOMPARE(w.GB_MBus->height(), w.E_MBus_NodeState->geometry().bottom() + 1 + 15);
    QCOMPARE(w.GB_CANopen->height(), w.E_SDO_TO_CANopen->geometry().bottom() + 1 + 15);
    QCOMPARE(w.GB_EtherNetIP->height(), w.E_EtherNetIP_GAT[3]->geometry().bottom() + 1 + 15);
    QVERIFY(!w.E_EtherNetIP_Port->isVisibleTo(&w));
    QVERIFY(!w.Cmb_EtherNetIP_WM->isVisibleTo(&w));
    QCOMPARE(w.GB_EtherNetIP->title(), QString(" Ethernet "));
    window.reset();
    TFParGen& w2 = Open(2);
    QCOMPARE(w2.GB_EtherNetIP->height(), w2.Cmb_EtherNetIP_WM->geometry().bottom() + 1 + 15);
    QVERIFY(w2.E_EtherNetIP_Port->isVisibleTo(&w2));
    QCOMPARE(w2.E_EtherNetIP_Port->text(), QString("44818"));
    QCOMPARE(w2.GB_EtherNetIP->title(), QString(" EtherNet/IP "));
  }

  // The device lists show or hide their dependent group at once.
  void Device_Lists_Move_Groups() {
    TFParGen& w = Open(3);
    w.Cmb_Select_Device->setCurrentIndex(0);
    QVERIFY(!w.GB_EtherNetIP->isVisible());
    const int short_height = w.height();
    w.Cmb_Select_Device->setCurrentIndex(2);
    QVERIFY(w.GB_EtherNetIP->isVisible());
    QCOMPARE(w.GB_EtherNetIP->y(), w.GB_MBus->geometry().bottom() + 1 + 6);
    QVERIFY(w.height() > short_height);
    window.reset();

    TFParGen& w5 = Open(5);
    QVERIFY(!w5.GB_MBus->isVisible());
    w5.Cmb_MBus_On_Wire->setCurrentIndex(1);
    QVERIFY(w5.GB_MBus->isVisible());
    QCOMPARE(w5.GB_MBus->y(), w5.GB_wMBus->geometry().bottom() + 1 + 6);
    QCOMPARE(w5.GB_PROFINET->y(), w5.GB_MBus->geometry().bottom() + 1 + 6);
  }

  // A folded group keeps its caption line only, and stays folded after
  // Cancel and the next showing; unfolding gives its height back.
  void Collapse_Survives_Showings() {
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(6);
    const int full = w.GB_MBus->height();
    auto* collapse = w.GB_MBus->findChild<TZbButton*>("Btn_Collapse_GB_MBus");
    auto* expand = w.GB_MBus->findChild<TZbButton*>("Btn_Expand_GB_MBus");
    QVERIFY(collapse && expand);
    QCOMPARE(collapse->geometry(), QRect(280, 10, 11, 11));
    collapse->Click();
    QCOMPARE(w.GB_MBus->height(), 26);
    QVERIFY(!w.GB_MBus_Visible);
    QVERIFY(!w.Cmb_MBus_Baud->isVisibleTo(&w));
    QVERIFY(expand->isVisibleTo(&w) && !collapse->isVisibleTo(&w));
    QCOMPARE(w.GB_CANopen->y(), 70 + 26 + 6);

    w.Btn_Cancel->Click();
    QVERIFY(!w.isVisible());
    w.show();
    QCOMPARE(w.GB_MBus->height(), 26);
    QCOMPARE(w.GB_CANopen->y(), 70 + 26 + 6);

    expand->Click();
    QVERIFY(w.GB_MBus_Visible);
    QCOMPARE(w.GB_MBus->height(), full);
    QVERIFY(w.Cmb_MBus_Baud->isVisibleTo(&w));
    QCOMPARE(script->messages.size(), size_t(0));
  }

  // "." in an address field is never typed; for type 6 it moves to the next
  // field, for type 3 it is only swallowed.
  void Dot_Moves_Between_Address_Fields() {
    TFParGen& w = Open(6);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.E_EtherNetIP_IP[1]->setFocus();
    QTest::keyClick(w.E_EtherNetIP_IP[1], '.');
    QCOMPARE(w.E_EtherNetIP_IP[1]->text(), QString("168"));
    QCOMPARE(QApplication::focusWidget(), w.E_EtherNetIP_IP[2]);
    w.E_EtherNetIP_IP[3]->setFocus();
    QTest::keyClick(w.E_EtherNetIP_IP[3], '.');
    QCOMPARE(QApplication::focusWidget(), w.E_EtherNetIP_SM[0]);
    w.E_EtherNetIP_GAT[3]->setFocus();
    QTest::keyClick(w.E_EtherNetIP_GAT[3], '.');
    QCOMPARE(w.E_EtherNetIP_GAT[3]->text(), QString("1"));
    QCOMPARE(QApplication::focusWidget(), w.E_EtherNetIP_GAT[3]);
    window.reset();

    TFParGen& w3 = Open(3);
    w3.Cmb_Select_Device->setCurrentIndex(2);
    w3.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w3));
    w3.E_EtherNetIP_IP[0]->setFocus();
    QTest::keyClick(w3.E_EtherNetIP_IP[0], '.');
    QCOMPARE(w3.E_EtherNetIP_IP[0]->text(), QString("192"));
    QCOMPARE(QApplication::focusWidget(), w3.E_EtherNetIP_IP[0]);
  }

  // Ticking the automatic count fills the byte count from M_Bus.xml and
  // disables the field; unticking enables it again with the count kept.
  void Automatic_Byte_Count() {
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(5);
    QFile::copy(Test_Data("par_gen_window/m_bus_one_node.xml"), Path_M_Bus_XML);
    QTest::mouseClick(w.CB_Auto_Calc_Byte, Qt::LeftButton, {}, QPoint(5, w.CB_Auto_Calc_Byte->height() / 2));
    QVERIFY(w.CB_Auto_Calc_Byte->isChecked());
    QCOMPARE(w.E_NB_OUT_PROFINET->text(), QString("15"));
    QVERIFY(!w.E_NB_OUT_PROFINET->isEnabled());
    QVERIFY(w.Is_Change);
    QTest::mouseClick(w.CB_Auto_Calc_Byte, Qt::LeftButton, {}, QPoint(5, w.CB_Auto_Calc_Byte->height() / 2));
    QVERIFY(w.E_NB_OUT_PROFINET->isEnabled());
    QCOMPARE(w.E_NB_OUT_PROFINET->text(), QString("15"));

    QFile::remove(Path_M_Bus_XML);
    QTest::mouseClick(w.CB_Auto_Calc_Byte, Qt::LeftButton, {}, QPoint(5, w.CB_Auto_Calc_Byte->height() / 2));
    QCOMPARE(w.E_NB_OUT_PROFINET->text(), QString("1"));
    QCOMPARE(script->messages.size(), size_t(0));

    // Saved with the count, and the next showing takes the count afresh.
    w.Btn_OK->Click();
    QVERIFY(!w.isVisible());
    QCOMPARE(Read_Par_Gen(Path_ParGen_XML, 5).PROFINET_NB_OUT, QString("1"));
    QFile::copy(Test_Data("par_gen_window/m_bus_one_node.xml"), Path_M_Bus_XML);
    window = std::make_unique<TFParGen>();
    window->show();
    QVERIFY(window->CB_Auto_Calc_Byte->isChecked());
    QCOMPARE(window->E_NB_OUT_PROFINET->text(), QString("15"));
    QVERIFY(!window->E_NB_OUT_PROFINET->isEnabled());
  }

  void Automatic_Byte_Count_Refused_In_Single_Slave() {
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(5);
    w.Cmb_PROFINET_WM->setCurrentIndex(1);
    QTest::mouseClick(w.CB_Auto_Calc_Byte, Qt::LeftButton, {}, QPoint(5, w.CB_Auto_Calc_Byte->height() / 2));
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, Lang(859));
    QVERIFY(!Lang(859).trimmed().isEmpty());
    QVERIFY(!w.CB_Auto_Calc_Byte->isChecked());
    QVERIFY(w.E_NB_OUT_PROFINET->isEnabled());
  }

  // A variable whose size is not a number stops the count: its error shows,
  // the box stays ticked and the field disabled with its old text.
  void Automatic_Byte_Count_Failure() {
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(5);
    dir->Write("M_Bus.xml",
               "<M-Bus_Network><Nodo Descrizione=\"n\"><Variabile Enable=\"1\" Type=\"0\" Dim=\"big\"/>"
               "</Nodo></M-Bus_Network>");
    w.E_NB_OUT_PROFINET->setText("77");
    QTest::mouseClick(w.CB_Auto_Calc_Byte, Qt::LeftButton, {}, QPoint(5, w.CB_Auto_Calc_Byte->height() / 2));
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY(script->messages[0].text.contains("big"));
    QVERIFY(w.CB_Auto_Calc_Byte->isChecked());
    QVERIFY(!w.E_NB_OUT_PROFINET->isEnabled());
    QCOMPARE(w.E_NB_OUT_PROFINET->text(), QString("77"));
  }

  // A file that cannot be replaced keeps the window open with its error.
  void Failed_Save_Keeps_Window_Open() {
    dialogs::Scripted_Scope script;
    TFParGen& w = Open(6);
    Path_ParGen_XML = dir->File("missing_folder/ParGen.xml");
    w.Btn_OK->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QVERIFY(script->messages[0].text.contains("ParGen.xml"));
    QVERIFY(w.isVisible());
  }

  void Screenshots() {
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("set KELVRA_SCREENSHOTS to a folder to save pictures of the window");
    for (int type = 1; type <= 6; ++type) {
      TFParGen& w = Open(type);
      if (type == 3) w.Cmb_Select_Device->setCurrentIndex(2);
      if (type == 4 || type == 5) w.Cmb_MBus_On_Wire->setCurrentIndex(1);
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      w.grab().save(QStringLiteral("%1/par_gen_type%2.png").arg(folder).arg(type));
      if (type == 6) {
        w.GB_CANopen->findChild<TZbButton*>("Btn_Collapse_GB_CANopen")->Click();
        w.grab().save(QStringLiteral("%1/par_gen_type6_folded.png").arg(folder));
      }
      window.reset();
    }
  }
};

QTEST_MAIN(ParGenWindowTest)
#include "par_gen_window_test.moc"
