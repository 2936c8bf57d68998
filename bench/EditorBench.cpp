/** @file EditorBench.cpp
 ** editor-bench: loads, types into, comments out and undoes generated Yorel source in our
 ** editor and in the peers, each in a process of its own so that memory is its own, and
 ** prints every run as a JSON line and a table of medians, spreads and ratios.
 ** With --long-row the text is one row of tokens without a line break, and the keystrokes
 ** go to its end.
 **   editor-bench [--mib 1,10,50] [--subjects yorel,scintilla,plain] [--runs 3] [--long-row]
 **   editor-bench --run SUBJECT --mib N [--long-row]  (one measurement, one JSON line) **/
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QProcess>
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "BenchSetup.h"
#include "BenchSubject.h"
#include "YorelCorpus.h"

namespace {
double StatusMiB(const char* Field) {
  QFile Status(QStringLiteral("/proc/self/status"));
  if (!Status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& Line : Status.readAll().split('\n'))
    if (Line.startsWith(Field))
      return Line.mid(qstrlen(Field)).trimmed().split(' ')[0].toDouble() / 1024;
  return 0;
}

// Hands freed memory back and restarts the peak, so that the peak measured next is the
// load's own and not the text generator's.
void ResetPeakResident() {
  malloc_trim(0);
  QFile ClearRefs(QStringLiteral("/proc/self/clear_refs"));
  if (ClearRefs.open(QIODevice::WriteOnly)) ClearRefs.write("5");
}

// The CPU time of this thread: on a shared machine wall time counts the preemptions too.
double ThreadMicros() {
  timespec T{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &T);
  return T.tv_sec * 1e6 + T.tv_nsec / 1e3;
}

void SendKey(QWidget* Target, int Key, const QString& Text) {
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
  QApplication::sendEvent(Target, &Press);
  QKeyEvent Release(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
  QApplication::sendEvent(Target, &Release);
}

void SendKey(QWidget* Target, QChar C) {
  const bool Enter = C == u'\r';
  const int Key =
      Enter ? Qt::Key_Return : (C == u' ' ? Qt::Key_Space : Qt::Key_A + (C.unicode() - u'a'));
  SendKey(Target, Key, QString(C));
}

struct TKeystrokes {
  std::vector<double> Wall, Cpu;
};

// Count keystrokes where the caret is, the I-th typing KeyOf(I), each painted at once.
TKeystrokes Type(TBenchSubject& Subject, int Count, QChar (*KeyOf)(int)) {
  TKeystrokes Result;
  QElapsedTimer Timer;
  for (int I = 0; I < Count; ++I) {
    const QChar C = KeyOf(I);
    const double Cpu = ThreadMicros();
    Timer.start();
    SendKey(Subject.KeyTarget(), C);
    Subject.Repaint();
    Result.Wall.push_back(Timer.nsecsElapsed() / 1000.0);
    Result.Cpu.push_back(ThreadMicros() - Cpu);
  }
  return Result;
}

// 2000 keystrokes (letters, spaces, an Enter every 30) at Line.
TKeystrokes TypeAt(TBenchSubject& Subject, int Line) {
  Subject.GoToLine(Line);
  return Type(Subject, 2000, [](int I) {
    return I % 30 == 29 ? QChar(u'\r') : I % 6 == 5 ? QChar(u' ') : QChar(u'a' + I % 26);
  });
}

// Letters and spaces at the end of the first row.
TKeystrokes TypeAtEndOfRow(TBenchSubject& Subject, int Count) {
  Subject.GoToLine(0);
  SendKey(Subject.KeyTarget(), Qt::Key_End, QString());
  Subject.Repaint();
  return Type(Subject, Count,
              [](int I) { return I % 6 == 5 ? QChar(u' ') : QChar(u'a' + I % 26); });
}

void Report(QJsonObject& Result, const QString& Name, const TKeystrokes& Keys) {
  Result[Name + "_median_us"] = Percentile(Keys.Wall, 0.5);
  Result[Name + "_p95_us"] = Percentile(Keys.Wall, 0.95);
  Result[Name + "_p99_us"] = Percentile(Keys.Wall, 0.99);
  Result[Name + "_max_us"] = Percentile(Keys.Wall, 1.0);
  Result[Name + "_cpu_median_us"] = Percentile(Keys.Cpu, 0.5);
  Result[Name + "_cpu_p99_us"] = Percentile(Keys.Cpu, 0.99);
}

QByteArray OneRowOfTokens(qint64 Bytes) {
  QByteArray Row;
  Row.reserve(Bytes + 16);
  while (Row.size() < Bytes)
    Row += "mov eax, 1; ";
  return Row;
}

int RunOne(const QString& Name, int MiB, bool LongRow) {
  std::unique_ptr<TBenchSubject> Subject = Name == "yorel"       ? MakeYorelSubject()
                                           : Name == "plain"     ? MakePlainTextSubject()
                                           : Name == "scintilla" ? MakeScintillaSubject()
                                                                 : nullptr;
  if (!Subject) return 2;
  // The file's bytes, as read from disk; the generated text is gone before the baseline.
  const QByteArray Bytes = LongRow ? OneRowOfTokens(qint64(MiB) * 1024 * 1024)
                                   : GenerateYorelSource(qint64(MiB) * 1024 * 1024).toUtf8();
  QJsonObject Result{{"subject", Name}, {"mib", MiB}};
  QApplication::processEvents();
  QElapsedTimer Timer;
  Timer.start();
  (void)QString::fromUtf8(Bytes);
  Result["decode_ms"] = Timer.nsecsElapsed() / 1e6;

  ResetPeakResident();
  const double Before = StatusMiB("VmRSS:");
  Timer.start();
  Subject->Load(Bytes);
  Result["load_ms"] = Timer.nsecsElapsed() / 1e6;
  Result["memory_peak_mib"] = StatusMiB("VmHWM:") - Before;
  Result["memory_after_mib"] = StatusMiB("VmRSS:") - Before;

  // The floor: the median of a few complete repaints.
  std::vector<double> Repaints;
  for (int I = 0; I < 21; ++I) {
    Timer.start();
    Subject->RepaintAll();
    Repaints.push_back(Timer.nsecsElapsed() / 1000.0);
  }
  Result["repaint_us"] = Percentile(Repaints, 0.5);

  if (LongRow) {
    Report(Result, "type_row_end", TypeAtEndOfRow(*Subject, 200));
    std::printf("%s\n", QJsonDocument(Result).toJson(QJsonDocument::Compact).constData());
    return 0;
  }
  const int Rows = static_cast<int>(Bytes.count('\n'));
  const int LengthBefore = Subject->Length();
  Report(Result, "type_middle", TypeAt(*Subject, Rows / 2));
  Timer.start();
  while (Subject->Length() != LengthBefore)
    Subject->Undo();
  Subject->FinishColouring();
  Subject->Repaint();
  Result["undo_ms"] = Timer.nsecsElapsed() / 1e6;
  Report(Result, "type_start", TypeAt(*Subject, 20));

  Timer.start();
  Subject->InsertAtLine(9, QStringLiteral("/*"));
  Result["comment_open_ms"] = Timer.nsecsElapsed() / 1e6;
  Timer.start();
  Subject->RemoveAtLine(9, 2);
  Result["comment_close_ms"] = Timer.nsecsElapsed() / 1e6;

  std::printf("%s\n", QJsonDocument(Result).toJson(QJsonDocument::Compact).constData());
  return 0;
}

const char* const Metrics[] = {"load_ms",
                               "memory_peak_mib",
                               "memory_after_mib",
                               "type_middle_median_us",
                               "type_middle_p99_us",
                               "type_middle_cpu_p99_us",
                               "type_start_median_us",
                               "type_start_p99_us",
                               "type_start_cpu_p99_us",
                               "type_row_end_median_us",
                               "type_row_end_p99_us",
                               "type_row_end_cpu_p99_us",
                               "undo_ms",
                               "comment_open_ms",
                               "comment_close_ms",
                               "repaint_us",
                               "decode_ms"};

struct TSpread {
  double Median, Min, Max;
};

TSpread SpreadOf(const std::vector<QJsonObject>& Runs, const char* Metric) {
  std::vector<double> Values;
  for (const QJsonObject& Run : Runs)
    Values.push_back(Run[Metric].toDouble());
  return {Percentile(Values, 0.5), Percentile(Values, 0.0), Percentile(Values, 1.0)};
}

// One row per figure: each subject's median over the runs with [fastest - slowest], then
// the ratios of our median to each peer's.
void PrintTable(const QString& Size, const QStringList& Subjects,
                std::map<QString, std::vector<QJsonObject>>& Runs) {
  QStringList Shown;
  for (const QString& Subject : Subjects)
    if (!Runs[Subject].empty()) Shown << Subject;
  if (Shown.isEmpty()) return;
  std::printf("\n%-4s MiB, median [min - max] of %zu runs\n%-24s", qPrintable(Size),
              Runs[Shown[0]].size(), "");
  for (const QString& Subject : Shown)
    std::printf("%-32s", qPrintable(Subject));
  for (const QString& Subject : Shown.mid(1))
    std::printf("%s/%-10s", qPrintable(Shown[0]), qPrintable(Subject));
  std::printf("\n");
  for (const char* Metric : Metrics) {
    if (!Runs[Shown[0]].front().contains(QLatin1String(Metric))) continue;
    std::printf("%-24s", Metric);
    for (const QString& Subject : Shown) {
      const TSpread S = SpreadOf(Runs[Subject], Metric);
      std::printf("%-32s", qPrintable(QString::asprintf("%10.2f [%.2f - %.2f]", S.Median, S.Min,
                                                        S.Max)));
    }
    const double Ours = SpreadOf(Runs[Shown[0]], Metric).Median;
    for (const QString& Subject : Shown.mid(1)) {
      const double Peer = SpreadOf(Runs[Subject], Metric).Median;
      std::printf("%-16s", qPrintable(Peer > 0 ? QString::asprintf("%10.2f", Ours / Peer)
                                               : QStringLiteral("         -")));
    }
    std::printf("\n");
  }
  std::printf("\n");
}
}  // namespace

int main(int Argc, char** Argv) {
  QApplication Application(Argc, Argv);
  const QStringList Args = Application.arguments();
  auto Option = [&](const QString& Name, const QString& Default) {
    const qsizetype I = Args.indexOf(Name);
    return I >= 0 && I + 1 < Args.size() ? Args[I + 1] : Default;
  };
  const bool LongRow = Args.contains("--long-row");
  if (Args.contains("--run"))
    return RunOne(Option("--run", {}), Option("--mib", "1").toInt(), LongRow);

  const QStringList Sizes = Option("--mib", "1,10,50").split(u',');
  const QStringList Subjects = Option("--subjects", "yorel,scintilla,plain").split(u',');
  const int RunCount = std::max(Option("--runs", "3").toInt(), 1);
  for (const QString& Size : Sizes) {
    // The subjects take turns, so that a slow spell of the machine falls on all of them.
    std::map<QString, std::vector<QJsonObject>> Runs;
    for (int Round = 0; Round < RunCount; ++Round)
      for (const QString& Subject : Subjects) {
        QProcess Run;
        QStringList RunArgs{"--run", Subject, "--mib", Size};
        if (LongRow) RunArgs << "--long-row";
        Run.start(Application.applicationFilePath(), RunArgs);
        Run.waitForFinished(-1);
        const QByteArray Output = Run.readAllStandardOutput().trimmed();
        if (Run.exitCode() != 0 || Output.isEmpty()) continue;
        std::printf("%s\n", Output.constData());
        std::fflush(stdout);
        Runs[Subject].push_back(QJsonDocument::fromJson(Output.split('\n').last()).object());
      }
    PrintTable(Size, Subjects, Runs);
  }
  return 0;
}
