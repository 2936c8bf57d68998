/** @file FileSavingTest.cpp
 ** Saves keep what the file is (mode, owner, links), lose nothing when they fail half-way,
 ** and leave the old or the new file when the saving process is killed. **/
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "platform/core/Exceptions.h"
#include "platform/core/FileSaving.h"

namespace {
QByteArray ReadBytes(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

struct stat StatusOf(const QString& Path) {
  struct stat Status {};
  ::lstat(QFile::encodeName(Path).constData(), &Status);
  return Status;
}

QStringList EntriesOf(const QTemporaryDir& Dir) {
  return QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

// Writes beyond Limit bytes fail with "File too large" while it lives, as a full disk would.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t Limit) {
    ::getrlimit(RLIMIT_FSIZE, &FOld);
    FOldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit New = FOld;
    New.rlim_cur = Limit;
    ::setrlimit(RLIMIT_FSIZE, &New);
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &FOld);
    ::signal(SIGXFSZ, FOldHandler);
  }

 private:
  rlimit FOld{};
  sighandler_t FOldHandler;
};
}  // namespace

TEST(FileSaving, KeepsModeOwnerGroupAndLinks) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("a.yor");
  const QByteArray Name = QFile::encodeName(Path);
  struct {
    const char* Name;
    std::function<void()> Prepare;
    std::function<void(const struct stat& Before, const struct stat& After)> Check;
  } Cases[] = {
      {"read-only mode, as root may save it", [&] { ::chmod(Name, 0444); },
       [](const struct stat&, const struct stat& After) { EXPECT_EQ(After.st_mode & 07777, 0444u); }},
      {"set-group-id and sticky bits", [&] { ::chmod(Name, 03751); },
       [](const struct stat&, const struct stat& After) { EXPECT_EQ(After.st_mode & 07777, 03751u); }},
      {"another owner and group",
       [&] {
         if (::geteuid() == 0) {
           ASSERT_EQ(::chown(Name, 1234, 2345), 0);
         }
       },
       [](const struct stat& Before, const struct stat& After) {
         EXPECT_EQ(After.st_uid, Before.st_uid);
         EXPECT_EQ(After.st_gid, Before.st_gid);
       }},
      {"a second hard link", [&] { ASSERT_EQ(::link(Name, QFile::encodeName(Dir.filePath("b.yor"))), 0); },
       [&](const struct stat& Before, const struct stat& After) {
         EXPECT_EQ(After.st_ino, Before.st_ino);
         EXPECT_EQ(After.st_nlink, 2u);
         EXPECT_EQ(ReadBytes(Dir.filePath("b.yor")), "new");
         QFile::remove(Dir.filePath("b.yor"));
       }},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    QFile::remove(Path);
    SaveFileBytes(Path, "old");
    C.Prepare();
    const struct stat Before = StatusOf(Path);
    SaveFileBytes(Path, "new");
    EXPECT_EQ(ReadBytes(Path), "new");
    C.Check(Before, StatusOf(Path));
    EXPECT_EQ(EntriesOf(Dir), QStringList{"a.yor"});
  }
}

TEST(FileSaving, NewFilesFollowTheUmaskAndLinksAreFollowed) {
  QTemporaryDir Dir;
  const mode_t Mask = ::umask(022);
  SaveFileBytes(Dir.filePath("new.yor"), "x");
  EXPECT_EQ(StatusOf(Dir.filePath("new.yor")).st_mode & 07777, 0644u);
  ::umask(Mask);
  ASSERT_TRUE(QFile::link("new.yor", Dir.filePath("link.yor")));
  SaveFileBytes(Dir.filePath("link.yor"), "through the link");
  EXPECT_TRUE(S_ISLNK(StatusOf(Dir.filePath("link.yor")).st_mode));
  EXPECT_EQ(ReadBytes(Dir.filePath("new.yor")), "through the link");
}

// A write that fails half-way, replacing or in place, leaves the old content and no debris.
TEST(FileSaving, WritesFailingHalfWayKeepTheOldContent) {
  const QByteArray New(5000, 'n');
  struct {
    const char* Name;
    QByteArray Old;
    bool Linked;
  } Cases[] = {
      {"replacing", QByteArray(500, 'o'), false},
      {"in place, restored from the old content", QByteArray(500, 'o'), true},
      {"in place, no room for the backup", QByteArray(1500, 'o'), true},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("a.yor");
    SaveFileBytes(Path, C.Old);
    if (C.Linked) {
      ASSERT_EQ(::link(QFile::encodeName(Path), QFile::encodeName(Dir.filePath("b.yor"))), 0);
    }
    const QStringList Entries = EntriesOf(Dir);
    try {
      TFileSizeLimit Limit(1000);
      SaveFileBytes(Path, New);
      ADD_FAILURE() << "saved";
    } catch (const EFCreateError& Error) {
      EXPECT_EQ(Error.Message(), QString("Cannot create file \"%1\". File too large").arg(Path));
    }
    EXPECT_EQ(ReadBytes(Path), C.Old);
    EXPECT_EQ(EntriesOf(Dir), Entries);
  }
}

// Each child saves in a loop until it is killed at a random moment after its first save;
// the file is always whole.
TEST(FileSaving, AKilledSaveLeavesTheOldOrTheNewFile) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("a.yor");
  const QByteArray First(64 * 1024, 'a'), Second(96 * 1024, 'b');
  SaveFileBytes(Path, First);
  const quint32 Seed = QRandomGenerator::global()->generate();
  std::printf("seed %u\n", Seed);
  QRandomGenerator Random(Seed);
  int SeenSecond = 0;
  const int Kills = 60;
  for (int Kill = 0; Kill < Kills; ++Kill) {
    QProcess Saver;
    Saver.start(YOREL_SAVE_LOOP, {Path});
    ASSERT_TRUE(Saver.waitForReadyRead(10000)) << "the saver saved nothing";
    QThread::usleep(Random.bounded(10000));
    ::kill(static_cast<pid_t>(Saver.processId()), SIGKILL);
    ASSERT_TRUE(Saver.waitForFinished(10000));
    ASSERT_EQ(Saver.readAllStandardError(), "") << "the saver failed";
    const QByteArray Now = ReadBytes(Path);
    ASSERT_TRUE(Now == First || Now == Second) << "kill " << Kill << ": " << Now.size() << " bytes";
    SeenSecond += Now == Second;
  }
  std::printf("%d of %d kills left the second content\n", SeenSecond, Kills);
}
