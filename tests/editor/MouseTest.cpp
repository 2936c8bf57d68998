// Mouse placement and drag selection with its timer, clipboard messages and block indent.
#include <gtest/gtest.h>

#include "SpyMemo.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
QString Rows(int Count) {
  QString Text;
  for (int I = 0; I < Count; ++I)
    Text += QString("row %1\r\n").arg(I + 1);
  return Text;
}
}  // namespace

TEST(Mouse, PressPlacesTheCaretAndStartsTheDragTimer) {
  TSpyMemo E;
  E.SetText("abcdef\r\nxyz");
  E.HandleMouseDown(TMouseButton::mbLeft, TShiftState{TShiftState::ssShift}, 2 + 3 * 8 + 4, 2);
  EXPECT_EQ(E.Selection()->CursorPos(), 5);  // the right half of "d" selects after it
  EXPECT_EQ(E.SelLength(), 0);               // Shift+click does not extend
  EXPECT_EQ(E.Host.Timers.at(1), 20);
  EXPECT_EQ(E.Host.FocusRequests, 1);
  E.HandleMouseMove(TShiftState{}, 2 + 1 * 8, 13 + 2);
  EXPECT_EQ(E.Selection()->Text(), "ef\r\nx");
  E.HandleMouseUp(TMouseButton::mbLeft, TShiftState{}, 0, 0);
  EXPECT_FALSE(E.Selecting());
  EXPECT_TRUE(E.Host.Timers.empty());
}

TEST(Mouse, ARightClickKeepsTheSelection) {
  TSpyMemo E;
  E.SetText("abcdef");
  E.SetSelStart(1);
  E.SetSelLength(3);
  E.HandleMouseDown(TMouseButton::mbRight, TShiftState{}, 2, 2);
  EXPECT_EQ(E.Selection()->Text(), "bcd");
}

TEST(Mouse, DraggingBelowTheWindowKeepsExtendingWhileTheTimerRuns) {
  TSpyMemo E(402, 260);
  E.SetText(Rows(100));
  E.HandleMouseDown(TMouseButton::mbLeft, TShiftState{}, 2, 2);
  E.Host.Cursor = TPoint{10, 260 + 3 * 13};  // below the window
  int LastEnd = E.Selection()->REnd();
  for (int Tick = 0; Tick < 5; ++Tick) {
    E.Perform(WM_TIMER, 1);
    EXPECT_GT(E.Selection()->REnd(), LastEnd);
    LastEnd = E.Selection()->REnd();
  }
  EXPECT_GT(E.VisibleRange()->FTopRow, 1);
  E.HandleMouseMove(TShiftState{}, 10, 400);  // outside the window: ignored
  EXPECT_EQ(E.Selection()->REnd(), LastEnd);
  E.HandleMouseUp(TMouseButton::mbLeft, TShiftState{}, 10, 400);
  const int Top = E.VisibleRange()->FTopRow;
  E.Perform(WM_TIMER, 1);
  EXPECT_EQ(E.VisibleRange()->FTopRow, Top);
}

TEST(Clipboard, RoundTripsKeepLineBreaks) {
  TSpyMemo E;
  E.SetText("one\r\ntwo");
  E.SelectAll();
  E.CutToClipboard();
  EXPECT_EQ(E.Host.Clipboard, "one\r\ntwo");
  EXPECT_EQ(E.Text(), "");
  E.Host.Clipboard = "a\nb";
  E.PasteFromClipboard();
  EXPECT_EQ(E.Text(), "a\r\nb");
  E.SelectAll();
  E.CopyToClipboard();
  EXPECT_EQ(E.Host.Clipboard, "a\r\nb");
  E.Host.Clipboard.clear();
  E.PasteFromClipboard();  // no text on the clipboard deletes the selection
  EXPECT_EQ(E.Text(), "");
  E.SetText("xyz");
  E.SetSelStart(1);
  E.SetSelLength(1);
  E.ClearSelection();
  EXPECT_EQ(E.Text(), "xz");
}

TEST(Indent, ChangeIndentIsOneUndoStep) {
  TSpyMemo E;
  E.SetText("a\r\n\tb\r\nc");
  E.SelectAll();
  int Changes = 0, SelectionChanges = 0;
  E.OnChange = [&](TObject*) { ++Changes; };
  E.OnSelectionChange = [&](TObject*) { ++SelectionChanges; };
  E.ChangeIndent(1);
  EXPECT_EQ(E.Text(), "\ta\r\n\t\tb\r\n\tc");
  EXPECT_EQ(E.Selection()->RStart(), 1);  // began at the first character: takes the new tab
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(SelectionChanges, 1);
  E.Undo();
  EXPECT_EQ(E.Text(), "a\r\n\tb\r\nc");
  E.Redo();
  EXPECT_EQ(E.Text(), "\ta\r\n\t\tb\r\n\tc");
}

TEST(Indent, NegativeChangeRemovesTheTabsNearestTheText) {
  TSpyMemo E;
  E.SetText(QString("\t\t") + QChar(21) + "x\r\n \ty");
  E.SelectAll();
  E.ChangeIndent(-1);
  EXPECT_EQ(E.Text(), QString("\t\tx\r\n \ty"));  // a space stops the scan
  E.ChangeIndent(-5);
  EXPECT_EQ(E.Text(), QString("x\r\n \ty"));
}

TEST(Window, StylesFollowTheSettings) {
  TSpyMemo E;
  EXPECT_EQ(E.Host.ScrollBars, TScrollStyle::ssBoth);
  EXPECT_TRUE(E.Host.SunkenEdge);
  EXPECT_TRUE(E.Host.IBeam);
  E.SetScrollBars(TScrollStyle::ssVertical);
  EXPECT_EQ(E.Host.ScrollBars, TScrollStyle::ssVertical);
  EXPECT_EQ(E.Host.Recreations, 1);
  E.SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_FALSE(E.Host.SunkenEdge);
  EXPECT_FALSE(E.Host.HasBorder);
}
