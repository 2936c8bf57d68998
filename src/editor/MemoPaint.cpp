/** @file MemoPaint.cpp
 ** Drawing: every drawing of text goes through DrawTextRange, row by row, through the
 ** formatted ranges that GetFormattedRanges makes of each row's visible part. **/
#include <algorithm>
#include <utility>

#include "editor/BackgroundLayer.h"
#include "editor/FormattedRanges.h"
#include "editor/MemoComponent.h"
#include "editor/RowMarks.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
constexpr int GutterThreshold = 44;

bool IsLineBreak(QChar C) {
  return C == u'\r' || C == u'\n';
}

// Expands tabs so that they land on the same stops however a row is split: Remaining
// carries the columns left to the next stop from one piece to the next.
QString ExpandTabs(const QString& Text, int TabSize, int& Remaining) {
  QString Result;
  Result.reserve(Text.size());
  for (QChar C : Text) {
    if (C == u'\t') {
      Result.append(QString(Remaining, u' '));
      Remaining = TabSize;
    } else {
      Result.append(C);
      if (--Remaining <= 0) Remaining += TabSize;
    }
  }
  return Result;
}
}  // namespace

TCanvas& TMemoComponent::DrawingCanvas() {
  if (FBitmapped) {
    UpdateDrawBitmap();
    return DrawBmp->Canvas();
  }
  return Host()->Canvas();
}

void TMemoComponent::Paint() {
  if (!HandleAllocated()) return;
  FSelection->HideCaret();
  if (FBitmapped) {
    UpdateDrawBitmap();
    Host()->Canvas().Draw(0, 0, *DrawBmp);
  } else {
    const TRect Client = ClientRect();
    FillMargins(TRect{0, 0, FLeftMargin, Client.Bottom}, TRect{0, 0, Client.Right, FTopMargin},
                Host()->Canvas());
    FVisibleRange->DrawRange();
  }
  FSelection->ShowCaret();
}

void TMemoComponent::DrawGutter(TCanvas& Canvas) {
  const TRect Client = ClientRect();
  Canvas.SetBrushColor(GutterColors.Fill);
  Canvas.SetPenColor(GutterColors.Outline);
  Canvas.SetPenWidth(5);
  Canvas.Rectangle(TRect{0, -6, FLeftMargin - 5, Client.Bottom + 6});
  Canvas.Font()->SetColor(GutterColors.LineNumber);
  Canvas.Font()->SetStyle(TFontStyles());
  const int LastRow = FVisibleRange->EndRowCol().Row;
  for (int Row = FVisibleRange->FTopRow, K = 0; Row <= LastRow; ++Row, ++K) {
    FRowMarks->PaintGutterCell(Canvas, Row,
                               TRect{0, FontHeight * K, FLeftMargin - 7, FontHeight * (K + 1)},
                               GutterColors.Fill);
    if (LineLength(Row) >= 1) {
      Canvas.TextOut(2, FontHeight * K, QString::number(Row));
    } else {
      Canvas.Font()->SetColor(GutterColors.EmptyRowMark);
      Canvas.TextOut(2, FontHeight * K, QStringLiteral("--"));
      Canvas.Font()->SetColor(GutterColors.LineNumber);
    }
  }
}

void TMemoComponent::DrawTextRange(TCustomRange& R) {
  if (!HandleAllocated() || !HasParent() || FVisibleRange->IsChanging()) return;
  const bool WholeView = &R == FVisibleRange || dynamic_cast<TWholeTextRange*>(&R);
  if (R.RLength() <= 0 && !WholeView && R.RStart() < TextLength()) return;
  if (FGathering == 0) {
    DrawRows(R, true);
  } else if (WholeView) {
    FGatheredWholeView = true;
  } else {
    // An end at column 0 stands before the row's first character: the row draws nothing.
    const TTextCell End = R.EndRowCol();
    FGatheredRows.emplace_back(R.StartRowCol().Row, End.Row - (End.Col < 1 ? 1 : 0) +
                                                        (R.REnd() >= TextLength() ? 1 : 0));
  }
}

