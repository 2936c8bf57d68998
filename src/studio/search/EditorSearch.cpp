/** @file EditorSearch.cpp
 ** Find, replace and count in one editor. **/
#include "studio/search/EditorSearch.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "editor/EditGroup.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "platform/core/ScopeExit.h"

void SelectInEditor(TMemoComponent& Editor, int Start, int Length) {
  TMCRange Match;
  Match.SetEditor(&Editor);
  Match.SetRStart(Start);
  Match.SetREnd(Start + Length - 1);
  TSelectionRange& Sel = *Editor.Selection();
  Sel.Assign(&Match);
  Sel.SetBackwards(false);
  Editor.ScrollCaret();
}

TFindResult FindInEditor(TMemoComponent& Editor, const TSearchPattern& Pattern, bool Forward) {
  if (!Pattern.IsValid()) return {};
  const TSelectionRange& Sel = *Editor.Selection();
  const QStringView Text = Editor.ContiguousText();
  TFindResult Result;
  TSearchMatch M;
  if (Forward) {
    const qsizetype From = Sel.REnd();
    M = Pattern.FindForward(Text, From);
    // An empty match where the caret already stands was the last one found.
    if (M.Found() && M.Length == 0 && M.Start == From && Sel.RLength() == 0)
      M = Pattern.FindForward(Text, From + 1);
    if (!M.Found()) {
      M = Pattern.FindForward(Text, 0);
      Result.Wrapped = M.Found();
    }
  } else {
    M = Pattern.FindBackward(Text, Sel.RStart() - 1);
    if (!M.Found()) {
      M = Pattern.FindBackward(Text, Text.size() + 1);
      Result.Wrapped = M.Found();
    }
  }
  if (!M.Found()) return {};
  Result.Found = true;
  SelectInEditor(Editor, static_cast<int>(M.Start) + 1, static_cast<int>(M.Length));
  return Result;
}

TFindResult ReplaceInEditor(TMemoComponent& Editor, const TSearchPattern& Pattern,
                            const QString& Template) {
  if (!Pattern.IsValid() || Editor.ReadOnly()) return {};
  TSelectionRange& Sel = *Editor.Selection();
  const QStringView Text = Editor.ContiguousText();
  // Only the selection's place is tried: the search for the next match follows anyway.
  const TSearchMatch M = Pattern.MatchStartingAt(Text, Sel.RStart() - 1);
  if (M.Found() && M.Start == Sel.RStart() - 1 && M.Length == Sel.RLength()) {
    const QString New = Pattern.Replacement(Text, M, Template);
    Sel.SetText(New);
    // An empty match replaced by nothing would be found again at once.
    if (M.Length == 0 && New.isEmpty()) Editor.SetSelStart(Sel.RStart());
  }
  return FindInEditor(Editor, Pattern, true);
}

int ReplaceAllInEditor(TMemoComponent& Editor, const TSearchPattern& Pattern,
                       const QString& Template) {
  if (!Pattern.IsValid() || Editor.ReadOnly()) return 0;
  struct TEdit {
    TSearchMatch Match;
    QString Text;
  };
  std::vector<TEdit> Edits;
  const QStringView Text = Editor.ContiguousText();
  Pattern.ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch& M) {
    Edits.push_back({M, Pattern.Replacement(Text, M, Template)});
    return true;
  });
  if (Edits.empty()) return 0;
  TSelectionRange& Sel = *Editor.Selection();
  // 0-based like the matches. The caret moves with the text before it; inside a match it
  // goes to the end of the replacement.
  const qsizetype Caret = Sel.CursorPos() - 1;
  qsizetype NewCaret = Caret;
  qsizetype Shift = 0;
  for (const auto& [M, New] : Edits) {
    if (Caret >= M.End())
      NewCaret += New.size() - M.Length;
    else if (Caret > M.Start)
      NewCaret = M.Start + Shift + New.size();
    Shift += New.size() - M.Length;
  }
  std::exception_ptr FirstError;
  bool Replaced = false;
  {
    const int EditsBefore = Editor.EditCount();
    // The view is drawn once, where the caret's row is in view.
    const TEditGroup Group(Editor);
    Editor.PushUndo(Editor.NewGroupMarker());
    // Ended by an error too (a handler's, or the store refusing the text), the undo group
    // closes, the view draws and notifies again, and a replacement that was made is told.
    const TScopeExit Ended([&] {
      Editor.PushUndo(Editor.NewGroupMarker());
      Replaced = Editor.EditCount() != EditsBefore;
      if (Replaced) Sel.NoSelAtPos(static_cast<int>(NewCaret) + 1);
      Editor.ScrollCaret();
    });
    // One edit per match, from the last to the first so that every place found is still
    // where it was: the scanner then rescans what the matches touch, not the text between
    // them (a single replacement of the whole stretch cost four times as much).
    // A handler's error does not stop the others half way: the first is thrown at the end.
    TMCRange At;
    At.SetEditor(&Editor);
    for (auto It = Edits.rbegin(); It != Edits.rend(); ++It) {
      try {
        At.SetRStart(static_cast<int>(It->Match.Start) + 1);
        At.SetRLength(static_cast<int>(It->Match.Length));
        At.SetText(It->Text);
      } catch (...) {
        if (!FirstError) FirstError = std::current_exception();
      }
    }
  }
  if (Replaced) {
    Editor.NotifyChange();
    Editor.NotifySelectionChange();
  }
  if (FirstError) std::rethrow_exception(FirstError);
  return static_cast<int>(Edits.size());
}

bool TMatchCounter::Step(QStringView Text, qsizetype Budget) {
  if (FDone) return true;
  const qsizetype To = std::min(Text.size() + 1, FPos + std::max<qsizetype>(Budget, 1));
  qsizetype Next = To;
  FPattern.ForEachMatch(Text, FPos, To, [&](const TSearchMatch& M) {
    ++FCount;
    if (M.Start == FCurrent) FCurrentIndex = FCount;
    Next = std::max(To, M.Length > 0 ? M.End() : M.Start + 1);
    return true;
  });
  FPos = Next;
  FDone = FPos > Text.size();
  return FDone;
}
