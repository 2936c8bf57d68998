/** @file EditorHighlights.h
 ** What an editor window marks under its text: search matches, the selected word's other
 ** occurrences and the parenthesis pair at the caret, kept up to date as the caret moves
 ** and the text changes. **/
#pragma once

#include <functional>

#include "platform/core/Object.h"
#include "sourceedit/ParenthesisMatch.h"
#include "studio/search/SearchHighlighter.h"

class QWidget;
class TCodeFRM;
class TSourceEdit;

/** The widget that shows Form's editor, to give the focus back to. */
QWidget* EditorWidget(const TCodeFRM& Form);

class TEditorHighlights {
 public:
  /** Follows Editor's change and selection events, calling their earlier handlers first. */
  explicit TEditorHighlights(TSourceEdit& Editor);
  ~TEditorHighlights();

  TSourceEdit& Editor() const { return FEditor; }
  TSearchHighlighter& Search() { return FSearch; }
  TParenthesisHighlighter& Parentheses() { return FParentheses; }
  /** Called after every change of the text (the find bar counts again). */
  std::function<void()> OnEdited;

 private:
  TSourceEdit& FEditor;
  TSearchHighlighter FSearch;
  TParenthesisHighlighter FParentheses;
  TNotifyEvent FPreviousChange;
  TNotifyEvent FPreviousSelectionChange;
};
