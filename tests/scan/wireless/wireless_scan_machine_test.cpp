// The wireless scan machine against a scripted gateway: the exact dialogues of both
// radio modules, key registration, refusals, stop and failures.
#include "scan/wireless/wireless_scan_machine.h"

#include <gtest/gtest.h>

#include <functional>

#include "scan/engine/gateway_commands.h"
#include "scan/wireless/radio_module_commands.h"

namespace {

QByteArray B(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// A gateway whose answers come from a function of the sent datagram; an empty answer
// means none arrives, so the step waits for its time-out.
class Scripted_Host : public Wireless_Scan_Host {
 public:
  std::function<QByteArray(const QByteArray&)> respond;
  std::vector<QByteArray> sent;
  std::optional<QByteArray> answer;
  bool expired = false;
  int32_t result = -1;
  bool stop = false;
  bool receiving = false;
  bool serial = false;
  int finished = 0;
  std::vector<int32_t> timeouts;

  void Send_Wireless(const QByteArray& bytes) override {
    sent.push_back(bytes);
    answer.reset();
    expired = false;
    const QByteArray reply = respond ? respond(bytes) : QByteArray();
    if (!reply.isEmpty()) answer = reply;
  }
  bool Answer(QByteArray& out) override {
    if (!answer) return false;
    out = *answer;
    return true;
  }
  void Set_TimeOut(int32_t ms) override { timeouts.push_back(ms); }
  bool TimeOut_Expired() override { return expired; }
  void Set_Result(int32_t r) override { result = r; }
  bool Stop_Requested() override { return stop; }
  void Clear_Stop_Requests() override { stop = false; }
  void Set_Receive_Message(bool r) override { receiving = r; }
  bool Serial() override { return serial; }
  void Finish_Scan() override { ++finished; }
};

// A gateway that carries a well-behaved module of the given kind.
QByteArray Gateway_Answer(const QByteArray& in, bool radiocrafts) {
  if (in == B(gateway::kEnable_Configuration_Mode)) return B(gateway::kConfiguration_Mode_Enabled);
  if (in == B(gateway::kType_Radio_Module)) return B(radiocrafts ? gateway::kRadio_Radiocrafts : gateway::kRadio_Telit);
  if (in == B(gateway::kDisable_Configuration_Mode)) return B(gateway::kConfiguration_Mode_Disabled);
  if (!radiocrafts) return B(radio_module::kTelit_OK);
  if (in == QByteArray(1, '0')) return QByteArray(256, '\x55') + '>';
  if (in == QByteArray(1, 'X')) return {};
  return QByteArray(1, '>');
}

class Wireless_Machine : public ::testing::Test {
 protected:
  void Use_Module(bool radiocrafts) {
    host.respond = [radiocrafts](const QByteArray& in) { return Gateway_Answer(in, radiocrafts); };
  }
  // Runs steps until the machine rests in `step` (at most `limit` steps).
  bool Run_Until(int32_t step, int limit = 2000) {
    for (int i = 0; i < limit; ++i) {
      if (machine.Step_Scan() == step) return true;
      machine.Scan_Decode_Wireless();
    }
    return machine.Step_Scan() == step;
  }
  void Add_Meter() {
    auto meter = std::make_unique<TSlave_wMBus>();
    meter->ALA_Address = 0x12345678;
    meter->ALA_Manufacturer = 0x2C2D;
    meter->ALA_Version = 1;
    meter->ALA_DeviceType = 7;
    meter->RadioCrafts_Ind_Tab_Decript = -1;
    list.push_back(std::move(meter));
  }

  Scripted_Host host;
  TList_Slave_wMBus list;
  std::mutex lock;
  Wireless_Scan_Machine machine{host, list, lock};
};

TEST_F(Wireless_Machine, Telit_Setup_Commands_By_Mode) {
  const std::vector<QByteArray> all = {"+++",        "ATR\r",      "ATS400=@\r", "ATS401=0\r", "ATS402=191\r",
                                       "ATS420=3\r", "ATS421=0\r", "ATS422=3\r", "ATS430=5\r", "ATS431=5\r",
                                       "ATS440=0\r", "ATS441=0\r", "ATS442=0\r", "ATS452=0\r", "ATS453=0\r",
                                       "ATS454=0\r", "ATO\r"};
  for (int mode : {1, 5, 11, 15, 17}) {
    SCOPED_TRACE(mode);
    host = Scripted_Host();
    Use_Module(false);
    machine.Start(mode, 3, 0);
    ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kTelit_Receive));
    EXPECT_TRUE(host.receiving);
    EXPECT_EQ(host.result, 1);
    std::vector<QByteArray> expected;
    for (QByteArray c : all) {
      const bool n_mode = mode == 15 || mode == 17;
      if (n_mode && (c == "ATS421=0\r" || c == "ATS442=0\r" || c == "ATS454=0\r")) continue;
      expected.push_back(c.replace("@", QByteArray::number(mode)));
    }
    EXPECT_EQ(expected.size(), mode == 15 || mode == 17 ? 14u : 17u);
    ASSERT_GE(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[0], B(gateway::kEnable_Configuration_Mode));
    EXPECT_EQ(host.sent[1], B(gateway::kType_Radio_Module));
    EXPECT_EQ(std::vector<QByteArray>(host.sent.begin() + 2, host.sent.end()), expected);
    // Reception sends nothing.
    for (int i = 0; i < 5; ++i) machine.Scan_Decode_Wireless();
    EXPECT_EQ(host.sent.size(), expected.size() + 2);
  }
}

