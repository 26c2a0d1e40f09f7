#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "outputs/serial/comm_types.h"

// Watches one open port for the monitored events and hands each batch of event bits
// (TCommEventTypes bits) to its handler. Linux has no "wait for comm event" call, so
// the thread polls the descriptor for input and samples the modem lines, the line
// error counters and the output queue a few dozen times a second; it wakes at once
// when asked to end.
class TCommEventThread {
 public:
  TCommEventThread(int comm_handle, TCommEventTypes event_mask, std::function<void(uint32_t)> on_signal);
  // Ends and joins the thread.
  ~TCommEventThread();
  TCommEventThread(const TCommEventThread&) = delete;
  TCommEventThread& operator=(const TCommEventThread&) = delete;

  void Stop();

 private:
  void Execute();
  uint32_t Sample_Events();

  int FCommHandle;
  int FEvent;  // eventfd that wakes the thread to end
  TCommEventTypes FEventMask;
  std::function<void(uint32_t)> FOnSignal;
  std::atomic<bool> stop_{false};

  // Last sampled state, to turn levels into change events.
  int last_in_queue_ = 0;
  int last_out_queue_ = 0;
  int last_modem_ = -1;
  uint64_t last_breaks_ = 0;
  uint64_t last_errors_ = 0;
  bool counters_known_ = false;

  std::thread thread_;
};
