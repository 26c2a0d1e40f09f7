// Saves under faults and hostile folders: a full disk keeps the old file and
// says why; links never carry a save meant for PROJECTS out of it; a
// temporary file left by a killed save goes at the next save.
#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/file_set.h"
#include "support/small_tmpfs.h"
#include "support/temp_dir.h"

namespace {

bool Link(const QString& target, const QString& link) { return QFile::link(target, link); }

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

std::string Write_Error(const QString& path, const QByteArray& bytes) {
  try {
    atomic_file::Write(path, bytes);
  } catch (const File_Write_Error& e) {
    return e.what();
  }
  return {};
}

// PROJECTS guarded as the program guards it, the rest of the machine beside it.
class Guarded_Projects : public ::testing::Test {
 protected:
  Temp_Dir program;
  Temp_Dir outside;
  QString projects;
  void SetUp() override {
    projects = program.File("PROJECTS");
    ASSERT_TRUE(QDir().mkpath(projects + "/Plant/bin"));
    atomic_file::Guard_Folder(projects);
  }
  void TearDown() override { atomic_file::Guard_Folder(QString()); }
  void Expect_Refused(const QString& path, const char* what) {
    SCOPED_TRACE(what);
    const std::string error = Write_Error(path, "<new/>");
    EXPECT_NE(error.find(path.toStdString()), std::string::npos) << error;
    EXPECT_NE(error.find("outside the folder"), std::string::npos) << error;
  }
};

TEST_F(Guarded_Projects, LinksLeadingOutsideAreRefusedAndNothingIsWritten) {
  outside.Write("old.xml", "old");
  ASSERT_TRUE(Link(outside.Path(), projects + "/Elsewhere"));
  ASSERT_TRUE(Link(outside.File("old.xml"), projects + "/Plant/M_Bus.xml"));
  ASSERT_TRUE(Link(outside.File("new.xml"), projects + "/Plant/ParGen.xml"));  // dangling
  ASSERT_TRUE(QDir().mkpath(projects + "/Other"));
  ASSERT_TRUE(Link(outside.Path(), projects + "/Other/bin"));
  // A link through a second link inside PROJECTS.
  ASSERT_TRUE(Link(projects + "/Plant/M_Bus.xml", projects + "/Plant/Chain.xml"));

  Expect_Refused(projects + "/Elsewhere/M_Bus.xml", "configuration folder is a link");
  Expect_Refused(projects + "/Plant/M_Bus.xml", "the file is a link");
  Expect_Refused(projects + "/Plant/ParGen.xml", "a dangling link");
  Expect_Refused(projects + "/Other/bin/bank1.bin", "bin is a link");
  Expect_Refused(projects + "/Plant/Chain.xml", "a chain of links");
  Expect_Refused(projects + "/Plant/../Elsewhere/x.xml", "a path that climbs");
  EXPECT_EQ(Entries(outside.Path()), QStringList{"old.xml"});
  EXPECT_EQ(outside.Read("old.xml"), "old");
}

TEST_F(Guarded_Projects, LinksThatStayInsideAndALinkedProjectsFolderAreFine) {
  ASSERT_TRUE(Link(projects + "/Plant", projects + "/Alias"));
  atomic_file::Write(projects + "/Alias/M_Bus.xml", "<a/>");
  EXPECT_EQ(program.Read("PROJECTS/Plant/M_Bus.xml"), "<a/>");
  // A file link to another configuration is replaced where it points.
  ASSERT_TRUE(Link(projects + "/Plant/M_Bus.xml", projects + "/Plant/Copy.xml"));
  atomic_file::Write(projects + "/Plant/Copy.xml", "<b/>");
  EXPECT_EQ(program.Read("PROJECTS/Plant/M_Bus.xml"), "<b/>");
  EXPECT_TRUE(QFileInfo(projects + "/Plant/Copy.xml").isSymLink());

  // PROJECTS itself may live elsewhere: its real path is what counts.
  const QString moved = outside.File("projects");
  ASSERT_TRUE(QDir().rename(projects, moved));
  ASSERT_TRUE(Link(moved, projects));
  atomic_file::Write(projects + "/Plant/ParGen.xml", "<c/>");
  EXPECT_EQ(outside.Read("projects/Plant/ParGen.xml"), "<c/>");
  // Writes elsewhere are not the guard's business.
  atomic_file::Write(outside.File("free.txt"), "x");
  EXPECT_EQ(outside.Read("free.txt"), "x");
}

TEST(AtomicFile, LinkLoopAndMissingFolderAreClearErrors) {
  Temp_Dir dir;
  ASSERT_TRUE(Link(dir.File("b"), dir.File("a")));
  ASSERT_TRUE(Link(dir.File("a"), dir.File("b")));
  EXPECT_NE(Write_Error(dir.File("a"), "x").find("symbolic links"), std::string::npos)
      << Write_Error(dir.File("a"), "x");
  EXPECT_NE(Write_Error(dir.File("none/f.xml"), "x").find("No such file or directory"), std::string::npos);
  EXPECT_NE(Write_Error(dir.Path(), "x").find("Is a directory"), std::string::npos) << Write_Error(dir.Path(), "x");
}

// The temporary name is fixed: what a killed save left there goes, and a link
// planted in its place is replaced, never written through.
TEST(AtomicFile, LeftoverOrPlantedTemporaryFileIsReplaced) {
  Temp_Dir dir, outside;
  const QString path = dir.Write("M_Bus.xml", "old");
  dir.Write("M_Bus.xml.saving", "half a file from a killed save");
  atomic_file::Write(path, "new");
  EXPECT_EQ(dir.Read("M_Bus.xml"), "new");
  EXPECT_EQ(Entries(dir.Path()), QStringList{"M_Bus.xml"});

  outside.Write("victim", "keep");
  ASSERT_TRUE(Link(outside.File("victim"), dir.File("M_Bus.xml.saving")));
  atomic_file::Write(path, "newer");
  EXPECT_EQ(dir.Read("M_Bus.xml"), "newer");
  EXPECT_EQ(outside.Read("victim"), "keep");
}

// A file written in parts: the old file stands until the commit; a writer
// given up (a producer's exception) leaves the old file and no temporary one;
// a path that cannot be written fails at the first part.
TEST(AtomicFile, WriterInPartsReplacesOnlyOnCommit) {
  Temp_Dir dir;
  const QString path = dir.Write("grid.csv", "old");
  {
    atomic_file::Writer file(path);
    file.Append("a,b\r\n");
    file.Append("c,d\r\n");
    EXPECT_EQ(dir.Read("grid.csv"), "old");
    file.Commit();
  }
  EXPECT_EQ(dir.Read("grid.csv"), "a,b\r\nc,d\r\n");
  EXPECT_EQ(Entries(dir.Path()), QStringList{"grid.csv"});

  {
    atomic_file::Writer file(path);
    file.Append("half");
  }
  EXPECT_EQ(dir.Read("grid.csv"), "a,b\r\nc,d\r\n");
  EXPECT_EQ(Entries(dir.Path()), QStringList{"grid.csv"});

  atomic_file::Writer nowhere(dir.File("none/grid.csv"));
  EXPECT_THROW(nowhere.Append("x"), File_Write_Error);
  EXPECT_THROW(nowhere.Commit(), File_Write_Error);

  // Nothing appended still makes an empty file.
  atomic_file::Writer empty(dir.File("empty.csv"));
  empty.Commit();
  EXPECT_TRUE(QFileInfo(dir.File("empty.csv")).exists());
  EXPECT_EQ(QFileInfo(dir.File("empty.csv")).size(), 0);
}

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFile) {
  Temp_Dir dir;
  const QString path = dir.Write("bank1.bin", "old");
  const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
  ASSERT_TRUE(QFile::setPermissions(path, mode));
  atomic_file::Write(path, "new");
  EXPECT_EQ(QFile::permissions(path) & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther |
                                        QFile::WriteGroup | QFile::WriteOther),
            mode);
}

