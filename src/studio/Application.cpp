/** @file Application.cpp
 ** Program-wide settings and the top-level error display. **/
#include "studio/Application.h"

#include <QIcon>

#include "platform/core/Exceptions.h"
#include "studio/Dialogs.h"

const QString ApplicationTitle = QStringLiteral("Yorel Studio Express");

void InitStudioResources() {
  Q_INIT_RESOURCE(resources);
}

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {
  InitStudioResources();
  setApplicationName(ApplicationTitle);
  setApplicationDisplayName(ApplicationTitle);
  setWindowIcon(QIcon(QStringLiteral(":/icons/yorel-studio.svg")));
}

// An error ends the command where it occurred; the program goes on.
bool TApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (const Exception& Error) {
    ShowException(Error.Message());
  } catch (const std::exception& Error) {
    ShowException(QString::fromUtf8(Error.what()));
  }
  return false;
}

void ShowException(const QString& Message) {
  QString Text = Message;
  if (!Text.isEmpty() && Text.back().unicode() > u'.') Text += u'.';
  TDialogs::Current().MessageBox(QApplication::activeWindow(), Text, ApplicationTitle,
                                 TMsgButtons::mbOK, TMsgIcon::Error);
}
