/** @file StringList.h
 ** A string list that keeps its own lines, optionally sorted, and tells every change. **/
#pragma once

#include <vector>

#include "platform/core/Strings.h"

class TStringList : public TStrings {
 public:
  enum TDuplicates { dupIgnore, dupAccept, dupError };

  QString ClassName() const override { return QStringLiteral("TStringList"); }

  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const QString& S) override;
  int Add(const QString& S) override;
  int IndexOf(const QString& S) const override;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  /** Binary search of a sorted list: true when found; Index is where S is or would go. */
  bool Find(const QString& S, int& Index) const;

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TNotifyEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent Value) { FOnChanging = std::move(Value); }

 protected:
  QString Get(int Index) const override;
  int GetCount() const override { return static_cast<int>(FList.size()); }
  void Put(int Index, const QString& S) override;
  void SetUpdateState(bool Updating) override;
  virtual void Changed();
  virtual void Changing();

 private:
  int Compare(const QString& A, const QString& B) const;
  void CheckIndex(int Index) const;
  void InsertItem(int Index, const QString& S);
  void Sort();

  std::vector<QString> FList;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};
