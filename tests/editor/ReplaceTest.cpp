// The one replacement: line index, merge rules of undo, replay, tracked ranges and viewport.
#include <gtest/gtest.h>

#include <QList>
#include <utility>

#include "KeyPresses.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/Exceptions.h"

namespace {
int UndoDepth(const TMemoComponent& E) {
  int Depth = 0;
  for (const TUndoOperation* Op = E.UndoStack(); Op; Op = Op->NextItem)
    ++Depth;
  return Depth;
}

QList<int> LineStarts(const TMemoComponent& E) {
  QList<int> Starts;
  for (int Row = 1; Row <= E.LineCount(); ++Row)
    Starts << E.CellToCharIdx(TextCell(Row, 1));
  return Starts;
}
}  // namespace

TEST(Replace, LineBreaksAreNormalised) {
  struct {
    QString In, Out;
    QList<int> Starts;
  } Cases[] = {
      {"a\nb\rc", "a\r\nb\r\nc", {1, 4, 7}},
      {"abc\r\n", "abc\r\n", {1, 6}},
      {"\r\r\n\n", "\r\n\r\n\r\n", {1, 3, 5, 7}},
      {"", "", {1}},
  };
  for (const auto& C : Cases) {
    TMemoComponent E;
    E.WholeText()->SetText(C.In);
    EXPECT_EQ(E.Text(), C.Out);
    EXPECT_EQ(LineStarts(E), C.Starts);
  }
}

TEST(Replace, TypingRunsMergeIntoOneStep) {
  TMemoComponent E;
  Type(E, "ab\rc");
  EXPECT_EQ(E.Text(), "ab\r\nc");
  EXPECT_EQ(UndoDepth(E), 1);
  E.Undo();
  EXPECT_EQ(E.Text(), "");
  EXPECT_EQ(E.Selection()->CursorPos(), 1);
  E.Redo();
  EXPECT_EQ(E.Text(), "ab\r\nc");
  EXPECT_EQ(E.Selection()->Text(), "ab\r\nc");  // redo selects the text again
}

TEST(Replace, TypingOverASelectionIsItsOwnStep) {
  TMemoComponent E;
  E.WholeText()->SetText("hello");
  E.SelectAll();
  Type(E, "xyz");
  EXPECT_EQ(UndoDepth(E), 3);  // the text, the replacement of "hello" by "x", then "yz"
  E.Undo();
  EXPECT_EQ(E.Text(), "x");
  E.Undo();
  EXPECT_EQ(E.Text(), "hello");
}

TEST(Replace, DeletionRunsMergeInTextOrder) {
  TMemoComponent E;
  E.WholeText()->SetText("abcdef");
  E.SetSelStart(1);
  for (int I = 0; I < 3; ++I)
    Key(E, VK_DELETE);
  ASSERT_EQ(E.Text(), "aef");
  EXPECT_EQ(E.UndoStack()->NewText, "bcd");
  E.SetSelStart(3);
  for (int I = 0; I < 2; ++I)
    Key(E, VK_BACK);
  ASSERT_EQ(E.Text(), "a");
  EXPECT_EQ(E.UndoStack()->NewText, "ef");
  E.Undo();
  EXPECT_EQ(E.Text(), "aef");
  EXPECT_EQ(E.Selection()->Text(), "ef");  // put back selected
}

TEST(Replace, DeletionAndTypingDoNotMerge) {
  TMemoComponent E;
  Type(E, "abc");
  Key(E, VK_BACK);
  Type(E, "x");
  EXPECT_EQ(UndoDepth(E), 3);
  E.Undo();
  EXPECT_EQ(E.Text(), "ab");
  E.Undo();
  EXPECT_EQ(E.Text(), "abc");
  EXPECT_TRUE(E.CanRedo());
  Type(E, "y");
  EXPECT_FALSE(E.CanRedo());
}

