// The wired scan's state machine on a scripted gateway, a moved clock and a sleeper
// that only counts: whole scans run in milliseconds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>

#include "mbus_line.h"
#include "outputs/serial/comm_error.h"
#include "scan/engine/engine_fakes.h"
#include "scan/engine/gateway_commands.h"
#include "scan/engine/mbus_frames.h"

namespace {

using Report = Engine_Rig::Report;

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// Volume record, 32-bit integer, 12345 m3 * 10^-3 ... enough for the decoder.
const QByteArray kVolume_Record = Hex("04 13 39 30 00 00");

TEST(Scan_Engine, Start_Scan_Refused_While_Running) {
  Engine_Rig rig;
  ASSERT_TRUE(rig.Start(saPrimaryAddress));
  EXPECT_TRUE(rig.engine->InScan());
  EXPECT_EQ(rig.link->activations, 1);
  EXPECT_FALSE(rig.engine->Start_Scan(saSecondaryAddress, shEthernet, "127.0.0.2", 9600, 0, true, true, 1, false, 0,
                                      true, nullptr));
  EXPECT_EQ(rig.link->activations, 1);
  EXPECT_EQ(rig.link->peer, "127.0.0.1");
  rig.engine->Run_Step();  // still the first scan: primary, with its callback
  EXPECT_EQ(rig.link->sent.front(), Bytes(gateway::kEnable_Analyzer_Mode));
}

TEST(Scan_Engine, Link_Error_At_Start_Reaches_Caller) {
  Engine_Rig rig;
  EXPECT_THROW(
      rig.engine->Start_Scan(saPrimaryAddress, shEthernet, "fail", 2400, 1, false, false, 3, false, 0, false, nullptr),
      Gateway_Link_Error);
  EXPECT_FALSE(rig.engine->InScan());
  EXPECT_EQ(rig.engine->Result(), -1);
}

TEST(Scan_Engine, Primary_Scan_Without_Meters) {
  Engine_Rig rig;
  rig.link->respond = Gateway_Answers(nullptr);  // the line stays silent: every frame times out
  ASSERT_TRUE(rig.Start(saPrimaryAddress));
  rig.Run();
  EXPECT_FALSE(rig.engine->InScan());
  EXPECT_EQ(rig.engine->Result(), 1);

  const auto& sent = rig.link->sent;
  ASSERT_EQ(sent.size(), 2u + 1 + 251 + 1);
  EXPECT_EQ(sent[0], Bytes(gateway::kEnable_Analyzer_Mode));
  EXPECT_EQ(sent[1], Hex("4b 65 6c 76 72 61 5f 53 5f 4d 3a 00 00 09 60 2c 02"));  // 2400 baud, even
  EXPECT_EQ(sent[2], Hex("10 40 FF 3F 16"));
  for (int a = 0; a <= 250; ++a) EXPECT_EQ(sent[3 + a], mbus_frame::REQ_UD2(0x7B, uint8_t(a))) << a;
  EXPECT_EQ(sent.back(), Bytes(gateway::kDisable_Analyzer_Mode));
  for (uint16_t port : rig.link->ports) EXPECT_EQ(port, 10000);

  ASSERT_EQ(rig.reports.size(), 1u + 251 + 1);
  EXPECT_EQ(rig.reports.front(), (Report{1, 0, 0, 1}));
  for (int a = 0; a <= 250; ++a) EXPECT_EQ(rig.reports[1 + a], (Report{2, a, 0, 1}));
  EXPECT_EQ(rig.reports.back(), (Report{3, 0, 0, 1}));
  EXPECT_FALSE(rig.link->active);
  EXPECT_TRUE(rig.wired.empty());
  EXPECT_EQ(rig.sleeper->total_ms % 500, 0);  // pauses before SND_NKE and each REQ_UD2
}

TEST(Scan_Engine, Meter_With_More_Telegrams_Is_Read_Up_To_Cut_After) {
  struct Row {
    int32_t cut_after;
    bool fixed_c;
    uint8_t fixed_value;
    std::vector<uint8_t> c_fields;
  };
  const Row rows[] = {
      {3, false, 0, {0x7B, 0x5B, 0x7B}}, {0, false, 0, {0x7B}},      {1, false, 0, {0x7B}},
      {2, true, 0, {0x5B, 0x5B}},        {2, true, 1, {0x7B, 0x7B}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.cut_after);
    Engine_Rig rig;
    // Meter 7 always announces more telegrams (DIF 1F).
    const QByteArray telegram = Long_Frame(7, "12345678", kVolume_Record + Hex("1F"));
    rig.link->respond = Gateway_Answers([&](const QByteArray& frame) -> std::optional<QByteArray> {
      if (frame.size() == 5 && uint8_t(frame[2]) == 7 && (uint8_t(frame[1]) & 0xDF) == 0x5B) return telegram;
      return Bytes(gateway::kNo_Slave);
    });
    ASSERT_TRUE(rig.Start(saPrimaryAddress, row.cut_after, false, false, row.fixed_c, row.fixed_value));
    rig.Run();
    std::vector<uint8_t> c_fields;
    for (const auto& f : rig.Sent_Frames())
      if (f.size() == 5 && uint8_t(f[2]) == 7 && f[1] != 0x40) c_fields.push_back(uint8_t(f[1]));
    EXPECT_EQ(c_fields, row.c_fields);
    ASSERT_EQ(rig.wired.size(), 1u);
    EXPECT_EQ(rig.wired[0]->Primary_Addresss, 7);
    EXPECT_EQ(rig.wired[0]->List_Var.size(), row.c_fields.size());
    const auto found = std::count(rig.reports.begin(), rig.reports.end(), Report{2, 7, 1, 1});
    EXPECT_EQ(found, 1);
  }
}

TEST(Scan_Engine, Reset_And_SND_NKE_Before_Each_Meter) {
  Engine_Rig rig;
  rig.link->respond = Gateway_Answers([](const QByteArray&) { return QByteArray("\xE5"); });
  ASSERT_TRUE(rig.Start(saPrimaryAddress, 3, true, true, true, 0));
  rig.Run();
  const auto frames = rig.Sent_Frames();
  // SND_NKE 255, then per address: application reset (C 53), SND_NKE, REQ_UD2 (C 5B).
  ASSERT_EQ(frames.size(), 1u + 251 * 3);
  EXPECT_EQ(frames[1], Hex("68 03 03 68 53 00 50 A3 16"));
  EXPECT_EQ(frames[2], Hex("10 40 00 40 16"));
  EXPECT_EQ(frames[3], Hex("10 5B 00 5B 16"));
  EXPECT_EQ(frames[4], Hex("68 03 03 68 53 01 50 A4 16"));
}

// A telegram is taken only from the meter polled: meter 0's answer that comes
// after the REQ_UD2 to address 1 is noise, not meter 1.
TEST(Scan_Engine, Late_Answer_Of_Another_Meter_Is_Noise) {
  Engine_Rig rig;
  rig.link->respond = Gateway_Answers(nullptr);
  ASSERT_TRUE(rig.Start(saPrimaryAddress, 1));
  // Run until the REQ_UD2 to address 1 has gone out (address 0 timed out).
  while (rig.engine->InScan() && !(!rig.link->sent.empty() && rig.link->sent.back() == mbus_frame::REQ_UD2(0x7B, 1) &&
                                   rig.engine->Step_Scan() == 10))
    rig.engine->Run_Step();
  // Meter 0's answer arrives only now.
  const QByteArray late = Long_Frame(0, "00000042", kVolume_Record);
  rig.engine->UDP_Read(reinterpret_cast<const uint8_t*>(late.constData()), late.size());
  rig.Run();
  EXPECT_EQ(rig.engine->Noise_Count(), 1);
  EXPECT_TRUE(rig.wired.empty());
  EXPECT_EQ(rig.reports[2], (Report{2, 1, 0, 1}));
}

// Forged telegrams of meters that were not polled, arriving before or after the
// real answer, leave the result exactly as a quiet line gives it.
TEST(Scan_Engine, Forged_Answers_For_Unpolled_Addresses_Change_Nothing) {
  const QByteArray meter_7 = Long_Frame(7, "12345678", kVolume_Record);
  const auto real_line = [&](const QByteArray& frame) -> std::optional<QByteArray> {
    if (frame.size() == 5 && uint8_t(frame[2]) == 7 && (uint8_t(frame[1]) & 0xDF) == 0x5B) return meter_7;
    return std::nullopt;
  };
  Engine_Rig quiet;
  quiet.link->respond = Gateway_Answers(real_line);
  ASSERT_TRUE(quiet.Start(saPrimaryAddress, 3));
  quiet.Run();

  for (bool forged_first : {true, false}) {
    SCOPED_TRACE(forged_first ? "forged before the real answer" : "forged after the real answer");
    Engine_Rig rig;
    TMBusScanDecode* engine = rig.engine.get();
    const auto deliver = [engine](const QByteArray& bytes) {
      engine->UDP_Read(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    };
    rig.link->respond = Gateway_Answers([&](const QByteArray& frame) -> std::optional<QByteArray> {
      if (frame.size() != 5 || (uint8_t(frame[1]) & 0xDF) != 0x5B) return std::nullopt;
      const uint8_t polled = uint8_t(frame[2]);
      // Three meters that do not exist, one of them claiming meter 7's identity.
      const QByteArray forged[] = {Long_Frame(uint8_t(polled + 1), "99999999", kVolume_Record),
                                   Long_Frame(uint8_t(polled ^ 0x40), "12345678", kVolume_Record),
                                   Long_Frame(0xFD, "00000001", kVolume_Record)};
      const std::optional<QByteArray> real = real_line(frame);
      if (!forged_first && real) deliver(*real);
      for (const QByteArray& f : forged) deliver(f);
      return forged_first ? real : std::nullopt;
    });
    ASSERT_TRUE(rig.Start(saPrimaryAddress, 3));
    rig.Run();
    EXPECT_EQ(rig.engine->Result(), 1);
    EXPECT_EQ(rig.reports, quiet.reports);
    ASSERT_EQ(rig.wired.size(), 1u);
    EXPECT_EQ(rig.wired[0]->Primary_Addresss, 7);
    EXPECT_EQ(rig.wired[0]->Secondary_Addresss, "12345678");
    EXPECT_EQ(rig.wired[0]->List_Var.size(), quiet.wired[0]->List_Var.size());
    EXPECT_EQ(rig.engine->Noise_Count(), 251 * 3);
  }
}

// The meter selected by its secondary address answers with an identification that
// matches the pattern; a telegram with any other is noise.
TEST(Scan_Engine, Selected_Meter_Answer_Must_Match_The_Pattern) {
  const QByteArray meter = Long_Frame(0, "12345678", kVolume_Record);
  const QByteArray stranger = Long_Frame(0, "87654321", kVolume_Record);
  Engine_Rig rig;
  TMBusScanDecode* engine = rig.engine.get();
  gateway_sim::MBus_Line line({gateway_sim::Scripted_Meter{0, "12345678", 0, {{meter.begin(), meter.end()}}}});
  rig.link->respond = Gateway_Answers([&](const QByteArray& frame) -> std::optional<QByteArray> {
    const auto answer = line.Handle_Frame(frame.toStdString());
    if (frame.size() == 5 && uint8_t(frame[2]) == 253 && (uint8_t(frame[1]) & 0xDF) == 0x5B)
      engine->UDP_Read(reinterpret_cast<const uint8_t*>(stranger.constData()), size_t(stranger.size()));
    if (answer.bytes.empty()) return std::nullopt;
    return QByteArray(answer.bytes.data(), qsizetype(answer.bytes.size()));
  });
  ASSERT_TRUE(rig.Start(saSecondaryAddress, 3));
  rig.Run();
  ASSERT_EQ(rig.wired.size(), 1u);
  EXPECT_EQ(rig.wired[0]->Secondary_Addresss, "12345678");
  EXPECT_GE(rig.engine->Noise_Count(), 1);
  EXPECT_NE(std::find(rig.reports.begin(), rig.reports.end(), Report{2, 0x12345678, 1, 2}), rig.reports.end());
}

// A scan that fails at the gateway's set-up always says why.
TEST(Scan_Engine, Failed_Set_Up_Says_Why) {
  const struct {
    const char* name;
    std::function<std::optional<QByteArray>(const QByteArray&)> gateway;
    const char* text;
  } rows[] = {
      {"silent", nullptr, "did not answer the analyzer mode command within 1000 ms"},
      {"refused", [](const QByteArray&) { return std::optional<QByteArray>("\n\rBusy\x01"); },
       "answered \"\\x0a\\x0dBusy\\x01\" to the analyzer mode command"},
      {"line refused",
       [](const QByteArray& in) -> std::optional<QByteArray> {
         if (in.startsWith("Kelvra_Enable")) return Bytes(gateway::kAnalyzer_Mode_Enabled);
         return QByteArray("no");
       },
       "answered \"no\" to the M-Bus line command"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Engine_Rig rig;
    rig.link->respond = row.gateway;
    ASSERT_TRUE(rig.Start(saPrimaryAddress));
    rig.Run();
    EXPECT_EQ(rig.engine->Result(), 2);
    EXPECT_TRUE(rig.engine->Error_Text().contains(QLatin1String(row.text))) << rig.engine->Error_Text().toStdString();
  }
}

TEST(Scan_Engine, Time_Out_Rule) {
  Engine_Rig rig;
  rig.clock->auto_step = 0;
  rig.link->respond = nullptr;
  rig.clock->now = 0xFFFFF000u;
  ASSERT_TRUE(rig.Start(saPrimaryAddress));
  rig.engine->Run_Step();  // sends the analyzer command at 0xFFFFF000, waits 1000 ms
  EXPECT_FALSE(rig.engine->TimeOut_Expired());
  rig.clock->now = 0xFFFFF000u + 200;  // 200 ms later, the counter has not wrapped
  EXPECT_FALSE(rig.engine->TimeOut_Expired());
  rig.clock->now = 0xFFFFF000u + 1000;
  EXPECT_FALSE(rig.engine->TimeOut_Expired());  // "more than" the time-out
  rig.clock->now = 0xFFFFF000u + 1001;
  EXPECT_TRUE(rig.engine->TimeOut_Expired());
  rig.engine->Run_Step();
  EXPECT_EQ(rig.engine->Result(), 2);

  // Sent 256 ms before the counter wraps: 261 ms later the counter reads 5 and the step times out at once.
  Engine_Rig wrap;
  wrap.clock->auto_step = 0;
  wrap.clock->now = 0xFFFFFF00u;
  ASSERT_TRUE(wrap.Start(saPrimaryAddress));
  wrap.engine->Run_Step();
  wrap.clock->now = 5;
  EXPECT_TRUE(wrap.engine->TimeOut_Expired());
  wrap.engine->Run_Step();
  EXPECT_EQ(wrap.engine->Result(), 2);
}

TEST(Scan_Engine, Gateway_Refusing_Analyzer_Mode) {
  Engine_Rig rig;
  rig.link->respond = [](const QByteArray&) { return QByteArray("x"); };
  ASSERT_TRUE(rig.Start(saSecondaryAddress));
  rig.Run();
  EXPECT_FALSE(rig.engine->InScan());
  EXPECT_EQ(rig.engine->Result(), 2);
  const auto disables =
      std::count(rig.link->sent.begin(), rig.link->sent.end(), Bytes(gateway::kDisable_Analyzer_Mode));
  EXPECT_EQ(disables, 3);
  EXPECT_EQ(rig.link->sent.size(), 4u);
  EXPECT_TRUE(rig.reports.empty());
}

TEST(Scan_Engine, Gateway_Refusing_Line_Settings_Or_Silent) {
  Engine_Rig refused;
  refused.link->respond = [](const QByteArray& in) -> std::optional<QByteArray> {
    if (in == Bytes(gateway::kEnable_Analyzer_Mode)) return Bytes(gateway::kAnalyzer_Mode_Enabled);
    if (in == Bytes(gateway::kDisable_Analyzer_Mode)) return Bytes(gateway::kAnalyzer_Mode_Disabled);
    return QByteArray("\n\rFail");
  };
  ASSERT_TRUE(refused.Start(saPrimaryAddress));
  refused.Run();
  EXPECT_EQ(refused.engine->Result(), 2);
  EXPECT_EQ(refused.link->sent.size(), 3u);  // enable, line, one confirmed disable

  Engine_Rig silent;
  ASSERT_TRUE(silent.Start(saPrimaryAddress));
  silent.Run();
  EXPECT_EQ(silent.engine->Result(), 2);
  EXPECT_EQ(silent.link->sent.size(), 4u);  // enable and three unanswered disables
}

TEST(Scan_Engine, Secondary_Scan_Resolves_Collisions) {
  std::string error;
  auto meters = gateway_sim::Parse_Meters(
      "3 12345678 " + Long_Frame(3, "12345678", kVolume_Record).toHex(' ').toStdString() + "\n" + "4 12399999 " +
          Long_Frame(4, "12399999", kVolume_Record).toHex(' ').toStdString() + "\n",
      error);
  ASSERT_TRUE(meters) << error;
  gateway_sim::MBus_Line line(std::move(*meters));
  Engine_Rig rig;
  std::vector<QString> collisions;
  rig.link->respond = Gateway_Answers([&](const QByteArray& frame) -> std::optional<QByteArray> {
    const auto answer = line.Handle_Frame(frame.toStdString());
    if (answer.bytes.empty()) return Bytes(gateway::kNo_Slave);
    const QByteArray bytes(answer.bytes.data(), static_cast<qsizetype>(answer.bytes.size()));
    if (bytes == QByteArray::fromStdString(gateway_sim::MBus_Line::Collision_Bytes()) && frame.size() == 17) {
      // Identification digits of the select, most significant first, wildcards dropped.
      QString pattern;
      for (int i = 10; i >= 7; --i) pattern += QString("%1").arg(uint8_t(frame[i]), 2, 16, QChar('0'));
      collisions.push_back(pattern.remove('f'));
    }
    return bytes;
  });
  ASSERT_TRUE(rig.Start(saSecondaryAddress, 3, false, true));
  rig.Run();
  EXPECT_EQ(rig.engine->Result(), 1);
  EXPECT_EQ(collisions, (std::vector<QString>{"1", "12", "123"}));
  ASSERT_EQ(rig.wired.size(), 2u);
  EXPECT_EQ(rig.wired[0]->Secondary_Addresss, "12345678");
  EXPECT_EQ(rig.wired[1]->Secondary_Addresss, "12399999");
  const std::vector<Report> results = [&] {
    std::vector<Report> out;
    for (const auto& r : rig.reports)
      if (r.event == 2) out.push_back(r);
    return out;
  }();
  EXPECT_EQ(results, (std::vector<Report>{{2, 0x12345678, 1, 2}, {2, 0x12399999, 1, 2}}));
  EXPECT_EQ(rig.reports.front(), (Report{1, 0, 0, 2}));
  EXPECT_EQ(rig.reports.back(), (Report{3, 0, 0, 2}));
  const auto frames = rig.Sent_Frames();
  EXPECT_EQ(frames[0], mbus_frame::SND_NKE(253));
  EXPECT_EQ(frames[1], mbus_frame::SND_NKE(255));
  const auto reads = std::count(frames.begin(), frames.end(), mbus_frame::REQ_UD2(0x7B, 253));
  EXPECT_EQ(reads, 2);
}

TEST(Scan_Engine, Stop_And_Abort) {
  {
    Engine_Rig rig;
    rig.link->respond = Gateway_Answers(nullptr);
    ASSERT_TRUE(rig.Start(saPrimaryAddress));
    for (int i = 0; i < 20; ++i) rig.engine->Run_Step();
    rig.engine->Stop_Scan();
    rig.Run();
    EXPECT_EQ(rig.reports.back(), (Report{3, 0, 0, 1}));  // a stopped primary scan still reports its end
    EXPECT_EQ(rig.engine->Result(), 1);
  }
  {
    Engine_Rig rig;
    rig.link->respond = Gateway_Answers(nullptr);
    ASSERT_TRUE(rig.Start(saSecondaryAddress));
    for (int i = 0; i < 20; ++i) rig.engine->Run_Step();
    rig.engine->Stop_Scan();
    rig.Run();
    EXPECT_NE(rig.reports.back().event, 3);
  }
  {
    Engine_Rig rig;
    rig.link->respond = Gateway_Answers(nullptr);
    ASSERT_TRUE(rig.Start(saPrimaryAddress));
    for (int i = 0; i < 20; ++i) rig.engine->Run_Step();
    rig.engine->Abort_Scan();
    const int steps = rig.Run();
    EXPECT_LE(steps, 4);
    EXPECT_NE(rig.reports.back().event, 3);
    EXPECT_FALSE(rig.engine->AbortScan());
    EXPECT_EQ(rig.link->sent.back(), Bytes(gateway::kDisable_Analyzer_Mode));
  }
}

TEST(Scan_Engine, Socket_Error_Ends_The_Scan_As_Failure) {
  Engine_Rig rig;
  rig.link->respond = Gateway_Answers(nullptr);
  rig.link->before_send = [](const QByteArray& bytes) {
    if (bytes == mbus_frame::REQ_UD2(0x7B, 3))
      throw Gateway_Link_Error("Cannot send to 127.0.0.1:10000: Network is unreachable");
  };
  ASSERT_TRUE(rig.Start(saPrimaryAddress));
  rig.Run();
  EXPECT_FALSE(rig.engine->InScan());
  EXPECT_EQ(rig.engine->Result(), 2);
  EXPECT_EQ(rig.engine->Error_Text(), "Cannot send to 127.0.0.1:10000: Network is unreachable");
  EXPECT_FALSE(rig.link->active);
  // A new scan can start afterwards.
  rig.link->before_send = nullptr;
  EXPECT_TRUE(rig.Start(saPrimaryAddress));
  EXPECT_TRUE(rig.engine->Error_Text().isEmpty());
}

TEST(Scan_Engine, Garbage_Answers_Never_Crash_Or_Hang) {
  std::mt19937 random(1234);
  const QByteArray good = Long_Frame(9, "11223344", kVolume_Record + Hex("1F"));
  for (int round = 0; round < 3; ++round) {
    Engine_Rig rig;
    rig.link->respond = Gateway_Answers([&](const QByteArray& frame) -> std::optional<QByteArray> {
      if (frame.size() == 17) {
        // Selects: noise (a collision) must stay rare, or the search tree has 10^8 leaves.
        switch (random() % 20) {
          case 0:
            return std::nullopt;
          case 1:
            return QByteArray("\xE5");
          case 2:
            return QByteArray("\x01\x02");
          default:
            return QByteArray("NO_SLAVE\n\r");
        }
      }
      switch (random() % 6) {
        case 0:
          return std::nullopt;
        case 1:
          return QByteArray("\xE5");
        case 2: {
          QByteArray spoiled = good;  // a valid frame with some byte changed
          spoiled[int(random() % spoiled.size())] = char(random());
          return spoiled;
        }
        case 3:
          return good.left(int(random() % good.size()));
        case 4:
          return QByteArray(3000, 'Z');  // longer than any answer: dropped
        default: {
          QByteArray noise(int(random() % 300), '\0');
          for (auto& c : noise) c = char(random());
          return noise;
        }
      }
    });
    ASSERT_TRUE(rig.Start(round == 1 ? saSecondaryAddress : saPrimaryAddress, 250));
    const int steps = rig.Run(200000);
    EXPECT_FALSE(rig.engine->InScan()) << "still scanning after " << steps << " steps";
    EXPECT_EQ(rig.engine->Result(), 1);
    EXPECT_GT(rig.link->sent.size(), round == 1 ? 20u : 251u);  // the search really ran through the noise
  }
}

// Over a serial port the engine sends the frames without the gateway's commands and,
// receiving nothing, lets every step run into its time-out.
TEST(Scan_Engine, Serial_Scan_Sends_Frames_To_The_Port) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  fcntl(master, F_SETFL, O_NONBLOCK);
  const QString device = QString::fromLocal8Bit(ptsname(master));
  // Holding the terminal side open ourselves keeps the engine's close from
  // being the last one, which would hang the line up and drop what it wrote.
  const int terminal_hold = open(ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal_hold, 0);

  TList_Slave_MBus wired;
  TList_Slave_wMBus wireless;
  auto clock = std::make_shared<Fake_Clock>();
  clock->auto_step = 500;
  Scan_Platform platform;
  platform.udp = std::make_unique<Scripted_Link>();
  platform.clock = clock;
  platform.sleeper = std::make_shared<Counting_Sleeper>();
  platform.start_thread = false;
  TMBusScanDecode engine(wired, wireless, std::move(platform));
  ASSERT_TRUE(
      engine.Start_Scan(saPrimaryAddress, shSerial, device, 2400, 1, false, false, 3, false, 0, false, nullptr));
  QByteArray written;
  // The terminal hands bytes over to its other side asynchronously: collect
  // them after every step, while the port is still open.
  const auto collect = [&] {
    char buffer[256];
    for (pollfd ready{master, POLLIN, 0}; poll(&ready, 1, 50) > 0;) {
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n <= 0) break;
      written.append(buffer, n);
    }
  };
  for (int i = 0; i < 12; ++i) {
    engine.Run_Step();
    collect();
  }
  engine.Abort_Scan();
  for (int i = 0; i < 5 && engine.InScan(); ++i) engine.Run_Step();
  collect();
  EXPECT_FALSE(engine.InScan());
  EXPECT_EQ(engine.Result(), 1);

  EXPECT_TRUE(written.startsWith(Hex("10 40 FF 3F 16 10 7B 00 7B 16 10 7B 01 7C 16")))
      << written.toHex(' ').toStdString();
  EXPECT_FALSE(written.contains("Kelvra_"));
  close(terminal_hold);
  close(master);

  // A device that is not there: the port's error reaches the caller and no scan runs.
  EXPECT_THROW(engine.Start_Scan(saPrimaryAddress, shSerial, "/nonexistent/tty", 2400, 1, false, false, 3, false, 0,
                                 false, nullptr),
               ECommError);
  EXPECT_FALSE(engine.InScan());
}

// The meter's first telegram announces more, then the meter falls silent: it was read, so it is found.
TEST(Scan_Engine, Meter_Silent_After_First_Telegram_Is_Still_Found) {
  Engine_Rig rig;
  const QByteArray telegram = Long_Frame(4, "44444444", Hex("04 13 01 00 00 00 1F"));
  int asked = 0;
  rig.link->respond = Gateway_Answers([&](const QByteArray& frame) -> std::optional<QByteArray> {
    if (frame.size() == 5 && uint8_t(frame[2]) == 4 && frame[1] != 0x40 && asked++ == 0) return telegram;
    return std::nullopt;
  });
  ASSERT_TRUE(rig.Start(saPrimaryAddress, 3));
  rig.Run();
  EXPECT_EQ(asked, 2);
  const auto about_4 = std::count_if(rig.reports.begin(), rig.reports.end(),
                                     [](const Engine_Rig::Report& r) { return r.event == 2 && r.value == 4; });
  EXPECT_EQ(about_4, 1);
  EXPECT_NE(std::find(rig.reports.begin(), rig.reports.end(), Engine_Rig::Report{2, 4, 1, 1}), rig.reports.end());
  ASSERT_EQ(rig.wired.size(), 1u);
  EXPECT_EQ(rig.wired[0]->List_Var.size(), 1u);
}

// Closing the window clears InScan mid-scan without the end sequence; the next scan
// must still open its link.
TEST(Scan_Engine, Scan_Cut_Off_By_The_Window_Can_Be_Restarted) {
  Engine_Rig rig;
  rig.link->respond = Gateway_Answers(nullptr);
  ASSERT_TRUE(rig.Start(saPrimaryAddress));
  for (int i = 0; i < 10; ++i) rig.engine->Run_Step();
  rig.engine->Set_AbortScan(true);
  rig.engine->Set_InScan(false);
  rig.engine->Run_Step();  // no step runs any more
  EXPECT_TRUE(rig.engine->AbortScan());
  ASSERT_TRUE(rig.Start(saSecondaryAddress));
  EXPECT_EQ(rig.link->activations, 2);
  EXPECT_FALSE(rig.engine->AbortScan());
  rig.Run();
  EXPECT_EQ(rig.engine->Result(), 1);
}

// The wireless machine runs on the engine: set-up to reception, frames from the receive
// path reach the frame decoder, a key is registered, and a stop leaves configuration mode.
TEST(Scan_Engine, Wireless_Scan_Receives_Frames) {
  Engine_Rig rig;
  rig.link->respond = [](const QByteArray& in) -> std::optional<QByteArray> {
    if (in == Bytes(gateway::kEnable_Configuration_Mode)) return Bytes(gateway::kConfiguration_Mode_Enabled);
    if (in == Bytes(gateway::kType_Radio_Module)) return Bytes(gateway::kRadio_Telit);
    if (in == Bytes(gateway::kDisable_Configuration_Mode)) return Bytes(gateway::kConfiguration_Mode_Disabled);
    return QByteArray("OK\r");
  };
  std::vector<int32_t> heard;
  ASSERT_TRUE(rig.engine->Start_Scan_Wireless(
      shEthernet, "127.0.0.1", 502, 5, 0, false, [&](int32_t index, TSlave_wMBus*) { heard.push_back(index); }, false));
  EXPECT_FALSE(rig.Start(saPrimaryAddress));  // one scan at a time, of either kind
  for (int i = 0; i < 200 && rig.engine->Step_Scan() != Wireless_Scan_Machine::kTelit_Receive; ++i)
    rig.engine->Run_Step();
  ASSERT_EQ(rig.engine->Step_Scan(), Wireless_Scan_Machine::kTelit_Receive);
  for (uint16_t port : rig.link->ports) EXPECT_EQ(port, 502);

  const QByteArray frame =
      Hex("1F 44 93 15 78 56 34 12 33 03 7A 2A 00 00 00 0C 14 27 04 85 02 04 6D 32 37 1F 15 02 FD 17 00 00 00 50");
  rig.engine->UDP_Read(reinterpret_cast<const uint8_t*>(frame.constData()), size_t(frame.size()));
  rig.engine->UDP_Read(reinterpret_cast<const uint8_t*>(frame.constData()), size_t(frame.size() - 1));  // bad length
  EXPECT_EQ(heard, (std::vector<int32_t>{0}));
  {
    std::lock_guard lock(rig.engine->List_Lock());
    ASSERT_EQ(rig.wireless.size(), 1u);
    EXPECT_EQ(rig.wireless[0]->ALA_Address, 0x12345678);
  }
  EXPECT_TRUE(rig.engine->Insert_Wireless_Key(0, {1, 2, 3}));
  for (int i = 0; i < 200 && rig.engine->Step_Scan() != Wireless_Scan_Machine::kTelit_Receive; ++i)
    rig.engine->Run_Step();
  rig.engine->Stop_Scan();
  rig.Run();
  EXPECT_FALSE(rig.engine->InScan());
  EXPECT_EQ(rig.engine->Result(), 1);
  EXPECT_EQ(rig.link->sent.back(), Bytes(gateway::kDisable_Configuration_Mode));
  EXPECT_TRUE(rig.reports.empty());
}

}  // namespace
