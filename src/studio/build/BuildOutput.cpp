/** @file BuildOutput.cpp **/
#include "studio/build/BuildOutput.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "editor/RowMarks.h"
#include "editor/SelectionRange.h"
#include "platform/core/Paths.h"
#include "platform/qt/QtControlHost.h"
#include "studio/CodeForm.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"

const QString TBuildOutput::MarkOwner = QStringLiteral("build");

namespace {
const char* const MarkedBuild = "yorelMarkedBuild";

QString Folder(const QString& Path) {
  return QDir::toNativeSeparators(QDir::cleanPath(Path));
}
}  // namespace

TBuildOutput::TBuildOutput(TMainFRM* Form) : QObject(Form), FForm(Form) {
  FPanel = new TOutputPanel;
  FDock = new QDockWidget(QStringLiteral("Output"), Form);
  FDock->setObjectName(QStringLiteral("dkOutput"));
  FDock->setWidget(FPanel);
  FDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
  Form->addDockWidget(Qt::BottomDockWidgetArea, FDock);
  FDock->hide();
  QAction* Toggle = FDock->toggleViewAction();
  Toggle->setText(QStringLiteral("Output"));
  Form->View1->addAction(Toggle);
  connect(FDock, &QDockWidget::visibilityChanged, this, [this](bool Visible) {
    if (Visible) RefreshPresets();
  });

  FStop = new QAction(Form->style()->standardIcon(QStyle::SP_MediaStop), QStringLiteral("Stop Build"),
                      Form);
  FStop->setEnabled(false);
  connect(FStop, &QAction::triggered, this, [this] { Stop(); });
  Form->Project1->addAction(FStop);
  Form->ToolBar1->addAction(FStop);

  FProcess = new TBuildProcess(this);
  FProcess->OnLines = [this](TOutputChannel Channel, const QStringList& Lines) {
    FPanel->AddLines(Channel, Lines);
  };
  FProcess->OnOpenLine = [this](TOutputChannel Channel, const QString& Text) {
    FPanel->SetOpenLine(Channel, Text);
  };
  FProcess->OnDropped = [this](qint64 Lines) { FPanel->AddDropped(Lines); };
  FProcess->OnSliceDone = [this] { FPanel->ScheduleCommit(); };
  FProcess->OnStarted = [this] { SendPreset(); };
  FProcess->OnFinished = [this](const TBuildEnd& End) { Finished(End); };

  FPanel->OnStop = [this] { Stop(); };
  FPanel->OnSetCompilerLocation = [this] { FForm->ShowOptions(QStringLiteral("Build")); };
  FPanel->OnUsed = [this] { FForm->SetLastResultList(FPanel); };
  FPanel->OnMessage = [this](int Index) { MarkMessage(Index, nullptr); };
  FPanel->OnShowMessage = [this](int Index) { ShowMessage(Index); };
  FPanel->OnWriteInput = [this](const QByteArray& Bytes) {
    FProcess->ForgetOpenLines();
    FProcess->Write(Bytes);
  };
  FPanel->OnCloseInput = [this] { FProcess->CloseInput(); };
  // A window is activated before its file is read in: it is marked once its text is there.
  connect(Form->MdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* Window) {
    QTimer::singleShot(0, this, [this, Window = QPointer<QMdiSubWindow>(Window)] {
      if (Window) MarkWindow(Window);
    });
    RefreshPresets();
  });
}

TBuildOutput::~TBuildOutput() {
  // The panel outlives this object by a moment while the window goes.
  FPanel->OnMessage = nullptr;
  FPanel->OnShowMessage = nullptr;
  FPanel->OnWriteInput = nullptr;
  FPanel->OnCloseInput = nullptr;
  FPanel->OnStop = nullptr;
  FPanel->OnSetCompilerLocation = nullptr;
  FPanel->OnUsed = nullptr;
}

void TBuildOutput::ShowPanel() {
  FDock->show();
  FDock->raise();
}

void TBuildOutput::Note(const QString& Text, TOutputKind Kind) {
  ShowPanel();
  FPanel->Note(Text, Kind);
}

void TBuildOutput::RefreshPresets() {
  if (FPresetsProject == FForm->projectFilePath) return;
  FPresetsProject = FForm->projectFilePath;
  FPanel->LoadPresets(FForm->projectFilePath);
}

void TBuildOutput::Start(const TCompilerCommand& Command, bool Run) {
  if (FPending) return;
  if (Running()) {
    if (TDialogs::Current().MessageBox(FForm,
                                       QStringLiteral("A build is running. Stop it and start again?"),
                                       QStringLiteral("Build"), TMsgButtons::mbYesNo,
                                       TMsgIcon::Question) != TModalResult::mrYes)
      return;
    FPending.emplace(Command, Run);
    FProcess->Stop();
    return;
  }
  Launch(Command, Run);
}

