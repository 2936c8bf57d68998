/** @file MainFormFiles.cpp
 ** The File menu and the project tree: opening sources and projects, saving, Save As,
 ** and where project entries point. **/
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include "platform/core/Paths.h"
#include "studio/CodeForm.h"
#include "studio/DataFolder.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/ProjectFile.h"
#include "studio/shell/StudioShell.h"
#include "studio/recovery/ProjectWatch.h"

namespace {
constexpr int EntryRole = Qt::UserRole;

QTreeWidgetItem* NewTreeNode(const QString& Entry) {
  auto* Node = new QTreeWidgetItem(QStringList{ExtractFileName(Entry)});
  Node->setData(0, EntryRole, Entry);
  return Node;
}

void ShowError(QWidget* Owner, const QString& Text) {
  TDialogs::Current().MessageBox(Owner, Text, QStringLiteral("Error"), TMsgButtons::mbOK,
                                 TMsgIcon::Error);
}
}  // namespace

TCodeFRM* TMainFRM::ActiveCodeForm() const {
  return dynamic_cast<TCodeFRM*>(FMdiArea->currentSubWindow());
}

QString TMainFRM::ResolvePath(const QString& Entry) const {
  const QString Path = NativePath(Entry);
  if (projectFilePath.isEmpty() || Path.isEmpty() || !QDir::isRelativePath(Path)) return Path;
  return QDir::cleanPath(ExtractFilePath(projectFilePath) + Path);
}

QString TMainFRM::ProjectEntry(const QString& FileName) const {
  return projectFilePath.isEmpty() ? FileName : ExtractRelativePath(projectFilePath, FileName);
}

QStringList TMainFRM::ProjectEntries() const {
  QStringList Entries;
  for (int I = 0; I < curFileList->Count(); ++I)
    Entries << curFileList->Strings(I);
  return Entries;
}

void TMainFRM::OpenPaths(const QStringList& Paths) {
  for (const QString& Path : Paths) {
    if (QFileInfo(Path).suffix().compare(QStringLiteral("ypr"), Qt::CaseInsensitive) == 0)
      OpenProjectFile(Path);
    else
      OpenSourceFile(QFileInfo(Path).absoluteFilePath(), Path);
  }
}

TCodeFRM* TMainFRM::NewCodeWindow(const QString& Path, const QString& Caption) {
  auto* Form = new TCodeFRM;
  configureSyntax(Form->tbCode.get());
  Shell->AttachEditor(Form);
  Form->SetFile(Path, Caption);
  FMdiArea->addSubWindow(Form);
  Form->showMaximized();
  return Form;
}

TCodeFRM* TMainFRM::CodeFormOf(const QString& Path) const {
  for (QMdiSubWindow* Child : FMdiArea->subWindowList())
    if (auto* Code = dynamic_cast<TCodeFRM*>(Child); Code && SameFile(Code->strFile, Path)) return Code;
  return nullptr;
}

TCodeFRM* TMainFRM::ShowSourceFile(const QString& Path, const QString& Caption) {
  TCodeFRM* Code = CodeFormOf(Path);
  if (!Code) return OpenSourceFile(Path, Caption);
  if (FMdiArea->currentSubWindow() != Code) FMdiArea->setActiveSubWindow(Code);
  return Code;
}

TCodeFRM* TMainFRM::OpenSourceFile(const QString& Path, const QString& Caption) {
  TCodeFRM* Form = NewCodeWindow(Path, Caption);
  Form->FillFromFile(Path);
  Shell->NoteOpened(Path, false);
  return Form;
}

void TMainFRM::open1Click() {
  const QString Chosen = TDialogs::Current().OpenFile(this, SourceFilter, QStringLiteral(".yor"),
                                                      Shell->DialogFolder(ProjectsFolder()));
  Shell->NoteDialogFile(Chosen);
  if (!Chosen.isEmpty()) OpenSourceFile(Chosen, Chosen);
}

