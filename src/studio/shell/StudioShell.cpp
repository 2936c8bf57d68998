/** @file StudioShell.cpp
 ** The shell's menus, shortcuts and recent lists. **/
#include "studio/shell/StudioShell.h"

#include <QFileInfo>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/shell/Theme.h"

namespace {
constexpr int ZoomStoreDelayMs = 500;
}  // namespace

TStudioShell::TStudioShell(TMainFRM& Form) : FForm(Form) {
  FZoomStore.setSingleShot(true);
  FZoomStore.setInterval(ZoomStoreDelayMs);
  connect(&FZoomStore, &QTimer::timeout, this, [this] { StoreView(); });
  CreateReopenMenu();
  CreateViewMenu();
  CreateWindowMenu();
  CreateHelpMenu();
  ApplyShortcuts();
  connect(FForm.MdiArea(), &QMdiArea::subWindowActivated, this, [this] { UpdateCommands(); });
  for (QMenu* Menu : {FForm.Edit1, FForm.File1, FForm.Project1, FForm.Window1})
    connect(Menu, &QMenu::aboutToShow, this, [this] { UpdateCommands(); });

  const std::unique_ptr<QSettings> Settings = UserSettings();
  // An unreadable or malformed file: every value reads as its default, and the user hears
  // of it once.
  if (Settings->status() != QSettings::NoError)
    FForm.StatusBar1->showMessage(
        QStringLiteral("Your settings could not be read; the defaults are used."));
  RecentFiles.Load(*Settings);
  RecentProjects.Load(*Settings);
  FLastFolder = Settings->value(SettingsKey::LastFolder).toString();
  LoadView(*Settings);
  FillReopenMenu();
  ApplySettings();
  UpdateCommands();
}

TStudioShell::~TStudioShell() {
  if (FZoomStore.isActive()) StoreView();
}

QList<TCodeFRM*> TStudioShell::CodeForms() const {
  QList<TCodeFRM*> Forms;
  for (QMdiSubWindow* Child : FForm.MdiArea()->subWindowList(QMdiArea::CreationOrder))
    if (auto* Code = dynamic_cast<TCodeFRM*>(Child)) Forms << Code;
  return Forms;
}

