/** @file SyntaxChain.h
 ** The editor's chain of syntax ranges and everything that keeps it right: its two ends,
 ** the linking, the lazy shift of positions and levels past the last edit, the lookups and
 ** the checks of its invariants. Nothing else links, unlinks or shifts a syntax range. **/
#pragma once

#include <QSet>
#include <functional>

#include "sourceedit/SyntaxRanges.h"

class TCustomRange;

class TSyntaxChain {
 public:
  /** SetPendingShift stores the shift the editor adds to every range marked Shifted. */
  TSyntaxChain(TSourceEdit& Editor, std::function<void(int)> SetPendingShift);
  TSyntaxChain(const TSyntaxChain&) = delete;
  TSyntaxChain& operator=(const TSyntaxChain&) = delete;

  TSyntaxRange* First() const { return FFirst; }
  TSyntaxRange* Last() const { return FLast; }

  /** A new tracked range of RangeClass linked before Range, or after the last one when Range
      is nullptr; the caller sets its extent. */
  TSyntaxRange* InsertBefore(TSyntaxRange* Range, TSyntaxRangeClass RangeClass);
  /** Takes a range that is being freed out of the chain. */
  void Unlink(TSyntaxRange* Range);
  /** Frees every range. */
  void Clear();
  /** Frees the old ranges that NewRange covers, from Cursor on; Cursor is left on the first
      old range wholly after NewRange. True when the last one freed ended like NewRange. */
  bool RemoveOverlapped(TSyntaxRange* NewRange, TSyntaxRange*& Cursor);

  /** Follows a replacement of A..B that changed the length by Delta: the ranges after it
      owe the shift, the ones around it move one by one; Replaced itself stays. */
  void FollowReplacement(TCustomRange& Replaced, int A, int B, int Delta);
  /** Adds Delta to the level of From and of every range after it, owed like the shift. */
  void ShiftLevelsFrom(TSyntaxRange* From, int Delta);
  /** The first range that still owes the pending shifts; nullptr when none does. */
  TSyntaxRange* ShiftStep() const { return FShiftStep; }
  /** What every range from the step on still adds to its stored level. */
  int PendingLevelShift() const { return FPendingLevelShift; }

  /** The first range that ends at or after Pos, looked for from Tip (any range, or nullptr). */
  TSyntaxRange* RangeAtPos(int Pos, TSyntaxRange* Tip) const;
  /** The first range not followed right by the next one, or a chain end off the text's. */
  TSyntaxRange* FirstBroken() const;
  TSyntaxRange* FirstOverlapping() const;
  /** What is wrong with the chain, empty when nothing is: the ranges tile the text, the
      links agree, every range from the step on and none before owes the shift, and every
      level is the count of the parentheses before the range. Meaningful only while the
      colouring follows the edits (no update open). */
  QString CheckInvariants() const;

  /** Text equal to Text, sharing its characters with every equal text asked for before:
      symbols and numbers repeat all over a text. */
  QString SharedText(const QString& Text);

 private:
  /** Makes the step the first range that starts after Pos. */
  void MoveShiftStep(int Pos);
  void SetShifted(TSyntaxRange* Range, bool Value);
  /** No range owes anything any more. */
  void ForgetShifts();

  TSourceEdit& FEditor;
  std::function<void(int)> FSetPendingShift;
  TSyntaxRange* FFirst = nullptr;
  TSyntaxRange* FLast = nullptr;
  // The ranges are moved lazily: the step and every range after it still owe the pending
  // range shift, so an edit touches only the ranges around it.
  TSyntaxRange* FShiftStep = nullptr;
  int FPendingLevelShift = 0;
  // One handler shared by every range: an edit removed all its characters.
  TNotifyEvent FOverwriteHandler;
  QSet<QString> FSharedTexts;
};
