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
/** Seconds of idle time before unsaved text goes to its recovery file (int, default 30). */
inline const QString AutosaveSeconds = QStringLiteral("files/autosaveSeconds");
}  // namespace SettingsKey

/** Keys of the desktop shell: the editor, files, appearance and what the studio remembers. */
namespace SettingsKey {
inline const QString EditorFontFamily = QStringLiteral("editor/fontFamily");
inline const QString EditorFontSize = QStringLiteral("editor/fontSize");  ///< pixels
inline const QString EditorTabSize = QStringLiteral("editor/tabSize");
inline const QString EditorAutoIndent = QStringLiteral("editor/autoIndent");
inline const QString EditorGutter = QStringLiteral("editor/gutter");
/** bool, default true: the language's completion offers words while typing. */
inline const QString EditorAutoComplete = QStringLiteral("editor/autoComplete");
/** The encoding new files are written in, by its name on the Options page. */
inline const QString FilesDefaultEncoding = QStringLiteral("files/defaultEncoding");
inline const QString AppearanceTheme = QStringLiteral("appearance/theme");  ///< light|dark|system
inline const QString ViewZoom = QStringLiteral("view/zoom");                ///< pixels added
inline const QString ViewToolBars = QStringLiteral("view/toolBars");
inline const QString ViewProjectTree = QStringLiteral("view/projectTree");
inline const QString ViewStatusBar = QStringLiteral("view/statusBar");
inline const QString RecentFiles = QStringLiteral("recent/files");
inline const QString RecentProjects = QStringLiteral("recent/projects");
inline const QString LastFolder = QStringLiteral("dialogs/lastFolder");
}  // namespace SettingsKey

/** The editor settings of the Options dialog with their defaults. */
struct TEditorSettings {
  QString FontFamily = QStringLiteral("Courier New");
  int FontSize = 13;
  int TabSize = 4;
  bool AutoIndent = true;
  bool Gutter = true;
  bool AutoComplete = true;
  /** Values of the wrong kind or out of range read as the default. */
  static TEditorSettings Load(const QSettings& Settings);
  void Store(QSettings& Settings) const;
};

/** An int setting within [Min, Max]; anything else reads as Default. */
int IntSetting(const QSettings& Settings, const QString& Key, int Default, int Min, int Max);
/** A bool setting; anything but true/false reads as Default. */
bool BoolSetting(const QSettings& Settings, const QString& Key, bool Default);
