/** @file EditorBench.cpp
 ** editor-bench: loads, types into, comments out and undoes generated Yorel source in our
 ** editor and in the peers, each in a process of its own so that memory is its own, and
 ** prints a table of every figure with its ratios, and JSON lines.
 **   editor-bench [--mib 1,10,50] [--subjects yorel,scintilla,plain]
 **   editor-bench --run SUBJECT --mib N      (one measurement, one JSON line) **/
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchSubject.h"
#include "YorelCorpus.h"

namespace {
double ResidentMiB(const char* Field) {
  QFile Status(QStringLiteral("/proc/self/status"));
  if (!Status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& Line : Status.readAll().split('\n'))
    if (Line.startsWith(Field))
      return Line.mid(qstrlen(Field)).trimmed().split(' ')[0].toDouble() / 1024;
  return 0;
}

double Percentile(std::vector<double> Values, double P) {
  std::sort(Values.begin(), Values.end());
  return Values[static_cast<size_t>(P * (Values.size() - 1))];
}

void SendKey(QWidget* Target, QChar C) {
  const bool Enter = C == u'\r';
  const int Key =
      Enter ? Qt::Key_Return : (C == u' ' ? Qt::Key_Space : Qt::Key_A + (C.unicode() - u'a'));
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier, QString(C));
  QApplication::sendEvent(Target, &Press);
  QKeyEvent Release(QEvent::KeyRelease, Key, Qt::NoModifier, QString(C));
  QApplication::sendEvent(Target, &Release);
}

// 2000 keystrokes (letters, spaces, an Enter every 30) at Line, each painted at once.
std::vector<double> TypeAt(TBenchSubject& Subject, int Line) {
  Subject.GoToLine(Line);
  std::vector<double> Micros;
  QElapsedTimer Timer;
  for (int I = 0; I < 2000; ++I) {
    const QChar C = I % 30 == 29 ? QChar(u'\r') : I % 6 == 5 ? QChar(u' ') : QChar(u'a' + I % 26);
    Timer.start();
    SendKey(Subject.KeyTarget(), C);
    Subject.Repaint();
    Micros.push_back(Timer.nsecsElapsed() / 1000.0);
  }
  return Micros;
}

void Report(QJsonObject& Result, const QString& Name, const std::vector<double>& Micros) {
  Result[Name + "_median_us"] = Percentile(Micros, 0.5);
  Result[Name + "_p95_us"] = Percentile(Micros, 0.95);
  Result[Name + "_p99_us"] = Percentile(Micros, 0.99);
  Result[Name + "_max_us"] = Percentile(Micros, 1.0);
}

int RunOne(const QString& Name, int MiB) {
  std::unique_ptr<TBenchSubject> Subject = Name == "yorel"       ? MakeYorelSubject()
                                           : Name == "plain"     ? MakePlainTextSubject()
                                           : Name == "scintilla" ? MakeScintillaSubject()
                                                                 : nullptr;
  if (!Subject) return 2;
  const QByteArray Bytes = GenerateYorelSource(qint64(MiB) * 1024 * 1024).toUtf8();
  QJsonObject Result{{"subject", Name}, {"mib", MiB}};
  QApplication::processEvents();
  QElapsedTimer Timer;
  Timer.start();
  (void)QString::fromUtf8(Bytes);
  Result["decode_ms"] = Timer.nsecsElapsed() / 1e6;

  const double Before = ResidentMiB("VmRSS:");
  Timer.start();
  Subject->Load(Bytes);
  Result["load_ms"] = Timer.nsecsElapsed() / 1e6;
  Result["memory_mib"] = ResidentMiB("VmHWM:") - Before;

  // The floor: the median of a few complete repaints.
  std::vector<double> Repaints;
  for (int I = 0; I < 21; ++I) {
    Timer.start();
    Subject->RepaintAll();
    Repaints.push_back(Timer.nsecsElapsed() / 1000.0);
  }
  Result["repaint_us"] = Percentile(Repaints, 0.5);

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
                               "memory_mib",
                               "type_middle_median_us",
                               "type_middle_p99_us",
                               "type_start_median_us",
                               "type_start_p99_us",
                               "undo_ms",
                               "comment_open_ms",
                               "comment_close_ms",
                               "repaint_us",
                               "decode_ms"};
}  // namespace

int main(int Argc, char** Argv) {
  QApplication Application(Argc, Argv);
  const QStringList Args = Application.arguments();
  auto Option = [&](const QString& Name, const QString& Default) {
    const qsizetype I = Args.indexOf(Name);
    return I >= 0 && I + 1 < Args.size() ? Args[I + 1] : Default;
  };
  if (Args.contains("--run")) return RunOne(Option("--run", {}), Option("--mib", "1").toInt());

  const QStringList Sizes = Option("--mib", "1,10,50").split(u',');
  const QStringList Subjects = Option("--subjects", "yorel,scintilla,plain").split(u',');
  for (const QString& Size : Sizes) {
    std::vector<QJsonObject> Results;
    for (const QString& Subject : Subjects) {
      QProcess Run;
      Run.start(Application.applicationFilePath(), {"--run", Subject, "--mib", Size});
      Run.waitForFinished(-1);
      const QByteArray Output = Run.readAllStandardOutput().trimmed();
      if (Run.exitCode() != 0 || Output.isEmpty()) continue;
      std::printf("%s\n", Output.constData());
      Results.push_back(QJsonDocument::fromJson(Output.split('\n').last()).object());
    }
    if (Results.empty()) continue;
    std::printf("\n%s MiB          ", qPrintable(Size));
    for (const QJsonObject& R : Results)
      std::printf("%14s", qPrintable(R["subject"].toString()));
    for (size_t I = 1; I < Results.size(); ++I)
      std::printf("  %s/%-10s", "yorel", qPrintable(Results[I]["subject"].toString()));
    std::printf("\n");
    for (const char* Metric : Metrics) {
      std::printf("%-22s", Metric);
      for (const QJsonObject& R : Results)
        std::printf("%14.2f", R[Metric].toDouble());
      for (size_t I = 1; I < Results.size(); ++I) {
        const double Peer = Results[I][Metric].toDouble();
        std::printf("  %16.2f", Peer > 0 ? Results[0][Metric].toDouble() / Peer : 0.0);
      }
      std::printf("\n");
    }
    std::printf("\n");
  }
  return 0;
}
