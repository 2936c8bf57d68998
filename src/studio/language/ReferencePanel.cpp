/** @file ReferencePanel.cpp
 ** Searching as the user types; the list keeps the entry's index for the details. **/
#include "studio/language/ReferencePanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "language/Reference.h"

namespace {
constexpr int EntryRole = Qt::UserRole;
}

TReferencePanel::TReferencePanel(const TReference& Reference, QWidget* Parent)
    : QWidget(Parent), FReference(Reference) {
  FSearch = new QLineEdit;
  FSearch->setPlaceholderText(QStringLiteral("Search the reference"));
  FSearch->setClearButtonEnabled(true);
  FMatches = new QListWidget;
  FDetails = new QTextBrowser;
  auto* Split = new QSplitter(Qt::Vertical);
  Split->addWidget(FMatches);
  Split->addWidget(FDetails);
  auto* Column = new QVBoxLayout(this);
  Column->setContentsMargins(2, 2, 2, 2);
  Column->addWidget(FSearch);
  Column->addWidget(Split, 1);
  connect(FSearch, &QLineEdit::textChanged, this, [this](const QString& Text) { Search(Text); });
  connect(FMatches, &QListWidget::currentRowChanged, this, [this] { ShowCurrent(); });
  Search(QString());
}

void TReferencePanel::Search(const QString& Text) {
  FMatches->clear();
  for (const TReferenceEntry* E : FReference.Search(Text)) {
    auto* Item = new QListWidgetItem(QStringLiteral("%1  —  %2").arg(E->Word, E->Summary), FMatches);
    Item->setData(EntryRole, static_cast<int>(E - FReference.Entries().data()));
  }
  if (FMatches->count() > 0) FMatches->setCurrentRow(0);
  else FDetails->clear();
}

void TReferencePanel::ShowCurrent() {
  const QListWidgetItem* Item = FMatches->currentItem();
  if (!Item) return;
  const TReferenceEntry& E = FReference.Entries()[Item->data(EntryRole).toInt()];
  QStringList Lines = TReference::Describe(E);
  for (QString& Line : Lines) Line = Line.toHtmlEscaped();
  Lines[0] = QStringLiteral("<b>%1</b>").arg(Lines[0]);
  FDetails->setHtml(Lines.join(QStringLiteral("<br>")));
}

bool TReferencePanel::ShowWord(const QString& Word) {
  FSearch->setText(Word);
  return FReference.First(Word) != nullptr;
}
