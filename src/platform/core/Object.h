/** @file Object.h
 ** The root of the class library: every class answers its own class name. **/
#pragma once

#include <QString>
#include <functional>

class TObject {
 public:
  virtual ~TObject() = default;
  virtual QString ClassName() const { return QStringLiteral("TObject"); }
  /** True when this object's class is ClassName or derives from it. */
  template <class T>
  bool InheritsFrom() const {
    return dynamic_cast<const T*>(this) != nullptr;
  }
};

/** An optional callback that receives the sender; "raise" means call it when assigned. */
using TNotifyEvent = std::function<void(TObject* Sender)>;

inline void RaiseEvent(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) Event(Sender);
}
