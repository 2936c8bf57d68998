// The New dialog and the three ways of the New command.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "NewChoice.h"
#include "StudioFixture.h"
#include "studio/NewForm.h"

namespace {
// The events a window system sends for a double click: a click, then the double click.
void DoubleClick(QWidget* Widget, QPoint At) {
  QTest::mouseClick(Widget, Qt::LeftButton, {}, At);
  QTest::mouseDClick(Widget, Qt::LeftButton, {}, At);
  QTest::mouseRelease(Widget, Qt::LeftButton, {}, At);
}
}  // namespace

TEST(NewForm, OkWaitsForAChoiceThatSurvivesClickingEmptySpace) {
  TNewFRM Dialog;
  EXPECT_EQ(Dialog.windowTitle(), "New Project or File");
  QStringList Items;
  for (int I = 0; I < Dialog.lvNew->count(); ++I)
    Items << Dialog.lvNew->item(I)->text();
  EXPECT_EQ(Items, (QStringList{"Application", "Empty File", "DLL Project"}));
  EXPECT_FALSE(Dialog.buOK->isEnabled());
  Dialog.buOKClick();
  EXPECT_EQ(Dialog.result(), QDialog::Rejected);
  Dialog.lvNew->setCurrentRow(1);
  Dialog.lvNew->clearSelection();
  EXPECT_TRUE(Dialog.buOK->isEnabled());
  EXPECT_EQ(Dialog.ptType, ptEmptyFile);
  Dialog.buOKClick();
  EXPECT_EQ(Dialog.result(), QDialog::Accepted);
}

TEST(NewForm, DoubleClickOnAnItemActsAsOk) {
  const TProjType Kinds[] = {ptApplication, ptEmptyFile, ptDLLProject};
  for (int Item : {0, 1, 2}) {
    TNewFRM Dialog;
    Dialog.show();
    QCoreApplication::processEvents();  // the icons are laid out after showing
    const QRect Rect = Dialog.lvNew->visualItemRect(Dialog.lvNew->item(Item));
    DoubleClick(Dialog.lvNew->viewport(), Rect.center());
    EXPECT_EQ(Dialog.result(), QDialog::Accepted) << Item;
    EXPECT_EQ(Dialog.ptType, Kinds[Item]);
  }
  TNewFRM Dialog;
  Dialog.show();
  DoubleClick(Dialog.lvNew->viewport(), QPoint(400, 150));
  EXPECT_EQ(Dialog.result(), QDialog::Rejected);  // empty space chooses nothing
}

// The test program has no templates beside it.
TEST(New, ApplicationProjectWritesMainFileAndOneLineProject) {
  StudioFixture S;
  S.Form.OpenPaths({S.Write("other.yor", "x")});
  S.Dialogs.ModalAnswers = {Choose(0)};
  S.Dialogs.FileAnswers = {S.Path("Demo.ypr")};
  S.Form.New1Click();
  EXPECT_EQ(S.Dialogs.FileCalls[0].Filter, "Yorel Project File (*.ypr)|*.ypr");
  EXPECT_EQ(S.Read("Demo.yor"), "//Error loading template file");
  EXPECT_EQ(S.Read("Demo.ypr"), "Demo.yor\r\n");
  EXPECT_EQ(S.TreeNames(), QStringList{"Demo.yor"});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(S.Windows().size(), 1);
  EXPECT_EQ(S.Windows()[0]->windowTitle(), "Demo.yor");
  EXPECT_FALSE(S.Windows()[0]->bFileChanged);
  EXPECT_FALSE(S.Windows()[0]->tbCode->CanUndo());
}

TEST(New, ExistingMainFileIsKeptOnNo) {
  StudioFixture S;
  S.Write("Demo.yor", "mine");
  S.Dialogs.ModalAnswers = {Choose(2)};
  S.Dialogs.FileAnswers = {S.Path("Demo.project")};
  S.Dialogs.Answers = {TModalResult::mrNo};
  S.Form.New1Click();
  ASSERT_EQ(S.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(S.Dialogs.Calls[0].Buttons, TMsgButtons::mbYesNo);
  EXPECT_EQ(S.Read("Demo.yor"), "mine");
  EXPECT_EQ(S.Read("Demo.project"), "Demo.yor\r\n");
  ASSERT_EQ(S.Windows().size(), 1);
  EXPECT_EQ(S.Windows()[0]->tbCode->Lines()->Text(), "mine");
}

TEST(New, EmptyFileJoinsTheOpenProjectAndIsAnnounced) {
  StudioFixture S;
  S.Write("Demo.yor", "main");
  S.Form.OpenProjectFile(S.Write("Demo.ypr", "Demo.yor\r\n"));
  QDir(S.Dir.path()).mkdir("lib");
  S.Dialogs.ModalAnswers = {Choose(1)};
  S.Dialogs.FileAnswers = {S.Path("lib/util.yor")};
  S.Form.New1Click();
  EXPECT_EQ(S.Dialogs.FileCalls[0].Filter, "Yorel Source File (*.yor)|*.yor");
  EXPECT_EQ(S.Read("lib/util.yor"), "//TODO - Code");
  EXPECT_FALSE(S.Form.ActiveCodeForm()->tbCode->CanUndo());
  EXPECT_EQ(S.Read("Demo.ypr"), "Demo.yor\r\nlib/util.yor\r\n");
  ASSERT_EQ(S.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(S.Dialogs.Calls[0].Text, "lib/util.yor");
  EXPECT_EQ(S.TreeNames(), (QStringList{"util.yor", "Demo.yor"}));
  EXPECT_EQ(S.Windows().size(), 2);
}

TEST(New, EmptyFileWithoutProjectTouchesNoProject) {
  StudioFixture S;
  S.Dialogs.ModalAnswers = {Choose(1)};
  S.Dialogs.FileAnswers = {S.Path("loose.yor")};
  S.Form.New1Click();
  EXPECT_EQ(S.Read("loose.yor"), "//TODO - Code");
  EXPECT_TRUE(S.Dialogs.Calls.empty());
  EXPECT_TRUE(S.TreeNames().isEmpty());
  ASSERT_EQ(S.Windows().size(), 1);
  EXPECT_EQ(S.Windows()[0]->strFile, S.Path("loose.yor"));
}

TEST(New, CancelChangesNothing) {
  StudioFixture S;
  S.Form.OpenPaths({S.Write("a.yor", "a")});
  S.Form.New1Click();                    // the dialog cancelled
  S.Dialogs.ModalAnswers = {Choose(0)};  // the save dialog cancelled
  S.Form.New1Click();
  EXPECT_EQ(S.Windows().size(), 1);
  EXPECT_TRUE(S.Form.projectFilePath.isEmpty());
}
