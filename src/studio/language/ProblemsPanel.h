/** @file ProblemsPanel.h
 ** The Problems panel: the live checks' findings of every open file; a double click (or
 ** F4 after using it) goes to the place. **/
#pragma once

#include <QTreeWidget>
#include <functional>

#include "language/LineFacts.h"
#include "studio/ResultList.h"

struct TFileProblem {
  QString File;
  TProblem Problem;
  bool operator==(const TFileProblem&) const = default;
};

class TProblemsPanel : public QTreeWidget, public TResultList {
 public:
  using TGoTo = std::function<void(const QString& File, int Line, int Column)>;
  TProblemsPanel(TGoTo GoTo, QWidget* Parent = nullptr);
  /** Shows Problems, replacing only the rows that changed. */
  void SetProblems(const std::vector<TFileProblem>& Problems);
  bool GoToResult(int Step) override;
  /** Called whenever the user acts on the list, so that F4 walks it. */
  std::function<void()> OnUsed;

 private:
  class TItem;
  void Open(QTreeWidgetItem* Item);

  TGoTo FGoTo;
  std::vector<TFileProblem> FShown;
};
