/** @file MemoReplace.cpp
 ** The one operation that changes the text. In one pass it records undo, edits the text
 ** and its line index, keeps the widest row, moves the tracked ranges and the viewport,
 ** lets descendants rescan, repaints and notifies, in this order. **/
#include <utility>

#include "editor/EditedRows.h"
#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TextDecoding.h"

/** The replacement's steps, each a small member so the order reads from one place. */
class TMemoReplacement {
 public:
  TMemoReplacement(TMemoComponent& Editor, TCustomRange& Range) : E(Editor), Range(Range) {}

  void Run(const QString& NewText) {
    // The rows changed, rescanned and uncovered are drawn once, when all is done.
    const TMemoComponent::TGatheredDrawing Gathered(E);
    E.FSelection->DoChanging();
    E.FReplacing = true;
    // Nothing below raises a handler's exception (they are held), but the text store may
    // refuse the new text: the selection then stays as it was.
    const TScopeExit Refused([&] {
      if (!E.FReplacing) return;
      E.FReplacing = false;
      E.FSelection->DoDiscardChanges();
    });
    // The replacement repaints by its own rules; the selection must not repaint its old extent.
    E.FSelection->ReleaseOldSel();
    KeepLineBreaksWhole();
    P = Range.RStart();
    N = WithCrLf(NewText);
    E.FText.CheckReplace(Range.RLength(), N.size());
    n = static_cast<int>(N.size());
    // Read once: the undo record, the replay's inverse and the row shapes share it.
    Removed = Range.Text();
    if (QString* Inverse = std::exchange(E.FReplayedRemoved, nullptr))
      *Inverse = Removed;
    else if (!E.FInUndo)
      RecordUndo();
    MeasureBefore();
    RemoveJoinedRows();
    E.FText.Replace(P - 1, OldLength, N);
    ++E.FEditCount;
    AddNewRows();
    E.MoveGatheredRows(F, L, D);
    E.FLineStarts->AddFrom(F + K, d);
    MeasureAfter();
    MoveTrackedRanges();
    if (D != 0 && E.FVisibleRange->FTopRow > F) E.FVisibleRange->FTopRow += D;
    if (&Range == E.FSelection)
      E.FSelection->NoSelAtPos(P + n);
    else
      Range.SetRLength(n);
    E.DoTextReplaced(P, n - d, n);
    Repaint();
    E.DoReplaceFinished();
    // The text and its ranges are whole: the handlers told now may edit again.
    E.FReplacing = false;
    E.FSelection->DoChange();
    E.NotifyChange();
  }

 private:
  bool IsLfOfPair(int Pos) const { return E.CharAt(Pos) == u'\n' && E.CharAt(Pos - 1) == u'\r'; }

  // A range boundary between a CR and its LF would leave a lone line break in the store;
  // widen it to the whole pair before anything changes.
  void KeepLineBreaksWhole() {
    const int S = Range.RStart();
    const int End = Range.REnd();
    if (End < S) {
      if (IsLfOfPair(S)) {
        Range.SetRStart(S - 1);
        Range.SetREnd(S - 2);
      }
      return;
    }
    if (IsLfOfPair(S)) Range.SetRStart(S - 1);
    if (E.CharAt(End) == u'\r' && E.CharAt(End + 1) == u'\n') Range.SetREnd(End + 1);
  }

  void RecordUndo() {
    E.ClearRedo();
    const int RemovedLength = Range.RLength();
    if (TUndoOperation* T = E.FUndoStack; T && !E.IsGroupMarker(*T)) {
      // One more deletion at the same place, or just before the last one.
      if (RemovedLength > 0 && n == 0 && !T->NewText.isEmpty() && T->RStart > T->REnd) {
        if (T->RStart == P) {
          T->NewText += Removed;
          return;
        }
        if (Range.REnd() + 1 == T->RStart) {
          T->RStart -= RemovedLength;
          T->REnd -= RemovedLength;
          T->NewText.prepend(Removed);
          return;
        }
      }
      // Typing that continues the previous insertion.
      if (RemovedLength <= 0 && n >= 1 && T->NewText.isEmpty() && T->REnd >= T->RStart &&
          T->REnd + 1 == P) {
        T->REnd += n;
        return;
      }
    }
    E.PushUndo(new TUndoOperation{P, P + n - 1, Removed, nullptr});
  }

  bool ReplacesWholeText() const { return Range.RStart() == 1 && Range.REnd() == E.TextLength(); }

  // The shapes of the touched rows and the text they lose; the rows the edit leaves are
  // worked out from them after the change, without measuring whole rows.
  void MeasureBefore() {
    const TTextCell At = E.CharIdxToCell(P);
    F = At.Row;
    TopRow = E.FVisibleRange->FTopRow;
    OldLength = Range.RLength();
    d = n - OldLength;
    Widest = E.FLongestLineLength;
    WholeText = ReplacesWholeText();
    // A row starts right after a line break: without one the edit stays in its row.
    const bool OneRow = !WholeText && !Removed.contains(u'\n');
    L = OneRow ? F : E.CharIdxToCell(Range.REnd() + 1).Row;
    if (WholeText) return;
    RowsEdit.OldFirst = E.FRowWidths.Row(F - 1);
    RowsEdit.OldFirstLength = E.LineLength(F);
    RowsEdit.OldLast = OneRow ? RowsEdit.OldFirst : E.FRowWidths.Row(L - 1);
    RowsEdit.OldLastLength = OneRow ? RowsEdit.OldFirstLength : E.LineLength(L);
    RowsEdit.Offset = At.Col - 1;
  }

