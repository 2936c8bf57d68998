// Saves its file over and over, alternating two contents, until it is killed; writes "."
// to its output after each save. A separate program: a forked test process may inherit
// locks held by its other threads.
#include <QByteArray>
#include <QString>
#include <cstdio>

#include "platform/core/FileSaving.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const QString Path = QString::fromLocal8Bit(argv[1]);
  const QByteArray First(64 * 1024, 'a'), Second(96 * 1024, 'b');
  for (int N = 1;; ++N) {
    SaveFileBytes(Path, N % 2 ? Second : First);
    std::fputs(".", stdout);
    std::fflush(stdout);
  }
}
