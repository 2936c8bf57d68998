/** @file UserSettings.cpp **/
#include "studio/settings/UserSettings.h"

std::unique_ptr<QSettings> UserSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("yorel-studio"),
                                     QStringLiteral("yorel-studio"));
}
