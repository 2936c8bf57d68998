/** @file SourceModel.h
 ** The facts of every line of one source: the lexer state at its end, its unmatched
 ** brackets and its declarations, jump targets and operand problems. An edit re-reads the
 ** lines it replaced and the following lines only while the state carried into them
 ** changes (a comment or string opened or closed). **/
#pragma once

#include <functional>
#include <vector>

#include "editor/SplitVector.h"
#include "language/LineFacts.h"

class TReference;

class TSourceModel {
 public:
  /** The text of a line, 1-based, without its line break. */
  using TLineText = std::function<QString(int Line)>;

  explicit TSourceModel(const TReference& Reference);

  /** Reads LineCount lines afresh. */
  void Reset(int LineCount, const TLineText& Text);
  /** Reads a whole text (CR LF, LF or CR line breaks). */
  void SetText(const QString& Text);
  /** Lines FirstLine.. (OldCount of them) became NewCount lines; re-reads them and the later
      lines whose starting state changed. Answers the last line re-read. */
  int ReplaceLines(int FirstLine, int OldCount, int NewCount, const TLineText& Text);

  int LineCount() const { return FLines.Length(); }
  /** The lexer state at the start of Line (1-based). */
  TLexState StateAtStart(int Line) const;
  TLexState StateAtEnd() const { return LineCount() ? FLines.At(LineCount() - 1).End : TLexState::Normal; }
  TBracketBalance Balance(int Line) const { return FLines.At(Line - 1).Balance; }

  std::vector<TDeclaration> Declarations() const;
  std::vector<TTargetUse> Targets() const;
  std::vector<TProblem> LineProblems() const;

 private:
  struct TLineInfo {
    TLexState End;
    TBracketBalance Balance;
    int Slot;  ///< index into FSlots, -1 when the line has no facts
  };

  TLexState Analyse(int Line, TLexState Start, const QString& Text);
  void FreeSlot(int Slot);
  /** Calls Visit(Line, Facts) for every line with facts, in order. */
  void ForEachFacts(const std::function<void(int, const TLineFacts&)>& Visit) const;
  /** One kind of fact of every line, numbered with its line. */
  template <class T>
  std::vector<T> Gather(std::vector<T> TLineFacts::*Items) const;

  const TReference& FReference;
  TSplitVector<TLineInfo> FLines;
  std::vector<TLineFacts> FSlots;
  std::vector<int> FFreeSlots;
  std::vector<TToken> FTokens;  ///< reused for every line
};

/** Of Declarations in line order, the nearest at or above Line that is not a label, else the
    nearest label; one with Line 0 when there is none. */
TDeclaration EnclosingDeclaration(const std::vector<TDeclaration>& Declarations, int Line);
