// A set of files replaced together: the members are written exactly as
// given, a set cut short between two renames is recognised, and the next
// save clears what the cut-short one left.
#include "platform/file_set.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace {

const std::vector<file_set::Member> kOld = {{"bank1.bin", "old one"}, {"bank2.bin", "old two"}};
const std::vector<file_set::Member> kNew = {{"bank1.bin", QByteArray(59392, '\1')}, {"bank2.bin", "new two"}};

QStringList Entries(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

// Saves kNew over kOld in a child that is killed after `renames` renames.
void Save_Killed_After(const Temp_Dir& dir, int renames) {
  file_set::Write(dir.Path(), "banks.stamp", kOld);
  const pid_t pid = fork();
  if (pid == 0) {
    int done = 0;
    file_set::Write(dir.Path(), "banks.stamp", kNew, [&] {
      if (++done == renames) raise(SIGKILL);
    });
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child was not killed";
}

TEST(FileSet, MembersAreWrittenAsGivenWithAStampBeside) {
  Temp_Dir dir;
  file_set::Write(dir.Path(), "banks.stamp", kNew);
  EXPECT_EQ(Entries(dir.Path()), (QStringList{"bank1.bin", "bank2.bin", "banks.stamp"}));
  EXPECT_EQ(dir.Read("bank1.bin"), kNew[0].bytes);
  EXPECT_EQ(dir.Read("bank2.bin"), "new two");
  const QList<QByteArray> stamp = dir.Read("banks.stamp").split('\n');
  ASSERT_GE(stamp.size(), 3);
  EXPECT_EQ(stamp[0], "file-set 1");
  EXPECT_TRUE(stamp[1].startsWith("bank1.bin 59392 ")) << stamp[1].constData();
  EXPECT_TRUE(stamp[2].startsWith("bank2.bin 7 ")) << stamp[2].constData();
  EXPECT_EQ(file_set::Mismatch(dir.Path(), "banks.stamp"), "");
}

// Killed after the stamp only, or after the stamp and the first file: either
// way the mixture is recognised; the next save clears the temporary files.
TEST(FileSet, SaveKilledBetweenRenamesIsRecognisedAndMendedByTheNextSave) {
  for (int renames : {1, 2}) {
    SCOPED_TRACE(renames);
    Temp_Dir dir;
    Save_Killed_After(dir, renames);
    const QString mismatch = file_set::Mismatch(dir.Path(), "banks.stamp");
    EXPECT_TRUE(mismatch.contains("do not belong together")) << mismatch.toStdString();
    EXPECT_TRUE(mismatch.contains("bank2.bin")) << mismatch.toStdString();
    EXPECT_TRUE(mismatch.contains(renames == 1 ? "bank1.bin, bank2.bin differ " : "bank2.bin differs "))
        << mismatch.toStdString();
    EXPECT_TRUE(Entries(dir.Path()).contains("bank2.bin.saving"));

    file_set::Write(dir.Path(), "banks.stamp", kNew);
    EXPECT_EQ(Entries(dir.Path()), (QStringList{"bank1.bin", "bank2.bin", "banks.stamp"}));
    EXPECT_EQ(file_set::Mismatch(dir.Path(), "banks.stamp"), "");
  }
}

TEST(FileSet, ChangedMissingOrUnstampedFiles) {
  Temp_Dir dir;
  EXPECT_EQ(file_set::Mismatch(dir.Path(), "banks.stamp"), "") << "files from before stamps";
  file_set::Write(dir.Path(), "banks.stamp", kOld);
  dir.Write("bank2.bin", "old twx");  // same size, other bytes
  EXPECT_TRUE(file_set::Mismatch(dir.Path(), "banks.stamp").contains("bank2.bin differs"));
  QFile::remove(dir.File("bank2.bin"));
  EXPECT_TRUE(file_set::Mismatch(dir.Path(), "banks.stamp").contains("bank2.bin differs"));
  for (const char* stamp : {"", "file-set 1\n", "file-set 1\nbank1.bin 7\n", "other\n", "file-set 1\n../x 1 00\n"}) {
    dir.Write("banks.stamp", stamp);
    EXPECT_TRUE(file_set::Mismatch(dir.Path(), "banks.stamp").contains("cannot be read")) << stamp;
  }
}

// A folder in the way of the second file: found before anything is renamed.
TEST(FileSet, FailureBeforeTheRenamesKeepsTheOldSet) {
  Temp_Dir dir;
  file_set::Write(dir.Path(), "banks.stamp", {{"bank1.bin", "old one"}});
  ASSERT_TRUE(QDir().mkpath(dir.File("bank2.bin")));
  try {
    file_set::Write(dir.Path(), "banks.stamp", kNew);
    ADD_FAILURE() << "the save did not fail";
  } catch (const File_Write_Error& e) {
    EXPECT_NE(std::string(e.what()).find("bank2.bin"), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir.Read("bank1.bin"), "old one");
  EXPECT_EQ(file_set::Mismatch(dir.Path(), "banks.stamp"), "");
  EXPECT_EQ(Entries(dir.Path()), (QStringList{"bank1.bin", "banks.stamp"}));
}

}  // namespace
