/** @file SyntaxChain.cpp
 ** Linking and unlinking the chain's ranges, replacing old ranges by new ones, the lazy
 ** shift past the last edit, the lookups and the checks of the invariants. **/
#include "sourceedit/SyntaxChain.h"

#include <vector>

#include "sourceedit/SourceEdit.h"

TSyntaxChain::TSyntaxChain(TSourceEdit& Editor, std::function<void(int)> SetPendingShift)
    : FEditor(Editor),
      FSetPendingShift(std::move(SetPendingShift)),
      FOverwriteHandler([](TObject* Sender) { delete Sender; }) {}

TSyntaxRange* TSyntaxChain::InsertBefore(TSyntaxRange* Range, TSyntaxRangeClass RangeClass) {
  TSyntaxRange* New = RangeClass(FEditor.TrackedRanges());
  New->OnOverwrite = FOverwriteHandler;
  FEditor.TrackedRanges()->MoveByEditor(New);
  // A range after the shift step owes the shift like its neighbours.
  New->SetShifted(Range ? Range->Shifted() && Range != FShiftStep : FShiftStep != nullptr);
  New->SetParenthesisLevel(0);
  New->FNextRange = Range;
  New->FPrevRange = Range ? Range->FPrevRange : FLast;
  if (New->FPrevRange)
    New->FPrevRange->FNextRange = New;
  else
    FFirst = New;
  if (Range)
    Range->FPrevRange = New;
  else
    FLast = New;
  return New;
}

void TSyntaxChain::Unlink(TSyntaxRange* Range) {
  if (FEditor.SyntaxStartRange == Range) FEditor.SyntaxStartRange = nullptr;
  if (FShiftStep == Range) FShiftStep = Range->FNextRange;
  if (Range->FPrevRange)
    Range->FPrevRange->FNextRange = Range->FNextRange;
  else if (FFirst == Range)
    FFirst = Range->FNextRange;
  if (Range->FNextRange)
    Range->FNextRange->FPrevRange = Range->FPrevRange;
  else if (FLast == Range)
    FLast = Range->FPrevRange;
  Range->FPrevRange = Range->FNextRange = nullptr;
  if (!FShiftStep) ForgetShifts();
}

void TSyntaxChain::Clear() {
  // Each range unlinks itself as it goes.
  while (FLast)
    delete FLast;
  FSharedTexts.clear();
}

