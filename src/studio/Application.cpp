/** @file Application.cpp
 ** Program-wide settings and the top-level error display. **/
#include "studio/Application.h"

#include "studio/Dialogs.h"
#include "studio/Icons.h"

const QString ApplicationTitle = QStringLiteral("Yorel Studio Express");

namespace {
// In place before anything runs, so that errors caught at any edge are shown the same way
// whatever the application object is (the studio's, a test's, a tool's).
[[maybe_unused]] const bool ErrorDisplayInstalled = (SetErrorDisplay(&ShowException), true);
}  // namespace

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {
  // Only the name: a display name would be appended to every window's caption.
  setApplicationName(ApplicationTitle);
  setWindowIcon(ApplicationIcon());
}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
  return DeliverShowingErrors([&] { return QApplication::notify(Receiver, Event); });
}

void ShowException(const QString& Message) {
  QString Text = Message;
  if (!Text.isEmpty() && Text.back().unicode() > u'.') Text += u'.';
  TDialogs::Current().MessageBox(QApplication::activeWindow(), Text, ApplicationTitle,
                                 TMsgButtons::mbOK, TMsgIcon::Error);
}
