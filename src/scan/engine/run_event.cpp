#include "scan/engine/run_event.h"

void Run_Event::Set() {
  {
    std::lock_guard lock(lock_);
    set_ = true;
  }
  changed_.notify_all();
}

void Run_Event::Reset() {
  std::lock_guard lock(lock_);
  set_ = false;
}

bool Run_Event::Is_Set() {
  std::lock_guard lock(lock_);
  return set_;
}

void Run_Event::Wait() {
  std::unique_lock lock(lock_);
  changed_.wait(lock, [this] { return set_ || released_; });
}

void Run_Event::Release() {
  {
    std::lock_guard lock(lock_);
    released_ = true;
  }
  changed_.notify_all();
}
