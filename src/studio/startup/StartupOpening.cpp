/** @file StartupOpening.cpp
 ** One path at a time: a project opens at once (it is small); a source is read and decoded
 ** by the thread pool, and its window is made when the text arrives. **/
#include "studio/startup/StartupOpening.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QStatusBar>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <optional>

#include "platform/core/ErrorDisplay.h"
#include "platform/core/TextFile.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/shell/StudioShell.h"

namespace {
struct TStartupOpening : std::enable_shared_from_this<TStartupOpening> {
  QPointer<TMainFRM> Main;
  QStringList Paths;
  std::function<void()> Then;

  void OpenNext() {
    if (!Main) return;
    if (Paths.isEmpty()) {
      Main->statusBar()->clearMessage();
      if (Then) Then();
      return;
    }
    const QString Path = Paths.takeFirst();
    if (QFileInfo(Path).suffix().compare(QStringLiteral("ypr"), Qt::CaseInsensitive) == 0) {
      Open([&] { Main->OpenPaths({Path}); });
      return;
    }
    Main->statusBar()->showMessage(
        QStringLiteral("Reading %1...").arg(QFileInfo(Path).fileName()));
    QThreadPool::globalInstance()->start([Self = shared_from_this(), Path] {
      std::optional<TDecodedText> Decoded;
      try {
        Decoded = DecodeTextFile(ReadFileBytes(Path));
      } catch (...) {
        // Opened again on the user-interface thread, which reports the error.
      }
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [Self, Path, Decoded = std::move(Decoded)]() mutable {
            Self->Show(Path, std::move(Decoded));
          },
          Qt::QueuedConnection);
    });
  }

  // Setting the text colours all of it at once: the note is painted before that begins.
  void Show(const QString& Path, std::optional<TDecodedText> Decoded) {
    if (!Main) return;
    if (!Decoded) {
      Open([&] { Main->OpenPaths({Path}); });
      return;
    }
    Main->statusBar()->showMessage(
        QStringLiteral("Colouring %1...").arg(QFileInfo(Path).fileName()));
    Main->statusBar()->repaint();
    Open([&] {
      TCodeFRM* Form = Main->NewCodeWindow(QFileInfo(Path).absoluteFilePath(), Path);
      Form->FillFromDecoded(QFileInfo(Path).absoluteFilePath(), std::move(*Decoded));
      Main->Shell->NoteOpened(QFileInfo(Path).absoluteFilePath(), false);
    });
  }

  // One path's errors are shown; the next path opens in a later turn of the event loop.
  void Open(const std::function<void()>& Opening) {
    DeliverShowingErrors([&] {
      Opening();
      return true;
    });
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [Self = shared_from_this()] { Self->OpenNext(); });
  }
};
}  // namespace

void OpenPathsAfterStart(TMainFRM& Main, const QStringList& Paths, std::function<void()> Then) {
  auto Opening = std::make_shared<TStartupOpening>();
  Opening->Main = &Main;
  Opening->Paths = Paths;
  Opening->Then = std::move(Then);
  QTimer::singleShot(0, QCoreApplication::instance(), [Opening] { Opening->OpenNext(); });
}
