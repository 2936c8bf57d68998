/** @file ProjectOpenBench.cpp
 ** Opening a project of many entries in the main window: reading the project file, filling
 ** the tree and opening the main file. Reports the median and spread of several runs.
 **   project-open-bench [--entries 1000,10000] [--runs 5] **/
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchSetup.h"
#include "studio/MainForm.h"

namespace {
QString WriteProject(const QTemporaryDir& Dir, int Entries) {
  QFile(Dir.filePath(QStringLiteral("main.yor"))).open(QIODevice::WriteOnly);
  QByteArray Text = "main.yor\r\n";
  for (int I = 1; I < Entries; ++I)
    Text += "lib\\unit" + QByteArray::number(I) + ".yor\r\n";
  const QString Path = Dir.filePath(QStringLiteral("many.ypr"));
  QFile File(Path);
  File.open(QIODevice::WriteOnly);
  File.write(Text);
  return Path;
}

double OpenSeconds(const QString& Project) {
  TMainFRM Form;
  Form.show();
  const auto Start = std::chrono::steady_clock::now();
  Form.OpenProjectFile(Project);
  QApplication::processEvents();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}
}  // namespace

int main(int Argc, char** Argv) {
  // Settings of its own: opening a project adds it to the recent list.
  QTemporaryDir Home;
  UseOffscreenStudio(Home);
  QApplication Application(Argc, Argv);
  QList<int> Sizes{1000, 10000};
  int Runs = 5;
  const QStringList Args = Application.arguments();
  for (int I = 1; I + 1 < Args.size(); I += 2) {
    if (Args[I] == QStringLiteral("--entries")) {
      Sizes.clear();
      for (const QString& Size : Args[I + 1].split(u','))
        Sizes << Size.toInt();
    } else if (Args[I] == QStringLiteral("--runs")) {
      Runs = std::max(1, Args[I + 1].toInt());
    }
  }
  for (const int Entries : Sizes) {
    QTemporaryDir Dir;
    const QString Project = WriteProject(Dir, Entries);
    std::vector<double> Seconds;
    for (int Run = 0; Run < Runs; ++Run)
      Seconds.push_back(OpenSeconds(Project));
    std::sort(Seconds.begin(), Seconds.end());
    std::printf("%6d entries: median %8.3f s  min %8.3f s  max %8.3f s  (%d runs)\n", Entries,
                Seconds[Seconds.size() / 2], Seconds.front(), Seconds.back(), Runs);
    std::printf("{\"bench\":\"project-open\",\"entries\":%d,\"median_s\":%.4f}\n", Entries,
                Seconds[Seconds.size() / 2]);
  }
}