void TMemoComponent::HandleInput(const std::function<void()>& Steps) {
  const TGatheredDrawing Gathered(*this);
  TCustomControl::HandleInput(Steps);
}

// Whole rows, each once: overlapping and touching requests are merged first.
void TMemoComponent::DrawGatheredRows() {
  std::vector<std::pair<int, int>> Rows = std::exchange(FGatheredRows, {});
  const bool WholeView = std::exchange(FGatheredWholeView, false);
  if (!HandleAllocated() || !HasParent() || FVisibleRange->IsChanging()) return;
  if (WholeView) {
    DrawRows(*FVisibleRange, true);
    return;
  }
  std::sort(Rows.begin(), Rows.end());
  const int TopRow = FVisibleRange->FTopRow;
  const int BottomRow = TopRow + PageHeight + 2;
  bool WithGutter = true;
  for (size_t I = 0; I < Rows.size();) {
    auto [First, Last] = Rows[I];
    for (++I; I < Rows.size() && Rows[I].first <= Last + 1; ++I)
      Last = std::max(Last, Rows[I].second);
    First = std::max(First, TopRow);
    Last = std::min(Last, BottomRow);
    if (First > Last) continue;
    TMCRange Part;
    Part.SetEditor(this);
    Part.SetRStart(std::min(CellToCharIdx(TextCell(First, 1)), TextLength() + 1));
    Part.SetREnd(std::min(CellToCharIdx(TextCell(Last + 1, 1)) - 1, TextLength()));
    DrawRows(Part, std::exchange(WithGutter, false));
  }
}

void TMemoComponent::MoveGatheredRows(int F, int L, int D) {
  const auto Move = [&](int Row) { return Row <= F ? Row : Row <= L ? F : Row + D; };
  for (auto& [First, Last] : FGatheredRows) {
    First = Move(First);
    Last = Move(Last);
  }
}

void TMemoComponent::DrawRows(TCustomRange& R, bool WithGutter) {
  const TRect Client = ClientRect();
  const int TopRow = FVisibleRange->FTopRow;
  const TTextCell S = R.StartRowCol();
  const TTextCell F = R.EndRowCol();
  const int First = std::max(S.Row, TopRow);
  const int Last =
      std::min(F.Row + (R.REnd() >= TextLength() ? 1 : 0),
               TopRow + PageHeight + 1 + (FVisibleRange->REnd() >= TextLength() ? 1 : 0));
  // A range wholly outside the view draws no row; drawing the gutter again would change no
  // pixel, and an edit can ask for thousands of such ranges (parentheses far below).
  if (WithGutter && FLeftMargin > GutterThreshold && (TextLength() <= 0 || First <= Last)) {
    DrawGutter(Host()->Canvas());
    // Also into the image, or the next paint, which copies the image, would wipe it.
    if (FBitmapped) DrawGutter(DrawingCanvas());
  }
  TCanvas& Canvas = DrawingCanvas();
  const int Caret = FSelection->CursorPos();
  if (!FBitmapped && R.RStart() >= Caret - 1 && R.REnd() <= Caret) FSelection->HideCaret();

  if (TextLength() <= 0) {
    Canvas.SetBrushColor(Color());
    Canvas.FillRect(Client);
  } else {
    const int LeftCol = FVisibleRange->FLeftCol;
    TMCRange P;
    P.SetEditor(this);
    for (int Row = First; Row <= Last; ++Row) {
      int FromCol = 1;
      int ScreenCol = 1;
      if (Row == S.Row) {
        FromCol = S.Col;
        ScreenCol = CellToScrCol(S);
      }
      TTextCell Cell = TextCell(Row, std::max(ScreenCol, LeftCol));
      const int X0 = CellFromScrColToScrCol(Cell);
      const int ToCol =
          std::min(Row == F.Row ? F.Col : LineLength(Row) + 2, FVisibleRange->RightCol());
      const bool PastEnd = CellToCharIdx(TextCell(Row, FromCol - 1)) > TextLength();
      const int Y = (Row - TopRow) * FontHeight + FTopMargin;
      if (PastEnd) {
        P.SetStartRowCol(TextCell(Row + 1, -1));
        if (FSelection->RStart() == TextLength() + 1) FSelection->HideCaret();
        Canvas.SetBrushColor(Color());
        Canvas.FillRect(TRect{FLeftMargin, Y, Client.Right, Y + FontHeight});
      } else if (ToCol >= FromCol) {
        P.SetStartRowCol(TextCell(Row, Cell.Col));
        P.SetEndRowCol(TextCell(Row, ToCol));
        DrawLinePart(&P, (X0 - LeftCol) * FontWidth + FLeftMargin, Y,
                     FTabSize - (X0 - 1) % FTabSize);
      }
      if (Row >= LineCount() || PastEnd) {
        if (FSelection->RStart() >= TextLength()) FSelection->HideCaret();
        Canvas.SetBrushColor(Color());
        Canvas.FillRect(TRect{FLeftMargin, (LineCount() - TopRow + 1) * FontHeight + FTopMargin,
                              Client.Right, Client.Bottom});
      }
    }
  }
  if (FBitmapped)
    Invalidate();
  else
    FSelection->ShowCaret();
}

