/** @file OutlinePanel.cpp
 ** Each row reads its declaration from the list shown, so declarations that moved to other
 ** lines (an Enter above them) or were renamed change no row; any other change builds the rows apart
 ** from the tree and hands them over at once, as inserting them one by one into a shown tree
 ** is slow for thousands of declarations. **/
#include "studio/language/OutlinePanel.h"

namespace {
constexpr int LineRole = Qt::UserRole;
constexpr int ColumnRole = Qt::UserRole + 1;

bool IsLabel(const TDeclaration& D) {
  return D.Kind == u"label";
}

// The tree only depends on which declarations are labels.
bool SameTree(const std::vector<TDeclaration>& A, const std::vector<TDeclaration>& B) {
  return std::equal(A.begin(), A.end(), B.begin(), B.end(),
                    [](const TDeclaration& X, const TDeclaration& Y) { return IsLabel(X) == IsLabel(Y); });
}
}  // namespace

class TOutlinePanel::TItem : public QTreeWidgetItem {
 public:
  TItem(const TOutlinePanel* Panel, int Index) : FPanel(Panel), FIndex(Index) {}
  QVariant data(int Column, int Role) const override {
    const TDeclaration& D = FPanel->FShown[FIndex];
    switch (Role) {
      case Qt::DisplayRole:
        return QStringLiteral("%1  %2").arg(D.Name, D.Kind);
      case Qt::ToolTipRole:
        return QStringLiteral("%1 %2, line %3").arg(D.Kind, D.Name).arg(D.Line);
      case LineRole:
        return D.Line;
      case ColumnRole:
        return D.Column;
      default:
        return QTreeWidgetItem::data(Column, Role);
    }
  }

 private:
  const TOutlinePanel* FPanel;
  int FIndex;
};

TOutlinePanel::TOutlinePanel(std::function<void(int, int)> GoTo, QWidget* Parent)
    : QTreeWidget(Parent), FGoTo(std::move(GoTo)) {
  setHeaderHidden(true);
  setUniformRowHeights(true);
  connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) {
    FGoTo(Item->data(0, LineRole).toInt(), Item->data(0, ColumnRole).toInt());
  });
}

void TOutlinePanel::SetDeclarations(const std::vector<TDeclaration>& Declarations) {
  if (Declarations == FShown) return;
  if (SameTree(Declarations, FShown)) {
    FShown = Declarations;
    viewport()->update();
    return;
  }
  FMarked = nullptr;
  clear();
  FShown = Declarations;
  QList<QTreeWidgetItem*> Top;
  QTreeWidgetItem* Routine = nullptr;
  for (int I = 0; I < static_cast<int>(FShown.size()); ++I) {
    auto* Item = new TItem(this, I);
    if (!IsLabel(FShown[I])) {
      Top.append(Item);
      Routine = Item;
    } else if (Routine) {
      Routine->addChild(Item);
    } else {
      Top.append(Item);
    }
  }
  addTopLevelItems(Top);
  expandAll();
}

void TOutlinePanel::MarkDeclarationAt(int Line) {
  QTreeWidgetItem* Found = nullptr;
  for (QTreeWidgetItemIterator It(this); *It && !Found; ++It)
    if ((*It)->data(0, LineRole).toInt() == Line) Found = *It;
  if (Found == FMarked) return;
  if (FMarked) {
    QFont Plain = FMarked->font(0);
    Plain.setBold(false);
    FMarked->setFont(0, Plain);
  }
  FMarked = Found;
  if (!Found) return;
  QFont Bold = Found->font(0);
  Bold.setBold(true);
  Found->setFont(0, Bold);
  setCurrentItem(Found);
  scrollToItem(Found);
}

QString TOutlinePanel::Marked() const {
  return FMarked ? FMarked->text(0) : QString();
}
