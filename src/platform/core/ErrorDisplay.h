/** @file ErrorDisplay.h
 ** Errors that reach the edge of our code (an event handler, a menu command, a timer) are
 ** caught there and shown by the application's error display: none may cross into the
 ** window system's event dispatch, which cannot pass them on safely. **/
#pragma once

#include <QString>
#include <concepts>
#include <functional>

using TErrorDisplay = std::function<void(const QString& Message)>;

/** Puts Display in place and answers the one it replaces. Without a display, errors are
    written to the log. */
TErrorDisplay SetErrorDisplay(TErrorDisplay Display);

/** Runs Deliver; an error escaping it is shown and the answer is false. */
bool DeliverShowingErrors(const std::function<bool()>& Deliver);

/** As DeliverShowingErrors, but the error is shown once the current event is done: no
    dialog may open while a window paints. */
bool DeliverShowingErrorsLater(const std::function<bool()>& Deliver);

/** Handler as a slot whose errors are shown instead of reaching the signal's sender. It
    takes as many of the signal's arguments as Handler does. */
template <class F>
auto ShowingErrors(F Handler) {
  return [Handler = std::move(Handler)]<class... A>(A&&... Args)
    requires std::invocable<const F&, A&...>
  {
    DeliverShowingErrors([&] {
      Handler(Args...);
      return true;
    });
  };
}
