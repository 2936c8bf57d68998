/** @file LanguageService.cpp
 ** Panels, commands, the project index and its background reading. **/
#include "studio/language/LanguageService.h"

#include <QDir>
#include <QChildEvent>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTreeWidget>

#include "language/Reference.h"
#include "language/SourceModel.h"
#include "platform/core/Paths.h"
#include "sourceedit/SourceEdit.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/language/EditorLanguage.h"
#include "studio/language/OutlinePanel.h"
#include "studio/language/ProblemsPanel.h"
#include "studio/language/ReferencePanel.h"
#include "studio/language/SymbolChooser.h"

QString IndexPath(const QString& Path) {
  return QDir::cleanPath(QFileInfo(Path).absoluteFilePath());
}

TLanguageService::TLanguageService(TMainFRM* MainForm) : FMainForm(MainForm) {
  setObjectName(QStringLiteral("LanguageService"));
  TReference::Standard();  // read once here, before any reader thread needs it
  CreateDocks();
  CreateActions();
  FProblemsTimer.setSingleShot(true);
  FProblemsTimer.setInterval(50);
  connect(&FProblemsTimer, &QTimer::timeout, this, [this] {
    std::vector<TFileProblem> All;
    for (QMdiSubWindow* Window : FMainForm->MdiArea()->subWindowList())
      if (auto* Form = dynamic_cast<TCodeFRM*>(Window))
        if (TEditorLanguage* Language = LanguageOf(Form))
          for (const TProblem& P : Language->Problems()) All.push_back({Language->File(), P});
    FProblems->SetProblems(All);
  });
  FMainForm->MdiArea()->viewport()->installEventFilter(this);
  connect(FMainForm->MdiArea(), &QMdiArea::subWindowActivated, this, [this] { ShowOutline(); });
  // Showing a project resets the tree and inserts its rows: one reading of its files for both.
  FReindexTimer.setSingleShot(true);
  FReindexTimer.setInterval(0);
  connect(&FReindexTimer, &QTimer::timeout, this, [this] { ReindexProject(); });
  QAbstractItemModel* Tree = FMainForm->tvFiles->model();
  const auto Reindex = [this] { FReindexTimer.start(); };
  connect(Tree, &QAbstractItemModel::rowsInserted, this, Reindex);
  connect(Tree, &QAbstractItemModel::rowsRemoved, this, Reindex);
  connect(Tree, &QAbstractItemModel::modelReset, this, Reindex);
  // The files of a project are read one by one: the open windows are checked once for a burst.
  FRecheckTimer.setSingleShot(true);
  FRecheckTimer.setInterval(50);
  connect(&FRecheckTimer, &QTimer::timeout, this, [this] { RecheckAll(); });
  connect(&FWatcher, &QFileSystemWatcher::fileChanged, this, [this](const QString& File) {
    if (!IsOpen(File) && QFileInfo::exists(File)) {
      FWatcher.addPath(File);  // a file replaced on save leaves the watch
      ReadInBackground(File);
    }
  });
}

TLanguageService::~TLanguageService() {
  FReaders.clear();
  FReaders.waitForDone();
}

void TLanguageService::CreateDocks() {
  const auto Dock = [this](const QString& Title, QWidget* Panel, Qt::DockWidgetArea Area) {
    auto* D = new QDockWidget(Title, FMainForm);
    D->setObjectName(Title + QStringLiteral("Dock"));
    D->setWidget(Panel);
    FMainForm->addDockWidget(Area, D);
    FMainForm->View1->addAction(D->toggleViewAction());
    return D;
  };
  FReference = new TReferencePanel(TReference::Standard());
  FOutline = new TOutlinePanel([this](int Line, int Column) {
    if (TEditorLanguage* Language = FOutlined ? LanguageOf(FOutlined) : nullptr) Language->GoTo(Line, Column);
  });
  FProblems = new TProblemsPanel([this](const QString& File, int Line, int Column) { GoTo(File, Line, Column); });
  FProblems->OnUsed = [this] { FMainForm->SetLastResultList(FProblems); };
  OutlineDock = Dock(QStringLiteral("Outline"), FOutline, Qt::RightDockWidgetArea);
  ReferenceDock = Dock(QStringLiteral("Reference"), FReference, Qt::RightDockWidgetArea);
  ProblemsDock = Dock(QStringLiteral("Problems"), FProblems, Qt::BottomDockWidgetArea);
  FMainForm->tabifyDockWidget(OutlineDock, ReferenceDock);
  OutlineDock->raise();
  ReferenceDock->hide();
  // Small beside the editors; the user drags them wider.
  FMainForm->resizeDocks({OutlineDock}, {180}, Qt::Horizontal);
  FMainForm->resizeDocks({ProblemsDock}, {110}, Qt::Vertical);
  // The default window is small: the list waits in the View menu until the user asks for it,
  // while the underlines already show each problem in the text.
  ProblemsDock->hide();
}

