/** @file ChainBench.cpp
 ** Texts whose syntax is pathological for an incremental scanner: few token boundaries, one
 ** huge range, thousands of parentheses on a row, an unterminated comment. For each, the
 ** time to set and colour the text, and the median (with min and max) of one edit with its
 ** rescan, in the studio's source editor without a window, against generated source of the
 ** same size. Each edit is undone before the next, so the text stays what it was.
 ** Two cases move the scanner's work across the whole text: the first keystroke at the end
 ** of 50 MiB after one at its start ("jump"), and many small edits at random places with
 ** the undo and redo of each ("random edits", per edit, undo and redo).
 **   chain-bench [--runs N] [--only NAME] [--edits N] [--seed N]
 **   (default 7 runs of every case, 10000 random edits, a seed from the clock) **/
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "BenchSetup.h"
#include "YorelCorpus.h"
#include "editor/SelectionRange.h"
#include "platform/core/Keys.h"
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
  E.FinishSyntaxScan();
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

// The editor's own key handlers; the chain's pending shift lies at the start of the text,
// so the key at the end moves it over the whole text first.
void RunJump(int Runs) {
  TSourceEdit E;
  LoadStoredSettings(E, YorelEditorSettings);
  E.SetText(GenerateYorelSource(50 * MiB));
  E.FinishSyntaxScan();
  E.ClearUndo();
  std::vector<double> Keys;
  for (int I = 0; I < Runs; ++I) {
    TypeAt(E, 0, u'x');
    const auto Start = TClock::now();
    TypeAt(E, E.TextLength(), u'x');
    Keys.push_back(MillisSince(Start));
    E.Undo();
    E.Undo();
  }
  std::printf(
      "%-14s %9d chars  key at the end after one at the start: median %9.3f ms "
      "(%.3f..%.3f)\n",
      "jump 50 MiB", E.TextLength(), Percentile(Keys, 0.5), Percentile(Keys, 0),
      Percentile(Keys, 1));
  std::printf("{\"bench\":\"chain\",\"case\":\"jump 50 MiB\",\"edit_median_ms\":%.3f}\n",
              Percentile(Keys, 0.5));
  std::fflush(stdout);
}

void ReportSteps(const char* What, const std::vector<double>& Millis) {
  std::printf("  %-5s %6zu  median %8.3f ms  p99 %8.3f ms  max %8.3f ms\n", What, Millis.size(),
              Percentile(Millis, 0.5), Percentile(Millis, 0.99), Percentile(Millis, 1));
  std::printf(
      "{\"bench\":\"chain\",\"case\":\"random edits\",\"step\":\"%s\","
      "\"median_ms\":%.3f,\"p99_ms\":%.3f,\"max_ms\":%.3f}\n",
      What, Percentile(Millis, 0.5), Percentile(Millis, 0.99), Percentile(Millis, 1));
}

// Typing at random places: a letter, a space or a line break, or Backspace or Delete.
// Places far apart keep every edit its own undo step.
void RunRandomEdits(int Count, unsigned Seed) {
  TSourceEdit E;
  LoadStoredSettings(E, YorelEditorSettings);
  E.SetText(GenerateYorelSource(10 * MiB));
  E.FinishSyntaxScan();
  E.ClearUndo();
  std::printf("%-14s %9d chars  %d edits, seed %u\n", "random edits", E.TextLength(), Count, Seed);
  std::mt19937 Random(Seed);
  const QString Typed = QStringLiteral("abcdefghijklmnopqrstuvwxyz    \r");
  std::vector<double> Edits, Undos, Redos;
  for (int I = 0; I < Count; ++I) {
    E.SetSelStart(static_cast<int>(Random() % (E.TextLength() + 1)));
    E.SetSelLength(0);
    const unsigned Kind = Random() % 10;
    QChar Key = Typed[static_cast<int>(Random() % Typed.size())];
    quint16 Code = Kind == 7 ? VK_BACK : VK_DELETE;
    const auto Start = TClock::now();
    if (Kind < 7)
      E.HandleKeyPress(Key);
    else
      E.HandleKeyDown(Code, TShiftState{});
    Edits.push_back(MillisSince(Start));
  }
  while (E.CanUndo()) {
    const auto Start = TClock::now();
    E.Undo();
    Undos.push_back(MillisSince(Start));
  }
  while (E.CanRedo()) {
    const auto Start = TClock::now();
    E.Redo();
    Redos.push_back(MillisSince(Start));
  }
  ReportSteps("edit", Edits);
  ReportSteps("undo", Undos);
  ReportSteps("redo", Redos);
  std::fflush(stdout);
}
}  // namespace

int main(int Argc, char** Argv) {
  QCoreApplication Application(Argc, Argv);
  const QStringList Args = Application.arguments();
  const int Runs = BenchOption(Args, "--runs", 7);
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
      {"5 MiB line mid", [] { return Repeated(QStringLiteral("mov eax, 1; "), 5 * MiB); },
       Middle(u'x')},
      {"indented line",
       [] { return QStringLiteral("\t") + Repeated(QStringLiteral("mov eax, 1; "), 5 * MiB); },
       AtEnd(u'x')},
      {"64 KiB (", [] { return Repeated(QStringLiteral("("), 64 * 1024); }, AtEnd(u'x')},
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
  if (Only.isEmpty() || Only == QLatin1String("jump 50 MiB")) RunJump(Runs);
  if (Only.isEmpty() || Only == QLatin1String("random edits"))
    RunRandomEdits(BenchOption(Args, "--edits", 10'000),
                   static_cast<unsigned>(BenchOption(
                       Args, "--seed", static_cast<int>(std::random_device{}() & 0x7fffffff))));
  return 0;
}
