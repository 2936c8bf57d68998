/** @file BackgroundLayer.h
 ** Marks drawn under the selection: search matches, occurrences of the selected word, the
 ** parenthesis partner. The painter lays them over the formatted ranges of each row, so the
 ** text keeps its own font and colour and only the background (and, if asked, the text
 ** colour) changes. **/
#pragma once

#include <vector>

#include "editor/FormattedRanges.h"

class TMemoComponent;
using TFormattedRangeArray = std::vector<TCustomFormattedRange*>;

/** Characters Start..End (1-based, inclusive) on a background of Color; TextColor, when
    not clNone, replaces the text's colour. */
struct TBackgroundMark {
  int Start = 0;
  int End = -1;
  TColor Color = clNone;
  TColor TextColor = clNone;
};

class TBackgroundLayer {
 public:
  virtual ~TBackgroundLayer() = default;
  /** Appends the marks that touch From..To, in text order and without overlap. */
  virtual void CollectMarks(int From, int To, std::vector<TBackgroundMark>& Marks) = 0;
};

/** Splits Items where Marks begin and end and gives the marked pieces their colours (on a
    dark background, the background tinted towards them); the selection's pieces stay as
    they are. Marks must be in text order. */
void ApplyBackgroundMarks(TMemoComponent& Editor, const std::vector<TBackgroundMark>& Marks,
                          TFormattedRangeArray& Items);
