/** @file MainFormNew.cpp
 ** The New command: a new project from a template beside the program, or a new empty
 ** source file that joins the open project. **/
#include <QFileInfo>
#include <QMdiArea>

#include "platform/core/Paths.h"
#include "studio/Application.h"
#include "studio/CodeForm.h"
#include "studio/DataFolder.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/NewForm.h"
#include "studio/ProjectFile.h"
#include "studio/files/NewFileFormat.h"
#include "studio/settings/UserSettings.h"

namespace {
// The project file's extension, whatever its length, replaced by "yor".
QString MainSourceOf(const QString& ProjectFile) {
  const QFileInfo Info(ProjectFile);
  if (Info.suffix().isEmpty()) return ProjectFile + QStringLiteral(".yor");
  return ProjectFile.left(ProjectFile.size() - Info.suffix().size()) + QStringLiteral("yor");
}
}  // namespace

void TMainFRM::New1Click() {
  TNewFRM Dialog(this);
  if (TDialogs::Current().ShowModal(Dialog) != TModalResult::mrOk) return;
  switch (Dialog.ptType) {
    case ptApplication:
      NewProject(QStringLiteral("application.ytf"));
      break;
    case ptDLLProject:
      NewProject(QStringLiteral("dllproject.ytf"));
      break;
    case ptEmptyFile:
      NewEmptyFile();
      break;
    case ptNone:
      break;
  }
}

// A main file that exists already is replaced only when the user agrees.
void TMainFRM::NewProject(const QString& TemplateName) {
  const QString Chosen = TDialogs::Current().SaveFile(this, ProjectFilter, QStringLiteral(".ypr"),
                                                      ProjectsFolder(), QString());
  if (Chosen.isEmpty() || !CloseChildren()) return;
  curFileList->Clear();
  projectFilePath = QFileInfo(Chosen).absoluteFilePath();
  const QString MainPath = MainSourceOf(projectFilePath);
  const QString MainEntry = ProjectEntry(MainPath);
  curFileList->Add(MainEntry);
  ShowProjectTree();
  const bool Replace =
      !FileExists(MainPath) ||
      TDialogs::Current().MessageBox(
          this, QStringLiteral("%1 already exists. Replace it?").arg(ExtractFileName(MainPath)),
          ApplicationTitle, TMsgButtons::mbYesNo, TMsgIcon::Question) == TModalResult::mrYes;
  if (Replace) {
    TCodeFRM* Code = NewCodeWindow(MainPath, MainEntry);
    const QString Template = StudioDataDir() + QStringLiteral("templates/") + TemplateName;
    if (FileExists(Template))
      Code->FillFromFile(Template);
    else
      Code->FillText(QStringLiteral("//Error loading template file"));
    // The template's line breaks are kept; its encoding is not the user's choice.
    Code->SetFileFormat(NewFileFormat(*UserSettings(), Code->FileFormat().LineBreaks));
    Code->Save();
  } else {
    OpenSourceFile(MainPath, MainEntry);
  }
  WriteProjectFile(projectFilePath, ProjectEntries());
}

void TMainFRM::NewEmptyFile() {
  const QString Folder = curFileList->Count() > 0
                             ? ExtractFilePath(ResolvePath(curFileList->Strings(0)))
                             : ProjectsFolder();
  const QString Chosen =
      TDialogs::Current().SaveFile(this, SourceFilter, QStringLiteral(".yor"), Folder, QString());
  if (Chosen.isEmpty()) return;
  const bool JoinsProject = curFileList->Count() > 0;
  const QString Name = JoinsProject ? ProjectEntry(Chosen) : Chosen;
  if (JoinsProject) {
    curFileList->Add(Name);
    TDialogs::Current().MessageBox(this, Name, ApplicationTitle, TMsgButtons::mbOK, TMsgIcon::None);
  }
  TCodeFRM* Code = NewCodeWindow(Chosen, Name);
  Code->FillText(QStringLiteral("//TODO - Code"));
  Code->SetFileFormat(NewFileFormat(*UserSettings()));
  Code->Save();
  if (!JoinsProject) return;
  WriteProjectFile(projectFilePath, ProjectEntries());
  AddTreeNode(Name);
}
