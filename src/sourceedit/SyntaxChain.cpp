/** @file SyntaxChain.cpp
 ** The editor's chain of syntax ranges: clearing it, replacing old ranges by new ones,
 ** finding the range at a position, and the checks that it tiles the text. **/
#include "sourceedit/SourceEdit.h"

#include <vector>

void TSourceEdit::ClearSyntaxRanges() {
  // Each range unlinks itself as it goes.
  while (FLastSyntaxRange)
    delete FLastSyntaxRange;
  FSharedTexts.clear();
}

bool TSourceEdit::RemoveOverlappedRanges(TSyntaxRange* NewRange, TSyntaxRange*& Cursor) {
  // No cursor means NewRange was linked after the last range. Walking back from NewRange
  // finds the same place as a walk from the first range, without visiting the whole chain.
  if (!Cursor) Cursor = NewRange;
  while (Cursor && (Cursor->RStart() > NewRange->RStart() || Cursor == NewRange))
    Cursor = Cursor->PrevRange();
  if (!Cursor) Cursor = FFirstSyntaxRange;
  while (Cursor && (Cursor->RStart() < NewRange->RStart() || Cursor == NewRange))
    Cursor = Cursor->NextRange();
  if (!Cursor && NewRange != FLastSyntaxRange) Cursor = FLastSyntaxRange;

  bool Result = false;
  while (Cursor && Cursor != NewRange &&
         !(Cursor->RStart() > NewRange->REnd() && Cursor->REnd() > NewRange->REnd())) {
    Result = Cursor->EqualEndingsWith(NewRange);
    TSyntaxRange* Covered = Cursor;
    Cursor = Cursor->NextRange();
    delete Covered;
  }
  return Result;
}

// The chain is in text order, so an edit of A..B leaves the ranges that end before A as
// they are and moves every range that starts after B by Delta: those are left owing it.
// Only the ranges between are moved one by one, exactly as every other tracked range.
void TSourceEdit::MoveRangesByEditor(TCustomRange& Replaced, int A, int B, int Delta) {
  TMemoComponent::MoveRangesByEditor(Replaced, A, B, Delta);
  if (!FFirstSyntaxRange) return;
  // The shift is exact only for ranges that start and end after B and stay at or after the
  // first position; the others move one by one, clamped as every range setter clamps: an
  // empty range right after B (its end lies in A..B), and, for a shorter whole text whose
  // B is its new end, every range starting at or before -Delta.
  MoveShiftStep(std::max(B + 1, -Delta));
  // An empty range at A is overwritten too when the replaced text is not empty.
  std::vector<TSyntaxRange*> Touched;
  for (TSyntaxRange* R = FShiftStep ? FShiftStep->PrevRange() : FLastSyntaxRange;
       R && (R->REnd() >= A || R->RStart() >= A); R = R->PrevRange())
    Touched.push_back(R);
  if (FShiftStep) SetPendingRangeShift(PendingRangeShift() + Delta);
  for (TSyntaxRange* R : Touched)
    if (R != &Replaced) R->FollowReplacement(A, B, Delta);
}

void TSourceEdit::MoveShiftStep(int Pos) {
  auto SetShifted = [](TSyntaxRange* R, bool Value) {
    const int Level = R->ParenthesisLevel();
    R->SetShifted(Value);
    R->SetParenthesisLevel(Level);
  };
  while (FShiftStep && FShiftStep->RStart() <= Pos) {
    TSyntaxRange* Passed = FShiftStep;
    FShiftStep = Passed->NextRange();
    SetShifted(Passed, false);
  }
  for (TSyntaxRange* R = FShiftStep ? FShiftStep->PrevRange() : FLastSyntaxRange;
       R && R->RStart() > Pos; R = R->PrevRange()) {
    SetShifted(R, true);
    FShiftStep = R;
  }
  if (!FShiftStep) {
    SetPendingRangeShift(0);
    FPendingLevelShift = 0;
  }
}

void TSourceEdit::SyntaxRangeOverwritten(TObject* Sender) {
  delete Sender;
}

QString TSourceEdit::SharedText(const QString& Text) {
  const auto Found = FSharedTexts.constFind(Text);
  if (Found != FSharedTexts.constEnd()) return *Found;
  FSharedTexts.insert(Text);
  return Text;
}

TSyntaxRange* TSourceEdit::SyntaxRangeAtPos(int RangePos) const {
  return SyntaxRangeAtPosWithTip(RangePos, nullptr);
}

TSyntaxRange* TSourceEdit::SyntaxRangeAtPosWithTip(int RangePos, TSyntaxRange* Tip) const {
  TSyntaxRange* Range = Tip;
  while (Range && Range->REnd() >= RangePos)
    Range = Range->PrevRange();
  if (!Range) Range = FFirstSyntaxRange;
  while (Range && Range->REnd() < RangePos)
    Range = Range->NextRange();
  return Range;
}

TSyntaxRange* TSourceEdit::FirstBrokenSyntaxRange() const {
  if (!FFirstSyntaxRange) return nullptr;
  if (FFirstSyntaxRange->RStart() != 1) return FFirstSyntaxRange;
  if (FLastSyntaxRange->REnd() != TextLength()) return FLastSyntaxRange;
  for (TSyntaxRange* Range = FFirstSyntaxRange; Range->NextRange(); Range = Range->NextRange())
    if (Range->NextRange()->RStart() != Range->REnd() + 1) return Range;
  return nullptr;
}

TSyntaxRange* TSourceEdit::FirstOverlappingSyntaxRange() const {
  for (TSyntaxRange* Range = FFirstSyntaxRange; Range; Range = Range->NextRange())
    if (Range->NextRange() && Range->NextRange()->RStart() <= Range->REnd()) return Range;
  return nullptr;
}

void TSourceEdit::GetDebuggableRanges(TDebuggableRanges& Ranges) const {
  for (TSyntaxRange* Range = FFirstSyntaxRange; Range; Range = Range->NextRange())
    Ranges.push_back({Range->RStart(), Range->REnd(), Range->Text(), Range->ClassName()});
}
