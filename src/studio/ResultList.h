/** @file ResultList.h
 ** A list of places in files that the user walks with F4 and Shift+F4 from anywhere:
 ** build errors, search results. The one used last is the one F4 walks. **/
#pragma once

class TResultList {
 public:
  virtual ~TResultList() = default;
  /** Opens the next (Step 1) or previous (Step -1) place, wrapping around; false when
      the list holds none. */
  virtual bool GoToResult(int Step) = 0;
};
