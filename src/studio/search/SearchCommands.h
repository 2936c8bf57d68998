/** @file SearchCommands.h
 ** The Search menu's commands (find, replace, find next and previous, find in files, go
 ** to line, matching parenthesis) and the Search Results panel at the bottom of the main
 ** window, with its toggle in the View menu. **/
#pragma once

#include <QObject>

#include "studio/search/FileSearch.h"

class QAction;
class QDockWidget;
class TCodeFRM;
class TFindBar;
class TGoToLineBar;
class TMainFRM;
class TSearchResultsPanel;

class TSearchCommands : public QObject {
  Q_OBJECT

 public:
  explicit TSearchCommands(TMainFRM& Main);

  void Find1Click() { OpenFindBar(false); }
  void Replace1Click() { OpenFindBar(true); }
  void FindNext1Click() { FindAgain(true); }
  void FindPrevious1Click() { FindAgain(false); }
  void FindinFiles1Click();
  void GotoLine1Click();
  void MatchingParenthesis1Click();

  /** Searches the files Request names and shows the results panel. */
  void StartFindInFiles(TFindInFilesRequest Request);
  /** Opens Path (or brings its window to the front) and selects the match there. */
  void OpenResult(const QString& Path, int Row, int Col, int Length);

  /** The find bar of Form, made on first use. */
  TFindBar& FindBar(TCodeFRM& Form);
  TGoToLineBar& GoToLineBar(TCodeFRM& Form);
  TSearchResultsPanel* ResultsPanel() const { return FResults; }
  QDockWidget* ResultsDock() const { return FDock; }

  QAction *Find1, *Replace1, *FindNext1, *FindPrevious1, *FindinFiles1, *GotoLine1,
      *MatchingParenthesis1, *SearchResults1;

 private:
  void OpenFindBar(bool Replace);
  void FindAgain(bool Forward);
  void CreateResultsPanel();
  TFindInFilesRequest RequestWithOpenTexts(TFindInFilesRequest Request) const;

  TMainFRM& FMain;
  QDockWidget* FDock = nullptr;
  TSearchResultsPanel* FResults = nullptr;
  TSearchOptions FLastOptions;
};
