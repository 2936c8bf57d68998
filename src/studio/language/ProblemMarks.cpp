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
  // Marks move with the text: problems that only moved to other rows (an Enter above them)
  // are marked already when the rows agree.
  const auto SameButRow = [](const TProblem& A, const TProblem& B) {
    return A.Severity == B.Severity && A.Message == B.Message;
  };
  if (!std::equal(Problems.begin(), Problems.end(), FMarked.begin(), FMarked.end(), SameButRow)) return false;
  std::vector<int> Rows;
  Rows.reserve(Problems.size());
  for (const TProblem& P : Problems) Rows.push_back(RowOf(P, FEditor));
  std::sort(Rows.begin(), Rows.end());
  return Rows == FEditor->RowMarks()->RowsOf(Owner);
}

bool TProblemMarks::Begin(const std::vector<TProblem>& Problems) {
  if (Standing(Problems)) return false;
  FEditor->RowMarks()->Clear(Owner);
  FMarked = Problems;
  FPlaced = 0;
  return true;
}

bool TProblemMarks::Step(int Count) {
  TRowMarks* Marks = FEditor->RowMarks();
  for (const int End = FPlaced + std::min(Count, static_cast<int>(FMarked.size()) - FPlaced); FPlaced < End; ++FPlaced) {
    const TProblem& P = FMarked[FPlaced];
    Marks->Add(Owner, RowOf(P, FEditor), P.Severity == TSeverity::Error ? TRowMarkKind::Error : TRowMarkKind::Warning,
               P.Message);
  }
  return FPlaced == static_cast<int>(FMarked.size());
}
