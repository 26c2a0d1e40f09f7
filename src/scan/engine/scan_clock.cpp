#include "scan/engine/scan_clock.h"

#include <chrono>

uint32_t Monotonic_Ticks::Ticks() {
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<uint32_t>(ms.count());
}

void Interruptible_Sleeper::Sleep(int ms) {
  if (ms <= 0) return;
  std::unique_lock lock(lock_);
  wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return interrupted_; });
}

void Interruptible_Sleeper::Interrupt() {
  {
    std::lock_guard lock(lock_);
    interrupted_ = true;
  }
  wake_.notify_all();
}
