/** @file ObjList.h
 ** Small support classes for objects that know their owner and for containers whose
 ** items can be sent actions. **/
#pragma once

#include "platform/core/Collection.h"

class TOwnedPersistent : public TPersistent {
 public:
  explicit TOwnedPersistent(TPersistent* AOwner) { SetOwner(AOwner); }
  ~TOwnedPersistent() override { FOwner = nullptr; }
  QString ClassName() const override { return QStringLiteral("TOwnedPersistent"); }

  TPersistent* Owner() const { return FOwner; }
  virtual void SetOwner(TPersistent* Value) { FOwner = Value; }
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner = nullptr;
};

class TObjectContainer : public TOwnedCollection {
 public:
  using TOwnedCollection::TOwnedCollection;
  QString ClassName() const override { return QStringLiteral("TObjectContainer"); }
  /** Sends Action to every item, from the last to the first. */
  virtual void PerformItemAction(int Action, TObject* Obj);
};

using TActionNotifyEvent = TEvent<void(TObject* Sender, int Action, TObject* Obj)>;

class TContainerItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  QString ClassName() const override { return QStringLiteral("TContainerItem"); }

  TObjectContainer* Owner() const { return dynamic_cast<TObjectContainer*>(Collection()); }
  void SetOwner(TObjectContainer* Value) { SetCollection(Value); }
  virtual void DoAction(int Action, TObject* Obj) {
    if (OnAction) OnAction(this, Action, Obj);
  }

  TActionNotifyEvent OnAction;
};
