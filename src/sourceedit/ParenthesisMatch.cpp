/** @file ParenthesisMatch.cpp
 ** Finding the partner: an opening parenthesis carries the depth inside it and its
 ** closing partner the same level, so the partner is the first parenthesis of the other
 ** kind, walking away from it, whose level is not above its own. **/
#include "sourceedit/ParenthesisMatch.h"

#include "editor/SelectionRange.h"
#include "sourceedit/SourceEdit.h"

namespace {
// About a frame's worth of walking along the chain.
constexpr int MaxSteps = 200000;

TParenthesisRange* ParenthesisAt(TSourceEdit& Editor, int Pos, bool ScanOn) {
  if (Pos < 1 || Pos > Editor.TextLength()) return nullptr;
  const QChar C = Editor.CharAt(Pos);
  if (C != u'(' && C != u')') return nullptr;
  if (!ScanOn && Pos > Editor.ScannedLength()) return nullptr;
  auto* Range = dynamic_cast<TParenthesisRange*>(
      Editor.SyntaxRangeAtPosWithTip(Pos, Editor.SyntaxStartRange));
  return Range && Range->RStart() == Pos ? Range : nullptr;
}
}  // namespace

TParenthesisPair FindParenthesisPair(TSourceEdit& Editor, int CaretPos, bool ScanOn) {
  TParenthesisRange* Paren = ParenthesisAt(Editor, CaretPos, ScanOn);
  if (!Paren) Paren = ParenthesisAt(Editor, CaretPos - 1, ScanOn);
  if (!Paren) return {};
  const auto Next = [ScanOn](const TSyntaxRange* R) {
    return ScanOn ? R->NextRange() : R->ScannedNext();
  };
  const bool Opening = Paren->Style() == TParenthesisStyle::psOpening;
  const TParenthesisStyle Wanted =
      Opening ? TParenthesisStyle::psClosing : TParenthesisStyle::psOpening;
  const int Level = Paren->ParenthesisLevel();
  // A closing parenthesis at level 0 or below closes nothing.
  if (!Opening && Level <= 0) return {Paren->RStart(), 0};
  TSyntaxRange* R = Opening ? Next(Paren) : Paren->PrevRange();
  for (int Steps = 0; R; ++Steps, R = Opening ? Next(R) : R->PrevRange()) {
    if (Steps == MaxSteps) return {};
    auto* Other = dynamic_cast<TParenthesisRange*>(R);
    if (Other && Other->Style() == Wanted && Other->ParenthesisLevel() <= Level)
      return {Paren->RStart(), Other->ParenthesisLevel() == Level ? Other->RStart() : 0};
  }
  // The partner may lie in text not scanned yet.
  if (Opening && Editor.SyntaxChain()->ScanPending()) return {};
  return {Paren->RStart(), 0};
}

TParenthesisHighlighter::TParenthesisHighlighter(TSourceEdit& Editor) : FEditor(Editor) {
  FEditor.AddBackgroundLayer(this);
}

TParenthesisHighlighter::~TParenthesisHighlighter() {
  FEditor.RemoveBackgroundLayer(this);
}

void TParenthesisHighlighter::Update() {
  const int Caret = FEditor.Selection()->CursorPos();
  // An edit tells both of its events: the chain is walked once for them.
  if (Caret == FCaret && FEditor.EditCount() == FEditCount) return;
  FCaret = Caret;
  FEditCount = FEditor.EditCount();
  const TParenthesisPair New = FindParenthesisPair(FEditor, Caret, false);
  if (New == FPair) return;
  const TParenthesisPair Old = FPair;
  FPair = New;
  Redraw(Old);
  Redraw(New);
}

void TParenthesisHighlighter::Redraw(const TParenthesisPair& Pair) {
  for (int Pos : {Pair.Position, Pair.Partner}) {
    if (Pos < 1 || Pos > FEditor.TextLength()) continue;
    TMCRange Char;
    Char.SetEditor(&FEditor);
    Char.SetRStart(Pos);
    Char.SetREnd(Pos);
    Char.DrawRange();
  }
}

bool TParenthesisHighlighter::JumpToPartner() {
  TSelectionRange& Sel = *FEditor.Selection();
  // A command may scan on to find the partner; the marks only show what is scanned.
  const TParenthesisPair Pair = FindParenthesisPair(FEditor, Sel.CursorPos(), true);
  if (Pair.Partner == 0) return false;
  const bool CaretBefore = Sel.CursorPos() == Pair.Position;
  Sel.NoSelAtPos(CaretBefore ? Pair.Partner : Pair.Partner + 1);
  FEditor.ScrollCaret();
  return true;
}

void TParenthesisHighlighter::CollectMarks(int From, int To, std::vector<TBackgroundMark>& Marks) {
  if (FPair.Position == 0) return;
  auto Add = [&](int Pos, TColor Color, TColor Text) {
    if (Pos >= From && Pos <= To) Marks.push_back({Pos, Pos, Color, Text});
  };
  if (FPair.Partner == 0) {
    Add(FPair.Position, ErrorColor, ErrorTextColor);
    return;
  }
  Add(std::min(FPair.Position, FPair.Partner), MatchColor, clNone);
  Add(std::max(FPair.Position, FPair.Partner), MatchColor, clNone);
}
