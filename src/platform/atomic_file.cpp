#include "platform/atomic_file.h"

#include <QSaveFile>

File_Write_Error::File_Write_Error(const QString& path, const QString& reason)
    : std::runtime_error(QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString()),
      path_(path) {}

namespace atomic_file {

void Write(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Never fall back to writing in place: that is the half-written file we avoid.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) throw File_Write_Error(path, file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw File_Write_Error(path, reason);
  }
  if (!file.commit()) throw File_Write_Error(path, file.errorString());
}

}  // namespace atomic_file