TEST_F(Wireless_Machine, Radiocrafts_Setup_Writes_The_Mode_And_Erases_The_Key_Table) {
  Use_Module(true);
  machine.Start(11, 0, 0);
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kRadiocrafts_Receive));
  EXPECT_EQ(machine.RadioModule(), rmRadioCrafts);
  EXPECT_TRUE(host.receiving);
  const auto& s = host.sent;
  ASSERT_GE(s.size(), 7u);
  EXPECT_EQ(s[2], QByteArray(1, '\0'));
  EXPECT_EQ(s[3], QByteArray("0"));
  EXPECT_EQ(s[4], QByteArray("M"));
  EXPECT_EQ(s[5], QByteArray::fromHex("030A04000501120116173A013D023701"));
  EXPECT_EQ(s[6], QByteArray(1, '\xFF'));
  // Then "B", the position, eight zero bytes for each of positions 1..63, and "X".
  std::vector<int> erased;
  size_t i = 7;
  for (; i + 2 < s.size() && s[i] == "B"; i += 3) {
    ASSERT_EQ(s[i + 1].size(), 1);
    erased.push_back(static_cast<uint8_t>(s[i + 1][0]));
    EXPECT_EQ(s[i + 2], QByteArray(8, '\0'));
  }
  ASSERT_EQ(erased.size(), 63u);
  for (int p = 0; p < 63; ++p) EXPECT_EQ(erased[static_cast<size_t>(p)], p + 1);
  ASSERT_EQ(i + 1, s.size());
  EXPECT_EQ(s[i], QByteArray("X"));
}

TEST_F(Wireless_Machine, Radiocrafts_Config_Block_Per_Mode) {
  const std::pair<int, uint8_t> rows[] = {{5, 0x01}, {11, 0x0A}, {15, 0x11}, {17, 0x10}, {1, 0x03}, {99, 0x03}};
  for (const auto& [mode, byte] : rows) {
    EXPECT_EQ(radio_module::Radiocrafts_Config_Block(mode)[1], byte) << mode;
  }
}

