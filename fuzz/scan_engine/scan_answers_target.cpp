// The wired scan fed with arbitrary gateway answers. The input is a sequence of
// answers, each a length byte followed by that many bytes (a length of 255 means
// "no answer"); the first byte picks the scan kind and options. Every send takes the
// next answer. The scan must neither crash nor run on without end.
#include <cstdint>
#include <cstring>
#include <memory>

#include "scan/engine/mbus_scan_decode.h"

namespace {

class Input_Link : public Gateway_Link {
 public:
  Input_Link(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  void Activate(const QString&, uint16_t) override { active_ = true; }
  void Deactivate() override { active_ = false; }
  bool Active() const override { return active_; }
  void Set_Receiver(Receiver receiver) override { receiver_ = std::move(receiver); }
  void Send(const QByteArray&, uint16_t) override {
    if (pos_ >= size_) return;  // input used up: the gateway falls silent
    const size_t length = data_[pos_++];
    if (length == 255) return;
    const size_t n = std::min(length, size_ - pos_);
    if (receiver_) receiver_(data_ + pos_, n);
    pos_ += n;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool active_ = false;
  Receiver receiver_;
};

class Ticking_Clock : public Tick_Source {
 public:
  uint32_t Ticks() override { return now_ += 250; }

 private:
  uint32_t now_ = 0;
};

class No_Sleep : public Sleeper {
 public:
  void Sleep(int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t options = data[0];
  TList_Slave_MBus wired;
  TList_Slave_wMBus wireless;
  Scan_Platform platform;
  platform.udp = std::make_unique<Input_Link>(data + 1, size - 1);
  platform.clock = std::make_shared<Ticking_Clock>();
  platform.sleeper = std::make_shared<No_Sleep>();
  platform.start_thread = false;
  TMBusScanDecode engine(wired, wireless, std::move(platform));
  engine.Start_Scan((options & 1) ? saSecondaryAddress : saPrimaryAddress, shEthernet, "127.0.0.1", 2400, options >> 6,
                    (options & 2) != 0, (options & 4) != 0, (options >> 3) & 7, (options & 0x40) != 0, 0, false,
                    [](int32_t, int32_t, int32_t, int32_t) {});
  // Once the input is used up every step times out; a bounded number of steps must end
  // a primary scan. A secondary search may legitimately go on longer, so it is cut short.
  for (int step = 0; step < 20000 && engine.InScan(); ++step) engine.Run_Step();
  if (engine.InScan() && (options & 1) == 0) std::abort();
  return 0;
}
