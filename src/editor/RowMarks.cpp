/** @file RowMarks.cpp **/
#include "editor/RowMarks.h"

#include <QStringList>
#include <algorithm>

#include "editor/MemoComponent.h"
#include "editor/VisibleRange.h"
#include "platform/core/Canvas.h"

namespace {
// The strip at the edge tells the kind at a glance.
TColor StripColor(TRowMarkKind Kind) {
  switch (Kind) {
    case TRowMarkKind::Error:
      return 0x2828D0;
    case TRowMarkKind::Warning:
      return 0x0098E0;
    case TRowMarkKind::Note:
      break;
  }
  return 0xD07030;
}

constexpr int StripWidth = 4;
constexpr int CellTintPercent = 30;
}  // namespace

bool TRowMarks::TMark::Standing() const {
  return !Gone && (!HadText || Range->RLength() > 0);
}

TRowMarks::TRowMarks(TMemoComponent* Editor) : FEditor(Editor) {}

TRowMarks::~TRowMarks() {
  for (TMark& Mark : FMarks)
    delete Mark.Range;
}

int TRowMarks::Add(const QString& Owner, int Row, TRowMarkKind Kind, const QString& Message) {
  Row = std::clamp(Row, 1, FEditor->LineCount());
  TCustomRange* Range = FEditor->TrackedRanges()->Add();
  Range->SetRStart(FEditor->CellToCharIdx(TextCell(Row, 1)));
  Range->SetRLength(FEditor->LineLength(Row));
  const int Id = FNextId++;
  // Only flagged here: the handler runs inside the edit's visit of the ranges.
  Range->OnOverwrite = [this, Id](TObject*) {
    for (TMark& Mark : FMarks)
      if (Mark.Id == Id) Mark.Gone = true;
  };
  const auto At = FMarks.begin() + static_cast<std::ptrdiff_t>(FirstAtOrAfter(Range->RStart() + 1));
  FMarks.insert(At, TMark{Id, Owner, Kind, Message, Range, false, Range->RLength() > 0});
  RepaintGutter();
  return Id;
}

void TRowMarks::Clear(const QString& Owner) {
  const auto Removed = std::remove_if(FMarks.begin(), FMarks.end(), [&](TMark& Mark) {
    if (Mark.Owner != Owner) return false;
    delete Mark.Range;
    return true;
  });
  if (Removed == FMarks.end()) return;
  FMarks.erase(Removed, FMarks.end());
  RepaintGutter();
}

int TRowMarks::RowOf(int Id) const {
  for (const TMark& Mark : FMarks)
    if (Mark.Id == Id) return Mark.Standing() ? Mark.Range->StartRowCol().Row : 0;
  return 0;
}

int TRowMarks::Count() const {
  return static_cast<int>(
      std::count_if(FMarks.begin(), FMarks.end(), [](const TMark& Mark) { return Mark.Standing(); }));
}

std::vector<int> TRowMarks::RowsOf(const QString& Owner) const {
  std::vector<int> Rows;
  for (const TMark& Mark : FMarks)
    if (Mark.Owner == Owner && Mark.Standing()) Rows.push_back(Mark.Range->StartRowCol().Row);
  return Rows;
}

std::size_t TRowMarks::FirstAtOrAfter(int Pos) const {
  const auto It = std::partition_point(FMarks.begin(), FMarks.end(), [Pos](const TMark& Mark) {
    return Mark.Range->RStart() < Pos;
  });
  return static_cast<std::size_t>(It - FMarks.begin());
}

template <typename Visit>
void TRowMarks::ForEachOnRow(int Row, Visit&& V) const {
  if (Row < 1 || Row > FEditor->LineCount()) return;
  const int RowStart = FEditor->CellToCharIdx(TextCell(Row, 1));
  const int NextStart = FEditor->CellToCharIdx(TextCell(Row + 1, 1));
  for (std::size_t I = FirstAtOrAfter(RowStart); I < FMarks.size(); ++I) {
    const TMark& Mark = FMarks[I];
    if (Mark.Range->RStart() >= NextStart) break;
    if (Mark.Standing()) V(Mark);
  }
}

bool TRowMarks::KindAt(int Row, TRowMarkKind& Kind) const {
  bool Found = false;
  ForEachOnRow(Row, [&](const TMark& Mark) {
    if (!Found || Mark.Kind > Kind) Kind = Mark.Kind;
    Found = true;
  });
  return Found;
}

QString TRowMarks::MessagesAt(int Row) const {
  QStringList Messages;
  ForEachOnRow(Row, [&](const TMark& Mark) { Messages << Mark.Message; });
  return Messages.join(u'\n');
}

QString TRowMarks::ToolTipAt(int X, int Y) const {
  if (FEditor->FontHeight <= 0 || X < 0 || X >= FEditor->LeftMargin()) return QString();
  const int Offset = Y - FEditor->TopMargin();
  if (Offset < 0) return QString();
  return MessagesAt(FEditor->VisibleRange()->FTopRow + Offset / FEditor->FontHeight);
}

void TRowMarks::PaintGutterCell(TCanvas& Canvas, int Row, const TRect& Cell, TColor Fill) const {
  TRowMarkKind Kind;
  if (FMarks.empty() || !KindAt(Row, Kind)) {
    Canvas.SetBrushColor(Fill);
    return;
  }
  const TColor Strip = StripColor(Kind);
  Canvas.SetBrushColor(Strip);
  Canvas.FillRect(TRect{Cell.Right - StripWidth, Cell.Top, Cell.Right, Cell.Bottom});
  // The gutter's own colour tinted by the strip's: the row number stays as readable as on any
  // other row, in a light gutter and in a dark one.
  Canvas.SetBrushColor(MixColors(ColorToRGB(Fill), Strip, CellTintPercent));
  Canvas.FillRect(TRect{Cell.Left, Cell.Top, Cell.Right - StripWidth, Cell.Bottom});
}

void TRowMarks::RepaintGutter() const {
  FEditor->Invalidate();
}
