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
#include "studio/recovery/ProjectWatch.h"

namespace {
constexpr int EntryRole = Qt::UserRole;

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
  Form->SetFile(Path, Caption);
  FMdiArea->addSubWindow(Form);
  Form->showMaximized();
  return Form;
}

TCodeFRM* TMainFRM::OpenSourceFile(const QString& Path, const QString& Caption) {
  TCodeFRM* Form = NewCodeWindow(Path, Caption);
  Form->FillFromFile(Path);
  return Form;
}

void TMainFRM::open1Click() {
  const QString Chosen =
      TDialogs::Current().OpenFile(this, SourceFilter, QStringLiteral(".yor"), ProjectsFolder());
  if (!Chosen.isEmpty()) OpenSourceFile(Chosen, Chosen);
}

void TMainFRM::OpenProject1Click() {
  const QString Chosen =
      TDialogs::Current().OpenFile(this, ProjectFilter, QStringLiteral(".ypr"), ProjectsFolder());
  if (!Chosen.isEmpty()) OpenProjectFile(Chosen);
}

void TMainFRM::OpenProjectFile(const QString& FileName) {
  CloseAll1Click();
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
}

void TMainFRM::ShowProjectTree() {
  ProjectWatch->Follow(projectFilePath);
  tvFiles->clear();
  tvFiles->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Project")}));
  for (int I = 0; I < curFileList->Count(); ++I)
    AddTreeNode(curFileList->Strings(I));
}

// New entries go first, so the tree lists the project from its last entry up.
void TMainFRM::AddTreeNode(const QString& Entry) {
  auto* Node = new QTreeWidgetItem(QStringList{ExtractFileName(Entry)});
  Node->setData(0, EntryRole, Entry);
  tvFiles->topLevelItem(0)->insertChild(0, Node);
  tvFiles->expandAll();
}

void TMainFRM::tvFilesClick() {
  const QTreeWidgetItem* Node = tvFiles->currentItem();
  if (!Node || !Node->data(0, EntryRole).isValid()) return;
  const QString Entry = Node->data(0, EntryRole).toString();
  const QString Path = ResolvePath(Entry);
  if (!FileExists(Path)) return;
  const QList<QMdiSubWindow*> Children = FMdiArea->subWindowList();
  for (auto It = Children.rbegin(); It != Children.rend(); ++It) {
    const auto* Code = dynamic_cast<TCodeFRM*>(*It);
    if (Code && Code->strFile == Path) {
      if (FMdiArea->currentSubWindow() != *It) FMdiArea->setActiveSubWindow(*It);
      return;
    }
  }
  OpenSourceFile(Path, Entry);
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
  const QString Chosen = TDialogs::Current().SaveFile(this, SourceFilter, QStringLiteral(".yor"),
                                                      ProjectsFolder(), ExtractFileName(OldPath));
  if (Chosen.isEmpty()) return;
  const QString Entry = curFileList->Count() > 0 ? ProjectEntry(Chosen) : Chosen;
  Code->SaveAs(Chosen, Entry);
  for (int I = 0; I < curFileList->Count(); ++I) {
    if (ResolvePath(curFileList->Strings(I)) != OldPath) continue;
    curFileList->SetStrings(I, Entry);
    ShowProjectTree();
    WriteProjectFile(projectFilePath, ProjectEntries());
    return;
  }
}
