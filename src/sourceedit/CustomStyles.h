/** @file CustomStyles.h
 ** Custom styles of a colouring definition: delimited spans such as comments, strings and
 ** directives, and how they are drawn. **/
#pragma once

#include <QStringView>
#include <bitset>

#include "sourceedit/ColoringItem.h"

class TCustomStyle : public TColoringItem {
 public:
  explicit TCustomStyle(TCollection* Collection);
  ~TCustomStyle() override;
  QString ClassName() const override { return QStringLiteral("TCustomStyle"); }
  void Assign(const TPersistent* Source) override;
  /** Whether Text starts with the begin text. An empty begin text never matches: a style
      that began everywhere would never let the scan move on. */
  bool BeginsText(QStringView Text) const;

  /** "#13" as a value stands for a single carriage return, so a style can end with its line. */
  QString BeginText() const { return FBeginText; }
  void SetBeginText(const QString& Value);
  QString EndText() const { return FEndText; }
  void SetEndText(const QString& Value);
  /** At most one character: an end text right after it does not end the style. */
  QString IgnoreChar() const { return FIgnoreChar; }
  void SetIgnoreChar(const QString& Value);
  bool Switchable() const { return FSwitchable; }
  void SetSwitchable(bool Value);
  /** Styles that may not begin inside this one; not owned. */
  TCustomStyle* DontSwitchTo1() const { return FDontSwitchTo1; }
  void SetDontSwitchTo1(TCustomStyle* Value);
  TCustomStyle* DontSwitchTo2() const { return FDontSwitchTo2; }
  void SetDontSwitchTo2(TCustomStyle* Value);
  /** The references as indexes in this style's collection, -1 for none. */
  int DontSwitchToIndex1() const { return FDontSwitchTo1 ? FDontSwitchTo1->Index() : -1; }
  void SetDontSwitchToIndex1(int Value) { SetDontSwitchTo1(SiblingAt(Value)); }
  int DontSwitchToIndex2() const { return FDontSwitchTo2 ? FDontSwitchTo2->Index() : -1; }
  void SetDontSwitchToIndex2(int Value) { SetDontSwitchTo2(SiblingAt(Value)); }

 private:
  TCustomStyle* SiblingAt(int Index) const;
  void ForgetReferencesTo(const TCustomStyle* Style);

  /** The styles' first characters changed. */
  void ForgetFirstChars() const;

  QString FEndText;
  QString FBeginText;
  QString FIgnoreChar;
  bool FSwitchable = false;
  TCustomStyle* FDontSwitchTo1 = nullptr;
  TCustomStyle* FDontSwitchTo2 = nullptr;
};

class TCustomStyles : public TColoringItems {
 public:
  explicit TCustomStyles(TSyntaxColoring* AColoring);
  QString ClassName() const override { return QStringLiteral("TCustomStyles"); }
  TCustomStyle* Add() { return static_cast<TCustomStyle*>(TCollection::Add()); }
  TCustomStyle* Items(int Index) const {
    return static_cast<TCustomStyle*>(TCollection::Items(Index));
  }
  /** The first style in index order whose begin text starts S, or nullptr. */
  TCustomStyle* FindStyle(QStringView S) const;

 protected:
  void ItemInserted(TCollectionItem*) override { ForgetFirstChars(); }
  void ItemRemoved(TCollectionItem*) override { ForgetFirstChars(); }
  void ItemsReordered() override { ForgetFirstChars(); }

 private:
  friend class TCustomStyle;  // its begin text changed
  void ForgetFirstChars() const { FFirstCharsValid = false; }

  // The characters some begin text starts with: the scanner asks at every position, and
  // almost every character rules every style out.
  mutable std::bitset<65536> FFirstChars;
  mutable bool FFirstCharsValid = false;
};
