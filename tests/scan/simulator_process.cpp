#include "scan/simulator_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

Simulator_Process::Simulator_Process(const QString& program, const QStringList& args, const QString& log_file) {
  std::vector<std::string> argv_text{program.toStdString(), "--port", "0"};
  for (const QString& a : args) argv_text.push_back(a.toStdString());
  std::vector<char*> argv;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("pipe failed");
  const std::string log = log_file.toStdString();
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);
    if (!log.empty()) {
      const int err = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      if (err >= 0) dup2(err, STDERR_FILENO);
    }
    close(out[0]);
    close(out[1]);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string line;
  char c = 0;
  while (line.size() < 64) {
    pollfd fd{out[0], POLLIN, 0};
    if (poll(&fd, 1, 5000) <= 0 || read(out[0], &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  close(out[0]);
  if (line.rfind("port ", 0) != 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    throw std::runtime_error("gateway-sim did not report its port: \"" + line + "\"");
  }
  port_ = static_cast<uint16_t>(std::stoi(line.substr(5)));
}

Simulator_Process::~Simulator_Process() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}
