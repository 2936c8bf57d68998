/** @file OutputPanel.cpp **/
#include "studio/build/OutputPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "platform/core/Exceptions.h"
#include "studio/Dialogs.h"

namespace {
const QString NoPreset = QStringLiteral("(no saved input)");

QString Counted(int Count, const char* Singular) {
  return QStringLiteral("%1 %2%3").arg(Count).arg(QLatin1String(Singular)).arg(Count == 1 ? "" : "s");
}

QString SignalName(int Signal) {
  const char* Name = ::strsignal(Signal);
  return Name ? QString::fromLocal8Bit(Name) : QStringLiteral("signal %1").arg(Signal);
}
}  // namespace

TOutputPanel::TOutputPanel(QWidget* Parent) : QWidget(Parent) {
  FModel = new TOutputModel(this);
  FCommitTimer.setSingleShot(true);
  FCommitTimer.setInterval(CommitIntervalMs);
  connect(&FCommitTimer, &QTimer::timeout, this, [this] { Commit(); });
  FView = new QListView;
  FView->setModel(FModel);
  FView->setUniformItemSizes(true);
  FView->setSelectionMode(QAbstractItemView::ExtendedSelection);
  FView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FView->setTextElideMode(Qt::ElideNone);
  FView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  FModel->SetFont(FView->font());
  FView->installEventFilter(this);
  connect(FView, &QListView::doubleClicked, this,
          [this](const QModelIndex& Index) { ActivateRow(Index.row()); });

  FStopButton = new QToolButton;
  FStopButton->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
  FStopButton->setToolTip(QStringLiteral("Stop (Esc)"));
  FStopButton->setEnabled(false);
  connect(FStopButton, &QToolButton::clicked, this, [this] {
    if (OnStop) OnStop();
  });
  FLocationButton = new QPushButton(QStringLiteral("Set the compiler location…"));
  FLocationButton->hide();
  connect(FLocationButton, &QPushButton::clicked, this, [this] {
    if (OnSetCompilerLocation) OnSetCompilerLocation();
  });
  FPresetBox = new QComboBox;
  FPresetBox->setToolTip(QStringLiteral("Written to the program's input when Build & Run starts"));
  FPresetBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  FSavePreset = new QPushButton(QStringLiteral("Save Input…"));
  FSavePreset->setToolTip(QStringLiteral("Saves what was sent to the program in this run"));
  connect(FSavePreset, &QPushButton::clicked, this, [this] { SaveInputAsPreset(); });
  FDeletePreset = new QPushButton(QStringLiteral("Delete"));
  connect(FDeletePreset, &QPushButton::clicked, this, [this] { DeleteChosenPreset(); });
  connect(FPresetBox, &QComboBox::currentIndexChanged, this,
          [this] { FDeletePreset->setEnabled(!ChosenPreset().isEmpty()); });

  auto* Top = new QHBoxLayout;
  Top->setContentsMargins(2, 2, 2, 2);
  Top->addWidget(FStopButton);
  Top->addWidget(FLocationButton);
  Top->addStretch(1);
  Top->addWidget(new QLabel(QStringLiteral("Input for Build & Run:")));
  Top->addWidget(FPresetBox);
  Top->addWidget(FSavePreset);
  Top->addWidget(FDeletePreset);

  FInput = new QLineEdit;
  FInput->setPlaceholderText(
      QStringLiteral("Input to the running program: Enter sends the line, Ctrl+D ends the input"));
  FInput->installEventFilter(this);
  connect(FInput, &QLineEdit::returnPressed, this, [this] {
    SendInput(FInput->text());
    FInput->clear();
  });
  FCloseInput = new QPushButton(QStringLiteral("End Input"));
  FCloseInput->setToolTip(QStringLiteral("Closes the program's standard input (Ctrl+D)"));
  connect(FCloseInput, &QPushButton::clicked, this, [this] {
    if (OnCloseInput) OnCloseInput();
    SetInputOpen(false);
  });
  FInputRow = new QWidget;
  auto* InputLayout = new QHBoxLayout(FInputRow);
  InputLayout->setContentsMargins(2, 0, 2, 2);
  InputLayout->addWidget(FInput, 1);
  InputLayout->addWidget(FCloseInput);
  FInputRow->hide();

  auto* Column = new QVBoxLayout(this);
  Column->setContentsMargins(0, 0, 0, 0);
  Column->setSpacing(0);
  Column->addLayout(Top);
  Column->addWidget(FView, 1);
  Column->addWidget(FInputRow);
  FillPresetBox(QString());
  FPresetBox->setEnabled(false);
  FSavePreset->setEnabled(false);
}

void TOutputPanel::Begin(const QString& CommandLine, const QString& Folder, bool Run) {
  FModel->Clear();
  FModel->Append(CommandLine, TOutputKind::Command);
  FModel->Append(QStringLiteral("in ") + Folder, TOutputKind::Command);
  FModel->FixHeader();
  FModel->Commit();
  FParser.emplace(Folder);
  FMessages.clear();
  FMessageLines.clear();
  EndOpenLines();
  FCurrent = -1;
  FRun = Run;
  FSent.clear();
  FStopButton->setEnabled(true);
  OfferCompilerLocation(false);
  FInputRow->setVisible(Run);
  SetInputOpen(Run);
  if (Run && !FPresetsError.isEmpty()) ShowPresetError(FPresetsError);
}

