// Drawing through a recording surface: the gutter, tabs across pieces, highlight to the
// right edge, rows scrolled past their end, and which rows each change redraws.
#include <gtest/gtest.h>

#include "SpyMemo.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
std::vector<TDrawCall> CallsOf(const TRecordingCanvas& Canvas, TDrawCall::Kind Kind) {
  std::vector<TDrawCall> Result;
  for (const TDrawCall& C : Canvas.Calls)
    if (C.What == Kind) Result.push_back(C);
  return Result;
}

QStringList GutterTexts(const TRecordingCanvas& Canvas) {
  QStringList Texts;
  for (const TDrawCall& C : CallsOf(Canvas, TDrawCall::TextAt))
    Texts << C.Str;
  return Texts;
}
}  // namespace

TEST(Paint, GutterMarksEmptyRowsAndStopsAtTheLastCharacter) {
  TSpyMemo E;
  E.SetLeftMargin(50);
  E.WholeText()->SetText("a\r\n\r\nb\r\n");
  E.Forget();
  E.Paint();
  EXPECT_EQ(GutterTexts(E.Host.Surface), (QStringList{"1", "--", "3"}));
  const TDrawCall Mark = CallsOf(E.Host.Surface, TDrawCall::TextAt)[1];
  EXPECT_EQ(Mark.FontColor, 0x808080u);
  EXPECT_EQ(Mark.Y, 13);
}

TEST(Paint, GutterNeedsAMarginWiderThan44) {
  for (int Margin : {44, 45}) {
    TSpyMemo E;
    E.SetLeftMargin(Margin);
    E.WholeText()->SetText("abc");
    E.Forget();
    E.Paint();
    EXPECT_EQ(GutterTexts(E.Host.Surface).size(), Margin > 44 ? 1 : 0) << Margin;
  }
}

TEST(Paint, AnEmptyTextFillsEverythingOverTheGutter) {
  TSpyMemo E;
  E.SetLeftMargin(50);
  E.Forget();
  E.Paint();
  EXPECT_EQ(GutterTexts(E.Host.Surface), QStringList{"--"});
  const auto Fills = CallsOf(E.Host.Surface, TDrawCall::Fill);
  ASSERT_FALSE(Fills.empty());
  EXPECT_EQ(Fills.back().Rect, E.ClientRect());
}

TEST(Paint, TabsKeepTheirStopsAcrossPieces) {
  TSpyMemo E;
  E.SetTabSize(4);
  E.WholeText()->SetText("a\tb");
  E.SetSelStart(0);
  E.SetSelLength(1);
  E.Forget();
  E.Paint();
  EXPECT_EQ(E.Host.Surface.Texts(), (QStringList{"a", "   b"}));
  const auto Texts = CallsOf(E.Host.Surface, TDrawCall::Text);
  EXPECT_EQ(Texts[0].Brush, clHighlight);
  EXPECT_EQ(Texts[0].FontColor, clHighlightText);
  EXPECT_EQ(Texts[1].X, 2 + 8);  // the b lands on screen column 5
}

TEST(Paint, HighlightReachesTheRightEdgeOnlyWithTheLineBreak) {
  for (int Length : {2, 4}) {
    TSpyMemo E;
    E.WholeText()->SetText("ab\r\ncd");
    E.SetSelLength(Length);
    E.Forget();
    E.Paint();
    const TDrawCall First = CallsOf(E.Host.Surface, TDrawCall::Text)[0];
    EXPECT_EQ(First.Str, "ab");
    EXPECT_EQ(First.Brush, clHighlight);
    EXPECT_EQ(First.Rect.Right, Length == 4 ? E.ClientWidth() : 2 + 2 * 8) << Length;
  }
}

