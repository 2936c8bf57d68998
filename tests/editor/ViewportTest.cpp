// Scroll bars, scroll messages, the wheel, pixel/cell conversions and ScrollInView.
#include <gtest/gtest.h>

#include "SpyMemo.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
QString Rows(int Count) {
  QString Text;
  for (int I = 1; I <= Count; ++I)
    Text += QString("row %1").arg(I) + (I < Count ? "\r\n" : "");
  return Text;
}
int TopRow(const TMemoComponent& E) {
  return E.VisibleRange()->FTopRow;
}
}  // namespace

TEST(Viewport, LayoutFromTheFontAndClientSize) {
  TSpyMemo E(402, 260);
  EXPECT_EQ(E.FontHeight, 13);
  EXPECT_EQ(E.FontWidth, 8);
  EXPECT_EQ(E.PageHeight, 20);
  EXPECT_EQ(E.PageWidth, 50);
  E.WholeText()->SetText(Rows(100));
  const auto Bar = E.Host.Bars[TScrollBarKind::sbVertical];
  EXPECT_EQ(Bar.Min, 1);
  EXPECT_EQ(Bar.Max, 100);
  EXPECT_EQ(Bar.Page, 20);
}

TEST(Viewport, ScrollCodes) {
  TSpyMemo E(402, 260);  // a page of 20 rows
  E.WholeText()->SetText(Rows(100));
  struct {
    int Code, Position, ExpectedTop;
  } Cases[] = {{SB_BOTTOM, 0, 81},      {SB_LINEDOWN, 0, 81},       {SB_LINEUP, 0, 80},
               {SB_PAGEUP, 0, 60},      {SB_PAGEDOWN, 0, 80},       {SB_TOP, 0, 1},
               {SB_THUMBTRACK, 40, 40}, {SB_THUMBPOSITION, 99, 81}, {SB_ENDSCROLL, 0, 81},
               {SB_THUMBTRACK, -5, 1}};
  for (auto C : Cases) {
    E.Perform(WM_VSCROLL, MakeScrollWParam(C.Code, C.Position));
    EXPECT_EQ(TopRow(E), C.ExpectedTop) << C.Code << "," << C.Position;
    EXPECT_EQ(E.Host.GetScrollPos(TScrollBarKind::sbVertical), C.ExpectedTop);
  }
}

TEST(Viewport, AtTheBottomLineDownDiscardsTheChangeWithoutDrawing) {
  TSpyMemo E(402, 260);
  E.WholeText()->SetText(Rows(100));
  E.Perform(WM_VSCROLL, MakeScrollWParam(SB_BOTTOM, 0));
  E.Forget();
  E.Perform(WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));
  EXPECT_TRUE(E.Drawn.empty());
  EXPECT_TRUE(E.Host.Scrolls.empty());
}

TEST(Viewport, ThumbPositionsBeyond32767Rows) {
  TSpyMemo E(402, 260);
  E.WholeText()->SetText(Rows(40000));
  E.Perform(WM_VSCROLL, MakeScrollWParam(SB_THUMBTRACK, 35000));
  EXPECT_EQ(TopRow(E), 35000);
}

TEST(Viewport, ScrollingByRowsDrawsOnlyTheUncoveredRows) {
  TSpyMemo E(402, 260);
  E.WholeText()->SetText(Rows(100));
  E.Forget();
  E.Perform(WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));
  ASSERT_EQ(E.Host.Scrolls.size(), 1u);
  EXPECT_EQ(E.Host.Scrolls[0].Dy, -13);
  ASSERT_FALSE(E.Drawn.empty());
  for (auto [Start, End] : E.Drawn)
    EXPECT_GE(E.CharIdxToCell(Start).Row, 20);
  E.Forget();
  E.Perform(WM_VSCROLL, MakeScrollWParam(SB_PAGEDOWN, 0));  // no shared row: full redraw
  EXPECT_TRUE(E.Host.Scrolls.empty());
}

