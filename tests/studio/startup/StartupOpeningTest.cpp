// The files named on the command line open once the event loop runs, in order, read off
// the user-interface thread; one that cannot be read is reported and the rest still open.
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTest>

#include "../StudioFixture.h"
#include "platform/core/ErrorDisplay.h"
#include "studio/startup/StartupOpening.h"

TEST(StartupOpening, OpensEachFileAfterTheLoopRunsThenCarriesOn) {
  StudioFixture S;
  const QString First = S.Write("first.yor", "mov eax, 1\r\n");
  const QString Second = S.Write("second.yor", "ret\n");
  const QString Missing = S.Path("missing.yor");
  QStringList Shown;
  const TErrorDisplay Previous =
      SetErrorDisplay([&](const QString& Message) { Shown << Message; });
  bool Done = false;
  OpenPathsAfterStart(S.Form, {First, Missing, Second}, [&] { Done = true; });
  EXPECT_TRUE(S.Windows().isEmpty());  // nothing read before the loop runs
  QElapsedTimer Waited;
  Waited.start();
  while (!Done && Waited.elapsed() < 10000)
    QTest::qWait(5);
  ASSERT_TRUE(Done);
  QStringList Texts;
  for (TCodeFRM* Code : S.Windows())
    Texts << Code->tbCode->Text();
  EXPECT_EQ(Texts.first(), "mov eax, 1\r\n");
  EXPECT_EQ(Texts.last(), "ret\r\n");
  EXPECT_FALSE(S.Windows().last()->bFileChanged);
  EXPECT_EQ(Shown.size(), 1);  // the missing file, as Open reports it
  EXPECT_TRUE(S.Form.statusBar()->currentMessage().isEmpty());
  SetErrorDisplay(Previous);
}
