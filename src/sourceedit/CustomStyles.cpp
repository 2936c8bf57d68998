/** @file CustomStyles.cpp
 ** Custom styles: their settings, references between siblings and the begin-text match. **/
#include "sourceedit/CustomStyles.h"

#include "sourceedit/SyntaxColoring.h"

namespace {
QString LineEndFromCode(const QString& Value) {
  return Value == QStringLiteral("#13") ? QStringLiteral("\r") : Value;
}
}  // namespace

TCustomStyle::TCustomStyle(TCollection* Collection)
    : TCollectionItem(nullptr), FFont(std::make_unique<TFont>()) {
  // Joining may run the definition's change at once, which reads this style's font.
  SetCollection(Collection);
}

TCustomStyle::~TCustomStyle() {
  if (TCollection* Styles = Collection()) {
    for (int I = 0; I < Styles->Count(); ++I)
      static_cast<TCustomStyle*>(Styles->Items(I))->ForgetReferencesTo(this);
  }
  FFont.reset();
  if (auto* Styles = dynamic_cast<TCustomStyles*>(Collection()); Styles && Styles->Coloring())
    Styles->Coloring()->ItemDestroying();
  SetCollection(nullptr);
}

void TCustomStyle::ForgetReferencesTo(const TCustomStyle* Style) {
  if (FDontSwitchTo1 == Style) FDontSwitchTo1 = nullptr;
  if (FDontSwitchTo2 == Style) FDontSwitchTo2 = nullptr;
}

void TCustomStyle::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TCustomStyle*>(Source);
  if (!Other) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetDisplayName(Other->FDisplayName);
  FCustomColor = Other->FCustomColor;
  FColor = Other->FColor;
  FCustomStyle = Other->FCustomStyle;
  FStyle = Other->FStyle;
  FBeginText = Other->FBeginText;
  FEndText = Other->FEndText;
  FIgnoreChar = Other->FIgnoreChar;
  FSwitchable = Other->FSwitchable;
  // By index, so the references land on this style's own siblings.
  SetDontSwitchToIndex1(Other->DontSwitchToIndex1());
  SetDontSwitchToIndex2(Other->DontSwitchToIndex2());
  NotifyColoring();
}

QString TCustomStyle::GetDisplayName() const {
  return FDisplayName.isEmpty() ? TCollectionItem::GetDisplayName() : FDisplayName;
}

void TCustomStyle::SetDisplayName(const QString& Value) {
  FDisplayName = Value;
}

void TCustomStyle::NotifyColoring() {
  if (auto* Styles = dynamic_cast<TCustomStyles*>(Collection()); Styles && Styles->Coloring())
    Styles->Coloring()->ColoringChange();
}

bool TCustomStyle::BeginsText(QStringView Text) const {
  // The first character rules out almost every style at almost every position.
  return !FBeginText.isEmpty() && !Text.isEmpty() && Text[0] == FBeginText[0] &&
         Text.startsWith(FBeginText);
}

void TCustomStyle::SetCustomColor(bool Value) {
  if (Value == FCustomColor) return;
  FCustomColor = Value;
  NotifyColoring();
}

void TCustomStyle::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  NotifyColoring();
}

void TCustomStyle::SetCustomStyle(bool Value) {
  if (Value == FCustomStyle) return;
  FCustomStyle = Value;
  NotifyColoring();
}

void TCustomStyle::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  NotifyColoring();
}

void TCustomStyle::SetBeginText(const QString& Value) {
  const QString Text = LineEndFromCode(Value);
  if (Text == FBeginText) return;
  FBeginText = Text;
  NotifyColoring();
}

void TCustomStyle::SetEndText(const QString& Value) {
  const QString Text = LineEndFromCode(Value);
  if (Text == FEndText) return;
  FEndText = Text;
  NotifyColoring();
}

void TCustomStyle::SetIgnoreChar(const QString& Value) {
  const QString Char = Value.left(1);
  if (Char == FIgnoreChar) return;
  FIgnoreChar = Char;
  NotifyColoring();
}

void TCustomStyle::SetSwitchable(bool Value) {
  if (Value == FSwitchable) return;
  FSwitchable = Value;
  NotifyColoring();
}

void TCustomStyle::SetDontSwitchTo1(TCustomStyle* Value) {
  if (Value == FDontSwitchTo1) return;
  FDontSwitchTo1 = Value;
  NotifyColoring();
}

void TCustomStyle::SetDontSwitchTo2(TCustomStyle* Value) {
  if (Value == FDontSwitchTo2) return;
  FDontSwitchTo2 = Value;
  NotifyColoring();
}

TCustomStyle* TCustomStyle::SiblingAt(int Index) const {
  TCollection* Styles = Collection();
  if (!Styles || Index < 0 || Index >= Styles->Count()) return nullptr;
  return static_cast<TCustomStyle*>(Styles->Items(Index));
}

TCustomStyles::TCustomStyles(TSyntaxColoring* AColoring)
    : TCollection([](TCollection* C) { return new TCustomStyle(C); }), FColoring(AColoring) {}

TCustomStyle* TCustomStyles::FindStyle(QStringView S) const {
  if (S.isEmpty()) return nullptr;
  for (int I = 0; I < Count(); ++I)
    if (Items(I)->BeginsText(S)) return Items(I);
  return nullptr;
}

TPersistent* TCustomStyles::GetOwner() const {
  return FColoring;
}

void TCustomStyles::Update(TCollectionItem*) {
  if (FColoring) FColoring->ColoringChange();
}
