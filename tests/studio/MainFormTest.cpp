// The main window: its menus, tree, settings, closing and window arrangement.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "ScriptedDialogs.h"
#include "StudioFixture.h"
#include "platform/qt/QtControlHost.h"
#include "studio/MainForm.h"

namespace {
// Runs the test body with the working directory in a fresh temporary folder.
struct InTemporaryFolder {
  InTemporaryFolder() : Previous(QDir::currentPath()) { QDir::setCurrent(Dir.path()); }
  ~InTemporaryFolder() { QDir::setCurrent(Previous); }
  void Write(const QString& Name, const QByteArray& Bytes) {
    QFile File(Dir.filePath(Name));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
  }
  QTemporaryDir Dir;
  QString Previous;
};

class TRefusingChild : public QWidget {
 protected:
  void closeEvent(QCloseEvent* Event) override { Event->ignore(); }
};

QMdiSubWindow* AddChild(TMainFRM& Form, QWidget* Widget = nullptr) {
  QMdiSubWindow* Child = Form.MdiArea()->addSubWindow(Widget ? Widget : new QWidget);
  Child->setAttribute(Qt::WA_DeleteOnClose);
  Child->show();
  return Child;
}
}  // namespace

TEST(MainForm, MenusAsStored) {
  TMainFRM Form;
  QStringList Bar;
  for (QAction* A : Form.MainMenu1->actions())
    Bar << A->text();
  EXPECT_EQ(Bar, (QStringList{"&File", "&Edit", "&Search", "&View", "&Project", "&Tools", "&Window",
                              "&Help"}));
  struct {
    QAction* Item;
    QString Caption;
    int Image;
    QString Keys;  // the first of the command's shortcuts
  } Items[] = {
      {Form.New1, "New", 4, "Ctrl+N"},
      {Form.open1, "Open", -1, "Ctrl+O"},
      {Form.OpenProject1, "Open Project", -1, "Ctrl+Shift+O"},
      {Form.Save1, "Save", -1, "Ctrl+S"},
      {Form.SaveAs1, "Save As", -1, "Ctrl+Alt+S"},
      {Form.SaveAll1, "Save All", -1, "Ctrl+Shift+S"},
      {Form.Close1, "Close", -1, "Ctrl+W"},
      {Form.CloseAll1, "Close All", -1, "Ctrl+Shift+W"},
      {Form.Exit1, "Exit", -1, "Ctrl+Q"},
      {Form.Undo1, "Undo", -1, "Ctrl+Z"},
      {Form.Redo1, "Redo", -1, "Ctrl+Y"},
      {Form.Cut1, "Cut", -1, "Ctrl+X"},
      {Form.Copy1, "Copy", -1, "Ctrl+C"},
      {Form.Paste1, "Paste", -1, "Ctrl+V"},
      {Form.DElete1, "Delete", -1, "Del"},
      {Form.SelectAll1, "Select All", -1, "Ctrl+A"},
      {Form.Run1, "Build", 1, "F9"},
      {Form.BuildandRun1, "Build && Run", 0, "Ctrl+F9"},
      {Form.Cascade1, "Cascade", -1, ""},
      {Form.ile1, "Tile", -1, ""},
  };
  for (const auto& I : Items) {
    EXPECT_EQ(I.Item->text(), I.Caption);
    EXPECT_EQ(I.Item->icon().isNull(), I.Image < 0) << I.Caption.toStdString();
    EXPECT_EQ(I.Item->shortcut().toString(), I.Keys) << I.Caption.toStdString();
    if (I.Image >= 0) {
      EXPECT_EQ(I.Item->icon().cacheKey(), Form.ilMenu[I.Image].cacheKey())
          << I.Caption.toStdString();
    }
  }
  EXPECT_EQ(Form.ilMenu.size(), 5u);
  for (const QIcon& Icon : Form.ilMenu)
    EXPECT_FALSE(Icon.pixmap(16, 16).isNull());
}

