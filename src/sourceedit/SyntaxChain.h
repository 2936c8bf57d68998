/** @file SyntaxChain.h
 ** The editor's chain of syntax ranges and everything that keeps it right: its two ends,
 ** the linking, the blocks that hold the ranges' positions and levels, the lazy shift past
 ** the last edit, the lookups and the checks of its invariants. Nothing else links,
 ** unlinks or shifts a syntax range. **/
#pragma once

#include <QSet>
#include <memory>
#include <vector>

#include "sourceedit/SyntaxRanges.h"

class TCustomRange;

class TSyntaxChain {
 public:
  explicit TSyntaxChain(TSourceEdit& Editor);
  ~TSyntaxChain();
  TSyntaxChain(const TSyntaxChain&) = delete;
  TSyntaxChain& operator=(const TSyntaxChain&) = delete;

  TSyntaxRange* First() const { return FFirst; }
  /** The last range scanned so far. */
  TSyntaxRange* Last() const { return FLast; }

  /** Whether text after the last range is still to be scanned. A scan that would go on far
      past its edit stops after a symbol or a parenthesis, where a new scan starts afresh,
      and leaves the rest to later slices: a big text shows its first screen at once. */
  bool ScanPending() const { return FScanPending; }
  void SetScanPending(bool Value) { FScanPending = Value; }
  /** Scans on, slice by slice, until the ranges reach Pos or the text's end. Every read of
      the chain by its callers comes through here first, so they see the whole chain. */
  void ScanTo(int Pos);

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
  /** The first range that ends at or after Pos, looked for from Tip (any range, or nullptr)
      when Tip's block holds Pos, else found through the blocks. */
  TSyntaxRange* RangeAtPos(int Pos, TSyntaxRange* Tip) const;
  /** The first range not followed right by the next one, or a chain end off the text's. */
  TSyntaxRange* FirstBroken() const;
  TSyntaxRange* FirstOverlapping() const;
  /** What is wrong with the chain, empty when nothing is: the ranges tile the text (up to
      a place where a scan may stop while one is pending), the links agree, the blocks hold
      the ranges in order, every block from the step on and none before owes the pending
      shifts, and every level is the count of the parentheses before the range. Meaningful
      only while the colouring follows the edits (no update open). */
  QString CheckInvariants() const;

  /** Text equal to Text, sharing its characters with every equal text asked for before:
      symbols and numbers repeat all over a text. */
  QString SharedText(const QString& Text);

 private:
  /** Ranges a block holds at most; a fuller one is split in two. */
  static constexpr int MaxBlockCount = 128;
  /** A block with fewer ranges joins its neighbour when both fit in one. */
  static constexpr int MinBlockCount = 16;
  /** Ranges appended after the last range start a new block beyond this many. */
  static constexpr int AppendedBlockCount = 96;

  /** Makes the block at Index the first that owes the pending shifts, settling or taking
      on the pending shifts of the blocks it passes. */
  void MoveShiftStep(std::size_t Index);
  /** Puts Range, just linked, into Block, which holds a neighbour of it or is the last. */
  void AddToBlock(TSyntaxRange* Range, TChainBlock* Block);
  void RemoveFromBlock(TSyntaxRange* Range);
  /** Moves Range into Block (or out of every block), keeping its positions and level. */
  static void MoveToBlock(TSyntaxRange* Range, TChainBlock* Block);
  void SplitBlock(TChainBlock* Block);
  /** Moves the ranges of Block into the block before it, and frees Block. */
  void MergeIntoPrevious(TChainBlock* Block);
  TChainBlock* NewBlockAt(std::size_t Index, const TChainBlock* Like);
  void EraseBlock(TChainBlock* Block);
  void RenumberBlocksFrom(std::size_t Index);
  /** The index of the first block that Before is false for (Before holds for the blocks
      up to some point and for none after it); the block found last is tried first. */
  template <class TBefore>
  std::size_t FindBlock(TBefore Before) const;
  /** Moves the ranges of Block that start after Pos by Delta, and returns the first of
      them; one of them starts after Pos. */
  TSyntaxRange* MovePartAfter(TChainBlock& Block, int Pos, int Delta);
  /** No range owes anything any more. */
  void ForgetShifts();
  QString CheckBlocks() const;

  bool FClearing = false;  ///< every range goes: no block is worth merging
  bool FScanPending = false;

  TSourceEdit& FEditor;
  TSyntaxRange* FFirst = nullptr;
  TSyntaxRange* FLast = nullptr;
  std::vector<std::unique_ptr<TChainBlock>> FBlocks;  ///< in text order
  // The ranges are moved lazily: the blocks from the step on still owe the pending shifts,
  // so an edit moves the ranges of its own block one by one and the step past the rest.
  std::size_t FShiftStep = 0;
  mutable std::size_t FFoundBlock = 0;
  int FPendingShift = 0;
  int FPendingLevelShift = 0;
  // One handler shared by every range: an edit removed all its characters.
  TNotifyEvent FOverwriteHandler;
  QSet<QString> FSharedTexts;
};
