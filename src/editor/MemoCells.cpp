/** @file MemoCells.cpp
 ** Conversions between character indexes, text cells and tab-expanded screen columns. **/
#include "editor/EditedRows.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

int TMemoComponent::CellToCharIdx(TTextCell Cell) const {
  if (Cell.Row <= 0) return Cell.Col;
  if (Cell.Row > LineCount()) return TextLength() + 2 + Cell.Col;
  return FLineStarts->Items(Cell.Row - 1) + Cell.Col - 1;
}

// A bisection of the line index gives the same row as walking from a proportional estimate.
TTextCell TMemoComponent::CharIdxToCell(int CharIdx) const {
  const int K = std::max(FLineStarts->FindLastAtMost(CharIdx), 0);
  return TextCell(K + 1, CharIdx - FLineStarts->Items(K) + 1);
}

// Columns follow characters one to one before a row's first tab, after its last and past
// its end, so that only the stretch between two tabs is read, and never the rows after.
int TMemoComponent::CellToScrCol(TTextCell Cell) const {
  if (FTabSize == 1) return Cell.Col;
  if (Cell.Col < 1) return 1;
  const bool InText = Cell.Row >= 1 && Cell.Row <= LineCount();
  const TRowShape Shape = InText ? FRowWidths.Row(Cell.Row - 1) : TRowShape{};
  if (InText && (Cell.Col - 1 <= Shape.FirstTab || Shape.FirstTab < 0)) return Cell.Col;
  if (InText && Cell.Col - 1 > Shape.LastTab) return Shape.Width - LineLength(Cell.Row) + Cell.Col;
  const int Start = CellToCharIdx(TextCell(Cell.Row, 1));
  return MeasureChars([&](int I) { return CharAt(Start + I); }, Cell.Col - 1, FTabSize).Width + 1;
}

int TMemoComponent::LineScrLength(int Row) const {
  return Row >= 1 && Row <= LineCount() ? FRowWidths.Row(Row - 1).Width : 0;
}

void TMemoComponent::MeasureAllRows() {
  FRowWidths.Clear();
  for (int Row = 1; Row <= LineCount(); ++Row) {
    const int Start = CellToCharIdx(TextCell(Row, 1));
    FRowWidths.Append(
        MeasureChars([&](int I) { return CharAt(Start + I); }, LineLength(Row), FTabSize));
  }
  FLongestLineLength = FRowWidths.Widest();
}

void TMemoComponent::CellFromScrCol(TTextCell& Cell) const {
  CellFromScrColToScrCol(Cell);
}

// Only the stretch between a row's first and last tab is walked; elsewhere columns follow
// characters one to one.
int TMemoComponent::CellFromScrColToScrCol(TTextCell& Cell) const {
  Cell.Row = std::min(std::max(Cell.Row, 1), LineCount());
  int Result = Cell.Col;
  const TRowShape Shape = FRowWidths.Row(Cell.Row - 1);
  // The screen position just after the row's last tab.
  const int AfterTabs = Shape.Width - LineLength(Cell.Row) + Shape.LastTab + 1;
  const bool PastFirstTab = Shape.FirstTab >= 0 && Cell.Col > Shape.FirstTab;
  if (FTabSize != 1 && (Cell.Col < 1 || PastFirstTab)) {
    if (Cell.Col > AfterTabs) {
      Cell.Col = Shape.LastTab + 1 + Cell.Col - AfterTabs;
    } else {
      const int Target = Cell.Col;
      Cell.Col = 1;
      Result = 1;
      int Index = CellToCharIdx(TextCell(Cell.Row, 1));
      int Position = 0;
      while (Position < Target) {
        Result = Position + 1;
        Position = AdvanceColumn(Position, CharAt(Index), FTabSize);
        if (Position < Target) {
          ++Cell.Col;
          ++Index;
        }
      }
    }
  }
  Cell.Col = std::min(std::max(Cell.Col, 1), LineLength(Cell.Row) + 1);
  return Result;
}

int TMemoComponent::TabSpacesAtPos(int P) const {
  if (FTabSize < 2) return FTabSize;
  return FTabSize - (CellToScrCol(CharIdxToCell(P)) - 1) % FTabSize;
}

void TMemoComponent::SetTabSize(int Value) {
  if (Value == FTabSize) return;
  FTabSize = std::max(Value, 1);
  FSelection->DoChanging();
  MeasureAllRows();
  FVisibleRange->AdjustPosition();
  FSelection->DoChange();
}
