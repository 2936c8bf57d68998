/** @file LanguagePage.cpp **/
#include "studio/language/LanguagePage.h"

#include <QCheckBox>
#include <QSettings>
#include <QVBoxLayout>

TLanguagePage::TLanguagePage(QWidget* Parent) : TOptionsPage(Parent) {
  AutoComplete = new QCheckBox(QStringLiteral("Offer completions after two typed letters (Ctrl+Space always does)"));
  auto* Column = new QVBoxLayout(this);
  Column->addWidget(AutoComplete);
  Column->addStretch(1);
}

void TLanguagePage::Load(const QSettings& Settings) {
  AutoComplete->setChecked(Settings.value(AutoCompleteKey, true).toBool());
}

void TLanguagePage::Store(QSettings& Settings) const {
  Settings.setValue(AutoCompleteKey, AutoComplete->isChecked());
}