TEST(MainForm, StartsWithTheProjectRootAndNoProject) {
  TMainFRM Form;
  EXPECT_EQ(Form.windowTitle(), "Yorel Studio Express");
  ASSERT_EQ(Form.tvFiles->topLevelItemCount(), 1);
  EXPECT_EQ(Form.tvFiles->topLevelItem(0)->text(0), "Project");
  EXPECT_EQ(Form.tvFiles->topLevelItem(0)->childCount(), 0);
  EXPECT_EQ(Form.curFileList->Count(), 0);
  EXPECT_TRUE(Form.projectFilePath.isEmpty());
  EXPECT_TRUE(Form.wordLists.empty());
  EXPECT_EQ(Form.MdiArea()->subWindowList().size(), 0);
}

TEST(MainForm, CompilerLocationFromTheSettingsFile) {
  struct {
    QByteArray Ini;  // empty: no file
    QString Expected;
  } Cases[] = {
      {"", "compiler\\Yorel.exe"},
      {"[compiler]\r\nlocation=\r\n", ""},
      {"[Compiler]\r\nLOCATION = \"C:\\Yorel\\yc.exe\"\r\n", "C:\\Yorel\\yc.exe"},
  };
  for (const auto& C : Cases) {
    InTemporaryFolder Folder;
    if (!C.Ini.isEmpty()) Folder.Write("config.ini", C.Ini);
    TMainFRM Form;
    EXPECT_EQ(Form.compilerLoc, C.Expected);
  }
}

TEST(MainForm, ClosingAsksEveryTimeAndNoKeepsEverything) {
  TScriptedDialogs Dialogs;
  TMainFRM Form;
  Form.show();
  QMdiSubWindow* Child = AddChild(Form);
  Dialogs.Answers = {TModalResult::mrNo};
  Form.Exit1->trigger();
  ASSERT_EQ(Dialogs.Calls.size(), 1u);
  EXPECT_EQ(Dialogs.Calls[0].Owner, &Form);
  EXPECT_EQ(Dialogs.Calls[0].Text, "Are you sure?");
  EXPECT_EQ(Dialogs.Calls[0].Caption, "Close");
  EXPECT_EQ(Dialogs.Calls[0].Buttons, TMsgButtons::mbYesNo);
  EXPECT_EQ(Dialogs.Calls[0].Icon, TMsgIcon::Question);
  EXPECT_TRUE(Form.isVisible());
  EXPECT_TRUE(Child->isVisible());
  Dialogs.Answers = {TModalResult::mrYes};
  EXPECT_TRUE(Form.close());
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Form.MdiArea()->subWindowList().size(), 0);
}

TEST(MainForm, AChildThatStaysOpenEndsTheClosing) {
  TScriptedDialogs Dialogs;
  TMainFRM Form;
  Form.show();
  QMdiSubWindow* First = AddChild(Form);
  AddChild(Form, new TRefusingChild);
  QMdiSubWindow* Last = AddChild(Form);
  Dialogs.Answers = {TModalResult::mrYes};
  EXPECT_FALSE(Form.close());
  EXPECT_TRUE(Form.isVisible());
  const auto Open = Form.MdiArea()->subWindowList();
  EXPECT_FALSE(Open.contains(Last));  // closed before the refusing one
  EXPECT_TRUE(Open.contains(First));
}

