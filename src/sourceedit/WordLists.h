/** @file WordLists.h
 ** Word lists of a colouring definition: the words of one kind, and how they are drawn. **/
#pragma once

#include <QSet>
#include <memory>

#include "platform/core/Collection.h"
#include "platform/core/Graphics.h"
#include "platform/core/StringList.h"

class TSyntaxColoring;

class TWordList : public TCollectionItem {
 public:
  explicit TWordList(TCollection* Collection);
  ~TWordList() override;
  QString ClassName() const override { return QStringLiteral("TWordList"); }
  void Assign(const TPersistent* Source) override;
  QString GetDisplayName() const override;
  void SetDisplayName(const QString& Value) override;
  /** Tells the owning definition that this list changed. */
  virtual void NotifyColoring();
  /** Whether S is one of the words; without case, only ASCII letters are folded. */
  bool WordInList(const QString& S) const;

  QString Caption() const { return FDisplayName; }
  void SetCaption(const QString& Value) { SetDisplayName(Value); }
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool CustomStyle() const { return FCustomStyle; }
  void SetCustomStyle(bool Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  TStringList* Words() const { return FWords.get(); }
  void SetWords(const TStrings* Value);
  /** Derived from the editor's font by the definition. */
  TFont* Font() const { return FFont.get(); }

 private:
  friend class TWordLists;  // folds a word once for all its lists

  void WordsChange(TObject* Sender);
  void ForgetLookup() { FLookupValid = false; }
  /** Whether the word, folded to upper case when the list ignores case, is in the list. */
  bool HasKey(const QString& Key) const;

  bool FCustomStyle = false;
  bool FCustomColor = true;
  TColor FColor = clBlue;
  TFontStyles FStyle;
  std::unique_ptr<TStringList> FWords;
  QString FDisplayName;
  bool FCaseSensitive = true;
  std::unique_ptr<TFont> FFont;
  // The words keyed as WordInList compares them, so that a scan does not walk every list.
  mutable QSet<QString> FLookup;
  mutable bool FLookupValid = false;
};

class TWordLists : public TCollection {
 public:
  explicit TWordLists(TSyntaxColoring* AColoring);
  QString ClassName() const override { return QStringLiteral("TWordLists"); }
  TWordList* Add() { return static_cast<TWordList*>(TCollection::Add()); }
  TWordList* Items(int Index) const { return static_cast<TWordList*>(TCollection::Items(Index)); }
  /** The first list in index order that holds S, or nullptr. */
  TWordList* FindList(const QString& S) const;
  TSyntaxColoring* Coloring() const { return FColoring; }
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;

 private:
  TSyntaxColoring* FColoring;
};
