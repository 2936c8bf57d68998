/** @file MainFormEdit.cpp
 ** The Edit menu: each command acts on the editor of the window in front, if any. **/
#include "editor/SelectionRange.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"

namespace {
template <typename TAction>
void OnActiveEditor(const TMainFRM& Form, TAction Action) {
  if (TCodeFRM* Code = Form.ActiveCodeForm()) Action(*Code->tbCode);
}
}  // namespace

void TMainFRM::Undo1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.Undo(); });
}

void TMainFRM::Redo1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.Redo(); });
}

void TMainFRM::Cut1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.CutToClipboard(); });
}

void TMainFRM::Copy1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.CopyToClipboard(); });
}

void TMainFRM::Paste1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.PasteFromClipboard(); });
}

// An empty replacement even when nothing is selected.
void TMainFRM::Delete1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.Selection()->SetText(QString()); });
}

void TMainFRM::SelectAll1Click() {
  OnActiveEditor(*this, [](TSourceEdit& Editor) { Editor.SelectAll(); });
}