// Cancel on an editor window's question ends Close All and the closing of the main window,
// before any other window has closed.
TEST(MainForm, CancelOnACloseQuestionEndsTheWholeClosing) {
  const struct {
    const char* Name;
    std::deque<TModalResult> Answers;  // "Are you sure?" first for the main window
    std::function<void(TMainFRM&)> Close;
  } Closings[] = {
      {"main window", {TModalResult::mrYes, TModalResult::mrCancel}, [](TMainFRM& F) { F.close(); }},
      {"Close All", {TModalResult::mrCancel}, [](TMainFRM& F) { F.CloseAll1Click(); }},
  };
  for (const auto& C : Closings) {
    StudioFixture S;
    S.Form.OpenPaths({S.Write("a.yor", "a"), S.Write("b.yor", "b")});
    S.Windows().last()->tbCode->SetText("changed");
    S.Dialogs.Answers = C.Answers;
    C.Close(S.Form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(S.Form.isVisible()) << C.Name;
    EXPECT_EQ(S.Windows().size(), 2) << C.Name;
    EXPECT_EQ(S.Dialogs.Calls.back().Buttons, TMsgButtons::mbYesNoCancel) << C.Name;
  }
}

TEST(MainForm, CloseClosesTheActiveChildAndCloseAllTheRest) {
  TMainFRM Form;
  Form.show();
  Form.Close1->trigger();  // nothing open: nothing happens
  QMdiSubWindow* First = AddChild(Form);
  AddChild(Form);
  QMdiSubWindow* Active = AddChild(Form);
  Form.MdiArea()->setActiveSubWindow(Active);
  Form.Close1->trigger();
  QCoreApplication::processEvents();  // deferred deletes
  EXPECT_EQ(Form.MdiArea()->subWindowList().size(), 2);
  EXPECT_TRUE(Form.MdiArea()->subWindowList().contains(First));
  Form.CloseAll1->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(Form.MdiArea()->subWindowList().size(), 0);
}

TEST(MainForm, TileStacksChildrenFullWidth) {
  TMainFRM Form;
  Form.show();
  for (int I = 0; I < 3; ++I)
    AddChild(Form);
  Form.ile1->trigger();
  const int Width = Form.MdiArea()->viewport()->width();
  int Top = 0;
  for (QMdiSubWindow* Child : Form.MdiArea()->subWindowList()) {
    EXPECT_EQ(Child->geometry().width(), Width);
    EXPECT_EQ(Child->geometry().top(), Top);
    Top = Child->geometry().bottom() + 1;
  }
  Form.Cascade1->trigger();
  EXPECT_NE(Form.MdiArea()->subWindowList()[1]->geometry().width(), Width);
}

// However small tiling makes them, editor windows keep their text above the status bar and
// the status panels whole inside it. Screenshots go to the build folder.
TEST(MainForm, TiledWindowsKeepTheTextAboveTheStatusBar) {
  for (const QSize Size : {QSize(730, 560), QSize(600, 440), QSize(520, 360)}) {
    StudioFixture S;
    for (const char* Name : {"a.yor", "b.yor", "c.yor", "d.yor", "e.yor"})
      S.Form.OpenPaths({S.Write(Name, "mov eax, 1\r\nret")});
    S.Form.resize(Size);
    QCoreApplication::processEvents();
    S.Form.ile1Click();
    QCoreApplication::processEvents();
    for (TCodeFRM* Code : S.Windows()) {
      const QWidget* Client = Code->widget();
      const QRect Editor(Code->findChild<TQtControlHost*>()->mapTo(Client, QPoint()),
                         Code->findChild<TQtControlHost*>()->size());
      const QRect Bar(Code->EdStatBar->mapTo(Client, QPoint()), Code->EdStatBar->size());
      EXPECT_LT(Editor.bottom(), Bar.top()) << Size.height();
      EXPECT_TRUE(Client->rect().contains(Bar)) << Size.height();
      EXPECT_TRUE(Code->rect().contains(QRect(Client->pos(), Client->size()))) << Size.height();
      for (int I = 0; I < 3; ++I)
        EXPECT_TRUE(Code->EdStatBar->rect().contains(Code->Panel(I)->geometry()))
            << Size.height() << " panel " << I;
    }
    QCoreApplication::processEvents();  // the area lays out its scroll bars
    S.Form.grab().save(QDir::current().filePath(
        QStringLiteral("tiled-%1x%2.png").arg(Size.width()).arg(Size.height())));
  }
}
