// The chain's ranges are moved lazily. The same random edits on an editor that moves every
// range on every edit, as the plain visit of the tracked ranges does, must give the same
// text, chain, levels, other tracked ranges and their events, selection, view and drawing.
// And whatever the edits, the chain is range for range what a rebuild of its text gives.
#include <gtest/gtest.h>

#include <typeinfo>

#include "RandomEdits.h"
#include "SourceEditFixture.h"
#include "editor/VisibleRange.h"

namespace {
/** Visits every syntax range on every edit, from the last to the first, and walks the
    levels after the rescanned region until one keeps its level. */
class TStraightforwardEdit : public TYorelEdit {
 protected:
  void UpdateParenthesisLevelsAfterEdit() override {
    const int ScannedEnd = LastCRange->REnd();
    for (; LastPRange; LastPRange = LastPRange->NextRange()) {
      if (LastPRange->REnd() <= ScannedEnd) {
        LastPRange->CalcParenthesisLevel();
        continue;
      }
      const int Old = LastPRange->ParenthesisLevel();
      LastPRange->UpdateParenthesisLevel();
      if (LastPRange->ParenthesisLevel() == Old) break;
    }
    LastPRange = nullptr;
  }
  void MoveRangesByEditor(TCustomRange& Replaced, int A, int B, int Delta) override {
    std::vector<TSyntaxRange*> All;
    for (TSyntaxRange* R = LastSyntaxRange(); R; R = R->PrevRange())
      All.push_back(R);
    for (TSyntaxRange* R : All)
      if (R != &Replaced) R->FollowReplacement(A, B, Delta);
  }
};

/** A few tracked ranges of the user's own, counting their events. */
struct TWatchedRanges {
  explicit TWatchedRanges(TSourceEdit& E) {
    for (int I = 0; I < 4; ++I) {
      TCustomRange* R = E.TrackedRanges()->Add(1 + I * 37, 5 + I * 11);
      R->OnChange = [this, I](TObject*) { ++Changes[I]; };
      R->OnOverwrite = [this, I](TObject*) { ++Overwrites[I]; };
      Ranges.push_back(R);
    }
  }
  QString Describe() const {
    QString Result;
    for (size_t I = 0; I < Ranges.size(); ++I)
      Result += QStringLiteral("%1..%2 changed %3 overwritten %4; ")
                    .arg(Ranges[I]->RStart())
                    .arg(Ranges[I]->REnd())
                    .arg(Changes[I])
                    .arg(Overwrites[I]);
    return Result;
  }
  std::vector<TCustomRange*> Ranges;
  int Changes[4] = {};
  int Overwrites[4] = {};
};

QStringList Drawn(TSpySourceEdit& E) {
  QStringList Result;
  for (const TDrawCall& C : E.Host.Surface.Calls)
    Result << QStringLiteral("%1 %2,%3,%4,%5 %6,%7 %8 %9 %10 %11")
                  .arg(C.What)
                  .arg(C.Rect.Left)
                  .arg(C.Rect.Top)
                  .arg(C.Rect.Right)
                  .arg(C.Rect.Bottom)
                  .arg(C.X)
                  .arg(C.Y)
                  .arg(C.Str)
                  .arg(C.Brush)
                  .arg(C.FontColor)
                  .arg(C.Bold);
  E.Forget();
  return Result;
}

QStringList Extents(const TSourceEdit& E) {
  QStringList Result;
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
    Result << QStringLiteral("%1..%2 %3 level %4")
                  .arg(R->RStart())
                  .arg(R->REnd())
                  .arg(Describe(*R))
                  .arg(R->ParenthesisLevel());
  return Result;
}

QString State(const TSourceEdit& E) {
  return QStringLiteral("sel %1+%2 top %3 left %4 rows %5 widest %6 tracked %7 undo %8 redo %9")
      .arg(E.SelStart())
      .arg(E.SelLength())
      .arg(E.VisibleRange()->FTopRow)
      .arg(E.VisibleRange()->LeftCol())
      .arg(E.LineCount())
      .arg(E.LongestLineLength())
      .arg(E.TrackedRanges()->Count())
      .arg(const_cast<TSourceEdit&>(E).CanUndo())
      .arg(const_cast<TSourceEdit&>(E).CanRedo());
}
}  // namespace

