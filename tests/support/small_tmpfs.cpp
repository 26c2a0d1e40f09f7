#include "support/small_tmpfs.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

bool Write_Proc(const char* path, const std::string& text) {
  const int fd = open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  return ok;
}

// In the child: a private mount namespace with the tmpfs on `folder`; empty when done.
std::string Mount(const std::string& folder, int kilobytes) {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (uid == 0) {
    if (unshare(CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
  } else {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
    Write_Proc("/proc/self/setgroups", "deny");
    if (!Write_Proc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !Write_Proc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
      return "cannot map the user";
  }
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return std::string("private mounts: ") + std::strerror(errno);
  const std::string options = "size=" + std::to_string(kilobytes) + "k";
  if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
    return std::string("mount tmpfs: ") + std::strerror(errno);
  return {};
}

}  // namespace

std::optional<std::string> Run_On_Small_Tmpfs(const QString& folder, int kilobytes,
                                              const std::function<std::string()>& body, std::string& why_not) {
  int fds[2];
  if (pipe(fds) != 0) {
    why_not = std::strerror(errno);
    return std::nullopt;
  }
  const std::string native = QFile::encodeName(folder).toStdString();
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string problem = Mount(native, kilobytes);
    const std::string out = problem.empty() ? "M" + body() : "N" + problem;
    [[maybe_unused]] auto written = write(fds[1], out.data(), out.size());
    close(fds[1]);
    _exit(0);
  }
  close(fds[1]);
  std::string out;
  char buffer[4096];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (out.empty()) {
    why_not = "the child ended without a word";
    return std::nullopt;
  }
  if (out[0] == 'N') {
    why_not = out.substr(1);
    return std::nullopt;
  }
  return out.substr(1);
}
