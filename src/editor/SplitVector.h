/** @file SplitVector.h
 ** A gap buffer: an array with a movable hole, so that edits near the last edit cost
 ** the distance between them, not the length of the array. **/
#pragma once

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "editor/BigBufferAllocator.h"

template <class T>
class TSplitVector {
  static_assert(std::is_trivially_copyable_v<T>, "elements are moved with memmove");

 public:
  int Length() const { return FLength; }

  T At(int Index) const {
    assert(Index >= 0 && Index < FLength);
    return Index < FPart1Length ? FBody[Index] : FBody[Index + FGapLength];
  }

  void SetAt(int Index, T Value) {
    assert(Index >= 0 && Index < FLength);
    (Index < FPart1Length ? FBody[Index] : FBody[Index + FGapLength]) = Value;
  }

  void Insert(int Index, const T* Values, int Count) {
    assert(Index >= 0 && Index <= FLength && Count >= 0);
    if (Count == 0) return;
    Reserve(Count);
    GapTo(Index);
    std::memcpy(FBody.data() + FPart1Length, Values, sizeof(T) * Count);
    FPart1Length += Count;
    FGapLength -= Count;
    FLength += Count;
  }

  void Insert(int Index, T Value) { Insert(Index, &Value, 1); }

  void Delete(int Index, int Count) {
    assert(Index >= 0 && Count >= 0 && Index + Count <= FLength);
    if (Count == 0) return;
    if (Index == 0 && Count == FLength) {
      Clear();
      return;
    }
    GapTo(Index);
    FGapLength += Count;
    FLength -= Count;
  }

  void Clear() {
    FBody.clear();
    FBody.shrink_to_fit();
    FLength = FPart1Length = FGapLength = 0;
  }

  /** Copies Count elements from Index on into Dest. */
  void Copy(int Index, int Count, T* Dest) const {
    assert(Index >= 0 && Count >= 0 && Index + Count <= FLength);
    const int Part1 = std::clamp(FPart1Length - Index, 0, Count);
    if (Part1 > 0) std::memcpy(Dest, FBody.data() + Index, sizeof(T) * Part1);
    if (Count > Part1)
      std::memcpy(Dest + Part1, FBody.data() + Index + Part1 + FGapLength,
                  sizeof(T) * (Count - Part1));
  }

  /** A contiguous view of Count elements from Index on; moves the gap out of the way. */
  const T* RangePointer(int Index, int Count) {
    if (Index < FPart1Length && Index + Count > FPart1Length) GapTo(Index + Count);
    return Index < FPart1Length ? FBody.data() + Index : FBody.data() + Index + FGapLength;
  }

 private:
  void GapTo(int Position) {
    if (Position == FPart1Length) return;
    T* Data = FBody.data();
    if (Position < FPart1Length) {
      std::memmove(Data + Position + FGapLength, Data + Position,
                   sizeof(T) * (FPart1Length - Position));
    } else {
      std::memmove(Data + FPart1Length, Data + FPart1Length + FGapLength,
                   sizeof(T) * (Position - FPart1Length));
    }
    FPart1Length = Position;
  }

  // Grows by an eighth again, so a long run of insertions costs amortised constant time
  // each, and a text just loaded leaves room for typing without a copy of the whole.
  // The sizes are counted in 64 bits and capped where an int index ends.
  void Reserve(int Needed) {
    if (FGapLength >= Needed) return;
    constexpr size_t Largest = std::numeric_limits<int>::max();
    const size_t Length = static_cast<size_t>(FLength) + static_cast<size_t>(Needed);
    if (Length > Largest) throw std::length_error("TSplitVector: more than an int can index");
    GapTo(FLength);
    const size_t NewSize = std::min(std::max(Length + Length / 8 + 16, FBody.size()), Largest);
    FBody.resize(NewSize);
    FGapLength = static_cast<int>(NewSize) - FLength;
  }

  std::vector<T, TBigBufferAllocator<T>> FBody;
  int FLength = 0;       ///< invariant: FLength == FBody.size() - FGapLength
  int FPart1Length = 0;  ///< elements before the gap
  int FGapLength = 0;
};
