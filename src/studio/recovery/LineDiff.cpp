/** @file LineDiff.cpp **/
#include "studio/recovery/LineDiff.h"

namespace {
/** Beyond this many cells the table would cost more than the view is worth. */
constexpr qint64 MaxTableCells = 4'000'000;
}

std::vector<TDiffLine> DiffLines(const QStringList& Old, const QStringList& New) {
  qsizetype Head = 0;
  while (Head < Old.size() && Head < New.size() && Old[Head] == New[Head])
    ++Head;
  qsizetype Tail = 0;
  while (Tail < Old.size() - Head && Tail < New.size() - Head &&
         Old[Old.size() - 1 - Tail] == New[New.size() - 1 - Tail])
    ++Tail;
  const qsizetype N = Old.size() - Head - Tail, M = New.size() - Head - Tail;
  std::vector<TDiffLine> Result;
  for (qsizetype I = 0; I < Head; ++I)
    Result.push_back({TDiffLine::Same, Old[I]});
  if (N * M <= MaxTableCells) {
    // Lengths of the longest common subsequences of the suffixes.
    std::vector<int> Table((N + 1) * (M + 1), 0);
    auto At = [&](qsizetype I, qsizetype J) -> int& { return Table[I * (M + 1) + J]; };
    for (qsizetype I = N - 1; I >= 0; --I)
      for (qsizetype J = M - 1; J >= 0; --J)
        At(I, J) = Old[Head + I] == New[Head + J] ? At(I + 1, J + 1) + 1
                                                  : std::max(At(I + 1, J), At(I, J + 1));
    qsizetype I = 0, J = 0;
    while (I < N || J < M) {
      if (I < N && J < M && Old[Head + I] == New[Head + J]) {
        Result.push_back({TDiffLine::Same, Old[Head + I++]});
        ++J;
      } else if (I < N && (J == M || At(I + 1, J) >= At(I, J + 1))) {
        Result.push_back({TDiffLine::Removed, Old[Head + I++]});
      } else {
        Result.push_back({TDiffLine::Added, New[Head + J++]});
      }
    }
  } else {
    for (qsizetype I = 0; I < N; ++I)
      Result.push_back({TDiffLine::Removed, Old[Head + I]});
    for (qsizetype J = 0; J < M; ++J)
      Result.push_back({TDiffLine::Added, New[Head + J]});
  }
  for (qsizetype I = Old.size() - Tail; I < Old.size(); ++I)
    Result.push_back({TDiffLine::Same, Old[I]});
  return Result;
}

QString UnifiedDiff(const QString& OldName, const QString& NewName,
                    const std::vector<TDiffLine>& Lines) {
  QString Text = QStringLiteral("--- %1\n+++ %2\n").arg(OldName, NewName);
  for (const TDiffLine& Line : Lines) {
    Text += Line.Kind == TDiffLine::Same ? u' ' : Line.Kind == TDiffLine::Removed ? u'-' : u'+';
    Text += Line.Text;
    Text += u'\n';
  }
  return Text;
}
