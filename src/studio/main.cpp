/** @file main.cpp
 ** Program entry: the application object, the main window, then, once the message loop
 ** runs, the projects and sources named on the command line and the texts an earlier run
 ** left unsaved. **/
#include "studio/Application.h"
#include "studio/MainForm.h"
#include "studio/recovery/RecoveryOffer.h"
#include "studio/recovery/ScriptedTyping.h"
#include "studio/shell/StudioShell.h"
#include "studio/startup/StartupOpening.h"

int main(int Argc, char** Argv) {
  TApplication Application(Argc, Argv);
  TMainFRM MainForm;
  MainForm.show();
  const auto AfterOpening = [&MainForm] {
    DeliverShowingErrors([&] {
      OfferRecovery(MainForm);
      return true;
    });
    TypeFromEnvironment(MainForm);
  };
  const QStringList Paths = Application.arguments().mid(1);
  if (Paths.isEmpty()) {
    DeliverShowingErrors([&] {
      MainForm.Shell->RestoreSession();
      return true;
    });
    AfterOpening();
  } else {
    OpenPathsAfterStart(MainForm, Paths, AfterOpening);
  }
  return Application.exec();
}
