// The keyboard tables, driven through the control's key steps.
#include <gtest/gtest.h>

#include "KeyPresses.h"
#include "SpyMemo.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
constexpr unsigned Shift = TShiftState::ssShift, Ctrl = TShiftState::ssCtrl,
                   Alt = TShiftState::ssAlt;

int Caret(const TMemoComponent& E) {
  return E.Selection()->CursorPos();
}
}  // namespace

TEST(Keys, CaretMoves) {
  struct {
    QString Text;
    int Start;
    quint16 Code;
    unsigned Modifiers;
    int Expected;
  } Cases[] = {
      {"ab\r\ncd", 5, VK_LEFT, 0, 3},    {"ab\r\ncd", 3, VK_RIGHT, 0, 5},
      {"abc", 1, VK_LEFT, 0, 1},         {"abc", 4, VK_RIGHT, 0, 4},
      {"foo bar", 6, VK_LEFT, Ctrl, 5},  {"foo   bar", 7, VK_LEFT, Ctrl, 4},
      {"foo bar", 1, VK_RIGHT, Ctrl, 4}, {"foo  bar", 4, VK_RIGHT, Ctrl, 6},
      {"ab\r\ncd", 6, VK_HOME, 0, 5},    {"ab\r\ncd", 6, VK_HOME, Ctrl, 1},
      {"ab\r\ncd", 1, VK_END, 0, 3},     {"ab\r\ncd", 1, VK_END, Ctrl, 7},
      {"ab\r\ncd", 2, VK_UP, 0, 1},      {"ab\r\ncd", 6, VK_DOWN, 0, 7},
  };
  for (const auto& C : Cases) {
    TSpyMemo E;
    E.SetText(C.Text);
    E.SetSelStart(C.Start - 1);
    Key(E, C.Code, C.Modifiers);
    EXPECT_EQ(Caret(E), C.Expected)
        << C.Text.toStdString() << " from " << C.Start << " key " << C.Code;
    EXPECT_EQ(E.SelLength(), 0);
  }
}

TEST(Keys, ShiftExtendsAcrossALineBreakAsOnePair) {
  TSpyMemo E;
  E.SetText("ab\r\ncd");
  E.SetSelStart(2);
  Key(E, VK_RIGHT, Shift);
  EXPECT_EQ(E.Selection()->Text(), "\r\n");
  Key(E, VK_RIGHT, Shift);
  EXPECT_EQ(E.Selection()->Text(), "\r\nc");
}

TEST(Keys, VerticalMovesRememberTheScreenColumn) {
  TSpyMemo E;
  E.SetText(QString(30, u'x') + "\r\nshort\r\n" + QString(30, u'y'));
  E.SetSelStart(19);  // screen column 20
  Key(E, VK_DOWN);
  EXPECT_EQ(E.CharIdxToCell(Caret(E)), TextCell(2, 6));
  Key(E, VK_DOWN);
  EXPECT_EQ(E.CharIdxToCell(Caret(E)), TextCell(3, 20));
}

TEST(Keys, PageMovesByOneRowLessThanAPage) {
  TSpyMemo E(402, 260);  // a page of 20 rows
  QString Text;
  for (int I = 0; I < 100; ++I)
    Text += "row\r\n";
  E.SetText(Text);
  Key(E, VK_NEXT);
  EXPECT_EQ(E.CharIdxToCell(Caret(E)).Row, 20);
}

TEST(Keys, ArrowsAndASelection) {
  for (bool Always : {false, true}) {
    TSpyMemo E;
    E.SetText("abcdef");
    E.SetAlwaysShowCaret(Always);
    E.SetSelStart(2);
    E.SetSelLength(2);  // "cd", caret at 5
    Key(E, VK_LEFT);
    EXPECT_EQ(Caret(E), Always ? 4 : 3) << Always;
    EXPECT_EQ(E.SelLength(), 0);
  }
}

TEST(Keys, DeletionTakesALineBreakAsOne) {
  TSpyMemo E;
  E.SetText("ab\r\ncd");
  E.SetSelStart(4);
  Key(E, VK_BACK);
  EXPECT_EQ(E.Text(), "abcd");
  E.SetText("ab\r\ncd");
  E.SetSelStart(2);
  Key(E, VK_DELETE);
  EXPECT_EQ(E.Text(), "abcd");
  E.SetSelStart(0);
  Key(E, VK_BACK);
  E.SetSelStart(4);
  Key(E, VK_DELETE);
  EXPECT_EQ(E.Text(), "abcd");
}

TEST(Keys, UndoRedoAndClipboardShortcuts) {
  TSpyMemo E;
  Type(E, "abc");
  Key(E, VK_BACK, Alt);
  EXPECT_EQ(E.Text(), "");
  Key(E, VK_BACK, Shift | Alt);
  EXPECT_EQ(E.Text(), "abc");
  Key(E, 'Z', Ctrl | Alt);  // Ctrl held
  EXPECT_EQ(E.Text(), "");
  Key(E, 'Z', Ctrl | Shift);
  EXPECT_EQ(E.Text(), "abc");
  E.SelectAll();
  Key(E, 'C', Ctrl);
  EXPECT_EQ(E.Host.Clipboard, "abc");
  E.SetSelStart(3);
  Key(E, 'V', Ctrl | Shift);  // not exactly Ctrl
  EXPECT_EQ(E.Text(), "abc");
  Key(E, 'V', Ctrl);
  EXPECT_EQ(E.Text(), "abcabc");
}

TEST(Keys, TypedCharacters) {
  TSpyMemo E;
  Type(E, QString("a\r\t") + QChar(127) + QChar(8) + QChar(27) + "b");
  EXPECT_EQ(E.Text(), QString("a\r\n\t") + QChar(127) + "b");
}

TEST(Keys, ReadOnlyScrollsAndRefusesEdits) {
  TSpyMemo E(100, 60);
  QString Text;
  for (int I = 0; I < 50; ++I)
    Text += QString(40, u'x') + "\r\n";
  E.SetText(Text);
  E.SetReadOnly(true);
  const int Before = Caret(E);
  Key(E, VK_END);
  EXPECT_GT(E.VisibleRange()->LeftCol(), 1);
  EXPECT_EQ(E.VisibleRange()->FTopRow, 1);
  Key(E, VK_END, Ctrl);
  EXPECT_GT(E.VisibleRange()->FTopRow, 1);
  Key(E, VK_HOME, Ctrl);
  EXPECT_EQ(E.VisibleRange()->FTopRow, 1);
  EXPECT_EQ(E.VisibleRange()->LeftCol(), 1);
  EXPECT_EQ(Caret(E), Before);
  Type(E, "q");
  Key(E, 'Z', Ctrl);
  Key(E, 'V', Ctrl);
  EXPECT_EQ(E.Text(), Text);
  E.SelectAll();
  Key(E, VK_INSERT, Ctrl);
  EXPECT_EQ(E.Host.Clipboard, Text);
  E.Host.Clipboard = "pasted";
  E.PasteFromClipboard();  // the menu's paste does not look at read-only
  EXPECT_EQ(E.Text(), "pasted");
}

TEST(Keys, ClaimedKeys) {
  TSpyMemo E;
  for (quint16 Code : {VK_TAB, VK_CLEAR, VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP,
                       VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE})
    EXPECT_TRUE(E.WantsKey(Code)) << Code;
  EXPECT_FALSE(E.WantsKey(VK_RETURN));
  EXPECT_FALSE(E.WantsKey(VK_ESCAPE));
}
