/** @file TypingBench.cpp
 ** Types 2000 characters in the middle of a 10 MB text, one replacement per keystroke as
 ** the keyboard makes them, and reports the median and 99th percentile per keystroke. **/
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"

namespace {
QString MakeText(int Bytes) {
  static const char* const Rows[] = {
      "\tmov eax, [ebp+8]",      "\tadd eax, 12h   // sum", "procedure Demo(x: int32);", "{", "}",
      "\tif (eax > 10) { ret; }"};
  QString Text;
  Text.reserve(Bytes + 64);
  for (int I = 0; Text.size() < Bytes; ++I)
    Text += QString::fromLatin1(Rows[I % 6]) + "\r\n";
  return Text;
}

double Percentile(std::vector<double> Values, double P) {
  std::sort(Values.begin(), Values.end());
  return Values[static_cast<size_t>(P * (Values.size() - 1))];
}
}  // namespace

int main(int Argc, char** Argv) {
  QCoreApplication Application(Argc, Argv);
  TMemoComponent Editor;
  const auto LoadStart = std::chrono::steady_clock::now();
  Editor.SetText(MakeText(10 * 1024 * 1024));
  const double LoadMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - LoadStart)
          .count();
  Editor.SetSelStart(Editor.TextLength() / 2);
  std::vector<double> Micros;
  for (int I = 0; I < 2000; ++I) {
    const QString Key = I % 30 == 29 ? QStringLiteral("\r\n") : QString(QChar(u'a' + I % 26));
    const auto Start = std::chrono::steady_clock::now();
    Editor.Selection()->SetText(Key);
    Micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - Start)
            .count());
  }
  std::printf("text: %d characters, %d rows, set in %.1f ms\n", Editor.TextLength(),
              Editor.LineCount(), LoadMs);
  std::printf("keystrokes over 100 us: %d\n",
              static_cast<int>(
                  std::count_if(Micros.begin(), Micros.end(), [](double M) { return M > 100; })));
  std::printf("keystroke: median %.2f us, p99 %.2f us, max %.2f us\n", Percentile(Micros, 0.5),
              Percentile(Micros, 0.99), Percentile(Micros, 1.0));
  std::printf("{\"bench\":\"typing\",\"median_us\":%.2f,\"p99_us\":%.2f}\n",
              Percentile(Micros, 0.5), Percentile(Micros, 0.99));
  return 0;
}
