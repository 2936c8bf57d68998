/** @file ShellSession.cpp
 ** Where the user left off: captured when the studio closes, restored at the next start. **/
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "studio/Application.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/shell/StudioShell.h"

TSession TStudioShell::CaptureSession() const {
  TSession Session;
  Session.ProjectPath = FForm.curFileList->Count() > 0 ? FForm.projectFilePath : QString();
  Session.Tabbed = FForm.MdiArea()->viewMode() == QMdiArea::TabbedView;
  Session.Geometry = FForm.saveGeometry();
  Session.State = FForm.saveState();
  const QMdiSubWindow* Active = FForm.MdiArea()->currentSubWindow();
  for (TCodeFRM* Code : CodeForms()) {
    if (Code->strFile.isEmpty()) continue;
    const TSourceEdit& Editor = *Code->tbCode;
    Session.Windows.push_back({Code->strFile, Code->windowTitle(), Editor.SelStart(),
                               Editor.SelLength(), Editor.Selection()->Backwards(),
                               Editor.VisibleRange()->FTopRow, Code == Active});
  }
  return Session;
}

void TStudioShell::StoreSession(const TSession& Session) {
  Session.Store(*UserSettings());
}

void TStudioShell::RestoreSession() {
  const TSession Session = TSession::Load(*UserSettings());
  if (!Session.Geometry.isEmpty()) FForm.restoreGeometry(Session.Geometry);
  if (!Session.State.isEmpty()) FForm.restoreState(Session.State);
  SetTabbed(Session.Tabbed);
  QStringList Missing;
  if (!Session.ProjectPath.isEmpty()) {
    if (QFileInfo::exists(Session.ProjectPath))
      DeliverShowingErrors([&] {
        FForm.OpenProjectFile(Session.ProjectPath);
        return true;
      });
    else
      Missing << QFileInfo(Session.ProjectPath).fileName();
  }
  TCodeFRM* Active = nullptr;
  for (const TSessionWindow& W : Session.Windows) {
    if (!QFileInfo::exists(W.Path)) {
      Missing << QFileInfo(W.Path).fileName();
      continue;
    }
    TCodeFRM* Code = FForm.CodeFormOf(W.Path);
    if (!Code &&
        !DeliverShowingErrors([&] {
          Code = FForm.OpenSourceFile(W.Path, W.Caption);
          return true;
        }))
      continue;
    TSourceEdit& Editor = *Code->tbCode;
    Editor.SetSelStart(std::min(W.SelStart, Editor.TextLength()));
    Editor.SetSelLength(std::min(W.SelLength, Editor.TextLength() - Editor.SelStart()));
    Editor.Selection()->SetBackwards(W.CaretAtStart);
    Editor.VisibleRange()->SetStartRowCol(TTextCell{W.TopRow, 1});
    if (W.Active) Active = Code;
  }
  if (Active) FForm.MdiArea()->setActiveSubWindow(Active);
  if (!Missing.isEmpty())
    FForm.statusBar()->showMessage(
        QStringLiteral("Not reopened, no longer there: %1").arg(Missing.join(QStringLiteral(", "))));
}