bool TSyntaxChain::RemoveOverlapped(TSyntaxRange* NewRange, TSyntaxRange*& Cursor) {
  // No cursor means NewRange was linked after the last range. Walking back from NewRange
  // finds the same place as a walk from the first range, without visiting the whole chain.
  if (!Cursor) Cursor = NewRange;
  while (Cursor && (Cursor->RStart() > NewRange->RStart() || Cursor == NewRange))
    Cursor = Cursor->PrevRange();
  if (!Cursor) Cursor = FFirst;
  while (Cursor && (Cursor->RStart() < NewRange->RStart() || Cursor == NewRange))
    Cursor = Cursor->NextRange();
  if (!Cursor && NewRange != FLast) Cursor = FLast;

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
void TSyntaxChain::FollowReplacement(TCustomRange& Replaced, int A, int B, int Delta) {
  if (!FFirst) return;
  // The shift is exact only for ranges that start and end after B and stay at or after the
  // first position; the others move one by one, clamped as every range setter clamps: an
  // empty range right after B (its end lies in A..B), and, for a shorter whole text whose
  // B is its new end, every range starting at or before -Delta.
  MoveShiftStep(std::max(B + 1, -Delta));
  // An empty range at A is overwritten too when the replaced text is not empty.
  std::vector<TSyntaxRange*> Touched;
  for (TSyntaxRange* R = FShiftStep ? FShiftStep->PrevRange() : FLast;
       R && (R->REnd() >= A || R->RStart() >= A); R = R->PrevRange())
    Touched.push_back(R);
  if (FShiftStep) FSetPendingShift(FEditor.PendingRangeShift() + Delta);
  for (TSyntaxRange* R : Touched)
    if (R != &Replaced) R->FollowReplacement(A, B, Delta);
}

void TSyntaxChain::ShiftLevelsFrom(TSyntaxRange* From, int Delta) {
  MoveShiftStep(From->RStart() - 1);
  FPendingLevelShift += Delta;
}

void TSyntaxChain::SetShifted(TSyntaxRange* Range, bool Value) {
  const int Level = Range->ParenthesisLevel();
  Range->SetShifted(Value);
  Range->SetParenthesisLevel(Level);
}

void TSyntaxChain::MoveShiftStep(int Pos) {
  while (FShiftStep && FShiftStep->RStart() <= Pos) {
    TSyntaxRange* Passed = FShiftStep;
    FShiftStep = Passed->NextRange();
    SetShifted(Passed, false);
  }
  for (TSyntaxRange* R = FShiftStep ? FShiftStep->PrevRange() : FLast; R && R->RStart() > Pos;
       R = R->PrevRange()) {
    SetShifted(R, true);
    FShiftStep = R;
  }
  if (!FShiftStep) ForgetShifts();
}

void TSyntaxChain::ForgetShifts() {
  FSetPendingShift(0);
  FPendingLevelShift = 0;
}

QString TSyntaxChain::SharedText(const QString& Text) {
  const auto Found = FSharedTexts.constFind(Text);
  if (Found != FSharedTexts.constEnd()) return *Found;
  FSharedTexts.insert(Text);
  return Text;
}

TSyntaxRange* TSyntaxChain::RangeAtPos(int Pos, TSyntaxRange* Tip) const {
  TSyntaxRange* Range = Tip;
  while (Range && Range->REnd() >= Pos)
    Range = Range->PrevRange();
  if (!Range) Range = FFirst;
  while (Range && Range->REnd() < Pos)
    Range = Range->NextRange();
  return Range;
}

TSyntaxRange* TSyntaxChain::FirstBroken() const {
  if (!FFirst) return nullptr;
  if (FFirst->RStart() != 1) return FFirst;
  if (FLast->REnd() != FEditor.TextLength()) return FLast;
  for (TSyntaxRange* Range = FFirst; Range->NextRange(); Range = Range->NextRange())
    if (Range->NextRange()->RStart() != Range->REnd() + 1) return Range;
  return nullptr;
}

TSyntaxRange* TSyntaxChain::FirstOverlapping() const {
  for (TSyntaxRange* Range = FFirst; Range; Range = Range->NextRange())
    if (Range->NextRange() && Range->NextRange()->RStart() <= Range->REnd()) return Range;
  return nullptr;
}

QString TSyntaxChain::CheckInvariants() const {
  auto At = [](const QString& What, const TSyntaxRange* R) {
    return QStringLiteral("%1 at %2..%3").arg(What).arg(R->RStart()).arg(R->REnd());
  };
  if (!FShiftStep && (FEditor.PendingRangeShift() != 0 || FPendingLevelShift != 0))
    return QStringLiteral("a shift is pending without a step");
  if (!FFirst) {
    if (FLast) return QStringLiteral("a last range without a first");
    const bool Scanned = FEditor.TextLength() > 0 && FEditor.SyntaxColoring()->Enabled();
    return Scanned ? QStringLiteral("no ranges over the text") : QString();
  }
  if (FFirst->PrevRange()) return At(QStringLiteral("a range before the first"), FFirst);
  if (FFirst->RStart() != 1) return At(QStringLiteral("the first range starts late"), FFirst);
  bool Owing = false;
  int Level = 0;
  for (const TSyntaxRange* R = FFirst; R; R = R->NextRange()) {
    const TSyntaxRange* Next = R->NextRange();
    if (Next ? Next->PrevRange() != R : R != FLast)
      return At(QStringLiteral("the links disagree"), R);
    if (R->RLength() <= 0) return At(QStringLiteral("an empty range"), R);
    if (Next && Next->RStart() != R->REnd() + 1)
      return At(QStringLiteral("a gap or an overlap after"), R);
    Owing = Owing || R == FShiftStep;
    if (R->Shifted() != Owing)
      return At(Owing ? QStringLiteral("a range past the step not owing the shift")
                      : QStringLiteral("a range before the step owing the shift"),
                R);
    auto* Parenthesis = dynamic_cast<const TParenthesisRange*>(R);
    const bool Opening = Parenthesis && Parenthesis->Style() == TParenthesisStyle::psOpening;
    if (Opening) ++Level;
    if (R->ParenthesisLevel() != Level)
      return At(QStringLiteral("level %1 instead of %2").arg(R->ParenthesisLevel()).arg(Level), R);
    if (Parenthesis && !Opening) --Level;
  }
  if (FShiftStep && !Owing) return QStringLiteral("the step is not in the chain");
  if (FLast->REnd() != FEditor.TextLength())
    return At(QStringLiteral("the last range ends off the text's end"), FLast);
  return QString();
}
