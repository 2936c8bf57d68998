// Marks on rows: they follow the edits of their row's text, go with a deleted row, and are
// painted and explained in the gutter.
#include <gtest/gtest.h>

#include <random>

#include "editor/MemoComponent.h"
#include "editor/RowMarks.h"
#include "editor/VisibleRange.h"
#include "support/RecordingHost.h"

namespace {
// Replaces Count characters from Start through the editor's one replacement.
void Replace(TMemoComponent& E, int Start, int Count, const QString& Text) {
  TMCRange R;
  R.SetEditor(&E);
  R.SetRStart(Start);
  R.SetRLength(Count);
  E.ReplaceRangeText(&R, Text);
}

int RowStart(const TMemoComponent& E, int Row) {
  return E.CellToCharIdx(TextCell(Row, 1));
}
}  // namespace

TEST(RowMarks, FollowEditsAndGoWithTheirRow) {
  TMemoComponent E;
  E.SetText("one\r\ntwo\r\nthree\r\n\r\nfive");
  TRowMarks& Marks = *E.RowMarks();
  const int Two = Marks.Add("build", 2, TRowMarkKind::Error, "bad two");
  const int Three = Marks.Add("build", 3, TRowMarkKind::Warning, "odd three");
  const int Empty = Marks.Add("check", 4, TRowMarkKind::Note, "empty");
  const int Five = Marks.Add("build", 5, TRowMarkKind::Error, "bad five");

  Replace(E, 1, 0, "new\r\nrows\r\n");  // two rows above everything
  EXPECT_EQ(Marks.RowOf(Two), 4);
  EXPECT_EQ(Marks.RowOf(Three), 5);
  EXPECT_EQ(Marks.RowOf(Empty), 6);
  EXPECT_EQ(Marks.RowOf(Five), 7);

  Replace(E, RowStart(E, 4) + 1, 1, "W");  // an edit inside the row keeps its mark
  Replace(E, RowStart(E, 5), 0, "x");      // so does typing at the row's start
  EXPECT_EQ(Marks.RowOf(Two), 4);
  EXPECT_EQ(Marks.RowOf(Three), 5);

  Replace(E, RowStart(E, 4), RowStart(E, 5) - RowStart(E, 4), "");  // row "tWo" deleted
  EXPECT_EQ(Marks.RowOf(Two), 0);
  EXPECT_EQ(Marks.RowOf(Three), 4);
  EXPECT_EQ(Marks.MessagesAt(4), "odd three");
  EXPECT_EQ(Marks.Count(), 3);

  Marks.Clear("build");
  EXPECT_EQ(Marks.Count(), 1);
  EXPECT_EQ(Marks.RowOf(Empty), 5);
  EXPECT_EQ(Marks.RowOf(Three), 0);

  Marks.Add("check", 1, TRowMarkKind::Error, "row one");
  E.SetText("all new");  // a reload leaves the rows that held text nothing to point at
  EXPECT_EQ(Marks.MessagesAt(1), "empty");
}

TEST(RowMarks, StrongestKindAndAllMessagesOfARow) {
  TMemoComponent E;
  E.SetText("a\r\nb");
  TRowMarks& Marks = *E.RowMarks();
  Marks.Add("build", 2, TRowMarkKind::Note, "first");
  Marks.Add("build", 2, TRowMarkKind::Error, "second");
  Marks.Add("build", 2, TRowMarkKind::Warning, "third");
  Marks.Add("build", 99, TRowMarkKind::Warning, "past the end");  // on the last row
  TRowMarkKind Kind;
  ASSERT_TRUE(Marks.KindAt(2, Kind));
  EXPECT_EQ(Kind, TRowMarkKind::Error);
  EXPECT_FALSE(Marks.KindAt(1, Kind));
  EXPECT_EQ(Marks.MessagesAt(2), "first\nsecond\nthird\npast the end");
}

