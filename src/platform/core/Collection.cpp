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
  auto& Items = FCollection->FItems;
  Value = std::clamp(Value, 0, static_cast<int>(Items.size()) - 1);
  Items.erase(Items.begin() + Current);
  Items.insert(Items.begin() + Value, this);
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory Factory) : FFactory(std::move(Factory)) {}

TCollection::~TCollection() {
  // Items leave silently: nothing is told about a collection that is going away.
  FUpdateCount = 1;
  while (!FItems.empty())
    delete FItems.back();
}

TCollectionItem* TCollection::Add() {
  return FFactory(this);
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError::IndexOutOfBounds(Index);
  return FItems[Index];
}

// Searched from the end: items are mostly freed in the reverse order of their creation.
int TCollection::IndexOf(const TCollectionItem* Item) const {
  for (int I = Count() - 1; I >= 0; --I)
    if (FItems[I] == Item) return I;
  return -1;
}

void TCollection::Delete(int Index) {
  delete Items(Index);
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty())
    delete FItems.back();
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
  BeginUpdate();
  Clear();
  for (TCollectionItem* Item : Other->FItems)
    Add()->Assign(Item);
  EndUpdate();
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  const int Index = IndexOf(Item);
  if (Index >= 0) FItems.erase(FItems.begin() + Index);
  Item->FCollection = nullptr;
  Changed();
}
