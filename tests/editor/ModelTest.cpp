// Thousands of random edits, undos, redos and selection moves per seed, compared after
// every step with the plain reference model.
#include <gtest/gtest.h>

#include <random>

#include "TextModel.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "platform/core/Keys.h"

namespace {
class TRandomSession {
 public:
  explicit TRandomSession(unsigned Seed) : Random(Seed) {
    for (int I = 0; I < 4; ++I) {
      TCustomRange* Range = E.TrackedRanges()->Add();
      const int Index = I;
      Range->OnChange = [this, Index](TObject*) { ++Changes[Index]; };
      Range->OnOverwrite = [this, Index](TObject*) { ++Overwrites[Index]; };
      Tracked.push_back(Range);
      Model.Ranges.emplace_back();
    }
  }

  int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Random); }

  QString RandomText() {
    static const QString Pieces[] = {"a",  "b",  "xy",   " ",    "\t",
                                     "\r", "\n", "\r\n", "\n\r", "q\r\nz"};
    QString Text;
    for (int Count = Pick(0, 4); Count > 0; --Count)
      Text += Pieces[Pick(0, 9)];
    return Text;
  }

  void Step() {
    const int Length = Model.Length();
    switch (Pick(0, 9)) {
      case 0:
      case 1: {  // a replacement of a random temporary range
        const int Start = Pick(0, Length + 2), End = Pick(Start - 2, Start + 6);
        const QString NewText = RandomText();
        TMCRange T;
        T.SetEditor(&E);
        T.SetRStart(Start);
        T.SetREnd(End);
        T.SetText(NewText);
        Model.Replace(Model.Temporary(Start, End), NewText, false);
        break;
      }
      case 2:
      case 3: {  // typing at the caret
        const QString C =
            Pick(0, 6) == 0 ? QStringLiteral("\r\n") : QString(QChar(u'a' + Pick(0, 3)));
        E.Selection()->SetText(C);
        Model.Replace(Model.Selection, C, true);
        break;
      }
      case 4: {  // Backspace or Delete, as the keyboard does them
        const bool Back = Pick(0, 1) == 0;
        quint16 Key = Back ? VK_BACK : VK_DELETE;
        E.HandleKeyDown(Key, TShiftState{});
        TModelRange& S = Model.Selection;
        if (S.End < S.Start) {
          if (Back) {
            Model.SetStart(S, S.Start - 1);
            if (S.End == S.Start && (Model.At(S.Start) == u'\r' || Model.At(S.Start) == u'\n'))
              Model.SetStart(S, S.Start - 1);
          } else {
            Model.SetEnd(S, S.Start);
            if (S.End == S.Start && (Model.At(S.Start) == u'\r' || Model.At(S.Start) == u'\n'))
              Model.SetEnd(S, S.Start + 1);
          }
        }
        if (S.End >= S.Start) Model.Replace(S, QString(), true);
        break;
      }
      case 5: {  // selection moves, which may stop between a CR and its LF
        const int Start = Pick(-1, Length + 1), SelLength = Pick(-1, 5);
        E.SetSelStart(Start);
        E.SetSelLength(SelLength);
        Model.Selection = Model.Temporary(Start + 1, Start);
        Model.Backwards = false;
        Model.SetEnd(Model.Selection, Model.Selection.Start + SelLength - 1);
        break;
      }
      case 6: {  // move a tracked range
        const int Index = Pick(0, 3), Start = Pick(0, Length + 1), End = Pick(Start - 1, Start + 8);
        Tracked[Index]->SetRStart(Start);
        Tracked[Index]->SetREnd(End);
        TModelRange& R = Model.Ranges[Index];
        Model.SetStart(R, Start);
        Model.SetEnd(R, End);
        R.Changes += 2;
        break;
      }
      case 7:
        E.Undo();
        Model.Undo(false);
        break;
      case 8:
        E.Redo();
        Model.Undo(true);
        break;
      case 9:
        if (Pick(0, 4) == 0) {
          const int Size = Pick(1, 8);
          E.SetTabSize(Size);
          Model.TabSize = Size;
        }
        break;
    }
  }

  void Compare(int StepNumber) {
    SCOPED_TRACE(testing::Message() << "step " << StepNumber);
    ASSERT_EQ(E.Text(), Model.Text);
    const std::vector<int> Starts = Model.LineStarts();
    ASSERT_EQ(E.LineCount(), static_cast<int>(Starts.size()));
    for (int Row = 1; Row <= E.LineCount(); ++Row) {
      ASSERT_EQ(E.CellToCharIdx(TextCell(Row, 1)), Starts[Row - 1]) << "row " << Row;
      const int End = Row < E.LineCount() ? Starts[Row] - 2 : Model.Length() + 1;
      ASSERT_EQ(E.LineLength(Row), End - Starts[Row - 1]) << "row " << Row;
    }
    ASSERT_EQ(E.LongestLineLength(), Model.WidestRow());
    for (size_t I = 0; I < Tracked.size(); ++I) {
      ASSERT_EQ(Tracked[I]->RStart(), Model.Ranges[I].Start) << "range " << I;
      ASSERT_EQ(Tracked[I]->REnd(), Model.Ranges[I].End) << "range " << I;
      ASSERT_EQ(Changes[I], Model.Ranges[I].Changes) << "range " << I;
      ASSERT_EQ(Overwrites[I], Model.Ranges[I].Overwrites) << "range " << I;
    }
    ASSERT_EQ(E.Selection()->RStart(), Model.Selection.Start);
    ASSERT_EQ(E.Selection()->REnd(), Model.Selection.End);
    ASSERT_EQ(E.CanUndo(), !Model.UndoList.empty());
    ASSERT_EQ(E.CanRedo(), !Model.RedoList.empty());
    for (int I = 0; I < Model.Length(); ++I) {
      const bool LoneCr =
          Model.Text[I] == u'\r' && (I + 1 >= Model.Length() || Model.Text[I + 1] != u'\n');
      const bool LoneLf = Model.Text[I] == u'\n' && (I == 0 || Model.Text[I - 1] != u'\r');
      ASSERT_FALSE(LoneCr || LoneLf) << "lone line break at " << I + 1;
    }
  }

  std::mt19937 Random;
  TMemoComponent E;
  TTextModel Model;
  std::vector<TCustomRange*> Tracked;
  int Changes[4] = {};
  int Overwrites[4] = {};
};
}  // namespace

TEST(Model, RandomEditsUndoAndRedoMatchThePlainModel) {
  for (unsigned Seed : {11u, 23u, 37u, 41u, 59u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    TRandomSession S(Seed);
    const QString First = "start\r\n\tof the\r\ntext";
    S.E.SetText(First);
    S.Model.Replace(S.Model.Temporary(1, 0), First, false, true, true);
    for (int I = 0; I < 3000 && !testing::Test::HasFatalFailure(); ++I) {
      S.Step();
      S.Compare(I);
    }
    while (S.E.CanUndo())
      S.E.Undo();
    EXPECT_EQ(S.E.Text(), "");  // everything undone, down to the empty first text
  }
}
