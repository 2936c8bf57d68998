/** @file main.cpp
 ** Program entry: the application object, the main window with the projects and sources
 ** named on the command line, the message loop. **/
#include "studio/Application.h"
#include "studio/MainForm.h"
#include "studio/shell/StudioShell.h"

int main(int Argc, char** Argv) {
  TApplication Application(Argc, Argv);
  TMainFRM MainForm;
  MainForm.show();
  const QStringList Paths = Application.arguments().mid(1);
  DeliverShowingErrors([&] {
    if (Paths.isEmpty())
      MainForm.Shell->RestoreSession();
    else
      MainForm.OpenPaths(Paths);
    return true;
  });
  return Application.exec();
}