TEST(Replace, AnEmptyReplacementRecordsAStepThatChangesNothing) {
  TMemoComponent E;
  E.WholeText()->SetText("abc");
  E.SetSelStart(2);
  int Changes = 0;
  E.OnChange = [&](TObject*) { ++Changes; };
  E.Selection()->SetText("");
  EXPECT_EQ(UndoDepth(E), 2);
  EXPECT_EQ(Changes, 1);
  E.Undo();
  EXPECT_EQ(E.Text(), "abc");
  EXPECT_EQ(E.Selection()->CursorPos(), 3);
}

TEST(Replace, UndoAndRedoOnEmptyStacksDoNothing) {
  TMemoComponent E;
  int Changes = 0;
  E.OnChange = [&](TObject*) { ++Changes; };
  E.Undo();
  E.Redo();
  EXPECT_EQ(Changes, 0);
  EXPECT_FALSE(E.CanUndo());
}

TEST(Replace, GroupsReplayAsOneStepAndLeaveTheCaretAfterTheFurthestText) {
  TMemoComponent E;
  E.WholeText()->SetText("a\r\nb\r\nc");
  E.DontNotify = true;
  E.PushUndo(E.NewGroupMarker());
  for (int Row = 1; Row <= 3; ++Row) {
    TMCRange Start;
    Start.SetEditor(&E);
    Start.SetRStart(E.CellToCharIdx(TextCell(Row, 1)));
    Start.SetRLength(0);
    Start.SetText("\t");
  }
  E.PushUndo(E.NewGroupMarker());
  E.DontNotify = false;
  ASSERT_EQ(E.Text(), "\ta\r\n\tb\r\n\tc");
  int Changes = 0, SelectionChanges = 0;
  E.OnChange = [&](TObject*) { ++Changes; };
  E.OnSelectionChange = [&](TObject*) { ++SelectionChanges; };
  E.Undo();
  EXPECT_EQ(E.Text(), "a\r\nb\r\nc");
  EXPECT_EQ(SelectionChanges, 1);
  EXPECT_EQ(E.Selection()->RLength(), 0);
  EXPECT_EQ(E.Selection()->CursorPos(), 7);  // just after the furthest text the replay touched
  EXPECT_GE(Changes, 1);
  E.Redo();
  EXPECT_EQ(E.Text(), "\ta\r\n\tb\r\n\tc");
  E.Undo();
  EXPECT_EQ(E.Text(), "a\r\nb\r\nc");
}

TEST(Replace, AnEditByAHandlerDuringUndoLeavesTheRedoWhole) {
  TMemoComponent E;
  E.WholeText()->SetText("abc");
  E.SetSelStart(2);  // 0-based: "c"
  E.SetSelLength(1);
  E.Selection()->SetText("XY");
  // Told by the undo's own replacement, before the replay records its inverse.
  bool Once = false;
  E.OnChange = [&](TObject*) {
    if (E.Text() != "abc" || std::exchange(Once, true)) return;
    TMCRange End;
    End.SetEditor(&E);
    End.SetRStart(E.TextLength() + 1);
    End.SetText("!");
  };
  E.Undo();
  ASSERT_EQ(E.Text(), "abc!");
  E.Redo();
  EXPECT_EQ(E.Text(), "abXY!");
}

