/** @file SyntaxColoring.cpp
 ** The definition's settings, its nested updates and the fonts it derives. **/
#include "sourceedit/SyntaxColoring.h"

#include "sourceedit/SourceEdit.h"

TSyntaxColoring::TSyntaxColoring(TPersistent* AOwner)
    : TOwnedPersistent(AOwner),
      FCustomStyles(std::make_unique<TCustomStyles>(this)),
      FWordLists(std::make_unique<TWordLists>(this)),
      FParenthesisColors(std::make_unique<TStringList>()),
      FSymbolFont(std::make_unique<TFont>()),
      FNumberFont(std::make_unique<TFont>()),
      FParenthesisFont(std::make_unique<TFont>()) {
  // Hooked after the first line, so that line notifies nobody.
  FParenthesisColors->Add(QStringLiteral("$000000"));
  FParenthesisColors->SetOnChange([this](TObject*) { ColoringChange(); });
}

TSyntaxColoring::~TSyntaxColoring() {
  FParenthesisColors.reset();
  FCustomStyles.reset();
  FWordLists.reset();
  FNumberFont.reset();
  FSymbolFont.reset();
  FParenthesisFont.reset();
}

TSourceEdit* TSyntaxColoring::Editor() const {
  return dynamic_cast<TSourceEdit*>(Owner());
}

void TSyntaxColoring::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TSyntaxColoring*>(Source);
  if (!Other) {
    TOwnedPersistent::Assign(Source);
    return;
  }
  WithinUpdate(*this, [&] {
    FEnabled = Other->FEnabled;
    FSymbolColor = Other->FSymbolColor;
    FSymbolStyle = Other->FSymbolStyle;
    FSymbolCustomStyle = Other->FSymbolCustomStyle;
    FNumberColor = Other->FNumberColor;
    FNumberStyle = Other->FNumberStyle;
    FNumberCustomStyle = Other->FNumberCustomStyle;
    FWordLists->Assign(Other->FWordLists.get());
    FCustomStyles->Assign(Other->FCustomStyles.get());
    FParenthesisColors->Assign(Other->FParenthesisColors.get());
    FParenthesisStyle = Other->FParenthesisStyle;
    FParenthesisCustomStyle = Other->FParenthesisCustomStyle;
  });
}

void TSyntaxColoring::EndUpdate() {
  if (--FUpdateDebth == 0) ColoringChange();
}

void TSyntaxColoring::ColoringChange() {
  if (FUpdateDebth != 0) return;
  TSourceEdit* E = Editor();
  if (!E) return;
  const TFont& Base = *E->Font();
  TColoringItem::DeriveFont(*FSymbolFont, Base, true, FSymbolColor, FSymbolCustomStyle,
                            FSymbolStyle);
  TColoringItem::DeriveFont(*FNumberFont, Base, true, FNumberColor, FNumberCustomStyle,
                            FNumberStyle);
  TColoringItem::DeriveFont(*FParenthesisFont, Base, true, GetParenthesisColor(0),
                            FParenthesisCustomStyle, FParenthesisStyle);
  for (int I = 0; I < FWordLists->Count(); ++I)
    FWordLists->Items(I)->DeriveFont(Base);
  for (int I = 0; I < FCustomStyles->Count(); ++I)
    FCustomStyles->Items(I)->DeriveFont(Base);
  E->RebuildSyntaxRanges();
}

TColor TSyntaxColoring::GetParenthesisColor(int) const {
  return FSymbolColor;
}

void TSyntaxColoring::ItemDestroying() {
  // Inside an open update no rebuild follows at once, and a range must not name a freed item.
  if (TSourceEdit* E = Editor()) E->ClearSyntaxRanges();
}

template <class T>
void TSyntaxColoring::Change(T& Field, T Value) {
  if (Value == Field) return;
  Field = Value;
  ColoringChange();
}

void TSyntaxColoring::SetEnabled(bool Value) {
  Change(FEnabled, Value);
}
void TSyntaxColoring::SetSymbolColor(TColor Value) {
  Change(FSymbolColor, Value);
}
void TSyntaxColoring::SetSymbolStyle(TFontStyles Value) {
  Change(FSymbolStyle, Value);
}
void TSyntaxColoring::SetSymbolCustomStyle(bool Value) {
  Change(FSymbolCustomStyle, Value);
}
void TSyntaxColoring::SetNumberColor(TColor Value) {
  Change(FNumberColor, Value);
}
void TSyntaxColoring::SetNumberStyle(TFontStyles Value) {
  Change(FNumberStyle, Value);
}
void TSyntaxColoring::SetNumberCustomStyle(bool Value) {
  Change(FNumberCustomStyle, Value);
}
void TSyntaxColoring::SetParenthesisStyle(TFontStyles Value) {
  Change(FParenthesisStyle, Value);
}
void TSyntaxColoring::SetParenthesisCustomStyle(bool Value) {
  Change(FParenthesisCustomStyle, Value);
}

void TSyntaxColoring::SetWordLists(const TWordLists* Value) {
  FWordLists->Assign(Value);
  ColoringChange();
}

void TSyntaxColoring::SetCustomStyles(const TCustomStyles* Value) {
  FCustomStyles->Assign(Value);
  ColoringChange();
}
