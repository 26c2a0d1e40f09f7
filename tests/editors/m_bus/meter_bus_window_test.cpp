#include "editors/m_bus/meter_bus_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "controls/zb_button.h"
#include "editors/files/m_bus_network_file.h"
#include "editors/m_bus/wide_combo_box.h"
#include "editors/par_gen/new_id_node.h"
#include "platform/dialogs.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"
#include "support/temp_dir.h"

namespace {

TNodo Node(int32_t primary, int variables, uint8_t mbus_type = 1) {
  TNodo n;
  n.Enable = true;
  n.MBus_Type = mbus_type;
  n.Description = QStringLiteral("Meter %1").arg(primary);
  n.Node_ID_Primary = primary;
  n.Node_ID_Secondary = 1;
  for (int i = 0; i < variables; ++i) {
    TVariabile v;
    v.Enable = true;
    v.Description = QStringLiteral("V%1").arg(i);
    v.Dimension = 2;
    v.Position = 1;
    n.Var_List.push_back(v);
  }
  return n;
}

TNodo Wireless_Node(int variables) {
  TNodo n = Node(1, variables, 0);
  n.Description = QStringLiteral("Water");
  n.wMBus_ManID = QStringLiteral("0x2C2D");
  n.wMBus_Add = QStringLiteral("0x12345678");
  n.wMBus_Ver = QStringLiteral("1");
  n.wMBus_DevType = QStringLiteral("7");
  n.wMBus_En_Key = 1;
  for (int i = 0; i < 16; ++i) n.wMBus_Key[i] = QStringLiteral("0x%1").arg(i + 0xA0, 0, 16);
  n.RSSI = 1;
  return n;
}

// Runs `answer` on the next modal window that opens (the New Node ID dialog).
void On_Modal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    answer(modal);
  });
}

}  // namespace

class MeterBusWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Temp_Dir> dir;
  std::unique_ptr<TFNewIDNode> new_id;
  std::unique_ptr<TFMeter_Bus> window;

  TFMeter_Bus& Open(int type, const std::vector<TNodo>* nodes = nullptr) {
    Override_Device_Type(type);
    if (nodes) Write_M_Bus_Network(Path_M_Bus_XML, *nodes, type);
    window = std::make_unique<TFMeter_Bus>();
    window->Set_New_ID_Dialog(new_id.get());
    window->show();
    return *window;
  }

  QTreeWidgetItem* Item(int node, int var = -1) const {
    QTreeWidgetItem* item = window->NODE_ORIG->child(node);
    return var < 0 ? item : item->child(var);
  }

  void Click(QTreeWidgetItem* item) {
    window->TW->setCurrentItem(item);
    item->setSelected(true);
  }

  QString Bytes() const { return window->L_MBus_NumByte->text(); }
  QString Node_Button() const { return window->btn_Add_Node->Caption(); }
  QString Var_Button() const { return window->btn_Add_Var->Caption(); }

  // Every node label and, indented, its variables' labels.
  QStringList Tree() const {
    QStringList lines;
    for (int i = 0; i < window->NODE_ORIG->childCount(); ++i) {
      lines << Item(i)->text(0);
      for (int j = 0; j < Item(i)->childCount(); ++j) lines << "  " + Item(i, j)->text(0);
    }
    return lines;
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
    Active_Conf_Dir = dir->Path();
    new_id = std::make_unique<TFNewIDNode>();
  }

  void cleanup() {
    window.reset();
    new_id.reset();
    Override_Device_Type(0);
  }

  void Empty_Network_Without_File() {
    dialogs::Scripted_Scope script;
    Open(6);
    QCOMPARE(window->TW->topLevelItemCount(), 1);
    QCOMPARE(window->NODE_ORIG->text(0), QString("M-Bus Network"));
    QCOMPARE(window->NODE_ORIG->childCount(), 0);
    QCOMPARE(Bytes(), QString("Bytes Used : 1"));
    QCOMPARE(Node_Button(), QString("ADD NODE"));
    QCOMPARE(Var_Button(), QString("ADD VARIABLE"));
    QCOMPARE(window->windowTitle(), QString("M-Bus Network"));
    QCOMPARE(window->TS_Nodes->Caption(), QString("Nodes     "));
    QCOMPARE(window->PC_MBus->TabPosition(), tpLeft);
    QVERIFY(!window->PasteNode1->isEnabled());
    QVERIFY(!window->CB_MBus_Type->isVisibleTo(window->TS_Nodes));
    QCOMPARE(script->messages.size(), size_t(0));
  }

  void Selection_Follows_The_Tree() {
    const std::vector<TNodo> nodes = {Node(1, 1), Node(2, 3)};
    Open(6, &nodes);
    QCOMPARE(Tree(),
             QStringList({"ID 1 - Meter 1", "  VAR - V0", "ID 2 - Meter 2", "  VAR - V0", "  VAR - V1", "  VAR - V2"}));
    Click(Item(1, 2));
    QCOMPARE(window->Editor.IND_NODO, 1);
    QCOMPARE(window->Editor.IND_VAR, 2);
    QCOMPARE(Node_Button(), QString("ADD NODE"));
    QCOMPARE(Var_Button(), QString("MODIFY VARIABLE"));
    QCOMPARE(window->PC_MBus->ActivePage(), window->TS_Variables);
    QCOMPARE(window->E_Var_Desc->text(), QString("V2"));
    QCOMPARE(window->E_Node_Desc->text(), QString("Meter 2"));

    Click(Item(1));
    QCOMPARE(window->Editor.IND_NODO, 1);
    QCOMPARE(window->Editor.IND_VAR, -1);
    QCOMPARE(Node_Button(), QString("MODIFY NODE"));
    QCOMPARE(Var_Button(), QString("ADD VARIABLE"));
    QCOMPARE(window->PC_MBus->ActivePage(), window->TS_Nodes);
    QCOMPARE(window->E_Var_Desc->text(), QString());
    QCOMPARE(window->E_Var_Pos->text(), QString("1"));

    Click(window->NODE_ORIG);
    QCOMPARE(window->Editor.IND_NODO, -1);
    QCOMPARE(window->Editor.IND_VAR, -1);
    QCOMPARE(Node_Button(), QString("ADD NODE"));
    QCOMPARE(Var_Button(), QString("ADD VARIABLE"));
    QVERIFY(window->CB_Node_Enable->isChecked());
  }

  void Node_Button_Adds_And_Modifies() {
    dialogs::Scripted_Scope script;
    std::vector<TNodo> nodes = {Node(5, 0), Node(9, 0)};
    nodes[1].Node_ID_Type = 1;
    nodes[1].Node_ID_Secondary = 7;
    Open(6, &nodes);
    window->E_Node_Desc->setText("New");
    window->E_ID_Primary->setText("5");
    window->btn_Add_Node->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, QString("Error!! ID Node is already used"));
    QCOMPARE(window->NODE_ORIG->childCount(), 2);
    QVERIFY(!window->Editor.Is_Change);

    // Secondary 7 of the other node does not clash with primary 7.
    window->E_ID_Primary->setText("0x07");
    window->btn_Add_Node->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(window->NODE_ORIG->childCount(), 3);
    QCOMPARE(Item(2)->text(0), QString("ID 0x07 - New"));
    QCOMPARE(window->Editor.Nodi_List[2].Node_ID_Primary, 7);
    QVERIFY(window->Editor.Is_Change);

    // Modifying without changing the ID passes the duplicate test.
    Click(Item(0));
    window->E_Node_Desc->setText("Renamed");
    window->btn_Add_Node->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(Item(0)->text(0), QString("ID 5 - Renamed"));
    QCOMPARE(window->NODE_ORIG->childCount(), 3);
  }

  // Every field is checked on the Variables page, shown or hidden by the
  // node's layout; a refusal adds nothing.
  void Variable_Checks_data() {
    QTest::addColumn<int>("list_type");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("message");  // 0: added
    QTest::newRow("storage max") << 0 << "E_Var_Sto"
                                 << "4294967295" << 2 << 0;
    QTest::newRow("storage over") << 0 << "E_Var_Sto"
                                  << "4294967296" << 2 << 542;
    QTest::newRow("storage -1") << 0 << "E_Var_Sto"
                                << "-1" << 2 << 542;
    QTest::newRow("storage empty") << 0 << "E_Var_Sto"
                                   << "" << 2 << 542;
    QTest::newRow("storage hidden by position") << 1 << "E_Var_Sto"
                                                << "" << 2 << 542;
    QTest::newRow("tariff max") << 0 << "E_Var_Tariff"
                                << "0xFFFFF" << 2 << 0;
    QTest::newRow("tariff over") << 0 << "E_Var_Tariff"
                                 << "0x100000" << 2 << 543;
    QTest::newRow("length 192") << 0 << "E_Var_Len"
                                << "192" << 7 << 544;
    QTest::newRow("length fixed size") << 0 << "E_Var_Len"
                                       << "192" << 2 << 0;
    QTest::newRow("position 0 hidden") << 0 << "E_Var_Pos"
                                       << "0" << 2 << 545;
    QTest::newRow("position 101") << 1 << "E_Var_Pos"
                                  << "101" << 2 << 545;
    QTest::newRow("position 100") << 1 << "E_Var_Pos"
                                  << "100" << 2 << 0;
  }

  void Variable_Checks() {
    QFETCH(int, list_type);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(int, message);
    dialogs::Scripted_Scope script;
    std::vector<TNodo> nodes = {Node(1, 0)};
    nodes[0].Var_List_Type = static_cast<uint8_t>(list_type);
    Open(6, &nodes);
    Click(Item(0));
    QCOMPARE(window->E_Var_Pos->isVisibleTo(window->TS_Variables), list_type == 1);
    QCOMPARE(window->E_Var_Sto->isVisibleTo(window->TS_Variables), list_type == 0);
    window->CB_Var_Dim->setCurrentIndex(size);
    window->findChild<QLineEdit*>(field)->setText(text);
    window->btn_Add_Var->Click();
    if (message == 0) {
      QCOMPARE(script->messages.size(), size_t(0));
      QCOMPARE(Item(0)->childCount(), 1);
    } else {
      QCOMPARE(script->messages.size(), size_t(1));
      QCOMPARE(script->messages[0].text, Lang(message));
      QCOMPARE(Item(0)->childCount(), 0);
      QVERIFY(window->Editor.Nodi_List[0].Var_List.empty());
    }
  }

  void Variable_Button_Modifies_The_Selected_Variable() {
    const std::vector<TNodo> nodes = {Node(1, 2)};
    Open(6, &nodes);
    Click(Item(0, 1));
    window->E_Var_Desc->setText("Flow");
    window->E_Var_Sto->setText("$10");
    window->btn_Add_Var->Click();
    QCOMPARE(Item(0, 1)->text(0), QString("VAR - Flow"));
    QCOMPARE(window->Editor.Nodi_List[0].Var_List[1].Storage_Number, 16u);
    QCOMPARE(Item(0)->childCount(), 2);
  }

  void Lists_Enable_Their_Fields() {
    Open(6);
    window->CB_Var_ToD->setCurrentIndex(21);
    QVERIFY(window->E_VIF_ASCII->isEnabled());
    window->CB_Var_ToD->setCurrentIndex(20);
    QVERIFY(!window->E_VIF_ASCII->isEnabled());
    window->CB_Var_Dim->setCurrentIndex(7);
    QVERIFY(window->E_Var_Len->isEnabled());
    window->CB_Var_Dim->setCurrentIndex(6);
    QVERIFY(!window->E_Var_Len->isEnabled());
    // The long lists drop wider than their box.
    QVERIFY(window->CB_VIFE->Drop_Width() > window->CB_VIFE->width());
    window->CB_VIFE->showPopup();
    const QRect list = window->CB_VIFE->view()->window()->geometry();
    QCOMPARE(list.right() + 1, window->CB_VIFE->mapToGlobal(QPoint(window->CB_VIFE->width(), 0)).x());
    QVERIFY(list.width() >= window->CB_VIFE->Drop_Width());
    window->CB_VIFE->hidePopup();
  }

  void Copy_Delete_Paste_Twice() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Node(7, 2)};
    Open(6, &nodes);
    Click(Item(0, 1));
    window->CopyNode1->trigger();
    QVERIFY(window->PasteNode1->isEnabled());
    Click(Item(0));
    window->Delete_Items1->trigger();
    QCOMPARE(script->messages.back().text, QString("Are you sure to want to cancel this Node?"));
    QCOMPARE(script->messages.back().kind, dialogs::Kind::Confirmation);
    QCOMPARE(window->NODE_ORIG->childCount(), 0);

    for (const char* id : {"8", "9"}) {
      On_Modal([id](QWidget* modal) {
        auto* dialog = qobject_cast<TFNewIDNode*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->E_ID_Primary->text(), QString("7"));
        dialog->E_ID_Primary->setText(id);
        dialog->Btn_OK->Click();
      });
      window->PasteNode1->trigger();
    }
    QCOMPARE(Tree(),
             QStringList({"ID 8 - Meter 7", "  VAR - V0", "  VAR - V1", "ID 9 - Meter 7", "  VAR - V0", "  VAR - V1"}));
    Click(Item(0, 0));
    window->E_Var_Desc->setText("Only here");
    window->btn_Add_Var->Click();
    QCOMPARE(Item(0, 0)->text(0), QString("VAR - Only here"));
    QCOMPARE(window->Editor.Nodi_List[1].Var_List[0].Description, QString("V0"));

    // Cancel in the dialog pastes nothing.
    On_Modal([](QWidget* modal) { qobject_cast<TFNewIDNode*>(modal)->Btn_Cancel->Click(); });
    window->PasteNode1->trigger();
    QCOMPARE(window->NODE_ORIG->childCount(), 2);
  }

  void Paste_Variable_Goes_To_The_End_Of_The_Node() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Node(1, 1), Node(2, 2)};
    Open(6, &nodes);
    QVERIFY(!window->PasteVariable1->isEnabled());
    window->PasteVariable1Click();
    QCOMPARE(script->messages.back().text, QString("Error! Copy a Variable before"));
    Click(Item(0, 0));
    window->CopyVariable1->trigger();
    Click(Item(1, 0));
    window->PasteVariable1->trigger();
    QCOMPARE(Item(1)->childCount(), 3);
    QCOMPARE(Item(1, 2)->text(0), QString("VAR - V0"));
    QCOMPARE(Bytes(), QString("Bytes Used : 16"));
  }

  void Delete_All_And_Cancel_Question() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Node(1, 1), Node(2, 2)};
    Open(6, &nodes);
    const QByteArray before = dir->Read("M_Bus.xml");
    // No keeps everything.
    script->message_answers = {dialogs::No};
    window->Delete_Items1->trigger();
    QCOMPARE(script->messages.back().text, QString("Are you sure to want to cancel all Nodes?"));
    QCOMPARE(window->NODE_ORIG->childCount(), 2);
    window->Delete_Items1->trigger();
    QCOMPARE(window->TW->topLevelItemCount(), 1);
    QCOMPARE(window->NODE_ORIG->childCount(), 0);
    QCOMPARE(Bytes(), QString("Bytes Used : 1"));

    // Cancel after a change asks; No stays, Yes leaves the file as it was.
    script->message_answers = {dialogs::No};
    window->ZbButton4->Click();
    QCOMPARE(script->messages.back().text, QString("Do you want to exit without saving changes?"));
    QVERIFY(window->isVisible());
    window->ZbButton4->Click();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), mrCancel);
    QCOMPARE(dir->Read("M_Bus.xml"), before);
  }

  void Cancel_Without_Changes_Asks_Nothing_And_Clipboard_Lasts() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Node(1, 1)};
    Open(6, &nodes);
    Click(Item(0));
    window->CopyNode1->trigger();
    window->ZbButton4->Click();
    QVERIFY(!window->isVisible());
    QCOMPARE(script->messages.size(), size_t(0));
    window->show();
    QVERIFY(window->PasteNode1->isEnabled());
    QCOMPARE(window->Editor.IND_NODO, -1);
  }

  void Ok_Checks_The_Budget_Then_Writes() {
    dialogs::Scripted_Scope script;
    // 62 variables of 8 bytes: 496 bytes, the budget of type 6.
    std::vector<TNodo> nodes = {Node(1, 62)};
    for (TVariabile& v : nodes[0].Var_List) v.Dimension = 3;
    Open(6, &nodes);
    QCOMPARE(Bytes(), QString("Bytes Used : 496"));
    Click(Item(0));
    window->CB_Var_Dim->setCurrentIndex(0);
    window->btn_Add_Var->Click();
    QCOMPARE(Bytes(), QString("Bytes Used : 497"));
    const QByteArray before = dir->Read("M_Bus.xml");
    window->ZbButton2->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Warning);
    QCOMPARE(script->messages[0].text, Lang(560) + " (496)");
    QVERIFY(window->isVisible());
    QCOMPARE(window->NODE_ORIG->child(0)->childCount(), 63);
    QCOMPARE(dir->Read("M_Bus.xml"), before);

    Click(Item(0, 62));
    window->Delete_Items1->trigger();
    window->ZbButton2->Click();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), mrOk);
    const M_Bus_Network_Load saved = Read_M_Bus_Network(Path_M_Bus_XML, 6);
    QVERIFY(saved.Complete());
    QCOMPARE(saved.nodes.size(), size_t(1));
    QCOMPARE(saved.nodes[0].Var_List.size(), size_t(62));
  }

  // A read that stopped early keeps what was read and asks before saving.
  void Ok_After_An_Incomplete_Read_Asks() {
    dialogs::Scripted_Scope script;
    Override_Device_Type(6);
    const QByteArray text =
        "<M-Bus_Network><Nodo Descrizione=\"A\" ID_Primary=\"3\"/><Nodo ID_Primary=\"4\"/>"
        "<Nodo Descrizione=\"C\"/></M-Bus_Network>";
    dir->Write("M_Bus.xml", text);
    window = std::make_unique<TFMeter_Bus>();
    window->show();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(Tree(), QStringList({"ID 3 - A"}));
    QCOMPARE(window->Editor.IND_NODO, -1);

    script->message_answers = {dialogs::No};
    window->ZbButton2->Click();
    QCOMPARE(script->messages.size(), size_t(2));
    QCOMPARE(script->messages[1].kind, dialogs::Kind::Confirmation);
    QVERIFY(window->isVisible());
    QCOMPARE(dir->Read("M_Bus.xml"), text);
    window->ZbButton2->Click();
    QVERIFY(!window->isVisible());
    QCOMPARE(Read_M_Bus_Network(Path_M_Bus_XML, 6).nodes.size(), size_t(1));
  }

  void Wireless_Node_Of_Type_4() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Wireless_Node(1), Node(3, 0)};
    Open(4, &nodes);
    QCOMPARE(Tree(), QStringList({"wM-Bus Node - Address 0x12345678 - Water", "  VAR - V0", "ID 3 - Meter 3"}));
    QVERIFY(window->CB_MBus_Type->isVisibleTo(window->TS_Nodes));
    Click(Item(0, 0));
    QCOMPARE(window->CB_MBus_Type->currentIndex(), 0);
    QVERIFY(window->P_wMBus->isVisibleTo(window->TS_Nodes));
    QVERIFY(!window->E_ID_Primary->isVisibleTo(window->TS_Nodes));
    for (int i = 0; i < 16; ++i) QCOMPARE(window->E_wMBus_Key[i]->text(), QStringLiteral("0x%1").arg(i + 0xA0, 0, 16));
    QVERIFY(window->CB_wMBus_RSSI->isChecked());
    QCOMPARE(Bytes(), QString("Bytes Used : 6"));

    // The wired node shows the wired rows.
    Click(Item(1));
    QVERIFY(!window->P_wMBus->isVisibleTo(window->TS_Nodes));
    QVERIFY(window->E_ID_Primary->isVisibleTo(window->TS_Nodes));

    // A key byte out of range refuses the change.
    Click(Item(0));
    window->E_wMBus_Key[8]->setText("0x100");
    window->btn_Add_Node->Click();
    QCOMPARE(script->messages.back().text, QString("Error!! Key (Byte 9) must be between 0x00 and 0xFF"));
    QCOMPARE(window->Editor.Nodi_List[0].wMBus_Key[8], QString("0xa8"));
  }

  void Wireless_Paste_Asks_For_An_Address() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Wireless_Node(2)};
    Open(5, &nodes);
    Click(Item(0));
    window->CopyNode1->trigger();
    On_Modal([](QWidget* modal) {
      auto* dialog = qobject_cast<TFNewIDNode*>(modal);
      QCOMPARE(dialog->Form_Type, 2);
      QCOMPARE(dialog->E_wMBus_Add->text(), QString("0x12345678"));
      dialog->E_wMBus_Add->setText("0x0000ABCD");
      dialog->Btn_OK->Click();
    });
    window->PasteNode1->trigger();
    QCOMPARE(Tree(), QStringList({"wM-Bus Node - Address 0x12345678 - Water", "  VAR - V0", "  VAR - V1",
                                  "wM-Bus Node - Address 0x0000ABCD - Water", "  VAR - V0", "  VAR - V1"}));
    QCOMPARE(window->Editor.Nodi_List[1].wMBus_Key, window->Editor.Nodi_List[0].wMBus_Key);
  }

  // The map is written from the network in memory, saved or not.
  void Export_Writes_The_Map_Of_The_Unsaved_Network() {
    dialogs::Scripted_Scope script;
    Open(6);
    window->E_Node_Desc->setText("Heat");
    window->CB_Node_State->setChecked(true);
    window->btn_Add_Node->Click();
    script->file_answers = {dir->File("map")};
    window->Btn_Export_Map->Click();
    QCOMPARE(script->file_requests.size(), size_t(1));
    QCOMPARE(script->file_requests[0].folder, dir->Path());
    QVERIFY(script->file_requests[0].confirm_overwrite);  // the dialog's own question stays
    QCOMPARE(dir->Read("map.csv"), QByteArray("ID Node; Node Description; Variable Description; Position; Length;\r\n"
                                              "1; Heat; Node State; 0; 1;\r\n"));
    QVERIFY(window->Editor.Is_Change);
  }

  void Import_Asks_Then_Reloads() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Node(1, 1)};
    Open(6, &nodes);
    const std::vector<TNodo> other = {Node(20, 2), Node(21, 0)};
    const QString source = dir->File("other.xml");
    Write_M_Bus_Network(source, other, 6);
    window->E_ID_Primary->setText("2");
    window->btn_Add_Node->Click();  // an unsaved change the reload drops

    script->file_answers = {source};
    script->message_answers = {dialogs::No};
    window->Btn_ImportNet->Click();
    QCOMPARE(script->messages.back().text, QString("Do you really want to overwrite the existing M-Bus Network?"));
    QCOMPARE(window->NODE_ORIG->childCount(), 2);

    script->file_answers = {source};
    window->Btn_ImportNet->Click();
    QCOMPARE(Tree(), QStringList({"ID 20 - Meter 20", "  VAR - V0", "  VAR - V1", "ID 21 - Meter 21"}));
    QVERIFY(!window->Editor.Is_Change);
    QCOMPARE(window->Editor.IND_NODO, -1);
    QCOMPARE(dir->Read("M_Bus.xml"), dir->Read("other.xml"));
  }

  // A file that is no network is refused after Yes: the error names it, the
  // saved network stays byte for byte and the editor keeps its unsaved edits.
  void Import_Of_A_File_That_Is_No_Network_Keeps_Everything() {
    dialogs::Scripted_Scope script;
    const std::vector<TNodo> nodes = {Node(1, 1)};
    Open(6, &nodes);
    const QByteArray saved = dir->Read("M_Bus.xml");
    window->E_ID_Primary->setText("2");
    window->btn_Add_Node->Click();
    const QStringList tree = Tree();

    QByteArray noise(3000, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    const QString sources[] = {dir->Write("noise.xml", noise),
                               dir->Write("settings.xml", "<Par_Gen><Eth_IP1>10</Eth_IP1></Par_Gen>")};
    for (const QString& source : sources) {
      script->file_answers = {source};
      script->message_answers = {dialogs::Yes};
      window->Btn_ImportNet->Click();
      QCOMPARE(script->messages.back().kind, dialogs::Kind::Error);
      QVERIFY2(script->messages.back().text.contains(source), qPrintable(script->messages.back().text));
      QCOMPARE(dir->Read("M_Bus.xml"), saved);
      QCOMPARE(Tree(), tree);
      QVERIFY(window->Editor.Is_Change);
    }
  }

  // Not a check: with KELVRA_SHOT_DIR set, pictures of the window to look at.
  void Pictures() {
    const QString folder = qEnvironmentVariable("KELVRA_SHOT_DIR");
    if (folder.isEmpty()) QSKIP("KELVRA_SHOT_DIR not set");
    for (const int type : {6, 4}) {
      std::vector<TNodo> nodes = {Node(1, 2), Node(2, 3), Node(17, 1)};
      nodes[1].Node_State = 1;
      nodes[1].Ident_Num = 1;
      if (type == 4) nodes.insert(nodes.begin() + 1, Wireless_Node(2));
      Open(type, &nodes);
      window->Editor.Copy_Node.reset();
      Click(Item(1));
      QTest::qWait(50);
      window->grab().save(QStringLiteral("%1/mbus_type%2_node.png").arg(folder).arg(type));
      Click(Item(type == 4 ? 2 : 1, 1));
      window->CB_Var_ToD->setCurrentIndex(21);
      QTest::qWait(50);
      window->grab().save(QStringLiteral("%1/mbus_type%2_variable.png").arg(folder).arg(type));
      // The widened VIFE list drops to the left of its box.
      window->CB_VIFE->showPopup();
      QTest::qWait(100);
      window->screen()->grabWindow(0).save(QStringLiteral("%1/mbus_type%2_vife.png").arg(folder).arg(type));
      window->CB_VIFE->hidePopup();
    }
  }
};

QTEST_MAIN(MeterBusWindowTest)
#include "meter_bus_window_test.moc"
