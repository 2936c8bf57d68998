/** @file SearchPattern.cpp
 ** Compiling the pattern and walking its matches. Plain text is searched as an escaped
 ** regular expression, so that both kinds share one engine (compiled to machine code). **/
#include "studio/search/SearchPattern.h"

#include <algorithm>

namespace {
// Matches are searched in a text cut this far past the last place a match may start, so
// that a search with no match near the end does not read the rest of a large text.
constexpr qsizetype MatchTail = 64 * 1024;

// `\n` outside a character class becomes CR LF, the store's line break; `\r\n` stays.
QString WithStoreLineBreaks(const QString& Pattern) {
  QString Out;
  Out.reserve(Pattern.size() + 8);
  bool InClass = false;
  bool AfterCr = false;
  for (qsizetype I = 0; I < Pattern.size(); ++I) {
    const QChar C = Pattern[I];
    if (C == u'\\' && I + 1 < Pattern.size()) {
      const QChar D = Pattern[++I];
      if (D == u'n' && !InClass && !AfterCr)
        Out += QStringLiteral("\\r\\n");
      else
        Out += QString(C) + D;
      AfterCr = D == u'r' && !InClass;
      continue;
    }
    if (C == u'[' && !InClass)
      InClass = true;
    else if (C == u']' && InClass)
      InClass = false;
    AfterCr = false;
    Out += C;
  }
  return Out;
}

QRegularExpression::PatternOptions OptionsOf(const TSearchOptions& Options) {
  QRegularExpression::PatternOptions Result = QRegularExpression::MultilineOption |
                                              QRegularExpression::UseUnicodePropertiesOption;
  if (!Options.MatchCase) Result |= QRegularExpression::CaseInsensitiveOption;
  return Result;
}
}  // namespace

bool IsSearchWordChar(QChar C) {
  return C.isLetterOrNumber() || C == u'_' || C.isMark();
}

TSearchPattern::TSearchPattern(const TSearchOptions& Options) : FOptions(Options) {
  if (Options.Pattern.isEmpty()) return;
  if (!Options.RegularExpression) {
    FExpression = QRegularExpression(QRegularExpression::escape(Options.Pattern),
                                     OptionsOf(Options));
  } else {
    // The user's own pattern names the place of an error as they wrote it.
    const QRegularExpression AsWritten(Options.Pattern, OptionsOf(Options));
    if (!AsWritten.isValid()) {
      FError = QStringLiteral("%1 at position %2")
                   .arg(AsWritten.errorString())
                   .arg(AsWritten.patternErrorOffset() + 1);
      return;
    }
    FExpression = QRegularExpression(QStringLiteral("(*CRLF)") + WithStoreLineBreaks(Options.Pattern),
                                     OptionsOf(Options));
    if (!FExpression.isValid()) {
      FError = FExpression.errorString();
      return;
    }
  }
  FExpression.optimize();
  FValid = FExpression.isValid();
  // Whole pairs only, as the engine matches them: a sound pattern then never starts or ends
  // inside a pair of a sound text, and finds just what the engine finds.
  FLiteral = FValid && !Options.RegularExpression && Options.MatchCase &&
             QStringView(Options.Pattern).isValidUtf16();
}

// The text is lent to the engine as a string over its own characters: matching a view
// would copy the whole text at every call.
QString TSearchPattern::Borrowed(QStringView Text) {
  return QString::fromRawData(Text.data(), Text.size());
}

TSearchMatch TSearchPattern::MatchAt(QStringView Text, qsizetype From, bool KnownValid) const {
  if (FLiteral && KnownValid) {
    const qsizetype At = Text.indexOf(FOptions.Pattern, From, Qt::CaseSensitive);
    return At < 0 ? TSearchMatch() : TSearchMatch{At, FOptions.Pattern.size()};
  }
  // The engine checks the whole text for broken surrogate pairs at every call unless told
  // it is sound: a walk over many matches checks it once.
  const QRegularExpressionMatch M = FExpression.match(
      Borrowed(Text), From, QRegularExpression::NormalMatch,
      KnownValid ? QRegularExpression::DontCheckSubjectStringMatchOption
                 : QRegularExpression::NoMatchOption);
  if (!M.hasMatch()) return {};
  return {M.capturedStart(), M.capturedLength()};
}

