/** @file EditorSource.h
 ** Keeps a source model in step with an editor: every replacement re-reads the rows it
 ** touched, so a keystroke costs what its lines cost. **/
#pragma once

#include "language/SourceModel.h"

class TMemoComponent;

class TEditorSource {
 public:
  /** Reads Editor's text and follows its replacements until destroyed. */
  TEditorSource(TMemoComponent* Editor, const TReference& Reference);
  ~TEditorSource();
  TEditorSource(const TEditorSource&) = delete;
  TEditorSource& operator=(const TEditorSource&) = delete;

  const TSourceModel& Model() const { return FModel; }
  QString LineText(int Line) const;
  TSourceModel::TLineText LineReader() const;
  /** Called after every replacement the model followed. */
  std::function<void()> OnChanged;

 private:
  void TextReplaced(int Start, int NewLength);

  TMemoComponent* FEditor;
  TSourceModel FModel;
};
