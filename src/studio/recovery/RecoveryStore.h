/** @file RecoveryStore.h
 ** Where recovery files live: a folder per studio process under the user's data folder,
 ** held by a lock while that process runs, so two studios never take each other's files.
 ** Files are written and removed in order on one worker thread. **/
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <vector>

class TRecoveryStore : public QObject {
 public:
  /** The studio's store under QStandardPaths::AppDataLocation/recovery. */
  static TRecoveryStore& Instance();
  explicit TRecoveryStore(const QString& Root, QObject* Parent = nullptr);
  ~TRecoveryStore() override;

  QString Root() const { return FRoot; }
  /** A new file name in this process's folder, which is made and locked on first use. */
  QString NewFileName();
  /** Runs Work on the worker after everything queued before it. */
  void Queue(std::function<void()> Work);
  /** Waits until everything queued has run. */
  void Flush();

  /** The recovery files of studios that are gone. Their folders stay locked by this
      process until Release, so a studio started meanwhile leaves them alone. */
  QStringList LeftBehind();
  /** Lets go of the folders LeftBehind took, removing the ones that are empty now. */
  void Release();

  /** A normal quit (also on destruction): waits for the worker, then removes this
      process's folder and lock when no recovery file is left in it. */
  void Shutdown();

 private:
  QString SessionFolder();

  QString FRoot;
  QString FSession;
  std::unique_ptr<QLockFile> FLock;
  std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> FTaken;
  int FNextFile = 0;
  QThreadPool FWorker;
};
