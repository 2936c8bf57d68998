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
  FFind.EditCount = -1;
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
  if (Word == FWordText) return;
  FWordText = Word;
  FWord.Pattern.reset();
  if (!Word.isEmpty())
    FWord.Pattern = std::make_unique<TSearchPattern>(TSearchOptions{Word, true, true, false});
  FWord.EditCount = -1;
  Redraw();
}

// The rows on screen, as one small copy: reading the store in place would move its gap
// at every repaint while the user types.
void TSearchHighlighter::Refresh(TSource& Source) {
  const TVisibleRange& View = *FEditor.VisibleRange();
  const int FirstRow = View.FTopRow;
  const int LastRow = std::min(FEditor.LineCount(), FirstRow + FEditor.PageHeight + 1);
  if (Source.EditCount == FEditor.EditCount() && Source.FirstRow == FirstRow &&
      Source.LastRow == LastRow)
    return;
  Source.EditCount = FEditor.EditCount();
  Source.FirstRow = FirstRow;
  Source.LastRow = LastRow;
  Source.Marks.clear();
  if (!Source.Pattern) return;
  const int Start = FEditor.CellToCharIdx(TextCell(FirstRow, 1));
  const int End = FEditor.CellToCharIdx(TextCell(LastRow, FEditor.LineLength(LastRow) + 1));
  const QString Rows = FEditor.TextRange(Start, End - Start);
  Source.Pattern->ForEachMatch(Rows, 0, Rows.size(), [&](const TSearchMatch& M) {
    if (M.Length > 0) {
      const int S = Start + static_cast<int>(M.Start);
      Source.Marks.push_back({S, S + static_cast<int>(M.Length) - 1, Source.Color, clNone});
    }
    return true;
  });
}

void TSearchHighlighter::CollectMarks(int From, int To, std::vector<TBackgroundMark>& Marks) {
  for (TSource* Source : {&FFind, &FWord}) {
    if (!Source->Pattern) continue;
    Refresh(*Source);
    auto It = std::lower_bound(
        Source->Marks.begin(), Source->Marks.end(), From,
        [](const TBackgroundMark& M, int Pos) { return M.End < Pos; });
    for (; It != Source->Marks.end() && It->Start <= To; ++It)
      Marks.push_back(*It);
  }
}
