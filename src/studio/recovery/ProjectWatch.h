/** @file ProjectWatch.h
 ** Notices the open project's file changing on disk and offers to reload the project's
 ** list and tree. A write that leaves the list as the studio has it (its own saves) asks
 ** nothing. **/
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

#include "studio/recovery/DiskWatcher.h"

class TMainFRM;

class TProjectWatch : public QObject {
 public:
  /** ShowTree redraws Main's project tree from its list. */
  TProjectWatch(TMainFRM& Main, std::function<void()> ShowTree);
  /** Watches FileName from now on (the project the main window shows). */
  void Follow(const QString& FileName);

 private:
  void Check();

  TMainFRM& FMain;
  std::function<void()> FShowTree;
  TFileWatch FWatch;
  /** The list the user chose not to load, so the same change is not offered twice. */
  QStringList FDeclined;
  bool FAsking = false;
};
