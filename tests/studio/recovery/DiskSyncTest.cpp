// Files changed on disk by another program: quiet reload, the bar, Keep Mine, deletion,
// the check at save time, and the project file.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/TextFile.h"
#include "platform/qt/QtControlHost.h"
#include "studio/StudioFixture.h"
#include "studio/recovery/DiskChangeBar.h"
#include "studio/recovery/DiskSync.h"

namespace {
constexpr int Patience = 5000;

QByteArray Rows(int Count, const char* Prefix) {
  QByteArray Text;
  for (int I = 1; I <= Count; ++I)
    Text += Prefix + QByteArray::number(I) + "\r\n";
  return Text;
}

/** As many tools save: a new file renamed over the old one. */
void ReplaceAtomically(const QString& Path, const QByteArray& Bytes) {
  QFile Temp(Path + ".new");
  ASSERT_TRUE(Temp.open(QIODevice::WriteOnly));
  Temp.write(Bytes);
  Temp.close();
  ASSERT_EQ(::rename(QFile::encodeName(Temp.fileName()), QFile::encodeName(Path)), 0);
}

struct DiskFixture : StudioFixture {
  TCodeFRM* Open(const QString& Name, const QByteArray& Bytes) {
    return Form.OpenSourceFile(Write(Name, Bytes), Name);
  }
  void Type(TCodeFRM* Code, const char* Keys) {
    QTest::keyClicks(Code->findChild<TQtControlHost*>(), Keys);
  }
  /** Long enough for the watcher and the window to have reacted to anything they saw. */
  void Settle() { QTest::qWait(400); }
};
}  // namespace

TEST(DiskSync, ReloadWithoutChangesKeepsCaretAndTopRowAsFarAsTheTextReaches) {
  DiskFixture S;
  TCodeFRM* Code = S.Open("a.yor", Rows(200, "old "));
  TSourceEdit& Editor = *Code->tbCode;
  Editor.SetSelStart(Editor.CellToCharIdx(TextCell(150, 5)) - 1);
  Editor.VisibleRange()->SetStartRowCol(TextCell(120, 1));
  // Each replacement is a new file: the second one is seen only if the watch was renewed.
  const struct {
    QByteArray Bytes;
    TTextCell Caret;
    int TopRow;
  } Cases[] = {{Rows(300, "new "), TextCell(150, 5), 120}, {Rows(300, "newer "), TextCell(150, 5), 120},
               {Rows(9, "short "), TextCell(10, 1), 1}};
  for (const auto& Case : Cases) {
    ReplaceAtomically(S.Path("a.yor"), Case.Bytes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Editor.Text() == DecodeText(Case.Bytes); }, Patience));
    EXPECT_EQ(Editor.Selection()->StartRowCol(), Case.Caret);
    EXPECT_EQ(Editor.VisibleRange()->FTopRow, Case.TopRow);
    EXPECT_FALSE(Code->bFileChanged);
    EXPECT_FALSE(Code->DiskSync->Bar()->isVisible());
    EXPECT_TRUE(S.Form.statusBar()->currentMessage().contains("reloaded"));
  }
  EXPECT_TRUE(S.Dialogs.Calls.empty());
}

TEST(DiskSync, ChangesKeepTheTextAndShowTheBarWhoseReloadAsksFirst) {
  DiskFixture S;
  TCodeFRM* Code = S.Open("a.yor", "one\r\n");
  S.Type(Code, "x");
  const QString Mine = Code->tbCode->Text();
  S.Write("a.yor", "theirs\r\n");
  TDiskChangeBar* Bar = Code->DiskSync->Bar();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Bar->isVisible(); }, Patience));
  EXPECT_TRUE(Bar->Reload->isVisible());
  EXPECT_TRUE(Bar->KeepMine->isVisible());
  EXPECT_EQ(Code->tbCode->Text(), Mine);
  EXPECT_TRUE(S.Dialogs.Calls.empty()) << "no modal box while the user types";

  S.Dialogs.Answers = {TModalResult::mrNo};
  Bar->Reload->click();
  EXPECT_EQ(S.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(Code->tbCode->Text(), Mine);
  EXPECT_TRUE(Code->bFileChanged);

  S.Dialogs.Answers = {TModalResult::mrYes};
  Bar->Reload->click();
  EXPECT_EQ(Code->tbCode->Text(), "theirs\r\n");
  EXPECT_FALSE(Code->bFileChanged);
  EXPECT_FALSE(Bar->isVisible());
}

