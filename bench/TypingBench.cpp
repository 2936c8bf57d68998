/** @file TypingBench.cpp
 ** The edit alone: types 2000 characters (an Enter every 30) into generated Yorel source in
 ** the studio's source editor without a window, so nothing is drawn, in the middle and then
 ** near the start, one replacement per keystroke with its rescan, and then parentheses near
 ** the start; reports per keystroke.
 **   typing-bench [--mib N]   (default 10) **/
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchSetup.h"
#include "YorelCorpus.h"
#include "editor/SelectionRange.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

namespace {
using TClock = std::chrono::steady_clock;

QString Letter(int I) {
  return I % 30 == 29 ? QStringLiteral("\r\n") : QString(QChar(u'a' + I % 26));
}

// Each parenthesis changes the level of every later one in the text.
QString Parenthesis(int I) {
  return I % 2 ? QStringLiteral("(") : QStringLiteral(")");
}

std::vector<double> TypeAt(TSourceEdit& Editor, int Row, QString (*KeyOf)(int)) {
  Editor.SetSelStart(Editor.CellToCharIdx(TextCell(Row, 1)) - 1);
  std::vector<double> Micros;
  for (int I = 0; I < 2000; ++I) {
    const QString Key = KeyOf(I);
    const auto Start = TClock::now();
    Editor.Selection()->SetText(Key);
    Micros.push_back(std::chrono::duration<double, std::micro>(TClock::now() - Start).count());
  }
  return Micros;
}

void Report(const char* Where, const std::vector<double>& Micros) {
  std::printf("%-7s median %7.2f us  p99 %7.2f us  max %8.2f us  over 100 us: %d\n", Where,
              Percentile(Micros, 0.5), Percentile(Micros, 0.99), Percentile(Micros, 1.0),
              static_cast<int>(
                  std::count_if(Micros.begin(), Micros.end(), [](double M) { return M > 100; })));
  std::printf("{\"bench\":\"edit\",\"where\":\"%s\",\"median_us\":%.2f,\"p99_us\":%.2f}\n", Where,
              Percentile(Micros, 0.5), Percentile(Micros, 0.99));
}
}  // namespace

int main(int Argc, char** Argv) {
  QCoreApplication Application(Argc, Argv);
  const QStringList Args = Application.arguments();
  const qsizetype MibAt = Args.indexOf(QStringLiteral("--mib"));
  const int MiB = MibAt >= 0 && MibAt + 1 < Args.size() ? Args[MibAt + 1].toInt() : 10;
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  const auto LoadStart = TClock::now();
  Editor.SetText(GenerateYorelSource(qint64(MiB) * 1024 * 1024));
  Editor.FinishSyntaxScan();
  const double LoadMs =
      std::chrono::duration<double, std::milli>(TClock::now() - LoadStart).count();
  std::printf("text: %d characters, %d rows, %d syntax ranges, set and coloured in %.1f ms\n",
              Editor.TextLength(), Editor.LineCount(), Editor.TrackedRanges()->Count() - 2, LoadMs);
  Report("middle", TypeAt(Editor, Editor.LineCount() / 2, Letter));
  Report("start", TypeAt(Editor, 20, Letter));
  Report("parens", TypeAt(Editor, 40, Parenthesis));
  return 0;
}
