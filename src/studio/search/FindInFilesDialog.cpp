/** @file FindInFilesDialog.cpp
 ** The dialog's fields; the pattern is checked before the dialog closes. **/
#include "studio/search/FindInFilesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFindInFilesDialog::TFindInFilesDialog(QWidget* Parent, const TSearchOptions& Options,
                                       bool HasProject, const QString& Folder)
    : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Find in Files"));
  auto* Form = new QFormLayout(this);
  FFind = new QLineEdit(Options.Pattern);
  FFind->setMinimumWidth(320);
  Form->addRow(QStringLiteral("Find:"), FFind);
  FMatchCase = new QCheckBox(QStringLiteral("Match case"));
  FWholeWord = new QCheckBox(QStringLiteral("Whole word"));
  FRegularExpression = new QCheckBox(QStringLiteral("Regular expression"));
  FMatchCase->setChecked(Options.MatchCase);
  FWholeWord->setChecked(Options.WholeWord);
  FRegularExpression->setChecked(Options.RegularExpression);
  auto* Boxes = new QHBoxLayout;
  for (QCheckBox* Box : {FMatchCase, FWholeWord, FRegularExpression})
    Boxes->addWidget(Box);
  Form->addRow(QString(), Boxes);
  FProject = new QRadioButton(QStringLiteral("The project's files"));
  FProject->setEnabled(HasProject);
  FInFolder = new QRadioButton(QStringLiteral("Folder:"));
  (HasProject ? FProject : FInFolder)->setChecked(true);
  FFolder = new QLineEdit(Folder);
  auto* Browse = new QPushButton(QStringLiteral("Browse..."));
  connect(Browse, &QPushButton::clicked, this, [this] {
    const QString Chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Folder"), FFolder->text());
    if (!Chosen.isEmpty()) {
      FFolder->setText(Chosen);
      FInFolder->setChecked(true);
    }
  });
  auto* FolderRow = new QHBoxLayout;
  FolderRow->addWidget(FInFolder);
  FolderRow->addWidget(FFolder, 1);
  FolderRow->addWidget(Browse);
  Form->addRow(QStringLiteral("Where:"), FProject);
  Form->addRow(QString(), FolderRow);
  FFilter = new QLineEdit(TFindInFilesRequest().Filter);
  Form->addRow(QStringLiteral("File names:"), FFilter);
  auto* Message = new QLabel;
  Message->setStyleSheet(QStringLiteral("color: #c00000"));
  Form->addRow(Message);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  Buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Find"));
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(Buttons, &QDialogButtonBox::accepted, this, [this, Message] {
    const TSearchPattern Pattern(this->Options());
    if (!Pattern.IsValid()) {
      Message->setText(FFind->text().isEmpty() ? QStringLiteral("Type what to find")
                                               : Pattern.ErrorMessage());
      return;
    }
    accept();
  });
  Form->addRow(Buttons);
}

TSearchOptions TFindInFilesDialog::Options() const {
  return {FFind->text(), FMatchCase->isChecked(), FWholeWord->isChecked(),
          FRegularExpression->isChecked()};
}

bool TFindInFilesDialog::InProject() const {
  return FProject->isChecked();
}

QString TFindInFilesDialog::Folder() const {
  return FFolder->text();
}

QString TFindInFilesDialog::Filter() const {
  return FFilter->text();
}
