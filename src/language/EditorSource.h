/** @file EditorSource.h
 ** Keeps a source model in step with an editor. A replacement only notes where the text
 ** changed; the rows there are re-read when the owner asks, in steps as small as it likes,
 ** so a keystroke costs the same whatever the file. Declarations come from the editor's
 ** syntax chain. **/
#pragma once

#include "language/SourceModel.h"

class TSourceEdit;

class TEditorSource {
 public:
  /** Reads Editor's text and follows its replacements until destroyed. */
  TEditorSource(TSourceEdit* Editor, const TReference& Reference);
  ~TEditorSource();
  TEditorSource(const TEditorSource&) = delete;
  TEditorSource& operator=(const TEditorSource&) = delete;

  /** The facts as of the last read: behind the editor while Changed(). */
  const TSourceModel& Model() const { return FModel; }
  /** Text was replaced since the model last read every changed row. */
  bool Changed() const { return FNoteStart > 0 || FModel.HasUnread(); }
  /** Reads at most MaxLines changed rows; true when the model is up to date. */
  bool Read(int MaxLines);
  /** Reads every changed row now. */
  void Sync();
  QString LineText(int Line) const;
  TSourceModel::TLineText LineReader() const;
  /** Called after every replacement, with nothing read yet. */
  std::function<void()> OnChanged;

 private:
  void TextReplaced(int Start, int OldLength, int NewLength);
  /** Hands the noted characters to the model as replaced rows. */
  void MarkNoted();

  TSourceEdit* FEditor;
  TSourceModel FModel;
  // The characters replaced since the last read, as positions in today's text (End is the
  // one after the last new character); FNoteStart is 0 when nothing changed.
  int FNoteStart = 0;
  int FNoteEnd = 0;
};
