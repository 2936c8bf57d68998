/** @file DiskChangeBar.h
 ** The notice inside an editor window that its file changed, or went, on disk. **/
#pragma once

#include "studio/NoticeBar.h"

class TDiskChangeBar : public TNoticeBar {
 public:
  explicit TDiskChangeBar(QWidget* Parent = nullptr);
  /** The file changed on disk while the window has changes: Reload or Keep Mine. */
  void ShowChanged(const QString& FileName);
  /** The file is gone: only a way to put the notice away. */
  void ShowDeleted(const QString& FileName);

  QPushButton* Reload;
  QPushButton* KeepMine;
  QPushButton* Dismiss;
};
