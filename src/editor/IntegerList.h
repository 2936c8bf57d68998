/** @file IntegerList.h
 ** A list of integers that can add a constant to every entry after a point without
 ** touching them: the line index shifts all later row starts on every edit. **/
#pragma once

#include "editor/SplitVector.h"
#include "platform/core/Object.h"

class TIntegerList : public TObject {
 public:
  QString ClassName() const override { return QStringLiteral("TIntegerList"); }

  int Add(int Item);
  void Insert(int Index, int Item);
  void Delete(int Index);
  virtual void Clear();

  int Items(int Index) const;
  void SetItems(int Index, int Item);
  int Count() const { return FList.Length(); }
  void SetCount(int NewCount);

  /** Adds Delta to every entry from Index to the last; cost is the distance from the
      previous call's Index, not the number of entries. */
  void AddFrom(int Index, int Delta);

  /** The largest index whose entry is at most Value, or -1; the entries must rise. */
  int FindLastAtMost(int Value) const;

 private:
  void CheckIndex(int Index, int Limit) const;
  int Stored(int Index) const { return FList.At(Index); }
  void MoveStepTo(int Index);

  TSplitVector<int> FList;
  // Entries at or after FStepIndex are stored without FStepDelta, which reads add.
  int FStepIndex = 0;
  int FStepDelta = 0;
};
