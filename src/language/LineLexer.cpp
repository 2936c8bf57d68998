/** @file LineLexer.cpp
 ** One pass over a line; the characters classes are those of the syntax scanner. **/
#include "language/LineLexer.h"

namespace {
bool IsSymbolChar(QChar C) {
  return C.unicode() <= 255 && QStringView(u"!\"%&*+,-./:;<=>?@\\^|~").contains(C);
}

/** Index just past the end of a string whose body starts at From, or -1 when the line ends first. */
int StringEnd(QStringView Line, int From) {
  for (int I = From; I < Line.size(); ++I)
    if (Line[I] == u'\'' && (I == 0 || Line[I - 1] != u'\\')) return I + 1;
  return -1;
}

int CommentEnd(QStringView Line, int From) {
  const qsizetype At = Line.indexOf(u"*/", From);
  return At < 0 ? -1 : static_cast<int>(At) + 2;
}

int DirectiveEnd(QStringView Line, int From) {
  const qsizetype At = Line.indexOf(u' ', From);
  return At < 0 ? -1 : static_cast<int>(At) + 1;
}
}  // namespace

bool IsIdentifierChar(QChar C) {
  const char16_t U = C.unicode();
  return (U >= u'0' && U <= u'9') || (U >= u'a' && U <= u'z') || (U >= u'A' && U <= u'Z') ||
         U == u'_' || U == u'$';
}

int BracketKind(QChar C) {
  switch (C.unicode()) {
    case u'(': case u')': return 0;
    case u'[': case u']': return 1;
    case u'{': case u'}': return 2;
    default: return -1;
  }
}

TLexState LexLine(QStringView Line, TLexState State, std::vector<TToken>& Tokens) {
  const int Size = static_cast<int>(Line.size());
  int I = 0;
  // A construct carried over from an earlier line ends on this one, or covers it.
  auto Continue = [&](TTokenKind Kind, int End, TLexState Open) {
    Tokens.push_back({Kind, 0, End < 0 ? Size : End});
    I = End < 0 ? Size : End;
    return End < 0 ? Open : TLexState::Normal;
  };
  if (State == TLexState::BlockComment) State = Continue(TTokenKind::Comment, CommentEnd(Line, 0), State);
  else if (State == TLexState::String) State = Continue(TTokenKind::String, StringEnd(Line, 0), State);
  else if (State == TLexState::Directive) State = Continue(TTokenKind::Directive, DirectiveEnd(Line, 0), State);
  if (State != TLexState::Normal) return State;

  while (I < Size) {
    const QChar C = Line[I];
    const int Start = I;
    auto Open = [&](TTokenKind Kind, int End, TLexState Carried) {
      Tokens.push_back({Kind, Start, (End < 0 ? Size : End) - Start});
      I = End < 0 ? Size : End;
      return End < 0 ? Carried : TLexState::Normal;
    };
    if (C == u'#') {
      if (Open(TTokenKind::Directive, DirectiveEnd(Line, I + 1), TLexState::Directive) != TLexState::Normal)
        return TLexState::Directive;
    } else if (C == u'/' && I + 1 < Size && Line[I + 1] == u'/') {
      Open(TTokenKind::Comment, Size, TLexState::Normal);
    } else if (C == u'/' && I + 1 < Size && Line[I + 1] == u'*') {
      if (Open(TTokenKind::Comment, CommentEnd(Line, I + 2), TLexState::BlockComment) != TLexState::Normal)
        return TLexState::BlockComment;
    } else if (C == u'\'') {
      if (Open(TTokenKind::String, StringEnd(Line, I + 1), TLexState::String) != TLexState::Normal)
        return TLexState::String;
    } else if (const int Kind = BracketKind(C); Kind >= 0) {
      const bool Opening = C == u'(' || C == u'[' || C == u'{';
      Tokens.push_back({Opening ? TTokenKind::Open : TTokenKind::Close, I, 1});
      ++I;
    } else if (IsIdentifierChar(C)) {
      while (I < Size && IsIdentifierChar(Line[I])) ++I;
      const bool Number = (C >= u'0' && C <= u'9') || C == u'$';
      Tokens.push_back({Number ? TTokenKind::Number : TTokenKind::Word, Start, I - Start});
    } else if (IsSymbolChar(C)) {
      // A symbol run stops where a comment begins, as the scanner's styles come first.
      while (I < Size && IsSymbolChar(Line[I]) &&
             !(Line[I] == u'/' && I + 1 < Size && (Line[I + 1] == u'/' || Line[I + 1] == u'*')))
        ++I;
      if (I == Start) ++I;
      Tokens.push_back({TTokenKind::Symbol, Start, I - Start});
    } else {
      ++I;
    }
  }
  return TLexState::Normal;
}