void TLanguageService::CreateActions() {
  const auto Add = [this](QMenu* Menu, const QString& Caption, QKeySequence Key, void (TLanguageService::*Handler)()) {
    QAction* Action = Menu->addAction(Caption);
    Action->setShortcut(Key);
    connect(Action, &QAction::triggered, this, [this, Handler] { (this->*Handler)(); });
    return Action;
  };
  FMainForm->Search1->addSeparator();
  GoToDefinition1 = Add(FMainForm->Search1, QStringLiteral("Go to Definition"), Qt::Key_F12,
                        &TLanguageService::GoToDefinitionAtCaret);
  GoToSymbol1 = Add(FMainForm->Search1, QStringLiteral("Go to Symbol..."), QKeySequence(Qt::CTRL | Qt::Key_T),
                    &TLanguageService::GoToSymbol);
  CompleteWord1 = Add(FMainForm->Edit1, QStringLiteral("Complete Word"), QKeySequence(Qt::CTRL | Qt::Key_Space),
                      &TLanguageService::CompleteAtCaret);
  Reference1 = Add(FMainForm->Help1, QStringLiteral("Reference"), Qt::Key_F1, &TLanguageService::ShowReferenceAtCaret);
}

TEditorLanguage* TLanguageService::LanguageOf(const TCodeFRM* Form) {
  return Form ? Form->findChild<TEditorLanguage*>() : nullptr;
}

TEditorLanguage* TLanguageService::Active() const {
  return LanguageOf(FMainForm->ActiveCodeForm());
}

bool TLanguageService::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::ChildAdded && Watched == FMainForm->MdiArea()->viewport())
    if (auto* Form = dynamic_cast<TCodeFRM*>(static_cast<QChildEvent*>(Event)->child())) Attach(Form);
  return false;
}

void TLanguageService::Attach(TCodeFRM* Form) {
  if (!LanguageOf(Form)) new TEditorLanguage(Form, this);
}

QStringList TLanguageService::DefinitionWords(const TSourceEdit* Editor) {
  auto It = FDefinitionWords.find(Editor);
  if (It != FDefinitionWords.end()) return *It;
  QStringList Words;
  const TWordLists* Lists = Editor->SyntaxColoring()->WordLists();
  for (int L = 0; L < Lists->Count(); ++L)
    for (int I = 0; I < Lists->Items(L)->Words()->Count(); ++I) Words.append(Lists->Items(L)->Words()->Strings(I));
  return FDefinitionWords.insert(Editor, Words).value();
}

bool TLanguageService::IsOpen(const QString& File) const {
  for (QMdiSubWindow* Window : FMainForm->MdiArea()->subWindowList())
    if (auto* Form = dynamic_cast<TCodeFRM*>(Window); Form && IndexPath(Form->strFile) == File) return true;
  return false;
}

void TLanguageService::EditorSettled(TEditorLanguage* Language) {
  const QString File = IndexPath(Language->File());
  if (FIndex.DeclarationsOf(File) != Language->Declarations()) {
    FIndex.SetFile(File, Language->Declarations());
    RecheckAll();  // a name declared or gone changes the other files' findings too
  } else {
    Language->Recheck();
  }
  if (FMainForm->ActiveCodeForm() == Language->Form()) ShowOutline();
}

void TLanguageService::EditorGone(TEditorLanguage* Language) {
  FDefinitionWords.remove(Language->Editor());
  const QString File = IndexPath(Language->File());
  QTimer::singleShot(0, this, [this, File] {
    if (IsOpen(File)) return;
    if (ProjectFiles().contains(File))
      ReadInBackground(File);  // what is on disk counts again
    else
      FIndex.RemoveFile(File);
    RecheckAll();
    ShowOutline();
  });
}

void TLanguageService::RecheckAll() {
  for (QMdiSubWindow* Window : FMainForm->MdiArea()->subWindowList())
    if (TEditorLanguage* Language = LanguageOf(dynamic_cast<TCodeFRM*>(Window))) Language->Recheck();
  ProblemsChanged();
}

void TLanguageService::ProblemsChanged() {
  FProblemsTimer.start();
}

void TLanguageService::CaretMoved(TEditorLanguage* Language) {
  if (Language->Form() == FOutlined)
    FOutline->MarkDeclarationAt(EnclosingDeclaration(Language->Declarations(), Language->CaretLine()).Line);
}

void TLanguageService::ShowOutline() {
  TEditorLanguage* Language = Active();
  FOutlined = Language ? Language->Form() : nullptr;
  FOutline->SetDeclarations(Language ? Language->Declarations() : std::vector<TDeclaration>());
  if (Language) CaretMoved(Language);
}

