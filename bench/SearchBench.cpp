/** @file SearchBench.cpp
 ** Search on large texts, our editor beside QScintilla in one run: Find Next across a
 ** 50 MiB text with the match near its end (also as a whole word, passing over every
 ** "eax" on the way), counting a frequent word there, Replace All of
 ** about 100,000 matches in 10 MiB and its undo, and Find in Files over 1,000 files
 ** (100 MiB) with the longest stall of the user-interface thread. Each figure is the
 ** median of several runs with the fastest and slowest beside it. **/
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
#include <vector>

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

TStats Measure(int Count, const std::function<void()>& Prepare, const std::function<void()>& Run) {
  std::vector<double> Ms;
  for (int I = 0; I < Count; ++I) {
    if (Prepare) Prepare();
    QElapsedTimer T;
    T.start();
    Run();
    Ms.push_back(T.nsecsElapsed() / 1e6);
  }
  std::sort(Ms.begin(), Ms.end());
  return {Ms[Ms.size() / 2], Ms.front(), Ms.back()};
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

// The word of the language whose count in Text comes closest to Wanted.
QString WordNear(QStringView Text, qsizetype Wanted, qsizetype& Count) {
  QString Best;
  Count = 0;
  for (const char* W : {"mov", "eax", "ebx", "push", "pop", "add", "call", "ret", "if", "byte",
                        "dword", "procedure", "begin", "end", "xor", "inc", "ecx", "edx"}) {
    const qsizetype N = TSearchPattern({QString::fromLatin1(W), true, true, false}).CountMatches(Text);
    if (Best.isEmpty() || std::abs(N - Wanted) < std::abs(Count - Wanted)) {
      Best = QString::fromLatin1(W);
      Count = N;
    }
  }
  return Best;
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
  Sci.setText(Text);
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
  const QString Text = GenerateYorelSource(Mib * MiB, 11);
  // In its window, as the studio has it: the painter's hint keeps lookups near the view.
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  TQtControlHost Host(&Editor);
  Host.resize(1000, 700);
  Host.show();
  Editor.Lines()->SetText(Text);
  Host.viewport()->repaint();
  qsizetype Count = 0;
  const QString Word = WordNear(Editor.ContiguousText(), 100000, Count);
  const TSearchPattern Pattern({Word, true, true, false});
  const QString With = Word + QStringLiteral("_2");
  int Replaced = 0;
  const TStats ReplaceOurs =
      Measure(3, nullptr, [&] { Replaced = ReplaceAllInEditor(Editor, Pattern, With); Editor.Undo(); });
  // The undo alone, after a replacement that is not timed.
  const TStats UndoOurs = Measure(3, [&] { ReplaceAllInEditor(Editor, Pattern, With); },
                                  [&] { Editor.Undo(); });
  const bool Restored = Editor.Text() == Text;
  std::printf("text: %lld MiB; \"%s\" replaced %d times (of %lld); undo restores the text: %s\n",
              static_cast<long long>(Mib), qPrintable(Word), Replaced, static_cast<long long>(Count),
              Restored ? "yes" : "NO");
  std::printf("(replace_all figures include its undo; undo is timed alone)\n");
  std::optional<TStats> ReplacePeer, UndoPeer;
#ifdef YOREL_BENCH_SCINTILLA
  QsciScintilla Sci;
  Sci.setText(Text);
  const QByteArray WordUtf8 = Word.toUtf8();
  const QByteArray WithUtf8 = With.toUtf8();
  auto ReplaceAll = [&] {
    Sci.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    long Pos = 0;
    for (;;) {
      const long Length = Sci.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
      const long At = ScintillaSearch(Sci, WordUtf8,
                                      QsciScintillaBase::SCFIND_MATCHCASE | QsciScintillaBase::SCFIND_WHOLEWORD,
                                      Pos, Length);
      if (At < 0) break;
      Sci.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, WithUtf8.size(), WithUtf8.constData());
      Pos = At + WithUtf8.size();
    }
    Sci.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
  };
  ReplacePeer = Measure(3, nullptr, [&] { ReplaceAll(); Sci.undo(); });
  UndoPeer = Measure(3, ReplaceAll, [&] { Sci.undo(); });
#endif
  Report("replace_all_and_undo", ReplaceOurs, ReplacePeer);
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
  std::vector<double> Stalls;
  auto Run = [&] {
    TFindInFilesRequest Request;
    Request.Options.Pattern = QStringLiteral("zzneedle");
    Request.Folder = Dir.path();
    QElapsedTimer Tick;
    double Longest = 0;
    QTimer Beat;
    Beat.setInterval(1);
    QObject::connect(&Beat, &QTimer::timeout, [&] {
      Longest = std::max(Longest, Tick.nsecsElapsed() / 1e6);
      Tick.restart();
    });
    Panel.Start(Request);
    Tick.start();
    Beat.start();
    while (Panel.Running())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    Stalls.push_back(Longest);
  };
  const TStats Search = Measure(3, nullptr, Run);
  std::sort(Stalls.begin(), Stalls.end());
  std::printf("%d files of %lld KiB; %s\n", Files, static_cast<long long>(FileBytes / 1024),
              qPrintable(Panel.Summary()));
  Report("find_in_files", Search, std::nullopt);
  std::printf("ui_thread_longest_stall      %10.1f ms [%8.1f - %8.1f]\n", Stalls[1], Stalls[0], Stalls[2]);
}
}  // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  const QStringList Args = App.arguments();
  const bool Quick = Args.contains(QStringLiteral("--quick"));
  FindNextAndCount(Quick ? 5 : 50);
  ReplaceAllAndUndo(Quick ? 1 : 10);
  FindInFiles(Quick ? 100 : 1000, 100 * 1024);
  return 0;
}
