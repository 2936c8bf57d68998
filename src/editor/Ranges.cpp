/** @file Ranges.cpp
 ** The range collection, the change bracket and the stored-extent rules. **/
#include "editor/Ranges.h"

#include <algorithm>
#include <array>
#include <utility>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"

TMCRanges::TMCRanges(TMemoComponent* AOwner)
    : TObjectContainer(AOwner, [](TCollection* C) { return new TCustomRange(C); }),
      FEditor(AOwner),
      FItemClass([](TCollection* C) { return new TMCRange(C); }) {}

TCustomRange* TMCRanges::Add() {
  return FItemClass(this);
}

TCustomRange* TMCRanges::Add(int Start, int Count) {
  TCustomRange* Range = Add();
  Range->SetRStart(Start);
  Range->SetRLength(Count);
  return Range;
}

TCustomRange* TMCRanges::Items(int Index) const {
  return static_cast<TCustomRange*>(TObjectContainer::Items(Index));
}

void TMCRanges::MoveByEditor(TCustomRange* Range) {
  if (Range->FMovedByEditor || Range->Collection() != this) return;
  Range->FMovedByEditor = true;
  StopVisiting(Range);
}

void TMCRanges::ItemRemoved(TCollectionItem* Item) {
  StopVisiting(Item);
  if (!FWalk) return;
  // Found by address only, as below; the visit has not reached it yet, or has passed it.
  auto It = std::find(FWalk->begin(), FWalk->end(), Item);
  if (It != FWalk->end()) *It = nullptr;
}

void TMCRanges::VisitBackwards(const std::function<void(TCustomRange&)>& Visit) {
  // Every edit visits the few ranges there usually are: copied to the stack, not the heap.
  constexpr std::size_t OnStack = 16;
  std::array<TCollectionItem*, OnStack> Few;
  std::vector<TCollectionItem*> Many;
  std::span<TCollectionItem*> Walk;
  if (FVisited.size() <= OnStack) {
    std::copy(FVisited.begin(), FVisited.end(), Few.begin());
    Walk = std::span(Few.data(), FVisited.size());
  } else {
    Many = FVisited;
    Walk = Many;
  }
  std::span<TCollectionItem*>* Outer = std::exchange(FWalk, &Walk);
  const TScopeExit Restore([&] { FWalk = Outer; });
  for (auto It = Walk.rbegin(); It != Walk.rend(); ++It)
    if (*It) Visit(*static_cast<TCustomRange*>(*It));
}

void TMCRanges::StopVisiting(TCollectionItem* Item) {
  // The item may be half destroyed: it is found by address only. The visited ranges are few
  // and a new one is at the end, so the search from the end is short.
  for (auto It = FVisited.rbegin(); It != FVisited.rend(); ++It) {
    if (*It == Item) {
      FVisited.erase(std::next(It).base());
      return;
    }
  }
}

void TMCRanges::ItemsReordered() {
  FVisited.clear();
  for (int I = 0; I < Count(); ++I) {
    TCustomRange* Range = Items(I);
    if (!Range->MovedByEditor()) FVisited.push_back(Range);
  }
}

TCustomRange::TCustomRange(TCollection* Collection) : TContainerItem(Collection) {
  if (auto* Ranges = dynamic_cast<TMCRanges*>(Collection)) FEditor = Ranges->Owner();
}

void TCustomRange::AssignTo(TPersistent* Dest) const {
  auto* Range = dynamic_cast<TCustomRange*>(Dest);
  if (!Range) {
    TContainerItem::AssignTo(Dest);
    return;
  }
  Range->DoChanging();
  Range->SetRStart(RStart());
  Range->SetREnd(REnd());
  Range->DoChange();
}

void TCustomRange::SetRStart(int) {}
void TCustomRange::SetREnd(int) {}
void TCustomRange::SetRLength(int Value) {
  SetREnd(RStart() + Value - 1);
}
int TCustomRange::RStart() const {
  throw EAbstractError();
}
int TCustomRange::REnd() const {
  throw EAbstractError();
}
int TCustomRange::RLength() const {
  return REnd() - RStart() + 1;
}

TTextCell TCustomRange::StartRowCol() const {
  return FEditor ? FEditor->CharIdxToCell(RStart()) : TextCell(1, 1);
}

TTextCell TCustomRange::EndRowCol() const {
  return FEditor ? FEditor->CharIdxToCell(REnd()) : TextCell(1, 0);
}

void TCustomRange::SetStartRowCol(TTextCell Value) {
  if (FEditor) SetRStart(FEditor->CellToCharIdx(Value));
}

void TCustomRange::SetEndRowCol(TTextCell Value) {
  if (FEditor) SetREnd(FEditor->CellToCharIdx(Value));
}

QString TCustomRange::Text() const {
  if (!FEditor || RLength() <= 0) return QString();
  return FEditor->TextRange(RStart(), RLength());
}

void TCustomRange::SetText(const QString& Value) {
  if (FEditor) FEditor->ReplaceRangeText(this, Value);
}

void TCustomRange::Clear() {
  if (RLength() > 0) SetText(QString());
}

void TCustomRange::DrawRange() {
  if (FEditor) FEditor->DrawTextRange(*this);
}

void TCustomRange::FollowReplacement(int A, int B, int Delta) {
  DoChanging();
  bool Overwritten = false;
  auto MoveEnd = [&](int End) {
    if (A <= End && End <= B) {
      if (RStart() > A) SetRStart(A);
      SetREnd(A - 1);
      Overwritten = true;
    } else if (End > B) {
      SetREnd(End + Delta);
    }
  };
  auto MoveStart = [&]() {
    const int Start = RStart();
    if (A <= Start && Start <= B) {
      SetRStart(A);
      Overwritten = true;
    } else if (Start > B) {
      SetRStart(Start + Delta);
    }
  };
  // Growing, the end moves first so that the start never passes it; shrinking, the start.
  if (Delta > 0) {
    MoveEnd(REnd());
    MoveStart();
  } else {
    const int End = REnd();
    MoveStart();
    MoveEnd(End);
  }
  DoChange();
  if (Overwritten && RLength() <= 0) NotifyOverwrite();
}

void TCustomRange::NotifyOverwrite() {
  Raise(OnOverwrite);
}

void TCustomRange::Raise(const TNotifyEvent& Event) {
  if (FEditor)
    FEditor->RaiseHandler(Event, this);
  else
    RaiseEvent(Event, this);
}

void TCustomRange::DoChanging() {
  if (FChanging == 0) Changing();
  ++FChanging;
}

void TCustomRange::DoChange() {
  if (--FChanging == 0) Changed();
}

void TCustomRange::DoDiscardChanges() {
  if (--FChanging == 0) ChangesDiscarded();
}

void TCustomRange::Changed() {
  Raise(OnChange);
}

void TMCRange::SetRStart(int Value) {
  DoChanging();
  int Start = std::max(Value, 1);
  if (Editor()) Start = std::min(Start, Editor()->TextLength() + 1);
  FRStart = Start - Owed();
  SetREnd(REnd());
  DoChange();
}

void TMCRange::SetREnd(int Value) {
  DoChanging();
  int End = std::max(Value, RStart() - 1);
  if (Editor()) End = std::min(End, Editor()->TextLength());
  FREnd = End - Owed();
  DoChange();
}

void TMCRange::SetOffset(TRangeOffset* Value) {
  const int Start = RStart();
  const int End = REnd();
  FOffset = Value;
  FRStart = Start - Owed();
  FREnd = End - Owed();
}

int TWholeTextRange::REnd() const {
  return Editor() ? Editor()->TextLength() : 0;
}