void TBuildOutput::Launch(const TCompilerCommand& Command, bool Run) {
  RefreshPresets();
  FCommand = Command;
  ++FBuild;
  FMarks.clear();
  for (QMdiSubWindow* Window : FForm->MdiArea()->subWindowList()) {
    if (auto* Code = dynamic_cast<TCodeFRM*>(Window)) {
      Code->tbCode->RowMarks()->Clear(MarkOwner);
      Code->setProperty(MarkedBuild, FBuild);
    }
  }
  ShowPanel();
  FPanel->Begin(CommandLineText(Command.Program, Command.Arguments), Folder(Command.WorkingDirectory),
                Run);
  FForm->SetLastResultList(FPanel);
  FStop->setEnabled(true);
  FProcess->Start(Command, Run);
}

void TBuildOutput::Stop() {
  FProcess->Stop();
}

void TBuildOutput::SendPreset() {
  const QString Name = FPanel->ChosenPreset();
  if (Name.isEmpty() || !FProcess->InputOpen()) return;
  QStringList Lines = FPanel->Presets().TextOf(Name).split(u'\n');
  if (!Lines.isEmpty() && Lines.last().isEmpty()) Lines.removeLast();
  for (const QString& Line : Lines)
    FPanel->SendInput(Line);
}

void TBuildOutput::Finished(const TBuildEnd& End) {
  FStop->setEnabled(false);
  if (!End.Started) {
    FPanel->Note(QStringLiteral("Cannot start the compiler \"%1\": %2.")
                     .arg(QDir::toNativeSeparators(FCommand.Program), End.FailReason),
                 TOutputKind::Failure);
    FPanel->OfferCompilerLocation(true);
  }
  FPanel->Finish(End);
  if (FPending) {
    const auto [Command, Run] = *FPending;
    FPending.reset();
    Launch(Command, Run);
  }
}

void TBuildOutput::MarkWindow(QMdiSubWindow* Window) {
  auto* Code = dynamic_cast<TCodeFRM*>(Window);
  if (!Code || Code->property(MarkedBuild).toInt() == FBuild) return;
  Code->setProperty(MarkedBuild, FBuild);
  Code->tbCode->RowMarks()->Clear(MarkOwner);
  const std::vector<TBuildMessage>& Messages = FPanel->Messages();
  for (int I = 0; I < static_cast<int>(Messages.size()); ++I)
    if (SameFile(Messages[static_cast<std::size_t>(I)].File, Code->strFile)) MarkMessage(I, Code);
}

void TBuildOutput::MarkMessage(int Index, TCodeFRM* Code) {
  const TBuildMessage& Message = FPanel->Messages()[static_cast<std::size_t>(Index)];
  if (FMarks.size() <= static_cast<std::size_t>(Index)) FMarks.resize(static_cast<std::size_t>(Index) + 1);
  if (Message.Kind == TRowMarkKind::Note) return;
  if (!Code) {
    Code = FForm->CodeFormOf(Message.File);
    // A window opened since the build starts gets its marks when it comes forward.
    if (!Code || Code->property(MarkedBuild).toInt() != FBuild) return;
  }
  const int Id = Code->tbCode->RowMarks()->Add(MarkOwner, Message.Line, Message.Kind, Message.Text);
  FMarks[static_cast<std::size_t>(Index)] = TMarkRef{Code, Id};
}

void TBuildOutput::ShowMessage(int Index) {
  const TBuildMessage& Message = FPanel->Messages()[static_cast<std::size_t>(Index)];
  int Row = Message.Line;
  // Where edits since the build moved the row, its mark knows.
  if (static_cast<std::size_t>(Index) < FMarks.size()) {
    const TMarkRef& Ref = FMarks[static_cast<std::size_t>(Index)];
    if (Ref.Window && SameFile(Ref.Window->strFile, Message.File))
      if (const int Now = Ref.Window->tbCode->RowMarks()->RowOf(Ref.Id)) Row = Now;
  }
  ShowSourceAt(Message.File, Row, Message.Column);
}

TCodeFRM* TBuildOutput::ShowSourceAt(const QString& Path, int Row, int Column) {
  const bool Open = FForm->CodeFormOf(Path);
  TCodeFRM* Code = FForm->ShowSourceFile(Path, FForm->ProjectEntry(Path));
  if (!Open) MarkWindow(Code);
  TSourceEdit& Editor = *Code->tbCode;
  const int Line = std::clamp(Row, 1, Editor.LineCount());
  const int Col = std::clamp(Column, 1, Editor.LineLength(Line) + 1);
  Editor.SetSelStart(Editor.CellToCharIdx(TextCell(Line, Col)) - 1);
  Editor.Selection()->ScrollInView(4);
  if (auto* Host = Code->findChild<TQtControlHost*>()) Host->setFocus();
  return Code;
}
