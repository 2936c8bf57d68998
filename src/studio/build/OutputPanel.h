/** @file OutputPanel.h
 ** The output panel: what was started and where, the output as it arrives, the summary;
 ** errors the user jumps to with a double-click, Enter or F4; and for Build & Run an input
 ** line to the running program, with saved inputs to pick before the run. **/
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "studio/ResultList.h"
#include "studio/build/BuildMessages.h"
#include "studio/build/BuildProcess.h"
#include "studio/build/InputPresets.h"
#include "studio/build/OutputModel.h"

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;

class TOutputPanel : public QWidget, public TResultList {
 public:
  static constexpr int CommitIntervalMs = 40;
  /** Messages kept for jumping and marks; more are shown but not collected. */
  static constexpr int MaxMessages = 10000;

  explicit TOutputPanel(QWidget* Parent = nullptr);

  TOutputModel* Model() const { return FModel; }
  QListView* View() const { return FView; }

  /** A new build: clears the panel and shows what is started and where. */
  void Begin(const QString& CommandLine, const QString& Folder, bool Run);
  /** One line of the studio's own (nothing to build, a compiler that cannot start...). */
  void Note(const QString& Text, TOutputKind Kind);
  /** Shows or hides the offer to set the compiler's location. */
  void OfferCompilerLocation(bool Show);

  // Fed by the build process.
  void AddLines(TOutputChannel Channel, const QStringList& Lines);
  void SetOpenLine(TOutputChannel Channel, const QString& Text);
  void AddDropped(qint64 Lines);
  /** Shows what was added to the view now. */
  void Commit();
  /** Shows it within CommitIntervalMs, in an event-loop turn of its own: laying out a view
      of 100,000 rows costs milliseconds, too much to follow every slice of output. */
  void ScheduleCommit();
  void Finish(const TBuildEnd& End);

  /** Sends Text and a line break to the running program and shows it as input. */
  void SendInput(const QString& Text);
  /** Enables the input line while the program can read it. */
  void SetInputOpen(bool Open);

  // Saved inputs of the project.
  void LoadPresets(const QString& ProjectFile);
  TInputPresets& Presets() { return FPresets; }
  /** The preset chosen for the next Build & Run; empty for none. */
  QString ChosenPreset() const;
  void ChoosePreset(const QString& Name);
  /** Saves this run's input under a name the user gives. */
  void SaveInputAsPreset();
  void DeleteChosenPreset();

  const std::vector<TBuildMessage>& Messages() const { return FMessages; }
  int CurrentMessage() const { return FCurrent; }
  /** Goes to message Index: selects its line and asks for its place to be shown. */
  void GoToMessage(int Index);
  bool GoToResult(int Step) override;

  /** A message was recognised (its index in Messages()). */
  std::function<void(int)> OnMessage;
  /** The user asked for message Index's place in its file. */
  std::function<void(int)> OnShowMessage;
  std::function<void(const QByteArray&)> OnWriteInput;
  std::function<void()> OnCloseInput;
  std::function<void()> OnStop;
  std::function<void()> OnSetCompilerLocation;
  /** The user acted on the panel: F4 should walk its list now. */
  std::function<void()> OnUsed;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void AddLine(TOutputChannel Channel, const QString& Text);
  void ActivateRow(int Row);
  void CopySelection();
  /** Messages of that kind so far. */
  int CountOf(TRowMarkKind Kind) const;
  void EndOpenLines();
  void FillPresetBox(const QString& Chosen);
  void ShowPresetError(const QString& Text);

  TOutputModel* FModel;
  QListView* FView;
  QToolButton* FStopButton;
  QPushButton* FLocationButton;
  QComboBox* FPresetBox;
  QPushButton* FSavePreset;
  QPushButton* FDeletePreset;
  QWidget* FInputRow;
  QLineEdit* FInput;
  QPushButton* FCloseInput;
  QTimer FCommitTimer;

  std::optional<TBuildMessageParser> FParser;
  std::vector<TBuildMessage> FMessages;
  std::vector<qint64> FMessageLines;  ///< the serial number of each message's line
  qint64 FOpenRows[2] = {-1, -1};     ///< each channel's unfinished line, if shown
  int FCurrent = -1;
  bool FRun = false;
  QString FSent;
  TInputPresets FPresets;
  QString FPresetsError;  ///< why the presets file could not be read
};
