/** @file ScopeExit.h
 ** An action run when a scope ends, however it ends, so that a bracket opened in the scope
 ** is closed even when a handler called inside it throws. **/
#pragma once

#include <exception>
#include <utility>

template <class F>
class TScopeExit {
 public:
  explicit TScopeExit(F Action) : FAction(std::move(Action)) {}
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;
  ~TScopeExit() noexcept(false) {
    if (std::uncaught_exceptions() == FUncaught) {
      FAction();
      return;
    }
    // Unwinding already: the exception under way is the one to report.
    try {
      FAction();
    } catch (...) {
    }
  }

 private:
  F FAction;
  int FUncaught = std::uncaught_exceptions();
};
