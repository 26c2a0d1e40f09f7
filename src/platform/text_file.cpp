#include "platform/text_file.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/ansi_codec.h"

namespace text_file {
namespace {

bool StartsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark) {
  if (bytes.size() < static_cast<qsizetype>(mark.size())) return false;
  qsizetype i = 0;
  for (unsigned char b : mark)
    if (static_cast<unsigned char>(bytes[i++]) != b) return false;
  return true;
}

// The byte-order mark is cut off by the caller: a U+FEFF after it is the
// text's own first character, which the decoder would otherwise drop.
QString DecodeWith(QStringDecoder::Encoding encoding, const QByteArray& bytes) {
  QStringDecoder decoder(encoding, QStringDecoder::Flag::ConvertInitialBom);
  return decoder.decode(bytes);
}

}  // namespace

QString Decode(const QByteArray& bytes) {
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return DecodeWith(QStringDecoder::Utf8, bytes.mid(3));
  if (StartsWith(bytes, {0xFF, 0xFE})) return DecodeWith(QStringDecoder::Utf16LE, bytes.mid(2));
  if (StartsWith(bytes, {0xFE, 0xFF})) return DecodeWith(QStringDecoder::Utf16BE, bytes.mid(2));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  return ansi::Decode(bytes);
}

std::optional<QStringList> Read_Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QString text = Decode(file.readAll());
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return lines;
}

}  // namespace text_file