TEST_F(Wireless_Machine, Telit_Key_Registration) {
  Use_Module(false);
  Add_Meter();
  std::array<uint8_t, 16> key{};
  for (int i = 0; i < 16; ++i) key[static_cast<size_t>(i)] = static_cast<uint8_t>(200 + i);

  machine.Start(5, 0, 0);
  machine.Scan_Decode_Wireless();
  EXPECT_FALSE(machine.Insert_Wireless_Key(0, key)) << "refused during the set-up";
  EXPECT_FALSE(list[0]->Enable_Key);
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kTelit_Receive));
  EXPECT_FALSE(machine.Insert_Wireless_Key(1, key)) << "no such meter";
  const size_t before = host.sent.size();
  ASSERT_TRUE(machine.Insert_Wireless_Key(0, key));
  EXPECT_TRUE(list[0]->Enable_Key);
  EXPECT_EQ(list[0]->Key, key);
  EXPECT_EQ(machine.Step_Scan(), Wireless_Scan_Machine::kTelit_Receive) << "the scan thread moves the step";
  machine.Scan_Decode_Wireless();
  EXPECT_EQ(machine.Step_Scan(), 200);
  machine.Scan_Decode_Wireless();
  EXPECT_TRUE(host.receiving) << "frames on their way still decode until the module confirms";
  machine.Scan_Decode_Wireless();
  EXPECT_FALSE(host.receiving);
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kTelit_Receive));
  EXPECT_TRUE(host.receiving);

  std::vector<QByteArray> expected = {"+++",         "ATS461=45\r", "ATS462=44\r", "ATS463=120\r", "ATS464=86\r",
                                      "ATS465=52\r", "ATS466=18\r", "ATS467=1\r",  "ATS468=7\r"};
  for (int i = 0; i < 16; ++i)
    expected.push_back("ATS" + QByteArray::number(470 + i) + "=" + QByteArray::number(200 + i) + "\r");
  expected.push_back("ATS460=5\r");
  expected.push_back("ATO\r");
  EXPECT_EQ(std::vector<QByteArray>(host.sent.begin() + static_cast<long>(before), host.sent.end()), expected);
}

TEST_F(Wireless_Machine, Radiocrafts_Key_Registration_And_The_65th_Key) {
  Use_Module(true);
  machine.Start(5, 0, 0);
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kRadiocrafts_Receive));
  Add_Meter();
  std::array<uint8_t, 16> key{};
  key.fill(0xA5);
  const size_t before = host.sent.size();
  ASSERT_TRUE(machine.Insert_Wireless_Key(0, key));
  EXPECT_EQ(list[0]->RadioCrafts_Ind_Tab_Decript, 1);
  machine.Scan_Decode_Wireless();
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kRadiocrafts_Receive));
  const std::vector<QByteArray> expected = {QByteArray(1, '\0'),
                                            "B",
                                            QByteArray(1, '\x01'),
                                            QByteArray::fromHex("785634122D2C0107"),
                                            "K",
                                            QByteArray(1, '\x01'),
                                            QByteArray(16, '\xA5'),
                                            "A",
                                            QByteArray(1, '\x01'),
                                            QByteArray("\x00\x40", 2),
                                            "X"};
  EXPECT_EQ(std::vector<QByteArray>(host.sent.begin() + static_cast<long>(before), host.sent.end()), expected);

  // The same meter keeps its position; positions run out after 64 meters.
  ASSERT_TRUE(machine.Insert_Wireless_Key(0, key));
  EXPECT_EQ(list[0]->RadioCrafts_Ind_Tab_Decript, 1);
  machine.Scan_Decode_Wireless();
  for (int i = 1; i < 65; ++i) Add_Meter();
  int accepted = 0;
  for (int i = 1; i < 65; ++i) {
    ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kRadiocrafts_Receive));
    if (machine.Insert_Wireless_Key(i, key)) ++accepted;
    machine.Scan_Decode_Wireless();
  }
  EXPECT_EQ(accepted, 63);
  EXPECT_EQ(list[64]->RadioCrafts_Ind_Tab_Decript, -1);
  EXPECT_FALSE(list[64]->Enable_Key);
}

