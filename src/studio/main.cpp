/** @file main.cpp
 ** Program entry: the application object, the main window with the projects and sources
 ** named on the command line, the texts an earlier run left unsaved, the message loop. **/
#include "studio/Application.h"
#include "studio/MainForm.h"
#include "studio/shell/StudioShell.h"
#include "studio/recovery/RecoveryOffer.h"
#include "studio/recovery/ScriptedTyping.h"

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
  DeliverShowingErrors([&] {
    OfferRecovery(MainForm);
    return true;
  });
  TypeFromEnvironment(MainForm);
  return Application.exec();
}
