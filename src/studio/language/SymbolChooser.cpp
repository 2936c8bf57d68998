/** @file SymbolChooser.cpp
 ** Up and Down in the filter field move through the list, Enter opens, Esc closes. **/
#include "studio/language/SymbolChooser.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int MaxRows = 500;
}

TSymbolChooser::TSymbolChooser(const QString& Title, TSource Source, TChosen Chosen, QWidget* Parent)
    : QDialog(Parent), FSource(std::move(Source)), FChosen(std::move(Chosen)) {
  setWindowTitle(Title);
  setAttribute(Qt::WA_DeleteOnClose);
  FFilter = new QLineEdit;
  FFilter->setPlaceholderText(QStringLiteral("Type to filter"));
  FFilter->installEventFilter(this);
  FList = new QListWidget;
  auto* Column = new QVBoxLayout(this);
  Column->addWidget(FFilter);
  Column->addWidget(FList);
  resize(460, 320);
  connect(FFilter, &QLineEdit::textChanged, this, [this] { Refill(); });
  connect(FList, &QListWidget::itemActivated, this, [this] { ChooseCurrent(); });
  Refill();
}

void TSymbolChooser::Refill() {
  FShown = FSource(FFilter->text());
  if (static_cast<int>(FShown.size()) > MaxRows) FShown.resize(MaxRows);
  FList->clear();
  for (const TLocatedDeclaration& D : FShown)
    FList->addItem(QStringLiteral("%1  —  %2, %3:%4")
                       .arg(D.Declaration.Name, D.Declaration.Kind, QFileInfo(D.File).fileName())
                       .arg(D.Declaration.Line));
  if (FList->count() > 0) FList->setCurrentRow(0);
}

void TSymbolChooser::ChooseCurrent() {
  const int Row = FList->currentRow();
  if (Row < 0 || Row >= static_cast<int>(FShown.size())) return;
  const TLocatedDeclaration Chosen = FShown[Row];
  accept();
  FChosen(Chosen);
}

bool TSymbolChooser::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FFilter && Event->type() == QEvent::KeyPress) {
    const int Key = static_cast<QKeyEvent*>(Event)->key();
    if (Key == Qt::Key_Down || Key == Qt::Key_Up) {
      const int Row = FList->currentRow() + (Key == Qt::Key_Down ? 1 : -1);
      if (Row >= 0 && Row < FList->count()) FList->setCurrentRow(Row);
      return true;
    }
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
      ChooseCurrent();
      return true;
    }
  }
  return QDialog::eventFilter(Watched, Event);
}