QStringList TLanguageService::ProjectFiles() const {
  QStringList Files;
  for (int I = 0; I < FMainForm->curFileList->Count(); ++I)
    Files.append(IndexPath(FMainForm->ResolvePath(FMainForm->curFileList->Strings(I))));
  return Files;
}

void TLanguageService::ReindexProject() {
  const QStringList Files = ProjectFiles();
  for (const QString& File : FIndex.Files())
    if (!Files.contains(File) && !IsOpen(File)) FIndex.RemoveFile(File);
  if (!FWatcher.files().isEmpty()) FWatcher.removePaths(FWatcher.files());
  for (const QString& File : Files) {
    if (QFileInfo::exists(File)) FWatcher.addPath(File);
    if (!IsOpen(File)) ReadInBackground(File);
  }
}

void TLanguageService::ReadInBackground(const QString& File) {
  const int Generation = ++FReadGeneration[File];
  FReaders.start([this, File, Generation] {
    QFile Source(File);
    if (!Source.open(QIODevice::ReadOnly)) return;
    TSourceModel Model(TReference::Standard());
    Model.SetText(QString::fromUtf8(Source.readAll()));
    std::vector<TDeclaration> Declarations = Model.Declarations();
    QMetaObject::invokeMethod(this, [this, File, Generation, Declarations = std::move(Declarations)]() mutable {
      FileRead(File, Generation, std::move(Declarations));
    }, Qt::QueuedConnection);
  });
}

void TLanguageService::FileRead(const QString& File, int Generation, std::vector<TDeclaration> Declarations) {
  if (Generation != FReadGeneration.value(File) || IsOpen(File)) return;  // newer news, or a window holds it
  FIndex.SetFile(File, std::move(Declarations));
  FRecheckTimer.start();
}

void TLanguageService::GoTo(const QString& File, int Line, int Column) {
  TCodeFRM* Target = nullptr;
  for (QMdiSubWindow* Window : FMainForm->MdiArea()->subWindowList())
    if (auto* Form = dynamic_cast<TCodeFRM*>(Window); Form && IndexPath(Form->strFile) == IndexPath(File)) Target = Form;
  if (!Target) Target = FMainForm->OpenSourceFile(File, FMainForm->ProjectEntry(File));
  if (TEditorLanguage* Language = LanguageOf(Target)) Language->GoTo(Line, Column);
}

void TLanguageService::GoToDefinition(const QString& Name) {
  if (TEditorLanguage* Language = Active()) Language->Settle();
  const std::vector<TLocatedDeclaration> Found = FIndex.Find(Name);
  if (Found.empty()) {
    FMainForm->statusBar()->showMessage(QStringLiteral("No declaration of \"%1\" in the project").arg(Name), 4000);
    return;
  }
  if (Found.size() == 1) {
    GoTo(Found[0].File, Found[0].Declaration.Line, Found[0].Declaration.Column);
    return;
  }
  Choose(QStringLiteral("Declarations of %1").arg(Name), [Found](const QString& Filter) {
    std::vector<TLocatedDeclaration> Matching;
    for (const auto& D : Found)
      if (D.File.contains(Filter, Qt::CaseInsensitive) || D.Declaration.Kind.contains(Filter, Qt::CaseInsensitive))
        Matching.push_back(D);
    return Matching;
  });
}

void TLanguageService::GoToDefinitionAtCaret() {
  TEditorLanguage* Language = Active();
  if (!Language) return;
  const QString Word = Language->WordAtCaret();
  if (!Word.isEmpty()) GoToDefinition(Word);
}

void TLanguageService::GoToSymbol() {
  if (TEditorLanguage* Language = Active()) Language->Settle();
  Choose(QStringLiteral("Go to Symbol"), [this](const QString& Filter) { return FIndex.Matching(Filter); });
}

void TLanguageService::Choose(const QString& Title,
                              std::function<std::vector<TLocatedDeclaration>(const QString&)> Source) {
  if (FChooser) FChooser->close();
  FChooser = new TSymbolChooser(Title, std::move(Source), [this](const TLocatedDeclaration& D) {
    GoTo(D.File, D.Declaration.Line, D.Declaration.Column);
  }, FMainForm);
  FChooser->show();
  FChooser->Filter()->setFocus();
}

void TLanguageService::ShowReferenceAtCaret() {
  TEditorLanguage* Language = Active();
  const QString Word = Language ? Language->WordAtCaret() : QString();
  ReferenceDock->show();
  ReferenceDock->raise();
  if (!Word.isEmpty()) FReference->ShowWord(Word);
}

void TLanguageService::CompleteAtCaret() {
  if (TEditorLanguage* Language = Active()) Language->Complete(false);
}

TSymbolChooser* TLanguageService::Chooser() const {
  return FChooser;
}
