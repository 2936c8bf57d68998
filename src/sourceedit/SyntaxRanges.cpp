/** @file SyntaxRanges.cpp
 ** Linking and unlinking syntax ranges, their fonts, their endings and their parenthesis
 ** levels. **/
#include "sourceedit/SyntaxRanges.h"

#include "sourceedit/RangeAllocator.h"
#include "sourceedit/SourceEdit.h"

static_assert(alignof(TSymbolRange) <= RangeAllocator::Alignment &&
              alignof(TNumberRange) <= RangeAllocator::Alignment);

void* TSyntaxRange::operator new(std::size_t Size) {
  return RangeAllocator::Allocate(Size);
}

void TSyntaxRange::operator delete(void* Block, std::size_t Size) {
  RangeAllocator::Free(Block, Size);
}

TSyntaxRange::TSyntaxRange(TCollection* Collection)
    : TCustomFormattedRange(Collection),
      FInSourceEdit(dynamic_cast<TSourceEdit*>(Editor()) != nullptr) {}

TSyntaxRange::~TSyntaxRange() {
  if (TSourceEdit* E = SourceEdit()) E->SyntaxChain()->Unlink(this);
}

TSourceEdit* TSyntaxRange::SourceEdit() const {
  return FInSourceEdit ? static_cast<TSourceEdit*>(Editor()) : nullptr;
}

TSyntaxRange* TSyntaxRange::NextAfterScanning() const {
  if (TSourceEdit* E = SourceEdit(); E && E->SyntaxChain()->Last() == this)
    E->SyntaxChain()->ScanTo(REnd() + 1);
  return FNextRange;
}

TColor TSyntaxRange::Color() const {
  return Editor() ? Editor()->Color() : clWindow;
}

void TSyntaxRange::CalcParenthesisLevel() {
  SetParenthesisLevel(LevelAfterPrevious());
}

bool TSyntaxRange::RemoveOverlapped(TSyntaxRange*& Cursor) {
  TSourceEdit* E = SourceEdit();
  return E ? E->RemoveOverlappedRanges(this, Cursor) : false;
}

bool TSyntaxRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  return REnd() == Range->REnd();
}

bool TSyntaxRange::EqualEndings(const TSyntaxRange* Range1, const TSyntaxRange* Range2) {
  return Range1 && Range2 && Range1->EqualEndingsWith(Range2);
}

TSyntaxRange* TSyntaxRange::InsertRangeBefore(TSyntaxRange* Range, TSyntaxRangeClass RangeClass,
                                              TSourceEdit* Editor) {
  return Editor ? Editor->SyntaxChain()->InsertBefore(Range, RangeClass) : nullptr;
}

TSyntaxRange* TSyntaxRange::InsertBefore(TSyntaxRangeClass RangeClass) {
  return InsertRangeBefore(this, RangeClass, SourceEdit());
}

TSyntaxRange* TSyntaxRange::InsertAfter(TSyntaxRangeClass RangeClass) {
  return InsertRangeBefore(FNextRange, RangeClass, SourceEdit());
}

TFont* TNormalTextRange::Font() const {
  return Editor() ? Editor()->Font() : nullptr;
}

bool TNormalTextRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  return dynamic_cast<const TNormalTextRange*>(Range) && TSyntaxRange::EqualEndingsWith(Range);
}

TFont* TCustomStyleRange::Font() const {
  return FStyle ? FStyle->Font() : nullptr;
}

bool TCustomStyleRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  auto* Other = dynamic_cast<const TCustomStyleRange*>(Range);
  return Other && TSyntaxRange::EqualEndingsWith(Range) && Other->FStyle == FStyle;
}

TFont* TWordListRange::Font() const {
  return FWordList ? FWordList->Font() : nullptr;
}

bool TWordListRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  auto* Other = dynamic_cast<const TWordListRange*>(Range);
  return Other && TSyntaxRange::EqualEndingsWith(Range) && Other->FWordList == FWordList;
}

namespace {
// Symbols, numbers and parentheses draw in the definition's font while colouring is on.
TFont* ColoringFont(const TSourceEdit* E, TFont* (TSyntaxColoring::*Derived)() const) {
  if (!E) return nullptr;
  const TSyntaxColoring& Coloring = *E->SyntaxColoring();
  return Coloring.Enabled() ? (Coloring.*Derived)() : E->Font();
}
}  // namespace

TFont* TSymbolRange::Font() const {
  return ColoringFont(SourceEdit(), &TSyntaxColoring::SymbolFont);
}

bool TSymbolRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  auto* Other = dynamic_cast<const TSymbolRange*>(Range);
  return Other && TSyntaxRange::EqualEndingsWith(Range) && Other->FSymbol == FSymbol;
}

TFont* TNumberRange::Font() const {
  return ColoringFont(SourceEdit(), &TSyntaxColoring::NumberFont);
}

bool TNumberRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  auto* Other = dynamic_cast<const TNumberRange*>(Range);
  return Other && TSyntaxRange::EqualEndingsWith(Range) && Other->FNumber == FNumber;
}

TFont* TParenthesisRange::Font() const {
  TFont* Result = ColoringFont(SourceEdit(), &TSyntaxColoring::ParenthesisFont);
  if (Result && SourceEdit()->SyntaxColoring()->Enabled())
    Result->SetColor(SourceEdit()->SyntaxColoring()->GetParenthesisColor(ParenthesisLevel() - 1));
  return Result;
}

bool TParenthesisRange::EqualEndingsWith(const TSyntaxRange* Range) const {
  auto* Other = dynamic_cast<const TParenthesisRange*>(Range);
  return Other && TSyntaxRange::EqualEndingsWith(Range) && Other->FStyle == FStyle;
}

void TParenthesisRange::CalcParenthesisLevel() {
  const int Level = LevelAfterPrevious();
  SetParenthesisLevel(FStyle == TParenthesisStyle::psOpening ? Level + 1 : Level);
}

int TParenthesisRange::NextParenthesisLevel() const {
  return FStyle == TParenthesisStyle::psClosing ? ParenthesisLevel() - 1 : ParenthesisLevel();
}

void TParenthesisRange::UpdateParenthesisLevel() {
  const int Old = ParenthesisLevel();
  CalcParenthesisLevel();
  if (ParenthesisLevel() != Old) DrawRange();
}
