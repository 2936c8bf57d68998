/** @file SyntaxChain.cpp
 ** Linking and unlinking the chain's ranges, replacing old ranges by new ones, the lazy
 ** shift past the last edit, the lookups and the checks of the invariants. **/
#include "sourceedit/SyntaxChain.h"

#include <algorithm>
#include <vector>

#include "sourceedit/SourceEdit.h"

TSyntaxChain::TSyntaxChain(TSourceEdit& Editor)
    : FEditor(Editor), FOverwriteHandler([](TObject* Sender) { delete Sender; }) {}

TSyntaxChain::~TSyntaxChain() = default;

TSyntaxRange* TSyntaxChain::InsertBefore(TSyntaxRange* Range, TSyntaxRangeClass RangeClass) {
  TSyntaxRange* New = RangeClass(FEditor.TrackedRanges());
  New->OnOverwrite = FOverwriteHandler;
  FEditor.TrackedRanges()->MoveByEditor(New);
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
  AddToBlock(New, Range ? Range->Block() : FBlocks.empty() ? nullptr : FBlocks.back().get());
  New->SetParenthesisLevel(0);
  return New;
}

void TSyntaxChain::Unlink(TSyntaxRange* Range) {
  if (FEditor.SyntaxStartRange == Range) FEditor.SyntaxStartRange = nullptr;
  RemoveFromBlock(Range);
  if (Range->FPrevRange)
    Range->FPrevRange->FNextRange = Range->FNextRange;
  else if (FFirst == Range)
    FFirst = Range->FNextRange;
  if (Range->FNextRange)
    Range->FNextRange->FPrevRange = Range->FPrevRange;
  else if (FLast == Range)
    FLast = Range->FPrevRange;
  Range->FPrevRange = Range->FNextRange = nullptr;
}

void TSyntaxChain::ScanTo(int Pos) {
  while (FScanPending && FLast->REnd() < Pos && FEditor.ContinueSyntaxScan()) {
  }
}

void TSyntaxChain::Clear() {
  FScanPending = false;
  FClearing = true;
  // Each range unlinks itself as it goes.
  while (FLast)
    delete FLast;
  FClearing = false;
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
    Cursor = Cursor->ScannedNext();
  if (!Cursor && NewRange != FLast) Cursor = FLast;

  bool Result = false;
  while (Cursor && Cursor != NewRange &&
         !(Cursor->RStart() > NewRange->REnd() && Cursor->REnd() > NewRange->REnd())) {
    Result = Cursor->EqualEndingsWith(NewRange);
    TSyntaxRange* Covered = Cursor;
    Cursor = Cursor->ScannedNext();
    delete Covered;
  }
  return Result;
}

// The chain is in text order, so an edit of A..B leaves the ranges that end before A as
// they are and moves every range that starts after B by Delta: the ranges of the edit's own
// block one by one, the later blocks by owing it. Only the ranges between are moved one by
// one as every other tracked range is.
void TSyntaxChain::FollowReplacement(TCustomRange& Replaced, int A, int B, int Delta) {
  if (!FFirst) return;
  // The shift is exact only for ranges that start and end after B and stay at or after the
  // first position; the others move one by one, clamped as every range setter clamps: an
  // empty range right after B (its end lies in A..B), and, for a shorter whole text whose
  // B is its new end, every range starting at or before -Delta.
  const int Pos = std::max(B + 1, -Delta);
  const std::size_t Index =
      FindBlock([Pos](const TChainBlock& Block) { return Block.Last->RStart() <= Pos; });
  TSyntaxRange* After = nullptr;
  if (Index < FBlocks.size()) {
    MoveShiftStep(Index + 1);
    After = MovePartAfter(*FBlocks[Index], Pos, Delta);
    if (FShiftStep < FBlocks.size()) FPendingShift += Delta;
  }
  // An empty range at A is overwritten too when the replaced text is not empty.
  std::vector<TSyntaxRange*> Touched;
  for (TSyntaxRange* R = After ? After->PrevRange() : FLast;
       R && (R->REnd() >= A || R->RStart() >= A); R = R->PrevRange())
    Touched.push_back(R);
  for (TSyntaxRange* R : Touched)
    if (R != &Replaced) R->FollowReplacement(A, B, Delta);
}

