/** @file ProblemMarks.h
 ** The problems of one editor as marks on their rows in the gutter, with the message as the
 ** row's tool tip; the marks of others (the build's) are left alone. **/
#pragma once

#include <QString>
#include <vector>

#include "language/LineFacts.h"

class TMemoComponent;

class TProblemMarks {
 public:
  /** The owner of these marks among the editor's row marks. */
  static const QString Owner;

  explicit TProblemMarks(TMemoComponent* Editor) : FEditor(Editor) {}
  /** Starts marking one row per problem, which Step goes on with; false when the marks stand
      for these problems already (they are only rebuilt when the problems changed or an edit
      took a marked row away). */
  bool Begin(const std::vector<TProblem>& Problems);
  /** Places at most Count more marks; true when all are placed. */
  bool Step(int Count);

 private:
  bool Standing(const std::vector<TProblem>& Problems) const;

  TMemoComponent* FEditor;
  std::vector<TProblem> FMarked;
  int FPlaced = 0;
};
