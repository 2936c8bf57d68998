/** @file ModelTest.cpp
 ** Thousands of random edits, key presses, undos, redos and selection moves per seed,
 ** each followed by a comparison of everything the editor shows with the plain model. **/
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "KeyPresses.h"
#include "TextModel.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"

namespace {
QString ToQString(const std::u16string& Text) {
  return QString::fromStdU16String(Text);
}

/** Text with its line breaks and tabs spelled out, for failure messages. */
std::string Visible(const std::u16string& Text) {
  std::string Result;
  for (char16_t C : Text) {
    switch (C) {
      case u'\r':
        Result += "\\r";
        break;
      case u'\n':
        Result += "\\n";
        break;
      case u'\t':
        Result += "\\t";
        break;
      default:
        Result += static_cast<char>(C);
    }
  }
  return Result;
}

/** One editor and its model, driven by the same random actions. */
class TRandomSession {
 public:
  static constexpr int TrackedCount = 4;

  TRandomSession(unsigned Seed, const std::u16string& FirstText) : Random(Seed) {
    E.SetText(ToQString(FirstText));
    E.ClearUndo();
    M.Text = FirstText;
    for (int I = 0; I < TrackedCount; ++I) {
      TCustomRange* Range = E.TrackedRanges()->Add();
      Range->OnChange = [this, I](TObject*) { ++Changes[I]; };
      Range->OnOverwrite = [this, I](TObject*) { ++Overwrites[I]; };
      Tracked.push_back(Range);
      M.Ranges.emplace_back();
    }
  }

  void Step() {
    if (KeysLeft > 0) {
      PressKey();
      return;
    }
    switch (ActionKinds(Random)) {
      case ReplaceRange:
        ReplaceRandomRange();
        break;
      case KeyRun:
        Key = static_cast<TKey>(Pick(0, 2));
        KeysLeft = Pick(1, 6);
        PressKey();
        break;
      case Select:
        MoveSelection();
        break;
      case MoveRange:
        MoveTrackedRange();
        break;
      case UndoStep:
        Undo();
        break;
      case RedoStep:
        Redo();
        break;
      case Tabs:
        SetTabSize(Pick(-1, 8));
        break;
      case WholeText:
        ReplaceWholeText();
        break;
    }
  }

  void Undo() {
    Action = "undo";
    E.Undo();
    M.Undo();
  }

  void Redo() {
    Action = "redo";
    E.Redo();
    M.Redo();
  }

  /** Redoes (or undoes) every step there is, comparing after each. */
  void ReplayAll(bool Redoing) {
    while (Redoing ? E.CanRedo() : E.CanUndo()) {
      Redoing ? Redo() : Undo();
      Compare();
      if (testing::Test::HasFatalFailure()) return;
    }
  }

