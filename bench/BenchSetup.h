/** @file BenchSetup.h
 ** What the benchmarks share before they measure: their options, and for those that open the
 ** studio's windows, the offscreen platform and settings and data folders of their own, so
 ** that the user's settings neither shape the figures nor receive the benchmark's. **/
#pragma once

#include <QStringList>
#include <QTemporaryDir>

/** The number after Name among Args, or Default. */
inline int BenchOption(const QStringList& Args, const char* Name, int Default) {
  const qsizetype At = Args.indexOf(QString::fromLatin1(Name));
  return At >= 0 && At + 1 < Args.size() ? Args[At + 1].toInt() : Default;
}

/** Called before the QApplication is made; Home must outlive it. */
inline void UseOffscreenStudio(const QTemporaryDir& Home) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toUtf8());
}
