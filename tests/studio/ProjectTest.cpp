// Projects and source files: the project file, the tree, Open, Save, Save As and Save All.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "platform/qt/QtControlHost.h"

#include "StudioFixture.h"
#include "studio/ProjectFile.h"

TEST(ProjectFile, BreaksMarksAndNul) {
  StudioFixture S;
  const QStringList Three{"main.yor", "b.yor", "c.yor"};
  const struct {
    const char* Name;
    QByteArray Bytes;
    QStringList Entries;
  } Cases[] = {
      {"CR LF", "main.yor\r\nb.yor\r\nc.yor\r\n", Three},
      {"no last break", "main.yor\r\nb.yor\r\nc.yor", Three},
      {"LF with UTF-8 mark", "\xEF\xBB\xBFmain.yor\nb.yor\nc.yor\n", Three},
      {"CR", "main.yor\rb.yor\rc.yor", Three},
      {"NUL ends the text", QByteArray("main.yor\r\nb.yor\r\nc.yor\r\n\0d.yor\r\n", 30), Three},
      {"empty line kept", "main.yor\r\n\r\nc.yor\r\n", {"main.yor", "", "c.yor"}},
      {"empty file", "", {}},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(ReadProjectFile(S.Write("p.ypr", Case.Bytes)), Case.Entries) << Case.Name;
  WriteProjectFile(S.Path("w.ypr"), {"Demo.yor", "lib/util.yor"});
  EXPECT_EQ(S.Read("w.ypr"), "Demo.yor\r\nlib/util.yor\r\n");
}

TEST(Project, OpenShowsTreeReversedAndOpensOnlyTheMainFile) {
  StudioFixture S;
  S.Write("main.yor", "main");
  S.Write("b.yor", "b");
  S.Write("c.yor", "c");
  S.Dialogs.FileAnswers = {S.Write("p.ypr", "main.yor\r\nb.yor\r\nc.yor\r\n")};
  S.Form.OpenProject1Click();
  ASSERT_EQ(S.Dialogs.FileCalls.size(), 1u);
  EXPECT_EQ(S.Dialogs.FileCalls[0].Filter, "Yorel Project File (*.ypr)|*.ypr");
  EXPECT_EQ(S.Dialogs.FileCalls[0].DefaultExt, ".ypr");
  EXPECT_TRUE(S.Dialogs.FileCalls[0].InitialFolder.endsWith("projects"));
  EXPECT_EQ(S.TreeNames(), (QStringList{"c.yor", "b.yor", "main.yor"}));
  EXPECT_EQ(S.Form.tvFiles->topLevelItem(0)->child(2)->data(0, Qt::UserRole), "main.yor");
  EXPECT_TRUE(S.Form.tvFiles->topLevelItem(0)->isExpanded());
  ASSERT_EQ(S.Windows().size(), 1);
  EXPECT_EQ(S.Windows()[0]->windowTitle(), "main.yor");
  EXPECT_EQ(S.Windows()[0]->tbCode->Lines()->Text(), "main");
}

// Entries are found in the project's folder whatever the working directory is.
TEST(Project, EntriesResolveAgainstTheProjectFolder) {
  StudioFixture S;
  S.Write("proj/lib/util.yor", "util");
  S.Form.OpenPaths({S.Write("proj/p.ypr", "lib/util.yor\r\n")});
  ASSERT_EQ(S.Windows().size(), 1);
  EXPECT_EQ(S.Windows()[0]->strFile, S.Path("proj/lib/util.yor"));
  EXPECT_EQ(S.Windows()[0]->tbCode->Lines()->Text(), "util");
}

// A window that stays open when the project switches (Cancel on its question, or a save
// that fails) ends the switch: the old project, its tree and its windows stay as they were.
TEST(Project, AWindowThatStaysOpenKeepsTheOldProject) {
  const struct {
    const char* Name;
    TModalResult Answer;
    bool SaveFails;
  } Cases[] = {{"Cancel", TModalResult::mrCancel, false}, {"failed save", TModalResult::mrYes, true}};
  for (const auto& C : Cases) {
    StudioFixture S;
    S.Write("old/main.yor", "old");
    S.Write("old/b.yor", "b");
    S.Write("new/main.yor", "new");
    S.Form.OpenPaths({S.Write("old/old.ypr", "main.yor\r\nb.yor\r\n")});
    TCodeFRM* Code = S.Windows()[0];
    if (C.SaveFails) {
      QDir().mkpath(S.Path("old/folder.yor"));
      Code->SetFile(S.Path("old/folder.yor"), "folder.yor");
    }
    Code->tbCode->SetText("changed");
    S.Dialogs.Answers = {C.Answer};
    S.Dialogs.FileAnswers = {S.Write("new/new.ypr", "main.yor\r\n")};
    S.Form.OpenProject1Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(S.Form.projectFilePath, S.Path("old/old.ypr")) << C.Name;
    EXPECT_EQ(S.Entries(), (QStringList{"main.yor", "b.yor"})) << C.Name;
    EXPECT_EQ(S.TreeNames(), (QStringList{"b.yor", "main.yor"})) << C.Name;
    ASSERT_EQ(S.Windows(), QList<TCodeFRM*>{Code}) << C.Name;
    EXPECT_EQ(Code->tbCode->Lines()->Text(), "changed") << C.Name;
    EXPECT_TRUE(Code->bFileChanged) << C.Name;
  }
}

TEST(Project, RejectedProjects) {
  const struct {
    QByteArray Bytes;
    QString Message;
  } Cases[] = {{"", "An error occured loading the project"},
               {"\r\nmain.yor\r\n", "Invalid Y project file"},
               {"missing.yor\r\n", "Invalid Y project file"}};
  for (const auto& Case : Cases) {
    StudioFixture S;
    S.Write("main.yor", "main");
    S.Form.OpenProjectFile(S.Write("p.ypr", Case.Bytes));
    ASSERT_EQ(S.Dialogs.Calls.size(), 1u) << Case.Message.toStdString();
    EXPECT_EQ(S.Dialogs.Calls[0].Text, Case.Message);
    EXPECT_EQ(S.Dialogs.Calls[0].Caption, "Error");
    EXPECT_EQ(S.Dialogs.Calls[0].Icon, TMsgIcon::Error);
    EXPECT_TRUE(S.Windows().isEmpty());
    EXPECT_TRUE(S.TreeNames().isEmpty());
  }
}

TEST(Project, TreeClickActivatesTheOpenWindowOrOpensOne) {
  StudioFixture S;
  S.Write("main.yor", "main");
  S.Write("b.yor", "b");
  S.Form.OpenProjectFile(S.Write("p.ypr", "main.yor\r\nb.yor\r\n"));
  QTreeWidgetItem* Root = S.Form.tvFiles->topLevelItem(0);
  S.Form.tvFiles->setCurrentItem(Root->child(0));  // b.yor
  S.Form.tvFilesClick();
  ASSERT_EQ(S.Windows().size(), 2);
  EXPECT_EQ(S.Form.ActiveCodeForm()->windowTitle(), "b.yor");
  S.Form.tvFiles->setCurrentItem(Root->child(1));  // main.yor, already open
  S.Form.tvFilesClick();
  EXPECT_EQ(S.Windows().size(), 2);
  EXPECT_EQ(S.Form.ActiveCodeForm()->windowTitle(), "main.yor");
  S.Form.tvFiles->setCurrentItem(Root);
  S.Form.tvFilesClick();
  EXPECT_EQ(S.Windows().size(), 2);
}

TEST(Project, OpenTwiceOpensTwoWindows) {
  StudioFixture S;
  const QString File = S.Write("a.yor", "a");
  S.Dialogs.FileAnswers = {File, File};
  S.Form.open1Click();
  S.Form.open1Click();
  EXPECT_EQ(S.Dialogs.FileCalls[0].Filter, "Yorel Source File (*.yor)|*.yor");
  ASSERT_EQ(S.Windows().size(), 2);
  EXPECT_EQ(S.Windows()[1]->strFile, File);
  EXPECT_EQ(S.Form.curFileList->Count(), 0);
}

TEST(Project, SaveAllWritesEveryWindow) {
  StudioFixture S;
  S.Form.OpenPaths({S.Write("a.yor", "a"), S.Write("b.yor", "b")});
  for (TCodeFRM* Code : S.Windows())
    Code->tbCode->SetText("new");
  S.Form.SaveAll1Click();
  EXPECT_EQ(S.Read("a.yor"), "new");
  EXPECT_EQ(S.Read("b.yor"), "new");
  EXPECT_FALSE(S.Windows()[0]->bFileChanged);
}

// The text reaches the new file at once and the project file lists the new name.
TEST(Project, SaveAsRenamesTheProjectEntry) {
  StudioFixture S;
  S.Write("main.yor", "main");
  S.Write("b.yor", "b");
  S.Form.OpenProjectFile(S.Write("p.ypr", "main.yor\r\nb.yor\r\n"));
  TCodeFRM* Code = S.Windows()[0];
  Code->tbCode->SetText("changed");
  S.Dialogs.FileAnswers = {S.Path("lib/renamed.yor")};
  QDir(S.Dir.path()).mkdir("lib");
  S.Form.SaveAs1Click();
  EXPECT_EQ(S.Read("lib/renamed.yor"), "changed");
  EXPECT_EQ(S.Read("main.yor"), "main");
  EXPECT_FALSE(Code->bFileChanged);
  EXPECT_EQ(Code->windowTitle(), "lib/renamed.yor");
  EXPECT_EQ(S.Read("p.ypr"), "lib/renamed.yor\r\nb.yor\r\n");
  EXPECT_EQ(S.TreeNames(), (QStringList{"b.yor", "renamed.yor"}));
}

// The user's history starts at the loaded text: one Undo after typing takes back the typing,
// never the load, however the window was filled.
TEST(Project, UndoAfterTypingKeepsTheLoadedText) {
  const std::vector<std::pair<const char*, std::function<void(StudioFixture&)>>> Ways = {
      {"Open",
       [](StudioFixture& S) {
         S.Dialogs.FileAnswers = {S.Path("main.yor")};
         S.Form.open1Click();
       }},
      {"Open Project", [](StudioFixture& S) { S.Form.OpenPaths({S.Path("p.ypr")}); }},
      {"tree click",
       [](StudioFixture& S) {
         S.Form.OpenPaths({S.Path("p.ypr")});
         S.Form.CloseAll1Click();
         S.Form.tvFiles->setCurrentItem(S.Form.tvFiles->topLevelItem(0)->child(0));
         S.Form.tvFilesClick();
       }},
  };
  for (const auto& [Name, Open] : Ways) {
    StudioFixture S;
    S.Write("main.yor", "one\ntwo");
    S.Write("p.ypr", "main.yor\r\n");
    Open(S);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(S.Windows().size(), 1) << Name;
    TCodeFRM* Code = S.Windows()[0];
    TSourceEdit& Editor = *Code->tbCode;
    EXPECT_FALSE(Editor.CanUndo()) << Name;
    EXPECT_FALSE(Editor.CanRedo()) << Name;
    auto* Host = Code->findChild<TQtControlHost*>();
    QTest::keyClick(Host, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(Host, "abc");
    EXPECT_EQ(Editor.Lines()->Text(), "one\r\ntwoabc") << Name;
    QTest::keyClick(Host, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Editor.Lines()->Text(), "one\r\ntwo") << Name;
    EXPECT_FALSE(Editor.CanUndo()) << Name;
    QTest::keyClick(Host, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Editor.Lines()->Text(), "one\r\ntwo") << Name;
  }
}