TEST(LazyRangeMoves, GiveWhatMovingEveryRangeOnEveryEditGives) {
  for (unsigned Seed : {11u, 12u, 13u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    TRandomEdits Edits(Seed);
    TYorelEdit Fast;
    TStraightforwardEdit Plain;
    const QString Start = Edits.Source(80);
    Fast.SetText(Start);
    Plain.SetText(Start);
    TWatchedRanges FastWatched(Fast);
    TWatchedRanges PlainWatched(Plain);
    Drawn(Fast), Drawn(Plain);
    TRandomEdits FastEdits(Seed * 7);
    TRandomEdits PlainEdits(Seed * 7);
    for (int Step = 1; Step <= 1500; ++Step) {
      FastEdits.Edit(Fast);
      PlainEdits.Edit(Plain);
      ASSERT_EQ(Fast.Text(), Plain.Text()) << "step " << Step;
      ASSERT_EQ(Extents(Fast), Extents(Plain)) << "step " << Step;
      if (!FastEdits.UpdateOpen()) {
        ASSERT_EQ(Fast.SyntaxChain()->CheckInvariants(), QString()) << "step " << Step;
      }
      ASSERT_EQ(FastWatched.Describe(), PlainWatched.Describe()) << "step " << Step;
      ASSERT_EQ(State(Fast), State(Plain)) << "step " << Step;
      ASSERT_EQ(Drawn(Fast), Drawn(Plain)) << "step " << Step;
    }
  }
}

namespace {
/** Extents with neighbouring runs of normal text or of symbols joined: a rescan starts at
    the range before the edit, which may keep a boundary inside a run that a rebuild makes
    one range. */
QStringList JoinedExtents(const TSourceEdit& E) {
  auto Joinable = [](const TSyntaxRange* A, const TSyntaxRange* B) {
    return B && typeid(*A) == typeid(*B) && B->ParenthesisLevel() == A->ParenthesisLevel() &&
           (dynamic_cast<const TNormalTextRange*>(A) || dynamic_cast<const TSymbolRange*>(A));
  };
  QStringList Result;
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange()) {
    TSyntaxRange* Last = R;
    while (Joinable(R, Last->NextRange()))
      Last = Last->NextRange();
    const QString Run = E.TextRange(R->RStart(), Last->REnd() - R->RStart() + 1);
    Result << QStringLiteral("%1..%2 %3 level %4")
                  .arg(R->RStart())
                  .arg(Last->REnd())
                  .arg(Last == R                        ? Describe(*R)
                       : dynamic_cast<TSymbolRange*>(R) ? QStringLiteral("symbol: ") + Run
                                                        : QStringLiteral("normal: ") + Run)
                  .arg(R->ParenthesisLevel());
    R = Last;
  }
  return Result;
}

/** Indents or unindents the rows of a random selection as one undo step, and sometimes
    undoes it and redoes it at once. */
void ChangeIndentOfSomeRows(TRandomEdits& Edits, TSourceEdit& E) {
  E.SetSelStart(Edits.Below(E.TextLength() + 1));
  E.SetSelLength(Edits.Below(E.TextLength() - E.SelStart() + 1));
  E.ChangeIndent(Edits.Below(2) ? 1 + Edits.Below(2) : -1 - Edits.Below(2));
  if (Edits.Below(3) == 0) E.Undo();
  if (Edits.Below(4) == 0) E.Redo();
}

/** Editor holding Text with its chain built from nothing: the text arrives while an update
    is open, and the update's end rebuilds the chain. */
const TSourceEdit& Rebuild(TSourceEdit& Editor, const QString& Text) {
  Editor.SyntaxColoring()->BeginUpdate();
  Editor.SetText(Text);
  Editor.SyntaxColoring()->EndUpdate();
  return Editor;
}
}  // namespace

