// The autosave of a huge text, measured from the user-interface thread: how long the
// longest turn of the event loop takes while one window's text goes to its recovery file.
// A timer ticking every millisecond records the gaps; the time spent inside WriteNow is
// reported too. Several runs; the median and the spread of each figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "YorelCorpus.h"
#include "studio/CodeForm.h"
#include "studio/recovery/Autosave.h"
#include "studio/recovery/RecoveryStore.h"

namespace {
struct TRun {
  double CallMs, LongestGapMs, TotalMs;
};

TRun Measure(TCodeFRM& Code, TRecoveryStore& Store) {
  QElapsedTimer Clock;
  Clock.start();
  qint64 Last = Clock.nsecsElapsed(), Longest = 0;
  QTimer Ticker;
  Ticker.setInterval(1);
  QObject::connect(&Ticker, &QTimer::timeout, [&] {
    const qint64 Now = Clock.nsecsElapsed();
    Longest = std::max(Longest, Now - Last);
    Last = Now;
  });
  Ticker.start();
  QElapsedTimer Call;
  Call.start();
  Last = Clock.nsecsElapsed();
  Code.Autosave->WriteNow();
  const qint64 CallNs = Call.nsecsElapsed();
  Longest = std::max(Longest, Clock.nsecsElapsed() - Last);
  Last = Clock.nsecsElapsed();
  // Until the file is written: the copy runs in slices between events, the write on the worker.
  while (Code.Autosave->FileName().isEmpty() || !QFile::exists(Code.Autosave->FileName()))
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  Store.Flush();
  Ticker.stop();
  return {CallNs / 1e6, Longest / 1e6, Clock.nsecsElapsed() / 1e6};
}

void Report(const char* Name, std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  std::printf("%-28s median %8.2f ms   min %8.2f   max %8.2f\n", Name, Values[Values.size() / 2],
              Values.front(), Values.back());
}
}  // namespace

int main(int Argc, char** Argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir Home;
  qputenv("XDG_DATA_HOME", Home.filePath("data").toUtf8());
  qputenv("XDG_CONFIG_HOME", Home.filePath("config").toUtf8());
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
  std::vector<double> Calls, Gaps, Totals;
  for (int I = 0; I < Runs; ++I) {
    const TRun Run = Measure(*Code, TRecoveryStore::Instance());
    Calls.push_back(Run.CallMs);
    Gaps.push_back(Run.LongestGapMs);
    Totals.push_back(Run.TotalMs);
    QFile::remove(Code->Autosave->FileName());
  }
  Report("WriteNow call", Calls);
  Report("longest event-loop gap", Gaps);
  Report("until written", Totals);
  Code->bFileChanged = false;
  return 0;
}
