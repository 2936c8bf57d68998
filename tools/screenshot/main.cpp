/** @file main.cpp
 ** yorel-screenshot OUT.png: builds the studio's main window as the program does, lets it
 ** settle, and saves what it shows. Runs under any platform, offscreen included. **/
#include <QTimer>
#include <cstdio>

#include "studio/Application.h"
#include "studio/MainForm.h"

int main(int Argc, char** Argv) {
  TApplication Application(Argc, Argv);
  if (Argc < 2) {
    std::fprintf(stderr, "usage: yorel-screenshot OUT.png\n");
    return 2;
  }
  const QString Out = QString::fromLocal8Bit(Argv[1]);
  TMainFRM MainForm;
  MainForm.show();
  int Status = 0;
  QTimer::singleShot(300, [&] {
    if (!MainForm.grab().save(Out)) {
      std::fprintf(stderr, "cannot write %s\n", Argv[1]);
      Status = 1;
    }
    Application.exit(Status);
  });
  return Application.exec();
}
