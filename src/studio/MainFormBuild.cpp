/** @file MainFormBuild.cpp
 ** Build and Build & Run: save the windows with unsaved changes, then run the compiler on
 ** the main file in the project's folder, its output in the output panel. **/
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/core/Paths.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/build/BuildOutput.h"
#include "studio/build/CompilerCommand.h"
#include "studio/settings/UserSettings.h"

void TMainFRM::CreateBuildOutput() {
  FBuildOutput = new TBuildOutput(this);
}

void TMainFRM::toolBuBuildClick() {
  StartCompiler(false);
}

void TMainFRM::toolBuRunClick() {
  StartCompiler(true);
}

// A file the user did not change is not rewritten: its bytes stay exactly as they are.
void TMainFRM::SaveChangedWindows() {
  const QList<QMdiSubWindow*> Children = FMdiArea->subWindowList();
  for (auto It = Children.rbegin(); It != Children.rend(); ++It)
    if (auto* Code = dynamic_cast<TCodeFRM*>(*It); Code && Code->bFileChanged) Code->Save();
}

void TMainFRM::StartCompiler(bool Run) {
  SaveChangedWindows();
  if (curFileList->Count() == 0) {
    FBuildOutput->Note(QStringLiteral("Nothing to build: no project is open."), TOutputKind::Info);
    return;
  }
  const QString MainEntry = curFileList->Strings(0);
  if (const QString MainFile = ResolvePath(MainEntry); !FileExists(MainFile)) {
    FBuildOutput->Note(
        QStringLiteral("Nothing to build: the main file \"%1\" does not exist.").arg(MainFile),
        TOutputKind::Failure);
    return;
  }
  const QString Arguments = UserSettings()->value(SettingsKey::CompilerArguments).toString();
  FBuildOutput->Start(MakeCompilerCommand(CompilerLocation(compilerLoc), Arguments, MainEntry,
                                          ExtractFilePath(projectFilePath), Run),
                      Run);
}
