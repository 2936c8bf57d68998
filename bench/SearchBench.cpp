/** @file SearchBench.cpp
 ** Search on large texts, our editor beside QScintilla in one run: Find Next across a
 ** 50 MiB text with the match near its end (also as a whole word, passing over every
 ** "eax" on the way), counting a frequent word there, Replace All of
 ** 100,000 matches in 10 MiB and its undo, and Find in Files over 1,000 files (100 MiB)
 ** with the longest stall of the user-interface thread. Each figure is the median of
 ** several runs with the fastest and slowest beside it.
 **   search-bench [--quick] [--only find|replace|files] **/
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include "LoopTicker.h"
#include "YorelCorpus.h"
#include "editor/SelectionRange.h"
#include "platform/qt/QtControlHost.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"
#include "studio/search/EditorSearch.h"
#include "studio/search/SearchResultsPanel.h"

#ifdef YOREL_BENCH_SCINTILLA
#include <Qsci/qsciscintilla.h>
#endif

namespace {
constexpr int Runs = 5;
constexpr qint64 MiB = 1024 * 1024;

struct TStats {
  double Median = 0, Min = 0, Max = 0;
};

TStats StatsOf(std::vector<double> Ms) {
  std::sort(Ms.begin(), Ms.end());
  return {Ms[Ms.size() / 2], Ms.front(), Ms.back()};
}

double TimeMs(const std::function<void()>& Run) {
  QElapsedTimer T;
  T.start();
  Run();
  return T.nsecsElapsed() / 1e6;
}

TStats Measure(int Count, const std::function<void()>& Prepare, const std::function<void()>& Run) {
  std::vector<double> Ms;
  for (int I = 0; I < Count; ++I) {
    if (Prepare) Prepare();
    Ms.push_back(TimeMs(Run));
  }
  return StatsOf(Ms);
}

// An edit and its undo, each timed alone, Count times in turn.
std::pair<TStats, TStats> MeasureWithUndo(int Count, const std::function<void()>& Edit,
                                          const std::function<void()>& Undo) {
  std::vector<double> EditMs, UndoMs;
  for (int I = 0; I < Count; ++I) {
    EditMs.push_back(TimeMs(Edit));
    UndoMs.push_back(TimeMs(Undo));
  }
  return {StatsOf(EditMs), StatsOf(UndoMs)};
}

void Report(const char* Name, const TStats& Ours, const std::optional<TStats>& Peer) {
  std::printf("%-28s %10.1f ms [%8.1f - %8.1f]", Name, Ours.Median, Ours.Min, Ours.Max);
  if (Peer)
    std::printf("   scintilla %10.1f ms [%8.1f - %8.1f]   ratio %.2f", Peer->Median, Peer->Min,
                Peer->Max, Ours.Median / Peer->Median);
  std::printf("\n{\"bench\":\"%s\",\"yorel_ms\":%.2f,\"yorel_min\":%.2f,\"yorel_max\":%.2f", Name,
              Ours.Median, Ours.Min, Ours.Max);
  if (Peer)
    std::printf(",\"scintilla_ms\":%.2f,\"scintilla_min\":%.2f,\"scintilla_max\":%.2f", Peer->Median,
                Peer->Min, Peer->Max);
  std::printf("}\n");
  std::fflush(stdout);
}

// Renames whole-word matches of From in Text to To (of the same length), the first Count
// of them, or with Count < 0 all but the first -Count.
void Rename(QString& Text, const QString& From, const QString& To, qsizetype Count) {
  std::vector<qsizetype> Starts;
  TSearchPattern({From, true, true, false}).ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch& M) {
    Starts.push_back(M.Start);
    return true;
  });
  const qsizetype Keep = Count < 0 ? std::min<qsizetype>(-Count, Starts.size()) : 0;
  const qsizetype End = Count < 0 ? Starts.size() : std::min<qsizetype>(Count, Starts.size());
  for (qsizetype I = Keep; I < End; ++I)
    Text.replace(Starts[I], From.size(), To);
}

#ifdef YOREL_BENCH_SCINTILLA
// QScintilla's own search loop in its target, the fastest path it offers for counting and
// replacing; hidden and without a lexer, so nothing but the search is timed.
long ScintillaSearch(QsciScintilla& Sci, const QByteArray& Word, int Flags, long From, long To) {
  Sci.SendScintilla(QsciScintillaBase::SCI_SETSEARCHFLAGS, Flags);
  Sci.SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, From);
  Sci.SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, To);
  return Sci.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, Word.size(), Word.constData());
}

// Its own form of the text, handed over as bytes: nothing converts a QString on its side.
void SetScintillaText(QsciScintilla& Sci, const QString& Text) {
  Sci.setUtf8(true);
  Sci.SendScintilla(QsciScintillaBase::SCI_SETTEXT, Text.toUtf8().constData());
  Sci.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
}
#endif

