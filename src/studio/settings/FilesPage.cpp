/** @file FilesPage.cpp **/
#include "studio/settings/FilesPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include "studio/files/NewFileFormat.h"
#include "studio/settings/UserSettings.h"

namespace {
constexpr int DefaultAutosave = 30;
}  // namespace

TFilesPage::TFilesPage(QWidget* Parent) : TOptionsPage(Parent) {
  AutosaveSeconds = new QSpinBox;
  AutosaveSeconds->setRange(0, 3600);
  AutosaveSeconds->setSuffix(QStringLiteral(" s"));
  AutosaveSeconds->setSpecialValueText(QStringLiteral("Never"));
  DefaultEncoding = new QComboBox;
  DefaultEncoding->addItems(NewFileEncodingNames());
  auto* Form = new QFormLayout(this);
  Form->addRow(QStringLiteral("Put unsaved text aside every:"), AutosaveSeconds);
  Form->addRow(QStringLiteral("Encoding of new files:"), DefaultEncoding);
}

void TFilesPage::Load(const QSettings& Settings) {
  AutosaveSeconds->setValue(
      IntSetting(Settings, SettingsKey::AutosaveSeconds, DefaultAutosave, 0, 3600));
  DefaultEncoding->setCurrentText(NewFileFormat(Settings).EncodingName());
}

void TFilesPage::Store(QSettings& Settings) const {
  Settings.setValue(SettingsKey::AutosaveSeconds, AutosaveSeconds->value());
  Settings.setValue(SettingsKey::FilesDefaultEncoding, DefaultEncoding->currentText());
}
