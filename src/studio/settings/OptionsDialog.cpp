/** @file OptionsDialog.cpp **/
#include "studio/settings/OptionsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "studio/settings/UserSettings.h"

TOptionsDialog::TOptionsDialog(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Options"));
  FList = new QListWidget;
  FList->setMaximumWidth(140);
  FPages = new QStackedWidget;
  connect(FList, &QListWidget::currentRowChanged, FPages, &QStackedWidget::setCurrentIndex);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                       QDialogButtonBox::Apply);
  connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
    Apply();
    accept();
  });
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(Buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          [this] { Apply(); });
  auto* Row = new QHBoxLayout;
  Row->addWidget(FList);
  Row->addWidget(FPages, 1);
  auto* Column = new QVBoxLayout(this);
  Column->addLayout(Row, 1);
  Column->addWidget(Buttons);
}

void TOptionsDialog::AddPage(TOptionsPage* Page) {
  Page->Load(*UserSettings());
  FList->addItem(Page->Title());
  FPages->addWidget(Page);
  if (FList->currentRow() < 0) FList->setCurrentRow(0);
}

bool TOptionsDialog::ShowPage(const QString& Title) {
  for (int I = 0; I < FPages->count(); ++I)
    if (static_cast<TOptionsPage*>(FPages->widget(I))->Title() == Title) {
      FList->setCurrentRow(I);
      return true;
    }
  return false;
}

TOptionsPage* TOptionsDialog::CurrentPage() const {
  return static_cast<TOptionsPage*>(FPages->currentWidget());
}

void TOptionsDialog::Apply() {
  {
    const std::unique_ptr<QSettings> Settings = UserSettings();
    for (int I = 0; I < FPages->count(); ++I)
      static_cast<const TOptionsPage*>(FPages->widget(I))->Store(*Settings);
  }
  if (OnApplied) OnApplied();
}