TEST(Replace, TrackedRangesFollowTheTable) {
  // The text "0123456789" with 3..5 ("234") replaced; X before and after, and its events.
  struct {
    int Start, End;   // X before
    QString NewText;  // what replaces 3..5
    int NewStart, NewEnd;
    bool Overwrite;
  } Cases[] = {
      {1, 2, "ab", 1, 2, false},    // ends before A
      {7, 9, "ab", 6, 8, false},    // starts after B: shifted by d
      {2, 7, "abcd", 2, 8, false},  // contains the replaced text
      {1, 4, "", 1, 2, false},      // ends within: cut
      {4, 8, "wxyz", 3, 9, false},  // starts within: starts at A, end shifted
      {3, 5, "ab", 3, 2, true},     // lies within: empty at A
      {4, 4, "", 3, 2, true},       // lies within, text shrinks
  };
  for (const auto& C : Cases) {
    TMemoComponent E;
    E.WholeText()->SetText("0123456789");
    TCustomRange* X = E.TrackedRanges()->Add();
    X->SetRStart(C.Start);
    X->SetREnd(C.End);
    int Overwrites = 0, Changes = 0;
    X->OnOverwrite = [&](TObject*) { ++Overwrites; };
    X->OnChange = [&](TObject*) { ++Changes; };
    TMCRange R;
    R.SetEditor(&E);
    R.SetRStart(3);
    R.SetREnd(5);
    R.SetText(C.NewText);
    SCOPED_TRACE(testing::Message()
                 << C.Start << ".." << C.End << " <- " << C.NewText.toStdString());
    EXPECT_EQ(X->RStart(), C.NewStart);
    EXPECT_EQ(X->REnd(), C.NewEnd);
    EXPECT_EQ(Overwrites, C.Overwrite ? 1 : 0);
    EXPECT_EQ(Changes, 1);
  }
}

TEST(Replace, PureInsertionAtARangesEdges) {
  TMemoComponent E;
  E.WholeText()->SetText("abcdef");
  TCustomRange* EndsBefore = E.TrackedRanges()->Add(1, 3);  // abc, the caret after it
  TCustomRange* StartsAt = E.TrackedRanges()->Add(4, 2);    // de
  TCustomRange* EmptyAt = E.TrackedRanges()->Add(4, 0);
  int Overwrites = 0;
  EmptyAt->OnOverwrite = [&](TObject*) { ++Overwrites; };
  E.SetSelStart(3);
  E.Selection()->SetText("XY");
  EXPECT_EQ(EndsBefore->REnd(), 3);  // does not grow
  EXPECT_EQ(StartsAt->RStart(), 6);  // pushed right
  EXPECT_EQ(EmptyAt->RStart(), 6);   // right after the new text
  EXPECT_EQ(Overwrites, 0);
  TMCRange R;
  R.SetEditor(&E);
  R.SetRStart(6);
  R.SetREnd(6);
  R.SetText("");  // an empty range at A with a non-empty replaced text
  EXPECT_EQ(Overwrites, 1);
}

TEST(Replace, ReplacingTheWholeTextEmptiesEveryRange) {
  TMemoComponent E;
  E.WholeText()->SetText(QString(100, u'x'));
  TCustomRange* Inside = E.TrackedRanges()->Add(10, 5);
  TCustomRange* Later = E.TrackedRanges()->Add(60, 11);
  E.SetSelStart(79);
  int InsideOverwrites = 0, LaterOverwrites = 0;
  Inside->OnOverwrite = [&](TObject*) { ++InsideOverwrites; };
  Later->OnOverwrite = [&](TObject*) { ++LaterOverwrites; };
  E.WholeText()->SetText(QString(50, u'y'));
  EXPECT_EQ(Inside->RStart(), 1);
  EXPECT_EQ(Inside->RLength(), 0);
  EXPECT_EQ(Later->RStart(), 10);
  EXPECT_EQ(Later->REnd(), 20);
  EXPECT_EQ(E.Selection()->CursorPos(), 30);
  EXPECT_EQ(InsideOverwrites, 1);
  EXPECT_EQ(LaterOverwrites, 0);
  E.WholeText()->SetText(QString(200, u'z'));
  EXPECT_EQ(Later->RStart(), 1);
  EXPECT_EQ(Later->RLength(), 0);
  EXPECT_EQ(LaterOverwrites, 1);
}

TEST(Replace, AHandlerMayFreeItsRangeDuringTheVisit) {
  TMemoComponent E;
  E.WholeText()->SetText("abcdef");
  for (int I = 0; I < 4; ++I) {
    TCustomRange* R = E.TrackedRanges()->Add(2, 2);
    R->OnOverwrite = [](TObject* Sender) { delete Sender; };
  }
  const int Before = E.TrackedRanges()->Count();
  TMCRange R;
  R.SetEditor(&E);
  R.SetRStart(2);
  R.SetREnd(3);
  R.SetText("");
  EXPECT_EQ(E.TrackedRanges()->Count(), Before - 4);
  EXPECT_EQ(E.Text(), "adef");
}

