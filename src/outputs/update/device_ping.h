#pragma once
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/icmp_echo.h"

// The update window's ping: 400 ms per echo, done after two replies that
// carried data or when more than 5 s have passed.
struct Ping_Outcome {
  bool success = false;
  int ping_res = 0;  // 0 none yet, 1 reply with data, 2 reply without data (time-out included)
};

struct Ping_Clock {
  std::function<int64_t()> now_ms;       // monotonic milliseconds
  std::function<void()> process_events;  // keeps the window responsive between echoes
};
Ping_Clock Default_Ping_Clock();

Ping_Outcome Send_Ping(Echo_Client& client, const QString& host, const Ping_Clock& clock = Default_Ping_Clock());
