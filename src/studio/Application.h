/** @file Application.h
 ** The application object: its title, and the top-level handler that shows an error no
 ** command handled and lets the program go on. **/
#pragma once

#include <QApplication>
#include <functional>

extern const QString ApplicationTitle;

class TApplication : public QApplication {
 public:
  TApplication(int& Argc, char** Argv);
  bool notify(QObject* Receiver, QEvent* Event) override;
};

/** Runs Deliver; an error escaping it is shown and the answer is false. */
bool DeliverShowingErrors(const std::function<bool()>& Deliver);

/** Shows an uncaught error's message: owned by the active window, the application title
    as caption, the stop icon, OK; a period is added after a last character above ".". */
void ShowException(const QString& Message);
