/** @file SourceEdit.cpp
 ** Construction and destruction of the syntax-colouring editor, its reaction to a font
 ** change, the lookups that scan on as far as they read, drawing through the syntax ranges,
 ** and the timer that scans the rest of a big text in slices. **/
#include "sourceedit/SourceEdit.h"

#include "editor/SelectionRange.h"

#include <limits>

namespace {
// The timer that scans the rest of a big text in slices from the event loop.
constexpr int ScanTimerId = 2;
}  // namespace

TSourceEdit::TSourceEdit(TComponent* AOwner)
    : TMemoComponent(AOwner),
      FSyntaxColoring(std::make_unique<TSyntaxColoring>(this)),
      FSyntaxChain(std::make_unique<TSyntaxChain>(*this)) {}

TSourceEdit::~TSourceEdit() {
  // Nothing torn down from here on may start a rebuild or tell anyone of it.
  FSyntaxColoring->FUpdateDebth = 100;
  OnScanProgress = nullptr;
  // The ranges unlink themselves through this editor, which is gone before the inherited
  // destruction frees the tracked ranges.
  FSyntaxChain->Clear();
  FSyntaxColoring.reset();
}

void TSourceEdit::ClearSyntaxRanges() {
  const bool Pending = FSyntaxChain->ScanPending();
  FSyntaxChain->Clear();
  if (Pending) ScanStateChanged();
}

bool TSourceEdit::RemoveOverlappedRanges(TSyntaxRange* NewRange, TSyntaxRange*& Cursor) {
  return FSyntaxChain->RemoveOverlapped(NewRange, Cursor);
}

void TSourceEdit::MoveRangesByEditor(TCustomRange& Replaced, int A, int B, int Delta) {
  TMemoComponent::MoveRangesByEditor(Replaced, A, B, Delta);
  FSyntaxChain->FollowReplacement(Replaced, A, B, Delta);
}

void TSourceEdit::FinishSyntaxScan() const {
  FSyntaxChain->ScanTo(std::numeric_limits<int>::max());
}

TSyntaxRange* TSourceEdit::LastSyntaxRange() const {
  FinishSyntaxScan();
  return FSyntaxChain->Last();
}

TSyntaxRange* TSourceEdit::SyntaxRangeAtPos(int RangePos) const {
  FSyntaxChain->ScanTo(RangePos);
  return FSyntaxChain->RangeAtPos(RangePos, nullptr);
}

TSyntaxRange* TSourceEdit::SyntaxRangeAtPosWithTip(int RangePos, TSyntaxRange* Tip) const {
  FSyntaxChain->ScanTo(RangePos);
  return FSyntaxChain->RangeAtPos(RangePos, Tip);
}

TSyntaxRange* TSourceEdit::FirstBrokenSyntaxRange() const {
  FinishSyntaxScan();
  return FSyntaxChain->FirstBroken();
}

TSyntaxRange* TSourceEdit::FirstOverlappingSyntaxRange() const {
  FinishSyntaxScan();
  return FSyntaxChain->FirstOverlapping();
}

int TSourceEdit::ScannedLength() const {
  const TSyntaxRange* Last = FSyntaxChain->Last();
  return Last ? Last->REnd() : 0;
}

void TSourceEdit::GetDebuggableRanges(TDebuggableRanges& Ranges) const {
  for (TSyntaxRange* Range = FirstSyntaxRange(); Range; Range = Range->NextRange())
    Ranges.push_back({Range->RStart(), Range->REnd(), Range->Text(), Range->ClassName()});
}

void TSourceEdit::HandleFontChanged() {
  TMemoComponent::HandleFontChanged();
  if (FSyntaxColoring) FSyntaxColoring->ColoringChange();
}

void TSourceEdit::GetFormattedRanges(TCustomRange* Range, TFormattedRangeArray& Items) {
  if (!FSyntaxColoring->Enabled()) {
    TMemoComponent::GetFormattedRanges(Range, Items);
    return;
  }
  auto NewPiece = [&](int A, int B, const TFont* Font, TColor Color) {
    auto* Piece = new TFormattedRange;
    Piece->SetEditor(this);
    Piece->FreeWhenDone = true;
    Piece->SetRStart(A);
    Piece->SetREnd(B);
    Piece->SetFont(Font);
    Piece->SetColor(Color);
    Items.push_back(Piece);
    return Piece;
  };
  // A whole range goes to the painter as it is; a cut one as a copy of the part.
  auto AppendPart = [&](TSyntaxRange* S, int A, int B) {
    if (A == S->RStart() && B == S->REnd())
      Items.push_back(S);
    else
      NewPiece(A, B, S->Font(), Color());
  };
  const TSelectionRange& Sel = *Selection();
  const bool Selected = !Sel.Hidden() && Sel.RLength() > 0;
  // Painting shows what is scanned so far; the rest is drawn plain until its slice comes.
  SyntaxStartRange = FSyntaxChain->RangeAtPos(Range->RStart(), SyntaxStartRange);
  int Last = Range->RStart() - 1;
  while (SyntaxStartRange && SyntaxStartRange->RStart() <= Range->REnd()) {
    TSyntaxRange* S = SyntaxStartRange;
    int A = std::max(S->RStart(), Last + 1);
    if (Selected) {
      const int BeforeSel = std::min({Sel.RStart() - 1, Range->REnd(), S->REnd()});
      if (A <= BeforeSel) AppendPart(S, A, BeforeSel);
      const int A2 = std::max({Sel.RStart(), Range->RStart(), S->RStart()});
      const int B2 = std::min({Sel.REnd(), Range->REnd(), S->REnd()});
      if (A2 <= B2) NewPiece(A2, B2, S->Font(), clHighlight)->Font()->SetColor(clHighlightText);
      A = std::max({Sel.REnd() + 1, Range->RStart(), S->RStart()});
    }
    const int B = std::min(S->REnd(), Range->REnd());
    if (A <= B) AppendPart(S, A, B);
    Last = B;
    SyntaxStartRange = S->ScannedNext();
  }
  if (FSyntaxChain->ScanPending() && Last < Range->REnd()) {
    TMCRange Unscanned;
    Unscanned.SetEditor(this);
    Unscanned.SetRStart(std::max(Last + 1, ScannedLength() + 1));
    Unscanned.SetREnd(Range->REnd());
    TMemoComponent::GetFormattedRanges(&Unscanned, Items);
  }
}

void TSourceEdit::UpdateScanPending() {
  const bool Was = FSyntaxChain->ScanPending();
  FSyntaxChain->SetScanPending(FSyntaxChain->Last() && ScannedLength() < TextLength());
  if (Was || FSyntaxChain->ScanPending()) ScanStateChanged();
}

void TSourceEdit::ScanStateChanged() {
  ScheduleScan();
  if (OnScanProgress) OnScanProgress(this);
}

void TSourceEdit::ScheduleScan() {
  if (!HandleAllocated()) return;
  if (FSyntaxChain->ScanPending())
    Host()->SetTimer(ScanTimerId, 0);
  else
    Host()->KillTimer(ScanTimerId);
}

void TSourceEdit::WindowCreated() {
  TMemoComponent::WindowCreated();
  ScheduleScan();
}

void TSourceEdit::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER && Message.WParam == ScanTimerId) {
    // While the colouring's update holds every scan, the timer waits for the rebuild at
    // its end instead of turning over and over.
    if (!ContinueSyntaxScan() && HandleAllocated()) Host()->KillTimer(ScanTimerId);
    return;
  }
  TMemoComponent::WndProc(Message);
}
