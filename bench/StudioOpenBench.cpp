/** @file StudioOpenBench.cpp
 ** studio-open-bench: the studio started with a big generated source on its command line,
 ** against QScintilla loading the same file in a window of its own. Each in a process of
 ** its own, several runs taking turns; reports the time until the window first answers,
 ** until the coloured text is on screen, until the whole text is coloured, the longest turn
 ** of the event loop meanwhile (a timer ticking every millisecond records the gaps) and the
 ** peak resident memory.
 **   studio-open-bench [--mib 50] [--runs 3]
 **   studio-open-bench --run yorel|scintilla --file PATH   (one measurement, one JSON line) **/
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "BenchSubject.h"
#include "YorelCorpus.h"
#include "studio/Application.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/startup/StartupOpening.h"

namespace {
double PeakMiB() {
  QFile Status(QStringLiteral("/proc/self/status"));
  if (!Status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& Line : Status.readAll().split('\n'))
    if (Line.startsWith("VmHWM:")) return Line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
  return 0;
}

struct TTicker {
  TTicker() {
    Timer.setInterval(1);
    QObject::connect(&Timer, &QTimer::timeout, [this] {
      LongestMs = std::max(LongestMs, Since.nsecsElapsed() / 1e6);
      Since.start();
    });
    Since.start();
    Timer.start();
  }
  QTimer Timer;
  QElapsedTimer Since;
  double LongestMs = 0;
};

// Polls Done every millisecond until it is true, then runs Then.
void WhenDone(std::function<bool()> Done, std::function<void()> Then) {
  if (Done()) {
    Then();
    return;
  }
  QTimer::singleShot(1, [Done = std::move(Done), Then = std::move(Then)]() mutable {
    WhenDone(std::move(Done), std::move(Then));
  });
}

// The first tick of the event loop: the window is up and answers. Coloured is true once the
// whole text is coloured (at once for the peer, which colours what it paints).
void Measure(QJsonObject& Result, const QElapsedTimer& Clock, TTicker& Ticker,
             std::function<void(std::function<void()>)> Open, std::function<bool()> Coloured) {
  QTimer::singleShot(0, [&Result, &Clock, &Ticker, Open = std::move(Open),
                         Coloured = std::move(Coloured)] {
    Result["answers_ms"] = Clock.nsecsElapsed() / 1e6;
    Open([&Result, &Clock, &Ticker, Coloured] {
      // The paint of the coloured text comes in the loop's next turn.
      QTimer::singleShot(0, [&Result, &Clock, &Ticker, Coloured] {
        Result["coloured_screen_ms"] = Clock.nsecsElapsed() / 1e6;
        WhenDone(Coloured, [&Result, &Clock, &Ticker] {
          Result["all_coloured_ms"] = Clock.nsecsElapsed() / 1e6;
          // The turn that is ending counts too.
          Result["longest_stall_ms"] =
              std::max(Ticker.LongestMs, Ticker.Since.nsecsElapsed() / 1e6);
          Result["peak_mib"] = PeakMiB();
          QCoreApplication::exit(0);  // quit() would first ask the windows to close
        });
      });
    });
  });
}

int RunYorel(int Argc, char** Argv, const QString& Path) {
  TApplication Application(Argc, Argv);
  QElapsedTimer Clock;
  Clock.start();
  TMainFRM Main;
  Main.resize(1000, 700);
  Main.show();
  TTicker Ticker;
  QJsonObject Result{{"subject", "yorel"}};
  Measure(
      Result, Clock, Ticker,
      [&](std::function<void()> Done) { OpenPathsAfterStart(Main, {Path}, std::move(Done)); },
      [&] {
        const TCodeFRM* Form = Main.ActiveCodeForm();
        return Form && !Form->tbCode->SyntaxChain()->ScanPending();
      });
  Application.exec();
  std::printf("%s\n", QJsonDocument(Result).toJson(QJsonDocument::Compact).constData());
  return 0;
}

int RunScintilla(int Argc, char** Argv, const QString& Path) {
  QApplication Application(Argc, Argv);
  QElapsedTimer Clock;
  Clock.start();
  std::unique_ptr<TBenchSubject> Peer = MakeScintillaSubject();
  if (!Peer) return 2;
  TTicker Ticker;
  QJsonObject Result{{"subject", "scintilla"}};
  Measure(
      Result, Clock, Ticker,
      [&](std::function<void()> Done) {
        QFile File(Path);
        if (File.open(QIODevice::ReadOnly)) Peer->Load(File.readAll());
        Done();
      },
      [] { return true; });
  Application.exec();
  std::printf("%s\n", QJsonDocument(Result).toJson(QJsonDocument::Compact).constData());
  return 0;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}
}  // namespace

int main(int Argc, char** Argv) {
  QStringList Args;
  for (int I = 0; I < Argc; ++I)
    Args << QString::fromLocal8Bit(Argv[I]);
  auto Option = [&](const QString& Name, const QString& Default) {
    const qsizetype I = Args.indexOf(Name);
    return I >= 0 && I + 1 < Args.size() ? Args[I + 1] : Default;
  };
  if (Args.contains("--run")) {
    const QString File = Option("--file", {});
    return Option("--run", {}) == "yorel" ? RunYorel(Argc, Argv, File)
                                          : RunScintilla(Argc, Argv, File);
  }
  QCoreApplication Application(Argc, Argv);
  const int MiB = Option("--mib", "50").toInt();
  const int Runs = std::max(Option("--runs", "3").toInt(), 1);
  QTemporaryDir Folder;
  const QString Path = Folder.filePath(QStringLiteral("big.yor"));
  {
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly)) return 1;
    File.write(GenerateYorelSource(qint64(MiB) * 1024 * 1024).toUtf8());
  }
  std::printf("file: %d MiB of generated source, %d runs taking turns\n", MiB, Runs);
  std::map<QString, std::vector<QJsonObject>> Results;
  for (int Round = 0; Round < Runs; ++Round)
    for (const QString Subject : {"yorel", "scintilla"}) {
      QProcess Run;
      Run.start(QCoreApplication::applicationFilePath(),
                {"--run", Subject, "--file", Path, "-platform", "offscreen"});
      Run.waitForFinished(-1);
      const QByteArray Output = Run.readAllStandardOutput().trimmed();
      if (Run.exitCode() != 0 || Output.isEmpty()) continue;
      std::printf("%s\n", Output.split('\n').last().constData());
      Results[Subject].push_back(QJsonDocument::fromJson(Output.split('\n').last()).object());
    }
  std::printf("\nmedians          %12s %12s %8s\n", "yorel", "scintilla", "ratio");
  for (const char* Metric :
       {"answers_ms", "coloured_screen_ms", "all_coloured_ms", "longest_stall_ms", "peak_mib"}) {
    auto MedianOf = [&](const QString& Subject) {
      std::vector<double> Values;
      for (const QJsonObject& R : Results[Subject])
        Values.push_back(R[Metric].toDouble());
      return Values.empty() ? 0.0 : Median(Values);
    };
    const double Ours = MedianOf("yorel"), Peer = MedianOf("scintilla");
    std::printf("%-18s %12.1f %12.1f %8.2f\n", Metric, Ours, Peer, Peer > 0 ? Ours / Peer : 0.0);
  }
  return 0;
}