void FindNextAndCount(qint64 Mib) {
  QString Text = GenerateYorelSource(Mib * MiB, 7);
  Text.insert(Text.size() - Text.size() / 50, QStringLiteral(" zzneedle ax "));
  TMemoComponent Editor;
  Editor.SetText(Text);
  const TSearchPattern Needle({QStringLiteral("zzneedle")});
  const TStats FindOurs = Measure(Runs, [&] { Editor.SetSelStart(0); },
                                  [&] { FindInEditor(Editor, Needle, true); });
  // Whole word: every "eax" on the way is a match passed over.
  const TSearchPattern WholeAx({QStringLiteral("ax"), true, true, false});
  const TStats WordOurs = Measure(Runs, [&] { Editor.SetSelStart(0); },
                                  [&] { FindInEditor(Editor, WholeAx, true); });
  const TSearchPattern Frequent({QStringLiteral("mov")});
  qsizetype OurCount = 0;
  const TStats CountOurs =
      Measure(Runs, nullptr, [&] { OurCount = Frequent.CountMatches(Editor.ContiguousText()); });
  std::printf("text: %lld MiB; \"mov\" found %lld times by us\n", static_cast<long long>(Mib),
              static_cast<long long>(OurCount));
  std::optional<TStats> FindPeer, WordPeer, CountPeer;
#ifdef YOREL_BENCH_SCINTILLA
  QsciScintilla Sci;
  SetScintillaText(Sci, Text);
  FindPeer = Measure(Runs, [&] { Sci.setCursorPosition(0, 0); }, [&] {
    Sci.findFirst(QStringLiteral("zzneedle"), false, false, false, false, true, 0, 0, true);
  });
  WordPeer = Measure(Runs, [&] { Sci.setCursorPosition(0, 0); }, [&] {
    Sci.findFirst(QStringLiteral("ax"), false, true, true, false, true, 0, 0, true);
  });
  long PeerCount = 0;
  CountPeer = Measure(Runs, nullptr, [&] {
    const long Length = Sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    PeerCount = 0;
    for (long Pos = 0;; ++PeerCount) {
      const long At = ScintillaSearch(Sci, "mov", 0, Pos, Length);
      if (At < 0) break;
      Pos = At + 3;
    }
  });
  std::printf("\"mov\" found %ld times by scintilla\n", PeerCount);
#endif
  Report("find_next_near_end", FindOurs, FindPeer);
  Report("find_next_whole_word", WordOurs, WordPeer);
  Report("count_frequent_word", CountOurs, CountPeer);
}

void ReplaceAllAndUndo(qint64 Mib) {
  QString Text = GenerateYorelSource(Mib * MiB, 11);
  // A word of every trailing comment (about 9,400 times per MiB), made exactly 10,000 per MiB
  // by renaming some "keeps" of other comments, or the surplus.
  const QString Word = QStringLiteral("holds"), Other = QStringLiteral("keeps");
  const qsizetype Wanted = 10000 * Mib;
  const qsizetype Found = TSearchPattern({Word, true, true, false}).CountMatches(Text);
  if (Found < Wanted)
    Rename(Text, Other, Word, Wanted - Found);
  else
    Rename(Text, Word, Other, -Wanted);
  // In its window, as the studio has it: the painter's hint keeps lookups near the view.
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  TQtControlHost Host(&Editor);
  Host.resize(1000, 700);
  Host.show();
  Editor.Lines()->SetText(Text);
  Editor.FinishSyntaxScan();
  Host.viewport()->repaint();
  const TSearchOptions Options{Word, true, true, false};
  const TSearchPattern Pattern(Options);
  const QString With = Word + QStringLiteral("_2");
  int Replaced = 0;
  const auto [ReplaceOurs, UndoOurs] = MeasureWithUndo(
      Runs, [&] { Replaced = ReplaceAllInEditor(Editor, Pattern, With); }, [&] { Editor.Undo(); });
  const bool Restored = Editor.Text() == Text;
  std::printf("text: %lld MiB; \"%s\" (whole word) replaced %d times (%lld wanted, %lld in the "
              "generated text); undo restores the text: %s\n",
              static_cast<long long>(Mib), qPrintable(Word), Replaced, static_cast<long long>(Wanted),
              static_cast<long long>(Found),
              Restored ? "yes" : "NO");
  std::optional<TStats> ReplacePeer, UndoPeer;
#ifdef YOREL_BENCH_SCINTILLA
  QsciScintilla Sci;
  SetScintillaText(Sci, Text);
  const QByteArray WordUtf8 = Word.toUtf8();
  const QByteArray WithUtf8 = With.toUtf8();
  // Its fastest path for bulk edits: the widget's own handling of each change notice costs
  // time in proportion to the text (a 1 MiB text: 0.6 ms per replacement), so the notices
  // are off for the replacement and its undo, as an application doing Replace All can do.
  auto Quiet = [&](const std::function<void()>& Edit) {
    Sci.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
    Edit();
    Sci.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                      static_cast<unsigned long>(QsciScintillaBase::SC_MODEVENTMASKALL));
  };
  const int Flags = QsciScintillaBase::SCFIND_MATCHCASE | QsciScintillaBase::SCFIND_WHOLEWORD;
  auto ReplaceAll = [&] {
    Quiet([&] {
      Sci.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
      long Pos = 0;
      for (;;) {
        const long Length = Sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        const long At = ScintillaSearch(Sci, WordUtf8, Flags, Pos, Length);
        if (At < 0) break;
        Sci.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, WithUtf8.size(), WithUtf8.constData());
        Pos = At + WithUtf8.size();
      }
      Sci.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    });
  };
  auto Undo = [&] { Quiet([&] { Sci.undo(); }); };
  std::tie(ReplacePeer, UndoPeer) = MeasureWithUndo(Runs, ReplaceAll, Undo);
  const bool PeerRestored = Sci.text() == Text;
  std::printf("scintilla's undo restores the text: %s\n", PeerRestored ? "yes" : "NO");
