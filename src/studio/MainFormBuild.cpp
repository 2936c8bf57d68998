/** @file MainFormBuild.cpp
 ** Build and Build & Run: save every window, then start the compiler on the main file in
 ** the project's folder without waiting for it. **/
#include <QFileInfo>
#include <QProcess>

#include "platform/core/Paths.h"
#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"

namespace {
// A bare name is looked up on the search path; anything with a folder is taken from the
// working directory, not from the project's folder the compiler starts in.
QString CompilerProgram(const QString& Location) {
  const QString Path = NativePath(Location);
  if (Path.isEmpty() || !Path.contains(u'/')) return Path;
  return QFileInfo(Path).absoluteFilePath();
}
}  // namespace

void TMainFRM::toolBuBuildClick() {
  StartCompiler(false);
}

void TMainFRM::toolBuRunClick() {
  StartCompiler(true);
}

void TMainFRM::StartCompiler(bool Run) {
  SaveAll1Click();
  if (curFileList->Count() == 0) return;
  const QString MainEntry = curFileList->Strings(0);
  if (!FileExists(ResolvePath(MainEntry))) return;
  QStringList Arguments{MainEntry};
  if (Run) Arguments << QStringLiteral("-run");
  QProcess Compiler;
  Compiler.setProgram(CompilerProgram(compilerLoc));
  Compiler.setArguments(Arguments);
  Compiler.setWorkingDirectory(ExtractFilePath(projectFilePath));
  if (!Compiler.startDetached())
    TDialogs::Current().MessageBox(this,
                                   QStringLiteral("Cannot start the compiler \"%1\". %2")
                                       .arg(compilerLoc, Compiler.errorString()),
                                   ApplicationTitle, TMsgButtons::mbOK, TMsgIcon::Error);
}
