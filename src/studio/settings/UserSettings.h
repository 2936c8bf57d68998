/** @file UserSettings.h
 ** The user's own settings: an INI file in the user's configuration folder under the
 ** application name "yorel-studio". Never the program's config.ini, which is only read. **/
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

/** A settings object on the user's file; every reader and writer opens its own. */
std::unique_ptr<QSettings> UserSettings();

/** Keys shared by more than one capability. */
namespace SettingsKey {
inline const QString CompilerLocation = QStringLiteral("build/compilerLocation");
inline const QString CompilerArguments = QStringLiteral("build/extraArguments");
/** Seconds of idle time before unsaved text goes to its recovery file (int). */
inline const QString AutosaveSeconds = QStringLiteral("files/autosaveSeconds");
}  // namespace SettingsKey
