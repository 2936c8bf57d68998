/** @file RowWidths.h
 ** The screen width of every row and where its tabs lie, and how many rows have each width, so that
 ** an edit changes only the rows it touched and the widest row is known without measuring
 ** every row again. **/
#pragma once

#include <algorithm>
#include <map>
#include <vector>

#include "editor/SplitVector.h"

/** A row's width and where its tabs lie: before its first tab and after its last, screen
    columns follow characters one to one. */
struct TRowShape {
  int Width = 0;      ///< screen columns, tabs expanded
  int FirstTab = -1;  ///< 0-based offset of the row's first tab; -1 without tabs
  int LastTab = -1;   ///< and of its last
};

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
  void Replace(int First, int OldCount, const std::vector<TRowShape>& Shapes) {
    // Most edits keep their rows: those are overwritten, and counted again only when their
    // width changed.
    const int NewCount = static_cast<int>(Shapes.size());
    const int Kept = std::min(OldCount, NewCount);
    for (int I = 0; I < Kept; ++I) {
      if (const int Old = FRows.At(First + I).Width; Old != Shapes[I].Width) {
        Forget(Old);
        ++FCounts[Shapes[I].Width];
      }
      FRows.SetAt(First + I, Shapes[I]);
    }
    for (int Index = First + Kept; Index < First + OldCount; ++Index)
      Forget(FRows.At(Index).Width);
    FRows.Delete(First + Kept, OldCount - Kept);
    FRows.Insert(First + Kept, Shapes.data() + Kept, NewCount - Kept);
    for (int I = Kept; I < NewCount; ++I)
      ++FCounts[Shapes[I].Width];
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
