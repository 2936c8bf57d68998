/** @file AutoIndent.cpp
 ** Typed characters with automatic indentation: Enter keeps the indentation of the line,
 ** and the block-opening character inserts a whole block. **/
#include "editor/SelectionRange.h"
#include "sourceedit/SourceEdit.h"

namespace {
// The 1-based position of the first character that is neither a space nor a tab.
int FirstNonBlankPos(const QString& S) {
  int Pos = 1;
  while (Pos <= S.size() && (S[Pos - 1] == u' ' || S[Pos - 1] == u'\t'))
    ++Pos;
  return Pos;
}
}  // namespace

QString TSourceEdit::IndentationAtSelection() const {
  const int LineStart = CellToCharIdx(TextCell(Selection()->StartRowCol().Row, 1));
  const QString Head = TextRange(LineStart, Selection()->RStart() - LineStart);
  return Head.left(FirstNonBlankPos(Head) - 1);
}

void TSourceEdit::HandleKeyPress(QChar& Key) {
  // Both rules insert through the selection, so each is one ordinary, undoable replacement.
  if (Key == u'\r' && FAutoIndent) {
    Selection()->SetText(QStringLiteral("\r\n") + IndentationAtSelection());
    Selection()->ScrollInView(4);
    Key = QChar();
  }
  if (!Key.isNull() && Key == FAutoIndentIncreaseStart && FAutoIndentIncrease) {
    const QString Indentation = IndentationAtSelection();
    const int P = Selection()->RStart();
    Selection()->SetText(FAutoIndentIncreaseStart + QStringLiteral("\r\n\r\n") + Indentation +
                         FAutoIndentIncreaseEnd);
    Selection()->NoSelAtPos(P + 3);
    Selection()->ScrollInView(4);
    Key = QChar();
  }
  TMemoComponent::HandleKeyPress(Key);
}
