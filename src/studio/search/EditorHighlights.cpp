/** @file EditorHighlights.cpp
 ** Chaining the editor's events to the layers. **/
#include "studio/search/EditorHighlights.h"

#include "platform/qt/QtControlHost.h"
#include "sourceedit/SourceEdit.h"
#include "studio/CodeForm.h"

QWidget* EditorWidget(const TCodeFRM& Form) {
  for (QWidget* Child : Form.findChildren<QWidget*>())
    if (dynamic_cast<TQtControlHost*>(Child)) return Child;
  return nullptr;
}

TEditorHighlights::TEditorHighlights(TSourceEdit& Editor)
    : FEditor(Editor),
      FSearch(Editor),
      FParentheses(Editor),
      FPreviousChange(Editor.OnChange),
      FPreviousSelectionChange(Editor.OnSelectionChange) {
  Editor.OnChange = [this](TObject* Sender) {
    if (FPreviousChange) FPreviousChange(Sender);
    FParentheses.Update();
    if (OnEdited) OnEdited();
  };
  Editor.OnSelectionChange = [this](TObject* Sender) {
    if (FPreviousSelectionChange) FPreviousSelectionChange(Sender);
    FSearch.SelectionChanged();
    FParentheses.Update();
  };
}

TEditorHighlights::~TEditorHighlights() {
  FEditor.OnChange = FPreviousChange;
  FEditor.OnSelectionChange = FPreviousSelectionChange;
}
