/** @file Persistent.h
 ** Assignable objects, and components that know their owner. **/
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"

class TPersistent : public TObject {
 public:
  QString ClassName() const override { return QStringLiteral("TPersistent"); }
  /** Copies Source into this object; a class that cannot take it raises the assignment error. */
  virtual void Assign(const TPersistent* Source);
  /** Copies this object into Dest; the fallback when Dest does not know this class. */
  virtual void AssignTo(TPersistent* Dest) const;
  virtual TPersistent* GetOwner() const { return nullptr; }
};

/** A persistent object with an owner. Ownership itself is held by C++ owners. */
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner = nullptr) : FOwner(AOwner) {}
  QString ClassName() const override { return QStringLiteral("TComponent"); }
  TComponent* Owner() const { return FOwner; }
  TPersistent* GetOwner() const override { return FOwner; }
  const QString& Name() const { return FName; }
  void SetName(const QString& Value) { FName = Value; }

 private:
  TComponent* FOwner;
  QString FName;
};

/** Runs Body inside Target's BeginUpdate/EndUpdate. The bracket closes when Body throws too,
    so a failed copy does not leave the target silenced for good. */
template <class TUpdatable, class TBody>
void WithinUpdate(TUpdatable& Target, TBody&& Body) {
  Target.BeginUpdate();
  try {
    Body();
  } catch (...) {
    Target.EndUpdate();
    throw;
  }
  Target.EndUpdate();
}
