// The editor in its Qt window, driven by real key and mouse events under the offscreen
// platform; also writes screenshots of what a user sees into the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <map>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QScrollBar>
#include <QTest>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/qt/QtControlHost.h"

namespace {
struct HostedEditor {
  explicit HostedEditor(int Width = 420, int Height = 240) {
    Editor.SetLeftMargin(50);
    Editor.SetTabSize(4);
    Editor.SetAlwaysShowCaret(true);
    Host = std::make_unique<TQtControlHost>(&Editor);
    Host->resize(Width, Height);
    Host->show();
    Host->activateWindow();
    Host->setFocus();
    QApplication::processEvents();
  }
  ~HostedEditor() { Host.reset(); }
  QWidget* Keys() { return Host.get(); }
  QWidget* Mouse() { return Host->viewport(); }
  QPoint CellPoint(int Row, int Col) {
    return QPoint(Editor.LeftMargin() + (Col - 1) * Editor.FontWidth + 1,
                  (Row - 1) * Editor.FontHeight + Editor.FontHeight / 2);
  }
  void Shot(const QString& Name) {
    QApplication::processEvents();
    Host->grab().save(QDir::current().filePath(Name + ".png"));
  }
  TMemoComponent Editor;
  std::unique_ptr<TQtControlHost> Host;
};
}  // namespace

TEST(QtHost, MeasuresALiberationMonoCellForCourierNew) {
  HostedEditor E;
  EXPECT_EQ(QFontInfo(ToQFont(*E.Editor.Font())).family(), "Liberation Mono");
  EXPECT_GT(E.Editor.FontWidth, 5);
  EXPECT_GT(E.Editor.FontHeight, E.Editor.FontWidth);
  EXPECT_EQ(E.Editor.PageHeight, E.Host->viewport()->height() / E.Editor.FontHeight);
}

