/** @file RowWidths.h
 ** The screen width of every row and where its tabs lie, and how many rows have each width, so that
 ** an edit changes only the rows it touched and the widest row is known without measuring
 ** every row again. **/
#pragma once

#include <algorithm>
#include <map>
#include <span>
#include <vector>

#include "editor/SplitVector.h"

/** A row's width and where its tabs lie: before its first tab and after its last, screen
    columns follow characters one to one. */
struct TRowShape {
  int Width = 0;      ///< screen columns, tabs expanded
  int FirstTab = -1;  ///< 0-based offset of the row's first tab; -1 without tabs
  int LastTab = -1;   ///< and of its last
};

/** Shapes made for a whole load: as many as a big text has rows. */
using TRowShapes = std::vector<TRowShape, TBigBufferAllocator<TRowShape>>;

class TRowWidths {
 public:
  int Count() const { return FRows.Length(); }
  /** The row at a 0-based Index. */
  TRowShape Row(int Index) const { return FRows.At(Index); }
  void Append(TRowShape Shape) {
    FRows.Insert(FRows.Length(), Shape);
    Note(Shape.Width);
  }
  /** Replaces OldCount rows from the 0-based First on by Shapes. */
  void Replace(int First, int OldCount, std::span<const TRowShape> Shapes) {
    // Most edits keep their rows: those are overwritten, and counted again only when their
    // width changed.
    const int NewCount = static_cast<int>(Shapes.size());
    const int Kept = std::min(OldCount, NewCount);
    for (int I = 0; I < Kept; ++I) {
      if (const int Old = FRows.At(First + I).Width; Old != Shapes[I].Width) {
        Forget(Old);
        Note(Shapes[I].Width);
      }
      FRows.SetAt(First + I, Shapes[I]);
    }
    for (int Index = First + Kept; Index < First + OldCount; ++Index)
      Forget(FRows.At(Index).Width);
    FRows.Delete(First + Kept, OldCount - Kept);
    FRows.Insert(First + Kept, Shapes.data() + Kept, NewCount - Kept);
    for (int I = Kept; I < NewCount; ++I)
      Note(Shapes[I].Width);
  }
  void Clear() {
    FRows.Clear();
    FNarrow.assign(NarrowWidths, 0);
    FWidestNarrow = 0;
    FWide.clear();
  }
  int Widest() const { return FWide.empty() ? FWidestNarrow : FWide.rbegin()->first; }

 private:
  // Nearly every row is narrower than this: their widths are counted in an array, which
  // an edit changing a row's width reaches without the tree's lookups.
  static constexpr int NarrowWidths = 1024;

  static bool IsNarrow(int Width) { return Width >= 0 && Width < NarrowWidths; }

  void Note(int Width) {
    if (!IsNarrow(Width)) {
      ++FWide[Width];
      return;
    }
    ++FNarrow[Width];
    FWidestNarrow = std::max(FWidestNarrow, Width);
  }

  void Forget(int Width) {
    if (!IsNarrow(Width)) {
      auto It = FWide.find(Width);
      if (It != FWide.end() && --It->second == 0) FWide.erase(It);
      return;
    }
    if (FNarrow[Width] == 0 || --FNarrow[Width] > 0) return;
    while (FWidestNarrow > 0 && FNarrow[FWidestNarrow] == 0)
      --FWidestNarrow;
  }

  TSplitVector<TRowShape> FRows;
  std::vector<int> FNarrow = std::vector<int>(NarrowWidths);  ///< width -> rows that wide
  int FWidestNarrow = 0;     ///< the widest of them, 0 when there are none
  std::map<int, int> FWide;  ///< the same for the wider rows
};
