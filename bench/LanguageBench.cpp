/** @file LanguageBench.cpp
 ** What the language costs while typing: the typing of typing-bench (2000 keys, an Enter
 ** every 30, in the middle of generated Yorel source) in the studio's source editor alone and
 ** with the language's source model following every replacement, alternately, several
 ** rounds; then the work done once after a pause (re-reading the typed rows, declarations and
 ** every check), which the studio spreads over short turns of its event loop.
 **   language-bench [--mib N] [--rounds R]   (defaults 10 and 5) **/
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchSetup.h"
#include "YorelCorpus.h"
#include "editor/SelectionRange.h"
#include "language/EditorSource.h"
#include "language/Reference.h"
#include "language/SourceChecks.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

namespace {
using TClock = std::chrono::steady_clock;

double Millis(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

std::vector<double> Type(TSourceEdit& Editor) {
  Editor.SetSelStart(Editor.CellToCharIdx(TextCell(Editor.LineCount() / 2, 1)) - 1);
  std::vector<double> Micros;
  for (int I = 0; I < 2000; ++I) {
    const QString Key = I % 30 == 29 ? QStringLiteral("\r\n") : QString(QChar(u'a' + I % 26));
    const auto Start = TClock::now();
    Editor.Selection()->SetText(Key);
    Micros.push_back(Millis(Start) * 1000);
  }
  return Micros;
}

void Report(const char* Mode, const std::vector<double>& Medians, const std::vector<double>& P99s) {
  std::printf("%-14s median of medians %6.2f us (rounds %5.2f..%5.2f)  median p99 %6.2f us (rounds %5.2f..%5.2f)\n",
              Mode, Percentile(Medians, 0.5), Percentile(Medians, 0), Percentile(Medians, 1),
              Percentile(P99s, 0.5), Percentile(P99s, 0), Percentile(P99s, 1));
  std::printf("{\"bench\":\"language-typing\",\"mode\":\"%s\",\"median_us\":%.2f,\"p99_us\":%.2f}\n", Mode,
              Percentile(Medians, 0.5), Percentile(P99s, 0.5));
}
}  // namespace

int main(int Argc, char** Argv) {
  QCoreApplication Application(Argc, Argv);
  const int MiB = BenchOption(Application.arguments(), "--mib", 10);
  const int Rounds = BenchOption(Application.arguments(), "--rounds", 5);
  const QString Text = GenerateYorelSource(qint64(MiB) * 1024 * 1024);
  const TReference& Reference = TReference::Standard();
  std::vector<double> Medians[2], P99s[2];
  for (int Round = 0; Round < Rounds; ++Round)
    for (int WithLanguage = 0; WithLanguage < 2; ++WithLanguage) {
      TSourceEdit Editor;
      LoadStoredSettings(Editor, YorelEditorSettings);
      Editor.SetText(Text);
      Editor.FinishSyntaxScan();
      std::unique_ptr<TEditorSource> Source;
      if (WithLanguage) {
        const auto Start = TClock::now();
        Source = std::make_unique<TEditorSource>(&Editor, Reference);
        if (Round == 0) std::printf("model of %d rows read in %.1f ms\n", Editor.LineCount(), Millis(Start));
      }
      const std::vector<double> Micros = Type(Editor);
      Medians[WithLanguage].push_back(Percentile(Micros, 0.5));
      P99s[WithLanguage].push_back(Percentile(Micros, 0.99));
      if (WithLanguage && Round == 0) {
        const auto ReadStart = TClock::now();
        Source->Sync();
        std::printf("after a pause: typed rows read in %.2f ms\n", Millis(ReadStart));
        TProjectIndex Index;
        const auto Start = TClock::now();
        Index.SetFile(QStringLiteral("bench.yor"), Source->Model().Declarations());
        const double DeclarationsMs = Millis(Start);
        const auto CheckStart = TClock::now();
        const auto Problems = CheckSource(Source->Model(), QStringLiteral("bench.yor"), Index, Source->LineReader());
        std::printf("after a pause: declarations %.1f ms, checks %.1f ms (%zu problems)\n", DeclarationsMs,
                    Millis(CheckStart), Problems.size());
      }
    }
  Report("editor alone", Medians[0], P99s[0]);
  Report("with language", Medians[1], P99s[1]);
  return 0;
}
