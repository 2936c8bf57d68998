/** @file KeyPresses.h
 ** Keys pressed through the editor's own key handlers, as the window delivers them. **/
#pragma once

#include "editor/MemoComponent.h"
#include "platform/core/Keys.h"

inline void Key(TMemoComponent& E, quint16 Code, unsigned Modifiers = 0) {
  E.HandleKeyDown(Code, TShiftState{Modifiers});
}

/** Each character as the key press handler gets it; Enter is a CR. */
inline void Type(TMemoComponent& E, const QString& Text) {
  for (QChar C : Text)
    E.HandleKeyPress(C);
}
