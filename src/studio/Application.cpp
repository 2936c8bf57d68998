/** @file Application.cpp
 ** Program-wide settings and the top-level error display. **/
#include "studio/Application.h"

#include "platform/core/Exceptions.h"
#include "studio/Dialogs.h"
#include "studio/Icons.h"

const QString ApplicationTitle = QStringLiteral("Yorel Studio Express");

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {
  // Only the name: a display name would be appended to every window's caption.
  setApplicationName(ApplicationTitle);
  setWindowIcon(ApplicationIcon());
}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
  return DeliverShowingErrors([&] { return QApplication::notify(Receiver, Event); });
}

// An error ends the command where it occurred; the program goes on.
bool DeliverShowingErrors(const std::function<bool()>& Deliver) {
  try {
    return Deliver();
  } catch (const EAbort&) {
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
