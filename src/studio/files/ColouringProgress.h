/** @file ColouringProgress.h
 ** The editor window's status-bar indication of a big text's colouring, which completes in
 ** slices while the window already answers; hidden when there is nothing left to colour. **/
#pragma once

#include <QProgressBar>

class TSourceEdit;

class TColouringProgress : public QProgressBar {
 public:
  /** Follows Editor's scan through its OnScanProgress; the caller places the bar, which
      must not go before the editor does (the editor window's status bar outlives it). */
  explicit TColouringProgress(TSourceEdit& Editor, QWidget* Parent = nullptr);

 private:
  void Follow();

  TSourceEdit& FEditor;
};
