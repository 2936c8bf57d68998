// Editor windows keep their file's encoding and line breaks, ask before converting, and
// open a file they cannot read whole read-only, behind a bar that says why.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../ScriptedDialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/qt/QtControlHost.h"
#include "studio/CodeForm.h"
#include "studio/files/UnreadableBar.h"

namespace {
struct FileWindow {
  explicit FileWindow(const QByteArray& Bytes) {
    Area.resize(700, 400);
    Area.show();
    Form = new TCodeFRM;
    Area.addSubWindow(Form);
    Form->SetFile(Dir.filePath("a.yor"), "a.yor");
    Form->showMaximized();
    Write(Bytes);
    Form->FillFromFile(Form->strFile);
  }
  void Write(const QByteArray& Bytes) const {
    QFile File(Form->strFile);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
  }
  QByteArray Read() const {
    QFile File(Form->strFile);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }
  // Typed at the start of the text, through the editor's own key handling.
  void TypeAtStart(const QString& Text) {
    Form->tbCode->SetSelStart(0);
    for (QChar C : Text)
      QTest::sendKeyEvent(QTest::Click, Form->findChild<TQtControlHost*>(), Qt::Key_unknown, C,
                          Qt::NoModifier);
  }
  QString FormatPanel() const { return Form->FileFormatPanel()->text(); }
  QTemporaryDir Dir;
  QMdiArea Area;
  QPointer<TCodeFRM> Form;
  TScriptedDialogs Dialogs;
};
}  // namespace

TEST(FileFormat, WindowsWriteBackTheFormatTheyRead) {
  struct {
    const char* Name;
    QByteArray File;
    QString Panel;
    QByteArray Edited;  // after typing "x" at the start
  } Cases[] = {
      {"UTF-8 with LF", "caf\xC3\xA9\nb\n", "UTF-8, LF", "xcaf\xC3\xA9\nb\n"},
      {"Windows-1252", "caf\xE9\r\n\x80", "Windows-1252, CR LF", "xcaf\xE9\r\n\x80"},
      {"a stray byte in UTF-8", "caf\xC3\xA9 \xE9t\xC3\xA9", "UTF-8 + stray bytes, CR LF",
       "xcaf\xC3\xA9 \xE9t\xC3\xA9"},
      {"UTF-8 mark and CR", "\xEF\xBB\xBF" "a\rb", "UTF-8 with BOM, CR", "\xEF\xBB\xBFxa\rb"},
      {"UTF-16 BE, mixed line breaks", QByteArray("\xFE\xFF\0a\0\r\0\n\0b\0\n", 12),
       "UTF-16 BE, Mixed", QByteArray("\xFE\xFF\0x\0a\0\r\0\n\0b\0\n", 14)},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    FileWindow W(C.File);
    EXPECT_EQ(W.FormatPanel(), C.Panel);
    W.Form->Save();
    EXPECT_EQ(W.Read(), C.File);
    W.TypeAtStart("x");
    W.Form->Save();
    EXPECT_EQ(W.Read(), C.Edited);
    EXPECT_TRUE(W.Dialogs.Calls.empty());
  }
}

// A character Windows-1252 lacks: nothing is written until the user agrees to UTF-8.
TEST(FileFormat, ConvertingAsksFirst) {
  for (TModalResult Answer : {TModalResult::mrNo, TModalResult::mrYes}) {
    FileWindow W("caf\xE9");
    W.TypeAtStart(QString(QChar(0x03B1)));
    W.Dialogs.Answers = {Answer};
    if (Answer == TModalResult::mrNo) {
      EXPECT_THROW(W.Form->Save(), EAbort);
      EXPECT_EQ(W.Read(), "caf\xE9");
      EXPECT_TRUE(W.Form->bFileChanged);
      EXPECT_EQ(W.FormatPanel(), "Windows-1252, CR LF");
    } else {
      W.Form->Save();
      EXPECT_EQ(W.Read(), "\xCE\xB1" "caf\xC3\xA9");
      EXPECT_EQ(W.FormatPanel(), "UTF-8, CR LF");
    }
    ASSERT_EQ(W.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(W.Dialogs.Calls[0].Text,
              "a.yor cannot be saved as Windows-1252 without changing some of its characters. "
              "Save it as UTF-8 instead?");
    EXPECT_EQ(W.Dialogs.Calls[0].Buttons, TMsgButtons::mbYesNo);
  }
}

TEST(FileFormat, AFileReadOnlyInPartStaysReadOnlyUntilEditAnyway) {
  const QByteArray Odd("\xFF\xFE" "a\0\xE9", 5);
  FileWindow W(Odd);
  auto* Bar = W.Form->findChild<TUnreadableBar*>();
  ASSERT_TRUE(Bar);
  EXPECT_TRUE(Bar->Message->text().startsWith(
      "The last byte of this UTF-16 file (E9) is not part of any character and was not read."));
  QCoreApplication::processEvents();
  W.Form->grab().save(QCoreApplication::applicationDirPath() + "/unreadable-bar.png");
  W.TypeAtStart("x");
  EXPECT_EQ(W.Form->tbCode->Lines()->Text(), "a");
  EXPECT_THROW(W.Form->Save(), EFCreateError);
  EXPECT_EQ(W.Read(), Odd);

  Bar->EditAnyway->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(W.Form->findChild<TUnreadableBar*>());
  W.TypeAtStart("x");
  W.Form->Save();
  EXPECT_EQ(W.Read(), QByteArray("\xFF\xFE" "x\0a\0", 6));
}

TEST(FileFormat, AFailedReadLoadsNothing) {
  FileWindow W("kept");
  EXPECT_THROW(W.Form->FillFromFile("/proc/self/mem"), EFOpenError);
  EXPECT_EQ(W.Form->tbCode->Lines()->Text(), "kept");
}