TRect TMemoComponent::MoveTextPixels(int Top, int Dy) {
  const TRect Client = ClientRect();
  if (Top >= Client.Bottom || Dy == 0) return TRect{};
  const TRect Area{Client.Left + FLeftMargin, Top, Client.Right, Client.Bottom};
  if (!FBitmapped || !DrawBmp) return Host()->ScrollWindow(Dy, Area);
  DrawBmp->CopyWithin(TRect{FLeftMargin, Top, DrawBmp->Width(), DrawBmp->Height()}, FLeftMargin,
                      Top + Dy);
  Invalidate();
  return Dy > 0 ? TRect{FLeftMargin, Top, Client.Right, std::min(Top + Dy, Client.Bottom)}
                : TRect{FLeftMargin, std::max(Client.Bottom + Dy, Top), Client.Right,
                        Client.Bottom};
}

void TMemoComponent::DrawRowsIn(const TRect& Band) {
  if (IsRectEmpty(Band)) return;
  const int TopRow = FVisibleRange->FTopRow;
  TMCRange Rows;
  Rows.SetEditor(this);
  Rows.SetStartRowCol(TextCell(TopRow + (Band.Top - FTopMargin) / CellHeight(), 1));
  Rows.SetEndRowCol(TextCell(TopRow + (Band.Bottom - FTopMargin - 1) / CellHeight() + 1, 0));
  Rows.DrawRange();
}

