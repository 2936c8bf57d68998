// The desktop shell through the offscreen main window: shortcuts, command states, recent
// lists and the remembered session across main window objects, corrupt settings, zoom,
// Options applied to open windows, tabbed mode, the window list and the dark theme.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/qt/QtControlHost.h"
#include "studio/StudioFixture.h"
#include "studio/settings/ColoursPage.h"
#include "studio/settings/OptionsDialog.h"
#include "studio/settings/UserSettings.h"
#include "studio/shell/StudioShell.h"
#include "studio/shell/Theme.h"

namespace {
// Every test starts from and leaves behind empty settings and the light look.
struct FreshSettings {
  FreshSettings() { Reset(); }
  ~FreshSettings() { Reset(); }
  static void Reset() {
    UserSettings()->clear();
    ApplyTheme(TTheme::Light);
  }
};

struct ShellFixture : FreshSettings, StudioFixture {
  TCodeFRM* Open(const QString& Name, const QByteArray& Text) {
    return Form.OpenSourceFile(Write(Name, Text), Name);
  }
  TQtControlHost* Host(TCodeFRM* Code) const { return Code->findChild<TQtControlHost*>(); }
  // Focus as a user's click gives it; offscreen windows need to be made active for that.
  TQtControlHost* Focus(TCodeFRM* Code) {
    Form.activateWindow();
    QApplication::setActiveWindow(&Form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Form));
    Form.MdiArea()->setActiveSubWindow(Code);
    TQtControlHost* H = Host(Code);
    H->setFocus();
    QCoreApplication::processEvents();
    return H;
  }
  void Press(QWidget* Target, const QKeySequence& Keys) {
    QTest::keySequence(Target, Keys);
    QCoreApplication::processEvents();
  }
  QString Text(TCodeFRM* Code) const { return Code->tbCode->Lines()->Text(); }
};
}  // namespace

TEST(Shell, EachShortcutTriggersItsCommandAndTypesNothing) {
  ShellFixture F;
  TCodeFRM* First = F.Open("a.yor", "abc");
  TCodeFRM* Code = F.Open("b.yor", "abc");
  TStudioShell& S = *F.Form.Shell;
  QApplication::clipboard()->clear();
  struct {
    QKeySequence Keys;
    QAction* Command;
  } Cases[] = {
      {QKeySequence("Ctrl+N"), F.Form.New1},
      {QKeySequence("Ctrl+O"), F.Form.open1},
      {QKeySequence("Ctrl+Shift+O"), F.Form.OpenProject1},
      {QKeySequence("Ctrl+Alt+S"), F.Form.SaveAs1},
      {QKeySequence("Ctrl+Shift+S"), F.Form.SaveAll1},
      {QKeySequence("Ctrl+S"), F.Form.Save1},
      {QKeySequence("Ctrl+Q"), F.Form.Exit1},
      {QKeySequence("Ctrl+Z"), F.Form.Undo1},
      {QKeySequence("Ctrl+Y"), F.Form.Redo1},
      {QKeySequence("Ctrl+Shift+Z"), F.Form.Redo1},
      {QKeySequence("Ctrl+X"), F.Form.Cut1},
      {QKeySequence("Ctrl+C"), F.Form.Copy1},
      {QKeySequence("Ctrl+V"), F.Form.Paste1},
      {QKeySequence("Ctrl+A"), F.Form.SelectAll1},
      {QKeySequence("F4"), F.Form.NextResult1},
      {QKeySequence("Shift+F4"), F.Form.PreviousResult1},
      {QKeySequence("F9"), F.Form.Run1},
      {QKeySequence("Ctrl+F9"), F.Form.BuildandRun1},
      {QKeySequence("Ctrl+,"), F.Form.Options1},
      {QKeySequence("Ctrl+="), S.ZoomIn1},
      {QKeySequence("Ctrl+-"), S.ZoomOut1},
      {QKeySequence("Ctrl+0"), S.ZoomReset1},
      {QKeySequence("Ctrl+F1"), S.KeyboardShortcuts1},
      {QKeySequence("Ctrl+Tab"), S.NextWindow1},
      {QKeySequence("Ctrl+Shift+Tab"), S.PreviousWindow1},
      {QKeySequence("Ctrl+W"), F.Form.Close1},
      {QKeySequence("Ctrl+Shift+W"), F.Form.CloseAll1},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Keys.toString().toStdString());
    EXPECT_TRUE(C.Command->shortcuts().contains(C.Keys));
    if (F.Windows().contains(Code)) {
      for (TCodeFRM* W : F.Windows()) {
        W->FillText("abc");
        W->tbCode->ClearUndo();
      }
      QWidget* Host = F.Focus(Code);
      ASSERT_EQ(QApplication::focusWidget(), Host);
      C.Command->setEnabled(true);  // the command's own state is another test's concern
    }
    QSignalSpy Triggered(C.Command, &QAction::triggered);
    F.Press(QApplication::focusWidget() ? QApplication::focusWidget() : &F.Form, C.Keys);
    EXPECT_EQ(Triggered.count(), 1);
    for (TCodeFRM* W : F.Windows())
      EXPECT_EQ(F.Text(W), "abc");
  }
  Q_UNUSED(First);
}

