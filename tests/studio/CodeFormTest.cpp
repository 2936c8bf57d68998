// The editor window: what counts as a change, the close question, saving and its failures,
// the status bar and the popup commands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "ScriptedDialogs.h"
#include "editor/SelectionRange.h"
#include "platform/qt/QtControlHost.h"
#include "studio/CodeForm.h"

namespace {
QByteArray ReadBytes(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

struct CodeWindow {
  CodeWindow() {
    Area.resize(600, 400);
    Area.show();
    Form = new TCodeFRM;
    Area.addSubWindow(Form);
    Form->SetFile(Dir.filePath("a.yor"), "a.yor");
    Form->FillText("one\r\ntwo");
    Form->showMaximized();
  }
  void Type(QChar Key) { QTest::keyClick(Form->findChild<TQtControlHost*>(), Key.toLatin1()); }
  QTemporaryDir Dir;
  QMdiArea Area;
  QPointer<TCodeFRM> Form;
  TScriptedDialogs Dialogs;
};
}  // namespace

TEST(CodeForm, EditorSettingsAndMenus) {
  CodeWindow W;
  EXPECT_EQ(W.Form->tbCode->LeftMargin(), 50);
  EXPECT_EQ(W.Form->tbCode->TabSize(), 4);
  EXPECT_TRUE(W.Form->tbCode->AlwaysShowCaret());
  EXPECT_EQ(W.Form->tbCode->Font()->Height(), -13);
  EXPECT_TRUE(W.Form->isMaximized());
  QStringList Captions, Enabled;
  for (QAction* A : W.Form->pmCodeBox->actions()) {
    Captions << (A->isSeparator() ? "-" : A->text());
    if (A->isEnabled() && !A->isSeparator()) Enabled << A->text();
  }
  EXPECT_EQ(Captions, (QStringList{"Close Page", "Open File at Cursor", "-", "Cut", "Copy", "Paste",
                                   "Delete", "-", "Properties"}));
  EXPECT_EQ(Enabled, (QStringList{"Cut", "Copy", "Paste", "Delete"}));
}

// Filling is no change; any later change of the text is, whatever made it.
TEST(CodeForm, EveryEditMarksTheWindowChanged) {
  const std::vector<std::pair<const char*, std::function<void(CodeWindow&)>>> Edits = {
      {"typed character", [](CodeWindow& W) { W.Type('x'); }},
      {"popup paste",
       [](CodeWindow& W) {
         QApplication::clipboard()->setText("pasted");
         W.Form->Paste1Click();
       }},
      {"popup delete of a selection",
       [](CodeWindow& W) {
         W.Form->tbCode->SelectAll();
         W.Form->Delete1Click();
       }},
      {"undo of a paste after saving",
       [](CodeWindow& W) {
         QApplication::clipboard()->setText("pasted");
         W.Form->Paste1Click();
         W.Form->Save();
         W.Form->tbCode->Undo();
       }},
  };
  for (const auto& [Name, Edit] : Edits) {
    CodeWindow W;
    EXPECT_FALSE(W.Form->bFileChanged) << Name;
    EXPECT_EQ(W.Form->Panel(2)->text(), "") << Name;
    Edit(W);
    EXPECT_TRUE(W.Form->bFileChanged) << Name;
    EXPECT_EQ(W.Form->Panel(2)->text(), "Modified") << Name;
  }
}

TEST(CodeForm, PopupDeleteWithEmptySelectionChangesNothing) {
  CodeWindow W;
  W.Form->tbCode->SetSelStart(2);
  W.Form->Delete1Click();
  EXPECT_EQ(W.Form->tbCode->Lines()->Text(), "one\r\ntwo");
  EXPECT_FALSE(W.Form->bFileChanged);
}

// Yes saves and closes, No closes without saving, Cancel keeps the window as it was.
TEST(CodeForm, CloseAsksAboutChanges) {
  const struct {
    TModalResult Answer;
    bool Saved, Closed;
  } Cases[] = {{TModalResult::mrYes, true, true},
               {TModalResult::mrNo, false, true},
               {TModalResult::mrCancel, false, false}};
  for (const auto& C : Cases) {
    CodeWindow W;
    W.Type('x');
    W.Dialogs.Answers = {C.Answer};
    EXPECT_EQ(W.Form->close(), C.Closed);
    ASSERT_EQ(W.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(W.Dialogs.Calls[0].Text, "Save changes to a.yor?");
    EXPECT_EQ(W.Dialogs.Calls[0].Caption, "Save");
    EXPECT_EQ(W.Dialogs.Calls[0].Buttons, TMsgButtons::mbYesNoCancel);
    EXPECT_EQ(W.Dialogs.Calls[0].Icon, TMsgIcon::Question);
    EXPECT_EQ(QFile::exists(W.Dir.filePath("a.yor")), C.Saved);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(W.Form.isNull(), C.Closed);
    if (C.Closed) continue;
    EXPECT_TRUE(W.Form->bFileChanged);
    EXPECT_EQ(W.Form->tbCode->Lines()->Text(), "xone\r\ntwo");
  }
}

// The file keeps its mark and line breaks.
TEST(CodeForm, SaveKeepsTheFormatAndClearsTheChange) {
  CodeWindow W;
  QFile File(W.Dir.filePath("a.yor"));
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("\xEF\xBB\xBFone\ntwo");
  File.close();
  W.Form->FillFromFile(W.Form->strFile);
  W.Type('x');
  W.Form->Save();
  EXPECT_EQ(ReadBytes(W.Form->strFile), "\xEF\xBB\xBFxone\ntwo");
  EXPECT_FALSE(W.Form->bFileChanged);
  EXPECT_EQ(W.Form->Panel(2)->text(), "");
  EXPECT_TRUE(W.Form->close());
  EXPECT_TRUE(W.Dialogs.Calls.empty());
}

// A path that is a folder cannot be written: the window stays open, changed, its text intact.
TEST(CodeForm, FailedSaveOnCloseKeepsTheWindow) {
  CodeWindow W;
  const QString Folder = W.Dir.filePath("folder.yor");
  ASSERT_TRUE(QDir().mkdir(Folder));
  W.Form->SetFile(Folder, "folder.yor");
  W.Type('x');
  W.Dialogs.Answers = {TModalResult::mrYes};
  EXPECT_FALSE(W.Form->close());
  ASSERT_EQ(W.Dialogs.Calls.size(), 2u);
  EXPECT_TRUE(W.Dialogs.Calls[1].Text.startsWith("Cannot create file \""));
  EXPECT_EQ(W.Dialogs.Calls[1].Icon, TMsgIcon::Error);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(W.Form.isNull());
  EXPECT_TRUE(W.Form->bFileChanged);
  EXPECT_EQ(W.Form->Panel(2)->text(), "Modified");
  EXPECT_EQ(W.Form->tbCode->Lines()->Text(), "xone\r\ntwo");
}

TEST(CodeForm, CaretPositionShowsRowAndScreenColumn) {
  CodeWindow W;
  W.Form->tbCode->SetSelStart(7);  // row 2, after "tw"
  EXPECT_EQ(W.Form->Panel(1)->text(), "2: 3");
}
