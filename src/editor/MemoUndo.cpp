/** @file MemoUndo.cpp
 ** The undo and redo stacks and their replay: one record, or a whole group between two
 ** markers, per step; each replayed record leaves its inverse on the other stack. **/
#include <memory>
#include <optional>

#include "editor/EditGroup.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "platform/core/ScopeExit.h"

void TMemoComponent::PushUndo(PUndoOperation Operation) {
  if (!Operation) return;
  Operation->NextItem = FUndoStack;
  FUndoStack = Operation;
}

void TMemoComponent::PushRedo(PUndoOperation Operation) {
  if (!Operation) return;
  Operation->NextItem = FRedoStack;
  FRedoStack = Operation;
}

namespace {
void Pop(PUndoOperation& Top, TUndoOperation& Operation) {
  if (!Top) return;
  Operation = std::move(*Top);
  delete Top;
  Top = Operation.NextItem;
}
}  // namespace

void TMemoComponent::PopUndo(TUndoOperation& Operation) {
  Pop(FUndoStack, Operation);
}

void TMemoComponent::PopRedo(TUndoOperation& Operation) {
  Pop(FRedoStack, Operation);
}

PUndoOperation TMemoComponent::NewGroupMarker() {
  return new TUndoOperation{-1, -1, QString(), nullptr};
}

bool TMemoComponent::IsGroupMarker(const TUndoOperation& Operation) const {
  return Operation.RStart == -1;
}

void TMemoComponent::ClearRedo() {
  FreeStack(FRedoStack);
}

void TMemoComponent::ClearUndo() {
  ClearRedo();
  FreeStack(FUndoStack);
  NotifyChange();
}

void TMemoComponent::ReplayUndo(WPARAM Which) {
  if (Perform(EM_CANUNDO, Which) == 0) return;
  const THeldHandlerErrors Held(*this);
  const bool Redoing = Which == 1;
  PUndoOperation& Source = Redoing ? FRedoStack : FUndoStack;
  auto PushTarget = [&](PUndoOperation Op) { Redoing ? PushUndo(Op) : PushRedo(Op); };
  FInUndo = true;
  std::optional<TEditGroup> Group;
  std::unique_ptr<TMCRange> Anchor;
  auto CloseGroup = [&] {
    if (Anchor) FSelection->Assign(Anchor.get());
    Group.reset();
  };
  // Stopped by an error, the replay still closes its group and ends, so that the view
  // draws and notifies again and later edits are recorded.
  const TScopeExit Ended([&] {
    FReplayedRemoved = nullptr;
    if (Group) CloseGroup();
    FInUndo = false;
  });
  TMCRange T;
  T.SetEditor(this);
  do {
    if (!Source) break;
    TUndoOperation Op;
    Redoing ? PopRedo(Op) : PopUndo(Op);
    if (IsGroupMarker(Op)) {
      if (!Group) {
        // Nothing is drawn while the group replays; the view is drawn once at its end.
        Group.emplace(*this);
      } else {
        CloseGroup();
        NotifyChange();
        NotifySelectionChange();
      }
      PushTarget(NewGroupMarker());
      continue;
    }
    T.SetRStart(Op.RStart);
    T.SetREnd(Op.REnd);
    auto Inverse = std::make_unique<TUndoOperation>();
    FReplayedRemoved = &Inverse->NewText;
    T.SetText(Op.NewText);
    Inverse->RStart = T.RStart();
    Inverse->REnd = T.REnd();
    PushTarget(Inverse.release());
    if (!Group) {
      FSelection->Assign(&T);
    } else if (!Anchor) {
      // Tracked, so that the group's later records move it.
      Anchor = std::make_unique<TMCRange>(FTrackedRanges.get());
      Anchor->SetRStart(T.REnd() + 1);
    } else if (T.REnd() + 1 > Anchor->RStart()) {
      Anchor->SetRStart(T.REnd() + 1);
    }
  } while (Group);
  Anchor.reset();
  FInUndo = false;
  NotifyChange();
}
