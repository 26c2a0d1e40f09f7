#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

File_Write_Error::File_Write_Error(const QString& path, const QString& reason)
    : std::runtime_error(QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString()), path_(path) {}

namespace atomic_file {
namespace {

QString& Guarded() {
  static QString folder;
  return folder;
}

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString From_Native(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string Folder_Of(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The real path of an existing folder; empty when it cannot be resolved.
std::string Real_Folder(const std::string& folder, int& error) {
  char* real = realpath(folder.c_str(), nullptr);
  if (real == nullptr) {
    error = errno;
    return {};
  }
  std::string out(real);
  std::free(real);
  return out;
}

bool Is_Inside(const QString& path, const QString& folder) {
  return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// Lets the system finish writing the folder's entry; a failure changes nothing the caller can mend.
void Sync_Folder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

void Guard_Folder(const QString& folder) { Guarded() = folder.isEmpty() ? QString() : QDir::cleanPath(folder); }

QString Real_Target(const QString& path) {
  const QString given = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  std::string target = Native(given);
  // The save replaces what the file's links point to, as far as they go.
  for (int links = 0;; ++links) {
    struct stat status {};
    if (lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
    if (links == 40) throw File_Write_Error(path, Reason(ELOOP));
    char buffer[PATH_MAX];
    const ssize_t length = readlink(target.c_str(), buffer, sizeof buffer);
    if (length < 0) throw File_Write_Error(path, Reason(errno));
    const std::string link(buffer, static_cast<size_t>(length));
    target = link.starts_with('/') ? link : Folder_Of(target) + "/" + link;
  }
  int error = 0;
  const std::string folder = Real_Folder(Folder_Of(target), error);
  if (folder.empty()) throw File_Write_Error(path, Reason(error));
  const size_t slash = target.rfind('/');
  const QString real = From_Native((folder == "/" ? std::string() : folder) + target.substr(slash));

  const QString guarded = Guarded();
  if (!guarded.isEmpty() && Is_Inside(given, guarded)) {
    std::string real_guarded = Real_Folder(Native(guarded), error);
    const QString projects = real_guarded.empty() ? guarded : From_Native(real_guarded);
    if (!Is_Inside(real, projects) || real == projects)
      throw File_Write_Error(path,
                             QStringLiteral("a symbolic link leads the file to \"%1\", outside the folder \"%2\"; "
                                            "nothing was written")
                                 .arg(real, guarded));
  }
  return real;
}

QString Temporary_Path(const QString& target) { return target + QStringLiteral(".saving"); }

namespace {

// Opens the temporary file of `target` afresh with the old file's permissions.
int Open_Temporary(const QString& path, const QString& target) {
  const std::string temporary = Native(Temporary_Path(target));
  // A temporary file left by a killed save goes; a link in its place is not followed.
  unlink(temporary.c_str());
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) throw File_Write_Error(path, Reason(errno));
  struct stat old {};
  if (stat(Native(target).c_str(), &old) == 0) {
    if (S_ISDIR(old.st_mode)) {
      close(fd);
      unlink(temporary.c_str());
      throw File_Write_Error(path, Reason(EISDIR));
    }
    fchmod(fd, old.st_mode & 07777);
  }
  return fd;
}

// Writes every byte; the system's error number when it cannot, else 0.
int Write_All(int fd, QByteArrayView bytes) {
  const char* data = bytes.data();
  size_t left = static_cast<size_t>(bytes.size());
  while (left > 0) {
    const ssize_t written = write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return ENOSPC;
    data += written;
    left -= static_cast<size_t>(written);
  }
  return 0;
}

// Syncs and closes; the error number when the data did not reach the disk, else 0.
int Sync_And_Close(int fd) {
  // A full disk may only show when the data reach it.
  if (fsync(fd) != 0) {
    const int error = errno;
    close(fd);
    return error;
  }
  return close(fd) != 0 ? errno : 0;
}

}  // namespace

void Write_Temporary(const QString& path, const QString& target, const QByteArray& bytes) {
  const int fd = Open_Temporary(path, target);
  int error = Write_All(fd, bytes);
  if (error)
    close(fd);
  else
    error = Sync_And_Close(fd);
  if (error) {
    unlink(Native(Temporary_Path(target)).c_str());
    throw File_Write_Error(path, Reason(error));
  }
}

Writer::Writer(const QString& path) : path_(path) {}

Writer::~Writer() {
  if (fd_ >= 0) close(fd_);
  if (!target_.isEmpty() && !committed_) Remove_Temporary(target_);
}

void Writer::Open() {
  if (fd_ >= 0) return;
  // A part that failed took the temporary file with it: the file would
  // miss that part, so nothing more is written.
  if (!target_.isEmpty()) throw File_Write_Error(path_, Reason(EBADF));
  target_ = Real_Target(path_);
  fd_ = Open_Temporary(path_, target_);
}

void Writer::Fail(int error) {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  Remove_Temporary(target_);
  throw File_Write_Error(path_, Reason(error));
}

void Writer::Append(QByteArrayView bytes) {
  Open();
  if (const int error = Write_All(fd_, bytes)) Fail(error);
}

void Writer::Commit() {
  if (committed_) return;
  Open();
  const int fd = fd_;
  fd_ = -1;
  if (const int error = Sync_And_Close(fd)) {
    Remove_Temporary(target_);
    throw File_Write_Error(path_, Reason(error));
  }
  committed_ = true;
  Rename_Temporary(path_, target_);
}

void Rename_Temporary(const QString& path, const QString& target) {
  const std::string temporary = Native(Temporary_Path(target));
  const std::string final_name = Native(target);
  if (rename(temporary.c_str(), final_name.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    throw File_Write_Error(path, Reason(error));
  }
  Sync_Folder(Folder_Of(final_name));
}

void Remove_Temporary(const QString& target) { unlink(Native(Temporary_Path(target)).c_str()); }

void Write(const QString& path, const QByteArray& bytes) {
  const QString target = Real_Target(path);
  Write_Temporary(path, target, bytes);
  Rename_Temporary(path, target);
}

}  // namespace atomic_file
