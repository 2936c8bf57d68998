/** @file ProblemsPanel.cpp
 ** One row per problem: kind, message, file and line. Each row reads its problem from the
 ** list shown, so problems that only moved (an Enter above them) change no row; otherwise
 ** only the rows between the unchanged start and end of the list are replaced, as filling
 ** thousands of rows one by one is slow. **/
#include "studio/language/ProblemsPanel.h"

#include <QFileInfo>
#include <QHeaderView>

namespace {
constexpr int FileRole = Qt::UserRole;
constexpr int LineRole = Qt::UserRole + 1;
constexpr int ColumnRole = Qt::UserRole + 2;

// The same row, wherever the problem moved.
bool SameRow(const TFileProblem& A, const TFileProblem& B) {
  return A.Problem.Severity == B.Problem.Severity && A.Problem.Message == B.Problem.Message && A.File == B.File;
}
}  // namespace

class TProblemsPanel::TItem : public QTreeWidgetItem {
 public:
  TItem(const TProblemsPanel* Panel, int Index) : FPanel(Panel), Index(Index) {}
  QVariant data(int Column, int Role) const override {
    const TFileProblem& P = FPanel->FShown[Index];
    const bool Error = P.Problem.Severity == TSeverity::Error;
    switch (Role) {
      case Qt::DisplayRole:
        switch (Column) {
          case 0: return Error ? QStringLiteral("Error") : QStringLiteral("Warning");
          case 1: return P.Problem.Message;
          case 2: return QFileInfo(P.File).fileName();
          default: return QString::number(P.Problem.Line);
        }
      case Qt::ForegroundRole:
        return Column == 0 ? QVariant(Error ? QColor(0xC0, 0, 0) : QColor(0xA0, 0x70, 0)) : QVariant();
      case Qt::ToolTipRole:
        return Column == 2 ? QVariant(P.File) : QVariant();
      case FileRole:
        return P.File;
      case LineRole:
        return P.Problem.Line;
      case ColumnRole:
        return P.Problem.Column;
      default:
        return QTreeWidgetItem::data(Column, Role);
    }
  }

  int Index;

 private:
  const TProblemsPanel* FPanel;
};

TProblemsPanel::TProblemsPanel(TGoTo GoTo, QWidget* Parent) : QTreeWidget(Parent), FGoTo(std::move(GoTo)) {
  setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Message"), QStringLiteral("File"), QStringLiteral("Line")});
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(1, QHeaderView::Stretch);
  connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) { Open(Item); });
}

void TProblemsPanel::SetProblems(const std::vector<TFileProblem>& Problems) {
  if (Problems == FShown) return;
  const int Old = static_cast<int>(FShown.size());
  const int New = static_cast<int>(Problems.size());
  int Head = 0;
  while (Head < std::min(Old, New) && SameRow(FShown[Head], Problems[Head])) ++Head;
  int Tail = 0;
  while (Tail < std::min(Old, New) - Head && SameRow(FShown[Old - 1 - Tail], Problems[New - 1 - Tail])) ++Tail;
  const int Current = indexOfTopLevelItem(currentItem());
  FShown = Problems;
  for (int I = Old - Tail - 1; I >= Head; --I) delete takeTopLevelItem(I);
  QList<QTreeWidgetItem*> Fresh;
  for (int I = Head; I < New - Tail; ++I) Fresh.append(new TItem(this, I));
  insertTopLevelItems(Head, Fresh);
  if (Old != New)
    for (int I = New - Tail; I < New; ++I) static_cast<TItem*>(topLevelItem(I))->Index = I;
  // F4 goes on from the same place when its row was replaced.
  if (Current >= Head && Current < Old - Tail && Current < New) setCurrentItem(topLevelItem(Current));
  viewport()->update();
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
