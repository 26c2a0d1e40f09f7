#pragma once
#include <QString>
#include <cstdint>
#include <functional>

// Starts an external program (an updater) and waits for it to end, at most
// 150 seconds. The wait blocks the calling thread. A program still running at
// the limit is left to run on; it is reaped in the background when it ends.
// A program that cannot be started ends the call silently.
//
// `parameter` is one command line, split into arguments the way a shell
// would (double quotes group blanks). `tipo` 0 asks for a visible window,
// anything else for a hidden one; programs here open their own windows, so
// it is accepted and not acted upon.
void Start_Program(const QString& program, const QString& parameter, int tipo);

// The clock and the pause of the wait, replaceable so tests can run the full
// time limit without waiting for it.
struct Wait_Clock {
  std::function<int64_t()> now_ms;
  std::function<void(int ms)> pause;
};
Wait_Clock Steady_Wait_Clock();

constexpr int64_t kStart_Program_Limit_Ms = 150000;

// What happened to a started program, for callers that care (tests).
struct Start_Result {
  bool started = false;
  bool ended = false;  // false: still running at the limit
  int64_t pid = 0;
};
Start_Result Start_Program_Waiting(const QString& program, const QString& parameter, const Wait_Clock& clock);
