/** @file FormattedRanges.cpp
 ** Copying formatted ranges, and the editor-following range. **/
#include "editor/FormattedRanges.h"

#include "editor/MemoComponent.h"

void TCustomFormattedRange::AssignTo(TPersistent* Dest) const {
  TMCRange::AssignTo(Dest);
  if (auto* Formatted = dynamic_cast<TCustomFormattedRange*>(Dest)) {
    Formatted->SetColor(Color());
    Formatted->SetFont(Font());
  }
}

TColor TNormalFormattedRange::Color() const {
  return Editor() ? Editor()->Color() : clWindow;
}

TFont* TNormalFormattedRange::Font() const {
  return Editor() ? Editor()->Font() : nullptr;
}
