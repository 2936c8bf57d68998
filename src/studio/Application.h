/** @file Application.h
 ** The application object: its title, and the display of an error no command handled,
 ** after which the program goes on. **/
#pragma once

#include <QApplication>

#include "platform/core/ErrorDisplay.h"

extern const QString ApplicationTitle;

class TApplication : public QApplication {
 public:
  TApplication(int& Argc, char** Argv);
  bool notify(QObject* Receiver, QEvent* Event) override;
};

/** Shows an uncaught error's message: owned by the active window, the application title
    as caption, the stop icon, OK; a period is added after a last character above ".". */
void ShowException(const QString& Message);