  void Compare() {
    SCOPED_TRACE(testing::Message() << "after " << Action);
    const std::u16string Text = E.Text().toStdU16String();
    ASSERT_EQ(Visible(Text), Visible(M.Text));
    for (size_t I = 0; I < Text.size(); ++I) {
      const bool LoneCr = Text[I] == u'\r' && (I + 1 == Text.size() || Text[I + 1] != u'\n');
      const bool LoneLf = Text[I] == u'\n' && (I == 0 || Text[I - 1] != u'\r');
      ASSERT_FALSE(LoneCr || LoneLf) << "lone line break at " << I + 1;
    }
    const std::vector<int> Starts = M.LineStarts();
    const std::vector<int> Widths = M.RowWidths();
    ASSERT_EQ(E.LineCount(), static_cast<int>(Starts.size()));
    for (int Row = 1; Row <= E.LineCount(); ++Row) {
      const int Next = Row < E.LineCount() ? Starts[Row] : M.Length() + 3;
      ASSERT_EQ(E.CellToCharIdx(TextCell(Row, 1)), Starts[Row - 1]) << "row " << Row;
      ASSERT_EQ(E.LineLength(Row), Next - Starts[Row - 1] - 2) << "row " << Row;
      ASSERT_EQ(E.LineScrLength(Row), Widths[Row - 1])
          << "row " << Row << " tab size " << M.TabSize;
    }
    ASSERT_EQ(E.LongestLineLength(), M.WidestRow()) << "tab size " << M.TabSize;
    // The caret's screen column, and back to its cell.
    const int Caret = E.Selection()->CursorPos();
    const TTextCell CaretCell = E.CharIdxToCell(Caret);
    ASSERT_EQ(E.CellToScrCol(CaretCell), M.ScreenColumn(Caret)) << "caret at " << Caret;
    if (CaretCell.Col <= E.LineLength(CaretCell.Row) + 1) {
      TTextCell Back = TextCell(CaretCell.Row, M.ScreenColumn(Caret));
      E.CellFromScrCol(Back);
      ASSERT_EQ(Back.Col, CaretCell.Col) << "caret at " << Caret;
    }
    for (int I = 0; I < TrackedCount; ++I) {
      const TModelTrackedRange& R = M.Ranges[I];
      ASSERT_EQ(Tracked[I]->RStart(), R.Start) << "tracked range " << I;
      ASSERT_EQ(Tracked[I]->REnd(), R.End) << "tracked range " << I;
      ASSERT_EQ(Changes[I], R.Changes) << "changes of tracked range " << I;
      ASSERT_EQ(Overwrites[I], R.Overwrites) << "overwrites of tracked range " << I;
    }
    ASSERT_EQ(E.Selection()->RStart(), M.Selection.Start);
    ASSERT_EQ(E.Selection()->REnd(), M.Selection.End);
    ASSERT_EQ(E.Selection()->Backwards(), M.Backwards);
    ASSERT_EQ(E.CanUndo(), !M.UndoList.empty());
    ASSERT_EQ(E.CanRedo(), !M.RedoList.empty());
    CompareStack(E.UndoStack(), M.UndoList, "undo");
    CompareStack(E.RedoStack(), M.RedoList, "redo");
  }

  TMemoComponent E;
  TTextModel M;

 private:
  enum TKey { Letter, Backspace, Delete };
  enum TActionKind { ReplaceRange, KeyRun, Select, MoveRange, UndoStep, RedoStep, Tabs, WholeText };

