// Renders the find bar with its marks and the results panel into the build folder, for
// a person to look at (and for the README's pictures).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>

#include "../StudioFixture.h"
#include "studio/search/FindBar.h"
#include "studio/search/SearchCommands.h"
#include "studio/search/SearchResultsPanel.h"

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
  const QString Out = QCoreApplication::applicationDirPath() + QStringLiteral("/search-screenshot.png");
  EXPECT_TRUE(S.Form.grab().save(Out));
}
