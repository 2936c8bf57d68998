/** @file EditGroup.cpp
 ** Opening and closing the brackets of a group of replacements. **/
#include "editor/EditGroup.h"

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

TEditGroup::TEditGroup(TMemoComponent& Editor)
    : E(Editor), FDontNotify(Editor.DontNotify), FClosing([this] { Close(); }) {
  E.DontNotify = true;
  E.VisibleRange()->DoChanging();
  E.Selection()->DoChanging();
}

void TEditGroup::Close() {
  TSelectionRange& Sel = *E.Selection();
  Sel.DoDiscardChanges();
  E.VisibleRange()->DoDiscardChanges();
  Sel.HideCaret();
  E.VisibleRange()->DrawRange();
  Sel.UpdateCaretPos();
  Sel.ShowCaret();
  E.DontNotify = FDontNotify;
}
