#include "scan/window/scan_progress_line.h"

#include "shell/core/globals.h"

namespace scan_progress {

std::optional<QString> Line(int32_t event, int32_t value, int32_t found, int32_t addressing) {
  const bool secondary = addressing == 2;
  switch (event) {
    case 1:
      if (secondary) return Lang(727);
      break;
    case 2:
      if (secondary)
        return QStringLiteral("ID = ") + QStringLiteral("%1").arg(uint32_t(value), 8, 16, QLatin1Char('0')).toUpper();
      if (addressing == 1)
        return QStringLiteral("ID = ") + QString::number(value) + QLatin1Char('\t') +
               (found == 0 ? QLatin1String(kNot_Found) : QLatin1String());
      break;
    case 3:
      if (secondary) return Lang(728);
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::optional<std::pair<QString, QString>> Not_Found_Parts(const QString& line) {
  if (!line.contains(QLatin1String(kNot_Found))) return std::nullopt;
  const qsizetype bracket = line.indexOf(QLatin1Char('['));
  return std::make_pair(line.left(bracket).trimmed(), line.mid(bracket).trimmed());
}

}  // namespace scan_progress