TEST(Shell, EditorKeysActOnceWhetherEditorOrMenuTakesThem) {
  ShellFixture F;
  TCodeFRM* Code = F.Open("a.yor", "");
  TQtControlHost* Host = F.Focus(Code);
  QTest::keyClicks(Host, "ab");
  F.Press(Host, QKeySequence("Ctrl+A"));
  F.Press(Host, QKeySequence("Ctrl+X"));
  EXPECT_EQ(F.Text(Code), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "ab");
  F.Press(Host, QKeySequence("Ctrl+V"));
  EXPECT_EQ(F.Text(Code), "ab");  // pasted once, not twice
  F.Press(Host, QKeySequence("Ctrl+Z"));
  EXPECT_EQ(F.Text(Code), "");
  F.Press(Host, QKeySequence("Ctrl+Y"));
  EXPECT_EQ(F.Text(Code), "ab");
  F.Press(Host, QKeySequence("Ctrl+Z"));
  F.Press(Host, QKeySequence("Ctrl+Shift+Z"));
  EXPECT_EQ(F.Text(Code), "ab");
  F.Press(Host, QKeySequence("Ctrl+A"));
  F.Press(Host, QKeySequence("Delete"));  // the editor's own key
  EXPECT_EQ(F.Text(Code), "");
}

TEST(Shell, CommandsAreEnabledOnlyWhenTheyCanAct) {
  ShellFixture F;
  for (QAction* A : {F.Form.Save1, F.Form.Close1, F.Form.Undo1, F.Form.Redo1, F.Form.Copy1,
                     F.Form.Run1, F.Form.BuildandRun1, F.Form.toolBuBuild, F.Form.Cascade1,
                     F.Form.Shell->NextWindow1})
    EXPECT_FALSE(A->isEnabled()) << A->text().toStdString();
  EXPECT_TRUE(F.Form.New1->isEnabled());

  TCodeFRM* Code = F.Form.NewCodeWindow(F.Path("a.yor"), "a.yor");
  EXPECT_TRUE(F.Form.Save1->isEnabled());
  EXPECT_FALSE(F.Form.Undo1->isEnabled());
  QTest::keyClicks(F.Focus(Code), "x");
  EXPECT_TRUE(F.Form.Undo1->isEnabled());
  EXPECT_FALSE(F.Form.Copy1->isEnabled());
  Code->tbCode->SelectAll();
  EXPECT_TRUE(F.Form.Copy1->isEnabled());
  F.Form.Undo1->trigger();
  EXPECT_TRUE(F.Form.Redo1->isEnabled());
  EXPECT_FALSE(F.Form.Run1->isEnabled());

  F.Write("lib.yor", "");
  F.Form.OpenProjectFile(F.Write("P.ypr", "lib.yor\r\n"));
  EXPECT_TRUE(F.Form.Run1->isEnabled());
  EXPECT_TRUE(F.Form.toolBuRun->isEnabled());
  EXPECT_EQ(F.Form.toolBuBuild->toolTip(), "Build (F9)");

  F.Form.CloseAll1Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(F.Form.Save1->isEnabled());
}