void TOutputPanel::Note(const QString& Text, TOutputKind Kind) {
  FModel->Append(Text, Kind);
  FModel->Commit();
  FView->scrollToBottom();
}

void TOutputPanel::OfferCompilerLocation(bool Show) {
  FLocationButton->setVisible(Show);
}

void TOutputPanel::AddLines(TOutputChannel Channel, const QStringList& Lines) {
  for (const QString& Line : Lines)
    AddLine(Channel, Line);
}

void TOutputPanel::AddLine(TOutputChannel Channel, const QString& Text) {
  TOutputKind Kind = Channel == TOutputChannel::Error ? TOutputKind::ErrorOutput : TOutputKind::Output;
  int Index = -1;
  if (FParser && static_cast<int>(FMessages.size()) < MaxMessages) {
    if (std::optional<TBuildMessage> Message = FParser->Parse(Text)) {
      Index = static_cast<int>(FMessages.size());
      if (Message->Kind == TRowMarkKind::Error)
        Kind = TOutputKind::ErrorOutput;
      else if (Message->Kind == TRowMarkKind::Warning)
        Kind = TOutputKind::Warning;
      FMessages.push_back(std::move(*Message));
    }
  }
  // The unfinished line's row may have been let go of while the other channel flooded.
  qint64& Open = FOpenRows[static_cast<int>(Channel)];
  const qint64 Serial =
      Open >= 0 && FModel->Replace(Open, Text, Kind, Index) ? Open : FModel->Append(Text, Kind, Index);
  Open = -1;
  if (Index >= 0) {
    FMessageLines.push_back(Serial);
    if (OnMessage) OnMessage(Index);
  }
}

void TOutputPanel::SetOpenLine(TOutputChannel Channel, const QString& Text) {
  qint64& Open = FOpenRows[static_cast<int>(Channel)];
  const TOutputKind Kind =
      Channel == TOutputChannel::Error ? TOutputKind::ErrorOutput : TOutputKind::Output;
  if (Open >= 0 && FModel->Replace(Open, Text, Kind)) return;
  Open = Text.isEmpty() ? -1 : FModel->Append(Text, Kind);
}

void TOutputPanel::AddDropped(qint64 Lines) {
  // Shown with the lines the panel let go of.
  EndOpenLines();
  FModel->AddDropped(Lines);
}

void TOutputPanel::ScheduleCommit() {
  if (!FCommitTimer.isActive()) FCommitTimer.start();
}

void TOutputPanel::Commit() {
  FCommitTimer.stop();
  const bool AtBottom = FView->verticalScrollBar()->value() == FView->verticalScrollBar()->maximum();
  FModel->Commit();
  if (AtBottom) FView->scrollToBottom();
}

void TOutputPanel::Finish(const TBuildEnd& End) {
  FStopButton->setEnabled(false);
  SetInputOpen(false);
  EndOpenLines();
  const QString What = FRun ? QStringLiteral("Build & Run") : QStringLiteral("Build");
  if (!End.Started) {
    Commit();
    return;
  }
  const QString Counts = Counted(CountOf(TRowMarkKind::Error), "error") + QStringLiteral(", ") +
                         Counted(CountOf(TRowMarkKind::Warning), "warning");
  const QString Time = QStringLiteral("%1 s").arg(End.ElapsedMs / 1000.0, 0, 'f', 1);
  QString Summary;
  if (End.Stopped)
    Summary = QStringLiteral("%1 stopped with %2 in %3").arg(What, Counts, Time);
  else if (End.Crashed)
    Summary = QStringLiteral("%1 crashed (%2) with %3 in %4")
                  .arg(What, SignalName(End.ExitCode), Counts, Time);
  else
    Summary = QStringLiteral("%1 finished with %2 in %3 (exit code %4)")
                  .arg(What, Counts, Time)
                  .arg(End.ExitCode);
  FModel->Append(Summary, TOutputKind::Summary);
  Commit();
  FView->scrollToBottom();
}

int TOutputPanel::CountOf(TRowMarkKind Kind) const {
  return static_cast<int>(std::count_if(FMessages.begin(), FMessages.end(),
                                        [Kind](const TBuildMessage& M) { return M.Kind == Kind; }));
}

void TOutputPanel::SendInput(const QString& Text) {
  if (!FInput->isEnabled()) return;
  EndOpenLines();
  FModel->Append(Text, TOutputKind::Input);
  Commit();
  FSent += Text + u'\n';
  FSavePreset->setEnabled(true);
  if (OnWriteInput) OnWriteInput((Text + u'\n').toUtf8());
}

void TOutputPanel::EndOpenLines() {
  FOpenRows[0] = FOpenRows[1] = -1;
}

void TOutputPanel::SetInputOpen(bool Open) {
  FInput->setEnabled(Open);
  FCloseInput->setEnabled(Open);
  if (Open) FInput->setFocus();
}

