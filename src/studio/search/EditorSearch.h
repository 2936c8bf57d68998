/** @file EditorSearch.h
 ** Find, replace and count in one editor, reading its text store in place. **/
#pragma once

#include "studio/search/SearchPattern.h"

class TMemoComponent;

struct TFindResult {
  bool Found = false;
  /** The search ran past the end (or the start) and went on from the other end. */
  bool Wrapped = false;
};

/** Selects the next match after the selection (Forward) or the one before it, wrapping
    around, and scrolls it into view as the caret is scrolled. */
TFindResult FindInEditor(TMemoComponent& Editor, const TSearchPattern& Pattern, bool Forward);

/** Replaces the selection when it is exactly a match, then finds the next one. A read-only
    editor is left as it is, here and in Replace All. */
TFindResult ReplaceInEditor(TMemoComponent& Editor, const TSearchPattern& Pattern,
                            const QString& Template);

/** Replaces every match as one undo step; the caret stays where it was (moved with the
    text) and in view. Answers the number of replacements. */
int ReplaceAllInEditor(TMemoComponent& Editor, const TSearchPattern& Pattern,
                       const QString& Template);

/** Selects Start..Start+Length-1 (1-based) with the caret at its end, scrolled into view. */
void SelectInEditor(TMemoComponent& Editor, int Start, int Length);

/** Counts the matches of a text a slice at a time, so that a large text is counted without
    holding the user-interface thread; also finds which of them starts at Current. */
class TMatchCounter {
 public:
  TMatchCounter(const TSearchPattern& Pattern, qsizetype Current)
      : FPattern(Pattern), FCurrent(Current) {}
  /** Counts on through about Budget more characters; true when the whole text is done. */
  bool Step(QStringView Text, qsizetype Budget);
  bool Done() const { return FDone; }
  qsizetype Count() const { return FCount; }
  /** The 1-based number of the match that starts at Current; 0 when none does. */
  qsizetype CurrentIndex() const { return FCurrentIndex; }

 private:
  const TSearchPattern& FPattern;
  qsizetype FCurrent;
  qsizetype FPos = 0;
  qsizetype FCount = 0;
  qsizetype FCurrentIndex = 0;
  bool FDone = false;
};
