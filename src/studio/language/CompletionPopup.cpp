/** @file CompletionPopup.cpp
 ** A tool window, so that showing it does not take the focus from the editor. **/
#include "studio/language/CompletionPopup.h"

#include <QScrollBar>

namespace {
constexpr int WordRole = Qt::UserRole;
}  // namespace

TCompletionPopup::TCompletionPopup(QWidget* Parent) : QListWidget(Parent) {
  setWindowFlags(Qt::ToolTip);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemClicked, this, [this] { HandleKey(Qt::Key_Return); });
}

void TCompletionPopup::Open(const std::vector<TCompletionItem>& Items, QPoint At,
                            std::function<void(const QString&)> Accept) {
  clear();
  for (const TCompletionItem& Item : Items) {
    auto* Row = new QListWidgetItem(Item.Detail.isEmpty() ? Item.Word : Item.Word + QStringLiteral("    ") + Item.Detail, this);
    Row->setData(WordRole, Item.Word);
    Row->setToolTip(Item.Detail);
  }
  FAccept = std::move(Accept);
  setCurrentRow(0);
  const int Rows = std::min(count(), 10);
  resize(std::min(sizeHintForColumn(0) + verticalScrollBar()->sizeHint().width() + 8, 640),
         Rows * sizeHintForRow(0) + 4);
  move(At);
  show();
}

QString TCompletionPopup::CurrentWord() const {
  return currentItem() ? currentItem()->data(WordRole).toString() : QString();
}

void TCompletionPopup::Close() {
  hide();
  FAccept = nullptr;
}

bool TCompletionPopup::HandleKey(int Key) {
  if (!isVisible()) return false;
  switch (Key) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
      const int Step = Key == Qt::Key_Down ? 1 : Key == Qt::Key_Up ? -1 : Key == Qt::Key_PageDown ? 9 : -9;
      setCurrentRow(std::clamp(currentRow() + Step, 0, count() - 1));
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab: {
      const QString Word = CurrentWord();
      const auto Accept = FAccept;
      Close();
      if (Accept && !Word.isEmpty()) Accept(Word);
      return true;
    }
    case Qt::Key_Escape:
      Close();
      return true;
    default:
      return false;
  }
}