TEST_F(Wireless_Machine, Stop_During_Setup_Ends_Without_Finishing_It) {
  Use_Module(false);
  machine.Start(5, 0, 0);
  for (int i = 0; i < 8; ++i) machine.Scan_Decode_Wireless();
  const size_t before = host.sent.size();
  host.stop = true;
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kFinished));
  machine.Scan_Decode_Wireless();
  EXPECT_EQ(host.finished, 1);
  EXPECT_FALSE(host.stop);
  EXPECT_EQ(std::vector<QByteArray>(host.sent.begin() + static_cast<long>(before), host.sent.end()),
            std::vector<QByteArray>{B(gateway::kDisable_Configuration_Mode)});
  EXPECT_EQ(host.result, 1);
}

TEST_F(Wireless_Machine, Failures_End_The_Scan_With_Result_2) {
  struct Row {
    const char* what;
    std::function<QByteArray(const QByteArray&)> respond;
    size_t disable_tries;
  };
  const Row rows[] = {
      {"configuration mode refused", [](const QByteArray&) { return QByteArray("NO"); }, 3},
      {"unknown module",
       [](const QByteArray& in) {
         return in == B(gateway::kType_Radio_Module) ? QByteArray("\n\rOTHER\n\r") : Gateway_Answer(in, false);
       },
       1},
      {"Telit refuses a register",
       [](const QByteArray& in) { return in == "ATS402=191\r" ? QByteArray("ERROR\r") : Gateway_Answer(in, false); },
       1},
      {"Telit silent", [](const QByteArray& in) { return in == "ATR\r" ? QByteArray() : Gateway_Answer(in, false); },
       1},
      {"Radiocrafts short memory",
       [](const QByteArray& in) { return in == "0" ? QByteArray(10, '>') : Gateway_Answer(in, true); }, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    host = Scripted_Host();
    host.respond = row.respond;
    machine.Start(5, 0, 0);
    for (int i = 0; i < 100 && machine.Step_Scan() != Wireless_Scan_Machine::kFinished; ++i) {
      machine.Scan_Decode_Wireless();
      host.expired = true;  // whatever waits, waits in vain
    }
    machine.Scan_Decode_Wireless();
    EXPECT_EQ(host.result, 2);
    EXPECT_EQ(host.finished, 1);
    size_t tries = 0;
    for (const QByteArray& s : host.sent) tries += s == B(gateway::kDisable_Configuration_Mode);
    EXPECT_EQ(tries, row.disable_tries);
  }
}

TEST_F(Wireless_Machine, Refused_Key_Registration_Ends_The_Scan_And_Keeps_The_Meters) {
  host.respond = [](const QByteArray& in) {
    return in.startsWith("ATS461=") ? QByteArray("ERROR\r") : Gateway_Answer(in, false);
  };
  machine.Start(5, 0, 0);
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kTelit_Receive));
  Add_Meter();
  Add_Meter();
  list[1]->ALA_Address = 0x11111111;
  std::array<uint8_t, 16> key{};
  ASSERT_TRUE(machine.Insert_Wireless_Key(0, key));
  ASSERT_TRUE(Run_Until(Wireless_Scan_Machine::kFinished));
  machine.Scan_Decode_Wireless();
  EXPECT_EQ(host.result, 2);
  EXPECT_EQ(host.finished, 1);
  EXPECT_FALSE(host.receiving);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_TRUE(list[0]->Enable_Key);
}

TEST_F(Wireless_Machine, Serial_Sends_Nothing) {
  host.serial = true;
  machine.Start(5, 0, 0);
  for (int i = 0; i < 10; ++i) machine.Scan_Decode_Wireless();
  EXPECT_TRUE(host.sent.empty());
  EXPECT_EQ(machine.Step_Scan(), 0);
}

}  // namespace
