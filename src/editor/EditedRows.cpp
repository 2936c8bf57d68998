/** @file EditedRows.cpp
 ** A row's width is the screen position after walking its characters; around an edit the
 ** row is A + (old or new text) + B. A tab moves the position to the next stop, so walking
 ** a text from P + k * TabSize ends k * TabSize further than from P: after A's last tab the
 ** position is known modulo the tab size, and the old width gives the rest. B adds its
 ** length without tabs; with them its first tab moves the position to a stop, after which
 ** the rest of B adds what it added before the edit. **/
#include "editor/EditedRows.h"

namespace {
int NextStop(int Position, int TabSize) {
  return (Position / TabSize + 1) * TabSize;
}

int LengthOf(QStringView Text) {
  return static_cast<int>(Text.size());
}

TRowShape Measure(QStringView Text, int TabSize, int Position = 0) {
  // Most rows hold no tab: their width is their length, without a walk over a big load.
  if (!Text.contains(u'\t')) return TRowShape{Position + LengthOf(Text)};
  return MeasureChars([Text](int I) { return Text[I]; }, LengthOf(Text), TabSize, Position);
}

/** The tabs of X followed by Y, X being LengthX long; the width is Y's. */
TRowShape Joined(TRowShape X, int LengthX, TRowShape Y) {
  const int First = X.FirstTab >= 0 ? X.FirstTab : Y.FirstTab >= 0 ? LengthX + Y.FirstTab : -1;
  const int Last = Y.LastTab >= 0 ? LengthX + Y.LastTab : X.LastTab;
  return TRowShape{Y.Width, First, Last};
}

/** A, the unchanged start of the first row touched: its tabs, and the screen position
    where it ends. */
struct TPartA {
  TRowShape Shape;
  bool Exact = true;  ///< else Shape.Width is right only modulo the tab size
};

/** B, the unchanged end of the last row touched. */
struct TPartB {
  int Start = 0;  ///< its offset in the old row
  int Length = 0;
  TRowShape Tabs;
};

TPartB FindB(const TRowsEdit& Edit, bool OneRow, int RemovedOnLastRow) {
  const TRowShape& L = Edit.OldLast;
  TPartB B;
  B.Start = (OneRow ? Edit.Offset : 0) + RemovedOnLastRow;
  B.Length = Edit.OldLastLength - B.Start;
  B.Tabs.LastTab = L.LastTab >= B.Start ? L.LastTab - B.Start : -1;
  B.Tabs.FirstTab = L.FirstTab >= B.Start ? L.FirstTab - B.Start : -1;
  if (B.Tabs.FirstTab < 0 && B.Tabs.LastTab >= 0) {
    // The row's first tab was removed: read on to the nearer one.
    B.Tabs.FirstTab = 0;
    while (B.Tabs.FirstTab < B.Tabs.LastTab && Edit.CharOfB(B.Tabs.FirstTab) != u'\t')
      ++B.Tabs.FirstTab;
  }
  return B;
}

TPartA FindA(const TRowsEdit& Edit, bool OneRow, QStringView R0, const TPartB& B) {
  const TRowShape& F = Edit.OldFirst;
  const int T = Edit.TabSize;
  TPartA A;
  A.Shape.FirstTab = F.FirstTab >= 0 && F.FirstTab < Edit.Offset ? F.FirstTab : -1;
  A.Shape.LastTab = F.LastTab < Edit.Offset ? F.LastTab : -1;
  if (A.Shape.LastTab < 0 && A.Shape.FirstTab >= 0) {
    // A tab on each side of the edit: read back to the nearer one.
    A.Shape.LastTab = Edit.Offset - 1;
    while (A.Shape.LastTab > A.Shape.FirstTab && Edit.CharOfA(A.Shape.LastTab) != u'\t')
      --A.Shape.LastTab;
  }
  A.Shape.Width = Edit.Offset;
  if (A.Shape.LastTab < 0) return A;
  if (F.LastTab < Edit.Offset) {
    A.Shape.Width = F.Width - (Edit.OldFirstLength - Edit.Offset);
    return A;
  }
  // The position after A's last tab is a stop; the old width gives the stop.
  const int Modulo = (Edit.Offset - A.Shape.LastTab - 1) % T;
  if (!OneRow || B.Tabs.LastTab < 0) {
    const int After = Measure(R0, T, Modulo).Width + (OneRow ? B.Length : 0);
    A.Shape.Width = F.Width - After + Modulo;
  } else {
    A.Shape.Width = Modulo;
    A.Exact = false;
  }
  return A;
}
}  // namespace

TRowShapes ShapesAfterEdit(const TRowsEdit& Edit) {
  const int T = Edit.TabSize;
  // The first row of Removed ends A's row; its last row begins B's.
  const qsizetype FirstBreak = Edit.Removed.indexOf(u'\r');
  const bool OneRow = FirstBreak < 0;
  const QStringView R0 = OneRow ? Edit.Removed : Edit.Removed.first(FirstBreak);
  const QStringView Rm =
      OneRow ? Edit.Removed : Edit.Removed.sliced(Edit.Removed.lastIndexOf(u'\r') + 2);
  const TPartB B = FindB(Edit, OneRow, LengthOf(Rm));
  TPartA A = FindA(Edit, OneRow, R0, B);
  // Rows split between two tabs need A's exact end; only reading A gives it.
  if (!A.Exact && Edit.Inserted.contains(u'\r')) {
    A.Shape = MeasureChars(Edit.CharOfA, Edit.Offset, T);
    A.Exact = true;
  }

  // Measured from the same start as the new text, an inexact start cancels out.
  int RestOfB = 0;
  if (B.Tabs.FirstTab >= 0) {
    const int OldEnd = Measure(Rm, T, OneRow ? A.Shape.Width : 0).Width;
    RestOfB = Edit.OldLast.Width - NextStop(OldEnd + B.Tabs.FirstTab, T);
  }
  const auto WithB = [&](TRowShape Shape, int Length) {
    TRowShape Joint = Joined(Shape, Length, B.Tabs);
    Joint.Width = B.Tabs.FirstTab < 0 ? Shape.Width + B.Length
                                      : NextStop(Shape.Width + B.Tabs.FirstTab, T) + RestOfB;
    return Joint;
  };

  TRowShapes Shapes;
  Shapes.reserve(static_cast<std::size_t>(Edit.Inserted.count(u'\r')) + 1);
  TRowShape Start = A.Shape;
  int StartLength = Edit.Offset;
  for (qsizetype From = 0;;) {
    const qsizetype Break = Edit.Inserted.indexOf(u'\r', From);
    const QStringView Piece =
        Edit.Inserted.sliced(From, (Break < 0 ? Edit.Inserted.size() : Break) - From);
    const TRowShape Row = Joined(Start, StartLength, Measure(Piece, T, Start.Width));
    if (Break < 0) {
      Shapes.push_back(WithB(Row, StartLength + LengthOf(Piece)));
      return Shapes;
    }
    Shapes.push_back(Row);
    From = Break + 2;
    Start = TRowShape{};
    StartLength = 0;
  }
}
