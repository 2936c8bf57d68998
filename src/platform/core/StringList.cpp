/** @file StringList.cpp
 ** Lines kept in a vector; sorted mode with duplicates rules; change events. **/
#include "platform/core/StringList.h"

#include <algorithm>

int TStringList::Compare(const QString& A, const QString& B) const {
  return A.compare(B, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError::IndexOutOfBounds(Index);
}

QString TStringList::Get(int Index) const {
  CheckIndex(Index);
  return FList[Index];
}

void TStringList::Changed() {
  if (UpdateCount() == 0) RaiseEvent(FOnChange, this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0) RaiseEvent(FOnChanging, this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

bool TStringList::Find(const QString& S, int& Index) const {
  int Low = 0;
  int High = Count() - 1;
  bool Found = false;
  while (Low <= High) {
    const int Middle = (Low + High) / 2;
    const int C = Compare(FList[Middle], S);
    if (C < 0) {
      Low = Middle + 1;
    } else {
      High = Middle - 1;
      if (C == 0) {
        Found = true;
        if (FDuplicates != dupAccept) Low = Middle;
      }
    }
  }
  Index = Low;
  return Found;
}

int TStringList::Add(const QString& S) {
  if (!FSorted) {
    const int Index = Count();
    InsertItem(Index, S);
    return Index;
  }
  int Index = 0;
  if (Find(S, Index)) {
    if (FDuplicates == dupIgnore) return Index;
    if (FDuplicates == dupError)
      throw EListError(QStringLiteral("String list does not allow duplicates"));
  }
  InsertItem(Index, S);
  return Index;
}

void TStringList::Insert(int Index, const QString& S) {
  if (FSorted) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
  if (Index < 0 || Index > Count()) throw EListError::IndexOutOfBounds(Index);
  InsertItem(Index, S);
}

void TStringList::InsertItem(int Index, const QString& S) {
  Changing();
  FList.insert(FList.begin() + Index, S);
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  FList.erase(FList.begin() + Index);
  Changed();
}

void TStringList::Put(int Index, const QString& S) {
  if (FSorted) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
  CheckIndex(Index);
  Changing();
  FList[Index] = S;
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

int TStringList::IndexOf(const QString& S) const {
  if (!FSorted) {
    for (int I = 0; I < Count(); ++I)
      if (Compare(FList[I], S) == 0) return I;
    return -1;
  }
  int Index = 0;
  return Find(S, Index) ? Index : -1;
}

void TStringList::Sort() {
  if (Count() <= 1) return;
  Changing();
  std::stable_sort(FList.begin(), FList.end(),
                   [this](const QString& A, const QString& B) { return Compare(A, B) < 0; });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}
