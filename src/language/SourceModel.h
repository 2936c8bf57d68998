/** @file SourceModel.h
 ** The facts of every line of one source: the lexer state at its end, its unmatched
 ** brackets and its declarations, jump targets and operand problems. An edit marks the
 ** lines it replaced as unread; reading them, in as many steps as the caller likes, goes on
 ** into the following lines only while the state carried into them changes (a comment or
 ** string opened or closed). **/
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
  /** The declarations of a line from elsewhere than its tokens, numbered with Line. */
  using TDeclarationReader = std::function<std::vector<TDeclaration>(int Line, const QString& Text)>;

  explicit TSourceModel(const TReference& Reference);

  /** Reads LineCount lines afresh. */
  void Reset(int LineCount, const TLineText& Text);
  /** Reads a whole text (CR LF, LF or CR line breaks). */
  void SetText(const QString& Text);
  /** Lines FirstLine.. (OldCount of them) became NewCount lines; re-reads them and the later
      lines whose starting state changed. Answers the last line re-read. */
  int ReplaceLines(int FirstLine, int OldCount, int NewCount, const TLineText& Text);
  /** Lines FirstLine.. (OldCount of them) became NewCount lines, which are not read yet. */
  void MarkReplaced(int FirstLine, int OldCount, int NewCount);
  /** Reads at most MaxLines of the unread lines (and the later ones whose starting state
      changed); Declarations, when given, replaces what the tokens declare. True when every
      line is read. Answers in LastRead the last line read, if any. */
  bool ReadUnread(int MaxLines, const TLineText& Text, const TDeclarationReader& Declarations = nullptr,
                  int* LastRead = nullptr);
  bool HasUnread() const { return FUnreadFirst > 0; }
  /** Changes whenever a line's declarations change or lines are added or removed. */
  int DeclarationsRevision() const { return FDeclarationsRevision; }

  int LineCount() const { return FLines.Length(); }
  /** The lexer state at the start of Line (1-based). */
  TLexState StateAtStart(int Line) const;
  TLexState StateAtEnd() const { return LineCount() ? FLines.At(LineCount() - 1).End : TLexState::Normal; }
  TBracketBalance Balance(int Line) const { return FLines.At(Line - 1).Balance; }

  std::vector<TDeclaration> Declarations() const;
  std::vector<TTargetUse> Targets() const;
  std::vector<TProblem> LineProblems() const;
  /** The same, of lines First..Last only, added to Out. */
  void Declarations(int First, int Last, std::vector<TDeclaration>& Out) const;
  void Targets(int First, int Last, std::vector<TTargetUse>& Out) const;
  void LineProblems(int First, int Last, std::vector<TProblem>& Out) const;

 private:
  struct TLineInfo {
    TLexState End;
    TBracketBalance Balance;
    int Slot;  ///< index into FSlots, -1 when the line has no facts
  };

  TLexState Analyse(int Line, TLexState Start, const QString& Text, const TDeclarationReader& Declarations);
  void FreeSlot(int Slot);
  bool HasDeclarations(int Slot) const { return Slot >= 0 && !FSlots[Slot].Declarations.empty(); }
  /** Calls Visit(Line, Facts) for every line of First..Last with facts, in order. */
  void ForEachFacts(int First, int Last, const std::function<void(int, const TLineFacts&)>& Visit) const;
  /** One kind of fact of lines First..Last, numbered with their lines. */
  template <class T>
  void Gather(std::vector<T> TLineFacts::*Items, int First, int Last, std::vector<T>& Out) const;

  const TReference& FReference;
  TSplitVector<TLineInfo> FLines;
  std::vector<TLineFacts> FSlots;
  std::vector<int> FFreeSlots;
  std::vector<TToken> FTokens;  ///< reused for every line
  // The lines still to read, 0 when none, and the state the line after them started in when
  // it was last read: reading goes on past them until the states meet again.
  int FUnreadFirst = 0;
  int FUnreadLast = 0;
  TLexState FJunction = TLexState::Normal;
  int FDeclarationsRevision = 0;
};

/** Of Declarations in line order, the nearest at or above Line that is not a label, else the
    nearest label; one with Line 0 when there is none. */
TDeclaration EnclosingDeclaration(const std::vector<TDeclaration>& Declarations, int Line);
