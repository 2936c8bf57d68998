/** @file SearchHighlighter.cpp
 ** Searching the rows on screen and handing their matches to the painter. **/
#include "studio/search/SearchHighlighter.h"

#include <algorithm>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
// Longer selections are not taken for a word.
constexpr int MaxWordLength = 100;
}  // namespace

TSearchHighlighter::TSearchHighlighter(TMemoComponent& Editor) : FEditor(Editor) {
  FEditor.AddBackgroundLayer(this);
}

TSearchHighlighter::~TSearchHighlighter() {
  FEditor.RemoveBackgroundLayer(this);
}

void TSearchHighlighter::Redraw() {
  FEditCount = -1;
  if (FEditor.HandleAllocated()) FEditor.VisibleRange()->DrawRange();
}

void TSearchHighlighter::SetFindPattern(const std::optional<TSearchOptions>& Options) {
  if (!Options && !FFind.Pattern) return;
  if (Options && FFind.Pattern && FFind.Pattern->Options() == *Options) return;
  FFind.Pattern.reset();
  if (Options) {
    auto Pattern = std::make_unique<TSearchPattern>(*Options);
    if (Pattern->IsValid()) FFind.Pattern = std::move(Pattern);
  }
  Redraw();
}

void TSearchHighlighter::SelectionChanged() {
  const TSelectionRange& Sel = *FEditor.Selection();
  QString Word;
  const int Length = Sel.RLength();
  if (Length > 0 && Length <= MaxWordLength &&
      !IsSearchWordChar(FEditor.CharAt(Sel.RStart() - 1)) &&
      !IsSearchWordChar(FEditor.CharAt(Sel.REnd() + 1))) {
    Word = FEditor.TextRange(Sel.RStart(), Length);
    if (!std::all_of(Word.begin(), Word.end(), IsSearchWordChar)) Word.clear();
  }
  if (Word == (FWord.Pattern ? FWord.Pattern->Options().Pattern : QString())) return;
  FWord.Pattern.reset();
  if (!Word.isEmpty())
    FWord.Pattern = std::make_unique<TSearchPattern>(TSearchOptions{Word, true, true, false});
  Redraw();
}

// The rows on screen, as one small copy searched for both patterns: reading the store in
// place would move its gap at every repaint while the user types.
void TSearchHighlighter::Refresh() {
  const TVisibleRange& View = *FEditor.VisibleRange();
  const int FirstRow = View.FTopRow;
  const int LastRow = std::min(FEditor.LineCount(), FirstRow + FEditor.PageHeight + 1);
  if (FEditCount == FEditor.EditCount() && FFirstRow == FirstRow && FLastRow == LastRow) return;
  FEditCount = FEditor.EditCount();
  FFirstRow = FirstRow;
  FLastRow = LastRow;
  const int Start = FEditor.CellToCharIdx(TextCell(FirstRow, 1));
  const int End = FEditor.CellToCharIdx(TextCell(LastRow, FEditor.LineLength(LastRow) + 1));
  const QString Rows = FEditor.TextRange(Start, End - Start);
  for (TSource* Source : {&FFind, &FWord}) {
    Source->Marks.clear();
    if (!Source->Pattern) continue;
    Source->Pattern->ForEachMatch(Rows, 0, Rows.size(), [&](const TSearchMatch& M) {
      if (M.Length > 0) {
        const int S = Start + static_cast<int>(M.Start);
        Source->Marks.push_back({S, S + static_cast<int>(M.Length) - 1, Source->Color, clNone});
      }
      return true;
    });
  }
}

void TSearchHighlighter::CollectMarks(int From, int To, std::vector<TBackgroundMark>& Marks) {
  if (!FFind.Pattern && !FWord.Pattern) return;
  Refresh();
  for (const TSource* Source : {&FFind, &FWord}) {
    auto It = std::lower_bound(
        Source->Marks.begin(), Source->Marks.end(), From,
        [](const TBackgroundMark& M, int Pos) { return M.End < Pos; });
    for (; It != Source->Marks.end() && It->Start <= To; ++It)
      Marks.push_back(*It);
  }
}
