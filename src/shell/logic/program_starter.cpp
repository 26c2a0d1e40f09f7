#include "shell/logic/program_starter.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <chrono>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// Reaps a child that outlived the wait, so it never lingers as a zombie.
void Reap_Later(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

pid_t Spawn(const QString& program, const QString& parameter) {
  const QByteArray file = QFile::encodeName(program);
  if (file.isEmpty()) return -1;
  std::vector<QByteArray> words{file};
  for (const QString& argument : QProcess::splitCommand(parameter)) words.push_back(argument.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t pid = -1;
  // posix_spawnp searches PATH for a bare name and takes a path with "/" as it is.
  if (::posix_spawnp(&pid, file.constData(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

}  // namespace

Wait_Clock Steady_Wait_Clock() {
  return {[] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
          },
          [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }};
}

Start_Result Start_Program_Waiting(const QString& program, const QString& parameter, const Wait_Clock& clock) {
  Start_Result result;
  const pid_t pid = Spawn(program, parameter);
  if (pid <= 0) return result;
  result.started = true;
  result.pid = pid;
  const int64_t start = clock.now_ms();
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) {
      result.ended = true;
      return result;
    }
    if (clock.now_ms() - start >= kStart_Program_Limit_Ms) break;
    clock.pause(10);
  }
  Reap_Later(pid);
  return result;
}

void Start_Program(const QString& program, const QString& parameter, int tipo) {
  (void)tipo;
  Start_Program_Waiting(program, parameter, Steady_Wait_Clock());
}
