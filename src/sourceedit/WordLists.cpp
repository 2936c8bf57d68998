/** @file WordLists.cpp
 ** Word lists: their settings, the change notifications and the word lookup. **/
#include "sourceedit/WordLists.h"

#include "sourceedit/SyntaxColoring.h"

TWordList::TWordList(TCollection* Collection)
    : TColoringItem(clBlue), FWords(std::make_unique<TStringList>()) {
  FWords->SetSorted(true);
  FWords->SetOnChanging([this](TObject*) { ForgetLookup(); });
  FWords->SetOnChange([this](TObject* Sender) { WordsChange(Sender); });
  SetCollection(Collection);
}

TWordList::~TWordList() {
  FWords.reset();
  LeaveColoring();
}

void TWordList::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TWordList*>(Source);
  if (!Other) {
    TColoringItem::Assign(Source);
    return;
  }
  AssignLook(*Other);
  FCaseSensitive = Other->FCaseSensitive;
  ForgetLookup();
  FWords->Assign(Other->FWords.get());
  NotifyColoring();
}

void TWordList::WordsChange(TObject*) {
  ForgetLookup();
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

const TWordSet& TWordList::Lookup() const {
  if (!FLookupValid) {
    FLookup.Clear(FCaseSensitive);
    for (int I = 0; I < FWords->Count(); ++I)
      FLookup.Add(FWords->Strings(I));
    FLookupValid = true;
  }
  return FLookup;
}

TWordLists::TWordLists(TSyntaxColoring* AColoring)
    : TColoringItems([](TCollection* C) { return new TWordList(C); }, AColoring) {}

TWordList* TWordLists::FindList(QStringView S) const {
  const std::uint32_t Hash = TWordSet::Hash(S);
  for (int I = 0; I < Count(); ++I) {
    TWordList* List = Items(I);
    if (List->Lookup().Contains(S, Hash)) return List;
  }
  return nullptr;
}