  int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Random); }

  std::u16string RandomText(int MaxPieces) {
    static const std::u16string Pieces[] = {u"a",  u"b",  u"xy",   u" ",    u"\t",
                                            u"\r", u"\n", u"\r\n", u"\n\r", u"q\r\nz"};
    std::u16string Text;
    for (int Count = Pick(0, MaxPieces); Count > 0; --Count)
      Text += Pieces[Pick(0, 9)];
    return Text;
  }

  // A run of one kind of key press at the caret, one press per step, as the keyboard does it.
  // The editor gets the key through its own key handlers.
  void PressKey() {
    --KeysLeft;
    if (Key == Letter) {
      const int Choice = Pick(0, 7);
      const QChar Typed = Choice == 0 ? u'\r' : Choice == 1 ? u'\t' : QChar(u'a' + Choice);
      const std::u16string C = Choice == 0 ? u"\r\n" : std::u16string(1, Typed.unicode());
      Action = "type " + Visible(C);
      ::Type(E, Typed);
      M.Replace(M.Selection, C, TTextModel::TTarget::Selection);
    } else if (Key == Backspace) {
      Action = "backspace";
      ::Key(E, VK_BACK);
      M.DeleteBackward();
    } else {
      Action = "delete";
      ::Key(E, VK_DELETE);
      M.DeleteForward();
    }
  }

  void ReplaceRandomRange() {
    const int Start = Pick(-1, M.Length() + 2);
    const int End = Pick(Start - 2, Start + 8);
    const std::u16string NewText = RandomText(4);
    Action =
        "replace " + std::to_string(Start) + ".." + std::to_string(End) + " by " + Visible(NewText);
    TMCRange T;
    T.SetEditor(&E);
    T.SetRStart(Start);
    T.SetREnd(End);
    T.SetText(ToQString(NewText));
    M.Replace(M.Temporary(Start, End), NewText, TTextModel::TTarget::Temporary);
  }

  void ReplaceWholeText() {
    const std::u16string NewText = RandomText(20);
    Action = "set text " + Visible(NewText);
    E.SetText(ToQString(NewText));
    M.Replace(M.Temporary(1, M.Length()), NewText, TTextModel::TTarget::WholeText);
  }

  // Selection moves may stop between a CR and its LF, which the editor must cope with.
  void MoveSelection() {
    const int Position = Pick(-2, M.Length() + 2);
    if (Pick(0, 2) == 0) {
      Action = "cursor to " + std::to_string(Position);
      E.Selection()->SetCursorPos(Position);
      M.SetCursorPos(Position);
      return;
    }
    const int Length = Pick(-1, 6);
    Action = "select " + std::to_string(Position) + " +" + std::to_string(Length);
    E.SetSelStart(Position);
    E.SetSelLength(Length);
    M.NoSelAtPos(Position + 1);
    M.SetEnd(M.Selection, M.Selection.Start + Length - 1);
  }

  void MoveTrackedRange() {
    const int I = Pick(0, TrackedCount - 1);
    const int Start = Pick(0, M.Length() + 2);
    const int End = Pick(Start - 2, Start + 10);
    Action =
        "range " + std::to_string(I) + " to " + std::to_string(Start) + ".." + std::to_string(End);
    Tracked[I]->SetRStart(Start);
    Tracked[I]->SetREnd(End);
    M.SetStart(M.Ranges[I], Start);
    M.SetEnd(M.Ranges[I], End);
    M.Ranges[I].Changes += 2;  // each setter is a change of its own
  }

  void SetTabSize(int Size) {
    Action = "tab size " + std::to_string(Size);
    E.SetTabSize(Size);
    M.SetTabSize(Size);
  }

  // A record changes only while it is on top, so the top and the depth check the whole stack.
  static void CompareStack(const TUndoOperation* Top, const std::vector<TModelRecord>& List,
                           const char* Name) {
    int Depth = 0;
    for (const TUndoOperation* Op = Top; Op; Op = Op->NextItem)
      ++Depth;
    ASSERT_EQ(Depth, static_cast<int>(List.size())) << Name << " records";
    if (!Top) return;
    ASSERT_EQ(Top->RStart, List.back().Start) << "top " << Name << " record";
    ASSERT_EQ(Top->REnd, List.back().End) << "top " << Name << " record";
    ASSERT_EQ(Visible(Top->NewText.toStdU16String()), Visible(List.back().Text))
        << "top " << Name << " record";
  }

  std::mt19937 Random;
  std::vector<TCustomRange*> Tracked;
  int Changes[TrackedCount] = {};
  int Overwrites[TrackedCount] = {};
  // Weights of the actions above; a whole new text now and then keeps the text short.
  std::discrete_distribution<int> ActionKinds{3, 4, 2, 1, 2, 1, 0.3, 0.2};
  TKey Key = Letter;
  int KeysLeft = 0;
  std::string Action = "start";
};
}  // namespace

TEST(Model, RandomEditsUndoAndRedoMatchThePlainModel) {
  const std::u16string First = u"start\r\n\tof the\r\n\r\ntext\t\tend";
  for (unsigned Seed : {11u, 23u, 37u, 41u, 59u, 1234u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    TRandomSession S(Seed, First);
    for (int StepNumber = 1; StepNumber <= 4000; ++StepNumber) {
      SCOPED_TRACE(testing::Message() << "step " << StepNumber);
      S.Step();
      S.Compare();
      if (testing::Test::HasFatalFailure()) return;
    }
    S.ReplayAll(true);  // the steps undone last count too
    const QString Last = S.E.Text();
    S.ReplayAll(false);
    EXPECT_EQ(S.E.Text(), ToQString(First));
    S.ReplayAll(true);
    EXPECT_EQ(S.E.Text(), Last);
    if (testing::Test::HasFailure()) return;
  }
}
