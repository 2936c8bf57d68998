/** @file BenchSetup.h
 ** What the benchmarks share before they measure: their options, and for those that open the
 ** studio's windows, the offscreen platform and settings and data folders of their own, so
 ** that the user's settings neither shape the figures nor receive the benchmark's. **/
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

/** The number after Name among Args, or Default. */
inline int BenchOption(const QStringList& Args, const char* Name, int Default) {
  const qsizetype At = Args.indexOf(QString::fromLatin1(Name));
  return At >= 0 && At + 1 < Args.size() ? Args[At + 1].toInt() : Default;
}

/** The value below which a share P (0 to 1) of Values lie; 1 gives the largest. */
inline double Percentile(std::vector<double> Values, double P) {
  std::sort(Values.begin(), Values.end());
  return Values[static_cast<size_t>(P * (Values.size() - 1))];
}

/** Called before the QApplication is made; Home must outlive it. */
inline void UseOffscreenStudio(const QTemporaryDir& Home) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toUtf8());
}
