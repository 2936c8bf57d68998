/** @file Collection.cpp
 ** Item membership and change notification. **/
#include "platform/core/Collection.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* Collection) {
  SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
  SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == FCollection) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int Value) {
  const int Current = Index();
  if (Current < 0 || Value == Current) return;
  if (Value < 0 || Value >= FCollection->Count()) throw EListError::IndexOutOfBounds(Value);
  FCollection->Compact();
  auto& Slots = FCollection->FSlots;
  Slots.erase(Slots.begin() + Current);
  Slots.insert(Slots.begin() + Value, this);
  for (int I = std::min(Current, Value); I <= std::max(Current, Value); ++I)
    Slots[I]->FSlot = I;
  FCollection->ItemsReordered();
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory Factory) : FFactory(std::move(Factory)) {}

TCollection::~TCollection() {
  // Items leave silently: nothing is told about a collection that is going away.
  FUpdateCount = 1;
  Compact();
  while (!FSlots.empty())
    delete FSlots.back();
}

TCollectionItem* TCollection::Add() {
  return FFactory(this);
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError::IndexOutOfBounds(Index);
  if (FGaps > 0 && Index >= FFirstGap) Compact();
  return FSlots[Index];
}

int TCollection::IndexOf(const TCollectionItem* Item) const {
  if (!Item || Item->FCollection != this) return -1;
  if (FGaps > 0 && Item->FSlot > FFirstGap) Compact();
  return Item->FSlot;
}

void TCollection::Compact() const {
  if (FGaps == 0) return;
  int To = FFirstGap;
  for (int From = FFirstGap; From < static_cast<int>(FSlots.size()); ++From) {
    if (!FSlots[From]) continue;
    FSlots[To] = FSlots[From];
    FSlots[To]->FSlot = To;
    ++To;
  }
  FSlots.resize(To);
  FGaps = 0;
  FFirstGap = -1;
}

void TCollection::Delete(int Index) {
  delete Items(Index);
}

void TCollection::Clear() {
  if (Count() == 0) return;
  BeginUpdate();
  Compact();
  while (!FSlots.empty())
    delete FSlots.back();
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (--FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TCollection*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  WithinUpdate(*this, [&] {
    Clear();
    for (int I = 0; I < Other->Count(); ++I)
      Add()->Assign(Other->Items(I));
  });
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FSlots.push_back(Item);
  Item->FSlot = static_cast<int>(FSlots.size()) - 1;
  Item->FCollection = this;
  ItemInserted(Item);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  ItemRemoved(Item);
  FSlots[Item->FSlot] = nullptr;
  ++FGaps;
  if (FFirstGap < 0 || Item->FSlot < FFirstGap) FFirstGap = Item->FSlot;
  // Gaps at the end are simply dropped.
  while (!FSlots.empty() && !FSlots.back()) {
    FSlots.pop_back();
    --FGaps;
  }
  if (FGaps == 0 || FFirstGap >= static_cast<int>(FSlots.size())) {
    FGaps = 0;
    FFirstGap = -1;
  }
  // Closing the gaps once they are half the slots keeps the slots bounded at a constant
  // cost per freed item.
  if (FGaps > 1024 && FGaps * 2 > static_cast<int>(FSlots.size())) Compact();
  Item->FCollection = nullptr;
  Item->FSlot = -1;
  Changed();
}
