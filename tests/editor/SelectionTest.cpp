// The selection: its extent setters, the caret it keeps paired and what its changes redraw.
#include <gtest/gtest.h>

#include "SpyMemo.h"
#include "editor/SelectionRange.h"

namespace {
struct SelectionOnTenChars : testing::Test {
  SelectionOnTenChars() { E.WholeText()->SetText("0123456789"); }
  TSelectionRange& Sel() { return *E.Selection(); }
  void Select(int Start, int End) {
    Sel().NoSelAtPos(Start);
    Sel().SetREnd(End);
  }
  TSpyMemo E;
};
}  // namespace

TEST_F(SelectionOnTenChars, SelStartAndSelLength) {
  struct {
    int SelStart, SelLength, Start, End;
  } Cases[] = {{5, 0, 6, 5}, {-3, 0, 1, 0}, {20, 0, 11, 10}, {5, 3, 6, 8}, {5, 100, 6, 10}};
  for (auto C : Cases) {
    E.SetSelStart(C.SelStart);
    E.SetSelLength(C.SelLength);
    EXPECT_EQ(Sel().RStart(), C.Start);
    EXPECT_EQ(Sel().REnd(), C.End);
  }
  E.SetSelStart(5);
  EXPECT_EQ(E.SelStart(), 5);
  EXPECT_EQ(E.SelLength(), 0);
}

TEST_F(SelectionOnTenChars, CursorPosMovesTheCaretEndAndKeepsTheAnchor) {
  Select(3, 6);
  Sel().SetCursorPos(10);
  EXPECT_EQ(Sel().RStart(), 3);
  EXPECT_EQ(Sel().REnd(), 9);
  Select(3, 6);
  Sel().SetCursorPos(2);
  EXPECT_TRUE(Sel().Backwards());
  EXPECT_EQ(Sel().RStart(), 2);
  EXPECT_EQ(Sel().REnd(), 2);
  EXPECT_EQ(Sel().CursorPos(), 2);
  Sel().SetCursorPos(5);
  EXPECT_FALSE(Sel().Backwards());
  EXPECT_EQ(Sel().RStart(), 3);
  EXPECT_EQ(Sel().REnd(), 4);
}

TEST_F(SelectionOnTenChars, ChangesRedrawExactlyWhatChangedHighlight) {
  struct {
    int Start, End;
    std::vector<std::pair<int, int>> Drawn;
  } Cases[] = {
      {3, 9, {{7, 9}}}, {3, 4, {{5, 6}}},           {1, 6, {{1, 2}}},
      {5, 6, {{3, 4}}}, {8, 10, {{8, 10}, {3, 6}}},
  };
  for (const auto& C : Cases) {
    Select(3, 6);
    E.Forget();
    Sel().DoChanging();
    Sel().SetRStart(C.Start);
    Sel().SetREnd(C.End);
    Sel().DoChange();
    EXPECT_EQ(E.Drawn, C.Drawn) << C.Start << ".." << C.End;
  }
}

TEST_F(SelectionOnTenChars, CaretFollowsTheSelectionAndStaysPaired) {
  E.Focus();
  ASSERT_TRUE(E.CaretCreated());
  EXPECT_EQ(E.Host.CaretHeight, E.FontHeight - 2);
  auto Paired = [&] { return E.Host.CaretVisible() == Sel().CaretShowing(); };
  EXPECT_TRUE(E.Host.CaretVisible());
  Select(3, 6);
  EXPECT_FALSE(E.Host.CaretVisible());  // a selection hides the caret
  E.SetAlwaysShowCaret(true);
  EXPECT_TRUE(E.Host.CaretVisible());
  EXPECT_EQ(E.Host.CaretPos, (TPoint{2 + 6 * 8 - 1, 1}));  // after the selection
  Sel().SetCursorPos(2);
  EXPECT_EQ(E.Host.CaretPos, (TPoint{2 + 1 * 8 - 1, 1}));  // backwards: at its start
  E.SetReadOnly(true);
  EXPECT_FALSE(E.Host.CaretVisible());
  E.SetReadOnly(false);
  Sel().SetHidden(true);
  EXPECT_FALSE(E.Host.CaretVisible());
  Sel().SetHidden(false);
  EXPECT_TRUE(Paired());
  E.Perform(WM_KILLFOCUS);
  EXPECT_FALSE(E.Host.CaretExists);
  E.Focus();
  EXPECT_TRUE(E.Host.CaretVisible());
  EXPECT_EQ(E.Host.CaretPos, (TPoint{2 + 1 * 8 - 1, 1}));  // recreated at the same place
  E.Selection()->SetText("ab");
  EXPECT_TRUE(Paired());
}

TEST_F(SelectionOnTenChars, ScrColIsForgottenByEveryChange) {
  E.SetSelStart(4);
  EXPECT_EQ(Sel().ScrCol(), 5);
  Sel().SetScrCol(9);
  EXPECT_EQ(Sel().ScrCol(), 9);
  E.SetSelStart(1);
  EXPECT_EQ(Sel().ScrCol(), 2);
}

TEST(Selection, ScrColToColUnderTheRememberedColumn) {
  TSpyMemo E;
  E.WholeText()->SetText("abcdefghij\r\n\tx");
  E.SetTabSize(4);
  E.SetSelStart(6);  // screen column 7
  EXPECT_EQ(E.Selection()->ScrColToCol(2), 3);
}

TEST(Selection, SelectAllAndNotificationsHeldBack) {
  TSpyMemo E;
  E.SelectAll();
  EXPECT_EQ(E.Selection()->RStart(), 1);
  EXPECT_EQ(E.Selection()->RLength(), 0);
  E.WholeText()->SetText("abc");
  int Notifications = 0;
  E.OnSelectionChange = [&](TObject*) { ++Notifications; };
  E.DontNotify = true;
  E.SelectAll();
  EXPECT_EQ(Notifications, 0);
  E.DontNotify = false;
  E.SelectAll();
  EXPECT_EQ(Notifications, 1);
  EXPECT_EQ(E.Selection()->Text(), "abc");
}
