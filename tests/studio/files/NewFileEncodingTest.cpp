// New files are written in the encoding chosen in Options > Files; opened files keep theirs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "../NewChoice.h"
#include "../StudioFixture.h"
#include "platform/qt/QtControlHost.h"
#include "studio/settings/FilesPage.h"
#include "studio/settings/UserSettings.h"

namespace {
// Typed at the start of the active window, through the editor's own key handling.
void TypeAtStart(TCodeFRM* Code, const QString& Text) {
  Code->tbCode->SetSelStart(0);
  for (QChar C : Text)
    QTest::sendKeyEvent(QTest::Click, Code->findChild<TQtControlHost*>(), Qt::Key_unknown, C,
                        Qt::NoModifier);
}

QByteArray Utf16(const QString& Text, bool Big) {
  QByteArray Bytes = Big ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
  for (QChar C : Text) {
    const char High = char(C.unicode() >> 8), Low = char(C.unicode() & 0xFF);
    Bytes += Big ? QByteArray{&High, 1} + QByteArray{&Low, 1}
                 : QByteArray{&Low, 1} + QByteArray{&High, 1};
  }
  return Bytes;
}

struct EncodingSetting {
  explicit EncodingSetting(const QString& Name) {
    if (Name.isNull())
      UserSettings()->remove(SettingsKey::FilesDefaultEncoding);
    else
      UserSettings()->setValue(SettingsKey::FilesDefaultEncoding, Name);
  }
  ~EncodingSetting() { UserSettings()->remove(SettingsKey::FilesDefaultEncoding); }
};

const QString Todo = QStringLiteral("//TODO - Code");
const QString Typed = QStringLiteral("\u00E9") + Todo;

struct Case {
  QString Setting;
  QString PageShows;
  QByteArray New;    // the file as New writes it
  QByteArray Saved;  // after typing "é" at its start and saving
};
const Case Cases[] = {
    {QString(), "UTF-8", Todo.toUtf8(), Typed.toUtf8()},
    {"UTF-8", "UTF-8", Todo.toUtf8(), Typed.toUtf8()},
    {"UTF-8 with BOM", "UTF-8 with BOM", "\xEF\xBB\xBF" + Todo.toUtf8(),
     "\xEF\xBB\xBF" + Typed.toUtf8()},
    {"Windows-1252", "Windows-1252", Todo.toLatin1(), Typed.toLatin1()},
    {"UTF-16 LE", "UTF-16 LE", Utf16(Todo, false), Utf16(Typed, false)},
    {"UTF-16LE", "UTF-16 LE", Utf16(Todo, false), Utf16(Typed, false)},  // the older name
    {"UTF-16 BE", "UTF-16 BE", Utf16(Todo, true), Utf16(Typed, true)},
    {"Klingon", "UTF-8", Todo.toUtf8(), Typed.toUtf8()},  // unknown: the default
};
}  // namespace

TEST(NewFileEncoding, EmptyFileIsWrittenInTheChosenEncoding) {
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Setting.toStdString());
    EncodingSetting Setting(C.Setting);
    TFilesPage Page;
    Page.Load(*UserSettings());
    EXPECT_EQ(Page.DefaultEncoding->currentText(), C.PageShows);
    StudioFixture S;
    S.Dialogs.ModalAnswers = {Choose(1)};
    S.Dialogs.FileAnswers = {S.Path("new.yor")};
    S.Form.New1Click();
    EXPECT_EQ(S.Read("new.yor"), C.New);
    EXPECT_TRUE(S.Form.ActiveCodeForm()->FileFormatPanel()->text().startsWith(C.PageShows));
    TypeAtStart(S.Form.ActiveCodeForm(), QStringLiteral("\u00E9"));
    S.Form.Save1Click();
    EXPECT_EQ(S.Read("new.yor"), C.Saved);
    EXPECT_TRUE(S.Dialogs.Calls.empty());
  }
}

// The test program has no templates beside it, so the main file holds the fallback line.
TEST(NewFileEncoding, NewProjectMainFileIsWrittenInTheChosenEncoding) {
  EncodingSetting Setting("UTF-16 LE");
  StudioFixture S;
  S.Dialogs.ModalAnswers = {Choose(0)};
  S.Dialogs.FileAnswers = {S.Path("Demo.ypr")};
  S.Form.New1Click();
  EXPECT_EQ(S.Read("Demo.yor"), Utf16("//Error loading template file", false));
  EXPECT_EQ(S.Read("Demo.ypr"), "Demo.yor\r\n");  // the project file is not a source file
}

TEST(NewFileEncoding, OpenedFileKeepsItsOwnEncoding) {
  EncodingSetting Setting("UTF-16 LE");
  StudioFixture S;
  S.Form.OpenPaths({S.Write("old.yor", "caf\xE9\r\nx")});
  TypeAtStart(S.Form.ActiveCodeForm(), "a");
  S.Form.Save1Click();
  EXPECT_EQ(S.Read("old.yor"), "acaf\xE9\r\nx");
}