bool TSearchPattern::IsWholeWord(QStringView Text, const TSearchMatch& Match) const {
  if (Match.Length == 0) return false;
  const qsizetype S = Match.Start;
  const qsizetype E = Match.End();
  if (IsSearchWordChar(Text[S]) && S > 0 && IsSearchWordChar(Text[S - 1])) return false;
  if (IsSearchWordChar(Text[E - 1]) && E < Text.size() && IsSearchWordChar(Text[E]))
    return false;
  return true;
}

// The first match of the walk: the text is checked once, not again for every match a
// whole-word search passes over.
TSearchMatch TSearchPattern::FindForward(QStringView Text, qsizetype From) const {
  TSearchMatch First;
  ForEachMatch(Text, From, Text.size() + 1, [&](const TSearchMatch& M) {
    First = M;
    return false;
  });
  return First;
}

TSearchMatch TSearchPattern::MatchStartingAt(QStringView Text, qsizetype Pos) const {
  if (!FValid || Pos < 0 || Pos > Text.size()) return {};
  const QRegularExpressionMatch M = FExpression.match(
      Borrowed(Text), Pos, QRegularExpression::NormalMatch,
      QRegularExpression::AnchorAtOffsetMatchOption);
  if (!M.hasMatch()) return {};
  const TSearchMatch Match{M.capturedStart(), M.capturedLength()};
  return !FOptions.WholeWord || IsWholeWord(Text, Match) ? Match : TSearchMatch();
}

TSearchMatch TSearchPattern::FindBackward(QStringView Text, qsizetype Before) const {
  if (!FValid) return {};
  Before = std::min(Before, Text.size() + 1);
  // Windows that grow fourfold towards the start: the work stays in proportion to the
  // distance to the match.
  for (qsizetype Window = 4096;; Window *= 4) {
    const qsizetype From = std::max<qsizetype>(0, Before - Window);
    TSearchMatch Last;
    ForEachMatch(Text, From, Before, [&](const TSearchMatch& M) {
      Last = M;
      return true;
    });
    if (Last.Found() || From == 0) return Last;
  }
}

void TSearchPattern::ForEachMatch(QStringView Text, qsizetype From, qsizetype To,
                                  const std::function<bool(const TSearchMatch&)>& Visit) const {
  if (!FValid) return;
  To = std::min(To, Text.size() + 1);
  const QStringView Subject = Text.first(std::min(Text.size(), To + MatchTail));
  qsizetype Pos = std::max<qsizetype>(From, 0);
  const bool Valid = Subject.isValidUtf16();
  while (Pos < To && Pos <= Subject.size()) {
    const TSearchMatch M = MatchAt(Subject, Pos, Valid);
    if (!M.Found() || M.Start >= To) return;
    Pos = M.Length > 0 ? M.End() : M.Start + 1;
    if (FOptions.WholeWord && !IsWholeWord(Text, M)) {
      Pos = M.Start + 1;
      continue;
    }
    if (!Visit(M)) return;
  }
}

qsizetype TSearchPattern::CountMatches(QStringView Text) const {
  qsizetype Count = 0;
  ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch&) {
    ++Count;
    return true;
  });
  return Count;
}

QString TSearchPattern::Replacement(QStringView Text, const TSearchMatch& Match,
                                    const QString& Template) const {
  if (!FOptions.RegularExpression) return Template;
  const QRegularExpressionMatch M = FExpression.match(
      Borrowed(Text), Match.Start, QRegularExpression::NormalMatch,
      QRegularExpression::AnchorAtOffsetMatchOption);
  QString Out;
  for (qsizetype I = 0; I < Template.size(); ++I) {
    const QChar C = Template[I];
    if (C != u'\\' || I + 1 == Template.size()) {
      Out += C;
      continue;
    }
    const QChar D = Template[++I];
    if (D.isDigit())
      Out += M.captured(D.digitValue());
    else if (D == u'n')
      Out += QStringLiteral("\r\n");
    else if (D == u't')
      Out += u'\t';
    else
      Out += D;
  }
  return Out;
}
