/** @file ChainBlock.h
 ** A block of consecutive syntax ranges whose positions and parenthesis levels are stored
 ** relative to the block's own offsets. An edit moves the ranges after it by changing one
 ** offset per block instead of one position per range. **/
#pragma once

#include "editor/Ranges.h"

class TSyntaxRange;

struct TChainBlock : TRangeOffset {
  /** Added to the stored level of every range in the block, like Shift to its positions. */
  int LevelShift = 0;
  /** Set together with Pending while the block owes the chain's pending shifts. */
  const int* PendingLevel = nullptr;
  /** The block's place in the chain's list of blocks. */
  int Index = 0;
  int Count = 0;
  TSyntaxRange* First = nullptr;
  TSyntaxRange* Last = nullptr;

  int OwedLevel() const { return LevelShift + (PendingLevel ? *PendingLevel : 0); }
  bool Owing() const { return Pending != nullptr; }
};
