/** @file RowWidths.h
 ** How many rows have each screen width, so that the widest row is known after an edit
 ** from the rows it touched alone, without measuring every row again. **/
#pragma once

#include <map>

class TRowWidths {
 public:
  void Add(int Width) { ++FCounts[Width]; }
  void Remove(int Width) {
    auto It = FCounts.find(Width);
    if (It != FCounts.end() && --It->second == 0) FCounts.erase(It);
  }
  void Clear() { FCounts.clear(); }
  int Widest() const { return FCounts.empty() ? 0 : FCounts.rbegin()->first; }

 private:
  std::map<int, int> FCounts;  ///< width -> number of rows that wide
};