// Walks from the nearer end of the block: from its last range, the ranges after Pos move
// one by one; from its first, the block's offset moves them all and the ranges up to Pos
// move back one by one. Either visits only the ranges it moves.
TSyntaxRange* TSyntaxChain::MovePartAfter(TChainBlock& Block, int Pos, int Delta) {
  TSyntaxRange* After = nullptr;
  if (Pos - Block.First->RStart() > Block.Last->RStart() - Pos) {
    for (TSyntaxRange* R = Block.Last; R->RStart() > Pos; R = R->FPrevRange) {
      After = R;
      R->MoveStoredPositions(Delta);
      if (R == Block.First) break;
    }
    return After;
  }
  for (After = Block.First; After->RStart() <= Pos; After = After->FNextRange)
    After->MoveStoredPositions(-Delta);
  Block.Shift += Delta;
  return After;
}

void TSyntaxChain::ShiftLevelsFrom(TSyntaxRange* From, int Delta) {
  TChainBlock* Block = From->Block();
  MoveShiftStep(Block->Index + 1);
  for (TSyntaxRange* R = From; R && R->Block() == Block; R = R->ScannedNext())
    R->FParenthesisLevel += Delta;
  if (FShiftStep < FBlocks.size()) FPendingLevelShift += Delta;
}

void TSyntaxChain::MoveShiftStep(std::size_t Index) {
  for (; FShiftStep < Index; ++FShiftStep) {
    TChainBlock& Block = *FBlocks[FShiftStep];
    Block.Shift += FPendingShift;
    Block.LevelShift += FPendingLevelShift;
    Block.Pending = nullptr;
    Block.PendingLevel = nullptr;
  }
  while (FShiftStep > Index) {
    TChainBlock& Block = *FBlocks[--FShiftStep];
    Block.Shift -= FPendingShift;
    Block.LevelShift -= FPendingLevelShift;
    Block.Pending = &FPendingShift;
    Block.PendingLevel = &FPendingLevelShift;
  }
  if (FShiftStep == FBlocks.size()) ForgetShifts();
}

void TSyntaxChain::ForgetShifts() {
  FPendingShift = 0;
  FPendingLevelShift = 0;
}

void TSyntaxChain::MoveToBlock(TSyntaxRange* Range, TChainBlock* Block) {
  const int Level = Range->ParenthesisLevel();
  Range->SetOffset(Block);
  Range->SetParenthesisLevel(Level);
}

void TSyntaxChain::AddToBlock(TSyntaxRange* Range, TChainBlock* Block) {
  // Text appended behind the last block, as a load does, fills blocks only so far: the
  // edits that follow then split few of them.
  if (!Block || (Block->Count >= AppendedBlockCount && Range == FLast))
    Block = NewBlockAt(FBlocks.size(), Block);
  MoveToBlock(Range, Block);
  if (Block->Count++ == 0) {
    Block->First = Block->Last = Range;
  } else if (Range->FNextRange == Block->First) {
    Block->First = Range;
  } else if (Range->FPrevRange == Block->Last) {
    Block->Last = Range;
  }
  if (Block->Count > MaxBlockCount) SplitBlock(Block);
}

void TSyntaxChain::RemoveFromBlock(TSyntaxRange* Range) {
  TChainBlock* Block = Range->Block();
  if (!Block) return;
  if (Block->First == Range) Block->First = Range->FNextRange;
  if (Block->Last == Range) Block->Last = Range->FPrevRange;
  MoveToBlock(Range, nullptr);
  if (--Block->Count == 0) {
    EraseBlock(Block);
    return;
  }
  if (Block->Count >= MinBlockCount || FClearing || Block->Index == 0) return;
  const TChainBlock& Previous = *FBlocks[Block->Index - 1];
  if (Previous.Owing() == Block->Owing() && Previous.Count + Block->Count <= MaxBlockCount)
    MergeIntoPrevious(Block);
}

void TSyntaxChain::SplitBlock(TChainBlock* Block) {
  TChainBlock* Second = NewBlockAt(Block->Index + 1, Block);
  TSyntaxRange* Middle = Block->First;
  for (int I = 0; I < Block->Count / 2; ++I)
    Middle = Middle->FNextRange;
  Second->First = Middle;
  Second->Last = Block->Last;
  Block->Last = Middle->FPrevRange;
  for (TSyntaxRange* R = Middle; R != Second->Last->FNextRange; R = R->FNextRange) {
    MoveToBlock(R, Second);
    ++Second->Count;
  }
  Block->Count -= Second->Count;
}