void TMainFRM::OpenProject1Click() {
  const QString Chosen = TDialogs::Current().OpenFile(this, ProjectFilter, QStringLiteral(".ypr"),
                                                      Shell->DialogFolder(ProjectsFolder()));
  Shell->NoteDialogFile(Chosen);
  if (!Chosen.isEmpty()) OpenProjectFile(Chosen);
}

// A window that stays open (Cancel, or a save that failed) keeps the old project.
void TMainFRM::OpenProjectFile(const QString& FileName) {
  if (!CloseChildren()) return;
  projectFilePath = QFileInfo(FileName).absoluteFilePath();
  const QStringList Entries = ReadProjectFile(projectFilePath);
  curFileList->Clear();
  for (const QString& Entry : Entries)
    curFileList->Add(Entry);
  if (Entries.isEmpty()) {
    ShowError(this, QStringLiteral("An error occured loading the project"));
    return;
  }
  if (!FileExists(ResolvePath(Entries[0]))) {
    ShowError(this, QStringLiteral("Invalid Y project file"));
    return;
  }
  ShowProjectTree();
  OpenSourceFile(ResolvePath(Entries[0]), Entries[0]);
  Shell->NoteOpened(projectFilePath, true);
}

// The nodes are built apart and expanded once: expanding per node makes a large project's
// opening quadratic.
void TMainFRM::ShowProjectTree() {
  ProjectWatch->Follow(projectFilePath);
  tvFiles->clear();
  auto* Root = new QTreeWidgetItem(QStringList{QStringLiteral("Project")});
  QList<QTreeWidgetItem*> Nodes;
  for (int I = curFileList->Count() - 1; I >= 0; --I)
    Nodes << NewTreeNode(curFileList->Strings(I));
  Root->addChildren(Nodes);
  tvFiles->addTopLevelItem(Root);
  tvFiles->expandAll();
}

// New entries go first, so the tree lists the project from its last entry up.
void TMainFRM::AddTreeNode(const QString& Entry) {
  QTreeWidgetItem* Root = tvFiles->topLevelItem(0);
  Root->insertChild(0, NewTreeNode(Entry));
  Root->setExpanded(true);
}

void TMainFRM::tvFilesClick() {
  const QTreeWidgetItem* Node = tvFiles->currentItem();
  if (!Node || !Node->data(0, EntryRole).isValid()) return;
  const QString Entry = Node->data(0, EntryRole).toString();
  const QString Path = ResolvePath(Entry);
  if (!FileExists(Path)) return;
  ShowSourceFile(Path, Entry);
}

void TMainFRM::Save1Click() {
  if (TCodeFRM* Code = ActiveCodeForm()) Code->Save();
}

void TMainFRM::SaveAll1Click() {
  const QList<QMdiSubWindow*> Children = FMdiArea->subWindowList();
  for (auto It = Children.rbegin(); It != Children.rend(); ++It)
    if (auto* Code = dynamic_cast<TCodeFRM*>(*It)) Code->Save();
}

// The text goes to the new file at once; a project file listing the old name is rewritten.
void TMainFRM::SaveAs1Click() {
  TCodeFRM* Code = ActiveCodeForm();
  if (!Code) return;
  const QString OldPath = Code->strFile;
  const QString Chosen =
      TDialogs::Current().SaveFile(this, SourceFilter, QStringLiteral(".yor"),
                                   Shell->DialogFolder(ProjectsFolder()), ExtractFileName(OldPath));
  if (Chosen.isEmpty()) return;
  Shell->NoteDialogFile(Chosen);
  const QString Entry = curFileList->Count() > 0 ? ProjectEntry(Chosen) : Chosen;
  Code->SaveAs(Chosen, Entry);
  Shell->NoteOpened(Chosen, false);
  for (int I = 0; I < curFileList->Count(); ++I) {
    if (ResolvePath(curFileList->Strings(I)) != OldPath) continue;
    curFileList->SetStrings(I, Entry);
    ShowProjectTree();
    WriteProjectFile(projectFilePath, ProjectEntries());
    return;
  }
}
