/** @file MemoViewport.cpp
 ** Font metrics, layout, the scroll bars and the conversions between pixels and cells. **/
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

void TMemoComponent::UpdateFontMetrics() {
  if (!HandleAllocated() || !HasParent()) return;
  TCanvas& Surface = Host()->Canvas();
  Surface.Font()->Assign(Font());
  FontHeight = Surface.TextHeight(QStringLiteral("Q"));
  FontWidth = Surface.TextWidth(QStringLiteral("M"));
  UpdateLayout();
}

void TMemoComponent::UpdateLayout() {
  if (!HandleAllocated() || !HasParent()) return;
  UpdateDrawBitmap();
  FontHeight = CellHeight();
  FontWidth = CellWidth();
  const TRect Client = ClientRect();
  PageHeight = std::max((Client.Height() - FTopMargin) / FontHeight, 1);
  PageWidth = std::max((Client.Width() - FLeftMargin) / FontWidth, 1);
  FVisibleRange->AdjustPosition();
  FSelection->HideCaret();
  FVisibleRange->DrawRange();
  FSelection->UpdateCaretPos();
  FSelection->ShowCaret();
  Host()->SetScrollInfo(TScrollBarKind::sbVertical, 1, LineCount(), PageHeight,
                        FVisibleRange->FTopRow, true);
  Host()->SetScrollInfo(TScrollBarKind::sbHorizontal, 1, FLongestLineLength, PageWidth,
                        FVisibleRange->FLeftCol, true);
}

void TMemoComponent::HandleFontChanged() {
  UpdateFontMetrics();
}

TTextCell TMemoComponent::ScrPointToScrCell(TPoint P) const {
  return TextCell((P.Y - FTopMargin) / CellHeight() + 1,
                  (P.X - FLeftMargin + CellWidth() / 2) / CellWidth() + 1);
}

TPoint TMemoComponent::ScrCellToScrPoint(TTextCell Cell) const {
  return TPoint{(Cell.Col - 1) * FontWidth + FLeftMargin, (Cell.Row - 1) * FontHeight + FTopMargin};
}

void TMemoComponent::ScrollCaret() {
  FSelection->ScrollInView(4);
}

void TMemoComponent::HandleScroll(TMessage& Message, TScrollBarKind Bar) {
  TVisibleRange& View = *FVisibleRange;
  View.DoChanging();
  TCustomControl::WndProc(Message);
  const bool Vertical = Bar == TScrollBarKind::sbVertical;
  const int Current =
      Vertical ? (HandleAllocated() ? Host()->GetScrollPos(Bar) : View.FTopRow) : View.FLeftCol;
  const int Page = Vertical ? PageHeight : PageWidth;
  const int Last = Vertical ? LineCount() - PageHeight + 1 : FLongestLineLength - PageWidth + 1;
  int New = Current;
  switch (ScrollCode(Message.WParam)) {
    case SB_LINEUP:
      New = Current - 1;
      break;
    case SB_LINEDOWN:
      New = Current + 1;
      break;
    case SB_PAGEUP:
      New = Current - Page;
      break;
    case SB_PAGEDOWN:
      New = Current + Page;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      New = ScrollPosition(Message.WParam);
      break;
    case SB_TOP:
      New = 1;
      break;
    case SB_BOTTOM:
      New = Last;
      break;
    default:
      break;
  }
  Message.Result = 0;
  New = std::max(std::min(New, Last), 1);
  if (New == Current) {
    View.DoDiscardChanges();
    return;
  }
  if (HandleAllocated()) Host()->SetScrollPos(Bar, New, true);
  (Vertical ? View.FTopRow : View.FLeftCol) = New;
  View.DoChange();
  Update();
}

void TMemoComponent::HandleMouseWheel(TMessage& Message) {
  TCustomControl::WndProc(Message);
  TMessage Scroll{WM_VSCROLL,
                  MakeScrollWParam(WheelDelta(Message.WParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0), 0,
                  0};
  HandleScroll(Scroll, TScrollBarKind::sbVertical);
  Message.Result = 0;
}
