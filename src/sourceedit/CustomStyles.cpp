/** @file CustomStyles.cpp
 ** Custom styles: their settings, references between siblings and the begin-text match. **/
#include "sourceedit/CustomStyles.h"

#include "sourceedit/SyntaxColoring.h"

namespace {
QString LineEndFromCode(const QString& Value) {
  return Value == QStringLiteral("#13") ? QStringLiteral("\r") : Value;
}
}  // namespace

TCustomStyle::TCustomStyle(TCollection* Collection) : TColoringItem(clMaroon) {
  SetCollection(Collection);
}

TCustomStyle::~TCustomStyle() {
  if (TCollection* Styles = Collection()) {
    for (int I = 0; I < Styles->Count(); ++I)
      static_cast<TCustomStyle*>(Styles->Items(I))->ForgetReferencesTo(this);
  }
  LeaveColoring();
}

void TCustomStyle::ForgetReferencesTo(const TCustomStyle* Style) {
  if (FDontSwitchTo1 == Style) FDontSwitchTo1 = nullptr;
  if (FDontSwitchTo2 == Style) FDontSwitchTo2 = nullptr;
}

void TCustomStyle::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TCustomStyle*>(Source);
  if (!Other) {
    TColoringItem::Assign(Source);
    return;
  }
  AssignLook(*Other);
  FBeginText = Other->FBeginText;
  ForgetFirstChars();
  FEndText = Other->FEndText;
  FIgnoreChar = Other->FIgnoreChar;
  FSwitchable = Other->FSwitchable;
  // By index, so the references land on this style's own siblings.
  SetDontSwitchToIndex1(Other->DontSwitchToIndex1());
  SetDontSwitchToIndex2(Other->DontSwitchToIndex2());
  NotifyColoring();
}

bool TCustomStyle::BeginsText(QStringView Text) const {
  // The first character rules out almost every style at almost every position.
  return !FBeginText.isEmpty() && !Text.isEmpty() && Text[0] == FBeginText[0] &&
         Text.startsWith(FBeginText);
}

void TCustomStyle::SetBeginText(const QString& Value) {
  const QString Text = LineEndFromCode(Value);
  if (Text == FBeginText) return;
  FBeginText = Text;
  ForgetFirstChars();
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

void TCustomStyle::ForgetFirstChars() const {
  if (auto* Styles = dynamic_cast<TCustomStyles*>(Collection())) Styles->ForgetFirstChars();
}

TCustomStyle* TCustomStyle::SiblingAt(int Index) const {
  TCollection* Styles = Collection();
  if (!Styles || Index < 0 || Index >= Styles->Count()) return nullptr;
  return static_cast<TCustomStyle*>(Styles->Items(Index));
}

TCustomStyles::TCustomStyles(TSyntaxColoring* AColoring)
    : TColoringItems([](TCollection* C) { return new TCustomStyle(C); }, AColoring) {}

TCustomStyle* TCustomStyles::FindStyle(QStringView S) const {
  if (S.isEmpty()) return nullptr;
  if (!FFirstCharsValid) {
    FFirstChars.reset();
    for (int I = 0; I < Count(); ++I)
      if (!Items(I)->BeginText().isEmpty()) FFirstChars.set(Items(I)->BeginText()[0].unicode());
    FFirstCharsValid = true;
  }
  if (!FFirstChars.test(S[0].unicode())) return nullptr;
  for (int I = 0; I < Count(); ++I)
    if (Items(I)->BeginsText(S)) return Items(I);
  return nullptr;
}
