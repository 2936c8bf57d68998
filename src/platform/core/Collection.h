/** @file Collection.h
 ** Collections that own their items, keep them in index order and tell a virtual Update
 ** after an item (Item) or the whole collection (nullptr) changed. **/
#pragma once

#include <functional>
#include <vector>

#include "platform/core/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  /** Joins Collection when given. A descendant whose collection's Update reads the
      descendant's own members passes nullptr and joins at the end of its constructor. */
  explicit TCollectionItem(TCollection* Collection);
  // An item is known to its collection by address: a copy would be a stranger to it.
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;
  ~TCollectionItem() override;
  QString ClassName() const override { return QStringLiteral("TCollectionItem"); }

  TCollection* Collection() const { return FCollection; }
  /** Leaves the current collection and joins Value; each notifies. */
  void SetCollection(TCollection* Value);
  int Index() const;
  /** Moves the item to Value within its collection; an index outside it is a list error. */
  void SetIndex(int Value);
  QString DisplayName() const { return GetDisplayName(); }
  virtual QString GetDisplayName() const { return ClassName(); }
  virtual void SetDisplayName(const QString&) { Changed(false); }

 protected:
  /** Reports a change of this item, or of the whole collection when AllItems. */
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FSlot = -1;  ///< place in the collection's slots, which may hold gaps of freed items
};

class TCollection : public TPersistent {
 public:
  using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

  explicit TCollection(ItemFactory Factory);
  // Its items point back at it; copy the items with Assign instead.
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;
  ~TCollection() override;
  QString ClassName() const override { return QStringLiteral("TCollection"); }

  /** A new item of the collection's item class, joined to it. */
  TCollectionItem* Add();
  int Count() const { return static_cast<int>(FSlots.size()) - FGaps; }
  TCollectionItem* Items(int Index) const;
  int IndexOf(const TCollectionItem* Item) const;
  void Delete(int Index);
  /** Frees every item, from the last to the first, with one notification. */
  void Clear();
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  void Assign(const TPersistent* Source) override;
  virtual void Update(TCollectionItem*) {}

 protected:
  void Changed();
  /** Told after Item joined, before it leaves (when it may be partly destroyed already),
      and after items changed places. */
  virtual void ItemInserted(TCollectionItem*) {}
  virtual void ItemRemoved(TCollectionItem*) {}
  virtual void ItemsReordered() {}

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  /** Closes the gaps that freed items left, from the first one on. */
  void Compact() const;

  ItemFactory FFactory;
  // Freeing an item leaves a gap instead of shifting every later item, so that freeing
  // many items costs each a constant; indexes before the first gap stay exact without
  // closing the gaps, which happens only when an index at or after it is asked for.
  mutable std::vector<TCollectionItem*> FSlots;
  mutable int FGaps = 0;
  mutable int FFirstGap = -1;
  int FUpdateCount = 0;
};

/** A collection whose owner query answers its owner. */
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection(TPersistent* AOwner, ItemFactory Factory)
      : TCollection(std::move(Factory)), FOwner(AOwner) {}
  QString ClassName() const override { return QStringLiteral("TOwnedCollection"); }
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};