void TSyntaxChain::MergeIntoPrevious(TChainBlock* Block) {
  TChainBlock& Previous = *FBlocks[Block->Index - 1];
  for (TSyntaxRange* R = Block->First; R != Block->Last->FNextRange; R = R->FNextRange)
    MoveToBlock(R, &Previous);
  Previous.Last = Block->Last;
  Previous.Count += Block->Count;
  EraseBlock(Block);
}

TChainBlock* TSyntaxChain::NewBlockAt(std::size_t Index, const TChainBlock* Like) {
  auto Block = std::make_unique<TChainBlock>();
  if (Like) {
    Block->Shift = Like->Shift;
    Block->LevelShift = Like->LevelShift;
    Block->Pending = Like->Pending;
    Block->PendingLevel = Like->PendingLevel;
  }
  TChainBlock* Result = Block.get();
  FBlocks.insert(FBlocks.begin() + static_cast<std::ptrdiff_t>(Index), std::move(Block));
  // A block that owes nothing stands before the step.
  if (!Result->Owing() && Index <= FShiftStep) ++FShiftStep;
  RenumberBlocksFrom(Index);
  return Result;
}

void TSyntaxChain::EraseBlock(TChainBlock* Block) {
  const std::size_t Index = static_cast<std::size_t>(Block->Index);
  FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(Index));
  if (Index < FShiftStep) --FShiftStep;
  RenumberBlocksFrom(Index);
  if (FShiftStep == FBlocks.size()) ForgetShifts();
}

void TSyntaxChain::RenumberBlocksFrom(std::size_t Index) {
  for (; Index < FBlocks.size(); ++Index)
    FBlocks[Index]->Index = static_cast<int>(Index);
}

template <class TBefore>
std::size_t TSyntaxChain::FindBlock(TBefore Before) const {
  auto Found = [&](std::size_t I) {
    return I < FBlocks.size() && !Before(*FBlocks[I]) && (I == 0 || Before(*FBlocks[I - 1]));
  };
  // Edits come in runs close together, as Replace All's do from the last match back.
  for (const std::size_t I : {FFoundBlock, FFoundBlock - 1})
    if (Found(I)) return FFoundBlock = I;
  const auto Block = std::partition_point(
      FBlocks.begin(), FBlocks.end(),
      [&](const std::unique_ptr<TChainBlock>& B) { return Before(*B); });
  return FFoundBlock = static_cast<std::size_t>(Block - FBlocks.begin());
}

QString TSyntaxChain::SharedText(const QString& Text) {
  const auto Found = FSharedTexts.constFind(Text);
  if (Found != FSharedTexts.constEnd()) return *Found;
  FSharedTexts.insert(Text);
  return Text;
}

TSyntaxRange* TSyntaxChain::RangeAtPos(int Pos, TSyntaxRange* Tip) const {
  const TChainBlock* TipBlock = Tip ? Tip->Block() : nullptr;
  TSyntaxRange* Range = Tip;
  if (!TipBlock || Pos < TipBlock->First->RStart() || Pos > TipBlock->Last->REnd()) {
    const std::size_t I =
        FindBlock([Pos](const TChainBlock& B) { return B.Last->REnd() < Pos; });
    if (I == FBlocks.size()) return nullptr;
    const TChainBlock& Block = *FBlocks[I];
    Range = Pos - Block.First->RStart() <= Block.Last->REnd() - Pos ? Block.First : Block.Last;
  }
  while (Range && Range->REnd() >= Pos)
    Range = Range->PrevRange();
  if (!Range) Range = FFirst;
  while (Range && Range->REnd() < Pos)
    Range = Range->ScannedNext();
  return Range;
}

TSyntaxRange* TSyntaxChain::FirstBroken() const {
  if (!FFirst) return nullptr;
  if (FFirst->RStart() != 1) return FFirst;
  if (FLast->REnd() != FEditor.TextLength()) return FLast;
  for (TSyntaxRange* Range = FFirst; Range->ScannedNext(); Range = Range->ScannedNext())
    if (Range->ScannedNext()->RStart() != Range->REnd() + 1) return Range;
  return nullptr;
}

