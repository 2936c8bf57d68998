/** @file ProblemsPanel.cpp
 ** One row per problem: kind, message, file and line. **/
#include "studio/language/ProblemsPanel.h"

#include <QFileInfo>
#include <QHeaderView>

namespace {
constexpr int FileRole = Qt::UserRole;
constexpr int LineRole = Qt::UserRole + 1;
constexpr int ColumnRole = Qt::UserRole + 2;
}  // namespace

TProblemsPanel::TProblemsPanel(TGoTo GoTo, QWidget* Parent) : QTreeWidget(Parent), FGoTo(std::move(GoTo)) {
  setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Message"), QStringLiteral("File"), QStringLiteral("Line")});
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(1, QHeaderView::Stretch);
  connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) { Open(Item); });
}

void TProblemsPanel::SetProblems(const std::vector<TFileProblem>& Problems) {
  const int Current = indexOfTopLevelItem(currentItem());
  clear();
  for (const TFileProblem& P : Problems) {
    const bool Error = P.Problem.Severity == TSeverity::Error;
    auto* Item = new QTreeWidgetItem(this, {Error ? QStringLiteral("Error") : QStringLiteral("Warning"),
                                            P.Problem.Message, QFileInfo(P.File).fileName(),
                                            QString::number(P.Problem.Line)});
    Item->setForeground(0, Error ? QColor(0xC0, 0, 0) : QColor(0xA0, 0x70, 0));
    Item->setData(0, FileRole, P.File);
    Item->setData(0, LineRole, P.Problem.Line);
    Item->setData(0, ColumnRole, P.Problem.Column);
    Item->setToolTip(2, P.File);
  }
  if (Current >= 0 && Current < topLevelItemCount()) setCurrentItem(topLevelItem(Current));
}

void TProblemsPanel::Open(QTreeWidgetItem* Item) {
  if (!Item) return;
  if (OnUsed) OnUsed();
  FGoTo(Item->data(0, FileRole).toString(), Item->data(0, LineRole).toInt(), Item->data(0, ColumnRole).toInt());
}

bool TProblemsPanel::GoToResult(int Step) {
  const int Count = topLevelItemCount();
  if (Count == 0) return false;
  const int Current = indexOfTopLevelItem(currentItem());
  const int Next = Current < 0 ? (Step > 0 ? 0 : Count - 1) : ((Current + Step) % Count + Count) % Count;
  setCurrentItem(topLevelItem(Next));
  Open(topLevelItem(Next));
  return true;
}
