/** @file LineLexer.h
 ** Splits one line of Yorel source into tokens, by the rules the colouring follows:
 ** "//" line comments, "/" "*" block comments, quoted strings with a backslash escape and
 ** "#" directives up to the next space, which may all run on from an earlier line. **/
#pragma once

#include <QStringView>
#include <vector>

/** What the text at a line's start is inside of. */
enum class TLexState : quint8 { Normal, BlockComment, String, Directive };

enum class TTokenKind : quint8 { Word, Number, Symbol, Open, Close, Comment, String, Directive };

struct TToken {
  TTokenKind Kind;
  int Start;   ///< 0-based column in the line
  int Length;
};

/** The tokens of Line (without its line break), read from State; answers the state at
    the line's end. Spaces between tokens give no token. */
TLexState LexLine(QStringView Line, TLexState State, std::vector<TToken>& Tokens);

/** The word characters of the language: letters, digits, '_' and '$'. */
bool IsIdentifierChar(QChar C);

/** Which of "([{" or ")]}" a bracket character is: 0, 1, 2; -1 for any other character. */
int BracketKind(QChar C);
