/** @file IntegerList.cpp
 ** The integer list with its lazily applied shift. **/
#include "editor/IntegerList.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

void TIntegerList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) throw EListError::IndexOutOfBounds(Index);
}

int TIntegerList::Add(int Item) {
  Insert(Count(), Item);
  return Count() - 1;
}

void TIntegerList::Insert(int Index, int Item) {
  CheckIndex(Index, Count() + 1);
  if (Index <= FStepIndex) {
    FList.Insert(Index, Item);
    ++FStepIndex;
  } else {
    FList.Insert(Index, Item - FStepDelta);
  }
}

void TIntegerList::Delete(int Index) {
  CheckIndex(Index, Count());
  FList.Delete(Index, 1);
  if (Index < FStepIndex) --FStepIndex;
}

void TIntegerList::Clear() {
  FList.Clear();
  FStepIndex = 0;
  FStepDelta = 0;
}

int TIntegerList::Items(int Index) const {
  CheckIndex(Index, Count());
  return Stored(Index) + (Index >= FStepIndex ? FStepDelta : 0);
}

void TIntegerList::SetItems(int Index, int Item) {
  CheckIndex(Index, Count());
  FList.SetAt(Index, Item - (Index >= FStepIndex ? FStepDelta : 0));
}

void TIntegerList::SetCount(int NewCount) {
  if (NewCount < 0) throw EListError::IndexOutOfBounds(NewCount);
  MoveStepTo(Count());
  if (NewCount < Count()) {
    FList.Delete(NewCount, Count() - NewCount);
  } else {
    while (Count() < NewCount)
      FList.Insert(Count(), 0);
  }
  FStepIndex = Count();
  FStepDelta = 0;
}

// Makes the stored values of entries between the old and the new step position exact,
// so that the pending delta applies from Index on.
void TIntegerList::MoveStepTo(int Index) {
  if (FStepDelta == 0) {
    FStepIndex = Index;
    return;
  }
  for (int I = FStepIndex; I < Index; ++I)
    FList.SetAt(I, FList.At(I) + FStepDelta);
  for (int I = Index; I < FStepIndex; ++I)
    FList.SetAt(I, FList.At(I) - FStepDelta);
  FStepIndex = Index;
  if (FStepIndex >= Count()) FStepDelta = 0;
}

void TIntegerList::AddFrom(int Index, int Delta) {
  if (Index < 0) Index = 0;
  if (Index >= Count() || Delta == 0) return;
  MoveStepTo(Index);
  FStepDelta += Delta;
}

// Lookups cluster around the last edit, where the step stands: the search gallops out from
// there and bisects what it brackets, costing the log of the distance, not of the count.
int TIntegerList::FindLastAtMost(int Value) const {
  const int N = Count();
  if (N == 0) return -1;
  // Found is an index whose entry is at most Value (or -1); every entry after High is above.
  int Found = -1;
  int High = N - 1;
  const int Hint = std::min(FStepIndex, N - 1);
  if (Items(Hint) <= Value) {
    Found = Hint;
    for (int Step = 1; Found + Step < N; Step *= 2) {
      if (Items(Found + Step) > Value) {
        High = Found + Step - 1;
        break;
      }
      Found += Step;
    }
  } else {
    High = Hint - 1;
    for (int Step = 1; High + 1 - Step >= 0; Step *= 2) {
      const int Probe = High + 1 - Step;
      if (Items(Probe) <= Value) {
        Found = Probe;
        break;
      }
      High = Probe - 1;
    }
  }
  for (int Low = Found + 1; Low <= High;) {
    const int Middle = Low + (High - Low) / 2;
    if (Items(Middle) <= Value) {
      Found = Middle;
      Low = Middle + 1;
    } else {
      High = Middle - 1;
    }
  }
  return Found;
}
