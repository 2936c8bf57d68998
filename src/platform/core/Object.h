/** @file Object.h
 ** The root of the class library: every class answers its own class name. **/
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <type_traits>

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

/** An optional callback. Unassigned it costs one pointer: objects that exist by the
    million, such as the syntax ranges, carry events that are almost never assigned. */
template <class Signature>
class TEvent {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}  // NOLINT: assigning nullptr clears
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent(F&& Function)  // NOLINT: assigned from any callable, as a std::function is
      : FFunction(std::make_unique<std::function<Signature>>(std::forward<F>(Function))) {}
  TEvent(const TEvent& Other)
      : FFunction(Other ? std::make_unique<std::function<Signature>>(*Other.FFunction)
                        : nullptr) {}
  TEvent(TEvent&&) noexcept = default;
  TEvent& operator=(const TEvent& Other) {
    if (this != &Other) *this = TEvent(Other);
    return *this;
  }
  TEvent& operator=(TEvent&&) noexcept = default;

  explicit operator bool() const { return FFunction && *FFunction; }
  template <class... TArgs>
  auto operator()(TArgs&&... Args) const {
    return (*FFunction)(std::forward<TArgs>(Args)...);
  }

 private:
  std::unique_ptr<std::function<Signature>> FFunction;
};

/** An optional callback that receives the sender; "raise" means call it when assigned. */
using TNotifyEvent = TEvent<void(TObject* Sender)>;

inline void RaiseEvent(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) Event(Sender);
}
