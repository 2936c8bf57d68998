/** @file RowMarks.h
 ** Marks on rows of an editor's text (build errors and warnings, live checks): painted in
 ** the gutter, with a message for the row's tool tip. Each mark holds a tracked range over
 ** its row, so it follows edits; a mark whose row is deleted or retyped whole goes with it. **/
#pragma once

#include <QString>
#include <vector>

#include "platform/core/Geometry.h"
#include "platform/core/Graphics.h"

class TCanvas;
class TCustomRange;
class TMemoComponent;

/** Ordered by weight: a row with several marks shows the strongest. */
enum class TRowMarkKind { Note, Warning, Error };

class TRowMarks {
 public:
  explicit TRowMarks(TMemoComponent* Editor);
  ~TRowMarks();
  TRowMarks(const TRowMarks&) = delete;
  TRowMarks& operator=(const TRowMarks&) = delete;

  /** Marks Row (limited to the text's rows) for Owner; answers the mark's id. */
  int Add(const QString& Owner, int Row, TRowMarkKind Kind, const QString& Message);
  /** Removes every mark of Owner and repaints the gutter. */
  void Clear(const QString& Owner);
  /** The row the mark stands on now; 0 once it is gone. */
  int RowOf(int Id) const;
  /** Marks still standing. */
  int Count() const;
  /** The rows Owner's standing marks are on, in text order. */
  std::vector<int> RowsOf(const QString& Owner) const;
  /** The strongest kind on Row; false when the row has no mark. */
  bool KindAt(int Row, TRowMarkKind& Kind) const;
  /** The messages of the marks on Row, one a line. */
  QString MessagesAt(int Row) const;
  /** The tool tip at a client point: the messages of the row there, inside the gutter only. */
  QString ToolTipAt(int X, int Y) const;
  /** The gutter painter's hook: fills Cell in the colour of Row's strongest mark with a
      strip at its right edge, and leaves the brush in the colour the row number goes on
      (Fill for a row without a mark). */
  void PaintGutterCell(TCanvas& Canvas, int Row, const TRect& Cell, TColor Fill) const;

 private:
  struct TMark {
    int Id;
    QString Owner;
    TRowMarkKind Kind;
    QString Message;
    TCustomRange* Range;
    bool Gone;
    bool HadText;  ///< the row held text: a mark whose range is emptied has lost its row
    bool Standing() const;
  };
  /** Index of the first mark that starts at or after Pos; marks stay in text order because
      edits move positions monotonically. */
  std::size_t FirstAtOrAfter(int Pos) const;
  template <typename Visit>
  void ForEachOnRow(int Row, Visit&& V) const;
  void RepaintGutter() const;

  TMemoComponent* FEditor;
  std::vector<TMark> FMarks;
  int FNextId = 1;
};
