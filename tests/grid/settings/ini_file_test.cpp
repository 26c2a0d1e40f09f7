// The INI file class: names without regard to case, values as written, and
// a write that changes only the lines it has to.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "grid/settings/ini_file.h"
#include "platform/atomic_file.h"

namespace {

const QByteArray kFile =
    "; kept comment\r\n"
    "top=1\r\n"
    "[Grid]\r\n"
    "Col0=64\r\n"
    "  Spaced Key =  two words \r\n"
    "not a value line\r\n"
    "\r\n"
    "[Other]\r\n"
    "col0=99\r\n"
    "Name=caf\xe9\r\n"
    "[Last]\r\n"
    "x=1";

TEST(IniFile, ReadsNamesWithoutCaseAndValuesAsWritten) {
  const Ini_File ini = Ini_File::From_Bytes(kFile);
  EXPECT_EQ(ini.Read_Integer(QStringLiteral("grid"), QStringLiteral("COL0"), -1), 64);
  EXPECT_EQ(ini.Read_Integer(QStringLiteral("OTHER"), QStringLiteral("Col0"), -1), 99);
  EXPECT_EQ(ini.Read(QStringLiteral("Grid"), QStringLiteral("spaced key")), QStringLiteral("  two words "));
  EXPECT_EQ(ini.Read(QString(), QStringLiteral("TOP")), QStringLiteral("1"));
  // Not valid UTF-8: Windows-1252.
  EXPECT_EQ(ini.Read(QStringLiteral("Other"), QStringLiteral("name")), QString::fromUtf8("caf\xc3\xa9"));
  EXPECT_FALSE(ini.Read(QStringLiteral("Grid"), QStringLiteral("Name")));
  EXPECT_FALSE(ini.Read(QStringLiteral("Missing"), QStringLiteral("Col0")));
  EXPECT_FALSE(ini.Read(QStringLiteral("Grid"), QStringLiteral("not a value line")));
  EXPECT_EQ(ini.Read_Integer(QStringLiteral("Grid"), QStringLiteral("Spaced Key"), -7), -7);
  EXPECT_EQ(ini.Read_String(QStringLiteral("Grid"), QStringLiteral("none"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST(IniFile, WritingChangesOnlyItsOwnLines) {
  Ini_File ini = Ini_File::From_Bytes(kFile);
  ini.Write_Integer(QStringLiteral("GRID"), QStringLiteral("col0"), 70);
  ini.Write_Integer(QStringLiteral("Grid"), QStringLiteral("Col1"), 80);
  ini.Write_String(QStringLiteral("Last"), QStringLiteral("y"), QStringLiteral("a\r\nb"));
  ini.Write_String(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("v"));
  EXPECT_EQ(ini.Bytes(), QByteArray("; kept comment\r\n"
                                    "top=1\r\n"
                                    "[Grid]\r\n"
                                    "col0=70\r\n"
                                    "  Spaced Key =  two words \r\n"
                                    "Col1=80\r\n"
                                    "not a value line\r\n"
                                    "\r\n"
                                    "[Other]\r\n"
                                    "col0=99\r\n"
                                    "Name=caf\xe9\r\n"
                                    "[Last]\r\n"
                                    "x=1\r\n"
                                    "y=a  b\r\n"
                                    "[New]\r\n"
                                    "k=v\r\n"));
}

TEST(IniFile, OpenAndUpdateAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("grid.ini"));
  Ini_File ini = Ini_File::Open(path);  // missing: empty
  EXPECT_TRUE(ini.Bytes().isEmpty());
  ini.Write_Integer(QStringLiteral("S"), QStringLiteral("a"), 1);
  ini.Update();
  EXPECT_EQ(Ini_File::Open(path).Bytes(), QByteArray("[S]\r\na=1\r\n"));
  // LF files stay LF.
  Ini_File lf = Ini_File::From_Bytes("[S]\na=1\n", path);
  lf.Write_Integer(QStringLiteral("S"), QStringLiteral("b"), 2);
  EXPECT_EQ(lf.Bytes(), QByteArray("[S]\na=1\nb=2\n"));
  // A folder that does not exist: the platform's write error, nothing made.
  const Ini_File nowhere(dir.filePath(QStringLiteral("no/such/grid.ini")));
  EXPECT_THROW(nowhere.Update(), File_Write_Error);
}

}  // namespace
