/** @file SourceModel.cpp
 ** Re-reading lines after an edit, and the facts gathered over all lines. **/
#include "language/SourceModel.h"

#include <QStringList>
#include <algorithm>
#include <limits>

TSourceModel::TSourceModel(const TReference& Reference) : FReference(Reference) {}

void TSourceModel::Reset(int LineCount, const TLineText& Text) {
  FLines.Clear();
  FSlots.clear();
  FFreeSlots.clear();
  FUnreadFirst = FUnreadLast = 0;
  ReplaceLines(1, 0, LineCount, Text);
}

void TSourceModel::SetText(const QString& Text) {
  QStringList Lines = Text.split(u'\n');
  for (QString& Line : Lines)
    if (Line.endsWith(u'\r')) Line.chop(1);
  Reset(static_cast<int>(Lines.size()), [&](int Line) { return Lines[Line - 1]; });
}

TLexState TSourceModel::StateAtStart(int Line) const {
  return Line <= 1 ? TLexState::Normal : FLines.At(Line - 2).End;
}

void TSourceModel::FreeSlot(int Slot) {
  if (Slot < 0) return;
  FSlots[Slot] = TLineFacts();
  FFreeSlots.push_back(Slot);
}

TLexState TSourceModel::Analyse(int Line, TLexState Start, const QString& Text,
                                const TDeclarationReader& Declarations) {
  FTokens.clear();
  TLineInfo Info;
  Info.End = LexLine(Text, Start, FTokens);
  Info.Balance = BalanceOf(Text, FTokens);
  Info.Slot = FLines.At(Line - 1).Slot;
  TLineFacts Facts = AnalyseLine(Text, 0, FTokens, FReference);
  if (Declarations) {
    Facts.Declarations = Declarations(Line, Text);
    for (TDeclaration& D : Facts.Declarations) D.Line = 0;  // lines move with edits; the facts hold none
  }
  if (HasDeclarations(Info.Slot) ? FSlots[Info.Slot].Declarations != Facts.Declarations
                                 : !Facts.Declarations.empty())
    ++FDeclarationsRevision;
  if (Facts.Empty()) {
    FreeSlot(Info.Slot);
    Info.Slot = -1;
  } else {
    if (Info.Slot < 0) {
      if (FFreeSlots.empty()) {
        Info.Slot = static_cast<int>(FSlots.size());
        FSlots.emplace_back();
      } else {
        Info.Slot = FFreeSlots.back();
        FFreeSlots.pop_back();
      }
    }
    FSlots[Info.Slot] = std::move(Facts);
  }
  FLines.SetAt(Line - 1, Info);
  return Info.End;
}

int TSourceModel::ReplaceLines(int FirstLine, int OldCount, int NewCount, const TLineText& Text) {
  int Last = FirstLine + NewCount - 1;
  MarkReplaced(FirstLine, OldCount, NewCount);
  ReadUnread(std::numeric_limits<int>::max(), Text, nullptr, &Last);
  return Last;
}

void TSourceModel::MarkReplaced(int FirstLine, int OldCount, int NewCount) {
  const int OldLast = FirstLine + OldCount - 1;
  // The state the line after the replaced ones started in; an unread line has none yet.
  if (!HasUnread() || OldLast > FUnreadLast) FJunction = OldLast >= 1 ? FLines.At(OldLast - 1).End : TLexState::Normal;
  bool DeclarationsMove = OldCount != NewCount;
  for (int I = 0; I < OldCount; ++I) {
    const int Slot = FLines.At(FirstLine - 1 + I).Slot;
    DeclarationsMove = DeclarationsMove || HasDeclarations(Slot);
    FreeSlot(Slot);
  }
  if (DeclarationsMove) ++FDeclarationsRevision;
  FLines.Delete(FirstLine - 1, OldCount);
  const std::vector<TLineInfo> Fresh(NewCount, TLineInfo{TLexState::Normal, {}, -1});
  FLines.Insert(FirstLine - 1, Fresh.data(), NewCount);
  const int NewLast = FirstLine + NewCount - 1;
  if (!HasUnread()) {
    FUnreadFirst = FirstLine;
    FUnreadLast = NewLast;
    return;
  }
  // The unread lines moved by this replacement, joined with the replaced ones.
  const auto Moved = [&](int Line, int Inside) {
    return Line < FirstLine ? Line : Line > OldLast ? Line + NewCount - OldCount : Inside;
  };
  FUnreadFirst = std::min(Moved(FUnreadFirst, FirstLine), FirstLine);
  FUnreadLast = std::max(Moved(FUnreadLast, NewLast), NewLast);
}

