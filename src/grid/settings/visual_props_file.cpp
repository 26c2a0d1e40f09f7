#include "grid/settings/visual_props_file.h"

#include <QStringDecoder>
#include <QStringList>

#include "platform/ansi_codec.h"

namespace {

QString Decode(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
  if (bytes.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
  return ansi::Decode(bytes);
}

}  // namespace

Visual_Props_File Visual_Props_File::Parse(const QByteArray& bytes) {
  Visual_Props_File file;
  QString text = Decode(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    const QString name = line.left(eq).toLower();
    if (!file.values_.contains(name)) file.values_.insert(name, line.mid(eq + 1));
  }
  return file;
}

std::optional<QString> Visual_Props_File::Value(const QString& name) const {
  const auto it = values_.constFind(name.toLower());
  if (it == values_.constEnd()) return std::nullopt;
  return *it;
}

QByteArray Visual_Props_File::Format(const std::vector<std::pair<QString, QString>>& lines) {
  QString text;
  for (const auto& [name, value] : lines) text += name + QLatin1Char('=') + value + QStringLiteral("\r\n");
  return ansi::Encode(text);
}