TEST(Shell, RecentListsAndTheSessionSurviveANewMainWindow) {
  FreshSettings Fresh;
  TScriptedDialogs Dialogs;
  QTemporaryDir Dir;
  const auto Write = [&](const QString& Name, const QByteArray& Bytes) {
    QFile File(Dir.filePath(Name));
    File.open(QIODevice::WriteOnly);
    File.write(Bytes);
    return Dir.filePath(Name);
  };
  QByteArray Long;
  for (int I = 1; I <= 200; ++I)
    Long += "line " + QByteArray::number(I) + "\r\n";
  const QString Main = Write("main.yor", Long);
  const QString Lib = Write("lib.yor", "library\r\n");
  const QString Gone = Write("gone.yor", "soon gone\r\n");
  const QString Project = Write("P.ypr", "main.yor\r\nlib.yor\r\n");
  {
    TMainFRM Form;
    Form.show();
    Form.OpenProjectFile(Project);
    TCodeFRM* Code = Form.ActiveCodeForm();
    Code->tbCode->SetSelStart(30);
    Code->tbCode->SetSelLength(4);
    Code->tbCode->VisibleRange()->SetStartRowCol(TTextCell{50, 1});
    Form.OpenSourceFile(Gone, "gone.yor");
    Form.OpenSourceFile(Lib, "lib.yor");
    Form.MdiArea()->setActiveSubWindow(Code);
    Form.Shell->TabbedDocuments1->trigger();
    Dialogs.Answers = {TModalResult::mrYes};
    ASSERT_TRUE(Form.close());
  }
  QFile::remove(Gone);
  TMainFRM Form;
  Form.show();
  EXPECT_EQ(Form.Shell->RecentProjects.Items(), QStringList{Project});
  EXPECT_EQ(Form.Shell->RecentFiles.Items(), (QStringList{Lib, Gone, Main}));
  QStringList Reopen;
  for (QAction* A : Form.Shell->Reopen1->actions())
    if (!A->isSeparator()) Reopen << (A->text() + (A->isEnabled() ? "" : " (greyed)"));
  EXPECT_EQ(Reopen, (QStringList{Project, Lib, Gone + " (greyed)", Main, "Remove Missing",
                                 "Clear"}));

  Form.Shell->RestoreSession();
  EXPECT_EQ(Dialogs.Calls.size(), 1u);  // only the question on closing: no error box
  EXPECT_TRUE(Form.statusBar()->currentMessage().contains("gone.yor"));
  EXPECT_EQ(Form.MdiArea()->viewMode(), QMdiArea::TabbedView);
  EXPECT_EQ(Form.projectFilePath, Project);
  QStringList Paths;
  for (QMdiSubWindow* W : Form.MdiArea()->subWindowList(QMdiArea::CreationOrder))
    Paths << static_cast<TCodeFRM*>(W)->strFile;
  EXPECT_EQ(Paths, (QStringList{Main, Lib}));
  TCodeFRM* Code = Form.ActiveCodeForm();
  ASSERT_NE(Code, nullptr);
  EXPECT_EQ(Code->strFile, Main);
  EXPECT_EQ(Code->tbCode->SelStart(), 30);
  EXPECT_EQ(Code->tbCode->SelLength(), 4);
  EXPECT_EQ(Code->tbCode->VisibleRange()->FTopRow, 50);

  Form.Shell->Reopen1->actions().last()->trigger();  // Clear
  QCoreApplication::processEvents();
  EXPECT_TRUE(Form.Shell->RecentFiles.Items().isEmpty());
  EXPECT_FALSE(Form.Shell->Reopen1->actions().last()->isEnabled());
  Code->bFileChanged = false;
  Form.CloseAll1Click();
}

