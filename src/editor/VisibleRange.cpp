/** @file VisibleRange.cpp
 ** Viewport accessors, clamping and the scrolling change protocol. **/
#include "editor/VisibleRange.h"

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"

int TVisibleRange::RStart() const {
  return Editor() ? Editor()->CellToCharIdx(StartRowCol()) : 1;
}

int TVisibleRange::REnd() const {
  return Editor() ? Editor()->CellToCharIdx(EndRowCol()) : 0;
}

TTextCell TVisibleRange::StartRowCol() const {
  return TextCell(FTopRow, 1);
}

TTextCell TVisibleRange::EndRowCol() const {
  TMemoComponent* E = Editor();
  if (!E) return TextCell(FTopRow, 0);
  const TTextCell Cell = TextCell(FTopRow + E->PageHeight + 1, 0);
  if (E->CellToCharIdx(Cell) > E->TextLength()) return E->CharIdxToCell(E->TextLength());
  return Cell;
}

void TVisibleRange::SetRStart(int Value) {
  if (Editor()) SetStartRowCol(Editor()->CharIdxToCell(Value));
}

void TVisibleRange::SetStartRowCol(TTextCell Value) {
  DoChanging();
  FTopRow = Value.Row;
  AdjustPosition();
  DoChange();
}

void TVisibleRange::SetLeftCol(int Value) {
  DoChanging();
  FLeftCol = Value;
  AdjustPosition();
  DoChange();
}

int TVisibleRange::RightCol() const {
  return Editor() ? FLeftCol + Editor()->PageWidth + 1 : FLeftCol;
}

void TVisibleRange::SetRightCol(int Value) {
  SetLeftCol(Editor() ? Value - Editor()->PageWidth : Value);
}

void TVisibleRange::AdjustPosition() {
  TMemoComponent* E = Editor();
  if (!E) return;
  FTopRow = std::max(std::min(FTopRow, E->LineCount() - E->PageHeight + 1), 1);
  FLeftCol = std::max(std::min(FLeftCol, E->LongestLineLength() - E->PageWidth + 1), 1);
  if (E->HandleAllocated()) {
    E->Host()->SetScrollPos(TScrollBarKind::sbVertical, FTopRow, true);
    E->Host()->SetScrollPos(TScrollBarKind::sbHorizontal, FLeftCol, true);
  }
}

TRect TVisibleRange::CurrentTextRect() const {
  TMemoComponent* E = Editor();
  if (!E) return TRect{};
  return TRect{FLeftCol, FTopRow, FLeftCol + E->PageWidth + 1, FTopRow + E->PageHeight + 1};
}

void TVisibleRange::Changing() {
  VisibleTextRect = CurrentTextRect();
}

void TVisibleRange::Changed() {
  TCustomRange::Changed();
  TMemoComponent* E = Editor();
  if (!E || !E->HandleAllocated()) return;
  const TRect New = CurrentTextRect();
  const TRect& Old = VisibleTextRect;
  if (EqualRect(New, Old)) return;
  E->Selection()->HideCaret();
  if (New.Left == Old.Left && New.Top < Old.Bottom - 1 && Old.Top < New.Bottom - 1)
    ScrollRows(Old, New);
  else
    DrawRange();
  E->Selection()->UpdateCaretPos();
  E->Selection()->ShowCaret();
}

// Moves the picture by the rows the view moved and draws only the rows it uncovered.
void TVisibleRange::ScrollRows(const TRect& Old, const TRect& New) {
  TMemoComponent* E = Editor();
  E->DrawRowsIn(E->MoveTextPixels(E->TopMargin(), (Old.Top - New.Top) * E->FontHeight));
}
