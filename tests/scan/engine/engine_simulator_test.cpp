// The scan engine with its real thread and UDP socket against the gateway simulator,
// started as its own process on 127.0.0.1.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <atomic>
#include <chrono>
#include <thread>

#include "editors/files/m_bus_network_file.h"
#include "scan/engine/gateway_commands.h"
#include "scan/engine/mbus_scan_decode.h"
#include "scan/engine/save_conf_xml.h"
#include "scan/engine/udp_server.h"
#include "scan/simulator_process.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// Protocol pauses shortened fifty-fold, so a full primary scan takes a few seconds.
class Fast_Sleeper : public Interruptible_Sleeper {
 public:
  void Sleep(int ms) override { Interruptible_Sleeper::Sleep(ms > 0 ? std::max(1, ms / 50) : 0); }
};

class Simulator {
 public:
  explicit Simulator(const QString& meters_file, const QStringList& extra = {})
      : process_(QStringLiteral(GATEWAY_SIM),
                 (meters_file.isEmpty() ? QStringList() : QStringList{"--meters", meters_file}) + extra) {}
  uint16_t Port() const { return process_.Port(); }

 private:
  Simulator_Process process_;
};

QString Corpus_Hex(const char* name) {
  QFile file(QStringLiteral(KELVRA_TESTDATA_DIR "/mbus-frames/valid/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromLatin1(file.readAll()).simplified();
}

struct Rig {
  TList_Slave_MBus wired;
  TList_Slave_wMBus wireless;
  std::mutex lock;
  std::vector<std::array<int32_t, 4>> reports;
  std::unique_ptr<TMBusScanDecode> engine;  // last: its thread stops before the rest goes

  explicit Rig(uint16_t port, std::shared_ptr<Sleeper> sleeper = std::make_shared<Fast_Sleeper>()) {
    Scan_Platform platform;
    platform.sleeper = std::move(sleeper);
    platform.gateway_command_port = port;
    engine = std::make_unique<TMBusScanDecode>(wired, wireless, std::move(platform));
    engine->Event_Run().Set();  // the scan window is shown
  }
  TNotify_Slave_List Recorder() {
    return [this](int32_t e, int32_t v, int32_t f, int32_t k) {
      std::lock_guard guard(lock);
      reports.push_back({e, v, f, k});
    };
  }
  bool Wait_Done(std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (engine->InScan() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(10ms);
    return !engine->InScan();
  }
  std::vector<int32_t> Found(int32_t kind) {
    std::lock_guard guard(lock);
    std::vector<int32_t> out;
    for (const auto& r : reports)
      if (r[0] == 2 && r[2] == 1 && r[3] == kind) out.push_back(r[1]);
    return out;
  }
};

TEST(Scan_Simulator, Primary_Scan_Finds_Corpus_Meters_And_Writes_Network) {
  Temp_Dir dir;
  const char* files[] = {"ACW_Itron-BM-plus-m.hex", "EFE_Engelmann-Elster-SensoStar-2.hex", "gmc_emmod206.hex"};
  const int addresses[] = {3, 17, 250};
  QString script = "# three meters of the corpus\n";
  for (int i = 0; i < 3; ++i)
    script += QString("%1 %2 %3\n").arg(addresses[i]).arg(11111111 * (i + 1)).arg(Corpus_Hex(files[i]));
  Simulator sim(dir.Write("meters.txt", script.toLatin1()));
  Rig rig(sim.Port());
  // Without SND_NKE: the gateway's NO_SLAVE does not end the wait for its E5, so every empty
  // address would wait out the real time-out.
  ASSERT_TRUE(rig.engine->Start_Scan(saPrimaryAddress, shEthernet, "127.0.0.1", 2400, 1, false, false, 3, false, 0,
                                     false, rig.Recorder()));
  ASSERT_TRUE(rig.Wait_Done(120s));
  EXPECT_EQ(rig.engine->Result(), 1) << rig.engine->Error_Text().toStdString();
  EXPECT_EQ(rig.Found(1), (std::vector<int32_t>{3, 17, 250}));
  {
    std::lock_guard guard(rig.lock);
    EXPECT_EQ(rig.reports.size(), 1u + 251 + 1);
  }
  ASSERT_EQ(rig.wired.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rig.wired[size_t(i)]->Primary_Addresss, addresses[i]);
    EXPECT_EQ(rig.wired[size_t(i)]->Secondary_Addresss, QString::number(11111111 * (i + 1)));
    EXPECT_FALSE(rig.wired[size_t(i)]->List_Var.empty()) << files[i];
  }

  TSaveConfXML conf;
  conf.XML_Code_Dev = 19;
  conf.SND_NKE = 1;
  conf.Cut_After = 3;
  conf.File_Name = dir.File("M_Bus.xml");
  ASSERT_TRUE(Save_XML_Conf_Wired(rig.wired, conf, false));
  const M_Bus_Network_Load load = Read_M_Bus_Network(conf.File_Name, 6);
  ASSERT_TRUE(load.Complete()) << load.error.toStdString();
  ASSERT_EQ(load.nodes.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(load.nodes[size_t(i)].Node_ID_Primary, addresses[i]);
    EXPECT_EQ(load.nodes[size_t(i)].Var_List.size(), rig.wired[size_t(i)]->List_Var.size());
  }
}

TEST(Scan_Simulator, Secondary_Scan_Finds_Both_Meters) {
  Temp_Dir dir;
  const QString hex = Corpus_Hex("ACW_Itron-BM-plus-m.hex");
  Simulator sim(dir.Write("meters.txt", QString("1 12345678 %1\n2 12399999 %1\n").arg(hex).toLatin1()));
  Rig rig(sim.Port());
  ASSERT_TRUE(rig.engine->Start_Scan(saSecondaryAddress, shEthernet, "127.0.0.1", 9600, 0, true, true, 3, false, 0,
                                     false, rig.Recorder()));
  ASSERT_TRUE(rig.Wait_Done(120s));
  EXPECT_EQ(rig.engine->Result(), 1);
  EXPECT_EQ(rig.Found(2), (std::vector<int32_t>{0x12345678, 0x12399999}));
  ASSERT_EQ(rig.wired.size(), 2u);
}

TEST(Scan_Simulator, Refused_Analyzer_Mode_Fails_The_Scan) {
  Simulator sim(QString(), {"--analyzer-answer", "x"});
  Rig rig(sim.Port());
  ASSERT_TRUE(rig.engine->Start_Scan(saPrimaryAddress, shEthernet, "127.0.0.1", 2400, 1, false, false, 3, false, 0,
                                     false, rig.Recorder()));
  ASSERT_TRUE(rig.Wait_Done(30s));
  EXPECT_EQ(rig.engine->Result(), 2);
  EXPECT_TRUE(rig.reports.empty());
}

TEST(Scan_Simulator, Hidden_Window_Freezes_The_Scan) {
  Simulator sim{QString()};
  Rig rig(sim.Port());
  rig.engine->Event_Run().Reset();
  ASSERT_TRUE(rig.engine->Start_Scan(saPrimaryAddress, shEthernet, "127.0.0.1", 2400, 1, false, false, 3, false, 0,
                                     false, rig.Recorder()));
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(rig.engine->Step_Scan(), 0);
  EXPECT_TRUE(rig.engine->InScan());
  rig.engine->Event_Run().Set();
  std::this_thread::sleep_for(300ms);
  EXPECT_NE(rig.engine->Step_Scan(), 0);
}

TEST(Scan_Simulator, Program_Exit_During_A_Scan_Is_Prompt) {
  Temp_Dir dir;
  // A slow meter at every other answer keeps the engine in long waits and pauses.
  Simulator sim(dir.Write("meters.txt",
                          QString("0 12345678 delay=3000 %1\n").arg(Corpus_Hex("ACW_Itron-BM-plus-m.hex")).toLatin1()));
  auto rig = std::make_unique<Rig>(sim.Port(), std::make_shared<Interruptible_Sleeper>());
  ASSERT_TRUE(rig->engine->Start_Scan(saPrimaryAddress, shEthernet, "127.0.0.1", 2400, 1, false, false, 3, false, 0,
                                      false, rig->Recorder()));
  std::this_thread::sleep_for(700ms);  // inside the 500 ms pause or the wait for meter 0
  EXPECT_TRUE(rig->engine->InScan());
  const auto start = std::chrono::steady_clock::now();
  rig.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

// Asked for, the usage goes to the standard output with success; a wrong
// option still fails with the usage on the error output.
TEST(Scan_Simulator, Help_Prints_The_Usage_Without_An_Error) {
  const struct {
    QStringList args;
    int exit_code;
    bool usage_on_stdout;
  } rows[] = {
      {{"--help"}, 0, true},
      {{"-h"}, 0, true},
      {{"--port", "0", "--help"}, 0, true},
      {{"--no-such-option", "1"}, 2, false},
      {{}, 2, false},
  };
  for (const auto& row : rows) {
    QProcess sim;
    sim.start(QStringLiteral(GATEWAY_SIM), row.args);
    ASSERT_TRUE(sim.waitForFinished(5000)) << row.args.join(' ').toStdString();
    const QByteArray out = sim.readAllStandardOutput();
    const QByteArray err = sim.readAllStandardError();
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), row.exit_code) << row.args.join(' ').toStdString();
    EXPECT_EQ(out.startsWith("usage: gateway-sim --port"), row.usage_on_stdout) << out.toStdString();
    EXPECT_EQ(err.isEmpty(), row.usage_on_stdout) << err.toStdString();
  }
}

// Datagrams that are not the gateway's answers never reach the scan: only the
// gateway's address and the port last sent to count, and only after a send.
TEST(Scan_Udp_Server, Drops_Foreign_And_Oversized_Datagrams) {
  Udp_Server server;
  std::mutex lock;
  std::vector<QByteArray> received;
  server.Set_Receiver([&](const uint8_t* data, size_t length) {
    std::lock_guard guard(lock);
    received.emplace_back(reinterpret_cast<const char*>(data), qsizetype(length));
  });
  server.Activate("127.0.0.1", 0);
  ASSERT_TRUE(server.Active());
  const uint16_t port = server.Local_Port();
  ASSERT_NE(port, 0);

  // A socket on `source`; its port, 0 when it cannot be bound.
  const auto open_socket = [](const char* source, int& sock) -> uint16_t {
    sock = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    inet_pton(AF_INET, source, &from.sin_addr);
    socklen_t length = sizeof from;
    if (bind(sock, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
        getsockname(sock, reinterpret_cast<sockaddr*>(&from), &length) != 0)
      return 0;
    return ntohs(from.sin_port);
  };
  const auto send_from = [&](int sock, const QByteArray& bytes) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    sendto(sock, bytes.constData(), size_t(bytes.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
  };
  int gateway = -1, other_port = -1, other_host = -1;
  const uint16_t gateway_port = open_socket("127.0.0.1", gateway);
  ASSERT_NE(open_socket("127.0.0.1", other_port), 0);
  const bool other_source = open_socket("127.0.0.2", other_host) != 0;
  ASSERT_NE(gateway_port, 0);

  send_from(gateway, "before any send");
  std::this_thread::sleep_for(100ms);  // handled (and dropped) before the send
  server.Send("command", gateway_port);
  send_from(other_host, "from elsewhere");
  send_from(other_port, "another port of the gateway's host");
  send_from(gateway, QByteArray(9000, 'x'));
  send_from(gateway, "answer");
  std::this_thread::sleep_for(200ms);
  {
    std::lock_guard guard(lock);
    ASSERT_EQ(received.size(), 1u) << "other source tried: " << other_source;
    EXPECT_EQ(received[0], "answer");
  }
  for (int sock : {gateway, other_port, other_host}) close(sock);
  server.Deactivate();
  EXPECT_FALSE(server.Active());
  EXPECT_THROW(server.Send("x", 1), Gateway_Link_Error);
  EXPECT_THROW(server.Activate("not an address", 0), Gateway_Link_Error);
}

}  // namespace
