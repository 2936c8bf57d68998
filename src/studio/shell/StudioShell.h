/** @file StudioShell.h
 ** What makes the main window a desktop program: shortcuts and command states, the View,
 ** Window and Help menus, File > Reopen, the last dialog folder, where the user left off,
 ** and the user's editor, colour and appearance settings applied to every editor window. **/
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "studio/settings/Colouring.h"
#include "studio/settings/RecentList.h"
#include "studio/settings/Session.h"
#include "studio/settings/UserSettings.h"

class QAction;
class QMenu;
class TCodeFRM;
class TMainFRM;
class TSourceEdit;

class TStudioShell : public QObject {
 public:
  explicit TStudioShell(TMainFRM& Form);
  ~TStudioShell() override;

  // View
  QAction *ToolBars1, *ProjectTree1, *StatusBar1, *Gutter1;
  QAction *ZoomIn1, *ZoomOut1, *ZoomReset1, *TabbedDocuments1;
  // Window
  QAction *NextWindow1, *PreviousWindow1;
  // Help
  QAction *KeyboardShortcuts1, *About1;
  // File > Reopen
  QMenu* Reopen1;

  TRecentList RecentFiles{SettingsKey::RecentFiles};
  TRecentList RecentProjects{SettingsKey::RecentProjects};

  /** A file or project the user opened or saved under a new name. */
  void NoteOpened(const QString& Path, bool Project);
  /** The folder the file dialogs start in: the one used last, else Fallback. */
  QString DialogFolder(const QString& Fallback) const;
  void NoteDialogFile(const QString& Chosen);

  /** Every new editor window passes through here: settings, zoom, command states. */
  void AttachEditor(TCodeFRM* Code);
  /** Enables each command only when it can act. */
  void UpdateCommands();

  TSession CaptureSession() const;
  void StoreSession(const TSession& Session);
  /** Reopens what the last session left open; a vanished file is skipped with a note. */
  void RestoreSession();

  /** Re-reads the user's settings and applies them to every open window. */
  void ApplySettings();
  int Zoom() const { return FZoom; }
  void SetZoom(int Pixels);
  void SetTabbed(bool Tabbed);
  /** The colours the editors use: stored definition, user's changes, theme. */
  const TColourings& EffectiveColourings() const { return FEffective; }
  const TColourings& DefinitionColourings() const { return FDefinition; }

  void ShowKeyboardShortcuts();
  void ShowAbout();

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void CreateViewMenu();
  void CreateWindowMenu();
  void CreateHelpMenu();
  void CreateReopenMenu();
  void FillReopenMenu();
  void FillWindowList();
  void ApplyShortcuts();
  void ApplyToEditor(TSourceEdit& Editor) const;
  /** The left margin: the gutter wide enough for the text's row numbers, or none. */
  void FitMargin(TSourceEdit& Editor) const;
  void StoreRecent();
  void StoreView() const;
  void LoadView(const QSettings& Settings);
  QList<TCodeFRM*> CodeForms() const;

  TMainFRM& FForm;
  TEditorSettings FEditor;
  TColourings FDefinition;
  TColourings FEffective;
  int FZoom = 0;
  /** Zoom steps come in bursts (wheel, key repeat) and each write of the settings file
      costs milliseconds: the zoom is stored once the burst is over, or on closing. */
  QTimer FZoomStore;
  QString FLastFolder;
  QAction* FWindowListStart = nullptr;
};
