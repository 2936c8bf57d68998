/** @file SourceChecks.h
 ** The live checks of one source: its line problems, brackets left open or closed too
 ** often, a comment or string left open at the end, jump targets no file of the project
 ** declares, and procedures or functions declared more than once in the project. **/
#pragma once

#include "language/ProjectIndex.h"
#include "language/SourceModel.h"

/** The checks of one source in steps, for a caller that must not hold up its thread: the
    model and the index must not change until the check is done. */
class TSourceCheck {
 public:
  TSourceCheck(const TSourceModel& Model, const QString& File, const TProjectIndex& Index,
               TSourceModel::TLineText Text);
  /** Goes on over at most Lines lines of the model; true when every check is done. */
  bool Step(int Lines);
  /** Every problem, in line order, once Step answered true. */
  const std::vector<TProblem>& Problems() const { return FProblems; }

 private:
  enum class TPhase { LineProblems, Brackets, Unclosed, Targets, Duplicates, Done };
  void NextPhase();
  void MatchBrackets(int Line);
  void ReportUnclosed(int Kind, std::pair<int, int> Open);
  void CheckDuplicate(const TDeclaration& D);

  const TSourceModel& FModel;
  const QString FFile;
  const TProjectIndex& FIndex;
  const TSourceModel::TLineText FText;
  TPhase FPhase = TPhase::LineProblems;
  int FLine = 1;
  /** Per kind of bracket, the lines whose openers are still open: (line, how many). */
  std::vector<std::pair<int, int>> FOpen[3];
  int FKind = 0;  ///< of the open brackets reported: the kind, and the line in FOpen[FKind]
  size_t FEntry = 0;
  std::vector<TProblem> FProblems;
};

/** Every problem of the source File held by Model, in line order. Text gives a line's text
    for the few lines a problem must be placed in. */
std::vector<TProblem> CheckSource(const TSourceModel& Model, const QString& File,
                                  const TProjectIndex& Index, const TSourceModel::TLineText& Text);
