/** @file ProblemMarks.cpp **/
#include "studio/language/ProblemMarks.h"

#include <algorithm>

#include "editor/MemoComponent.h"
#include "editor/RowMarks.h"

const QString TProblemMarks::Owner = QStringLiteral("language");

namespace {
int RowOf(const TProblem& Problem, const TMemoComponent* Editor) {
  return std::clamp(Problem.Line, 1, Editor->LineCount());
}
}  // namespace

bool TProblemMarks::Standing(const std::vector<TProblem>& Problems) const {
  if (Problems != FMarked) return false;
  std::vector<int> Rows;
  Rows.reserve(Problems.size());
  for (const TProblem& P : Problems) Rows.push_back(RowOf(P, FEditor));
  std::sort(Rows.begin(), Rows.end());
  return Rows == FEditor->RowMarks()->RowsOf(Owner);
}

void TProblemMarks::SetProblems(const std::vector<TProblem>& Problems) {
  if (Standing(Problems)) return;
  TRowMarks* Marks = FEditor->RowMarks();
  Marks->Clear(Owner);
  for (const TProblem& P : Problems)
    Marks->Add(Owner, RowOf(P, FEditor),
               P.Severity == TSeverity::Error ? TRowMarkKind::Error : TRowMarkKind::Warning, P.Message);
  FMarked = Problems;
}
