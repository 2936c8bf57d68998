/** @file BuildProcess.cpp **/
#include "studio/build/BuildProcess.h"

#include <QFileInfo>
#include <algorithm>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {
constexpr int KillGraceMs = 2000;
constexpr qsizetype PieceBytes = 16 * 1024;

QString SystemText(int Code) {
  return QString::fromLocal8Bit(std::strerror(Code));
}

// Qt's text names the failed system call first ("execve: ..."); the reason alone reads better.
QString StartFailure(const QString& Program, const QString& QtText) {
  if (Program.isEmpty()) return QStringLiteral("No compiler location is set");
  if (Program.contains(u'/')) {
    const QFileInfo Info(Program);
    if (!Info.exists()) return SystemText(ENOENT);
    if (Info.isDir()) return SystemText(EISDIR);
    if (!Info.isExecutable()) return SystemText(EACCES);
  } else if (QStandardPaths::findExecutable(Program).isEmpty()) {
    return SystemText(ENOENT);
  }
  QString Reason = QtText;
  Reason.remove(QRegularExpression(QStringLiteral("^.*\\b[a-z_]+: ")));
  return Reason;
}
}  // namespace

TBuildProcess::TBuildProcess(QObject* Parent) : QObject(Parent) {
  FSlice.setSingleShot(true);
  FSlice.setInterval(0);
  connect(&FSlice, &QTimer::timeout, this, [this] { ProcessSlice(); });
  FKillTimer.setSingleShot(true);
  FKillTimer.setInterval(KillGraceMs);
  connect(&FKillTimer, &QTimer::timeout, this, [this] { SignalGroup(SIGKILL); });
  // Its own process group, so that Stop reaches whatever the compiler started.
  FProcess.setChildProcessModifier([] { ::setpgid(0, 0); });
  connect(&FProcess, &QProcess::readyReadStandardOutput, this,
          [this] { Receive(TOutputChannel::Output); });
  connect(&FProcess, &QProcess::readyReadStandardError, this,
          [this] { Receive(TOutputChannel::Error); });
  connect(&FProcess, &QProcess::started, this, [this] {
    FGroup = FProcess.processId();
    if (FEnd.Stopped) return Terminate();
    if (OnStarted) OnStarted();
  });
  connect(&FProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError Error) {
    if (Error != QProcess::FailedToStart || !FRunning) return;
    FEnd.Started = false;
    FEnd.FailReason = StartFailure(FProcess.program(), FProcess.errorString());
    FExited = true;
    ScheduleSlice();
  });
  connect(&FProcess, &QProcess::finished, this, [this](int Code, QProcess::ExitStatus Status) {
    Receive(TOutputChannel::Output);
    Receive(TOutputChannel::Error);
    FEnd.Crashed = Status == QProcess::CrashExit;
    FEnd.ExitCode = Code;
    // Whatever the compiler left behind goes with it when the user stopped it.
    if (FEnd.Stopped) SignalGroup(SIGKILL);
    FKillTimer.stop();
    FExited = true;
    ScheduleSlice();
  });
}

TBuildProcess::~TBuildProcess() {
  if (FProcess.state() != QProcess::NotRunning) {
    SignalGroup(SIGKILL);
    FProcess.waitForFinished(1000);
  }
}

void TBuildProcess::Start(const TCompilerCommand& Command, bool KeepInput) {
  FQueue.clear();
  FQueuedBytes = FFrontOffset = 0;
  FOutput = TOutputDecoder();
  FErrors = TOutputDecoder();
  FEnd = TBuildEnd();
  FGroup = 0;
  FRunning = true;
  FExited = false;
  FInputOpen = KeepInput;
  FClock.start();
  FProcess.setProgram(Command.Program);
  FProcess.setArguments(Command.Arguments);
  FProcess.setWorkingDirectory(Command.WorkingDirectory);
  FProcess.start();
  if (!KeepInput) FProcess.closeWriteChannel();
}

void TBuildProcess::Stop() {
  if (!FRunning || FExited) return;
  FEnd.Stopped = true;
  // Until the started signal the group is unknown: the TERM would be lost and the build would
  // end only by the KILL after the grace period. The started handler sends it instead.
  if (FGroup > 0) Terminate();
}