void TMemoComponent::DrawLinePart(TCustomRange* Range, int X, int Y, int FirstTabWidth) {
  if (!HandleAllocated()) return;
  if (Range->RLength() <= 0 && Range->REnd() < TextLength()) return;
  TCanvas& Canvas = DrawingCanvas();
  TFormattedRangeArray Items;
  GetFormattedRanges(Range, Items);
  if (!FBackgroundLayers.empty()) {
    std::vector<TBackgroundMark> Marks;
    for (TBackgroundLayer* Layer : FBackgroundLayers)
      Layer->CollectMarks(Range->RStart(), Range->REnd(), Marks);
    std::stable_sort(Marks.begin(), Marks.end(),
                     [](const TBackgroundMark& L, const TBackgroundMark& R) { return L.Start < R.Start; });
    ApplyBackgroundMarks(*this, Marks, Items);
  }
  const int ClientWidth = ClientRect().Right;
  TRect Rect{X, Y, X, Y + FontHeight};
  int Remaining = FirstTabWidth;
  for (TCustomFormattedRange* Item : Items) {
    if (Item->RLength() > 0) {
      Canvas.SetBrushColor(Item->Color());
      if (Item->Font()) Canvas.Font()->Assign(Item->Font());
      QString Str = Item->Text();
      const int End = Item->REnd();
      const bool EndsRow = End <= TextLength() && IsLineBreak(CharAt(End));
      if (CharAt(End) == u'\n')
        Str.chop(2);
      else if (CharAt(End) == u'\r')
        Str.chop(1);
      Str = ExpandTabs(Str, FTabSize, Remaining);
      Rect.Right = EndsRow ? ClientWidth : Rect.Left + static_cast<int>(Str.size()) * FontWidth;
      const TPoint Origin{Rect.Left, Rect.Top};
      Rect.Left = std::max(Rect.Left, FLeftMargin);
      if (Rect.Right > Rect.Left) Canvas.TextRect(Rect, Origin.X, Origin.Y, Str);
      Rect.Left = Rect.Right;
    }
    if (Item->FreeWhenDone) delete Item;
  }
  if (Range->REnd() >= TextLength()) {
    Rect.Left = std::max(Rect.Left, FLeftMargin);
    Rect.Right = ClientWidth;
    Canvas.SetBrushColor(Color());
    Canvas.FillRect(Rect);
  }
}

void TMemoComponent::GetFormattedRanges(TCustomRange* Range, TFormattedRangeArray& Items) {
  auto Append = [&](TCustomFormattedRange* Item, int Start, int End) {
    Item->SetEditor(this);
    Item->FreeWhenDone = true;
    Item->SetRStart(Start);
    Item->SetREnd(End);
    Items.push_back(Item);
    return Item;
  };
  int A = Range->RStart();
  const TSelectionRange& Sel = *FSelection;
  if (!Sel.Hidden() && Sel.RLength() > 0) {
    const int B = std::min(Sel.RStart() - 1, Range->REnd());
    if (B >= A) Append(new TNormalFormattedRange, A, B);
    const int C = std::max(Sel.RStart(), Range->RStart());
    const int D = std::min(Sel.REnd(), Range->REnd());
    if (D >= C) {
      auto* Highlight = new TFormattedRange;
      Highlight->SetColor(clHighlight);
      Highlight->SetFont(Font());
      Highlight->Font()->SetColor(clHighlightText);
      Append(Highlight, C, D);
    }
    A = std::max(Sel.REnd() + 1, Range->RStart());
  }
  if (A <= Range->REnd()) Append(new TNormalFormattedRange, A, Range->REnd());
}

void TMemoComponent::AddBackgroundLayer(TBackgroundLayer* Layer) {
  FBackgroundLayers.push_back(Layer);
}

void TMemoComponent::RemoveBackgroundLayer(TBackgroundLayer* Layer) {
  std::erase(FBackgroundLayers, Layer);
}

void TMemoComponent::FillMargins(const TRect& LeftRect, const TRect& TopRect, TCanvas& Canvas) {
  Canvas.SetBrushColor(Color());
  Canvas.FillRect(LeftRect);
  Canvas.FillRect(TopRect);
}

void TMemoComponent::UpdateDrawBitmap() {
  if (!FBitmapped) {
    DrawBmp.reset();
    return;
  }
  if (!HandleAllocated()) return;
  if (!DrawBmp) DrawBmp = Host()->CreateBitmap();
  const TRect Client = ClientRect();
  if (DrawBmp->Width() == Client.Width() && DrawBmp->Height() == Client.Height()) return;
  DrawBmp->SetSize(Client.Width(), Client.Height());
  FillMargins(TRect{0, 0, FLeftMargin, Client.Bottom}, TRect{0, 0, Client.Right, FTopMargin},
              DrawBmp->Canvas());
}

void TMemoComponent::SetBitmapped(bool Value) {
  FBitmapped = Value;
  if (!Value) DrawBmp.reset();
}
