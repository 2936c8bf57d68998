/** @file ShellEditors.cpp
 ** The user's editor settings, colours, theme and zoom applied to every editor window
 ** through the editor's own setters; Ctrl+wheel zooms. **/
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QWheelEvent>
#include <algorithm>

#include "platform/qt/QtControlHost.h"
#include "sourceedit/StoredSettings.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/shell/StudioShell.h"
#include "studio/shell/Theme.h"

namespace {
constexpr int GutterWidth = 50;
constexpr int NoGutterWidth = 2;
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 72;

// The gutter holds four digits at the default size; a longer text or a bigger font widens it
// to its row numbers, which would otherwise run into the text.
int GutterMargin(const TSourceEdit& Editor) {
  int Digits = 1;
  for (int Rows = Editor.LineCount(); Rows >= 10; Rows /= 10)
    ++Digits;
  return std::max(GutterWidth, Digits * Editor.CellWidth() + 14);
}

// Calls Extra after whatever the event did before.
void Chain(TNotifyEvent& Event, std::function<void()> Extra) {
  Event = [Previous = std::move(Event), Extra = std::move(Extra)](TObject* Sender) {
    if (Previous) Previous(Sender);
    Extra();
  };
}
}  // namespace

void TStudioShell::AttachEditor(TCodeFRM* Code) {
  TSourceEdit& Editor = *Code->tbCode;
  ApplyToEditor(Editor);
  QPointer<TStudioShell> Shell(this);
  const auto Update = [Shell] {
    if (Shell) Shell->UpdateCommands();
  };
  Chain(Editor.OnChange, Update);
  Chain(Editor.OnChange, [Shell, &Editor] {
    if (Shell) Shell->FitMargin(Editor);
  });
  Chain(Editor.OnSelectionChange, Update);
  // The window's own menu would claim Close's keys too, and then neither would act.
  if (QMenu* Own = Code->systemMenu())
    for (QAction* Item : Own->actions())
      for (const QKeySequence& Key : FForm.Close1->shortcuts())
        if (Item->shortcuts().contains(Key)) Item->setShortcuts({});
  if (auto* Host = Code->findChild<TQtControlHost*>()) {
    Host->installEventFilter(this);
    Host->viewport()->installEventFilter(this);
  }
  UpdateCommands();
}

bool TStudioShell::eventFilter(QObject* Watched, QEvent* Event) {
  // The editor claims Tab for itself; with Ctrl it walks the windows instead.
  if (Event->type() == QEvent::ShortcutOverride) {
    const auto* Key = static_cast<QKeyEvent*>(Event);
    if ((Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab) &&
        (Key->modifiers() & Qt::ControlModifier))
      return true;
  }
  if (Event->type() == QEvent::Wheel) {
    auto* Wheel = static_cast<QWheelEvent*>(Event);
    if (Wheel->modifiers() & Qt::ControlModifier) {
      const int Delta = Wheel->angleDelta().y();
      if (Delta != 0) SetZoom(FZoom + (Delta > 0 ? 1 : -1));
      return true;
    }
  }
  return QObject::eventFilter(Watched, Event);
}

void TStudioShell::SetZoom(int Pixels) {
  FZoom = std::clamp(FEditor.FontSize + Pixels, MinFontSize, MaxFontSize) - FEditor.FontSize;
  FZoomStore.start();
  for (TCodeFRM* Code : CodeForms())
    Code->tbCode->Font()->SetHeight(-(FEditor.FontSize + FZoom));
}

void TStudioShell::ApplySettings() {
  const std::unique_ptr<QSettings> Settings = UserSettings();
  FEditor = TEditorSettings::Load(*Settings);
  Gutter1->setChecked(FEditor.Gutter);
  ApplyTheme(ThemeFromName(Settings->value(SettingsKey::AppearanceTheme).toString()));
  FForm.MdiArea()->setBackground(FForm.palette().brush(QPalette::Dark));
  if (FDefinition.empty()) {
    TSourceEdit Definition;
    LoadStoredSettings(Definition, YorelEditorSettings);
    FDefinition = ColouringsOf(*Definition.SyntaxColoring());
  }
  FEffective = ThemedColourings(WithStoredChanges(*Settings, FDefinition));
  for (TCodeFRM* Code : CodeForms())
    ApplyToEditor(*Code->tbCode);
}

void TStudioShell::ApplyToEditor(TSourceEdit& Editor) const {
  Editor.Font()->SetName(FEditor.FontFamily);
  Editor.Font()->SetHeight(-(FEditor.FontSize + FZoom));
  Editor.SetTabSize(FEditor.TabSize);
  Editor.SetAutoIndent(FEditor.AutoIndent);
  FitMargin(Editor);
  ApplyColourings(*Editor.SyntaxColoring(), FEffective);
  Editor.GutterColors = ThemeGutterColors();
  Editor.Invalidate();
}

void TStudioShell::FitMargin(TSourceEdit& Editor) const {
  const int Margin = FEditor.Gutter ? GutterMargin(Editor) : NoGutterWidth;
  if (Editor.LeftMargin() == Margin) return;
  Editor.SetLeftMargin(Margin);
  Editor.Perform(WM_SIZE);
}
