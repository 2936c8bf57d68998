/** @file EditedRows.h
 ** The shapes of the rows an edit leaves, worked out from what it changed and from the
 ** stored shapes of the rows it touched, so that an edit in a long row does not measure the
 ** row again. The unchanged text around the edit is read only when the edit lies between
 ** two tabs of its row, and then only back and forth to the nearest tabs; an edit that
 ** splits such a row into several reads the text before it. **/
#pragma once

#include <QChar>
#include <QStringView>
#include <functional>
#include <vector>

#include "editor/RowWidths.h"

/** An edit replacing Removed by Inserted (rows joined by CR LF in both) at a point Offset
    characters into its first row. A is the unchanged text of that row before the point, B
    the unchanged text of the last row touched after the removed text. */
struct TRowsEdit {
  int TabSize = 1;
  TRowShape OldFirst;      ///< the first row touched, before the edit
  TRowShape OldLast;       ///< the last row touched (the same row when Removed has no break)
  int OldFirstLength = 0;  ///< characters of the first row touched, without its line break
  int OldLastLength = 0;   ///< and of the last
  int Offset = 0;          ///< characters of A
  QStringView Removed;
  QStringView Inserted;
  std::function<QChar(int)> CharOfA;  ///< A's character at a 0-based index
  std::function<QChar(int)> CharOfB;  ///< B's character at a 0-based index
};

/** One shape for every row of Inserted, the first joined with A and the last with B. */
TRowShapes ShapesAfterEdit(const TRowsEdit& Edit);

/** The tab rule: a tab moves screen position P to the next multiple of TabSize above it. */
inline int AdvanceColumn(int Position, QChar C, int TabSize) {
  return C == u'\t' ? (Position / TabSize + 1) * TabSize : Position + 1;
}

/** The shape of Length characters read through CharAt(0) to CharAt(Length - 1), starting
    at screen position Position. */
template <class TCharAt>
TRowShape MeasureChars(const TCharAt& CharAt, int Length, int TabSize, int Position = 0) {
  TRowShape Shape{Position};
  for (int I = 0; I < Length; ++I) {
    const QChar C = CharAt(I);
    Shape.Width = AdvanceColumn(Shape.Width, C, TabSize);
    if (C == u'\t') {
      if (Shape.FirstTab < 0) Shape.FirstTab = I;
      Shape.LastTab = I;
    }
  }
  return Shape;
}
