/** @file EditorSource.cpp
 ** From a replacement's position and new length to the rows it replaced: the rows the new
 ** text spans now, and as many fewer or more before as the line count changed. **/
#include "language/EditorSource.h"

#include "editor/MemoComponent.h"

TEditorSource::TEditorSource(TMemoComponent* Editor, const TReference& Reference)
    : FEditor(Editor), FModel(Reference) {
  FModel.Reset(FEditor->LineCount(), LineReader());
  FEditor->OnTextReplaced = [this](int Start, int, int NewLength) { TextReplaced(Start, NewLength); };
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

void TEditorSource::TextReplaced(int Start, int NewLength) {
  const int First = FEditor->CharIdxToCell(Start).Row;
  const int Last = FEditor->CharIdxToCell(std::min(Start + NewLength, FEditor->TextLength() + 1)).Row;
  const int NewCount = Last - First + 1;
  const int OldCount = NewCount - (FEditor->LineCount() - FModel.LineCount());
  if (OldCount < 0 || First + OldCount - 1 > FModel.LineCount())
    FModel.Reset(FEditor->LineCount(), LineReader());  // cannot happen; reading all is safe
  else
    FModel.ReplaceLines(First, OldCount, NewCount, LineReader());
  if (OnChanged) OnChanged();
}
