/** @file BuildPage.cpp **/
#include "studio/settings/BuildPage.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "studio/settings/UserSettings.h"

TBuildPage::TBuildPage(QWidget* Parent) : TOptionsPage(Parent) {
  CompilerLocation = new QLineEdit;
  CompilerLocation->setPlaceholderText(QStringLiteral("as config.ini says"));
  auto* Browse = new QPushButton(QStringLiteral("Browse…"));
  connect(Browse, &QPushButton::clicked, this, [this] {
    const QString Chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Compiler"),
                                                        CompilerLocation->text());
    if (!Chosen.isEmpty()) CompilerLocation->setText(Chosen);
  });
  auto* LocationRow = new QHBoxLayout;
  LocationRow->addWidget(CompilerLocation, 1);
  LocationRow->addWidget(Browse);
  CompilerArguments = new QLineEdit;
  auto* Note = new QLabel(QStringLiteral(
      "Empty: the location in config.ini, else compiler/Yorel.exe. A relative location is "
      "taken from the folder the studio was started in. The arguments come before the "
      "main file, separated by spaces; quote an argument that holds spaces."));
  Note->setWordWrap(true);
  auto* Form = new QFormLayout(this);
  Form->addRow(QStringLiteral("Compiler location:"), LocationRow);
  Form->addRow(QStringLiteral("Extra arguments:"), CompilerArguments);
  Form->addRow(Note);
}

void TBuildPage::Load(const QSettings& Settings) {
  CompilerLocation->setText(Settings.value(SettingsKey::CompilerLocation).toString());
  CompilerArguments->setText(Settings.value(SettingsKey::CompilerArguments).toString());
}

void TBuildPage::Store(QSettings& Settings) const {
  Settings.setValue(SettingsKey::CompilerLocation, CompilerLocation->text().trimmed());
  Settings.setValue(SettingsKey::CompilerArguments, CompilerArguments->text());
}
