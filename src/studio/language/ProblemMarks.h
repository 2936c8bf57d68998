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
  /** Marks one row per problem; the marks are only rebuilt when the problems changed or an
      edit took a marked row away. */
  void SetProblems(const std::vector<TProblem>& Problems);

 private:
  bool Standing(const std::vector<TProblem>& Problems) const;

  TMemoComponent* FEditor;
  std::vector<TProblem> FMarked;
};
