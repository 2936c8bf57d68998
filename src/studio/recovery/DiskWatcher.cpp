/** @file DiskWatcher.cpp **/
#include "studio/recovery/DiskWatcher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {
constexpr int SettleMs = 100;

QString FolderOf(const QString& FileName) {
  return QFileInfo(FileName).absolutePath();
}
}  // namespace

TFileStamp TFileStamp::Of(const QString& FileName) {
  QFileInfo Info(FileName);
  Info.setCaching(false);
  if (!Info.exists()) return {};
  return {true, Info.size(), Info.lastModified()};
}

TDiskWatcher& TDiskWatcher::Instance() {
  static TDiskWatcher* Watcher = new TDiskWatcher(QCoreApplication::instance());
  return *Watcher;
}

TDiskWatcher::TDiskWatcher(QObject* Parent)
    : QObject(Parent), FWatcher(new QFileSystemWatcher(this)) {
  connect(FWatcher, &QFileSystemWatcher::fileChanged, this, &TDiskWatcher::FileEvent);
  connect(FWatcher, &QFileSystemWatcher::directoryChanged, this, &TDiskWatcher::FolderEvent);
}

void TDiskWatcher::Add(const QString& Path) {
  if (QFileInfo::exists(Path) && !FWatcher->files().contains(Path) &&
      !FWatcher->directories().contains(Path))
    FWatcher->addPath(Path);
}

void TDiskWatcher::Watch(const QString& FileName) {
  if (FileName.isEmpty()) return;
  if (FFiles[FileName]++ == 0) Add(FileName);
  if (FFolders[FolderOf(FileName)]++ == 0) Add(FolderOf(FileName));
}

void TDiskWatcher::Unwatch(const QString& FileName) {
  if (FileName.isEmpty() || !FFiles.contains(FileName)) return;
  if (--FFiles[FileName] == 0) {
    FFiles.remove(FileName);
    FWatcher->removePath(FileName);
  }
  const QString Folder = FolderOf(FileName);
  if (--FFolders[Folder] == 0) {
    FFolders.remove(Folder);
    FWatcher->removePath(Folder);
  }
}

// A file replaced by a rename is a new file: the watch on the old one has ended, so the
// path is watched again whenever it exists.
void TDiskWatcher::FileEvent(const QString& FileName) {
  if (!FFiles.contains(FileName)) return;
  Add(FileName);
  emit Changed(FileName);
}

void TDiskWatcher::FolderEvent(const QString& Folder) {
  const QStringList Files = FFiles.keys();
  for (const QString& FileName : Files) {
    if (FolderOf(FileName) != Folder || !FFiles.contains(FileName)) continue;
    Add(FileName);
    emit Changed(FileName);
  }
}

TFileWatch::TFileWatch(std::function<void()> OnSettled) {
  FSettle.setSingleShot(true);
  FSettle.setInterval(SettleMs);
  connect(&FSettle, &QTimer::timeout, this, std::move(OnSettled));
  connect(&TDiskWatcher::Instance(), &TDiskWatcher::Changed, this, [this](const QString& FileName) {
    if (FileName == FPath) FSettle.start();
  });
}

TFileWatch::~TFileWatch() {
  TDiskWatcher::Instance().Unwatch(FPath);
}

bool TFileWatch::SetPath(const QString& FileName) {
  if (FileName == FPath) return false;
  TDiskWatcher::Instance().Unwatch(FPath);
  FPath = FileName;
  TDiskWatcher::Instance().Watch(FPath);
  return true;
}
