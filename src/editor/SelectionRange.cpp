/** @file SelectionRange.cpp
 ** Caret placement and the incremental redraw of selection changes. **/
#include "editor/SelectionRange.h"

#include "editor/MemoComponent.h"

TSelectionRange::~TSelectionRange() = default;

void TSelectionRange::AssignTo(TPersistent* Dest) const {
  TMCRange::AssignTo(Dest);
  if (auto* Selection = dynamic_cast<TSelectionRange*>(Dest)) Selection->SetBackwards(FBackwards);
}

void TSelectionRange::SetHidden(bool Value) {
  if (Value == FHidden) return;
  FHidden = Value;
  DrawRange();
}

void TSelectionRange::SetCursorPos(int Value) {
  if (FBackwards) {
    if (Value <= REnd()) {
      SetRStart(Value);
    } else {
      FBackwards = false;
      SetRStart(REnd() + 1);
      SetREnd(Value - 1);
    }
  } else if (Value >= RStart()) {
    SetREnd(Value - 1);
  } else {
    FBackwards = true;
    SetREnd(RStart() - 1);
    SetRStart(Value);
  }
}

int TSelectionRange::ScrCol() {
  if (FScrCol >= 1) return FScrCol;
  if (!Editor()) return 1;
  FScrCol = Editor()->CellToScrCol(Editor()->CharIdxToCell(CursorPos()));
  return FScrCol;
}

int TSelectionRange::ScrColToCol(int Row) {
  if (!Editor()) return ScrCol();
  TTextCell Cell = TextCell(Row, ScrCol());
  Editor()->CellFromScrCol(Cell);
  return std::min(Cell.Col, Editor()->LineLength(Row) + 1);
}

void TSelectionRange::NoSelAtPos(int Pos) {
  DoChanging();
  FBackwards = false;
  SetRStart(Pos);
  SetREnd(Pos - 1);
  DoChange();
}

void TSelectionRange::HideCaret() {
  TMemoComponent* E = Editor();
  if (E && E->CaretCreated() && FCaretShowing && E->HandleAllocated()) E->Host()->HideCaret();
  FCaretShowing = false;
}

void TSelectionRange::ShowCaret() {
  if (IsChanging()) return;
  TMemoComponent* E = Editor();
  if (!E || !E->CaretCreated() || (RLength() > 0 && !E->AlwaysShowCaret()) || FHidden ||
      E->ReadOnly() || !E->HandleAllocated()) {
    HideCaret();
    return;
  }
  if (!FCaretShowing) {
    E->Host()->ShowCaret();
    FCaretShowing = true;
  }
}

void TSelectionRange::UpdateCaretPos() {
  TMemoComponent* E = Editor();
  if (!E || !E->CaretCreated() || IsChanging() || !E->HandleAllocated()) return;
  const TPoint P = FBackwards ? StartPoint() : EndPoint();
  E->Host()->SetCaretPos(P.X - 1, P.Y + 1);
}

void TSelectionRange::Changing() {
  TMCRange::Changing();
  HideCaret();
  FScrCol = -1;
  FOldSel = std::make_unique<TMCRange>();
  FOldSel->SetEditor(Editor());
  FOldSel->Assign(this);
}

void TSelectionRange::Changed() {
  TMCRange::Changed();
  if (FOldSel) {
    const int OS = FOldSel->RStart(), OE = FOldSel->REnd();
    const int S = RStart(), E = REnd();
    if (S == OS) {
      if (OE < E) {
        FOldSel->SetRStart(OE + 1);
        FOldSel->SetREnd(E);
      } else {
        FOldSel->SetRStart(E + 1);
      }
    } else if (E == OE) {
      if (S < OS) {
        FOldSel->SetRStart(S);
        FOldSel->SetREnd(OS - 1);
      } else {
        FOldSel->SetREnd(S - 1);
      }
    } else {
      DrawRange();
    }
    FOldSel->DrawRange();
    FOldSel.reset();
  }
  UpdateCaretPos();
  ShowCaret();
  if (Editor()) Editor()->NotifySelectionChange();
}

void TSelectionRange::ChangesDiscarded() {
  TMCRange::ChangesDiscarded();
  FOldSel.reset();
  UpdateCaretPos();
  ShowCaret();
}
