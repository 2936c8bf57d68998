// The Yorel editor in its Qt window, driven by real key events under the offscreen
// platform; also writes a screenshot of every kind of text into the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "SourceEditFixture.h"
#include "platform/qt/QtControlHost.h"

namespace {
struct HostedYorelEdit {
  HostedYorelEdit() {
    LoadStoredSettings(Editor, YorelEditorSettings);
    Editor.SetLeftMargin(50);
    Editor.SetTabSize(4);
    Editor.SetAlwaysShowCaret(true);
    Host = std::make_unique<TQtControlHost>(&Editor);
    Host->resize(520, 260);
    Host->show();
    Host->activateWindow();
    Host->setFocus();
    QApplication::processEvents();
  }
  ~HostedYorelEdit() { Host.reset(); }
  TSourceEdit Editor;
  std::unique_ptr<TQtControlHost> Host;
};
}  // namespace

TEST(QtSourceEdit, IndentsAsKeysArrive) {
  HostedYorelEdit E;
  QTest::keyClicks(E.Host.get(), "    mov eax");
  QTest::keyClick(E.Host.get(), Qt::Key_Return);
  QTest::keyClicks(E.Host.get(), "if x {");
  QTest::keyClicks(E.Host.get(), "\t pop");
  QTest::keyClick(E.Host.get(), Qt::Key_Return);
  EXPECT_EQ(E.Editor.Text(), "    mov eax\r\n    if x {\r\n\t pop\r\n\t \r\n    }");
  EXPECT_EQ(E.Editor.FirstBrokenSyntaxRange(), nullptr);
}

TEST(QtSourceEdit, ScreenshotOfEveryKindOfText) {
  HostedYorelEdit E;
  E.Editor.SetText(
      "#include 'io.yor' \r\n"
      "// every kind of text\r\n"
      "function Sum(int a; dword b) : int\r\n"
      "{\r\n"
      "    mov eax, [ebp+8]    /* block\r\n"
      "       comment */\r\n"
      "    fadd st, mm1\r\n"
      "    while (a < $FF) a := a + 0FFh;\r\n"
      "    string s := 'it\\'s';\r\n"
      "}\r\n");
  E.Editor.SetSelStart(E.Editor.Text().indexOf("while") + 2);
  E.Editor.SetSelLength(8);
  QApplication::processEvents();
  const QImage Shot = E.Host->grab().toImage();
  EXPECT_TRUE(Shot.save(QDir::current().filePath("sourceedit-yorel.png")));
  // The keyword's colour reaches the screen: "mov" on row 5 is drawn in its list's blue.
  bool Blue = false;
  for (int X = 50; X < 50 + 8 * E.Editor.FontWidth; ++X)
    for (int Y = 4 * E.Editor.FontHeight; Y < 5 * E.Editor.FontHeight; ++Y)
      Blue = Blue || Shot.pixelColor(X, Y) == QColor(0, 1, 255);
  EXPECT_TRUE(Blue);
}