void TOutputPanel::LoadPresets(const QString& ProjectFile) {
  const QString Chosen = ChosenPreset();
  FPresetBox->setEnabled(!ProjectFile.isEmpty());
  FPresetsError.clear();
  if (ProjectFile.isEmpty()) {
    FPresets = TInputPresets();
    FillPresetBox(QString());
    return;
  }
  try {
    FPresets.Load(TInputPresets::FileOf(ProjectFile));
  } catch (const Exception& Error) {
    FPresetsError = Error.Message();
    ShowPresetError(FPresetsError);
  }
  FillPresetBox(Chosen);
}

QString TOutputPanel::ChosenPreset() const {
  return FPresetBox->currentIndex() > 0 ? FPresetBox->currentText() : QString();
}

void TOutputPanel::ChoosePreset(const QString& Name) {
  const int Index = FPresetBox->findText(Name);
  FPresetBox->setCurrentIndex(Name.isEmpty() || Index < 0 ? 0 : Index);
}

void TOutputPanel::FillPresetBox(const QString& Chosen) {
  FPresetBox->clear();
  FPresetBox->addItem(NoPreset);
  for (const TInputPreset& Preset : FPresets.Items())
    FPresetBox->addItem(Preset.Name);
  ChoosePreset(Chosen);
  FDeletePreset->setEnabled(!ChosenPreset().isEmpty());
}

void TOutputPanel::ShowPresetError(const QString& Text) {
  FModel->Append(Text, TOutputKind::Failure);
  Commit();
}

void TOutputPanel::SaveInputAsPreset() {
  if (FSent.isEmpty()) return;
  if (!FPresets.Writable()) {
    ShowPresetError(FPresetsError.isEmpty() ? QStringLiteral("Open a project to save inputs.")
                                            : FPresetsError + QStringLiteral(" Nothing was saved."));
    return;
  }
  QInputDialog Dialog(this);
  Dialog.setWindowTitle(QStringLiteral("Save Input"));
  Dialog.setLabelText(QStringLiteral("Name of the saved input:"));
  Dialog.setTextValue(ChosenPreset());
  if (TDialogs::Current().ShowModal(Dialog) != TModalResult::mrOk) return;
  const QString Name = Dialog.textValue().trimmed();
  if (Name.isEmpty()) return;
  FPresets.Put(Name, FSent);
  try {
    FPresets.Save();
  } catch (const Exception& Error) {
    ShowPresetError(Error.Message());
  }
  FillPresetBox(Name);
}

void TOutputPanel::DeleteChosenPreset() {
  const QString Name = ChosenPreset();
  if (Name.isEmpty() || !FPresets.Writable()) return;
  FPresets.Remove(Name);
  try {
    FPresets.Save();
  } catch (const Exception& Error) {
    ShowPresetError(Error.Message());
  }
  FillPresetBox(QString());
}

void TOutputPanel::ActivateRow(int Row) {
  if (FModel->Kind(Row) == TOutputKind::Failure && !FLocationButton->isHidden()) {
    if (OnSetCompilerLocation) OnSetCompilerLocation();
    return;
  }
  GoToMessage(FModel->Message(Row));
}

void TOutputPanel::GoToMessage(int Index) {
  if (Index < 0 || Index >= static_cast<int>(FMessages.size())) return;
  FCurrent = Index;
  if (OnUsed) OnUsed();
  const int Row = FModel->RowOf(FMessageLines[static_cast<std::size_t>(Index)]);
  if (Row >= 0) {
    const QModelIndex At = FModel->index(Row);
    FView->setCurrentIndex(At);
    FView->scrollTo(At);
  }
  if (OnShowMessage) OnShowMessage(Index);
}

bool TOutputPanel::GoToResult(int Step) {
  const int Count = static_cast<int>(FMessages.size());
  if (Count == 0) return false;
  const int From = FCurrent < 0 ? (Step > 0 ? -1 : 0) : FCurrent;
  GoToMessage(((From + Step) % Count + Count) % Count);
  return true;
}

void TOutputPanel::CopySelection() {
  QModelIndexList Rows = FView->selectionModel()->selectedRows();
  std::sort(Rows.begin(), Rows.end());
  QStringList Lines;
  for (const QModelIndex& Index : Rows)
    Lines << FModel->Text(Index.row());
  if (!Lines.isEmpty()) QApplication::clipboard()->setText(Lines.join(u'\n'));
}

bool TOutputPanel::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() != QEvent::KeyPress) return QWidget::eventFilter(Watched, Event);
  const auto* Key = static_cast<QKeyEvent*>(Event);
  if (Watched == FView) {
    if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
      ActivateRow(FView->currentIndex().row());
      return true;
    }
    if (Key->matches(QKeySequence::Copy)) {
      CopySelection();
      return true;
    }
  }
  if (Watched == FInput && Key->key() == Qt::Key_D && Key->modifiers() == Qt::ControlModifier) {
    FCloseInput->click();
    return true;
  }
  if (Key->key() == Qt::Key_Escape && FStopButton->isEnabled()) {
    FStopButton->click();
    return true;
  }
  return QWidget::eventFilter(Watched, Event);
}
