// Stored extents with their clamping rules, the change bracket and range assignment.
#include <gtest/gtest.h>

#include <type_traits>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StringList.h"

// Identity objects: a copy of a range would unregister the original from its collection.
static_assert(!std::is_copy_constructible_v<TCustomRange> && !std::is_copy_assignable_v<TMCRange>);
static_assert(!std::is_copy_constructible_v<TMCRanges> && !std::is_copy_assignable_v<TMCRanges>);

namespace {
struct TenChars : testing::Test {
  TenChars() { E.WholeText()->SetText("0123456789"); }
  TMCRange* Range(int Start, int End) {
    auto* R = static_cast<TMCRange*>(E.TrackedRanges()->Add());
    R->SetRStart(Start);
    R->SetREnd(End);
    return R;
  }
  TMemoComponent E;
};
}  // namespace

TEST(Ranges, ClampedToAnEmptyText) {
  TMemoComponent E;
  TMCRange R;
  R.SetEditor(&E);
  R.SetRStart(5);
  EXPECT_EQ(R.RStart(), 1);
  EXPECT_EQ(R.REnd(), 0);
  R.SetRLength(0);
  EXPECT_EQ(R.RLength(), 0);
  R.SetRLength(-3);
  EXPECT_EQ(R.REnd(), 0);
}

TEST_F(TenChars, OrderOfSetting) {
  struct {
    void (*Set)(TMCRange&);
    int Start, End;
  } Cases[] = {
      {[](TMCRange& R) { R.SetREnd(1); }, 3, 2},      {[](TMCRange& R) { R.SetRStart(9); }, 9, 8},
      {[](TMCRange& R) { R.SetREnd(20); }, 3, 10},    {[](TMCRange& R) { R.SetRStart(-4); }, 1, 6},
      {[](TMCRange& R) { R.SetRStart(30); }, 11, 10},
  };
  for (auto C : Cases) {
    TMCRange* R = Range(3, 6);
    C.Set(*R);
    EXPECT_EQ(R->RStart(), C.Start);
    EXPECT_EQ(R->REnd(), C.End);
  }
}

TEST_F(TenChars, NestedBracketReportsOnceAtTheOutermostClose) {
  TMCRange* R = Range(3, 6);
  int Changes = 0;
  R->OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, R);
    ++Changes;
  };
  R->DoChanging();
  R->DoChanging();
  R->DoChange();
  EXPECT_EQ(Changes, 0);
  R->DoChange();
  EXPECT_EQ(Changes, 1);
  R->DoChanging();
  R->DoDiscardChanges();
  EXPECT_EQ(Changes, 1);
  R->SetRStart(4);  // the end is re-applied inside, still one change
  EXPECT_EQ(Changes, 2);
}

TEST_F(TenChars, AddGivesATrackedRange) {
  TCustomRange* R = E.TrackedRanges()->Add(4, 3);
  EXPECT_EQ(R->ClassName(), "TMCRange");
  EXPECT_EQ(R->Editor(), &E);
  EXPECT_EQ(R->RStart(), 4);
  EXPECT_EQ(R->REnd(), 6);
  EXPECT_EQ(R->Text(), "345");
  EXPECT_EQ(R->StartRowCol(), TextCell(1, 4));
  E.TrackedRanges()->SetItemClass([](TCollection* C) { return new TSelectionRange(C); });
  EXPECT_EQ(E.TrackedRanges()->Add()->ClassName(), "TSelectionRange");
}

TEST_F(TenChars, ClearDeletesOnlyANonEmptyRange) {
  auto UndoDepth = [&] {
    int Depth = 0;
    for (const TUndoOperation* Op = E.UndoStack(); Op; Op = Op->NextItem)
      ++Depth;
    return Depth;
  };
  const int Before = UndoDepth();
  Range(4, 3)->Clear();
  EXPECT_EQ(UndoDepth(), Before);
  TMCRange* Some = Range(2, 4);
  Some->Clear();
  EXPECT_EQ(E.Text(), "0456789");
}

TEST_F(TenChars, AssigningARangeToTheSelection) {
  int Notifications = 0;
  E.OnSelectionChange = [&](TObject*) { ++Notifications; };
  E.Selection()->Assign(Range(3, 6));
  EXPECT_EQ(E.Selection()->RStart(), 3);
  EXPECT_EQ(E.Selection()->REnd(), 6);
  EXPECT_EQ(Notifications, 1);
}

TEST(Ranges, AssignmentToAnotherClassFails) {
  TMCRange R;
  TStringList Strings;
  try {
    R.AssignTo(&Strings);
    FAIL();
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a TMCRange to a TStringList");
  }
}

TEST(Ranges, WithoutAnEditor) {
  TMCRange R;
  EXPECT_EQ(R.StartRowCol(), TextCell(1, 1));
  EXPECT_EQ(R.EndRowCol(), TextCell(1, 0));
  EXPECT_EQ(R.Text(), "");
  R.SetText("ignored");
  R.SetRStart(50);
  EXPECT_EQ(R.RStart(), 50);  // only the lower bounds hold
  TWholeTextRange Whole;
  EXPECT_EQ(Whole.REnd(), 0);
  TCustomRange Abstract(nullptr);
  EXPECT_THROW(Abstract.RStart(), EAbstractError);
}
