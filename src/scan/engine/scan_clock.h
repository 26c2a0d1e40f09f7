#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

// The millisecond tick counter the scan's time-outs run on. It is 32 bits wide and
// wraps, like the platform counter the protocol's time-out rule was made for.
class Tick_Source {
 public:
  virtual ~Tick_Source() = default;
  virtual uint32_t Ticks() = 0;
};

// Monotonic: wall-clock changes never end or stretch a time-out.
class Monotonic_Ticks : public Tick_Source {
 public:
  uint32_t Ticks() override;
};

// The pauses of the scan thread. Interrupt() ends the current and every later sleep
// at once, so that the program can end during a scan's pause.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(int ms) = 0;
  virtual void Interrupt() {}
};

class Interruptible_Sleeper : public Sleeper {
 public:
  void Sleep(int ms) override;
  void Interrupt() override;

 private:
  std::mutex lock_;
  std::condition_variable wake_;
  bool interrupted_ = false;
};
