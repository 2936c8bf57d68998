/** @file ErrorDisplay.cpp
 ** Catching at the edge, and showing one error at a time. **/
#include "platform/core/ErrorDisplay.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QtDebug>
#include <utility>

#include "platform/core/Exceptions.h"

namespace {
TErrorDisplay& Installed() {
  static TErrorDisplay Display;
  return Display;
}

// An error raised while another one is being shown (a timer or a repaint under the dialog)
// goes to the log: dialogs stacked on dialogs would never let the user out.
void Show(const QString& Message) {
  static bool Showing = false;
  if (Showing || !Installed()) {
    qCritical("%s", qUtf8Printable(Message));
    return;
  }
  const QScopedValueRollback Guard(Showing, true);
  try {
    Installed()(Message);
  } catch (...) {
    qCritical("%s", qUtf8Printable(Message));
  }
}

template <class Report>
bool Deliver(const std::function<bool()>& Action, const Report& ReportError) {
  try {
    return Action();
  } catch (const EAbort&) {
    // The user stopped the command; there is nothing to report.
  } catch (const Exception& Error) {
    ReportError(Error.Message());
  } catch (const std::exception& Error) {
    ReportError(QString::fromUtf8(Error.what()));
  } catch (...) {
    ReportError(QStringLiteral("Unexpected error"));
  }
  return false;
}
}  // namespace

TErrorDisplay SetErrorDisplay(TErrorDisplay Display) {
  return std::exchange(Installed(), std::move(Display));
}

bool DeliverShowingErrors(const std::function<bool()>& Action) {
  return Deliver(Action, Show);
}

bool DeliverShowingErrorsLater(const std::function<bool()>& Action) {
  return Deliver(Action, [](const QString& Message) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [Message] { Show(Message); }, Qt::QueuedConnection);
  });
}