// One scheme, shown in the menus and listed under Help > Keyboard Shortcuts.
void TStudioShell::ApplyShortcuts() {
  const auto Set = [](QAction* Action, QList<QKeySequence> Keys) {
    Action->setShortcuts(Keys);
  };
  using K = QKeySequence;
  Set(FForm.New1, {K(K::New)});
  Set(FForm.open1, {K(K::Open)});
  Set(FForm.OpenProject1, {K(Qt::CTRL | Qt::SHIFT | Qt::Key_O)});
  Set(FForm.Save1, {K(K::Save)});
  Set(FForm.SaveAs1, {K(Qt::CTRL | Qt::ALT | Qt::Key_S)});
  Set(FForm.SaveAll1, {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
  Set(FForm.Close1, {K(Qt::CTRL | Qt::Key_W), K(Qt::CTRL | Qt::Key_F4)});
  Set(FForm.CloseAll1, {K(Qt::CTRL | Qt::SHIFT | Qt::Key_W)});
  Set(FForm.Exit1, {K(Qt::CTRL | Qt::Key_Q)});
  Set(FForm.Undo1, {K(K::Undo)});
  Set(FForm.Redo1, {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  Set(FForm.Cut1, {K(K::Cut)});
  Set(FForm.Copy1, {K(K::Copy)});
  Set(FForm.Paste1, {K(K::Paste)});
  Set(FForm.DElete1, {K(Qt::Key_Delete)});
  Set(FForm.SelectAll1, {K(K::SelectAll)});
  Set(FForm.Run1, {K(Qt::Key_F9)});
  Set(FForm.BuildandRun1, {K(Qt::CTRL | Qt::Key_F9)});
  Set(FForm.Options1, {K(Qt::CTRL | Qt::Key_Comma)});
  Set(ZoomIn1, {K(Qt::CTRL | Qt::Key_Equal), K(Qt::CTRL | Qt::Key_Plus)});
  Set(ZoomOut1, {K(Qt::CTRL | Qt::Key_Minus)});
  Set(ZoomReset1, {K(Qt::CTRL | Qt::Key_0)});
  Set(NextWindow1, {K(Qt::CTRL | Qt::Key_Tab)});
  Set(PreviousWindow1, {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
  Set(KeyboardShortcuts1, {K(Qt::CTRL | Qt::Key_F1)});
  // Tool bar buttons name their command and its key.
  const auto Tip = [](QAction* Button, const QAction* Command) {
    Button->setToolTip(QStringLiteral("%1 (%2)").arg(
        Command->iconText(), Command->shortcut().toString(QKeySequence::NativeText)));
  };
  Tip(FForm.toolBuRun, FForm.BuildandRun1);
  Tip(FForm.toolBuBuild, FForm.Run1);
  Tip(FForm.ToolButton3, FForm.New1);
  Tip(FForm.ToolButton4, FForm.OpenProject1);
}

void TStudioShell::UpdateCommands() {
  TCodeFRM* Code = FForm.ActiveCodeForm();
  TSourceEdit* Editor = Code ? Code->tbCode.get() : nullptr;
  const bool HasSelection = Editor && Editor->SelLength() > 0;
  const bool HasProject = FForm.curFileList && FForm.curFileList->Count() > 0;
  const int Windows = static_cast<int>(FForm.MdiArea()->subWindowList().size());
  for (QAction* A : {FForm.Save1, FForm.SaveAs1, FForm.Paste1, FForm.SelectAll1})
    A->setEnabled(Editor != nullptr);
  FForm.Close1->setEnabled(FForm.MdiArea()->activeSubWindow() != nullptr);
  FForm.SaveAll1->setEnabled(!CodeForms().isEmpty());
  FForm.CloseAll1->setEnabled(Windows > 0);
  FForm.Undo1->setEnabled(Editor && Editor->CanUndo());
  FForm.Redo1->setEnabled(Editor && Editor->CanRedo());
  for (QAction* A : {FForm.Cut1, FForm.Copy1, FForm.DElete1})
    A->setEnabled(HasSelection);
  for (QAction* A : {FForm.Run1, FForm.BuildandRun1, FForm.toolBuRun, FForm.toolBuBuild})
    A->setEnabled(HasProject);
  for (QAction* A : {FForm.Cascade1, FForm.ile1})
    A->setEnabled(Windows > 0);
  NextWindow1->setEnabled(Windows > 1);
  PreviousWindow1->setEnabled(Windows > 1);
}

void TStudioShell::CreateViewMenu() {
  QMenu* View = FForm.View1;
  const auto Toggle = [&](const QString& Caption, QWidget* Target) {
    QAction* Action = View->addAction(Caption);
    Action->setCheckable(true);
    Action->setChecked(true);
    connect(Action, &QAction::toggled, Target, &QWidget::setVisible);
    // Stored on the user's choice only: loading one must not write the others over.
    connect(Action, &QAction::triggered, this, [this] { StoreView(); });
    return Action;
  };
  ToolBars1 = Toggle(QStringLiteral("Tool Bars"), FForm.CoolBar1);
  ProjectTree1 = Toggle(QStringLiteral("Project Tree"), FForm.panFiles);
  StatusBar1 = Toggle(QStringLiteral("Status Bar"), FForm.StatusBar1);
  View->addSeparator();
  Gutter1 = View->addAction(QStringLiteral("Line Numbers"));
  Gutter1->setCheckable(true);
  connect(Gutter1, &QAction::triggered, this, [this](bool On) {
    FEditor.Gutter = On;
    UserSettings()->setValue(SettingsKey::EditorGutter, On);
    for (TCodeFRM* Code : CodeForms())
      ApplyToEditor(*Code->tbCode);
  });
  ZoomIn1 = View->addAction(QStringLiteral("Zoom In"), this, [this] { SetZoom(FZoom + 1); });
  ZoomOut1 = View->addAction(QStringLiteral("Zoom Out"), this, [this] { SetZoom(FZoom - 1); });
  ZoomReset1 = View->addAction(QStringLiteral("Reset Zoom"), this, [this] { SetZoom(0); });
  View->addSeparator();
  TabbedDocuments1 = View->addAction(QStringLiteral("Tabbed Documents"));
  TabbedDocuments1->setCheckable(true);
  connect(TabbedDocuments1, &QAction::triggered, this, [this](bool On) { SetTabbed(On); });
  View->addSeparator();  // the panels' toggles of other capabilities follow
}

void TStudioShell::LoadView(const QSettings& Settings) {
  ToolBars1->setChecked(BoolSetting(Settings, SettingsKey::ViewToolBars, true));
  ProjectTree1->setChecked(BoolSetting(Settings, SettingsKey::ViewProjectTree, true));
  StatusBar1->setChecked(BoolSetting(Settings, SettingsKey::ViewStatusBar, true));
  FZoom = IntSetting(Settings, SettingsKey::ViewZoom, 0, -20, 40);
}

void TStudioShell::StoreView() const {
  const std::unique_ptr<QSettings> Settings = UserSettings();
  Settings->setValue(SettingsKey::ViewToolBars, ToolBars1->isChecked());
  Settings->setValue(SettingsKey::ViewProjectTree, ProjectTree1->isChecked());
  Settings->setValue(SettingsKey::ViewStatusBar, StatusBar1->isChecked());
  Settings->setValue(SettingsKey::ViewZoom, FZoom);
}

void TStudioShell::SetTabbed(bool Tabbed) {
  QMdiArea* Area = FForm.MdiArea();
  TabbedDocuments1->setChecked(Tabbed);
  Area->setTabsClosable(true);
  Area->setTabsMovable(true);
  Area->setViewMode(Tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
}

void TStudioShell::CreateWindowMenu() {
  QMenu* Window = FForm.Window1;
  Window->addSeparator();
  NextWindow1 = Window->addAction(QStringLiteral("Next Window"), FForm.MdiArea(),
                                  &QMdiArea::activateNextSubWindow);
  PreviousWindow1 = Window->addAction(QStringLiteral("Previous Window"), FForm.MdiArea(),
                                      &QMdiArea::activatePreviousSubWindow);
  FWindowListStart = Window->addSeparator();
  connect(Window, &QMenu::aboutToShow, this, [this] { FillWindowList(); });
}

// The open editor windows after the commands, the one in front checked.
void TStudioShell::FillWindowList() {
  QMenu* Window = FForm.Window1;
  const QList<QAction*> Items = Window->actions();
  for (qsizetype I = Items.indexOf(FWindowListStart) + 1; I < Items.size(); ++I)
    delete Items[I];
  int Number = 0;
  for (QMdiSubWindow* Child : FForm.MdiArea()->subWindowList(QMdiArea::CreationOrder)) {
    ++Number;
    const QString Caption = Child->windowTitle().replace(u'&', QStringLiteral("&&"));
    QAction* Item = Window->addAction(
        Number < 10 ? QStringLiteral("&%1 %2").arg(Number).arg(Caption) : Caption);
    Item->setCheckable(true);
    Item->setChecked(Child == FForm.MdiArea()->activeSubWindow());
    QPointer<QMdiSubWindow> Target(Child);
    connect(Item, &QAction::triggered, this, [this, Target] {
      if (Target) FForm.MdiArea()->setActiveSubWindow(Target);
    });
  }
}

void TStudioShell::CreateHelpMenu() {
  KeyboardShortcuts1 = FForm.Help1->addAction(QStringLiteral("Keyboard Shortcuts"), this,
                                             [this] { ShowKeyboardShortcuts(); });
  FForm.Help1->addSeparator();
  About1 = FForm.Help1->addAction(QStringLiteral("About Yorel Studio Express"), this,
                                  [this] { ShowAbout(); });
}

void TStudioShell::CreateReopenMenu() {
  Reopen1 = new QMenu(QStringLiteral("Reopen"), &FForm);
  FForm.File1->insertMenu(FForm.N1, Reopen1);
}

// Projects first, then files; an entry whose file is gone is greyed until removed.
void TStudioShell::FillReopenMenu() {
  Reopen1->clear();
  bool AnyMissing = false;
  const auto AddEntries = [&](const TRecentList& List, bool Project) {
    for (const QString& Path : List.Items()) {
      QAction* Item = Reopen1->addAction(QString(Path).replace(u'&', QStringLiteral("&&")));
      const bool Exists = QFileInfo::exists(Path);
      AnyMissing = AnyMissing || !Exists;
      Item->setEnabled(Exists);
      connect(Item, &QAction::triggered, this, [this, Path, Project] {
        if (Project)
          FForm.OpenProjectFile(Path);
        else
          FForm.OpenSourceFile(Path, Path);
      });
    }
  };
  AddEntries(RecentProjects, true);
  if (!RecentProjects.Items().isEmpty() && !RecentFiles.Items().isEmpty())
    Reopen1->addSeparator();
  AddEntries(RecentFiles, false);
  Reopen1->addSeparator();
  QAction* RemoveMissing = Reopen1->addAction(QStringLiteral("Remove Missing"), this, [this] {
    for (TRecentList* List : {&RecentFiles, &RecentProjects})
      for (const QString& Path : QStringList(List->Items()))
        if (!QFileInfo::exists(Path)) List->Remove(Path);
    StoreRecent();
  });
  RemoveMissing->setEnabled(AnyMissing);
  QAction* Clear = Reopen1->addAction(QStringLiteral("Clear"), this, [this] {
    RecentFiles.Clear();
    RecentProjects.Clear();
    StoreRecent();
  });
  Clear->setEnabled(!RecentFiles.Items().isEmpty() || !RecentProjects.Items().isEmpty());
}

void TStudioShell::StoreRecent() {
  const std::unique_ptr<QSettings> Settings = UserSettings();
  RecentFiles.Store(*Settings);
  RecentProjects.Store(*Settings);
  // Rebuilt later: this may run from one of the menu's own items.
  QMetaObject::invokeMethod(this, [this] { FillReopenMenu(); }, Qt::QueuedConnection);
}

void TStudioShell::NoteOpened(const QString& Path, bool Project) {
  const QString Absolute = QFileInfo(Path).absoluteFilePath();
  (Project ? RecentProjects : RecentFiles).Add(Absolute);
  StoreRecent();
  UpdateCommands();
}

QString TStudioShell::DialogFolder(const QString& Fallback) const {
  return !FLastFolder.isEmpty() && QFileInfo(FLastFolder).isDir() ? FLastFolder : Fallback;
}

void TStudioShell::NoteDialogFile(const QString& Chosen) {
  if (Chosen.isEmpty()) return;
  FLastFolder = QFileInfo(Chosen).absolutePath();
  UserSettings()->setValue(SettingsKey::LastFolder, FLastFolder);
}
