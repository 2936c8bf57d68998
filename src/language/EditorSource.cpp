/** @file EditorSource.cpp
 ** Replacements are merged into one span of characters in today's text; reading turns it
 ** into rows: the rows the span covers now, and as many fewer or more before as the line
 ** count changed. **/
#include "language/EditorSource.h"

#include <limits>

#include "language/ChainDeclarations.h"
#include "sourceedit/SourceEdit.h"

TEditorSource::TEditorSource(TSourceEdit* Editor, const TReference& Reference)
    : FEditor(Editor), FModel(Reference) {
  FModel.MarkReplaced(1, 0, FEditor->LineCount());
  Sync();
  FEditor->OnTextReplaced = [this](int Start, int OldLength, int NewLength) {
    TextReplaced(Start, OldLength, NewLength);
  };
}

TEditorSource::~TEditorSource() {
  FEditor->OnTextReplaced = nullptr;
}

QString TEditorSource::LineText(int Line) const {
  return FEditor->TextRange(FEditor->CellToCharIdx(TextCell(Line, 1)), FEditor->LineLength(Line));
}

TSourceModel::TLineText TEditorSource::LineReader() const {
  return [this](int Line) { return LineText(Line); };
}

void TEditorSource::TextReplaced(int Start, int OldLength, int NewLength) {
  const int NewEnd = Start + NewLength;
  if (FNoteStart == 0) {
    FNoteStart = Start;
    FNoteEnd = NewEnd;
  } else {
    // The earlier span in today's positions: after the replaced characters it moves with them.
    const auto Moved = [&](int Pos) {
      return Pos < Start ? Pos : Pos >= Start + OldLength ? Pos + NewLength - OldLength : NewEnd;
    };
    FNoteStart = std::min(Moved(FNoteStart), Start);
    FNoteEnd = std::max(Moved(FNoteEnd), NewEnd);
  }
  if (OnChanged) OnChanged();
}

void TEditorSource::MarkNoted() {
  if (FNoteStart == 0) return;
  const int First = FEditor->CharIdxToCell(std::min(FNoteStart, FEditor->TextLength() + 1)).Row;
  const int Last = FEditor->CharIdxToCell(std::min(FNoteEnd, FEditor->TextLength() + 1)).Row;
  FNoteStart = FNoteEnd = 0;
  const int NewCount = Last - First + 1;
  const int OldCount = NewCount - (FEditor->LineCount() - FModel.LineCount());
  if (OldCount < 0 || First + OldCount - 1 > FModel.LineCount())
    FModel.MarkReplaced(1, FModel.LineCount(), FEditor->LineCount());  // cannot happen; reading all is safe
  else
    FModel.MarkReplaced(First, OldCount, NewCount);
}

bool TEditorSource::Read(int MaxLines) {
  MarkNoted();
  if (!FModel.HasUnread()) return true;
  TChainDeclarations Chain(*FEditor);
  return FModel.ReadUnread(MaxLines, LineReader(),
                           [&Chain](int Line, const QString& Text) { return Chain.Of(Line, Text); });
}

void TEditorSource::Sync() {
  Read(std::numeric_limits<int>::max());
}
