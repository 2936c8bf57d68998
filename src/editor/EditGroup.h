/** @file EditGroup.h
 ** Many replacements shown as one step (Replace All, indenting rows, the undo or redo of a
 ** group): while a group lives the view draws nothing, the selection's change bracket
 ** stays open (so no edit copies its old extent, moves the caret or redraws it) and no
 ** change is notified; when it ends the view is drawn once, where it then stands. **/
#pragma once

#include <functional>

#include "platform/core/ScopeExit.h"

class TMemoComponent;

class TEditGroup {
 public:
  explicit TEditGroup(TMemoComponent& Editor);
  TEditGroup(const TEditGroup&) = delete;
  TEditGroup& operator=(const TEditGroup&) = delete;

 private:
  void Close();

  TMemoComponent& E;
  const bool FDontNotify;
  /** Closes the group when it ends, also while an exception unwinds. */
  TScopeExit<std::function<void()>> FClosing;
};
