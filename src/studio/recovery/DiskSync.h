/** @file DiskSync.h
 ** Keeps an editor window honest about its file on disk: a change by another program
 ** reloads a window without changes and puts a bar in one with changes; a deleted file
 ** leaves the text marked as changed; Save asks before overwriting what it has not seen. **/
#pragma once

#include <QObject>
#include <optional>

#include "platform/core/Exceptions.h"
#include "studio/recovery/DiskWatcher.h"

class TCodeFRM;
class TDiskChangeBar;

/** Save stopped because the user kept the file another program wrote. */
class ESaveDeclined : public Exception {
 public:
  using Exception::Exception;
};

class TDiskSync : public QObject {
 public:
  explicit TDiskSync(TCodeFRM* Form);

  /** The window is now bound to FileName. */
  void SetPath(const QString& FileName);
  /** The window was filled from FileName: what it saw of its own file, if it was that. */
  void Loaded(const QString& FileName);
  /** The window's text was written to its file. */
  void Saved();
  /** Before a save: ESaveDeclined when the file changed on disk since it was last read or
      written, not by Keep Mine, and the user does not want it overwritten. */
  void ConfirmOverwrite();

  TDiskChangeBar* Bar() const { return FBar; }

 private:
  void Check();
  void ReloadKeepingView();
  void AskReload();
  void KeepMine();
  void Note(const QString& Text);

  TCodeFRM* FForm;
  TFileWatch FWatch;
  /** Empty until the window has read or written its own file. */
  std::optional<TFileStamp> FKnown;
  bool FMissing = false;
  TDiskChangeBar* FBar;
};
