/** @file WordLists.cpp
 ** Word lists: their settings, the change notifications and the word lookup. **/
#include "sourceedit/WordLists.h"

#include "sourceedit/SyntaxColoring.h"

namespace {
// Only the 26 ASCII letters fold; every other character stays as it is.
QString AsciiUpper(const QString& S) {
  QString Result = S;
  for (QChar& C : Result)
    if (C >= u'a' && C <= u'z') C = QChar(C.unicode() - (u'a' - u'A'));
  return Result;
}
}  // namespace

TWordList::TWordList(TCollection* Collection)
    : TCollectionItem(nullptr),
      FWords(std::make_unique<TStringList>()),
      FFont(std::make_unique<TFont>()) {
  FWords->SetSorted(true);
  FWords->SetOnChanging([this](TObject*) { ForgetLookup(); });
  FWords->SetOnChange([this](TObject* Sender) { WordsChange(Sender); });
  // Joining may run the definition's change at once, which reads this list's font.
  SetCollection(Collection);
}

TWordList::~TWordList() {
  FWords.reset();
  FFont.reset();
  if (auto* Lists = dynamic_cast<TWordLists*>(Collection()); Lists && Lists->Coloring())
    Lists->Coloring()->ItemDestroying();
  SetCollection(nullptr);
}

void TWordList::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TWordList*>(Source);
  if (!Other) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetDisplayName(Other->FDisplayName);
  FCustomColor = Other->FCustomColor;
  FColor = Other->FColor;
  FCustomStyle = Other->FCustomStyle;
  FStyle = Other->FStyle;
  FCaseSensitive = Other->FCaseSensitive;
  ForgetLookup();
  FWords->Assign(Other->FWords.get());
  NotifyColoring();
}

QString TWordList::GetDisplayName() const {
  return FDisplayName.isEmpty() ? TCollectionItem::GetDisplayName() : FDisplayName;
}

void TWordList::SetDisplayName(const QString& Value) {
  FDisplayName = Value;
}

void TWordList::NotifyColoring() {
  if (auto* Lists = dynamic_cast<TWordLists*>(Collection()); Lists && Lists->Coloring())
    Lists->Coloring()->ColoringChange();
}

void TWordList::WordsChange(TObject*) {
  ForgetLookup();
  NotifyColoring();
}

void TWordList::SetCustomColor(bool Value) {
  if (Value == FCustomColor) return;
  FCustomColor = Value;
  NotifyColoring();
}

void TWordList::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  NotifyColoring();
}

void TWordList::SetCustomStyle(bool Value) {
  if (Value == FCustomStyle) return;
  FCustomStyle = Value;
  NotifyColoring();
}

void TWordList::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  NotifyColoring();
}

void TWordList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  ForgetLookup();
  NotifyColoring();
}

void TWordList::SetWords(const TStrings* Value) {
  FWords->Assign(Value);
  NotifyColoring();
}

bool TWordList::HasKey(const QString& Key) const {
  if (!FLookupValid) {
    FLookup.clear();
    for (int I = 0; I < FWords->Count(); ++I)
      FLookup.insert(FCaseSensitive ? FWords->Strings(I) : AsciiUpper(FWords->Strings(I)));
    FLookupValid = true;
  }
  return FLookup.contains(Key);
}

bool TWordList::WordInList(const QString& S) const {
  return HasKey(FCaseSensitive ? S : AsciiUpper(S));
}

TWordLists::TWordLists(TSyntaxColoring* AColoring)
    : TCollection([](TCollection* C) { return new TWordList(C); }), FColoring(AColoring) {}

TWordList* TWordLists::FindList(const QString& S) const {
  const QString Folded = AsciiUpper(S);
  for (int I = 0; I < Count(); ++I) {
    TWordList* List = Items(I);
    if (List->HasKey(List->CaseSensitive() ? S : Folded)) return List;
  }
  return nullptr;
}

TPersistent* TWordLists::GetOwner() const {
  return FColoring;
}

void TWordLists::Update(TCollectionItem* Item) {
  if (Item)
    static_cast<TWordList*>(Item)->NotifyColoring();
  else if (FColoring)
    FColoring->ColoringChange();
}