// Loading one choice must not write the others over before they are read.
TEST(Shell, ViewChoicesSurviveANewMainWindow) {
  FreshSettings Fresh;
  TScriptedDialogs Dialogs;
  {
    TMainFRM Form;
    for (QAction* Toggle : {Form.Shell->ToolBars1, Form.Shell->ProjectTree1, Form.Shell->StatusBar1})
      Toggle->trigger();
    Form.Shell->ZoomIn1->trigger();
    Form.Shell->ZoomIn1->trigger();
  }
  TMainFRM Form;
  EXPECT_FALSE(Form.Shell->ToolBars1->isChecked());
  EXPECT_FALSE(Form.Shell->ProjectTree1->isChecked());
  EXPECT_FALSE(Form.Shell->StatusBar1->isChecked());
  EXPECT_FALSE(Form.panFiles->isVisibleTo(&Form));
  EXPECT_EQ(Form.Shell->Zoom(), 2);
}

TEST(Shell, CorruptSettingsFallBackToDefaultsWithOneNote) {
  FreshSettings Fresh;
  const QString Path = UserSettings()->fileName();
  QDir().mkpath(QFileInfo(Path).path());
  struct {
    QByteArray Bytes;
    bool Noted;  // malformed as a whole, not only in its values
  } Cases[] = {
      {"[view\nzoom=\"unterminated\n\x01\x02\xff\xfe[[[=\n", true},
      {"[view]\nzoom=lots\ntoolBars=perhaps\n[editor]\nfontSize=-3\n", false},
  };
  for (const auto& C : Cases) {
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write(C.Bytes);
    File.close();
    TScriptedDialogs Dialogs;
    TMainFRM Form;
    EXPECT_EQ(Form.statusBar()->currentMessage().isEmpty(), !C.Noted);
    EXPECT_EQ(Form.Shell->Zoom(), 0);
    EXPECT_TRUE(Form.Shell->ToolBars1->isChecked());
    EXPECT_TRUE(Dialogs.Calls.empty());
    TCodeFRM* Code = Form.NewCodeWindow("x.yor", "x.yor");
    EXPECT_EQ(Code->tbCode->Font()->Height(), -13);
  }
  // A file that cannot be read at all.
  QFile::setPermissions(Path, QFileDevice::Permissions());
  {
    TMainFRM Form;
    if (!QFileInfo(Path).isReadable()) {
      EXPECT_FALSE(Form.statusBar()->currentMessage().isEmpty());
    }
  }
  QFile::setPermissions(Path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(Shell, ZoomChangesTheFontInEveryWindow) {
  ShellFixture F;
  TCodeFRM* A = F.Open("a.yor", "a");
  TCodeFRM* B = F.Open("b.yor", "b");
  F.Form.Shell->ZoomIn1->trigger();
  F.Form.Shell->ZoomIn1->trigger();
  for (TCodeFRM* W : {A, B})
    EXPECT_EQ(W->tbCode->Font()->Height(), -15);
  QWheelEvent Wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(F.Host(B)->viewport(), &Wheel);
  for (TCodeFRM* W : {A, B})
    EXPECT_EQ(W->tbCode->Font()->Height(), -14);
  TCodeFRM* C = F.Open("c.yor", "c");
  EXPECT_EQ(C->tbCode->Font()->Height(), -14);  // new windows follow
  F.Form.Shell->ZoomReset1->trigger();
  for (TCodeFRM* W : {A, B, C})
    EXPECT_EQ(W->tbCode->Font()->Height(), -13);
}

TEST(Shell, LineNumbersToggleInEveryWindowAndAreRemembered) {
  ShellFixture F;
  TCodeFRM* A = F.Open("a.yor", "a");
  TCodeFRM* B = F.Open("b.yor", "b");
  const int WithGutter = A->tbCode->LeftMargin();
  F.Form.Shell->Gutter1->trigger();
  for (TCodeFRM* W : {A, B})
    EXPECT_LT(W->tbCode->LeftMargin(), WithGutter);
  TMainFRM Again;
  EXPECT_FALSE(Again.Shell->Gutter1->isChecked());
  F.Form.Shell->Gutter1->trigger();
  for (TCodeFRM* W : {A, B})
    EXPECT_EQ(W->tbCode->LeftMargin(), WithGutter);
}

TEST(Shell, TheGutterWidensForTheRowNumbersOfALongTextAndNarrowsAgain) {
  ShellFixture F;
  QByteArray Text;
  for (int Row = 0; Row < 120000; ++Row)
    Text += "x\r\n";
  TCodeFRM* A = F.Open("a.yor", "a");
  TSourceEdit& E = *A->tbCode;
  const int Short = E.LeftMargin();
  TCodeFRM* B = F.Open("b.yor", Text);
  // Six digits and the gutter's edge.
  EXPECT_GE(B->tbCode->LeftMargin(), 6 * B->tbCode->CellWidth() + 10);
  EXPECT_GT(B->tbCode->LeftMargin(), Short);
  // Edits follow: the same text pasted, then taken away again.
  E.SetText(QString::fromLatin1(Text));
  EXPECT_EQ(E.LeftMargin(), B->tbCode->LeftMargin());
  E.SelectAll();
  E.Selection()->SetText(QStringLiteral("x"));
  EXPECT_EQ(E.LeftMargin(), Short);
}

TEST(Shell, OptionsApplyToOpenWindowsAndResetRestoresTheDefinition) {
  ShellFixture F;
  TCodeFRM* Code = F.Open("a.yor", "mov eax, 1");
  const TWordList* First = Code->tbCode->SyntaxColoring()->WordLists()->Items(0);
  const TColor Original = First->Color();
  const auto Options = [&](std::function<void(TOptionsDialog&)> Act) {
    F.Dialogs.ModalAnswers.push_back([Act](QDialog& Dialog) {
      auto& Options = static_cast<TOptionsDialog&>(Dialog);
      Act(Options);
      Options.Apply();
      return TModalResult::mrOk;
    });
    F.Form.Options1->trigger();
  };
  Options([](TOptionsDialog& Dialog) {
    ASSERT_TRUE(Dialog.ShowPage("Colours"));
    auto* Page = static_cast<TColoursPage*>(Dialog.CurrentPage());
    Page->Entries->setCurrentRow(0);
    Page->SetCurrentColor(clRed);
    EXPECT_EQ(Page->Preview()->SyntaxColoring()->WordLists()->Items(0)->Color(), clRed);
    ASSERT_TRUE(Dialog.ShowPage("Editor"));
  });
  EXPECT_EQ(First->Color(), clRed);
  EXPECT_EQ(TColoursPage(F.Form.Shell->DefinitionColourings()).Colourings().front().Color,
            Original);  // the definition itself is untouched

  Options([](TOptionsDialog& Dialog) {
    Dialog.ShowPage("Colours");
    static_cast<TColoursPage*>(Dialog.CurrentPage())->ResetToDefaults();
  });
  EXPECT_EQ(First->Color(), Original);
  UserSettings()->setValue(SettingsKey::EditorTabSize, 8);
  F.Form.Shell->ApplySettings();
  EXPECT_EQ(Code->tbCode->TabSize(), 8);
}

TEST(Shell, TabbedModeAndTheWindowList) {
  ShellFixture F;
  TCodeFRM* A = F.Open("a.yor", "a");
  TCodeFRM* B = F.Open("b.yor", "b");
  F.Form.Shell->TabbedDocuments1->trigger();
  EXPECT_EQ(F.Form.MdiArea()->viewMode(), QMdiArea::TabbedView);
  EXPECT_TRUE(F.Form.MdiArea()->tabsClosable());
  EXPECT_TRUE(F.Form.MdiArea()->tabsMovable());
  F.Form.MdiArea()->setActiveSubWindow(A);
  emit F.Form.Window1->aboutToShow();
  QStringList Items;
  for (QAction* Item : F.Form.Window1->actions())
    if (Item->isCheckable()) Items << Item->text() + (Item->isChecked() ? " *" : "");
  EXPECT_EQ(Items, (QStringList{"&1 a.yor *", "&2 b.yor"}));
  F.Form.Shell->NextWindow1->trigger();
  EXPECT_EQ(F.Form.MdiArea()->activeSubWindow(), B);
  F.Form.Shell->TabbedDocuments1->trigger();
  EXPECT_EQ(F.Form.MdiArea()->viewMode(), QMdiArea::SubWindowView);
}

TEST(Shell, DarkThemeReachesTheEditorWithReadableColours) {
  ShellFixture F;
  TCodeFRM* Code = F.Open("a.yor", "mov eax, 1");
  UserSettings()->setValue(SettingsKey::AppearanceTheme, "dark");
  F.Form.Shell->ApplySettings();
  EXPECT_TRUE(IsDarkPalette());
  const QColor Background = ToQColor(Code->tbCode->Color());
  EXPECT_LT(Background.lightness(), 64);
  const TColourings& Used = F.Form.Shell->EffectiveColourings();
  for (const TColouring& C : ColouringsOf(*Code->tbCode->SyntaxColoring()))
    EXPECT_TRUE(std::any_of(Used.begin(), Used.end(),
                            [&](const TColouring& U) { return U.Color == C.Color; }));
  const TColor Back = ColorToRGB(Code->tbCode->Color());
  EXPECT_FALSE(Code->tbCode->GutterColors == TMemoComponent::TGutterColors{});
  for (const TColouring& C : Used)
    EXPECT_EQ(ReadableOn(C.Color, Back), C.Color) << C.Caption.toStdString();
  Code->grab().save(QStringLiteral("dark-editor.png"));
}

// Not a check: renders the menus and the Options dialog into the build folder to look at.
TEST(Shell, RendersMenusAndOptionsToLookAt) {
  ShellFixture F;
  F.Open("a.yor", "mov eax, 1");
  for (QMenu* Menu : {F.Form.File1, F.Form.Edit1, F.Form.View1, F.Form.Window1, F.Form.Help1}) {
    emit Menu->aboutToShow();
    Menu->popup(F.Form.mapToGlobal(QPoint(0, 0)));
    QCoreApplication::processEvents();
    Menu->grab().save(QStringLiteral("menu-%1.png").arg(Menu->title().remove(u'&')));
    Menu->hide();
  }
  F.Dialogs.ModalAnswers.push_back([](QDialog& Dialog) {
    auto& Options = static_cast<TOptionsDialog&>(Dialog);
    Dialog.resize(640, 520);
    Dialog.show();
    for (const QString Page : {"Editor", "Colours", "Files", "Appearance"}) {
      Options.ShowPage(Page);
      QCoreApplication::processEvents();
      Dialog.grab().save(QStringLiteral("options-%1.png").arg(Page));
    }
    return TModalResult::mrCancel;
  });
  F.Form.Options1->trigger();
}

TEST(Shell, FileDialogsStartInTheFolderUsedLast) {
  ShellFixture F;
  const QString Chosen = F.Write("deep/er/x.yor", "x");
  F.Dialogs.FileAnswers = {Chosen};
  F.Form.open1->trigger();
  TMainFRM Again;
  Again.OpenProject1->trigger();
  ASSERT_EQ(F.Dialogs.FileCalls.size(), 2u);
  EXPECT_EQ(F.Dialogs.FileCalls[1].InitialFolder, QFileInfo(Chosen).absolutePath());
}
