/** @file LoopTicker.h
 ** How long the user-interface thread is held: a timer ticking every millisecond keeps the
 ** longest gap between two of its ticks, in wall time and in the thread's own CPU time (the
 ** part that is our work, not the machine serving other processes). **/
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <ctime>

/** CPU time of the calling thread: a gap in it is work the thread did. */
inline qint64 ThreadCpuNs() {
  timespec Now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
  return Now.tv_sec * 1'000'000'000LL + Now.tv_nsec;
}

struct TLoopTicker {
  TLoopTicker() {
    Clock.start();
    Timer.setInterval(1);
    QObject::connect(&Timer, &QTimer::timeout, [this] { Tick(); });
    Restart();
    Timer.start();
  }
  void Restart() {
    LastWall = Clock.nsecsElapsed();
    LastCpu = ThreadCpuNs();
  }
  void Tick() {
    const qint64 Wall = Clock.nsecsElapsed(), Cpu = ThreadCpuNs();
    LongestWall = std::max(LongestWall, Wall - LastWall);
    LongestCpu = std::max(LongestCpu, Cpu - LastCpu);
    LastWall = Wall;
    LastCpu = Cpu;
  }
  double LongestWallMs() const { return LongestWall / 1e6; }
  double LongestCpuMs() const { return LongestCpu / 1e6; }

  QElapsedTimer Clock;
  QTimer Timer;
  qint64 LastWall = 0, LastCpu = 0, LongestWall = 0, LongestCpu = 0;
};

/** The same ticking with nothing to do for Ms: what the machine itself adds to every gap. */
inline double IdleGapMs(int Ms) {
  TLoopTicker Ticker;
  QEventLoop Loop;
  QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
  Loop.exec();
  return Ticker.LongestWallMs();
}
