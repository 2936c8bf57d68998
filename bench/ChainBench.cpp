/** @file ChainBench.cpp
 ** Texts whose syntax is pathological for an incremental scanner: few token boundaries, one
 ** huge range, thousands of parentheses on a row, an unterminated comment. For each, the
 ** time to set and colour the text, and the median (with min and max) of one edit with its
 ** rescan, in the studio's source editor without a window, against generated source of the
 ** same size. Each edit is undone before the next, so the text stays what it was.
 **   chain-bench [--runs N] [--only NAME]   (default 7 runs of every case) **/
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "YorelCorpus.h"
#include "editor/SelectionRange.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

namespace {
using TClock = std::chrono::steady_clock;
constexpr qint64 MiB = 1024 * 1024;

double MillisSince(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

QString Repeated(const QString& Piece, qint64 Length) {
  QString Result;
  Result.reserve(Length + Piece.size());
  while (Result.size() < Length)
    Result += Piece;
  return Result;
}

struct TCase {
  const char* Name;
  std::function<QString()> Text;
  /** The edit measured, on an editor holding the text. */
  std::function<void(TSourceEdit&)> Edit;
};

void TypeAt(TSourceEdit& E, int Pos, QChar Key) {
  E.SetSelStart(Pos);
  E.SetSelLength(0);
  E.HandleKeyPress(Key);
}

void Run(const TCase& Case, int Runs) {
  TSourceEdit E;
  LoadStoredSettings(E, YorelEditorSettings);
  const QString Text = Case.Text();
  const auto LoadStart = TClock::now();
  E.SetText(Text);
  const double LoadMs = MillisSince(LoadStart);
  E.ClearUndo();
  std::vector<double> Edits;
  for (int I = 0; I < Runs; ++I) {
    const auto Start = TClock::now();
    Case.Edit(E);
    Edits.push_back(MillisSince(Start));
    E.Undo();
  }
  std::sort(Edits.begin(), Edits.end());
  std::printf("%-14s %9d chars %8d ranges  load %8.1f ms  edit median %9.3f ms (%.3f..%.3f)\n",
              Case.Name, E.TextLength(), E.TrackedRanges()->Count() - 2, LoadMs,
              Edits[Edits.size() / 2], Edits.front(), Edits.back());
  std::printf("{\"bench\":\"chain\",\"case\":\"%s\",\"load_ms\":%.1f,\"edit_median_ms\":%.3f}\n",
              Case.Name, LoadMs, Edits[Edits.size() / 2]);
  std::fflush(stdout);
}
}  // namespace

int main(int Argc, char** Argv) {
  QCoreApplication Application(Argc, Argv);
  const QStringList Args = Application.arguments();
  const qsizetype RunsAt = Args.indexOf(QStringLiteral("--runs"));
  const int Runs = RunsAt >= 0 && RunsAt + 1 < Args.size() ? Args[RunsAt + 1].toInt() : 7;
  const qsizetype OnlyAt = Args.indexOf(QStringLiteral("--only"));
  const QString Only = OnlyAt >= 0 && OnlyAt + 1 < Args.size() ? Args[OnlyAt + 1] : QString();
  auto Middle = [](QChar Key) {
    return [Key](TSourceEdit& E) { TypeAt(E, E.TextLength() / 2, Key); };
  };
  auto AtEnd = [](QChar Key) { return [Key](TSourceEdit& E) { TypeAt(E, E.TextLength(), Key); }; };
  const TCase Cases[] = {
      {"normal 10 MiB", [] { return GenerateYorelSource(10 * MiB); }, Middle(u'x')},
      {"indent+word", [] { return Repeated(QStringLiteral("    word\r\n"), 10 * MiB); },
       Middle(u'x')},
      {"empty rows", [] { return Repeated(QStringLiteral("\r\n"), 10'000'000); }, Middle(u'x')},
      {"block indent", [] { return Repeated(QStringLiteral("    word\r\n"), 4'000'000); },
       [](TSourceEdit& E) {
         E.SetSelStart(E.CellToCharIdx(TextCell(200'000, 1)) - 1);
         E.SetSelLength(100 * 10 - 1);
         E.ChangeIndent(1);
       }},
      {"( before )", [] { return Repeated(QStringLiteral(")"), 16'000); },
       [](TSourceEdit& E) { TypeAt(E, 0, u'('); }},
      {"5 MiB line", [] { return Repeated(QStringLiteral("mov eax, 1; "), 5 * MiB); }, AtEnd(u'x')},
      {"lone CRs", [] { return Repeated(QStringLiteral("\r"), 1'000'000); }, AtEnd(u'x')},
      {"open comment",
       [] { return QStringLiteral("/*") + Repeated(QStringLiteral("mov eax\r\n"), MiB); },
       Middle(u'x')},
      {"open string",
       [] { return QStringLiteral("'") + Repeated(QStringLiteral("mov eax\r\n"), MiB); },
       Middle(u'x')},
  };
  for (const TCase& Case : Cases)
    if (Only.isEmpty() || Only == QLatin1String(Case.Name)) Run(Case, Runs);
  return 0;
}