TEST(Replace, AHandlerFreeingOtherRangesLeavesTheVisitWhole) {
  // "0123456789" with 4..5 deleted; Hit, overwritten, frees one or two earlier ranges.
  // The visit keeps a few ranges apart from many: 20 more at the end take the other way.
  for (const auto& [Freed, More] : {std::pair{1, 0}, {2, 0}, {1, 20}, {2, 20}}) {
    SCOPED_TRACE(testing::Message() << Freed << " freed, " << More << " more");
    TMemoComponent E;
    E.WholeText()->SetText("0123456789");
    std::vector<TCustomRange*> Earlier;
    for (int I = 0; I < Freed; ++I)
      Earlier.push_back(E.TrackedRanges()->Add(1 + I, 1));
    TCustomRange* Hit = E.TrackedRanges()->Add(4, 2);
    TCustomRange* Later = E.TrackedRanges()->Add(8, 2);
    std::vector<TCustomRange*> Beyond;
    for (int I = 0; I < More; ++I)
      Beyond.push_back(E.TrackedRanges()->Add(10, 1));
    int Overwrites = 0;
    Hit->OnOverwrite = [&](TObject*) {
      ++Overwrites;
      for (TCustomRange* R : std::exchange(Earlier, {}))
        delete R;
    };
    TMCRange R;
    R.SetEditor(&E);
    R.SetRStart(4);
    R.SetREnd(5);
    R.SetText("");
    EXPECT_EQ(Overwrites, 1);
    EXPECT_EQ(Later->RStart(), 6);
    EXPECT_EQ(Later->REnd(), 7);
    for (const TCustomRange* R : Beyond)
      EXPECT_EQ(R->RStart(), 8);
    EXPECT_EQ(E.TrackedRanges()->Count(), 4 + More);
  }
}

TEST(Replace, AHandlerMayNotReplaceTextWhileTheRangesMove) {
  for (bool FromOnChange : {false, true}) {
    SCOPED_TRACE(FromOnChange ? "OnChange" : "OnOverwrite");
    TMemoComponent E;
    E.WholeText()->SetText("abcdef");
    E.ClearUndo();
    TCustomRange* Hit = E.TrackedRanges()->Add(2, 2);
    TCustomRange* Later = E.TrackedRanges()->Add(5, 1);
    (FromOnChange ? Hit->OnChange : Hit->OnOverwrite) = [&](TObject*) { Later->SetText("X"); };
    TMCRange R;
    R.SetEditor(&E);
    R.SetRStart(2);
    R.SetREnd(3);
    try {
      R.SetText("");
      ADD_FAILURE() << "the nested replacement went through";
    } catch (const EInvalidOperation& Error) {
      EXPECT_EQ(Error.Message(),
                "The text cannot be changed by a handler while the editor is applying a change");
    }
    // The outer replacement is whole: text, ranges and one undo step.
    EXPECT_EQ(E.Text(), "adef");
    EXPECT_EQ(Later->RStart(), 3);
    EXPECT_EQ(UndoDepth(E), 1);
    Hit->OnChange = Hit->OnOverwrite = nullptr;
    E.Undo();
    EXPECT_EQ(E.Text(), "abcdef");
  }
  // Once the text and its ranges are whole, the editor's own handler may edit.
  TMemoComponent E;
  E.WholeText()->SetText("ab");
  bool Again = true;
  E.OnChange = [&](TObject*) {
    if (std::exchange(Again, false)) E.Selection()->SetText("!");
  };
  E.SetSelStart(2);
  E.Selection()->SetText("c");
  EXPECT_EQ(E.Text(), "abc!");
}

