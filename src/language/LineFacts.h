/** @file LineFacts.h
 ** What one line of source declares, jumps to and gets wrong, found from its tokens alone,
 ** so that an edit re-reads only the lines it touched. **/
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "language/LineLexer.h"

class TReference;

struct TDeclaration {
  QString Kind;  ///< the declaring word ("procedure", "class", ...) or "label"
  QString Name;
  int Line = 0;  ///< 1-based
  int Column = 0;  ///< 1-based
  bool operator==(const TDeclaration&) const = default;
};

/** A name used as the target of call, jmp, a conditional jump or loop. */
struct TTargetUse {
  QString Name;
  int Line = 0;
  int Column = 0;
};

enum class TSeverity { Error, Warning };

struct TProblem {
  TSeverity Severity = TSeverity::Error;
  int Line = 0;
  int Column = 0;  ///< 1-based
  int Length = 0;
  QString Message;
  bool operator==(const TProblem&) const = default;
};

struct TLineFacts {
  std::vector<TDeclaration> Declarations;
  std::vector<TTargetUse> Targets;
  std::vector<TProblem> Problems;
  bool Empty() const { return Declarations.empty() && Targets.empty() && Problems.empty(); }
};

/** Brackets of one kind a line leaves unmatched: closers first, then openers. */
struct TBracketBalance {
  quint16 Closes[3] = {0, 0, 0};
  quint16 Opens[3] = {0, 0, 0};
};

/** The facts of Line, whose tokens are Tokens, numbered LineNo. */
TLineFacts AnalyseLine(QStringView Line, int LineNo, const std::vector<TToken>& Tokens,
                       const TReference& Reference);
/** Adds to Out what a line of Tokens declares: a label (NAME: as its first token) and the word
    after each token I that Declaring(I) accepts. */
void FindDeclarations(QStringView Line, int LineNo, const std::vector<TToken>& Tokens,
                      const std::function<bool(size_t)>& Declaring, std::vector<TDeclaration>& Out);
TBracketBalance BalanceOf(QStringView Line, const std::vector<TToken>& Tokens);
/** The value of a number as written in source ($FF, 0FFh, 255, 1010b); false when it is none. */
bool ParseNumber(QStringView Text, qint64& Value);
/** Whether a word declares the name that follows it. */
bool IsDeclaringWord(const QString& Word);
