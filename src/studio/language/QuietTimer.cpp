/** @file QuietTimer.cpp
 ** The timer runs from the first touch; when it fires early for a later touch, it waits out
 ** the rest. **/
#include "studio/language/QuietTimer.h"

TQuietTimer::TQuietTimer(int Milliseconds, std::function<void()> OnQuiet)
    : FMilliseconds(Milliseconds), FOnQuiet(std::move(OnQuiet)) {
  FTimer.setSingleShot(true);
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Timeout(); });
}

void TQuietTimer::Touch() {
  FLastTouch.start();
  if (!FTimer.isActive()) FTimer.start(FMilliseconds);
}

void TQuietTimer::Timeout() {
  if (const qint64 Quiet_ = Quiet(); Quiet_ < FMilliseconds) {
    FTimer.start(static_cast<int>(FMilliseconds - Quiet_));
    return;
  }
  FOnQuiet();
}