#endif
  Report("replace_all", ReplaceOurs, ReplacePeer);
  Report("undo_replace_all", UndoOurs, UndoPeer);
}

// Through the results panel, as the studio runs it: the longest gap between two turns of
// the event loop is how long the user-interface thread was held.
void FindInFiles(int Files, qint64 FileBytes) {
  QTemporaryDir Dir;
  for (int I = 0; I < Files; ++I) {
    QString Text = GenerateYorelSource(FileBytes, 100 + I);
    if (I % 100 == 0) Text.insert(Text.size() / 2, QStringLiteral(" zzneedle "));
    QFile File(Dir.filePath(QStringLiteral("f%1.yor").arg(I, 4, 10, QLatin1Char('0'))));
    File.open(QIODevice::WriteOnly);
    File.write(Text.toUtf8());
  }
  TSearchResultsPanel Panel;
  std::vector<double> Stalls, CpuStalls;
  auto Run = [&] {
    TFindInFilesRequest Request;
    Request.Options.Pattern = QStringLiteral("zzneedle");
    Request.Folder = Dir.path();
    TLoopTicker Ticker;
    Panel.Start(Request);
    while (Panel.Running())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    Stalls.push_back(Ticker.LongestWallMs());
    CpuStalls.push_back(Ticker.LongestCpuMs());
  };
  const TStats Search = Measure(Runs, nullptr, Run);
  std::printf("%d files of %lld KiB; %s\n", Files, static_cast<long long>(FileBytes / 1024),
              qPrintable(Panel.Summary()));
  Report("find_in_files", Search, std::nullopt);
  std::printf("longest stall of each run (wall / own CPU, ms):");
  for (size_t I = 0; I < Stalls.size(); ++I) std::printf(" %.1f/%.1f", Stalls[I], CpuStalls[I]);
  std::printf("\n");
  Report("ui_thread_longest_stall", StatsOf(Stalls), std::nullopt);
  Report("ui_thread_stall_own_cpu", StatsOf(CpuStalls), std::nullopt);
  const double Idle = IdleGapMs(2000);
  std::printf("idle loop gap, 2 s (noise)   %10.1f ms\n", Idle);
}

void PrintLoad(const char* When) {
  QFile Load(QStringLiteral("/proc/loadavg"));
  Load.open(QIODevice::ReadOnly);
  std::printf("load average %s: %s", When, Load.readAll().constData());
}
}  // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  const QStringList Args = App.arguments();
  const bool Quick = Args.contains(QStringLiteral("--quick"));
  // --only find|replace|files runs one part (to look at it with a profiler).
  const qsizetype OnlyAt = Args.indexOf(QStringLiteral("--only"));
  const QString Only = OnlyAt > 0 && OnlyAt + 1 < Args.size() ? Args[OnlyAt + 1] : QString();
  auto Wanted = [&](const char* Part) { return Only.isEmpty() || Only == QLatin1String(Part); };
  PrintLoad("at the start");
  if (Wanted("find")) FindNextAndCount(Quick ? 5 : 50);
  if (Wanted("replace")) ReplaceAllAndUndo(Quick ? 1 : 10);
  if (Wanted("files")) FindInFiles(Quick ? 100 : 1000, 100 * MiB / 1000);
  PrintLoad("at the end");
  return 0;
}
