/** @file OutlinePanel.cpp
 ** The tree is rebuilt only when the declarations differ from those shown. **/
#include "studio/language/OutlinePanel.h"

namespace {
constexpr int LineRole = Qt::UserRole;
constexpr int ColumnRole = Qt::UserRole + 1;
}  // namespace

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
  FShown = Declarations;
  FMarked = nullptr;
  clear();
  QTreeWidgetItem* Routine = nullptr;
  for (const TDeclaration& D : Declarations) {
    const bool Label = D.Kind == u"label";
    auto* Item = Label && Routine ? new QTreeWidgetItem(Routine) : new QTreeWidgetItem(this);
    Item->setText(0, QStringLiteral("%1  %2").arg(D.Name, D.Kind));
    Item->setToolTip(0, QStringLiteral("%1 %2, line %3").arg(D.Kind, D.Name).arg(D.Line));
    Item->setData(0, LineRole, D.Line);
    Item->setData(0, ColumnRole, D.Column);
    if (!Label) Routine = Item;
  }
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
