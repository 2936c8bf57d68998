/** @file ColoringItem.cpp
 ** The shared settings of word lists and custom styles, and their notifications. **/
#include "sourceedit/ColoringItem.h"

#include "sourceedit/SyntaxColoring.h"

TColoringItem::TColoringItem(TColor DefaultColor)
    : TCollectionItem(nullptr), FColor(DefaultColor), FFont(std::make_unique<TFont>()) {}

QString TColoringItem::GetDisplayName() const {
  return FDisplayName.isEmpty() ? TCollectionItem::GetDisplayName() : FDisplayName;
}

void TColoringItem::SetDisplayName(const QString& Value) {
  FDisplayName = Value;
}

void TColoringItem::NotifyColoring() {
  if (auto* Items = dynamic_cast<TColoringItems*>(Collection()); Items && Items->Coloring())
    Items->Coloring()->ColoringChange();
}

void TColoringItem::LeaveColoring() {
  if (auto* Items = dynamic_cast<TColoringItems*>(Collection()); Items && Items->Coloring())
    Items->Coloring()->ItemDestroying();
  SetCollection(nullptr);
}

void TColoringItem::AssignLook(const TColoringItem& Other) {
  SetDisplayName(Other.FDisplayName);
  FCustomColor = Other.FCustomColor;
  FColor = Other.FColor;
  FCustomStyle = Other.FCustomStyle;
  FStyle = Other.FStyle;
}

void TColoringItem::SetCustomColor(bool Value) {
  if (Value == FCustomColor) return;
  FCustomColor = Value;
  NotifyColoring();
}

void TColoringItem::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  NotifyColoring();
}

void TColoringItem::SetCustomStyle(bool Value) {
  if (Value == FCustomStyle) return;
  FCustomStyle = Value;
  NotifyColoring();
}

void TColoringItem::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  NotifyColoring();
}

void TColoringItem::DeriveFont(TFont& Font, const TFont& EditorFont, bool CustomColor, TColor Color,
                               bool CustomStyle, TFontStyles Style) {
  Font.Assign(&EditorFont);
  if (CustomColor) Font.SetColor(Color);
  if (CustomStyle) Font.SetStyle(Style);
}

void TColoringItem::DeriveFont(const TFont& EditorFont) {
  DeriveFont(*FFont, EditorFont, FCustomColor, FColor, FCustomStyle, FStyle);
}

TPersistent* TColoringItems::GetOwner() const {
  return FColoring;
}

void TColoringItems::Update(TCollectionItem*) {
  if (FColoring) FColoring->ColoringChange();
}
