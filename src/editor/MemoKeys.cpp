/** @file MemoKeys.cpp
 ** The keyboard: caret movement, selection, deletion, clipboard and undo keys, scrolling
 ** in read-only mode, and typed characters. **/
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/Keys.h"

namespace {
bool IsWordChar(QChar C) {
  const char16_t U = C.unicode();
  return (U >= u'0' && U <= u'9') || (U >= u'a' && U <= u'z') || (U >= u'A' && U <= u'Z') ||
         U == u'_';
}
bool IsLineBreak(QChar C) {
  return C == u'\r' || C == u'\n';
}
}  // namespace

bool TMemoComponent::IsClaimedKey(quint16 Key) {
  switch (Key) {
    case VK_TAB:
    case VK_CLEAR:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

void TMemoComponent::HandleKeyDown(quint16& Key, TShiftState Shift) {
  TCustomControl::HandleKeyDown(Key, Shift);
  if (Key == 0) return;
  if (FReadOnly)
    ReadOnlyKeyDown(Key, Shift);
  else
    EditingKeyDown(Key, Shift);
  LetterShortcut(Key, Shift);
}

void TMemoComponent::ReadOnlyKeyDown(quint16 Key, TShiftState Shift) {
  const bool Ctrl = Shift.Contains(TShiftState::ssCtrl);
  auto Vertical = [&](int Code) { Perform(WM_VSCROLL, MakeScrollWParam(Code, 0)); };
  auto Horizontal = [&](int Code) { Perform(WM_HSCROLL, MakeScrollWParam(Code, 0)); };
  switch (Key) {
    case VK_PRIOR:
      Vertical(SB_PAGEUP);
      break;
    case VK_NEXT:
      Vertical(SB_PAGEDOWN);
      break;
    case VK_END:
      Ctrl ? Vertical(SB_BOTTOM) : Horizontal(SB_BOTTOM);
      break;
    case VK_HOME:
      if (Ctrl) Vertical(SB_TOP);
      Horizontal(SB_TOP);
      break;
    case VK_LEFT:
      Horizontal(SB_LINEUP);
      break;
    case VK_UP:
      Vertical(SB_LINEUP);
      break;
    case VK_RIGHT:
      Horizontal(SB_LINEDOWN);
      break;
    case VK_DOWN:
      Vertical(SB_LINEDOWN);
      break;
    case VK_INSERT:
      if (Shift.ExactlyKeys(TShiftState::ssCtrl)) CopyToClipboard();
      break;
    default:
      break;
  }
}

void TMemoComponent::EditingKeyDown(quint16 Key, TShiftState Shift) {
  TSelectionRange& Sel = *FSelection;
  const int Pos = Sel.CursorPos();
  const bool ShiftHeld = Shift.Contains(TShiftState::ssShift);
  const bool Ctrl = Shift.Contains(TShiftState::ssCtrl);
  const bool None = Shift.ExactlyKeys(0);
  // Without Shift, an arrow first collapses a selection when the caret is hidden by it.
  const bool Collapse = !ShiftHeld && Sel.RLength() > 0 && !FAlwaysShowCaret;
  int Saved = -1;
  int P = 0;
  bool HasP = false;
  auto SetP = [&](int Value) { P = Value, HasP = true; };
  auto VerticalMove = [&](int Rows) {
    Saved = Sel.ScrCol();
    TTextCell Cell = CharIdxToCell(Pos);
    Cell.Row += Rows;
    Cell.Col = Sel.ScrColToCol(Cell.Row);
    SetP(CellToCharIdx(Cell));
  };
  switch (Key) {
    case VK_BACK:
      if (None) {
        DeleteBackward();
        Sel.ScrollInView(4);
      } else if (Shift.ExactlyKeys(TShiftState::ssAlt)) {
        Undo();
      } else if (Shift.ExactlyKeys(TShiftState::ssShift | TShiftState::ssAlt)) {
        Redo();
      }
      break;
    case VK_CLEAR:
      Sel.Clear();
      Sel.ScrollInView(4);
      break;
    case VK_PRIOR:
      VerticalMove(-(PageHeight - 1));
      break;
    case VK_NEXT:
      VerticalMove(PageHeight - 1);
      break;
    case VK_END:
    case VK_HOME: {
      TTextCell Cell = CharIdxToCell(Pos);
      if (Ctrl) Cell.Row = Key == VK_END ? LineCount() : 1;
      Cell.Col = Key == VK_END ? LineLength(Cell.Row) + 1 : 1;
      SetP(CellToCharIdx(Cell));
      break;
    }
    case VK_LEFT:
      if (Collapse)
        Sel.SetREnd(Sel.RStart() - 1);
      else if (Ctrl)
        SetP(WordLeft(Pos));
      else
        SetP(Pos > 1 && IsLineBreak(CharAt(Pos - 1)) ? Pos - 2 : Pos - 1);
      break;
    case VK_UP:
      if (Collapse)
        Sel.SetREnd(Sel.RStart() - 1);
      else
        VerticalMove(-1);
      break;
    case VK_RIGHT:
      if (Collapse)
        Sel.SetRStart(Sel.REnd() + 1);
      else if (Ctrl)
        SetP(WordRight(Pos));
      else
        SetP(Pos <= TextLength() && IsLineBreak(CharAt(Pos)) ? Pos + 2 : Pos + 1);
      break;
    case VK_DOWN:
      if (Collapse)
        Sel.SetRStart(Sel.REnd() + 1);
      else
        VerticalMove(1);
      break;
    case VK_INSERT:
      if (Shift.ExactlyKeys(TShiftState::ssShift))
        PasteFromClipboard();
      else if (Shift.ExactlyKeys(TShiftState::ssCtrl))
        CopyToClipboard();
      break;
    case VK_DELETE:
      if (None) {
        DeleteForward();
        Sel.ScrollInView(4);
      } else if (Shift.ExactlyKeys(TShiftState::ssShift)) {
        CutToClipboard();
      }
      break;
    default:
      break;
  }
  if (HasP) {
    if (ShiftHeld)
      Sel.SetCursorPos(P);
    else
      Sel.NoSelAtPos(P);
    Sel.SetScrCol(Saved);
  }
  Sel.ScrollInView(0);
}

void TMemoComponent::LetterShortcut(quint16 Key, TShiftState Shift) {
  if (Key >= 'a' && Key <= 'z') Key = Key - 'a' + 'A';
  const bool ExactlyCtrl = Shift.ExactlyKeys(TShiftState::ssCtrl);
  const bool Ctrl = Shift.Contains(TShiftState::ssCtrl);
  switch (Key) {
    case 'C':
      if (ExactlyCtrl) CopyToClipboard();
      break;
    case 'V':
      if (ExactlyCtrl && !FReadOnly) PasteFromClipboard();
      break;
    case 'X':
      if (ExactlyCtrl && !FReadOnly) CutToClipboard();
      break;
    case 'Z':
      if (Ctrl && !FReadOnly) Shift.Contains(TShiftState::ssShift) ? Redo() : Undo();
      break;
    default:
      break;
  }
}

int TMemoComponent::WordLeft(int Pos) const {
  int P = Pos;
  const bool Word = P > 1 && P <= TextLength() + 1 && IsWordChar(CharAt(P - 1));
  while (P > 1 && IsWordChar(CharAt(P - 1)) == Word)
    P -= IsLineBreak(CharAt(P - 1)) ? 2 : 1;
  return P;
}

int TMemoComponent::WordRight(int Pos) const {
  int P = Pos;
  const bool Word = P >= 1 && P <= TextLength() && IsWordChar(CharAt(P));
  while (P <= TextLength() && IsWordChar(CharAt(P)) == Word)
    P += IsLineBreak(CharAt(P)) ? 2 : 1;
  return P;
}

// An empty selection first takes the character before the caret, a CR LF pair as one,
// silently, so that only the deletion itself is drawn and reported.
void TMemoComponent::DeleteBackward() {
  TSelectionRange& Sel = *FSelection;
  if (Sel.RLength() <= 0) {
    Sel.DoChanging();
    Sel.SetRStart(Sel.RStart() - 1);
    if (Sel.RLength() == 1 && IsLineBreak(CharAt(Sel.RStart()))) Sel.SetRStart(Sel.RStart() - 1);
    Sel.DoDiscardChanges();
  }
  Sel.Clear();
}

void TMemoComponent::DeleteForward() {
  TSelectionRange& Sel = *FSelection;
  if (Sel.RLength() <= 0) {
    Sel.DoChanging();
    Sel.SetRLength(1);
    if (Sel.RLength() == 1 && IsLineBreak(CharAt(Sel.RStart()))) Sel.SetRLength(2);
    Sel.DoDiscardChanges();
  }
  Sel.Clear();
}

void TMemoComponent::HandleKeyPress(QChar& Key) {
  TCustomControl::HandleKeyPress(Key);
  const char16_t Code = Key.unicode();
  if (Key.isNull() || FReadOnly) return;
  if (Code < 32 && Code != u'\t' && Code != u'\r') return;
  FSelection->SetText(Code == u'\r' ? QStringLiteral("\r\n") : QString(Key));
  FSelection->ScrollInView(4);
}
