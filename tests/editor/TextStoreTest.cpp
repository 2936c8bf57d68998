// A new control, the read side of the text, and the text messages.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

TEST(TextStore, ANewControl) {
  TMemoComponent E;
  EXPECT_EQ(E.ClassName(), "TMemoComponent");
  EXPECT_EQ(E.Text(), "");
  EXPECT_EQ(E.TextLength(), 0);
  EXPECT_EQ(E.LineCount(), 1);
  EXPECT_EQ(E.LineLength(1), 0);
  EXPECT_EQ(E.LineLength(0), -2);
  EXPECT_EQ(E.LongestLineLength(), 0);
  EXPECT_FALSE(E.CanUndo());
  EXPECT_FALSE(E.CanRedo());
  EXPECT_EQ(E.Selection()->RStart(), 1);
  EXPECT_EQ(E.Selection()->RLength(), 0);
  EXPECT_EQ(E.VisibleRange()->StartRowCol(), TextCell(1, 1));
  EXPECT_EQ(E.VisibleRange()->LeftCol(), 1);
  // The viewport and the selection are the first two tracked ranges.
  ASSERT_EQ(E.TrackedRanges()->Count(), 2);
  EXPECT_EQ(E.TrackedRanges()->Items(0), E.VisibleRange());
  EXPECT_EQ(E.TrackedRanges()->Items(1), E.Selection());
  EXPECT_EQ(E.WholeText()->Collection(), nullptr);
  EXPECT_EQ(E.TabSize(), 2);
  EXPECT_EQ(E.LeftMargin(), 2);
  EXPECT_EQ(E.TopMargin(), 0);
  EXPECT_EQ(E.ScrollBars(), TScrollStyle::ssBoth);
  EXPECT_EQ(E.BorderStyle(), TBorderStyle::bsSingle);
  EXPECT_FALSE(E.Bitmapped());
  EXPECT_FALSE(E.ReadOnly());
  EXPECT_FALSE(E.AlwaysShowCaret());
  EXPECT_TRUE(E.TabStop());
  EXPECT_EQ(E.Color(), clWindow);
  EXPECT_EQ(E.Font()->Name(), "Courier New");
  EXPECT_EQ(E.Font()->Size(), 10);
  EXPECT_EQ(E.Width(), 129);
  EXPECT_EQ(E.MinHeight(), 64);
}

TEST(TextStore, GetTextNeverWritesBeyondTheBuffer) {
  TMemoComponent E;
  E.SetText("abcdef");
  char16_t Buffer[6] = {u'x', u'x', u'x', u'x', u'x', u'x'};
  EXPECT_EQ(E.Perform(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(Buffer)), 3);
  EXPECT_EQ(QString::fromUtf16(Buffer), "abc");
  EXPECT_EQ(Buffer[4], u'x');
  EXPECT_EQ(E.Perform(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(Buffer)), 0);
  EXPECT_EQ(E.Perform(WM_GETTEXTLENGTH), 6);
}

TEST(TextStore, RowsOfALargeText) {
  TMemoComponent E;
  QString Text;
  for (int I = 0; I < 5000; ++I)
    Text += QString(I % 7, u'x') + "\r\n";
  E.SetText(Text);
  EXPECT_EQ(E.LineCount(), 5001);
  int Start = 1;
  for (int Row = 1; Row <= 5000; Row += 499) {
    Start = 1;
    for (int R = 1; R < Row; ++R)
      Start += (R - 1) % 7 + 2;
    EXPECT_EQ(E.CellToCharIdx(TextCell(Row, 1)), Start);
    EXPECT_EQ(E.CharIdxToCell(Start + 1), TextCell(Row, 2));
    EXPECT_EQ(E.LineLength(Row), (Row - 1) % 7);
  }
}

TEST(TextStore, RefusesToGrowPastItsLimitBeforeChangingAnything) {
  TTextBuffer Buffer;
  Buffer.Replace(0, 0, u"abc");
  EXPECT_NO_THROW(Buffer.CheckReplace(3, TTextBuffer::MaxLength));
  try {
    Buffer.CheckReplace(2, TTextBuffer::MaxLength);
    ADD_FAILURE() << "no error";
  } catch (const ETextTooLong& Error) {
    EXPECT_EQ(Error.Message(),
              "The text would have 1073741825 characters; an editor holds at most 1073741824");
  }
  // Refused before a character of the new text is read: this view claims more than it has.
  const char16_t One = u'x';
  EXPECT_THROW(Buffer.Replace(3, 0, QStringView(&One, TTextBuffer::MaxLength)), ETextTooLong);
  EXPECT_EQ(Buffer.ToString(), "abc");
  // The gap buffer's own growth is checked where an int index ends.
  TSplitVector<char16_t> Vector;
  Vector.Insert(0, u'a');
  EXPECT_THROW(Vector.Insert(1, &One, std::numeric_limits<int>::max()), std::length_error);
  EXPECT_EQ(Vector.Length(), 1);
}
