/** @file SearchResultsPanel.h
 ** The results of Find in Files, grouped by file, filled while the search runs on a
 ** worker thread; with progress, a Cancel button, and F4 / Shift+F4 walking the results. **/
#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

#include "studio/ResultList.h"
#include "studio/search/FileSearch.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

class TSearchResultsPanel : public QWidget, public TResultList {
 public:
  explicit TSearchResultsPanel(QWidget* Parent = nullptr);
  ~TSearchResultsPanel() override;

  /** Starts a search, cancelling the one still running. */
  void Start(TFindInFilesRequest Request);
  void Cancel();
  bool Running() const;
  /** Waits until the running search has ended and its results are shown (for tests and
      shutdown). */
  void WaitUntilDone();
  bool GoToResult(int Step) override;

  QTreeWidget* Tree() const { return FTree; }
  QString Summary() const;
  const TFileSearchSummary& LastSummary() const { return FLastSummary; }

  /** Opens a result: the file, and the match in it. */
  std::function<void(const QString& Path, int Row, int Col, int Length)> OnOpen;
  /** The user acted on the panel (it becomes the list F4 walks). */
  std::function<void()> OnUsed;

 private:
  void AddFile(TFileMatches&& File);
  void Finish(const TFileSearchSummary& Summary);
  void Open(QTreeWidgetItem* Item);

  QLabel* FSummary;
  QProgressBar* FProgress;
  QPushButton* FCancelButton;
  QTreeWidget* FTree;
  std::unique_ptr<QThread> FThread;
  std::shared_ptr<std::atomic<bool>> FCancel;
  int FGeneration = 0;
  int FShownMatches = 0;
  bool FFinished = true;
  TFileSearchSummary FLastSummary;
  QString FPatternText;
};
