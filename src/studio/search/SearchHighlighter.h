/** @file SearchHighlighter.h
 ** Marks the matches of the find bar's pattern, and the other occurrences of a selected
 ** word, in the rows on screen. Only the view is searched, when it or the text changed, so
 ** the cost does not grow with the file. **/
#pragma once

#include <memory>
#include <optional>

#include "editor/BackgroundLayer.h"
#include "studio/search/SearchPattern.h"

class TMemoComponent;

class TSearchHighlighter : public TBackgroundLayer {
 public:
  explicit TSearchHighlighter(TMemoComponent& Editor);
  ~TSearchHighlighter() override;

  /** Marks the matches of Options (nothing for an empty or invalid pattern). */
  void SetFindPattern(const std::optional<TSearchOptions>& Options);
  /** Marks the occurrences of the selection when it is one whole word. */
  void SelectionChanged();
  void CollectMarks(int From, int To, std::vector<TBackgroundMark>& Marks) override;

  static constexpr TColor MatchColor = 0x78E6FF;
  static constexpr TColor WordColor = 0xF0E0D0;

 private:
  struct TSource {
    std::unique_ptr<TSearchPattern> Pattern;
    TColor Color;
    std::vector<TBackgroundMark> Marks;
  };
  /** Searches the rows on screen again when they or the text changed since. */
  void Refresh();
  /** Drops the marks and draws the view again: a pattern changed. */
  void Redraw();

  TMemoComponent& FEditor;
  TSource FFind{nullptr, MatchColor, {}};
  TSource FWord{nullptr, WordColor, {}};
  // What the marks were found in: the text's edit count and the rows on screen.
  int FEditCount = -1;
  int FFirstRow = 0;
  int FLastRow = -1;
};