// A small tmpfs that the new contents do not fit: the message is the system's
// reason with the file's name, the old file stays, no temporary file is left.
TEST(AtomicFile, FullDiskSaysNoSpaceAndKeepsTheOldFile) {
  Temp_Dir dir;
  std::string why_not;
  const QString mount = dir.Path();
  const std::optional<std::string> result = Run_On_Small_Tmpfs(
      mount, 64,
      [&]() -> std::string {
        const QString path = mount + "/PROJECTS/M_Bus.xml";
        QDir().mkpath(mount + "/PROJECTS");
        QFile old(path);
        if (!old.open(QIODevice::WriteOnly) || old.write("old network") != 11) return "cannot write the old file";
        old.close();
        std::string out = Write_Error(path, QByteArray(256 * 1024, 'x'));
        QFile again(path);
        again.open(QIODevice::ReadOnly);
        out += "|" + again.readAll().toStdString() + "|" + Entries(mount + "/PROJECTS").join(',').toStdString();
        // A set of files meets the same end: nothing of the new set is left.
        try {
          file_set::Write(mount + "/PROJECTS", "set.stamp",
                          {{"a.bin", "new a"}, {"b.bin", QByteArray(256 * 1024, 'b')}});
          out += "|set written";
        } catch (const File_Write_Error& e) {
          out += std::string("|") + e.what() + "|" + Entries(mount + "/PROJECTS").join(',').toStdString();
        }
        return out;
      },
      why_not);
  if (!result) GTEST_SKIP() << "no tmpfs can be mounted here: " << why_not;
  const QStringList parts = QString::fromStdString(*result).split('|');
  ASSERT_EQ(parts.size(), 5) << *result;
  EXPECT_TRUE(parts[0].contains("No space left on device")) << parts[0].toStdString();
  EXPECT_TRUE(parts[0].contains(mount + "/PROJECTS/M_Bus.xml")) << parts[0].toStdString();
  EXPECT_EQ(parts[1], "old network");
  EXPECT_EQ(parts[2], "M_Bus.xml");
  EXPECT_TRUE(parts[3].contains("No space left on device")) << parts[3].toStdString();
  EXPECT_TRUE(parts[3].contains("b.bin")) << parts[3].toStdString();
  EXPECT_EQ(parts[4], "M_Bus.xml");
}

}  // namespace
