/** @file UndoOperation.h
 ** One undo record: undoing it replaces RStart..REnd by NewText. **/
#pragma once

#include <QString>

struct TUndoOperation {
  int RStart = 0;   ///< first position of the text the edit inserted; -1 in a group marker
  int REnd = 0;     ///< last position of that text, RStart - 1 when it inserted nothing
  QString NewText;  ///< the text the edit removed
  TUndoOperation* NextItem = nullptr;  ///< the record below this one on its stack
};
using PUndoOperation = TUndoOperation*;