// Random edits against a model that knows which line each mark was put on.
TEST(RowMarks, RandomEditsAgainstAModel) {
  const unsigned Seed = std::random_device()();
  SCOPED_TRACE(testing::Message() << "seed " << Seed);
  std::mt19937 Random(Seed);
  auto Pick = [&](int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Random); };

  TMemoComponent E;
  std::vector<int> Lines;  // the model: each row's line identity
  QStringList Text;
  for (int I = 0; I < 40; ++I) {
    Lines.push_back(I);
    Text << QStringLiteral("line %1").arg(I);
  }
  E.SetText(Text.join("\r\n"));
  int NextLine = 40;
  std::map<int, int> MarkOfLine;  // line identity -> mark id
  for (int I = 0; I < 40; I += 3)
    MarkOfLine[I] = E.RowMarks()->Add("build", I + 1, TRowMarkKind::Error, QString::number(I));

  for (int Step = 0; Step < 400; ++Step) {
    const int Rows = static_cast<int>(Lines.size());
    const int Row = Pick(1, Rows);
    switch (Pick(0, 2)) {
      case 0:  // a new line above Row
        Replace(E, RowStart(E, Row), 0, QStringLiteral("new %1\r\n").arg(NextLine));
        Lines.insert(Lines.begin() + Row - 1, NextLine++);
        break;
      case 1:  // Row deleted with its line break
        if (Rows < 2 || Row == Rows) break;
        Replace(E, RowStart(E, Row), RowStart(E, Row + 1) - RowStart(E, Row), QString());
        if (MarkOfLine.count(Lines[Row - 1])) MarkOfLine[Lines[Row - 1]] = -MarkOfLine[Lines[Row - 1]];
        Lines.erase(Lines.begin() + Row - 1);
        break;
      default:  // typing inside the row
        Replace(E, RowStart(E, Row) + Pick(0, 3), 0, QStringLiteral("x"));
    }
    ASSERT_EQ(E.LineCount(), static_cast<int>(Lines.size()));
    for (const auto& [Line, Id] : MarkOfLine) {
      if (Id < 0) {
        ASSERT_EQ(E.RowMarks()->RowOf(-Id), 0) << "step " << Step;
        continue;
      }
      const auto At = std::find(Lines.begin(), Lines.end(), Line);
      ASSERT_EQ(E.RowMarks()->RowOf(Id), At - Lines.begin() + 1) << "step " << Step;
      TRowMarkKind Kind;
      ASSERT_TRUE(E.RowMarks()->KindAt(E.RowMarks()->RowOf(Id), Kind));
    }
  }
}

TEST(RowMarks, ToolTipOnlyInTheGutter) {
  TMemoComponent E;
  E.SetText("a\r\nb\r\nc");
  E.SetLeftMargin(50);
  E.FontHeight = 10;
  E.RowMarks()->Add("build", 2, TRowMarkKind::Error, "undefined symbol");
  EXPECT_EQ(E.RowMarks()->ToolTipAt(5, 15), "undefined symbol");
  EXPECT_EQ(E.RowMarks()->ToolTipAt(5, 25), "");
  EXPECT_EQ(E.RowMarks()->ToolTipAt(60, 15), "");
  E.VisibleRange()->FTopRow = 2;
  EXPECT_EQ(E.RowMarks()->ToolTipAt(5, 5), "undefined symbol");
}

// The row number goes on the marked cell as on any other row: a dark gutter stays dark.
TEST(RowMarks, CellIsTheGutterTintedByTheKind) {
  TMemoComponent E;
  E.SetText("a\r\nb");
  E.RowMarks()->Add("build", 2, TRowMarkKind::Error, "undefined symbol");
  for (const TColor Fill : {TColor(0xF0F0F0), TColor(0x2D2D2D)}) {
    TRecordingCanvas Canvas;
    E.RowMarks()->PaintGutterCell(Canvas, 2, TRect{0, 0, 40, 12}, Fill);
    ASSERT_EQ(Canvas.Calls.size(), 2u);
    const TColor Cell = Canvas.BrushColor();
    EXPECT_NE(Cell, Fill);
    EXPECT_LT(std::abs(Lightness(Cell) - Lightness(Fill)), 60) << std::hex << Fill;
    TRecordingCanvas Plain;
    E.RowMarks()->PaintGutterCell(Plain, 1, TRect{0, 0, 40, 12}, Fill);
    EXPECT_TRUE(Plain.Calls.empty());
    EXPECT_EQ(Plain.BrushColor(), Fill);
  }
}
