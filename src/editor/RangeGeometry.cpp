/** @file RangeGeometry.cpp
 ** Where a range stands in client pixels, and scrolling its caret end into view. **/
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
// Screen width of the characters of Row up to and including Last, by the tab rule; the
// editor knows it without reading the row outside the stretch between its tabs.
int ScreenWidthTo(const TMemoComponent& E, int Row, int Last) {
  return E.CellToScrCol(TextCell(Row, Last - E.CellToCharIdx(TextCell(Row, 1)) + 2)) - 1;
}
}  // namespace

TPoint TCustomRange::StartPoint() const {
  TMemoComponent* E = Editor();
  if (!E) return TPoint{};
  const TTextCell C = StartRowCol();
  const int W = E->TabSize() == 1 ? C.Col - 1 : ScreenWidthTo(*E, C.Row, RStart() - 1);
  const TVisibleRange& View = *E->VisibleRange();
  return E->ScrCellToScrPoint(TextCell(C.Row - View.FTopRow + 1, W - View.FLeftCol + 2));
}

TPoint TCustomRange::EndPoint() const {
  TMemoComponent* E = Editor();
  if (!E) return TPoint{};
  TTextCell C = EndRowCol();
  const int End = REnd();
  const bool EndsWithBreak =
      End >= 1 && End <= E->TextLength() && (E->CharAt(End) == u'\r' || E->CharAt(End) == u'\n');
  if (EndsWithBreak) C = TextCell(C.Row + 1, 0);
  int W = C.Col;
  if (E->TabSize() != 1) W = EndsWithBreak ? 0 : ScreenWidthTo(*E, C.Row, End);
  const TVisibleRange& View = *E->VisibleRange();
  return E->ScrCellToScrPoint(TextCell(C.Row - View.FTopRow + 1, W - View.FLeftCol + 2));
}

void TCustomRange::ScrollInView(int FromBorder) {
  TMemoComponent* E = Editor();
  if (!E) return;
  const int B = std::min(FromBorder, 2);
  auto* Selection = dynamic_cast<TSelectionRange*>(this);
  TTextCell T = Selection && Selection->Backwards() ? StartRowCol() : E->CharIdxToCell(REnd() + 1);
  T.Col = E->CellToScrCol(T);
  TVisibleRange& View = *E->VisibleRange();
  View.DoChanging();
  bool Changed = true;
  if (View.FTopRow > T.Row - B)
    View.SetStartRowCol(TextCell(T.Row - FromBorder, 1));
  else if (View.FTopRow < T.Row - E->PageHeight + 1)
    View.SetStartRowCol(TextCell(T.Row - E->PageHeight + 1 + FromBorder, 1));
  else
    Changed = false;
  int N = 0;
  if (T.Col - B < View.FLeftCol)
    N = std::max(T.Col - FromBorder, 1);
  else if (View.FLeftCol < T.Col - E->PageWidth)
    N = std::max(T.Col - E->PageWidth + FromBorder, 1);
  if (N != 0 && N != View.FLeftCol) {
    View.SetLeftCol(N);
    Changed = true;
  }
  if (Changed)
    View.DoChange();
  else
    View.DoDiscardChanges();
}
