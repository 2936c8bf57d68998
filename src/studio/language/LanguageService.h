/** @file LanguageService.h
 ** The language capability of the main window: the project's declarations index (open
 ** files from their editors, the others read from disk in the background and again when
 ** they change), the Reference, Outline and Problems panels, and the commands Go to
 ** Definition (F12), Go to Symbol (Ctrl+T), Reference (F1) and Complete Word (Ctrl+Space). **/
#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include "language/ProjectIndex.h"

class QAction;
class QDockWidget;
class TCodeFRM;
class TEditorLanguage;
class TMainFRM;
class TOutlinePanel;
class TProblemsPanel;
class TReferencePanel;
class TSourceEdit;
class TSymbolChooser;

class TLanguageService : public QObject {
 public:
  explicit TLanguageService(TMainFRM* MainForm);
  ~TLanguageService() override;

  const TProjectIndex& Index() const { return FIndex; }
  /** The language of an editor window; windows get one when they join the main window. */
  static TEditorLanguage* LanguageOf(const TCodeFRM* Form);
  TEditorLanguage* Active() const;
  /** Every word of the editor's word lists, for completion. */
  QStringList DefinitionWords(const TSourceEdit* Editor);

  /** Opens File (or brings its window forward) at Line and Column. */
  void GoTo(const QString& File, int Line, int Column);
  void GoToDefinition(const QString& Name);
  void GoToDefinitionAtCaret();
  void GoToSymbol();
  void ShowReferenceAtCaret();
  void CompleteAtCaret();
  /** Reads the project's files that no window holds; called when the project changes. */
  void ReindexProject();

  // Called by the editors' languages.
  void EditorSettled(TEditorLanguage* Language);
  void EditorGone(TEditorLanguage* Language);
  void ProblemsChanged();
  void CaretMoved(TEditorLanguage* Language);

  TReferencePanel* ReferencePanel() const { return FReference; }
  TOutlinePanel* OutlinePanel() const { return FOutline; }
  TProblemsPanel* ProblemsPanel() const { return FProblems; }
  QDockWidget *ReferenceDock, *OutlineDock, *ProblemsDock;
  QAction *GoToDefinition1, *GoToSymbol1, *Reference1, *CompleteWord1;
  /** The chooser open now, if any. */
  TSymbolChooser* Chooser() const;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void CreateDocks();
  void CreateActions();
  void Attach(TCodeFRM* Form);
  void ShowOutline();
  void ReadInBackground(const QString& File);
  void FileRead(const QString& File, int Generation, std::vector<TDeclaration> Declarations);
  bool IsOpen(const QString& File) const;
  void RecheckAll();
  void Choose(const QString& Title, std::function<std::vector<TLocatedDeclaration>(const QString&)> Source);
  QStringList ProjectFiles() const;

  TMainFRM* FMainForm;
  TProjectIndex FIndex;
  TReferencePanel* FReference;
  TOutlinePanel* FOutline;
  TProblemsPanel* FProblems;
  QPointer<TSymbolChooser> FChooser;
  QPointer<TCodeFRM> FOutlined;
  QFileSystemWatcher FWatcher;
  QHash<QString, int> FReadGeneration;
  QHash<const TSourceEdit*, QStringList> FDefinitionWords;
  QTimer FProblemsTimer;
  QTimer FReindexTimer;
  QTimer FRecheckTimer;
  QThreadPool FReaders;  ///< last member: waited for before the rest goes
};

/** The path as the index keys it. */
QString IndexPath(const QString& Path);
