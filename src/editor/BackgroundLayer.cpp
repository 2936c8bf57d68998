/** @file BackgroundLayer.cpp
 ** Laying marks over the pieces of a row. **/
#include "editor/BackgroundLayer.h"

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"

namespace {
// Markers are chosen for a light background; on a dark one they would wash out the light
// text, so there a marker is the background tinted towards the marker's colour.
TColor MarkerOn(const TBackgroundMark& Mark, TColor Background) {
  constexpr int DarkTintPercent = 35;
  if (Mark.TextColor != clNone) return Mark.Color;  // a text colour of its own goes with it
  const TColor Under = ColorToRGB(Background);
  return Lightness(Under) < 128 ? MixColors(Under, ColorToRGB(Mark.Color), DarkTintPercent) : Mark.Color;
}

TCustomFormattedRange* NewPiece(TMemoComponent& Editor, const TCustomFormattedRange& From,
                                int Start, int End, TColor Color, TColor TextColor) {
  auto* Piece = new TFormattedRange;
  Piece->SetEditor(&Editor);
  Piece->FreeWhenDone = true;
  Piece->SetRStart(Start);
  Piece->SetREnd(End);
  Piece->SetFont(From.Font());
  if (TextColor != clNone) Piece->Font()->SetColor(TextColor);
  Piece->SetColor(Color);
  return Piece;
}
}  // namespace

void ApplyBackgroundMarks(TMemoComponent& Editor, const std::vector<TBackgroundMark>& Marks,
                          TFormattedRangeArray& Items) {
  if (Marks.empty()) return;
  const TSelectionRange& Sel = *Editor.Selection();
  const bool Selected = !Sel.Hidden() && Sel.RLength() > 0;
  TFormattedRangeArray Result;
  Result.reserve(Items.size() + 2 * Marks.size());
  size_t First = 0;  // marks wholly before the current item are done with
  for (TCustomFormattedRange* Item : Items) {
    const int A = Item->RStart();
    const int B = Item->REnd();
    while (First < Marks.size() && Marks[First].End < A)
      ++First;
    const bool InSelection = Selected && A >= Sel.RStart() && B <= Sel.REnd();
    if (InSelection || B < A || First == Marks.size() || Marks[First].Start > B) {
      Result.push_back(Item);
      continue;
    }
    int Pos = A;
    for (size_t M = First; M < Marks.size() && Marks[M].Start <= B; ++M) {
      const TBackgroundMark& Mark = Marks[M];
      const int S = std::max(Pos, Mark.Start);
      const int E = std::min(B, Mark.End);
      if (S > E) continue;
      if (S > Pos) Result.push_back(NewPiece(Editor, *Item, Pos, S - 1, Item->Color(), clNone));
      Result.push_back(NewPiece(Editor, *Item, S, E, MarkerOn(Mark, Item->Color()), Mark.TextColor));
      Pos = E + 1;
    }
    if (Pos <= B) Result.push_back(NewPiece(Editor, *Item, Pos, B, Item->Color(), clNone));
    if (Item->FreeWhenDone) delete Item;
  }
  Items.swap(Result);
}