TEST(IncrementalChain, IsRangeForRangeWhatARebuildGivesForTheSameText) {
  struct {
    unsigned Seed;
    const QStringList& Pieces;
    int Length;
  } Runs[] = {{21u, Fragments, 60},
              {22u, Fragments, 60},
              {23u, ProseFragments, 300},
              {24u, ProseFragments, 300}};
  for (const auto& Run : Runs) {
    SCOPED_TRACE(testing::Message() << "seed " << Run.Seed);
    TRandomEdits Edits(Run.Seed, Run.Pieces);
    TWindowlessYorelEdit E;
    TWindowlessYorelEdit Rebuilt;
    E.SetText(Edits.Source(Run.Length));
    for (int Step = 1; Step <= 2000; ++Step) {
      if (Edits.Below(6) == 0)
        ChangeIndentOfSomeRows(Edits, E);
      else
        Edits.Edit(E);
      if (Edits.UpdateOpen()) continue;
      ASSERT_EQ(E.SyntaxChain()->CheckInvariants(), QString()) << "step " << Step;
      ASSERT_EQ(JoinedExtents(E), JoinedExtents(Rebuild(Rebuilt, E.Text()))) << "step " << Step;
    }
  }
}

TEST(IncrementalChain, KeepsItsBlocksRightOverALongTextEditedAllOver) {
  for (unsigned Seed : {31u, 32u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    TRandomEdits Edits(Seed);
    TWindowlessYorelEdit E;
    TWindowlessYorelEdit Rebuilt;
    // Thousands of ranges: dozens of blocks, which big cuts merge and big pastes split.
    E.SetText(Edits.Source(2000));
    for (int Step = 1; Step <= 300; ++Step) {
      const int Kind = Edits.Below(10);
      E.SetSelStart(Edits.Below(E.TextLength() + 1));
      if (Kind == 0) {
        E.SetSelLength(Edits.Below(std::min(800, E.TextLength() - E.SelStart()) + 1));
        E.Selection()->SetText(QString());
      } else if (Kind == 1) {
        E.Selection()->SetText(Edits.Source(300));
      } else if (Kind == 2) {
        E.Undo();
      } else if (Kind == 3) {
        E.Redo();
      } else {
        QChar Key = Kind < 6 ? QChar(Kind == 4 ? u'(' : u')') : Edits.Fragment()[0];
        E.HandleKeyPress(Key);
      }
      ASSERT_EQ(E.SyntaxChain()->CheckInvariants(), QString()) << "step " << Step;
      if (Step % 20) continue;
      ASSERT_EQ(JoinedExtents(E), JoinedExtents(Rebuild(Rebuilt, E.Text()))) << "step " << Step;
    }
  }
}

TEST(IncrementalChain, ScannedInSlicesGivesWhatOneWholeScanGives) {
  for (unsigned Seed : {41u, 42u, 43u, 44u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    TRandomEdits Edits(Seed);
    TWindowlessYorelEdit E;
    TWindowlessYorelEdit Whole;
    TWindowlessYorelEdit Rebuilt;
    // Slices of a few tokens: the scan stops and goes on hundreds of times per text.
    E.SetScanSliceLength(1 + Edits.Below(60));
    for (int Round = 1; Round <= 30; ++Round) {
      const QString Text = Edits.Source(200);
      E.SetText(Text);
      Whole.SetText(Text);
      if (Round % 3 == 0) {
        // Every read goes on scanning as far as it reads: exactly the whole scan's chain.
        ASSERT_EQ(Extents(E), Extents(Whole)) << "round " << Round;
        continue;
      }
      for (int Step = 1; Step <= 40; ++Step) {
        const int Kind = Edits.Below(5);
        if (Kind == 0) {
          for (int N = Edits.Below(4); N > 0; --N)
            E.ContinueSyntaxScan();
        } else if (Kind == 1) {
          // Where the scan stands, just before it or where it looked ahead.
          const int At = E.ScannedLength() - 10 + Edits.Below(40);
          E.SetSelStart(std::clamp(At, 0, E.TextLength()));
          E.SetSelLength(Edits.Below(3));
          E.Selection()->SetText(Edits.Fragment());
        } else {
          Edits.Edit(E);
        }
        if (Edits.UpdateOpen()) continue;
        ASSERT_EQ(E.SyntaxChain()->CheckInvariants(), QString())
            << "round " << Round << " step " << Step;
      }
      while (Edits.UpdateOpen())
        Edits.Edit(E);
      ASSERT_EQ(JoinedExtents(E), JoinedExtents(Rebuild(Rebuilt, E.Text()))) << "round " << Round;
    }
  }
}
