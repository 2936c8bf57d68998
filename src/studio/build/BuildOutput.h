/** @file BuildOutput.h
 ** The main window's side of building: the output panel in a dock at the bottom (toggled in
 ** the View menu), Stop, the compiler process, going to an error's place, and the marks of
 ** the last build's errors and warnings in the editor windows' gutters. **/
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

#include "studio/build/BuildProcess.h"
#include "studio/build/OutputPanel.h"

class QAction;
class QDockWidget;
class QMdiSubWindow;
class TCodeFRM;
class TMainFRM;

class TBuildOutput : public QObject {
 public:
  /** The owner of the marks a build puts in the gutters. */
  static const QString MarkOwner;

  explicit TBuildOutput(TMainFRM* Form);
  ~TBuildOutput() override;

  TOutputPanel* Panel() const { return FPanel; }
  QDockWidget* Dock() const { return FDock; }
  TBuildProcess* Process() const { return FProcess; }
  bool Running() const { return FProcess->Running(); }

  /** Starts Command in the panel. While a build runs, asks once whether to stop it; on
      Yes the new one starts when the old one has ended. */
  void Start(const TCompilerCommand& Command, bool Run);
  void Stop();
  /** Shows the panel with one line of the studio's own. */
  void Note(const QString& Text, TOutputKind Kind);
  /** Opens Path in an editor window, or brings its window forward, with the caret at Row
      and Column, scrolled into view. */
  TCodeFRM* ShowSourceAt(const QString& Path, int Row, int Column);

 private:
  struct TMarkRef {
    QPointer<TCodeFRM> Window;
    int Id = 0;
  };
  void Launch(const TCompilerCommand& Command, bool Run);
  void Finished(const TBuildEnd& End);
  void SendPreset();
  void ShowPanel();
  void RefreshPresets();
  /** Marks the window's rows for the messages of its file, once per build. */
  void MarkWindow(QMdiSubWindow* Window);
  void MarkMessage(int Index, TCodeFRM* Code);
  void ShowMessage(int Index);

  TMainFRM* FForm;
  QDockWidget* FDock;
  TOutputPanel* FPanel;
  TBuildProcess* FProcess;
  QAction* FStop;
  TCompilerCommand FCommand;
  std::optional<std::pair<TCompilerCommand, bool>> FPending;
  std::vector<TMarkRef> FMarks;  ///< per message
  int FBuild = 0;                ///< serial number of the build whose marks are shown
  QString FPresetsProject;  ///< the project whose presets the panel shows; a new panel shows none
};
