// A whole wireless scan with the engine's real thread and UDP socket against the gateway
// simulator process on 127.0.0.1: Telit set-up, reception of a plain and an encrypted
// meter, the key entered during reception, and the end of the scan.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <atomic>
#include <chrono>
#include <thread>

#include "scan/engine/mbus_scan_decode.h"
#include "scan/simulator_process.h"
#include "scan/wireless/wmbus_test_frames.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// A free local UDP port for the engine's side of the wireless scan.
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

QString Hex_Line(const std::vector<uint8_t>& bytes) {
  QString line;
  for (uint8_t b : bytes) line += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0'));
  return line.trimmed() + QLatin1Char('\n');
}

template <typename Predicate>
bool Wait_For(Predicate ready, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

TEST(Wireless_Scan_Simulator, Plain_And_Encrypted_Meter_Key_Entered_While_Receiving) {
  const auto frames = Load_Wmbus_Frames();
  ASSERT_EQ(frames.size(), 3u);
  // A second meter: the plain frame under the identification number 11223344.
  std::vector<uint8_t> plain = frames.at("plain-7a").datagram;
  plain[4] = 0x44;
  plain[5] = 0x33;
  plain[6] = 0x22;
  plain[7] = 0x11;
  const Wmbus_Test_Frame& encrypted = frames.at("ell-mode5");

  Temp_Dir dir;
  const QString script = dir.Path() + QStringLiteral("/frames.txt");
  {
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("# plain meter, then the mode-5 meter\n" + Hex_Line(plain) + Hex_Line(encrypted.datagram)).toLatin1());
  }
  Simulator_Process simulator(QStringLiteral(GATEWAY_SIM), {QStringLiteral("--wmbus-frames"), script,
                                                            QStringLiteral("--frame-interval"), QStringLiteral("30")});

  TList_Slave_MBus wired;
  TList_Slave_wMBus wireless;
  std::atomic<int> reports{0};
  std::atomic<bool> null_meter{false};
  Scan_Platform platform;
  platform.gateway_wireless_port = simulator.Port();
  auto engine = std::make_unique<TMBusScanDecode>(wired, wireless, std::move(platform));
  engine->Event_Run().Set();
  const auto meter_state = [&](int32_t address, bool& found, bool& cripted, size_t& records) {
    std::lock_guard lock(engine->List_Lock());
    found = false;
    for (const auto& m : wireless) {
      if (m->ALA_Address != address) continue;
      found = true;
      cripted = m->Cripted;
      records = m->List_Var.size();
    }
  };

  ASSERT_TRUE(engine->Start_Scan_Wireless(
      shEthernet, QStringLiteral("127.0.0.1"), Free_Udp_Port(), 5, 0, false,
      [&](int32_t, TSlave_wMBus* slave) {
        if (slave == nullptr) null_meter = true;
        ++reports;
      },
      false));

  // Both meters heard: the plain one readable, the encrypted one not.
  ASSERT_TRUE(Wait_For(
      [&] {
        std::lock_guard lock(engine->List_Lock());
        return wireless.size() == 2;
      },
      10s))
      << "step " << engine->Step_Scan() << ", result " << engine->Result() << " " << engine->Error_Text().toStdString();
  bool found = false, cripted = false;
  size_t records = 0;
  meter_state(0x11223344, found, cripted, records);
  EXPECT_TRUE(found);
  EXPECT_FALSE(cripted);
  EXPECT_GT(records, 0u);
  meter_state(0x12345678, found, cripted, records);
  EXPECT_TRUE(found);
  EXPECT_TRUE(cripted);
  EXPECT_EQ(records, 0u);

  int index = -1;
  {
    std::lock_guard lock(engine->List_Lock());
    for (size_t i = 0; i < wireless.size(); ++i)
      if (wireless[i]->ALA_Address == 0x12345678) index = static_cast<int>(i);
  }
  ASSERT_TRUE(engine->Insert_Wireless_Key(index, *encrypted.key));

  // The registration runs through the module and reception resumes; the meter reads.
  ASSERT_TRUE(Wait_For(
      [&] {
        bool f = false, c = true;
        size_t r = 0;
        meter_state(0x12345678, f, c, r);
        return f && !c && r > 0 && engine->Step_Scan() == Wireless_Scan_Machine::kTelit_Receive;
      },
      15s))
      << "step " << engine->Step_Scan() << ", result " << engine->Result() << " " << engine->Error_Text().toStdString();
  {
    std::lock_guard lock(engine->List_Lock());
    ASSERT_EQ(wireless.size(), 2u);
    EXPECT_EQ(wireless[static_cast<size_t>(index)]->ALA_Address, 0x12345678) << "same list position";
  }

  engine->Stop_Scan();
  ASSERT_TRUE(Wait_For([&] { return !engine->InScan(); }, 10s));
  EXPECT_EQ(engine->Result(), 1);
  EXPECT_GT(reports.load(), 2);
  EXPECT_FALSE(null_meter.load());
  std::lock_guard lock(engine->List_Lock());
  EXPECT_EQ(wireless.size(), 2u);
}

}  // namespace
