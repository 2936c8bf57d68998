/** @file MemoSelection.cpp
 ** The editor's selection properties and the caret's life with the keyboard focus. **/
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"

int TMemoComponent::SelStart() const {
  return FSelection->RStart() - 1;
}

void TMemoComponent::SetSelStart(int Value) {
  FSelection->NoSelAtPos(Value + 1);
}

int TMemoComponent::SelLength() const {
  return FSelection->RLength();
}

void TMemoComponent::SetSelLength(int Value) {
  FSelection->SetRLength(Value);
}

void TMemoComponent::SelectAll() {
  FSelection->Assign(FWholeText.get());
}

void TMemoComponent::SetAlwaysShowCaret(bool Value) {
  if (Value == FAlwaysShowCaret) return;
  FAlwaysShowCaret = Value;
  FSelection->ShowCaret();
}

void TMemoComponent::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  FSelection->ShowCaret();
}

void TMemoComponent::NotifySelectionChange() {
  if (!DontNotify) RaiseHandler(OnSelectionChange, this);
}

void TMemoComponent::CreateEditorCaret() {
  if (!FHasFocus || !HandleAllocated()) return;
  DestroyEditorCaret();
  Host()->CreateCaret(2, FontHeight - 2);
  FCaretCreated = true;
  FSelection->UpdateCaretPos();
  FSelection->ShowCaret();
}

void TMemoComponent::DestroyEditorCaret() {
  if (!FCaretCreated) return;
  FSelection->HideCaret();
  if (HandleAllocated()) Host()->DestroyCaret();
  FCaretCreated = false;
}
