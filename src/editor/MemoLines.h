/** @file MemoLines.h
 ** The editor's rows as a string list that keeps no rows of its own: every change is one
 ** replacement of the editor's text. **/
#pragma once

#include "platform/core/Strings.h"

class TMemoComponent;

class TMemoComponentStrings : public TStrings {
 public:
  explicit TMemoComponentStrings(TMemoComponent* AMemo) : Memo(AMemo) {}
  QString ClassName() const override { return QStringLiteral("TMemoComponentStrings"); }

  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const QString& S) override;

  TMemoComponent* Memo;

 protected:
  QString Get(int Index) const override;
  int GetCount() const override;
  void Put(int Index, const QString& S) override;
  QString GetTextStr() const override;
  void SetTextStr(const QString& Value) override;
};
