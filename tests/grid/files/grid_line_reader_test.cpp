// The block-wise line reader of the grid's file readers: every way a block
// may cut the text (inside a CR LF, inside a character, before the byte that
// decides the encoding) gives the lines of the whole text split at once.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringList>

#include "grid/files/grid_file_support.h"
#include "platform/text_file.h"

namespace {

constexpr qsizetype Block = qsizetype(1) << 20;

// The lines of the whole text, decoded and split in one piece.
QStringList Whole_Text_Lines(const QByteArray& bytes) {
  const QString text = text_file::Decode(bytes);
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start));
  return lines;
}

QStringList Read_All(grid_files::Line_Reader& reader) {
  QStringList lines;
  for (QStringView line; reader.Next(line);) lines.append(line.toString());
  return lines;
}

// Plain ASCII lines up to `size` bytes, then `tail`.
QByteArray Filled(qsizetype size, const QByteArray& tail) {
  QByteArray bytes;
  for (int n = 0; bytes.size() < size; ++n) bytes += "line " + QByteArray::number(n) + "\r\n";
  bytes.truncate(size);
  return bytes + tail;
}

void Expect_Same_Lines(const QByteArray& bytes) {
  const QStringList expected = Whole_Text_Lines(bytes);
  grid_files::Line_Reader in_memory(bytes);
  EXPECT_EQ(Read_All(in_memory), expected);
  ASSERT_TRUE(in_memory.Rewind());
  EXPECT_EQ(Read_All(in_memory), expected);
  QBuffer device;
  device.setData(bytes);
  ASSERT_TRUE(device.open(QIODevice::ReadOnly));
  grid_files::Line_Reader from_device(device);
  EXPECT_EQ(Read_All(from_device), expected);
  // A second reading, as the CSV reader counts the lines first.
  ASSERT_TRUE(from_device.Rewind());
  EXPECT_EQ(Read_All(from_device), expected);
  EXPECT_EQ(grid_files::Split_Lines(bytes), expected);
}

}  // namespace

TEST(LineReader, SmallTextsAndLineEnds) {
  for (const QByteArray& bytes :
       {QByteArray(), QByteArray("\r"), QByteArray("\n\n"), QByteArray("a"), QByteArray("a\r\nb\rc\nd"),
        QByteArray("a\r\n\r\nb\r\n"), QByteArray("a\n\rb"), QByteArray("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBFx\r\ny"),
        QByteArray("\xFF\xFEx\0\r\0\n\0y\0", 10), QByteArray("\xFE\xFF\0x\0\r\0y", 8), QByteArray("caf\xC3\xA9\r\n"),
        QByteArray("caf\xE9\r\n"), QByteArray("\x80\x9F")})
    Expect_Same_Lines(bytes);
}

TEST(LineReader, BlockCutsInsideLinesAndCharacters) {
  // A CR LF, a two-byte and a four-byte UTF-8 character, each cut by the
  // first block's end; a lone CR before it.
  for (qsizetype before : {Block - 1, Block - 2, Block - 3, Block})
    for (const QByteArray& tail : {QByteArray("\r\nnext\r\n"), QByteArray("\xC3\xA9\r\nx"),
                                   QByteArray("\xF0\x9F\x98\x80y"), QByteArray("\rz")})
      Expect_Same_Lines(Filled(before, tail));
}

TEST(LineReader, EncodingDecidedByBytesPastTheFirstBlock) {
  // Windows-1252 for the whole text when a byte far on is no UTF-8.
  Expect_Same_Lines(Filled(3 * Block + 5, "caf\xE9\r\n"));
  // A character cut by a block's end followed by ASCII is no UTF-8 either.
  Expect_Same_Lines(Filled(Block - 1, "\xC3") + Filled(Block, "end"));
  // Valid UTF-8 far on keeps the text UTF-8.
  Expect_Same_Lines(Filled(2 * Block + 7, "\xE2\x82\xAC\r\n"));
}

TEST(LineReader, Utf16AcrossBlocks) {
  QByteArray bytes("\xFF\xFE", 2);
  for (int n = 0; bytes.size() < 2 * Block + 3; ++n)
    for (QChar ch : QStringLiteral("r\u00E9%1\r\n").arg(n)) bytes.append(char(ch.unicode() & 0xFF)).append(char(ch.unicode() >> 8));
  Expect_Same_Lines(bytes);
  Expect_Same_Lines(bytes.left(Block + 1));
}

TEST(LineReader, DeviceReadFromItsPosition) {
  QBuffer device;
  device.setData(Filled(Block + 10, "\xE9 last"));
  ASSERT_TRUE(device.open(QIODevice::ReadOnly));
  ASSERT_TRUE(device.seek(4));
  grid_files::Line_Reader reader(device);
  EXPECT_EQ(Read_All(reader), Whole_Text_Lines(device.data().mid(4)));
}
