#pragma once
#include <condition_variable>
#include <mutex>

// The manual-reset event that gates the scan thread's loop: set while the scan window
// is shown, reset while it is hidden. It belongs to one engine (the platform's named
// event was shared by every running instance of the program; one engine per process
// has no use for that). Release() opens it for good so the thread can end.
class Run_Event {
 public:
  void Set();
  void Reset();
  bool Is_Set();
  // Returns once the event is set or released.
  void Wait();
  void Release();

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  bool set_ = false;
  bool released_ = false;
};
