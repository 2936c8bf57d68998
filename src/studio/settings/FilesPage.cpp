/** @file FilesPage.cpp **/
#include "studio/settings/FilesPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include "studio/settings/UserSettings.h"

namespace {
constexpr int DefaultAutosave = 30;
const QStringList Encodings = {QStringLiteral("UTF-8"), QStringLiteral("UTF-8 with BOM"),
                               QStringLiteral("UTF-16LE")};
}  // namespace

TFilesPage::TFilesPage(QWidget* Parent) : TOptionsPage(Parent) {
  AutosaveSeconds = new QSpinBox;
  AutosaveSeconds->setRange(0, 3600);
  AutosaveSeconds->setSuffix(QStringLiteral(" s"));
  AutosaveSeconds->setSpecialValueText(QStringLiteral("Never"));
  DefaultEncoding = new QComboBox;
  DefaultEncoding->addItems(Encodings);
  auto* Form = new QFormLayout(this);
  Form->addRow(QStringLiteral("Put unsaved text aside every:"), AutosaveSeconds);
  Form->addRow(QStringLiteral("Encoding of new files:"), DefaultEncoding);
}

void TFilesPage::Load(const QSettings& Settings) {
  AutosaveSeconds->setValue(
      IntSetting(Settings, SettingsKey::FilesAutosaveSeconds, DefaultAutosave, 0, 3600));
  const int Encoding = Encodings.indexOf(Settings.value(SettingsKey::FilesDefaultEncoding).toString());
  DefaultEncoding->setCurrentIndex(std::max(Encoding, 0));
}

void TFilesPage::Store(QSettings& Settings) const {
  Settings.setValue(SettingsKey::FilesAutosaveSeconds, AutosaveSeconds->value());
  Settings.setValue(SettingsKey::FilesDefaultEncoding, DefaultEncoding->currentText());
}
