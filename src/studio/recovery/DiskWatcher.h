/** @file DiskWatcher.h
 ** One watcher for every file the studio has open. A file is watched together with its
 ** folder, so a file that another program replaces by renaming a new one over it, or
 ** deletes and writes again, is still seen. **/
#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QFileSystemWatcher;

/** What a file looked like at one moment: enough to tell that someone else wrote it. */
struct TFileStamp {
  bool Exists = false;
  qint64 Size = 0;
  QDateTime Modified;
  static TFileStamp Of(const QString& FileName);
  friend bool operator==(const TFileStamp&, const TFileStamp&) = default;
};

class TDiskWatcher : public QObject {
  Q_OBJECT
 public:
  /** The studio's watcher, owned by the application object. */
  static TDiskWatcher& Instance();

  /** Counted: each Watch needs its Unwatch. */
  void Watch(const QString& FileName);
  void Unwatch(const QString& FileName);

 signals:
  /** Something may have happened to FileName; listeners compare stamps to know what. */
  void Changed(const QString& FileName);

 private:
  explicit TDiskWatcher(QObject* Parent);
  void FileEvent(const QString& FileName);
  void FolderEvent(const QString& Folder);
  void Add(const QString& Path);

  QFileSystemWatcher* FWatcher;
  QHash<QString, int> FFiles;
  QHash<QString, int> FFolders;
};

/** One path followed through the studio's watcher: OnSettled runs once another program's
    writes to it have settled, as writers touch a file several times in a row. */
class TFileWatch : public QObject {
 public:
  explicit TFileWatch(std::function<void()> OnSettled);
  ~TFileWatch() override;
  /** Follows FileName from now on; false when it was followed already. */
  bool SetPath(const QString& FileName);
  const QString& Path() const { return FPath; }

 private:
  QString FPath;
  QTimer FSettle;
};
