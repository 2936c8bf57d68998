// Build and Build & Run start the compiler on the main file in the project's folder.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "StudioFixture.h"

namespace {
// The stand-in compiler, copied so that each test reads its own log.
QString InstallCompiler(const StudioFixture& S) {
  const QString Program = S.Path("bin/compiler.sh");
  QDir(S.Dir.path()).mkdir("bin");
  QFile::copy(YOREL_TEST_DATA_DIR "/compiler.sh", Program);
  return Program;
}

QByteArray WaitForLog(const StudioFixture& S) {
  QElapsedTimer Timer;
  Timer.start();
  while (!QFile::exists(S.Path("bin/compiler.log")) && Timer.elapsed() < 5000)
    QThread::msleep(20);
  QThread::msleep(50);
  return S.Read("bin/compiler.log");
}
}  // namespace

TEST(Build, PassesTheMainEntryAsOneArgumentInTheProjectFolder) {
  for (bool Run : {false, true}) {
    StudioFixture S;
    S.Form.compilerLoc = InstallCompiler(S);
    S.Write("proj/My Demo.yor", "old");
    S.Form.OpenProjectFile(S.Write("proj/Demo.ypr", "My Demo.yor\r\n"));
    S.Windows()[0]->tbCode->SetText("saved first");
    Run ? S.Form.toolBuRunClick() : S.Form.toolBuBuildClick();
    EXPECT_EQ(S.Read("proj/My Demo.yor"), "saved first");
    const QByteArray Expected =
        QDir(S.Path("proj")).canonicalPath().toUtf8() + "\nMy Demo.yor\n" + (Run ? "-run\n" : "");
    EXPECT_EQ(WaitForLog(S), Expected);
    EXPECT_TRUE(S.Dialogs.Calls.empty());
  }
}

TEST(Build, StartsNothingWithoutProjectOrMainFile) {
  StudioFixture S;
  S.Form.compilerLoc = InstallCompiler(S);
  S.Form.OpenPaths({S.Write("loose.yor", "old")});
  S.Windows()[0]->tbCode->SetText("saved");
  S.Form.toolBuBuildClick();
  EXPECT_EQ(S.Read("loose.yor"), "saved");
  S.Write("main.yor", "main");
  S.Form.OpenProjectFile(S.Write("p.ypr", "main.yor\r\n"));
  S.Form.CloseAll1Click();
  QFile::remove(S.Path("main.yor"));
  S.Form.toolBuBuildClick();
  QThread::msleep(200);
  EXPECT_FALSE(QFile::exists(S.Path("bin/compiler.log")));
  EXPECT_TRUE(S.Dialogs.Calls.empty());
}

TEST(Build, MissingCompilerIsReported) {
  for (const QString& Location : {QString(), QStringLiteral("compiler/none")}) {
    StudioFixture S;
    S.Form.compilerLoc = Location;
    S.Write("main.yor", "main");
    S.Form.OpenProjectFile(S.Write("p.ypr", "main.yor\r\n"));
    S.Form.toolBuBuildClick();
    ASSERT_EQ(S.Dialogs.Calls.size(), 1u);
    EXPECT_TRUE(
        S.Dialogs.Calls[0].Text.startsWith("Cannot start the compiler \"" + Location + "\"."));
    EXPECT_EQ(S.Dialogs.Calls[0].Icon, TMsgIcon::Error);
  }
}
