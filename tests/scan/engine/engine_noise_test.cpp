// The scan against the gateway simulator with a second socket on 127.0.0.1
// that meddles: after each datagram the scan sends, and after the gateway's
// answer to it, the second socket sends a stray datagram (during set-up) or
// telegrams of meters that were not polled (during the search). The scan's
// result must be exactly that of a quiet run; and the simulator itself says
// when it cuts a datagram and refuses negative delays.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <chrono>
#include <thread>

#include "scan/engine/gateway_commands.h"
#include "scan/engine/mbus_scan_decode.h"
#include "scan/engine/udp_server.h"
#include "scan/simulator_process.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

class Fast_Sleeper : public Interruptible_Sleeper {
 public:
  void Sleep(int ms) override { Interruptible_Sleeper::Sleep(ms > 0 ? std::max(1, ms / 50) : 0); }
};

// A datagram socket of its own on 127.0.0.1: another port of the gateway's host.
class Stray_Socket {
 public:
  Stray_Socket() : fd_(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, "127.0.0.1", &local.sin_addr);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) ADD_FAILURE() << "no socket";
  }
  ~Stray_Socket() { close(fd_); }
  void Send(uint16_t port, const QByteArray& bytes) const {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    sendto(fd_, bytes.constData(), size_t(bytes.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
  }

 private:
  int fd_;
};

// A valid RSP_UD telegram of meter `address` with one volume record.
QByteArray Telegram(uint8_t address, uint32_t id_bcd) {
  QByteArray body;
  body.append(char(0x08)).append(char(address)).append(char(0x72));
  for (int i = 0; i < 4; ++i) body.append(char((id_bcd >> (8 * i)) & 0xFF));
  body.append(QByteArray::fromHex("430401070000000004133930000000"));
  uint8_t sum = 0;
  for (char c : body) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
  return QByteArray("\x68") + char(body.size()) + char(body.size()) + '\x68' + body + char(sum) + '\x16';
}

// The real UDP link, with the meddler called after each send.
class Meddled_Link : public Gateway_Link {
 public:
  Udp_Server real;
  std::function<void(const QByteArray&)> after_send;
  void Activate(const QString& peer, uint16_t port) override { real.Activate(peer, port); }
  void Deactivate() override { real.Deactivate(); }
  bool Active() const override { return real.Active(); }
  void Send(const QByteArray& bytes, uint16_t port) override {
    real.Send(bytes, port);
    if (after_send) after_send(bytes);
  }
  void Set_Receiver(Receiver receiver) override { real.Set_Receiver(std::move(receiver)); }
};

struct Outcome {
  int32_t result = -1;
  QString error;
  std::vector<std::array<int32_t, 4>> reports;
  std::vector<std::tuple<int, QString, size_t>> meters;  // primary, secondary, records
  int32_t noise = 0;
};

Outcome Primary_Scan(uint16_t gateway_port, bool meddle) {
  TList_Slave_MBus wired;
  TList_Slave_wMBus wireless;
  auto link = std::make_unique<Meddled_Link>();
  Meddled_Link* meddled = link.get();
  Stray_Socket stray;
  if (meddle) {
    meddled->after_send = [&](const QByteArray& sent) {
      std::this_thread::sleep_for(3ms);  // the gateway's own answer first
      const uint16_t scan_port = meddled->real.Local_Port();
      if (sent.startsWith("Kelvra_")) {
        stray.Send(scan_port, "stray datagram");
      } else if (sent.size() == 5 && (uint8_t(sent[1]) & 0xDF) == 0x5B) {
        const auto polled = uint8_t(sent[2]);
        for (uint8_t other : {uint8_t(polled + 1), uint8_t(polled + 100), uint8_t(0)})
          if (other != polled) stray.Send(scan_port, Telegram(other, 0x99000000u + other));
        stray.Send(scan_port, "NO_SLAVE\n\r");
      }
      std::this_thread::sleep_for(3ms);  // and the stray ones before the scan looks
    };
  }
  Scan_Platform platform;
  platform.udp = std::move(link);
  platform.sleeper = std::make_shared<Fast_Sleeper>();
  platform.gateway_command_port = gateway_port;
  Outcome outcome;
  std::mutex lock;
  TMBusScanDecode engine(wired, wireless, std::move(platform));
  engine.Event_Run().Set();
  EXPECT_TRUE(engine.Start_Scan(saPrimaryAddress, shEthernet, "127.0.0.1", 2400, 1, false, false, 3, false, 0, false,
                                [&](int32_t e, int32_t v, int32_t f, int32_t k) {
                                  std::lock_guard guard(lock);
                                  outcome.reports.push_back({e, v, f, k});
                                }));
  const auto end = std::chrono::steady_clock::now() + 120s;
  while (engine.InScan() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(10ms);
  EXPECT_FALSE(engine.InScan());
  outcome.result = engine.Result();
  outcome.error = engine.Error_Text();
  outcome.noise = engine.Noise_Count();
  std::lock_guard guard(engine.List_Lock());
  for (const auto& meter : wired)
    outcome.meters.emplace_back(meter->Primary_Addresss, meter->Secondary_Addresss, meter->List_Var.size());
  return outcome;
}

QString Corpus_Hex(const char* name) {
  QFile file(QStringLiteral(KELVRA_TESTDATA_DIR "/mbus-frames/valid/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromLatin1(file.readAll()).simplified();
}

TEST(Scan_Noise, Stray_And_Forged_Datagrams_Leave_The_Result_As_It_Was) {
  Temp_Dir dir;
  const QString meters =
      dir.Write("meters.txt", QString("3 11111111 %1\n17 22222222 %2\n")
                                  .arg(Corpus_Hex("ACW_Itron-BM-plus-m.hex"), Corpus_Hex("gmc_emmod206.hex"))
                                  .toLatin1());
  Simulator_Process sim(QStringLiteral(GATEWAY_SIM), {"--meters", meters});
  const Outcome quiet = Primary_Scan(sim.Port(), false);
  ASSERT_EQ(quiet.result, 1) << quiet.error.toStdString();
  ASSERT_EQ(quiet.meters.size(), 2u);

  const Outcome meddled = Primary_Scan(sim.Port(), true);
  EXPECT_EQ(meddled.result, 1) << meddled.error.toStdString();
  EXPECT_EQ(meddled.reports, quiet.reports);
  EXPECT_EQ(meddled.meters, quiet.meters);
  EXPECT_EQ(meddled.noise, 0) << "the port alone keeps the stray ones out";
}

// --- the simulator's own input ---

struct Sim_Run {
  int exit_code = -1;
  QByteArray error;
};

Sim_Run Run_Sim(const QStringList& args) {
  QProcess sim;
  sim.start(QStringLiteral(GATEWAY_SIM), args);
  EXPECT_TRUE(sim.waitForFinished(5000));
  return {sim.exitCode(), sim.readAllStandardError()};
}

TEST(Gateway_Sim, Refuses_Negative_Delays) {
  Temp_Dir dir;
  const QString meters = dir.Write("meters.txt", "3 11111111 delay=-5 68 03 03 68 08 03 72 7D 16\n");
  const Sim_Run option = Run_Sim({"--port", "0", "--delay", "-1"});
  EXPECT_EQ(option.exit_code, 2);
  EXPECT_TRUE(option.error.contains("--delay must not be negative")) << option.error.constData();
  const Sim_Run script = Run_Sim({"--port", "0", "--meters", meters});
  EXPECT_EQ(script.exit_code, 2);
  EXPECT_TRUE(script.error.contains("delay must not be negative")) << script.error.constData();
}

TEST(Gateway_Sim, Says_When_It_Cuts_A_Datagram) {
  QProcess sim;
  sim.start(QStringLiteral(GATEWAY_SIM), {"--port", "0"});
  ASSERT_TRUE(sim.waitForReadyRead(5000));
  const QByteArray first = sim.readLine().trimmed();
  ASSERT_TRUE(first.startsWith("port ")) << first.constData();
  const uint16_t port = uint16_t(first.mid(5).toUInt());
  sim.setReadChannel(QProcess::StandardError);
  Stray_Socket client;
  client.Send(port, QByteArray(9000, 'x'));
  QByteArray error;
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (!error.contains('\n') && std::chrono::steady_clock::now() < end) {
    sim.waitForReadyRead(100);
    error += sim.readAll();
  }
  sim.kill();
  sim.waitForFinished(5000);
  EXPECT_TRUE(error.contains("a datagram of 9000 bytes was cut to its first 8192 bytes")) << error.constData();
}

}  // namespace