TEST(Replace, WidestRowFollowsEveryEdit) {
  TMemoComponent E;
  E.WholeText()->SetText("abcdefgh\r\nxy\r\nabc");
  EXPECT_EQ(E.LongestLineLength(), 8);
  E.SetSelStart(12);  // after "xy"
  E.Selection()->SetText("0123456789");
  EXPECT_EQ(E.LongestLineLength(), 12);
  // From the middle of the widest row into the next row: the joined row F shrinks.
  E.SetSelStart(14);
  E.SetSelLength(11);
  E.Selection()->SetText("");
  EXPECT_EQ(E.Text(), "abcdefgh\r\nxy01bc");
  EXPECT_EQ(E.LongestLineLength(), 8);
  E.SetSelStart(3);
  E.SetSelLength(10);
  E.Selection()->SetText("");
  EXPECT_EQ(E.Text(), "abc1bc");
  EXPECT_EQ(E.LongestLineLength(), 6);
}

TEST(Replace, WidestRowFollowsRowsOfAnyWidth) {
  // Rows narrower than 1024 columns are counted apart from wider ones: the widest row moves
  // across that width both ways, and down to the next width still used.
  TMemoComponent E;
  auto Row = [](int Width) { return QString(Width, u'x'); };
  E.WholeText()->SetText(Row(1022) + "\r\n" + Row(1024) + "\r\n" + Row(2000));
  EXPECT_EQ(E.LongestLineLength(), 2000);
  struct {
    int Row, Width, Widest;
  } Steps[] = {
      {3, 1023, 1024},  // the widest wide row narrowed: the other wide one
      {2, 3, 1023},     // the last wide row narrowed: the widest narrow one
      {3, 5, 1022},     // down to the next narrow width in use
      {1, 0, 5},        // rows emptied one by one
      {3, 0, 3},        // and another
      {2, 0, 0},        // no row wide at all
      {2, 1500, 1500},  // wide again
      {1, 1023, 1500},  // a narrow row below a wide one
      {2, 1, 1023},     // and the wide one narrowed below it
  };
  for (const auto& [R, Width, Widest] : Steps) {
    TMCRange Range;
    Range.SetEditor(&E);
    Range.SetStartRowCol(TextCell(R, 1));
    Range.SetRLength(E.LineLength(R));
    Range.SetText(Row(Width));
    EXPECT_EQ(E.LongestLineLength(), Widest) << "row " << R << " made " << Width << " wide";
  }
}

TEST(Replace, BoundariesInsideALineBreakTakeTheWholePair) {
  struct {
    int Start, Length;
    QString NewText, Expected;
  } Cases[] = {
      {3, 0, "X", "abX\r\ncd"},  // empty on the LF: inserted before the break
      {3, 2, "", "abd"},         // starts on the LF: the CR goes too
      {1, 2, "", "acd"},         // ends on the CR: the LF goes too
      {3, 1, "Y", "abYcd"},      // exactly the LF
  };
  for (const auto& C : Cases) {
    TMemoComponent E;
    E.WholeText()->SetText("ab\r\ncd");
    E.SetSelStart(C.Start);
    E.SetSelLength(C.Length);
    E.Selection()->SetText(C.NewText);
    EXPECT_EQ(E.Text(), C.Expected) << C.Start << "," << C.Length;
    EXPECT_EQ(E.LineCount(), static_cast<int>(C.Expected.count(u'\n')) + 1);
    E.Undo();
    EXPECT_EQ(E.Text(), "ab\r\ncd");
  }
}

TEST(Replace, ViewportKeepsItsText) {
  TMemoComponent E;
  QString Text;
  for (int I = 1; I <= 100; ++I)
    Text += QString("line %1\r\n").arg(I);
  E.WholeText()->SetText(Text);
  E.VisibleRange()->FTopRow = 50;
  E.SetSelStart(0);
  E.Selection()->SetText("a\r\nb\r\nc\r\n");
  EXPECT_EQ(E.VisibleRange()->FTopRow, 53);
  E.SetSelStart(E.CellToCharIdx(TextCell(53, 1)) - 1);
  E.Selection()->SetText("x\r\n");
  EXPECT_EQ(E.VisibleRange()->FTopRow, 53);  // an edit on the top row leaves it
}
