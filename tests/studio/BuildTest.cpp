// What Build and Build & Run hand the compiler, which windows they save, and where the
// compiler is looked for.
#include <gtest/gtest.h>

#include <QDockWidget>
#include <QPushButton>
#include <QTest>

#include "platform/core/Exceptions.h"
#include "studio/build/BuildFixture.h"
#include "studio/settings/OptionsDialog.h"

namespace {
// Records its folder and each argument on a line; "file" when an argument names a file.
const QByteArray Recorder =
    "{ pwd; for A in \"$@\"; do echo \"$A\"; [ -f \"$A\" ] && echo file; done; } > \"$(dirname \"$0\")/compiler.log\"\n";
}  // namespace

TEST(Build, PassesTheMainEntryAsOneArgumentInTheProjectFolder) {
  for (bool Run : {false, true}) {
    BuildFixture S;
    S.Compiler(Recorder);
    S.Project("old", "My Demo.yor");
    S.Windows()[0]->tbCode->SetText("saved first");
    S.Build(Run);
    EXPECT_EQ(S.Read("proj/My Demo.yor"), "saved first");
    const QByteArray Expected = QDir(S.Path("proj")).canonicalPath().toUtf8() +
                                "\nMy Demo.yor\nfile\n" + (Run ? "-run\n" : "");
    EXPECT_EQ(S.Read("bin/compiler.log"), Expected);
    EXPECT_TRUE(S.Dialogs.Calls.empty());
    EXPECT_TRUE(S.Output().Dock()->isVisible());
  }
}

TEST(Build, EntriesReachTheCompilerAsFilesThatExist) {
  const struct {
    QByteArray Stored;
    QString OnDisk;
    QByteArray Passed;
  } Cases[] = {
      {"lib\\main.yor", "lib/main.yor", "lib/main.yor"},
      {"-run.yor", "-run.yor", "./-run.yor"},
  };
  for (const auto& Case : Cases) {
    BuildFixture S;
    S.Compiler(Recorder);
    S.Write("proj/" + Case.OnDisk, "main");
    S.Form.OpenProjectFile(S.Write("proj/Demo.ypr", Case.Stored + "\r\n"));
    S.Build();
    EXPECT_TRUE(S.Read("bin/compiler.log").endsWith("\n" + Case.Passed + "\nfile\n")) << Case.Stored.constData();
  }
}

TEST(Build, TheUsersLocationAndArgumentsWinOverConfig) {
  BuildFixture S;
  const QString Program = S.Compiler(Recorder);
  S.Form.compilerLoc = S.Path("bin/none");
  S.Project();
  {
    auto Settings = UserSettings();
    Settings->setValue(SettingsKey::CompilerLocation, Program);
    Settings->setValue(SettingsKey::CompilerArguments, "-O2 \"with space\"");
  }
  S.Build();
  EXPECT_TRUE(S.Read("bin/compiler.log").endsWith("\n-O2\nwith space\nmain.yor\nfile\n"));
  EXPECT_TRUE(S.Lines()[0].endsWith("compiler.sh -O2 \"with space\" main.yor")) << S.Lines()[0].toStdString();
}

TEST(Build, SavesOnlyTheWindowsWithChanges) {
  BuildFixture S;
  S.Compiler(Recorder);
  S.Project("program Demo;\n");  // LF line breaks, which a save would change
  S.Form.OpenPaths({S.Write("outside.yor", "untouched\n")});
  S.Build();
  EXPECT_EQ(S.Read("proj/main.yor"), "program Demo;\n");
  EXPECT_EQ(S.Read("outside.yor"), "untouched\n");
  S.Windows().last()->tbCode->SetText("changed");
  S.Build();
  EXPECT_EQ(S.Read("outside.yor"), "changed");
  EXPECT_EQ(S.Read("proj/main.yor"), "program Demo;\n");
}

TEST(Build, AFailedSaveStopsTheCommand) {
  BuildFixture S;
  S.Compiler(Recorder);
  S.Project();
  TCodeFRM* Lost = S.Form.NewCodeWindow(S.Path("no/such/folder/x.yor"), "x.yor");
  Lost->tbCode->SetText("unsaved");
  EXPECT_THROW(S.Form.toolBuBuildClick(), EFCreateError);
  S.WaitForEnd();
  EXPECT_FALSE(QFile::exists(S.Path("bin/compiler.log")));
  EXPECT_TRUE(Lost->bFileChanged);
}

TEST(Build, StartsNothingWithoutProjectOrMainFile) {
  BuildFixture S;
  S.Compiler(Recorder);
  S.Form.OpenPaths({S.Write("loose.yor", "old")});
  S.Windows()[0]->tbCode->SetText("saved");
  S.Form.toolBuBuildClick();
  EXPECT_EQ(S.Read("loose.yor"), "saved");
  EXPECT_EQ(S.LastLine(), "Nothing to build: no project is open.");
  S.Project();
  S.Form.CloseAll1Click();
  QFile::remove(S.Path("proj/main.yor"));
  S.Form.toolBuBuildClick();
  EXPECT_TRUE(S.LastLine().startsWith("Nothing to build: the main file")) << S.LastLine().toStdString();
  QThread::msleep(100);
  EXPECT_FALSE(QFile::exists(S.Path("bin/compiler.log")));
  EXPECT_TRUE(S.Dialogs.Calls.empty());
}

TEST(Build, ACompilerThatCannotStartIsNamedInThePanel) {
  BuildFixture S;
  S.Project();
  const QString NotExecutable = S.Write("bin/plain.txt", "text");
  const struct {
    QString Location, Shown, Reason;
  } Cases[] = {
      {S.Path("bin/none"), S.Path("bin/none"), "No such file or directory"},
      {NotExecutable, NotExecutable, "Permission denied"},
      {"no-such-compiler-anywhere", "no-such-compiler-anywhere", "No such file or directory"},
  };
  for (const auto& Case : Cases) {
    S.Form.compilerLoc = Case.Location;
    S.Build();
    const QStringList Lines = S.Lines();
    EXPECT_TRUE(Lines.contains(QStringLiteral("Cannot start the compiler \"%1\": %2.").arg(Case.Shown, Case.Reason)))
        << Lines.join('\n').toStdString();
    EXPECT_TRUE(S.Dialogs.Calls.empty());
    bool Offered = false;
    for (const QPushButton* Button : S.Panel().findChildren<QPushButton*>())
      Offered |= Button->text() == QStringLiteral("Set the compiler location…") && !Button->isHidden();
    EXPECT_TRUE(Offered);
  }
}

TEST(Build, SetTheCompilerLocationOpensTheBuildOptions) {
  BuildFixture S;
  S.Project();
  S.Form.compilerLoc = S.Path("bin/none");
  S.Build();
  QPushButton* Offer = nullptr;
  for (QPushButton* Button : S.Panel().findChildren<QPushButton*>())
    if (Button->text() == QStringLiteral("Set the compiler location…")) Offer = Button;
  ASSERT_NE(Offer, nullptr);
  ASSERT_TRUE(Offer->isVisible());
  QString Shown;
  S.Dialogs.ModalAnswers.push_back([&](QDialog& Dialog) {
    if (auto* Options = dynamic_cast<TOptionsDialog*>(&Dialog); Options && Options->CurrentPage())
      Shown = Options->CurrentPage()->Title();
    return TModalResult::mrCancel;
  });
  QTest::mouseClick(Offer, Qt::LeftButton);
  EXPECT_EQ(Shown, "Build");
  EXPECT_TRUE(S.Dialogs.ModalAnswers.empty());
}
