/** @file AppearancePage.cpp **/
#include "studio/settings/AppearancePage.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "studio/settings/UserSettings.h"
#include "studio/shell/Theme.h"

TAppearancePage::TAppearancePage(QWidget* Parent) : TOptionsPage(Parent) {
  Light = new QRadioButton(QStringLiteral("Light"));
  Dark = new QRadioButton(QStringLiteral("Dark"));
  System = new QRadioButton(QStringLiteral("Follow the system"));
  auto* Column = new QVBoxLayout(this);
  for (QRadioButton* Choice : {Light, Dark, System})
    Column->addWidget(Choice);
  Column->addStretch(1);
}

void TAppearancePage::Load(const QSettings& Settings) {
  const TTheme Theme = ThemeFromName(Settings.value(SettingsKey::AppearanceTheme).toString());
  (Theme == TTheme::Dark ? Dark : Theme == TTheme::System ? System : Light)->setChecked(true);
}

void TAppearancePage::Store(QSettings& Settings) const {
  const TTheme Theme = Dark->isChecked()     ? TTheme::Dark
                       : System->isChecked() ? TTheme::System
                                             : TTheme::Light;
  Settings.setValue(SettingsKey::AppearanceTheme, ThemeName(Theme));
}