bool TSourceModel::ReadUnread(int MaxLines, const TLineText& Text, const TDeclarationReader& Declarations,
                              int* LastRead) {
  for (int Read = 0; HasUnread() && Read < MaxLines;) {
    if (FUnreadFirst > FUnreadLast) {
      // The line after the read ones is read again only when the state carried into it changed.
      const int Next = FUnreadLast + 1;
      if (Next > LineCount() || StateAtStart(Next) == FJunction) {
        FUnreadFirst = FUnreadLast = 0;
        break;
      }
      FJunction = FLines.At(Next - 1).End;
      FUnreadLast = Next;
      continue;
    }
    const int Line = FUnreadFirst++;
    Analyse(Line, StateAtStart(Line), Text(Line), Declarations);
    if (LastRead) *LastRead = Line;
    ++Read;
  }
  return !HasUnread();
}

void TSourceModel::ForEachFacts(int First, int Last,
                                const std::function<void(int, const TLineFacts&)>& Visit) const {
  if (FSlots.size() == FFreeSlots.size()) return;
  for (int Line = std::max(First, 1); Line <= std::min(Last, LineCount()); ++Line)
    if (const int Slot = FLines.At(Line - 1).Slot; Slot >= 0) Visit(Line, FSlots[Slot]);
}

template <class T>
void TSourceModel::Gather(std::vector<T> TLineFacts::*Items, int First, int Last, std::vector<T>& Out) const {
  ForEachFacts(First, Last, [&](int Line, const TLineFacts& Facts) {
    for (T Item : Facts.*Items) {
      Item.Line = Line;
      Out.push_back(std::move(Item));
    }
  });
}

std::vector<TDeclaration> TSourceModel::Declarations() const {
  std::vector<TDeclaration> Result;
  Declarations(1, LineCount(), Result);
  return Result;
}

std::vector<TTargetUse> TSourceModel::Targets() const {
  std::vector<TTargetUse> Result;
  Targets(1, LineCount(), Result);
  return Result;
}

std::vector<TProblem> TSourceModel::LineProblems() const {
  std::vector<TProblem> Result;
  LineProblems(1, LineCount(), Result);
  return Result;
}

void TSourceModel::Declarations(int First, int Last, std::vector<TDeclaration>& Out) const {
  Gather(&TLineFacts::Declarations, First, Last, Out);
}

void TSourceModel::Targets(int First, int Last, std::vector<TTargetUse>& Out) const {
  Gather(&TLineFacts::Targets, First, Last, Out);
}

void TSourceModel::LineProblems(int First, int Last, std::vector<TProblem>& Out) const {
  Gather(&TLineFacts::Problems, First, Last, Out);
}

TDeclaration EnclosingDeclaration(const std::vector<TDeclaration>& Declarations, int Line) {
  // Declarations are in line order: the last one at or above Line that is not a label wins.
  auto End = std::upper_bound(Declarations.begin(), Declarations.end(), Line,
                              [](int L, const TDeclaration& D) { return L < D.Line; });
  for (auto It = End; It != Declarations.begin();) {
    --It;
    if (It->Kind != u"label") return *It;
  }
  return End == Declarations.begin() ? TDeclaration() : *(End - 1);
}
