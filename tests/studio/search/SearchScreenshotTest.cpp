// Renders the find bar with its marks and the results panel into the build folder, in the
// light and the dark look, for a person to look at (and for the README's pictures).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QTreeWidget>

#include "../StudioFixture.h"
#include "platform/core/ScopeExit.h"
#include "studio/search/FindBar.h"
#include "studio/search/SearchCommands.h"
#include "studio/search/SearchResultsPanel.h"
#include "studio/settings/UserSettings.h"
#include "studio/shell/StudioShell.h"
#include "studio/shell/Theme.h"

namespace {
// Pixels of text drawn dark on the results' pale marker: marker on both sides in their row
// and above and below in their column, so the background around the marker is not counted.
int DarkTextOnMarker(const QImage& Image) {
  const QColor Marker(255, 230, 120);
  auto IsMarker = [&](int X, int Y) {
    return X >= 0 && Y >= 0 && X < Image.width() && Y < Image.height() && Image.pixelColor(X, Y) == Marker;
  };
  auto Near = [&](int X, int Y, int Dx, int Dy, int Reach) {
    for (int I = 1; I <= Reach; ++I)
      if (IsMarker(X + I * Dx, Y + I * Dy)) return true;
    return false;
  };
  int Count = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if (qGray(Image.pixel(X, Y)) < 100 && Near(X, Y, -1, 0, 3) && Near(X, Y, 1, 0, 3) &&
          Near(X, Y, 0, -1, 12) && Near(X, Y, 0, 1, 12))
        ++Count;
  return Count;
}
}  // namespace

TEST(SearchScreenshot, FindBarAndResultsPanel) {
  StudioFixture S;
  S.Form.resize(900, 640);
  const QByteArray Source =
      "program Demo;\r\n\r\nprocedure Sum(a, b);\r\nbegin\r\n  mov eax, a\r\n  add eax, (b + 1)\r\n"
      "  mov [result], eax\r\nend;\r\n\r\nbegin\r\n  Sum(1, 2)\r\n  mov ebx, eax\r\nend.\r\n";
  S.Form.OpenPaths({S.Write("demo.yor", Source), S.Write("other.yor", "mov ecx, eax\r\n")});
  TCodeFRM* Code = S.Windows()[0];
  S.Form.MdiArea()->setActiveSubWindow(Code);
  Code->tbCode->SetSelStart(0);
  S.Form.SearchCommands->Find1Click();
  TFindBar& Bar = S.Form.SearchCommands->FindBar(*Code);
  Bar.SetOptions({QStringLiteral("eax")});
  Bar.FindNext(true);
  Bar.FindNext(true);
  ASSERT_TRUE(Bar.isVisible());
  EXPECT_EQ(Bar.Status(), "2 of 4");
  TFindInFilesRequest Request;
  Request.Options.Pattern = QStringLiteral("eax");
  Request.Folder = S.Dir.path();
  S.Form.SearchCommands->StartFindInFiles(Request);
  S.Form.SearchCommands->ResultsPanel()->WaitUntilDone();
  QApplication::processEvents();
  const QString Out = QCoreApplication::applicationDirPath() + QStringLiteral("/search-screenshot");
  EXPECT_TRUE(S.Form.grab().save(Out + ".png"));
  QTreeWidget& Results = *S.Form.SearchCommands->ResultsPanel()->Tree();
  EXPECT_GT(DarkTextOnMarker(Results.viewport()->grab().toImage()), 10);

  // The dark look, as Options > Appearance sets it: the marked text stays readable.
  const TScopeExit Light([] {
    UserSettings()->remove(SettingsKey::AppearanceTheme);
    ApplyTheme(TTheme::Light);
  });
  UserSettings()->setValue(SettingsKey::AppearanceTheme, "dark");
  S.Form.Shell->ApplySettings();
  QApplication::processEvents();
  EXPECT_TRUE(S.Form.grab().save(Out + "-dark.png"));
  EXPECT_GT(DarkTextOnMarker(Results.viewport()->grab().toImage()), 10);
}
