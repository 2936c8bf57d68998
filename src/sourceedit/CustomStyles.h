/** @file CustomStyles.h
 ** Custom styles of a colouring definition: delimited spans such as comments, strings and
 ** directives, and how they are drawn. **/
#pragma once

#include <QStringView>
#include <memory>

#include "platform/core/Collection.h"
#include "platform/core/Graphics.h"

class TSyntaxColoring;

class TCustomStyle : public TCollectionItem {
 public:
  explicit TCustomStyle(TCollection* Collection);
  ~TCustomStyle() override;
  QString ClassName() const override { return QStringLiteral("TCustomStyle"); }
  void Assign(const TPersistent* Source) override;
  QString GetDisplayName() const override;
  void SetDisplayName(const QString& Value) override;
  /** Tells the owning definition that this style changed. */
  virtual void NotifyColoring();
  /** Whether Text starts with the begin text. An empty begin text never matches: a style
      that began everywhere would never let the scan move on. */
  bool BeginsText(QStringView Text) const;

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
  /** Derived from the editor's font by the definition. */
  TFont* Font() const { return FFont.get(); }

 private:
  TCustomStyle* SiblingAt(int Index) const;
  void ForgetReferencesTo(const TCustomStyle* Style);

  bool FCustomStyle = false;
  bool FCustomColor = true;
  QString FEndText;
  QString FBeginText;
  TColor FColor = clMaroon;
  TFontStyles FStyle;
  QString FIgnoreChar;
  QString FDisplayName;
  bool FSwitchable = false;
  TCustomStyle* FDontSwitchTo1 = nullptr;
  TCustomStyle* FDontSwitchTo2 = nullptr;
  std::unique_ptr<TFont> FFont;
};

class TCustomStyles : public TCollection {
 public:
  explicit TCustomStyles(TSyntaxColoring* AColoring);
  QString ClassName() const override { return QStringLiteral("TCustomStyles"); }
  TCustomStyle* Add() { return static_cast<TCustomStyle*>(TCollection::Add()); }
  TCustomStyle* Items(int Index) const {
    return static_cast<TCustomStyle*>(TCollection::Items(Index));
  }
  /** The first style in index order whose begin text starts S, or nullptr. */
  TCustomStyle* FindStyle(QStringView S) const;
  TSyntaxColoring* Coloring() const { return FColoring; }
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;

 private:
  TSyntaxColoring* FColoring;
};
