/** @file UserSettings.cpp **/
#include "studio/settings/UserSettings.h"

std::unique_ptr<QSettings> UserSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("yorel-studio"),
                                     QStringLiteral("yorel-studio"));
}

int IntSetting(const QSettings& Settings, const QString& Key, int Default, int Min, int Max) {
  bool Ok = false;
  const int Value = Settings.value(Key).toInt(&Ok);
  return Ok && Value >= Min && Value <= Max ? Value : Default;
}

bool BoolSetting(const QSettings& Settings, const QString& Key, bool Default) {
  const QString Text = Settings.value(Key).toString().trimmed().toLower();
  if (Text == QStringLiteral("true")) return true;
  if (Text == QStringLiteral("false")) return false;
  return Default;
}

TEditorSettings TEditorSettings::Load(const QSettings& Settings) {
  TEditorSettings S;
  const QString Family = Settings.value(SettingsKey::EditorFontFamily).toString().trimmed();
  if (!Family.isEmpty()) S.FontFamily = Family;
  S.FontSize = IntSetting(Settings, SettingsKey::EditorFontSize, S.FontSize, 6, 72);
  S.TabSize = IntSetting(Settings, SettingsKey::EditorTabSize, S.TabSize, 1, 16);
  S.AutoIndent = BoolSetting(Settings, SettingsKey::EditorAutoIndent, S.AutoIndent);
  S.Gutter = BoolSetting(Settings, SettingsKey::EditorGutter, S.Gutter);
  S.AutoComplete = BoolSetting(Settings, SettingsKey::EditorAutoComplete, S.AutoComplete);
  return S;
}

void TEditorSettings::Store(QSettings& Settings) const {
  Settings.setValue(SettingsKey::EditorFontFamily, FontFamily);
  Settings.setValue(SettingsKey::EditorFontSize, FontSize);
  Settings.setValue(SettingsKey::EditorTabSize, TabSize);
  Settings.setValue(SettingsKey::EditorAutoIndent, AutoIndent);
  Settings.setValue(SettingsKey::EditorGutter, Gutter);
  Settings.setValue(SettingsKey::EditorAutoComplete, AutoComplete);
}
