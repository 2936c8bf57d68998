/** @file RecoveryStore.cpp **/
#include "studio/recovery/RecoveryStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace {
const QString LockSuffix = QStringLiteral(".lock");
const QString FileSuffix = QStringLiteral(".yrec");

QString LockOf(const QString& Folder) {
  return Folder + LockSuffix;
}
}  // namespace

TRecoveryStore& TRecoveryStore::Instance() {
  static TRecoveryStore* Store = new TRecoveryStore(
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
          QStringLiteral("/recovery"),
      QCoreApplication::instance());
  return *Store;
}

TRecoveryStore::TRecoveryStore(const QString& Root, QObject* Parent)
    : QObject(Parent), FRoot(Root) {
  FWorker.setMaxThreadCount(1);
}

// The studio's own store goes with the application object, after every window: a normal
// quit.
TRecoveryStore::~TRecoveryStore() {
  Shutdown();
}

QString TRecoveryStore::SessionFolder() {
  if (FLock) return FSession;
  QDir().mkpath(FRoot);
  // The process id and the time make the name unique; the lock says whether it is alive.
  const QString Name = QStringLiteral("%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QDateTime::currentMSecsSinceEpoch());
  FSession = FRoot + u'/' + Name;
  FLock = std::make_unique<QLockFile>(LockOf(FSession));
  FLock->tryLock(0);
  QDir().mkpath(FSession);
  return FSession;
}

QString TRecoveryStore::NewFileName() {
  return SessionFolder() + QStringLiteral("/window-%1").arg(++FNextFile) + FileSuffix;
}

void TRecoveryStore::Queue(std::function<void()> Work) {
  FWorker.start(std::move(Work));
}

void TRecoveryStore::Flush() {
  FWorker.waitForDone();
}

QStringList TRecoveryStore::LeftBehind() {
  QStringList Files;
  const QFileInfoList Folders = QDir(FRoot).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QFileInfo& Folder : Folders) {
    const QString Path = Folder.absoluteFilePath();
    if (Path == FSession) continue;
    if (std::any_of(FTaken.begin(), FTaken.end(),
                    [&](const auto& Taken) { return Taken.first == Path; }))
      continue;
    // A lock whose process is gone is stale and can be taken; a live studio's cannot,
    // however old (no stale time).
    auto Lock = std::make_unique<QLockFile>(LockOf(Path));
    Lock->setStaleLockTime(0);
    if (!Lock->tryLock(0)) continue;
    const QFileInfoList Found =
        QDir(Path).entryInfoList({QStringLiteral("*") + FileSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& File : Found)
      Files << File.absoluteFilePath();
    FTaken.emplace_back(Path, std::move(Lock));
  }
  return Files;
}

void TRecoveryStore::Release() {
  for (auto& [Folder, Lock] : FTaken)
    if (QDir().rmdir(Folder)) Lock->unlock();
  FTaken.clear();
}

void TRecoveryStore::Shutdown() {
  FWorker.waitForDone();
  Release();
  if (!FLock || !QDir().rmdir(FSession)) return;
  FLock->unlock();
  FLock.reset();
  FSession.clear();
}