TEST(Viewport, OneRowPerWheelMessage) {
  TSpyMemo E(402, 260);
  E.WholeText()->SetText(Rows(100));
  E.Perform(WM_MOUSEWHEEL, MakeWheelWParam(-240));
  EXPECT_EQ(TopRow(E), 2);
  E.Perform(WM_MOUSEWHEEL, MakeWheelWParam(0));
  EXPECT_EQ(TopRow(E), 3);
  E.Perform(WM_MOUSEWHEEL, MakeWheelWParam(240));
  EXPECT_EQ(TopRow(E), 2);
}

TEST(Viewport, ShortTextsDoNotScroll) {
  TSpyMemo E(402, 260);
  E.WholeText()->SetText(Rows(5));
  for (int Code : {SB_PAGEDOWN, SB_BOTTOM})
    E.Perform(WM_VSCROLL, MakeScrollWParam(Code, 0));
  E.Perform(WM_MOUSEWHEEL, MakeWheelWParam(-120));
  EXPECT_EQ(TopRow(E), 1);
}

TEST(Viewport, PixelsToCellsTruncateTowardZero) {
  TSpyMemo E;
  struct {
    TPoint P;
    TTextCell Cell;
  } Cases[] = {{{2, -5}, {1, 1}}, {{2, -20}, {0, 1}}, {{2 + 4, 0}, {1, 2}}, {{2 + 3, 0}, {1, 1}}};
  for (auto C : Cases)
    EXPECT_EQ(E.ScrPointToScrCell(C.P), C.Cell) << C.P.X << "," << C.P.Y;
  EXPECT_EQ(E.ScrCellToScrPoint(TextCell(2, 3)), (TPoint{2 + 16, 13}));
}

TEST(Viewport, EndPointOfARangeEndingWithALineBreak) {
  TSpyMemo E(100, 60);
  E.WholeText()->SetText("abcdefghijklmnopqrstuvwxyz\r\nx");
  TMCRange R;
  R.SetEditor(&E);
  R.SetRStart(1);
  R.SetREnd(28);
  EXPECT_EQ(R.EndPoint(), (TPoint{2, 13}));
  E.VisibleRange()->SetLeftCol(5);
  EXPECT_EQ(R.EndPoint(), (TPoint{2 - 4 * 8, 13}));
}

TEST(Viewport, ScrollInViewKeepsItsBorders) {
  TSpyMemo E(402, 260);
  E.WholeText()->SetText(Rows(100));
  E.VisibleRange()->SetStartRowCol(TextCell(40, 1));
  E.SetSelStart(E.CellToCharIdx(TextCell(42, 1)) - 1);  // the view's third row
  E.ScrollCaret();
  EXPECT_EQ(TopRow(E), 40);
  E.SetSelStart(E.CellToCharIdx(TextCell(41, 1)) - 1);  // its second row
  E.ScrollCaret();
  EXPECT_EQ(TopRow(E), 37);
  E.SetSelStart(E.CellToCharIdx(TextCell(70, 1)) - 1);  // below the page
  E.ScrollCaret();
  EXPECT_EQ(TopRow(E), 70 - 20 + 1 + 4);
}

TEST(Viewport, WithAnImageRowsScrollInsideIt) {
  TSpyMemo E(402, 260);
  E.SetBitmapped(true);
  E.WholeText()->SetText(Rows(100));
  E.Paint();
  ASSERT_NE(E.Host.LastBitmap, nullptr);
  E.Forget();
  const int Invalidations = E.Host.Invalidations;
  E.Perform(WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));
  ASSERT_EQ(E.Host.LastBitmap->Copies.size(), 1u);
  const auto Copy = E.Host.LastBitmap->Copies[0];
  EXPECT_EQ(Copy.Source, (TRect{2, 0, 402, 260}));
  EXPECT_EQ(Copy.DestY, -13);
  EXPECT_TRUE(E.Host.Scrolls.empty());  // the window's pixels are not scrolled
  EXPECT_GT(E.Host.Invalidations, Invalidations);
  ASSERT_FALSE(E.Drawn.empty());
  EXPECT_GE(E.CharIdxToCell(E.Drawn.front().first).Row, 20);
}
