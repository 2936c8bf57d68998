/** @file EditorSearch.cpp
 ** Find, replace and count in one editor. **/
#include "studio/search/EditorSearch.h"

#include <vector>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

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
  const TSearchMatch M = Pattern.FindForward(Text, Sel.RStart() - 1);
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
    int Start;
    int Length;
    QString Text;
  };
  std::vector<TEdit> Edits;
  const QStringView Text = Editor.ContiguousText();
  Pattern.ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch& M) {
    Edits.push_back({static_cast<int>(M.Start) + 1, static_cast<int>(M.Length),
                     Pattern.Replacement(Text, M, Template)});
    return true;
  });
  if (Edits.empty()) return 0;
  TSelectionRange& Sel = *Editor.Selection();
  // Tracked, so the edits move it with the text around the caret.
  auto* Caret = static_cast<TCustomRange*>(Editor.TrackedRanges()->Add(Sel.CursorPos(), 0));
  Editor.DontNotify = true;
  Editor.VisibleRange()->DoChanging();
  Editor.PushUndo(Editor.NewGroupMarker());
  // From the last to the first, so that every position found is still where it was.
  for (auto It = Edits.rbegin(); It != Edits.rend(); ++It) {
    TMCRange At;
    At.SetEditor(&Editor);
    At.SetRStart(It->Start);
    At.SetRLength(It->Length);
    At.SetText(It->Text);
  }
  Editor.PushUndo(Editor.NewGroupMarker());
  Editor.VisibleRange()->DoDiscardChanges();
  Sel.HideCaret();
  Sel.NoSelAtPos(Caret->RStart());
  delete Caret;
  Editor.VisibleRange()->DrawRange();
  Sel.UpdateCaretPos();
  Sel.ShowCaret();
  Editor.DontNotify = false;
  Editor.NotifyChange();
  Editor.NotifySelectionChange();
  Editor.ScrollCaret();
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