void TBuildProcess::Terminate() {
  SignalGroup(SIGTERM);
  FKillTimer.start();
}

void TBuildProcess::SignalGroup(int Signal) {
  if (FGroup > 0) ::kill(static_cast<pid_t>(-FGroup), Signal);
}

void TBuildProcess::Write(const QByteArray& Bytes) {
  if (FInputOpen && FProcess.state() == QProcess::Running) FProcess.write(Bytes);
}

void TBuildProcess::CloseInput() {
  if (!FInputOpen) return;
  FInputOpen = false;
  FProcess.closeWriteChannel();
}

void TBuildProcess::ForgetOpenLines() {
  FOutput = TOutputDecoder();
  FErrors = TOutputDecoder();
}

TOutputDecoder& TBuildProcess::Decoder(TOutputChannel Channel) {
  return Channel == TOutputChannel::Output ? FOutput : FErrors;
}

void TBuildProcess::Receive(TOutputChannel Channel) {
  QByteArray Bytes = Channel == TOutputChannel::Output ? FProcess.readAllStandardOutput()
                                                       : FProcess.readAllStandardError();
  if (Bytes.isEmpty()) return;
  FQueuedBytes += Bytes.size();
  FQueue.push_back(TChunk{Channel, std::move(Bytes)});
  if (FQueuedBytes > BacklogLimit) DropBacklog();
  ScheduleSlice();
}

// Keeps the newest half of the limit; the lines in between are counted, not shown.
void TBuildProcess::DropBacklog() {
  qint64 Lines = 0;
  while (FQueue.size() > 1 && FQueuedBytes > BacklogLimit / 2) {
    const TChunk& Front = FQueue.front();
    Lines += std::count(Front.Bytes.cbegin() + FFrontOffset, Front.Bytes.cend(), '\n');
    FQueuedBytes -= Front.Bytes.size() - FFrontOffset;
    FFrontOffset = 0;
    Decoder(Front.Channel) = TOutputDecoder();
    FQueue.pop_front();
  }
  if (Lines > 0 && OnDropped) OnDropped(Lines);
}

void TBuildProcess::ScheduleSlice() {
  if (!FSlice.isActive()) FSlice.start();
}

void TBuildProcess::ProcessSlice() {
  QElapsedTimer Clock;
  Clock.start();
  QStringList Lines;
  bool Fed[2] = {false, false};  // the channels whose unfinished line may have changed
  while (!FQueue.empty() && Clock.elapsed() < SliceMs) {
    TChunk& Front = FQueue.front();
    const qsizetype Size = std::min(PieceBytes, Front.Bytes.size() - FFrontOffset);
    Lines.clear();
    TOutputDecoder& D = Decoder(Front.Channel);
    D.Feed(QByteArrayView(Front.Bytes).sliced(FFrontOffset, Size), Lines);
    Fed[static_cast<int>(Front.Channel)] = true;
    const TOutputChannel Channel = Front.Channel;
    FFrontOffset += Size;
    FQueuedBytes -= Size;
    if (FFrontOffset >= Front.Bytes.size()) {
      FQueue.pop_front();
      FFrontOffset = 0;
    }
    if (!Lines.isEmpty() && OnLines) OnLines(Channel, Lines);
  }
  for (TOutputChannel Channel : {TOutputChannel::Output, TOutputChannel::Error})
    if (Fed[static_cast<int>(Channel)] && OnOpenLine) OnOpenLine(Channel, Decoder(Channel).OpenLine());
  if (!FQueue.empty()) ScheduleSlice();
  else if (FExited && FRunning) Finish();
  if (OnSliceDone) OnSliceDone();
}

void TBuildProcess::Finish() {
  for (TOutputChannel Channel : {TOutputChannel::Output, TOutputChannel::Error}) {
    QString Last;
    if (Decoder(Channel).Close(Last) && OnLines) OnLines(Channel, QStringList{Last});
  }
  FRunning = false;
  FInputOpen = false;
  FEnd.ElapsedMs = FClock.elapsed();
  if (OnFinished) OnFinished(FEnd);
}
