/** @file main.cpp
 ** yorel-screenshot OUT.png [--new] [FILE...]: builds the studio's main window as the
 ** program does, opens the given projects and sources (several windows are tiled), lets
 ** it settle, and saves what it shows; with --new it saves the New dialog instead. Runs
 ** under any platform, offscreen included. **/
#include <QListWidget>
#include <QTimer>
#include <cstdio>

#include "studio/Application.h"
#include "studio/MainForm.h"
#include "studio/NewForm.h"

int main(int Argc, char** Argv) {
  TApplication Application(Argc, Argv);
  QStringList Arguments = Application.arguments().mid(1);
  if (Arguments.isEmpty()) {
    std::fprintf(stderr, "usage: yorel-screenshot OUT.png [--new] [FILE...]\n");
    return 2;
  }
  const QString Out = Arguments.takeFirst();
  const bool ShowNew = Arguments.removeAll(QStringLiteral("--new")) > 0;
  TMainFRM MainForm;
  MainForm.show();
  MainForm.OpenPaths(Arguments);
  // Arguments name the project first, then the sources to show beside its main file.
  if (Arguments.size() > 1) MainForm.ile1Click();
  TNewFRM NewForm(&MainForm);
  if (ShowNew) {
    NewForm.show();
    NewForm.lvNew->setCurrentRow(0);
  }
  int Status = 0;
  QTimer::singleShot(300, [&] {
    QWidget& Shown = ShowNew ? static_cast<QWidget&>(NewForm) : MainForm;
    if (!Shown.grab().save(Out)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(Out));
      Status = 1;
    }
    Application.exit(Status);
  });
  return Application.exec();
}
