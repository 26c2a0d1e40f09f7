#pragma once
// The gateway simulator as a child process for one test. Started with fork and exec
// rather than QProcess: QProcess's vfork-style start hides the child from
// ThreadSanitizer's bookkeeping and makes it report races that are not there.
#include <sys/types.h>

#include <QString>
#include <QStringList>
#include <cstdint>

class Simulator_Process {
 public:
  // Starts `program --port 0 <args>` and reads the "port <n>" line; throws when it fails.
  // With a log file, the simulator's standard error goes there (its --verbose log).
  Simulator_Process(const QString& program, const QStringList& args, const QString& log_file = QString());
  ~Simulator_Process();
  Simulator_Process(const Simulator_Process&) = delete;
  Simulator_Process& operator=(const Simulator_Process&) = delete;

  uint16_t Port() const { return port_; }

 private:
  pid_t pid_ = -1;
  uint16_t port_ = 0;
};