TEST(Paint, RowsScrolledPastTheirEndAndTabsCutAtTheMargin) {
  TSpyMemo E(100, 60);  // 12 columns
  E.SetTabSize(4);
  E.WholeText()->SetText("ab\r\nx\tyyyyyyyyyyyyyyyyyyyy");
  E.VisibleRange()->SetLeftCol(3);
  E.Forget();
  E.Paint();
  const auto Texts = CallsOf(E.Host.Surface, TDrawCall::Text);
  ASSERT_GE(Texts.size(), 2u);
  EXPECT_EQ(Texts[0].Str, "");  // row 1 holds only its line break from column 3 on
  EXPECT_EQ(Texts[0].Rect, (TRect{2, 0, 100, 13}));
  // The tab starts left of the margin; the row is cut after the last visible column.
  EXPECT_EQ(Texts[1].Str, "   " + QString(14, u'y'));
  EXPECT_EQ(Texts[1].X, 2 - 8);
  EXPECT_EQ(Texts[1].Rect.Left, 2);
}

TEST(Paint, ALongRowScrolledFarRightDrawsOnlyItsVisiblePart) {
  TSpyMemo E(100, 60);  // 12 columns
  E.SetTabSize(4);
  E.WholeText()->SetText("\t" + QString(1'000'000, u'y') + "\r\nab");
  E.VisibleRange()->SetLeftCol(600'000);
  auto ExpectOnlyVisible = [&](const char* When) {
    ASSERT_FALSE(E.Drawn.empty()) << When;
    for (const auto& [Start, End] : E.Drawn)
      EXPECT_LE(End - Start + 1, 20) << When << " drew " << Start << ".." << End;
  };
  E.Forget();
  E.Paint();
  ExpectOnlyVisible("painting");
  E.SetSelStart(600'003);
  E.Forget();
  E.Selection()->SetText("X");
  ExpectOnlyVisible("typing");
}

TEST(Paint, AnEditInsideARowRedrawsThatRowOnly) {
  TSpyMemo E;
  E.WholeText()->SetText("one\r\ntwo\r\nthree");
  E.SetSelStart(6);
  E.Forget();
  E.Selection()->SetText("X");
  EXPECT_EQ(E.Drawn, (std::vector<std::pair<int, int>>{{6, 11}}));  // "tXwo" and its break
  E.Forget();
  E.Selection()->SetText("\r\n");
  EXPECT_GT(E.Drawn.size(), 1u);  // both rows the line break made
}

TEST(Paint, ARangeOutsideTheViewDrawsNothingNotEvenTheGutter) {
  TSpyMemo E;  // 20 rows in view
  E.SetLeftMargin(50);
  QString Text;
  for (int Row = 1; Row <= 100; ++Row)
    Text += QStringLiteral("row %1\r\n").arg(Row);
  E.WholeText()->SetText(Text);
  TMCRange Below;
  Below.SetEditor(&E);
  Below.SetStartRowCol(TextCell(60, 1));
  Below.SetEndRowCol(TextCell(60, 3));
  E.Forget();
  Below.DrawRange();
  EXPECT_TRUE(E.Host.Surface.Calls.empty());
  TMCRange InView;
  InView.SetEditor(&E);
  InView.SetStartRowCol(TextCell(5, 1));
  InView.SetEndRowCol(TextCell(5, 3));
  InView.DrawRange();
  EXPECT_EQ(GutterTexts(E.Host.Surface).first(), "1");
}

TEST(Paint, BitmappedDrawsIntoTheImageAndKeepsTheGutterThere) {
  TSpyMemo E;
  E.SetLeftMargin(50);
  E.SetBitmapped(true);
  E.WholeText()->SetText("abc");
  E.Forget();
  E.Paint();
  ASSERT_NE(E.Host.LastBitmap, nullptr);
  EXPECT_EQ(CallsOf(E.Host.Surface, TDrawCall::Image).size(), 1u);
  E.Host.LastBitmap->FCanvas.Calls.clear();
  E.VisibleRange()->DrawRange();
  EXPECT_EQ(GutterTexts(E.Host.LastBitmap->FCanvas), QStringList{"1"});
  EXPECT_TRUE(E.Host.LastBitmap->FCanvas.Texts().contains("abc"));
  E.SetBitmapped(false);
  EXPECT_EQ(E.DrawBitmap(), nullptr);
}
