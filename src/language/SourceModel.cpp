/** @file SourceModel.cpp
 ** Re-reading lines after an edit, and the facts gathered over all lines. **/
#include "language/SourceModel.h"

#include <QStringList>
#include <algorithm>

TSourceModel::TSourceModel(const TReference& Reference) : FReference(Reference) {}

void TSourceModel::Reset(int LineCount, const TLineText& Text) {
  FLines.Clear();
  FSlots.clear();
  FFreeSlots.clear();
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

TLexState TSourceModel::Analyse(int Line, TLexState Start, const QString& Text) {
  FTokens.clear();
  TLineInfo Info;
  Info.End = LexLine(Text, Start, FTokens);
  Info.Balance = BalanceOf(Text, FTokens);
  Info.Slot = FLines.At(Line - 1).Slot;
  TLineFacts Facts = AnalyseLine(Text, 0, FTokens, FReference);
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
  // The state the first line after the replaced ones used to start in.
  const TLexState OldJunction =
      OldCount > 0 ? FLines.At(FirstLine + OldCount - 2).End : StateAtStart(FirstLine);
  for (int I = 0; I < OldCount; ++I) FreeSlot(FLines.At(FirstLine - 1 + I).Slot);
  FLines.Delete(FirstLine - 1, OldCount);
  const std::vector<TLineInfo> Fresh(NewCount, TLineInfo{TLexState::Normal, {}, -1});
  FLines.Insert(FirstLine - 1, Fresh.data(), NewCount);
  TLexState State = StateAtStart(FirstLine);
  int Last = FirstLine + NewCount - 1;
  for (int Line = FirstLine; Line <= Last; ++Line) State = Analyse(Line, State, Text(Line));
  TLexState Old = OldJunction;
  for (int Line = Last + 1; Line <= LineCount() && State != Old; ++Line) {
    Old = FLines.At(Line - 1).End;
    State = Analyse(Line, State, Text(Line));
    Last = Line;
  }
  return Last;
}

void TSourceModel::ForEachFacts(const std::function<void(int, const TLineFacts&)>& Visit) const {
  if (FSlots.size() == FFreeSlots.size()) return;
  for (int Line = 1; Line <= LineCount(); ++Line)
    if (const int Slot = FLines.At(Line - 1).Slot; Slot >= 0) Visit(Line, FSlots[Slot]);
}

template <class T>
std::vector<T> TSourceModel::Gather(std::vector<T> TLineFacts::*Items) const {
  std::vector<T> Result;
  ForEachFacts([&](int Line, const TLineFacts& Facts) {
    for (T Item : Facts.*Items) {
      Item.Line = Line;  // lines move with edits; the facts hold none
      Result.push_back(std::move(Item));
    }
  });
  return Result;
}

std::vector<TDeclaration> TSourceModel::Declarations() const {
  return Gather(&TLineFacts::Declarations);
}

std::vector<TTargetUse> TSourceModel::Targets() const {
  return Gather(&TLineFacts::Targets);
}

std::vector<TProblem> TSourceModel::LineProblems() const {
  return Gather(&TLineFacts::Problems);
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
