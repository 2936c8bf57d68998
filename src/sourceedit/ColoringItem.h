/** @file ColoringItem.h
 ** What a word list and a custom style share: a caption, the colour and style their text
 ** is drawn in, the font the definition derives from the editor's, and the collection that
 ** tells the definition about every change. **/
#pragma once

#include <memory>

#include "platform/core/Collection.h"
#include "platform/core/Graphics.h"

class TSyntaxColoring;

class TColoringItem : public TCollectionItem {
 public:
  QString GetDisplayName() const override;
  void SetDisplayName(const QString& Value) override;
  /** Tells the owning definition that this item changed. */
  virtual void NotifyColoring();

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
  /** Derived from the editor's font by the definition. */
  TFont* Font() const { return FFont.get(); }
  /** Font := EditorFont, with Color and Style where they are custom. */
  static void DeriveFont(TFont& Font, const TFont& EditorFont, bool CustomColor, TColor Color,
                         bool CustomStyle, TFontStyles Style);
  /** This item's font from the editor's. */
  void DeriveFont(const TFont& EditorFont);

 protected:
  /** Joins no collection: the descendant joins once its own members are ready, since
      joining may run the definition's change at once, which reads the item's font. */
  explicit TColoringItem(TColor DefaultColor);
  /** Copies the caption, colour and style, without notifying. */
  void AssignLook(const TColoringItem& Other);
  /** Tells the definition that the item goes, and leaves the collection. */
  void LeaveColoring();

 private:
  bool FCustomStyle = false;
  bool FCustomColor = true;
  TColor FColor;
  TFontStyles FStyle;
  QString FDisplayName;
  std::unique_ptr<TFont> FFont;
};

/** The word lists or the custom styles of one definition. */
class TColoringItems : public TCollection {
 public:
  TColoringItems(ItemFactory Factory, TSyntaxColoring* AColoring)
      : TCollection(std::move(Factory)), FColoring(AColoring) {}
  TSyntaxColoring* Coloring() const { return FColoring; }
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* Item) override;

 private:
  TSyntaxColoring* FColoring;
};
