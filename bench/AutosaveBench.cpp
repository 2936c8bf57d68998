// The autosave of a huge text, measured from the user-interface thread: how long the
// longest turn of the event loop takes while one window's text goes to its recovery file.
// A timer ticking every millisecond records the gaps, in wall time and in the UI thread's
// own CPU time (the part that is our work, not the machine serving other processes); the
// time spent inside WriteNow is reported too, and the longest gap of an idle loop as the
// machine's own noise. Several runs; the median and the spread of each figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchSetup.h"
#include "LoopTicker.h"
#include "YorelCorpus.h"
#include "studio/CodeForm.h"
#include "studio/recovery/Autosave.h"
#include "studio/recovery/RecoveryStore.h"

namespace {
struct TRun {
  double CallMs, LongestGapMs, LongestCpuGapMs, TotalMs;
};

TRun Measure(TCodeFRM& Code, TRecoveryStore& Store) {
  TLoopTicker Ticker;
  QElapsedTimer Call;
  Call.start();
  Code.Autosave->WriteNow();
  const qint64 CallNs = Call.nsecsElapsed();
  Ticker.Tick();
  // The real event loop until the file is there: the copy runs in slices between events,
  // the encoding and writing on the worker.
  QEventLoop Loop;
  QTimer Poll;
  QObject::connect(&Poll, &QTimer::timeout, [&] {
    if (!Code.Autosave->FileName().isEmpty() && QFile::exists(Code.Autosave->FileName()))
      Loop.quit();
  });
  Poll.start(10);
  Loop.exec();
  Store.Flush();
  return {CallNs / 1e6, Ticker.LongestWall / 1e6, Ticker.LongestCpu / 1e6,
          Ticker.Clock.nsecsElapsed() / 1e6};
}

void Report(const char* Name, std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  std::printf("%-28s median %8.2f ms   min %8.2f   max %8.2f\n", Name, Values[Values.size() / 2],
              Values.front(), Values.back());
}
}  // namespace

int main(int Argc, char** Argv) {
  QTemporaryDir Home;
  UseOffscreenStudio(Home);
  QApplication Application(Argc, Argv);
  const int Runs = Argc > 1 ? std::atoi(Argv[1]) : 7;
  QMdiArea Area;
  Area.resize(800, 600);
  Area.show();
  auto* Code = new TCodeFRM;
  Area.addSubWindow(Code);
  Code->SetFile(Home.filePath("big.yor"), "big.yor");
  Code->FillText(GenerateYorelSource(qint64(50) << 20));
  Code->MarkChanged();
  Code->showMaximized();
  QApplication::processEvents();
  std::printf("autosave of %d characters (%.1f MiB of UTF-16), %d runs\n",
              Code->tbCode->TextLength(), Code->tbCode->TextLength() * 2.0 / (1 << 20), Runs);
  std::vector<double> Calls, Gaps, CpuGaps, Totals, Idle;
  for (int I = 0; I < Runs; ++I) {
    Idle.push_back(IdleGapMs(3000));
    const TRun Run = Measure(*Code, TRecoveryStore::Instance());
    Calls.push_back(Run.CallMs);
    Gaps.push_back(Run.LongestGapMs);
    CpuGaps.push_back(Run.LongestCpuGapMs);
    Totals.push_back(Run.TotalMs);
    QFile::remove(Code->Autosave->FileName());
  }
  Report("WriteNow call", Calls);
  Report("longest event-loop gap", Gaps);
  Report("  of it the UI thread's CPU", CpuGaps);
  Report("until written", Totals);
  Report("idle loop gap, 3 s (noise)", Idle);
  Code->bFileChanged = false;
  return 0;
}
