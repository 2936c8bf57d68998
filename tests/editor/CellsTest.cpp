// Character indexes, text cells and tab-expanded screen columns.
#include <gtest/gtest.h>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"

namespace {
struct Editor {
  explicit Editor(const QString& Text, int TabSize = 4) {
    E.WholeText()->SetText(Text);
    E.SetTabSize(TabSize);
  }
  TMemoComponent E;
};
}  // namespace

TEST(Cells, TabRowConversions) {
  Editor Ed("\tab");
  const TMemoComponent& E = Ed.E;
  const int ScrCols[] = {1, 5, 6, 7};
  for (int Col = 1; Col <= 4; ++Col)
    EXPECT_EQ(E.CellToScrCol(TextCell(1, Col)), ScrCols[Col - 1]);
  EXPECT_EQ(E.LineScrLength(1), 6);

  struct {
    int ScreenCol, Col;
  } FromScreen[] = {{1, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 3}, {7, 4}, {20, 4}, {0, 1}, {-5, 1}};
  for (auto C : FromScreen) {
    TTextCell Cell = TextCell(1, C.ScreenCol);
    E.CellFromScrCol(Cell);
    EXPECT_EQ(Cell.Col, C.Col) << "screen column " << C.ScreenCol;
  }
  TTextCell Cell = TextCell(1, 3);
  EXPECT_EQ(E.CellFromScrColToScrCol(Cell), 1);
  EXPECT_EQ(Cell.Col, 1);
  Cell = TextCell(1, 6);
  EXPECT_EQ(E.CellFromScrColToScrCol(Cell), 6);
  EXPECT_EQ(Cell.Col, 3);
  Cell = TextCell(1, -2);
  EXPECT_EQ(E.CellFromScrColToScrCol(Cell), 1);

  const int Spaces[] = {4, 4, 3};
  for (int P = 1; P <= 3; ++P)
    EXPECT_EQ(E.TabSpacesAtPos(P), Spaces[P - 1]);
}

TEST(Cells, TabSizeOneTakesTheShortcuts) {
  Editor Ed("\tab", 1);
  EXPECT_EQ(Ed.E.CellToScrCol(TextCell(1, 0)), 0);
  EXPECT_EQ(Ed.E.CellToScrCol(TextCell(1, -3)), -3);
  TTextCell Cell = TextCell(1, 9);
  EXPECT_EQ(Ed.E.CellFromScrColToScrCol(Cell), 9);  // before clamping
  EXPECT_EQ(Cell.Col, 4);
  Ed.E.SetTabSize(2);
  EXPECT_EQ(Ed.E.CellToScrCol(TextCell(1, 0)), 1);
  EXPECT_EQ(Ed.E.CellToScrCol(TextCell(1, -3)), 1);
}

TEST(Cells, CharIdxAndCellBeyondTheEnds) {
  Editor Ed("ab\r\ncd\r\n");  // rows: "ab", "cd", ""
  const TMemoComponent& E = Ed.E;
  ASSERT_EQ(E.LineCount(), 3);
  EXPECT_EQ(E.CellToCharIdx(TextCell(E.LineCount() + 5, 1)), E.TextLength() + 3);
  EXPECT_EQ(E.CellToCharIdx(TextCell(E.LineCount() + 1, 1)), E.TextLength() + 3);
  EXPECT_EQ(E.CellToCharIdx(TextCell(0, 7)), 7);
  EXPECT_EQ(E.CellToCharIdx(TextCell(2, 0)), 4);   // the LF ending row 1
  EXPECT_EQ(E.CellToCharIdx(TextCell(2, -1)), 3);  // its CR

  struct {
    int CharIdx;
    TTextCell Cell;
  } Cases[] = {{0, {1, 0}}, {1, {1, 1}}, {3, {1, 3}}, {4, {1, 4}}, {5, {2, 1}}, {9, {3, 1}}};
  for (auto C : Cases)
    EXPECT_EQ(E.CharIdxToCell(C.CharIdx), C.Cell) << C.CharIdx;

  Editor Short("ab");
  EXPECT_EQ(Short.E.CharIdxToCell(3), TextCell(1, 3));
  Editor WithBreak("ab\r\n");
  EXPECT_EQ(WithBreak.E.CharIdxToCell(5), TextCell(2, 1));
}

TEST(Cells, LineLengthOutsideTheRows) {
  Editor Ed("abc\r\n\r\nxy");
  const int Expected[] = {-2, 3, 0, 2, -2, -2};
  for (int Row = 0; Row <= 5; ++Row)
    EXPECT_EQ(Ed.E.LineLength(Row), Expected[Row]) << Row;
}

TEST(Cells, CellFromScrColClampsTheRow) {
  Editor Ed("abc\r\n\tx");
  TTextCell Cell = TextCell(0, 2);
  Ed.E.CellFromScrCol(Cell);
  EXPECT_EQ(Cell, TextCell(1, 2));
  Cell = TextCell(9, 5);
  Ed.E.CellFromScrCol(Cell);
  EXPECT_EQ(Cell, TextCell(2, 2));
}

TEST(Cells, TabSizeSetterRecomputesTheWidestRowAndNotifiesOnce) {
  Editor Ed("a\tb\r\nxx\r\n\t\t", 2);
  TMemoComponent& E = Ed.E;
  int SelectionChanges = 0;
  E.OnSelectionChange = [&](TObject*) { ++SelectionChanges; };
  E.SetTabSize(8);
  EXPECT_EQ(E.LongestLineLength(), 16);  // the last row's two tabs
  EXPECT_EQ(SelectionChanges, 1);
  E.SetTabSize(8);
  EXPECT_EQ(SelectionChanges, 1);
  E.SetTabSize(0);
  EXPECT_EQ(E.TabSize(), 1);
  EXPECT_EQ(E.LongestLineLength(), 3);
  E.SetTabSize(-4);
  EXPECT_EQ(E.TabSize(), 1);
}
