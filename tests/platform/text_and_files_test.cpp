#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"
#include "platform/file_resolver.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"

namespace {

TEST(AnsiCodec, RoundTripsEveryDefinedByte) {
  QByteArray all;
  for (int b = 1; b < 256; ++b) all.append(static_cast<char>(b));
  EXPECT_EQ(ansi::Encode(ansi::Decode(all)), all);
  EXPECT_EQ(ansi::Decode("\x80\xE0\x9F"), QString::fromUtf8("\xE2\x82\xAC\xC3\xA0\xC5\xB8"));  // € à Ÿ
  EXPECT_EQ(ansi::Encode(QString::fromUtf8("\xE2\x98\x83")), QByteArray("?"));  // snowman
}

TEST(TextFile, EncodingByMarkOrContent) {
  EXPECT_EQ(text_file::Decode("\xEF\xBB\xBF\xC3\xA0"), QString::fromUtf8("\xC3\xA0"));
  EXPECT_EQ(text_file::Decode(QByteArray("\xFF\xFE\xE0\x00", 4)), QString::fromUtf8("\xC3\xA0"));
  EXPECT_EQ(text_file::Decode(QByteArray("\xFE\xFF\x00\xE0", 4)), QString::fromUtf8("\xC3\xA0"));
  EXPECT_EQ(text_file::Decode("\xC3\xA0"), QString::fromUtf8("\xC3\xA0"));
  EXPECT_EQ(text_file::Decode("\xE0 x"), QString::fromUtf8("\xC3\xA0 x"));
  // Only the mark goes: a text that starts with U+FEFF keeps it.
  EXPECT_EQ(text_file::Decode("\xEF\xBB\xBF\xEF\xBB\xBF" "a"), QString(QChar(0xFEFF)) + "a");
  EXPECT_EQ(text_file::Decode(QByteArray("\xFF\xFE\xFF\xFE" "a\0", 6)), QString(QChar(0xFEFF)) + "a");
}

TEST(TextFile, LinesDropCarriageReturns) {
  Temp_Dir dir;
  const auto lines = text_file::Read_Lines(dir.Write("a.txt", "one\r\ntwo\nthree"));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, QStringList({"one", "two", "three"}));
  EXPECT_FALSE(text_file::Read_Lines(dir.File("missing.txt")));
}

TEST(FileResolver, FindsExistingFileWhateverItsCase) {
  Temp_Dir dir;
  dir.Write("ParGen.xml", "x");
  EXPECT_EQ(file_resolver::Resolve(dir.Path(), "pargen.xml"), dir.File("ParGen.xml"));
  EXPECT_EQ(file_resolver::Resolve(dir.Path(), "PARGEN.XML"), dir.File("ParGen.xml"));
  EXPECT_EQ(file_resolver::Resolve(dir.Path(), "New.xml"), dir.File("New.xml"));
  EXPECT_EQ(file_resolver::Resolve_Path(dir.File("PARGEN.xml")), dir.File("ParGen.xml"));
}

TEST(AtomicFile, ReplacesWholeFile) {
  Temp_Dir dir;
  const QString path = dir.Write("bank1.bin", "old contents");
  atomic_file::Write(path, "new");
  EXPECT_EQ(dir.Read("bank1.bin"), QByteArray("new"));
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

TEST(AtomicFile, FailureNamesTheFileAndKeepsTheOld) {
  Temp_Dir dir;
  const QString missing = dir.File("no/such/folder/f.xml");
  try {
    atomic_file::Write(missing, "x");
    FAIL() << "expected File_Write_Error";
  } catch (const File_Write_Error& e) {
    EXPECT_EQ(e.Path(), missing);
    EXPECT_NE(std::string(e.what()).find("f.xml"), std::string::npos);
  }

  const QString locked_dir = dir.File("locked");
  QDir().mkpath(locked_dir);
  const QString path = dir.Write("locked/f.xml", "old");
  QFile::setPermissions(locked_dir, QFile::ReadOwner | QFile::ExeOwner);
  if (QFile(locked_dir + "/probe").open(QIODevice::WriteOnly)) GTEST_SKIP() << "running with rights that ignore permissions";
  EXPECT_THROW(atomic_file::Write(path, "new"), File_Write_Error);
  EXPECT_EQ(dir.Read("locked/f.xml"), QByteArray("old"));
  QFile::setPermissions(locked_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
