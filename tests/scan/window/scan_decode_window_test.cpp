// The Scan & Decode window over its real engine, against the gateway simulator
// started as its own process on 127.0.0.1.
#include "scan/window/scan_decode_window.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <functional>
#include <memory>

#include "controls/zb_button.h"
#include "grid/columns/zad_column_grid.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/cell_properties.h"
#include "platform/dialogs.h"
#include "scan/decode/slave_lists.h"
#include "scan/simulator_process.h"
#include "scan/window/scan_dialogs.h"
#include "scan/window/scan_tree_model.h"
#include "scan/window/wireless_row.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"
#include "shell/core/modal_result.h"
#include "shell/ui/title_panel.h"
#include "support/temp_dir.h"

namespace {

// Protocol pauses shortened fifty-fold, so a whole primary scan takes seconds.
class Fast_Sleeper : public Interruptible_Sleeper {
 public:
  void Sleep(int ms) override { Interruptible_Sleeper::Sleep(ms > 0 ? std::max(1, ms / 50) : 0); }
};

QStringList thread_warnings;
QtMessageHandler previous_handler = nullptr;

// Qt's complaints about objects used from the wrong thread fail the test.
void Watch_Messages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtDebugMsg && text.contains(QStringLiteral("thread"), Qt::CaseInsensitive)) thread_warnings << text;
  if (previous_handler) previous_handler(type, context, text);
}

bool Wait_For(const std::function<bool()>& ready, int limit_ms) {
  QElapsedTimer clock;
  clock.start();
  while (!ready()) {
    if (clock.elapsed() > limit_ms) return false;
    QTest::qWait(10);
  }
  return true;
}

uint16_t Free_Udp_Port() {
  const int sock = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
  close(sock);
  return ntohs(address.sin_port);
}

QString Source_File(const char* relative) { return qEnvironmentVariable("KELVRA_SOURCE_DIR") + '/' + relative; }

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

// How many pixels of the item's rectangle have the colour (red or blue text).
int Count_Pixels(QListWidget* list, int row, bool red) {
  QListWidgetItem* item = list->item(row);
  list->scrollToItem(item, QAbstractItemView::PositionAtTop);
  const QRect rect = list->visualItemRect(item);
  const QImage image = list->viewport()->grab().toImage();
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const bool is_red = c.red() > 180 && c.green() < 90 && c.blue() < 90;
      const bool is_blue = c.blue() > 180 && c.red() < 90 && c.green() < 90;
      if (red ? is_red : is_blue) ++count;
    }
  return count;
}

}  // namespace

class ScanDecodeWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Temp_Dir> dir;
  std::unique_ptr<TFScanDecode> window;
  std::unique_ptr<Simulator_Process> sim;

  TFScanDecode& Open(int form_type, uint16_t command_port = 10000, uint16_t wireless_port = 0) {
    Scan_Platform platform;
    platform.sleeper = std::make_shared<Fast_Sleeper>();
    platform.gateway_command_port = command_port;
    platform.gateway_wireless_port = wireless_port;
    window = std::make_unique<TFScanDecode>(nullptr, std::move(platform));
    window->XML_Code_Dev = form_type == 1 ? 16 : 19;
    window->FileName_MBus = dir->File("M_Bus.xml");
    window->Form_Type = form_type;
    window->show();
    return *window;
  }

  void Start_Simulator(const QStringList& args, const QString& log = QString()) {
    sim = std::make_unique<Simulator_Process>(QStringLiteral(GATEWAY_SIM), args, log);
  }

  // The address of the simulator in the address edits.
  static void Loopback(TFScanDecode& w) {
    const char* parts[] = {"127", "0", "0", "1"};
    for (int i = 0; i < 4; ++i) w.E_IP[size_t(i)]->setText(parts[i]);
  }

  // A wired scan from Start Scan to its end state.
  void Run_Wired_Scan(TFScanDecode& w, int by) {
    Loopback(w);
    w.CB_ScanBy->setCurrentIndex(by);
    w.Btn_StartScan->Click();
    QCOMPARE(w.State(), 2);
    QVERIFY(w.T_InScan->isActive());
    QVERIFY2(Wait_For([&] { return w.State() != 2; }, 60000), "the scan did not end");
  }

  // A wireless scan over the three sample frames, sent through the named radio
  // module, until each meter has its row; row_of maps meter id to row. The two
  // encrypted samples come from one meter, so the mode-7 one is given an
  // identification number of its own (it stays unreadable without a key). A
  // log file makes the simulator say what it receives.
  void Run_Wireless_Scan(const QString& radio, const QString& log, QMap<QString, int>& row_of) {
    QFile sample(Source_File("tools/gateway-sim/sample-wmbus-frames.txt"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QList<QByteArray> frames;
    for (const QByteArray& line : sample.readAll().split('\n'))
      if (!line.startsWith('#') && !line.trimmed().isEmpty()) frames << line.trimmed();
    QCOMPARE(frames.size(), 3);
    frames[2].replace("78 56 34 12", "21 43 65 87");
    // A Radiocrafts module passes L + 1 bytes, the last the signal strength.
    if (radio == "radiocrafts")
      for (QByteArray& frame : frames) frame = frame.left(frame.size() - 8) + "A0";
    const QString frames_file = dir->Write("frames.txt", frames.join('\n') + '\n');
    QStringList args{"--radio", radio, "--wmbus-frames", frames_file, "--frame-interval", "30"};
    if (!log.isEmpty()) args << "--verbose";
    Start_Simulator(args, log);
    TFScanDecode& w = Open(1, 10000, sim->Port());
    Loopback(w);
    w.CB_ScanMethod->setCurrentIndex(1);
    w.E_Port->setText(QString::number(Free_Udp_Port()));
    w.Btn_StartScan->Click();
    QCOMPARE(w.State(), 4);
    TZadIrururOziz& grid = *w.ZSG_Wireless;
    QVERIFY2(Wait_For([&] { return grid.RowCount() == 4 && !grid.GetCellEx(8, 3).isEmpty(); }, 20000),
             qPrintable(w.TR_ScanDecode().Error_Text()));
    for (int r = 1; r <= 3; ++r) row_of[grid.GetCellEx(8, r)] = r;
  }

 private Q_SLOTS:
  void initTestCase() {
    previous_handler = qInstallMessageHandler(Watch_Messages);
    Load_Default_Texts();
    SW_Code = "SW58221";
  }

  void init() {
    dir = std::make_unique<Temp_Dir>();
    Path_ParGen_XML = dir->File("ParGen.xml");
    thread_warnings.clear();
  }

  void cleanup() {
    window.reset();
    sim.reset();
    {
      Clear_Slave_List(List_Slave_MBus);
      Clear_Slave_List(List_Slave_wMBus);
    }
    QVERIFY2(thread_warnings.isEmpty(), qPrintable(thread_warnings.join('\n')));
  }

  // The address comes from ParGen.xml by device code, each part on its own;
  // the rows follow the device and the method.
  void Show_Address_And_Rows_data() {
    QTest::addColumn<int>("form_type");
    QTest::addColumn<int>("method");
    QTest::addColumn<QByteArray>("par_gen");  // empty: no file
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");

    const QStringList wired_rows{"L_ScanBy",         "CB_ScanBy",       "L_MBus_Baud",
                                 "CB_Opt_App_Reset", "E_Opt_Cut_After", "CB_Opt_Use_Fix_C_Field_Value"};
    const QStringList wireless_rows{"L_Port", "E_Port", "L_wMBus_Mode", "CB_wMBus_Radio_Channel"};
    QTest::newRow("type 6") << 0 << 0
                            << QByteArray(
                                   "<Par_Gen><Eth_IP1>10</Eth_IP1><Eth_IP2>1</Eth_IP2><Eth_IP3>2</Eth_IP3>"
                                   "<Eth_IP4>3</Eth_IP4></Par_Gen>")
                            << "10/1/2/3" << 523 << wired_rows << (wireless_rows + QStringList{"L_ScanMethod"});
    QTest::newRow("type 6 no ParGen") << 0 << 0 << QByteArray() << "192/168/2/205" << 523 << wired_rows
                                      << (wireless_rows + QStringList{"CB_ScanMethod", "L_ComPort"});
    QTest::newRow("type 6 one part") << 0 << 0 << QByteArray("<Par_Gen><Eth_IP3>7</Eth_IP3></Par_Gen>")
                                     << "192/168/7/205" << 523 << wired_rows << wireless_rows;
    QTest::newRow("wireless device, wired method") << 1 << 0 << QByteArray() << "192/168/2/205" << 571
                                                   << (wired_rows + QStringList{"L_ScanMethod"}) << wireless_rows;
    QTest::newRow("wireless method") << 1 << 1 << QByteArray() << "192/168/2/205" << 571
                                     << (wireless_rows + QStringList{"CB_ScanMethod", "CB_Opt_Check_BCD_to_Int"})
                                     << QStringList{"L_ScanBy", "CB_ScanBy", "L_MBus_Baud", "CB_Opt_App_Reset"};
  }

  void Show_Address_And_Rows() {
    QFETCH(int, form_type);
    QFETCH(int, method);
    QFETCH(QByteArray, par_gen);
    QFETCH(QString, address);
    QFETCH(int, height);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    if (!par_gen.isEmpty()) dir->Write("ParGen.xml", par_gen);
    TFScanDecode& w = Open(form_type);
    if (method == 1) w.CB_ScanMethod->setCurrentIndex(1);
    QCOMPARE(w.State(), 1);
    QCOMPARE(w.height(), height);
    QStringList parts;
    for (QLineEdit* edit : w.E_IP) parts << edit->text();
    QCOMPARE(parts.join('/'), address);
    for (const QString& name : shown) QVERIFY2(w.findChild<QWidget*>(name)->isVisible(), qPrintable(name));
    for (const QString& name : hidden) QVERIFY2(!w.findChild<QWidget*>(name)->isVisible(), qPrintable(name));
    QVERIFY(!w.CB_HardwareType->isEnabled());
    QCOMPARE(w.CB_HardwareType->currentIndex(), 0);
    QVERIFY(w.TR_ScanDecode().Event_Run().Is_Set());
  }

  // Type 6: blocks 32 pixels apart, rows 24; the address edits and their dots.
  void Rows_Stand_In_Their_Places() {
    TFScanDecode& w = Open(0);
    const std::pair<QWidget*, int> rows[] = {
        {w.CB_ScanBy, 16},        {w.CB_HardwareType, 48},         {w.E_IP[0], 72},
        {w.L_MBus_ParGen, 106},   {w.CB_MBus_Baud, 128},           {w.CB_MBus_Parity, 152},
        {w.L_Option_Scan, 186},   {w.CB_Opt_App_Reset, 208},       {w.CB_Opt_SND_NKE, 232},
        {w.E_Opt_Cut_After, 256}, {w.CB_Opt_Use_Fix_C_Field, 280}, {w.CB_Opt_Enable_Remote_Scan, 328}};
    for (const auto& [control, y] : rows) QCOMPARE(control->y(), y);
    QCOMPARE(w.L_ScanBy->x(), 32);
    QCOMPARE(w.L_MBus_ParGen->x(), 16);
    QCOMPARE(w.CB_ScanBy->x(), 176);
    QCOMPARE(w.CB_Opt_Use_Fix_C_Field_Value->x(), 176);
    const int ip_x[] = {176, 242, 308, 374};
    const int dot_x[] = {237, 303, 369};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(w.E_IP[size_t(i)]->x(), ip_x[i]);
      QCOMPARE(w.E_IP[size_t(i)]->width(), 60);
    }
    for (int i = 0; i < 3; ++i) QCOMPARE(w.L_IP_Dot[size_t(i)]->x(), dot_x[i]);
    // A list change lays the rows out again: the wireless method of a wireless device.
    w.Form_Type = 1;
    w.CB_ScanMethod->setCurrentIndex(1);
    QCOMPARE(w.CB_ScanMethod->y(), 16);
    QCOMPARE(w.CB_HardwareType->y(), 48);
    QCOMPARE(w.E_Port->y(), 96);
    QCOMPARE(w.CB_wMBus_Mode->y(), 152);
  }

  // Buttons and panels of the five states.
  void States() {
    TFScanDecode& w = Open(1);
    const int start_x = w.Btn_StartScan->x();
    const int right_of_stop = start_x + w.Btn_StopScan->width() + 8;
    for (int state = 1; state <= 5; ++state) {
      w.CB_HardwareType->setCurrentIndex(1);
      w.Form_Style(state);
      QCOMPARE(w.CB_HardwareType->currentIndex(), 0);
      QCOMPARE(w.P_Main->isVisible(), state == 1);
      QCOMPARE(w.P_TreeView->isVisible(), state == 2 || state == 3);
      QCOMPARE(w.P_View_Wireless->isVisible(), state == 4 || state == 5);
      QCOMPARE(w.Btn_StartScan->isVisible(), state == 1);
      QCOMPARE(w.Btn_StopScan->isVisible(), state == 2 || state == 4);
      QCOMPARE(w.Btn_AbortScan->isVisible(), state == 2 || state == 4);
      QCOMPARE(w.Btn_NewScan->isVisible(), state == 3 || state == 5);
      QCOMPARE(w.Btn_SaveConf->isVisible(), state == 3 || state == 5);
      QCOMPARE(w.Btn_SaveConfManual->isVisible(), state == 3 || state == 5);
    }
    w.Form_Style(2);
    QCOMPARE(w.Btn_StopScan->pos(), w.Btn_StartScan->pos());
    QCOMPARE(w.Btn_AbortScan->x(), right_of_stop);
    QCOMPARE(w.L_ScanProgress->text(), QStringLiteral("Scan in Progress"));
    QVERIFY(w.LB_AvailableDevice->isVisible());
    QVERIFY(!w.VST->isVisible());
    w.Form_Style(3);
    QCOMPARE(w.Btn_NewScan->x(), start_x);
    QCOMPARE(w.Btn_SaveConf->x(), right_of_stop);
    QCOMPARE(w.Btn_SaveConfManual->x(), right_of_stop + w.Btn_SaveConf->width() + 8);
    QCOMPARE(w.Btn_SaveConfManual->y(), w.Btn_SaveConf->y());
    QCOMPARE(w.L_ScanProgress->text(), QStringLiteral("Number of Slaves"));
    QVERIFY(!w.LB_AvailableDevice->isVisible());
    QVERIFY(w.VST->isVisible() && w.L_Num_Slave->isVisible());
  }

  void Port_Refused_data() {
    QTest::addColumn<QString>("port");
    QTest::newRow("too large") << "70000";
    QTest::newRow("letters") << "abc";
    QTest::newRow("zero") << "0";
  }

  void Port_Refused() {
    QFETCH(QString, port);
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(1);
    w.CB_ScanMethod->setCurrentIndex(1);
    w.E_Port->setText(port);
    w.Btn_StartScan->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text, QStringLiteral("Port must be between 1 and 65535"));
    QCOMPARE(w.State(), 1);
    QVERIFY(!w.TR_ScanDecode().InScan());
    QVERIFY(!w.T_InScan->isActive());
  }

  // A port that cannot be bound: the system's reason, the settings stay; the next
  // wired scan still binds as before.
  void Port_In_Use() {
    const int busy = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    QCOMPARE(bind(busy, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    getsockname(busy, reinterpret_cast<sockaddr*>(&address), &length);

    Start_Simulator({"--meters", Source_File("tools/gateway-sim/sample-meters.txt")});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(1, sim->Port());
    Loopback(w);
    w.CB_ScanMethod->setCurrentIndex(1);
    w.E_Port->setText(QString::number(ntohs(address.sin_port)));
    w.Btn_StartScan->Click();
    close(busy);
    QCOMPARE(script->messages.size(), size_t(1));
    QVERIFY2(script->messages[0].text.contains("Address already in use"), qPrintable(script->messages[0].text));
    QCOMPARE(w.State(), 1);
    QVERIFY(!w.T_InScan->isActive());

    w.CB_ScanMethod->setCurrentIndex(0);
    w.Btn_StartScan->Click();
    QCOMPARE(w.State(), 2);
    QVERIFY(Wait_For([&] { return w.LB_AvailableDevice->count() > 0; }, 10000));
    w.Btn_AbortScan->Click();
    QVERIFY(Wait_For([&] { return w.State() != 2; }, 10000));
    QCOMPARE(script->messages.size(), size_t(1));
  }

  // The sample meters by primary address: every address a line, red when
  // nobody answered, blue for a meter; a second start meanwhile is refused.
  void Primary_Scan() {
    Start_Simulator({"--meters", Source_File("tools/gateway-sim/sample-meters.txt")});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Loopback(w);
    w.Btn_StartScan->Click();
    QCOMPARE(w.State(), 2);
    w.Select_Scan();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text, Lang(726));
    QCOMPARE(w.State(), 2);
    // While the scan runs, the newest line is the top one.
    QVERIFY(Wait_For([&] { return w.LB_AvailableDevice->count() >= 30; }, 30000));
    QVERIFY(w.LB_AvailableDevice->indexAt(QPoint(5, 2)).row() > 0);

    QVERIFY(Wait_For([&] { return w.State() != 2; }, 60000));
    QCOMPARE(w.State(), 3);
    QCOMPARE(script->messages.size(), size_t(1));
    const QStringList lines = Lines(w.LB_AvailableDevice);
    QCOMPARE(lines.size(), 251);
    QCOMPARE(lines[0], QStringLiteral("ID = 0\t[NOT FOUND]"));
    QCOMPARE(lines[3], QStringLiteral("ID = 3\t"));
    QCOMPARE(lines[17], QStringLiteral("ID = 17\t"));
    QCOMPARE(lines[42], QStringLiteral("ID = 42\t"));
    QCOMPARE(lines.filter("[NOT FOUND]").size(), 248);
    QCOMPARE(w.L_Num_Slave->text(), QStringLiteral("3"));
    for (TZbButton* button : {w.Btn_NewScan, w.Btn_SaveConf, w.Btn_SaveConfManual}) QVERIFY(button->isVisible());

    w.LB_AvailableDevice->show();
    QVERIFY(Count_Pixels(w.LB_AvailableDevice, 0, true) > 10);
    QCOMPARE(Count_Pixels(w.LB_AvailableDevice, 0, false), 0);
    QVERIFY(Count_Pixels(w.LB_AvailableDevice, 3, false) > 10);
    QCOMPARE(Count_Pixels(w.LB_AvailableDevice, 3, true), 0);

    // New Scan: back to the settings, the results gone.
    w.Btn_NewScan->Click();
    QCOMPARE(w.State(), 1);
    QVERIFY(List_Slave_MBus.empty());
  }

  // The wired tree after a primary scan; unchecked entries are saved disabled,
  // and the question about an existing file decides append, overwrite or nothing.
  void Wired_Tree_And_Save() {
    Start_Simulator({"--meters", Source_File("tools/gateway-sim/sample-meters.txt")});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Run_Wired_Scan(w, 0);
    QCOMPARE(w.State(), 3);
    QCOMPARE(w.L_Num_Slave->text(), QStringLiteral("3"));
    Scan_Tree_Model& tree = w.Wired_Tree();
    QCOMPARE(tree.rowCount(), 3);
    const QModelIndex first = tree.index(0, 0);
    QCOMPARE(first.data().toString(), QStringLiteral("Primary Address = 3 - Secondary Address = 12345678 - "
                                                     "Manufacturer = ACW(1143) - Version = 14 - Type = 22"));
    QCOMPARE(tree.rowCount(first), int(List_Slave_MBus[0]->List_Var.size()));
    const QModelIndex record = tree.index(1, 0, first);
    QCOMPARE(record.data().toString(), QStringLiteral("Value = 54.321 - Type = Volume m3 (U0S0T0)"));
    QCOMPARE(tree.rowCount(record), 12);
    QVERIFY(tree.index(8, 0, record).data().toString().startsWith("VIF = $"));
    QCOMPARE(record.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(first.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(!tree.index(0, 0, record).data(Qt::CheckStateRole).isValid());

    // Meter 17 unchecked, record 2 of meter 3 unchecked: independent of each other.
    QModelIndex meter17;
    for (int m = 0; m < 3; ++m)
      if (tree.index(m, 0).data().toString().startsWith("Primary Address = 17 ")) meter17 = tree.index(m, 0);
    QVERIFY(meter17.isValid());
    QVERIFY(tree.setData(meter17, Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(tree.setData(record, Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(first.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    w.Btn_SaveConf->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text, Lang(730));
    const QString xml = QString::fromUtf8(dir->Read("M_Bus.xml"));
    QCOMPARE(xml.count("<Nodo "), 3);
    QVERIFY(xml.contains(QRegularExpression("<Nodo Node_Enable=\"0\" ID_Primary=\"17\"")));
    QVERIFY(xml.contains(QRegularExpression("Enable=\"0\" Position=\"2\"")));

    // Cancel: nothing written.
    const QByteArray before = dir->Read("M_Bus.xml");
    script->message_answers.push_back(dialogs::Cancel);
    w.Btn_SaveConf->Click();
    QCOMPARE(script->messages.size(), size_t(2));
    QCOMPARE(script->messages[1].text, Lang(737));
    QCOMPARE(dir->Read("M_Bus.xml"), before);
    // No: written anew; Yes: appended.
    script->message_answers.push_back(dialogs::No);
    w.Btn_SaveConf->Click();
    QCOMPARE(QString(dir->Read("M_Bus.xml")).count("<Nodo "), 3);
    script->message_answers.push_back(dialogs::Yes);
    w.Btn_SaveConf->Click();
    QCOMPARE(QString(dir->Read("M_Bus.xml")).count("<Nodo "), 6);
    // Yes on a file that is not XML: its error, the file as it was, no 730.
    dir->Write("M_Bus.xml", "not xml");
    const size_t shown = script->messages.size();
    script->message_answers.push_back(dialogs::Yes);
    w.Btn_SaveConf->Click();
    QCOMPARE(script->messages.size(), shown + 2);
    QCOMPARE(script->messages.back().kind, dialogs::Kind::Error);
    QVERIFY(script->messages.back().text.contains("M_Bus.xml"));
    QCOMPARE(dir->Read("M_Bus.xml"), QByteArray("not xml"));
    QCOMPARE(w.State(), 3);
  }

  // Device code 0 asks the start register before an append and fills the
  // per-node dialog with one row per meter before a node-address save.
  void Save_Asks_Start_Addresses_For_Code_0() {
    Start_Simulator({"--meters", Source_File("tools/gateway-sim/sample-meters.txt")});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Run_Wired_Scan(w, 0);
    QCOMPARE(w.State(), 3);
    w.XML_Code_Dev = 0;
    // No file yet: no append, so no start-register question.
    bool start_asked = false;
    QTimer::singleShot(0, this, [&] {
      start_asked = w.Start_Dialog().isVisible();
      w.Start_Dialog().reject();
    });
    w.Btn_SaveConf->Click();
    QTest::qWait(20);
    QVERIFY(!start_asked);
    QCOMPARE(script->messages.back().text, Lang(730));

    // Append: the start register is asked; 0 is refused first.
    script->message_answers.push_back(dialogs::Yes);
    QTimer::singleShot(0, this, [&] {
      TFScanModbusStart& d = w.Start_Dialog();
      start_asked = d.isVisible();
      d.E_StartModAdd->setText("0");
      d.Btn_OK->Click();
      d.E_StartModAdd->setText("100");
      d.Btn_OK->Click();
    });
    w.Btn_SaveConf->Click();
    QVERIFY(start_asked);
    QCOMPARE(script->messages[script->messages.size() - 3].text, Lang(737));
    QCOMPARE(script->messages[script->messages.size() - 2].text, Lang(806));
    QCOMPARE(script->messages.back().text, Lang(730));
    QCOMPARE(w.Start_Dialog().StartModAdd, 100);
    // The appended nodes are the last three; their first register is the one given.
    const QString whole = QString::fromUtf8(dir->Read("M_Bus.xml"));
    int fourth = -1;
    for (int i = 0; i < 4; ++i) fourth = whole.indexOf("<Nodo ", fourth + 1);
    QVERIFY(fourth > 0);
    const QString appended = whole.mid(fourth);
    const QRegularExpressionMatch mod_reg = QRegularExpression("ModReg=\"(\\d+)\"").match(appended);
    QVERIFY(mod_reg.hasMatch());
    QCOMPARE(mod_reg.captured(1), QStringLiteral("100"));
    QCOMPARE(QString(dir->Read("M_Bus.xml")).count("<Nodo "), 6);

    // Cancel in the start-register dialog writes nothing.
    const QByteArray before = dir->Read("M_Bus.xml");
    script->message_answers.push_back(dialogs::Yes);
    QTimer::singleShot(0, this, [&] { w.Start_Dialog().Btn_Cancel->Click(); });
    w.Btn_SaveConf->Click();
    QCOMPARE(dir->Read("M_Bus.xml"), before);

    // Node addresses, overwriting: the per-node grid, one row per meter, all "1".
    QStringList rows;
    script->message_answers.push_back(dialogs::No);
    QTimer::singleShot(0, this, [&] {
      TFModbusStartAdd_SD& d = w.Per_Node_Dialog();
      for (int r = 1; r < d.sga->RowCount(); ++r) rows << d.sga->GetCellEx(0, r) + '|' + d.sga->GetCellEx(1, r);
      d.sga->SetCellEx(1, 2, "");
      d.Btn_OK->Click();
      d.sga->SetCellEx(1, 2, "60000");
      d.Btn_OK->Click();
      d.sga->SetCellEx(1, 2, "500");
      d.Btn_OK->Click();
    });
    w.Btn_SaveConfManual->Click();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0], QStringLiteral("3 - 12345678|1"));
    QVERIFY(rows[1].startsWith("17 - ") && rows[1].endsWith("|1"));
    QVERIFY(rows[2].startsWith("42 - ") && rows[2].endsWith("|1"));
    QCOMPARE(script->messages[script->messages.size() - 3].text,
             QStringLiteral("Error row 2!! Modbus Start Address cannot be empty"));
    QVERIFY(script->messages[script->messages.size() - 2].text.contains(Lang(1010)));
    QCOMPARE(script->messages.back().text, Lang(730));
    const QString xml = QString::fromUtf8(dir->Read("M_Bus.xml"));
    QCOMPARE(xml.count("<Nodo "), 3);
    QVERIFY(xml.contains("\"500\""));
  }

  // The key dialog on an encrypted meter's row: the key reaches the radio
  // module, and the meter heard again is read in clear. A refused key warns.
  void Wireless_Tree_And_Key() {
    dialogs::Scripted_Scope script;
    const QString log = dir->File("sim.log");
    QMap<QString, int> row_of;
    Run_Wireless_Scan("telit", log, row_of);
    if (QTest::currentTestFailed()) return;
    TFScanDecode& w = *window;
    TZadIrururOziz& grid = *w.ZSG_Wireless;
    const int plain = row_of["11223344"], mode5 = row_of["12345678"], mode7 = row_of["87654321"];
    Scan_Tree_Model& tree = w.Wireless_Tree();

    // A click shows that meter's tree, checked as it is enabled.
    w.ZSG_WirelessClickCell(plain, 1);
    QCOMPARE(w.Shown_Wireless_Meter(), plain - 1);
    QCOMPARE(tree.rowCount(), 1);
    QVERIFY(!tree.index(0, 0).data().toString().contains("CRIPTED"));
    QVERIFY(tree.rowCount(tree.index(0, 0)) > 0);
    QCOMPARE(tree.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    w.ZSG_WirelessClickCell(mode5, 1);
    QVERIFY(tree.index(0, 0).data().toString().contains("CRIPTED!!"));
    // Outside the meter rows: the tree stays.
    w.ZSG_WirelessClickCell(0, 1);
    w.ZSG_WirelessClickCell(4, 1);
    QCOMPARE(w.Shown_Wireless_Meter(), mode5 - 1);

    // A double click on a plain row opens nothing.
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = true;
        modal->close();
      }
    });
    w.ZSG_WirelessDblClickCell(plain, 1);
    QTest::qWait(20);
    QVERIFY(!opened);

    // On the mode-5 row: the dialog inside the window, letters typed in upper case.
    QRect at;
    QString typed;
    QTimer::singleShot(0, this, [&] {
      TFInsertKeyWireless& d = w.Key_Dialog();
      at = d.frameGeometry();
      d.E_Key->setFocus();
      QTest::keyClicks(d.E_Key, "0102030405060708090a0b0c0d0e0f1");
      d.Btn_OK->Click();  // 31 characters
      QTest::keyClicks(d.E_Key, "1");
      typed = d.E_Key->text();
      d.Btn_OK->Click();
    });
    w.ZSG_WirelessDblClickCell(mode5, 1);
    QCOMPARE(typed, QStringLiteral("0102030405060708090A0B0C0D0E0F11"));
    QVERIFY(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()).contains(at.topLeft()));
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].text, Lang(904));
    // The module learns the key (its last byte in register 485) and the meter is read.
    const QByteArray last_key_byte = "41 54 53 34 38 35 3D 31 37 0D";  // ATS485=17
    QVERIFY(Wait_For(
        [&] {
          QFile f(log);
          return f.open(QIODevice::ReadOnly) && f.readAll().contains(last_key_byte);
        },
        20000));
    QVERIFY(
        Wait_For([&] { return grid.GetCellProperties(3, mode5)->BrushColor() == wireless_row::kClear_Color; }, 20000));
    // The shown meter heard again: its tree is rebuilt, in clear with its records.
    QVERIFY(Wait_For([&] { return !tree.index(0, 0).data().toString().contains("CRIPTED"); }, 20000));
    QVERIFY(tree.rowCount(tree.index(0, 0)) > 0);
    QCOMPARE(grid.GetCellProperties(3, mode7)->BrushColor(), wireless_row::kEncrypted_Color);
    // Lines opened by the user stay open when the meter is heard again.
    w.VST_Wireless->expand(tree.index(0, 0));
    w.VST_Wireless->expand(tree.index(0, 0, tree.index(0, 0)));
    QSignalSpy rebuilt(&tree, &QAbstractItemModel::modelReset);
    QVERIFY(Wait_For([&] { return rebuilt.count() > 0; }, 20000));
    QVERIFY(w.VST_Wireless->isExpanded(tree.index(0, 0)));
    QVERIFY(w.VST_Wireless->isExpanded(tree.index(0, 0, tree.index(0, 0))));

    // Reception stopped: the key is kept in the edit, and the engine refuses it.
    w.Btn_StopScan->Click();
    QVERIFY(Wait_For([&] { return w.State() != 4; }, 20000));
    QString kept;
    QTimer::singleShot(0, this, [&] {
      TFInsertKeyWireless& d = w.Key_Dialog();
      kept = d.E_Key->text();
      d.Btn_OK->Click();
    });
    w.ZSG_WirelessDblClickCell(mode7, 1);
    QCOMPARE(kept, QStringLiteral("0102030405060708090A0B0C0D0E0F11"));
    QCOMPARE(script->messages.size(), size_t(2));
    QCOMPARE(script->messages[1].kind, dialogs::Kind::Warning);
    // Cancel: no message.
    QTimer::singleShot(0, this, [&] { w.Key_Dialog().Btn_Cancel->Click(); });
    w.ZSG_WirelessDblClickCell(mode7, 1);
    QCOMPARE(script->messages.size(), size_t(2));

    // The plain meter unchecked in its tree; the save ignores the wired settings.
    w.ZSG_WirelessClickCell(plain, 1);
    QVERIFY(tree.setData(tree.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    w.CB_Opt_SND_NKE->setChecked(true);
    w.CB_Opt_App_Reset->setChecked(true);
    w.E_Opt_Cut_After->setText("7");
    w.Btn_SaveConf->Click();
    QCOMPARE(script->messages.back().text, Lang(730));
    const QString xml = QString::fromUtf8(dir->Read("M_Bus.xml"));
    QCOMPARE(xml.count("<Nodo "), 3);
    QCOMPARE(xml.count("Cut_After=\"3\""), 3);
    QCOMPARE(xml.count("Send_SND_NKE=\"0\""), 3);
    QCOMPARE(xml.count("Reset_App=\"0\""), 3);
    QCOMPARE(xml.count("Node_Enable=\"0\""), 1);
  }

  // The dialogs' own checks on OK: a box with the reason and the dialog stays;
  // a good entry closes it with OK.
  void Dialog_Checks() {
    dialogs::Scripted_Scope script;
    TFInsertKeyWireless key;
    key.show();
    QCOMPARE(key.size(), QSize(481, 47));
    QTest::keyClicks(key.E_Key, "0102030405060708090a0b0c0d0e0f1g");
    QCOMPARE(key.E_Key->text(), QStringLiteral("0102030405060708090A0B0C0D0E0F1G"));
    key.Btn_OK->Click();
    QCOMPARE(script->messages.back().text, Lang(903));
    QVERIFY(key.isVisible());
    key.E_Key->clear();
    QTest::keyClicks(key.E_Key, "0102030405060708090A0B0C0D0E0F11F");  // the edit keeps 32
    QCOMPARE(key.E_Key->text().size(), 32);
    key.Btn_OK->Click();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(key.result(), int(mrOk));

    TFScanModbusStart start;
    start.show();
    QCOMPARE(start.size(), QSize(331, 162));
    for (const char* refused : {"0", "65536", "abc"}) {
      start.E_StartModAdd->setText(refused);
      start.Btn_OK->Click();
      QCOMPARE(script->messages.back().text, Lang(806));
      QVERIFY(start.isVisible());
    }
    start.E_StartModAdd->setText("65535");
    start.Btn_OK->Click();
    QCOMPARE(start.result(), int(mrOk));
    QCOMPARE(start.StartModAdd, 65535);

    TFModbusStartAdd_SD per_node;
    per_node.show();
    QCOMPARE(per_node.size(), QSize(511, 336));
    QCOMPARE(per_node.sga->RowCount(), 31);
    per_node.sga->SetRowCount(4);
    per_node.sga->SetCellEx(1, 1, "1");
    per_node.sga->SetCellEx(1, 2, "59999");
    per_node.Btn_OK->Click();
    QCOMPARE(script->messages.back().text, QStringLiteral("Error row 3!! Modbus Start Address cannot be empty"));
    QVERIFY(per_node.isVisible());
    per_node.sga->SetCellEx(1, 3, "2");
    per_node.Btn_OK->Click();
    QCOMPARE(per_node.result(), int(mrOk));
    QCOMPARE(per_node.Starts(), (QStringList{"1", "59999", "2"}));
  }

  void Secondary_Scan() {
    Temp_Dir meters;
    QFile sample(Source_File("tools/gateway-sim/sample-meters.txt"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = sample.readAll().split('\n');
    // The first meter's telegram under the two identification numbers.
    const QByteArray telegram = rows[2].mid(rows[2].indexOf("68"));
    Start_Simulator({"--meters", meters.Write("meters.txt", "1 12345678 " + telegram + "\n2 12399999 " + telegram)});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Run_Wired_Scan(w, 1);
    QCOMPARE(w.State(), 3);
    QCOMPARE(Lines(w.LB_AvailableDevice),
             (QStringList{"Secondary scan started", "ID = 12345678", "ID = 12399999", "Secondary scan ended"}));
    QCOMPARE(w.L_Num_Slave->text(), QStringLiteral("2"));
    QVERIFY(script->messages.empty());
  }

  // A meter answering in the fixed data structure is listed as not readable, without records.
  void Fixed_Data_Structure_Meter() {
    Temp_Dir meters;
    QFile fixed(Source_File("tests/data/mbus-frames/valid/sen_pollusonic_2.hex"));
    QVERIFY(fixed.open(QIODevice::ReadOnly));
    const QByteArray telegram = fixed.readAll().trimmed();
    QFile sample(Source_File("tools/gateway-sim/sample-meters.txt"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray readable = sample.readAll().split('\n')[2];
    Start_Simulator({"--meters", meters.Write("meters.txt", readable + "\n5 90919293 " + telegram + "\n")});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Run_Wired_Scan(w, 0);
    QCOMPARE(w.State(), 3);
    QCOMPARE(w.L_Num_Slave->text(), QStringLiteral("2"));
    Scan_Tree_Model& tree = w.Wired_Tree();
    QCOMPARE(tree.index(0, 0).data().toString(), QStringLiteral("Primary Address = 3 - Secondary Address = 12345678 - "
                                                                "Manufacturer = ACW(1143) - Version = 14 - Type = 22"));
    const QModelIndex fixed_meter = tree.index(1, 0);
    QCOMPARE(fixed_meter.data().toString(),
             QStringLiteral("Primary Address = 5 - Secondary Address = 90919293 - Manufacturer = ???(0) - "
                            "Version = 0 - Type = 0 - not readable (fixed data structure)"));
    QCOMPARE(tree.rowCount(fixed_meter), 0);
    QVERIFY(tree.rowCount(tree.index(0, 0)) > 0);
    // SCAN_WINDOW_PICTURE=<file.png> keeps a picture of the window for a look at it.
    const QString picture = qEnvironmentVariable("SCAN_WINDOW_PICTURE");
    if (!picture.isEmpty()) {
      w.VST->expand(tree.index(0, 0));
      QTest::qWait(200);
      QVERIFY(w.grab().save(picture));
    }
  }

  void Analyzer_Refused() {
    Start_Simulator({"--analyzer-answer", "x"});
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Run_Wired_Scan(w, 0);
    QCOMPARE(w.State(), 1);
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    // Text 729 first, then the engine's reason: what the gateway said instead.
    const QStringList text = script->messages[0].text.split('\n');
    QCOMPARE(text.size(), 2);
    QCOMPARE(text[0], QStringLiteral("Error! Device Analyzer not found"));
    QVERIFY2(text[1].contains(QStringLiteral("\"x\"")), qPrintable(text[1]));
    QVERIFY(!w.T_InScan->isActive());
  }

  // Closing aborts the scan, which still tells the gateway to leave its analyzer
  // mode; then the engine sleeps. Reopened, the window shows its settings.
  void Close_Mid_Scan() {
    const QString log = dir->File("sim.log");
    Start_Simulator({"--meters", Source_File("tools/gateway-sim/sample-meters.txt"), "--verbose"}, log);
    dialogs::Scripted_Scope script;
    TFScanDecode& w = Open(0, sim->Port());
    Loopback(w);
    w.Btn_StartScan->Click();
    QVERIFY(Wait_For([&] { return w.LB_AvailableDevice->count() >= 2; }, 10000));
    w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(!w.T_InScan->isActive());
    QVERIFY(Wait_For([&] { return !w.TR_ScanDecode().InScan(); }, 10000));
    QVERIFY(Wait_For([&] { return !w.TR_ScanDecode().Event_Run().Is_Set(); }, 2000));
    const QByteArray disable = QByteArray("Kelvra_Disable_Analyzer_Mode").toHex(' ').toUpper();
    QVERIFY(Wait_For([&] { return dir->Read("sim.log").contains(disable); }, 2000));
    QVERIFY(script->messages.empty());

    w.show();
    QCOMPARE(w.State(), 1);
    QVERIFY(w.TR_ScanDecode().Event_Run().Is_Set());
    QVERIFY(w.P_Main->isVisible());
  }

  // Wireless reception with each radio module: one row per meter, red with the
  // closed lock for the encrypted ones, green for the plain one; a meter heard
  // again keeps its row.
  void Wireless_Reception_data() {
    QTest::addColumn<QString>("radio");
    QTest::newRow("telit") << "telit";
    QTest::newRow("radiocrafts") << "radiocrafts";
  }

  void Wireless_Reception() {
    QFETCH(QString, radio);
    dialogs::Scripted_Scope script;
    QMap<QString, int> row_of;
    Run_Wireless_Scan(radio, QString(), row_of);
    if (QTest::currentTestFailed()) return;
    TFScanDecode& w = *window;
    TZadIrururOziz& grid = *w.ZSG_Wireless;
    // Heard again, several times over: still one row each.
    {
      std::lock_guard lock(w.TR_ScanDecode().List_Lock());
      QCOMPARE(List_Slave_wMBus.size(), size_t(3));
    }
    QTest::qWait(400);
    QCOMPARE(grid.RowCount(), 4);
    for (int r = 1; r <= 3; ++r) {
      QCOMPARE(grid.GetCellEx(0, r), QString::number(r));
      QCOMPARE(row_of.value(grid.GetCellEx(8, r)), r);
    }
    QCOMPARE(row_of.keys(), (QStringList{"11223344", "12345678", "87654321"}));
    for (const auto& [address, encrypted] :
         std::initializer_list<std::pair<QString, bool>>{{"11223344", false}, {"12345678", true}, {"87654321", true}}) {
      const int r = row_of[address];
      const TColor color = encrypted ? wireless_row::kEncrypted_Color : wireless_row::kClear_Color;
      for (int c = 1; c <= 12; ++c) QCOMPARE(grid.GetCellProperties(c, r)->BrushColor(), color);
      int picture = -1;
      QVERIFY(grid.GetImageIdx(12, r, picture));
      QCOMPARE(picture, encrypted ? 0 : 1);
      QCOMPARE(grid.GetCellEx(7, r), QStringLiteral("ELS(1593)"));
    }

    w.Btn_StopScan->Click();
    QVERIFY(Wait_For([&] { return w.State() != 4; }, 20000));
    QCOMPARE(w.State(), 5);
    QVERIFY(script->messages.empty());
    // New reception: the table starts empty again.
    w.Btn_NewScan->Click();
    w.Btn_StartScan->Click();
    QCOMPARE(w.State(), 4);
    QCOMPARE(grid.RowCount(), 2);
    QVERIFY(grid.GetCellEx(0, 1).isEmpty());
    QCOMPARE(grid.GetCellProperties(3, 1)->BrushColor(), clWhite);
    w.Btn_AbortScan->Click();
    QVERIFY(Wait_For([&] { return w.State() != 4; }, 20000));
  }

  // Language texts: "&&" shows one ampersand, the three lists are refilled and
  // reset; blank title texts give the software code and the window's name.
  void Texts() {
    TFScanDecode& w = Open(1);
    QCOMPARE(w.Title->L_SW_Code->text(), SW_Code);
    QCOMPARE(w.Title->L_SW_Desc->text(), QStringLiteral("Scan & Decode"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Scan & Decode"));
    w.CB_ScanBy->setCurrentIndex(1);
    const QStringList saved = Lang_Table;
    Lang_Table[700] = "Scansione && Decodifica";
    Lang_Table[701] = "CODE";
    Lang_Table[704] = "Primario";
    Lang_Table[709] = "Indirizzo IP && porta";
    w.Set_Lang();
    Lang_Table = saved;
    QCOMPARE(w.windowTitle(), QStringLiteral("Scansione & Decodifica"));
    QCOMPARE(w.Title->L_SW_Code->text(), QStringLiteral("CODE"));
    QCOMPARE(w.L_IP->text(), QStringLiteral("Indirizzo IP & porta"));
    QCOMPARE(w.CB_ScanBy->currentIndex(), 0);
    QCOMPARE(w.CB_ScanBy->itemText(0), QStringLiteral("Primario"));
    QCOMPARE(w.CB_ScanMethod->count(), 2);
    QCOMPARE(w.Btn_StartScan->Caption(), QStringLiteral("Start Scan"));
    QCOMPARE(w.CB_Opt_Check_BCD_to_Int->text(), QStringLiteral("Check BCD to int if Variable is BCD"));
  }

  // "." moves on to the next address edit and is never typed; Escape does not close.
  void Keys() {
    TFScanDecode& w = Open(0);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.E_IP[0]->setFocus();
    w.E_IP[0]->clear();
    QTest::keyClicks(w.E_IP[0], "10.");
    QCOMPARE(w.E_IP[0]->text(), QStringLiteral("10"));
    QVERIFY(w.E_IP[1]->hasFocus());
    w.E_IP[3]->setFocus();
    w.E_IP[3]->clear();
    QTest::keyClicks(w.E_IP[3], "4.");
    QCOMPARE(w.E_IP[3]->text(), QStringLiteral("4"));
    QVERIFY(w.E_IP[3]->hasFocus());
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.isVisible());
  }
};

QTEST_MAIN(ScanDecodeWindowTest)
#include "scan_decode_window_test.moc"
