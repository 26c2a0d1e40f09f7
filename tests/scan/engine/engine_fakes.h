#pragma once
// Stand-ins for the scan engine's platform: a scripted gateway link, a clock the
// test moves, and a sleeper that only counts.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "scan/engine/gateway_link.h"
#include "scan/engine/mbus_scan_decode.h"
#include "scan/engine/scan_clock.h"

// Each Ticks() call moves the clock on by `auto_step` ms, so waiting steps time out
// after a few passes without the test doing anything.
class Fake_Clock : public Tick_Source {
 public:
  uint32_t now = 1000;
  uint32_t auto_step = 0;
  uint32_t Ticks() override {
    const uint32_t t = now;
    now += auto_step;
    return t;
  }
};

class Counting_Sleeper : public Sleeper {
 public:
  int64_t total_ms = 0;
  void Sleep(int ms) override { total_ms += ms; }
};

// Answers each datagram the engine sends through `respond` (nullopt: silence); the
// answer is delivered at once, as the receive thread would.
class Scripted_Link : public Gateway_Link {
 public:
  std::vector<QByteArray> sent;
  std::vector<uint16_t> ports;
  std::function<std::optional<QByteArray>(const QByteArray&)> respond;
  std::function<void(const QByteArray&)> before_send;  // may throw to play a failing socket
  QString peer;
  int activations = 0;
  bool active = false;

  void Activate(const QString& p, uint16_t) override {
    if (p == "fail") throw Gateway_Link_Error("Cannot bind UDP port 0: Address already in use");
    peer = p;
    active = true;
    ++activations;
  }
  void Deactivate() override { active = false; }
  bool Active() const override { return active; }
  void Send(const QByteArray& bytes, uint16_t port) override {
    if (before_send) before_send(bytes);
    sent.push_back(bytes);
    ports.push_back(port);
    if (respond && receiver_) {
      if (auto answer = respond(bytes))
        receiver_(reinterpret_cast<const uint8_t*>(answer->constData()), answer->size());
    }
  }
  void Set_Receiver(Receiver r) override { receiver_ = std::move(r); }

 private:
  Receiver receiver_;
};

// One engine on scripted parts, without its thread: the test runs the steps.
struct Engine_Rig {
  TList_Slave_MBus wired;
  TList_Slave_wMBus wireless;
  Scripted_Link* link = nullptr;
  std::shared_ptr<Fake_Clock> clock = std::make_shared<Fake_Clock>();
  std::shared_ptr<Counting_Sleeper> sleeper = std::make_shared<Counting_Sleeper>();
  std::unique_ptr<TMBusScanDecode> engine;
  struct Report {
    int32_t event, value, found, kind;
    bool operator==(const Report&) const = default;
  };
  std::vector<Report> reports;

  Engine_Rig() {
    auto scripted = std::make_unique<Scripted_Link>();
    link = scripted.get();
    Scan_Platform platform;
    platform.udp = std::move(scripted);
    platform.clock = clock;
    platform.sleeper = sleeper;
    platform.start_thread = false;
    clock->auto_step = 100;
    engine = std::make_unique<TMBusScanDecode>(wired, wireless, std::move(platform));
  }

  TNotify_Slave_List Recorder() {
    return [this](int32_t e, int32_t v, int32_t f, int32_t k) { reports.push_back({e, v, f, k}); };
  }

  bool Start(TScanType type, int32_t cut_after = 3, bool app_reset = false, bool snd_nke = false, bool fix_c = false,
             uint8_t fix_value = 0) {
    return engine->Start_Scan(type, shEthernet, "127.0.0.1", 2400, 1, app_reset, snd_nke, cut_after, fix_c, fix_value,
                              false, Recorder());
  }

  // Runs steps until the scan ends (or the limit, which a test treats as a hang).
  int Run(int max_steps = 100000) {
    int steps = 0;
    while (engine->InScan() && steps < max_steps) {
      engine->Run_Step();
      ++steps;
    }
    return steps;
  }

  std::vector<QByteArray> Sent_Frames() const;  // the sent datagrams that are M-Bus frames
};

inline std::vector<QByteArray> Engine_Rig::Sent_Frames() const {
  std::vector<QByteArray> frames;
  for (const auto& s : link->sent)
    if (!s.startsWith("Kelvra_")) frames.push_back(s);
  return frames;
}

// A gateway that confirms its commands and hands frames to `line` (nullopt: no meter).
std::function<std::optional<QByteArray>(const QByteArray&)> Gateway_Answers(
    std::function<std::optional<QByteArray>(const QByteArray&)> line);

// A long frame from meter `address` with identification `id` (8 digits), manufacturer
// code of "ABC", and the given data records.
QByteArray Long_Frame(uint8_t address, const char* id, const QByteArray& records);
QByteArray Hex(const char* text);
