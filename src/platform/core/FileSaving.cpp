/** @file FileSaving.cpp
 ** Saving through a renamed temporary or in place behind a backup, with the system's calls
 ** so that mode, owner and the folder's entry are kept and flushed exactly. **/
#include "platform/core/FileSaving.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/core/Exceptions.h"

namespace {
QString Reason(int Code) {
  return QString::fromLocal8Bit(std::strerror(Code));
}

// The reason a step failed, in the words the user sees.
class TFailure {
 public:
  explicit TFailure(int Code) : FText(Reason(Code)) {}
  explicit TFailure(QString Text) : FText(std::move(Text)) {}
  const QString& Text() const { return FText; }

 private:
  QString FText;
};

[[noreturn]] void Fail() {
  throw TFailure(errno);
}

class TDescriptor {
 public:
  explicit TDescriptor(int Fd) : FFd(Fd) {}
  ~TDescriptor() {
    if (FFd >= 0) ::close(FFd);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Fd() const { return FFd; }
  void Close() {
    const int Fd = FFd;
    FFd = -1;
    if (::close(Fd) != 0) Fail();
  }

 private:
  int FFd;
};

void WriteAt0(int Fd, const QByteArray& Bytes) {
  for (qsizetype Done = 0; Done < Bytes.size();) {
    const ssize_t Written = ::pwrite(Fd, Bytes.constData() + Done, Bytes.size() - Done, Done);
    if (Written < 0 && errno == EINTR) continue;
    if (Written < 0) Fail();
    Done += Written;
  }
  if (::ftruncate(Fd, Bytes.size()) != 0 || ::fsync(Fd) != 0) Fail();
}

QByteArray ReadAll(const QByteArray& Path) {
  TDescriptor File(::open(Path.constData(), O_RDONLY | O_CLOEXEC));
  if (File.Fd() < 0) Fail();
  QByteArray Bytes;
  char Buffer[65536];
  for (;;) {
    const ssize_t Read = ::read(File.Fd(), Buffer, sizeof Buffer);
    if (Read < 0 && errno == EINTR) continue;
    if (Read < 0) Fail();
    if (Read == 0) return Bytes;
    Bytes.append(Buffer, Read);
  }
}

// A new file with a name of its own beside Base, created with Mode less the umask.
std::pair<int, QByteArray> CreateUnique(const QByteArray& Folder, const QByteArray& Base,
                                        const char* Suffix, mode_t Mode) {
  for (;;) {
    const QByteArray Path = Folder + "/." + Base + "." +
                            QByteArray::number(QRandomGenerator::global()->generate(), 36) +
                            Suffix;
    const int Fd = ::open(Path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
    if (Fd >= 0 || errno != EEXIST) return {Fd, Path};
  }
}

void SyncFolder(const QByteArray& Folder) {
  // The new name is on disk only when the folder is; a failure here loses no content.
  const int Fd = ::open(Folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Fd < 0) return;
  ::fsync(Fd);
  ::close(Fd);
}

bool NotPermitted(int Code) {
  return Code == EACCES || Code == EPERM;
}

// A new file renamed over Target, with Old's mode, owner and group. False, having changed
// nothing, when the folder takes no new file or the owner cannot be given.
bool ReplaceAtomically(const QByteArray& Target, const QByteArray& Bytes,
                       const std::optional<struct stat>& Old) {
  const QByteArray Folder = QFile::encodeName(QFileInfo(QFile::decodeName(Target)).path());
  const QByteArray Base = QFile::encodeName(QFileInfo(QFile::decodeName(Target)).fileName());
  auto [Fd, Temp] = CreateUnique(Folder, Base, ".tmp", 0666);
  if (Fd < 0 && Old && NotPermitted(errno)) return false;
  if (Fd < 0) Fail();
  TDescriptor File(Fd);
  try {
    if (Old) {
      struct stat New {};
      if (::fstat(Fd, &New) != 0) Fail();
      if ((New.st_uid != Old->st_uid || New.st_gid != Old->st_gid) &&
          ::fchown(Fd, Old->st_uid, Old->st_gid) != 0) {
        if (!NotPermitted(errno)) Fail();
        File.Close();
        ::unlink(Temp.constData());
        return false;
      }
      // After the owner: changing the owner clears the set-id bits.
      if (::fchmod(Fd, Old->st_mode & 07777) != 0) Fail();
    }
    WriteAt0(Fd, Bytes);
    File.Close();
    if (::rename(Temp.constData(), Target.constData()) != 0) Fail();
  } catch (const TFailure&) {
    ::unlink(Temp.constData());
    throw;
  }
  SyncFolder(Folder);
  return true;
}

// A copy of Content beside Target, or in the user's data folder when the folder beside
// takes none; its path.
QByteArray WriteBackup(const QByteArray& Target, const QByteArray& Content) {
  const QFileInfo Info(QFile::decodeName(Target));
  const QByteArray Base = QFile::encodeName(Info.fileName());
  auto [Fd, Path] = CreateUnique(QFile::encodeName(Info.path()), Base, ".backup", 0600);
  if (Fd < 0 && (NotPermitted(errno) || errno == EROFS)) {
    const QString DataFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
    QDir().mkpath(DataFolder);
    std::tie(Fd, Path) = CreateUnique(QFile::encodeName(DataFolder), Base, ".backup", 0600);
  }
  if (Fd < 0) Fail();
  TDescriptor File(Fd);
  try {
    WriteAt0(Fd, Content);
    File.Close();
  } catch (const TFailure&) {
    ::unlink(Path.constData());
    throw;
  }
  return Path;
}

// Target written over itself, so that its links, owner and mode stay; its old content is
// in a backup until the new one is complete, and written back should the writing fail.
void WriteInPlace(const QByteArray& Target, const QByteArray& Bytes) {
  const QByteArray OldContent = ReadAll(Target);
  const QByteArray Backup = WriteBackup(Target, OldContent);
  TDescriptor File(::open(Target.constData(), O_WRONLY | O_CLOEXEC));
  if (File.Fd() < 0) {
    const int Code = errno;
    ::unlink(Backup.constData());
    throw TFailure(Code);
  }
  try {
    WriteAt0(File.Fd(), Bytes);
    File.Close();
  } catch (const TFailure& Failure) {
    try {
      WriteAt0(File.Fd(), OldContent);
    } catch (const TFailure&) {
      throw TFailure(Failure.Text() +
                     QStringLiteral(". The file's previous content is kept in \"%1\"")
                         .arg(QFile::decodeName(Backup)));
    }
    ::unlink(Backup.constData());
    throw;
  }
  ::unlink(Backup.constData());
}

// Where the bytes go: at the end of the symbolic links, as far as they lead.
QString FinalName(const QString& FileName) {
  QFileInfo Info(FileName);
  for (int Depth = 0; Depth < 128 && Info.isSymLink(); ++Depth)
    Info.setFile(Info.symLinkTarget());
  return Info.isSymLink() ? FileName : Info.filePath();
}
}  // namespace

void SaveFileBytes(const QString& FileName, const QByteArray& Bytes) {
  const QString FullName = QDir::cleanPath(QFileInfo(FileName).absoluteFilePath());
  try {
    const QByteArray Target = QFile::encodeName(FinalName(FileName));
    struct stat Status {};
    std::optional<struct stat> Old;
    if (::stat(Target.constData(), &Status) == 0) {
      if (S_ISDIR(Status.st_mode)) throw TFailure(EISDIR);
      // A device or a pipe would be replaced by a plain file, or could not be backed up.
      if (!S_ISREG(Status.st_mode)) throw TFailure(QStringLiteral("Not a regular file"));
      if (::access(Target.constData(), W_OK) != 0) Fail();
      Old = Status;
    }
    const bool Linked = Old && Old->st_nlink > 1;
    if (Linked || !ReplaceAtomically(Target, Bytes, Old)) WriteInPlace(Target, Bytes);
  } catch (const TFailure& Failure) {
    throw EFCreateError(FullName, Failure.Text());
  }
}
