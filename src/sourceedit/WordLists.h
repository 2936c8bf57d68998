/** @file WordLists.h
 ** Word lists of a colouring definition: the words of one kind, and how they are drawn. **/
#pragma once

#include <memory>

#include "platform/core/StringList.h"
#include "sourceedit/ColoringItem.h"
#include "sourceedit/WordSet.h"

class TWordList : public TColoringItem {
 public:
  explicit TWordList(TCollection* Collection);
  ~TWordList() override;
  QString ClassName() const override { return QStringLiteral("TWordList"); }
  void Assign(const TPersistent* Source) override;
  /** Whether S is one of the words; without case, only ASCII letters are folded. */
  bool WordInList(QStringView S) const { return Lookup().Contains(S); }
  bool WordInList(const QString& S) const { return WordInList(QStringView(S)); }

  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  TStringList* Words() const { return FWords.get(); }
  void SetWords(const TStrings* Value);

 private:
  friend class TWordLists;  // hashes a word once for all its lists

  void WordsChange(TObject* Sender);
  void ForgetLookup() { FLookupValid = false; }
  /** The words keyed as WordInList compares them, so that a scan does not walk the list. */
  const TWordSet& Lookup() const;

  std::unique_ptr<TStringList> FWords;
  bool FCaseSensitive = true;
  mutable TWordSet FLookup;
  mutable bool FLookupValid = false;
};

class TWordLists : public TColoringItems {
 public:
  explicit TWordLists(TSyntaxColoring* AColoring);
  QString ClassName() const override { return QStringLiteral("TWordLists"); }
  TWordList* Add() { return static_cast<TWordList*>(TCollection::Add()); }
  TWordList* Items(int Index) const { return static_cast<TWordList*>(TCollection::Items(Index)); }
  /** The first list in index order that holds S, or nullptr. */
  TWordList* FindList(QStringView S) const;
  TWordList* FindList(const QString& S) const { return FindList(QStringView(S)); }
};
