#include "platform/file_set.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <optional>

#include "platform/atomic_file.h"

namespace file_set {
namespace {

const QByteArray kFirst_Line = "file-set 1";
constexpr qint64 kMax_Stamp_Bytes = 64 * 1024;

QByteArray Digest(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray Stamp_Text(const std::vector<Member>& members) {
  QByteArray text = kFirst_Line + '\n';
  for (const Member& member : members)
    text += member.name.toUtf8() + ' ' + QByteArray::number(member.bytes.size()) + ' ' + Digest(member.bytes) + '\n';
  return text;
}

struct Target {
  QString path;                   // as named to the user
  QString real;                   // where the bytes go
  std::optional<QByteArray> old;  // nullopt: there was no file
};

std::optional<QByteArray> Read_Old(const QString& real) {
  QFile file(real);
  if (!QFileInfo(real).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

// Best effort: the failure that led here is what the user hears about.
void Put_Back(const std::vector<Target>& renamed) {
  for (const Target& target : renamed) {
    try {
      if (target.old)
        atomic_file::Write(target.path, *target.old);
      else
        QFile::remove(target.real);
    } catch (const File_Write_Error&) {
    }
  }
}

}  // namespace

void Write(const QString& folder, const QString& stamp_name, const std::vector<Member>& members,
           const std::function<void()>& between_renames) {
  if (members.empty()) return;
  std::vector<Target> targets;
  std::vector<QByteArray> contents;
  // The stamp first: from its rename on, any mix of old and new files fails the check.
  const auto add = [&](const QString& name, const QByteArray& bytes) {
    const QString path = folder + QLatin1Char('/') + name;
    targets.push_back({path, atomic_file::Real_Target(path), std::nullopt});
    contents.push_back(bytes);
  };
  add(stamp_name, Stamp_Text(members));
  for (const Member& member : members) add(member.name, member.bytes);

  for (const Target& target : targets) atomic_file::Remove_Temporary(target.real);
  try {
    for (size_t i = 0; i < targets.size(); ++i) {
      if (QFileInfo(targets[i].real).isDir())
        throw File_Write_Error(targets[i].path, QStringLiteral("a folder of that name is in the way"));
      atomic_file::Write_Temporary(targets[i].path, targets[i].real, contents[i]);
    }
  } catch (const File_Write_Error&) {
    for (const Target& target : targets) atomic_file::Remove_Temporary(target.real);
    throw;
  }

  for (Target& target : targets) target.old = Read_Old(target.real);
  std::vector<Target> renamed;
  for (size_t i = 0; i < targets.size(); ++i) {
    try {
      atomic_file::Rename_Temporary(targets[i].path, targets[i].real);
    } catch (const File_Write_Error&) {
      for (size_t j = i + 1; j < targets.size(); ++j) atomic_file::Remove_Temporary(targets[j].real);
      Put_Back(renamed);
      throw;
    }
    renamed.push_back(targets[i]);
    if (between_renames && i + 1 < targets.size()) between_renames();
  }
}

QString Mismatch(const QString& folder, const QString& stamp_name) {
  QFile stamp(folder + QLatin1Char('/') + stamp_name);
  if (!stamp.exists()) return {};
  const QString broken =
      QStringLiteral("The stamp file \"%1\" cannot be read. Compile the configuration again.").arg(stamp.fileName());
  if (!stamp.open(QIODevice::ReadOnly) || stamp.size() > kMax_Stamp_Bytes) return broken;
  const QList<QByteArray> lines = stamp.readAll().split('\n');
  if (lines.isEmpty() || lines.front() != kFirst_Line) return broken;
  QStringList names;
  QStringList changed;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QList<QByteArray> fields = lines[i].split(' ');
    if (fields.size() != 3) return broken;
    const QString name = QString::fromUtf8(fields[0]);
    if (name.contains(QLatin1Char('/')) || name == QLatin1String("..")) return broken;
    names << name;
    QFile member(folder + QLatin1Char('/') + name);
    bool ok = false;
    const qint64 size = fields[1].toLongLong(&ok);
    if (!ok || !member.open(QIODevice::ReadOnly) || member.size() != size || Digest(member.readAll()) != fields[2])
      changed << name;
  }
  if (names.isEmpty()) return broken;
  if (changed.isEmpty()) return {};
  return QStringLiteral(
             "The files %1 in \"%2\" do not belong together: %3 %4 from the last save, which was cut "
             "short or changed afterwards. Compile the configuration again.")
      .arg(names.join(QStringLiteral(", ")), folder, changed.join(QStringLiteral(", ")),
           changed.size() == 1 ? QStringLiteral("differs") : QStringLiteral("differ"));
}

}  // namespace file_set
