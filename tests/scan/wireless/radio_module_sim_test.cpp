// The simulator's radio modules talk with the wireless scan machine exactly as the
// machine expects: set-up, key registration and reception, for both modules.
#include "radio_module_sim.h"

#include <gtest/gtest.h>

#include "scan/engine/gateway_commands.h"
#include "scan/wireless/radio_module_commands.h"
#include "scan/wireless/wireless_scan_machine.h"

namespace {

std::string S(const QByteArray& bytes) { return bytes.toStdString(); }

// A host that hands every datagram to the simulated gateway's module at once.
class Sim_Host : public Wireless_Scan_Host {
 public:
  explicit Sim_Host(bool radiocrafts) : module(radiocrafts, {"frame"}), radiocrafts_(radiocrafts) {}
  gateway_sim::Radio_Module_Sim module;
  std::optional<QByteArray> answer;
  bool receiving = false;
  int32_t result = -1;
  bool expired = false;

  void Send_Wireless(const QByteArray& bytes) override {
    answer.reset();
    expired = false;
    std::string reply;
    const std::string in = S(bytes);
    if (in == gateway::kEnable_Configuration_Mode) {
      reply = gateway::kConfiguration_Mode_Enabled;
    } else if (in == gateway::kType_Radio_Module) {
      reply = radiocrafts_ ? gateway::kRadio_Radiocrafts : gateway::kRadio_Telit;
    } else {
      reply = module.Handle(in);
    }
    if (!reply.empty()) answer = QByteArray(reply.data(), static_cast<qsizetype>(reply.size()));
  }
  bool Answer(QByteArray& out) override {
    if (!answer) return false;
    out = *answer;
    return true;
  }
  void Set_TimeOut(int32_t) override {}
  // No answer means the step's time-out passes before the next pass.
  bool TimeOut_Expired() override { return expired = true; }
  void Set_Result(int32_t r) override { result = r; }
  bool Stop_Requested() override { return false; }
  void Clear_Stop_Requests() override {}
  void Set_Receive_Message(bool r) override { receiving = r; }
  bool Serial() override { return false; }
  void Finish_Scan() override {}

 private:
  bool radiocrafts_;
};

TEST(Radio_Module_Sim, Both_Modules_Set_Up_Register_A_Key_And_Receive) {
  for (bool radiocrafts : {false, true}) {
    SCOPED_TRACE(radiocrafts ? "Radiocrafts" : "Telit");
    Sim_Host host(radiocrafts);
    TList_Slave_wMBus list;
    std::mutex lock;
    Wireless_Scan_Machine machine(host, list, lock);
    machine.Start(11, 2, 0);
    const int32_t receive =
        radiocrafts ? Wireless_Scan_Machine::kRadiocrafts_Receive : Wireless_Scan_Machine::kTelit_Receive;
    for (int i = 0; i < 2000 && machine.Step_Scan() != receive; ++i) machine.Scan_Decode_Wireless();
    ASSERT_EQ(machine.Step_Scan(), receive);
    EXPECT_EQ(host.result, 1);
    EXPECT_TRUE(host.module.Receiving());
    EXPECT_EQ(host.module.Next_Frame(), "frame");
    if (radiocrafts) {
      EXPECT_EQ(host.module.Radiocrafts_Mode(), 0x0A);
    } else {
      EXPECT_EQ(host.module.Telit_Registers().at(400), 11);
      EXPECT_EQ(host.module.Telit_Registers().at(420), 2);
    }

    auto meter = std::make_unique<TSlave_wMBus>();
    meter->ALA_Address = 0x12345678;
    meter->ALA_Manufacturer = 0x1593;
    meter->RadioCrafts_Ind_Tab_Decript = -1;
    list.push_back(std::move(meter));
    std::array<uint8_t, 16> key{};
    key.fill(9);
    ASSERT_TRUE(machine.Insert_Wireless_Key(0, key));
    machine.Scan_Decode_Wireless();
    for (int i = 0; i < 200 && machine.Step_Scan() != receive; ++i) machine.Scan_Decode_Wireless();
    ASSERT_EQ(machine.Step_Scan(), receive);
    EXPECT_EQ(host.result, 1);
    EXPECT_TRUE(host.receiving);
    EXPECT_TRUE(host.module.Receiving());
    if (!radiocrafts) {
      EXPECT_EQ(host.module.Telit_Registers().at(461), 0x93);
      EXPECT_EQ(host.module.Telit_Registers().at(485), 9);
      EXPECT_EQ(host.module.Telit_Registers().at(460), 5);
    }
  }
}

TEST(Radio_Module_Sim, Frame_Script) {
  std::string error;
  auto frames = gateway_sim::Parse_Wireless_Frames("# comment\n\n1F 44 0a\n  02 FF\n", error);
  ASSERT_TRUE(frames) << error;
  ASSERT_EQ(frames->size(), 2u);
  EXPECT_EQ((*frames)[0], std::string("\x1F\x44\x0A"));
  EXPECT_FALSE(gateway_sim::Parse_Wireless_Frames("1F\n1G", error));
  EXPECT_EQ(error, "line 2: bad frame byte '1G'");
  EXPECT_FALSE(gateway_sim::Parse_Wireless_Frames("100", error));
}

TEST(Radio_Module_Sim, Telit_Refuses_What_It_Does_Not_Know) {
  gateway_sim::Radio_Module_Sim telit(false, {});
  EXPECT_EQ(telit.Handle("ATS400=5\r"), "") << "not in command mode";
  EXPECT_EQ(telit.Handle("+++"), "OK\r");
  EXPECT_EQ(telit.Handle("ATS400=5"), "ERROR\r");
  EXPECT_EQ(telit.Handle("ATS400=256\r"), "ERROR\r");
  EXPECT_EQ(telit.Handle("ATX\r"), "ERROR\r");
  EXPECT_EQ(telit.Handle("ATO\r"), "OK\r");
  EXPECT_TRUE(telit.Receiving());
  EXPECT_EQ(telit.Next_Frame(), "");
}

}  // namespace
