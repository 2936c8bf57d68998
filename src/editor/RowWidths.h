/** @file RowWidths.h
 ** The screen width of every row and where its tabs lie, and how many rows have each width, so that
 ** an edit changes only the rows it touched and the widest row is known without measuring
 ** every row again. **/
#pragma once

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
    ++FCounts[Shape.Width];
  }
  /** Replaces OldCount rows from the 0-based First on by Shapes. */
  void Replace(int First, int OldCount, std::span<const TRowShape> Shapes) {
    for (int Index = First; Index < First + OldCount; ++Index)
      Forget(FRows.At(Index).Width);
    FRows.Delete(First, OldCount);
    FRows.Insert(First, Shapes.data(), static_cast<int>(Shapes.size()));
    for (const TRowShape& Shape : Shapes)
      ++FCounts[Shape.Width];
  }
  void Clear() {
    FRows.Clear();
    FCounts.clear();
  }
  int Widest() const { return FCounts.empty() ? 0 : FCounts.rbegin()->first; }

 private:
  void Forget(int Width) {
    auto It = FCounts.find(Width);
    if (It != FCounts.end() && --It->second == 0) FCounts.erase(It);
  }

  TSplitVector<TRowShape> FRows;
  std::map<int, int> FCounts;  ///< width -> number of rows that wide
};