  void RemoveJoinedRows() {
    if (ReplacesWholeText()) {
      D = -(E.LineCount() - 1);
      E.FLineStarts->Clear();
      E.FLineStarts->Add(1);
      return;
    }
    for (int I = L - 1; I >= F; --I) {
      E.FLineStarts->Delete(I);
      --D;
    }
  }

  void AddNewRows() {
    for (int Offset = N.indexOf(u'\r'); Offset >= 0; Offset = N.indexOf(u'\r', Offset + 2)) {
      E.FLineStarts->Insert(F + K, P + Offset + 2);
      ++K;
      ++D;
    }
  }

  void MeasureAfter() {
    RowsEdit.TabSize = E.FTabSize;
    // The whole text's rows are measured anew, not worked out from what it lost.
    RowsEdit.Removed = WholeText ? QStringView() : QStringView(Removed);
    RowsEdit.Inserted = N;
    const int StartOfA = P - RowsEdit.Offset;
    const int StartOfB = P + n;
    RowsEdit.CharOfA = [this, StartOfA](int I) { return E.CharAt(StartOfA + I); };
    RowsEdit.CharOfB = [this, StartOfB](int I) { return E.CharAt(StartOfB + I); };
    if (WholeText) E.FRowWidths.Clear();
    E.FRowWidths.Replace(F - 1, WholeText ? 0 : L - F + 1, ShapesAfterEdit(RowsEdit));
    E.FLongestLineLength = E.FRowWidths.Widest();
  }

  // Ranges keep covering the same characters; one left empty by the edit is told so, and
  // its handler may free it or others, which the visit skips.
  void MoveTrackedRanges() {
    const int A = Range.RStart();
    const int B = Range.REnd();
    E.MoveRangesByEditor(Range, A, B, d);
    E.FTrackedRanges->VisitBackwards([&](TCustomRange& X) {
      if (&X != &Range && &X != E.FVisibleRange) X.FollowReplacement(A, B, d);
    });
  }

  // Only what changed is drawn: the changed rows; when rows came or went, the rows below
  // them move as pixels and only the band they uncover is drawn; a new widest row changes
  // only the scroll range. The whole view is drawn again when the view itself moves or the
  // edit began above it.
  void Repaint() {
    if (E.FLongestLineLength != Widest || D != 0) {
      if (!E.HandleAllocated() || !E.HasParent() || ReplacesWholeText() || F < TopRow) {
        E.UpdateLayout();
        return;
      }
      TVisibleRange& View = *E.FVisibleRange;
      const int LeftCol = View.FLeftCol;
      View.AdjustPosition();
      if (View.FTopRow != TopRow || View.FLeftCol != LeftCol) {
        E.UpdateLayout();
        return;
      }
      E.Host()->SetScrollInfo(TScrollBarKind::sbVertical, 1, E.LineCount(), E.PageHeight, TopRow,
                              true);
      E.Host()->SetScrollInfo(TScrollBarKind::sbHorizontal, 1, E.FLongestLineLength, E.PageWidth,
                              LeftCol, true);
      if (D != 0) {
        const int Below = (L + 1 - TopRow) * E.FontHeight + E.FTopMargin;
        E.DrawRowsIn(E.MoveTextPixels(Below, D * E.FontHeight));
      }
    }
    // Nothing is drawn while the view changes (a group's edits); it is drawn at the end.
    if (E.FVisibleRange->IsChanging()) return;
    TMCRange Changed;
    Changed.SetEditor(&E);
    Changed.SetRStart(P - 1);
    Changed.SetEndRowCol(TextCell(F + K + 1, 0));
    Changed.DrawRange();
  }

  TMemoComponent& E;
  TCustomRange& Range;
  int P = 0;          ///< first position of the old and the new text
  QString N;          ///< the new text with its line breaks normalised
  int n = 0;          ///< its length
  int F = 0;          ///< first row touched
  int L = 0;          ///< last row touched
  int OldLength = 0;  ///< length of the replaced text
  int d = 0;          ///< change of the text length
  int D = 0;          ///< rows added, net
  int K = 0;          ///< line breaks in the new text
  int Widest = 0;     ///< the widest row before the change
  int TopRow = 0;     ///< the view's top row before the change

  // What the widths of the rows the edit leaves are worked out from.
  bool WholeText = false;  ///< the edit replaces the whole text
  QString Removed;         ///< the replaced text
  TRowsEdit RowsEdit;
};

void TMemoComponent::ReplaceRangeText(TCustomRange* Range, const QString& NewText) {
  // A handler of a range told about this replacement would change the text under it.
  if (FReplacing)
    throw EInvalidOperation(QStringLiteral(
        "The text cannot be changed by a handler while the editor is applying a change"));
  const THeldHandlerErrors Held(*this);
  TMemoReplacement(*this, *Range).Run(NewText);
}

void TMemoComponent::DoTextReplaced(int Start, int OldLength, int NewLength) {
  if (OnTextReplaced) OnTextReplaced(Start, OldLength, NewLength);
}

void TMemoComponent::MoveRangesByEditor(TCustomRange&, int, int, int) {}

void TMemoComponent::NotifyChange() {
  if (DontNotify) return;
  // The private listener hears of the change even when the public handler throws.
  const THeldHandlerErrors Held(*this);
  RaiseHandler(OnChange, this);
  RaiseHandler(OnChangePrivate, this);
}

void TMemoComponent::RaiseHandler(const TNotifyEvent& Event, TObject* Sender) {
  if (!Event) return;
  if (FHeldLevels == 0) {
    Event(Sender);
    return;
  }
  try {
    Event(Sender);
  } catch (...) {
    if (!FHeldError) FHeldError = std::current_exception();
  }
}
