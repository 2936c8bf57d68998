/** @file EditorSearch.cpp
 ** Find, replace and count in one editor. **/
#include "studio/search/EditorSearch.h"

#include <algorithm>
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
  // One replacement of the stretch from the first match to the end of the last: the scanner
  // and the undo record then cost what the stretch costs once, not once per match.
  const int From = Edits.front().Start - 1;
  const int To = Edits.back().Start - 1 + Edits.back().Length;
  QString Stretch;
  Stretch.reserve(To - From);
  int Copied = From;
  TSelectionRange& Sel = *Editor.Selection();
  const int Caret = Sel.CursorPos() - 1;
  int NewCaret = Caret;
  for (const TEdit& E : Edits) {
    Stretch += Text.mid(Copied, E.Start - 1 - Copied);
    if (Caret >= E.Start - 1 + E.Length) NewCaret += static_cast<int>(E.Text.size()) - E.Length;
    else if (Caret > E.Start - 1) NewCaret = From + static_cast<int>(Stretch.size() + E.Text.size());
    Stretch += E.Text;
    Copied = E.Start - 1 + E.Length;
  }
  Editor.DontNotify = true;
  Editor.VisibleRange()->DoChanging();
  {
    TMCRange At;
    At.SetEditor(&Editor);
    At.SetRStart(From + 1);
    At.SetRLength(To - From);
    At.SetText(Stretch);
  }
  Editor.VisibleRange()->DoDiscardChanges();
  Sel.HideCaret();
  Sel.NoSelAtPos(std::min(NewCaret + 1, Editor.TextLength() + 1));
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
