/** @file MainForm.h
 ** The main window: menus, two tool bars, the project tree, a status bar and the area in
 ** which editor windows live. It owns the open project's state. **/
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "platform/core/StringList.h"

class QAction;
class QFrame;
class QMdiArea;
class QMenu;
class QMenuBar;
class QSplitter;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class TCodeFRM;
class TBuildOutput;
class TProjectWatch;
class TLanguageService;
class TResultList;
class TSearchCommands;
class TSourceEdit;
class TStudioShell;

class TMainFRM : public QMainWindow {
 public:
  explicit TMainFRM(QWidget* Parent = nullptr);
  ~TMainFRM() override;

  QMdiArea* MdiArea() const { return FMdiArea; }
  /** The editor window in front, or nullptr. */
  TCodeFRM* ActiveCodeForm() const;
  /** Opens each path as Open Project (".ypr") or Open (anything else) would. */
  void OpenPaths(const QStringList& Paths);
  void OpenProjectFile(const QString& FileName);
  /** A new editor window bound to Path, shown before its file is read. */
  TCodeFRM* OpenSourceFile(const QString& Path, const QString& Caption);
  /** A new, empty editor window bound to Path, shown maximised. */
  TCodeFRM* NewCodeWindow(const QString& Path, const QString& Caption);
  /** The editor window holding the file Path, or nullptr. */
  TCodeFRM* CodeFormOf(const QString& Path) const;
  /** Path's window brought forward, or the file opened in a new one when no window holds it. */
  TCodeFRM* ShowSourceFile(const QString& Path, const QString& Caption);
  /** An entry of the project as a path: relative entries lie in the project's folder. */
  QString ResolvePath(const QString& Entry) const;
  /** FileName as the project stores it: relative to the project's folder where it can be. */
  QString ProjectEntry(const QString& FileName) const;
  /** Hook for the editor's language; every editor window's editor passes through it. */
  void configureSyntax(TSourceEdit*) {}

  // File
  void New1Click();
  void open1Click();
  void OpenProject1Click();
  void Save1Click();
  void SaveAs1Click();
  void SaveAll1Click();
  void Close1Click();
  void CloseAll1Click();
  void Exit1Click();
  // Edit
  void Undo1Click();
  void Redo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Delete1Click();
  void SelectAll1Click();
  void tvFilesClick();
  // Project and tool bars
  void Run1Click() { toolBuBuildClick(); }
  void BuildandRun1Click() { toolBuRunClick(); }
  void ToolButton3Click() { New1Click(); }
  void ToolButton4Click() { OpenProject1Click(); }
  void toolBuRunClick();
  void toolBuBuildClick();
  // Window
  void Cascade1Click();
  void ile1Click();
  // Search: F4 / Shift+F4 walk the result list used last
  void NextResult1Click();
  void PreviousResult1Click();
  /** Panels call this whenever the user acts on them; List must be a QObject. */
  void SetLastResultList(TResultList* List);
  TResultList* LastResultList() const;
  // Tools
  void Options1Click() { ShowOptions(QString()); }
  /** Tools > Options, at the page of that title when there is one. */
  void ShowOptions(const QString& PageTitle);

  QMenuBar* MainMenu1;
  QMenu* File1;
  QMenu* Edit1;
  QMenu* Search1;
  QMenu* View1;
  QMenu* Project1;
  QMenu* ools1;
  QMenu* Window1;
  QMenu* Help1;
  QAction *New1, *open1, *OpenProject1, *N1, *Save1, *SaveAs1, *SaveAll1, *Close1, *CloseAll1, *N2,
      *Exit1;
  QAction *Undo1, *Redo1, *N3, *Cut1, *Copy1, *Paste1, *DElete1, *SelectAll1;
  QAction *Run1, *BuildandRun1, *Cascade1, *ile1;
  QAction *NextResult1, *PreviousResult1, *Options1;
  QStatusBar* StatusBar1;
  QFrame* panFiles;
  QSplitter* Splitter1;
  QTreeWidget* tvFiles;
  QFrame* CoolBar1;
  QToolBar* ToolBar1;
  QAction* toolBuRun;
  QAction* toolBuBuild;
  QToolBar* ToolBar2;
  QAction* ToolButton3;
  QAction* ToolButton4;
  /** The five menu and tool-bar images: run, build, new project, open, new file. */
  std::vector<QIcon> ilMenu;

  // Build output: the output panel's dock (View > Output), Stop, errors and their marks.
  TBuildOutput* BuildOutput() const { return FBuildOutput; }

  std::unique_ptr<TStringList> curFileList;
  /** curFileList's entries, in order. */
  QStringList ProjectEntries() const;
  QString compilerLoc;
  QString projectFilePath;
  std::vector<std::unique_ptr<TStringList>> wordLists;

  // Desktop shell (src/studio/shell): shortcuts, command states, View/Window/Help menus,
  // File > Reopen, remembered session, the user's editor settings and theme.
  std::unique_ptr<TStudioShell> Shell;
  // Recovery: offers to reload the project when its file changes on disk (a child).
  TProjectWatch* ProjectWatch = nullptr;
  // Search: find and replace, find in files, go to line, matching parenthesis
  TSearchCommands* SearchCommands = nullptr;
  // Language: reference, outline, problems, go to definition, completion.
  TLanguageService* Language() const { return FLanguage.get(); }

 protected:
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

 private:
  void FormCreate();
  void FormShow();
  /** False when the window must stay open. */
  bool FormClose();
  void FormDestroy();
  bool CloseChildren();
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateClientArea();
  void CreateBuildOutput();
  void ShowProjectTree();
  void AddTreeNode(const QString& Entry);
  void StartCompiler(bool Run);
  /** Saves the editor windows with unsaved changes; a failed save raises its error. */
  void SaveChangedWindows();
  void NewProject(const QString& TemplateName);
  void NewEmptyFile();
  QAction* Item(QMenu* Menu, const QString& Caption, void (TMainFRM::*Handler)(), int Image = -1);

  QMdiArea* FMdiArea;
  bool FCentred = false;
  QPointer<QObject> FLastResultList;
  TBuildOutput* FBuildOutput = nullptr;  // owned as a child object

  // Declared last so that it goes first, while the windows it follows still live.
  std::unique_ptr<TLanguageService> FLanguage;
};
