// The work after a pause in typing, measured from the user-interface thread of the main
// window with a 10 MiB source open: a keystroke in the middle (a letter, or Enter, which moves
// every later declaration and problem), then the event loop until the language has re-read
// the row, gathered the declarations, rerun the checks and refreshed the panels. A timer
// ticking every millisecond records the longest turn of the loop, in wall time and in the UI
// thread's own CPU time; an idle loop gives the machine's noise. Several runs of each key;
// the median and the spread.
//   language-pause-bench [--mib N] [--runs R]   (defaults 10 and 7)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "BenchSetup.h"
#include "YorelCorpus.h"
#include "editor/SelectionRange.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/language/EditorLanguage.h"
#include "studio/language/LanguageService.h"

namespace {
qint64 ThreadCpuNs() {
  timespec Now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
  return Now.tv_sec * 1'000'000'000LL + Now.tv_nsec;
}

/** Runs the event loop for Ms and answers its longest gap between two 1 ms ticks, in wall
    time and in the thread's CPU time. */
std::pair<double, double> LongestGap(int Ms) {
  QElapsedTimer Clock;
  Clock.start();
  qint64 LastWall = 0, LastCpu = ThreadCpuNs(), Wall = 0, Cpu = 0;
  QTimer Ticker;
  Ticker.setInterval(1);
  QObject::connect(&Ticker, &QTimer::timeout, [&] {
    const qint64 W = Clock.nsecsElapsed(), C = ThreadCpuNs();
    Wall = std::max(Wall, W - LastWall);
    Cpu = std::max(Cpu, C - LastCpu);
    LastWall = W;
    LastCpu = C;
  });
  Ticker.start();
  QEventLoop Loop;
  QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
  Loop.exec();
  return {Wall / 1e6, Cpu / 1e6};
}

void Report(const char* Name, std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  std::printf("%-34s median %7.2f ms   min %7.2f   max %7.2f\n", Name, Values[Values.size() / 2], Values.front(),
              Values.back());
}
}  // namespace

int main(int Argc, char** Argv) {
  QTemporaryDir Home;
  UseOffscreenStudio(Home);
  QApplication Application(Argc, Argv);
  const int MiB = BenchOption(Application.arguments(), "--mib", 10);
  const int Runs = BenchOption(Application.arguments(), "--runs", 7);
  const QString Path = Home.filePath(QStringLiteral("big.yor"));
  QFile File(Path);
  File.open(QIODevice::WriteOnly);
  File.write(GenerateYorelSource(qint64(MiB) << 20).toUtf8());
  File.close();

  TMainFRM Form;
  Form.resize(1000, 700);
  Form.show();
  TCodeFRM* Code = Form.OpenSourceFile(Path, QStringLiteral("big.yor"));
  TEditorLanguage* Language = TLanguageService::LanguageOf(Code);
  const std::pair<double, double> Open = LongestGap(3000);
  std::printf("%d rows; after opening, longest turn %.1f ms (CPU %.1f ms), %zu declarations, %zu problems\n",
              Code->tbCode->LineCount(), Open.first, Open.second, Language->Declarations().size(),
              Language->Problems().size());
  TSourceEdit* Editor = Code->tbCode.get();
  const char* Names[2] = {"letter: longest turn", "Enter: longest turn"};
  std::vector<double> Wall[2], Cpu[2], Idle;
  for (int Run = 0; Run < Runs; ++Run) {
    Idle.push_back(LongestGap(600).first);
    for (int Key = 0; Key < 2; ++Key) {
      Editor->SetSelStart(Editor->CellToCharIdx(TextCell(Editor->LineCount() / 2 + Run, 3)) - 1);
      Editor->ScrollCaret();  // the user types where they look
      LongestGap(100);
      Editor->Selection()->SetText(Key ? QStringLiteral("\r\n") : QStringLiteral("x"));
      const auto [W, C] = LongestGap(TEditorLanguage::SettleMilliseconds + 900);
      if (Language->Working()) std::printf("run %d: the work was not done\n", Run);
      Wall[Key].push_back(W);
      Cpu[Key].push_back(C);
    }
  }
  for (int Key = 0; Key < 2; ++Key) {
    Report(Names[Key], Wall[Key]);
    Report("  of it the UI thread's CPU", Cpu[Key]);
  }
  Report("idle loop, 600 ms (noise)", Idle);
  Code->bFileChanged = false;
  return 0;
}