TEST(QtHost, TypingEnterAndBackspace) {
  HostedEditor E;
  QTest::keyClicks(E.Keys(), "mov eax");
  QTest::keyClick(E.Keys(), Qt::Key_Return);
  QTest::keyClick(E.Keys(), Qt::Key_Tab);
  QTest::keyClicks(E.Keys(), "ret");
  EXPECT_EQ(E.Editor.Text(), "mov eax\r\n\tret");
  for (int I = 0; I < 4; ++I)
    QTest::keyClick(E.Keys(), Qt::Key_Backspace);
  QTest::keyClick(E.Keys(), Qt::Key_Backspace);  // the CR LF goes as one
  EXPECT_EQ(E.Editor.Text(), "mov eax");
  QTest::keyClick(E.Keys(), Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(E.Editor.Text(), "mov eax\r\n\tret");  // undone
  QTest::keyClick(E.Keys(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(E.Editor.Text(), "mov eax");
  EXPECT_TRUE(E.Host->hasFocus());  // Tab never moved the focus away
}

TEST(QtHost, ShiftArrowsAndWordMoves) {
  HostedEditor E;
  E.Editor.SetText("alpha beta\r\ngamma");
  E.Editor.SetSelStart(0);
  QTest::keyClick(E.Keys(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(E.Editor.SelStart(), 5);
  QTest::keyClick(E.Keys(), Qt::Key_End, Qt::ShiftModifier);
  QTest::keyClick(E.Keys(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(E.Editor.Selection()->Text(), " beta\r\n");
  QTest::keyClick(E.Keys(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(E.Editor.SelStart(), 0);
  EXPECT_EQ(E.Editor.SelLength(), 0);
  QTest::keyClick(E.Keys(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(E.Editor.Text(), "alpha beta\r\ngamma");  // not exactly Ctrl: no paste
}

TEST(QtHost, ClipboardRoundTrip) {
  HostedEditor E;
  E.Editor.SetText("one\r\ntwo");
  E.Editor.SelectAll();
  QTest::keyClick(E.Keys(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "one\r\ntwo");
  QApplication::clipboard()->setText("x\ny");
  QTest::keyClick(E.Keys(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(E.Editor.Text(), "x\r\ny");
}

TEST(QtHost, MouseSelectsAndARightClickKeepsTheSelection) {
  HostedEditor E;
  E.Editor.SetText("first row\r\nsecond row");
  QTest::mousePress(E.Mouse(), Qt::LeftButton, {}, E.CellPoint(1, 7));
  QTest::mouseMove(E.Mouse(), E.CellPoint(2, 4));
  QTest::mouseRelease(E.Mouse(), Qt::LeftButton, {}, E.CellPoint(2, 4));
  EXPECT_EQ(E.Editor.Selection()->Text(), "row\r\nsec");
  QTest::mouseClick(E.Mouse(), Qt::RightButton, {}, E.CellPoint(1, 2));
  EXPECT_EQ(E.Editor.Selection()->Text(), "row\r\nsec");
}

TEST(QtHost, ScrollBarsMirrorTheViewAndDisableWhenEverythingFits) {
  HostedEditor E;
  EXPECT_FALSE(E.Host->verticalScrollBar()->isEnabled());
  EXPECT_TRUE(E.Host->verticalScrollBar()->isVisible());
  QString Text;
  for (int I = 1; I <= 200; ++I)
    Text += QString("row %1\r\n").arg(I);
  E.Editor.SetText(Text);
  QScrollBar* Bar = E.Host->verticalScrollBar();
  EXPECT_TRUE(Bar->isEnabled());
  EXPECT_EQ(Bar->maximum(), E.Editor.LineCount() - E.Editor.PageHeight + 1);
  EXPECT_EQ(Bar->pageStep(), E.Editor.PageHeight);
  Bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(E.Editor.VisibleRange()->FTopRow, 1 + E.Editor.PageHeight);
  EXPECT_EQ(Bar->value(), E.Editor.VisibleRange()->FTopRow);
  Bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(E.Editor.VisibleRange()->FTopRow, Bar->maximum());
  Bar->setSliderDown(true);  // dragging the thumb scrolls continuously
  for (int Position : {50, 51, 70}) {
    Bar->setSliderPosition(Position);
    EXPECT_EQ(E.Editor.VisibleRange()->FTopRow, Position);
    EXPECT_EQ(Bar->value(), Position);
  }
  Bar->setSliderDown(false);
}

TEST(QtHost, TheCaretIsDrawnOverTheTextWithoutDamagingIt) {
  QApplication::setCursorFlashTime(0);  // a steady caret, so that a blink cannot interfere
  HostedEditor E;
  E.Editor.SetText("abc");
  E.Editor.SetSelStart(1);
  E.Host->setFocus();
  E.Editor.Perform(WM_SETFOCUS);
  ASSERT_TRUE(E.Host->CaretVisible());
  const QRect Caret = E.Host->CaretRect();
  EXPECT_EQ(Caret.width(), 2);
  EXPECT_EQ(Caret.height(), E.Editor.FontHeight - 2);
  EXPECT_EQ(Caret.left(), E.Editor.LeftMargin() + E.Editor.FontWidth - 1);
  const QPoint Inside = Caret.center();
  QApplication::processEvents();
  const QColor WithCaret = E.Host->viewport()->grab().toImage().pixelColor(Inside);
  E.Editor.Selection()->HideCaret();
  QApplication::processEvents();
  const QColor WithoutCaret = E.Host->viewport()->grab().toImage().pixelColor(Inside);
  EXPECT_NE(WithCaret, WithoutCaret);
  E.Editor.Selection()->ShowCaret();
  QApplication::processEvents();
  EXPECT_EQ(E.Host->viewport()->grab().toImage().pixelColor(Inside), WithCaret);
}

namespace {
// Notes every row piece it draws.
class TCountingMemo : public TMemoComponent {
 public:
  void DrawLinePart(TCustomRange* Range, int X, int Y, int FirstTabWidth) override {
    ++RowsDrawn[CharIdxToCell(Range->RStart()).Row];
    TMemoComponent::DrawLinePart(Range, X, Y, FirstTabWidth);
  }
  std::map<int, int> RowsDrawn;
};

QImage ViewImage(QWidget* Viewport) {
  QApplication::processEvents();
  return Viewport->grab().toImage();
}
}  // namespace

// An Enter or a Backspace that joins rows moves the rows below as pixels and draws only the
// rows it changed, each once; the picture equals a complete redraw.
TEST(QtHost, RowsComingAndGoingDrawOnlyTheChangedRowsOnce) {
  QApplication::setCursorFlashTime(0);
  TCountingMemo Editor;
  Editor.SetLeftMargin(50);
  Editor.SetTabSize(4);
  TQtControlHost Host(&Editor);
  Host.resize(420, 240);
  Host.show();
  QString Text;
  for (int Row = 1; Row <= 100; ++Row)
    Text += Row % 7 ? QStringLiteral("\tmov eax, %1 ; row\r\n").arg(Row) : QStringLiteral("\r\n");
  Editor.SetText(Text);
  Editor.VisibleRange()->SetStartRowCol(TextCell(40, 1));
  const int Middle = 40 + Editor.PageHeight / 2;
  Editor.SetSelStart(Editor.CellToCharIdx(TextCell(Middle, 6)) - 1);
  Editor.Selection()->HideCaret();
  ViewImage(Host.viewport());
  const auto Redrawn = [&] {
    const QImage Incremental = ViewImage(Host.viewport());
    Host.Invalidate();
    return Incremental == ViewImage(Host.viewport());
  };

  Editor.RowsDrawn.clear();
  QTest::keyClick(&Host, Qt::Key_Return);
  Host.grab().save(QDir::current().filePath("editor-enter-in-the-middle.png"));
  EXPECT_EQ(Editor.RowsDrawn, (std::map<int, int>{{Middle, 1}, {Middle + 1, 1}}));
  EXPECT_TRUE(Redrawn());

  Editor.RowsDrawn.clear();
  QTest::keyClick(&Host, Qt::Key_Backspace);
  const int Bottom = 40 + Editor.PageHeight;
  for (const auto& [Row, Count] : Editor.RowsDrawn) {
    EXPECT_EQ(Count, 1) << "row " << Row;
    EXPECT_TRUE(Row == Middle || Row >= Bottom - 1) << "row " << Row;
  }
  EXPECT_TRUE(Redrawn());
  EXPECT_EQ(Editor.Text(), Text);

  // A new widest row changes the scroll range, not the picture of the other rows.
  Editor.RowsDrawn.clear();
  QTest::keyClicks(&Host, QStringLiteral("xxxxx"));
  EXPECT_EQ(Editor.RowsDrawn.size(), 1u);
  EXPECT_EQ(Editor.LongestLineLength(), Editor.LineScrLength(Middle));
  EXPECT_TRUE(Redrawn());
}

TEST(QtHost, Screenshots) {
  {
    HostedEditor E;
    E.Editor.SetText(
        "program Demo;\r\n\tmov eax, 1\r\n\tadd eax, ebx\r\n\r\n\tif (eax)\t// tabbed\r\n"
        "\t{\r\n\t\tret\r\n\t}");
    E.Editor.SetSelStart(E.Editor.CellToCharIdx(TextCell(2, 6)) - 1);
    E.Editor.Selection()->SetCursorPos(E.Editor.CellToCharIdx(TextCell(3, 5)));
    E.Shot("editor-tabs-selection-gutter");
  }
  {
    HostedEditor E(300, 160);
    QString Text;
    for (int I = 1; I <= 30; ++I)
      Text += QString("row %1 with a long tail that runs far to the right\r\n").arg(I);
    E.Editor.SetText(Text);
    E.Editor.VisibleRange()->SetLeftCol(12);
    E.Editor.VisibleRange()->SetStartRowCol(TextCell(5, 1));
    E.Shot("editor-scrolled-sideways");
  }
  {
    // A scripted session: typing with Enter and Tab, then a selection made with Shift+Up.
    HostedEditor E;
    for (const char* Row : {"procedure Main;", "{", "\tmov eax, 10", "\tcall Print", "}"}) {
      QTest::keyClicks(E.Keys(), QString::fromLatin1(Row));
      QTest::keyClick(E.Keys(), Qt::Key_Return);
    }
    QTest::keyClick(E.Keys(), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(E.Keys(), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(E.Keys(), Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(E.Editor.LineCount(), 6);
    E.Shot("editor-typed-session");
  }
}
