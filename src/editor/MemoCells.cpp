/** @file MemoCells.cpp
 ** Conversions between character indexes, text cells and tab-expanded screen columns. **/
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
// The tab rule: a tab moves screen position P to the next multiple of TabSize above it.
inline int Advance(int Position, QChar C, int TabSize) {
  return C == u'\t' ? (Position / TabSize + 1) * TabSize : Position + 1;
}
}  // namespace

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

int TMemoComponent::CellToScrCol(TTextCell Cell) const {
  if (FTabSize == 1) return Cell.Col;
  int Index = CellToCharIdx(TextCell(Cell.Row, 1));
  int Position = 0;
  for (int Taken = 0; Taken < Cell.Col - 1; ++Taken, ++Index)
    Position = Advance(Position, CharAt(Index), FTabSize);
  return Position + 1;
}

int TMemoComponent::LineScrLength(int Row) const {
  return CellToScrCol(TextCell(Row, LineLength(Row) + 1)) - 1;
}

void TMemoComponent::MeasureAllRows() {
  FRowWidths.Clear();
  for (int Row = 1; Row <= LineCount(); ++Row)
    FRowWidths.Add(LineScrLength(Row));
  FLongestLineLength = FRowWidths.Widest();
}

void TMemoComponent::CellFromScrCol(TTextCell& Cell) const {
  CellFromScrColToScrCol(Cell);
}

int TMemoComponent::CellFromScrColToScrCol(TTextCell& Cell) const {
  Cell.Row = std::min(std::max(Cell.Row, 1), LineCount());
  int Result = Cell.Col;
  if (FTabSize != 1) {
    const int Target = Cell.Col;
    Cell.Col = 1;
    Result = 1;
    int Index = CellToCharIdx(TextCell(Cell.Row, 1));
    int Position = 0;
    while (Position < Target) {
      Result = Position + 1;
      Position = Advance(Position, CharAt(Index), FTabSize);
      if (Position < Target) {
        ++Cell.Col;
        ++Index;
      }
    }
  }
  Cell.Col = std::min(std::max(Cell.Col, 1), LineLength(Cell.Row) + 1);
  return Result;
}

int TMemoComponent::TabSpacesAtPos(int P) const {
  if (FTabSize < 2) return FTabSize;
  int Index = CellToCharIdx(TextCell(CharIdxToCell(P).Row, 1));
  int Position = 0;
  for (; Index < P; ++Index)
    Position = Advance(Position, CharAt(Index), FTabSize);
  return FTabSize - Position % FTabSize;
}

void TMemoComponent::SetTabSize(int Value) {
  if (Value == FTabSize) return;
  FTabSize = std::max(Value, 1);
  FSelection->DoChanging();
  MeasureAllRows();
  FVisibleRange->AdjustPosition();
  FSelection->DoChange();
}
