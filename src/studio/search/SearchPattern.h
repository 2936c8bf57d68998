/** @file SearchPattern.h
 ** What the user searches for, compiled once: plain text or a regular expression, with
 ** match case and whole word. Matching reads a text in place (a QStringView over the
 ** editor's store or a file's text), so no search copies the text it searches.
 **
 ** The text has CR LF line breaks. In a regular expression `\n` stands for a whole line
 ** break (so `a\nb` finds "a", CR LF, "b"), `^` and `$` match at every row's start and end,
 ** `.` never matches a line break and `\R` matches one. **/
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringView>
#include <functional>

struct TSearchOptions {
  QString Pattern;
  bool MatchCase = false;
  bool WholeWord = false;
  bool RegularExpression = false;

  bool operator==(const TSearchOptions&) const = default;
};

/** One match: 0-based Start in the searched text, and its Length (0 for an empty match
    of a regular expression). Start -1: none. */
struct TSearchMatch {
  qsizetype Start = -1;
  qsizetype Length = 0;
  bool Found() const { return Start >= 0; }
  qsizetype End() const { return Start + Length; }
  bool operator==(const TSearchMatch&) const = default;
};

class TSearchPattern {
 public:
  explicit TSearchPattern(const TSearchOptions& Options);

  const TSearchOptions& Options() const { return FOptions; }
  /** False for an empty pattern or an invalid regular expression. */
  bool IsValid() const { return FValid; }
  /** Why an invalid regular expression is invalid, with the place; empty otherwise. */
  QString ErrorMessage() const { return FError; }

  /** The first match that starts at or after From. */
  TSearchMatch FindForward(QStringView Text, qsizetype From) const;
  /** The match that starts at Pos, if one does; only that place is tried. */
  TSearchMatch MatchStartingAt(QStringView Text, qsizetype Pos) const;
  /** The last match that starts before Before. */
  TSearchMatch FindBackward(QStringView Text, qsizetype Before) const;
  /** Calls Visit for every match that starts in From..To-1, in order, until Visit answers
      false. An empty match is followed by a search one character further on. */
  void ForEachMatch(QStringView Text, qsizetype From, qsizetype To,
                    const std::function<bool(const TSearchMatch&)>& Visit) const;
  /** The number of matches in the whole text. */
  qsizetype CountMatches(QStringView Text) const;
  /** The text that replaces Match: for a regular expression \1 to \9 (and \0, the whole
      match) are its captures, \n a line break, \t a tab, \\ a backslash; plain text is
      taken as it is. */
  QString Replacement(QStringView Text, const TSearchMatch& Match,
                      const QString& Template) const;

 private:
  static QString Borrowed(QStringView Text);
  TSearchMatch MatchAt(QStringView Text, qsizetype From, bool KnownValid) const;
  bool IsWholeWord(QStringView Text, const TSearchMatch& Match) const;

  TSearchOptions FOptions;
  QRegularExpression FExpression;
  /** Plain text matched with case: searched as it is, without the engine's cost per match. */
  bool FLiteral = false;
  bool FValid = false;
  QString FError;
};

/** A letter, digit or underscore, in any script. */
bool IsSearchWordChar(QChar C);
