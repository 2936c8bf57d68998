/** @file MemoMouse.cpp
 ** The mouse, the drag timer that scrolls while the pointer is beyond the window, the
 ** clipboard messages, block indentation and the window's styles. **/
#include "editor/EditGroup.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/ScopeExit.h"

namespace {
constexpr int DragTimerId = 1;
constexpr int DragTimerInterval = 20;
}  // namespace

int TMemoComponent::CharPosAt(int X, int Y) const {
  TTextCell Cell = ScrPointToScrCell(TPoint{X, Y});
  Cell.Row += FVisibleRange->FTopRow - 1;
  Cell.Col += FVisibleRange->FLeftCol - 1;
  CellFromScrCol(Cell);
  return std::min(std::max(CellToCharIdx(Cell), 1), TextLength() + 1);
}

void TMemoComponent::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::HandleMouseDown(Button, Shift, X, Y);
  if (HandleAllocated()) {
    try {
      Host()->SetFocus();
    } catch (const std::exception&) {
      // A control that cannot take the focus still places the caret.
    }
  }
  if (Button != TMouseButton::mbLeft) return;
  FSelection->NoSelAtPos(CharPosAt(X, Y));
  FSelecting = true;
  if (HandleAllocated()) {
    Host()->SetCapture();
    Host()->SetTimer(DragTimerId, DragTimerInterval);
  }
}

void TMemoComponent::HandleMouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::HandleMouseMove(Shift, X, Y);
  if (!FSelecting || X < 0 || X >= ClientWidth() || Y < 0 || Y >= ClientHeight()) return;
  FSelection->SetCursorPos(CharPosAt(X, Y));
}

void TMemoComponent::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The drag ends, its capture and timer with it, even when the handler throws.
  const TScopeExit EndDrag([&] {
    if (Button == TMouseButton::mbMiddle || !FSelecting) return;
    if (HandleAllocated()) {
      Host()->KillTimer(DragTimerId);
      Host()->ReleaseCapture();
    }
    FSelecting = false;
  });
  TCustomControl::HandleMouseUp(Button, Shift, X, Y);
}

void TMemoComponent::HandleDragTimer() {
  const TPoint Pointer = Host()->CursorClientPos();
  FSelection->SetCursorPos(CharPosAt(Pointer.X, Pointer.Y));
  FSelection->ScrollInView(0);
}

void TMemoComponent::CutToClipboard() {
  Perform(WM_CUT);
}
void TMemoComponent::CopyToClipboard() {
  Perform(WM_COPY);
}
void TMemoComponent::PasteFromClipboard() {
  Perform(WM_PASTE);
}
void TMemoComponent::ClearSelection() {
  Perform(WM_CLEAR);
}

void TMemoComponent::HandleClipboardMessage(unsigned Msg) {
  TSelectionRange& Sel = *FSelection;
  switch (Msg) {
    case WM_COPY:
      if (Sel.RLength() > 0 && HandleAllocated()) Host()->SetClipboardText(Sel.Text());
      break;
    case WM_CUT:
      if (Sel.RLength() > 0 && HandleAllocated()) {
        Host()->SetClipboardText(Sel.Text());
        Sel.Clear();
      }
      break;
    case WM_PASTE:
      Sel.SetText(HandleAllocated() ? Host()->ClipboardText() : QString());
      break;
    case WM_CLEAR:
      Sel.Clear();
      break;
  }
}

void TMemoComponent::ChangeIndent(int Change) {
  if (Change == 0) return;
  const THeldHandlerErrors Held(*this);
  TSelectionRange& Sel = *FSelection;
  {
    const TEditGroup Group(*this);
    PushUndo(NewGroupMarker());
    // Ended by an error too, the undo group closes, and the view draws and notifies again.
    const TScopeExit EndGroup([&] { PushUndo(NewGroupMarker()); });
    const int FirstRow = Sel.StartRowCol().Row;
    const int LastRow = std::max(Sel.EndRowCol().Row, FirstRow);
    for (int Row = FirstRow; Row <= LastRow; ++Row) {
      const int RowStart = CellToCharIdx(TextCell(Row, 1));
      int I = RowStart;
      // Tabs and the control character 21 count as indentation; spaces do not.
      while (I <= TextLength() && (CharAt(I) == u'\t' || CharAt(I).unicode() == 21))
        ++I;
      TMCRange At;
      At.SetEditor(this);
      if (Change > 0) {
        At.SetRStart(I);
        At.SetRLength(0);
        At.SetText(QString(Change, u'\t'));
        if (Sel.RLength() > 0 && Sel.RStart() == I + Change) Sel.SetRStart(I);
      } else {
        const int Remove = std::min(I - RowStart, -Change);
        At.SetRStart(I - Remove);
        At.SetRLength(Remove);
        At.Clear();
      }
    }
  }
  NotifyChange();
  NotifySelectionChange();
}

void TMemoComponent::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TMemoComponent::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TMemoComponent::PrepareWindowStyles(TWindowStyles& Styles) {
  TCustomControl::PrepareWindowStyles(Styles);
  Styles.ScrollBars = FScrollBars;
  // The sunken client edge stands in for the plain border; without the 3-D look, none.
  Styles.Border = false;
  Styles.SunkenEdge = Ctl3D() && FBorderStyle == TBorderStyle::bsSingle;
}

void TMemoComponent::WindowCreated() {
  TCustomControl::WindowCreated();
  UpdateFontMetrics();
  Host()->SetIBeamCursor();
}
