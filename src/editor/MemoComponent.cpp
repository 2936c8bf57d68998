/** @file MemoComponent.cpp
 ** Construction, destruction, the read side of the text and message dispatch. **/
#include "editor/MemoComponent.h"

#include "editor/RowMarks.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

TMemoComponent::TMemoComponent(TComponent* AOwner) : TCustomControl(AOwner) {
  FLineStarts = std::make_unique<TIntegerList>();
  FLineStarts->Add(1);
  FRowWidths.Append(TRowShape{});
  FLines = std::make_unique<TMemoComponentStrings>(this);
  FTrackedRanges = std::make_unique<TMCRanges>(this);
  FWholeText = std::make_unique<TWholeTextRange>();
  FWholeText->SetEditor(this);
  FVisibleRange = new TVisibleRange(FTrackedRanges.get());
  FSelection = new TSelectionRange(FTrackedRanges.get());
  FRowMarks = std::make_unique<TRowMarks>(this);
  SetConstraints(64, 64);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  Font()->SetName(QStringLiteral("Courier New"));
  Font()->SetSize(10);
  SetBounds(129, 129);
}

TMemoComponent::~TMemoComponent() {
  FRowMarks.reset();
  delete FSelection;
  delete FVisibleRange;
  FLines.reset();
  FTrackedRanges.reset();
  FWholeText.reset();
  FLineStarts.reset();
  DrawBmp.reset();
  FreeStack(FUndoStack);
  FreeStack(FRedoStack);
}

void TMemoComponent::FreeStack(PUndoOperation& Top) {
  while (Top) {
    PUndoOperation Next = Top->NextItem;
    delete Top;
    Top = Next;
  }
}

int TMemoComponent::LineLength(int Row) const {
  return CellToCharIdx(TextCell(Row + 1, 0)) - CellToCharIdx(TextCell(Row, 0)) - 2;
}

void TMemoComponent::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: {
      const int Size = static_cast<int>(Message.WParam);
      auto* Buffer = reinterpret_cast<char16_t*>(Message.LParam);
      if (Size <= 0 || !Buffer) {
        Message.Result = 0;
        return;
      }
      const int Count = std::min(Size - 1, TextLength());
      const QString Part = FText.Mid(0, Count);
      std::copy_n(reinterpret_cast<const char16_t*>(Part.utf16()), Count, Buffer);
      Buffer[Count] = u'\0';
      Message.Result = Count;
      return;
    }
    case WM_SETTEXT:
      SetText(QString::fromUtf16(reinterpret_cast<const char16_t*>(Message.LParam)));
      Message.Result = 1;
      return;
    case WM_GETTEXTLENGTH:
      Message.Result = TextLength();
      return;
    case EM_CANUNDO:
      Message.Result = (Message.WParam == 1 ? FRedoStack : FUndoStack) != nullptr;
      return;
    case EM_UNDO:
      ReplayUndo(Message.WParam);
      Message.Result = 0;
      return;
    case WM_SETFOCUS:
      TCustomControl::WndProc(Message);
      FHasFocus = true;
      CreateEditorCaret();
      return;
    case WM_KILLFOCUS:
      TCustomControl::WndProc(Message);
      FHasFocus = false;
      DestroyEditorCaret();
      return;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
      TCustomControl::WndProc(Message);
      HandleClipboardMessage(Message.Msg);
      return;
    case WM_TIMER:
      TCustomControl::WndProc(Message);
      if (Message.WParam == 1 && FSelecting && HandleAllocated()) HandleDragTimer();
      return;
    case CM_WANTSPECIALKEY:
      TCustomControl::WndProc(Message);
      if (IsClaimedKey(static_cast<quint16>(Message.WParam))) Message.Result = 1;
      return;
    case WM_HSCROLL:
      HandleScroll(Message, TScrollBarKind::sbHorizontal);
      return;
    case WM_VSCROLL:
      HandleScroll(Message, TScrollBarKind::sbVertical);
      return;
    case WM_MOUSEWHEEL:
      HandleMouseWheel(Message);
      return;
    case WM_SIZE:
      TCustomControl::WndProc(Message);
      UpdateLayout();
      return;
    case WM_ERASEBKGND:
      // The paint covers every pixel; erasing first would only flicker.
      Message.Result = 1;
      return;
    default:
      TCustomControl::WndProc(Message);
  }
}
