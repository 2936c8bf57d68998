/** @file Ranges.cpp
 ** The range collection, the change bracket and the stored-extent rules. **/
#include "editor/Ranges.h"

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/Exceptions.h"

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

void TCustomRange::NotifyOverwrite() {
  RaiseEvent(OnOverwrite, this);
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
  RaiseEvent(OnChange, this);
}

void TMCRange::SetRStart(int Value) {
  DoChanging();
  FRStart = std::max(Value, 1);
  if (Editor()) FRStart = std::min(FRStart, Editor()->TextLength() + 1);
  SetREnd(REnd());
  DoChange();
}

void TMCRange::SetREnd(int Value) {
  DoChanging();
  FREnd = std::max(Value, FRStart - 1);
  if (Editor()) FREnd = std::min(FREnd, Editor()->TextLength());
  DoChange();
}

int TWholeTextRange::REnd() const {
  return Editor() ? Editor()->TextLength() : 0;
}
