// Errors no command handled: shown in a message box, and the program goes on.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <utility>

#include "ScriptedDialogs.h"
#include "StudioFixture.h"
#include "platform/core/Exceptions.h"
#include "platform/qt/QtControlHost.h"
#include "studio/Application.h"

TEST(ErrorHandler, ShowsTheMessageWithThePeriodRule) {
  TScriptedDialogs Dialogs;
  struct {
    QString Message, Shown;
  } Cases[] = {
      {"abc", "abc."},
      {"Cannot open file \"x\". No such file or directory",
       "Cannot open file \"x\". No such file or directory."},
      {"ends with a period.", "ends with a period."},
      {"ends with !", "ends with !"},
      {"ends with )", "ends with )"},
      {"ends with /", "ends with /."},
      {"ends with \u00e9", "ends with \u00e9."},
      {"", ""},
  };
  for (const auto& C : Cases)
    ShowException(C.Message);
  ASSERT_EQ(Dialogs.Calls.size(), std::size(Cases));
  for (size_t I = 0; I < std::size(Cases); ++I) {
    EXPECT_EQ(Dialogs.Calls[I].Text, Cases[I].Shown);
    EXPECT_EQ(Dialogs.Calls[I].Caption, "Yorel Studio Express");
    EXPECT_EQ(Dialogs.Calls[I].Icon, TMsgIcon::Error);
    EXPECT_EQ(Dialogs.Calls[I].Buttons, TMsgButtons::mbOK);
  }
}

TEST(ErrorHandler, CatchesLibraryAndStandardErrorsAndGoesOn) {
  TScriptedDialogs Dialogs;
  bool Result = true;
  EXPECT_NO_THROW(Result = DeliverShowingErrors([]() -> bool {
                    throw EFOpenError("/p/a.yor", "No such file or directory");
                  }));
  EXPECT_FALSE(Result);
  EXPECT_NO_THROW(DeliverShowingErrors([]() -> bool { throw std::runtime_error("disk on fire"); }));
  EXPECT_TRUE(DeliverShowingErrors([] { return true; }));
  ASSERT_EQ(Dialogs.Calls.size(), 2u);
  EXPECT_EQ(Dialogs.Calls[0].Text, "Cannot open file \"/p/a.yor\". No such file or directory.");
  EXPECT_EQ(Dialogs.Calls[1].Text, "disk on fire.");
}

TEST(ErrorHandler, OwnedByTheActiveWindow) {
  TScriptedDialogs Dialogs;
  QWidget Window;
  Window.show();
  QApplication::setActiveWindow(&Window);
  ShowException("x");
  ASSERT_EQ(Dialogs.Calls.size(), 1u);
  EXPECT_EQ(Dialogs.Calls[0].Owner, &Window);
}

// A handler that fails during a real key event, or a menu command that fails,
// shows its error; the window stays open and keeps taking keys and commands.
TEST(ErrorHandler, FailingHandlersAreShownAndTheWindowGoesOn) {
  StudioFixture S;
  S.Form.OpenPaths({S.Write("a.yor", "a")});
  TCodeFRM* Code = S.Windows()[0];
  auto* Host = Code->findChild<TQtControlHost*>();
  bool Fail = true;
  Code->tbCode->OnKeyPress = [&](TObject*, QChar&) {
    if (std::exchange(Fail, false)) throw EConvertError("key handler failed");
  };
  QTest::keyClick(Host, Qt::Key_X);
  QTest::keyClicks(Host, "yz");
  EXPECT_EQ(Code->tbCode->Lines()->Text(), "yza");

  QDir().mkpath(S.Path("folder.yor"));
  Code->SetFile(S.Path("folder.yor"), "folder.yor");
  S.Form.Save1->trigger();
  S.Form.SaveAll1->trigger();
  Code->SetFile(S.Path("a.yor"), "a.yor");
  S.Form.Save1->trigger();
  EXPECT_EQ(S.Read("a.yor"), "yza");

  ASSERT_EQ(S.Dialogs.Calls.size(), 3u);
  EXPECT_EQ(S.Dialogs.Calls[0].Text, "key handler failed.");
  for (int I : {1, 2}) {
    EXPECT_TRUE(S.Dialogs.Calls[I].Text.startsWith("Cannot create file \"")) << I;
    EXPECT_EQ(S.Dialogs.Calls[I].Icon, TMsgIcon::Error);
  }
  EXPECT_EQ(S.Windows(), QList<TCodeFRM*>{Code});
}
