/** @file Object.h
 ** The root of the class library: every class answers its own class name. **/
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <type_traits>
#include <utility>

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

/** An optional callback. It costs one pointer, and copies share one callable: objects
    that exist by the million, such as the syntax ranges, carry events that are almost
    never assigned or all assigned the same handler. */
template <class Signature>
class TEvent {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}  // NOLINT: assigning nullptr clears
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent(F&& Function)  // NOLINT: assigned from any callable, as a std::function is
      : FShared(new TShared(std::forward<F>(Function))) {}
  TEvent(const TEvent& Other) : FShared(Other.FShared) {
    if (FShared) ++FShared->Refs;
  }
  TEvent(TEvent&& Other) noexcept : FShared(std::exchange(Other.FShared, nullptr)) {}
  TEvent& operator=(TEvent Other) noexcept {
    std::swap(FShared, Other.FShared);
    return *this;
  }
  ~TEvent() {
    if (FShared && --FShared->Refs == 0) delete FShared;
  }

  explicit operator bool() const { return FShared && FShared->Function; }
  template <class... TArgs>
  auto operator()(TArgs&&... Args) const {
    return FShared->Function(std::forward<TArgs>(Args)...);
  }

 private:
  struct TShared {
    template <class F>
    explicit TShared(F&& Function) : Function(std::forward<F>(Function)) {}
    std::atomic<int> Refs{1};
    const std::function<Signature> Function;
  };
  TShared* FShared = nullptr;
};

/** An optional callback that receives the sender; "raise" means call it when assigned. */
using TNotifyEvent = TEvent<void(TObject* Sender)>;

inline void RaiseEvent(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) Event(Sender);
}