TEST(DiskSync, KeepMineThenSaveWritesWithoutAskingAgain) {
  DiskFixture S;
  TCodeFRM* Code = S.Open("a.yor", "one\r\n");
  S.Type(Code, "x");
  S.Write("a.yor", "theirs\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Code->DiskSync->Bar()->isVisible(); }, Patience));
  Code->DiskSync->Bar()->KeepMine->click();
  EXPECT_FALSE(Code->DiskSync->Bar()->isVisible());
  Code->Save();
  EXPECT_TRUE(S.Dialogs.Calls.empty());
  EXPECT_EQ(S.Read("a.yor"), "xone\r\n");
  // The studio's own write is not a change by another program.
  S.Settle();
  EXPECT_FALSE(Code->DiskSync->Bar()->isVisible());
  EXPECT_EQ(Code->tbCode->Text(), "xone\r\n");
  EXPECT_TRUE(S.Dialogs.Calls.empty());
}

TEST(DiskSync, DeletedFileKeepsTheTextChangedAndSaveWritesItBack) {
  DiskFixture S;
  TCodeFRM* Code = S.Open("a.yor", "keep me\r\n");
  ASSERT_TRUE(QFile::remove(S.Path("a.yor")));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Code->bFileChanged; }, Patience));
  TDiskChangeBar* Bar = Code->DiskSync->Bar();
  EXPECT_TRUE(Bar->isVisible());
  EXPECT_TRUE(Bar->Message->text().contains("deleted or renamed"));
  EXPECT_FALSE(Bar->Reload->isVisible());
  EXPECT_EQ(Code->tbCode->Text(), "keep me\r\n");
  Code->Save();
  EXPECT_EQ(S.Read("a.yor"), "keep me\r\n");
  EXPECT_FALSE(Code->bFileChanged);
  EXPECT_FALSE(Bar->isVisible());
  EXPECT_TRUE(S.Dialogs.Calls.empty());
}

TEST(DiskSync, SaveAsksBeforeOverwritingAChangeTheWatcherHasNotReported) {
  DiskFixture S;
  TCodeFRM* Code = S.Open("a.yor", "one\r\n");
  S.Type(Code, "x");
  // Written and saved over before any event is delivered.
  S.Write("a.yor", "theirs, longer\r\n");
  S.Dialogs.Answers = {TModalResult::mrNo};
  EXPECT_THROW(Code->Save(), ESaveDeclined);
  ASSERT_EQ(S.Dialogs.Calls.size(), 1u);
  EXPECT_TRUE(S.Dialogs.Calls[0].Text.contains("changed on disk"));
  EXPECT_EQ(S.Read("a.yor"), "theirs, longer\r\n");
  EXPECT_TRUE(Code->bFileChanged);

  S.Dialogs.Answers = {TModalResult::mrYes};
  Code->Save();
  EXPECT_EQ(S.Read("a.yor"), "xone\r\n");
  EXPECT_FALSE(Code->bFileChanged);
}

TEST(DiskSync, DeclinedOverwriteKeepsTheWindowOpenOnClose) {
  DiskFixture S;
  TCodeFRM* Code = S.Open("a.yor", "one\r\n");
  S.Type(Code, "x");
  S.Write("a.yor", "theirs, longer\r\n");
  S.Dialogs.Answers = {TModalResult::mrYes, TModalResult::mrNo};  // save changes? overwrite?
  Code->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(S.Windows().size(), 1);
  EXPECT_EQ(S.Read("a.yor"), "theirs, longer\r\n");
  EXPECT_TRUE(Code->bFileChanged);
}

TEST(ProjectWatch, ChangedProjectFileOffersReloadingListAndTree) {
  DiskFixture S;
  S.Write("main.yor", "main");
  S.Write("b.yor", "b");
  S.Form.OpenProjectFile(S.Write("p.ypr", "main.yor\r\n"));
  // Rewritten with the same list, as the studio's own saves do: nothing to ask.
  ReplaceAtomically(S.Path("p.ypr"), "main.yor\r\n");
  S.Settle();
  EXPECT_TRUE(S.Dialogs.Calls.empty());

  S.Dialogs.Answers = {TModalResult::mrYes};
  ReplaceAtomically(S.Path("p.ypr"), "main.yor\r\nb.yor\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return S.Entries() == (QStringList{"main.yor", "b.yor"}); }, Patience));
  EXPECT_EQ(S.TreeNames(), (QStringList{"b.yor", "main.yor"}));
  ASSERT_EQ(S.Dialogs.Calls.size(), 1u);
  EXPECT_TRUE(S.Dialogs.Calls[0].Text.contains("Reload the project?"));
}
