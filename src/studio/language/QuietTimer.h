/** @file QuietTimer.h
 ** Calls back once an interval has passed since the last touch. A touch, made on every
 ** keystroke, only reads the clock: restarting a timer each time would cost more than the
 ** keystroke's own work in a large file. **/
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class TQuietTimer {
 public:
  TQuietTimer(int Milliseconds, std::function<void()> OnQuiet);
  /** Starts the wait, or moves its end to an interval from now. */
  void Touch();
  void Stop() { FTimer.stop(); }
  bool Waiting() const { return FTimer.isActive(); }
  /** Milliseconds since the last touch; the interval when there was none. */
  qint64 Quiet() const { return FLastTouch.isValid() ? FLastTouch.elapsed() : FMilliseconds; }

 private:
  void Timeout();

  const int FMilliseconds;
  std::function<void()> FOnQuiet;
  QTimer FTimer;
  QElapsedTimer FLastTouch;
};
