#include "shell/logic/com_ports.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

namespace com_ports {
namespace {

QString g_device_folder;

struct Device_Family {
  const char* prefix;
  int first_number;
  int count;
};

constexpr Device_Family kFamilies[] = {{"ttyS", 1, 64}, {"ttyUSB", 65, 96}, {"ttyACM", 161, 96}};

}  // namespace

QString Device_Folder() { return g_device_folder.isEmpty() ? QStringLiteral("/dev") : g_device_folder; }

void Override_Device_Folder(const QString& folder) { g_device_folder = folder; }

int Number_Of_Device(const QString& device_name) {
  static const QRegularExpression pattern(QStringLiteral("^(ttyS|ttyUSB|ttyACM)(0|[1-9][0-9]{0,2})$"));
  const QRegularExpressionMatch match = pattern.match(device_name);
  if (!match.hasMatch()) return 0;
  const int index = match.captured(2).toInt();
  for (const Device_Family& family : kFamilies)
    if (match.captured(1) == QLatin1String(family.prefix))
      return index < family.count ? family.first_number + index : 0;
  return 0;
}

QString Device_Path(int number) {
  for (const Device_Family& family : kFamilies)
    if (number >= family.first_number && number < family.first_number + family.count)
      return Device_Folder() + QLatin1Char('/') + QLatin1String(family.prefix) +
             QString::number(number - family.first_number);
  return {};
}

}  // namespace com_ports

namespace {

bool Port_Present(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  // Held by another program or not ours: the port is there all the same.
  return errno == EACCES || errno == EBUSY || errno == EPERM;
}

}  // namespace

QStringList List_COM_Ports() {
  const QDir folder(com_ports::Device_Folder());
  const QStringList names = folder.entryList({QStringLiteral("tty*")}, QDir::AllEntries | QDir::System);
  QList<int> numbers;
  for (const QString& name : names) {
    const int number = com_ports::Number_Of_Device(name);
    if (number > 0 && Port_Present(folder.filePath(name))) numbers.append(number);
  }
  std::sort(numbers.begin(), numbers.end());
  QStringList result;
  for (int number : numbers) result.append(QString::number(number));
  return result;
}
