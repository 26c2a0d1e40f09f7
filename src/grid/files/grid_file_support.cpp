// Shared steps of the grid's file services.
#include "grid/files/grid_file_support.h"

#include <QFile>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"
#include "platform/text_file.h"

namespace grid_files {

void Progress::Report(long long part, long long whole) {
  if (!grid_.OnFileProgress) return;
  const int percent = int(std::lround(100.0 * double(part) / double(std::max(1LL, whole))));
  if (percent == last_) return;
  last_ = percent;
  grid_.OnFileProgress(&grid_, percent);
}

QByteArray Encode_Lines(const QStringList& lines, Encoding encoding) {
  QString text;
  qsizetype size = 0;
  for (const QString& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const QString& line : lines) {
    text += line;
    text += QLatin1String("\r\n");
  }
  return Encode_Text(text, encoding);
}

QByteArray Encode_Text(const QString& text, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8_Bom:
      return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf16_Bom: {
      QByteArray bytes("\xFF\xFE");
      bytes.reserve(2 + text.size() * 2);
      for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
      }
      return bytes;
    }
    case Encoding::Ansi:
      break;
  }
  return ansi::Encode(text);
}

QByteArray Read_Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw VAzaZeriVader(QStringLiteral("File %1 not found").arg(path).toStdString());
  return file.readAll();
}

QStringList Split_Lines(const QByteArray& bytes) {
  const QString text = text_file::Decode(bytes);
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar ch = text[i];
    if (ch != u'\r' && ch != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}

void Write_File(const QString& path, const QByteArray& bytes) { atomic_file::Write(path, bytes); }

long long Lenient_Number(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  int base = 10;
  if (i < n && text[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  long long value = 0;
  for (; i < n; ++i) {
    const char16_t u = text[i].unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
      d = u - u'0';
    else if (base == 16 && u >= u'a' && u <= u'f')
      d = u - u'a' + 10;
    else if (base == 16 && u >= u'A' && u <= u'F')
      d = u - u'A' + 10;
    if (d < 0) break;
    // Beyond any count the grid takes; stop growing rather than overflow.
    if (value < (1LL << 40)) value = value * base + d;
  }
  return negative ? -value : value;
}

int Save_Col(TZadIrururOziz& grid, int c) { return grid.SaveHiddenCells() ? c : grid.RealColIndex(c); }

void Cells_Loaded(TZadIrururOziz& grid) {
  grid.DoCellsChanged(TGridRect{0, 0, grid.ColCount(), grid.RowCount()});
  // The footer's recalculation is not in the grid yet; its repaint stands
  // in until it is.
  grid.InvalidateGrid();
}

}  // namespace grid_files
