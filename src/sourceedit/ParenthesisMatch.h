/** @file ParenthesisMatch.h
 ** The parenthesis beside the caret and its partner, found through the levels of the
 ** syntax chain, and the layer that marks them: both in the match colour, or the one
 ** without a partner in the error colour. **/
#pragma once

#include "editor/BackgroundLayer.h"

class TSourceEdit;

struct TParenthesisPair {
  int Position = 0;  ///< the parenthesis beside the caret; 0: none
  int Partner = 0;   ///< its partner; 0: it has none
  bool operator==(const TParenthesisPair&) const = default;
};

/** The parenthesis just after the caret, or else just before it, and its partner. A
    partner further than a bounded walk along the chain counts as unknown, not missing:
    then Position is 0 too, so nothing is shown rather than a false error. Unless ScanOn,
    text not scanned yet is not scanned for it, and counts as unknown too. */
TParenthesisPair FindParenthesisPair(TSourceEdit& Editor, int CaretPos, bool ScanOn);

class TParenthesisHighlighter : public TBackgroundLayer {
 public:
  explicit TParenthesisHighlighter(TSourceEdit& Editor);
  ~TParenthesisHighlighter() override;

  /** Finds the pair at the caret again, when the caret or the text moved since, and
      redraws what changed. */
  void Update();
  const TParenthesisPair& Pair() const { return FPair; }
  /** Moves the caret to the partner, on the same side of it as it stood of the
      parenthesis, scanning on for it if needed; false when there is no partner. */
  bool JumpToPartner();
  void CollectMarks(int From, int To, std::vector<TBackgroundMark>& Marks) override;

  static constexpr TColor MatchColor = 0xB4E6B4;
  static constexpr TColor ErrorColor = 0xC0C0FF;
  static constexpr TColor ErrorTextColor = 0x0000C0;

 private:
  void Redraw(const TParenthesisPair& Pair);

  TSourceEdit& FEditor;
  TParenthesisPair FPair;
  // Where FPair was found: the caret and the text's edit count.
  int FCaret = 0;
  int FEditCount = -1;
};
