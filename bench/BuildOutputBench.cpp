/** @file BuildOutputBench.cpp
 ** A stand-in compiler printing 1,000,000 lines (one in a thousand an error the panel
 ** recognises) built from the main window, as the user starts it: the time from Build to
 ** the summary line, and the longest turn of the event loop meanwhile, in wall time and in
 ** the user-interface thread's own CPU time. The longest gap of an idle loop is the
 ** machine's noise. Several runs; medians with the fastest and slowest.
 **   build-output-bench [--runs 5] [--lines 1000000] **/
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchSetup.h"
#include "LoopTicker.h"
#include "studio/MainForm.h"
#include "studio/build/BuildOutput.h"

namespace {
QString Write(const QTemporaryDir& Dir, const QString& Name, const QByteArray& Bytes) {
  const QString Path = Dir.filePath(Name);
  QFile File(Path);
  File.open(QIODevice::WriteOnly);
  File.write(Bytes);
  return Path;
}

QString LastLine(const TOutputModel& Model) {
  return Model.rowCount() > 0 ? Model.Text(Model.rowCount() - 1) : QString();
}

void Report(const char* Name, std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  std::printf("%-34s median %9.1f ms   [%9.1f - %9.1f]\n", Name, Values[Values.size() / 2],
              Values.front(), Values.back());
  std::printf("{\"bench\":\"build_output\",\"figure\":\"%s\",\"median_ms\":%.2f,\"min_ms\":%.2f,"
              "\"max_ms\":%.2f}\n",
              Name, Values[Values.size() / 2], Values.front(), Values.back());
}
}  // namespace

int main(int Argc, char** Argv) {
  // Settings of its own: a compiler location set by the user would win over the stand-in.
  QTemporaryDir Home;
  UseOffscreenStudio(Home);
  QApplication Application(Argc, Argv);
  int Runs = 5;
  int Lines = 1000000;
  const QStringList Args = Application.arguments();
  for (int I = 1; I + 1 < Args.size(); I += 2) {
    if (Args[I] == QStringLiteral("--runs")) Runs = std::max(1, Args[I + 1].toInt());
    if (Args[I] == QStringLiteral("--lines")) Lines = std::max(1, Args[I + 1].toInt());
  }
  QTemporaryDir Dir;
  Write(Dir, QStringLiteral("main.yor"), "program Demo;\r\nbegin\r\nend.\r\n");
  const QString Project = Write(Dir, QStringLiteral("Demo.ypr"), "main.yor\r\n");
  const QString Compiler = Write(
      Dir, QStringLiteral("compiler.sh"),
      "#!/bin/sh\nawk -v n=" + QByteArray::number(Lines) +
          " 'BEGIN { for (i = 1; i <= n; i++) if (i % 1000 == 0) "
          "print \"main.yor(2): error: stand-in error \" i; "
          "else print \"compiling unit \" i \" of the stand-in program\" }'\n");
  QFile::setPermissions(Compiler, QFile::permissions(Compiler) | QFile::ExeOwner);

  TMainFRM Form;
  Form.resize(1000, 700);
  Form.show();
  Form.OpenProjectFile(Project);
  Form.compilerLoc = Compiler;
  QApplication::processEvents();
  const TOutputModel& Model = *Form.BuildOutput()->Panel()->Model();
  std::vector<double> Totals, Gaps, CpuGaps, Idle;
  QString Summary;
  for (int Run = 0; Run < Runs; ++Run) {
    Idle.push_back(IdleGapMs(2000));
    TLoopTicker Ticker;
    Form.toolBuBuildClick();
    QEventLoop Loop;
    QTimer Poll;
    QObject::connect(&Poll, &QTimer::timeout, [&] {
      if (!Form.BuildOutput()->Running() && LastLine(Model).startsWith(QStringLiteral("Build ")))
        Loop.quit();
    });
    Poll.start(5);
    Loop.exec();
    Totals.push_back(Ticker.Clock.nsecsElapsed() / 1e6);
    Gaps.push_back(Ticker.LongestWallMs());
    CpuGaps.push_back(Ticker.LongestCpuMs());
    Summary = LastLine(Model);
  }
  std::printf("%d lines, %d runs; panel rows %d; last: %s\n", Lines, Runs, Model.rowCount(),
              qPrintable(Summary));
  Report("to the summary line", Totals);
  Report("longest event-loop gap", Gaps);
  Report("  of it the UI thread's CPU", CpuGaps);
  Report("idle loop gap, 2 s (noise)", Idle);
  return 0;
}