TSyntaxRange* TSyntaxChain::FirstOverlapping() const {
  for (TSyntaxRange* Range = FFirst; Range; Range = Range->ScannedNext())
    if (Range->ScannedNext() && Range->ScannedNext()->RStart() <= Range->REnd()) return Range;
  return nullptr;
}

QString TSyntaxChain::CheckInvariants() const {
  auto At = [](const QString& What, const TSyntaxRange* R) {
    return QStringLiteral("%1 at %2..%3").arg(What).arg(R->RStart()).arg(R->REnd());
  };
  if (FShiftStep == FBlocks.size() && (FPendingShift != 0 || FPendingLevelShift != 0))
    return QStringLiteral("a shift is pending without a step");
  if (const QString Blocks = CheckBlocks(); !Blocks.isEmpty()) return Blocks;
  if (!FFirst) {
    if (FLast) return QStringLiteral("a last range without a first");
    const bool Scanned = FEditor.TextLength() > 0 && FEditor.SyntaxColoring()->Enabled();
    return Scanned ? QStringLiteral("no ranges over the text") : QString();
  }
  if (FFirst->PrevRange()) return At(QStringLiteral("a range before the first"), FFirst);
  if (FFirst->RStart() != 1) return At(QStringLiteral("the first range starts late"), FFirst);
  int Level = 0;
  for (const TSyntaxRange* R = FFirst; R; R = R->ScannedNext()) {
    const TSyntaxRange* Next = R->ScannedNext();
    if (Next ? Next->PrevRange() != R : R != FLast)
      return At(QStringLiteral("the links disagree"), R);
    if (R->RLength() <= 0) return At(QStringLiteral("an empty range"), R);
    if (Next && Next->RStart() != R->REnd() + 1)
      return At(QStringLiteral("a gap or an overlap after"), R);
    auto* Parenthesis = dynamic_cast<const TParenthesisRange*>(R);
    const bool Opening = Parenthesis && Parenthesis->Style() == TParenthesisStyle::psOpening;
    if (Opening) ++Level;
    if (R->ParenthesisLevel() != Level)
      return At(QStringLiteral("level %1 instead of %2").arg(R->ParenthesisLevel()).arg(Level), R);
    if (Parenthesis && !Opening) --Level;
  }
  if (FScanPending) {
    if (FLast->REnd() >= FEditor.TextLength())
      return At(QStringLiteral("a scan pending after the text's end"), FLast);
    if (!dynamic_cast<const TSymbolRange*>(FLast) && !dynamic_cast<const TParenthesisRange*>(FLast))
      return At(QStringLiteral("a pending scan would go on inside"), FLast);
  } else if (FLast->REnd() != FEditor.TextLength()) {
    return At(QStringLiteral("the last range ends off the text's end"), FLast);
  }
  return QString();
}

QString TSyntaxChain::CheckBlocks() const {
  if (FBlocks.empty() != !FFirst) return QStringLiteral("blocks and ranges disagree");
  if (FShiftStep > FBlocks.size()) return QStringLiteral("the step is past the blocks");
  const TSyntaxRange* R = FFirst;
  for (std::size_t I = 0; I < FBlocks.size(); ++I) {
    const TChainBlock& Block = *FBlocks[I];
    const QString Which = QStringLiteral("block %1: ").arg(I);
    if (Block.Index != static_cast<int>(I)) return Which + QStringLiteral("out of place");
    if (Block.Count < 1 || Block.Count > MaxBlockCount)
      return Which + QStringLiteral("%1 ranges").arg(Block.Count);
    const bool Owing = I >= FShiftStep;
    if (Block.Pending != (Owing ? &FPendingShift : nullptr) ||
        Block.PendingLevel != (Owing ? &FPendingLevelShift : nullptr))
      return Which + (Owing ? QStringLiteral("past the step, not owing the shifts")
                            : QStringLiteral("before the step, owing the shifts"));
    if (Block.First != R) return Which + QStringLiteral("starts off its first range");
    for (int N = 0; N < Block.Count; ++N, R = R->ScannedNext()) {
      if (!R || R->Block() != &Block) return Which + QStringLiteral("holds a range of another");
      if (N == Block.Count - 1 && R != Block.Last)
        return Which + QStringLiteral("ends off its last range");
    }
  }
  return R ? QStringLiteral("ranges after the last block") : QString();
}
