/** @file BuildProcess.h
 ** One run of the compiler: started in a process group of its own (so that Stop ends it and
 ** everything it started), its two output channels read in order of arrival and decoded in
 ** slices of a few milliseconds, so the studio stays responsive however much it prints. **/
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

#include "studio/build/CompilerCommand.h"
#include "studio/build/OutputDecoder.h"

enum class TOutputChannel { Output, Error };

struct TBuildEnd {
  bool Started = true;
  bool Stopped = false;
  bool Crashed = false;
  int ExitCode = 0;  ///< the signal's number when crashed
  QString FailReason;  ///< why it could not start, in words
  qint64 ElapsedMs = 0;
};

class TBuildProcess : public QObject {
 public:
  /** Time spent decoding output before the event loop gets its turn again. */
  static constexpr int SliceMs = 8;
  /** Output waiting to be decoded beyond this is dropped (a program printing without end). */
  static constexpr qsizetype BacklogLimit = 16 * 1024 * 1024;

  explicit TBuildProcess(QObject* Parent = nullptr);
  /** Ends the whole process group at once. */
  ~TBuildProcess() override;

  /** Starts Command; with KeepInput its standard input stays open for Write. */
  void Start(const TCompilerCommand& Command, bool KeepInput);
  bool Running() const { return FRunning; }
  /** Asks the process group to end; those still running after a grace period are killed. */
  void Stop();
  void Write(const QByteArray& Bytes);
  void CloseInput();
  /** Forgets the unfinished lines shown so far (input was echoed after them). */
  void ForgetOpenLines();
  bool InputOpen() const { return FInputOpen; }

  /** Complete lines of a channel, in order. */
  std::function<void(TOutputChannel, const QStringList&)> OnLines;
  /** The channel's unfinished line (a prompt, a progress counter) as it stands now. */
  std::function<void(TOutputChannel, const QString&)> OnOpenLine;
  /** Lines dropped unread because output came faster than it could be shown. */
  std::function<void(qint64)> OnDropped;
  /** After each slice of output: the moment to update the view. */
  std::function<void()> OnSliceDone;
  std::function<void()> OnStarted;
  /** Once, after the last output. */
  std::function<void(const TBuildEnd&)> OnFinished;

 private:
  struct TChunk {
    TOutputChannel Channel;
    QByteArray Bytes;
  };
  void Receive(TOutputChannel Channel);
  void ProcessSlice();
  void ScheduleSlice();
  void DropBacklog();
  void Finish();
  /** TERM to the group now, KILL after the grace period. */
  void Terminate();
  void SignalGroup(int Signal);
  TOutputDecoder& Decoder(TOutputChannel Channel);

  QProcess FProcess;
  QTimer FSlice;
  QTimer FKillTimer;
  QElapsedTimer FClock;
  std::deque<TChunk> FQueue;
  qsizetype FQueuedBytes = 0;
  qsizetype FFrontOffset = 0;
  TOutputDecoder FOutput;
  TOutputDecoder FErrors;
  qint64 FGroup = 0;
  bool FRunning = false;
  bool FExited = false;
  bool FInputOpen = false;
  TBuildEnd FEnd;
};
