/** @file main.cpp
 ** Program entry: the application object, the main window, the message loop. **/
#include "studio/Application.h"
#include "studio/MainForm.h"

int main(int Argc, char** Argv) {
  TApplication Application(Argc, Argv);
  TMainFRM MainForm;
  MainForm.show();
  return Application.exec();
}
